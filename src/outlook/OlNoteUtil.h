#pragma once

#include "OlBaseUtil.h"
#include "OlRecords.h"

#include "model/CommNoteMgr.h"

namespace velmora::outlook {

model::CommNoteRec ToCommon(const OlNoteRec& record);

// The notes of the default Outlook notes folder.
class OlNoteUtil final : public OlReader<OlNoteRec, model::CommNoteMgr> {
public:
    OlNoteUtil();

    model::CommNoteMgr& Manager() { return GetManager(); }

private:
    const WalkTexts& Texts() const override;
    void ReadItem(CDispCmd& item, OlNoteRec& raw) override;
    model::CommNoteRec Convert(const OlNoteRec& raw) const override { return ToCommon(raw); }
};

}  // namespace velmora::outlook
