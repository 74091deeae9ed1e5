#pragma once

#include "UiHost.h"

#include <cstdio>
#include <string>

namespace velmora::platform {

// The UI host of programs without windows: messages and the wait window's texts are printed
// as lines. The wait window still works as the wizard's does: WatchStatusFile deletes the
// status file, and while the core waits (Pause, ProcessEvents) the file's first line, when it
// exists and is not empty, becomes the shown text. A pause does not wait: nobody reads a screen.
class ConsoleUiHost : public UiHost {
public:
    explicit ConsoleUiHost(std::FILE* out = stderr) : mOut(out) {}

    void ShowMessage(WindowRef owner, std::string_view caption, std::string_view text, MessageIcon icon) override;
    void StartWaitWindow(WindowRef owner) override;
    void SetWaitText(std::string_view text) override;
    void WatchStatusFile(std::string_view path) override;
    void StopWaitWindow() override;
    void ShowErrorReport(std::string_view message) override;
    void Pause(int milliseconds) override;
    void ProcessEvents() override;

    // The wait window's current text.
    const std::string& WaitText() const { return mText; }

private:
    void Show(std::string_view text);

    std::FILE* mOut;
    bool mWaiting = false;
    std::string mText;
    std::string mStatusFile;
};

// The first line of a status file, at most 1023 characters; empty when the file is missing.
std::string ReadStatusLine(const std::string& path);

}  // namespace velmora::platform
