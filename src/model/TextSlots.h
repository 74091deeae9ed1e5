#pragma once

#include "TextValue.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

namespace velmora::model {

// A fixed row of `Count` texts of capacity N that takes one pointer until one of them is set:
// most contacts leave their custom fields empty, and a hundred thousand contacts would otherwise
// carry megabytes of empty slots. Texts are set through Set, so that reading never makes room.
template <std::size_t Count, std::size_t N>
class TextSlots {
public:
    TextSlots() = default;
    TextSlots(const TextSlots& other) : mTexts(other.mTexts ? std::make_unique<Texts>(*other.mTexts) : nullptr) {}
    TextSlots(TextSlots&&) noexcept = default;
    TextSlots& operator=(const TextSlots& other)
    {
        if (this != &other)
            mTexts = other.mTexts ? std::make_unique<Texts>(*other.mTexts) : nullptr;
        return *this;
    }
    TextSlots& operator=(TextSlots&&) noexcept = default;
    ~TextSlots() = default;

    static constexpr std::size_t size() { return Count; }

    // The empty text for a slot never set.
    const Text<N>& operator[](std::size_t slot) const { return mTexts ? mTexts->at(slot) : EmptyText(); }

    // Cuts the value like any Text<N>; an empty value makes no room.
    void Set(std::size_t slot, std::string_view value)
    {
        if (!mTexts) {
            if (value.empty())
                return;
            mTexts = std::make_unique<Texts>();
        }
        mTexts->at(slot) = value;
    }

private:
    using Texts = std::array<Text<N>, Count>;

    static const Text<N>& EmptyText()
    {
        static const Text<N> empty;
        return empty;
    }

    std::unique_ptr<Texts> mTexts;
};

// CopyWhenGiven for one slot of a row.
template <std::size_t Count, std::size_t N>
void CopyWhenGiven(TextSlots<Count, N>& to, const TextSlots<Count, N>& from, std::size_t slot, bool copyEmpty = false)
{
    if (copyEmpty || !from[slot].empty())
        to.Set(slot, from[slot].view());
}

}  // namespace velmora::model
