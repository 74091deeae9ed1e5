#include "ActHelper.h"

#include "connectors/act/CxACTNoteUtil.h"

int main(int argc, char** argv)
{
    return velmora::helpers::RunActHelper<velmora::connectors::ActNoteKind>(argc, argv);
}
