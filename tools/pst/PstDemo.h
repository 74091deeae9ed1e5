#pragma once

#include "PstWriter.h"

#include <vector>

namespace velmora::tools {

// The demo's Outlook data file content: contacts (one as the demo ACT! database has it, one
// that differs, new ones, a distribution list) with user-defined fields; appointments of every
// recurrence kind; tasks of every status; notes of every colour.
std::vector<PstFolderSpec> DemoOutlookFolders();

// `contacts` contacts and `appointments` appointments (a fifth of them recurring), for the
// benchmark.
std::vector<PstFolderSpec> BulkOutlookFolders(int contacts, int appointments);

}  // namespace velmora::tools
