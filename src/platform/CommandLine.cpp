#include "CommandLine.h"

#include <cstdio>
#include <cstring>

namespace velmora::platform {

int UsageError(const ProgramHelp& help)
{
    std::fprintf(stderr, "usage: %s\nTry '%s --help' for more.\n", help.Usage, help.Name);
    return 2;
}

int StandardOptions(int argc, char** argv, const ProgramHelp& help, bool (*known)(const char* argument),
                    bool extraArguments)
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::printf("usage: %s\n\n%s", help.Usage, help.Details);
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::printf("%s %s\n", help.Name, VELMORA_VERSION);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i) {
        const bool option = argv[i][0] == '-' && argv[i][1] != '\0';
        if (option ? known == nullptr || !known(argv[i]) : !extraArguments)
            return UsageError(help);
    }
    return -1;
}

}  // namespace velmora::platform
