#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace velmora::testing {

// Sets an environment variable (or removes it, for a null value) for a scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : mName(name)
    {
        if (const char* old = std::getenv(name))
            mOld = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (mOld)
            ::setenv(mName.c_str(), mOld->c_str(), 1);
        else
            ::unsetenv(mName.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string mName;
    std::optional<std::string> mOld;
};

}  // namespace velmora::testing
