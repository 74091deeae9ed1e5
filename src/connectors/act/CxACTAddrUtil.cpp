#include "CxACTAddrUtil.h"

#include "model/FieldTable.h"

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
    return model::FieldTable(ActContactFieldTable()).KeyAt(position);
}

const char* CxACTAddrUtil::FieldNameAt(std::size_t position)
{
    return model::FieldTable(ActContactFieldTable()).LabelAt(position);
}

const model::FieldInfo* CxACTAddrUtil::FieldById(int id)
{
    return model::FieldTable(ActContactFieldTable()).Find(id);
}

}  // namespace velmora::connectors
