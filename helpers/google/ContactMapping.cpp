#include "ContactMapping.h"

#include "model/CxDateTime.h"
#include "platform/AsciiCase.h"
#include "platform/CodePage.h"

#include <ctime>

namespace velmora::helpers {
namespace {

using connectors::GContactRec;

std::string Ansi(std::string_view utf8)
{
    return platform::Utf8ToAnsi(utf8);
}

// Apple's and Google's labels "_$!<Mobile>!$_" name a built-in kind; others are the user's own.
std::string NormalLabel(std::string label)
{
    if (label.rfind("_$!<", 0) == 0 && label.size() > 8 && label.compare(label.size() - 4, 4, ">!$_") == 0)
        label = label.substr(4, label.size() - 8);
    return platform::UpperAscii(label);
}

// The property's types, with its label as one more.
struct Kinds {
    const VCardProperty& property;
    std::string label;
    bool Is(std::string_view type) const { return property.HasType(type) || label == type; }
};

template <class KindArray, class ValueArray, class Value>
void PutSlot(KindArray& kinds, ValueArray& values, std::int32_t kind, const Value& value)
{
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i] == 0) {
            kinds[i] = kind;
            values[i] = value;
            return;
        }
    }
}

std::int32_t EmailKind(const Kinds& k)
{
    return k.Is("HOME") ? 1 : k.Is("WORK") ? 2 : 3;
}

std::int32_t PhoneKind(const Kinds& k)
{
    if (k.Is("CELL") || k.Is("MOBILE") || k.Is("IPHONE"))
        return 3;
    if (k.Is("HOMEFAX") || (k.Is("FAX") && k.Is("HOME")))
        return 4;
    if (k.Is("WORKFAX") || k.Is("FAX"))
        return 5;
    if (k.Is("PAGER"))
        return 6;
    return k.Is("HOME") ? 1 : k.Is("WORK") ? 2 : 7;
}

std::int32_t WebKind(const Kinds& k)
{
    if (k.Is("HOMEPAGE") || k.Is("HOME_PAGE"))
        return 3;
    if (k.Is("HOME"))
        return 1;
    if (k.Is("WORK"))
        return 2;
    return k.Is("FTP") ? 4 : k.Is("BLOG") ? 5 : k.Is("PROFILE") ? 6 : 7;
}

// IM services by vCard 3 property name or vCard 4 IMPP scheme; 0 for none.
std::int32_t ImKind(std::string_view name)
{
    static constexpr std::pair<std::string_view, std::int32_t> kServices[] = {
        {"GTALK", 1}, {"AIM", 2}, {"YAHOO", 3}, {"YMSGR", 3}, {"SKYPE", 4}, {"SKYPE-USERNAME", 4},
        {"QQ", 5},    {"MSN", 6}, {"MSNIM", 6}, {"ICQ", 7},   {"JABBER", 8}, {"XMPP", 8},
    };
    for (const auto& [service, kind] : kServices) {
        if (name == service)
            return kind;
    }
    return 0;
}

// Relations: spouse 1, mother 3, father 4, manager 11, assistant 12 as the connector reads them;
// the others in codes of their own, 15 for the user's own labels.
std::int32_t RelationKind(std::string_view label)
{
    static constexpr std::pair<std::string_view, std::int32_t> kRelations[] = {
        {"SPOUSE", 1},   {"CHILD", 2},   {"MOTHER", 3},  {"FATHER", 4},   {"BROTHER", 5},
        {"SISTER", 6},   {"PARENT", 7},  {"FRIEND", 8},  {"RELATIVE", 9}, {"PARTNER", 10},
        {"MANAGER", 11}, {"ASSISTANT", 12}, {"DOMESTIC_PARTNER", 13}, {"REFERRED_BY", 14},
    };
    for (const auto& [name, kind] : kRelations) {
        if (label == name)
            return kind;
    }
    return 15;
}

// REV and similar UTC stamps ("2008-03-07T14:05:09Z", "20080307T140509Z") in local time.
double ParseUtcStamp(std::string_view text)
{
    std::string digits;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    if (digits.size() < 14)
        return ParseVCardDate(text);
    std::tm utc{};
    utc.tm_year = std::stoi(digits.substr(0, 4)) - 1900;
    utc.tm_mon = std::stoi(digits.substr(4, 2)) - 1;
    utc.tm_mday = std::stoi(digits.substr(6, 2));
    utc.tm_hour = std::stoi(digits.substr(8, 2));
    utc.tm_min = std::stoi(digits.substr(10, 2));
    utc.tm_sec = std::stoi(digits.substr(12, 2));
    return model::TimeTToVariant(static_cast<std::int64_t>(timegm(&utc)));
}

void AddAddress(GContactRec& r, const VCardProperty& p, std::int32_t kind)
{
    std::size_t slot = 0;
    while (slot < r.AddressKinds.size() && r.AddressKinds[slot] != 0)
        ++slot;
    if (slot == r.AddressKinds.size())
        return;
    std::vector<std::string> parts = p.Components();
    parts.resize(7);  // post-office box, extended address, street, city, region, postal code, country
    std::string street = parts[1].empty() || parts[2].empty() ? parts[1] + parts[2] : parts[1] + "\r\n" + parts[2];
    r.AddressKinds[slot] = kind;
    r.PoBoxes[slot] = Ansi(parts[0]);
    r.Streets[slot] = Ansi(street);
    r.Cities[slot] = Ansi(parts[3]);
    r.States[slot] = Ansi(parts[4]);
    r.PostalCodes[slot] = Ansi(parts[5]);
    r.Countries[slot] = Ansi(parts[6]);
    std::string formatted = p.label;
    if (formatted.empty()) {
        std::string line2 = parts[3];
        if (!parts[4].empty())
            line2 += (line2.empty() ? "" : ", ") + parts[4];
        if (!parts[5].empty())
            line2 += (line2.empty() ? "" : " ") + parts[5];
        for (const std::string* line : {&street, &line2, &parts[6]}) {
            if (!line->empty())
                formatted += (formatted.empty() ? "" : "\r\n") + *line;
        }
    }
    r.FormattedAddresses[slot] = Ansi(formatted);
}

}  // namespace

