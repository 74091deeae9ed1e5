#include "connectors/act/CxACTAddrUtil.h"
#include "connectors/exchange/HelperConnector.h"
#include "connectors/google/GoogleRecords.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/IniFile.h"
#include "support/RecordingUiHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace velmora::connectors;
using velmora::diagnostics::CxDebugUtil;
using velmora::testing::ReadFile;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

// A connector of its own family that runs any program of the program folder.
class ProbeConnector : public HelperConnector {
public:
    explicit ProbeConnector(std::string helper)
        : HelperConnector({"CxTestCommon"}, std::move(helper), {"T.dat", "TParam.dat", "TErr.dat", "TStatus.dat", "T.ini"})
    {
    }
    using HelperConnector::ReadErrors;
    using HelperConnector::RunHelper;
    using HelperConnector::RunLoad;

protected:
    void AddParams(ParamParser& params) const override { params.SetParam(1000, ParamParser::kText, "secret"); }
};

// A connector whose helper leaves a data file of records it reads, saying why it could not.
class DataConnector : public ProbeConnector {
public:
    DataConnector() : ProbeConnector("velmora-fake-helper") {}
    bool Load() override
    {
        if (!RunHelper(HelperMode::Load))
            return false;
        const std::string path = FilePath(Files().Data);
        const DataFileResult result = ReadDataFile<velmora::connectors::GCalendarRec>(
            path, [](std::int32_t) {}, [](velmora::connectors::GCalendarRec&&) { return true; });
        SetDataFileError(result, path);
        return result == DataFileResult::Ok;
    }
};

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CxDebugUtil::Instance().SetFolder(work.Path());
        CxDebugUtil::Instance().SetEnabled(true);
        CxDebugUtil::Instance().SetLevel(3);
    }
    void TearDown() override
    {
        CxDebugUtil::Instance().SetEnabled(false);
        CxDebugUtil::Instance().SetFolder("");
        ::unsetenv("VELMORA_FAKE_HELPER");
        ::unsetenv("VELMORA_FAKE_HELPER_PID");
    }
    std::string Log() const { return ReadFile(work.Path() + "appdebug.log"); }

    TempDir work;
};

TEST_F(ExchangeTest, TheLastReportedErrorIsTheOneShown)
{
    ProbeConnector connector("velmora-fake-helper");
    connector.SetWorkFolder(work.Path());
    const struct {
        const char* file;
        bool hasError;
        const char* text;
    } cases[] = {
        {"[Error]\nError.Count=3\nError.1=first\nError.2=second\nError.3=Invalid user name or password.\n", true,
         "Invalid user name or password."},
        {"[Error]\nError.Count=0\nError.1=stale\n", false, ""},
        {"[Error]\nError.1=no count\n", false, ""},
        {nullptr, false, ""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(work.Path() + "TErr.dat");
        if (c.file != nullptr)
            WriteFile(work.Path() + "TErr.dat", c.file);
        connector.ReadErrors();
        EXPECT_EQ(connector.HasError(), c.hasError);
        EXPECT_EQ(connector.GetErrorText(), c.text);
    }
}

TEST_F(ExchangeTest, TheHelperSeesAPrivateParameterFileThatIsGoneAfterwards)
{
    ::setenv("VELMORA_FAKE_HELPER", ("copy:" + work.Path() + "seen.dat").c_str(), 1);
    velmora::testing::RecordingUiHost host;
    ProbeConnector connector("velmora-fake-helper");
    connector.SetWorkFolder(work.Path());
    connector.SetUiHost(&host);
    WriteFile(work.Path() + "TErr.dat", "[Error]\nError.Count=1\nError.1=stale answer\n");
    ASSERT_TRUE(connector.RunHelper(HelperMode::Load));
    EXPECT_FALSE(connector.HasError()) << "the error file of an earlier run is never read";
    EXPECT_EQ(ReadFile(work.Path() + "seen.dat").substr(16), "secret");
    EXPECT_EQ(ReadFile(work.Path() + "seen.dat.mode"), "600");
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "TParam.dat"));
    const std::string log = Log();
    for (const char* line : {"Original current directory: ", "Set current directory: ", "Executing command: \"velmora-fake-helper\"",
                             "Command executed successfully.", "Helper utility program exited successfully."})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    EXPECT_NE(log.find("[CxTestCommon"), std::string::npos);
}

