#include "TextCompare.h"

#include "platform/AsciiCase.h"
#include "platform/LineBreak.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

namespace velmora::model {
namespace {

using platform::UpperAscii;

bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
}

constexpr std::uint64_t kEachByte = 0x0101010101010101ULL;

// The eight characters of a word with their ASCII small letters made capitals: a byte's low
// seven bits reach the high bit when at least 'a', and again when past 'z'; bytes with the high
// bit set are no ASCII letters.
std::uint64_t UpperAsciiWord(std::uint64_t word)
{
    const std::uint64_t low7 = word & (0x7F * kEachByte);
    const std::uint64_t fromA = low7 + (0x80 - 'a') * kEachByte;
    const std::uint64_t pastZ = low7 + (0x80 - 'z' - 1) * kEachByte;
    const std::uint64_t small = fromA & ~pastZ & ~word & (0x80 * kEachByte);
    return word ^ (small >> 2);  // 0x80 >> 2 is the case bit 0x20
}

}  // namespace

bool TextRuleEqual(std::string_view a, std::string_view b, bool caseSensitive)
{
    // Most compared texts are the very same bytes on both sides.
    if (a == b)
        return true;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        while (i < a.size() && IsBreak(a[i]))
            ++i;
        while (j < b.size() && IsBreak(b[j]))
            ++j;
        const bool aEnded = i == a.size(), bEnded = j == b.size();
        if (aEnded || bEnded)
            return aEnded && bEnded;
        const char x = caseSensitive ? a[i] : UpperAscii(a[i]);
        const char y = caseSensitive ? b[j] : UpperAscii(b[j]);
        if (x != y)
            return false;
        ++i;
        ++j;
    }
    return i == a.size() && j == b.size();
}

bool EqualNoCase(std::string_view a, std::string_view b, std::size_t maxLength)
{
    a = a.substr(0, std::min(a.size(), maxLength));
    b = b.substr(0, std::min(b.size(), maxLength));
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i]))
            return false;
    }
    return true;
}

void FieldHasher::Characters(std::string_view text, bool caseSensitive)
{
    std::size_t i = 0;
    for (; text.size() - i >= 8; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, sizeof word);
        // The rotation carries the product's well-mixed high bits down into the next word's.
        mState = std::rotl((mState ^ (caseSensitive ? word : UpperAsciiWord(word))) * 0x9E3779B97F4A7C15ULL, 29);
    }
    for (; i < text.size(); ++i)
        Byte(static_cast<unsigned char>(caseSensitive ? text[i] : UpperAscii(text[i])));
}

void FieldHasher::Number(std::int64_t value)
{
    for (int i = 0; i < 8; ++i)
        Byte(static_cast<unsigned char>(static_cast<std::uint64_t>(value) >> (8 * i)));
}

void FieldHasher::Real(double value)
{
    if (value == 0)
        value = 0;  // -0.0 equals 0.0
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Number(static_cast<std::int64_t>(bits));
}

std::uint64_t FieldHasher::Value() const
{
    // A final mix spreads FNV's weak low bits over the whole word.
    std::uint64_t z = mState + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Under the rule two texts are equal exactly when they agree with every CR and LF removed
// (and case folded) and either both or neither end in a CR or LF; that is what is hashed.
void HashTextRule(FieldHasher& hasher, std::string_view text, bool caseSensitive)
{
    // What is hashed is the text without its CRs and LFs; most texts have none.
    if (platform::FindLineBreak(text) == std::string_view::npos) {
        hasher.Characters(text, caseSensitive);
    } else {
        std::string kept;
        kept.reserve(text.size());
        for (const char c : text) {
            if (!IsBreak(c))
                kept += c;
        }
        hasher.Characters(kept, caseSensitive);
    }
    hasher.Byte(!text.empty() && IsBreak(text.back()) ? 1 : 0);
    hasher.EndField();
}

void HashNoCase(FieldHasher& hasher, std::string_view text, std::size_t maxLength)
{
    hasher.Characters(text.substr(0, std::min(text.size(), maxLength)), false);
    hasher.EndField();
}

}  // namespace velmora::model
