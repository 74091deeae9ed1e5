#pragma once

#include "ActStore.h"

#include "connectors/act/ActExchange.h"
#include "connectors/exchange/HelperConnector.h"
#include "connectors/exchange/RecordFile.h"
#include "diagnostics/CxDebugUtil.h"
#include "helpers/common/HelperSide.h"
#include "model/CxFile.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::helpers {

// Where the ACT! connectors put the exchange settings in the parameter file.
inline constexpr ParamIds kActParams{
    .workFolder = connectors::act::kActParamWorkFolder,
    .errorFile = connectors::act::kActParamErrorFile,
    .statusFile = connectors::act::kActParamStatusFile,
    .logFolder = connectors::act::kActParamLogFolder,
    .logLevel = connectors::act::kActParamLogLevel,
    .logEnabled = connectors::act::kActParamLogEnabled,
};

// The stand-in ACT! helper program of one record kind (`Kind` as the connector's: Raw, the
// helper's name, the exchange files). Given the parameter file of its connector, it checks the
// login against the stand-in database named there, then either writes every record to the data
// file (mode 1) or applies the records the connector marked changed (mode 2).
// Undoes the records of this kind that `migration` wrote and says what it did.
template <class Raw>
bool UndoInto(ActStore& store, const std::string& migration, platform::IniFile& answer, std::string& error,
              const ActStore::Progress& progress)
{
    if (migration.empty()) {
        error = "No migration to undo was named.";
        return false;
    }
    ActStore::UndoResult result;
    if (!store.Undo<Raw>(migration, result, error, progress))
        return false;
    const char* section = connectors::act::kUndoSection;
    answer.Set(section, "NothingToUndo", result.NothingToUndo ? "1" : "0");
    answer.Set(section, "Removed", std::to_string(result.Removed));
    answer.Set(section, "Restored", std::to_string(result.Restored));
    answer.Set(section, "Left", std::to_string(result.Left));
    return true;
}

// Lists the journaled migrations, the latest first.
inline bool HistoryInto(const ActStore& store, platform::IniFile& answer, std::string& error)
{
    std::vector<ActStore::Migration> migrations;
    if (!store.Migrations(migrations, error))
        return false;
    answer.Set(connectors::act::kHistorySection, "Count", std::to_string(migrations.size()));
    for (std::size_t i = 0; i < migrations.size(); ++i) {
        const ActStore::Migration& m = migrations[i];
        const std::string section = "Migration." + std::to_string(i + 1);
        answer.Set(section, "Id", m.Id);
        char time[32];
        std::snprintf(time, sizeof time, "%.8f", m.Time);
        answer.Set(section, "Time", time);
        answer.Set(section, "Undone", m.Undone ? "1" : "0");
        for (std::size_t k = 0; k < 4; ++k) {
            answer.Set(section, "Added." + std::to_string(k), std::to_string(m.Added[k]));
            answer.Set(section, "Updated." + std::to_string(k), std::to_string(m.Updated[k]));
        }
    }
    return true;
}

template <class Kind>
int RunActHelper(int argc, char** argv)
{
    using Raw = typename Kind::Raw;
    return RunHelperProgram(argc, argv, kActParams, Kind::Files().Control, Kind::kHelper, [](HelperJob& job, std::string& error) {
        const std::string dataFile = job.WorkFolder() + job.Text(connectors::act::kActParamDataFile);
        // For fault-injection tests: $VELMORA_ACT_HELPER_KILL_AFTER=N kills the helper once it has
        // applied (or undone) N records, as a user's kill or a crash would.
        const char* killAfter = std::getenv("VELMORA_ACT_HELPER_KILL_AFTER");
        const auto progress = [&job, killAfter](const char* verb) {
            return [&job, verb, killAfter](std::size_t done, std::size_t total) {
                if (killAfter != nullptr && (std::string_view(verb) == "Writing" || std::string_view(verb) == "Undoing") &&
                    done >= static_cast<std::size_t>(std::atoll(killAfter)))
                    ::raise(SIGKILL);
                return job.Progress(std::string(verb) + " " + StoreKind<Raw>::Noun, done, total);
            };
        };
        const std::string mode = job.Text(connectors::act::kActParamMode);
        const auto is = [&mode](connectors::HelperMode m) { return mode == std::to_string(static_cast<int>(m)); };
        const bool load = is(connectors::HelperMode::Load), submit = is(connectors::HelperMode::Submit);
        const bool undo = is(connectors::HelperMode::Undo), history = is(connectors::HelperMode::History);
        if (!load && !submit && !undo && !history) {
            error = "Unknown mode \"" + mode + "\".";
            return false;
        }
        // The stand-in keeps no opportunities: their switches are only acknowledged.
        if (const std::string opportunities = job.Text(connectors::act::kActParamOpportunities); !opportunities.empty())
            VL_LOG(diagnostics::CxDebugUtil::kInfo, Kind::kHelper, "Opportunities: %s, opportunity notes: %s", opportunities.c_str(), job.Text(connectors::act::kActParamOpportunityNotes).c_str());
        const auto store = ActStore::Open(job.Text(connectors::act::kActParamDatabase), error);
        if (!store || !store->CheckLogin(job.Text(connectors::act::kActParamUserName), job.Text(connectors::act::kActParamPassword), error))
            return false;
        const std::string migration = job.Text(connectors::act::kActParamMigration);
        if (undo || history) {
            platform::IniFile answer;
            if (undo && !UndoInto<Raw>(*store, migration, answer, error, progress("Undoing")))
                return false;
            if (history && !HistoryInto(*store, answer, error))
                return false;
            if (!answer.Save(dataFile, 0600)) {
                error = "Cannot write the data file " + dataFile + ".";
                return false;
            }
            return true;
        }
        if (load) {
            // Straight from the database into the data file, one record at a time.
            connectors::DataFileWriter writer;
            const auto cannotWrite = [&] {
                error = "Cannot write the data file " + dataFile + ".";
                return false;
            };
            const auto start = [&](std::size_t total) {
                const bool opened = total <= static_cast<std::size_t>(INT32_MAX) &&
                                    writer.Open(dataFile, static_cast<std::int32_t>(total)) == connectors::DataFileResult::Ok;
                return opened || cannotWrite();
            };
            const auto take = [&writer](Raw& record) {
                writer.Write(record);
                return true;
            };
            if (!store->template ReadEach<Raw>(start, take, error, progress("Reading")))
                return false;
            if (writer.Commit() != connectors::DataFileResult::Ok)
                return cannotWrite();
            return true;
        }
        std::vector<Raw> records;
        // Room for the announced records, but never more than the file's bytes could hold (every
        // record takes more than 32 bytes), whatever count a damaged file announces.
        const auto fileBytes = static_cast<std::size_t>(std::max<std::int64_t>(0, model::CxFile::FileSize(dataFile)));
        const auto reserve = [&records, fileBytes](std::int32_t count) {
            records.reserve(std::min(static_cast<std::size_t>(std::max(count, 0)), fileBytes / 32));
        };
        const auto read = connectors::ReadDataFile<Raw>(dataFile, reserve, [&](Raw&& record) {
            records.push_back(std::move(record));
            return true;
        });
        if (read != connectors::DataFileResult::Ok) {
            error = read == connectors::DataFileResult::CannotOpen ? "Cannot open the data file " + dataFile + "."
                                                                   : "The data file " + dataFile + " is damaged.";
            return false;
        }
        return store->Apply(records, error, progress("Writing"), migration);
    });
}

}  // namespace velmora::helpers
