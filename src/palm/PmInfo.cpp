#include "PmInfo.h"

#include "PalmFields.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/AsciiCase.h"

namespace velmora::palm {
namespace {

using diagnostics::CxDebugUtil;

constexpr std::int32_t kSkippedStatus = 0x04 | 0x80;  // low byte: deleted, archived

constexpr PmInfoTexts kAddrTexts{
    "PalmAddrInfo", "Load Palm Desktop Contacts by user: %d", "Unknown Palm Desktop version",
    "Could not open Palm Desktop Contacts database by User: %d", "Load Palm Desktop Contacts by file: %s",
    "Failed to load Palm Desktop Contacts data file: %s", "Check Palm Desktop Contacts file version, file: %s",
    "Contacts", "Failed to check Palm Desktop Contacts file type: (%s)", true, false,
};
constexpr PmInfoTexts kDateTexts{
    "PalmDateInfo", "Load Palm Desktop Calendar by user: %d", "Unknown Palm Desktop version.",
    "Failed to open Palm Desktop Calendar database by User: %d", nullptr,
    "Failed to load Palm Desktop Calendar data file: %s", "Check Palm Desktop Calendar file version, file: %s",
    "Calendar", "Failed to check Palm Desktop Calendar file type: (%s)", false, true,
};
constexpr PmInfoTexts kTodoTexts{
    "PalmTodoInfo", "Load Palm Desktop Tasks by user: %d", "Unknown Palm Desktop version.",
    "Failed to load Palm Desktop Tasks database by User: %d", "Load Palm Desktop Tasks by file: %s",
    "Failed to load Palm Desktop Tasks file (%s)", "Check Palm Desktop Tasks file version, file: %s", "Task",
    "Failed to check Palm Desktop Tasks file type: (%s)", false, true,
};
constexpr PmInfoTexts kMemoTexts{
    "PalmMemoInfo", "Load Palm Desktop Memos by user: %d", "Unknown Palm Desktop version.",
    "Failed to load Palm Desktop Memo database by User: %d", "Load Palm Desktop Memos by file: %s",
    "Failed to load Palm Desktop Memos data file (%s)", "Check Palm Desktop Memos file version, file: %s", "Memos",
    "Failed to check Palm Desktop Memos data file type (%s)", false, false,
};

// The extension of the path's file name, lower case, with its dot; empty when it has none.
std::string Extension(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = path.substr(dot);
    for (char& c : extension)
        c = platform::LowerAscii(c);
    return extension;
}

}  // namespace

int ChooseGeneration(std::uint32_t palmVersion, bool earlyWhenOld)
{
    if (palmVersion >= 60000)
        return kGenerationEx2;
    if (palmVersion >= 40102)
        return kGenerationEx;
    if (palmVersion >= 30500 || earlyWhenOld)
        return kGenerationEarly;
    return kGenerationUnknown;
}

template <class E, class X, class X2, class M, class S>
PmInfo<E, X, X2, M, S>::PmInfo(const PmInfoTexts& texts, std::uint32_t palmVersion)
    : mTexts(texts), mGeneration(ChooseGeneration(palmVersion, texts.earlyWhenOld))
{
    VL_LOG(CxDebugUtil::kInfo, mTexts.unit, "Palm Desktop Version: %d", static_cast<int>(palmVersion));
}

template <class E, class X, class X2, class M, class S>
void PmInfo<E, X, X2, M, S>::Reset()
{
    mLoadedGeneration = kGenerationUnknown;
    mEarly.GetDataMgr().Clear();
    mEx.GetDataMgr().Clear();
    mEx2.GetDataMgr().Clear();
    mSources.clear();
    mManager.Clear();
}

template <class E, class X, class X2, class M, class S>
bool PmInfo<E, X, X2, M, S>::LoadGeneration(int generation, std::uint32_t userId)
{
    switch (generation) {
    case kGenerationEx2: return mEx2.LoadByUser(userId);
    case kGenerationEx: return mEx.LoadByUser(userId);
    default: return mEarly.LoadByUser(userId);
    }
}

template <class E, class X, class X2, class M, class S>
bool PmInfo<E, X, X2, M, S>::LoadByUser(std::uint32_t userId)
{
    Reset();
    VL_LOG(CxDebugUtil::kInfo, mTexts.unit, mTexts.byUser, static_cast<int>(userId));
    if (mGeneration == kGenerationUnknown) {
        VL_LOG(CxDebugUtil::kError, mTexts.unit, "%s", mTexts.noGeneration);
        mLoadedGeneration = kGenerationFailed;
        return false;
    }
    if (!LoadGeneration(mGeneration, userId)) {
        mLoadedGeneration = kGenerationFailed;
        VL_LOG(CxDebugUtil::kError, mTexts.unit, mTexts.byUserFailed, static_cast<int>(userId));
        return false;
    }
    mLoadedGeneration = mGeneration;
    BuildLoaded();
    return true;
}

template <class E, class X, class X2, class M, class S>
bool PmInfo<E, X, X2, M, S>::LoadByFile(const std::string& path)
{
    if (path.empty() && mTexts.emptyPathFails)
        return false;
    Reset();
    if (mTexts.byFile != nullptr)
        VL_LOG(CxDebugUtil::kInfo, mTexts.unit, mTexts.byFile, path.c_str());
    const std::string extension = Extension(path);
    int loaded = kGenerationFailed;
    if (extension == ".mdb") {
        VL_LOG(CxDebugUtil::kInfo, mTexts.unit, ".mdb file, try Palm Desktop 6.x database loader.");
        if (mEx2.LoadFile(path))
            loaded = kGenerationEx2;
    } else if (extension == ".dat") {
        VL_LOG(CxDebugUtil::kInfo, mTexts.unit, ".dat file, try Palm Desktop 4.1.4 database loader.");
        if (mEx.LoadFile(path)) {
            loaded = kGenerationEx;
        } else {
            VL_LOG(CxDebugUtil::kInfo, mTexts.unit,
                   "Unable to load this file with Palm Desktop 4.1.4 file loader, try earlier loader version.");
            if (mEarly.LoadFile(path))
                loaded = kGenerationEarly;
        }
    }
    mLoadedGeneration = loaded;
    if (loaded == kGenerationFailed) {
        VL_LOG(CxDebugUtil::kError, mTexts.unit, mTexts.fileFailed, path.c_str());
        return false;
    }
    BuildLoaded();
    return true;
}

template <class E, class X, class X2, class M, class S>
int PmInfo<E, X, X2, M, S>::CheckFileType(const std::string& path)
{
    if (path.empty())
        return kGenerationUnknown;
    VL_LOG(CxDebugUtil::kInfo, mTexts.unit, mTexts.checkLine, path.c_str());
    const std::string extension = Extension(path);
    int generation = kGenerationFailed;
    const char* kind = nullptr;
    if (extension == ".mdb") {
        if (X2(path).Loaded()) {
            generation = kGenerationEx2;
            kind = "Palm Desktop 6.x";
        }
    } else if (extension == ".dat") {
        if (X(path).Loaded()) {
            generation = kGenerationEx;
            kind = "Palm Desktop 4.1.x";
        } else if (E(path).Loaded()) {
            generation = kGenerationEarly;
            kind = "Palm Desktop 4.1 or earlier";
        }
    }
    if (kind == nullptr) {
        VL_LOG(CxDebugUtil::kError, mTexts.unit, mTexts.checkFailed, path.c_str());
        return kGenerationFailed;
    }
    VL_LOG(CxDebugUtil::kInfo, mTexts.unit, "Check Palm Desktop %s file type: (%s) - %s", mTexts.checkName,
           path.c_str(), kind);
    return generation;
}

template <class E, class X, class X2, class M, class S>
void PmInfo<E, X, X2, M, S>::BuildLoaded()
{
    switch (mLoadedGeneration) {
    case kGenerationEx2: Build(mEx2, kGenerationEx2); break;
    case kGenerationEx: Build(mEx, kGenerationEx); break;
    default: Build(mEarly, kGenerationEarly); break;
    }
}

template <class E, class X, class X2, class M, class S>
template <class Reader>
void PmInfo<E, X, X2, M, S>::Build(Reader& reader, int generation)
{
    auto& store = reader.GetDataMgr();
    for (std::size_t i = 0; i < store.Count(); ++i) {
        const auto* record = store.At(i);
        if ((record->Status & kSkippedStatus) != 0)
            continue;
        S& source = mSources.emplace_back();
        source.Generation = generation;
        source.Record = record;
        if constexpr (requires { reader.CustomLabels(); })
            source.CustomLabels = &reader.CustomLabels();
        CommRec common = ToCommon(*record);
        common.SourceType = model::RecordSource::PalmDesktop;
        common.Status = record->Status;
        Finish(common, source);
        common.SourceData.PointAt(&source);
        source.Common = mManager.Add(std::move(common));
        if (source.Common == nullptr)
            mSources.pop_back();  // out of memory: the other records are still built
    }
}

PmAddrInfo::PmAddrInfo() : PmAddrInfo(GetPalmDesktopVersion()) {}
PmAddrInfo::PmAddrInfo(std::uint32_t palmVersion) : PmInfo(kAddrTexts, palmVersion) {}

bool PmAddrInfo::SetCustomKey(std::size_t slot, int key)
{
    if (slot >= mCustomKeys.size())
        return false;
    mCustomKeys[slot] = key;
    return true;
}

int PmAddrInfo::GetFieldCount() const
{
    return static_cast<int>(PalmContactFields(Generation()).size());
}

int PmAddrInfo::GetFieldKey(int index) const
{
    const auto fields = PalmContactFields(Generation());
    return index >= 0 && static_cast<std::size_t>(index) < fields.size() ? fields[static_cast<std::size_t>(index)].Id : 0;
}

const char* PmAddrInfo::GetFieldName(int index) const
{
    const auto fields = PalmContactFields(Generation());
    return index >= 0 && static_cast<std::size_t>(index) < fields.size() ? fields[static_cast<std::size_t>(index)].Label
                                                                         : "N/A";
}

std::string PmAddrInfo::GetFieldText(const PmAddrSourceRec& record, int key)
{
    return PalmFieldText(record, key).value_or("N/A");
}

void PmAddrInfo::Finish(model::CommAddrRec& common, const PmAddrSourceRec& source)
{
    const auto fields = PalmContactFields(source.Generation);
    for (std::size_t slot = 0; slot < mCustomKeys.size(); ++slot) {
        const int key = mCustomKeys[slot];
        if (key <= 0 || static_cast<std::size_t>(key) > fields.size() ||
            fields[static_cast<std::size_t>(key) - 1].Type != model::FieldType::Text)
            continue;
        if (const auto text = PalmFieldText(source, key))
            common.MappedCustom.Set(slot, *text);
    }
}

PmDateInfo::PmDateInfo() : PmDateInfo(GetPalmDesktopVersion()) {}
PmDateInfo::PmDateInfo(std::uint32_t palmVersion) : PmInfo(kDateTexts, palmVersion) {}

PmTodoInfo::PmTodoInfo() : PmTodoInfo(GetPalmDesktopVersion()) {}
PmTodoInfo::PmTodoInfo(std::uint32_t palmVersion) : PmInfo(kTodoTexts, palmVersion) {}

PmMemoInfo::PmMemoInfo() : PmMemoInfo(GetPalmDesktopVersion()) {}
PmMemoInfo::PmMemoInfo(std::uint32_t palmVersion) : PmInfo(kMemoTexts, palmVersion) {}

template class PmInfo<PmAddrUtil, PmAddrExUtil, PmAddrEx2Util, model::CommAddrMgr, PmAddrSourceRec>;
template class PmInfo<PmDateUtil, PmDateExUtil, PmDateEx2Util, model::CommDateMgr, PmDateSourceRec>;
template class PmInfo<PmTodoUtil, PmTodoExUtil, PmTodoEx2Util, model::CommTaskMgr, PmTodoSourceRec>;
template class PmInfo<PmMemoUtil, PmMemoExUtil, PmMemoEx2Util, model::CommNoteMgr, PmMemoSourceRec>;

}  // namespace velmora::palm
