#include <gtest/gtest.h>

#include "form/ErrorBox.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

class FolderChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.Seed("D:\\Links", {"mail"});
        f.platform.AddFolder("C:\\ソ");
        f.platform.AddFile("C:\\file", "");
    }

    // The user types the path on the back page and presses Enter.
    void ChangeTo(const std::string& typed)
    {
        f.RightClick();
        f.Edit2.SetText(typed);
        f.Press(vk::Return);
    }

    FormFixture f;
};

TEST_F(FolderChangeTest, TheTypedFolderBecomesTheShortcutFolderCreatedIfMissing)
{
    struct Case {
        std::string typed;
        std::string folder;
    };
    const Case cases[] = {
        {"C:\\work\\", "C:\\work"},
        {"C:\\データ\\", "C:\\データ"},
        {"C:\\表\\", "C:\\表"},
        {"C:\\ソ", "C:\\ソ"},
        {"C:\\double\\\\", "C:\\double\\"},
        {"C:\\", "C:"},
        {"", "C:\\veskor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ChangeTo(c.typed);
        EXPECT_EQ(f.form.ShortcutFolder, c.folder);
        EXPECT_TRUE(f.platform.DirectoryExists(c.folder));
        EXPECT_EQ(f.window.title, c.folder + "に登録フォルダを変更しました");
        EXPECT_TRUE(f.Edit1.Visible());
        EXPECT_EQ(f.Focused(), &f.Edit1);
        EXPECT_TRUE(f.window.errors.empty());
    }
    EXPECT_EQ(f.History(), std::vector<std::string>{"mail"});
}

TEST_F(FolderChangeTest, AFolderThatCannotBeMadeIsReportedAndKeptForCorrection)
{
    f.platform.FailToCreateFolder("C:\\denied");
    for (const std::string path : {"Z:\\missing\\sub", "C:\\denied", "C:\\file"}) {
        SCOPED_TRACE(path);
        f.window.errors.clear();
        ChangeTo(path);
        ASSERT_EQ(f.window.errors.size(), 1u);
        EXPECT_EQ(f.window.errors[0].text, ErrorText(path + "というフォルダは作れません"));
        EXPECT_EQ(f.form.ShortcutFolder, path);
        EXPECT_TRUE(f.Edit2.Visible());
        EXPECT_EQ(f.Edit2.Text(), path);
        EXPECT_FALSE(f.platform.DirectoryExists(path));
        EXPECT_EQ(f.window.title, "登録フォルダのパスを入力");
        f.RightClick();
    }
}

}  // namespace
}  // namespace veskor::test
