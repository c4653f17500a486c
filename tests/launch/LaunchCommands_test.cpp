#include <gtest/gtest.h>

#include <optional>

#include "history/DataFile.h"
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

// The middle name of "a;x;b" in each kind and outcome: how it is started, and whether the
// command goes on (b started, the text recorded, the window closed) or stops at x with the
// error box naming x's shortcut (or, for a cancelled elevation, without one).
TEST(LaunchKindsTest, EachKindStartsItsWayAndAFailureStopsAtItsName)
{
    enum class Shell { Starts, RefusesTarget, RefusesLink, Cancels };
    const std::string x = "D:\\Links\\x.lnk";
    const std::string notFound = "指定されたファイルが見つかりません。";
    const ShellCall a{"C:\\A\\a.exe", "", "C:\\A"};
    const ShellCall b{"C:\\b.exe", "", "C:\\"};
    const ShellCall xTarget{"C:\\X\\x.exe", "-v", "C:\\X"};
    const ShellCall xWhole{x, "", "", true};
    const LinkRecord ordinary{.target = "C:\\X\\x.exe", .arguments = "-v"};
    const struct {
        const char* what;
        std::optional<LinkRecord> link;  // none: x.lnk is missing
        Shell shell;
        Calls calls;
        std::string error;
    } cases[] = {
        {"ordinary", ordinary, Shell::Starts, {a, xTarget, b}, ""},
        {"no file-system target", LinkRecord{.arguments = "-v"}, Shell::Starts, {a, xWhole, b}, ""},
        {"advertised", LinkRecord{.target = "C:\\Windows\\Installer\\{9}\\x.ico", .traits = {true, false}},
         Shell::Starts, {a, xWhole, b}, ""},
        {"run as administrator", LinkRecord{.target = "C:\\X\\x.exe", .traits = {false, true}}, Shell::Starts,
         {a, xWhole, b}, ""},
        {"missing", std::nullopt, Shell::Starts, {a}, x + "\r\n" + notFound},
        {"target refused", ordinary, Shell::RefusesTarget, {a, xTarget}, x + "\r\n" + notFound},
        {"whole link refused", LinkRecord{}, Shell::RefusesLink, {a, xWhole}, x + "\r\n" + notFound},
        {"elevation cancelled", LinkRecord{.target = "C:\\X\\x.exe", .traits = {false, true}}, Shell::Cancels,
         {a, xWhole}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture f;
        f.Seed("D:\\Links", {"zeta"});
        f.AddShortcut("a", "C:\\A\\a.exe");
        f.AddShortcut("b", "C:\\b.exe");
        if (c.link)
            f.platform.AddLink(x, *c.link);
        if (c.shell == Shell::RefusesTarget)
            f.platform.RefuseLaunch("C:\\X\\x.exe", notFound);
        if (c.shell == Shell::RefusesLink)
            f.platform.RefuseLaunch(x, notFound);
        if (c.shell == Shell::Cancels)
            f.platform.CancelLaunch(x);
        f.Edit1.SetText("a;x;b");
        f.Press(vk::Return);

        EXPECT_EQ(f.platform.shellCalls, c.calls);
        const bool goesOn = c.calls.size() == 3;
        EXPECT_EQ(f.window.Ended(), goesOn);
        if (goesOn) {
            const auto saved = f.platform.Bytes("C:\\veskor\\veskor.dat");
            ASSERT_TRUE(saved);
            EXPECT_EQ(ParseDataFile(*saved, "veskor.dat").entries, (std::vector<std::string>{"a;x;b", "zeta"}));
        } else {
            EXPECT_EQ(f.History(), std::vector<std::string>{"zeta"});
            EXPECT_EQ(f.Edit1.Text(), "a;x;b");
        }
        if (c.error.empty()) {
            EXPECT_TRUE(f.window.errors.empty());
        } else {
            ASSERT_EQ(f.window.errors.size(), 1u);
            EXPECT_EQ(f.window.errors[0].text, c.error);
        }
    }
}

// The shell-link reader takes a path of 259 characters: a longer one is refused by name
// before anything is read, and a long one of double-byte characters within it is still read.
TEST_F(LaunchTest, ANameTooLongForAShortcutPathSaysSoAndStops)
{
    const std::string longName(300 - std::string("D:\\Links\\.lnk").size(), 'n');
    Enter("a;" + longName);
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\A\\a.exe", "", "C:\\A"}}));
    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_EQ(f.window.errors[0].text, f.ShortcutPath(longName) +
                                           "\r\n名前が長すぎてショートカットのパスになりません (パスは 259 文字まで)");
    EXPECT_FALSE(f.window.Ended());

    std::string wide;
    for (int i = 0; i < 130; ++i)
        wide += "表";
    f.AddShortcut(wide, "C:\\W\\w.exe");
    ASSERT_GT(f.ShortcutPath(wide).size(), 259u);
    Enter(wide);
    EXPECT_EQ(f.platform.shellCalls.back(), (ShellCall{"C:\\W\\w.exe", "", "C:\\W"}));
    EXPECT_TRUE(f.window.Ended());
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

// `before`, then one character that CP932 cannot write, then `after`: a text as the
// platform brings it from the system.
ExactText WithUnwritable(const std::string& before, std::u16string character, const std::string& after)
{
    ExactText text(before);
    text.AppendUnwritable(std::move(character));
    text.Append(after);
    return text;
}

// What CP932 cannot write in a target or its arguments reaches the shell in its place, and
// the target's folder keeps what lies in it ("表" ends in the byte of "\").
TEST(LaunchUnwritableTest, WhatCp932CannotWriteReachesTheShellInItsPlace)
{
    const ExactText arguments = WithUnwritable("--name=", u"\u00e9", " -v");
    const ExactText inFolder = WithUnwritable("C:\\表", u"\ud55c", "\\x.exe");
    const ExactText folder = WithUnwritable("C:\\表", u"\ud55c", "");
    const ExactText inName = WithUnwritable("C:\\T\\", u"\U0001f600", ".exe");
    const struct {
        const char* what;
        ExactText target;
        ButtonId button;
        Calls calls;
    } cases[] = {
        {"start, folder", inFolder, ButtonId::okButton, {{inFolder, arguments, folder}}},
        {"start, name", inName, ButtonId::okButton, {{inName, arguments, "C:\\T"}}},
        {"open the folder", inFolder, ButtonId::FolderOpenButton, {{folder, "", "D:\\Links"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture f;
        f.Seed("D:\\Links", {"zeta"});
        f.platform.AddLink(f.ShortcutPath("k"), {c.target, arguments});
        f.Edit1.SetText("k");
        f.ClickButton(c.button);
        EXPECT_EQ(f.platform.shellCalls, c.calls);
        EXPECT_TRUE(f.window.errors.empty());
    }
}

// An installer's link opens the installed program's folder when the installer knows it,
// else its own target's folder; a refusal on command changes nothing for a folder.
TEST_F(LaunchTest, FolderOpenOnAnInstallersLinkOpensTheInstalledProgramsFolder)
{
    f.platform.AddLink(f.ShortcutPath("excel"), {"C:\\Windows\\Installer\\{9}\\x.ico", "", "", 0, {true, false},
                                                 "C:\\Program Files\\Office\\EXCEL.EXE"});
    f.platform.AddLink(f.ShortcutPath("old"), {"C:\\Windows\\Installer\\{8}\\o.ico", "", "", 0, {true, false}});
    f.platform.AddLink(f.ShortcutPath("plain"), {"C:\\P\\p.exe", "", "", 0, {}, "C:\\Elsewhere\\p.exe"});
    f.platform.RefuseLaunch("C:\\P", "?");
    f.Edit1.SetText("excel;old;plain");
    f.ClickButton(ButtonId::FolderOpenButton);
    EXPECT_EQ(f.platform.shellCalls, (Calls{{"C:\\Program Files\\Office", "", "D:\\Links"},
                                           {"C:\\Windows\\Installer\\{8}", "", "D:\\Links"},
                                           {"C:\\P", "", "D:\\Links"}}));
    EXPECT_TRUE(f.window.errors.empty());
    EXPECT_TRUE(f.window.Ended());
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

}  // namespace
}  // namespace veskor::test
