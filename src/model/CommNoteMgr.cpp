#include "CommNoteMgr.h"

namespace velmora::model {
namespace {

// Subjects compare over their first 255 characters, texts over their first 20,479.
constexpr std::size_t kSubjectCompared = 255;
constexpr std::size_t kTextCompared = 20479;

}  // namespace

std::span<const FieldName> NoteFieldTable()
{
    static constexpr FieldName kTable[] = {
        {0, "Color"}, {1, "Private"}, {2, "Subject"}, {3, "Note"}, {4, "Category"}, {5, "Creation Time"},
        {6, "Last Modification Time"}, {7, "Source"}, {8, "Status"}, {9, "ID(Integer)"}, {10, "ID(String)"},
    };
    return kTable;
}

CommNoteMgr::CommNoteMgr() : RecordManager({3}, {3}, false) {}

bool CommNoteMgr::FieldEqual(const CommNoteRec& a, const CommNoteRec& b, int id) const
{
    switch (id) {
    case 2: return EqualNoCase(a.Subject.view(), b.Subject.view(), kSubjectCompared);
    case 3: return EqualNoCase(a.Text.view(), b.Text.view(), kTextCompared);
    default: return true;
    }
}

void CommNoteMgr::HashField(FieldHasher& hasher, const CommNoteRec& record, int id) const
{
    switch (id) {
    case 2: HashNoCase(hasher, record.Subject.view(), kSubjectCompared); break;
    case 3: HashNoCase(hasher, record.Text.view(), kTextCompared); break;
    default: break;
    }
}

void CommNoteMgr::Merge(CommNoteRec& to, const CommNoteRec& from) const
{
    to.Color = from.Color;
    to.Private = from.Private;
    CopyWhenGiven(to.Subject, from.Subject);
    CopyWhenGiven(to.Text, from.Text);
    to.Status = RecStatus::Same;
}

}  // namespace velmora::model
