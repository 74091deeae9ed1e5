#pragma once

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

// The operations the custom-field mapping dialog and the conversions use on a field table.
template <class Rec>
class SourceFieldTable {
public:
    constexpr explicit SourceFieldTable(std::span<const SourceField<Rec>> fields) : mFields(fields) {}

    std::size_t Count() const { return mFields.size(); }
    int KeyAt(std::size_t index) const { return index < mFields.size() ? mFields[index].Info.Id : 0; }
    const char* LabelAt(std::size_t index) const { return index < mFields.size() ? mFields[index].Info.Label : "N/A"; }
    const SourceField<Rec>* Find(int key) const
    {
        for (const SourceField<Rec>& field : mFields)
            if (field.Info.Id == key)
                return &field;
        return nullptr;
    }

    // MappedCustom of a common record: per slot with a non-zero key, the value of that text field
    // (at most 63 characters); dates, codes and fields without a value fill nothing.
    void FillMapped(const Rec& record, const std::array<int, 10>& keys, std::array<Text<64>, 10>& mapped) const
    {
        for (std::size_t slot = 0; slot < keys.size(); ++slot) {
            const SourceField<Rec>* field = keys[slot] != 0 ? Find(keys[slot]) : nullptr;
            if (field != nullptr && field->Info.Type == FieldType::Text && field->Info.Size > 1 && field->Text != nullptr)
                mapped[slot] = field->Text(record).view().substr(0, 63);
        }
    }

private:
    std::span<const SourceField<Rec>> mFields;
};

}  // namespace velmora::model
