// ':' paths below the program folder, matched regardless of letter case.
#include <gtest/gtest.h>

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
    TempTree tree;
    tree.write("secret", "x");
    for (const char* path : {":Levels:..:..:secret", ":Levels:a/b:", ":..:secret"})
        EXPECT_FALSE(fw::GetFolderItem(path).Exists()) << path;
}

TEST(FolderItem, FoldersCountAndListTheirEntriesInNameOrder)
{
    TempTree tree;
    tree.write("Levels/Set/b", "");
    tree.write("Levels/Set/A", "");
    tree.mkdir("Levels/Set/c");
    const fw::FolderItem set = fw::GetFolderItem(":Levels:Set");
    EXPECT_EQ(set.Count(), 3);
    EXPECT_EQ(set.Item(1).Name(), "A");
    EXPECT_EQ(set.Item(3).Name(), "c");
    EXPECT_EQ(set.Item(3).MacType(), "fold");
    EXPECT_FALSE(set.Item(0).isValid());
    EXPECT_FALSE(set.Item(4).isValid());
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
