#include <gtest/gtest.h>

#include <functional>

#include "form/ErrorBox.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Names = std::vector<std::string>;

const std::string Same = "(同名あり)";

// The target of the link at `path`, or "<no link>".
std::string TargetOf(const MemoryPlatform& platform, const std::string& path)
{
    const std::optional<LinkRecord> link = platform.Link(path);
    return link ? link->target.Text() : "<no link>";
}

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override { f.Seed("D:\\Links", {"mail", "web"}); }

    void ExpectNamingStateFor(const std::string& name)
    {
        EXPECT_EQ(f.window.title, "ショートカット " + name + " を作成しました");
        EXPECT_EQ(f.Edit1.Text(), name);
        EXPECT_EQ(f.Edit1.SelectedText(), name);
        EXPECT_EQ(f.Focused(), &f.Edit1);
        EXPECT_EQ(f.form.PendingRenamePath, f.ShortcutPath(name));
        EXPECT_TRUE(f[ButtonId::changeButton].Visible());
        EXPECT_TRUE(f[ButtonId::changeButton].IsDefault());
        EXPECT_FALSE(f[ButtonId::renameButton].Visible());
        EXPECT_FALSE(f[ButtonId::okButton].IsDefault());
        EXPECT_EQ(f[ButtonId::okButton].Tooltip(), "実行します ctrl+Enter");
    }

    FormFixture f;
};

TEST_F(RegistrationTest, DroppedProgramGetsAShortcutInTheFolderAndItsNameIsProposed)
{
    f.platform.AddFile("C:\\tools\\app.exe", "MZ");
    f.Drop("C:\\tools\\app.exe");

    EXPECT_EQ(f.platform.Link(f.ShortcutPath("app")), (LinkRecord{"C:\\tools\\app.exe", "", "C:\\tools\\", 0}));
    ExpectNamingStateFor("app");
    EXPECT_EQ(f.History(), (Names{"app", "mail", "web"}));
    EXPECT_EQ(f.ListItems(), (Names{"app", "mail", "web"}));
    EXPECT_EQ(f.window.bringToFrontCount, 1);
    EXPECT_TRUE(f.window.errors.empty());
}

TEST_F(RegistrationTest, DoubleByteNamesKeepTheirTrailBackslashBytes)
{
    f.Drop("C:\\ソフト\\表計算.exe");
    EXPECT_EQ(f.platform.Link(f.ShortcutPath("表計算")),
              (LinkRecord{"C:\\ソフト\\表計算.exe", "", "C:\\ソフト\\", 0}));
    ExpectNamingStateFor("表計算");
}

TEST_F(RegistrationTest, NamesTheHistoryHoldsGetTheSuffixSpelledAsStored)
{
    FormFixture g;
    g.Seed("D:\\Links", {"App", "app" + Same});
    g.Drop("C:\\tools\\app.exe");
    EXPECT_TRUE(g.platform.Link(g.ShortcutPath("App" + Same + "x")));
    EXPECT_EQ(g.History(), (Names{"App" + Same + "x", "App", "app" + Same}));

    FormFixture dotted;
    dotted.Seed("D:\\Links", {"a.b"});
    dotted.Drop("C:\\x\\a.b.txt");
    EXPECT_EQ(dotted.Edit1.Text(), "a" + Same);
    EXPECT_EQ(TargetOf(dotted.platform, dotted.ShortcutPath("a" + Same)), "C:\\x\\a.b.txt");
}

// The history forgets names; the folder still holds the user's shortcuts, and they stay.
TEST_F(RegistrationTest, ANewShortcutNeverReplacesAFileOrFolderAlreadyThere)
{
    f.AddShortcut("app", "C:\\old\\app.exe");
    f.AddShortcut("app" + Same, "C:\\older\\app.exe");
    f.platform.AddFolder(f.ShortcutPath("app" + Same + "x"));
    f.Drop("C:\\tools\\app.exe");

    EXPECT_EQ(TargetOf(f.platform, f.ShortcutPath("app")), "C:\\old\\app.exe");
    EXPECT_EQ(TargetOf(f.platform, f.ShortcutPath("app" + Same)), "C:\\older\\app.exe");
    EXPECT_EQ(TargetOf(f.platform, f.ShortcutPath("app" + Same + "xx")), "C:\\tools\\app.exe");
    ExpectNamingStateFor("app" + Same + "xx");
    EXPECT_EQ(f.History().front(), "app" + Same + "xx");
}

TEST_F(RegistrationTest, ALnkFileIsCopiedAndOnlyTheExactLowerCaseExtensionCounts)
{
    f.platform.AddLink("E:\\links\\tool.lnk", {"C:\\t\\tool.exe", "-q", "C:\\t\\", 0});
    f.Drop("E:\\links\\tool.lnk");
    EXPECT_EQ(f.platform.Link(f.ShortcutPath("tool")), (LinkRecord{"C:\\t\\tool.exe", "-q", "C:\\t\\", 0}));
    ExpectNamingStateFor("tool");

    FormFixture g;
    g.Seed("D:\\Links", {});
    g.platform.AddLink("E:\\links\\WEB.LNK", {"C:\\w\\web.exe", "", "", 0});
    g.Drop("E:\\links\\WEB.LNK");
    EXPECT_EQ(g.platform.Link(g.ShortcutPath("WEB")), (LinkRecord{"E:\\links\\WEB.LNK", "", "E:\\links\\", 0}));
}

