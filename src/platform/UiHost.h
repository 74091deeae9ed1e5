#pragma once

#include <string_view>

namespace velmora::platform {

// The owning window of a message box or wait window, opaque below the UI.
using WindowRef = const void*;

enum class MessageIcon { None, Error, Warning, Information, Question };

// Everything below the user interface reaches the screen through this interface: the wizard
// implements it with real widgets, headless programs print to the console, tests record.
// All texts are Windows-1252, like every text of the core. Called on the UI thread only.
class UiHost {
public:
    virtual ~UiHost() = default;

    // A modal message box with one OK button.
    virtual void ShowMessage(WindowRef owner, std::string_view caption, std::string_view text, MessageIcon icon) = 0;

    // The wait window shown while helpers run and readers load. SetWaitText and WatchStatusFile
    // do nothing while no wait window exists. WatchStatusFile deletes that file first, then
    // shows its first line as the text whenever it exists and is not empty.
    virtual void StartWaitWindow(WindowRef owner) = 0;
    virtual void SetWaitText(std::string_view text) = 0;
    virtual void WatchStatusFile(std::string_view path) = 0;
    virtual void StopWaitWindow() = 0;

    // The modal error report shown after an unexpected failure.
    virtual void ShowErrorReport(std::string_view message) = 0;

    // Waits the given time while the screen keeps painting.
    virtual void Pause(int milliseconds) = 0;
    // Handles pending window events once; long waits call it in their loops.
    virtual void ProcessEvents() = 0;
};

}  // namespace velmora::platform
