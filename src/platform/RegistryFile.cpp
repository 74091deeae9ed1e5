#include "RegistryFile.h"

#include "AsciiCase.h"
#include "CodePage.h"
#include "Folders.h"
#include "WindowsPath.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace velmora::platform {
namespace {

// The file's text in Windows-1252: UTF-16 files (with their byte-order mark) are converted.
std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (raw.size() >= 2 && raw[0] == '\xFF' && raw[1] == '\xFE') {
        std::u16string wide;
        for (std::size_t i = 2; i + 1 < raw.size(); i += 2)
            wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(raw[i]) |
                                                 (static_cast<unsigned char>(raw[i + 1]) << 8)));
        return ToNarrow(wide);
    }
    if (raw.rfind("\xEF\xBB\xBF", 0) == 0)
        raw.erase(0, 3);
    return raw;
}

// Parses a quoted string with \\ and \" escapes starting at text[pos] == '"'; pos ends after it.
std::optional<std::string> Quoted(std::string_view text, std::size_t& pos)
{
    if (pos >= text.size() || text[pos] != '"')
        return std::nullopt;
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        if (text[pos] == '"') {
            ++pos;
            return out;
        }
        if (text[pos] == '\\' && pos + 1 < text.size())
            ++pos;
        out += text[pos];
    }
    return std::nullopt;
}

// hex(2): data, comma-separated bytes; UTF-16 in version 5 files, ANSI in REGEDIT4 files.
// The string ends at its terminator.
std::optional<std::string> ExpandableString(std::string_view hex, bool utf16)
{
    std::string bytes;
    std::size_t pos = 0;
    while (pos < hex.size()) {
        const auto comma = std::min(hex.find(',', pos), hex.size());
        const std::string item(hex.substr(pos, comma - pos));
        if (item.find_first_not_of(" \t") != std::string::npos) {
            char* end = nullptr;
            const unsigned long value = std::strtoul(item.c_str(), &end, 16);
            if (end == item.c_str() || value > 0xFF)
                return std::nullopt;
            bytes += static_cast<char>(value);
        }
        pos = comma + 1;
    }
    if (!utf16)
        return bytes.substr(0, bytes.find('\0'));
    std::u16string wide;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto c = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (c == 0)
            break;
        wide.push_back(c);
    }
    return ToNarrow(wide);
}

// Lines of the file; a line ending in a backslash (long hex data) continues on the next one,
// whose leading blanks are dropped.
std::vector<std::string> LogicalLines(std::string_view text)
{
    std::vector<std::string> lines;
    bool continued = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (continued)
            line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        const bool continues = !line.empty() && line.back() == '\\';
        if (continues)
            line.remove_suffix(1);
        if (continued)
            lines.back() += line;
        else
            lines.emplace_back(line);
        continued = continues;
    }
    return lines;
}

std::string HiveName(RegistryHive hive)
{
    return hive == RegistryHive::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

// Full key path with the hive's long name; the short names regedit accepts are expanded.
std::string NormalKey(std::string_view path)
{
    std::string key = UpperAscii(path);
    for (const auto& [shortName, longName] : {std::pair{"HKLM", "HKEY_LOCAL_MACHINE"}, std::pair{"HKCU", "HKEY_CURRENT_USER"}}) {
        const std::string prefix = std::string(shortName) + "\\";
        if (key.rfind(prefix, 0) == 0)
            key = std::string(longName) + key.substr(std::string(shortName).size());
    }
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

// Wine's escapes in key names, value names and strings: \\ \" \n \r \t \0 and \x with up to
// four hex digits (a UTF-16 unit). Ends at the closing quote (`quoted`) or the end; nothing
// when a quoted text never closes.
std::optional<std::string> WineText(std::string_view text, std::size_t& pos, bool quoted)
{
    std::u16string out;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (quoted && c == '"') {
            ++pos;
            return ToNarrow(out);
        }
        if (c != '\\' || pos + 1 >= text.size()) {
            out.push_back(static_cast<unsigned char>(c));
            continue;
        }
        const char escaped = text[++pos];
        switch (escaped) {
        case 'n': out.push_back(u'\n'); break;
        case 'r': out.push_back(u'\r'); break;
        case 't': out.push_back(u'\t'); break;
        case '0': out.push_back(u'\0'); break;
        case 'x': {
            unsigned value = 0;
            int digits = 0;
            while (digits < 4 && pos + 1 < text.size() && std::isxdigit(static_cast<unsigned char>(text[pos + 1]))) {
                const char h = text[++pos];
                value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : (h | 0x20) - 'a' + 10);
                ++digits;
            }
            out.push_back(static_cast<char16_t>(value));
            break;
        }
        default: out.push_back(static_cast<unsigned char>(escaped)); break;
        }
    }
    if (quoted)
        return std::nullopt;
    return ToNarrow(out);
}

