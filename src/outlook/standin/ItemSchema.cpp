#include "ItemSchema.h"

#include "LittleEndian.h"
#include "model/CxDateTime.h"
#include "platform/CodePage.h"
#include "RtfText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ctime>
#include <iterator>
#include <span>
#include <unordered_map>

namespace velmora::outlook::standin {
namespace {

using dispatch::Variant;

constexpr SchemaEntry T(const char16_t* name, std::uint16_t tag, ValueAs as = ValueAs::Text)
{
    return {name, PstKeyKind::Tag, tag, nullptr, 0, nullptr, as};
}

constexpr SchemaEntry N(const char16_t* name, const Guid& set, std::uint32_t number, ValueAs as = ValueAs::Text)
{
    return {name, PstKeyKind::NamedNumber, 0, &set, number, nullptr, as};
}

constexpr SchemaEntry S(const char16_t* name, const Guid& set, const char16_t* string, ValueAs as)
{
    return {name, PstKeyKind::NamedString, 0, &set, 0, string, as};
}

constexpr std::uint16_t kBody = 0x1000;

// Every item kind's properties.
constexpr SchemaEntry kCommon[] = {
    T(u"EntryID", 0, ValueAs::EntryId),
    T(u"Body", kBody, ValueAs::Body),
    T(u"Subject", 0x0037, ValueAs::Subject),
    S(u"Categories", PS_PUBLIC_STRINGS, u"Keywords", ValueAs::Keywords),
    T(u"CreationTime", 0x3007, ValueAs::LocalTime),
    T(u"LastModificationTime", 0x3008, ValueAs::LocalTime),
    T(u"Importance", 0x0017, ValueAs::Long),
    T(u"Sensitivity", 0x0036, ValueAs::Long),
    T(u"MessageClass", 0x001A),
};

constexpr SchemaEntry kContact[] = {
    T(u"Account", 0x3A00),
    T(u"Anniversary", 0x3A41, ValueAs::LocalTime),
    T(u"AssistantName", 0x3A30),
    T(u"AssistantTelephoneNumber", 0x3A2E),
    T(u"Birthday", 0x3A42, ValueAs::LocalTime),
    T(u"Business2TelephoneNumber", 0x3A1B),
    N(u"BusinessAddressStreet", PSETID_Address, 0x8045),
    N(u"BusinessAddressCity", PSETID_Address, 0x8046),
    N(u"BusinessAddressState", PSETID_Address, 0x8047),
    N(u"BusinessAddressPostalCode", PSETID_Address, 0x8048),
    N(u"BusinessAddressCountry", PSETID_Address, 0x8049),
    N(u"BusinessAddressPostOfficeBox", PSETID_Address, 0x804A),
    T(u"BusinessFaxNumber", 0x3A24),
    T(u"BusinessHomePage", 0x3A51),
    T(u"BusinessTelephoneNumber", 0x3A08),
    T(u"CallbackTelephoneNumber", 0x3A02),
    T(u"CarTelephoneNumber", 0x3A1E),
    T(u"CompanyMainTelephoneNumber", 0x3A57),
    T(u"CompanyName", 0x3A16),
    T(u"ComputerNetworkName", 0x3A49),
    T(u"CustomerID", 0x3A4A),
    T(u"Department", 0x3A18),
    N(u"Email1DisplayName", PSETID_Address, 0x8080),
    N(u"Email1AddressType", PSETID_Address, 0x8082),
    N(u"Email1Address", PSETID_Address, 0x8083),
    N(u"Email2DisplayName", PSETID_Address, 0x8090),
    N(u"Email2AddressType", PSETID_Address, 0x8092),
    N(u"Email2Address", PSETID_Address, 0x8093),
    N(u"Email3DisplayName", PSETID_Address, 0x80A0),
    N(u"Email3AddressType", PSETID_Address, 0x80A2),
    N(u"Email3Address", PSETID_Address, 0x80A3),
    N(u"FileAs", PSETID_Address, 0x8005),
    T(u"FirstName", 0x3A06),
    T(u"FTPSite", 0x3A4C),
    T(u"FullName", 0x3001),
    T(u"Gender", 0x3A4D, ValueAs::Long),
    T(u"Hobby", 0x3A43),
    T(u"Home2TelephoneNumber", 0x3A2F),
    T(u"HomeAddressCity", 0x3A59),
    T(u"HomeAddressCountry", 0x3A5A),
    T(u"HomeAddressPostalCode", 0x3A5B),
    T(u"HomeAddressState", 0x3A5C),
    T(u"HomeAddressStreet", 0x3A5D),
    T(u"HomeAddressPostOfficeBox", 0x3A5E),
    T(u"HomeFaxNumber", 0x3A25),
    T(u"HomeTelephoneNumber", 0x3A09),
    N(u"IMAddress", PSETID_Address, 0x8062),
    T(u"Initials", 0x3A0A),
    T(u"ISDNNumber", 0x3A2D),
    T(u"JobTitle", 0x3A17),
    T(u"Language", 0x3A0C),
    T(u"LastName", 0x3A11),
    T(u"MailingAddressCountry", 0x3A26),
    T(u"MailingAddressCity", 0x3A27),
    T(u"MailingAddressState", 0x3A28),
    T(u"MailingAddressStreet", 0x3A29),
    T(u"MailingAddressPostalCode", 0x3A2A),
    T(u"MailingAddressPostOfficeBox", 0x3A2B),
    T(u"ManagerName", 0x3A4E),
    T(u"MiddleName", 0x3A44),
    T(u"MobileTelephoneNumber", 0x3A1C),
    T(u"NickName", 0x3A4F),
    T(u"OtherAddressCity", 0x3A5F),
    T(u"OtherAddressCountry", 0x3A60),
    T(u"OtherAddressPostalCode", 0x3A61),
    T(u"OtherAddressState", 0x3A62),
    T(u"OtherAddressStreet", 0x3A63),
    T(u"OtherAddressPostOfficeBox", 0x3A64),
    T(u"OtherTelephoneNumber", 0x3A1F),
    T(u"PagerNumber", 0x3A21),
    T(u"PersonalHomePage", 0x3A50),
    T(u"PrimaryTelephoneNumber", 0x3A1A),
    T(u"Profession", 0x3A46),
    T(u"RadioTelephoneNumber", 0x3A1D),
    T(u"Spouse", 0x3A48),
    T(u"Suffix", 0x3A05),
    T(u"Title", 0x3A45),
    N(u"WebPage", PSETID_Address, 0x802B),
};

constexpr SchemaEntry kAppointment[] = {
    N(u"AllDayEvent", PSETID_Appointment, 0x8215, ValueAs::Bool),
    N(u"Duration", PSETID_Appointment, 0x8213, ValueAs::Long),
    N(u"Start", PSETID_Appointment, 0x820D, ValueAs::LocalTime),
    N(u"End", PSETID_Appointment, 0x820E, ValueAs::LocalTime),
    N(u"Location", PSETID_Appointment, 0x8208),
    N(u"IsRecurring", PSETID_Appointment, 0x8223, ValueAs::Bool),
    N(u"BusyStatus", PSETID_Appointment, 0x8205, ValueAs::Long),
    N(u"ReminderMinutesBeforeStart", PSETID_Common, 0x8501, ValueAs::Long),
    N(u"ReminderTime", PSETID_Common, 0x8502, ValueAs::LocalTime),
    N(u"ReminderSet", PSETID_Common, 0x8503, ValueAs::Bool),
    N(u"ReminderOverrideDefault", PSETID_Common, 0x851C, ValueAs::Bool),
    N(u"ReminderPlaySound", PSETID_Common, 0x851E, ValueAs::Bool),
    N(u"ReminderSoundFile", PSETID_Common, 0x851F),
    N(u"Mileage", PSETID_Common, 0x8534),
    N(u"ResponseStatus", PSETID_Appointment, 0x8218, ValueAs::Long),
    T(u"ResponseRequested", 0x0063, ValueAs::Bool),
};

constexpr SchemaEntry kTask[] = {
    N(u"Status", PSETID_Task, 0x8101, ValueAs::Long),
    N(u"PercentComplete", PSETID_Task, 0x8102, ValueAs::Percent),
    N(u"TeamTask", PSETID_Task, 0x8103, ValueAs::Bool),
    N(u"StartDate", PSETID_Task, 0x8104, ValueAs::FloatingDate),
    N(u"DueDate", PSETID_Task, 0x8105, ValueAs::FloatingDate),
    N(u"DateCompleted", PSETID_Task, 0x810F, ValueAs::FloatingDate),
    N(u"ActualWork", PSETID_Task, 0x8110, ValueAs::Long),
    N(u"TotalWork", PSETID_Task, 0x8111, ValueAs::Long),
    N(u"Complete", PSETID_Task, 0x811C, ValueAs::Bool),
    N(u"Owner", PSETID_Task, 0x811F),
    N(u"Ordinal", PSETID_Task, 0x8123, ValueAs::Long),
    N(u"IsRecurring", PSETID_Task, 0x8126, ValueAs::Bool),
    N(u"ResponseState", PSETID_Task, 0x812A, ValueAs::Long),
    N(u"ReminderTime", PSETID_Common, 0x8502, ValueAs::LocalTime),
    N(u"ReminderSet", PSETID_Common, 0x8503, ValueAs::Bool),
    N(u"ReminderOverrideDefault", PSETID_Common, 0x851C, ValueAs::Bool),
    N(u"ReminderPlaySound", PSETID_Common, 0x851E, ValueAs::Bool),
    N(u"ReminderSoundFile", PSETID_Common, 0x851F),
    N(u"Mileage", PSETID_Common, 0x8534),
    N(u"BillingInformation", PSETID_Common, 0x8535),
    T(u"CardData", 0, ValueAs::NotStored),
    T(u"Role", 0, ValueAs::NotStored),
};

constexpr SchemaEntry kNote[] = {
    N(u"Color", PSETID_Note, 0x8B00, ValueAs::Long),
    N(u"Width", PSETID_Note, 0x8B02, ValueAs::Long),
    N(u"Height", PSETID_Note, 0x8B03, ValueAs::Long),
    N(u"Left", PSETID_Note, 0x8B04, ValueAs::Long),
    N(u"Top", PSETID_Note, 0x8B05, ValueAs::Long),
    T(u"Saved", 0, ValueAs::AlwaysTrue),
};

constexpr SchemaEntry kAppointmentRecurrence = N(u"AppointmentRecur", PSETID_Appointment, 0x8216, ValueAs::Text);
constexpr SchemaEntry kTaskRecurrence = N(u"TaskRecurrence", PSETID_Task, 0x8116, ValueAs::Text);

// A FILETIME (100 ns since 1601, UTC) as seconds since 1970; false outside what dates can hold.
bool UnixSeconds(const std::string& value, std::int64_t& seconds)
{
    if (value.size() != 8)
        return false;
    constexpr std::uint64_t kTicksPerSecond = 10'000'000;
    constexpr std::int64_t k1601To1970 = 11'644'473'600;
    seconds = static_cast<std::int64_t>(LeValue(value) / kTicksPerSecond) - k1601To1970;
    // Years 1601 to 9999 only.
    return seconds < 253'402'300'800;
}

double DateOfParts(const std::tm& t)
{
    return model::MakeDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
}

Variant DateValue(const PstProperty& p, bool local)
{
    std::int64_t seconds = 0;
    if (p.Type != PtypTime || !UnixSeconds(p.Value, seconds))
        return {};
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if ((local ? ::localtime_r(&when, &parts) : ::gmtime_r(&when, &parts)) == nullptr)
        return {};
    const double date = DateOfParts(parts);
    return date != 0 ? Variant::Date(date) : Variant{};
}

// A multi-valued string: a 32-bit count, the 32-bit offsets of the values, then the values.
Variant KeywordsValue(const PstProperty& p)
{
    const bool wide = p.Type == PtypMultipleString;
    if (!wide && p.Type != PtypMultipleString8)
        return {};
    const std::string_view data = p.Value;
    if (data.size() < 4)
        return {};
    const std::uint64_t count = LeValue(data.substr(0, 4));
    if (count > (data.size() - 4) / 4)
        return {};
    std::u16string joined;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t begin = LeValue(data.substr(4 + 4 * i, 4));
        const std::uint64_t end = i + 1 < count ? LeValue(data.substr(8 + 4 * i, 4)) : data.size();
        if (begin > end || end > data.size())
            return {};
        if (!joined.empty())
            joined += u", ";
        joined += TextOf(wide ? PtypString : PtypString8, data.substr(begin, end - begin));
    }
    return Variant::Bstr(std::move(joined));
}

const PstProperty* FindKind(const PstPropertySet& item, PstKeyKind kind)
{
    for (const PstProperty& p : item)
        if (p.Key.Kind == kind)
            return &p;
    return nullptr;
}

std::span<const SchemaEntry> KindSchema(PstFolderKind kind)
{
    switch (kind) {
    case PstFolderKind::Contacts: return kContact;
    case PstFolderKind::Calendar: return kAppointment;
    case PstFolderKind::Tasks: return kTask;
    case PstFolderKind::Notes: return kNote;
    }
    return {};
}

char16_t LowerLetter(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::u16string LowerName(std::u16string_view name)
{
    std::u16string lower(name);
    for (char16_t& c : lower)
        c = LowerLetter(c);
    return lower;
}

}  // namespace

const SchemaEntry* SchemaEntryAt(PstFolderKind kind, std::size_t index)
{
    if (index < std::size(kCommon))
        return &kCommon[index];
    const std::span<const SchemaEntry> own = KindSchema(kind);
    index -= std::size(kCommon);
    return index < own.size() ? &own[index] : nullptr;
}

std::optional<std::size_t> SchemaIndexOf(PstFolderKind kind, std::u16string_view name)
{
    // Every property read asks for its name: each kind's names are indexed once, by their
    // lower-case form (the first entry of a name wins).
    using NameIndex = std::unordered_map<std::u16string, std::size_t>;
    static const std::array<NameIndex, 4> kIndexes = [] {
        std::array<NameIndex, 4> indexes;
        for (const PstFolderKind k : {PstFolderKind::Contacts, PstFolderKind::Calendar, PstFolderKind::Tasks,
                                      PstFolderKind::Notes})
            for (std::size_t i = 0; const SchemaEntry* e = SchemaEntryAt(k, i); ++i)
                indexes[static_cast<std::size_t>(k) - 1].emplace(LowerName(e->Name), i);
        return indexes;
    }();
    const std::size_t slot = static_cast<std::size_t>(kind) - 1;
    if (slot >= kIndexes.size())
        return std::nullopt;
    const auto found = kIndexes[slot].find(LowerName(name));
    return found == kIndexes[slot].end() ? std::nullopt : std::optional<std::size_t>(found->second);
}

const SchemaEntry* RecurrenceBlobOf(PstFolderKind kind)
{
    switch (kind) {
    case PstFolderKind::Calendar: return &kAppointmentRecurrence;
    case PstFolderKind::Tasks: return &kTaskRecurrence;
    default: return nullptr;
    }
}

std::u16string HexText(std::string_view bytes)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text;
    for (char b : bytes) {
        text.push_back(kDigits[static_cast<std::uint8_t>(b) >> 4]);
        text.push_back(kDigits[static_cast<std::uint8_t>(b) & 15]);
    }
    return text;
}

