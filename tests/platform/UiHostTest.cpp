#include "support/RecordingUiHost.h"

#include <gtest/gtest.h>

using velmora::platform::MessageIcon;
using velmora::testing::RecordingUiHost;

// Later tests read what the user would have seen from this fake; it keeps the host's rule that
// wait-window texts are lost while no wait window is open.
TEST(RecordingUiHost, RecordsWhatTheUserWouldSeeInOrder)
{
    RecordingUiHost host;
    host.SetWaitText("lost");
    host.StartWaitWindow(nullptr);
    host.SetWaitText("Loading ACT! Contacts ...");
    host.Pause(200);
    host.WatchStatusFile("/tmp/ACTAddrStatus.dat");
    host.StopWaitWindow();
    host.ShowMessage(nullptr, "Error", "Loading ACT! Contacts Error: bad login", MessageIcon::Error);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"wait start", "wait text Loading ACT! Contacts ...",
                                                    "wait watch /tmp/ACTAddrStatus.dat", "wait stop",
                                                    "message Error|Loading ACT! Contacts Error: bad login|error"}));
    EXPECT_EQ(host.PausedMilliseconds, 200);
}
