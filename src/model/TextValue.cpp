#include "TextValue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace velmora::model {

std::uint64_t TextValue::Word() const noexcept
{
    std::uint64_t word = 0;
    std::memcpy(&word, mBytes.data(), sizeof word);
    return word;
}

const char* TextValue::HeapPointer() const noexcept
{
    const char* pointer = nullptr;
    std::memcpy(&pointer, mBytes.data(), sizeof pointer);
    return pointer;
}

const char* TextValue::c_str() const noexcept
{
    if (IsInline())
        return reinterpret_cast<const char*>(mBytes.data() + 1);
    const char* pointer = HeapPointer();
    return pointer != nullptr ? pointer : "";
}

std::string_view TextValue::view() const noexcept
{
    if (IsInline())
        return {reinterpret_cast<const char*>(mBytes.data() + 1), static_cast<std::size_t>(mBytes[0] >> 1)};
    const char* pointer = HeapPointer();
    return pointer != nullptr ? std::string_view(pointer) : std::string_view();
}

void TextValue::Release() noexcept
{
    if (!IsInline())
        std::free(const_cast<char*>(HeapPointer()));
    mBytes.fill(0);
}

void TextValue::Store(std::string_view value, std::size_t maxLength)
{
    value = value.substr(0, std::min({value.find('\0'), value.size(), maxLength}));
    if (value == view())
        return;
    if (value.size() <= kInlineMax) {
        // The value may be a piece of this very text: take it before releasing the storage.
        std::array<unsigned char, 8> bytes{};
        if (!value.empty()) {
            bytes[0] = static_cast<unsigned char>((value.size() << 1) | 1);
            std::memcpy(bytes.data() + 1, value.data(), value.size());
        }
        Release();
        mBytes = bytes;
        return;
    }
    // malloc aligns to 16 bytes, which keeps the pointer's low bit clear for the tag.
    auto* block = static_cast<char*>(std::malloc(value.size() + 1));
    if (block == nullptr)
        throw std::bad_alloc();
    std::memcpy(block, value.data(), value.size());
    block[value.size()] = '\0';
    Release();
    std::memcpy(mBytes.data(), &block, sizeof block);
}

TextValue::TextValue(const TextValue& other)
{
    Store(other.view(), other.size());
}

TextValue::TextValue(TextValue&& other) noexcept : mBytes(other.mBytes)
{
    other.mBytes.fill(0);
}

TextValue& TextValue::operator=(const TextValue& other)
{
    if (this != &other)
        Store(other.view(), other.size());
    return *this;
}

TextValue& TextValue::operator=(TextValue&& other) noexcept
{
    if (this != &other) {
        Release();
        mBytes = other.mBytes;
        other.mBytes.fill(0);
    }
    return *this;
}

TextValue::~TextValue()
{
    Release();
}

}  // namespace velmora::model
