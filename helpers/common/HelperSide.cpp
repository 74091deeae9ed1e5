#include "HelperSide.h"

#include "platform/IniFile.h"

#include <fstream>

namespace velmora::helpers {

bool ReadParams(int argc, char** argv, connectors::ParamParser& params)
{
    return argc == 2 && params.Load(argv[1]);
}

bool WriteErrorFile(const std::string& path, const std::vector<std::string>& errors)
{
    platform::IniFile file;
    file.Set("Error", "Error.Count", std::to_string(errors.size()));
    for (std::size_t i = 0; i < errors.size(); ++i)
        file.Set("Error", "Error." + std::to_string(i + 1), errors[i]);
    return file.Save(path, 0600);
}

void WriteStatusLine(const std::string& path, std::string_view text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text << "\r\n";
}

ControlFile::ControlFile(std::string path) : mPath(std::move(path))
{
    SetRunning(true);
}

ControlFile::~ControlFile()
{
    SetRunning(false);
}

void ControlFile::SetRunning(bool running) const
{
    platform::IniFile file = platform::IniFile::Load(mPath);
    file.Set("Status", "Running", running ? "1" : "0");
    if (running)
        file.Set("Status", "Stop", "0");
    file.Save(mPath, 0600);
}

bool ControlFile::StopRequested() const
{
    return platform::IniFile::Load(mPath).GetInt("Status", "Stop", 0) == 1;
}

}  // namespace velmora::helpers
