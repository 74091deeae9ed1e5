#include "NotesExport.h"

#include "platform/AsciiCase.h"
#include "platform/WindowsPath.h"

#include <cstdlib>
#include <filesystem>

namespace velmora::helpers {
namespace {

namespace fs = std::filesystem;

const char* ExtensionOf(ExportKind kind)
{
    switch (kind) {
    case ExportKind::VCard: return ".vcf";
    case ExportKind::ICalendar: return ".ics";
    case ExportKind::StructuredText: return ".txt";
    }
    return "";
}

bool IsFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

std::string NotesRoot(const std::string& dataFolder)
{
    if (const char* root = std::getenv("VELMORA_NOTES_ROOT"); root != nullptr && *root != '\0') {
        std::string folder = root;
        return folder.back() == '/' ? folder : folder + "/";
    }
    return dataFolder + "NotesData/";
}

bool FindNotesExport(const std::string& database, const std::string& notesRoot, const std::vector<ExportKind>& accepted,
                     NotesExport& found, std::string& error)
{
    std::string path;
    if (const auto bang = database.find("!!"); bang != std::string::npos) {
        std::string inServer = database.substr(bang + 2);
        for (char& c : inServer)
            c = c == '\\' ? '/' : c;
        path = notesRoot + database.substr(0, bang) + "/" + inServer;
    } else {
        path = platform::MapWindowsPath(database).value_or(database);
    }
    path = platform::ResolveNoCase(path);
    const std::string extension = platform::UpperAscii(fs::path(path).extension().string());
    if (!database.empty() && extension == ".NSF") {
        const fs::path stem = fs::path(path).replace_extension();
        for (ExportKind kind : accepted) {
            const std::string candidate = platform::ResolveNoCase(stem.string() + ExtensionOf(kind));
            if (IsFile(candidate)) {
                found = {candidate, kind};
                return true;
            }
        }
    } else if (!database.empty() && IsFile(path)) {
        for (ExportKind kind : accepted) {
            if (extension == platform::UpperAscii(ExtensionOf(kind))) {
                found = {path, kind};
                return true;
            }
        }
    }
    error = "The Lotus Notes database " + database + " cannot be found.";
    return false;
}

bool NotesIdFileUsable(const std::string& idFile, std::string& error)
{
    if (idFile.empty() || IsFile(platform::ResolveNoCase(platform::MapWindowsPath(idFile).value_or(idFile))))
        return true;
    error = "The Lotus Notes ID file " + idFile + " cannot be found.";
    return false;
}

}  // namespace velmora::helpers
