#include "search/SearchIndex.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "text/Cp932.h"
#include "support/memory/MemoryPlatform.h"

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

// The entries a search found, as the list shows them.
std::vector<std::string> Found(const History& history, const std::vector<std::uint32_t>& indices)
{
    std::vector<std::string> entries;
    for (const std::uint32_t index : indices)
        entries.push_back(history.Entries().at(index));
    return entries;
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
    history.Load({"Apple", "apricot", "Banana", "", "xa", "bab", "表計算", "ソフト", "AP", "ヂ@", "ァ", "表示", "\\", "сー"});
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
        EXPECT_EQ(Found(history, index.Matches(history, rules, c.typed, c.partial)), c.expected)
            << "typed \"" << c.typed << "\" partial " << c.partial;
    }
}

TEST(SearchIndex, SeesEveryChangeOfTheHistory)
{
    AsciiRules rules;
    std::optional<History> slot(std::in_place, rules);
    slot->Load({"alpha", "beta"});
    SearchIndex index;
    EXPECT_EQ(Found(*slot, index.Matches(*slot, rules, "a", false)), std::vector<std::string>{"alpha"});
    slot->Record("beta", false);  // same size
    EXPECT_EQ(Found(*slot, index.Matches(*slot, rules, "a", false)), std::vector<std::string>{"alpha"});

    // A new history in the old one's place (the program makes one at every first show),
    // of the same size and after as many changes: neither its address nor its count of
    // changes may let the index take it for the old one.
    slot.emplace(rules);
    slot->Load({"beta", "gamma"});
    slot->Record("gamma", false);
    EXPECT_EQ(Found(*slot, index.Matches(*slot, rules, "a", false)), std::vector<std::string>{});

    // Other rules, other lower-case forms.
    struct KeepCase : AsciiRules {
        void LowerCase(std::string&) const override {}
    } keepCase;
    slot->Load({"Alpha"});
    EXPECT_EQ(Found(*slot, index.Matches(*slot, rules, "a", false)), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(Found(*slot, index.Matches(*slot, keepCase, "a", false)), std::vector<std::string>{});
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
        {[&] { history.Load({"Alpha", "beta", "ALPS"}); }, true, {0, 2}},
        {[] {}, true, {0, 2}},
        {[&] { history.AddMissing("Alto"); }, false, {0, 2, 3}},
        {[&] { history.Record("alto", false); }, true, {0, 1, 3}},
        {[&] { history.RemoveFirst("ALPS"); }, false, {0, 1}},
        {[&] { history.Load({"Beta", "salt"}); }, true, {}},
        {[&] { history.Record("al", false); }, false, {0}},
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
            history.Load(entries);
        } else if (round % 3 == 0) {
            history.Record(randomText(6), true);
        }
        const std::string typed = randomText(3);
        for (bool partial : {false, true}) {
            ASSERT_EQ(Found(history, index.Matches(history, rules, typed, partial)),
                      Reference(history.Entries(), rules, typed, partial))
                << "round " << round << " partial " << partial;
        }
    }
}

// The reading search files each entry by the places a match may begin and reads only
// the entries the typed text can begin in: it must find what reading every entry finds,
// and with long vowels typed short only when nothing reads as spelled.
TEST(SearchIndex, ReadingSearchFindsWhatReadingEachEntryFinds)
{
    AsciiRules rules;
    History history(rules);
    SearchIndex index;
    std::mt19937 random(2024);
    const std::vector<std::string> pieces = {"a", "K", "n", "s", " ", "・", "ア", "カ", "ン", "ッ", "ー", "ｻ",
                                             "印", "刷", "新", "聞", "三", "国", "々", "今日",
                                             "ト", "ウ", "オ", "東"};
    const std::string letters = "akinsuto-'";
    auto pick = [&](size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random); };
    for (int round = 0; round < 200; ++round) {
        if (round % 20 == 0) {
            std::vector<std::string> entries;
            for (int i = 0; i < 30; ++i) {
                std::string entry;
                for (size_t length = pick(6); length > 0; --length)
                    entry += pieces[pick(pieces.size())];
                entries.push_back(entry);
            }
            history.Load(entries);
        }
        std::string typed;
        for (size_t length = 1 + pick(5); length > 0; --length)
            typed += letters[pick(letters.size())];
        for (bool partial : {false, true}) {
            std::vector<std::string> asSpelled, shortened;
            ReadingMatcher matcher(Folded(typed));
            ReadingMatcher shortMatcher(Folded(typed), ReadingMatcher::LongVowels::MayBeShort);
            for (const std::string& entry : history.Entries()) {
                std::string lowered = entry;
                rules.LowerCase(lowered);
                if (matcher.Matches(Folded(lowered), partial))
                    asSpelled.push_back(entry);
                if (shortMatcher.Matches(Folded(lowered), partial))
                    shortened.push_back(entry);
            }
            const std::vector<std::string>& expected = asSpelled.empty() ? shortened : asSpelled;
            ASSERT_EQ(Found(history, index.ReadingMatches(history, rules, typed, partial)), expected)
                << "round " << round << " typed " << typed << " partial " << partial;
        }
    }
}

// A long vowel typed short finds names only when no name reads as typed: the names an
// input method's spelling finds never gain company.
TEST(SearchIndex, LongVowelsTypedShortOnlyWhenNothingReadsAsTyped)
{
    MemoryPlatform rules;  // lower-cases CP932 as the system does
    History history(rules);
    history.Load({"東京", "トキョ", "京都タワー", "ショート"});
    SearchIndex index;
    const struct {
        const char* typed;
        bool partial;
        std::vector<std::uint32_t> found;
    } cases[] = {
        {"tokyo", false, {1}}, {"toukyo", false, {0}}, {"kyoto", false, {2}}, {"tawa", true, {2}},
        {"shoto", false, {3}}, {"kyo", true, {0, 1, 2}}, {"kyot", true, {2}}, {"zzz", true, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(index.ReadingMatches(history, rules, c.typed, c.partial), c.found) << c.typed;
}

}  // namespace
}  // namespace veskor
