#include "OpenDocument.h"

#include "AsciiCase.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <vector>

extern char** environ;

namespace velmora::platform {
namespace {

bool IsExecutableFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool HasExeSuffix(std::string_view path)
{
    if (path.size() < 4)
        return false;
    return UpperAscii(path.substr(path.size() - 4)) == ".EXE";
}

bool OnPath(std::string_view program)
{
    const char* path = std::getenv("PATH");
    std::string_view rest = path != nullptr ? path : "";
    while (!rest.empty()) {
        const auto colon = std::min(rest.find(':'), rest.size());
        const std::string folder(rest.substr(0, colon));
        if (!folder.empty() && IsExecutableFile(folder + "/" + std::string(program)))
            return true;
        rest.remove_prefix(std::min(colon + 1, rest.size()));
    }
    return false;
}

// Starts the command detached: a short-lived shell puts it in the background and is reaped
// at once, so no zombie is left behind and the caller never waits for the program.
bool SpawnDetached(const std::vector<std::string>& command)
{
    std::vector<std::string> args = {"/bin/sh", "-c", "\"$@\" </dev/null >/dev/null 2>&1 &", "sh"};
    args.insert(args.end(), command.begin(), command.end());
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool OpenDocument(const std::string& target)
{
    if (target.empty())
        return false;
    if (IsExecutableFile(target))
        return SpawnDetached({target});
    if (HasExeSuffix(target) && OnPath("wine"))
        return SpawnDetached({"wine", target});
    return SpawnDetached({"xdg-open", target});
}

}  // namespace velmora::platform
