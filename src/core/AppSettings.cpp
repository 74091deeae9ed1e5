#include "AppSettings.h"

#include "platform/Base64.h"
#include "platform/IniFile.h"

#include <string_view>

namespace velmora::core {
namespace {

constexpr const char* kSection = "VLACT";

std::string Numbered(std::string_view prefix, std::size_t index)
{
    return std::string(prefix) + std::to_string(index + 1);
}

// Every key in the order the file is read, once for loading and once for saving.
template <class Keys>
void VisitKeys(AppSettings& s, Keys& keys)
{
    keys.Int("SourceApp", s.SourceApp, 0);
    keys.Bool("EnableDebug", s.EnableDebug, false);
    keys.Int("LogLevel", s.LogLevel, 3);
    keys.Bool("SyncAddr", s.SyncAddr, true);
    keys.Bool("SyncDate", s.SyncDate, true);
    keys.Bool("SyncTask", s.SyncTask, true);
    keys.Bool("SyncNote", s.SyncNote, true);
    keys.Int("NewColor", s.NewColor, 32768);
    keys.Int("DiffColor", s.DiffColor, 16711680);
    keys.Int("SameColor", s.SameColor, 0);

    keys.String("LNAppName", s.LNAppName);
    keys.String("LNIDFile", s.LNIDFile);
    keys.Bool("LNSavePassword", s.LNSavePassword, false);
    keys.Bool("LNNeedPassword", s.LNNeedPassword, false);
    keys.Password("LNPassword", s.LNPassword, s.LNSavePassword);
    keys.String("LNAddrName", s.LNAddrName);
    keys.String("LNDateName", s.LNDateName);
    keys.String("LNNoteName", s.LNNoteName);

    keys.String("ACTPadName", s.ACTPadName);
    keys.UserName("ACTUserName", s.ACTUserName, s.ACTSaveUser, true);
    keys.Bool("ACTSaveUser", s.ACTSaveUser, true);
    keys.Bool("ACTSavePassword", s.ACTSavePassword, false);
    keys.Password("ACTPassword", s.ACTPassword, s.ACTSavePassword);
    keys.String("ACTAppName", s.ACTAppName);
    keys.Bool("Opp", s.Opp, true);
    keys.Bool("OppNotes", s.OppNotes, true);

    keys.Int("PDUserID", s.PDUserID, 0);
    keys.Bool("PDUseAddrFile", s.PDUseAddrFile, false);
    keys.Bool("PDUseDateFile", s.PDUseDateFile, false);
    keys.Bool("PDUseTaskFile", s.PDUseTaskFile, false);
    keys.Bool("PDUseNoteFile", s.PDUseNoteFile, false);
    keys.String("PDAddrFileName", s.PDAddrFileName);
    keys.String("PDDateFileName", s.PDDateFileName);
    keys.String("PDTaskFileName", s.PDTaskFileName);
    keys.String("PDNoteFileName", s.PDNoteFileName);

    keys.Bool("GGSaveEmail", s.GGSaveEmail, true);
    keys.UserName("GGEmail", s.GGEmail, s.GGSaveEmail, false);
    keys.Bool("GGSavePassword", s.GGSavePassword, false);
    keys.Password("GGPassword", s.GGPassword, s.GGSavePassword);
    keys.String("GGServerURL", s.GGServerURL);

    keys.Int("OLMode", s.OLMode, 1);
    keys.String("OLAppName", s.OLAppName);
    keys.String("OLDataFile", s.OLDataFile);

    for (auto [prefix, ids] : {std::pair{"ACTCustomID", &s.ACTCustomID}, std::pair{"GGCustomID", &s.GGCustomID},
                               std::pair{"LNCustomID", &s.LNCustomID}, std::pair{"OLCustomID", &s.OLCustomID},
                               std::pair{"PDCustomID", &s.PDCustomID}}) {
        for (std::size_t i = 0; i < ids->size(); ++i)
            keys.Int(Numbered(prefix, i), (*ids)[i], 0);
    }
    for (auto [prefix, labels] : {std::pair{"OLCustomLabel", &s.OLCustomLabel}, std::pair{"GGCustomLabel", &s.GGCustomLabel}}) {
        for (std::size_t i = 0; i < labels->size(); ++i)
            keys.Label(Numbered(prefix, i), (*labels)[i], Numbered("Custom ", i));
    }
    keys.Bool("ACTCustom", s.ACTCustom, false);
    keys.Bool("GGCustom", s.GGCustom, false);
    keys.Bool("LNCustom", s.LNCustom, false);
    keys.Bool("OLCustom", s.OLCustom, false);
    keys.Bool("PDCustom", s.PDCustom, false);
}

class KeyReader {
public:
    explicit KeyReader(const platform::IniFile& file) : mFile(file) {}

