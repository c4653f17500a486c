#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "support/FormFixture.h"
#include "support/GoneMailbox.h"

namespace veskor::test {
namespace {

using Names = std::vector<std::string>;

// The form with a worker that judges on the fixture's machine.
struct GoneFixture : FormFixture {
    GoneFixture() { form.UseGoneWorker(mailbox.Worker(Lent(platform))); }

    // The checks to their end, as the window's loop runs them: the form asks whenever
    // nothing waits, and each batch is handed over as it comes. Returns how many came.
    int CheckAll()
    {
        int batches = 0;
        for (; form.AskAboutLinks(); ++batches) {
            const std::unique_ptr<GoneBatch> batch = mailbox.Next();
            Run([&] { form.GoneAnswered(*batch); });
        }
        return batches;
    }

    GoneMailbox mailbox;
};

// Ctrl+Shift+Delete in Edit1 or the list: the entries judged gone leave the history and
// nothing else.
TEST(GoneCommandsTest, CtrlShiftDeleteRemovesTheEntriesJudgedGoneFromTheHistoryOnly)
{
    for (const bool inList : {false, true}) {
        GoneFixture f;
        Names entries{"ok", "nolink", "ok", "notarget", "NOLINK", "a;b", "", "ok2"};
        f.Seed("C:\\links", entries);
        f.platform.AddFile("C:\\app\\ok.exe", "");
        f.AddShortcut("ok", "C:\\app\\ok.exe");
        f.AddShortcut("ok2", "C:\\app\\ok.exe");
        f.AddShortcut("notarget", "C:\\app\\removed.exe");
        f.ListBox1.rowsInView = 2;
        f.Edit1.SetText("no");

        f.CheckAll();
        EXPECT_EQ(f.ListBox1.changedRows, (std::vector<std::pair<int, int>>{{0, 2}})) << inList;  // "nolink" greyed
        EXPECT_STREQ(f.ListBox1.Unavailable(1), "ショートカットがありません");
        EXPECT_STREQ(f.ListBox1.Unavailable(3), "リンク先がありません");
        EXPECT_EQ(f.ListBox1.Unavailable(0), nullptr);

        if (inList)
            f.ListBox1.SetFocus();
        f.KeyDown(KeyEvent{vk::Delete, true, true, false});
        EXPECT_EQ(f.window.title, "履歴から 3 件を削除しました (リンク先なし)") << inList;
        const Names kept{"ok", "ok", "a;b", "", "ok2"};
        EXPECT_EQ(f.History(), kept) << inList;
        EXPECT_EQ(f.ListItems(), kept) << inList;
        EXPECT_EQ(f.Edit1.Text(), "") << inList;
        EXPECT_TRUE(f.platform.Exists(f.ShortcutPath("notarget"))) << inList;  // no file deleted
        EXPECT_TRUE(f.window.errors.empty()) << inList;
    }
}

// The answers come in batches, each applied as it comes, until every entry is answered.
TEST(GoneCommandsTest, AnswersComeInBatchesEachAppliedAsItComes)
{
    GoneFixture f;
    Names entries;
    for (int i = 0; i < 300; ++i)
        entries.push_back(std::string("e").append(std::to_string(i)));  // no shortcuts: every one gone
    f.Seed("C:\\links", entries);
    EXPECT_GE(f.CheckAll(), 10);  // 32 answers a batch at most
    for (int row : {0, 100, 299})
        EXPECT_STREQ(f.ListBox1.Unavailable(row), "ショートカットがありません") << row;
    EXPECT_FALSE(f.form.AskAboutLinks());  // nothing left to ask
}

// The window never waits for a check: with one hanging, the close saves and the form
// goes at once.
TEST(GoneCommandsTest, TheFormClosesWhileACheckHangs)
{
    const auto machine = std::make_shared<HoldingPlatform>();
    machine->AddFolder("C:\\links");
    machine->Hold("C:\\links\\hangs.lnk");
    GoneMailbox mailbox;
    auto closed = std::async(std::launch::async, [&] {
        GoneFixture f;
        f.form.UseGoneWorker(mailbox.Worker(machine));
        f.Seed("C:\\links", {"hangs", "next"});
        EXPECT_TRUE(f.form.AskAboutLinks());
        machine->WaitUntilHeld();
        f.Type("n");
        f.ListBox1.top = 1;
        EXPECT_TRUE(f.form.AskAboutLinks());  // other rows in view: asked for first, not waited for
        f.CloseBox();
        EXPECT_EQ(f.window.endProgramCount, 1);
        return f.platform.ReadWholeFile(TForm1::DataFilePathIn(f.platform));
    });
    const bool done = closed.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    machine->Release();
    ASSERT_TRUE(done) << "the close waited for the check";
    EXPECT_NE(closed.get().find("hangs"), std::string::npos);
}

}  // namespace
}  // namespace veskor::test
