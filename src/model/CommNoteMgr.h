#pragma once

#include "CommNoteRec.h"
#include "RecordManager.h"

namespace velmora::model {

// The notes of one application. Notes correspond when their subjects agree and are the same
// when their texts agree as well, both without case. Merging a note marks the stored one Same.
class CommNoteMgr : public RecordManager<CommNoteRec> {
public:
    CommNoteMgr();

protected:
    bool FieldEqual(const CommNoteRec& a, const CommNoteRec& b, int id) const override;
    void HashField(FieldHasher& hasher, const CommNoteRec& record, int id) const override;
    void Merge(CommNoteRec& stored, const CommNoteRec& incoming) const override;
};

}  // namespace velmora::model
