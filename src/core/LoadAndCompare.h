#pragma once

#include "AppCommon.h"

#include "connectors/act/CxACTBaseUtil.h"
#include "connectors/exchange/HelperConnector.h"
#include "platform/UiHost.h"

#include <string>

namespace velmora::core {

// The loading step before the preview: the target (ACT!) is loaded, then the source, each data
// type whose Sync setting is on and that the application offers, under the wait window; every
// newly loaded source record is marked New, Different or Same against the target's records of
// its type. A failing data type stops the step with its message (logged and shown in a box
// captioned "Error" owned by `owner`); data types loaded before keep their records. Equal source
// and target load nothing and succeed.
bool LoadAndCompare(AppContext& app, platform::UiHost& ui, platform::WindowRef owner, int sourceApp, int targetApp);

// The source alone read again, as the loading step reads it, and marked again against the
// target's records already loaded (the target is not read again).
bool ReloadAndCompare(AppContext& app, platform::UiHost& ui, platform::WindowRef owner, int sourceApp, int targetApp);

// Loads a helper connector while the wait window watches `statusPath`. Fails when the load
// fails or the helper reported an error (even when it delivered data too); `error` gets the
// connector's error text.
bool LoadThroughHelper(connectors::HelperConnector& connector, platform::UiHost& ui, const std::string& statusPath,
                       std::string& error);

// Gives an ACT! connector what every run of its helper needs: the data folder, the debug log
// settings, the UI host, the database and the login from the settings.
void SetUpActConnector(connectors::CxACTBaseUtil& connector, const AppContext& app, platform::UiHost& ui);

// Sets the nine custom-field slots of the source's contacts connector or reader from the
// settings (0 each while the source's custom switch is off), creating it when missing.
void ApplyFieldMapping(AppContext& app, int sourceApp);

}  // namespace velmora::core
