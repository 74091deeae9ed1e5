#include "CxGAppBaseUtil.h"

namespace velmora::connectors {

void CxGAppBaseUtil::AddParams(ParamParser& params) const
{
    const auto text = [&](std::int32_t id, std::string_view value) { params.SetParam(id, ParamParser::kText, value); };
    text(1000, AccountEmail.view());
    text(1001, Password.view());
    text(1002, Files().Data);
    text(1003, WorkFolder());
    text(1005, std::to_string(Mode()));
    text(1004, "");
    AddKindParams(params);
    text(1009, Files().Error);
    text(1010, Files().Status);
    text(1013, LogFolder());
    text(1014, "appdebug.log");
    text(1015, std::to_string(LogLevel()));
    text(1016, LogEnabled() ? "1" : "0");
}

}  // namespace velmora::connectors
