#pragma once

#include "ActConversions.h"
#include "connectors/exchange/PackedRecords.h"
#include "connectors/exchange/RecordFile.h"
#include "ActRecords.h"
#include "CxACTBaseUtil.h"

#include "diagnostics/CxDebugUtil.h"
#include <ranges>
#include <vector>

namespace velmora::connectors {

// The log lines of one ACT! connector; a null entry is a line that connector does not write.
struct ActLogTexts {
    const char* loadStart;
    const char* loadOk;
    const char* loadFail;
    const char* readStart;      // %s: the data file
    const char* readCount;      // %d: the number of records
    const char* readOk;
    const char* writeStart;     // %s: the data file
    const char* writeCount;     // %d
    const char* writeOk;
    const char* readOpenFail;   // %s: the data file
    const char* writeOpenFail;  // %s: the data file
    const char* submitStart;
    const char* notDirty;
    const char* saveFail;
};

// What the four ACT! connectors share: two collections in step, the ACT! records as the helper
// delivers them and, at the same positions, their common records in the connector's manager
// (each pointing back at its ACT! record). A selected source record is merged into the ACT!
// record it matches or appended as a new one; Submit then hands the whole collection back.
//
// `Kind` names the ACT! record (Raw), the manager, the helper, the files, the log source and
// the log texts.
template <class Kind>
class ActConnector : public CxACTBaseUtil {
public:
    using Raw = typename Kind::Raw;
    using Manager = typename Kind::Manager;
    using Record = typename Manager::Record;

    ~ActConnector() override { ActConnector::Clear(); }

    // Runs the helper in load mode and reads what it delivered.
    bool Load() override
    {
        Say(kInfo, Kind::kTexts.loadStart);
        const bool loaded = RunLoad() && ReadDataFile();
        Say(loaded ? kInfo : kError, loaded ? Kind::kTexts.loadOk : Kind::kTexts.loadFail);
        return loaded;
    }

    void Clear() override
    {
        mManager.Clear();
        mRecords.clear();
        mChanged.clear();
    }

    // Writes the collection and runs the helper in submit mode, when anything changed. After a
    // submission the helper accepted, no record is marked changed any more.
    bool Submit() override
    {
        Say(kInfo, Kind::kTexts.submitStart);
        if (!Dirty) {
            Say(kInfo, Kind::kTexts.notDirty);
            return true;
        }
        if (!WriteDataFile()) {
            Say(kError, Kind::kTexts.saveFail);
            return false;
        }
        if (RunHelper(HelperMode::Submit) && !HasError()) {
            mChanged.assign(mChanged.size(), false);
            Dirty = false;
        }
        return true;
    }

    // Hands one source record to ACT!: merged into the ACT! record with the same keys, appended
    // when there is none, skipped (false) when ACT! holds it identically.
    bool SubmitOne(const Record* record, bool flush)
    {
        Record* found = nullptr;
        std::size_t index = 0;
        const int result = mManager.FindMatch(record, found, index);
        if (result == model::MatchResult::NoRecord || result == model::MatchResult::Identical)
            return false;
        if (result == model::MatchResult::KeyMatch)
            UpdateRecord(*record, index, flush);
        else
            AddRecord(*record, flush);
        return true;
    }

    bool AddRecord(const Record& record, bool flush)
    {
        Raw raw;
        raw.Operation = 1;
        FromCommon(record, raw);
        Record* stored = mManager.Add(&record);
        if (stored == nullptr)
            return false;
        stored->SourceType = model::RecordSource::Act;
        const auto position = static_cast<std::uint32_t>(mRecords.size());
        mRecords.push_back(raw);
        stored->SourceData.PointAt(mRecords, position);
        mChanged.push_back(true);
        Dirty = true;
        return !flush || Submit();
    }

    bool UpdateRecord(const Record& record, std::size_t position, bool flush)
    {
        if (position >= mRecords.size())
            return false;
        Raw raw = mRecords[position];
        FromCommon(record, raw);
        // A record added in this run and not submitted yet is still to be added.
        raw.Operation = mChanged[position] && raw.Operation == 1 ? 1 : 2;
        mRecords.Replace(position, raw);
        mChanged[position] = true;
        Dirty = true;
        mManager.UpdateAt(&record, position);
        return !flush || Submit();
    }

    Manager& GetManager() { return mManager; }
    std::size_t Count() const { return mRecords.size(); }
    // With state 2 while it is marked changed.
    Raw RawAt(std::size_t position) const
    {
        Raw raw = mRecords.at(position);
        raw.State = mChanged[position] ? 2 : 0;
        return raw;
    }

protected:
    ActConnector() : CxACTBaseUtil(Kind::kHelper, Kind::Files()) {}

private:
    static constexpr int kInfo = diagnostics::CxDebugUtil::kInfo;
    static constexpr int kError = diagnostics::CxDebugUtil::kError;

    template <class... Args>
    void Say(int level, const char* text, Args... args) const
    {
        if (text == nullptr)
            return;
        if constexpr (sizeof...(args) == 0)
            diagnostics::CxDebugUtil::Instance().Log(level, Kind::kLogUnit, __LINE__, "%s", text);
        else
            diagnostics::CxDebugUtil::Instance().Log(level, Kind::kLogUnit, __LINE__, text, args...);
    }

    // A file that ends before its record count is satisfied fails the load: nothing of it is kept.
    bool ReadDataFile()
    {
        const std::string path = FilePath(Files().Data);
        Say(kInfo, Kind::kTexts.readStart, path.c_str());
        const DataFileResult result = connectors::ReadDataFileInto<Raw>(
            path, mManager, mRecords, [&](std::int32_t count) { Say(kInfo, Kind::kTexts.readCount, count); },
            [](const Raw& raw) { return ToCommon(raw); });
        if (result == DataFileResult::CannotOpen)
            Say(kError, Kind::kTexts.readOpenFail, path.c_str());
        if (result != DataFileResult::Ok) {
            Clear();
            SetDataFileError(result, path);
            return false;
        }
        mChanged.assign(mRecords.size(), false);
        Say(kInfo, Kind::kTexts.readOk);
        return true;
    }

    bool WriteDataFile()
    {
        const std::string path = FilePath(Files().Data);
        Say(kInfo, Kind::kTexts.writeStart, path.c_str());
        // The helper applies only what this run added or changed (state 2), in the records'
        // order; the rest of a large database need not cross to it and back.
        auto changed = std::views::iota(std::size_t{0}, mRecords.size()) |
                       std::views::filter([this](std::size_t position) { return mChanged[position]; }) |
                       std::views::transform([this](std::size_t position) { return RawAt(position); });
        const DataFileResult result = connectors::WriteDataFile(
            path, changed, [&](std::int32_t count) { Say(kInfo, Kind::kTexts.writeCount, count); });
        if (result == DataFileResult::CannotOpen)
            Say(kError, Kind::kTexts.writeOpenFail, path.c_str());
        if (result != DataFileResult::Ok) {
            SetDataFileError(result, path, true);
            return false;
        }
        Say(kInfo, Kind::kTexts.writeOk);
        return true;
    }

    Manager mManager;
    PackedRecords<Raw> mRecords;
    // Per record, whether it is marked changed (state 2): the packed records themselves keep
    // state 0, so that a submission clears the marks without packing every record anew.
    std::vector<bool> mChanged;
};

}  // namespace velmora::connectors
