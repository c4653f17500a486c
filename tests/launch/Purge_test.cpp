#include "launch/Purge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/GoneWorker.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {
namespace {

using Names = std::vector<std::string>;
const std::string Folder = "C:\\links";

struct PurgeTest : ::testing::Test {
    void SetUp() override
    {
        machine.AddFolder(Folder);
        machine.AddFile("C:\\app.exe", "");
    }
    void Present(const std::string& name)
    {
        LinkRecord link;
        link.target = "C:\\app.exe";
        machine.AddLink(Folder + "\\" + name + ".lnk", link);
    }
    // Every entry judged and answered as the worker answers, in one batch.
    void CheckAll()
    {
        auto question = checks.Next(Folder, history, {}, 100);
        ASSERT_TRUE(question && question->list);
        GoneBatch batch{1, Folder, {}, true};
        for (const std::string& entry : question->entries)
            batch.answers.emplace_back(GoneChecks::KeyOf(entry), JudgeGone(machine, Folder, entry));
        checks.Asked(1);
        checks.Apply(Folder, batch, {});
    }

    MemoryPlatform machine;
    History history{machine};
    GoneChecks checks;
};

// Every copy of an entry judged gone goes; what is not checked yet, or not gone, stays.
TEST_F(PurgeTest, RemovesEveryEntryJudgedGone)
{
    Present("here");
    history.Load({"gone", "here", "GONE", "gone", "a;b"});
    CheckAll();
    history.Record("late", false);  // not checked yet: stays, though its shortcut is missing
    EXPECT_EQ(RemoveGoneEntries(history, checks, machine, Folder), 3);
    EXPECT_EQ(history.Entries(), (Names{"late", "here", "a;b"}));
}

// A shortcut put back since the check stays, and is asked again by the next check.
TEST_F(PurgeTest, JudgesEachEntryAgainBeforeItGoes)
{
    history.Load({"back", "gone"});
    CheckAll();
    Present("back");
    EXPECT_EQ(RemoveGoneEntries(history, checks, machine, Folder), 1);
    EXPECT_EQ(history.Entries(), (Names{"back"}));
    EXPECT_EQ(checks.Known(Folder, "back"), std::nullopt);
}

// Nothing to remove leaves no change for another window's save to replay.
TEST_F(PurgeTest, NothingGoneLogsNoChange)
{
    history.Load({"a", "b"});
    EXPECT_EQ(RemoveGoneEntries(history, checks, machine, Folder), 0);  // nothing checked yet
    CheckAll();
    Present("a");
    Present("b");
    EXPECT_EQ(RemoveGoneEntries(history, checks, machine, Folder), 0);  // both put back
    EXPECT_EQ(history.Entries(), (Names{"a", "b"}));
    EXPECT_TRUE(history.Changes().empty());
}

}  // namespace
}  // namespace veskor
