// The preferences file and the level counts of the sets.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "game/core/Preferences.h"
#include "tests/support/TempTree.h"

using game::Preferences;
using testsupport::TempTree;

namespace {

const char* kPrefs = "prefs/Vesperon Preferences";

void addItems(const TempTree& tree, const QString& set, int n)
{
    tree.mkdir("Levels/" + set);
    for (int i = 1; i <= n; ++i)
        tree.write(QString("Levels/%1/item %2").arg(set).arg(i), "");
}

} // namespace

TEST(Preferences, TheFirstRunWritesAndTakesTheDefaults)
{
    TempTree tree;
    addItems(tree, "standard", 11);
    Preferences app;
    app.loadprefs();
    EXPECT_EQ(tree.read(kPrefs), "30\r31\r28\r29\r32\r114\r1\r1\rStandard\r10\r");
    EXPECT_EQ(app.butts, (std::array<std::int32_t, 7>{0, 30, 31, 28, 29, 32, 114}));
    EXPECT_TRUE(app.soundON);
    EXPECT_TRUE(app.musicON);
    EXPECT_EQ(app.lvlmapp, "Standard");
    EXPECT_EQ(app.lvlmappantal, "10");
}

TEST(Preferences, TheFirstRunWithoutTheDefaultSetCountsNoLevels)
{
    for (bool emptyFolder : {false, true}) {
        TempTree tree;
        if (emptyFolder)
            tree.mkdir("Levels/Standard");
        Preferences app;
        app.loadprefs();
        EXPECT_EQ(app.lvlmappantal, "0");
        EXPECT_EQ(tree.read(kPrefs), "30\r31\r28\r29\r32\r114\r1\r1\rStandard\r0\r");
    }
}

TEST(Preferences, TheCountIsTakenFromTheFolderNotTheFile)
{
    TempTree tree;
    addItems(tree, "Mine", 6);
    tree.write(kPrefs, "97\r115\r100\r102\r32\r114\r1\r2\rMine\r99\r");
    Preferences app;
    app.loadprefs();
    EXPECT_EQ(app.lvlmappantal, "5");
    EXPECT_EQ(app.butts[1], 97);
    EXPECT_TRUE(app.musicON);
    EXPECT_FALSE(app.soundON);
}

TEST(Preferences, ASetWhoseFolderIsGoneKeepsItsNameAndNoCount)
{
    TempTree tree;
    tree.write(kPrefs, "30\r31\r28\r29\r32\r114\r1\r1\rGone\r7\r");
    Preferences app;
    app.loadprefs();
    EXPECT_EQ(app.lvlmapp, "Gone");
    EXPECT_EQ(app.lvlmappantal, "");
}

TEST(Preferences, FlagsAreTrueOnlyForExactlyOne)
{
    TempTree tree;
    for (const char* value : {"2", "", "true", "1 ", "01"}) {
        tree.write(kPrefs, std::string("30\r31\r28\r29\r32\r114\r") + value + "\r" + value + "\rStandard\r");
        Preferences app;
        app.loadprefs();
        EXPECT_FALSE(app.soundON) << value;
        EXPECT_FALSE(app.musicON) << value;
    }
}

TEST(Preferences, SavingAndLoadingGiveTheSettingsBack)
{
    TempTree tree;
    addItems(tree, "Mine", 3);
    Preferences saved;
    saved.butts = {0, 97, 115, 100, 102, 13, 27};
    saved.musicON = false;
    saved.soundON = true;
    saved.lvlmapp = "Mine";
    saved.lvlmappantal = "42";
    saved.saveprefs();
    EXPECT_EQ(tree.read(kPrefs), "97\r115\r100\r102\r13\r27\r2\r1\rMine\r42\r");
    Preferences loaded;
    loaded.loadprefs();
    EXPECT_EQ(loaded.butts, saved.butts);
    EXPECT_FALSE(loaded.musicON);
    EXPECT_TRUE(loaded.soundON);
    EXPECT_EQ(loaded.lvlmapp, "Mine");
    EXPECT_EQ(loaded.lvlmappantal, "2");
}

