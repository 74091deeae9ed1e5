#include "GoogleAccount.h"

#include "platform/WindowsPath.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace velmora::helpers {

bool OpenGoogleAccount(const HelperJob& job, std::string& folder, std::string& error)
{
    const char* root = std::getenv("VELMORA_GOOGLE_ROOT");
    std::string base = root != nullptr && root[0] == '/' ? std::string(root) : job.WorkFolder() + "GoogleAccounts";
    if (base.back() != '/')
        base += '/';
    const std::string account = job.Text(connectors::google::kGoogleParamAccount);
    // An account is one folder name: nothing that could lead elsewhere.
    const bool plainName = !account.empty() && account != "." && account != ".." && account.find('/') == std::string::npos;
    const auto found = plainName ? platform::FindNameNoCase(base, account) : std::nullopt;
    std::error_code isFolder;
    if (!found || !std::filesystem::is_directory(*found, isFolder)) {
        error = "There is no Google account " + account + ".";
        return false;
    }
    std::ifstream passwordFile(*found + "/password", std::ios::binary);
    std::string password;
    std::getline(passwordFile, password);
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    if (!passwordFile || password != job.Text(connectors::google::kGoogleParamPassword)) {
        error = "Invalid account name or password for the Google account " + account + ".";
        return false;
    }
    folder = *found + "/";
    return true;
}

}  // namespace velmora::helpers
