#pragma once

#include <string>
#include <string_view>

namespace velmora::core {

// Where the Outlook data file setting points on this machine: a Windows drive path is mapped
// through the Wine prefix, anything else is used as it stands.
std::string OutlookDataFilePath(std::string_view setting);

bool OutlookDataFileExists(std::string_view setting);

// The data file Outlook would have made: the first .pst or .ost, by name, in the "Outlook Files"
// folder of the user's documents folder or of the Wine prefix's; empty when there is none.
std::string DefaultOutlookDataFile();

}  // namespace velmora::core
