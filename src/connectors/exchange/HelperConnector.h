#pragma once

#include "HelperRunner.h"
#include "ParamParser.h"
#include "RecordFile.h"

#include "platform/UiHost.h"

#include <string>

namespace velmora::connectors {

// The plain names of one connector's exchange files, all in the working folder.
struct HelperFiles {
    std::string Data;     // records, written by the helper on load and by the connector on submit
    std::string Param;    // parameters for the helper
    std::string Error;    // INI: section "Error", "Error.Count", "Error.%d"
    std::string Status;   // first line: the helper's progress text
    std::string Control;  // INI: section "Status", "Running" kept by the helper, "Stop" set by us
};

// What a helper is run for, as the mode parameter tells it (in decimal) in every family.
enum class HelperMode : int { Load = 1, Submit = 2, Undo = 3, History = 4 };

// What tells one family of helper connectors (ACT!, Google, Lotus Notes) apart in the exchange.
struct HelperFamily {
    const char* LogUnit;  // source name of the exchange's log lines
};

// The exchange every helper connector has with its helper program: write the parameter file,
// start the helper, wait for it, read its error file. A helper that cannot be started, or that
// is still running at the time-out, is an error like one the helper reports itself. Stale
// files of an earlier run are deleted before each run, and the parameter file, which holds a
// password, as soon as the helper has ended.
class HelperConnector {
public:
    virtual ~HelperConnector();
    HelperConnector(const HelperConnector&) = delete;
    HelperConnector& operator=(const HelperConnector&) = delete;

    virtual bool Load() { return true; }
    // Clears what an earlier load left and starts the helper's load, returning at once, so that
    // the helpers of several connectors read side by side; the next Load() waits for it and
    // takes in its data.
    virtual void StartLoad();
    // Stops a load StartLoad() started that nobody will take in, waits for its helper to end and
    // deletes its data file.
    void StopStartedLoad();
    // Deletes the error file and the status file; a load started and not taken in is stopped.
    virtual void Clear();
    virtual bool Submit() { return true; }

    bool HasError() const { return mHasError; }
    const std::string& GetErrorText() const { return mErrorText; }

    // The working folder ends in '/'; every exchange file lies in it.
    void SetWorkFolder(const std::string& folder) { mWorkFolder = folder; }
    const std::string& WorkFolder() const { return mWorkFolder; }
    void SetLogFolder(const std::string& folder) { mLogFolder = folder; }
    void SetLogLevel(int level) { mLogLevel = level; }
    void SetLogEnabled(bool enabled) { mLogEnabled = enabled; }
    void SetUiHost(platform::UiHost* host) { mRunner.SetUiHost(host); }

    const HelperFiles& Files() const { return mFiles; }
    // The parameters this connector hands its helper, as the next run would write them.
    ParamParser Parameters() const
    {
        ParamParser params;
        AddParams(params);
        return params;
    }
    std::string FilePath(const std::string& name) const { return mWorkFolder + name; }
    // The runner, for the time-out of tests and the Lotus Notes helpers' directory.
    HelperRunner& Runner() { return mRunner; }

protected:
    HelperConnector(const HelperFamily& family, std::string helperName, HelperFiles files);

    // Runs the helper in `mode` and reads its errors. False when the helper did not run to its
    // end; HasError then says why.
    bool RunHelper(HelperMode mode);
    // For Load(): the load StartLoad() started, or one started now, run to its end like
    // RunHelper's.
    bool RunLoad();
    void ReadErrors();
    // Asks a helper that is still running to stop, through the control file.
    void RequestStop();

    // The family's parameter table.
    virtual void AddParams(ParamParser& params) const = 0;

    int Mode() const { return mMode; }
    std::string LogFolder() const { return mLogFolder; }
    int LogLevel() const { return mLogLevel; }
    bool LogEnabled() const { return mLogEnabled; }
    void SetError(std::string text);
    // The error of a data file that could not be read or written, so that the step's message
    // says what went wrong.
    void SetDataFileError(DataFileResult result, const std::string& path, bool writing = false);

    bool Dirty = true;  // records were added or changed since the last submission

private:
    bool StartRun(HelperMode mode);
    bool FinishRun(bool handleEvents = true);
    // Stops a started helper and waits for it to end; false when none was started.
    bool EndStartedRun();

    HelperFamily mFamily;
    std::string mHelperName;
    HelperFiles mFiles;
    HelperRunner mRunner;
    std::string mWorkFolder, mLogFolder;
    int mLogLevel = 3;
    bool mLogEnabled = false;
    int mMode = 0;
    bool mHasError = false;
    std::string mErrorText;
};

}  // namespace velmora::connectors
