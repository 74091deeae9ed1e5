#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// Windows paths found in registry values, settings and copied data folders, made usable on Linux.

// The Wine prefix: $WINEPREFIX when it is an absolute path, else ~/.wine; empty without a home.
std::string WinePrefix();

// The entry of `folder` named `name` without regard to case: the exact name when it exists,
// else the first matching entry in name order. Returns the joined path, or nothing.
std::optional<std::string> FindNameNoCase(const std::string& folder, std::string_view name);

// An absolute Linux path whose components are matched without regard to case, one by one;
// components from the first one that matches nothing on are kept as given. A trailing '/' stays.
std::string ResolveNoCase(std::string_view path);

// An absolute Linux path stands as it is. A drive path ("C:\Program Files\Palm\") is mapped
// through the drive links of the Wine prefix ($WINEPREFIX, default ~/.wine: dosdevices/c:),
// backslashes become slashes and names are matched without regard to case; a trailing
// separator stays. Anything else, or a drive without a link, is missing.
std::optional<std::string> MapWindowsPath(std::string_view value);

}  // namespace velmora::platform
