#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::palm {

// One value of a fetched database row: an integer (16- and 32-bit columns, bytes widened), a
// text (UTF-8; a null text is an empty one), a boolean, or empty (dates, floating point,
// currency, binary, null numbers).
struct PmDbValue {
    enum class Kind : std::uint8_t { Empty, Integer, Text, Boolean };
    Kind ValueKind = Kind::Empty;
    std::int32_t Integer = 0;  // also the boolean, 0 or 1
    std::string Text;

    friend bool operator==(const PmDbValue&, const PmDbValue&) = default;
};

using PmDbRow = std::vector<PmDbValue>;

// The rows of a query as the database reader program sends them:
//   "VMDB", a byte 0 (rows follow) or 1 (an error text follows);
//   rows:  32-bit row count; per row a 32-bit value count; per value a kind byte and
//          Integer/Boolean: 32 bits, Text: 32-bit length and the bytes, Empty: nothing
//   error: 32-bit length and the text
std::string EncodeRows(const std::vector<PmDbRow>& rows);
std::string EncodeError(std::string_view error);
// False, with `error` saying why, for a reader's error or a damaged answer; every length is
// checked against what is left.
bool DecodeRows(std::string_view bytes, std::vector<PmDbRow>& rows, std::string& error);

}  // namespace velmora::palm