void (*gDamageReport)(const std::string&) = nullptr;

void ReportDamage(const std::string& path, std::size_t line)
{
    static std::vector<std::string> reported;
    if (gDamageReport == nullptr || std::find(reported.begin(), reported.end(), path) != reported.end())
        return;
    reported.push_back(path);
    gDamageReport("The registry file " + path + " is damaged at line " + std::to_string(line) +
                  "; what comes before it is read.");
}

// registry.reg in the data folder, when it exists; else empty.
std::string ExportedRegistryFile()
{
    const std::string folder = DataFolderPath();
    std::error_code error;
    return !folder.empty() && std::filesystem::is_regular_file(folder + "registry.reg", error) ? folder + "registry.reg"
                                                                                                : std::string();
}

}  // namespace

void Registry::SetDamageReport(void (*report)(const std::string& message))
{
    gDamageReport = report;
}

Registry Registry::FromFiles(const std::vector<std::string>& paths)
{
    Registry registry;
    for (const auto& path : paths)
        registry.LoadFile(path);
    return registry;
}

Registry Registry::FromEnvironment()
{
    std::vector<std::string> paths;
    if (const char* list = std::getenv("VELMORA_REGISTRY"); list != nullptr && list[0] != '\0') {
        std::string_view rest(list);
        while (!rest.empty()) {
            const auto colon = std::min(rest.find(':'), rest.size());
            if (colon > 0)
                paths.emplace_back(rest.substr(0, colon));
            rest.remove_prefix(std::min(colon + 1, rest.size()));
        }
    } else if (const std::string exported = ExportedRegistryFile(); !exported.empty()) {
        paths.push_back(exported);
    } else if (const std::string prefix = WinePrefix(); !prefix.empty()) {
        // Programs installed under Wine are found in Wine's own registry.
        paths.push_back(prefix + "/system.reg");
        paths.push_back(prefix + "/user.reg");
    }
    return FromFiles(paths);
}

void Registry::LoadFile(const std::string& path)
{
    const std::string text = ReadText(path);
    if (text.rfind("WINE REGISTRY Version 2", 0) == 0) {
        LoadWineFile(path, text);
        return;
    }
    const bool utf16Strings = text.rfind("REGEDIT4", 0) != 0;
    std::map<std::string, std::string>* current = nullptr;
    for (const std::string& line : LogicalLines(text)) {
        const std::string_view entry = line;
        if (entry.empty() || entry.front() == ';')
            continue;
        if (entry.front() == '[') {
            const auto close = entry.rfind(']');
            const bool removal = entry.size() > 1 && entry[1] == '-';
            current = close == std::string_view::npos || removal
                          ? nullptr
                          : &mKeys[NormalKey(entry.substr(1, close - 1))];
            continue;
        }
        if (current == nullptr)
            continue;
        std::size_t pos = 0;
        std::string name;
        if (entry.front() == '@') {
            pos = 1;
        } else if (auto quoted = Quoted(entry, pos)) {
            name = *quoted;
        } else {
            continue;
        }
        if (pos >= entry.size() || entry[pos] != '=')
            continue;
        ++pos;
        const std::string valueName = UpperAscii(name);
        const std::string_view data = entry.substr(pos);
        std::optional<std::string> value;
        if (data == "-") {
            current->erase(valueName);
        } else if (!data.empty() && data.front() == '"') {
            value = Quoted(entry, pos);
        } else if (data.rfind("hex(2):", 0) == 0) {
            value = ExpandableString(data.substr(7), utf16Strings);
        }
        if (value)
            (*current)[valueName] = *value;
    }
}

