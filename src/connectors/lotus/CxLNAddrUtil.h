#pragma once

#include "CxLNBaseUtil.h"
#include "LotusRecords.h"

#include "model/CommAddrMgr.h"
#include "model/FieldTable.h"
#include "model/SourceField.h"

#include <array>
#include <span>

namespace velmora::connectors {

using LNField = model::SourceField<LNContactRec>;

// The 54 Lotus Notes contact fields, keys 1-54. Keys 45-50 (the first custom values and labels)
// yield no value.
std::span<const LNField> LNFieldTable();

// A common contact made from a Lotus Notes contact; `mappedKeys` name, per ACT! custom slot, the
// LNFieldTable text field whose value goes to MappedCustom (0 for none).
model::CommAddrRec ToCommon(const LNContactRec& record, const std::array<int, 10>& mappedKeys);

// The contacts of a Lotus Notes address book, through the helper Corvane.NotesAddr.
class CxLNAddrUtil final : public CxLNRecordsUtil<LNContactRec, model::CommAddrMgr> {
public:
    CxLNAddrUtil();

    model::Text<260> AddressBook;

    bool Load() override;
    // Slot 0-9 of the custom-field mapping; false above 9.
    bool SetMappedField(std::size_t slot, int key) { return mMapped.Set(slot, key); }

    static std::size_t FieldCount() { return LNFieldTable().size(); }
    static int FieldKeyAt(std::size_t index);
    static const char* FieldLabelAt(std::size_t index);
    static const model::FieldInfo* FindField(int key);

private:
    void AddDatabaseParam(ParamParser& params) const override;

    model::MappedFieldKeys mMapped;
};

}  // namespace velmora::connectors
