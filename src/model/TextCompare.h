#pragma once

#include <cstdint>
#include <string_view>

namespace velmora::model {

// The text comparisons of the record managers, each with a hash that is equal for any two
// texts the comparison finds equal, so an index can group records by hash and confirm with the
// comparison itself.

// The line-break-blind rule: CR and LF inside the texts are skipped, letters compared without
// case unless `caseSensitive`; but a CR or LF left over at the end of only one side makes the
// texts differ ("Main\r\nSt" equals "MainSt"; "Main\r\n" does not equal "Main").
bool TextRuleEqual(std::string_view a, std::string_view b, bool caseSensitive);

// Equal ignoring the case of ASCII letters, over at most the first `maxLength` characters.
bool EqualNoCase(std::string_view a, std::string_view b, std::size_t maxLength = std::string_view::npos);

// Accumulates field values into a 64-bit hash.
class FieldHasher {
public:
    void Byte(unsigned char value) { mState = (mState ^ value) * 0x100000001B3ULL; }
    // The text eight characters at a time, the rest one by one, ASCII letters upper-cased
    // unless `caseSensitive`: equal runs of characters hash equally.
    void Characters(std::string_view text, bool caseSensitive);
    void Number(std::int64_t value);
    // Equal doubles hash equally (0.0 and -0.0 included).
    void Real(double value);
    // Ends one field, so that values shifted between fields hash differently.
    void EndField() { Byte(0xFF); }
    std::uint64_t Value() const;

private:
    std::uint64_t mState = 0xCBF29CE484222325ULL;
};

void HashTextRule(FieldHasher& hasher, std::string_view text, bool caseSensitive);
void HashNoCase(FieldHasher& hasher, std::string_view text, std::size_t maxLength = std::string_view::npos);

}  // namespace velmora::model
