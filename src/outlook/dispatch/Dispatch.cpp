#include "Dispatch.h"

namespace velmora::outlook::dispatch {

std::uint32_t DispatchObject::Release()
{
    const std::uint32_t left = --mReferences;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DispatchObject::QueryInterface(Iid iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    switch (iid) {
    case Iid::Unknown: *object = static_cast<IUnknown*>(this); break;
    case Iid::Dispatch: *object = static_cast<IDispatch*>(this); break;
    case Iid::Null: return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

}  // namespace velmora::outlook::dispatch
