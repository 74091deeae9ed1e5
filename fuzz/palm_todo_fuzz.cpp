#include "PalmDatFuzz.h"

#include "palm/dat/PmEarlyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return FuzzPalmReader<velmora::palm::PmTodoUtil>(data, size);
}
