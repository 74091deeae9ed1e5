#include "OlAddrUtil.h"

#include "OlItemFields.h"

#include "diagnostics/CxDebugUtil.h"

namespace velmora::outlook {
namespace {

using namespace dispatch;
using diagnostics::CxDebugUtil;
using model::FieldType;

constexpr const char* kUnit = "OlAddr";

template <auto Member>
const model::TextValue& TextOf(const OlAddrRec& record)
{
    return record.*Member;
}

constexpr OlField kFields[] = {
    {{1, "Account", FieldType::Text, 32}, TextOf<&OlAddrRec::Account>},
    {{2, "Anniversary", FieldType::Date, 8}, nullptr},
    {{3, "Assistant Name", FieldType::Text, 64}, TextOf<&OlAddrRec::AssistantName>},
    {{4, "Assistant Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::AssistantTelephoneNumber>},
    {{5, "Birthday", FieldType::Date, 8}, nullptr},
    {{6, "Business Phone 2", FieldType::Text, 24}, TextOf<&OlAddrRec::Business2TelephoneNumber>},
    {{7, "Business City", FieldType::Text, 24}, TextOf<&OlAddrRec::BusinessAddressCity>},
    {{8, "Business Country", FieldType::Text, 24}, TextOf<&OlAddrRec::BusinessAddressCountry>},
    {{9, "Business Postal", FieldType::Text, 12}, TextOf<&OlAddrRec::BusinessAddressPostalCode>},
    {{10, "Business P/O Box", FieldType::Text, 12}, TextOf<&OlAddrRec::BusinessAddressPostOfficeBox>},
    {{11, "Business State", FieldType::Text, 24}, TextOf<&OlAddrRec::BusinessAddressState>},
    {{12, "Business Street", FieldType::Text, 128}, TextOf<&OlAddrRec::BusinessAddressStreet>},
    {{13, "Business Fax", FieldType::Text, 24}, TextOf<&OlAddrRec::BusinessFaxNumber>},
    {{14, "Business Home Page", FieldType::Text, 256}, TextOf<&OlAddrRec::BusinessHomePage>},
    {{15, "Business Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::BusinessTelephoneNumber>},
    {{16, "Callback Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::CallbackTelephoneNumber>},
    {{17, "Car Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::CarTelephoneNumber>},
    {{18, "Company Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::CompanyMainTelephoneNumber>},
    {{19, "Company Name", FieldType::Text, 64}, TextOf<&OlAddrRec::CompanyName>},
    {{20, "Computer Name", FieldType::Text, 32}, TextOf<&OlAddrRec::ComputerNetworkName>},
    {{21, "Customer ID", FieldType::Text, 24}, TextOf<&OlAddrRec::CustomerID>},
    {{22, "Department", FieldType::Text, 32}, TextOf<&OlAddrRec::Department>},
    {{23, "Email 1", FieldType::Text, 64}, TextOf<&OlAddrRec::Email1Address>},
    {{25, "Email 1 Display Name", FieldType::Text, 64}, TextOf<&OlAddrRec::Email1DisplayName>},
    {{26, "Email 2", FieldType::Text, 64}, TextOf<&OlAddrRec::Email2Address>},
    {{28, "Email 2 Display Name", FieldType::Text, 64}, TextOf<&OlAddrRec::Email2DisplayName>},
    {{29, "Email 3", FieldType::Text, 64}, TextOf<&OlAddrRec::Email3Address>},
    {{31, "Email 3 Display Name", FieldType::Text, 64}, TextOf<&OlAddrRec::Email3DisplayName>},
    {{32, "First Name", FieldType::Text, 64}, TextOf<&OlAddrRec::FirstName>},
    {{33, "FTP Site", FieldType::Text, 256}, TextOf<&OlAddrRec::FTPSite>},
    {{34, "Gender", FieldType::Code, 4}, nullptr},
    {{35, "Hobbies", FieldType::Text, 128}, TextOf<&OlAddrRec::Hobby>},
    {{36, "Home Phone 2", FieldType::Text, 24}, TextOf<&OlAddrRec::Home2TelephoneNumber>},
    {{37, "Home City", FieldType::Text, 24}, TextOf<&OlAddrRec::HomeAddressCity>},
    {{38, "Home Country", FieldType::Text, 24}, TextOf<&OlAddrRec::HomeAddressCountry>},
    {{39, "Home Postal", FieldType::Text, 12}, TextOf<&OlAddrRec::HomeAddressPostalCode>},
    {{40, "Home P/O Box", FieldType::Text, 12}, TextOf<&OlAddrRec::HomeAddressPostOfficeBox>},
    {{41, "Home State", FieldType::Text, 24}, TextOf<&OlAddrRec::HomeAddressState>},
    {{42, "Home Street", FieldType::Text, 128}, TextOf<&OlAddrRec::HomeAddressStreet>},
    {{43, "Home Fax", FieldType::Text, 24}, TextOf<&OlAddrRec::HomeFaxNumber>},
    {{44, "Home Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::HomeTelephoneNumber>},
    {{45, "ISDN Number", FieldType::Text, 24}, TextOf<&OlAddrRec::ISDNNumber>},
    {{46, "Job Title", FieldType::Text, 32}, TextOf<&OlAddrRec::JobTitle>},
    {{47, "Last Name", FieldType::Text, 64}, TextOf<&OlAddrRec::LastName>},
    {{48, "Mail City", FieldType::Text, 24}, TextOf<&OlAddrRec::MailingAddressCity>},
    {{49, "Mail Country", FieldType::Text, 24}, TextOf<&OlAddrRec::MailingAddressCountry>},
    {{50, "Mail Postal", FieldType::Text, 12}, TextOf<&OlAddrRec::MailingAddressPostalCode>},
    {{51, "Mail P/O Box", FieldType::Text, 12}, TextOf<&OlAddrRec::MailingAddressPostOfficeBox>},
    {{52, "Mail State", FieldType::Text, 24}, TextOf<&OlAddrRec::MailingAddressState>},
    {{53, "Mail Street", FieldType::Text, 128}, TextOf<&OlAddrRec::MailingAddressStreet>},
    {{54, "Manager Name", FieldType::Text, 64}, TextOf<&OlAddrRec::ManagerName>},
    {{55, "Middle Name", FieldType::Text, 64}, TextOf<&OlAddrRec::MiddleName>},
    {{56, "Mobile Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::MobileTelephoneNumber>},
    {{57, "Nick Name", FieldType::Text, 64}, TextOf<&OlAddrRec::NickName>},
    {{58, "Other City", FieldType::Text, 24}, TextOf<&OlAddrRec::OtherAddressCity>},
    {{59, "Other Country", FieldType::Text, 24}, TextOf<&OlAddrRec::OtherAddressCountry>},
    {{60, "Other Postal", FieldType::Text, 12}, TextOf<&OlAddrRec::OtherAddressPostalCode>},
    {{61, "Other P/O Box", FieldType::Text, 12}, TextOf<&OlAddrRec::OtherAddressPostOfficeBox>},
    {{62, "Other State", FieldType::Text, 24}, TextOf<&OlAddrRec::OtherAddressState>},
    {{63, "Other Street", FieldType::Text, 128}, TextOf<&OlAddrRec::OtherAddressStreet>},
    {{64, "Home Page", FieldType::Text, 256}, TextOf<&OlAddrRec::BusinessHomePage>},
    {{65, "Phone Number", FieldType::Text, 24}, TextOf<&OlAddrRec::PrimaryTelephoneNumber>},
    {{66, "Profession", FieldType::Text, 32}, TextOf<&OlAddrRec::Profession>},
    {{67, "Web", FieldType::Text, 256}, TextOf<&OlAddrRec::WebPage>},
    {{68, "Notes", FieldType::Text, 2048}, TextOf<&OlAddrRec::Body>},
    {{69, "Folder Name", FieldType::Text, 31}, TextOf<&OlAddrRec::FolderName>},
    {{70, "Other Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::OtherTelephoneNumber>},
    {{71, "Radio Phone", FieldType::Text, 24}, TextOf<&OlAddrRec::RadioTelephoneNumber>},
    {{72, "Pager", FieldType::Text, 24}, TextOf<&OlAddrRec::PagerNumber>},
    {{73, "Full Name", FieldType::Text, 64}, TextOf<&OlAddrRec::FullName>},
    {{74, "Spouse Name", FieldType::Text, 64}, TextOf<&OlAddrRec::Spouse>},
    {{75, "Suffix", FieldType::Text, 64}, TextOf<&OlAddrRec::Suffix>},
    {{76, "Language", FieldType::Text, 8}, TextOf<&OlAddrRec::Language>},
    {{77, "IM Address", FieldType::Text, 32}, TextOf<&OlAddrRec::IMAddress>},
    {{78, "Category", FieldType::Text, 256}, TextOf<&OlAddrRec::Categories>},
};

// The properties of a contact item in reading order; the user-defined properties follow.
constexpr ItemProperty<OlAddrRec> kProperties[] = {
    {u"EntryID", ReadMember<&OlAddrRec::EntryID>},
    {u"Account", ReadMember<&OlAddrRec::Account>},
    {u"Anniversary", ReadMember<&OlAddrRec::Anniversary>},
    {u"AssistantName", ReadMember<&OlAddrRec::AssistantName>},
    {u"AssistantTelephoneNumber", ReadMember<&OlAddrRec::AssistantTelephoneNumber>},
    {u"Birthday", ReadMember<&OlAddrRec::Birthday>},
    {u"Business2TelephoneNumber", ReadMember<&OlAddrRec::Business2TelephoneNumber>},
    {u"BusinessAddressCity", ReadMember<&OlAddrRec::BusinessAddressCity>},
    {u"BusinessAddressCountry", ReadMember<&OlAddrRec::BusinessAddressCountry>},
    {u"BusinessAddressPostalCode", ReadMember<&OlAddrRec::BusinessAddressPostalCode>},
    {u"BusinessAddressPostOfficeBox", ReadMember<&OlAddrRec::BusinessAddressPostOfficeBox>},
    {u"BusinessAddressState", ReadMember<&OlAddrRec::BusinessAddressState>},
    {u"BusinessAddressStreet", ReadMember<&OlAddrRec::BusinessAddressStreet>},
    {u"BusinessFaxNumber", ReadMember<&OlAddrRec::BusinessFaxNumber>},
    {u"BusinessHomePage", ReadMember<&OlAddrRec::BusinessHomePage>},
    {u"BusinessTelephoneNumber", ReadMember<&OlAddrRec::BusinessTelephoneNumber>},
    {u"CallbackTelephoneNumber", ReadMember<&OlAddrRec::CallbackTelephoneNumber>},
    {u"CarTelephoneNumber", ReadMember<&OlAddrRec::CarTelephoneNumber>},
    {u"CompanyMainTelephoneNumber", ReadMember<&OlAddrRec::CompanyMainTelephoneNumber>},
    {u"CompanyName", ReadMember<&OlAddrRec::CompanyName>},
    {u"ComputerNetworkName", ReadMember<&OlAddrRec::ComputerNetworkName>},
    {u"CustomerID", ReadMember<&OlAddrRec::CustomerID>},
    {u"Department", ReadMember<&OlAddrRec::Department>},
    {u"Email1Address", ReadMember<&OlAddrRec::Email1Address>},
    {u"Email1AddressType", ReadMember<&OlAddrRec::Email1AddressType>},
    {u"Email1DisplayName", ReadMember<&OlAddrRec::Email1DisplayName>},
    {u"Email2Address", ReadMember<&OlAddrRec::Email2Address>},
    {u"Email2AddressType", ReadMember<&OlAddrRec::Email2AddressType>},
    {u"Email2DisplayName", ReadMember<&OlAddrRec::Email2DisplayName>},
    {u"Email3Address", ReadMember<&OlAddrRec::Email3Address>},
    {u"Email3AddressType", ReadMember<&OlAddrRec::Email3AddressType>},
    {u"Email3DisplayName", ReadMember<&OlAddrRec::Email3DisplayName>},
    {u"FirstName", ReadMember<&OlAddrRec::FirstName>},
    {u"FTPSite", ReadMember<&OlAddrRec::FTPSite>},
    {u"FullName", ReadMember<&OlAddrRec::FullName>},
    {u"Gender", ReadMember<&OlAddrRec::Gender>},
    {u"Hobby", ReadMember<&OlAddrRec::Hobby>},
    {u"Home2TelephoneNumber", ReadMember<&OlAddrRec::Home2TelephoneNumber>},
    {u"HomeAddressCity", ReadMember<&OlAddrRec::HomeAddressCity>},
    {u"HomeAddressCountry", ReadMember<&OlAddrRec::HomeAddressCountry>},
    {u"HomeAddressPostalCode", ReadMember<&OlAddrRec::HomeAddressPostalCode>},
    {u"HomeAddressPostOfficeBox", ReadMember<&OlAddrRec::HomeAddressPostOfficeBox>},
    {u"HomeAddressState", ReadMember<&OlAddrRec::HomeAddressState>},
    {u"HomeAddressStreet", ReadMember<&OlAddrRec::HomeAddressStreet>},
    {u"HomeFaxNumber", ReadMember<&OlAddrRec::HomeFaxNumber>},
    {u"HomeTelephoneNumber", ReadMember<&OlAddrRec::HomeTelephoneNumber>},
    {u"IMAddress", ReadMember<&OlAddrRec::IMAddress>},
    {u"Initials", ReadMember<&OlAddrRec::Initials>},
    {u"ISDNNumber", ReadMember<&OlAddrRec::ISDNNumber>},
    {u"JobTitle", ReadMember<&OlAddrRec::JobTitle>},
    {u"Language", ReadMember<&OlAddrRec::Language>},
    {u"LastName", ReadMember<&OlAddrRec::LastName>},
    {u"MailingAddressCity", ReadMember<&OlAddrRec::MailingAddressCity>},
    {u"MailingAddressCountry", ReadMember<&OlAddrRec::MailingAddressCountry>},
    {u"MailingAddressPostalCode", ReadMember<&OlAddrRec::MailingAddressPostalCode>},
    {u"MailingAddressPostOfficeBox", ReadMember<&OlAddrRec::MailingAddressPostOfficeBox>},
    {u"MailingAddressState", ReadMember<&OlAddrRec::MailingAddressState>},
    {u"MailingAddressStreet", ReadMember<&OlAddrRec::MailingAddressStreet>},
    {u"ManagerName", ReadMember<&OlAddrRec::ManagerName>},
    {u"MiddleName", ReadMember<&OlAddrRec::MiddleName>},
    {u"MobileTelephoneNumber", ReadMember<&OlAddrRec::MobileTelephoneNumber>},
    {u"NickName", ReadMember<&OlAddrRec::NickName>},
    {u"OtherAddressCity", ReadMember<&OlAddrRec::OtherAddressCity>},
    {u"OtherAddressCountry", ReadMember<&OlAddrRec::OtherAddressCountry>},
    {u"OtherAddressPostalCode", ReadMember<&OlAddrRec::OtherAddressPostalCode>},
    {u"OtherAddressPostOfficeBox", ReadMember<&OlAddrRec::OtherAddressPostOfficeBox>},
    {u"OtherAddressState", ReadMember<&OlAddrRec::OtherAddressState>},
    {u"OtherAddressStreet", ReadMember<&OlAddrRec::OtherAddressStreet>},
    {u"OtherTelephoneNumber", ReadMember<&OlAddrRec::OtherTelephoneNumber>},
    {u"PagerNumber", ReadMember<&OlAddrRec::PagerNumber>},
    {u"PersonalHomePage", ReadMember<&OlAddrRec::PersonalHomePage>},
    {u"PrimaryTelephoneNumber", ReadMember<&OlAddrRec::PrimaryTelephoneNumber>},
    {u"Profession", ReadMember<&OlAddrRec::Profession>},
    {u"RadioTelephoneNumber", ReadMember<&OlAddrRec::RadioTelephoneNumber>},
    {u"Spouse", ReadMember<&OlAddrRec::Spouse>},
    {u"WebPage", ReadMember<&OlAddrRec::WebPage>},
    {u"Body", ReadMember<&OlAddrRec::Body>},
    {u"Categories", ReadMember<&OlAddrRec::Categories>},
    {u"CreationTime", ReadMember<&OlAddrRec::CreationTime>},
    {u"LastModificationTime", ReadMember<&OlAddrRec::LastModificationTime>},
};

constexpr WalkTexts kTexts{
    .Unit = kUnit,
    .NameRead = "Got the name of the Contacts folder: %s",
    .NameFailed = "Failed to get the name of the Contact folder. hr=0x%x",
    .StoreRead = "Got the StoreID of the Contact folder: %s",
    .StoreFailed = "Failed to get the StoreID of the Contact folder. hr=0x%x",
    .ItemsFailed = "Failed to get the \"Items\" property of the Contact folder. hr=0x%x",
};

unsigned Hex(HRESULT hr)
{
    return static_cast<unsigned>(hr);
}

// The first ten user-defined properties: names always, values only when held as text.
void ReadUserProperties(CDispCmd& item, OlAddrRec& raw)
{
    IDispatch* collection = nullptr;
    HRESULT hr = item.GetDispatch(u"UserProperties", &collection);
    if (Failed(hr) || collection == nullptr) {
        VL_LOG(CxDebugUtil::kError, kUnit, "Failed to get the \"UserProperties\" of contact item, hr=0x%x.",
               Hex(Failed(hr) ? hr : E_FAIL));
        return;
    }
    CDispCmd properties(collection);
    collection->Release();
    std::int32_t count = 0;
    hr = properties.GetLong(u"Count", count);
    if (Failed(hr)) {
        VL_LOG(CxDebugUtil::kError, kUnit, "Failed to get the \"Count\" property of UserProperties collection, hr=0x%x",
               Hex(hr));
        return;
    }
    for (std::int32_t i = 0; i < count && i < 10; ++i) {
        Variant index = Variant::I4(i + 1);  // the collection counts from 1
        const Variant argument = Variant::ByRef(&index);
        Variant property;
        hr = properties.CallMethod(u"Item", &argument, 1, &property);
        if (Failed(hr) || property.Type() != VT_DISPATCH || property.AsDispatch() == nullptr) {
            VL_LOG(CxDebugUtil::kError, kUnit, "One user defined property is not loaded correctly, hr=0x%x",
                   Hex(Failed(hr) ? hr : E_FAIL));
            break;
        }
        CDispCmd one(property.AsDispatch());
        const auto slot = static_cast<std::size_t>(i);
        hr = one.GetString(u"Name", raw.UserNames[slot]);
        if (Failed(hr))
            VL_LOG(CxDebugUtil::kError, kUnit, "Failed to get the name of user defined property. hr=0x%x", Hex(hr));
        one.GetString(u"Value", raw.UserValues[slot]);
    }
}

}  // namespace

std::span<const OlField> OlFieldTable()
{
    return kFields;
}

model::CommAddrRec ToCommon(const OlAddrRec& r, const std::array<int, 10>& mappedKeys)
{
    model::CommAddrRec c;
    c.FirstName = r.FirstName;
    c.LastName = r.LastName;
    c.MiddleName = r.MiddleName;
    c.Prefix = r.Initials;
    c.NickName = r.NickName;
    c.DisplayName = r.FullName;
    const auto address = [](model::PostalAddress& a, const auto& street, const auto& city, const auto& state,
                            const auto& postal, const auto& country) {
        a.Street = street;
        a.City = city;
        a.State = state;
        a.Postal = postal;
        a.Country = country;
    };
    address(c.WorkAddr, r.BusinessAddressStreet, r.BusinessAddressCity, r.BusinessAddressState,
            r.BusinessAddressPostalCode, r.BusinessAddressCountry);
    address(c.HomeAddr, r.HomeAddressStreet, r.HomeAddressCity, r.HomeAddressState, r.HomeAddressPostalCode,
            r.HomeAddressCountry);
    address(c.OtherAddr, r.OtherAddressStreet, r.OtherAddressCity, r.OtherAddressState, r.OtherAddressPostalCode,
            r.OtherAddressCountry);
    c.HomePhone = r.HomeTelephoneNumber;
    c.WorkPhone = r.BusinessTelephoneNumber;
    c.MobilePhone = r.MobileTelephoneNumber;
    c.PrimaryPhone = r.PrimaryTelephoneNumber;
    c.OtherPhone = r.OtherTelephoneNumber;
    c.CallbackPhone = r.CallbackTelephoneNumber;
    c.RadioPhone = r.RadioTelephoneNumber;
    c.CarPhone = r.CarTelephoneNumber;
    c.WorkFax = r.BusinessFaxNumber;
    c.HomeFax = r.HomeFaxNumber;
    c.Email = r.Email1Address;
    c.Email2 = r.Email2Address;
    c.Email3 = r.Email3Address;
    c.WorkHomePage = r.BusinessHomePage;
    c.PersonalHomePage = r.PersonalHomePage;
    c.FtpSite = r.FTPSite;
    c.Note = r.Body;
    c.Company = r.CompanyName;
    c.Title = r.JobTitle;
    c.Department = r.Department;
    c.Im1 = r.IMAddress;
    c.ManagerName = r.ManagerName;
    c.AssistantName = r.AssistantName;
    c.AssistantPhone = r.AssistantTelephoneNumber;
    c.SpouseName = r.Spouse;
    c.Profession = r.Profession;
    c.Hobby = r.Hobby;
    c.Account = r.Account;
    c.Language = r.Language;
    c.CustomerId = r.CustomerID;
    c.Category = r.Categories;
    c.Birthday = r.Birthday;
    c.Anniversary = r.Anniversary;
    c.CreationTime = r.CreationTime;
    c.LastModificationTime = r.LastModificationTime;
    for (std::size_t i = 0; i < 10; ++i) {
        c.CustomLabel[i] = r.UserNames[i];
        c.Custom[i] = r.UserValues[i];
    }
    for (std::size_t slot = 0; slot < mappedKeys.size(); ++slot) {
        if (mappedKeys[slot] == 0)
            continue;
        for (const OlField& field : kFields)
            if (field.Info.Id == mappedKeys[slot] && field.Info.Type == FieldType::Text && field.Info.Size > 1)
                c.MappedCustom[slot] = field.Text(r).view();
    }
    c.SourceType = model::RecordSource::Outlook;
    return c;
}

OlAddrUtil::OlAddrUtil() : OlReader(OlDefaultFolder::Contacts)
{
    Init();
}

bool OlAddrUtil::SetMappedField(std::size_t slot, int key)
{
    if (slot >= mMappedKeys.size())
        return false;
    mMappedKeys[slot] = key;
    return true;
}

int OlAddrUtil::FieldKeyAt(std::size_t index)
{
    return index < FieldCount() ? kFields[index].Info.Id : 0;
}

const char* OlAddrUtil::FieldLabelAt(std::size_t index)
{
    return index < FieldCount() ? kFields[index].Info.Label : "N/A";
}

const model::FieldInfo* OlAddrUtil::FindField(int key)
{
    for (const OlField& field : kFields)
        if (field.Info.Id == key)
            return &field.Info;
    return nullptr;
}

const WalkTexts& OlAddrUtil::Texts() const
{
    return kTexts;
}

void OlAddrUtil::ReadItem(CDispCmd& item, OlAddrRec& raw)
{
    ReadProperties(item, kProperties, raw);
    ReadUserProperties(item, raw);
}

}  // namespace velmora::outlook
