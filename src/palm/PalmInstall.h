#pragma once

#include "platform/RegistryFile.h"

#include <cstdint>
#include <string>

namespace velmora::palm {

// Status codes of GetPalmDesktopPath.
constexpr int kPalmPathOk = 0;
constexpr int kPalmPathNoBuffer = -100;
constexpr int kPalmPathNotFound = -101;
constexpr int kPalmPathTooLong = -102;

// The version number when palm.exe or its version cannot be read; compared as an unsigned
// number it is larger than every real version.
constexpr std::uint32_t kNoPalmVersion = 0xFFFFFFFF;

// The Palm Desktop folder, ending in '/':
//  1. "PDPath" of section "Path" in `iniPath` (corvane.ini beside the program), a by-hand
//     override, when not empty;
//  2. else "DesktopPath" of the first of HKCU\Software\U.S. Robotics\Pilot Desktop\Core and
//     HKLM\Software\PalmSource\Desktop\Core that exists, or, when that value is missing, the
//     folder of its "HotSyncPath" (the HotSync program).
// Windows paths are mapped to this machine. Returns kPalmPathNotFound when no key exists, no
// value is set or the path cannot be mapped, kPalmPathTooLong when it exceeds `size` - 1
// characters, kPalmPathNoBuffer for a size of 0.
int GetPalmDesktopPath(const platform::Registry& registry, const std::string& iniPath, std::string& folder,
                       std::size_t size = 260);
// The same with the registry files of the environment and corvane.ini beside the program.
int GetPalmDesktopPath(std::string& folder);

// major * 10000 + minor * 100 + build of the file version of palm.exe in the Palm Desktop
// folder (4.1.4.0 gives 40104), or kNoPalmVersion.
std::uint32_t GetPalmDesktopVersion(const std::string& palmFolder);
std::uint32_t GetPalmDesktopVersion();

}  // namespace velmora::palm
