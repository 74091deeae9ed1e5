#pragma once

#include "platform/UiHost.h"

#include <string>
#include <vector>

namespace velmora::testing {

// A UI host for tests: every call is recorded as one line of text, in order, so a test can
// check what the user would have seen ("message Error|text|icon", "wait start", ...).
class RecordingUiHost : public platform::UiHost {
public:
    void ShowMessage(platform::WindowRef, std::string_view caption, std::string_view text,
                     platform::MessageIcon icon) override
    {
        Record("message " + std::string(caption) + "|" + std::string(text) + "|" + IconName(icon));
    }
    void StartWaitWindow(platform::WindowRef) override
    {
        mWaitOpen = true;
        Record("wait start");
    }
    void SetWaitText(std::string_view text) override
    {
        if (mWaitOpen)
            Record("wait text " + std::string(text));
    }
    void WatchStatusFile(std::string_view path) override
    {
        if (mWaitOpen)
            Record("wait watch " + std::string(path));
    }
    void StopWaitWindow() override
    {
        mWaitOpen = false;
        Record("wait stop");
    }
    void ShowErrorReport(std::string_view message) override { Record("error report " + std::string(message)); }
    void Pause(int milliseconds) override
    {
        PausedMilliseconds += milliseconds;
        ++EventRounds;
    }
    void ProcessEvents() override { ++EventRounds; }

    std::vector<std::string> Calls;
    int PausedMilliseconds = 0;
    int EventRounds = 0;

private:
    void Record(std::string call) { Calls.push_back(std::move(call)); }

    static std::string IconName(platform::MessageIcon icon)
    {
        switch (icon) {
        case platform::MessageIcon::Error: return "error";
        case platform::MessageIcon::Warning: return "warning";
        case platform::MessageIcon::Information: return "information";
        case platform::MessageIcon::Question: return "question";
        case platform::MessageIcon::None: break;
        }
        return "none";
    }

    bool mWaitOpen = false;
};

}  // namespace velmora::testing