TEST(Preferences, WhatCannotBeReadInTheFilesPlaceIsLeftAsItIsAndTheDefaultsAreTaken)
{
    TempTree tree;
    addItems(tree, "Standard", 4);
    tree.mkdir(kPrefs + QString("/inside"));
    Preferences app;
    EXPECT_EQ(app.loadprefs(), game::PrefsFile::Unusable);
    EXPECT_EQ(app.butts, (std::array<std::int32_t, 7>{0, 30, 31, 28, 29, 32, 114}));
    EXPECT_TRUE(app.soundON);
    EXPECT_TRUE(app.musicON);
    EXPECT_EQ(app.lvlmapp, "Standard");
    EXPECT_EQ(app.lvlmappantal, "3");
    EXPECT_TRUE(QFileInfo(tree.path(kPrefs + QString("/inside"))).isDir());
    EXPECT_FALSE(app.saveprefs()); // cannot be written: the game goes on
    EXPECT_EQ(game::prefsUnusableMessage(),
              "The settings were not loaded: \"" + QDir::toNativeSeparators(tree.path(kPrefs))
                  + "\" could not be read or written. The default settings are in effect until the game quits.");

    // A file too large to be ours is not read as a damaged one, nor replaced unasked.
    TempTree large;
    large.writeSparse(kPrefs, fw::kMaxReadBytes + 1);
    Preferences player;
    EXPECT_EQ(player.loadprefs(), game::PrefsFile::Unusable);
    EXPECT_EQ(player.butts[game::Up], 30);
    EXPECT_EQ(QFileInfo(large.path(kPrefs)).size(), fw::kMaxReadBytes + 1);
}

TEST(Preferences, AShortOrOddFileReadsMissingFieldsAsEmpty)
{
    TempTree tree;
    tree.write(kPrefs, "abc\n31\r28");
    Preferences app;
    app.loadprefs();
    EXPECT_EQ(app.butts, (std::array<std::int32_t, 7>{0, 0, 28, 0, 0, 0, 0}));
    EXPECT_EQ(app.lvlmapp, "");
}

TEST(Preferences, AMissingPreferencesFolderIsCreated)
{
    TempTree tree;
    fw::setPreferencesFolder(tree.path("new/config"));
    Preferences app;
    app.loadprefs();
    EXPECT_EQ(tree.read("new/config/Vesperon Preferences").substr(0, 3), "30\r");
}

TEST(Preferences, CodesFileFillsTheFirstElevenCodes)
{
    TempTree tree;
    tree.write("Levels/Standardcodes", "c0\rc1\rc2\r");
    Preferences app;
    app.lvlmapp = "Standard";
    app.getthecodefromfile();
    EXPECT_EQ(app.codez[0], "c0");
    EXPECT_EQ(app.codez[2], "c2");
    EXPECT_EQ(app.codez[3], "");
}

TEST(Preferences, ASetNameHoldingAColonIsTheNameOfOneFolder)
{
    TempTree tree;
    addItems(tree, "Set: Two", 4);
    tree.write("Levels/Set: Twocodes", "c0\rc1\r");
    tree.write(kPrefs, "30\r31\r28\r29\r32\r114\r1\r1\rSet: Two\r9\r");
    Preferences app;
    app.loadprefs();
    EXPECT_EQ(app.lvlmapp, "Set: Two");
    EXPECT_EQ(app.lvlmappantal, "3");
    app.getthecodefromfile();
    EXPECT_EQ(app.codez[1], "c1");
}

