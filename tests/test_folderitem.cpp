// ':' paths below the program folder, matched regardless of letter case.
#include <gtest/gtest.h>

#include <QDir>

#include "shared/fw/FolderItem.h"
#include "tests/support/TempTree.h"

using testsupport::TempTree;

TEST(FolderItem, NamesMatchRegardlessOfLetterCase)
{
    TempTree tree;
    tree.write("Levels/Standard/Level 01", "x");
    const fw::FolderItem item = fw::GetFolderItem(":levels:standard:level 01");
    ASSERT_TRUE(item.Exists());
    EXPECT_FALSE(item.Directory());
    EXPECT_EQ(item.Name(), "Level 01");
    EXPECT_EQ(item.ReadAll(), "x");
    EXPECT_TRUE(fw::GetFolderItem(":Levels:STANDARD:").Directory());
    EXPECT_EQ(fw::GetFolderItem(":Levels:STANDARD:").MacType(), "fold");
}

TEST(FolderItem, MissingItemsStillGiveAnItem)
{
    TempTree tree;
    const fw::FolderItem item = fw::GetFolderItem(":Levels:Nothing:level 01");
    EXPECT_TRUE(item.isValid());
    EXPECT_FALSE(item.Exists());
    EXPECT_EQ(item.Count(), 0);
    EXPECT_FALSE(item.ReadAll());
}

TEST(FolderItem, NamesThatCouldLeaveTheFolderGiveNoItem)
{
    // Every path below would reach a real file or folder if its names were followed: the
    // program folder lies inside the tree, with a file beside it and a file beside Levels.
    TempTree tree;
    tree.write("game/Levels/Standard/level 01", "level");
    tree.mkdir("game/Levels/a");
    tree.write("game/inside", "beside the level folder");
    tree.write("secret", "outside the program folder");
    fw::setProgramFolder(tree.path("game"));
    ASSERT_EQ(fw::GetFolderItem(":Levels:Standard:level 01").ReadAll(), "level");

    for (const char* path : {":Levels:..:inside", ":Levels:..:..:secret", ":..:secret", ":Levels:a/../..:inside",
                             ":Levels:a/../../inside", ":Levels:a/../../../secret",
                             ":Levels:..", ":Levels:.", ":.."}) {
        const fw::FolderItem item = fw::GetFolderItem(path);
        EXPECT_FALSE(item.Exists()) << path;
        EXPECT_FALSE(item.ReadAll()) << path;
        EXPECT_EQ(item.Count(), 0) << path;
    }
    const fw::FolderItem levels = fw::GetFolderItem(":Levels");
    for (const char* name : {"..", ".", "a/../../inside", "a/..", "../secret"}) {
        EXPECT_FALSE(levels.Child(name).isValid()) << name;
        EXPECT_EQ(levels.Child(name).Count(), 0) << name;
    }
}

TEST(FolderItem, FoldersCountAndListTheirEntriesInNameOrder)
{
    TempTree tree;
    tree.write("Levels/Set/b", "");
    tree.write("Levels/Set/A", "");
    tree.mkdir("Levels/Set/c");
    const fw::FolderItem set = fw::GetFolderItem(":Levels:Set");
    // The folder's own Count and Item, and one reading of it, number the entries alike.
    const auto check = [](const auto& folder, const char* road) {
        EXPECT_EQ(folder.Count(), 3) << road;
        EXPECT_EQ(folder.Item(1).Name(), "A") << road;
        EXPECT_EQ(folder.Item(2).Name(), "b") << road;
        EXPECT_EQ(folder.Item(3).Name(), "c") << road;
        EXPECT_EQ(folder.Item(3).MacType(), "fold") << road;
        EXPECT_FALSE(folder.Item(0).isValid()) << road;
        EXPECT_FALSE(folder.Item(4).isValid()) << road;
        EXPECT_FALSE(folder.Item(-1).isValid()) << road;
    };
    check(set, "the folder");
    const fw::FolderEntries entries = set.Entries();
    check(entries, "one reading");

    tree.write("Levels/Set/d", "");
    EXPECT_EQ(entries.Count(), 3) << "a reading keeps the entries it found";
    EXPECT_EQ(set.Entries().Count(), 4);
    EXPECT_EQ(fw::GetFolderItem(":Levels:Set:b").Entries().Count(), 0) << "a file has no entries";
    EXPECT_FALSE(fw::GetFolderItem(":Levels:Set:b").Entries().Item(1).isValid());
}

TEST(FolderItem, AFolderIsNotReadAsAFile)
{
    TempTree tree;
    tree.mkdir("Levels/Set/level 01");
    EXPECT_FALSE(fw::GetFolderItem(":Levels:Set:level 01").ReadAll());
}

TEST(FolderItem, WriteTextReplacesTheFileWithExactlyTheBytes)
{
    TempTree tree;
    tree.write("f", "old content that is longer");
    ASSERT_TRUE(fw::GetFolderItem(":f").WriteText("a\rb\r"));
    EXPECT_EQ(tree.read("f"), "a\rb\r");
    tree.mkdir("dir");
    EXPECT_FALSE(fw::GetFolderItem(":dir").WriteText("x"));
}

TEST(FolderItem, AWriteThatTheDiskCannotTakeFailsAndKeepsTheOldFileByteForByte)
{
    TempTree tree;
    tree.write("f", "the old content\r");
    {
        const testsupport::FullDisk full;
        EXPECT_FALSE(fw::GetFolderItem(":f").WriteText("a new content, longer than the disk takes\r"));
        EXPECT_FALSE(fw::GetFolderItem(":new").WriteText("a new file\r"));
    }
    EXPECT_EQ(tree.read("f"), "the old content\r");
    EXPECT_EQ(QDir(tree.path()).entryList(QDir::Files), QStringList{"f"}) << "no new or temporary file is left";
}
