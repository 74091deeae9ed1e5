#include "ActHelper.h"

#include "connectors/act/CxACTTaskUtil.h"

int main(int argc, char** argv)
{
    return velmora::helpers::RunActHelper<velmora::connectors::ActTodoKind>(argc, argv);
}
