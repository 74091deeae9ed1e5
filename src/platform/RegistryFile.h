#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

enum class RegistryHive { LocalMachine, CurrentUser };

// Read-only registry made of export files in the format the Windows registry editor writes
// ("REGEDIT4", ANSI, or "Windows Registry Editor Version 5.00", usually UTF-16), or of the
// registry files of a Wine prefix ("WINE REGISTRY Version 2": system.reg for the machine,
// user.reg for the user, keys relative to their hive). Only string values are read:
// "Name"="value" (with \\ and \" escapes, and Wine's \xNNNN), the default value @="value", and
// expandable strings written as hex(2): or Wine's str(2):. Key and value names compare without
// regard to case. Files are read in order; a later file overrides an earlier one, as importing
// them would. A Wine file is read up to its first damaged line.
class Registry {
public:
    // The files listed in $VELMORA_REGISTRY (separated by ':'), else registry.reg in the data
    // folder when it exists, else the Wine prefix's system.reg and user.reg. Missing files mean
    // missing keys.
    static Registry FromEnvironment();
    static Registry FromFiles(const std::vector<std::string>& paths);

    // Where a damaged registry file is reported, once per file and process; nowhere by default.
    static void SetDamageReport(void (*report)(const std::string& message));

    // A string value. Under the local machine a 32-bit program's view is also searched:
    // SOFTWARE\X is looked up as SOFTWARE\WOW6432Node\X when it is not found as it stands.
    std::optional<std::string> ReadString(RegistryHive hive, std::string_view keyPath,
                                          std::string_view valueName) const;

    // Whether the key exists (as a key header in a file), looked up as ReadString does.
    bool HasKey(RegistryHive hive, std::string_view keyPath) const;

private:
    void LoadFile(const std::string& path);
    void LoadWineFile(const std::string& path, std::string_view text);
    std::optional<std::string> Lookup(const std::string& key, std::string_view valueName) const;

    // Upper-cased full key path ("HKEY_LOCAL_MACHINE\SOFTWARE\...") -> upper-cased value name -> value.
    std::map<std::string, std::map<std::string, std::string>> mKeys;
};

}  // namespace velmora::platform
