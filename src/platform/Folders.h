#pragma once

#include <string>

namespace velmora::platform {

// The folders the system lives in. Every folder returned ends in '/'; an empty result means
// the folder cannot be determined.

// $HOME, else the home folder of the user database.
std::string HomeFolder();

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share/.
std::string UserDataHome();

// The per-user data folder, <user data home>/corvane/VLACT/. Only the path: nothing is created.
std::string DataFolderPath();

// The folder of the running executable, ending in '/'.
std::string ProgramFolder();
// The folder of the helper programs, ending in '/': ../libexec/velmora/ relative to the program
// folder when that exists (an installed tree), else the program folder itself (the build tree,
// where programs and helpers share one folder). HelperFolderOf decides for a given program folder.
std::string HelperFolder();
std::string HelperFolderOf(const std::string& programFolder);

// XDG_DOCUMENTS_DIR from the user-dirs.dirs file of $XDG_CONFIG_HOME (default ~/.config),
// else ~/Documents/.
std::string DocumentsFolder();

}  // namespace velmora::platform
