#include "CDispCmd.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <cstring>

namespace velmora::outlook {

using namespace dispatch;

CDispCmd::CDispCmd(IDispatch* object) : mObject(object)
{
    if (mObject != nullptr)
        mObject->AddRef();
}

CDispCmd::~CDispCmd()
{
    if (mObject != nullptr)
        mObject->Release();
}

HRESULT CDispCmd::Invoke(const char16_t* name, std::uint16_t flags, const DispParams& params, Variant* result)
{
    if (mObject == nullptr || name == nullptr || *name == u'\0')
        return E_INVALIDARG;
    DISPID id = 0;
    HRESULT hr = mObject->GetIDsOfNames(Iid::Null, name, LOCALE_SYSTEM_DEFAULT, id);
    if (hr == DISP_E_UNKNOWNNAME) {
        hr = mObject->GetIDsOfNames(Iid::Null, name, LOCALE_EN_US, id);
        if (Failed(hr)) {
            VL_LOG(diagnostics::CxDebugUtil::kError, "DispCmd", "Failed to call IDispatch->GetIDsOfNames, Name=%s, hr=0x%08x",
                   platform::ToNarrow(name).c_str(), static_cast<unsigned>(hr));
            return hr;
        }
    } else if (Failed(hr)) {
        return hr;
    }
    return mObject->Invoke(id, Iid::Null, LOCALE_SYSTEM_DEFAULT, flags, params, result);
}

HRESULT CDispCmd::CallMethod(const char16_t* name, const Variant* args, std::uint32_t count, Variant* result,
                             std::uint16_t flags)
{
    return Invoke(name, flags, DispParams{args, count}, result);
}

HRESULT CDispCmd::GetProperty(const char16_t* name, Variant& result)
{
    return Invoke(name, DISPATCH_PROPERTYGET, DispParams{}, &result);
}

HRESULT CDispCmd::FetchString(const char16_t* name, std::string& value)
{
    Variant v;
    const HRESULT hr = GetProperty(name, v);
    if (Failed(hr))
        return hr;
    if (v.Type() != VT_BSTR)
        return S_FALSE;
    value = v.AsBstr() != nullptr ? platform::ToNarrow(*v.AsBstr()) : std::string();
    return S_OK;
}

HRESULT CDispCmd::GetString(const char16_t* name, char* buffer, std::size_t size)
{
    if (buffer == nullptr || size == 0)
        return S_FALSE;
    std::string value;
    const HRESULT hr = FetchString(name, value);
    if (hr != S_OK)
        return hr;
    const std::size_t kept = std::min(value.size(), size - 1);
    std::memcpy(buffer, value.data(), kept);
    buffer[kept] = '\0';
    buffer[size - 1] = '\0';
    return S_OK;
}

namespace {

// Calls the property get and hands a value of type `type` to `take`.
template <class Take>
HRESULT Typed(CDispCmd& cmd, const char16_t* name, VarType type, Take take)
{
    Variant v;
    const HRESULT hr = cmd.GetProperty(name, v);
    if (Failed(hr))
        return hr;
    if (v.Type() != type)
        return S_FALSE;
    take(v);
    return S_OK;
}

}  // namespace

HRESULT CDispCmd::GetLong(const char16_t* name, std::int32_t& value)
{
    return Typed(*this, name, VT_I4, [&](const Variant& v) { value = v.AsI4(); });
}

HRESULT CDispCmd::GetBool(const char16_t* name, std::int32_t& value)
{
    return Typed(*this, name, VT_BOOL, [&](const Variant& v) { value = v.AsBool() != 0 ? 1 : 0; });
}

HRESULT CDispCmd::GetDate(const char16_t* name, double& value)
{
    return Typed(*this, name, VT_DATE, [&](const Variant& v) { value = v.AsDouble(); });
}

HRESULT CDispCmd::GetDispatch(const char16_t* name, IDispatch** object)
{
    if (object == nullptr)
        return S_FALSE;
    *object = nullptr;
    return Typed(*this, name, VT_DISPATCH, [&](Variant& v) { *object = v.DetachDispatch(); });
}

}  // namespace velmora::outlook
