#pragma once

#include <string>

namespace velmora::platform {

// Opens a file, folder, web or mailto: address as the desktop would. An executable file is
// started (a Windows .exe through wine when wine is installed); everything else goes to
// xdg-open. Nothing happens for an empty target. Returns at once, without waiting for the
// program; false when it could not be started.
bool OpenDocument(const std::string& target);

}  // namespace velmora::platform
