#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velmora::model {

// The storage behind every bounded text of the record model: one machine word. An empty text
// is all zero bits; up to six characters live inside the word; longer texts live in a heap block
// of exactly their size. A contact has about a hundred text members and most of them are empty
// or short, so a record costs a few hundred bytes instead of the kilobytes of fixed arrays.
// Texts are 8-bit Windows-1252 and never contain a NUL character.
class TextValue {
public:
    TextValue() noexcept = default;
    TextValue(const TextValue& other);
    TextValue(TextValue&& other) noexcept : mBytes(other.mBytes) { other.mBytes.fill(0); }
    TextValue& operator=(const TextValue& other);
    TextValue& operator=(TextValue&& other) noexcept
    {
        if (this != &other) {
            Release();
            mBytes = other.mBytes;
            other.mBytes.fill(0);
        }
        return *this;
    }
    // Inline, because a record holds a hundred texts and most of them have no block to free.
    ~TextValue() { Release(); }

    // Always NUL-terminated; "" when empty. Valid until the text changes or is destroyed.
    const char* c_str() const noexcept
    {
        if (IsInline())
            return reinterpret_cast<const char*>(mBytes.data() + 1);
        const char* block = HeapPointer();
        return block != nullptr ? block + kLengthBytes : "";
    }
    std::string_view view() const noexcept
    {
        if (IsInline())
            return {reinterpret_cast<const char*>(mBytes.data() + 1), static_cast<std::size_t>(mBytes[0] >> 1)};
        const char* block = HeapPointer();
        if (block == nullptr)
            return {};
        std::uint32_t length = 0;
        std::memcpy(&length, block, sizeof length);
        return {block + kLengthBytes, length};
    }
    std::size_t size() const noexcept { return view().size(); }
    bool empty() const noexcept { return Word() == 0; }

    friend bool operator==(const TextValue& a, const TextValue& b) noexcept { return a.view() == b.view(); }
    friend bool operator==(const TextValue& a, std::string_view b) noexcept { return a.view() == b; }

protected:
    // Keeps `value` up to its first NUL character and at most `maxLength` characters.
    void Store(std::string_view value, std::size_t maxLength);

private:
    static_assert(std::endian::native == std::endian::little, "the inline tag lives in the pointer's low byte");
    static constexpr std::size_t kInlineMax = 6;
    // A heap block holds the length (32 bits), the characters and a NUL, so that a view needs
    // no scan for the end.
    static constexpr std::size_t kLengthBytes = 4;

    // The first byte tells the forms apart: a heap pointer is at least 2-aligned, so its low
    // byte is even; an inline text stores (length << 1) | 1 there, the characters after it.
    bool IsInline() const noexcept { return (mBytes[0] & 1) != 0; }
    std::uint64_t Word() const noexcept
    {
        std::uint64_t word = 0;
        std::memcpy(&word, mBytes.data(), sizeof word);
        return word;
    }
    const char* HeapPointer() const noexcept
    {
        const char* pointer = nullptr;
        std::memcpy(&pointer, mBytes.data(), sizeof pointer);
        return pointer;
    }
    void Release() noexcept
    {
        if (!IsInline() && Word() != 0)
            FreeBlock();
        mBytes.fill(0);
    }
    void FreeBlock() noexcept;

    alignas(std::uint64_t) std::array<unsigned char, 8> mBytes{};
};

// A text member of capacity N bytes, as the stored files define it: at most N - 1 characters.
// Every assignment cuts a longer value to N - 1 characters; none is ever rejected.
template <std::size_t N>
class Text : public TextValue {
    static_assert(N >= 1);

public:
    static constexpr std::size_t Capacity = N;
    static constexpr std::size_t MaxLength = N - 1;

    Text() noexcept = default;
    Text(std::string_view value) { Store(value, MaxLength); }
    Text(const std::string& value) { Store(value, MaxLength); }
    Text(const char* value) { Store(value != nullptr ? std::string_view(value) : std::string_view(), MaxLength); }
    template <std::size_t M>
    Text(const Text<M>& other) { Store(other.view(), MaxLength); }

    Text& operator=(std::string_view value)
    {
        Store(value, MaxLength);
        return *this;
    }
    Text& operator=(const std::string& value) { return *this = std::string_view(value); }
    Text& operator=(const char* value) { return *this = (value != nullptr ? std::string_view(value) : std::string_view()); }
    template <std::size_t M>
    Text& operator=(const Text<M>& other)
    {
        Store(other.view(), MaxLength);
        return *this;
    }
};

// Copies `from` into `to` unless it is empty (always, with `copyEmpty`): how a merge keeps the
// stored value of a field the incoming record leaves empty.
template <std::size_t N, std::size_t M>
void CopyWhenGiven(Text<N>& to, const Text<M>& from, bool copyEmpty = false)
{
    if (copyEmpty || !from.empty())
        to = from;
}

}  // namespace velmora::model
