#pragma once

#include <cstdint>

namespace velmora::outlook::dispatch {

// The 32-bit status codes of automation calls, with the values Windows gives them: negative
// codes are failures, 0 and other non-negative codes success.
using HRESULT = std::int32_t;

constexpr HRESULT Code(std::uint32_t value) { return static_cast<HRESULT>(value); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = Code(0x80004001);
constexpr HRESULT E_NOINTERFACE = Code(0x80004002);
constexpr HRESULT E_POINTER = Code(0x80004003);
constexpr HRESULT E_FAIL = Code(0x80004005);
constexpr HRESULT E_INVALIDARG = Code(0x80070057);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = Code(0x80020003);
constexpr HRESULT DISP_E_TYPEMISMATCH = Code(0x80020005);
constexpr HRESULT DISP_E_UNKNOWNNAME = Code(0x80020006);
constexpr HRESULT DISP_E_BADPARAMCOUNT = Code(0x8002000E);
constexpr HRESULT REGDB_E_CLASSNOTREG = Code(0x80040154);
constexpr HRESULT CO_E_CLASSSTRING = Code(0x800401F3);

constexpr bool Succeeded(HRESULT hr) { return hr >= 0; }
constexpr bool Failed(HRESULT hr) { return hr < 0; }

// Locales of the name lookup.
using LCID = std::uint32_t;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_EN_US = 0x0409;

// What an Invoke call asks for.
constexpr std::uint16_t DISPATCH_METHOD = 1;
constexpr std::uint16_t DISPATCH_PROPERTYGET = 2;

// Class contexts of object creation.
constexpr std::uint32_t CLSCTX_INPROC_SERVER = 1;
constexpr std::uint32_t CLSCTX_LOCAL_SERVER = 4;
constexpr std::uint32_t CLSCTX_REMOTE_SERVER = 16;
constexpr std::uint32_t CLSCTX_SERVER = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

}  // namespace velmora::outlook::dispatch
