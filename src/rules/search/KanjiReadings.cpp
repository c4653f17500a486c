#include "search/KanjiReadings.h"

#include <algorithm>

#include "search/KanjiReadingTable.h"

namespace veskor {

namespace {

// Common words read as a whole rather than kanji by kanji, as a name on a desktop holds
// them; where a reading also comes from the kanji it is left out.
struct WordRow {
    const char* text;
    const char* reading;
};
constexpr WordRow Words[] = {
    {"今日", "きょう"}, {"明日", "あした あす"}, {"昨日", "きのう"}, {"一昨日", "おととい"}, {"明後日", "あさって"},
    {"今朝", "けさ"}, {"今年", "ことし"}, {"一日", "ついたち"}, {"二日", "ふつか"},
    {"二十日", "はつか"}, {"一人", "ひとり"}, {"二人", "ふたり"}, {"大人", "おとな"}, {"眼鏡", "めがね"},
    {"土産", "みやげ"}, {"大和", "やまと"}, {"時計", "とけい"}, {"部屋", "へや"}, {"上手", "じょうず"},
    {"下手", "へた"}, {"果物", "くだもの"}, {"景色", "けしき"}, {"七夕", "たなばた"}, {"梅雨", "つゆ"},
    {"紅葉", "もみじ"}, {"田舎", "いなか"}, {"相撲", "すもう"}, {"竹刀", "しない"}, {"足袋", "たび"},
    {"浴衣", "ゆかた"}, {"海老", "えび"}, {"為替", "かわせ"}, {"息子", "むすこ"}, {"木綿", "もめん"},
    {"素人", "しろうと"}, {"玄人", "くろうと"}, {"仲人", "なこうど"}, {"心地", "ここち"}, {"清水", "しみず"},
    {"真面目", "まじめ"}, {"吹雪", "ふぶき"}, {"雪崩", "なだれ"}, {"五月雨", "さみだれ"}, {"日和", "ひより"},
    {"何処", "どこ"}, {"従兄弟", "いとこ"}, {"伯父", "おじ"}, {"叔父", "おじ"}, {"伯母", "おば"},
    {"叔母", "おば"}, {"父さん", "とうさん"}, {"母さん", "かあさん"}, {"兄さん", "にいさん"},
    {"姉さん", "ねえさん"}, {"博士", "はかせ"}, {"芝生", "しばふ"}, {"白髪", "しらが"}, {"迷子", "まいご"},
    {"行方", "ゆくえ"}, {"弥生", "やよい"}, {"師走", "しわす"}, {"乙女", "おとめ"}, {"風邪", "かぜ"},
    {"太刀", "たち"}, {"数寄屋", "すきや"}, {"寄席", "よせ"}, {"若人", "わこうど"}, {"八百屋", "やおや"},
    {"八百長", "やおちょう"}, {"蚊帳", "かや"}, {"山車", "だし"}, {"三味線", "しゃみせん"}, {"雑魚", "ざこ"},
    {"友達", "ともだち"}, {"手伝", "てつだ"}, {"二十歳", "はたち"},
    {"河原", "かわら"}, {"川原", "かわら"}, {"小豆", "あずき"}, {"草履", "ぞうり"},
    {"最寄", "もよ"}, {"羽織", "はおり"}, {"百合", "ゆり"}, {"大晦日", "おおみそか"}, {"三日月", "みかづき"},
    {"昆布", "こんぶ こぶ"}, {"煙草", "たばこ"}, {"硫黄", "いおう"}, {"築地", "つきじ"}, {"日本", "にほん にっぽん"},
};

constexpr char16_t FirstKanji = 0x8800;
constexpr char16_t EndKanji = 0xFD00;

}  // namespace

const KanjiReadings& KanjiReadings::Get()
{
    static const KanjiReadings readings;
    return readings;
}

KanjiReadings::KanjiReadings() : kanjiAt_(EndKanji - FirstKanji, 0)
{
    // Two passes over the text: the views into units_ are taken once it no longer grows.
    const std::string_view text(KanjiReadingText);
    units_.reserve(text.size());
    std::vector<std::pair<std::uint32_t, std::uint32_t>> spans;
    size_t kanji = 0;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '|';
        if (c == ' ' || c == '|') {
            spans.emplace_back(static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(units_.size() - start));
            start = units_.size();
            if (c == '|') {
                runsEnd_.push_back(static_cast<std::uint32_t>(spans.size()));
                kanjiAt_[KanjiCodes[kanji] - FirstKanji] = static_cast<std::uint16_t>(kanji + 1);
                kanji_.push_back(KanjiCodes[kanji]);
                ++kanji;
            }
        } else {
            units_.push_back(static_cast<char16_t>(FirstKana + (c - '(')));
        }
    }
    runs_.reserve(spans.size());
    for (const auto& [from, length] : spans)
        runs_.push_back(std::u16string_view(units_).substr(from, length));

    // Each word put in place by its first unit: a sort of so few would cost the program
    // more code than it saves time.
    for (const WordRow& row : Words) {
        const std::string_view readings(row.reading);
        for (size_t from = 0; from < readings.size();) {
            const size_t end = std::min(readings.find(' ', from), readings.size());
            Word word{Folded(row.text), Folded(readings.substr(from, end - from))};
            const auto place = std::find_if(words_.begin(), words_.end(),
                                            [&](const Word& other) { return other.text[0] > word.text[0]; });
            wordStarts_.set(word.text[0]);
            words_.insert(place, std::move(word));
            from = end + 1;
        }
    }
}

size_t KanjiReadings::IndexOf(char16_t unit) const
{
    return unit < FirstKanji || unit >= EndKanji ? 0 : kanjiAt_[unit - FirstKanji];
}

std::span<const std::u16string_view> KanjiReadings::OfKanji(size_t indexPlusOne) const
{
    if (indexPlusOne == 0)
        return {};
    const size_t from = indexPlusOne == 1 ? 0 : runsEnd_[indexPlusOne - 2];
    return std::span(runs_).subspan(from, runsEnd_[indexPlusOne - 1] - from);
}

std::span<const KanjiReadings::Word> KanjiReadings::WordsFrom(char16_t unit) const
{
    const auto [from, to] = std::equal_range(words_.begin(), words_.end(), unit, [](const auto& a, const auto& b) {
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, Word>)
            return a.text[0] < b;
        else
            return a < b.text[0];
    });
    return std::span(words_).subspan(from - words_.begin(), to - from);
}

std::vector<char16_t> KanjiReadings::WordStarts() const
{
    std::vector<char16_t> starts;
    for (const Word& word : words_)
        if (starts.empty() || starts.back() != word.text[0])
            starts.push_back(word.text[0]);
    return starts;
}

}  // namespace veskor
