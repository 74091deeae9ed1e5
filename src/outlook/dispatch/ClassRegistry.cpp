#include "ClassRegistry.h"

#include <map>
#include <mutex>

namespace velmora::outlook::dispatch {
namespace {

struct ClassEntry {
    CLSID Clsid = 0;
    ClassFactory Factory;
};

struct Table {
    std::mutex Lock;
    std::map<std::u16string, ClassEntry> Classes;  // by program identifier
};

Table& Classes()
{
    static Table table;
    return table;
}

}  // namespace

void RegisterClass(const std::u16string& progId, CLSID clsid, ClassFactory factory)
{
    Table& t = Classes();
    std::lock_guard lock(t.Lock);
    t.Classes[progId] = ClassEntry{clsid, std::move(factory)};
}

void UnregisterClass(const std::u16string& progId)
{
    Table& t = Classes();
    std::lock_guard lock(t.Lock);
    t.Classes.erase(progId);
}

HRESULT CLSIDFromProgID(const std::u16string& progId, CLSID& clsid)
{
    Table& t = Classes();
    std::lock_guard lock(t.Lock);
    const auto found = t.Classes.find(progId);
    if (found == t.Classes.end())
        return CO_E_CLASSSTRING;
    clsid = found->second.Clsid;
    return S_OK;
}

HRESULT CoCreateInstance(CLSID clsid, std::uint32_t context, Iid iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    ClassFactory factory;
    {
        Table& t = Classes();
        std::lock_guard lock(t.Lock);
        for (const auto& [progId, entry] : t.Classes)
            if (entry.Clsid == clsid)
                factory = entry.Factory;
    }
    if (!factory || (context & CLSCTX_SERVER) == 0)
        return REGDB_E_CLASSNOTREG;
    // The factory may take long (a server reading its data); it runs without the table's lock.
    IUnknown* made = factory();
    if (made == nullptr)
        return E_FAIL;
    const HRESULT hr = made->QueryInterface(iid, object);
    made->Release();
    return hr;
}

HRESULT OleRun(IUnknown* object)
{
    return object != nullptr ? S_OK : E_INVALIDARG;
}

}  // namespace velmora::outlook::dispatch