double ParseVCardDate(std::string_view text)
{
    std::string digits;
    for (const char c : text.substr(0, text.find('T'))) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c != '-')
            return 0;
    }
    if (digits.size() != 8 || text.rfind("--", 0) == 0)
        return 0;
    return model::MakeDate(std::stoi(digits.substr(0, 4)), std::stoi(digits.substr(4, 2)), std::stoi(digits.substr(6, 2)));
}

GContactRec ToGoogleContact(const VCard& card)
{
    GContactRec r;
    bool primaryEmailPreferred = false, primaryPhonePreferred = false;
    std::size_t customs = 0;
    std::string groups;
    for (const VCardProperty& p : card.properties) {
        const Kinds kinds{p, NormalLabel(card.LabelOf(p))};
        const std::string text = Ansi(p.Text());
        const bool preferred = p.HasType("PREF");
        if (p.name == "N") {
            std::vector<std::string> parts = p.Components();
            parts.resize(5);  // family, given, additional, prefix, suffix
            r.LastName = Ansi(parts[0]);
            r.FirstName = Ansi(parts[1]);
            r.MiddleName = Ansi(parts[2]);
        } else if (p.name == "FN") {
            r.DisplayName = text;
        } else if (p.name == "NICKNAME") {
            r.NickName = Ansi(p.List().front());
        } else if (p.name == "ORG") {
            r.CompanyName = Ansi(p.Components().front());
        } else if (p.name == "TITLE") {
            r.JobTitle = text;
        } else if (p.name == "EMAIL") {
            PutSlot(r.EmailKinds, r.Emails, EmailKind(kinds), text);
            if (r.PrimaryEmail.empty() || (preferred && !primaryEmailPreferred))
                r.PrimaryEmail = text;
            primaryEmailPreferred = primaryEmailPreferred || preferred;
        } else if (p.name == "TEL") {
            const std::string number = text.rfind("tel:", 0) == 0 ? text.substr(4) : text;
            PutSlot(r.PhoneKinds, r.Phones, PhoneKind(kinds), number);
            if (r.PrimaryPhone.empty() || (preferred && !primaryPhonePreferred))
                r.PrimaryPhone = number;
            primaryPhonePreferred = primaryPhonePreferred || preferred;
        } else if (p.name == "ADR") {
            AddAddress(r, p, kinds.Is("HOME") ? 1 : kinds.Is("WORK") ? 2 : 3);
        } else if (p.name == "URL") {
            PutSlot(r.WebKinds, r.WebSites, WebKind(kinds), text);
            if (r.PrimaryWebSite.empty())
                r.PrimaryWebSite = text;
        } else if (p.name == "IMPP" || (p.name.rfind("X-", 0) == 0 && ImKind(p.name.substr(2)) != 0)) {
            std::string address = text;
            std::int32_t kind = ImKind(p.name.substr(2));
            if (p.name == "IMPP") {
                const auto colon = text.find(':');
                kind = colon == std::string::npos ? 0 : ImKind(platform::UpperAscii(text.substr(0, colon)));
                address = colon == std::string::npos ? text : text.substr(colon + 1);
            }
            if (kind != 0) {
                PutSlot(r.ImKinds, r.Ims, kind, address);
                if (r.PrimaryIm.empty())
                    r.PrimaryIm = address;
            }
        } else if (p.name == "BDAY" || p.name == "ANNIVERSARY" || p.name == "X-ABDATE") {
            const std::int32_t kind = p.name == "BDAY" ? 1 : p.name == "ANNIVERSARY" || kinds.label == "ANNIVERSARY" ? 2 : 3;
            if (const double date = ParseVCardDate(p.Text()); date != 0)
                PutSlot(r.DateKinds, r.Dates, kind, date);
        } else if (p.name == "X-SPOUSE" || p.name == "X-MANAGER" || p.name == "X-ASSISTANT") {
            PutSlot(r.RelationKinds, r.Relations, RelationKind(p.name.substr(2)), text);
        } else if (p.name == "X-ABRELATEDNAMES" || p.name == "RELATED") {
            const std::string type = p.types.empty() ? kinds.label : p.types.front();
            PutSlot(r.RelationKinds, r.Relations, RelationKind(type), text);
        } else if (p.name == "NOTE") {
            r.Note = text;
        } else if (p.name == "CATEGORIES") {
            for (const std::string& group : p.List())
                groups += (groups.empty() ? "" : ",") + group;
        } else if (p.name == "REV") {
            r.LastModificationTime = ParseUtcStamp(p.Text());
        } else if (!kinds.label.empty() && p.name != "X-ABLABEL" && customs < r.CustomFields.size()) {
            // A labelled value of a kind of its own: the user's custom field.
            r.CustomLabels[customs] = Ansi(card.LabelOf(p));
            r.CustomFields[customs] = text;
            ++customs;
        }
    }
    r.Groups = Ansi(groups);
    return r;
}

}  // namespace velmora::helpers
