#pragma once

#include "outlook/standin/PstWire.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::tools {

using outlook::standin::PstProperty;

// One message of a folder: its properties, by tag or by name (named properties are given
// their property identifiers through the file's name-to-id map).
struct PstMessage {
    std::vector<PstProperty> Properties;
};

// A folder below the top of the personal folders, with its messages.
struct PstFolderSpec {
    std::u16string Name;
    std::u16string ContainerClass;  // "IPF.Contact", "IPF.Appointment", ...
    std::vector<PstMessage> Messages;
};

// Writes a Unicode (64-bit) Outlook data file: the message store, the name-to-id map, the root
// folder with the top of the personal folders and, below it, an inbox and the given folders,
// each with its hierarchy and contents tables. The root folder and the inbox name the default
// contacts, calendar, tasks and notes folders (the first folder of each container class) by
// entry identifier, as Outlook keeps them. No encryption; the allocation maps are marked as not
// valid (Outlook rebuilds them).
std::string WritePst(const std::vector<PstFolderSpec>& folders);

// The store's record key, the provider part of every entry identifier of a file from WritePst.
extern const std::string kPstRecordKey;

}  // namespace velmora::tools