// Wine keeps the machine's keys relative to \\Machine and the user's relative to \\User\\<SID>,
// as the comment after the header says; key lines carry a timestamp after the bracket, and
// lines starting with '#' (time, class, architecture) describe the key before them.
void Registry::LoadWineFile(const std::string& path, std::string_view text)
{
    std::string hive = path.ends_with("user.reg") ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
    std::map<std::string, std::string>* current = nullptr;
    std::size_t number = 0;
    for (const std::string& line : LogicalLines(text)) {
        ++number;
        const std::string_view entry = line;
        if (entry.rfind(";; All keys relative to ", 0) == 0) {
            hive = entry.find("\\\\User", 0) != std::string_view::npos ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
            continue;
        }
        if (number == 1 || entry.empty() || entry.front() == ';' || entry.front() == '#')
            continue;
        if (entry.front() == '[') {
            const auto close = entry.rfind(']');
            if (close == std::string_view::npos) {
                ReportDamage(path, number);
                return;
            }
            std::size_t pos = 0;
            const std::optional<std::string> key = WineText(entry.substr(1, close - 1), pos, false);
            current = &mKeys[NormalKey(hive + "\\" + *key)];
            continue;
        }
        if (current == nullptr)
            continue;
        std::size_t pos = 0;
        std::string name;
        if (entry.front() == '@') {
            pos = 1;
        } else if (entry.front() == '"') {
            ++pos;
            const std::optional<std::string> quoted = WineText(entry, pos, true);
            if (!quoted) {
                ReportDamage(path, number);
                return;
            }
            name = *quoted;
        } else {
            ReportDamage(path, number);
            return;
        }
        if (pos >= entry.size() || entry[pos] != '=') {
            ReportDamage(path, number);
            return;
        }
        std::string_view data = entry.substr(++pos);
        if (data.rfind("str(2):", 0) == 0) {
            data.remove_prefix(7);
            pos += 7;
        }
        std::optional<std::string> value;
        if (!data.empty() && data.front() == '"') {
            ++pos;
            value = WineText(entry, pos, true);
            if (!value) {
                ReportDamage(path, number);
                return;
            }
        } else if (data.rfind("hex(2):", 0) == 0) {
            value = ExpandableString(data.substr(7), true);
        }
        if (value)
            (*current)[UpperAscii(name)] = *value;
    }
}

std::optional<std::string> Registry::Lookup(const std::string& key, std::string_view valueName) const
{
    const auto found = mKeys.find(key);
    if (found == mKeys.end())
        return std::nullopt;
    const auto value = found->second.find(UpperAscii(valueName));
    if (value == found->second.end())
        return std::nullopt;
    return value->second;
}

std::optional<std::string> Registry::ReadString(RegistryHive hive, std::string_view keyPath,
                                                std::string_view valueName) const
{
    const std::string key = NormalKey(keyPath);
    if (auto value = Lookup(HiveName(hive) + "\\" + key, valueName))
        return value;
    constexpr std::string_view kSoftware = "SOFTWARE\\";
    if (hive == RegistryHive::LocalMachine && key.rfind(kSoftware, 0) == 0)
        return Lookup(HiveName(hive) + "\\SOFTWARE\\WOW6432NODE\\" + key.substr(kSoftware.size()), valueName);
    return std::nullopt;
}

bool Registry::HasKey(RegistryHive hive, std::string_view keyPath) const
{
    const std::string key = NormalKey(keyPath);
    if (mKeys.count(HiveName(hive) + "\\" + key) != 0)
        return true;
    constexpr std::string_view kSoftware = "SOFTWARE\\";
    return hive == RegistryHive::LocalMachine && key.rfind(kSoftware, 0) == 0 &&
           mKeys.count(HiveName(hive) + "\\SOFTWARE\\WOW6432NODE\\" + key.substr(kSoftware.size())) != 0;
}

}  // namespace velmora::platform
