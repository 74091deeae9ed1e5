#pragma once

#include "AppSettings.h"
#include "Session.h"

#include <string>

namespace velmora::core {

// What lives for the whole run of the program: the settings, the session, and where the
// settings file and the data folder are.
struct AppContext {
    AppSettings Settings;
    core::Session Session;
    std::string SettingsFile;
    std::string DataFolder;  // ends in '/'; empty when it could not be made
};

// The context of this process, used by the wizard and the batch program.
AppContext& App();

// Finds or makes the data folder (the settings file falls back to "corvane.ini" beside the
// program when it cannot be made), reads the settings, configures the debug log and starts an
// empty session.
void AppStartup(AppContext& app);

// Writes the settings and destroys the session with all its connectors and readers.
void AppShutdown(AppContext& app);

// <user data home>/corvane/VLACT/, creating corvane/, corvane/VLCommon/ and corvane/VLACT/
// (mode 0700) where missing. False when the folder cannot be determined or made.
bool GetDataFolder(std::string& folder);

// The folder of the running program, ending in '/'.
std::string GetModuleFolder();

}  // namespace velmora::core
