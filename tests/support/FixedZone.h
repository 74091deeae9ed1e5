#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

namespace velmora::testing {

// Runs a test in a fixed time zone, restoring the process's own afterwards.
class FixedZone {
public:
    explicit FixedZone(const char* zone)
    {
        if (const char* tz = std::getenv("TZ"))
            mSaved = tz;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~FixedZone()
    {
        if (mSaved.empty())
            ::unsetenv("TZ");
        else
            ::setenv("TZ", mSaved.c_str(), 1);
        ::tzset();
    }
    FixedZone(const FixedZone&) = delete;
    FixedZone& operator=(const FixedZone&) = delete;

private:
    std::string mSaved;
};

}  // namespace velmora::testing
