#include "ConsoleUiHost.h"

#include <algorithm>
#include <fstream>

namespace velmora::platform {

std::string ReadStatusLine(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    line = line.substr(0, std::min<std::size_t>(line.find('\r'), 1023));
    return line;
}

void ConsoleUiHost::ShowMessage(WindowRef, std::string_view caption, std::string_view text, MessageIcon)
{
    std::fprintf(mOut, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(), static_cast<int>(text.size()),
                 text.data());
}

void ConsoleUiHost::StartWaitWindow(WindowRef)
{
    mWaiting = true;
    mText.clear();
    mStatusFile.clear();
}

void ConsoleUiHost::SetWaitText(std::string_view text)
{
    if (mWaiting)
        Show(text.substr(0, 1023));
}

void ConsoleUiHost::WatchStatusFile(std::string_view path)
{
    if (!mWaiting)
        return;
    mStatusFile = path;
    std::remove(mStatusFile.c_str());
}

void ConsoleUiHost::StopWaitWindow()
{
    mWaiting = false;
    mStatusFile.clear();
}

void ConsoleUiHost::ShowErrorReport(std::string_view message)
{
    ShowMessage(nullptr, "Error report", message, MessageIcon::Error);
}

// The wizard pauses so that a text stays on the screen long enough to be read; without a screen
// there is nothing to wait for, and a headless migration of a large database would only lose
// the time.
void ConsoleUiHost::Pause(int)
{
    ProcessEvents();
}

void ConsoleUiHost::ProcessEvents()
{
    if (!mWaiting || mStatusFile.empty())
        return;
    const std::string status = ReadStatusLine(mStatusFile);
    if (!status.empty())
        Show(status);
}

void ConsoleUiHost::Show(std::string_view text)
{
    if (text == mText)
        return;
    mText = text;
    std::fprintf(mOut, "%s\n", mText.c_str());
    std::fflush(mOut);
}

}  // namespace velmora::platform
