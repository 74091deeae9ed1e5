#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace velmora::platform {

// Replaces the file at `path` with `data` atomically: a temporary file beside it, created with
// `mode`, is written in full and then renamed over it, so a crash never leaves a half-written
// file where a whole one was. False when any step fails; the old file then stays.
bool WriteFileAtomically(const std::string& path, std::string_view data, mode_t mode);

}  // namespace velmora::platform
