#pragma once

#include "RegistryFile.h"

#include <string>

namespace velmora::platform {

// Finding the applications involved in a migration on this machine: the registry values they
// leave (read from registry files), mapped to Linux paths. Each returns false and leaves `out`
// empty when something is not found; the option pages treat that as "not installed".

// <documents>/ACT/<first folder, by name, whose name is longer than one character and does not
// end in a dot>/Databases/<first *.pad file by name>.
bool FindDefaultActDatabase(std::string& out);

// InstallPath (with a separator added when missing) and AppName of HKLM\SOFTWARE\ACT\Install.
bool GetActExePath(const Registry& registry, std::string& out);

// Path of HKLM\SOFTWARE\Lotus\Notes, ending in '/'.
bool GetNotesProgramFolder(const Registry& registry, std::string& out);
// DATADIR of HKCU\SOFTWARE\Lotus\Notes\Installer, ending in '/'; an empty value is missing.
bool GetNotesDataFolder(const Registry& registry, std::string& out);
// The program folder's Notes.exe.
bool GetNotesExePath(const Registry& registry, std::string& out);
// The program folder's Data/user.id.
bool GetNotesIdFile(const Registry& registry, std::string& out);
// The data folder's names.nsf.
bool GetNotesAddressBook(const Registry& registry, std::string& out);
// The data folder's notebook.nsf, only when that file exists.
bool GetNotesNotebook(const Registry& registry, std::string& out);
// The file version of Notes.exe as "%d.%d.%d.%d".
bool GetNotesVersion(const Registry& registry, std::string& out);

// Path of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\OUTLOOK.EXE, followed by OUTLOOK.EXE.
bool GetOutlookExePath(const Registry& registry, std::string& out);
// The file version of that program as "%d.%d.%d.%d".
bool GetOutlookVersion(const Registry& registry, std::string& out);

}  // namespace velmora::platform
