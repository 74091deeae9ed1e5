#pragma once

#include "platform/CodePage.h"

#include <QString>

#include <string>
#include <string_view>

namespace velmora::ui {

// The core's texts are Windows-1252; Qt's are Unicode.
inline QString ToQt(std::string_view ansi)
{
    return QString::fromStdString(platform::AnsiToUtf8(ansi));
}

inline std::string FromQt(const QString& text)
{
    return platform::Utf8ToAnsi(text.toStdString());
}

}  // namespace velmora::ui
