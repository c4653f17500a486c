#include "history/HistoryEntries.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "text/Error.h"

namespace veskor {
namespace {

HistoryEntries Make(std::vector<std::string> entries)
{
    HistoryEntries list;
    list.Assign(std::move(entries));
    return list;
}

TEST(HistoryEntriesTest, OutOfRangeIndexesRaiseTheListIndexError)
{
    HistoryEntries list = Make({"a", "b"});
    const auto message = [&](auto op) -> std::string {
        try {
            op();
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(message([&] { list.At(2); }), "リストのインデックスが範囲を超えています (2)");
    EXPECT_EQ(message([&] { list.At(-1); }), "リストのインデックスが範囲を超えています (-1)");
    EXPECT_EQ(message([&] { list.RemoveAt(5); }), "リストのインデックスが範囲を超えています (5)");
    EXPECT_EQ(message([&] { list.Insert(3, "x"); }), "リストのインデックスが範囲を超えています (3)");
    list.Insert(2, "c");  // one past the end is an append
    EXPECT_EQ(list.All(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(HistoryEntriesTest, MoveTakesTheEntryOutAndPutsItAtTheTargetWithItsOwnLetterCase)
{
    const struct {
        int from, to;
        std::vector<std::string> after;
    } cases[] = {
        {0, 2, {"b", "c", "Mail", "d"}},
        {3, 1, {"Mail", "d", "b", "c"}},
        {2, 0, {"c", "Mail", "b", "d"}},
        {1, 1, {"Mail", "b", "c", "d"}},
        {7, 7, {"Mail", "b", "c", "d"}},  // the same place is no move, even outside the list
    };
    for (const auto& c : cases) {
        HistoryEntries list = Make({"Mail", "b", "c", "d"});
        list.Move(c.from, c.to);
        EXPECT_EQ(list.All(), c.after) << c.from << " -> " << c.to;
    }
    HistoryEntries list = Make({"Mail", "b"});
    EXPECT_THROW(list.Move(0, 2), Error);
    EXPECT_THROW(list.Move(-1, 0), Error);
    EXPECT_EQ(list.All(), (std::vector<std::string>{"Mail", "b"}));
}

// Every change moves the revision and leaves what was shared as it was; the entries are
// copied only while they are shared. A move to the same place is no change.
TEST(HistoryEntriesTest, EveryChangeMovesTheRevisionAndLeavesSharedEntriesAsTheyWere)
{
    const std::vector<std::string> start{"b", "A", "c"};
    const std::pair<const char*, std::function<void(HistoryEntries&)>> changes[] = {
        {"Append", [](HistoryEntries& h) { h.Append("d"); }},
        {"Insert", [](HistoryEntries& h) { h.Insert(0, "d"); }},
        {"RemoveAt", [](HistoryEntries& h) { h.RemoveAt(1); }},
        {"Move", [](HistoryEntries& h) { h.Move(2, 0); }},
        {"Assign", [](HistoryEntries& h) { h.Assign({"x"}); }},
        {"Sort", [](HistoryEntries& h) { h.Sort(std::less<std::string>()); }},
    };
    for (const auto& [name, change] : changes) {
        HistoryEntries list = Make(start);
        const std::uint64_t before = list.Revision();
        const HistoryEntries::Snapshot shared = list.Share();
        change(list);
        EXPECT_EQ(*shared, start) << name;
        EXPECT_NE(list.All(), start) << name;
        EXPECT_NE(list.Revision(), before) << name;
    }
    HistoryEntries alone = Make(start);
    const std::uint64_t before = alone.Revision();
    alone.Move(1, 1);
    EXPECT_EQ(alone.Revision(), before);
    const void* storage = alone.Share().get();
    alone.Append("d");
    EXPECT_EQ(alone.Share().get(), storage);
    EXPECT_NE(Make(start).Revision(), alone.Revision());
}

}  // namespace
}  // namespace veskor
