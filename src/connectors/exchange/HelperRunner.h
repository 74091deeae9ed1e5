#pragma once

#include "platform/UiHost.h"

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace velmora::connectors {

enum class LaunchOutcome {
    Ended,       // the helper ran and ended with status 0
    Failed,      // it ended with another status, or by a signal (detail says which)
    NotStarted,  // the program could not be started
    TimedOut,    // still running at the time-out; it is left running
    WaitFailed,  // waiting for it failed
};

struct LaunchResult {
    LaunchOutcome outcome;
    std::string detail;  // the system's reason, when there is one
};

// Starts one helper program and waits for it. The helper lies in the program folder and gets
// one argument, the full path of its parameter file; it runs in the program folder, or in the
// folder a family names (Lotus Notes). While it runs, the UI host keeps handling events.
// Starting and waiting may also be two steps, so that several helpers run side by side.
// At destruction the runner deletes the parameter file and the data file it last named; a
// helper started and never waited for is left to end by itself.
class HelperRunner {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{1'800'000};

    explicit HelperRunner(const char* logUnit) : mLogUnit(logUnit) {}
    ~HelperRunner();
    HelperRunner(const HelperRunner&) = delete;
    HelperRunner& operator=(const HelperRunner&) = delete;

    void SetExeName(std::string name) { mExeName = std::move(name); }
    void SetWorkFolder(std::string folder) { mWorkFolder = std::move(folder); }
    void SetParamFileName(std::string name) { mParamFileName = std::move(name); }
    void SetDataFileName(std::string name) { mDataFileName = std::move(name); }
    // The helper's current directory; empty means the program folder.
    void SetHelperDirectory(std::string folder) { mHelperDirectory = std::move(folder); }
    void SetUiHost(platform::UiHost* host) { mHost = host; }
    void SetTimeout(std::chrono::milliseconds timeout) { mTimeout = timeout; }
    std::chrono::milliseconds Timeout() const { return mTimeout; }

    // Starts the helper and waits for it.
    LaunchResult Launch();
    // Starts the helper and returns at once; false, with the reason in `notStarted`, when it
    // could not be started. Wait() then waits for it, handling UI events unless told not to.
    bool Start(LaunchResult& notStarted);
    bool Started() const { return mStarted > 0; }
    LaunchResult Wait(bool handleEvents = true);

private:
    void ReapFinished();

    const char* mLogUnit;
    std::string mExeName, mWorkFolder, mParamFileName, mDataFileName, mHelperDirectory;
    platform::UiHost* mHost = nullptr;
    std::chrono::milliseconds mTimeout = kDefaultTimeout;
    pid_t mStarted = 0;                // the helper started and not waited for yet
    std::vector<pid_t> mLeftRunning;  // helpers past their time-out, reaped once they end
};

}  // namespace velmora::connectors
