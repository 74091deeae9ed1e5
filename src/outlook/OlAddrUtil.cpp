#include "OlAddrUtil.h"

#include "OlItemFields.h"

#include "diagnostics/CxDebugUtil.h"

namespace velmora::outlook {
namespace {

using namespace dispatch;
using diagnostics::CxDebugUtil;
using model::FieldType;

constexpr const char* kUnit = "OlAddr";

constexpr OlField kFields[] = {
    {{1, "Account", FieldType::Text, 32}, model::MemberText<&OlAddrRec::Account, OlAddrRec>},
    {{2, "Anniversary", FieldType::Date, 8}, nullptr},
    {{3, "Assistant Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::AssistantName, OlAddrRec>},
    {{4, "Assistant Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::AssistantTelephoneNumber, OlAddrRec>},
    {{5, "Birthday", FieldType::Date, 8}, nullptr},
    {{6, "Business Phone 2", FieldType::Text, 24}, model::MemberText<&OlAddrRec::Business2TelephoneNumber, OlAddrRec>},
    {{7, "Business City", FieldType::Text, 24}, model::MemberText<&OlAddrRec::BusinessAddressCity, OlAddrRec>},
    {{8, "Business Country", FieldType::Text, 24}, model::MemberText<&OlAddrRec::BusinessAddressCountry, OlAddrRec>},
    {{9, "Business Postal", FieldType::Text, 12}, model::MemberText<&OlAddrRec::BusinessAddressPostalCode, OlAddrRec>},
    {{10, "Business P/O Box", FieldType::Text, 12}, model::MemberText<&OlAddrRec::BusinessAddressPostOfficeBox, OlAddrRec>},
    {{11, "Business State", FieldType::Text, 24}, model::MemberText<&OlAddrRec::BusinessAddressState, OlAddrRec>},
    {{12, "Business Street", FieldType::Text, 128}, model::MemberText<&OlAddrRec::BusinessAddressStreet, OlAddrRec>},
    {{13, "Business Fax", FieldType::Text, 24}, model::MemberText<&OlAddrRec::BusinessFaxNumber, OlAddrRec>},
    {{14, "Business Home Page", FieldType::Text, 256}, model::MemberText<&OlAddrRec::BusinessHomePage, OlAddrRec>},
    {{15, "Business Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::BusinessTelephoneNumber, OlAddrRec>},
    {{16, "Callback Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::CallbackTelephoneNumber, OlAddrRec>},
    {{17, "Car Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::CarTelephoneNumber, OlAddrRec>},
    {{18, "Company Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::CompanyMainTelephoneNumber, OlAddrRec>},
    {{19, "Company Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::CompanyName, OlAddrRec>},
    {{20, "Computer Name", FieldType::Text, 32}, model::MemberText<&OlAddrRec::ComputerNetworkName, OlAddrRec>},
    {{21, "Customer ID", FieldType::Text, 24}, model::MemberText<&OlAddrRec::CustomerID, OlAddrRec>},
    {{22, "Department", FieldType::Text, 32}, model::MemberText<&OlAddrRec::Department, OlAddrRec>},
    {{23, "Email 1", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Email1Address, OlAddrRec>},
    {{25, "Email 1 Display Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Email1DisplayName, OlAddrRec>},
    {{26, "Email 2", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Email2Address, OlAddrRec>},
    {{28, "Email 2 Display Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Email2DisplayName, OlAddrRec>},
    {{29, "Email 3", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Email3Address, OlAddrRec>},
    {{31, "Email 3 Display Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Email3DisplayName, OlAddrRec>},
    {{32, "First Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::FirstName, OlAddrRec>},
    {{33, "FTP Site", FieldType::Text, 256}, model::MemberText<&OlAddrRec::FTPSite, OlAddrRec>},
    {{34, "Gender", FieldType::Code, 4}, nullptr},
    {{35, "Hobbies", FieldType::Text, 128}, model::MemberText<&OlAddrRec::Hobby, OlAddrRec>},
    {{36, "Home Phone 2", FieldType::Text, 24}, model::MemberText<&OlAddrRec::Home2TelephoneNumber, OlAddrRec>},
    {{37, "Home City", FieldType::Text, 24}, model::MemberText<&OlAddrRec::HomeAddressCity, OlAddrRec>},
    {{38, "Home Country", FieldType::Text, 24}, model::MemberText<&OlAddrRec::HomeAddressCountry, OlAddrRec>},
    {{39, "Home Postal", FieldType::Text, 12}, model::MemberText<&OlAddrRec::HomeAddressPostalCode, OlAddrRec>},
    {{40, "Home P/O Box", FieldType::Text, 12}, model::MemberText<&OlAddrRec::HomeAddressPostOfficeBox, OlAddrRec>},
    {{41, "Home State", FieldType::Text, 24}, model::MemberText<&OlAddrRec::HomeAddressState, OlAddrRec>},
    {{42, "Home Street", FieldType::Text, 128}, model::MemberText<&OlAddrRec::HomeAddressStreet, OlAddrRec>},
    {{43, "Home Fax", FieldType::Text, 24}, model::MemberText<&OlAddrRec::HomeFaxNumber, OlAddrRec>},
    {{44, "Home Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::HomeTelephoneNumber, OlAddrRec>},
    {{45, "ISDN Number", FieldType::Text, 24}, model::MemberText<&OlAddrRec::ISDNNumber, OlAddrRec>},
    {{46, "Job Title", FieldType::Text, 32}, model::MemberText<&OlAddrRec::JobTitle, OlAddrRec>},
    {{47, "Last Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::LastName, OlAddrRec>},
    {{48, "Mail City", FieldType::Text, 24}, model::MemberText<&OlAddrRec::MailingAddressCity, OlAddrRec>},
    {{49, "Mail Country", FieldType::Text, 24}, model::MemberText<&OlAddrRec::MailingAddressCountry, OlAddrRec>},
    {{50, "Mail Postal", FieldType::Text, 12}, model::MemberText<&OlAddrRec::MailingAddressPostalCode, OlAddrRec>},
    {{51, "Mail P/O Box", FieldType::Text, 12}, model::MemberText<&OlAddrRec::MailingAddressPostOfficeBox, OlAddrRec>},
    {{52, "Mail State", FieldType::Text, 24}, model::MemberText<&OlAddrRec::MailingAddressState, OlAddrRec>},
    {{53, "Mail Street", FieldType::Text, 128}, model::MemberText<&OlAddrRec::MailingAddressStreet, OlAddrRec>},
    {{54, "Manager Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::ManagerName, OlAddrRec>},
    {{55, "Middle Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::MiddleName, OlAddrRec>},
    {{56, "Mobile Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::MobileTelephoneNumber, OlAddrRec>},
    {{57, "Nick Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::NickName, OlAddrRec>},
    {{58, "Other City", FieldType::Text, 24}, model::MemberText<&OlAddrRec::OtherAddressCity, OlAddrRec>},
    {{59, "Other Country", FieldType::Text, 24}, model::MemberText<&OlAddrRec::OtherAddressCountry, OlAddrRec>},
    {{60, "Other Postal", FieldType::Text, 12}, model::MemberText<&OlAddrRec::OtherAddressPostalCode, OlAddrRec>},
    {{61, "Other P/O Box", FieldType::Text, 12}, model::MemberText<&OlAddrRec::OtherAddressPostOfficeBox, OlAddrRec>},
    {{62, "Other State", FieldType::Text, 24}, model::MemberText<&OlAddrRec::OtherAddressState, OlAddrRec>},
    {{63, "Other Street", FieldType::Text, 128}, model::MemberText<&OlAddrRec::OtherAddressStreet, OlAddrRec>},
    {{64, "Home Page", FieldType::Text, 256}, model::MemberText<&OlAddrRec::BusinessHomePage, OlAddrRec>},
    {{65, "Phone Number", FieldType::Text, 24}, model::MemberText<&OlAddrRec::PrimaryTelephoneNumber, OlAddrRec>},
    {{66, "Profession", FieldType::Text, 32}, model::MemberText<&OlAddrRec::Profession, OlAddrRec>},
    {{67, "Web", FieldType::Text, 256}, model::MemberText<&OlAddrRec::WebPage, OlAddrRec>},
    {{68, "Notes", FieldType::Text, 2048}, model::MemberText<&OlAddrRec::Body, OlAddrRec>},
    {{69, "Folder Name", FieldType::Text, 31}, model::MemberText<&OlAddrRec::FolderName, OlAddrRec>},
    {{70, "Other Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::OtherTelephoneNumber, OlAddrRec>},
    {{71, "Radio Phone", FieldType::Text, 24}, model::MemberText<&OlAddrRec::RadioTelephoneNumber, OlAddrRec>},
    {{72, "Pager", FieldType::Text, 24}, model::MemberText<&OlAddrRec::PagerNumber, OlAddrRec>},
    {{73, "Full Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::FullName, OlAddrRec>},
    {{74, "Spouse Name", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Spouse, OlAddrRec>},
    {{75, "Suffix", FieldType::Text, 64}, model::MemberText<&OlAddrRec::Suffix, OlAddrRec>},
    {{76, "Language", FieldType::Text, 8}, model::MemberText<&OlAddrRec::Language, OlAddrRec>},
    {{77, "IM Address", FieldType::Text, 32}, model::MemberText<&OlAddrRec::IMAddress, OlAddrRec>},
    {{78, "Category", FieldType::Text, 256}, model::MemberText<&OlAddrRec::Categories, OlAddrRec>},
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

const model::SourceFieldTable<OlAddrRec> kTable{kFields};

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
        c.CustomLabel.Set(i, r.UserNames[i].view());
        c.Custom.Set(i, r.UserValues[i].view());
    }
    kTable.FillMapped(r, mappedKeys, c.MappedCustom);
    c.SourceType = model::RecordSource::Outlook;
    return c;
}

OlAddrUtil::OlAddrUtil() : OlReader(OlDefaultFolder::Contacts)
{
    Init();
}

int OlAddrUtil::FieldKeyAt(std::size_t index)
{
    return kTable.KeyAt(index);
}

const char* OlAddrUtil::FieldLabelAt(std::size_t index)
{
    return kTable.LabelAt(index);
}

const model::FieldInfo* OlAddrUtil::FindField(int key)
{
    const OlField* field = kTable.Find(key);
    return field != nullptr ? &field->Info : nullptr;
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
