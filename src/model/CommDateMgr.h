#pragma once

#include "CommDateRec.h"
#include "RecordManager.h"

namespace velmora::model {

// The calendar entries of one application. Entries correspond when subject (without case),
// start date, end date (calendar days, the time ignored) and all-day flag agree, and are the
// same when the location (without case) agrees as well. Merging never copies an empty text.
class CommDateMgr : public RecordManager<CommDateRec> {
public:
    CommDateMgr();

protected:
    bool FieldEqual(const CommDateRec& a, const CommDateRec& b, int id) const override;
    void HashField(FieldHasher& hasher, const CommDateRec& record, int id) const override;
    void Merge(CommDateRec& stored, const CommDateRec& incoming) const override;
};

}  // namespace velmora::model
