#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::outlook::standin {

// What names a stored property: a property tag's identifier, a named property (its property set
// and its number or name), or one of the reader program's own entries.
enum class PstKeyKind : std::uint8_t {
    Tag = 0,
    NamedNumber = 1,
    NamedString = 2,
    RtfText = 3,     // the item's RTF body, decompressed
    Identifier = 4,  // the item's node identifier (4 bytes, little-endian)
};

using Guid = std::array<std::uint8_t, 16>;

struct PstKey {
    PstKeyKind Kind = PstKeyKind::Tag;
    std::uint16_t Tag = 0;
    Guid Set{};
    std::uint32_t Number = 0;
    std::u16string Name{};

    friend bool operator==(const PstKey&, const PstKey&) = default;
};

// One stored value: its property type (PtypString 0x001F, PtypTime 0x0040, ...) and its bytes as
// the data file holds them.
struct PstProperty {
    PstKey Key;
    std::uint16_t Type = 0;
    std::string Value;
};

using PstPropertySet = std::vector<PstProperty>;

// The default folders the stand-in Outlook serves.
enum class PstFolderKind : std::uint8_t { Contacts = 1, Calendar = 2, Tasks = 3, Notes = 4 };

struct PstFolder {
    PstFolderKind Kind = PstFolderKind::Contacts;
    PstPropertySet Properties;  // the folder's own
    std::vector<PstPropertySet> Items;
};

// What the data file reader sends: the store's record key and its default folders.
struct PstStore {
    std::string RecordKey;
    std::vector<PstFolder> Folders;
};

// The reader's answer on its standard output, little-endian throughout:
//   "VPST", a byte 1 (the format's version), a byte 0 (a store follows) or 1 (an error text);
//   error:    32-bit length, the text (UTF-8)
//   store:    32-bit length and the record key; 32-bit folder count; per folder a kind byte,
//             a property set, a 32-bit item count and the items' property sets
//   property set: 32-bit count; per property a key kind byte and
//             Tag: 16-bit identifier | NamedNumber: 16-byte set, 32-bit number |
//             NamedString: 16-byte set, 32-bit length and UTF-16LE name | RtfText, Identifier: nothing;
//             then a 16-bit property type, a 32-bit length and the value's bytes
std::string EncodeStore(const PstStore& store);
std::string EncodeError(std::string_view error);
// False, with `error` saying why, for the reader's error or a damaged answer: every length and
// count is checked against the bytes left before it is used.
bool DecodeStore(std::string_view bytes, PstStore& store, std::string& error);

}  // namespace velmora::outlook::standin
