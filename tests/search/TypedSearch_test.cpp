#include "search/TypedSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory/MemoryPlatform.h"

namespace veskor {
namespace {

// The user's own characters are those before the selection; the rest of the entry is the tail.
TEST(TypedSearchTest, CompletionKeepsTheUsersCharactersAndSelectsTheRest)
{
    const std::string me = "\x83\x81";  // メ
    const std::string mo = "\x83\x82";  // モ
    const std::string so = "\x83\x5c";  // ソ, its trail byte a "\"
    const struct {
        std::string typed;
        int selectionStart;
        std::string first;
        std::int32_t chars;
        bool replaces;
        std::size_t tailStart;
    } cases[] = {
        {"no", 2, "notepad", 2, true, 2},
        {"notepad", 2, "notepad", 2, false, 0},  // already completed: the user's selection stays
        {so + me, 4, so + me + mo, 2, true, 4},  // characters, not bytes
    };
    for (const auto& c : cases) {
        const Completion completion = CompleteWith(c.typed, c.selectionStart, c.first);
        EXPECT_EQ(completion.typedChars, c.chars) << c.typed;
        EXPECT_EQ(completion.replaces, c.replaces) << c.typed;
        EXPECT_EQ(completion.tailStart, c.tailStart) << c.typed;
    }
}

// Literal matches first; reading and initials matches only when there are none, and marked.
TEST(TypedSearchTest, ReadingAndInitialsMatchesComeOnlyWhenNothingMatchesAsTyped)
{
    MemoryPlatform machine;
    History history(machine);
    history.Load({"memo", "\x83\x81\x83\x82\x92\xa0", "Visual Studio Code", "vs"});  // メモ帳
    SearchIndex index;
    InitialsIndex initials;
    const struct {
        const char* typed;
        bool partial;
        std::vector<std::uint32_t> rows;
        bool byReading;
    } cases[] = {
        {"me", false, {0}, false},
        {"meno", false, {}, false},
        {"memoc", false, {1}, true},
        {"vs", false, {3}, false},
        {"vsc", false, {2}, true},
        {"emo", true, {0}, false},
        {"mocho", true, {1}, true},
    };
    for (const auto& c : cases) {
        const Shown shown = FindShown(index, initials, history, machine, c.typed, c.partial);
        EXPECT_EQ(shown.rows, c.rows) << c.typed;
        EXPECT_EQ(shown.byReading, c.byReading) << c.typed;
    }
}

}  // namespace
}  // namespace veskor
