#include "FieldMapping.h"

#include "SessionManagers.h"

#include "connectors/google/CxGAddrUtil.h"
#include "connectors/lotus/CxLNAddrUtil.h"
#include "outlook/OlAddrUtil.h"
#include "palm/PalmFields.h"
#include "palm/PalmInstall.h"
#include "palm/PmInfo.h"

namespace velmora::core {

std::vector<FieldChoice> MappableFields(int sourceApp)
{
    std::vector<FieldChoice> fields;
    if (sourceApp == AppType::Google) {
        for (std::size_t i = 0; i < connectors::CxGAddrUtil::FieldCount(); ++i)
            fields.push_back({connectors::CxGAddrUtil::FieldKeyAt(i), connectors::CxGAddrUtil::FieldLabelAt(i)});
    } else if (sourceApp == AppType::LotusNotes) {
        for (std::size_t i = 0; i < connectors::CxLNAddrUtil::FieldCount(); ++i)
            fields.push_back({connectors::CxLNAddrUtil::FieldKeyAt(i), connectors::CxLNAddrUtil::FieldLabelAt(i)});
    } else if (sourceApp == AppType::Outlook) {
        for (std::size_t i = 0; i < outlook::OlAddrUtil::FieldCount(); ++i)
            fields.push_back({outlook::OlAddrUtil::FieldKeyAt(i), outlook::OlAddrUtil::FieldLabelAt(i)});
    } else if (sourceApp == AppType::PalmDesktop) {
        // The fields of the generation the installed Palm Desktop writes.
        const int generation = palm::ChooseGeneration(palm::GetPalmDesktopVersion(), false);
        for (const model::FieldInfo& field : palm::PalmContactFields(generation))
            fields.push_back({field.Id, field.Label});
    }
    return fields;
}

std::array<int, 9>& MappingSlots(AppSettings& s, int sourceApp)
{
    switch (sourceApp) {
    case AppType::Act: return s.ACTCustomID;
    case AppType::Outlook: return s.OLCustomID;
    case AppType::LotusNotes: return s.LNCustomID;
    case AppType::PalmDesktop: return s.PDCustomID;
    default: return s.GGCustomID;
    }
}

bool& MappingSwitch(AppSettings& s, int sourceApp)
{
    switch (sourceApp) {
    case AppType::Act: return s.ACTCustom;
    case AppType::Outlook: return s.OLCustom;
    case AppType::LotusNotes: return s.LNCustom;
    case AppType::PalmDesktop: return s.PDCustom;
    default: return s.GGCustom;
    }
}

}  // namespace velmora::core
