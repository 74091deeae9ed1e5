#pragma once

#include "outlook/standin/PstWire.h"

#include <string>

namespace velmora::helpers {

// Reads an Outlook data file (.pst or .ost) with libpff: the message store's record key and the
// four default folders (contacts, calendar, tasks, notes), each with its own properties and its
// items' properties. The default folders are the ones the root folder and the inbox name by
// entry identifier, as Outlook finds them; a folder they do not name is the first folder of its
// container class. False, with `error` saying why, when the file cannot be opened.
bool ReadPstFile(const std::string& path, outlook::standin::PstStore& store, std::string& error);

}  // namespace velmora::helpers
