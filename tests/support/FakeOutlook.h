#pragma once

#include "outlook/OutlookSession.h"
#include "outlook/dispatch/ClassRegistry.h"
#include "outlook/dispatch/Dispatch.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora::testing {

using namespace outlook::dispatch;

// An automation object answering by name: properties hold a value, methods run a function.
// Names in EnglishOnly are known under locale 0x0409 only, as on a system whose own locale
// Outlook does not know.
class FakeObject : public DispatchObject {
public:
    using Method = std::function<HRESULT(const DispParams&, Variant*)>;

    std::map<std::u16string, Variant> Properties;
    std::map<std::u16string, Method> Methods;
    std::set<std::u16string> EnglishOnly;

    HRESULT GetIDsOfNames(Iid, const std::u16string& name, LCID locale, DISPID& id) override
    {
        if (EnglishOnly.count(name) != 0 && locale != LOCALE_EN_US)
            return DISP_E_UNKNOWNNAME;
        mNames.push_back(name);
        if (Properties.count(name) == 0 && Methods.count(name) == 0)
            return DISP_E_UNKNOWNNAME;
        id = static_cast<DISPID>(mNames.size() - 1);
        return S_OK;
    }

    HRESULT Invoke(DISPID id, Iid, LCID, std::uint16_t, const DispParams& params, Variant* result) override
    {
        const std::u16string& name = mNames.at(static_cast<std::size_t>(id));
        if (const auto m = Methods.find(name); m != Methods.end())
            return m->second(params, result);
        *result = Properties.at(name);
        return S_OK;
    }

private:
    std::vector<std::u16string> mNames;
};

inline Ref<FakeObject> NewFake()
{
    return Ref<FakeObject>(new FakeObject);
}

// The method returns `object` as VT_DISPATCH.
inline FakeObject::Method Returning(const Ref<FakeObject>& object)
{
    return [object](const DispParams&, Variant* result) {
        *result = Variant::Dispatch(object.get());
        return S_OK;
    };
}

// A fake Outlook registered as "Outlook.Application" while it lives: default folders by their
// constant, each a name and its items. Leaves the process's Outlook session as it found it.
class FakeOutlook {
public:
    struct Folder {
        std::u16string Name = u"Folder";
        std::vector<Ref<FakeObject>> Items;
    };

    std::map<std::int32_t, Folder> Folders;
    int Created = 0;  // application objects made

    FakeOutlook()
    {
        RegisterClass(u"Outlook.Application", 42, [this]() -> IUnknown* {
            ++Created;
            return static_cast<IDispatch*>(MakeApplication());
        });
    }
    ~FakeOutlook()
    {
        UnregisterClass(u"Outlook.Application");
        outlook::TheOutlookSession().Reset();
    }
    FakeOutlook(const FakeOutlook&) = delete;
    FakeOutlook& operator=(const FakeOutlook&) = delete;

private:
    FakeObject* MakeApplication()
    {
        auto* app = new FakeObject;
        Ref<FakeObject> ns = NewFake();
        ns->Methods[u"GetDefaultFolder"] = [this](const DispParams& p, Variant* result) {
            const auto found = Folders.find(p.Args[0].AsI4());
            if (found == Folders.end())
                return E_FAIL;
            *result = Variant::Dispatch(MakeFolder(found->second).get());
            return S_OK;
        };
        app->Methods[u"GetNameSpace"] = Returning(ns);
        return app;
    }

    static Ref<FakeObject> MakeFolder(const Folder& folder)
    {
        Ref<FakeObject> f = NewFake();
        f->Properties[u"Name"] = Variant::Bstr(folder.Name);
        f->Properties[u"StoreID"] = Variant::Bstr(u"0000STORE");
        Ref<FakeObject> items = NewFake();
        auto cursor = std::make_shared<std::size_t>(0);
        const auto at = [list = folder.Items, cursor](Variant* result) {
            *result = *cursor < list.size() ? Variant::Dispatch(list[*cursor].get()) : Variant::Dispatch(nullptr);
            return S_OK;
        };
        items->Methods[u"GetFirst"] = [at, cursor](const DispParams&, Variant* result) {
            *cursor = 0;
            return at(result);
        };
        items->Methods[u"GetNext"] = [at, cursor](const DispParams&, Variant* result) {
            ++*cursor;
            return at(result);
        };
        f->Properties[u"Items"] = Variant::Dispatch(items.get());
        return f;
    }
};

}  // namespace velmora::testing
