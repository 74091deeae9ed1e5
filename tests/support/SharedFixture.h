#pragma once

#include <filesystem>
#include <string>

namespace velmora::testing {

// The shared fixtures folder beside the project, or empty when it is not there.
inline std::string SharedFixture(const std::string& relative)
{
    const std::string path = std::string(VELMORA_SOURCE_DIR) + "/../shared/fixtures/" + relative;
    return std::filesystem::exists(path) ? path : std::string();
}

}  // namespace velmora::testing
