#pragma once

#include "WaitWindow.h"

#include "platform/UiHost.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace velmora::ui {

// The wizard's UI host: message boxes, the painted wait window (the main window takes no input
// while it is shown), the error report dialog, and waits that keep the event loop turning.
// An owner (WindowRef) is a QWidget*.
class QtUiHost : public platform::UiHost {
public:
    // `mainWindow` is disabled while the wait window is shown; `errorReport` shows the error
    // report dialog.
    QtUiHost(QWidget* mainWindow, std::function<void(const QString&)> errorReport);

    void ShowMessage(platform::WindowRef owner, std::string_view caption, std::string_view text,
                     platform::MessageIcon icon) override;
    void StartWaitWindow(platform::WindowRef owner) override;
    void SetWaitText(std::string_view text) override;
    void WatchStatusFile(std::string_view path) override;
    void StopWaitWindow() override;
    void ShowErrorReport(std::string_view message) override;
    void Pause(int milliseconds) override;
    void ProcessEvents() override;

    WaitWindow& Wait() { return *mWait; }

private:
    QPointer<QWidget> mMainWindow;
    QPointer<WaitWindow> mWait;
    std::function<void(const QString&)> mErrorReport;
};

}  // namespace velmora::ui
