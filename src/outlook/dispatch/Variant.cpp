#include "Variant.h"

#include "Dispatch.h"

#include <utility>

namespace velmora::outlook::dispatch {

Variant::Variant(const Variant& other)
    : mType(other.mType), mInteger(other.mInteger), mDouble(other.mDouble), mString(other.mString),
      mNullString(other.mNullString), mDispatch(other.mDispatch), mByRef(other.mByRef)
{
    if (mDispatch != nullptr)
        mDispatch->AddRef();
}

Variant& Variant::operator=(const Variant& other)
{
    if (this != &other) {
        if (other.mDispatch != nullptr)
            other.mDispatch->AddRef();  // before ours is released: it may be the same object
        Clear();
        mType = other.mType;
        mInteger = other.mInteger;
        mDouble = other.mDouble;
        mString = other.mString;
        mNullString = other.mNullString;
        mDispatch = other.mDispatch;
        mByRef = other.mByRef;
    }
    return *this;
}

Variant Variant::I2(std::int16_t value)
{
    Variant v;
    v.mType = VT_I2;
    v.mInteger = value;
    return v;
}

Variant Variant::I4(std::int32_t value)
{
    Variant v;
    v.mType = VT_I4;
    v.mInteger = value;
    return v;
}

Variant Variant::R8(double value)
{
    Variant v;
    v.mType = VT_R8;
    v.mDouble = value;
    return v;
}

Variant Variant::Bool(bool value)
{
    Variant v;
    v.mType = VT_BOOL;
    v.mInteger = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Date(double value)
{
    Variant v;
    v.mType = VT_DATE;
    v.mDouble = value;
    return v;
}

Variant Variant::Bstr(std::u16string value)
{
    Variant v;
    v.mType = VT_BSTR;
    v.mString = std::move(value);
    return v;
}

Variant Variant::NullBstr()
{
    Variant v;
    v.mType = VT_BSTR;
    v.mNullString = true;
    return v;
}

Variant Variant::Dispatch(IDispatch* object)
{
    Variant v;
    v.mType = VT_DISPATCH;
    v.mDispatch = object;
    if (object != nullptr)
        object->AddRef();
    return v;
}

Variant Variant::ByRef(Variant* target)
{
    Variant v;
    v.mType = static_cast<VarType>(VT_VARIANT | VT_BYREF);
    v.mByRef = target;
    return v;
}

void Variant::Clear()
{
    if (mDispatch != nullptr)
        std::exchange(mDispatch, nullptr)->Release();
    mType = VT_EMPTY;
    mInteger = 0;
    mDouble = 0;
    mString.clear();
    mNullString = false;
    mByRef = nullptr;
}

IDispatch* Variant::DetachDispatch()
{
    IDispatch* object = std::exchange(mDispatch, nullptr);
    Clear();
    return object;
}

}  // namespace velmora::outlook::dispatch
