#include <algorithm>

#include "WinTest.h"
#include "win32/SystemText.h"
#include "win32/Utf16.h"

namespace veskor::wintest {
namespace {

class FileSystemTest : public FolderTest {};

TEST_P(FileSystemTest, FileAndFolderExistence)
{
    WriteBytes(In("f.txt"), "x");
    ASSERT_TRUE(CreateDirectoryA(In("d.lnk").c_str(), nullptr));
    using enum PathPresence;
    const struct {
        const char* name;
        bool file;
        bool directory;
        PathPresence presence;
    } cases[] = {
        {"f.txt", true, false, Present},
        {"F.TXT", true, false, Present},
        {"d.lnk", false, true, Present},
        {"missing.txt", false, false, Missing},
        {"no\\such\\f.txt", false, false, Missing},
        {"f*.txt", false, false, Unknown},  // a pattern is not a file, even when something matches it
        {"?.txt", false, false, Unknown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform.FileExists(In(c.name)), c.file) << c.name;
        EXPECT_EQ(platform.DirectoryExists(In(c.name)), c.directory) << c.name;
        EXPECT_EQ(platform.Presence(In(c.name)), c.presence) << c.name;
    }
    EXPECT_EQ(platform.DriveOf(In("f.txt")), DriveKind::Fixed);
    EXPECT_EQ(platform.DriveOf("f.txt"), DriveKind::Other);
}

TEST_P(FileSystemTest, CreateFolderMakesOneLevelOnly)
{
    EXPECT_FALSE(platform.CreateFolder(In("ソ表\\下")));
    EXPECT_FALSE(platform.DirectoryExists(In("ソ表")));
    EXPECT_TRUE(platform.CreateFolder(In("ソ表")));
    EXPECT_TRUE(platform.DirectoryExists(In("ソ表")));
    EXPECT_FALSE(platform.CreateFolder(In("ソ表")));
    EXPECT_TRUE(platform.CreateFolder(In("ソ表\\下")));
    EXPECT_TRUE(platform.DirectoryExists(In("ソ表\\下")));
}

TEST_P(FileSystemTest, RenameNeverReplacesAFile)
{
    WriteBytes(In("a.lnk"), "A");
    WriteBytes(In("b.lnk"), "B");
    EXPECT_FALSE(platform.RenameFile(In("a.lnk"), In("b.lnk")));
    EXPECT_EQ(ReadBytes(In("a.lnk")), "A");
    EXPECT_EQ(ReadBytes(In("b.lnk")), "B");

    EXPECT_TRUE(platform.RenameFile(In("a.lnk"), In("表.lnk")));
    EXPECT_FALSE(Exists(In("a.lnk")));
    EXPECT_EQ(ReadBytes(In("表.lnk")), "A");
    EXPECT_FALSE(platform.RenameFile(In("a.lnk"), In("c.lnk")));
}

TEST_P(FileSystemTest, CopyNeverOverwrites)
{
    WriteBytes(In("a.lnk"), "A");
    WriteBytes(In("b.lnk"), "B");
    EXPECT_EQ(RaisedText([&] { platform.CopyFile(In("a.lnk"), In("b.lnk")); }),
              "ファイル \"" + In("b.lnk") + "\". " + win32::SystemMessage(ERROR_FILE_EXISTS) + " を作成できません");
    EXPECT_EQ(ReadBytes(In("b.lnk")), "B");

    platform.CopyFile(In("a.lnk"), In("ソ.lnk"));
    EXPECT_EQ(ReadBytes(In("ソ.lnk")), "A");
    EXPECT_EQ(ReadBytes(In("a.lnk")), "A");
}

TEST_P(FileSystemTest, DeleteRemovesOnlyThatFile)
{
    WriteBytes(In("a.lnk"), "A");
    WriteBytes(In("b.lnk"), "B");
    platform.DeleteFile(In("a.lnk"));
    platform.DeleteFile(In("missing.lnk"));
    EXPECT_FALSE(Exists(In("a.lnk")));
    EXPECT_EQ(ReadBytes(In("b.lnk")), "B");
}

TEST_P(FileSystemTest, ListLinksReturnsEveryEntryEndingInLnk)
{
    for (const char* name : {"a.lnk", "X.lnk", "Data.LNK", "ソ表.lnk", "h.lnk", "b.txt", "c.lnk.txt", "lnk"})
        WriteBytes(In(name), "L");
    SetFileAttributesA(In("h.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(CreateDirectoryA(In("old.lnk").c_str(), nullptr));

    std::vector<std::string> names = platform.ListLinks(folder).names;
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected = {"Data.LNK", "X.lnk", "a.lnk", "h.lnk", "old.lnk", "ソ表.lnk"};
    EXPECT_EQ(names, expected);

    EXPECT_TRUE(platform.ListLinks(In("old.lnk")).names.empty());
    EXPECT_TRUE(platform.ListLinks(In("missing")).names.empty());
}

// A name the code page cannot spell would come back with "?" in it, naming no file: it is
// counted, not listed.
TEST_P(FileSystemTest, ListLinksLeavesOutNamesTheCodePageCannotSpell)
{
    for (const wchar_t* name : {L"plain.lnk", L"\u8868\u2460.lnk", L"caf\u00e9.lnk", L"\U0001F600.lnk", L"\u00c5.lnk"}) {
        const HANDLE file = CreateFileW((win32::WidenJapanese(folder) + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    LinkListing listing = platform.ListLinks(folder);
    std::sort(listing.names.begin(), listing.names.end());
    EXPECT_EQ(listing.names, (std::vector<std::string>{"plain.lnk", "表①.lnk"}));
    EXPECT_EQ(listing.unnamable, 3);
    EXPECT_EQ(platform.ListLinks(In("missing")).unnamable, 0);
}

TEST_P(FileSystemTest, CurrentDirectoryHasNoTrailingBackslashExceptAtARoot)
{
    char saved[MAX_PATH + 1] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    const std::string inFolder = platform.CurrentDirectory();
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    const std::string atRoot = platform.CurrentDirectory();
    SetCurrentDirectoryA(saved);
    EXPECT_EQ(inFolder, folder);
    EXPECT_EQ(atRoot, "C:\\");
}

INSTANTIATE_TEST_SUITE_P(Folders, FileSystemTest, FolderNames, FolderLabel);

}  // namespace
}  // namespace veskor::wintest
