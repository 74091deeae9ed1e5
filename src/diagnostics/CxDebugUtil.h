#pragma once

#include <cstdint>
#include <mutex>
#include <string>

namespace velmora::diagnostics {

// The process-wide debug log, "appdebug.log" in the data folder, meant to be sent to support.
// Errors (level 0) are always written; other levels only when the log is enabled and the
// stored level is at least the message's. Each line is
//   [YYYY/MM/DD hh:mm:ss][<source, 20 wide>(<line, 4 wide>)][<thread, 5 hex>][!!! or 3 spaces] - message
// followed by CR LF. The file is opened and closed for every line, so it is complete on disk
// at any moment; past 10,485,760 bytes it is copied to "appdebug.log.old.log" and started anew.
// Writing never fails the caller: a line that cannot be written is dropped.
class CxDebugUtil {
public:
    static constexpr int kError = 0;
    static constexpr int kInfo = 2;
    static constexpr std::int64_t kMaxSize = 10'485'760;
    static constexpr const char* kFileName = "appdebug.log";

    // The one log of the process.
    static CxDebugUtil& Instance();

    // `sourceFile` is printed after its last path separator (a name without one is printed
    // whole, a null one as "<null>"); the system passes its source unit's name.
    void Log(int level, const char* sourceFile, int line, const char* format, ...)
        __attribute__((format(printf, 5, 6)));

    // The folder ends in '/'; the log's path is the folder followed by the file name. An empty
    // folder (the data folder could not be made) writes nothing.
    void SetFolder(const std::string& folder);
    void SetEnabled(bool enabled);
    // Stored clamped to 0-3.
    void SetLevel(int level);

    std::string Folder() const;
    std::string Path() const;
    bool Enabled() const;
    int Level() const;

private:
    CxDebugUtil() = default;
    void WriteLine(const std::string& line);

    mutable std::mutex mMutex;
    std::string mFolder;  // nothing is written until a folder is given
    bool mEnabled = false;
    int mLevel = 3;
};

}  // namespace velmora::diagnostics

// Logs with the calling line's number; `unit` is the source unit's name.
#define VL_LOG(level, unit, ...) ::velmora::diagnostics::CxDebugUtil::Instance().Log(level, unit, __LINE__, __VA_ARGS__)
