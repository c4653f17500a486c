#include <gtest/gtest.h>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Names = std::vector<std::string>;

// The target of the link at `path`, or "<no link>".
std::string TargetOf(const MemoryPlatform& platform, const std::string& path)
{
    const std::optional<LinkRecord> link = platform.Link(path);
    return link ? link->target.Text() : "<no link>";
}

class RenameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.Seed("D:\\Links", {"web", "Mail", "tools", "mail"});
        f.AddShortcut("mail", "C:\\Mail\\mail.exe");
        f.AddShortcut("web", "C:\\Web\\web.exe");
    }

    void StartRenaming(const std::string& name)
    {
        f.Edit1.SetText(name);
        f.Ctrl(vk::N);
    }

    void ExpectNamingStateLeft()
    {
        EXPECT_EQ(f.Edit1.Text(), "");
        EXPECT_EQ(f.Focused(), &f.Edit1);
        EXPECT_FALSE(f[ButtonId::changeButton].Visible());
        EXPECT_FALSE(f[ButtonId::changeButton].IsDefault());
        EXPECT_TRUE(f[ButtonId::renameButton].Visible());
        EXPECT_TRUE(f[ButtonId::okButton].IsDefault());
        EXPECT_EQ(f[ButtonId::okButton].Tooltip(), "実行します Enter");
    }

    FormFixture f;
};

TEST_F(RenameTest, TypedNameRenamesTheShortcutAndTakesTheTopOfTheHistory)
{
    StartRenaming("mail");
    EXPECT_EQ(f.form.PendingRenamePath, "D:\\Links\\mail.lnk");
    EXPECT_EQ(f.window.title, "mailの変更後の名前を入力");
    EXPECT_EQ(f.Edit1.Text(), "");
    EXPECT_EQ(f.Focused(), &f.Edit1);
    EXPECT_TRUE(f[ButtonId::changeButton].Visible());
    EXPECT_TRUE(f[ButtonId::changeButton].IsDefault());
    EXPECT_EQ(f[ButtonId::okButton].Tooltip(), "実行します ctrl+Enter");

    f.Type("post");
    f.Press(vk::Return);
    EXPECT_EQ(f.window.title, "mail を post に変更しました");
    EXPECT_FALSE(f.platform.Exists("D:\\Links\\mail.lnk"));
    EXPECT_EQ(TargetOf(f.platform, "D:\\Links\\post.lnk"), "C:\\Mail\\mail.exe");
    // Only the first entry equal to the old name goes.
    EXPECT_EQ(f.History(), (Names{"post", "web", "tools", "mail"}));
    EXPECT_EQ(f.ListItems(), f.History());
    EXPECT_EQ(f.form.PendingRenamePath, "D:\\Links\\mail.lnk");
    ExpectNamingStateLeft();
}

TEST_F(RenameTest, ANameOutsideTheHistoryIsRefused)
{
    for (const std::string text : {"nothing", ""}) {
        f.Edit1.SetText(text);
        f.Ctrl(vk::N);
        EXPECT_EQ(f.window.title, "その名前は履歴にありません");
        EXPECT_EQ(f.Edit1.Text(), text);
        EXPECT_FALSE(f[ButtonId::changeButton].Visible());
        EXPECT_EQ(f.form.PendingRenamePath, "");
    }
}

TEST_F(RenameTest, EnterWithNoNameTypedChangesNothing)
{
    StartRenaming("web");
    f.Press(vk::Return);
    EXPECT_EQ(f.window.title, "webの変更後の名前を入力");
    EXPECT_TRUE(f[ButtonId::changeButton].Visible());
    EXPECT_TRUE(f[ButtonId::changeButton].IsDefault());
    EXPECT_TRUE(f.platform.Exists("D:\\Links\\web.lnk"));
}

// Whatever stops the rename, both files and the history stay, and the naming state ends.
TEST_F(RenameTest, FailedRenamesLeaveFilesAndHistory)
{
    struct Case {
        const char* what;
        std::string pending;
        std::string name;
    };
    const Case cases[] = {
        {"the new name exists", "D:\\Links\\mail.lnk", "web"},
        {"the old file is missing", "D:\\Links\\tools.lnk", "kit"},
        {"a folder part", "D:\\Links\\mail.lnk", "..\\mail"},
        {"a subfolder", "D:\\Links\\mail.lnk", "sub\\mail"},
        {"a slash", "D:\\Links\\mail.lnk", "sub/mail"},
        {"a drive", "D:\\Links\\mail.lnk", "C:mail"},
        {"a trail byte then a backslash", "D:\\Links\\mail.lnk", "ソ\\mail"},
    };
    f.platform.AddFolder("D:\\Links\\sub");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        f.form.PendingRenamePath = c.pending;
        f.form.EnterNamingState();
        f.Edit1.SetText(c.name);
        f.Press(vk::Return);
        EXPECT_EQ(f.window.title, "エラー！変更できませんでした");
        EXPECT_EQ(f.platform.Names("D:\\Links"), (Names{"mail.lnk", "web.lnk", "sub"}));
        EXPECT_FALSE(f.platform.Exists("D:\\mail.lnk"));
        EXPECT_FALSE(f.platform.Exists("D:\\Links\\sub\\mail.lnk"));
        EXPECT_FALSE(f.platform.Exists("C:\\veskor\\mail.lnk"));
        EXPECT_EQ(f.History(), (Names{"web", "Mail", "tools", "mail"}));
        ExpectNamingStateLeft();
    }
}

TEST_F(RenameTest, ADoubleByteNameEndingInA5CByteIsAPlainName)
{
    StartRenaming("web");
    f.Edit1.SetText("ソ");
    f.Press(vk::Return);
    EXPECT_EQ(f.window.title, "web を ソ に変更しました");
    EXPECT_EQ(TargetOf(f.platform, "D:\\Links\\ソ.lnk"), "C:\\Web\\web.exe");
    EXPECT_EQ(f.History().front(), "ソ");
}

TEST_F(RenameTest, AConfirmedNameShowsTheWholeHistoryAfterAFilteredView)
{
    f.Type("we");
    ASSERT_EQ(f.ListItems(), (Names{"web"}));
    StartRenaming("web");
    f.Type("www");
    f.Press(vk::Return);
    EXPECT_EQ(f.ListItems(), (Names{"www", "Mail", "tools", "mail"}));
}

}  // namespace
}  // namespace veskor::test
