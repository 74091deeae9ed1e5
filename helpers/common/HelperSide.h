#pragma once

#include "connectors/exchange/ParamParser.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::helpers {

// The helper's side of the exchange with a connector: the parameters it was given, the error
// file it answers failures with, the status line it shows progress in, and the control file
// through which it can be asked to stop.

// The parameter file named on the command line, or nothing when it is missing or damaged.
bool ReadParams(int argc, char** argv, connectors::ParamParser& params);

// INI section "Error": "Error.Count" and "Error.1" ... "Error.n".
bool WriteErrorFile(const std::string& path, const std::vector<std::string>& errors);

// Replaces the status file with one line of progress text.
void WriteStatusLine(const std::string& path, std::string_view text);

// Keeps "Running" = 1 in section "Status" of the control file while the helper works (0 again
// at its end) and tells when the connector has set "Stop" to 1.
class ControlFile {
public:
    explicit ControlFile(std::string path);
    ~ControlFile();
    ControlFile(const ControlFile&) = delete;
    ControlFile& operator=(const ControlFile&) = delete;

    bool StopRequested() const;

private:
    void SetRunning(bool running) const;

    std::string mPath;
};

}  // namespace velmora::helpers
