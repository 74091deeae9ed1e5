#pragma once

#include "CDispCmd.h"
#include "OutlookSession.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace velmora::outlook {

// Outlook's folder constants of the default folders the readers open.
enum class OlDefaultFolder : std::int32_t { Calendar = 9, Contacts = 10, Notes = 12, Tasks = 13 };

// The log texts of one reader's folder walk.
struct WalkTexts {
    const char* Unit;
    const char* NameRead;     // %s: the folder's name
    const char* NameFailed;   // %x: the code
    const char* StoreRead;    // null for readers that do not read the store identifier
    const char* StoreFailed;
    const char* ItemsFailed;  // %x: the code, unless ItemsFailedHasCode is false
    bool ItemsFailedHasCode = true;
};

// The base of the four Outlook readers: joins or starts the process's automation session with
// Outlook, opens the reader's default folder, and walks the folder's items. A reader whose
// connection failed stays without a folder, and its loads fail.
class OlBaseUtil {
public:
    OlBaseUtil(const OlBaseUtil&) = delete;
    OlBaseUtil& operator=(const OlBaseUtil&) = delete;
    virtual ~OlBaseUtil();

    // Reads the whole default folder into the reader's manager.
    virtual bool Load() = 0;
    virtual void Clear() = 0;
    virtual bool Connect();
    virtual void Disconnect();

    bool IsConnected() const { return mConnected; }

protected:
    OlBaseUtil() = default;

    // The derived reader's connection: the session, then the default folder. `folderLog` (the
    // calendar reader's unit) writes the folder's entries; null writes none.
    bool ConnectFolder(OlDefaultFolder folder, const char* folderLog);

    // Per item: the item, its own reference, the folder's name and store identifier.
    using ItemReader = std::function<void(CDispCmd& item, dispatch::IDispatch* object, const std::string& folderName,
                                          const std::string& storeId)>;
    // The item walk over `Folder`; false without a folder or without its items.
    bool WalkItems(const WalkTexts& texts, const ItemReader& readItem);

    std::unique_ptr<CDispCmd> Folder;

private:
    void LeaveSession();

    CDispCmd* mApplication = nullptr;  // borrowed from the session
    CDispCmd* mNamespace = nullptr;
    bool mConnected = false;
    bool mJoined = false;  // this reader counts in the session's ConnectCount
};

// A reader of one default folder into a common manager: `Raw` is the reader's own record,
// `Manager` the manager of the common records. The derived reader reads one item into a raw
// record and converts a raw record.
template <class Raw, class Manager>
class OlReader : public OlBaseUtil {
public:
    ~OlReader() override { Term(); }

    bool Load() override
    {
        Clear();
        if (!Folder)
            return false;
        return WalkItems(Texts(), [this](CDispCmd& item, dispatch::IDispatch* object, const std::string& folderName,
                                         const std::string& storeId) {
            Raw raw{};
            raw.FolderName = folderName;
            if constexpr (requires { raw.StoreId; })
                raw.StoreId = storeId;
            ReadItem(item, raw);
            object->AddRef();
            raw.Item = dispatch::Ref<dispatch::IDispatch>(object);
            auto record = Convert(raw);
            record.SourceType = 3;
            record.SourceData.Own(std::move(raw));
            mManager->Add(std::move(record));
        });
    }

    void Clear() override
    {
        if (mManager)
            mManager->Clear();
    }

    bool Connect() override { return ConnectFolder(mFolder, mFolderLog); }

    void Disconnect() override
    {
        Folder.reset();
        OlBaseUtil::Disconnect();
    }

    Manager& GetManager() { return *mManager; }

protected:
    OlReader(OlDefaultFolder folder, const char* folderLog = nullptr) : mFolder(folder), mFolderLog(folderLog) {}

    // Called by the derived reader's constructor, once the reader is complete.
    void Init()
    {
        mManager = std::make_unique<Manager>();
        Folder.reset();
        Connect();
    }

    void Term()
    {
        Clear();
        mManager.reset();
        Disconnect();
    }

    virtual const WalkTexts& Texts() const = 0;
    virtual void ReadItem(CDispCmd& item, Raw& raw) = 0;
    virtual typename Manager::Record Convert(const Raw& raw) const = 0;

private:
    OlDefaultFolder mFolder;
    const char* mFolderLog;
    std::unique_ptr<Manager> mManager;
};

}  // namespace velmora::outlook