TEST_F(ExchangeTest, AHelperThatCannotStartIsAnErrorAndNoStaleDataIsLeft)
{
    ProbeConnector connector("velmora-no-such-helper");
    connector.SetWorkFolder(work.Path());
    WriteFile(work.Path() + "T.dat", "the data file of an earlier run");
    EXPECT_FALSE(connector.RunHelper(HelperMode::Load));
    EXPECT_TRUE(connector.HasError());
    EXPECT_EQ(connector.GetErrorText(),
              "The helper program velmora-no-such-helper could not be started: No such file or directory.");
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "T.dat"));
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "TParam.dat"));
    EXPECT_NE(Log().find("[!!!] - CreateProcess Error: No such file or directory"), std::string::npos);
}

// Whatever files it left, a helper killed by a signal or ending with a non-zero status failed.
TEST_F(ExchangeTest, AHelperThatEndsAbnormallyHasFailed)
{
    const struct {
        const char* action;
        const char* cause;
    } cases[] = {{"crash", "signal SIGABRT"}, {"exit:3", "exit status 3"}, {"exit:1", "exit status 1"}};
    for (const auto& k : cases) {
        ProbeConnector connector("velmora-fake-helper");
        connector.SetWorkFolder(work.Path());
        ::setenv("VELMORA_FAKE_HELPER", k.action, 1);
        EXPECT_FALSE(connector.RunHelper(HelperMode::Submit)) << k.action;
        EXPECT_TRUE(connector.HasError()) << k.action;
        EXPECT_EQ(connector.GetErrorText(),
                  std::string("The helper program velmora-fake-helper ended abnormally (") + k.cause + ").");
        EXPECT_NE(Log().find(std::string("The helper utility program ended with ") + k.cause), std::string::npos);
    }
}

TEST_F(ExchangeTest, ADamagedOrMissingDataFileIsAnErrorThatSaysSo)
{
    DataConnector connector;
    connector.SetWorkFolder(work.Path());
    ::setenv("VELMORA_FAKE_HELPER", ("short:" + work.Path() + "T.dat").c_str(), 1);
    EXPECT_FALSE(connector.Load());
    EXPECT_EQ(connector.GetErrorText(),
              "The data file " + work.Path() + "T.dat of velmora-fake-helper is damaged: it ends inside its records.");
    ::setenv("VELMORA_FAKE_HELPER", "", 1);
    EXPECT_FALSE(connector.Load());
    EXPECT_EQ(connector.GetErrorText(), "The helper program velmora-fake-helper left no data file " + work.Path() + "T.dat.");
}

TEST_F(ExchangeTest, AParameterFileThatCannotBeWrittenStartsNoHelper)
{
    // A folder in the parameter file's place: the file cannot be put there.
    std::filesystem::create_directories(work.Path() + "TParam.dat/inside");
    ::setenv("VELMORA_FAKE_HELPER", ("copy:" + work.Path() + "seen.dat").c_str(), 1);
    ProbeConnector connector("velmora-fake-helper");
    connector.SetWorkFolder(work.Path());
    EXPECT_FALSE(connector.RunHelper(HelperMode::Load));
    EXPECT_EQ(connector.GetErrorText(),
              "The parameter file " + work.Path() + "TParam.dat for velmora-fake-helper cannot be written.");
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "seen.dat"));
    EXPECT_EQ(Log().find("Executing command"), std::string::npos);
}

TEST_F(ExchangeTest, WithoutADataFolderNoHelperRuns)
{
    ProbeConnector connector("velmora-fake-helper");
    EXPECT_FALSE(connector.RunHelper(HelperMode::Load));
    EXPECT_EQ(connector.GetErrorText(), "There is no data folder for the files exchanged with velmora-fake-helper.");
    EXPECT_EQ(Log().find("Executing command"), std::string::npos);
}

