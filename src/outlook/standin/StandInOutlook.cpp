#include "StandInOutlook.h"

#include "ItemSchema.h"
#include "PstWire.h"
#include "RecurrenceBlob.h"

#include "outlook/dispatch/ClassRegistry.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/CapturedRun.h"
#include "platform/Folders.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace velmora::outlook::standin {
namespace {

using namespace dispatch;
using diagnostics::CxDebugUtil;

constexpr const char* kUnit = "OutlookStandIn";
constexpr CLSID kOutlookClsid = 0x0006F03A;
constexpr const char* kReaderProgram = "OutlookPstRead";
constexpr std::chrono::minutes kReadTimeout{10};

platform::UiHost* gUi = nullptr;

// The data file, read when first needed and again when it changed on disk.
class PstSource {
public:
    explicit PstSource(std::string path) : mPath(std::move(path)) {}

    // The store as the file holds it now; null (logged) when it cannot be read.
    std::shared_ptr<const PstStore> Current()
    {
        std::error_code error;
        const auto stamp = std::filesystem::last_write_time(mPath, error);
        const auto size = error ? 0 : std::filesystem::file_size(mPath, error);
        if (mStore && !error && stamp == mStamp && size == mSize)
            return mStore;
        mStore = Read();
        mStamp = stamp;
        mSize = size;
        return mStore;
    }

private:
    std::shared_ptr<const PstStore> Read() const
    {
        VL_LOG(CxDebugUtil::kInfo, kUnit, "Reading the Outlook data file %s.", mPath.c_str());
        const platform::CapturedRun run =
            platform::RunCaptured(platform::HelperFolder() + kReaderProgram, {mPath}, kReadTimeout, gUi);
        auto store = std::make_shared<PstStore>();
        std::string why = platform::FailureOf(run, "the data file reader");
        if (!why.empty() || !DecodeStore(run.Output, *store, why)) {
            VL_LOG(CxDebugUtil::kError, kUnit, "The Outlook data file %s cannot be read: %s", mPath.c_str(), why.c_str());
            return nullptr;
        }
        return store;
    }

    std::string mPath;
    std::shared_ptr<const PstStore> mStore;
    std::filesystem::file_time_type mStamp{};
    std::uintmax_t mSize = 0;
};

// An object answering a fixed set of names, under every locale.
class NamedObject : public DispatchObject {
public:
    HRESULT GetIDsOfNames(Iid, const std::u16string& name, LCID, DISPID& id) override
    {
        const std::optional<DISPID> found = IdOf(name);
        if (!found)
            return DISP_E_UNKNOWNNAME;
        id = *found;
        return S_OK;
    }

protected:
    virtual std::optional<DISPID> IdOf(std::u16string_view name) const = 0;

    template <std::size_t N>
    static std::optional<DISPID> IdIn(const char16_t* const (&names)[N], std::u16string_view name)
    {
        for (std::size_t i = 0; i < N; ++i)
            if (SameName(names[i], name))
                return static_cast<DISPID>(i);
        return std::nullopt;
    }

    // The value of argument `i`, through a by-reference variant.
    static const Variant* Argument(const DispParams& params, std::uint32_t i)
    {
        if (i >= params.Count)
            return nullptr;
        const Variant* v = &params.Args[i];
        return v->Type() == (VT_VARIANT | VT_BYREF) && v->AsByRef() != nullptr ? v->AsByRef() : v;
    }

    // Hands a new object (with its one reference) to the result.
    static HRESULT ReturnObject(IDispatch* object, Variant* result)
    {
        if (result != nullptr)
            *result = Variant::Dispatch(object);
        object->Release();
        return S_OK;
    }

    static HRESULT Return(Variant value, Variant* result)
    {
        if (result != nullptr)
            *result = std::move(value);
        return S_OK;
    }
};

// One item of a snapshot of the store.
struct ItemPlace {
    std::shared_ptr<const PstStore> Store;
    const PstFolder* Folder = nullptr;
    std::size_t Index = 0;

