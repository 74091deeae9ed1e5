#include "HelperConnector.h"

#include "diagnostics/CxDebugUtil.h"
#include "platform/IniFile.h"

#include <cstdio>
#include <filesystem>

namespace velmora::connectors {

HelperConnector::HelperConnector(const HelperFamily& family, std::string helperName, HelperFiles files)
    : mFamily(family), mHelperName(std::move(helperName)), mFiles(std::move(files)), mRunner(family.LogUnit)
{
}

HelperConnector::~HelperConnector()
{
    RequestStop();
    HelperConnector::Clear();
}

void HelperConnector::Clear()
{
    StopStartedLoad();
    if (mWorkFolder.empty())
        return;
    std::remove(FilePath(mFiles.Error).c_str());
    std::remove(FilePath(mFiles.Status).c_str());
}

void HelperConnector::SetError(std::string text)
{
    mHasError = true;
    mErrorText = std::move(text);
    if (mErrorText.size() > 1023)
        mErrorText.resize(1023);
}

void HelperConnector::SetDataFileError(DataFileResult result, const std::string& path, bool writing)
{
    // An error the helper reported says best why it left no data.
    if (result == DataFileResult::Ok || mHasError)
        return;
    if (writing)
        SetError("The data file " + path + " for " + mHelperName + " cannot be written.");
    else if (result == DataFileResult::CannotOpen)
        SetError("The helper program " + mHelperName + " left no data file " + path + ".");
    else
        SetError("The data file " + path + " of " + mHelperName + " is damaged: it ends inside its records.");
}

bool HelperConnector::RunHelper(HelperMode mode)
{
    return StartRun(mode) && FinishRun();
}

void HelperConnector::StartLoad()
{
    Clear();
    StartRun(HelperMode::Load);
}

bool HelperConnector::RunLoad()
{
    if (!mRunner.Started())
        StartLoad();
    // A helper that could not be started has said why already.
    return mRunner.Started() && FinishRun();
}

void HelperConnector::StopStartedLoad()
{
    if (EndStartedRun())
        std::remove(FilePath(mFiles.Data).c_str());
}

bool HelperConnector::EndStartedRun()
{
    if (!mRunner.Started())
        return false;
    // Its files are about to be replaced or deleted: it must have ended first. This may run
    // while the connector is destroyed, when the UI may be gone already.
    RequestStop();
    FinishRun(false);
    return true;
}

bool HelperConnector::StartRun(HelperMode mode)
{
    EndStartedRun();
    mMode = static_cast<int>(mode);
    if (mWorkFolder.empty()) {
        // Without a data folder there is nowhere to exchange files; never fall back to the
        // current directory.
        SetError("There is no data folder for the files exchanged with " + mHelperName + ".");
        return false;
    }
    ParamParser params;
    AddParams(params);
    const std::string paramPath = FilePath(mFiles.Param);
    if (!params.Save(paramPath)) {
        // A helper started on an old or missing parameter file would do the wrong work.
        VL_LOG(diagnostics::CxDebugUtil::kError, mFamily.LogUnit, "Failed to open file: %s", paramPath.c_str());
        std::remove(paramPath.c_str());
        SetError("The parameter file " + paramPath + " for " + mHelperName + " cannot be written.");
        return false;
    }

    mHasError = false;
    mErrorText.clear();
    // Whatever an earlier run left must never pass for this run's answer.
    std::remove(FilePath(mFiles.Error).c_str());
    if (mode == HelperMode::Load)
        std::remove(FilePath(mFiles.Data).c_str());

    mRunner.SetExeName(mHelperName);
    mRunner.SetWorkFolder(mWorkFolder);
    mRunner.SetParamFileName(mFiles.Param);
    mRunner.SetDataFileName(mFiles.Data);
    LaunchResult failure{LaunchOutcome::NotStarted, {}};
    if (mRunner.Start(failure))
        return true;
    std::remove(paramPath.c_str());
    SetError("The helper program " + mHelperName + " could not be started: " + failure.detail + ".");
    return false;
}

bool HelperConnector::FinishRun(bool handleEvents)
{
    const LaunchResult result = mRunner.Wait(handleEvents);
    if (result.outcome != LaunchOutcome::TimedOut)
        std::remove(FilePath(mFiles.Param).c_str());

    switch (result.outcome) {
    case LaunchOutcome::Ended:
        ReadErrors();
        return true;
    case LaunchOutcome::Failed:
        // Whatever files it left, a helper that did not end normally did not do its work.
        SetError("The helper program " + mHelperName + " ended abnormally (" + result.detail + ").");
        return false;
    case LaunchOutcome::NotStarted:
        SetError("The helper program " + mHelperName + " could not be started: " + result.detail + ".");
        return false;
    case LaunchOutcome::TimedOut:
        SetError("The helper program " + mHelperName + " did not finish within " +
                 std::to_string(mRunner.Timeout().count() / 1000) + " seconds; it may still be working.");
        return false;
    case LaunchOutcome::WaitFailed:
        SetError("Waiting for the helper program " + mHelperName + " failed: " + result.detail + ".");
        return false;
    }
    return false;
}

void HelperConnector::ReadErrors()
{
    const auto errors = platform::IniFile::Load(FilePath(mFiles.Error));
    const int count = errors.GetInt("Error", "Error.Count", 0);
    mHasError = count > 0;
    mErrorText = mHasError ? errors.GetString("Error", "Error." + std::to_string(count), "", 1024) : std::string();
}

void HelperConnector::RequestStop()
{
    if (mWorkFolder.empty() || mFiles.Control.empty())
        return;
    const std::string path = FilePath(mFiles.Control);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return;
    platform::IniFile control = platform::IniFile::Load(path);
    if (control.GetInt("Status", "Running", 0) == 0)
        return;
    control.Set("Status", "Stop", "1");
    control.Save(path, 0600);
}

}  // namespace velmora::connectors
