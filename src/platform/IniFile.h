#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::platform {

// An INI file read and written with the semantics of the Windows private-profile functions:
// section and key names compare without regard to case, the first occurrence wins, values are
// trimmed (and lose one pair of surrounding quotes). Writing changes only the key written: every
// other section, key, comment and blank line keeps its place, a new key goes after the last
// entry of its section, a new section at the end. CRLF, LF and CR-only files are all read; a file
// is written back with CRLF when it had CR line ends of either kind, else LF. Lookups go through an
// index of the file's keys built once (and again after a change), so a file of many lines costs
// one pass, not one per key.
class IniFile {
public:
    // A missing or unreadable file gives an empty IniFile.
    static IniFile Load(const std::string& path);

    // The value, or nothing when the section or key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // The value cut to maxLength - 1 characters (maxLength counts a terminator, as the Windows
    // call's buffer size does); `fallback` when the key is missing.
    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                          std::size_t maxLength) const;

    // The leading decimal digits of the value (an optional sign before them), clamped to the
    // int range; 0 when the value has no digits; `fallback` for a missing key or an empty value.
    int GetInt(std::string_view section, std::string_view key, int fallback) const;

    // Sets a key. A value is written up to its first line break, so it can never add lines
    // (a forged section or key) to the file.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the file atomically: a temporary file beside it, created with `mode`, is written
    // in full and then renamed over it. False when any step fails; the old file then stays.
    bool Save(const std::string& path, mode_t mode) const;

private:
    struct Location {
        std::size_t header;  // index of the section's header line
        std::size_t end;     // index one past the section's last line
    };
    std::optional<Location> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Location& where, std::string_view key) const;

    // Where each key of each section lives: the first section of a name, the first key in it.
    const std::unordered_map<std::string, std::size_t>& Index() const;

    std::vector<std::string> mLines;
    bool mCrLf = false;
    mutable std::optional<std::unordered_map<std::string, std::size_t>> mIndex;
};

}  // namespace velmora::platform
