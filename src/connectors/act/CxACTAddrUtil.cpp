#include "CxACTAddrUtil.h"

namespace velmora::connectors {

std::span<const model::FieldInfo> ActContactFieldTable()
{
#define VELMORA_TYPE_Text model::FieldType::Text
#define VELMORA_TYPE_Flag model::FieldType::Flag
#define VELMORA_TYPE_Date model::FieldType::Date
#define VELMORA_ENTRY(id, name, kind, size, member) {id, name, VELMORA_TYPE_##kind, size},
    static constexpr model::FieldInfo kTable[] = {VELMORA_ACT_CONTACT_FIELDS(VELMORA_ENTRY)};
#undef VELMORA_ENTRY
#undef VELMORA_TYPE_Text
#undef VELMORA_TYPE_Flag
#undef VELMORA_TYPE_Date
    return kTable;
}

int CxACTAddrUtil::FieldIdAt(std::size_t position)
{
    return position < FieldCount() ? ActContactFieldTable()[position].Id : 0;
}

const char* CxACTAddrUtil::FieldNameAt(std::size_t position)
{
    return position < FieldCount() ? ActContactFieldTable()[position].Label : "N/A";
}

const model::FieldInfo* CxACTAddrUtil::FieldById(int id)
{
    for (const auto& field : ActContactFieldTable()) {
        if (field.Id == id)
            return &field;
    }
    return nullptr;
}

}  // namespace velmora::connectors
