#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace velmora::platform {

// The first 1024 bytes as two lower-case hex digits each, separated by single spaces;
// the diagnostics of the binary readers log damaged data this way.
std::string HexDump(std::span<const std::byte> bytes);

}  // namespace velmora::platform
