#include "TempInputFile.h"

#include "platform/PeVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TempInputFile file(data, size);
    velmora::platform::FileVersion version;
    velmora::platform::GetFileVersion(file.Path(), version);
    return 0;
}
