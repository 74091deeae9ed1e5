// A helper program reads its parameter file before anything else: whatever bytes it holds, the
// reader must neither crash nor read out of bounds, and a file it accepts writes back the same.
#include "TempInputFile.h"

#include "connectors/exchange/ParamParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TempInputFile file(data, size);
    velmora::connectors::ParamParser params;
    if (!params.Load(file.Path()))
        return 0;
    // What was read must survive a round trip unchanged.
    const TempInputFile again(reinterpret_cast<const std::uint8_t*>(""), 0);
    velmora::connectors::ParamParser reread;
    if (!params.Save(again.Path()) || !reread.Load(again.Path()))
        std::abort();
    // The families' keys lie in 1-20 and 1000-1020.
    for (std::int32_t id = 0; id <= 1020; id = id == 20 ? 1000 : id + 1) {
        if (params.Get(id) != reread.Get(id))
            std::abort();
    }
    return 0;
}
