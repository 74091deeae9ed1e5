#pragma once

#include "CommAddrRec.h"
#include "RecordManager.h"

namespace velmora::model {

// The contacts of one application. Contacts correspond when first name, last name and e-mail
// agree, and are the same when phones, e-mail, faxes, company, title and the three addresses
// agree as well (not the note, which an ACT! contact cannot hold). Texts compare by the line-break-blind rule, without case by default.
class CommAddrMgr : public RecordManager<CommAddrRec> {
public:
    CommAddrMgr();

    // When false, merging leaves a stored text as it is where the incoming value is empty.
    bool CopyEmptyValues = false;
    // When false, texts compare without regard to case.
    bool CaseSensitive = false;

protected:
    bool FieldEqual(const CommAddrRec& a, const CommAddrRec& b, int id) const override;
    void HashField(FieldHasher& hasher, const CommAddrRec& record, int id) const override;
    void Merge(CommAddrRec& stored, const CommAddrRec& incoming) const override;
};

}  // namespace velmora::model
