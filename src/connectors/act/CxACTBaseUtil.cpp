#include "CxACTBaseUtil.h"

#include "ActExchange.h"

#include "platform/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

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
    text(act::kActParamMigration, MigrationId.view());
}

namespace {

// The answer the helper left in the data file, which is gone once read.
platform::IniFile TakeAnswer(const std::string& path)
{
    platform::IniFile answer = platform::IniFile::Load(path);
    std::remove(path.c_str());
    return answer;
}

}  // namespace

bool CxACTBaseUtil::UndoMigration(ActUndoCounts& counts)
{
    counts = {};
    if (!RunHelper(HelperMode::Undo) || HasError())
        return false;
    const platform::IniFile answer = TakeAnswer(FilePath(Files().Data));
    const char* section = act::kUndoSection;
    const auto count = [&](const char* key) { return static_cast<std::size_t>(std::max(0, answer.GetInt(section, key, 0))); };
    counts.NothingToUndo = answer.GetInt(section, "NothingToUndo", 0) != 0;
    counts.Removed = count("Removed");
    counts.Restored = count("Restored");
    counts.Left = count("Left");
    return true;
}

bool CxACTBaseUtil::ReadMigrations(std::vector<ActMigration>& migrations)
{
    migrations.clear();
    if (!RunHelper(HelperMode::History) || HasError())
        return false;
    const platform::IniFile answer = TakeAnswer(FilePath(Files().Data));
    const int total = answer.GetInt(act::kHistorySection, "Count", 0);
    for (int i = 1; i <= total && i <= 1000; ++i) {
        const std::string section = "Migration." + std::to_string(i);
        ActMigration m{.Id = answer.GetString(section, "Id", "", 64),
                       .Time = std::atof(answer.GetString(section, "Time", "0", 32).c_str()),
                       .Undone = answer.GetInt(section, "Undone", 0) != 0};
        for (std::size_t k = 0; k < 4; ++k) {
            m.Added[k] = static_cast<std::size_t>(std::max(0, answer.GetInt(section, "Added." + std::to_string(k), 0)));
            m.Updated[k] = static_cast<std::size_t>(std::max(0, answer.GetInt(section, "Updated." + std::to_string(k), 0)));
        }
        migrations.push_back(std::move(m));
    }
    return true;
}

}  // namespace velmora::connectors
