#pragma once

#include "RecordTypes.h"
#include "SourceBlock.h"
#include "TextValue.h"

#include <cstdint>
#include <span>

namespace velmora::model {

// The common note (memo, notebook entry). Field ids in brackets.
struct CommNoteRec {
    std::int32_t Color = 0;           // [0] as the source gives it
    std::int32_t Private = 0;         // [1]
    model::Text<256> Subject;         // [2]
    model::Text<20480> Text;                // [3] lines separated by CR LF
    model::Text<256> Category;        // [4]
    double CreationTime = 0;          // [5]
    double LastModificationTime = 0;  // [6]
    std::int32_t SourceType = 0;      // [7]
    std::int32_t Status = 0;          // [8]
    std::int32_t IdNumber = 0;        // [9]
    model::Text<32> IdText;           // [10]

    SourceBlock SourceData;
    const CommNoteRec* MatchedRec = nullptr;
};

// The note field catalogue, ids 0-10.
std::span<const FieldName> NoteFieldTable();

}  // namespace velmora::model