bool SameName(std::u16string_view a, std::u16string_view b)
{
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return LowerLetter(x) == LowerLetter(y); });
}

std::u16string TextOf(const PstProperty& p)
{
    return TextOf(p.Type, p.Value);
}

std::u16string TextOf(std::uint16_t type, std::string_view value)
{
    std::u16string text;
    if (type == PtypString) {
        text = Utf16LeText(value);
    } else if (type == PtypString8) {
        text = platform::ToWide(value);
    }
    while (!text.empty() && text.back() == u'\0')
        text.pop_back();
    return text;
}

const PstProperty* FindProperty(const PstPropertySet& item, const SchemaEntry& e)
{
    for (const PstProperty& p : item) {
        if (p.Key.Kind != e.Kind)
            continue;
        switch (e.Kind) {
        case PstKeyKind::Tag:
            if (p.Key.Tag == e.Tag)
                return &p;
            break;
        case PstKeyKind::NamedNumber:
            if (p.Key.Number == e.Number && p.Key.Set == *e.Set)
                return &p;
            break;
        case PstKeyKind::NamedString:
            if (p.Key.Set == *e.Set && SameName(p.Key.Name, e.StringName))
                return &p;
            break;
        default: break;
        }
    }
    return nullptr;
}

Variant ValueOf(const SchemaEntry& e, const PstPropertySet& item, const ItemContext& context)
{
    switch (e.As) {
    case ValueAs::AlwaysTrue: return Variant::Bool(true);
    case ValueAs::NotStored: return {};
    case ValueAs::EntryId: {
        const PstProperty* id = FindKind(item, PstKeyKind::Identifier);
        if (id == nullptr)
            return {};
        // Flags (4 bytes of 0), the store's record key, the node identifier: how a personal
        // folders file names its items.
        const std::string key = context.RecordKey != nullptr ? *context.RecordKey : std::string();
        return Variant::Bstr(HexText(std::string(4, '\0') + key + id->Value));
    }
    case ValueAs::Body: {
        if (const PstProperty* plain = FindProperty(item, e))
            return Variant::Bstr(TextOf(*plain));
        if (const PstProperty* rtf = FindKind(item, PstKeyKind::RtfText))
            return Variant::Bstr(RtfToText(rtf->Value));
        return {};
    }
    default: break;
    }
    const PstProperty* p = FindProperty(item, e);
    if (p == nullptr)
        return {};
    switch (e.As) {
    case ValueAs::Text:
        return p->Type == PtypString || p->Type == PtypString8 ? Variant::Bstr(TextOf(*p)) : Variant{};
    case ValueAs::Subject: {
        if (p->Type != PtypString && p->Type != PtypString8)
            return {};
        std::u16string text = TextOf(*p);
        if (text.size() >= 2 && text[0] == u'\x01')
            text.erase(0, 2);  // the marker and the prefix's length; the prefix stays
        return Variant::Bstr(std::move(text));
    }
    case ValueAs::Long:
        if (p->Type == PtypInteger16 && p->Value.size() >= 2)
            return Variant::I4(static_cast<std::int16_t>(LeValue(std::string_view(p->Value).substr(0, 2))));
        if (p->Type == PtypInteger32 && p->Value.size() >= 4)
            return Variant::I4(static_cast<std::int32_t>(LeValue(std::string_view(p->Value).substr(0, 4))));
        return {};
    case ValueAs::Bool:
        return p->Type == PtypBoolean && !p->Value.empty() ? Variant::Bool(LeValue(p->Value) != 0) : Variant{};
    case ValueAs::LocalTime: return DateValue(*p, true);
    case ValueAs::FloatingDate: return DateValue(*p, false);
    case ValueAs::Percent: {
        if (p->Type != PtypFloating64 || p->Value.size() != 8)
            return {};
        const std::uint64_t bits = LeValue(p->Value);
        double fraction = 0;
        std::memcpy(&fraction, &bits, sizeof fraction);
        return std::isfinite(fraction) && fraction >= 0 && fraction <= 1
                   ? Variant::I4(static_cast<std::int32_t>(std::lround(fraction * 100)))
                   : Variant{};
    }
    case ValueAs::Keywords: return KeywordsValue(*p);
    default: return {};
    }
}

}  // namespace velmora::outlook::standin
