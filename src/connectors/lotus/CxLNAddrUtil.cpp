#include "CxLNAddrUtil.h"

namespace velmora::connectors {
namespace {

using model::FieldType;

template <auto Member>
constexpr auto Text = model::MemberText<Member, LNContactRec>;

constexpr LNField kFields[] = {
    {{1, "ID", FieldType::Text, 64}, nullptr},  // the document's identifier names no value to map
    {{2, "First Name", FieldType::Text, 64}, Text<&LNContactRec::FirstName>},
    {{3, "Middle Name / Initial", FieldType::Text, 64}, Text<&LNContactRec::MiddleName>},
    {{4, "Last Name", FieldType::Text, 64}, Text<&LNContactRec::LastName>},
    {{5, "Suffix", FieldType::Text, 64}, Text<&LNContactRec::Suffix>},
    {{6, "Display Name", FieldType::Text, 256}, Text<&LNContactRec::DisplayName>},
    {{7, "Company Name", FieldType::Text, 64}, Text<&LNContactRec::CompanyName>},
    {{8, "Department", FieldType::Text, 64}, Text<&LNContactRec::Department>},
    {{9, "Job Title", FieldType::Text, 64}, Text<&LNContactRec::JobTitle>},
    {{10, "Location", FieldType::Text, 256}, Text<&LNContactRec::Location>},
    {{11, "Assistant Name", FieldType::Text, 64}, Text<&LNContactRec::AssistantName>},
    {{12, "Manager Name", FieldType::Text, 64}, Text<&LNContactRec::ManagerName>},
    {{13, "Business Email", FieldType::Text, 128}, Text<&LNContactRec::BusinessEmail>},
    {{14, "Personal Email", FieldType::Text, 128}, Text<&LNContactRec::PersonalEmail>},
    {{15, "Assistant Phone", FieldType::Text, 128}, Text<&LNContactRec::AssistantPhone>},
    {{16, "Business Email 2", FieldType::Text, 128}, Text<&LNContactRec::BusinessEmail2>},
    {{17, "Personal Email 2", FieldType::Text, 128}, Text<&LNContactRec::PersonalEmail2>},
    {{18, "Business Street", FieldType::Text, 256}, Text<&LNContactRec::BusinessStreet>},
    {{19, "Business City", FieldType::Text, 32}, Text<&LNContactRec::BusinessCity>},
    {{20, "Business State", FieldType::Text, 32}, Text<&LNContactRec::BusinessState>},
    {{21, "Business Country", FieldType::Text, 32}, Text<&LNContactRec::BusinessCountry>},
    {{22, "Business Postal", FieldType::Text, 32}, Text<&LNContactRec::BusinessPostal>},
    {{23, "Home Street", FieldType::Text, 256}, Text<&LNContactRec::HomeStreet>},
    {{24, "Home City", FieldType::Text, 32}, Text<&LNContactRec::HomeCity>},
    {{25, "Home State", FieldType::Text, 32}, Text<&LNContactRec::HomeState>},
    {{26, "Home Country", FieldType::Text, 32}, Text<&LNContactRec::HomeCountry>},
    {{27, "Home Postal", FieldType::Text, 32}, Text<&LNContactRec::HomePostal>},
    {{28, "Other Street", FieldType::Text, 256}, Text<&LNContactRec::OtherStreet>},
    {{29, "Other City", FieldType::Text, 32}, Text<&LNContactRec::OtherCity>},
    {{30, "Other State", FieldType::Text, 32}, Text<&LNContactRec::OtherState>},
    {{31, "Other Country", FieldType::Text, 32}, Text<&LNContactRec::OtherCountry>},
    {{32, "Other Postal", FieldType::Text, 32}, Text<&LNContactRec::OtherPostal>},
    {{33, "Primary Phone", FieldType::Text, 32}, Text<&LNContactRec::PrimaryPhone>},
    {{34, "Business Phone", FieldType::Text, 32}, Text<&LNContactRec::BusinessPhone>},
    {{35, "Home Phone", FieldType::Text, 32}, Text<&LNContactRec::HomePhone>},
    {{36, "Mobile Phone", FieldType::Text, 32}, Text<&LNContactRec::MobilePhone>},
    {{37, "Business Fax", FieldType::Text, 32}, Text<&LNContactRec::BusinessFax>},
    {{38, "Home Fax", FieldType::Text, 32}, Text<&LNContactRec::HomeFax>},
    {{39, "Pager", FieldType::Text, 32}, Text<&LNContactRec::Pager>},
    {{40, "Instant Messenger", FieldType::Text, 64}, Text<&LNContactRec::InstantMessenger>},
    {{41, "Web Site", FieldType::Text, 256}, Text<&LNContactRec::WebSite>},
    {{42, "Blog Site", FieldType::Text, 256}, Text<&LNContactRec::BlogSite>},
    {{43, "Spouse Name", FieldType::Text, 64}, Text<&LNContactRec::SpouseName>},
    {{44, "Children's Names", FieldType::Text, 256}, Text<&LNContactRec::ChildrenNames>},
    {{45, "Custom Field 1", FieldType::Text, 256}, nullptr},
    {{46, "Custom Field 2", FieldType::Text, 256}, nullptr},
    {{47, "Custom Field 3", FieldType::Text, 256}, nullptr},
    {{48, "Custom Label 1", FieldType::Text, 64}, nullptr},
    {{49, "Custom Label 2", FieldType::Text, 64}, nullptr},
    {{50, "Custom Label 3", FieldType::Text, 64}, nullptr},
    {{51, "Note", FieldType::Text, 4096}, Text<&LNContactRec::Note>},
    {{52, "Category", FieldType::Text, 256}, Text<&LNContactRec::Category>},
    {{53, "Birth Date", FieldType::Date, 8}, nullptr},
    {{54, "Anniversary", FieldType::Date, 8}, nullptr},
};

constexpr LNLoadTexts kTexts{
    .Start = "Start loading Lotus Notes Contacts.",
    .FromFile = "Start loading Lotus Notes Contacts from temperary file: %s",
    .OpenFailed = "Failed to open file: %s",
    .Count = "There are %d Contact records in total.",
    .FileDone = "Load Lotus Notes Contact information from file successfully.",
    .Done = "Load Lotus Notes Contacts information successfully.",
    .Failed = "Failed to load Lotus Notes Contacts information.",
};

const model::SourceFieldTable<LNContactRec> kTable{kFields};

}  // namespace

std::span<const LNField> LNFieldTable()
{
    return kFields;
}

model::CommAddrRec ToCommon(const LNContactRec& r, const std::array<int, 10>& mappedKeys)
{
    model::CommAddrRec c;
    c.FirstName = r.FirstName;
    c.MiddleName = r.MiddleName;
    c.LastName = r.LastName;
    c.Suffix = r.Suffix;
    c.DisplayName = r.DisplayName;
    c.Company = r.CompanyName;
    c.Department = r.Department;
    c.Title = r.JobTitle;
    c.Location = r.Location;
    c.ManagerName = r.ManagerName;
    c.AssistantName = r.AssistantName;
    c.Email = r.BusinessEmail;
    c.Email2 = r.PersonalEmail;
    c.Email3 = r.AssistantPhone;  // the third e-mail slot, whatever its label says
    c.PrimaryPhone = r.PrimaryPhone;
    c.WorkPhone = r.BusinessPhone;
    c.HomePhone = r.HomePhone;
    c.MobilePhone = r.MobilePhone;
    c.WorkFax = r.BusinessFax;
    c.HomeFax = r.HomeFax;
    c.Pager = r.Pager;
    const auto address = [](model::PostalAddress& a, const auto& street, const auto& city, const auto& state,
                            const auto& country, const auto& postal) {
        a.Street = street;
        a.City = city;
        a.State = state;
        a.Country = country;
        a.Postal = postal;
    };
    address(c.WorkAddr, r.BusinessStreet, r.BusinessCity, r.BusinessState, r.BusinessCountry, r.BusinessPostal);
    address(c.HomeAddr, r.HomeStreet, r.HomeCity, r.HomeState, r.HomeCountry, r.HomePostal);
    address(c.OtherAddr, r.OtherStreet, r.OtherCity, r.OtherState, r.OtherCountry, r.OtherPostal);
    c.Im1 = r.InstantMessenger;
    c.WorkHomePage = r.WebSite;
    c.PersonalHomePage = r.BlogSite;
    c.SpouseName = r.SpouseName;
    c.ChildrenNames = r.ChildrenNames;
    c.Category = r.Category;
    c.Note = r.Note;
    c.Birthday = r.BirthDate;
    c.Anniversary = r.Anniversary;
    for (std::size_t i = 0; i < 10; ++i) {
        c.Custom.Set(i, r.CustomValues[i].view().substr(0, 63));
        c.CustomLabel.Set(i, r.CustomLabels[i].view());
    }
    kTable.FillMapped(r, mappedKeys, c.MappedCustom);
    c.SourceType = model::RecordSource::LotusNotes;
    return c;
}

CxLNAddrUtil::CxLNAddrUtil() : CxLNRecordsUtil(lotus::kLNAddr) {}

void CxLNAddrUtil::AddDatabaseParam(ParamParser& params) const
{
    params.SetParam(lotus::kLNParamAddressBook, ParamParser::kText, AddressBook.view());
}

bool CxLNAddrUtil::Load()
{
    return LoadRecords(kTexts, [this](const LNContactRec& raw) { return ToCommon(raw, mMapped.Keys()); });
}

int CxLNAddrUtil::FieldKeyAt(std::size_t index)
{
    return kTable.KeyAt(index);
}

const char* CxLNAddrUtil::FieldLabelAt(std::size_t index)
{
    return kTable.LabelAt(index);
}

const model::FieldInfo* CxLNAddrUtil::FindField(int key)
{
    const LNField* field = kTable.Find(key);
    return field != nullptr ? &field->Info : nullptr;
}

}  // namespace velmora::connectors