TEST_F(RegistrationTest, ACopyTakesAFreeNameInsteadOfFailingOnAnExistingFile)
{
    f.AddShortcut("tool", "C:\\mine\\tool.exe");
    f.platform.AddLink("E:\\links\\tool.lnk", {"C:\\t\\tool.exe", "", "C:\\t\\", 0});
    f.Drop("E:\\links\\tool.lnk");

    EXPECT_EQ(TargetOf(f.platform, f.ShortcutPath("tool")), "C:\\mine\\tool.exe");
    EXPECT_EQ(TargetOf(f.platform, f.ShortcutPath("tool" + Same)), "C:\\t\\tool.exe");
    ExpectNamingStateFor("tool" + Same);
}

TEST_F(RegistrationTest, ADroppedFolderWithoutExtensionOpensTheBackPageVariant)
{
    f.platform.AddFolder("C:\\data");
    f.Drop("C:\\data");

    EXPECT_TRUE(f.Edit2.Visible());
    EXPECT_FALSE(f.Edit1.Visible());
    EXPECT_EQ(f.Edit2.Text(), "C:\\data");
    EXPECT_TRUE(f[ButtonId::lnkcreateButton].Visible());
    EXPECT_FALSE(f[ButtonId::findButton].Visible());
    EXPECT_EQ(f.window.title, "登録フォルダパスを入力");
    EXPECT_EQ(f.History(), (Names{"mail", "web"}));
    EXPECT_EQ(f.platform.Names("D:\\Links"), Names{});
    EXPECT_EQ(f.window.bringToFrontCount, 1);

    // From there the lnk button registers the path as it stands in Edit2.
    f.ClickButton(ButtonId::lnkcreateButton);
    EXPECT_EQ(f.platform.Link(f.ShortcutPath("data")), (LinkRecord{"C:\\data", "", "C:\\", 0}));
    EXPECT_FALSE(f.Edit2.Visible());
    EXPECT_FALSE(f[ButtonId::lnkcreateButton].Visible());
    ExpectNamingStateFor("data");
}

TEST_F(RegistrationTest, AFolderWithADotInItsNameIsRegisteredAtOnce)
{
    f.Drop("C:\\my.dir");
    EXPECT_EQ(f.platform.Link(f.ShortcutPath("my")), (LinkRecord{"C:\\my.dir", "", "C:\\", 0}));
    ExpectNamingStateFor("my");
}

TEST_F(RegistrationTest, ADropInTheNamingStateProposesTheNewerShortcut)
{
    f.Drop("C:\\a\\first.exe");
    f.Drop("C:\\b\\second.exe");
    ExpectNamingStateFor("second");
    EXPECT_TRUE(f.platform.Exists(f.ShortcutPath("first")));
    EXPECT_EQ(f.History(), (Names{"second", "first", "mail", "web"}));

    f.Type("two");
    f.Press(vk::Return);
    EXPECT_EQ(f.window.title, "second を two に変更しました");
    EXPECT_TRUE(f.platform.Exists(f.ShortcutPath("first")));
    EXPECT_TRUE(f.platform.Exists(f.ShortcutPath("two")));
    EXPECT_EQ(f.History(), (Names{"two", "first", "mail", "web"}));
}

TEST_F(RegistrationTest, WithNoShellLinkObjectNothingChangesButTheErrorBox)
{
    f.platform.shellLinkUnavailable = true;
    f.form.PendingRenamePath = "D:\\Links\\mail.lnk";
    f.Edit1.SetText("ma");
    f.Drop("C:\\tools\\app.exe");

    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_EQ(f.window.errors[0].text, ErrorText(systext::ClassNotRegistered));
    EXPECT_EQ(f.window.title, "D:\\Links 先頭検索");
    EXPECT_EQ(f.History(), (Names{"mail", "web"}));
    EXPECT_EQ(f.ListItems(), (Names{"mail", "web"}));
    EXPECT_EQ(f.Edit1.Text(), "ma");
    EXPECT_EQ(f.form.PendingRenamePath, "D:\\Links\\mail.lnk");
    EXPECT_FALSE(f[ButtonId::changeButton].Visible());
    EXPECT_TRUE(f[ButtonId::okButton].IsDefault());
    EXPECT_EQ(f.platform.Names("D:\\Links"), Names{});
    // The box must not open behind the program the file came from.
    EXPECT_EQ(f.window.bringToFrontCount, 1);
}

