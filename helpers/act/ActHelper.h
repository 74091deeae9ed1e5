#pragma once

#include "ActStore.h"

#include "connectors/exchange/RecordFile.h"
#include "diagnostics/CxDebugUtil.h"
#include "helpers/common/HelperSide.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace velmora::helpers {

// The stand-in ACT! helper program of one record kind (`Kind` as the connector's: Raw, the
// helper's name, the exchange files). Given the parameter file of its connector, it checks the
// login against the stand-in database named there, then either writes every record to the data
// file (mode 1) or applies the records the connector marked changed (mode 2). Failures are
// answered through the error file; progress goes to the status file; it stops early when the
// connector asks through the control file.
template <class Kind>
class ActHelper {
public:
    using Raw = typename Kind::Raw;

    explicit ActHelper(const connectors::ParamParser& params)
        : mParams(params),
          mWork(Text(1004)),
          mControl(mWork + Kind::Files().Control)
    {
        auto& log = diagnostics::CxDebugUtil::Instance();
        log.SetFolder(Text(1012));
        log.SetEnabled(Text(1015) == "1");
        log.SetLevel(std::atoi(Text(1014).c_str()));
    }

    int Run()
    {
        std::string error;
        if (!Work(error)) {
            VL_LOG(0, Kind::kHelper, "%s", error.c_str());
            WriteErrorFile(mWork + Text(1006), {error});
            return 1;
        }
        return 0;
    }

private:
    std::string Text(std::int32_t id) const { return mParams.Get(id).value_or(std::string()); }

    bool Work(std::string& error)
    {
        const std::string mode = Text(1005);
        if (mode != "1" && mode != "2") {
            error = "Unknown mode \"" + mode + "\".";
            return false;
        }
        // The stand-in keeps no opportunities: their switches are only acknowledged.
        if (const auto opportunities = mParams.Get(1008))
            VL_LOG(2, Kind::kHelper, "Opportunities: %s, opportunity notes: %s", opportunities->c_str(), Text(1009).c_str());
        const auto store = ActStore::Open(Text(1000), error);
        if (!store || !store->CheckLogin(Text(1001), Text(1002), error))
            return false;
        return mode == "1" ? LoadRecords(*store, error) : SubmitRecords(*store, error);
    }

    bool LoadRecords(const ActStore& store, std::string& error)
    {
        std::vector<Raw> records;
        if (!store.ReadAll(records, error, Progress("Reading")))
            return false;
        const std::string path = mWork + Text(1003);
        if (connectors::WriteDataFile(path, records, [](std::int32_t) {}) != connectors::DataFileResult::Ok) {
            error = "Cannot write the data file " + path + ".";
            return false;
        }
        VL_LOG(2, Kind::kHelper, "Wrote %zu %s.", records.size(), StoreKind<Raw>::Noun);
        return true;
    }

    bool SubmitRecords(ActStore& store, std::string& error)
    {
        const std::string path = mWork + Text(1003);
        std::vector<Raw> records;
        const auto read = connectors::ReadDataFile<Raw>(path, [](std::int32_t) {}, [&](Raw&& record) {
            records.push_back(std::move(record));
            return true;
        });
        if (read != connectors::DataFileResult::Ok) {
            error = read == connectors::DataFileResult::CannotOpen ? "Cannot open the data file " + path + "."
                                                                   : "The data file " + path + " is damaged.";
            return false;
        }
        return store.Apply(records, error, Progress("Writing"));
    }

    // Shows "<verb> <noun> i of n" at most every 100 ms (as often as the wait window looks) and at
    // the end, and stops when the connector asks to.
    ActStore::Progress Progress(const char* verb)
    {
        return [this, verb](std::size_t done, std::size_t total) {
            const auto now = std::chrono::steady_clock::now();
            if (now - mLastProgress < std::chrono::milliseconds(100) && done != total)
                return true;
            mLastProgress = now;
            WriteStatusLine(mWork + Text(1007), std::string(verb) + " " + StoreKind<Raw>::Noun + " " +
                                                    std::to_string(done) + " of " + std::to_string(total));
            return !mControl.StopRequested();
        };
    }

    const connectors::ParamParser& mParams;
    std::string mWork;
    ControlFile mControl;
    std::chrono::steady_clock::time_point mLastProgress{};
};

template <class Kind>
int RunActHelper(int argc, char** argv)
{
    connectors::ParamParser params;
    if (!ReadParams(argc, argv, params)) {
        std::fprintf(stderr, "usage: %s PARAMETER-FILE\n(the parameter file a Velmora connector writes)\n", argv[0]);
        return 2;
    }
    return ActHelper<Kind>(params).Run();
}

}  // namespace velmora::helpers
