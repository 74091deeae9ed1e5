#pragma once

#include "PmSourceRec.h"

#include "model/RecordTypes.h"

#include <optional>
#include <span>
#include <string>

namespace velmora::palm {

// The contact fields of a reader generation that the custom-field mapping may use: key (the
// entry's position + 1), label, kind (text, a 32-bit date, an 8-byte date) and capacity.
// Generation 1 has 23, generation 2 45, generation 3 54; any other generation none.
std::span<const model::FieldInfo> PalmContactFields(int generation);

// The text of the field `key` names in the record's generation: for a phone or IM key the
// number or address whose label code matches. Nothing for date keys, unknown keys, and phone
// or IM keys the record has no slot for.
std::optional<std::string> PalmFieldText(const PmAddrSourceRec& record, int key);

}  // namespace velmora::palm
