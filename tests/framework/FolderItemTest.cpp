// Folder items: absolute paths only, children that stay inside their folder.

#include "framework/FolderItem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using framework::FolderItem;
using framework::GetFolderItem;

TEST(FolderItem, OnlyAbsolutePathsGiveAnItem) {
    EXPECT_FALSE(GetFolderItem(""));
    EXPECT_FALSE(GetFolderItem("relative/path"));
    EXPECT_FALSE(GetFolderItem(std::string("/tmp/a\0b", 8)));
    const auto item = GetFolderItem("/tmp/My \"odd\" $name;*.txt");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->AbsolutePath(), "/tmp/My \"odd\" $name;*.txt");
    EXPECT_EQ(item->Name(), "My \"odd\" $name;*.txt");
}

TEST(FolderItem, ChildrenStayInsideTheirFolder) {
    const FolderItem folder("/home/user/.config");
    EXPECT_EQ(folder.Child("Keyhop")->AbsolutePath(), "/home/user/.config/Keyhop");
    EXPECT_FALSE(folder.Child(""));
    EXPECT_FALSE(folder.Child(".."));
    EXPECT_FALSE(folder.Child("a/b"));
    EXPECT_EQ(folder.Parent()->AbsolutePath(), "/home/user");
    EXPECT_FALSE(FolderItem("/").Parent());
}

TEST(FolderItem, ExistsFollowsTheFileSystem) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("keyhop-folderitem-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const FolderItem item((folder / "Ünïcode file").string());
    EXPECT_FALSE(item.Exists());
    std::ofstream(item.AbsolutePath()) << "x";
    EXPECT_TRUE(item.Exists());
    EXPECT_FALSE(item.Directory());
    EXPECT_TRUE(FolderItem(folder.string()).Directory());
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(item.Exists());
}

} // namespace
