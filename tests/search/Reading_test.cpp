#include <gtest/gtest.h>

#include <string>

#include "text/Cp932.h"
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
    // Hepburn's extended katakana, then each family of the input methods' spellings.
    {"tiditudutyudyuwo", "ティディトゥドゥテュデュウォ", true, true}, {"disuku", "ディスク", true, true},
    {"thathethothudhadhudhodhe", "テャテェテョテュデャデュデョデェ", true, true},
    {"t'id'it'ud'u", "ティディトゥドゥ", true, true}, {"twatwitwetwodwadwidwedwo", "トァトィトェトォドァドィドェドォ", true, true},
    {"hwahwihwehwo", "ファフィフェフォ", true, true}, {"kwikwekwoqwa", "クィクェクォクァ", true, true},
    {"whawhiwhewho", "ウァウィウェウォ", true, true}, {"swaswe", "スァスェ", true, true},
    {"kyigyisyizyityinyihyibyipyimyiryijyivyi", "キィギィシィジィチィニィヒィビィピィミィリィジィヴィ", true, true},
    {"kasumigaseki", "霞ヶ関", true, true},
    // ん: nn, n', xn, and a lone n before a consonant, never before a vowel or y.
    {"konnichiha", "こんにちは", true, true}, {"kon'nichiha", "こんにちは", true, true},
    {"kaxntan", "カンタン", true, true}, {"kani", "カンイ", false, false}, {"sanyo", "サンヨウ", false, false},
    {"sannyo", "サンヨウ", true, true}, {"kan'i", "カンイ", true, true}, {"san'you", "サンヨウ", true, true},
    // Hepburn's m before b, m and p, never before anything else.
    {"kampai", "カンパイ", true, true}, {"samma", "サンマ", true, true}, {"samyo", "サンヨ", false, false},
    // っ: a doubled consonant (っち also "tch"), or x/l + tu/tsu.
    {"kitte", "キッテ", true, true}, {"matcha", "マッチャ", true, true}, {"maltsucha", "マッチャ", true, true},
    {"kite", "キッテ", false, false}, {"mannu", "マッヌ", false, false},
    // ー is "-" or the vowel it lengthens, never another vowel.
    {"ko-hi-", "コーヒー", true, true}, {"koohii", "コーヒー", true, true}, {"kouhii", "コーヒー", false, false},
    {"kyaa", "キャー", true, true},
    // Spaces and ・ in a name are passed over, and spaces typed.
    {"tasukumane", "タスク マネージャー", true, true}, {"tasuku mane", "タスク マネージャー", true, true},
    {"kontoro-rupaneru", "コントロール　パネル", true, true}, {"jonsumisu", "ジョン・スミス", true, true},
    {"windowsup", "Windows Update", true, true},
    // Kanji: on, kun (the stem) and nanori readings; typed kana read them too.
    {"insatsu", "印刷", true, true}, {"kazoku", "家族", true, true}, {"fudeou", "筆王", true, true},
    {"nobunaganoyabou", "信長の野望", true, true}, {"hidemaru", "秀丸", true, true}, {"いんさつ", "印刷", true, true},
    {"satsu", "印刷", false, true}, {"densha", "電卓", false, false}, {"memochou", "メモ帳", true, true},
    {"norikaeannai", "乗換案内", true, true},
    // The sound changes of compounds: a voiced first kana after another character, a
    // final つ ち く き doubled before a kanji, the は row as ぱ after ん, っ or a kanji.
    {"aikotoba", "合言葉", true, true}, {"sangoku", "三国", true, true}, {"gotoba", "言葉", false, false},
    {"issho", "一緒", true, true}, {"kappatsu", "活発", true, true}, {"sanpo", "散歩", true, true},
    {"shimbun", "新聞", true, true}, {"shinyou", "信用", true, true}, {"gomibako", "ごみ箱", true, true},
    {"hitobito", "人々", true, true}, {"sasaki", "佐々木", true, true},
    // Words read as a whole.
    {"kyou", "今日", true, true}, {"megane", "眼鏡", true, true}, {"yamato", "大和", true, true},
    {"miyage", "お土産", false, true},
    // A syllable left unfinished matches every kana it can begin.
    {"ky", "キョウ", true, true}, {"ts", "ツール", true, true}, {"mat", "マッチャ", true, true},
    {"x", "メモ", false, false},
    // Mixed, partial, and what is never read.
    {"memo帳", "メモ帳", true, true}, {"ぺいんとshop", "ペイントShop", true, true}, {"amemo", "aメモ", true, true},
    {"shop", "ペイントShop", false, true}, {"into", "ペイント", false, true},
    {"dentaku", "電卓", true, true}, {"めも", "memo", false, false}, {"", "メモ", false, false}, {" ", "メモ", false, false},
};

