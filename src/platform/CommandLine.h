#pragma once

namespace velmora::platform {

// What a program says about itself on --help: the usage lines, then a description of its
// options, exit codes, and the files and environment variables it reads.
struct ProgramHelp {
    const char* Name;   // "velmora-batch"
    const char* Usage;  // "velmora-batch [--select diff|all|none] [--dry-run] [--explain]"
    const char* Details;
};

// The options every installed program shares. Returns -1 when the program should go on;
// otherwise the exit status: 0 after printing the help (--help, -h) or the version (--version)
// on standard output, 2 after printing the usage on standard error for an argument starting
// with '-' that the program does not know (`known(argument)` says which it knows; null knows
// none) or when `extraArguments` is false and arguments other than options are given.
int StandardOptions(int argc, char** argv, const ProgramHelp& help, bool (*known)(const char* argument),
                    bool extraArguments);

// Prints the usage on standard error and returns 2.
int UsageError(const ProgramHelp& help);

}  // namespace velmora::platform
