#include "CommAddrRec.h"

namespace velmora::model {
namespace {

const PostalAddress* AddressOf(const CommAddrRec& r, int id)
{
    if (id >= 9 && id <= 13)
        return &r.WorkAddr;
    if (id >= 16 && id <= 20)
        return &r.HomeAddr;
    if (id >= 23 && id <= 27)
        return &r.OtherAddr;
    return nullptr;
}

// Within each address the ids run street, city, state, postal, country.
const TextValue* AddressPart(const PostalAddress& a, int part)
{
    switch (part) {
    case 0: return &a.Street;
    case 1: return &a.City;
    case 2: return &a.State;
    case 3: return &a.Postal;
    default: return &a.Country;
    }
}

}  // namespace

std::span<const FieldInfo> AddrFieldTable()
{
    static constexpr FieldInfo kTable[] = {
        {1, "First Name", FieldType::Text, 32},
        {2, "Middle Name", FieldType::Text, 32},
        {3, "Last Name", FieldType::Text, 32},
        {4, "Prefix", FieldType::Text, 32},
        {5, "Suffix", FieldType::Text, 32},
        {6, "Nick Name", FieldType::Text, 32},
        {7, "Display Name", FieldType::Text, 32},
        {8, "Gender", FieldType::Code, 4},
        {9, "(Work) Street", FieldType::Text, 256},
        {10, "(Work) City", FieldType::Text, 32},
        {11, "(Work) State", FieldType::Text, 32},
        {12, "(Work) Postal", FieldType::Text, 16},
        {13, "(Work) Country", FieldType::Text, 32},
        {16, "(Home) Street", FieldType::Text, 256},
        {17, "(Home) City", FieldType::Text, 32},
        {18, "(Home) State", FieldType::Text, 32},
        {19, "(Home) Postal", FieldType::Text, 16},
        {20, "(Home) Country", FieldType::Text, 32},
        {23, "(Other) Street", FieldType::Text, 256},
        {24, "(Other) City", FieldType::Text, 32},
        {25, "(Other) State", FieldType::Text, 32},
        {26, "(Other) Postal", FieldType::Text, 16},
        {27, "(Other) Country", FieldType::Text, 32},
        {28, "Home Phone", FieldType::Text, 24},
        {29, "Work Phone", FieldType::Text, 24},
        {30, "Mobile Phone", FieldType::Text, 24},
        {31, "Other Phone", FieldType::Text, 24},
        {32, "Primary Phone", FieldType::Text, 24},
        {33, "Callback Phone", FieldType::Text, 24},
        {34, "Car Phone", FieldType::Text, 24},
        {35, "Radio Phone", FieldType::Text, 24},
        {36, "Work Phone 2", FieldType::Text, 24},
        {37, "Home Phone 2", FieldType::Text, 24},
        {38, "Work Fax", FieldType::Text, 24},
        {39, "Home Fax", FieldType::Text, 24},
        {40, "Pager", FieldType::Text, 24},
        {41, "Email", FieldType::Text, 64},
        {42, "Email 2", FieldType::Text, 64},
        {43, "Email 3", FieldType::Text, 64},
        {44, "Personal Home Page", FieldType::Text, 256},
        {45, "Work Home Page", FieldType::Text, 256},
        {47, "FTP Site", FieldType::Text, 256},
        {48, "Note", FieldType::Text, 8192},
        {49, "Custom 1", FieldType::Text, 64},
        {50, "Custom 2", FieldType::Text, 64},
        {51, "Custom 3", FieldType::Text, 64},
        {52, "Custom 4", FieldType::Text, 64},
        {53, "Custom 5", FieldType::Text, 64},
        {54, "Custom 6", FieldType::Text, 64},
        {55, "Custom 7", FieldType::Text, 64},
        {56, "Custom 8", FieldType::Text, 64},
        {57, "Custom 9", FieldType::Text, 64},
        {59, "Custom Label 1", FieldType::Text, 64},
        {60, "Custom Label 2", FieldType::Text, 64},
        {61, "Custom Label 3", FieldType::Text, 64},
        {62, "Custom Label 4", FieldType::Text, 64},
        {63, "Custom Label 5", FieldType::Text, 64},
        {64, "Custom Label 6", FieldType::Text, 64},
        {65, "Custom Label 7", FieldType::Text, 64},
        {66, "Custom Label 8", FieldType::Text, 64},
        {67, "Custom Label 9", FieldType::Text, 64},
        {69, "Company", FieldType::Text, 64},
        {70, "Department", FieldType::Text, 32},
        {71, "Title", FieldType::Text, 32},
        {72, "IM 1", FieldType::Text, 32},
        {73, "IM 2", FieldType::Text, 32},
        {74, "Manager Name", FieldType::Text, 32},
        {75, "Assistant Name", FieldType::Text, 32},
        {76, "Assistant Phone", FieldType::Text, 24},
        {77, "Spouse Name", FieldType::Text, 32},
        {78, "Children's Names", FieldType::Text, 32},
        {80, "Profession", FieldType::Text, 64},
        {81, "Hobby", FieldType::Text, 64},
        {82, "Account", FieldType::Text, 32},
        {83, "Anniversary", FieldType::Date, 8},
        {84, "Birthday", FieldType::Date, 8},
        {85, "Keyword", FieldType::Text, 64},
        {86, "Language", FieldType::Text, 64},
        {87, "Location", FieldType::Text, 64},
        {88, "MHS Common Name", FieldType::Text, 32},
        {89, "Customer ID", FieldType::Text, 32},
        {90, "Government ID", FieldType::Text, 32},
        {91, "Organization ID", FieldType::Text, 32},
        {92, "Category", FieldType::Text, 256},
        {93, "Creation Time", FieldType::Date, 8},
        {94, "Last Modification Time", FieldType::Date, 8},
        {95, "Source Type", FieldType::Integer, 4},
        {96, "Status", FieldType::Integer, 4},
        {97, "ID", FieldType::Text, 64},
        {98, "Private", FieldType::Integer, 4},
    };
    return kTable;
}

const TextValue* AddrTextField(const CommAddrRec& r, int id)
{
    if (const PostalAddress* address = AddressOf(r, id))
        return AddressPart(*address, (id - 9) % 7);
    if (id >= 49 && id <= 57)
        return &r.Custom[static_cast<std::size_t>(id - 49)];
    if (id >= 59 && id <= 67)
        return &r.CustomLabel[static_cast<std::size_t>(id - 59)];
    switch (id) {
    case 1: return &r.FirstName;
    case 2: return &r.MiddleName;
    case 3: return &r.LastName;
    case 4: return &r.Prefix;
    case 5: return &r.Suffix;
    case 6: return &r.NickName;
    case 7: return &r.DisplayName;
    case 28: return &r.HomePhone;
    case 29: return &r.WorkPhone;
    case 30: return &r.MobilePhone;
    case 31: return &r.OtherPhone;
    case 32: return &r.PrimaryPhone;
    case 33: return &r.CallbackPhone;
    case 34: return &r.CarPhone;
    case 35: return &r.RadioPhone;
    case 36: return &r.WorkPhone2;
    case 37: return &r.HomePhone2;
    case 38: return &r.WorkFax;
    case 39: return &r.HomeFax;
    case 40: return &r.Pager;
    case 41: return &r.Email;
    case 42: return &r.Email2;
    case 43: return &r.Email3;
    case 44: return &r.PersonalHomePage;
    case 45: return &r.WorkHomePage;
    case 47: return &r.FtpSite;
    case 48: return &r.Note;
    case 69: return &r.Company;
    case 70: return &r.Department;
    case 71: return &r.Title;
    case 72: return &r.Im1;
    case 73: return &r.Im2;
    case 74: return &r.ManagerName;
    case 75: return &r.AssistantName;
    case 76: return &r.AssistantPhone;
    case 77: return &r.SpouseName;
    case 78: return &r.ChildrenNames;
    case 80: return &r.Profession;
    case 81: return &r.Hobby;
    case 82: return &r.Account;
    case 85: return &r.Keyword;
    case 86: return &r.Language;
    case 87: return &r.Location;
    case 88: return &r.MhsCommonName;
    case 89: return &r.CustomerId;
    case 90: return &r.GovernmentId;
    case 91: return &r.OrganizationId;
    case 92: return &r.Category;
    case 97: return &r.Id;
    default: return nullptr;
    }
}

}  // namespace velmora::model
