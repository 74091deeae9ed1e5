#pragma once

#include "CxGAppBaseUtil.h"
#include "GoogleRecords.h"

#include "connectors/exchange/PackedRecords.h"

#include "model/CommAddrMgr.h"
#include "model/FieldTable.h"

#include <array>
#include <span>
#include <string>

namespace velmora::connectors {

// Keys of the Google contact fields that can be mapped onto the ACT! custom slots, one per value
// of a GContactRec: 91 entries, keys 1-92 without 89.
std::span<const model::FieldInfo> GFieldTable();

// The value of one GFieldTable field of a Google contact as text: keyed values (e-mail, address
// parts, phones, web sites, IM, relations) are looked up by kind, empty when the kind is absent;
// the birthday, anniversary and other date as date text; the creation and modification times as
// date and time text.
std::string FieldText(const GContactRec& record, int key);

// A common contact made from a Google contact. `mappedKeys` name, per ACT! custom slot, the
// text field whose value goes to MappedCustom (0 for none).
model::CommAddrRec ToCommon(const GContactRec& record, const std::array<int, 10>& mappedKeys);

// The contacts of a Google account, through the helper GAddrUtil. Load only.
class CxGAddrUtil final : public CxGAppBaseUtil {
public:
    CxGAddrUtil();
    ~CxGAddrUtil() override { CxGAddrUtil::Clear(); }

    bool Load() override;
    // Frees the records and deletes the status and error files.
    void Clear() override;

    model::CommAddrMgr& Manager() { return mManager; }
    std::size_t Count() const { return mRecords.size(); }
    GContactRec RawAt(std::size_t position) const { return mRecords.at(position); }

    // Slot 0-9 of the custom-field mapping; false for a slot above 9. The slots belong to this
    // connector and start at 0.
    bool SetMappedField(std::size_t slot, int key) { return mMapped.Set(slot, key); }

    static std::size_t FieldCount() { return GFieldTable().size(); }
    static int FieldKeyAt(std::size_t index);
    static const char* FieldLabelAt(std::size_t index);
    static const model::FieldInfo* FindField(int key);

private:
    PackedRecords<GContactRec> mRecords;
    model::CommAddrMgr mManager;
    model::MappedFieldKeys mMapped;
};

}  // namespace velmora::connectors
