#pragma once

#include "FieldTable.h"
#include "RecordTypes.h"
#include "TextValue.h"

#include <array>
#include <cstddef>
#include <span>

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

// A source's contact field table: the lookups, and the mapped custom fields of a record.
template <class Rec>
class SourceFieldTable : public FieldTable<SourceField<Rec>> {
public:
    constexpr explicit SourceFieldTable(std::span<const SourceField<Rec>> fields) : FieldTable<SourceField<Rec>>(fields) {}

    // MappedCustom of a common record: per slot with a non-zero key, the value of that text field
    // (at most 63 characters); dates, codes and fields without a value fill nothing.
    void FillMapped(const Rec& record, const std::array<int, 10>& keys, TextSlots<10, 64>& mapped) const
    {
        for (std::size_t slot = 0; slot < keys.size(); ++slot) {
            const SourceField<Rec>* field = keys[slot] != 0 ? this->Find(keys[slot]) : nullptr;
            if (field != nullptr && field->Info.Type == FieldType::Text && field->Info.Size > 1 && field->Text != nullptr)
                mapped.Set(slot, field->Text(record).view().substr(0, 63));
        }
    }
};

}  // namespace velmora::model
