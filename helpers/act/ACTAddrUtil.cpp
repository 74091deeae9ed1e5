#include "ActHelper.h"

#include "connectors/act/CxACTAddrUtil.h"

int main(int argc, char** argv)
{
    return velmora::helpers::RunActHelper<velmora::connectors::ActContactKind>(argc, argv);
}
