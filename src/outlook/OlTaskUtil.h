#pragma once

#include "OlBaseUtil.h"
#include "OlRecords.h"

#include "model/CommTaskMgr.h"

namespace velmora::outlook {

model::CommTaskRec ToCommon(const OlTaskRec& record);

// The tasks of the default Outlook tasks folder.
class OlTaskUtil final : public OlReader<OlTaskRec, model::CommTaskMgr> {
public:
    OlTaskUtil();

    model::CommTaskMgr& Manager() { return GetManager(); }

private:
    const WalkTexts& Texts() const override;
    void ReadItem(CDispCmd& item, OlTaskRec& raw) override;
    model::CommTaskRec Convert(const OlTaskRec& raw) const override { return ToCommon(raw); }
};

}  // namespace velmora::outlook
