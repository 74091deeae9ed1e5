#include "PalmDatFuzz.h"

#include "palm/dat/PmExFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzPalmReader<velmora::palm::PmDateExUtil>(data, size);
}
