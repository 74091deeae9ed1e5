#pragma once

#include "platform/UiHost.h"

#include <string>

namespace velmora::outlook::standin {

// The stand-in Outlook: an automation server, registered as "Outlook.Application", whose object
// model (application, "MAPI" namespace, default folders, items, recurrence patterns,
// user-defined properties) serves the items of an Outlook data file. The file is read by the
// program OutlookPstRead beside this one, in a process of its own, when a folder is first asked
// for its name or items, and read again when the file has changed since.
//
// Names the file to serve; an empty name removes the registration, so that connecting fails as
// on a computer without Outlook. True when this changed what is served.
bool ConfigureStandInOutlook(const std::string& dataFile);

// The window that keeps painting while the data file is read (null: none).
void SetStandInUi(platform::UiHost* ui);

}  // namespace velmora::outlook::standin
