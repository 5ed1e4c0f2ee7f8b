// Reading and writing the preferences file.
#include "game/core/Preferences.h"

#include <QDir>

#include "shared/fw/Text.h"

namespace game {
namespace {

const char* flag(bool on)
{
    return on ? "1" : "2";
}

bool writePrefsFile(const std::string& content)
{
    const fw::FolderItem folder = fw::PreferencesFolder();
    if (folder.isValid() && !folder.Exists())
        QDir().mkpath(folder.hostPath());
    return preferencesFile().WriteText(content);
}

} // namespace

fw::FolderItem preferencesFile()
{
    return fw::PreferencesFolder().Child(kPreferencesFileName);
}

QString prefsNotSavedMessage()
{
    return QStringLiteral("The settings were not saved: \"%1\" could not be written. "
                          "They stay in effect until the game quits.")
        .arg(QDir::toNativeSeparators(preferencesFile().hostPath()));
}

QString prefsUnusableMessage()
{
    return QStringLiteral("The settings were not loaded: \"%1\" could not be read or written. "
                          "The default settings are in effect until the game quits.")
        .arg(QDir::toNativeSeparators(preferencesFile().hostPath()));
}

fw::FolderItem levelSetFolder(const std::string& setName)
{
    if (setName.empty())
        return {};
    return fw::GetFolderItem(":Levels").Child(setName);
}

std::optional<int> levelCount(const std::string& setName)
{
    const fw::FolderItem folder = levelSetFolder(setName);
    if (!folder.Exists())
        return std::nullopt;
    const int items = folder.Count();
    return items > 0 ? items - 1 : 0;
}

std::string Preferences::prefsText() const
{
    std::string text;
    for (int k = 1; k <= 6; ++k)
        text += fw::Str(butts[k]) + fw::CR;
    text += std::string(flag(musicON)) + fw::CR + flag(soundON) + fw::CR + lvlmapp + fw::CR + lvlmappantal;
    return text + fw::CR;
}

PrefsFile Preferences::loadprefs()
{
    const fw::FolderItem file = preferencesFile();
    const std::optional<std::string> content = file.ReadAll();
    if (content) {
        const auto fields = fw::SplitFields(*content, std::string_view(&fw::CR, 1));
        const auto field = [&](int k) { return k <= int(fields.size()) ? std::string(fields[k - 1]) : std::string(); };
        for (int k = 1; k <= 6; ++k)
            butts[k] = fw::ValInt32(field(k));
        musicON = field(7) == "1";
        soundON = field(8) == "1";
        lvlmapp = field(9);
        if (const auto count = levelCount(lvlmapp))
            lvlmappantal = fw::Str(*count);
        return PrefsFile::Used;
    }

    Preferences defaults;
    defaults.butts = {0, 30, 31, 28, 29, 32, 114};
    defaults.soundON = true;
    defaults.musicON = true;
    defaults.lvlmapp = "Standard";
    defaults.lvlmappantal = fw::Str(levelCount("standard").value_or(0));
    // A folder or an unreadable file in the file's place would leave no key bound and no
    // level set: the game plays on the defaults, and the file is left as it is.
    const PrefsFile outcome = file.Exists()                          ? PrefsFile::Unusable
                              : writePrefsFile(defaults.prefsText()) ? PrefsFile::Used
                                                                     : PrefsFile::NotWritten;
    butts = defaults.butts;
    soundON = defaults.soundON;
    musicON = defaults.musicON;
    lvlmapp = defaults.lvlmapp;
    lvlmappantal = defaults.lvlmappantal;
    return outcome;
}

bool Preferences::saveprefs()
{
    return writePrefsFile(prefsText());
}

void Preferences::getthecodefromfile()
{
    const fw::FolderItem file = fw::GetFolderItem(":levels").Child(lvlmapp + "codes");
    if (!file.Exists() || file.Directory())
        return;
    const std::string content = file.ReadAll().value_or(std::string());
    for (int k = 0; k <= 10; ++k)
        codez[k] = fw::NthField(content, std::string_view(&fw::CR, 1), k + 1);
}

std::string latestVersion(std::string_view page)
{
    return fw::NthField(page, "vvvesperon", 2);
}

} // namespace game
