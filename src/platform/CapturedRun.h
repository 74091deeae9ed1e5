#pragma once

#include "UiHost.h"

#include <chrono>
#include <string>
#include <vector>

namespace velmora::platform {

// How a program run with RunCaptured ended.
struct CapturedRun {
    enum class Outcome { Ended, NotStarted, Crashed, TimedOut } RunOutcome = Outcome::NotStarted;
    int ExitStatus = -1;  // when Ended
    std::string Output;   // everything the program wrote to its standard output
    std::string Detail;   // the system's reason, or the signal, when it did not end normally
};

// Starts `program` with `arguments` (standard input and error on /dev/null), collects its
// standard output and waits for it to end. A program still running at `timeout` is killed.
// While it runs, `ui` (when given) keeps handling events.
CapturedRun RunCaptured(const std::string& program, const std::vector<std::string>& arguments,
                        std::chrono::milliseconds timeout, UiHost* ui = nullptr);

// Why a run of a reader program gave no answer to read, naming the program as `program` ("the
// database reader"); empty when it ended with status 0.
std::string FailureOf(const CapturedRun& run, const std::string& program);

}  // namespace velmora::platform
