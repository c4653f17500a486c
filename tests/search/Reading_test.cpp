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
    // Letter case and width.
    {"ＭＥＭＯ", "memo pad", true, true},
    {"Memo", "ｍｅｍｏ帳", true, true},
    {"a　b", "A B", true, true},
    {"ﾒﾓ", "めも", true, true},
    {"めも", "メモ帳", true, true},
    {"ダイアリー", "ﾀﾞｲｱﾘｰ", true, true},
    {"ﾊﾟｿｺﾝ", "パソコン", true, true},
    {"ﾊｿｺﾝ", "パソコン", false, false},
    {"ﾊﾞ", "パ", false, false},
    {"ｳﾞｧ", "ヴァイオリン", true, true},
    {"ﾂﾞ", "ヅ", true, true},
    {"ｯﾞ", "ッ゛", true, true},  // a mark no kana takes stays a mark
    {"カﾞ", "ガ", true, true},
    {"ゞ", "ヽﾞ", true, true},
    {"Bob’s “X”", "bob's \"x\"", true, true},
    {"電", "電卓", true, true},
    {"卓", "電卓", false, true},
    // Romaji, Hepburn and the input methods' spellings.
    {"memo", "メモ帳", true, true},
    {"memo", "ﾒﾓ", true, true},
    {"peinto", "ペイント", true, true},
    {"peinto", "ﾍﾟｲﾝﾄ", true, true},
    {"PEINTO", "ぺいんと", true, true},
    {"shi", "シ", true, true},
    {"si", "シ", true, true},
    {"ci", "シ", true, true},
    {"chi", "チ", true, true},
    {"ti", "チ", true, true},
    {"tsu", "ツ", true, true},
    {"tu", "ツ", true, true},
    {"fu", "フ", true, true},
    {"hu", "フ", true, true},
    {"ji", "ジ", true, true},
    {"zi", "ジ", true, true},
    {"ji", "ヂ", true, true},
    {"zu", "ズ", true, true},
    {"zu", "ヅ", true, true},
    {"du", "ヅ", true, true},
    {"wo", "ヲ", true, true},
    {"ja", "ジャ", true, true},
    {"jya", "ジャ", true, true},
    {"zya", "ジャ", true, true},
    {"sha", "シャ", true, true},
    {"sya", "シャ", true, true},
    {"cha", "チャ", true, true},
    {"tya", "チャ", true, true},
    {"cya", "チャ", true, true},
    {"kyo", "キョウ", true, true},
    {"kixyo", "キョウ", true, true},
    {"kilyo", "キョウ", true, true},
    {"she-ru", "シェール", true, true},
    {"fairu", "ファイル", true, true},
    {"huxairu", "ファイル", true, true},
    {"windo-", "ウィンドー", true, true},
    {"uxindo-", "ウィンドー", true, true},
    {"vaiorin", "ヴァイオリン", true, true},
    {"thi", "ティ", true, true},
    {"dhi", "ディ", true, true},
    {"ye", "イェ", true, true},
    {"xa", "ァ", true, true},
    {"la", "ァ", true, true},
    {"xke", "ヶ", true, true},
    // ん: nn, n', xn, and a lone n before a consonant, never before a vowel or y.
    {"konnichiha", "こんにちは", true, true},
    {"konnnichiha", "こんにちは", true, true},
    {"kon'nichiha", "こんにちは", true, true},
    {"kantan", "カンタン", true, true},
    {"kaxntan", "カンタン", true, true},
    {"kani", "カニ", true, true},
    {"kani", "カンイ", false, false},
    {"kanni", "カンイ", true, true},
    {"kan'i", "カンイ", true, true},
    {"sanyo", "サンヨウ", false, false},
    {"sannyo", "サンヨウ", true, true},
    {"onna", "オンナ", true, true},
    // っ: a doubled consonant (っち also "tch"), or xtu, ltu, xtsu, ltsu.
    {"kitte", "キッテ", true, true},
    {"kite", "キッテ", false, false},
    {"makku", "マック", true, true},
    {"maccha", "マッチャ", true, true},
    {"matcha", "マッチャ", true, true},
    {"maxtucha", "マッチャ", true, true},
    {"maltsucha", "マッチャ", true, true},
    {"mannu", "マッヌ", false, false},
    // ー is "-" only: long vowels are not guessed.
    {"ko-hi-", "コーヒー", true, true},
    {"kouhii", "コーヒー", false, false},
    {"ko-hi-", "コウヒイ", false, false},
    {"note", "ノート", false, false},
    // A syllable left unfinished matches every kana it can begin.
    {"k", "カメラ", true, true},
    {"ky", "キョウ", true, true},
    {"ts", "ツール", true, true},
    {"ch", "チーズ", true, true},
    {"q", "クイック", true, true},
    {"mak", "マック", true, true},
    {"mat", "マッチャ", true, true},
    {"kan", "カンタン", true, true},
    {"x", "メモ", false, false},
    // Mixed: kana typed as kana, letters as letters, romaji beside them.
    {"memo帳", "メモ帳", true, true},
    {"めmo", "メモ", true, true},
    {"ぺいんとshop", "ペイントShop", true, true},
    {"shop", "ペイントShop", false, true},
    // Partial: from any character of the entry.
    {"into", "ペイント", false, true},
    {"mo", "メモ帳", false, true},
    {"chou", "メモ帳", false, false},  // kanji are not read
    {"dentaku", "電卓", false, false},
    {"vscode", "ヴイエスコード", false, false},
    {"めも", "memo", false, false},  // kana do not read letters
    {"", "メモ", false, false},
};

bool Reads(const char* typed, const char* entry, bool partial)
{
    return ReadingMatcher(Folded(typed)).Matches(Folded(entry), partial);
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

// Ambiguous spellings over a long entry are each tried once: "n" reads ん alone or as
// half of "nn", which without memory doubles the work with every ん.
TEST(ReadingTest, AmbiguousSpellingsStayLinear)
{
    std::string entry;
    std::string typed;
    for (int i = 0; i < 120; ++i) {
        entry += "ン";
        typed += "n";
    }
    entry += "ア";
    typed += "i";
    EXPECT_FALSE(Reads(typed.c_str(), entry.c_str(), true));
}

}  // namespace
}  // namespace veskor
