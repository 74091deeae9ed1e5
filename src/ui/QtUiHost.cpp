#include "QtUiHost.h"

#include "QtText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>

namespace velmora::ui {

QtUiHost::QtUiHost(QWidget* mainWindow, std::function<void(const QString&)> errorReport)
    : mMainWindow(mainWindow), mWait(new WaitWindow(mainWindow)), mErrorReport(std::move(errorReport))
{
}

void QtUiHost::ShowMessage(platform::WindowRef owner, std::string_view caption, std::string_view text,
                           platform::MessageIcon icon)
{
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case platform::MessageIcon::Error: qtIcon = QMessageBox::Critical; break;
    case platform::MessageIcon::Warning: qtIcon = QMessageBox::Warning; break;
    case platform::MessageIcon::Information: qtIcon = QMessageBox::Information; break;
    case platform::MessageIcon::Question: qtIcon = QMessageBox::Question; break;
    case platform::MessageIcon::None: break;
    }
    auto* parent = static_cast<QWidget*>(const_cast<void*>(owner));
    QMessageBox box(qtIcon, ToQt(caption), ToQt(text), QMessageBox::Ok, parent != nullptr ? parent : mMainWindow.data());
    box.setObjectName("MessageBox");
    box.exec();
}

void QtUiHost::StartWaitWindow(platform::WindowRef)
{
    if (mMainWindow)
        mMainWindow->setEnabled(false);
    mWait->Start();
}

void QtUiHost::SetWaitText(std::string_view text)
{
    if (mWait->IsRunning())
        mWait->SetText(ToQt(text));
}

void QtUiHost::WatchStatusFile(std::string_view path)
{
    if (mWait->IsRunning())
        mWait->Watch(QString::fromStdString(std::string(path)));
}

void QtUiHost::StopWaitWindow()
{
    mWait->Stop();
    if (mMainWindow) {
        mMainWindow->setEnabled(true);
        mMainWindow->activateWindow();
        mMainWindow->raise();
    }
}

void QtUiHost::ShowErrorReport(std::string_view message)
{
    mErrorReport(ToQt(message));
}

void QtUiHost::Pause(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

void QtUiHost::ProcessEvents()
{
    QApplication::processEvents();
}

}  // namespace velmora::ui