    const PstPropertySet& Properties() const { return Folder->Items[Index]; }
};

class RecurrencePatternObject final : public NamedObject {
public:
    explicit RecurrencePatternObject(const RecurrencePattern& p) : mPattern(p) {}

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams&, Variant* result) override
    {
        const RecurrencePattern& p = mPattern;
        switch (id) {
        case 0: return Return(Variant::I4(p.RecurrenceType), result);
        case 1: return Return(Variant::I4(p.Interval), result);
        case 2: return Return(Variant::I4(p.DayOfWeekMask), result);
        case 3: return Return(Variant::I4(p.DayOfMonth), result);
        case 4: return Return(Variant::I4(p.Instance), result);
        case 5: return Return(Variant::I4(p.MonthOfYear), result);
        case 6: return Return(Variant::Date(p.PatternEndDate), result);
        case 7: return Return(Variant::Date(p.PatternStartDate), result);
        case 8: return Return(Variant::Bool(p.NoEndDate), result);
        case 9: return Return(Variant::I4(p.Occurrences), result);
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        static constexpr const char16_t* kNames[] = {u"RecurrenceType", u"Interval", u"DayOfWeekMask",
                                                     u"DayOfMonth", u"Instance", u"MonthOfYear",
                                                     u"PatternEndDate", u"PatternStartDate", u"NoEndDate",
                                                     u"Occurrences"};
        return IdIn(kNames, name);
    }

    RecurrencePattern mPattern;
};

// A user-defined property: a named property of the public-strings set that Outlook does not
// define itself.
class UserPropertyObject final : public NamedObject {
public:
    UserPropertyObject(ItemPlace place, const PstProperty* property) : mPlace(std::move(place)), mProperty(property) {}

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams&, Variant* result) override
    {
        if (id == 0)
            return Return(Variant::Bstr(mProperty->Key.Name), result);
        if (id != 1)
            return DISP_E_MEMBERNOTFOUND;
        // The value in the type it is stored in.
        const SchemaEntry entry{u"Value", PstKeyKind::NamedString, 0, &PS_PUBLIC_STRINGS, 0, nullptr, ValueAs::Text};
        const PstPropertySet one{*mProperty};
        static constexpr struct {
            std::uint16_t Type;
            ValueAs As;
        } kByType[] = {{PtypString, ValueAs::Text}, {PtypString8, ValueAs::Text}, {PtypInteger16, ValueAs::Long},
                       {PtypInteger32, ValueAs::Long}, {PtypBoolean, ValueAs::Bool}, {PtypTime, ValueAs::LocalTime}};
        for (const auto& t : kByType) {
            if (t.Type == mProperty->Type) {
                SchemaEntry typed = entry;
                typed.StringName = mProperty->Key.Name.c_str();
                typed.As = t.As;
                return Return(ValueOf(typed, one, {}), result);
            }
        }
        if (mProperty->Type == PtypFloating64 && mProperty->Value.size() == 8) {
            double v = 0;
            std::memcpy(&v, mProperty->Value.data(), sizeof v);
            return Return(Variant::R8(v), result);
        }
        return Return(Variant{}, result);
    }

private:
    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        static constexpr const char16_t* kNames[] = {u"Name", u"Value"};
        return IdIn(kNames, name);
    }

    ItemPlace mPlace;  // keeps the store the property lives in
    const PstProperty* mProperty;
};

class UserPropertiesObject final : public NamedObject {
public:
    explicit UserPropertiesObject(ItemPlace place) : mPlace(std::move(place))
    {
        for (const PstProperty& p : mPlace.Properties())
            if (p.Key.Kind == PstKeyKind::NamedString && p.Key.Set == PS_PUBLIC_STRINGS && !SameName(p.Key.Name, u"Keywords"))
                mProperties.push_back(&p);
    }

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams& params, Variant* result) override
    {
        if (id == 0)
            return Return(Variant::I4(static_cast<std::int32_t>(mProperties.size())), result);
        if (id != 1)
            return DISP_E_MEMBERNOTFOUND;
        const Variant* index = Argument(params, 0);
        if (index == nullptr)
            return DISP_E_BADPARAMCOUNT;
        const PstProperty* found = nullptr;
        if (index->Type() == VT_I4 || index->Type() == VT_I2) {
            const std::int32_t i = index->AsI4();  // from 1
            if (i >= 1 && static_cast<std::size_t>(i) <= mProperties.size())
                found = mProperties[static_cast<std::size_t>(i - 1)];
        } else if (index->Type() == VT_BSTR && index->AsBstr()) {
            for (const PstProperty* p : mProperties)
                if (SameName(p->Key.Name, *index->AsBstr()))
                    found = p;
        } else {
            return DISP_E_TYPEMISMATCH;
        }
        if (found == nullptr)
            return E_INVALIDARG;
        return ReturnObject(new UserPropertyObject(mPlace, found), result);
    }

