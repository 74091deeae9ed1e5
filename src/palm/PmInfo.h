#pragma once

#include "PalmConversions.h"
#include "PalmInstall.h"
#include "PmSourceRec.h"
#include "dat/PmEarlyFile.h"
#include "dat/PmExFile.h"
#include "mdb/PmDBEx2Util.h"

#include "model/CommAddrMgr.h"
#include "model/CommDateMgr.h"
#include "model/CommNoteMgr.h"
#include "model/CommTaskMgr.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>

namespace velmora::palm {

// The debug-log lines of one front-end.
struct PmInfoTexts {
    const char* unit;
    const char* byUser;         // %d
    const char* noGeneration;
    const char* byUserFailed;   // %d
    const char* byFile;         // %s; null: none
    const char* fileFailed;     // %s
    const char* checkLine;      // %s
    const char* checkName;      // the data type in the file-kind lines
    const char* checkFailed;    // %s
    bool emptyPathFails;        // an empty path fails before anything else
    bool earlyWhenOld;          // versions before 3.5 still read the earlier files
};

// The reader generation for loading by user, from the Palm Desktop version compared as an
// unsigned number: 6.0 and later (and an unknown version) 3, 4.1.2 and later 2, 3.5 and later
// 1, older ones 1 or 0 (unknown) by `earlyWhenOld`.
int ChooseGeneration(std::uint32_t palmVersion, bool earlyWhenOld);

// A front-end of one Palm data type: chooses the reader generation, loads by Palm user or by
// file, keeps a copy of every record to migrate (records marked deleted or archived, status
// bits 0x04 and 0x80, are left out) and the common records made from them.
template <class EarlyReader, class ExReader, class Ex2Reader, class Manager, class Source>
class PmInfo {
public:
    using CommRec = typename Manager::Record;

    PmInfo(const PmInfo&) = delete;
    PmInfo& operator=(const PmInfo&) = delete;
    virtual ~PmInfo() = default;

    bool LoadByUser(std::uint32_t userId);
    bool LoadByFile(const std::string& path);
    // Forgets every load: reader stores, source records, common records.
    void Reset();
    // The generation whose reader loads the file (read whole), 255 for no known kind, 0 for an
    // empty path.
    int CheckFileType(const std::string& path);

    Manager& GetCommonMgr() { return mManager; }
    int Generation() const { return mGeneration; }
    int LoadedGeneration() const { return mLoadedGeneration; }
    std::size_t Count() const { return mSources.size(); }
    const Source* At(std::size_t i) const { return i < mSources.size() ? &mSources[i] : nullptr; }

protected:
    PmInfo(const PmInfoTexts& texts, std::uint32_t palmVersion);

    // The last touch on a common record before it is stored (the contacts' custom mapping).
    virtual void Finish(CommRec&, const Source&) {}

private:
    // Builds from the reader of the loaded generation.
    void BuildLoaded();
    template <class Reader>
    void Build(Reader& reader, int generation);
    bool LoadGeneration(int generation, std::uint32_t userId);

    const PmInfoTexts& mTexts;
    int mGeneration = kGenerationUnknown;
    int mLoadedGeneration = kGenerationUnknown;
    EarlyReader mEarly;
    ExReader mEx;
    Ex2Reader mEx2;
    std::deque<Source> mSources;
    Manager mManager;
};

// Contacts, with the custom-field mapping of up to ten ACT! custom slots.
class PmAddrInfo final : public PmInfo<PmAddrUtil, PmAddrExUtil, PmAddrEx2Util, model::CommAddrMgr, PmAddrSourceRec> {
public:
    PmAddrInfo();
    explicit PmAddrInfo(std::uint32_t palmVersion);

    // Slot 0-9: the key of the Palm field mapped to it (0 none); false for other slots.
    bool SetCustomKey(std::size_t slot, int key);
    // The catalogue of the generation chosen for loading by user.
    int GetFieldCount() const;
    int GetFieldKey(int index) const;
    const char* GetFieldName(int index) const;
    // For the detail view: the field's text, "N/A" when the key names nothing in the record.
    static std::string GetFieldText(const PmAddrSourceRec& record, int key);

private:
    void Finish(model::CommAddrRec& common, const PmAddrSourceRec& source) override;

    std::array<int, 10> mCustomKeys{};
};

class PmDateInfo final : public PmInfo<PmDateUtil, PmDateExUtil, PmDateEx2Util, model::CommDateMgr, PmDateSourceRec> {
public:
    PmDateInfo();
    explicit PmDateInfo(std::uint32_t palmVersion);
};

class PmTodoInfo final : public PmInfo<PmTodoUtil, PmTodoExUtil, PmTodoEx2Util, model::CommTaskMgr, PmTodoSourceRec> {
public:
    PmTodoInfo();
    explicit PmTodoInfo(std::uint32_t palmVersion);
};

class PmMemoInfo final : public PmInfo<PmMemoUtil, PmMemoExUtil, PmMemoEx2Util, model::CommNoteMgr, PmMemoSourceRec> {
public:
    PmMemoInfo();
    explicit PmMemoInfo(std::uint32_t palmVersion);
};

}  // namespace velmora::palm
