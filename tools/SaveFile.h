#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace velmora::tools {

// Saves bytes to a file, making its folders; false when that fails.
inline bool SaveFile(const std::string& path, const std::string& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

}  // namespace velmora::tools
