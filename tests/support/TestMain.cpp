// Every test process runs with its own temporary home: the data folder, the documents folder,
// the Wine prefix and the registry all point inside it, so no test ever touches the user's
// own folders or depends on what is installed.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class IsolatedHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        const std::string root = mRoot.Path();
        ::setenv("HOME", (root + "home").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root + "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (root + "config").c_str(), 1);
        ::setenv("WINEPREFIX", (root + "wine").c_str(), 1);
        ::unsetenv("VELMORA_REGISTRY");
    }

private:
    velmora::testing::TempDir mRoot;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new IsolatedHome);
    return RUN_ALL_TESTS();
}
