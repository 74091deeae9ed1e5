#include "WindowsPath.h"

#include "AsciiCase.h"
#include "Folders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace velmora::platform {

std::string WinePrefix()
{
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && prefix[0] == '/')
        return prefix;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + ".wine";
}

namespace {

// The folder a drive letter stands for: the target of dosdevices/<letter>: in the Wine prefix.
std::optional<std::string> DriveFolder(char letter)
{
    const std::string prefix = WinePrefix();
    if (prefix.empty())
        return std::nullopt;
    const fs::path link = fs::path(prefix) / "dosdevices" / (std::string(1, LowerAscii(letter)) + ":");
    std::error_code error;
    fs::path target = fs::read_symlink(link, error);
    if (error) {
        if (!fs::is_directory(link, error))
            return std::nullopt;
        target = link;
    } else if (target.is_relative()) {
        target = link.parent_path() / target;
    }
    return target.lexically_normal().string();
}

}  // namespace

std::optional<std::string> FindNameNoCase(const std::string& folder, std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    const fs::path exact = fs::path(folder) / name;
    std::error_code error;
    if (fs::exists(fs::symlink_status(exact, error)))
        return exact.string();
    std::optional<std::string> best;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (EqualsNoCase(entry, name) && (!best || entry < *best))
            best = entry;
    }
    if (!best)
        return std::nullopt;
    return (fs::path(folder) / *best).string();
}

std::string ResolveNoCase(std::string_view path)
{
    if (path.empty() || path[0] != '/')
        return std::string(path);
    std::string resolved = "/";
    bool matching = true;
    std::size_t start = 1;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (!part.empty()) {
            std::optional<std::string> found;
            if (matching && part != "." && part != "..")
                found = FindNameNoCase(resolved, part);
            matching = found.has_value();
            resolved = found ? *found : (resolved.back() == '/' ? resolved : resolved + "/") + std::string(part);
        }
        start = end + 1;
    }
    if (path.back() == '/' && resolved.back() != '/')
        resolved += '/';
    return resolved;
}

std::optional<std::string> MapWindowsPath(std::string_view value)
{
    if (!value.empty() && value[0] == '/')
        return std::string(value);
    const bool drive = value.size() >= 2 && value[1] == ':' &&
                       ((value[0] >= 'A' && value[0] <= 'Z') || (value[0] >= 'a' && value[0] <= 'z')) &&
                       (value.size() == 2 || value[2] == '\\' || value[2] == '/');
    if (!drive)
        return std::nullopt;
    const std::optional<std::string> root = DriveFolder(value[0]);
    if (!root)
        return std::nullopt;
    std::string mapped = *root;
    if (value.size() == 2)
        mapped += '/';
    for (char c : value.substr(2))
        mapped += c == '\\' ? '/' : c;
    return ResolveNoCase(mapped);
}

}  // namespace velmora::platform
