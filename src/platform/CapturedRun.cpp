#include "CapturedRun.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace velmora::platform {
namespace {

using Clock = std::chrono::steady_clock;

// Waits for the program until the deadline, then kills it.
void Reap(pid_t pid, Clock::time_point deadline, std::chrono::milliseconds timeout, CapturedRun& run)
{
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            break;
        if (Clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            run.RunOutcome = CapturedRun::Outcome::TimedOut;
            run.Detail = "still running after " + std::to_string(timeout.count() / 1000) + " seconds";
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            return;
        }
        ::usleep(2000);
    }
    if (WIFEXITED(status)) {
        run.RunOutcome = CapturedRun::Outcome::Ended;
        run.ExitStatus = WEXITSTATUS(status);
    } else {
        run.RunOutcome = CapturedRun::Outcome::Crashed;
        run.Detail = WIFSIGNALED(status) ? std::string("signal ") + std::to_string(WTERMSIG(status)) + " (" +
                                               ::strsignal(WTERMSIG(status)) + ")"
                                         : "ended abnormally";
    }
}

}  // namespace

CapturedRun RunCaptured(const std::string& program, const std::vector<std::string>& arguments,
                        std::chrono::milliseconds timeout, UiHost* ui)
{
    CapturedRun run;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        run.Detail = std::strerror(errno);
        return run;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failure = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (failure != 0) {
        ::close(pipeFds[0]);
        run.Detail = std::strerror(failure);
        return run;
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd fd{pipeFds[0], POLLIN, 0};
        const int ready = ::poll(&fd, 1, static_cast<int>(std::min<long long>(left.count(), 100)));
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0) {
            const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
            if (got > 0)
                run.Output.append(buffer, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR)
                break;  // the program closed its output: it is ending
        }
        if (ui != nullptr)
            ui->ProcessEvents();
    }
    ::close(pipeFds[0]);
    Reap(pid, deadline, timeout, run);
    return run;
}

std::string FailureOf(const CapturedRun& run, const std::string& program)
{
    switch (run.RunOutcome) {
    case CapturedRun::Outcome::Ended:
        return run.ExitStatus == 0 ? std::string()
                                   : program + " stopped on the file with status " + std::to_string(run.ExitStatus);
    case CapturedRun::Outcome::NotStarted: return program + " could not be started: " + run.Detail;
    case CapturedRun::Outcome::Crashed: return program + " stopped on the file: " + run.Detail;
    case CapturedRun::Outcome::TimedOut: return program + " was " + run.Detail;
    }
    return program + " failed";
}

}  // namespace velmora::platform