TEST_F(ExchangeTest, AHelperPastItsTimeOutIsAnErrorAndKeepsRunning)
{
    const std::string pidFile = work.Path() + "helper.pid";
    ::setenv("VELMORA_FAKE_HELPER", "sleep:20000", 1);
    ::setenv("VELMORA_FAKE_HELPER_PID", pidFile.c_str(), 1);
    velmora::testing::RecordingUiHost host;
    ProbeConnector connector("velmora-fake-helper");
    connector.SetWorkFolder(work.Path());
    connector.SetUiHost(&host);
    connector.Runner().SetTimeout(std::chrono::milliseconds(400));
    EXPECT_FALSE(connector.RunHelper(HelperMode::Submit));
    EXPECT_TRUE(connector.HasError());
    EXPECT_NE(connector.GetErrorText().find("did not finish"), std::string::npos);
    EXPECT_GT(host.EventRounds, 3) << "the screen keeps being served while the helper runs";
    EXPECT_NE(Log().find("The helper utility program has no response. Got timeout event."), std::string::npos);

    const pid_t pid = std::atoi(ReadFile(pidFile).c_str());
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0) << "the helper is left running";
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// Each helper waits for the other to have started: they meet only when they run at once.
TEST_F(ExchangeTest, StartedLoadsRunSideBySideAndEachIsTakenInByItsConnector)
{
    TempDir other;
    const std::string first = work.Path() + "first.here", second = other.Path() + "second.here";
    ProbeConnector a("velmora-fake-helper"), b("velmora-fake-helper");
    a.SetWorkFolder(work.Path());
    b.SetWorkFolder(other.Path());
    ::setenv("VELMORA_FAKE_HELPER", ("meet:" + first + ":" + second).c_str(), 1);
    a.StartLoad();
    ::setenv("VELMORA_FAKE_HELPER", ("meet:" + second + ":" + first).c_str(), 1);
    b.StartLoad();
    EXPECT_TRUE(std::filesystem::exists(work.Path() + "TParam.dat")) << "kept until its helper has ended";
    EXPECT_TRUE(a.RunLoad()) << a.GetErrorText();
    EXPECT_TRUE(b.RunLoad()) << b.GetErrorText();
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "TParam.dat"));
    EXPECT_FALSE(std::filesystem::exists(other.Path() + "TParam.dat"));
    ::setenv("VELMORA_FAKE_HELPER", "exit:4", 1);
    EXPECT_FALSE(a.RunLoad()) << "without a started load, one is run now";
    EXPECT_EQ(a.GetErrorText(), "The helper program velmora-fake-helper ended abnormally (exit status 4).");
}

TEST_F(ExchangeTest, AStartedLoadNobodyTakesInEndsAndLeavesNoFiles)
{
    const std::string pidFile = work.Path() + "helper.pid";
    ::setenv("VELMORA_FAKE_HELPER", "sleep:300", 1);
    ::setenv("VELMORA_FAKE_HELPER_PID", pidFile.c_str(), 1);
    ProbeConnector connector("velmora-fake-helper");
    connector.SetWorkFolder(work.Path());
    connector.StartLoad();
    WriteFile(work.Path() + "T.dat", "what the helper would have left");
    connector.StopStartedLoad();
    const pid_t pid = std::atoi(ReadFile(pidFile).c_str());
    ASSERT_GT(pid, 0);
    EXPECT_NE(::kill(pid, 0), 0) << "the helper has ended and was reaped";
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "TParam.dat"));
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "T.dat"));
    connector.StopStartedLoad();  // nothing started: nothing to do
}

TEST_F(ExchangeTest, DestroyingAConnectorAsksARunningHelperToStop)
{
    {
        CxACTAddrUtil connector;
        connector.SetWorkFolder(work.Path());
        WriteFile(work.Path() + "ACTAddr.ini", "[Status]\nRunning=1\nStop=0\n");
        WriteFile(work.Path() + "ACTAddrErr.dat", "[Error]\nError.Count=0\n");
        WriteFile(work.Path() + "ACTAddrStatus.dat", "Reading contacts 10 of 200\n");
    }
    EXPECT_EQ(velmora::platform::IniFile::Load(work.Path() + "ACTAddr.ini").GetInt("Status", "Stop", 0), 1);
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "ACTAddrErr.dat"));
    EXPECT_FALSE(std::filesystem::exists(work.Path() + "ACTAddrStatus.dat"));
}

}  // namespace