TEST(VersionPage, TheVersionStandsBetweenTheFirstTwoMarkers)
{
    struct Case { const char* page; const char* version; };
    const Case cases[] = {
        {"vvvesperon1.1vvvesperon", "1.1"},
        {"<p>latest: vvvesperon1.2vvvesperon</p>vvvesperon9vvvesperon", "1.2"},
        {"vvvesperon1.1\n", "1.1\n"},
        {"<html>404</html>", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(game::latestVersion(c.page), c.version) << c.page;
}

// Writes that fail, and the read-only preferences folder that need not fail.

TEST(PreferencesNotWritten, AFailedSaveOrFirstRunSaysSoAndKeepsTheSettingsInMemory)
{
    {
        TempTree tree;
        tree.mkdir(kPrefs);
        Preferences app;
        app.butts[game::Up] = 97;
        EXPECT_FALSE(app.saveprefs());
        EXPECT_TRUE(QFileInfo(tree.path(kPrefs)).isDir());
        EXPECT_EQ(app.butts[game::Up], 97);
    }
    {
        // A plain file where the preferences folder belongs: nothing can be made below it.
        TempTree tree;
        ASSERT_TRUE(QDir(tree.prefsFolder()).removeRecursively());
        tree.write("prefs", "");
        Preferences app;
        EXPECT_EQ(app.loadprefs(), game::PrefsFile::NotWritten);
        EXPECT_EQ(app.butts[game::Up], 30);
        EXPECT_EQ(app.lvlmapp, "Standard");
        EXPECT_EQ(game::prefsNotSavedMessage(),
                  "The settings were not saved: \"" + QDir::toNativeSeparators(tree.path(kPrefs))
                      + "\" could not be written. They stay in effect until the game quits.");
    }
}

TEST(PreferencesNotWritten, AFullDiskKeepsTheOldFileByteForByteAndWritesNoFirstFile)
{
    TempTree tree;
    const std::string old = "97\r31\r28\r29\r32\r114\r1\r1\rStandard\r0\r";
    tree.write(kPrefs, old);
    Preferences app;
    ASSERT_EQ(app.loadprefs(), game::PrefsFile::Used);
    app.soundON = false;
    {
        const testsupport::FullDisk full;
        EXPECT_FALSE(app.saveprefs());
    }
    EXPECT_EQ(tree.read(kPrefs), old);

    TempTree firstRun;
    Preferences defaults;
    {
        const testsupport::FullDisk full;
        EXPECT_EQ(defaults.loadprefs(), game::PrefsFile::NotWritten);
    }
    EXPECT_EQ(defaults.butts[game::Up], 30);
    EXPECT_FALSE(QFileInfo::exists(firstRun.path(kPrefs)));
}

TEST(PreferencesNotWritten, AReadOnlyFolderHasItsFileRewrittenInPlaceButGetsNoNewOne)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    TempTree tree;
    tree.write(kPrefs, "30\r31\r28\r29\r32\r114\r1\r1\rStandard\r0\r");
    Preferences app;
    ASSERT_EQ(app.loadprefs(), game::PrefsFile::Used);
    app.soundON = false;
    {
        const testsupport::ReadOnlyFolder locked(tree.prefsFolder());
        EXPECT_TRUE(app.saveprefs());
    }
    EXPECT_EQ(tree.read(kPrefs), "30\r31\r28\r29\r32\r114\r1\r2\rStandard\r\r");
    {
        // Written in place, the old file cannot be kept; the failure is still told.
        const testsupport::ReadOnlyFolder locked(tree.prefsFolder());
        const testsupport::FullDisk full;
        EXPECT_FALSE(app.saveprefs());
    }

    TempTree firstRun;
    const testsupport::ReadOnlyFolder locked(firstRun.prefsFolder());
    Preferences defaults;
    EXPECT_EQ(defaults.loadprefs(), game::PrefsFile::NotWritten);
    EXPECT_EQ(defaults.butts[game::Up], 30);
}

TEST(Preferences, AnEmptySetNameNamesNoSetAndSoHasNoCount)
{
    TempTree tree;
    addItems(tree, "Standard", 3);
    tree.write(kPrefs, "30\r31\r28\r29\r32\r114\r1\r1\r\r2\r");
    Preferences app;
    app.loadprefs();
    EXPECT_EQ(app.lvlmapp, "");
    EXPECT_EQ(app.lvlmappantal, "");
    EXPECT_EQ(game::levelCount(""), std::nullopt);
}

// A set name comes from the preferences file, which anyone may edit: one that would lead out
// of the level folder, or back to it, names no set.
TEST(Preferences, ASetNameThatLeavesTheLevelFolderHasNoLevels)
{
    TempTree tree;
    addItems(tree, "Standard", 3);
    tree.write("level 01", "beside the level folder");
    tree.write("Levels/level 01", "in the level folder");
    for (const char* name : {"..", ".", "Standard/..", "Standard/../..", "Standard/../../level 01"}) {
        EXPECT_EQ(game::levelCount(name), std::nullopt) << name;
        EXPECT_FALSE(game::levelSetFolder(name).Child("level 01").ReadAll()) << name;
        EXPECT_FALSE(game::levelSetFolder(name).Exists()) << name;
    }
    EXPECT_EQ(game::levelCount("Standard"), 2);
}
