#pragma once

#include "model/RecordTypes.h"

#include <cstddef>
#include <optional>

namespace velmora::testing {

// The matching rules stepped through literally, record by record, by position: what the
// indexed managers must answer in every case.
template <class Manager, class Rec>
int LinearFindMatch(const Manager& manager, const Rec* record, Rec*& found, std::size_t& index, bool clearFoundFirst)
{
    using model::MatchResult;
    if (clearFoundFirst)
        found = nullptr;
    if (record == nullptr)
        return MatchResult::NoRecord;
    if (!manager.HasKey(*record)) {
        index = manager.Count();
        return MatchResult::NoMatch;
    }
    std::optional<std::size_t> remembered;
    index = 0;
    for (std::size_t position = 0; position < manager.Count(); ++position) {
        Rec* stored = manager.At(position);
        if (stored == record) {
            found = stored;
            index = position;
            return MatchResult::Identical;
        }
        if (manager.KeysEqual(*stored, *record)) {
            found = stored;
            if (manager.ComparedEqual(*stored, *record)) {
                index = position;
                return MatchResult::Identical;
            }
            remembered = position;
        }
    }
    if (remembered) {
        index = *remembered;
        return MatchResult::KeyMatch;
    }
    index = manager.Count();
    return MatchResult::NoMatch;
}

}  // namespace velmora::testing
