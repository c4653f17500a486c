#include "search/SearchIndex.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/Cp932.h"

namespace veskor {
namespace {

// ASCII letters only: the index must not care what the rules are.
class AsciiRules : public TextRules {
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
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
    }
};

// The rule itself, entry by entry: lower-case each entry and look for the lower-cased
// text at each of its character boundaries.
std::vector<std::string> Reference(const std::vector<std::string>& entries, const TextRules& rules,
                                   const std::string& typed, bool partial)
{
    std::string needle = typed;
    rules.LowerCase(needle);
    std::vector<std::string> out;
    for (const std::string& entry : entries) {
        std::string lowered = entry;
        rules.LowerCase(lowered);
        bool found = false;
        for (size_t at = 0; !needle.empty() && !found && at < lowered.size() && (partial || at == 0);
             at += CharLength(lowered, at))
            found = lowered.compare(at, needle.size(), needle) == 0;
        if (found)
            out.push_back(entry);
    }
    return out;
}

struct Case {
    const char* typed;
    bool partial;
    std::vector<std::string> expected;
};

TEST(SearchIndex, MatchesWholeEntriesByteForByte)
{
    AsciiRules rules;
    History history(rules);
    history.Assign({"Apple", "apricot", "Banana", "", "xa", "bab", "表計算", "ソフト", "AP", "ヂ@", "ァ", "表示", "\\", "сー"});
    const Case cases[] = {
        {"AP", false, {"Apple", "apricot", "AP"}},
        {"an", false, {}},
        {"an", true, {"Banana"}},
        {"", true, {}},
        // Entries are searched one by one, never across their joints.
        {"ab", true, {"bab"}},
        {"ex", true, {}},
        {"表計算", false, {"表計算"}},
        // A match starts on a character, never on its second byte: "\" is the second
        // byte of 表 and of ソ, "a" of ヂ, "@" of ァ.
        {"\\", true, {"\\"}},
        {"\\", false, {"\\"}},
        {"a", true, {"Apple", "apricot", "Banana", "xa", "bab", "AP"}},
        {"@", true, {"ヂ@"}},
        {"示", true, {"表示"}},
        // The Cyrillic с's second byte and ー's first are メ.
        {"メ", true, {}},
    };
    SearchIndex index;
    for (const Case& c : cases) {
        EXPECT_EQ(index.Filter(history, rules, c.typed, c.partial), c.expected)
            << "typed \"" << c.typed << "\" partial " << c.partial;
    }
}

TEST(SearchIndex, SeesEveryChangeOfTheHistory)
{
    AsciiRules rules;
    std::optional<History> slot(std::in_place, rules);
    slot->Assign({"alpha", "beta"});
    SearchIndex index;
    EXPECT_EQ(index.Filter(*slot, rules, "a", false), std::vector<std::string>{"alpha"});
    slot->Move(0, 1);  // same size
    EXPECT_EQ(index.Filter(*slot, rules, "a", false), std::vector<std::string>{"alpha"});

    // A new history in the old one's place (the program makes one at every first show),
    // of the same size and after as many changes: neither its address nor its count of
    // changes may let the index take it for the old one.
    slot.emplace(rules);
    slot->Assign({"beta", "gamma"});
    slot->Move(0, 1);
    EXPECT_EQ(index.Filter(*slot, rules, "a", false), std::vector<std::string>{});

    // Other rules, other lower-case forms.
    struct KeepCase : AsciiRules {
        void LowerCase(std::string&) const override {}
    } keepCase;
    slot->Assign({"Alpha"});
    EXPECT_EQ(index.Filter(*slot, rules, "a", false), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(index.Filter(*slot, keepCase, "a", false), std::vector<std::string>{});
}

// The window prepares the index when it is idle, so that the first key over a long history
// need not wait (its speed is the benchmarks' business). Prepared since the last change or
// not, a key finds the history as it is now.
TEST(SearchIndex, AKeyFindsTheHistoryAsItIsWhetherPreparedOrNot)
{
    AsciiRules rules;
    History history(rules);
    SearchIndex index;
    const struct {
        std::function<void()> change;
        bool prepared;
        std::vector<std::uint32_t> matchesOfAl;
    } steps[] = {
        {[&] { history.Assign({"Alpha", "beta", "ALPS"}); }, true, {0, 2}},
        {[] {}, true, {0, 2}},
        {[&] { history.Append("Alto"); }, false, {0, 2, 3}},
        {[&] { history.Move(3, 0); }, true, {0, 1, 3}},
        {[&] { history.RemoveFirst("ALPS"); }, false, {0, 1}},
        {[&] { history.Assign({"Beta", "salt"}); }, true, {}},
        {[&] { history.Insert(0, "al"); }, false, {0}},
    };
    for (size_t step = 0; step < std::size(steps); ++step) {
        steps[step].change();
        if (steps[step].prepared)
            index.Prepare(history, rules);
        EXPECT_EQ(index.Matches(history, rules, "al", false), steps[step].matchesOfAl) << "step " << step;
    }
}

// Random histories over an alphabet rich in case pairs, CP932 lead bytes and 0x5C, changed
// between searches: the cached index must agree with the plain rule every time.
TEST(SearchIndex, AgreesWithThePlainRuleOnRandomHistories)
{
    AsciiRules rules;
    History history(rules);
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