// As the search index asks: a partial search looks only at entries holding a place
// where the typed text may begin.
bool Reads(const char* typed, const char* entry, bool partial,
           ReadingMatcher::LongVowels longVowels = ReadingMatcher::LongVowels::AsSpelled)
{
    ReadingMatcher matcher(Folded(typed), longVowels);
    const FoldedText folded = Folded(entry);
    bool mayHold = false;
    for (size_t at = 0; at < folded.size(); ++at)
        mayHold = mayHold || matcher.MayStartWith(ReadingMatcher::StartKey(folded, at));
    return (!partial || mayHold) && matcher.Matches(folded, partial);
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

// Long vowels as Latin text prints them: left out, or marked (the field spells a marked
// vowel out, as the system hands the text over). Whether each reads its name as the
// input method spells, and with long vowels that may be typed short.
struct LongVowelRow {
    const char16_t* typed;
    const char* entry;
    bool asSpelled;
    bool mayBeShort;
};

const LongVowelRow LongVowelRows[] = {
    // おう and おお as o, うう as u, ー after any vowel left out; a long o also as ou.
    {u"tokyo", "東京", false, true}, {u"kyoto", "京都", false, true}, {u"shogi", "将棋", false, true},
    {u"judo", "柔道", false, true}, {u"kuki", "くうき", false, true}, {u"ryusei", "流星", false, true},
    {u"tori", "とおり", false, true}, {u"kouri", "こおり", false, true}, {u"kori", "こおり", false, true},
    {u"sho-to", "ショート", true, true}, {u"shoto", "ショート", false, true}, {u"shouto", "ショート", false, true},
    {u"kohi", "コーヒー", false, true}, {u"supa", "スーパー", false, true}, {u"meru", "メール", false, true},
    {u"toukyou", "東京", true, true}, {u"too", "遠い", true, true}, {u"ko-hi-", "コーヒー", true, true},
    // Each marked vowel, small and capital.
    {u"Tōkyō", "東京", true, true}, {u"Kyôto", "京都", true, true}, {u"shōgi", "将棋", true, true},
    {u"jūdō", "柔道", true, true}, {u"SÛJI", "数字", true, true}, {u"Ōdōri", "おおどおり", false, true},
    {u"rāmen", "ラーメン", true, true}, {u"Āmen", "アーメン", true, true}, {u"mēru", "メール", true, true},
    {u"Ēsu", "エース", true, true}, {u"chīzu", "チーズ", true, true}, {u"Īsuto", "イースト", true, true},
    {u"Ūru", "ウール", true, true}, {u"Ôsama", "おうさま", true, true}, {u"bâ", "バー", true, true},
    {u"Âchi", "アーチ", true, true}, {u"kêki", "ケーキ", true, true}, {u"Êru", "エール", true, true},
    {u"pîman", "ピーマン", true, true}, {u"Îsuto", "イースト", true, true},
    // Never: a kana that lengthens no vowel before it, one in the next kanji's reading,
    // ああ, いい, えい or うう typed short, a long u as ou.
    {u"sana", "サウナ", false, false}, {u"kiku", "キオク", false, false}, {u"kome", "小梅", false, false},
    {u"obasan", "おばあさん", false, false}, {u"chisai", "ちいさい", false, false},
    {u"meji", "めいじ", false, false}, {u"soupu", "スープ", false, false},
    {u"kote", "コウイテ", false, false},
};

TEST(ReadingTest, LongVowelsMayBeTypedShortOrMarked)
{
    for (const LongVowelRow& row : LongVowelRows) {
        std::string typed;
        for (const char16_t unit : LongVowelsSpelled(row.typed)) {
            ASSERT_LT(unit, 0x80);
            typed += static_cast<char>(unit);
        }
        SCOPED_TRACE(typed + " / " + row.entry);
        EXPECT_EQ(Reads(typed.c_str(), row.entry, false), row.asSpelled);
        for (const bool partial : {false, true})
            EXPECT_EQ(Reads(typed.c_str(), row.entry, partial, ReadingMatcher::LongVowels::MayBeShort),
                      row.mayBeShort);
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

// Past 63 typed units a kanji's readings are read in each entry rather than worked out
// once per key: a long name reads the same either way.
TEST(ReadingTest, LongTypedTextsReadKanjiToo)
{
    std::string typed, entry;
    for (int i = 0; i < 12; ++i) {
        typed += "issho";
        entry += "一緒";
    }
    EXPECT_TRUE(Reads(typed.c_str(), entry.c_str(), false));
    EXPECT_TRUE(Reads((typed + "is").c_str(), (entry + "一緒").c_str(), true));
    EXPECT_FALSE(Reads((typed + "x").c_str(), (entry + "一緒").c_str(), true));
}

// One matcher reads entry after entry, as one search does, and keeps what a kanji's
// readings made of the typed text from one place: an entry that allows the kanji other
// sound changes must not be read with what another one allowed. Each row tries the kanji
// where a change is not allowed, then where it is, then where it is not again.
TEST(ReadingTest, WhatAKanjiReadsIsKeptApartBySoundChange)
{
    const struct {
        const char* typed;
        const char* without;  // the change not allowed: the entry does not read
        const char* with;     // allowed: it reads
    } rows[] = {
        {"kappatsu", "活", "活発"},  // つ doubled before a kanji (活 かっ)
        {"kotoba", "こと 葉", "こと葉"},  // voiced after a kana (葉 ば), not after a gap
        {"apo", "ア歩", "亜歩"},  // the は row as ぱ after a kanji (歩 ぽ), not after a kana
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ReadingMatcher matcher(Folded(row.typed));
        EXPECT_FALSE(matcher.Matches(Folded(row.without), false));
        EXPECT_TRUE(matcher.Matches(Folded(row.with), false));
        EXPECT_FALSE(matcher.Matches(Folded(row.without), false));
    }
}

// A typed text of 64 units or more reads kanji past the 63rd unit.
TEST(ReadingTest, TypedTextsPast63UnitsReadKanji)
{
    std::string entry;
    for (int i = 0; i < 70; ++i)
        entry += "ア";
    const std::string typed(70, 'a');
    for (const bool partial : {false, true}) {
        EXPECT_TRUE(Reads((typed + "insatsu").c_str(), (entry + "印刷").c_str(), partial));
        EXPECT_TRUE(Reads((typed + "kappatsu").c_str(), (entry + "活発").c_str(), partial));
        EXPECT_FALSE(Reads((typed + "insatsux").c_str(), (entry + "印刷").c_str(), partial));
        EXPECT_FALSE(Reads((typed + "insatsu").c_str(), (entry + "印").c_str(), partial));
    }
}

}  // namespace
}  // namespace veskor