    void Int(const std::string& key, int& value, int fallback) { value = mFile.GetInt(kSection, key, fallback); }
    void Bool(const std::string& key, bool& value, bool fallback)
    {
        value = mFile.GetInt(kSection, key, fallback ? 1 : 0) != 0;
    }
    template <std::size_t N>
    void String(const std::string& key, Text<N>& value)
    {
        value = mFile.GetString(kSection, key, "", N);
    }
    template <std::size_t N>
    void Label(const std::string& key, Text<N>& value, const std::string& fallback)
    {
        value = mFile.GetString(kSection, key, fallback, N);
    }
    template <std::size_t N>
    void UserName(const std::string& key, Text<N>& value, bool saved, bool alwaysRead)
    {
        value = saved || alwaysRead ? mFile.GetString(kSection, key, "", N) : std::string();
    }
    void Password(const std::string& key, SavedPassword& password, bool saved)
    {
        // Room for the Base64 of the longest password the settings hold (255 characters).
        password.Encoded = saved ? mFile.GetString(kSection, key, "", 344) : std::string();
        password.Plain = platform::DecodePassword(password.Encoded);
    }

private:
    const platform::IniFile& mFile;
};

class KeyWriter {
public:
    explicit KeyWriter(platform::IniFile& file) : mFile(file) {}

    void Int(const std::string& key, int& value, int) { mFile.Set(kSection, key, std::to_string(value)); }
    void Bool(const std::string& key, bool& value, bool) { mFile.Set(kSection, key, value ? "1" : "0"); }
    template <std::size_t N>
    void String(const std::string& key, Text<N>& value)
    {
        mFile.Set(kSection, key, value.view());
    }
    template <std::size_t N>
    void Label(const std::string& key, Text<N>& value, const std::string&)
    {
        String(key, value);
    }
    template <std::size_t N>
    void UserName(const std::string& key, Text<N>& value, bool saved, bool)
    {
        mFile.Set(kSection, key, saved ? value.view() : std::string_view());
    }
    void Password(const std::string& key, SavedPassword& password, bool saved)
    {
        password.Encoded = platform::EncodePassword(password.Plain.view());
        mFile.Set(kSection, key, saved ? password.Encoded : std::string());
    }

private:
    platform::IniFile& mFile;
};

}  // namespace

AppSettings::AppSettings()
{
    for (std::size_t i = 0; i < OLCustomLabel.size(); ++i) {
        OLCustomLabel[i] = Numbered("Custom ", i);
        GGCustomLabel[i] = Numbered("Custom ", i);
    }
}

void LoadSettings(AppSettings& settings, const std::string& path)
{
    settings = AppSettings{};
    const platform::IniFile file = platform::IniFile::Load(path);
    KeyReader reader(file);
    VisitKeys(settings, reader);
}

bool SaveSettings(AppSettings& settings, const std::string& path)
{
    platform::IniFile file = platform::IniFile::Load(path);
    KeyWriter writer(file);
    VisitKeys(settings, writer);
    return file.Save(path, 0600);
}

}  // namespace velmora::core
