#include "CxLNBaseUtil.h"

#include "platform/AppDetection.h"

namespace velmora::connectors {

using namespace lotus;

CxLNBaseUtil::CxLNBaseUtil(const LNExchange& exchange)
    : HelperConnector(kLotusFamily, exchange.Helper,
                      {exchange.Data, exchange.Param, exchange.Error, exchange.Status, exchange.Control})
{
}

void CxLNBaseUtil::AddParams(ParamParser& params) const
{
    const auto text = [&](std::int32_t id, std::string_view value) { params.SetParam(id, ParamParser::kText, value); };
    text(kLNParamEmpty1, "");
    text(kLNParamEmpty2, "");
    text(kLNParamEmpty3, "");
    text(kLNParamDataFile, Files().Data);
    text(kLNParamWorkFolder, WorkFolder());
    text(kLNParamMode, std::to_string(Mode()));
    text(kLNParamErrorFile, Files().Error);
    text(kLNParamStatusFile, Files().Status);
    AddDatabaseParam(params);
    text(kLNParamLogFolder, LogFolder());
    text(kLNParamLogFile, "appdebug.log");
    text(kLNParamLogLevel, std::to_string(LogLevel()));
    text(kLNParamLogEnabled, LogEnabled() ? "1" : "0");
    text(kLNParamIdFile, IdFile.view());
}

void CxLNBaseUtil::AddDatabaseParam(ParamParser& params) const
{
    params.SetParam(kLNParamDatabase, ParamParser::kText, DatabaseName.view());
}

void CxLNBaseUtil::StartLoad()
{
    // The helper runs where Lotus Notes is installed; a computer without it (every Linux
    // computer) has no such folder, and the helper then runs in our program folder.
    std::string notesFolder;
    platform::GetNotesProgramFolder(platform::Registry::FromEnvironment(), notesFolder);
    VL_LOG(diagnostics::CxDebugUtil::kInfo, kUnit, "Get Lotus Notes Path: %s", notesFolder.c_str());
    Runner().SetHelperDirectory(notesFolder);
    HelperConnector::StartLoad();
}

}  // namespace velmora::connectors
