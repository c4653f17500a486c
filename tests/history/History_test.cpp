#include "history/History.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "text/Error.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {
namespace {

class HistoryListTest : public ::testing::Test {
protected:
    History Make(std::vector<std::string> entries)
    {
        History list(rules);
        list.Load(std::move(entries));
        return list;
    }
    MemoryPlatform rules;
};

TEST_F(HistoryListTest, FindIgnoresLetterCaseAndReturnsTheUpperOfEqualEntries)
{
    History list = Make({"x", "Mail", "", "MAIL", "Ａｂ"});
    EXPECT_EQ(list.Find("mail"), 1);
    EXPECT_EQ(list.Find(""), 2);
    EXPECT_EQ(list.Find("ａＢ"), 4);  // full-width letters have a case too
    EXPECT_EQ(list.Find("Ab"), -1);   // but are not the half-width ones
    EXPECT_EQ(list.Find("nothing"), -1);
}

TEST_F(HistoryListTest, RecordingMovesTheStoredEntryOrInsertsAgainForSeveralSelected)
{
    History list = Make({"a", "b", "c", "Mail", "d"});
    EXPECT_FALSE(list.Record("mail", false));
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Mail", "a", "b", "c", "d"}));
    EXPECT_FALSE(list.Record("MAIL", false));  // already on top: nothing changes
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Mail", "a", "b", "c", "d"}));
    EXPECT_TRUE(list.Record("c", true));
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"c", "Mail", "a", "b", "c", "d"}));
    EXPECT_TRUE(list.Record("new", false));
    EXPECT_EQ(list.At(0), "new");
}

TEST_F(HistoryListTest, SortIgnoresLetterCaseAndKeepsEveryEntry)
{
    History list = Make({"b", "A", "c", "a", ""});
    list.Sort();
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.At(0), "");
    EXPECT_EQ(rules.CompareText(list.At(1), "a"), 0);
    EXPECT_EQ(rules.CompareText(list.At(2), "a"), 0);
    EXPECT_EQ(list.At(3), "b");
    EXPECT_EQ(list.At(4), "c");
}

TEST_F(HistoryListTest, EveryChangeMovesTheRevisionSoCachedViewsAreRebuilt)
{
    History list = Make({"a", "b"});
    std::uint64_t seen = list.Revision();
    const auto changed = [&] {
        const bool moved = list.Revision() != seen;
        seen = list.Revision();
        return moved;
    };
    list.Record("b", false);
    EXPECT_TRUE(changed());
    list.Record("B", false);  // already on top
    EXPECT_FALSE(changed());
    list.RemoveFirst("b");
    EXPECT_TRUE(changed());
    list.Rename("a", "c");
    EXPECT_TRUE(changed());
    list.AddMissing("d");
    EXPECT_TRUE(changed());
    list.Sort();
    EXPECT_TRUE(changed());
    list.ChangeFolder("D:\\Other");
    EXPECT_FALSE(changed());
    list.Clear();
    EXPECT_TRUE(changed());
    list.Load({"x"});
    EXPECT_TRUE(changed());
    EXPECT_NE(Make({"x"}).Revision(), list.Revision());
}

// Each change replays by its meaning on a history that another copy changed meanwhile
// (here: recorded x, removed tools, moved b up): found again by Find, case ignored.
TEST_F(HistoryListTest, ChangesReplayByTheirMeaningOnAnotherCopysHistory)
{
    using Names = std::vector<std::string>;
    const struct {
        const char* what;
        std::function<void(History&)> change;
        Names after;
    } cases[] = {
        {"a recording moves the first match up", [](History& h) { h.Record("mail", false); },
         {"Mail", "x", "b", "a"}},
        {"a recording of a text absent there inserts it", [](History& h) { h.Record("tools", false); },
         {"tools", "x", "b", "a", "Mail"}},
        {"a recording of a multi-selection inserts again", [](History& h) { h.Record("a", true); },
         {"a", "x", "b", "a", "Mail"}},
        {"a delete removes the first match", [](History& h) { h.RemoveFirst("MAIL"); }, {"x", "b", "a"}},
        {"a delete of an entry already gone changes nothing", [](History& h) { h.RemoveFirst("tools"); },
         {"x", "b", "a", "Mail"}},
        {"a rename removes the old name and puts the new on top", [](History& h) { h.Rename("a", "c"); },
         {"c", "x", "b", "Mail"}},
        {"an auto-register appends only what is missing there",
         [](History& h) {
             h.AddMissing("X");
             h.AddMissing("y");
         },
         {"x", "b", "a", "Mail", "y"}},
        {"a clear clears what is there", [](History& h) { h.Clear(); }, {}},
        {"a folder change leaves the entries", [](History& h) { h.ChangeFolder("D:\\Other"); },
         {"x", "b", "a", "Mail"}},
        {"a sort sorts what is there", [](History& h) { h.Sort(); }, {"a", "b", "Mail", "x"}},
        {"a purge removes every equal entry there", [](History& h) { h.RemoveEach({"mail", "A", "tools"}); },
         {"x", "b"}},
        {"changes replay in their order",
         [](History& h) {
             h.Record("b", false);
             h.Sort();
             h.Record("mail", false);
         },
         {"Mail", "a", "b", "x"}},
    };
    for (const auto& c : cases) {
        History ours = Make({"a", "Mail", "b", "tools"});
        c.change(ours);
        History theirs = Make({"x", "b", "a", "Mail"});
        theirs.Replay(ours.Changes());
        EXPECT_EQ(theirs.Entries(), c.after) << c.what;
        EXPECT_EQ(theirs.ChangedFolder(), ours.ChangedFolder()) << c.what;
        ours.ForgetChanges();
        EXPECT_TRUE(ours.Changes().empty()) << c.what;
    }
}

}  // namespace
}  // namespace veskor

namespace veskor {
namespace {

// The history list box shows shared entries: a change of the history leaves what was
// shared as it was.
TEST_F(HistoryListTest, SharedEntriesStayAsTheyWereThroughEveryChange)
{
    const std::vector<std::string> start{"b", "A", "c"};
    const std::pair<const char*, std::function<void(History&)>> changes[] = {
        {"Clear", [](History& h) { h.Clear(); }},
        {"Sort", [](History& h) { h.Sort(); }},
        {"Load", [](History& h) { h.Load({"x"}); }},
        {"Record", [](History& h) { h.Record("c", false); }},
        {"RemoveFirst", [](History& h) { h.RemoveFirst("a"); }},
        {"Rename", [](History& h) { h.Rename("c", "d"); }},
        {"AddMissing", [](History& h) { h.AddMissing("d"); }},
    };
    for (const auto& [name, change] : changes) {
        History list = Make(start);
        const History::Snapshot shared = list.Share();
        change(list);
        EXPECT_EQ(*shared, start) << name;
        EXPECT_NE(list.Entries(), start) << name;
    }
}

}  // namespace
}  // namespace veskor
