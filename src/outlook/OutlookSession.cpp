#include "OutlookSession.h"

#include <cstdlib>

namespace velmora::outlook {

void OutlookSession::Reset()
{
    Namespace.reset();
    Application.reset();
    Unknown = {};
    Connected = false;
    ConnectCount = 0;
}

OutlookSession& TheOutlookSession()
{
    static OutlookSession session;
    return session;
}

std::int32_t OutlookVersionCodeOf(const std::string& fileVersion)
{
    const std::string major = fileVersion.substr(0, fileVersion.find('.'));
    if (major.empty() || major.find_first_not_of("0123456789") != std::string::npos || major.size() > 5)
        return 0;
    const int version = std::atoi(major.c_str());
    if (version < 10)
        return 1;
    switch (version) {
    case 10: return 2;
    case 11: return 3;
    case 12: return 4;
    case 14: return 5;
    default: return 6;  // 13, and 15 onwards
    }
}

}  // namespace velmora::outlook