private:
    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        static constexpr const char16_t* kNames[] = {u"Count", u"Item"};
        return IdIn(kNames, name);
    }

    ItemPlace mPlace;
    std::vector<const PstProperty*> mProperties;
};

class ItemObject final : public NamedObject {
public:
    explicit ItemObject(ItemPlace place) : mPlace(std::move(place)) {}

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams&, Variant* result) override
    {
        const PstFolderKind kind = mPlace.Folder->Kind;
        if (id == kGetRecurrencePattern) {
            const SchemaEntry* blobEntry = RecurrenceBlobOf(kind);
            const PstProperty* blob = blobEntry != nullptr ? FindProperty(mPlace.Properties(), *blobEntry) : nullptr;
            RecurrencePattern pattern;
            if (blob == nullptr || blob->Type != PtypBinary || !DecodeRecurrenceBlob(blob->Value, pattern))
                return E_FAIL;
            return ReturnObject(new RecurrencePatternObject(pattern), result);
        }
        if (id == kUserProperties)
            return ReturnObject(new UserPropertiesObject(mPlace), result);
        const SchemaEntry* entry = SchemaEntryAt(kind, static_cast<std::size_t>(id));
        if (entry == nullptr)
            return DISP_E_MEMBERNOTFOUND;
        return Return(ValueOf(*entry, mPlace.Properties(), ItemContext{&mPlace.Store->RecordKey}), result);
    }

private:
    static constexpr DISPID kGetRecurrencePattern = 10000;
    static constexpr DISPID kUserProperties = 10001;

    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        if (SameName(name, u"UserProperties"))
            return kUserProperties;
        if (SameName(name, u"GetRecurrencePattern") && RecurrenceBlobOf(mPlace.Folder->Kind) != nullptr)
            return kGetRecurrencePattern;
        const auto index = SchemaIndexOf(mPlace.Folder->Kind, name);
        return index ? std::optional<DISPID>(static_cast<DISPID>(*index)) : std::nullopt;
    }

    ItemPlace mPlace;
};

class ItemsObject final : public NamedObject {
public:
    ItemsObject(std::shared_ptr<const PstStore> store, const PstFolder* folder)
        : mStore(std::move(store)), mFolder(folder)
    {
    }

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams& params, Variant* result) override
    {
        const std::size_t count = mFolder != nullptr ? mFolder->Items.size() : 0;
        switch (id) {
        case 0: mCursor = 0; break;   // GetFirst
        case 1: ++mCursor; break;     // GetNext
        case 2: return Return(Variant::I4(static_cast<std::int32_t>(count)), result);
        case 3: {                     // Item(index from 1)
            const Variant* index = Argument(params, 0);
            if (index == nullptr || index->Type() != VT_I4 || index->AsI4() < 1 ||
                static_cast<std::size_t>(index->AsI4()) > count)
                return E_INVALIDARG;
            return ReturnObject(new ItemObject({mStore, mFolder, static_cast<std::size_t>(index->AsI4() - 1)}), result);
        }
        default: return DISP_E_MEMBERNOTFOUND;
        }
        // Past the last item Outlook answers with no object.
        if (mCursor >= count)
            return Return(Variant::Dispatch(nullptr), result);
        return ReturnObject(new ItemObject({mStore, mFolder, mCursor}), result);
    }

private:
    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        static constexpr const char16_t* kNames[] = {u"GetFirst", u"GetNext", u"Count", u"Item"};
        return IdIn(kNames, name);
    }

    std::shared_ptr<const PstStore> mStore;
    const PstFolder* mFolder;  // null: the store has no such folder, and it is empty
    std::size_t mCursor = 0;
};

const char16_t* DefaultFolderName(PstFolderKind kind)
{
    switch (kind) {
    case PstFolderKind::Contacts: return u"Contacts";
    case PstFolderKind::Calendar: return u"Calendar";
    case PstFolderKind::Tasks: return u"Tasks";
    case PstFolderKind::Notes: return u"Notes";
    }
    return u"";
}

const PstFolder* FolderIn(const PstStore& store, PstFolderKind kind)
{
    for (const PstFolder& f : store.Folders)
        if (f.Kind == kind)
            return &f;
    return nullptr;
}

