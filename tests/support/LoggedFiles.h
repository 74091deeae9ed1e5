#pragma once

#include "diagnostics/CxDebugUtil.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::testing {

// A temporary folder for a test's files and the debug log, which every line is written to.
class LoggedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& log = diagnostics::CxDebugUtil::Instance();
        log.SetFolder(mDir.Path());
        log.SetEnabled(true);
        log.SetLevel(3);
    }
    void TearDown() override
    {
        auto& log = diagnostics::CxDebugUtil::Instance();
        log.SetEnabled(false);
        log.SetFolder("");
    }

    // Writes the bytes to a file of that name in the folder and returns its path.
    std::string Put(const std::string& name, const std::string& bytes)
    {
        const std::string path = mDir.Path() + name;
        WriteFile(path, bytes);
        return path;
    }
    std::string Log() const { return ReadFile(mDir.Path() + "appdebug.log"); }
    bool Logged(const std::string& text) const { return Log().find(text) != std::string::npos; }
    std::size_t TimesLogged(const std::string& text) const
    {
        const std::string log = Log();
        std::size_t count = 0;
        for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++count;
        return count;
    }
    const std::string& Folder() const { return mDir.Path(); }

private:
    TempDir mDir;
};

}  // namespace velmora::testing
