#include "ActHelper.h"

#include "connectors/act/CxACTDateUtil.h"

int main(int argc, char** argv)
{
    return velmora::helpers::RunActHelper<velmora::connectors::ActCalendarKind>(argc, argv);
}
