#pragma once

#include "CDispCmd.h"

#include <cstdint>
#include <memory>
#include <string>

namespace velmora::outlook {

// The one automation session with Outlook that every reader of the process shares: the
// application object and its "MAPI" namespace, kept while at least one reader is connected.
struct OutlookSession {
    bool Connected = false;
    std::int32_t ConnectCount = 0;  // connections not yet matched by a disconnection
    std::unique_ptr<CDispCmd> Application;
    std::unique_ptr<CDispCmd> Namespace;
    dispatch::Ref<dispatch::IUnknown> Unknown;  // the application's own reference
    std::int32_t OutlookVersionCode = 0;

    // Back to the state of a process that never connected.
    void Reset();
};

OutlookSession& TheOutlookSession();

// The version class of an installed Outlook from its program's file version text
// ("%d.%d.%d.%d"): 0 unknown, 1 below 10, 2 for 10, 3 for 11, 4 for 12, 5 for 14, 6 for 13 and
// 15 and above.
std::int32_t OutlookVersionCodeOf(const std::string& fileVersion);

}  // namespace velmora::outlook
