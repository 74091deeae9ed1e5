#pragma once

#include "HResult.h"
#include "Variant.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace velmora::outlook::dispatch {

// Interface identifiers: only the two interfaces the automation layer asks for.
enum class Iid { Null, Unknown, Dispatch };

using DISPID = std::int32_t;

// A reference-counted object: every holder adds a reference and releases it when done.
class IUnknown {
public:
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;
    // Stores the object as interface `iid` with a reference added, or gives E_NOINTERFACE.
    virtual HRESULT QueryInterface(Iid iid, void** object) = 0;

protected:
    ~IUnknown() = default;
};

// An object whose members are found by name and called through one entry point.
class IDispatch : public IUnknown {
public:
    // The member id of `name` under `locale`, or DISP_E_UNKNOWNNAME.
    virtual HRESULT GetIDsOfNames(Iid iid, const std::u16string& name, LCID locale, DISPID& id) = 0;
    // Calls member `id` (a property get or a method, by `flags`) with `params`; the value goes to
    // `result`, which may be null.
    virtual HRESULT Invoke(DISPID id, Iid iid, LCID locale, std::uint16_t flags, const DispParams& params,
                           Variant* result) = 0;

protected:
    ~IDispatch() = default;
};

// The reference counting and interface query every automation object of ours shares; the object
// deletes itself when its last reference is released.
class DispatchObject : public IDispatch {
public:
    std::uint32_t AddRef() final { return ++mReferences; }
    std::uint32_t Release() final;
    HRESULT QueryInterface(Iid iid, void** object) final;

protected:
    DispatchObject() = default;
    virtual ~DispatchObject() = default;

private:
    std::atomic<std::uint32_t> mReferences{1};
};

// Owns one reference to an object and releases it when destroyed.
template <class T>
class Ref {
public:
    Ref() = default;
    // Takes over the reference `object` comes with.
    explicit Ref(T* object) : mObject(object) {}
    Ref(const Ref& other) : mObject(other.mObject)
    {
        if (mObject != nullptr)
            mObject->AddRef();
    }
    Ref& operator=(Ref other)
    {
        std::swap(mObject, other.mObject);
        return *this;
    }
    ~Ref()
    {
        if (mObject != nullptr)
            mObject->Release();
    }

    T* get() const { return mObject; }
    T* operator->() const { return mObject; }
    explicit operator bool() const { return mObject != nullptr; }

private:
    T* mObject = nullptr;
};

}  // namespace velmora::outlook::dispatch
