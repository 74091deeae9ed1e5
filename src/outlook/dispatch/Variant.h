#pragma once

#include <cstdint>
#include <string>

namespace velmora::outlook::dispatch {

class IDispatch;

// The variant types automation values come in.
enum VarType : std::uint16_t {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_BYREF = 0x4000,
};

constexpr std::int16_t VARIANT_TRUE = -1;
constexpr std::int16_t VARIANT_FALSE = 0;

// One automation value. A string is UTF-16 and may be null (no string at all, which differs
// from an empty one); a dispatch value holds a reference of its own, released by Clear; a
// by-reference variant points at a value owned by the caller.
class Variant {
public:
    Variant() = default;
    Variant(const Variant& other);
    Variant& operator=(const Variant& other);
    ~Variant() { Clear(); }

    static Variant I2(std::int16_t value);
    static Variant I4(std::int32_t value);
    static Variant R8(double value);
    static Variant Bool(bool value);
    static Variant Date(double value);
    static Variant Bstr(std::u16string value);
    static Variant NullBstr();
    // Adds a reference to `object` (which may be null).
    static Variant Dispatch(IDispatch* object);
    static Variant ByRef(Variant* target);

    VarType Type() const { return mType; }
    std::int16_t AsI2() const { return static_cast<std::int16_t>(mInteger); }
    std::int32_t AsI4() const { return mInteger; }
    std::int16_t AsBool() const { return static_cast<std::int16_t>(mInteger); }
    double AsDouble() const { return mDouble; }  // VT_R8 and VT_DATE
    // The string of a VT_BSTR value; null for a null string and for other types.
    const std::u16string* AsBstr() const { return mType == VT_BSTR && !mNullString ? &mString : nullptr; }
    IDispatch* AsDispatch() const { return mDispatch; }
    Variant* AsByRef() const { return mByRef; }

    // Releases what the value holds and makes it VT_EMPTY.
    void Clear();
    // Hands the held dispatch reference to the caller and makes the value VT_EMPTY.
    IDispatch* DetachDispatch();

private:
    VarType mType = VT_EMPTY;
    std::int32_t mInteger = 0;
    double mDouble = 0;
    std::u16string mString;
    bool mNullString = false;
    IDispatch* mDispatch = nullptr;
    Variant* mByRef = nullptr;
};

// The arguments of one call, in order (the first argument first).
struct DispParams {
    const Variant* Args = nullptr;
    std::uint32_t Count = 0;
};

}  // namespace velmora::outlook::dispatch
