#include "OutlookDataFile.h"

#include "platform/AsciiCase.h"
#include "platform/Folders.h"
#include "platform/WindowsPath.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace velmora::core {

std::string OutlookDataFilePath(std::string_view setting)
{
    return platform::MapWindowsPath(setting).value_or(std::string(setting));
}

bool OutlookDataFileExists(std::string_view setting)
{
    std::error_code error;
    return std::filesystem::is_regular_file(OutlookDataFilePath(setting), error);
}

std::string DefaultOutlookDataFile()
{
    std::vector<std::string> documents{platform::DocumentsFolder()};
    if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0')
        if (auto wine = platform::MapWindowsPath(std::string("C:\\users\\") + user + "\\Documents"))
            documents.push_back(*wine + "/");
    for (const std::string& folder : documents) {
        const auto outlookFiles = folder.empty() ? std::nullopt : platform::FindNameNoCase(folder, "Outlook Files");
        if (!outlookFiles)
            continue;
        std::set<std::string> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(*outlookFiles, error)) {
            const std::string extension = platform::UpperAscii(entry.path().extension().string());
            if ((extension == ".PST" || extension == ".OST") && entry.is_regular_file(error))
                files.insert(entry.path().string());
        }
        if (!files.empty())
            return *files.begin();
    }
    return {};
}

}  // namespace velmora::core
