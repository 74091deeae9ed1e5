#pragma once

#include "connectors/exchange/ParamParser.h"
#include "platform/PrivateFile.h"

#include <chrono>
#include <cstdio>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::helpers {

// The helper's side of the exchange with a connector: the parameters it was given, the error
// file it answers failures with, the status line it shows progress in, and the control file
// through which it can be asked to stop.

// The parameter file named on the command line, or nothing when it is missing or damaged. A file
// that was read is deleted at once: it holds a password in plain text.
bool ReadParams(int argc, char** argv, connectors::ParamParser& params);

// --help and --version of a helper program, whose arguments are `arguments`: -1 to go on, else
// the exit status.
int HelperOptions(int argc, char** argv, const char* arguments);

// INI section "Error": "Error.Count" and "Error.1" ... "Error.n".
bool WriteErrorFile(const std::string& path, const std::vector<std::string>& errors);

// Replaces the status file with one line of progress text.
void WriteStatusLine(const std::string& path, std::string_view text);

// Keeps "Running" = 1 in section "Status" of the control file while the helper works (0 again
// at its end) and tells when the connector has set "Stop" to 1.
class ControlFile {
public:
    explicit ControlFile(std::string path);
    ~ControlFile();
    ControlFile(const ControlFile&) = delete;
    ControlFile& operator=(const ControlFile&) = delete;

    bool StopRequested() const;

private:
    void SetRunning(bool running) const;

    std::string mPath;
};

// Where a helper family keeps the exchange settings in its parameter file.
struct ParamIds {
    std::int32_t workFolder;
    std::int32_t errorFile;
    std::int32_t statusFile;
    std::int32_t logFolder;
    std::int32_t logLevel;
    std::int32_t logEnabled;
};

// One run of a helper program: its parameters, its diagnostics routed as the parameters ask,
// the control file kept while it works, progress shown at the wait window's pace, and a
// failure answered through the error file.
class HelperJob {
public:
    HelperJob(const connectors::ParamParser& params, const ParamIds& ids, const std::string& controlFileName,
              const char* logUnit);

    std::string Text(std::int32_t id) const { return mParams.Get(id).value_or(std::string()); }
    const std::string& WorkFolder() const { return mWorkFolder; }

    // Runs `work`; when it fails, logs its error and writes it to the error file. Returns the
    // helper's exit status: 0 when it worked or its failure is reported in the error file (the
    // connector reads it there), 1 when even the error file could not be written, so that the
    // connector still knows the helper failed.
    template <class Work>
    int Run(Work&& work)
    {
        std::string error;
        if (work(error))
            return 0;
        return Fail(error) ? 0 : 1;
    }

    // Shows "<prefix> i of n" at most every 100 ms and at the end; false once the connector asked
    // the helper to stop.
    bool Progress(const std::string& prefix, std::size_t done, std::size_t total);
    // Whether the connector has asked the helper to stop (read from the control file now).
    bool StopRequested() const { return mControl.StopRequested(); }

private:
    bool Fail(const std::string& error) const;

    const connectors::ParamParser& mParams;
    ParamIds mIds;
    std::string mWorkFolder;
    const char* mLogUnit;
    ControlFile mControl;
    std::chrono::steady_clock::time_point mLastProgress{};
};

// The whole life of a helper program: reads the parameter file named on its command line,
// routes its diagnostics, keeps the control file, and answers a failure of
// `work(job, error)` through the error file. Returns the exit status: 0 success or a failure
// reported in the error file, 1 a failure that could not be reported, 2 no usable parameter file.
template <class Work>
int RunHelperProgram(int argc, char** argv, const ParamIds& ids, const std::string& controlFileName, const char* logUnit,
                     Work&& work)
{
    platform::ReportFileSizeLimitAsError();
    if (const int status = HelperOptions(argc, argv, "PARAMETER-FILE"); status >= 0)
        return status;
    connectors::ParamParser params;
    if (!ReadParams(argc, argv, params)) {
        std::fprintf(stderr, "usage: %s PARAMETER-FILE\n(the parameter file a Velmora connector writes)\n", argv[0]);
        return 2;
    }
    HelperJob job(params, ids, controlFileName, logUnit);
    return job.Run([&](std::string& error) { return work(job, error); });
}

}  // namespace velmora::helpers
