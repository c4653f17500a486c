#include <gtest/gtest.h>

#include "history/DataFile.h"
#include "platform/Error.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Calls = std::vector<ShellCall>;

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.Seed("D:\\Links", {"mail", "a;b", "web", "Tools"});
        f.AddShortcut("mail", "C:\\Mail\\mail.exe", "-new");
        f.AddShortcut("a", "C:\\A\\a.exe");
        f.AddShortcut("b", "C:\\b.exe", "x y");
        f.AddShortcut("web", "C:\\Web\\web.exe");
    }

    void Enter(const std::string& text)
    {
        f.Edit1.SetText(text);
        f.Press(vk::Return);
    }

    // What the closed run left in the data file.
    std::vector<std::string> SavedHistory()
    {
        const auto bytes = f.platform.Bytes("C:\\veskor\\veskor.dat");
        return bytes ? ParseDataFile(*bytes, "veskor.dat").entries : std::vector<std::string>{"<not saved>"};
    }

    FormFixture f;
};

TEST_F(LaunchTest, TypedNameStartsTheTargetInItsOwnFolderRecordsAndCloses)
{
    Enter("Mail");
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\Mail\\mail.exe", "-new", "C:\\Mail"}}));
    EXPECT_TRUE(f.window.Ended());
    // The stored spelling moves to the top; the typed letter case is not stored.
    EXPECT_EQ(SavedHistory(), (std::vector<std::string>{"mail", "a;b", "web", "Tools"}));
}

TEST_F(LaunchTest, PiecesStartLeftToRightAndTheWholeTextIsRecorded)
{
    Enter("a;;b;");
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\A\\a.exe", "", "C:\\A"}, {"C:\\b.exe", "x y", "C:\\"}}));
    EXPECT_EQ(SavedHistory(), (std::vector<std::string>{"a;;b;", "mail", "a;b", "web", "Tools"}));
}

TEST_F(LaunchTest, ASemicolonAloneStartsNothingButIsRecorded)
{
    Enter(";");
    EXPECT_TRUE(f.platform.shellCalls.empty());
    EXPECT_TRUE(f.window.Ended());
    EXPECT_EQ(SavedHistory().front(), ";");
}

TEST_F(LaunchTest, WithAnEmptyFieldTheCaretEntryIsStartedButNeverTheFirstAndNothingIsRecorded)
{
    f.ListBox1.SetCurrentIndex(2);
    f.Press(vk::Return);
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\Web\\web.exe", "", "C:\\Web"}}));
    EXPECT_EQ(SavedHistory(), (std::vector<std::string>{"mail", "a;b", "web", "Tools"}));

    FormFixture first;
    first.Seed("D:\\Links", {"mail", "web"});
    first.ListBox1.SetCurrentIndex(0);
    first.Press(vk::Return);
    // The shortcut folder itself is handed to the shell: no target, run in the folder.
    EXPECT_EQ(first.platform.shellCalls, (Calls{{"", "", "D:\\Links"}}));
}

TEST_F(LaunchTest, AnUnreadableMiddlePieceStopsThereAndKeepsTheWindowOpen)
{
    Enter("a;missing;b");
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\A\\a.exe", "", "C:\\A"}}));
    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_EQ(f.window.errors[0].caption, "Veskor3");
    EXPECT_FALSE(f.window.Ended());
    EXPECT_EQ(f.Edit1.Text(), "a;missing;b");
    EXPECT_EQ(f.History(), (std::vector<std::string>{"mail", "a;b", "web", "Tools"}));

    f.platform.DamageLink(f.ShortcutPath("web"));
    Enter("web");
    EXPECT_EQ(f.window.errors.size(), 2u);
    EXPECT_EQ(f.platform.shellCalls.size(), 1u);
}

