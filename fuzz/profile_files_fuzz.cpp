// Settings and registry files are read from disk as they come: damaged or hostile text must
// neither crash the readers nor make them read out of bounds.
#include "TempInputFile.h"

#include "platform/IniFile.h"
#include "platform/RegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TempInputFile file(data, size);
    using namespace velmora::platform;
    const Registry registry = Registry::FromFiles({file.Path()});
    registry.ReadString(RegistryHive::LocalMachine, "SOFTWARE\\ACT\\Install", "InstallPath");
    registry.ReadString(RegistryHive::CurrentUser, "Software\\Lotus\\Notes\\Installer", "DATADIR");
    IniFile ini = IniFile::Load(file.Path());
    ini.GetInt("VLACT", "SourceApp", 0);
    ini.GetString("VLACT", "ACTPadName", "", 256);
    ini.Set("VLACT", "SourceApp", "5");
    ini.Set("New", "Key", "Value");
    return 0;
}
