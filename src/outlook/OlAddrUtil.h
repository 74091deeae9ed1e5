#pragma once

#include "OlBaseUtil.h"
#include "OlRecords.h"

#include "model/CommAddrMgr.h"
#include "model/FieldTable.h"
#include "model/RecordTypes.h"
#include "model/SourceField.h"

#include <array>
#include <cstddef>
#include <span>

namespace velmora::outlook {

// One Outlook contact field the custom-field mapping offers.
using OlField = model::SourceField<OlAddrRec>;

// The 75 Outlook contact fields, keys 1-78 without 24, 27 and 30.
std::span<const OlField> OlFieldTable();

// A common contact made from an Outlook contact; `mappedKeys` name, per ACT! custom slot, the
// OlFieldTable text field whose value goes to MappedCustom (0 for none).
model::CommAddrRec ToCommon(const OlAddrRec& record, const std::array<int, 10>& mappedKeys);

// The contacts of the default Outlook contacts folder.
class OlAddrUtil final : public OlReader<OlAddrRec, model::CommAddrMgr> {
public:
    OlAddrUtil();

    model::CommAddrMgr& Manager() { return GetManager(); }

    // Slot 0-9 of the custom-field mapping; false for a slot above 9. All 0 at construction.
    bool SetMappedField(std::size_t slot, int key) { return mMapped.Set(slot, key); }

    static std::size_t FieldCount() { return OlFieldTable().size(); }
    static int FieldKeyAt(std::size_t index);
    static const char* FieldLabelAt(std::size_t index);
    static const model::FieldInfo* FindField(int key);

private:
    const WalkTexts& Texts() const override;
    void ReadItem(CDispCmd& item, OlAddrRec& raw) override;
    model::CommAddrRec Convert(const OlAddrRec& raw) const override { return ToCommon(raw, mMapped.Keys()); }

    model::MappedFieldKeys mMapped;
};

}  // namespace velmora::outlook
