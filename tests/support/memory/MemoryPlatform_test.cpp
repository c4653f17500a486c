#include "support/memory/MemoryPlatform.h"

#include <gtest/gtest.h>

#include <functional>

#include "text/Error.h"
#include "support/ErrorOf.h"

namespace veskor {
namespace {

using test::ErrorOf;

std::string Lowered(std::string text)
{
    LowerCaseCp932(text);
    return text;
}

TEST(MemoryTextTest, LowerCasesAsciiAndTheDoubleByteCapitalsOnly)
{
    const struct {
        const char* what;
        std::string text;
        std::string expected;
    } cases[] = {
        {"ASCII", "AZaz09@[", "azaz09@["},
        {"full-width A and Z", "\x82\x60\x82\x79", "\x82\x81\x82\x9A"},
        {"around full-width Latin", "\x82\x5F\x82\x7A\x82\x80", "\x82\x5F\x82\x7A\x82\x80"},
        {"Greek Alpha and Omega", "\x83\x9F\x83\xB6", "\x83\xBF\x83\xD6"},
        {"around Greek", "\x83\x9E\x83\xB7\x83\xBF", "\x83\x9E\x83\xB7\x83\xBF"},
        {"Cyrillic up to the gap", "\x84\x40\x84\x4E", "\x84\x70\x84\x7E"},
        {"Cyrillic after the gap", "\x84\x4F\x84\x60", "\x84\x80\x84\x91"},
        {"around Cyrillic", "\x84\x3F\x84\x61\x84\x70", "\x84\x3F\x84\x61\x84\x70"},
        {"trail byte 0x5C", "ソ表A", "ソ表a"},
        {"trail byte in A-Z", "アZ", "アz"},
        {"half-width katakana is one byte", "\xB1" "A", "\xB1" "a"},
        {"lead byte at the end", "A\x83", "a\x83"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lowered(c.text), c.expected) << c.what;
}

TEST(MemoryTextTest, ComparesTheLowerCasedTexts)
{
    MemoryPlatform platform;
    EXPECT_EQ(platform.CompareText("Apple", "aPPLE"), 0);
    EXPECT_EQ(platform.CompareText("Ａｐｐ", "ａＰＰ"), 0);
    EXPECT_LT(platform.CompareText("apple", "Banana"), 0);
    EXPECT_GT(platform.CompareText("b", "A"), 0);
    EXPECT_NE(platform.CompareText("A", "Ａ"), 0);   // half-width against full-width
    EXPECT_NE(platform.CompareText("あ", "ア"), 0);  // hiragana against katakana
}

class MemoryFilesTest : public testing::Test {
protected:
    MemoryPlatform fs;
};

TEST_F(MemoryFilesTest, PathsIgnoreLetterCaseAndNeverSplitADoubleByteCharacter)
{
    fs.AddFile("C:\\ソフト\\Ａpp.lnk", "x");
    EXPECT_TRUE(fs.FileExists("c:\\ソフト\\ａPP.LNK"));
    EXPECT_TRUE(fs.DirectoryExists("C:/ソフト/"));
    EXPECT_FALSE(fs.DirectoryExists("C:\\\x83"));  // the first byte of ソ, then its 0x5C
    EXPECT_EQ(fs.Names("C:\\ソフト"), std::vector<std::string>{"Ａpp.lnk"});
    EXPECT_FALSE(fs.FileExists("C:\\ソフト"));
    EXPECT_FALSE(fs.DirectoryExists("C:\\ソフト\\App.lnk"));

    fs.AddFile("C:\\a.lnk", "r");
    EXPECT_TRUE(fs.FileExists("C:\\" "\\a.lnk"));  // a drive root with "\" appended
    EXPECT_TRUE(fs.FileExists("VESKOR3.exe"));     // relative to the current directory
    EXPECT_TRUE(fs.FileExists("\\veskor\\..\\a.lnk"));
}

TEST_F(MemoryFilesTest, RenameAndCopyRefuseAnExistingTarget)
{
    fs.AddFile("C:\\s\\a.lnk", "A");
    fs.AddFile("C:\\s\\b.lnk", "B");

    EXPECT_FALSE(fs.RenameFile("C:\\s\\a.lnk", "C:\\s\\B.LNK"));
    EXPECT_EQ(ErrorOf([&] { fs.CopyFile("C:\\s\\a.lnk", "C:\\s\\b.lnk"); }),
              "ファイル \"C:\\s\\b.lnk\". ファイルが存在します。 を作成できません");
    EXPECT_EQ(fs.Bytes("C:\\s\\a.lnk"), "A");
    EXPECT_EQ(fs.Bytes("C:\\s\\b.lnk"), "B");

    EXPECT_FALSE(fs.RenameFile("C:\\s\\none.lnk", "C:\\s\\c.lnk"));
    EXPECT_FALSE(fs.RenameFile("C:\\s\\a.lnk", "C:\\missing\\a.lnk"));
    EXPECT_EQ(ErrorOf([&] { fs.CopyFile("C:\\s\\a.lnk", "C:\\missing\\a.lnk"); }),
              "ファイル \"C:\\missing\\a.lnk\". 指定されたパスが見つかりません。 を作成できません");
    EXPECT_FALSE(fs.Exists("C:\\s\\c.lnk"));

    EXPECT_TRUE(fs.RenameFile("C:\\s\\a.lnk", "C:\\s\\A.lnk"));  // letter case only
    EXPECT_EQ(fs.StoredName("C:\\s\\a.lnk"), "A.lnk");
    fs.CopyFile("C:\\s\\a.lnk", "C:\\s\\c.lnk");
    EXPECT_EQ(fs.Bytes("C:\\s\\c.lnk"), "A");
}

// The rename command meets a folder that bears a shortcut's name: like the system, the
// rename takes everything the folder holds along.
TEST_F(MemoryFilesTest, RenamingAFolderMovesWhatItHolds)
{
    fs.AddFile("C:\\s\\dir.lnk\\sub\\a.lnk", "A");
    EXPECT_FALSE(fs.RenameFile("C:\\s\\dir.lnk", "C:\\s\\dir.lnk\\sub\\x.lnk"));  // into itself

    EXPECT_TRUE(fs.RenameFile("C:\\s\\dir.lnk", "C:\\s\\new.lnk"));
    EXPECT_EQ(fs.Bytes("C:\\s\\new.lnk\\sub\\a.lnk"), "A");
    EXPECT_EQ(fs.ListLinks("C:\\s\\new.lnk\\sub").names, std::vector<std::string>{"a.lnk"});
    EXPECT_FALSE(fs.Exists("C:\\s\\dir.lnk\\sub\\a.lnk"));
    EXPECT_FALSE(fs.DirectoryExists("C:\\s\\dir.lnk"));
}

TEST_F(MemoryFilesTest, ListsEveryLnkEntryOfTheFolderInCreationOrder)
{
    fs.AddFile("C:\\s\\b.lnk", "");
    fs.AddFile("C:\\s\\note.txt", "");
    fs.AddFolder("C:\\s\\dir.LNK");
    fs.AddFile("C:\\s\\a.lnk.txt", "");
    fs.AddFile("C:\\s\\dir.LNK\\inner.lnk", "");
    fs.AddFile("C:\\s\\A.Lnk", "");
    fs.AddFile("C:\\s\\lnk", "");
    ASSERT_TRUE(fs.RenameFile("C:\\s\\b.lnk", "C:\\s\\z.lnk"));  // keeps its place

    EXPECT_EQ(fs.ListLinks("c:\\S\\").names, (std::vector<std::string>{"z.lnk", "dir.LNK", "A.Lnk"}));
    EXPECT_TRUE(fs.ListLinks("C:\\none").names.empty());
}

TEST_F(MemoryFilesTest, CreatesOneFolderLevelAtATime)
{
    EXPECT_FALSE(fs.CreateFolder("C:\\a\\b"));
    EXPECT_TRUE(fs.CreateFolder("C:\\a"));
    EXPECT_FALSE(fs.CreateFolder("C:\\A"));
    EXPECT_TRUE(fs.CreateFolder("C:\\a\\b"));
    fs.FailToCreateFolder("C:\\a\\c");
    EXPECT_FALSE(fs.CreateFolder("C:\\A\\C"));
    EXPECT_FALSE(fs.DirectoryExists("C:\\a\\c"));
}

TEST_F(MemoryFilesTest, ReadAndWriteFailuresCarryTheSystemTexts)
{
    EXPECT_EQ(ErrorOf([&] { fs.ReadWholeFile("C:\\veskor\\veskor.dat"); }),
              "ファイル \"C:\\veskor\\veskor.dat\". 指定されたファイルが見つかりません。 は開けません");
    EXPECT_EQ(ErrorOf([&] { fs.WriteFileAtomically("C:\\no\\veskor.dat", "x", "C:\\no\\veskor.dat.bak"); }),
              "ファイル \"C:\\no\\veskor.dat\". 指定されたパスが見つかりません。 を作成できません");

    fs.WriteFileAtomically("C:\\veskor\\veskor.dat", "old", "C:\\veskor\\veskor.dat.bak");
    fs.FailToOpen("c:\\VESKOR\\veskor.dat");
    EXPECT_EQ(ErrorOf([&] { fs.ReadWholeFile("C:\\veskor\\veskor.dat"); }),
              "ファイル \"C:\\veskor\\veskor.dat\". プロセスはファイルにアクセスできません。別のプロセスが使用中です。 は開けません");
    EXPECT_TRUE(fs.FileExists("C:\\veskor\\veskor.dat"));

    fs.FailToWrite("C:\\veskor\\veskor.dat");
    EXPECT_EQ(ErrorOf([&] { fs.WriteFileAtomically("C:\\veskor\\veskor.dat", "new", "C:\\veskor\\veskor.dat.bak"); }),
              "ファイル \"C:\\veskor\\veskor.dat\". ディスクに十分な空き領域がありません。 を作成できません");
    EXPECT_EQ(fs.Bytes("C:\\veskor\\veskor.dat"), "old");
}

TEST_F(MemoryFilesTest, ShellLinksReadTheirRecordAndFailLikeTheShellLinkObject)
{
    EXPECT_EQ(ErrorOf([&] { fs.SaveLink("C:\\s\\x.lnk", "C:\\t\\x.exe", "C:\\t\\", 0); }),
              "ファイル \"C:\\s\\x.lnk\". 指定されたパスが見つかりません。 を作成できません");
    EXPECT_FALSE(fs.Exists("C:\\s\\x.lnk"));

    fs.AddLink("C:\\s\\a.lnk", {"C:\\t\\a.exe", "-v", "C:\\t\\", 0});
    fs.SaveLink("C:\\veskor\\a.lnk", "C:\\t\\b.exe", "C:\\t\\", 0x74);
    fs.SaveLink("C:\\veskor\\A.lnk", "C:\\t\\c.exe", "C:\\t\\", 0x74);  // replaces
    EXPECT_EQ(fs.Link("C:\\veskor\\a.lnk"), (LinkRecord{"C:\\t\\c.exe", "", "C:\\t\\", 0x74}));
    EXPECT_EQ(fs.ReadLink("C:\\S\\A.LNK"), (ShellLink{"C:\\t\\a.exe", "-v", {}}));
    fs.CopyFile("C:\\s\\a.lnk", "C:\\s\\copy.lnk");
    EXPECT_EQ(fs.ReadLink("C:\\s\\copy.lnk").arguments, "-v");

    fs.DamageLink("C:\\s\\a.lnk");
    EXPECT_EQ(ErrorOf([&] { fs.ReadLink("C:\\s\\a.lnk"); }), "エラーを特定できません");
    EXPECT_EQ(ErrorOf([&] { fs.ReadLink("C:\\s\\none.lnk"); }), "指定されたファイルが見つかりません。");

    fs.shellLinkUnavailable = true;
    EXPECT_EQ(ErrorOf([&] { fs.ReadLink("C:\\s\\copy.lnk"); }), "OLE エラー 80040154");
    EXPECT_EQ(ErrorOf([&] { fs.SaveLink("C:\\s\\n.lnk", "C:\\t\\n.exe", "C:\\t\\", 0); }), "OLE エラー 80040154");
    EXPECT_FALSE(fs.Exists("C:\\s\\n.lnk"));
}

TEST(MemoryWindowSystemTest, PointerFailuresAndTheMonitorUnderAPoint)
{
    MemoryPlatform platform;
    platform.cursorFailure = 5;
    EXPECT_EQ(ErrorOf([&] { platform.CursorPosition(); }), "システムエラー。コード：5.\r\nアクセスが拒否されました。");
    platform.cursorFailure = 0;
    EXPECT_EQ(ErrorOf([&] { platform.CursorPosition(); }), "OS 機能呼び出しの失敗");

    platform.monitors = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96},
                         {{-1280, 0, 0, 1024}, {-1280, 0, 0, 1024}, 120}};
    EXPECT_EQ(platform.MonitorAt({-1, 500}).dpi, 120);
    EXPECT_EQ(platform.MonitorAt({0, 500}).dpi, 96);
    EXPECT_EQ(platform.MonitorAt({-1500, 2000}).dpi, 120);  // off every monitor: the nearest
}

}  // namespace
}  // namespace veskor
