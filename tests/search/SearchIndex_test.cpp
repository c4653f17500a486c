#include "search/SearchIndex.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace veskor {
namespace {

// ASCII letters only, and a count of the calls, so the cache's work can be seen.
class CountingRules : public TextRules {
public:
    int CompareText(const std::string& a, const std::string& b) const override
    {
        std::string x = a, y = b;
        LowerCase(x);
        LowerCase(y);
        return x.compare(y);
    }
    void LowerCase(std::string& text) const override
    {
        ++calls;
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
    }
    mutable int calls = 0;
};

// The filter as the window first described it: lower-case each entry and look for the
// first occurrence of the lower-cased text.
std::vector<std::string> Reference(const std::vector<std::string>& entries, const TextRules& rules,
                                   const std::string& typed, bool partial)
{
    std::string needle = typed;
    rules.LowerCase(needle);
    std::vector<std::string> out;
    for (const std::string& entry : entries) {
        std::string lowered = entry;
        rules.LowerCase(lowered);
        const size_t at = needle.empty() ? std::string::npos : lowered.find(needle);
        if (at != std::string::npos && (partial || at == 0))
            out.push_back(entry);
    }
    return out;
}

struct Case {
    const char* typed;
    bool partial;
    std::vector<std::string> expected;
};

TEST(SearchIndex, MatchesLikeTheFirstOccurrenceRule)
{
    CountingRules rules;
    HistoryList history(rules);
    history.Assign({"Apple", "apricot", "Banana", "", "xa", "bab", "表計算", "ソフト", "AP"});
    const Case cases[] = {
        {"a", false, {"Apple", "apricot", "AP"}},
        {"AP", false, {"Apple", "apricot", "AP"}},
        {"apr", false, {"apricot"}},
        {"an", false, {}},
        {"an", true, {"Banana"}},
        {"", false, {}},
        {"", true, {}},
        // Entries are searched one by one, never across their joints.
        {"ab", true, {"bab"}},
        {"ex", true, {}},
        {"表計算", false, {"表計算"}},
        // Bytes, not characters: "\" is the second byte of 表 and of ソ.
        {"\\", true, {"表計算", "ソフト"}},
        {"\\", false, {}},
    };
    SearchIndex index;
    for (const Case& c : cases) {
        EXPECT_EQ(index.Filter(history, rules, c.typed, c.partial), c.expected)
            << "typed \"" << c.typed << "\" partial " << c.partial;
    }
}

TEST(SearchIndex, LowerCasesTheHistoryOncePerChange)
{
    CountingRules rules;
    HistoryList history(rules);
    history.Assign({"One", "Two", "Three"});
    SearchIndex index;
    index.Filter(history, rules, "t", false);
    const int afterFirst = rules.calls;
    index.Filter(history, rules, "tw", false);
    index.Filter(history, rules, "h", true);
    EXPECT_EQ(rules.calls - afterFirst, 2);  // only the typed texts

    history.Insert(0, "Tea");
    EXPECT_EQ(index.Filter(history, rules, "t", false), (std::vector<std::string>{"Tea", "Two", "Three"}));
    history.RemoveAt(2);
    EXPECT_EQ(index.Filter(history, rules, "t", false), (std::vector<std::string>{"Tea", "Three"}));
}

TEST(SearchIndex, FollowsAnotherHistory)
{
    CountingRules rules;
    HistoryList first(rules), second(rules);
    first.Assign({"alpha"});
    second.Assign({"alps"});  // same revision and size as `first`
    SearchIndex index;
    EXPECT_EQ(index.Filter(first, rules, "alp", false), std::vector<std::string>{"alpha"});
    EXPECT_EQ(index.Filter(second, rules, "alp", false), std::vector<std::string>{"alps"});
}

// Random histories over an alphabet rich in case pairs, CP932 lead bytes and 0x5C, changed
// between searches: the cached index must agree with the plain rule every time.
TEST(SearchIndex, AgreesWithThePlainRuleOnRandomHistories)
{
    CountingRules rules;
    HistoryList history(rules);
    SearchIndex index;
    std::mt19937 random(12345);
    const std::string alphabet = "aAbB\\\x95\x83 ;";
    auto randomText = [&](int maxLength) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, maxLength)(random);
        for (int i = 0; i < length; ++i)
            text += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        if (round % 10 == 0) {
            std::vector<std::string> entries;
            for (int i = 0; i < 40; ++i)
                entries.push_back(randomText(6));
            history.Assign(entries);
        } else if (round % 3 == 0) {
            history.Insert(0, randomText(6));
        }
        const std::string typed = randomText(3);
        for (bool partial : {false, true}) {
            ASSERT_EQ(index.Filter(history, rules, typed, partial), Reference(history.Entries(), rules, typed, partial))
                << "round " << round << " partial " << partial;
        }
    }
}

}  // namespace
}  // namespace veskor
