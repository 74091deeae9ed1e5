#include "CxACTBaseUtil.h"

namespace velmora::connectors {

void CxACTBaseUtil::AddParams(ParamParser& params) const
{
    const auto text = [&](std::int32_t id, std::string_view value) { params.SetParam(id, ParamParser::kText, value); };
    text(1000, DatabasePath.view());
    text(1001, UserName.view());
    text(1002, Password.view());
    text(1003, Files().Data);
    text(1004, WorkFolder());
    text(1005, std::to_string(Mode()));
    text(1006, Files().Error);
    text(1007, Files().Status);
    AddKindParams(params);
    text(1012, LogFolder());
    text(1013, "");
    text(1014, std::to_string(LogLevel()));
    text(1015, LogEnabled() ? "1" : "0");
}

}  // namespace velmora::connectors
