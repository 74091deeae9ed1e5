#include "CommAddrMgr.h"

namespace velmora::model {
namespace {

// Ids that never take part in a comparison, though some name texts: gender, children,
// profession, hobby, and 88-98 (identifiers, category, times, source, status, id, private).
bool IsSkipped(int id)
{
    return id == 8 || id == 78 || id == 80 || id == 81 || (id >= 88 && id <= 98);
}

const double* DateField(const CommAddrRec& record, int id)
{
    return id == 83 ? &record.Anniversary : id == 84 ? &record.Birthday : nullptr;
}

void MergeAddress(PostalAddress& to, const PostalAddress& from, bool copyEmpty)
{
    CopyWhenGiven(to.Country, from.Country, copyEmpty);
    CopyWhenGiven(to.State, from.State, copyEmpty);
    CopyWhenGiven(to.City, from.City, copyEmpty);
    CopyWhenGiven(to.Street, from.Street, copyEmpty);
    CopyWhenGiven(to.Postal, from.Postal, copyEmpty);
}

}  // namespace

CommAddrMgr::CommAddrMgr()
    : RecordManager({1, 3, 41},
                    // Not the note (48): an ACT! contact cannot hold one, so it would differ on every run.
                    {28, 29, 30, 41, 38, 39, 69, 71, 13, 11, 12, 10, 9, 20, 18, 19, 17, 16, 27, 25, 26, 24, 23},
                    false)
{
}

bool CommAddrMgr::FieldEqual(const CommAddrRec& a, const CommAddrRec& b, int id) const
{
    if (IsSkipped(id))
        return true;
    if (const double* date = DateField(a, id))
        return *date == *DateField(b, id);
    const TextValue* text = AddrTextField(a, id);
    return text == nullptr || TextRuleEqual(text->view(), AddrTextField(b, id)->view(), CaseSensitive);
}

void CommAddrMgr::HashField(FieldHasher& hasher, const CommAddrRec& record, int id) const
{
    if (IsSkipped(id))
        return;
    if (const double* date = DateField(record, id))
        hasher.Real(*date);
    else if (const TextValue* text = AddrTextField(record, id))
        HashTextRule(hasher, text->view(), CaseSensitive);
}

void CommAddrMgr::Merge(CommAddrRec& to, const CommAddrRec& from) const
{
    const bool all = CopyEmptyValues;
    CopyWhenGiven(to.FirstName, from.FirstName, all);
    CopyWhenGiven(to.MiddleName, from.MiddleName, all);
    CopyWhenGiven(to.LastName, from.LastName, all);
    CopyWhenGiven(to.Prefix, from.Prefix, all);
    CopyWhenGiven(to.Suffix, from.Suffix, all);
    CopyWhenGiven(to.NickName, from.NickName, all);
    CopyWhenGiven(to.DisplayName, from.DisplayName, all);
    to.Gender = from.Gender;

    MergeAddress(to.WorkAddr, from.WorkAddr, all);
    MergeAddress(to.HomeAddr, from.HomeAddr, all);
    MergeAddress(to.OtherAddr, from.OtherAddr, all);

    for (auto phone : {&CommAddrRec::HomePhone, &CommAddrRec::WorkPhone, &CommAddrRec::MobilePhone,
                       &CommAddrRec::PrimaryPhone, &CommAddrRec::OtherPhone, &CommAddrRec::CallbackPhone,
                       &CommAddrRec::RadioPhone, &CommAddrRec::CarPhone, &CommAddrRec::WorkPhone2,
                       &CommAddrRec::HomePhone2, &CommAddrRec::WorkFax, &CommAddrRec::HomeFax, &CommAddrRec::Pager,
                       &CommAddrRec::AssistantPhone})
        CopyWhenGiven(to.*phone, from.*phone, all);
    for (auto text64 : {&CommAddrRec::Email, &CommAddrRec::Email2, &CommAddrRec::Email3, &CommAddrRec::Company,
                        &CommAddrRec::Profession, &CommAddrRec::Hobby, &CommAddrRec::Keyword, &CommAddrRec::Language,
                        &CommAddrRec::Location})
        CopyWhenGiven(to.*text64, from.*text64, all);
    for (auto text256 : {&CommAddrRec::WorkHomePage, &CommAddrRec::PersonalHomePage, &CommAddrRec::FtpSite,
                         &CommAddrRec::Category})
        CopyWhenGiven(to.*text256, from.*text256, all);
    CopyWhenGiven(to.Note, from.Note, all);

    for (std::size_t i = 0; i < to.Custom.size(); ++i) {
        CopyWhenGiven(to.Custom, from.Custom, i, all);
        CopyWhenGiven(to.MappedCustom, from.MappedCustom, i, all);
    }
    for (std::size_t i = 0; i < 9; ++i)
        CopyWhenGiven(to.CustomLabel, from.CustomLabel, i, all);

    for (auto text32 : {&CommAddrRec::Title, &CommAddrRec::Department, &CommAddrRec::Im1, &CommAddrRec::Im2,
                        &CommAddrRec::ManagerName, &CommAddrRec::AssistantName, &CommAddrRec::SpouseName,
                        &CommAddrRec::ChildrenNames, &CommAddrRec::Account, &CommAddrRec::MhsCommonName,
                        &CommAddrRec::CustomerId, &CommAddrRec::GovernmentId, &CommAddrRec::OrganizationId})
        CopyWhenGiven(to.*text32, from.*text32, all);

    to.Birthday = from.Birthday;
    to.Anniversary = from.Anniversary;
    to.Private = from.Private;
}

}  // namespace velmora::model
