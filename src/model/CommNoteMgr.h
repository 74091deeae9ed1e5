#pragma once

#include "CommNoteRec.h"
#include "RecordManager.h"

namespace velmora::model {

// The notes of one application. Notes correspond, and are the same, when their texts agree
// without case: the text is what both sides have (an ACT! note has no subject). A note without
// text corresponds to no other note. Merging a note marks the stored one Same.
class CommNoteMgr : public RecordManager<CommNoteRec> {
public:
    CommNoteMgr();

    bool HasKey(const CommNoteRec& record) const override { return !record.Text.empty(); }

protected:
    bool FieldEqual(const CommNoteRec& a, const CommNoteRec& b, int id) const override;
    void HashField(FieldHasher& hasher, const CommNoteRec& record, int id) const override;
    void Merge(CommNoteRec& stored, const CommNoteRec& incoming) const override;
};

}  // namespace velmora::model
