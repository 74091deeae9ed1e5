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

// The folder of the running executable; helper programs are looked up there.
std::string ProgramFolder();

// XDG_DOCUMENTS_DIR from the user-dirs.dirs file of $XDG_CONFIG_HOME (default ~/.config),
// else ~/Documents/.
std::string DocumentsFolder();

}  // namespace velmora::platform
