#pragma once

#include "dat/PalmRecords.h"
#include "mdb/PalmEx2Records.h"

#include "model/CommAddrRec.h"
#include "model/CommDateRec.h"
#include "model/CommNoteRec.h"
#include "model/CommTaskRec.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>

namespace velmora::palm {

// Reader generations: 1 files before Palm Desktop 4.1.2, 2 the 4.x files, 3 the 6.x databases;
// 0 unknown, 255 a failed load.
constexpr int kGenerationUnknown = 0;
constexpr int kGenerationEarly = 1;
constexpr int kGenerationEx = 2;
constexpr int kGenerationEx2 = 3;
constexpr int kGenerationFailed = 255;

// One migrated Palm record: the reader's record (of its generation) and the common record made
// from it. The common record's source data points at this block, which the detail views read;
// the front-end keeps both, and the reader keeps its records, until the next load.
template <class CommRec, class... Records>
struct PmSourceRecOf {
    int Generation = kGenerationUnknown;
    std::variant<std::monostate, const Records*...> Record;
    const CommRec* Common = nullptr;
    // The custom-field labels of the file the record came from, when it has them (the reader
    // keeps them until its next load, as it keeps the record).
    const std::array<std::string, 9>* CustomLabels = nullptr;
};

using PmAddrSourceRec = PmSourceRecOf<model::CommAddrRec, PmAddrRec, PmAddrExRec, PmAddrEx2Rec>;
using PmDateSourceRec = PmSourceRecOf<model::CommDateRec, PmDateRec, PmDateExRec, PmDateEx2Rec>;
using PmTodoSourceRec = PmSourceRecOf<model::CommTaskRec, PmTodoRec, PmTodoExRec, PmTodoEx2Rec>;
using PmMemoSourceRec = PmSourceRecOf<model::CommNoteRec, PmMemoRec, PmMemoExRec, PmMemoEx2Rec>;

}  // namespace velmora::palm
