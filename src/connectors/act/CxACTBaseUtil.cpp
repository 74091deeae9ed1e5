#include "CxACTBaseUtil.h"

#include "ActExchange.h"

namespace velmora::connectors {

void CxACTBaseUtil::AddParams(ParamParser& params) const
{
    const auto text = [&](std::int32_t id, std::string_view value) { params.SetParam(id, ParamParser::kText, value); };
    text(act::kActParamDatabase, DatabasePath.view());
    text(act::kActParamUserName, UserName.view());
    text(act::kActParamPassword, Password.view());
    text(act::kActParamDataFile, Files().Data);
    text(act::kActParamWorkFolder, WorkFolder());
    text(act::kActParamMode, std::to_string(Mode()));
    text(act::kActParamErrorFile, Files().Error);
    text(act::kActParamStatusFile, Files().Status);
    AddKindParams(params);
    text(act::kActParamLogFolder, LogFolder());
    text(act::kActParamLogFile, "");
    text(act::kActParamLogLevel, std::to_string(LogLevel()));
    text(act::kActParamLogEnabled, LogEnabled() ? "1" : "0");
}

}  // namespace velmora::connectors
