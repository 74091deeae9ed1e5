#pragma once

#include "Dispatch.h"

#include <cstdint>
#include <functional>
#include <string>

namespace velmora::outlook::dispatch {

using CLSID = std::uint32_t;

// Makes a new object of a registered class, with one reference for the caller; null when the
// class cannot make one now.
using ClassFactory = std::function<IUnknown*()>;

// The process's program-identifier table: which program identifier names which class, and how
// an object of the class is made. A class is registered by the code that serves it and removed
// again when it can no longer serve (as an application's registration goes with the
// application).
void RegisterClass(const std::u16string& progId, CLSID clsid, ClassFactory factory);
void UnregisterClass(const std::u16string& progId);

// The class identifier of a program identifier, or CO_E_CLASSSTRING for one that is not
// registered.
HRESULT CLSIDFromProgID(const std::u16string& progId, CLSID& clsid);
// Makes an object of class `clsid` and queries interface `iid` of it. REGDB_E_CLASSNOTREG for an
// unknown class or a context without a server bit; E_FAIL when the class's factory makes none.
HRESULT CoCreateInstance(CLSID clsid, std::uint32_t context, Iid iid, void** object);
// Puts an object into its running state: a no-op for our objects, E_INVALIDARG for null.
HRESULT OleRun(IUnknown* object);

}  // namespace velmora::outlook::dispatch
