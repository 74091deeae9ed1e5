#pragma once

#include "dispatch/Dispatch.h"
#include "model/TextValue.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora::outlook {

// Named calls on one automation object, with typed results. Holds one reference to the object
// (a null object makes every call fail). Every call returns a status: negative = the failing
// code of the automation call, 0 = done, 1 = the call succeeded but its value has another type
// than asked for (the output is then left as it was) or there was no output to fill. No getter
// converts between types.
class CDispCmd {
public:
    explicit CDispCmd(dispatch::IDispatch* object);
    CDispCmd(const CDispCmd&) = delete;
    CDispCmd& operator=(const CDispCmd&) = delete;
    ~CDispCmd();

    // Looks `name` up under the system locale, then, when that locale does not know it, under
    // English (United States), and calls it.
    dispatch::HRESULT Invoke(const char16_t* name, std::uint16_t flags, const dispatch::DispParams& params,
                             dispatch::Variant* result);
    dispatch::HRESULT CallMethod(const char16_t* name, const dispatch::Variant* args, std::uint32_t count,
                                 dispatch::Variant* result, std::uint16_t flags = dispatch::DISPATCH_METHOD);
    dispatch::HRESULT GetProperty(const char16_t* name, dispatch::Variant& result);

    // A VT_BSTR property converted to Windows-1252 into `buffer`, whose last byte is always NUL:
    // at most size - 1 characters are kept; a null string gives an empty text.
    dispatch::HRESULT GetString(const char16_t* name, char* buffer, std::size_t size);
    // The same into a bounded text, cut to its capacity.
    template <std::size_t N>
    dispatch::HRESULT GetString(const char16_t* name, model::Text<N>& text)
    {
        std::string value;
        const dispatch::HRESULT hr = FetchString(name, value);
        if (hr == dispatch::S_OK)
            text = value;
        return hr;
    }
    dispatch::HRESULT GetLong(const char16_t* name, std::int32_t& value);
    // Stores 1 for any non-zero VT_BOOL, else 0.
    dispatch::HRESULT GetBool(const char16_t* name, std::int32_t& value);
    dispatch::HRESULT GetDate(const char16_t* name, double& value);
    // Sets `object` to null, then to the returned object, whose reference passes to the caller.
    dispatch::HRESULT GetDispatch(const char16_t* name, dispatch::IDispatch** object);

    dispatch::IDispatch* Dispatch() const { return mObject; }

private:
    // 0 with the converted text for a VT_BSTR property, 1 for another type, else the failure.
    dispatch::HRESULT FetchString(const char16_t* name, std::string& value);

    dispatch::IDispatch* mObject = nullptr;
};

}  // namespace velmora::outlook
