// Folder items: absolute paths only, children that stay inside their folder.

#include "framework/FolderItem.h"

#include <gtest/gtest.h>

TEST(FolderItem, OnlyAbsolutePathsAndNamesInsideTheFolderGiveAnItem) {
    for (const std::string& path :
         {std::string(), std::string("relative/path"), std::string("/tmp/a\0b", 8)}) {
        EXPECT_FALSE(framework::GetFolderItem(path)) << path;
    }
    const framework::FolderItem folder("/home/user/.config");
    EXPECT_EQ(folder.Child("Keyhop")->AbsolutePath(), "/home/user/.config/Keyhop");
    for (const char* name : {"", ".", "..", "a/b"}) {
        EXPECT_FALSE(folder.Child(name)) << name;
    }
}
