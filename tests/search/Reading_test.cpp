#include <gtest/gtest.h>

#include <string>

#include "search/Folding.h"
#include "search/Reading.h"

namespace veskor {
namespace {

// Whether what was typed reads an entry, from its start and from anywhere in it.
struct ReadingRow {
    const char* typed;
    const char* entry;
    bool prefix;
    bool partial;
};

const ReadingRow Rows[] = {
    // Letter case, width, kana type; a voiced mark joins the kana before it.
    {"ＭＥＭＯ", "memo pad", true, true}, {"ﾒﾓ", "めも", true, true}, {"ダイアリー", "ﾀﾞｲｱﾘｰ", true, true},
    {"ﾊﾟｿｺﾝ", "パソコン", true, true}, {"ﾊｿｺﾝ", "パソコン", false, false}, {"ｳﾞｧ", "ヴァ", true, true},
    {"ゞ", "ヽﾞ", true, true}, {"Bob’s “X”", "bob's \"x\"", true, true}, {"卓", "電卓", false, true},
    // Romaji: Hepburn and the input methods' spellings.
    {"memo", "メモ帳", true, true}, {"peinto", "ﾍﾟｲﾝﾄ", true, true}, {"si", "シ", true, true},
    {"ti", "チ", true, true}, {"tu", "ツ", true, true}, {"hu", "フ", true, true}, {"zi", "ジ", true, true},
    {"ji", "ヂ", true, true}, {"zu", "ヅ", true, true}, {"wo", "ヲ", true, true}, {"jya", "ジャ", true, true},
    {"zya", "ジャ", true, true}, {"sya", "シャ", true, true}, {"cya", "チャ", true, true},
    {"kilyo", "キョ", true, true}, {"huxairu", "ファイル", true, true}, {"windo-", "ウィンドー", true, true},
    {"vaiorin", "ヴァイオリン", true, true}, {"thi", "ティ", true, true},
    // ん: nn, n', xn, and a lone n before a consonant, never before a vowel or y.
    {"konnichiha", "こんにちは", true, true}, {"kon'nichiha", "こんにちは", true, true},
    {"kaxntan", "カンタン", true, true}, {"kani", "カンイ", false, false}, {"sanyo", "サンヨウ", false, false},
    {"sannyo", "サンヨウ", true, true},
    // っ: a doubled consonant (っち also "tch"), or x/l + tu/tsu.
    {"kitte", "キッテ", true, true}, {"matcha", "マッチャ", true, true}, {"maltsucha", "マッチャ", true, true},
    {"kite", "キッテ", false, false}, {"mannu", "マッヌ", false, false},
    // ー is "-" only: long vowels are not guessed.
    {"ko-hi-", "コーヒー", true, true}, {"kouhii", "コーヒー", false, false},
    // A syllable left unfinished matches every kana it can begin.
    {"ky", "キョウ", true, true}, {"ts", "ツール", true, true}, {"mat", "マッチャ", true, true},
    {"x", "メモ", false, false},
    // Mixed, partial, and what is never read.
    {"memo帳", "メモ帳", true, true}, {"ぺいんとshop", "ペイントShop", true, true}, {"amemo", "aメモ", true, true},
    {"shop", "ペイントShop", false, true}, {"into", "ペイント", false, true},
    {"dentaku", "電卓", false, false}, {"めも", "memo", false, false}, {"", "メモ", false, false},
};

// As the search index asks: a partial search first looks at the entry's summary.
bool Reads(const char* typed, const char* entry, bool partial)
{
    ReadingMatcher matcher(Folded(typed));
    const FoldedText folded = Folded(entry);
    return (!partial || matcher.MayHold(ReadingMatcher::Summarize(folded))) && matcher.Matches(folded, partial);
}

TEST(ReadingTest, TypedTextReadsEntriesByFoldingAndRomaji)
{
    for (const ReadingRow& row : Rows) {
        SCOPED_TRACE(std::string(row.typed) + " / " + row.entry);
        EXPECT_EQ(Reads(row.typed, row.entry, false), row.prefix);
        EXPECT_EQ(Reads(row.typed, row.entry, true), row.partial);
        // Each key narrows: whatever a text matches, every text it began as matched too.
        const std::string typed = row.typed;
        for (size_t length = 1; row.prefix && length < typed.size(); ++length) {
            const std::string begun = typed.substr(0, length);
            if (Folded(begun).size() < Folded(typed.substr(0, length + 1)).size()) {
                EXPECT_TRUE(Reads(begun.c_str(), row.entry, false)) << begun;
            }
        }
    }
}

// Ambiguous spellings are tried once each: "n" reads ん alone or as half of "nn", which
// without memory doubles the work with every ん (this would not finish).
TEST(ReadingTest, AmbiguousSpellingsStayLinear)
{
    std::string entry;
    for (int i = 0; i < 120; ++i)
        entry += "ン";
    EXPECT_FALSE(Reads((std::string(120, 'n') + "i").c_str(), (entry + "ア").c_str(), true));
}

}  // namespace
}  // namespace veskor
