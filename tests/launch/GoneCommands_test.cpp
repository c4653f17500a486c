#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Names = std::vector<std::string>;

// Ctrl+Shift+Delete in Edit1 or the list, after one idle slice of checks: the entries
// judged gone leave the history and nothing else; what is not checked yet stays.
TEST(GoneCommandsTest, CtrlShiftDeleteRemovesTheEntriesJudgedGoneFromTheHistoryOnly)
{
    for (const bool inList : {false, true}) {
        FormFixture f;
        // Eight entries a slice: "late" (the ninth other one, out of view) is not checked yet.
        Names entries{"ok", "nolink", "ok", "notarget", "NOLINK", "a;b", "", "ok2", "ok3", "late"};
        f.Seed("C:\\links", entries);
        f.platform.AddFile("C:\\app\\ok.exe", "");
        f.AddShortcut("ok", "C:\\app\\ok.exe");
        f.AddShortcut("ok2", "C:\\app\\ok.exe");
        f.AddShortcut("ok3", "C:\\app\\ok.exe");
        f.AddShortcut("notarget", "C:\\app\\removed.exe");
        f.ListBox1.rowsInView = 2;
        f.Edit1.SetText("no");

        EXPECT_TRUE(f.form.CheckLinksWhileIdle());
        EXPECT_EQ(f.ListBox1.changedRows, (std::vector<std::pair<int, int>>{{0, 2}}));  // "nolink" greyed
        EXPECT_STREQ(f.ListBox1.Unavailable(1), "ショートカットがありません");
        EXPECT_STREQ(f.ListBox1.Unavailable(3), "リンク先がありません");
        EXPECT_EQ(f.ListBox1.Unavailable(0), nullptr);
        EXPECT_EQ(f.ListBox1.Unavailable(9), nullptr);

        if (inList)
            f.ListBox1.SetFocus();
        f.KeyDown(KeyEvent{vk::Delete, true, true, false});
        EXPECT_EQ(f.window.title, "履歴から 3 件を削除しました (リンク先なし)") << inList;
        const Names kept{"ok", "ok", "a;b", "", "ok2", "ok3", "late"};
        EXPECT_EQ(f.History(), kept) << inList;
        EXPECT_EQ(f.ListItems(), kept) << inList;
        EXPECT_EQ(f.Edit1.Text(), "") << inList;
        EXPECT_TRUE(f.platform.Exists(f.ShortcutPath("notarget"))) << inList;  // no file deleted
        EXPECT_TRUE(f.window.errors.empty()) << inList;
    }
}

}  // namespace
}  // namespace veskor::test
