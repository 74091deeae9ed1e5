#pragma once

#include "PstWire.h"

#include "outlook/dispatch/Variant.h"

#include <optional>
#include <string_view>
#include <string>

namespace velmora::outlook::standin {

// Property sets of named properties, in the byte order the data file stores GUIDs.
constexpr Guid MakeGuid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3, std::uint64_t d4)
{
    return {static_cast<std::uint8_t>(d1), static_cast<std::uint8_t>(d1 >> 8), static_cast<std::uint8_t>(d1 >> 16),
            static_cast<std::uint8_t>(d1 >> 24), static_cast<std::uint8_t>(d2), static_cast<std::uint8_t>(d2 >> 8),
            static_cast<std::uint8_t>(d3), static_cast<std::uint8_t>(d3 >> 8), static_cast<std::uint8_t>(d4 >> 56),
            static_cast<std::uint8_t>(d4 >> 48), static_cast<std::uint8_t>(d4 >> 40), static_cast<std::uint8_t>(d4 >> 32),
            static_cast<std::uint8_t>(d4 >> 24), static_cast<std::uint8_t>(d4 >> 16), static_cast<std::uint8_t>(d4 >> 8),
            static_cast<std::uint8_t>(d4)};
}

constexpr Guid PSETID_Appointment = MakeGuid(0x00062002, 0, 0, 0xC000000000000046);
constexpr Guid PSETID_Task = MakeGuid(0x00062003, 0, 0, 0xC000000000000046);
constexpr Guid PSETID_Address = MakeGuid(0x00062004, 0, 0, 0xC000000000000046);
constexpr Guid PSETID_Common = MakeGuid(0x00062008, 0, 0, 0xC000000000000046);
constexpr Guid PSETID_Note = MakeGuid(0x0006200E, 0, 0, 0xC000000000000046);
constexpr Guid PS_PUBLIC_STRINGS = MakeGuid(0x00020329, 0, 0, 0xC000000000000046);

// Property types.
constexpr std::uint16_t PtypInteger16 = 0x0002, PtypInteger32 = 0x0003, PtypFloating64 = 0x0005,
                        PtypBoolean = 0x000B, PtypString8 = 0x001E, PtypString = 0x001F, PtypTime = 0x0040,
                        PtypBinary = 0x0102, PtypMultipleString8 = 0x101E, PtypMultipleString = 0x101F;

// How a stored value becomes the automation value Outlook reports.
enum class ValueAs {
    Text,          // a string
    Subject,       // a string that may start with 0x01 and the length of its prefix ("RE: ")
    Long,          // a 16- or 32-bit integer as VT_I4
    Bool,
    LocalTime,     // a UTC time as the local date and time
    FloatingDate,  // a time that holds a local date written as UTC (task dates): kept as it reads
    Percent,       // a fraction 0-1 as a whole percentage
    Keywords,      // a list of strings joined by ", "
    Body,          // the plain-text body, or the text of the RTF body
    EntryId,       // the item's entry identifier as hex text
    AlwaysTrue,    // a stored item is saved
    NotStored,     // a property Outlook has but the data file keeps nowhere: always empty
};

// One property of an item kind: its Outlook name, where the data file keeps it, and how it reads.
struct SchemaEntry {
    const char16_t* Name;
    PstKeyKind Kind;
    std::uint16_t Tag;  // Kind Tag
    const Guid* Set;    // named properties
    std::uint32_t Number;
    const char16_t* StringName;
    ValueAs As;
};

// The properties of an item kind, numbered from 0: the properties every item has, then the
// kind's own; null past the end. Outlook's names compare without regard to case.
const SchemaEntry* SchemaEntryAt(PstFolderKind kind, std::size_t index);
std::optional<std::size_t> SchemaIndexOf(PstFolderKind kind, std::u16string_view name);
// The stored recurrence blob of an item kind (appointments, tasks); null for the others.
const SchemaEntry* RecurrenceBlobOf(PstFolderKind kind);

// What a value needs beyond the item: the store's record key, for entry identifiers.
struct ItemContext {
    const std::string* RecordKey = nullptr;
};

// The stored property `entry` names, or null.
const PstProperty* FindProperty(const PstPropertySet& item, const SchemaEntry& entry);
// The value Outlook reports for `entry` of `item`; VT_EMPTY when the item has no such value or
// holds it in a type the entry cannot read.
dispatch::Variant ValueOf(const SchemaEntry& entry, const PstPropertySet& item, const ItemContext& context);

// A stored string's text (PtypString UTF-16LE or PtypString8 Windows-1252); empty for others.
std::u16string TextOf(const PstProperty& property);
std::u16string TextOf(std::uint16_t type, std::string_view value);
// Outlook's names compare without regard to (ASCII) case.
bool SameName(std::u16string_view a, std::u16string_view b);
// Bytes as upper-case hex text, as Outlook shows entry and store identifiers.
std::u16string HexText(std::string_view bytes);

}  // namespace velmora::outlook::standin
