#pragma once

#include <string>

namespace velmora::helpers {

// Reads a source file the user brought (an export, an account's contacts), whole. A file that is
// no regular file (a FIFO, a device, a folder) or is larger than 1 GiB is refused with a clear
// error instead of being read until memory runs out or the helper's time-out passes. A missing
// file is an error too, unless `missingIsEmpty` says it reads as empty.
bool ReadSourceFile(const std::string& path, std::string& text, std::string& error, bool missingIsEmpty = false);

}  // namespace velmora::helpers
