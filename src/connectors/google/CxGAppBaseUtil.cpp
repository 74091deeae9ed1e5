#include "CxGAppBaseUtil.h"

#include "GoogleExchange.h"

namespace velmora::connectors {

void CxGAppBaseUtil::AddParams(ParamParser& params) const
{
    const auto text = [&](std::int32_t id, std::string_view value) { params.SetParam(id, ParamParser::kText, value); };
    text(google::kGoogleParamAccount, AccountEmail.view());
    text(google::kGoogleParamPassword, Password.view());
    text(google::kGoogleParamDataFile, Files().Data);
    text(google::kGoogleParamWorkFolder, WorkFolder());
    text(google::kGoogleParamMode, std::to_string(Mode()));
    text(google::kGoogleParamEmpty, "");
    AddKindParams(params);
    text(google::kGoogleParamErrorFile, Files().Error);
    text(google::kGoogleParamStatusFile, Files().Status);
    text(google::kGoogleParamServerURL, ServerURL.view());
    text(google::kGoogleParamLogFolder, LogFolder());
    text(google::kGoogleParamLogFile, "appdebug.log");
    text(google::kGoogleParamLogLevel, std::to_string(LogLevel()));
    text(google::kGoogleParamLogEnabled, LogEnabled() ? "1" : "0");
}

}  // namespace velmora::connectors