TEST_F(LaunchTest, NoSaveOkStartsWithoutTouchingTheHistory)
{
    f.Edit1.SetText("web");
    f.Ctrl(vk::Return);
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\Web\\web.exe", "", "C:\\Web"}}));
    EXPECT_EQ(SavedHistory(), (std::vector<std::string>{"mail", "a;b", "web", "Tools"}));

    FormFixture empty;
    empty.Seed("D:\\Links", {"mail"});
    empty.Ctrl(vk::Return);
    EXPECT_TRUE(empty.platform.shellCalls.empty());
    EXPECT_TRUE(empty.window.Ended());
}

TEST_F(LaunchTest, FolderOpenOpensEachTargetsFolderAndTheParentForEmptyPieces)
{
    f.Edit1.SetText("a;missing;");
    f.ClickButton(ButtonId::FolderOpenButton);
    EXPECT_EQ(f.platform.shellCalls,
              (Calls{{"C:\\A", "", "D:\\Links"}, {"D:\\", "", "D:\\Links"}, {"D:\\", "", "D:\\Links"}}));
    EXPECT_TRUE(f.window.errors.empty());
    EXPECT_EQ(SavedHistory().front(), "a;missing;");
}

TEST_F(LaunchTest, FolderOpenWithAnEmptyFieldIgnoresTheListSelection)
{
    f.ClickItem(2);
    f.Edit1.SetText("");
    f.ClickButton(ButtonId::FolderOpenButton);
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"", "", "D:\\Links"}}));
    EXPECT_EQ(SavedHistory(), (std::vector<std::string>{"mail", "a;b", "web", "Tools"}));
}

TEST_F(LaunchTest, OnlyTheFirstDoubleClickOfARunLaunches)
{
    f.platform.DamageLink(f.ShortcutPath("web"));
    f.DoubleClickItem(2);
    EXPECT_EQ(f.window.errors.size(), 1u);
    EXPECT_FALSE(f.window.Ended());
    f.DoubleClickItem(0);
    EXPECT_EQ(f.window.errors.size(), 1u);
    EXPECT_TRUE(f.platform.shellCalls.empty());
    EXPECT_FALSE(f.window.Ended());
}

TEST_F(LaunchTest, DoubleClickRecordsTheEntryAtTheTop)
{
    f.DoubleClickItem(2);
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\Web\\web.exe", "", "C:\\Web"}}));
    EXPECT_EQ(SavedHistory(), (std::vector<std::string>{"web", "mail", "a;b", "Tools"}));
}

TEST_F(LaunchTest, EscOnTheFrontPageDiscardsTheTextAndOpensTheShortcutFolder)
{
    f.Edit1.SetText("mail");
    f.Press(vk::Escape);
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"", "", "D:\\Links"}}));
    EXPECT_EQ(SavedHistory(), (std::vector<std::string>{"mail", "a;b", "web", "Tools"}));
}

TEST_F(LaunchTest, EscOnTheBackPageReturnsWithTheModeInTheTitle)
{
    f.form.SearchMode = Matching::Partial;
    f.RightClick();
    ASSERT_TRUE(f.Edit2.Visible());
    f.Press(vk::Escape);
    EXPECT_FALSE(f.Edit2.Visible());
    EXPECT_TRUE(f.Edit1.Visible());
    EXPECT_EQ(f.window.title, "D:\\Links 部分検索");
    EXPECT_EQ(f.form.SearchMode, Matching::Partial);
    EXPECT_FALSE(f.window.Ended());
}

TEST_F(LaunchTest, OnlyAnExactLowerCaseLnkExtensionHasArgumentsRead)
{
    f.platform.AddLink("D:\\Links\\UP.LNK", {"C:\\up.exe", "-z", "", 0});
    EXPECT_EQ(f.form.linkparams("D:\\Links\\UP.LNK"), "");
    EXPECT_EQ(f.form.linktarget("D:\\Links\\UP.LNK"), "C:\\up.exe");
    EXPECT_EQ(f.form.linkparams("D:\\Links"), "");
    EXPECT_THROW(f.form.linkparams("D:\\Links\\missing.lnk"), Error);
    EXPECT_EQ(f.form.linktarget("D:\\Links\\missing.lnk"), "");
}

}  // namespace
}  // namespace veskor::test
