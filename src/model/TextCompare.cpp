#include "TextCompare.h"

#include "platform/AsciiCase.h"

#include <algorithm>
#include <cstring>

namespace velmora::model {
namespace {

using platform::UpperAscii;

bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
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
    for (const char c : text) {
        if (!IsBreak(c))
            hasher.Byte(static_cast<unsigned char>(caseSensitive ? c : UpperAscii(c)));
    }
    hasher.Byte(!text.empty() && IsBreak(text.back()) ? 1 : 0);
    hasher.EndField();
}

void HashNoCase(FieldHasher& hasher, std::string_view text, std::size_t maxLength)
{
    for (const char c : text.substr(0, std::min(text.size(), maxLength)))
        hasher.Byte(static_cast<unsigned char>(UpperAscii(c)));
    hasher.EndField();
}

}  // namespace velmora::model
