#pragma once

// Palm .dat files come from whatever a user copied from an old computer: each reader must take
// any bytes without reading or writing out of bounds, and its records must convert.
#include "diagnostics/CxDebugUtil.h"
#include "palm/PalmConversions.h"

#include <cstddef>
#include <cstdint>

template <class Reader>
int FuzzPalmReader(const std::uint8_t* data, std::size_t size)
{
    velmora::diagnostics::CxDebugUtil::Instance().SetFolder("");  // no log file while fuzzing
    Reader reader;
    reader.LoadData(data, size);
    auto& store = reader.GetDataMgr();
    for (std::size_t i = 0; i < store.Count(); ++i)
        velmora::palm::ToCommon(*store.At(i));
    return 0;
}
