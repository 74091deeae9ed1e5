#pragma once

#include "RecordTypes.h"
#include "TextValue.h"

namespace velmora::model {

// One field of a source application's contact field table: its catalogue entry and, for text
// fields, the member of the source's own contact record it names (null for dates, codes and
// fields that yield no value).
template <class Rec>
struct SourceField {
    FieldInfo Info;
    const TextValue& (*Text)(const Rec&);
};

// The accessor of one text member, for SourceField tables.
template <auto Member, class Rec>
const TextValue& MemberText(const Rec& record)
{
    return record.*Member;
}

}  // namespace velmora::model
