#include "HelperRunner.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/Folders.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>
#include <utility>

extern char** environ;

namespace velmora::connectors {

using diagnostics::CxDebugUtil;

HelperRunner::~HelperRunner()
{
    if (Started())
        mLeftRunning.push_back(mStarted);
    ReapFinished();
    if (!mWorkFolder.empty()) {
        if (!mParamFileName.empty())
            std::remove((mWorkFolder + mParamFileName).c_str());
        if (!mDataFileName.empty())
            std::remove((mWorkFolder + mDataFileName).c_str());
    }
}

void HelperRunner::ReapFinished()
{
    std::erase_if(mLeftRunning, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

LaunchResult HelperRunner::Launch()
{
    LaunchResult failure{LaunchOutcome::NotStarted, {}};
    return Start(failure) ? Wait() : failure;
}

bool HelperRunner::Start(LaunchResult& notStarted)
{
    ReapFinished();
    std::error_code error;
    const std::string original = std::filesystem::current_path(error).string();
    CxDebugUtil::Instance().Log(CxDebugUtil::kInfo, mLogUnit, __LINE__, "Original current directory: %s", original.c_str());
    const std::string helperFolder = platform::HelperFolder();
    const std::string directory = mHelperDirectory.empty() ? helperFolder : mHelperDirectory;
    CxDebugUtil::Instance().Log(CxDebugUtil::kInfo, mLogUnit, __LINE__, "Set current directory: %s", directory.c_str());

    // The current directory changes for the helper only; this process keeps its own.
    pid_t pid = 0;
    std::string program = helperFolder + mExeName;
    std::string paramPath = mWorkFolder + mParamFileName;
    const std::string command = "\"" + mExeName + "\" \"" + paramPath + "\"";
    CxDebugUtil::Instance().Log(CxDebugUtil::kInfo, mLogUnit, __LINE__, "Executing command: %s", command.c_str());

    posix_spawn_file_actions_t actions;
    int failure = posix_spawn_file_actions_init(&actions);
    if (failure == 0) {
        // Without its folder the helper would run in ours and exchange files in the wrong place.
        failure = posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
        char* argv[] = {program.data(), paramPath.data(), nullptr};
        if (failure == 0)
            failure = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
    }
    if (failure != 0) {
        const std::string reason = std::strerror(failure);
        CxDebugUtil::Instance().Log(CxDebugUtil::kError, mLogUnit, __LINE__, "CreateProcess Error: %s", reason.c_str());
        notStarted = {LaunchOutcome::NotStarted, reason};
        return false;
    }
    CxDebugUtil::Instance().Log(CxDebugUtil::kInfo, mLogUnit, __LINE__, "%s", "Command executed successfully.");
    mStarted = pid;
    return true;
}

LaunchResult HelperRunner::Wait(bool handleEvents)
{
    const pid_t pid = std::exchange(mStarted, 0);
    if (pid <= 0)
        return {LaunchOutcome::WaitFailed, "no helper was started"};
    const auto deadline = std::chrono::steady_clock::now() + mTimeout;
    auto nap = std::chrono::milliseconds(2);
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
                CxDebugUtil::Instance().Log(CxDebugUtil::kInfo, mLogUnit, __LINE__, "%s",
                                            "Helper utility program exited successfully.");
                return {LaunchOutcome::Ended, {}};
            }
            const std::string how = WIFSIGNALED(status) ? std::string("signal SIG") + ::sigabbrev_np(WTERMSIG(status))
                                                        : "exit status " + std::to_string(WEXITSTATUS(status));
            CxDebugUtil::Instance().Log(CxDebugUtil::kError, mLogUnit, __LINE__, "The helper utility program ended with %s.",
                                        how.c_str());
            return {LaunchOutcome::Failed, how};
        }
        if (done < 0 && errno != EINTR) {
            const int code = errno;
            CxDebugUtil::Instance().Log(CxDebugUtil::kError, mLogUnit, __LINE__, "Got unexpected error, return code=%d", code);
            return {LaunchOutcome::WaitFailed, std::strerror(code)};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            CxDebugUtil::Instance().Log(CxDebugUtil::kInfo, mLogUnit, __LINE__, "%s",
                                        "The helper utility program has no response. Got timeout event.");
            mLeftRunning.push_back(pid);
            return {LaunchOutcome::TimedOut, {}};
        }
        if (handleEvents && mHost != nullptr)
            mHost->ProcessEvents();
        std::this_thread::sleep_for(nap);
        nap = std::min(nap * 2, std::chrono::milliseconds(50));
    }
}

}  // namespace velmora::connectors
