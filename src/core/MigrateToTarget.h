#pragma once

#include "AppCommon.h"

#include "platform/UiHost.h"

namespace velmora::core {

// The submission step after the preview: the records of the four selection lists are handed one
// by one to the ACT! connector of their type (merged, appended, or skipped when ACT! holds them
// identically), each written to the migration log, and each connector that was handed any
// record submits once. A failing submission stops the step with its message; the log then has
// no closing line. Any exception is caught here and shown in the error report. Only ACT!
// (app type 1) is a target.
bool MigrateToTarget(AppContext& app, platform::UiHost& ui, platform::WindowRef owner, int targetApp);
bool MigrateToAct(AppContext& app, platform::UiHost& ui, platform::WindowRef owner);

}  // namespace velmora::core
