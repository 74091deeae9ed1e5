#include "AppDetection.h"

#include "AsciiCase.h"
#include "Folders.h"
#include "PeVersion.h"
#include "WindowsPath.h"

#include <filesystem>
#include <optional>
#include <set>

namespace fs = std::filesystem;

namespace velmora::platform {
namespace {

// A registry value naming a folder, mapped to Linux and ending in '/'; an empty value is missing.
std::optional<std::string> FolderValue(const Registry& registry, RegistryHive hive, std::string_view key,
                                       std::string_view name)
{
    const auto value = registry.ReadString(hive, key, name);
    if (!value || value->empty())
        return std::nullopt;
    auto folder = MapWindowsPath(*value);
    if (folder && folder->back() != '/')
        *folder += '/';
    return folder;
}

// A file inside a folder, its names matched without regard to case.
std::string FileIn(const std::string& folder, std::string_view relative)
{
    return ResolveNoCase(folder + std::string(relative));
}

bool Found(std::optional<std::string> value, std::string& out)
{
    out = value.value_or(std::string());
    return value.has_value();
}

// Entries of a folder sorted by name, so "the first" does not depend on the file system.
std::set<std::string> SortedEntries(const std::string& folder, bool directories)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError) == directories)
            names.insert(it->path().filename().string());
    }
    return names;
}

std::optional<std::string> NotesProgramFolder(const Registry& registry)
{
    return FolderValue(registry, RegistryHive::LocalMachine, "SOFTWARE\\Lotus\\Notes", "Path");
}

std::optional<std::string> NotesDataFolder(const Registry& registry)
{
    return FolderValue(registry, RegistryHive::CurrentUser, "SOFTWARE\\Lotus\\Notes\\Installer", "DATADIR");
}

bool VersionOf(const std::optional<std::string>& program, std::string& out)
{
    FileVersion version;
    if (!program || !GetFileVersion(*program, version))
        return Found(std::nullopt, out);
    return Found(FormatVersion(version), out);
}

std::optional<std::string> OutlookExe(const Registry& registry)
{
    const auto folder = FolderValue(registry, RegistryHive::LocalMachine,
                                    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\OUTLOOK.EXE", "Path");
    return folder ? std::optional(FileIn(*folder, "OUTLOOK.EXE")) : std::nullopt;
}

}  // namespace

bool FindDefaultActDatabase(std::string& out)
{
    const std::string documents = DocumentsFolder();
    const auto actFolder = documents.empty() ? std::nullopt : FindNameNoCase(documents, "ACT");
    if (!actFolder)
        return Found(std::nullopt, out);
    for (const std::string& name : SortedEntries(*actFolder, true)) {
        if (name.size() <= 1 || name.back() == '.')
            continue;
        const auto databases = FindNameNoCase(*actFolder + "/" + name, "Databases");
        if (!databases)
            return Found(std::nullopt, out);
        for (const std::string& file : SortedEntries(*databases, false)) {
            if (file.size() > 4 && EqualsNoCase(std::string_view(file).substr(file.size() - 4), ".pad"))
                return Found(*databases + "/" + file, out);
        }
        return Found(std::nullopt, out);
    }
    return Found(std::nullopt, out);
}

bool GetActExePath(const Registry& registry, std::string& out)
{
    const auto folder = FolderValue(registry, RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "InstallPath");
    const auto app = registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "AppName");
    if (!folder || !app || app->empty())
        return Found(std::nullopt, out);
    return Found(FileIn(*folder, *app), out);
}

bool GetNotesProgramFolder(const Registry& registry, std::string& out)
{
    return Found(NotesProgramFolder(registry), out);
}

bool GetNotesDataFolder(const Registry& registry, std::string& out)
{
    return Found(NotesDataFolder(registry), out);
}

bool GetNotesExePath(const Registry& registry, std::string& out)
{
    const auto folder = NotesProgramFolder(registry);
    return Found(folder ? std::optional(FileIn(*folder, "Notes.exe")) : std::nullopt, out);
}

bool GetNotesIdFile(const Registry& registry, std::string& out)
{
    const auto folder = NotesProgramFolder(registry);
    return Found(folder ? std::optional(FileIn(*folder, "Data/user.id")) : std::nullopt, out);
}

bool GetNotesAddressBook(const Registry& registry, std::string& out)
{
    const auto folder = NotesDataFolder(registry);
    return Found(folder ? std::optional(FileIn(*folder, "names.nsf")) : std::nullopt, out);
}

bool GetNotesNotebook(const Registry& registry, std::string& out)
{
    const auto folder = NotesDataFolder(registry);
    const auto notebook = folder ? FindNameNoCase(*folder, "notebook.nsf") : std::nullopt;
    return Found(notebook, out);
}

bool GetNotesVersion(const Registry& registry, std::string& out)
{
    std::string program;
    return VersionOf(GetNotesExePath(registry, program) ? std::optional(program) : std::nullopt, out);
}

bool GetOutlookExePath(const Registry& registry, std::string& out)
{
    return Found(OutlookExe(registry), out);
}

bool GetOutlookVersion(const Registry& registry, std::string& out)
{
    return VersionOf(OutlookExe(registry), out);
}

}  // namespace velmora::platform
