#pragma once

#include <cstdint>
#include <string>

namespace velmora::platform {

struct FileVersion {
    std::uint16_t Major = 0;
    std::uint16_t Minor = 0;
    std::uint16_t Build = 0;
    std::uint16_t Revision = 0;
};

// The file version of a Windows program: the VS_FIXEDFILEINFO of the version resource of a PE
// executable. False, with all parts 0, for a file that is missing, is not a PE file, has no
// version resource, or is damaged anywhere on the way to it.
bool GetFileVersion(const std::string& path, FileVersion& version);

// "%d.%d.%d.%d"
std::string FormatVersion(const FileVersion& version);

}  // namespace velmora::platform
