#include "PstItems.h"

#include "outlook/standin/ItemSchema.h"
#include "outlook/standin/LittleEndian.h"

#include "model/CxDateTime.h"

#include <cstring>
#include <ctime>
#include <stdexcept>

namespace velmora::tools {
namespace {

using namespace outlook::standin;

PstKey KeyOf(const SchemaEntry& e)
{
    PstKey key;
    key.Kind = e.Kind;
    key.Tag = e.Tag;
    if (e.Set != nullptr)
        key.Set = *e.Set;
    key.Number = e.Number;
    if (e.StringName != nullptr)
        key.Name = e.StringName;
    return key;
}

// A user-defined field: a property of the public-strings set named by the field's name.
PstProperty UserProperty(std::u16string_view name, std::uint16_t type, std::string value)
{
    PstProperty p;
    p.Key.Kind = PstKeyKind::NamedString;
    p.Key.Set = PS_PUBLIC_STRINGS;
    p.Key.Name = name;
    p.Type = type;
    p.Value = std::move(value);
    return p;
}

const SchemaEntry& EntryOf(PstFolderKind kind, std::u16string_view name)
{
    const auto index = SchemaIndexOf(kind, name);
    if (!index)
        throw std::invalid_argument("no such Outlook property");
    return *SchemaEntryAt(kind, *index);
}

// Seconds since 1970 of a local or UTC calendar moment given as an automation date.
std::int64_t SecondsOf(double date, bool local)
{
    const model::SystemTime t = model::SystemTimeOf(date);
    std::tm parts{};
    parts.tm_year = t.Year - 1900;
    parts.tm_mon = t.Month - 1;
    parts.tm_mday = t.Day;
    parts.tm_hour = t.Hour;
    parts.tm_min = t.Minute;
    parts.tm_sec = t.Second;
    parts.tm_isdst = -1;
    return local ? std::mktime(&parts) : ::timegm(&parts);
}

std::string FileTime(std::int64_t seconds)
{
    std::string b;
    PutLe(b, static_cast<std::uint64_t>(seconds + 11'644'473'600LL) * 10'000'000ULL, 8);
    return b;
}

// Minutes since 1601 of a local date.
std::uint32_t Minutes1601(double date)
{
    return static_cast<std::uint32_t>((date + 109205.0) * 1440.0 + 0.5);
}

}  // namespace

PstItem::PstItem(PstFolderKind kind, std::u16string_view messageClass) : mKind(kind)
{
    Set(u"MessageClass", messageClass);
}

PstItem& PstItem::Property(PstProperty property)
{
    mMessage.Properties.push_back(std::move(property));
    return *this;
}

PstItem& PstItem::Set(std::u16string_view name, std::u16string_view text)
{
    const SchemaEntry& e = EntryOf(mKind, name);
    if (e.As == ValueAs::Keywords) {
        // A multi-valued string: count, offsets, values.
        std::vector<std::u16string_view> values;
        for (std::size_t at = 0; at <= text.size();) {
            const std::size_t comma = std::min(text.find(u", ", at), text.size());
            values.push_back(text.substr(at, comma - at));
            at = comma + 2;
        }
        std::string data;
        PutLe(data, values.size(), 4);
        std::uint64_t offset = 4 + 4 * values.size();
        for (std::u16string_view v : values) {
            PutLe(data, offset, 4);
            offset += v.size() * 2;
        }
        for (std::u16string_view v : values)
            data += Utf16LeBytes(v);
        return Property({KeyOf(e), PtypMultipleString, data});
    }
    return Property({KeyOf(e), PtypString, Utf16LeBytes(text)});
}

PstItem& PstItem::Set(std::u16string_view name, std::int32_t value)
{
    const SchemaEntry& e = EntryOf(mKind, name);
    std::string data;
    switch (e.As) {
    case ValueAs::Bool: return Property({KeyOf(e), PtypBoolean, std::string(1, value != 0 ? '\1' : '\0')});
    case ValueAs::Percent: {
        const double fraction = value / 100.0;
        std::uint64_t bits = 0;
        std::memcpy(&bits, &fraction, sizeof bits);
        PutLe(data, bits, 8);
        return Property({KeyOf(e), PtypFloating64, data});
    }
    default:
        // Outlook keeps the gender as a 16-bit integer.
        if (e.Kind == PstKeyKind::Tag && e.Tag == 0x3A4D) {
            PutLe(data, static_cast<std::uint32_t>(value), 2);
            return Property({KeyOf(e), PtypInteger16, data});
        }
        PutLe(data, static_cast<std::uint32_t>(value), 4);
        return Property({KeyOf(e), PtypInteger32, data});
    }
}

PstItem& PstItem::SetDate(std::u16string_view name, double localDate)
{
    const SchemaEntry& e = EntryOf(mKind, name);
    return Property({KeyOf(e), PtypTime, FileTime(SecondsOf(localDate, e.As == ValueAs::LocalTime))});
}

PstItem& PstItem::UserField(std::u16string_view name, std::u16string_view text)
{
    return Property(UserProperty(name, PtypString, Utf16LeBytes(text)));
}

PstItem& PstItem::UserField(std::u16string_view name, std::int32_t value)
{
    std::string data;
    PutLe(data, static_cast<std::uint32_t>(value), 4);
    return Property(UserProperty(name, PtypInteger32, data));
}

PstItem& PstItem::Recur(const RecurrencePattern& pattern)
{
    const SchemaEntry* blob = RecurrenceBlobOf(mKind);
    Set(u"IsRecurring", 1);
    return Property({KeyOf(*blob), PtypBinary, RecurrenceBlob(pattern, mKind == PstFolderKind::Calendar)});
}

std::string RecurrenceBlob(const RecurrencePattern& p, bool appointment)
{
    std::uint16_t frequency = 0x200A;
    std::uint16_t patternType = 0;
    std::uint32_t period = static_cast<std::uint32_t>(p.Interval);
    switch (p.RecurrenceType) {
    case 0:
        frequency = 0x200A;
        patternType = p.DayOfWeekMask != 0 ? 1 : 0;
        period = p.DayOfWeekMask != 0 ? 1 : period * 1440;
        break;
    case 1: frequency = 0x200B, patternType = 1; break;
    case 2: frequency = 0x200C, patternType = 2; break;
    case 3: frequency = 0x200C, patternType = 3; break;
    case 5: frequency = 0x200D, patternType = 2, period *= 12; break;
    case 6: frequency = 0x200D, patternType = 3, period *= 12; break;
    default: break;
    }
    std::string b;
    PutLe(b, 0x3004, 2);
    PutLe(b, 0x3004, 2);
    PutLe(b, frequency, 2);
    PutLe(b, patternType, 2);
    PutLe(b, 0, 2);  // Gregorian
    PutLe(b, 0, 4);  // first date-time
    PutLe(b, period, 4);
    PutLe(b, 0, 4);  // sliding
    if (patternType == 1 || patternType == 3)
        PutLe(b, static_cast<std::uint32_t>(p.DayOfWeekMask), 4);
    if (patternType == 2)
        PutLe(b, static_cast<std::uint32_t>(p.DayOfMonth), 4);
    if (patternType == 3)
        PutLe(b, static_cast<std::uint32_t>(p.Instance), 4);
    PutLe(b, p.NoEndDate ? 0x2023 : p.Occurrences > 0 ? 0x2022 : 0x2021, 4);
    PutLe(b, static_cast<std::uint32_t>(p.Occurrences), 4);
    PutLe(b, 0, 4);  // the week starts on Sunday
    PutLe(b, 0, 4);  // no deleted instances
    PutLe(b, 0, 4);  // no modified instances
    PutLe(b, Minutes1601(p.PatternStartDate), 4);
    PutLe(b, p.NoEndDate ? 0x5AE980DF : Minutes1601(p.PatternEndDate), 4);
    if (appointment) {
        PutLe(b, 0x3006, 4);  // reader version 2
        PutLe(b, 0x3009, 4);  // writer version 2
        PutLe(b, 0, 4);       // start and end offsets of the occurrences
        PutLe(b, 0, 4);
        PutLe(b, 0, 2);       // no exceptions
        PutLe(b, 0, 4);       // reserved blocks
        PutLe(b, 0, 4);
    }
    return b;
}

}  // namespace velmora::tools
