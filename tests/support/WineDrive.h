#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace velmora::testing {

// The C: drive of the test's Wine prefix ($WINEPREFIX/dosdevices/c: -> ../drive_c), made on
// demand. Returns the drive's folder, ending in '/'.
inline std::string MakeWineDriveC()
{
    const std::filesystem::path prefix = std::getenv("WINEPREFIX");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directories(prefix / "drive_c");
    std::error_code ignored;
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:", ignored);
    return (prefix / "drive_c").string() + "/";
}

}  // namespace velmora::testing
