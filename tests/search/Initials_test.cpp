#include "search/Initials.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory/MemoryPlatform.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

using Items = std::vector<std::string>;

TEST(InitialsTest, TypedLettersMatchARunOfWordInitials)
{
    MemoryPlatform rules;
    History history(rules);
    history.Load({"Visual Studio Code", "Google Chrome", "Windows Media Player", "VSCode", "PowerToys",
                    "7-Zip File_manager.v2(x64)", "Adobe Reader 2024", "ABC", "表計算 Sheet", "ﾄsub", "g", "c"});
    struct Case {
        const char* typed;
        Items expected;
    };
    const Case cases[] = {
        {"vsc", {"Visual Studio Code", "VSCode"}},  // spaces and capitals both begin words
        {"VSC", {"Visual Studio Code", "VSCode"}},  // case ignored
        {"gc", {"Google Chrome"}},
        {"mp", {"Windows Media Player"}},  // from any word on
        {"wp", {}},                         // the words follow each other
        {"pt", {"PowerToys"}},
        {"7zfmv2x", {"7-Zip File_manager.v2(x64)"}},  // "-", "_", "." and "(" end words
        {"v2x6", {"7-Zip File_manager.v2(x64)"}},    // a digit run is a word, its later digits not
        {"ar2", {"Adobe Reader 2024"}},
        {"ar20", {}},
        {"abc", {"ABC"}},
        {"s", {"Visual Studio Code", "VSCode", "表計算 Sheet"}},  // history order; kanji begin no typed word
        {"cg", {}},   // never across two entries
        {"v s", {}},  // only letters and digits are typed initials
        {"", {}},
        {"su", {}},  // a half-width kana's byte is no separator
    };
    InitialsIndex index;
    for (const Case& c : cases) {
        Items found;
        for (std::uint32_t i : index.Matches(history, c.typed))
            found.push_back(history.At(static_cast<int>(i)));
        EXPECT_EQ(found, c.expected) << c.typed;
    }
    history.AddMissing("Visual Studio");  // a change of the history is seen
    EXPECT_EQ(index.Matches(history, "vs").size(), 3u);
}

// The initials are the last resort: a literal or reading match wins, and they never complete.
TEST(InitialsTest, OnlyWhenNeitherTheTextNorItsReadingMatches)
{
    struct Case {
        const char* typed;
        Items expected;
        const char* field;
    };
    const Case cases[] = {
        {"me", {"Memo"}, "Memo"},
        {"mem", {"Memo"}, "Memo"},
        {"memo", {"Memo"}, "Memo"},
        {"wmp", {"Windows Media Player"}, "Wmp"},
        {"pe", {"ペイント"}, "Pe"},  // the reading, not "Paint Editor"
    };
    for (const Case& c : cases) {
        FormFixture f;
        f.Seed("C:\\links", {"Windows Media Player", "ペイント", "Memo", "Paint Editor"});
        f.Type(c.typed);
        EXPECT_EQ(f.ListItems(), c.expected) << c.typed;
        EXPECT_EQ(f.Edit1.Text(), c.field) << c.typed;
    }
}

}  // namespace
}  // namespace veskor::test