// Announcing and recording a shortcut that was never written would hide the failure.
TEST_F(RegistrationTest, AShortcutThatWasNotWrittenIsReportedAndNotRecorded)
{
    const struct {
        const char* what;
        std::string dropped;
        std::string folder;
        std::function<void(MemoryPlatform&)> fault;
        std::string error;
    } cases[] = {
        {"the shortcut folder is gone", "C:\\tools\\app.exe", "D:\\Gone", [](MemoryPlatform&) {},
         "ファイル \"D:\\Gone\\app.lnk\". 指定されたパスが見つかりません。 を作成できません."},
        {"the disk is full", "C:\\tools\\app.exe", "D:\\Links",
         [](MemoryPlatform& p) { p.FailToWrite("D:\\Links\\app.lnk"); },
         "ファイル \"D:\\Links\\app.lnk\". ディスクに十分な空き領域がありません。 を作成できません."},
        {"another program holds the file", "C:\\tools\\app.exe", "D:\\Links",
         [](MemoryPlatform& p) { p.FailToOpen("D:\\Links\\app.lnk"); },
         "ファイル \"D:\\Links\\app.lnk\". プロセスはファイルにアクセスできません。別のプロセスが使用中です。 を作成できません."},
        {"the dropped shortcut vanished before the copy", "C:\\old\\web2.lnk", "D:\\Links", [](MemoryPlatform&) {},
         "ファイル \"D:\\Links\\web2.lnk\". 指定されたパスが見つかりません。 を作成できません."},
    };
    for (const auto& c : cases) {
        FormFixture g;
        g.Seed("D:\\Links", {"mail"});
        g.form.ShortcutFolder = c.folder;
        c.fault(g.platform);
        g.Drop(c.dropped);
        ASSERT_EQ(g.window.errors.size(), 1u) << c.what;
        EXPECT_EQ(g.window.errors[0].text, c.error) << c.what;
        EXPECT_EQ(g.ListItems(), (Names{"mail"})) << c.what;
        EXPECT_EQ(g.History(), (Names{"mail"})) << c.what;
        EXPECT_EQ(g.form.PendingRenamePath, "") << c.what;
        EXPECT_FALSE(g[ButtonId::changeButton].Visible()) << c.what;
    }
}

TEST_F(RegistrationTest, ADroppedPathTooLongToKeepIsRefusedNotCutShort)
{
    const std::string exactFit = "C:\\" + std::string(252, 'x') + ".exe";  // 259 bytes
    f.Drop(exactFit + "x");
    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_EQ(f.window.errors[0].text, "パスが長すぎるため登録できません.");
    EXPECT_EQ(f.History(), (Names{"mail", "web"}));
    EXPECT_EQ(f.platform.Names("D:\\Links"), Names{});
    EXPECT_EQ(f.window.bringToFrontCount, 1);

    f.Drop(exactFit);
    EXPECT_EQ(f.window.errors.size(), 1u);
    EXPECT_EQ(f.History().front(), std::string(252, 'x'));
}

TEST_F(RegistrationTest, AnEmptyPathRegistersNoNameAndRecordsNothing)
{
    f.Ctrl(vk::U);
    f.Edit2.SetFocus();
    f.Ctrl(vk::S);

    EXPECT_EQ(f.window.title, "ショートカット  を作成しました");
    EXPECT_EQ(f.form.PendingRenamePath, "D:\\Links\\.lnk");
    EXPECT_EQ(f.Edit1.Text(), "");
    EXPECT_EQ(f.History(), (Names{"mail", "web"}));
    EXPECT_EQ(f.ListItems(), (Names{"mail", "web"}));
    EXPECT_TRUE(f[ButtonId::changeButton].IsDefault());
    EXPECT_EQ(f.Focused(), &f.Edit1);
}

TEST_F(RegistrationTest, TheProgramsOwnDesktopShortcutAnswersToF5AndReplacesAnOldOne)
{
    f.platform.AddLink("C:\\Users\\user\\Desktop\\VESKOR3.lnk", {"C:\\old\\VESKOR3.exe", "", "C:\\old\\", 0});
    f.form.PendingRenamePath = "D:\\Links\\mail.lnk";
    const std::string link = f.form.createlink("C:\\表\\VESKOR3.exe", LinkKind::OwnDesktopShortcut);

    EXPECT_EQ(link, "C:\\Users\\user\\Desktop\\VESKOR3.lnk");
    EXPECT_EQ(f.platform.Link(link), (LinkRecord{"C:\\表\\VESKOR3.exe", "", "C:\\表\\", 0x0074}));
    EXPECT_EQ(f.form.PendingRenamePath, "D:\\Links\\mail.lnk");
    EXPECT_EQ(f.History(), (Names{"mail", "web"}));
}

TEST_F(RegistrationTest, RegisteringOnTheBackPageBringsTheFrontPageBack)
{
    f.RightClick();
    ASSERT_TRUE(f.Edit2.Visible());
    f.Drop("C:\\tools\\app.exe");
    EXPECT_FALSE(f.Edit2.Visible());
    EXPECT_FALSE(f[ButtonId::findButton].Visible());
    EXPECT_TRUE(f.ListBox1.Visible());
    ExpectNamingStateFor("app");
}

}  // namespace
}  // namespace veskor::test
