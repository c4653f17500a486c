#include "search/KanjiReadings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "search/Folding.h"

namespace veskor {
namespace {

// Rows of the generated table against what the dictionary says of them: whether a
// kanji (or a word) is read so.
struct ReadingRow {
    const char* text;
    const char* reading;
    bool read;
};

const ReadingRow Rows[] = {
    // On readings, in katakana, and kun readings, in hiragana: both read as kana.
    {"印", "いん", true}, {"印", "シルシ", true}, {"筆", "ふで", true},
    // A kun reading's stem, without the okurigana after its dot; a verb's also with them
    // in the continuative form (乗る: のり, 換える: かえ), never the dictionary form.
    {"生", "い", true}, {"生", "いきる", false}, {"悪", "わる", true}, {"悪", "わるい", false},
    {"乗", "のり", true}, {"換", "かえ", true}, {"積", "つもり", true}, {"書", "かき", true}, {"書", "かく", false},
    // The dashes of prefixes and suffixes are not read.
    {"印", "じるし", true}, {"乙", "おと", true},
    // Name readings (after T1) are read; the names of radicals (after T2) are not.
    {"信", "のぶ", true}, {"秀", "ひで", true}, {"缶", "ほとぎ", false}, {"牙", "きばへん", false},
    // Kanji of the code page beyond JIS X 0208 read as the kanji they stand for.
    {"髙", "たか", true}, {"﨑", "さき", true}, {"德", "とく", true},
    // Kana and marks have no readings of their own.
    {"あ", "あ", false}, {"々", "じん", false},
    // Words read as a whole, each reading they take.
    {"今日", "きょう", true}, {"明日", "あした", true}, {"明日", "あす", true}, {"今日", "こんにち", false},
};

TEST(KanjiReadingsTest, TableReadsAsTheDictionary)
{
    const KanjiReadings& readings = KanjiReadings::Get();
    for (const ReadingRow& row : Rows) {
        SCOPED_TRACE(std::string(row.text) + " / " + row.reading);
        const FoldedText text = Folded(row.text);
        const FoldedText reading = Folded(row.reading);
        bool read = false;
        if (text.size() == 1) {
            const auto of = readings.Of(text[0]);
            read = std::find(of.begin(), of.end(), std::u16string_view(reading)) != of.end();
        }
        for (const KanjiReadings::Word& word : readings.WordsFrom(text[0]))
            read = read || (word.text == text && word.reading == reading);
        EXPECT_EQ(read, row.read);
        EXPECT_EQ(readings.BeginsWord(text[0]), !readings.WordsFrom(text[0]).empty());
    }
}

}  // namespace
}  // namespace veskor
