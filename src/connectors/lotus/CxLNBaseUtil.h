#pragma once

#include "LotusExchange.h"

#include "connectors/exchange/HelperConnector.h"
#include "connectors/exchange/PackedRecords.h"
#include "connectors/exchange/RecordFile.h"
#include "diagnostics/CxDebugUtil.h"
#include "model/TextValue.h"

#include <string>

namespace velmora::connectors {

// The Lotus Notes family writes the shared parameter file and runs its helpers with the shared
// runner, in the Lotus Notes program folder.
using CxLNParamParser = ParamParser;
using CxLNDataReader = HelperRunner;

inline constexpr HelperFamily kLotusFamily{"CxLNCommon"};

// The log entries of one connector's load.
struct LNLoadTexts {
    const char* Start;       // null: no entry
    const char* FromFile;    // %s: the data file; null: no entry
    const char* OpenFailed;  // %s: the data file
    const char* Count;       // %d; null: no entry
    const char* FileDone;    // null: no entry
    const char* Done;        // null: no entry
    const char* Failed;      // null: no entry
};

// The base of the four Lotus Notes connectors: the database, the ID file and the Lotus Notes
// parameter table.
class CxLNBaseUtil : public HelperConnector {
public:
    model::Text<256> DatabaseName;  // the calendar, to-do or notebook database as the user gave it
    model::Text<256> IdFile;

    // The helper runs in the Lotus Notes program folder of the registry (logged); without one,
    // in our program folder.
    void StartLoad() override;

protected:
    explicit CxLNBaseUtil(const lotus::LNExchange& exchange);

    void AddParams(ParamParser& params) const override;
    // The database parameter: 1008 with DatabaseName, the contacts connector 1009 instead.
    virtual void AddDatabaseParam(ParamParser& params) const;

    static constexpr const char* kUnit = "CxLNCommon";
};

// A Lotus Notes connector of one kind of record: the raw records as the helper sent them and
// the common manager whose records point at them.
template <class Raw, class Mgr>
class CxLNRecordsUtil : public CxLNBaseUtil {
public:
    // Frees the records; the exchange files stay.
    void Clear() override
    {
        mManager.Clear();
        mRecords.clear();
    }
    Mgr& Manager() { return mManager; }

protected:
    using CxLNBaseUtil::CxLNBaseUtil;

    // Runs the helper and reads its data file: per raw record `convert(raw)` gives the common
    // record, stored in the manager with the kept raw record attached. A file that ends inside
    // its records fails the load and keeps nothing.
    template <class Convert>
    bool LoadRecords(const LNLoadTexts& texts, Convert convert)
    {
        using diagnostics::CxDebugUtil;
        if (texts.Start != nullptr)
            VL_LOG(CxDebugUtil::kInfo, kUnit, "%s", texts.Start);
        bool loaded = RunLoad();
        if (loaded) {
            const std::string path = FilePath(Files().Data);
            if (texts.FromFile != nullptr)
                VL_LOG(CxDebugUtil::kInfo, kUnit, texts.FromFile, path.c_str());
            const DataFileResult result = ReadDataFileInto<Raw>(
                path, mManager, mRecords,
                [&](std::int32_t count) {
                    if (texts.Count != nullptr)
                        VL_LOG(CxDebugUtil::kInfo, kUnit, texts.Count, count);
                },
                convert);
            if (result == DataFileResult::CannotOpen)
                VL_LOG(CxDebugUtil::kError, kUnit, texts.OpenFailed, path.c_str());
            loaded = result == DataFileResult::Ok;
            if (!loaded) {
                Clear();
                SetDataFileError(result, path);
            } else if (texts.FileDone != nullptr) {
                VL_LOG(CxDebugUtil::kInfo, kUnit, "%s", texts.FileDone);
            }
        }
        if (loaded && texts.Done != nullptr)
            VL_LOG(CxDebugUtil::kInfo, kUnit, "%s", texts.Done);
        if (!loaded && texts.Failed != nullptr)
            VL_LOG(CxDebugUtil::kError, kUnit, "%s", texts.Failed);
        return loaded;
    }

private:
    PackedRecords<Raw> mRecords;
    Mgr mManager;
};

}  // namespace velmora::connectors
