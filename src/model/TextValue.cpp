#include "TextValue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace velmora::model {

void TextValue::FreeBlock() noexcept
{
    std::free(const_cast<char*>(HeapPointer()));
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
    auto* block = static_cast<char*>(std::malloc(kLengthBytes + value.size() + 1));
    if (block == nullptr)
        throw std::bad_alloc();
    const auto length = static_cast<std::uint32_t>(value.size());
    std::memcpy(block, &length, sizeof length);
    std::memcpy(block + kLengthBytes, value.data(), value.size());
    block[kLengthBytes + value.size()] = '\0';
    Release();
    std::memcpy(mBytes.data(), &block, sizeof block);
}

TextValue::TextValue(const TextValue& other)
{
    const std::string_view text = other.view();
    Store(text, text.size());
}

TextValue& TextValue::operator=(const TextValue& other)
{
    if (this != &other) {
        const std::string_view text = other.view();
        Store(text, text.size());
    }
    return *this;
}

}  // namespace velmora::model
