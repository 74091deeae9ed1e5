#pragma once

#include "ActStore.h"

#include "connectors/act/ActExchange.h"
#include "connectors/exchange/HelperConnector.h"
#include "connectors/exchange/RecordFile.h"
#include "diagnostics/CxDebugUtil.h"
#include "helpers/common/HelperSide.h"
#include "model/CxFile.h"

#include <algorithm>
#include <csignal>
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
template <class Kind>
int RunActHelper(int argc, char** argv)
{
    using Raw = typename Kind::Raw;
    return RunHelperProgram(argc, argv, kActParams, Kind::Files().Control, Kind::kHelper, [](HelperJob& job, std::string& error) {
        const std::string dataFile = job.WorkFolder() + job.Text(connectors::act::kActParamDataFile);
        // For fault-injection tests: $VELMORA_ACT_HELPER_KILL_AFTER=N kills the helper once it has
        // applied N records of a submission, as a user's kill or a crash would.
        const char* killAfter = std::getenv("VELMORA_ACT_HELPER_KILL_AFTER");
        const auto progress = [&job, killAfter](const char* verb) {
            return [&job, verb, killAfter](std::size_t done, std::size_t total) {
                if (killAfter != nullptr && std::string_view(verb) == "Writing" &&
                    done >= static_cast<std::size_t>(std::atoll(killAfter)))
                    ::raise(SIGKILL);
                return job.Progress(std::string(verb) + " " + StoreKind<Raw>::Noun, done, total);
            };
        };
        const std::string mode = job.Text(connectors::act::kActParamMode);
        const std::string load = std::to_string(static_cast<int>(connectors::HelperMode::Load));
        const std::string submit = std::to_string(static_cast<int>(connectors::HelperMode::Submit));
        if (mode != load && mode != submit) {
            error = "Unknown mode \"" + mode + "\".";
            return false;
        }
        // The stand-in keeps no opportunities: their switches are only acknowledged.
        if (const std::string opportunities = job.Text(connectors::act::kActParamOpportunities); !opportunities.empty())
            VL_LOG(diagnostics::CxDebugUtil::kInfo, Kind::kHelper, "Opportunities: %s, opportunity notes: %s", opportunities.c_str(), job.Text(connectors::act::kActParamOpportunityNotes).c_str());
        const auto store = ActStore::Open(job.Text(connectors::act::kActParamDatabase), error);
        if (!store || !store->CheckLogin(job.Text(connectors::act::kActParamUserName), job.Text(connectors::act::kActParamPassword), error))
            return false;
        std::vector<Raw> records;
        if (mode == load) {
            if (!store->ReadAll(records, error, progress("Reading")))
                return false;
            if (connectors::WriteDataFile(dataFile, records, [](std::int32_t) {}) != connectors::DataFileResult::Ok) {
                error = "Cannot write the data file " + dataFile + ".";
                return false;
            }
            return true;
        }
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
        return store->Apply(records, error, progress("Writing"));
    });
}

}  // namespace velmora::helpers
