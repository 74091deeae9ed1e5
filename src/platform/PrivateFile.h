#pragma once

#include <cstdio>
#include <string>

namespace velmora::platform {

// Opens a file as std::fopen does, but a file opened for writing ("w", "a", with or without "b"
// or "+") is created with mode 0600 and never through a symbolic link: the files of the data
// folder hold personal data, and a link planted there must not send them elsewhere.
std::FILE* OpenPrivateFile(const std::string& path, const char* mode);

// A write past the file size limit (a full quota, RLIMIT_FSIZE) fails with an error the code
// reports instead of ending the process with SIGXFSZ. Programs call this once at start; the
// helpers they start inherit it.
void ReportFileSizeLimitAsError();

}  // namespace velmora::platform
