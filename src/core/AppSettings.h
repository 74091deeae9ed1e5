#pragma once

#include "model/TextValue.h"

#include <array>
#include <string>

namespace velmora::core {

using model::Text;

// A password as the run holds it: the plain text the pages show and the connectors use, and
// the Base64 form the settings file keeps.
struct SavedPassword {
    Text<256> Plain;
    std::string Encoded;
};

// The user's settings, section "VLACT" of the settings file, read at start and written at exit.
// Pages change them in memory; nothing reaches the file before the program ends.
struct AppSettings {
    AppSettings();

    int SourceApp = 0;  // 2 Google, 3 Outlook, 4 Lotus Notes, 5 Palm Desktop; 0 none yet
    bool EnableDebug = false;
    int LogLevel = 3;
    bool SyncAddr = true;
    bool SyncDate = true;
    bool SyncTask = true;
    bool SyncNote = true;
    int NewColor = 32768;      // 0x00BBGGRR, green
    int DiffColor = 16711680;  // blue
    int SameColor = 0;         // black

    Text<256> ACTPadName;
    Text<64> ACTUserName;
    bool ACTSaveUser = true;
    bool ACTSavePassword = false;
    SavedPassword ACTPassword;
    Text<256> ACTAppName;
    bool Opp = true;
    bool OppNotes = true;

    bool GGSaveEmail = true;
    Text<64> GGEmail;
    bool GGSavePassword = false;
    SavedPassword GGPassword;
    Text<256> GGServerURL;  // a CardDAV/CalDAV server; empty: the account folder

    Text<256> LNAppName;
    Text<256> LNIDFile;
    bool LNSavePassword = false;
    bool LNNeedPassword = false;
    SavedPassword LNPassword;
    Text<256> LNAddrName;
    Text<256> LNDateName;
    Text<256> LNNoteName;

    int OLMode = 1;
    Text<260> OLAppName;
    Text<260> OLDataFile;  // the Outlook data file (.pst, .ost) the stand-in Outlook reads

    int PDUserID = 0;
    bool PDUseAddrFile = false;
    bool PDUseDateFile = false;
    bool PDUseTaskFile = false;
    bool PDUseNoteFile = false;
    Text<256> PDAddrFileName;
    Text<256> PDDateFileName;
    Text<256> PDTaskFileName;
    Text<256> PDNoteFileName;

    bool ACTCustom = false;
    bool GGCustom = false;
    bool LNCustom = false;
    bool OLCustom = false;
    bool PDCustom = false;
    // For custom slot n (index n - 1), the application's field mapped to it; 0 = none.
    std::array<int, 9> ACTCustomID{};
    std::array<int, 9> GGCustomID{};
    std::array<int, 9> LNCustomID{};
    std::array<int, 9> OLCustomID{};
    std::array<int, 9> PDCustomID{};
    // Labels of the custom slots, "Custom 1" ... "Custom 9" by default.
    std::array<Text<64>, 9> OLCustomLabel;
    std::array<Text<64>, 9> GGCustomLabel;
};

// Replaces `settings` with the defaults, then reads every key the file has. Keys the system
// does not know (such as those of connectors it does not offer) are left in the file untouched.
void LoadSettings(AppSettings& settings, const std::string& path);

// Writes every key into the file, keeping everything else in it. User names and passwords
// follow their save switches: off writes the key empty, on writes the name or the Base64 form
// of the current password. The file is replaced atomically with mode 0600. False when it
// cannot be written.
bool SaveSettings(AppSettings& settings, const std::string& path);

}  // namespace velmora::core
