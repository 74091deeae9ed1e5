#include "OlBaseUtil.h"

#include "dispatch/ClassRegistry.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/AppDetection.h"

namespace velmora::outlook {
namespace {

using namespace dispatch;
using diagnostics::CxDebugUtil;

constexpr const char* kUnit = "OlComm";

unsigned Hex(HRESULT hr)
{
    return static_cast<unsigned>(hr);
}

std::int32_t InstalledVersionCode()
{
    std::string version;
    if (!platform::GetOutlookVersion(platform::Registry::FromEnvironment(), version))
        return 0;
    return OutlookVersionCodeOf(version);
}

}  // namespace

OlBaseUtil::~OlBaseUtil()
{
    LeaveSession();
}

bool OlBaseUtil::Connect()
{
    OutlookSession& session = TheOutlookSession();
    ++session.ConnectCount;
    mJoined = true;
    if (!session.Connected) {
        session.OutlookVersionCode = InstalledVersionCode();
        VL_LOG(CxDebugUtil::kInfo, kUnit, "Outlook automation started.");
        // Each step logs its success or its failing code; a failure leaves the session again.
        const auto fail = [this](const char* format, HRESULT hr) {
            VL_LOG(CxDebugUtil::kError, kUnit, format, Hex(hr));
            Disconnect();
            return false;
        };
        CLSID clsid = 0;
        HRESULT hr = CLSIDFromProgID(u"Outlook.Application", clsid);
        if (Failed(hr))
            return fail("Can not get the CLSID of Outlook.Application, hr=0x%08x", hr);
        VL_LOG(CxDebugUtil::kInfo, kUnit, "Get Outlook.Application CLSID succeeded.");
        void* made = nullptr;
        hr = CoCreateInstance(clsid, CLSCTX_SERVER, Iid::Unknown, &made);
        if (Failed(hr))
            return fail("Failed to execute CoCreateInstance, hr=0x%08x", hr);
        session.Unknown = Ref<IUnknown>(static_cast<IUnknown*>(made));
        VL_LOG(CxDebugUtil::kInfo, kUnit, "CoCreateInstance succeeded.");
        hr = OleRun(session.Unknown.get());
        if (Failed(hr))
            return fail("Failed to execute OleRun, hr=0x%08x", hr);
        VL_LOG(CxDebugUtil::kInfo, kUnit, "Microsoft Outlook started successfully.");
        void* application = nullptr;
        hr = session.Unknown->QueryInterface(Iid::Dispatch, &application);
        if (Failed(hr))
            return fail("Failed to query IDispatch interface of Outlook App, hr=0x%08x", hr);
        VL_LOG(CxDebugUtil::kInfo, kUnit, "Got Outlook IDispatch interface successfully.");
        auto* app = static_cast<IDispatch*>(application);
        session.Application = std::make_unique<CDispCmd>(app);
        app->Release();  // the wrapper holds its own reference
        const Variant mapi = Variant::Bstr(u"MAPI");
        Variant ns;
        hr = session.Application->CallMethod(u"GetNameSpace", &mapi, 1, &ns);
        if (Failed(hr) || ns.Type() != VT_DISPATCH || ns.AsDispatch() == nullptr)
            return fail("Failed to call Outlook.Application GetNameSpace method, hr=0x%08x", Failed(hr) ? hr : E_FAIL);
        VL_LOG(CxDebugUtil::kInfo, kUnit, "Get Outlook MAPI namespace object successfully.");
        session.Namespace = std::make_unique<CDispCmd>(ns.AsDispatch());
        session.Connected = true;
        VL_LOG(CxDebugUtil::kInfo, kUnit, "Outlook Automation Succeeded.");
    }
    mApplication = session.Application.get();
    mNamespace = session.Namespace.get();
    mConnected = true;
    return true;
}

void OlBaseUtil::Disconnect()
{
    LeaveSession();
}

void OlBaseUtil::LeaveSession()
{
    mApplication = nullptr;
    mNamespace = nullptr;
    mConnected = false;
    // A reader leaves only the session it joined, once: a failed connection followed by the
    // disconnection at destruction must not end the session other readers still use.
    if (!mJoined)
        return;
    mJoined = false;
    OutlookSession& session = TheOutlookSession();
    if (session.ConnectCount == 0)
        return;
    if (--session.ConnectCount == 0)
        session.Reset();
}

bool OlBaseUtil::ConnectFolder(OlDefaultFolder folder, const char* folderLog)
{
    if (!OlBaseUtil::Connect())
        return false;
    const Variant constant = Variant::I4(static_cast<std::int32_t>(folder));
    Variant result;
    const HRESULT hr = mNamespace->CallMethod(u"GetDefaultFolder", &constant, 1, &result);
    if (Failed(hr) || result.Type() != VT_DISPATCH || result.AsDispatch() == nullptr) {
        if (folderLog != nullptr)
            VL_LOG(CxDebugUtil::kError, folderLog, "Failed to call \"GetDefaultFolder\" method. hr=0x%x",
                   Hex(Failed(hr) ? hr : E_FAIL));
        Disconnect();
        return false;
    }
    if (folderLog != nullptr)
        VL_LOG(CxDebugUtil::kInfo, folderLog, "Get Outlook Calendar root folder successfully.");
    Folder = std::make_unique<CDispCmd>(result.AsDispatch());
    mConnected = true;
    return true;
}

bool OlBaseUtil::WalkItems(const WalkTexts& texts, const ItemReader& readItem)
{
    if (!Folder)
        return false;
    CDispCmd folder(Folder->Dispatch());
    model::Text<31> name;
    HRESULT hr = folder.GetString(u"Name", name);
    if (Succeeded(hr))
        VL_LOG(CxDebugUtil::kInfo, texts.Unit, texts.NameRead, name.c_str());
    else
        VL_LOG(CxDebugUtil::kError, texts.Unit, texts.NameFailed, Hex(hr));
    model::Text<1023> storeId;
    if (texts.StoreRead != nullptr) {
        hr = folder.GetString(u"StoreID", storeId);
        if (Succeeded(hr))
            VL_LOG(CxDebugUtil::kInfo, texts.Unit, texts.StoreRead, storeId.c_str());
        else
            VL_LOG(CxDebugUtil::kError, texts.Unit, texts.StoreFailed, Hex(hr));
    }
    IDispatch* itemsObject = nullptr;
    hr = folder.GetDispatch(u"Items", &itemsObject);
    if (Failed(hr) || itemsObject == nullptr) {
        if (texts.ItemsFailedHasCode)
            VL_LOG(CxDebugUtil::kError, texts.Unit, texts.ItemsFailed, Hex(Failed(hr) ? hr : E_FAIL));
        else
            VL_LOG(CxDebugUtil::kError, texts.Unit, "%s", texts.ItemsFailed);
        return false;
    }
    CDispCmd items(itemsObject);
    itemsObject->Release();  // the wrapper holds its own reference
    const std::string folderName(name.view());
    const std::string store(storeId.view());
    const char16_t* next = u"GetFirst";
    for (;;) {
        Variant item;
        hr = items.CallMethod(next, nullptr, 0, &item);
        if (Failed(hr) || item.Type() != VT_DISPATCH || item.AsDispatch() == nullptr)
            break;
        CDispCmd itemCmd(item.AsDispatch());
        readItem(itemCmd, item.AsDispatch(), folderName, store);
        next = u"GetNext";
    }
    return true;
}

}  // namespace velmora::outlook
