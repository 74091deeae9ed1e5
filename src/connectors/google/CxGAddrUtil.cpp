#include "CxGAddrUtil.h"

#include "connectors/exchange/RecordFile.h"
#include "diagnostics/CxDebugUtil.h"
#include "model/CxDateTime.h"

#include <algorithm>

namespace velmora::connectors {
namespace {

constexpr const char* kLogUnit = "CxGContact";

// The first value whose kind code is `kind`, or null.
template <class Kinds, class Values>
auto ByKind(const Kinds& kinds, const Values& values, std::int32_t kind) -> decltype(&values[0])
{
    const auto found = std::find(kinds.begin(), kinds.end(), kind);
    return found == kinds.end() ? nullptr : &values[static_cast<std::size_t>(found - kinds.begin())];
}

template <class Kinds, class Values>
std::string TextByKind(const Kinds& kinds, const Values& values, std::int32_t kind)
{
    const auto* value = ByKind(kinds, values, kind);
    return value != nullptr ? std::string(value->view()) : std::string();
}

std::string DateText(double date, bool withTime)
{
    if (date == 0)
        return {};
    const model::CxDateTime value(date);
    return withTime ? value.FormatDateTime() : value.FormatDate();
}

}  // namespace

std::span<const model::FieldInfo> GFieldTable()
{
    static constexpr model::FieldInfo kTable[] = {
        {1, "First Name", model::FieldType::Text, 64},
        {2, "Middle Name", model::FieldType::Text, 64},
        {3, "Last Name", model::FieldType::Text, 64},
        {4, "Display Name", model::FieldType::Text, 64},
        {5, "Nick Name", model::FieldType::Text, 64},
        {6, "Company Name", model::FieldType::Text, 64},
        {7, "Job Title", model::FieldType::Text, 64},
        {8, "Email(Home)", model::FieldType::Text, 64},
        {9, "Email(Work)", model::FieldType::Text, 64},
        {10, "Email(Other)", model::FieldType::Text, 64},
        {11, "Email(Primary)", model::FieldType::Text, 64},
        {12, "Address(Home)", model::FieldType::Text, 256},
        {13, "Address(Work)", model::FieldType::Text, 256},
        {14, "Address(Other)", model::FieldType::Text, 256},
        {15, "City(Home)", model::FieldType::Text, 32},
        {16, "City(Work)", model::FieldType::Text, 32},
        {17, "City(Other)", model::FieldType::Text, 32},
        {18, "State(Home)", model::FieldType::Text, 16},
        {19, "State(Work)", model::FieldType::Text, 16},
        {20, "State(Other)", model::FieldType::Text, 16},
        {21, "Country(Home)", model::FieldType::Text, 16},
        {22, "Country(Work)", model::FieldType::Text, 16},
        {23, "Country(Other)", model::FieldType::Text, 16},
        {24, "Postal(Home)", model::FieldType::Text, 32},
        {25, "Postal(Work)", model::FieldType::Text, 32},
        {26, "Postal(Other)", model::FieldType::Text, 32},
        {27, "Street(Home)", model::FieldType::Text, 128},
        {28, "Street(Work)", model::FieldType::Text, 128},
        {29, "Street(Other)", model::FieldType::Text, 128},
        {30, "P.O.Box(Home)", model::FieldType::Text, 32},
        {31, "P.O.Box(Work)", model::FieldType::Text, 32},
        {32, "P.O.Box(Other)", model::FieldType::Text, 32},
        {33, "Neighborhood(Home)", model::FieldType::Text, 64},
        {34, "Neighborhood(Work)", model::FieldType::Text, 64},
        {35, "Neighborhood(Other)", model::FieldType::Text, 64},
        {36, "Phone(Home)", model::FieldType::Text, 32},
        {37, "Phone(Work)", model::FieldType::Text, 32},
        {38, "Phone(Mobile)", model::FieldType::Text, 32},
        {39, "Fax(Home)", model::FieldType::Text, 32},
        {40, "Fax(Work)", model::FieldType::Text, 32},
        {41, "Pager", model::FieldType::Text, 32},
        {42, "Phone(Other)", model::FieldType::Text, 32},
        {43, "Phone(Primary)", model::FieldType::Text, 32},
        {44, "Web Site(Home)", model::FieldType::Text, 256},
        {45, "Web Site(Work)", model::FieldType::Text, 256},
        {46, "Home Page", model::FieldType::Text, 256},
        {47, "FTP", model::FieldType::Text, 256},
        {48, "Blog", model::FieldType::Text, 256},
        {49, "Profile", model::FieldType::Text, 256},
        {50, "Web Site(Other)", model::FieldType::Text, 256},
        {51, "Web Site(Primary)", model::FieldType::Text, 256},
        {52, "IM(GTalk)", model::FieldType::Text, 64},
        {53, "IM(AIM)", model::FieldType::Text, 64},
        {54, "IM(Yahoo)", model::FieldType::Text, 64},
        {55, "IM(Skype)", model::FieldType::Text, 64},
        {56, "IM(QQ)", model::FieldType::Text, 64},
        {57, "IM(MSN)", model::FieldType::Text, 64},
        {58, "IM(ICQ)", model::FieldType::Text, 64},
        {59, "IM(Jabber)", model::FieldType::Text, 64},
        {60, "IM(Primary)", model::FieldType::Text, 64},
        {61, "Custom Label 1", model::FieldType::Text, 64},
        {62, "Custom Label 2", model::FieldType::Text, 64},
        {63, "Custom Label 3", model::FieldType::Text, 64},
        {64, "Custom Label 4", model::FieldType::Text, 64},
        {65, "Custom Label 5", model::FieldType::Text, 64},
        {66, "Custom Label 6", model::FieldType::Text, 64},
        {67, "Custom Label 7", model::FieldType::Text, 64},
        {68, "Custom Label 8", model::FieldType::Text, 64},
        {69, "Custom Label 9", model::FieldType::Text, 64},
        {70, "Custom Label 10", model::FieldType::Text, 64},
        {71, "Custom Field 1", model::FieldType::Text, 64},
        {72, "Custom Field 2", model::FieldType::Text, 64},
        {73, "Custom Field 3", model::FieldType::Text, 64},
        {74, "Custom Field 4", model::FieldType::Text, 64},
        {75, "Custom Field 5", model::FieldType::Text, 64},
        {76, "Custom Field 6", model::FieldType::Text, 64},
        {77, "Custom Field 7", model::FieldType::Text, 64},
        {78, "Custom Field 8", model::FieldType::Text, 64},
        {79, "Custom Field 9", model::FieldType::Text, 64},
        {80, "Custom Field 10", model::FieldType::Text, 64},
        {81, "Birthday", model::FieldType::Date, 8},
        {82, "Anniversary", model::FieldType::Date, 8},
        {83, "Date(Other)", model::FieldType::Date, 8},
        {84, "Spouse", model::FieldType::Text, 64},
        {85, "Mother", model::FieldType::Text, 64},
        {86, "Father", model::FieldType::Text, 64},
        {87, "Manager", model::FieldType::Text, 64},
        {88, "Assistant", model::FieldType::Text, 64},
        {90, "Note", model::FieldType::Text, 10240},
        {91, "Creation Time", model::FieldType::Date, 8},
        {92, "Last Modification Time", model::FieldType::Date, 8},
    };
    return kTable;
}

std::string FieldText(const GContactRec& r, int key)
{
    const std::array<const Text<64>*, 7> names = {&r.FirstName, &r.MiddleName, &r.LastName, &r.DisplayName,
                                                  &r.NickName, &r.CompanyName, &r.JobTitle};
    if (key >= 1 && key <= 7)
        return std::string(names[static_cast<std::size_t>(key - 1)]->view());
    if (key >= 8 && key <= 10)
        return TextByKind(r.EmailKinds, r.Emails, key - 7);
    if (key == 11)
        return std::string(r.PrimaryEmail.view());
    // Address parts come in threes: home, work, other (kinds 1-3).
    if (key >= 12 && key <= 35) {
        const std::int32_t kind = (key - 12) % 3 + 1;
        switch ((key - 12) / 3) {
        case 0: return TextByKind(r.AddressKinds, r.FormattedAddresses, kind);
        case 1: return TextByKind(r.AddressKinds, r.Cities, kind);
        case 2: return TextByKind(r.AddressKinds, r.States, kind);
        case 3: return TextByKind(r.AddressKinds, r.Countries, kind);
        case 4: return TextByKind(r.AddressKinds, r.PostalCodes, kind);
        case 5: return TextByKind(r.AddressKinds, r.Streets, kind);
        case 6: return TextByKind(r.AddressKinds, r.PoBoxes, kind);
        default: return TextByKind(r.AddressKinds, r.Neighborhoods, kind);
        }
    }
    if (key >= 36 && key <= 42)
        return TextByKind(r.PhoneKinds, r.Phones, key - 35);
    if (key == 43)
        return std::string(r.PrimaryPhone.view());
    if (key >= 44 && key <= 50)
        return TextByKind(r.WebKinds, r.WebSites, key - 43);
    if (key == 51)
        return std::string(r.PrimaryWebSite.view());
    if (key >= 52 && key <= 59)
        return TextByKind(r.ImKinds, r.Ims, key - 51);
    if (key == 60)
        return std::string(r.PrimaryIm.view());
    if (key >= 61 && key <= 70)
        return std::string(r.CustomLabels[static_cast<std::size_t>(key - 61)].view());
    if (key >= 71 && key <= 80)
        return std::string(r.CustomFields[static_cast<std::size_t>(key - 71)].view());
    if (key >= 81 && key <= 83) {
        const double* date = ByKind(r.DateKinds, r.Dates, key - 80);
        return date != nullptr ? DateText(*date, false) : std::string();
    }
    static constexpr std::int32_t kRelationKinds[] = {1, 3, 4, 11, 12};  // spouse, mother, father, manager, assistant
    if (key >= 84 && key <= 88)
        return TextByKind(r.RelationKinds, r.Relations, kRelationKinds[key - 84]);
    if (key == 90)
        return std::string(r.Note.view());
    if (key == 91 || key == 92)
        return DateText(key == 91 ? r.CreationTime : r.LastModificationTime, true);
    return {};
}

model::CommAddrRec ToCommon(const GContactRec& r, const std::array<int, 10>& mappedKeys)
{
    model::CommAddrRec c;
    c.FirstName = r.FirstName;
    c.MiddleName = r.MiddleName;
    c.LastName = r.LastName;
    c.DisplayName = r.DisplayName;
    c.NickName = r.NickName;
    c.Company = r.CompanyName;
    c.Title = r.JobTitle;
    c.Email = TextByKind(r.EmailKinds, r.Emails, 2);
    if (c.Email.empty())
        c.Email = r.PrimaryEmail;
    c.Email2 = TextByKind(r.EmailKinds, r.Emails, 1);
    c.Email3 = TextByKind(r.EmailKinds, r.Emails, 3);
    for (const auto& [address, kind] : {std::pair{&c.WorkAddr, 2}, std::pair{&c.HomeAddr, 1}, std::pair{&c.OtherAddr, 3}}) {
        address->Street = TextByKind(r.AddressKinds, r.Streets, kind);
        address->City = TextByKind(r.AddressKinds, r.Cities, kind);
        address->State = TextByKind(r.AddressKinds, r.States, kind);
        address->Postal = TextByKind(r.AddressKinds, r.PostalCodes, kind);
        address->Country = TextByKind(r.AddressKinds, r.Countries, kind);
        address->PoBox = TextByKind(r.AddressKinds, r.PoBoxes, kind);
        address->Neighborhood = TextByKind(r.AddressKinds, r.Neighborhoods, kind);
    }
    const std::pair<Text<24>*, std::int32_t> phones[] = {{&c.HomePhone, 1}, {&c.WorkPhone, 2}, {&c.MobilePhone, 3},
                                                         {&c.HomeFax, 4},   {&c.WorkFax, 5},   {&c.Pager, 6},
                                                         {&c.OtherPhone, 7}};
    for (const auto& [phone, kind] : phones)
        *phone = TextByKind(r.PhoneKinds, r.Phones, kind);
    c.PrimaryPhone = r.PrimaryPhone;
    for (const auto& [date, kind] : {std::pair{&c.Birthday, 1}, std::pair{&c.Anniversary, 2}}) {
        const double* value = ByKind(r.DateKinds, r.Dates, kind);
        *date = value != nullptr ? *value : 0;
    }
    c.Im1 = TextByKind(r.ImKinds, r.Ims, 1);
    c.Im2 = TextByKind(r.ImKinds, r.Ims, 6);
    c.SpouseName = TextByKind(r.RelationKinds, r.Relations, 1);
    c.ManagerName = TextByKind(r.RelationKinds, r.Relations, 11);
    c.AssistantName = TextByKind(r.RelationKinds, r.Relations, 12);
    for (std::size_t i = 0; i < 10; ++i) {
        c.Custom.Set(i, r.CustomFields[i].view());
        c.CustomLabel.Set(i, r.CustomLabels[i].view());
    }
    c.Note = r.Note;
    c.Category = r.Groups;
    for (std::size_t slot = 0; slot < mappedKeys.size(); ++slot) {
        const model::FieldInfo* field = CxGAddrUtil::FindField(mappedKeys[slot]);
        if (field != nullptr && field->Type == model::FieldType::Text && field->Size > 1)
            c.MappedCustom.Set(slot, FieldText(r, field->Id));
    }
    c.SourceType = model::RecordSource::Google;
    return c;
}

CxGAddrUtil::CxGAddrUtil()
    : CxGAppBaseUtil("GAddrUtil", {"GAddr.dat", "GAddrParam.dat", "GAddrErr.dat", "GAddrStatus.dat", "GAddrData.ini"})
{
}

void CxGAddrUtil::Clear()
{
    mManager.Clear();
    mRecords.clear();
    HelperConnector::Clear();
}

int CxGAddrUtil::FieldKeyAt(std::size_t index)
{
    return model::FieldTable(GFieldTable()).KeyAt(index);
}

const char* CxGAddrUtil::FieldLabelAt(std::size_t index)
{
    return model::FieldTable(GFieldTable()).LabelAt(index);
}

const model::FieldInfo* CxGAddrUtil::FindField(int key)
{
    return model::FieldTable(GFieldTable()).Find(key);
}

bool CxGAddrUtil::Load()
{
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "%s", "Start loading Google Contacts.");
    bool loaded = RunLoad();
    if (loaded) {
        const std::string path = FilePath(Files().Data);
        VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "Start loading Google Contacts from temperary file: %s", path.c_str());
        const DataFileResult result = ReadDataFileInto<GContactRec>(
            path, mManager, mRecords,
            [](std::int32_t count) { VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "There are %d Contact records in total.", count); },
            [this](const GContactRec& raw) { return ToCommon(raw, mMapped.Keys()); });
        if (result == DataFileResult::CannotOpen)
            VL_LOG(diagnostics::CxDebugUtil::kError, kLogUnit, "Failed to open file: %s", path.c_str());
        loaded = result == DataFileResult::Ok;
        if (loaded) {
            VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "%s", "Load Google Contacts information from file successfully.");
        } else {
            Clear();
            SetDataFileError(result, path);
        }
    }
    if (loaded)
        VL_LOG(diagnostics::CxDebugUtil::kInfo, kLogUnit, "%s", "Load Google Contacts successfully.");
    else
        VL_LOG(diagnostics::CxDebugUtil::kError, kLogUnit, "%s", "Error loading Google Contacts.");
    return loaded;
}

}  // namespace velmora::connectors
