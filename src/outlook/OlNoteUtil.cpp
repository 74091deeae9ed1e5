#include "OlNoteUtil.h"

#include "OlItemFields.h"

namespace velmora::outlook {
namespace {

constexpr WalkTexts kTexts{
    .Unit = "OlNote",
    .NameRead = "Got the name of the Notes folder: %s",
    .NameFailed = "Failed to get the name of the folder. hr=0x%x",
    .StoreRead = nullptr,
    .StoreFailed = nullptr,
    .ItemsFailed = "Failed to get the \"Items\" property of the Notes folder. hr=0x%x",
};

constexpr ItemProperty<OlNoteRec> kProperties[] = {
    {u"EntryID", ReadMember<&OlNoteRec::EntryID>},
    {u"Subject", ReadMember<&OlNoteRec::Subject>},
    {u"Body", ReadMember<&OlNoteRec::Body>},
    {u"Categories", ReadMember<&OlNoteRec::Categories>},
    {u"CreationTime", ReadMember<&OlNoteRec::CreationTime>},
    {u"LastModificationTime", ReadMember<&OlNoteRec::LastModificationTime>},
    {u"Saved", ReadFlag<&OlNoteRec::Saved>},
    {u"Color", ReadMember<&OlNoteRec::Color>},
};

}  // namespace

model::CommNoteRec ToCommon(const OlNoteRec& r)
{
    model::CommNoteRec c;
    c.Subject = r.Subject.view().substr(0, 254);
    c.Text = r.Body;
    c.Category = r.Categories.view().substr(0, 254);
    c.Color = r.Color;
    c.IdText = r.EntryID.view().substr(0, 30);
    c.CreationTime = r.CreationTime;
    c.LastModificationTime = r.LastModificationTime;
    c.SourceType = model::RecordSource::Outlook;
    return c;
}

OlNoteUtil::OlNoteUtil() : OlReader(OlDefaultFolder::Notes)
{
    Init();
}

const WalkTexts& OlNoteUtil::Texts() const
{
    return kTexts;
}

void OlNoteUtil::ReadItem(CDispCmd& item, OlNoteRec& raw)
{
    ReadProperties(item, kProperties, raw);
}

}  // namespace velmora::outlook
