#pragma once

#include "AppCommon.h"

#include "platform/UiHost.h"

namespace velmora::core {

// The loading step before the preview: the target (ACT!) is loaded, then the source, each data
// type whose Sync setting is on and that the application offers, under the wait window; every
// newly loaded source record is marked New, Different or Same against the target's records of
// its type. A failing data type stops the step with its message (logged and shown in a box
// captioned "Error" owned by `owner`); data types loaded before keep their records. Equal source
// and target load nothing and succeed.
bool LoadAndCompare(AppContext& app, platform::UiHost& ui, platform::WindowRef owner, int sourceApp, int targetApp);

// Sets the nine custom-field slots of the source's contacts connector or reader from the
// settings (0 each while the source's custom switch is off), creating it when missing.
void ApplyFieldMapping(AppContext& app, int sourceApp);

}  // namespace velmora::core
