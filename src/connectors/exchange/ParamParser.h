#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::connectors {

// The parameter file a connector hands its helper program: a 32-bit count, then per parameter
// its identifier, its type (8, text) and its value as a 32-bit length and that many Windows-1252
// bytes, all little-endian. Values are kept to at most 1023 bytes.
class ParamParser {
public:
    static constexpr std::int32_t kText = 8;
    static constexpr std::size_t kMaxValueBytes = 1023;

    // Adds a parameter, or replaces the value of an existing identifier; false when the type
    // differs from the stored one.
    bool SetParam(std::int32_t id, std::int32_t type, std::string_view value);
    std::optional<std::string> Get(std::int32_t id) const;

    // The file's bytes.
    std::string Bytes() const;
    // Writes the file with mode 0600, replacing any older one: it holds a password in plain text.
    bool Save(const std::string& path) const;
    // Reads a parameter file; false for a missing or damaged one.
    bool Load(const std::string& path);

private:
    struct Param {
        std::int32_t id;
        std::int32_t type;
        std::string value;
    };
    std::vector<Param> mParams;
};

}  // namespace velmora::connectors
