#include "HelperSide.h"

#include <cstdio>

#include "diagnostics/CxDebugUtil.h"
#include "platform/CommandLine.h"
#include "platform/IniFile.h"

#include <cstdlib>

#include <fstream>

namespace velmora::helpers {

bool ReadParams(int argc, char** argv, connectors::ParamParser& params)
{
    if (argc != 2 || !params.Load(argv[1]))
        return false;
    // The file holds a password in plain text: it is gone as soon as it has been read.
    std::remove(argv[1]);
    return true;
}

int HelperOptions(int argc, char** argv, const char* arguments)
{
    const std::string path = argc > 0 ? argv[0] : "helper";
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const std::string usage = name + " " + arguments;
    const platform::ProgramHelp help{
        name.c_str(), usage.c_str(),
        "A helper program of Velmora, started by the wizard and velmora-batch with what they hand it;\n"
        "it is not meant to be run by hand.\n"
        "\n"
        "Exit status: 0 the work was done (a failure it could report is in its error file),\n"
        "1 it could not work, 2 wrong arguments.\n"};
    return platform::StandardOptions(argc, argv, help, nullptr, true);
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

HelperJob::HelperJob(const connectors::ParamParser& params, const ParamIds& ids, const std::string& controlFileName,
                     const char* logUnit)
    : mParams(params),
      mIds(ids),
      mWorkFolder(params.Get(ids.workFolder).value_or(std::string())),
      mLogUnit(logUnit),
      mControl(mWorkFolder + controlFileName)
{
    auto& log = diagnostics::CxDebugUtil::Instance();
    log.SetFolder(Text(ids.logFolder));
    log.SetEnabled(Text(ids.logEnabled) == "1");
    log.SetLevel(std::atoi(Text(ids.logLevel).c_str()));
}

bool HelperJob::Progress(const std::string& prefix, std::size_t done, std::size_t total)
{
    const auto now = std::chrono::steady_clock::now();
    if (now - mLastProgress < std::chrono::milliseconds(100) && done != total)
        return true;
    mLastProgress = now;
    WriteStatusLine(mWorkFolder + Text(mIds.statusFile),
                    prefix + " " + std::to_string(done) + " of " + std::to_string(total));
    return !mControl.StopRequested();
}

bool HelperJob::Fail(const std::string& error) const
{
    VL_LOG(diagnostics::CxDebugUtil::kError, mLogUnit, "%s", error.c_str());
    return WriteErrorFile(mWorkFolder + Text(mIds.errorFile), {error});
}

}  // namespace velmora::helpers