class FolderObject final : public NamedObject {
public:
    FolderObject(std::shared_ptr<PstSource> source, PstFolderKind kind) : mSource(std::move(source)), mKind(kind) {}

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams&, Variant* result) override
    {
        const std::shared_ptr<const PstStore> store = mSource->Current();
        if (!store)
            return E_FAIL;
        const PstFolder* folder = FolderIn(*store, mKind);
        switch (id) {
        case 0: {
            const SchemaEntry name{u"Name", PstKeyKind::Tag, 0x3001, nullptr, 0, nullptr, ValueAs::Text};
            Variant v = folder != nullptr ? ValueOf(name, folder->Properties, {}) : Variant{};
            return Return(v.Type() == VT_BSTR ? v : Variant::Bstr(DefaultFolderName(mKind)), result);
        }
        case 1: return Return(Variant::Bstr(HexText(store->RecordKey)), result);
        case 2: return ReturnObject(new ItemsObject(store, folder), result);
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        static constexpr const char16_t* kNames[] = {u"Name", u"StoreID", u"Items"};
        return IdIn(kNames, name);
    }

    std::shared_ptr<PstSource> mSource;
    PstFolderKind mKind;
};

class NamespaceObject final : public NamedObject {
public:
    explicit NamespaceObject(std::shared_ptr<PstSource> source) : mSource(std::move(source)) {}

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams& params, Variant* result) override
    {
        if (id != 0)
            return DISP_E_MEMBERNOTFOUND;
        const Variant* constant = Argument(params, 0);
        if (constant == nullptr)
            return DISP_E_BADPARAMCOUNT;
        if (constant->Type() != VT_I4)
            return DISP_E_TYPEMISMATCH;
        // Outlook's folder constants.
        std::optional<PstFolderKind> kind;
        switch (constant->AsI4()) {
        case 9: kind = PstFolderKind::Calendar; break;
        case 10: kind = PstFolderKind::Contacts; break;
        case 12: kind = PstFolderKind::Notes; break;
        case 13: kind = PstFolderKind::Tasks; break;
        default: return E_INVALIDARG;
        }
        return ReturnObject(new FolderObject(mSource, *kind), result);
    }

private:
    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        static constexpr const char16_t* kNames[] = {u"GetDefaultFolder"};
        return IdIn(kNames, name);
    }

    std::shared_ptr<PstSource> mSource;
};

class ApplicationObject final : public NamedObject {
public:
    explicit ApplicationObject(std::shared_ptr<PstSource> source) : mSource(std::move(source)) {}

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams& params, Variant* result) override
    {
        if (id != 0)
            return DISP_E_MEMBERNOTFOUND;
        const Variant* type = Argument(params, 0);
        if (type == nullptr)
            return DISP_E_BADPARAMCOUNT;
        if (type->Type() != VT_BSTR || !type->AsBstr() || !SameName(*type->AsBstr(), u"MAPI"))
            return E_INVALIDARG;
        return ReturnObject(new NamespaceObject(mSource), result);
    }

private:
    std::optional<DISPID> IdOf(std::u16string_view name) const override
    {
        static constexpr const char16_t* kNames[] = {u"GetNameSpace"};
        return IdIn(kNames, name);
    }

    std::shared_ptr<PstSource> mSource;
};

std::mutex gLock;
std::string gDataFile;
bool gRegistered = false;

}  // namespace

bool ConfigureStandInOutlook(const std::string& dataFile)
{
    std::lock_guard lock(gLock);
    if (gRegistered && dataFile == gDataFile)
        return false;
    const bool changed = gRegistered || !dataFile.empty();
    gDataFile = dataFile;
    gRegistered = !dataFile.empty();
    if (!gRegistered) {
        UnregisterClass(u"Outlook.Application");
        return changed;
    }
    // The file is read when a folder's items are first asked for, under the loading step's
    // wait window; only a file that is not there fails the start.
    RegisterClass(u"Outlook.Application", kOutlookClsid, [dataFile]() -> IUnknown* {
        std::error_code error;
        if (!std::filesystem::is_regular_file(dataFile, error)) {
            VL_LOG(CxDebugUtil::kError, kUnit, "The Outlook data file %s cannot be found.", dataFile.c_str());
            return nullptr;
        }
        return static_cast<IDispatch*>(new ApplicationObject(std::make_shared<PstSource>(dataFile)));
    });
    return true;
}

void SetStandInUi(platform::UiHost* ui)
{
    gUi = ui;
}

}  // namespace velmora::outlook::standin
