#pragma once

#include "CommTaskRec.h"
#include "RecordManager.h"

namespace velmora::model {

// The tasks of one application. Tasks correspond when their subjects agree (without case) and
// are the same when their priorities agree as well; the due date takes no part.
class CommTaskMgr : public RecordManager<CommTaskRec> {
public:
    CommTaskMgr();

protected:
    bool FieldEqual(const CommTaskRec& a, const CommTaskRec& b, int id) const override;
    void HashField(FieldHasher& hasher, const CommTaskRec& record, int id) const override;
    void Merge(CommTaskRec& stored, const CommTaskRec& incoming) const override;
};

}  // namespace velmora::model
