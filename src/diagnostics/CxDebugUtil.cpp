#include "CxDebugUtil.h"

#include "platform/PrivateFile.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace velmora::diagnostics {
namespace {

constexpr std::size_t kMessageCapacity = 40 * 1024;
constexpr std::size_t kSourceNameCapacity = 255;

std::string SourceName(const char* sourceFile)
{
    if (sourceFile == nullptr)
        return "<null>";
    const char* name = sourceFile;
    for (const char* p = sourceFile; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/')
            name = p + 1;
    }
    return std::string(name, strnlen(name, kSourceNameCapacity));
}

unsigned long ThreadId()
{
    return static_cast<unsigned long>(::syscall(SYS_gettid));
}

std::int64_t SizeOf(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<std::int64_t>(info.st_size) : -1;
}

}  // namespace

CxDebugUtil& CxDebugUtil::Instance()
{
    static CxDebugUtil log;
    return log;
}

void CxDebugUtil::Log(int level, const char* sourceFile, int line, const char* format, ...)
{
    {
        std::lock_guard lock(mMutex);
        if (level != kError && !(mEnabled && mLevel >= level))
            return;
    }
    std::array<char, kMessageCapacity> message{};
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(message.data(), message.size(), format, args);
        va_end(args);
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string source = SourceName(sourceFile);
    std::array<char, kSourceNameCapacity + 128> header{};
    std::snprintf(header.data(), header.size(), "[%04d/%02d/%02d %02d:%02d:%02d][%-20s(%-4d)][%05lx][%s] - ",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec, source.c_str(), line, ThreadId(), level == kError ? "!!!" : "   ");
    const std::string text = std::string(header.data()) + message.data() + "\r\n";
    WriteLine(text);
}

void CxDebugUtil::WriteLine(const std::string& line)
{
    std::lock_guard lock(mMutex);
    if (mFolder.empty())
        return;
    const std::string path = mFolder + kFileName;
    const char* mode = "ab";
    if (SizeOf(path) > kMaxSize) {
        std::error_code error;
        std::filesystem::copy_file(path, path + ".old.log", std::filesystem::copy_options::overwrite_existing, error);
        mode = "wb";
    }
    std::FILE* file = platform::OpenPrivateFile(path, mode);
    if (file == nullptr)
        return;
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

void CxDebugUtil::SetFolder(const std::string& folder)
{
    std::lock_guard lock(mMutex);
    mFolder = folder;
}

void CxDebugUtil::SetEnabled(bool enabled)
{
    std::lock_guard lock(mMutex);
    mEnabled = enabled;
}

void CxDebugUtil::SetLevel(int level)
{
    std::lock_guard lock(mMutex);
    mLevel = std::clamp(level, 0, 3);
}

std::string CxDebugUtil::Folder() const
{
    std::lock_guard lock(mMutex);
    return mFolder;
}

std::string CxDebugUtil::Path() const
{
    std::lock_guard lock(mMutex);
    return mFolder + kFileName;
}

bool CxDebugUtil::Enabled() const
{
    std::lock_guard lock(mMutex);
    return mEnabled;
}

int CxDebugUtil::Level() const
{
    std::lock_guard lock(mMutex);
    return mLevel;
}

}  // namespace velmora::diagnostics
