#include "search/Reading.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <string_view>
#include <utility>

#include "search/KanjiReadings.h"

namespace veskor {

namespace {

// Each kana, or kana pair read as one syllable, with the romaji spellings that read it.
struct Row {
    const char* kana;
    const char* spellings;  // separated by spaces
};

constexpr Row Rows[] = {
    {"あ", "a"}, {"い", "i yi"}, {"う", "u wu whu"}, {"え", "e"}, {"お", "o"},
    {"ぁ", "xa la"}, {"ぃ", "xi li xyi lyi"}, {"ぅ", "xu lu"}, {"ぇ", "xe le xye lye"}, {"ぉ", "xo lo"},
    {"か", "ka ca"}, {"き", "ki"}, {"く", "ku cu qu"}, {"け", "ke"}, {"こ", "ko co"},
    {"が", "ga"}, {"ぎ", "gi"}, {"ぐ", "gu"}, {"げ", "ge"}, {"ご", "go"},
    {"さ", "sa"}, {"し", "shi si ci"}, {"す", "su"}, {"せ", "se ce"}, {"そ", "so"},
    {"ざ", "za"}, {"じ", "ji zi"}, {"ず", "zu"}, {"ぜ", "ze"}, {"ぞ", "zo"},
    {"た", "ta"}, {"ち", "chi ti"}, {"つ", "tsu tu"}, {"て", "te"}, {"と", "to"},
    {"だ", "da"}, {"ぢ", "di ji"}, {"づ", "du zu"}, {"で", "de"}, {"ど", "do"},
    {"っ", "xtu ltu xtsu ltsu"},
    {"な", "na"}, {"に", "ni"}, {"ぬ", "nu"}, {"ね", "ne"}, {"の", "no"},
    {"は", "ha"}, {"ひ", "hi"}, {"ふ", "fu hu"}, {"へ", "he"}, {"ほ", "ho"},
    {"ば", "ba"}, {"び", "bi"}, {"ぶ", "bu"}, {"べ", "be"}, {"ぼ", "bo"},
    {"ぱ", "pa"}, {"ぴ", "pi"}, {"ぷ", "pu"}, {"ぺ", "pe"}, {"ぽ", "po"},
    {"ま", "ma"}, {"み", "mi"}, {"む", "mu"}, {"め", "me"}, {"も", "mo"},
    {"や", "ya"}, {"ゆ", "yu"}, {"よ", "yo"}, {"ゃ", "xya lya"}, {"ゅ", "xyu lyu"}, {"ょ", "xyo lyo"},
    {"ら", "ra"}, {"り", "ri"}, {"る", "ru"}, {"れ", "re"}, {"ろ", "ro"},
    {"わ", "wa"}, {"ゐ", "wi wyi"}, {"ゑ", "we wye"}, {"を", "wo o"}, {"ゎ", "xwa lwa"},
    {"ん", "nn n' xn"},
    {"ヴ", "vu"}, {"ヵ", "xka lka ka"}, {"ヶ", "xke lke ka ke ga"}, {"ー", "-"},
    // Kana with a small vowel: the input methods' spellings, and Hepburn's for the
    // extended katakana (ti, di, tu, du, tyu, dyu, wo).
    {"ふぁ", "fa hwa fwa"}, {"ふぃ", "fi hwi fwi"}, {"ふぇ", "fe hwe fwe"}, {"ふぉ", "fo hwo fwo"},
    {"ふぅ", "fwu"}, {"ふゅ", "hwyu"},
    {"ヴぁ", "va"}, {"ヴぃ", "vi"}, {"ヴぇ", "ve"}, {"ヴぉ", "vo"},
    {"てゃ", "tha"}, {"てぃ", "thi ti t'i"}, {"てゅ", "thu tyu t'yu"}, {"てぇ", "the"}, {"てょ", "tho"},
    {"でゃ", "dha"}, {"でぃ", "dhi di d'i"}, {"でゅ", "dhu dyu d'yu"}, {"でぇ", "dhe"}, {"でょ", "dho"},
    {"とぁ", "twa"}, {"とぃ", "twi"}, {"とぅ", "twu tu t'u"}, {"とぇ", "twe"}, {"とぉ", "two"},
    {"どぁ", "dwa"}, {"どぃ", "dwi"}, {"どぅ", "dwu du d'u"}, {"どぇ", "dwe"}, {"どぉ", "dwo"},
    {"うぁ", "wha"}, {"うぃ", "wi whi"}, {"うぇ", "we whe"}, {"うぉ", "who wo"}, {"いぇ", "ye"},
    {"くぁ", "qa kwa qwa"}, {"くぃ", "qi kwi qwi qyi"}, {"くぅ", "kwu qwu"}, {"くぇ", "qe kwe qwe qye"},
    {"くぉ", "qo kwo qwo"}, {"くゃ", "qya"}, {"くゅ", "qyu"}, {"くょ", "qyo"},
    {"ぐぁ", "gwa"}, {"ぐぃ", "gwi"}, {"ぐぅ", "gwu"}, {"ぐぇ", "gwe"}, {"ぐぉ", "gwo"},
    {"すぁ", "swa"}, {"すぃ", "swi"}, {"すぅ", "swu"}, {"すぇ", "swe"}, {"すぉ", "swo"},
    {"つぁ", "tsa"}, {"つぃ", "tsi"}, {"つぇ", "tse"}, {"つぉ", "tso"},
};

// Kana that take a small ya, yu, yo or e, with the consonants spelling the pair; those
// that end in y also spell the pair with a small i (kyi, jyi).
constexpr Row YRows[] = {
    {"き", "ky"}, {"ぎ", "gy"}, {"に", "ny"}, {"ひ", "hy"}, {"び", "by"}, {"ぴ", "py"}, {"み", "my"},
    {"り", "ry"}, {"し", "sh sy"}, {"ち", "ch ty cy"}, {"じ", "j jy zy"}, {"ぢ", "dy j"}, {"ふ", "fy"},
    {"ヴ", "vy"},
};
constexpr std::pair<const char*, char> SmallY[] = {{"ゃ", 'a'}, {"ゅ", 'u'}, {"ょ", 'o'}, {"ぇ", 'e'}};

constexpr size_t Slots = LastKana - FirstKana + 2;  // the kana, then the long-vowel mark
using SlotSet = std::bitset<128>;

int Slot(char16_t unit)
{
    if (unit >= FirstKana && unit <= LastKana)
        return unit - FirstKana;
    return unit == LongVowelMark ? static_cast<int>(Slots - 1) : -1;
}

// What romaji is typed with, one bit each; 0 for anything else.
std::uint32_t LetterBit(char16_t c)
{
    if (c >= 'a' && c <= 'z')
        return 1u << (c - 'a');
    if (c == '-')
        return 1u << 26;
    if (c == '\'')
        return 1u << 27;
    return 0;
}

constexpr size_t Letters = 28;
int LetterIndex(char16_t c) { return std::countr_zero(LetterBit(c)); }

bool IsVowel(char16_t c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }

const char16_t MiddleDot = Folded("・")[0];

// Units a name puts between its words, which its reading passes over.
bool IsGap(char16_t unit) { return unit == ' ' || unit == MiddleDot; }

// Units that can stand for kana: kana, kanji and the other Japanese characters, and the
// gaps passed over on the way to them.
bool MayReadAsKana(char16_t unit) { return unit > 0xFF || unit == ' '; }

// A kanji, or the mark that repeats the one before it: what a compound is made of.
constexpr char16_t FirstKanjiCode = 0x889F;
bool IsKanji(char16_t unit) { return unit >= FirstKanjiCode || unit == IterationMark; }

// The blank-separated words of a table's text. Not through a string stream: the stream
// library would more than double the size of the program that every start maps.
std::vector<std::string> Words(const char* text)
{
    constexpr std::string_view blanks = " \t\n";
    std::vector<std::string> words;
    std::string_view rest(text);
    for (size_t start = rest.find_first_not_of(blanks); start != std::string_view::npos;
         start = rest.find_first_not_of(blanks)) {
        rest.remove_prefix(start);
        const size_t end = std::min(rest.find_first_of(blanks), rest.size());
        words.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end);
    }
    return words;
}

// The key of a single-byte unit before one that may read as kana, or at the entry's end.
constexpr std::uint32_t SingleByteKeys = 0x10000;
constexpr char16_t BeforeKana = 0;
constexpr char16_t AtEnd = 1;
constexpr std::uint32_t PairKey(char16_t unit, char16_t next) { return SingleByteKeys + (unit << 8 | next); }

const char16_t SmallTsu = Folded("っ")[0];
const char16_t SyllabicN = Folded("ん")[0];

struct Spelling {
    FoldedText kana;  // one or two units
    std::string romaji;
};

// The rows by the slot of their first kana, which letters can begin each slot's romaji,
// and what sound changes make of each kana.
struct RomajiTable {
    std::array<std::vector<Spelling>, Slots> bySlot;
    // The same by the slot and then the first letter, as the matcher looks them up, each
    // in a few bytes of its own: the second kana (0 for one) and the romaji.
    struct Compact {
        char16_t second;
        std::uint8_t length;
        std::array<char, 5> romaji;
    };
    std::vector<Compact> compact;
    std::array<std::array<std::pair<std::uint16_t, std::uint16_t>, Letters>, Slots> byLetter{};
    std::array<std::uint32_t, Slots> firstLetters{};
    std::array<char, Slots> vowel{};          // the vowel a kana ends in, which ー lengthens
    std::array<char16_t, Slots> voiced{};     // the kana with its voiced mark (か: が)
    std::array<char16_t, Slots> semiVoiced{}; // the は row as the ぱ row
    std::array<bool, Slots> doubles{};        // つ ち く き, which become っ before a consonant

    RomajiTable()
    {
        for (const Row& row : Rows)
            for (std::string& romaji : Words(row.spellings))
                Add(Folded(row.kana), std::move(romaji));
        for (const Row& row : YRows)
            for (const auto& [small, vowel] : SmallY)
                for (const std::string& consonants : Words(row.spellings))
                    Add(Folded(std::string(row.kana) + small), consonants + vowel);
        for (const Row& row : YRows)
            for (const std::string& consonants : Words(row.spellings))
                if (consonants.back() == 'y')
                    Add(Folded(std::string(row.kana) + "ぃ"), consonants + 'i');
        // A doubled consonant spells っ before the kana it doubles.
        for (char c = 'a'; c <= 'z'; ++c)
            if (!IsVowel(c) && c != 'n')
                firstLetters[Slot(SmallTsu)] |= LetterBit(c);
        for (char16_t kana : Folded("かきくけこさしすせそたちつてとはひふへほ"))
            voiced[Slot(kana)] = static_cast<char16_t>(kana + 1);
        for (char16_t kana : Folded("はひふへほ"))
            semiVoiced[Slot(kana)] = static_cast<char16_t>(kana + 2);
        for (char16_t kana : Folded("つちくき"))
            doubles[Slot(kana)] = true;
        for (size_t slot = 0; slot < Slots; ++slot) {
            for (size_t letter = 0; letter < Letters; ++letter) {
                byLetter[slot][letter].first = static_cast<std::uint16_t>(compact.size());
                for (const Spelling& spelling : bySlot[slot]) {
                    if (static_cast<size_t>(LetterIndex(spelling.romaji[0])) != letter)
                        continue;
                    Compact c{spelling.kana.size() > 1 ? spelling.kana[1] : u'\0',
                              static_cast<std::uint8_t>(spelling.romaji.size()), {}};
                    std::copy(spelling.romaji.begin(), spelling.romaji.end(), c.romaji.begin());
                    compact.push_back(c);
                }
                byLetter[slot][letter].second = static_cast<std::uint16_t>(compact.size());
            }
        }
        const FoldedText smallVowels = Folded("ぁぃぅぇぉゃゅょゎ");
        for (size_t i = 0; i < smallVowels.size(); ++i)
            vowel[Slot(smallVowels[i])] = "aiueoauoa"[i];
    }

    void Add(FoldedText kana, std::string romaji)
    {
        const int slot = Slot(kana[0]);
        firstLetters[slot] |= LetterBit(romaji[0]);
        if (kana.size() == 1 && !vowel[slot] && IsVowel(romaji.back()) && romaji[0] != 'x' && romaji[0] != 'l')
            vowel[slot] = romaji.back();
        bySlot[slot].push_back({std::move(kana), std::move(romaji)});
    }

    // The kana a reading's first kana may sound as inside a compound, itself first.
    std::array<char16_t, 3> Sounded(char16_t kana) const
    {
        const int slot = Slot(kana);
        if (slot < 0)
            return {kana, 0, 0};
        return {kana, voiced[slot], semiVoiced[slot]};
    }
};

const RomajiTable& Romaji()
{
    static const RomajiTable table;
    return table;
}

// Every reading a kanji or word may begin a compound with, sound changes applied, once
// each with the kanji and words that have it, by the slot of its first kana: what tells
// the kanji a typed text can begin at.
struct KanjiStarts {
    struct Start {
        FoldedText kana;
        std::vector<char16_t> units;  // the kanji, and the first units of the words
    };
    std::vector<Start> starts;
    std::array<std::vector<std::uint32_t>, Slots> bySlot;

    // Each kanji's readings with the first kana as each sound change makes it (0 where
    // none does) and the letters that begin each, so that a kanji is passed over on a look.
    struct Sounded {
        std::u16string_view kana;
        std::array<char16_t, 3> first;
        std::array<std::uint32_t, 3> letters;
        bool doubles;
    };
    std::vector<Sounded> sounded;
    std::vector<std::uint32_t> soundedEnd;  // by kanji: where its readings end in `sounded`
    std::vector<std::uint32_t> letters;     // by kanji: every letter its readings begin with

    KanjiStarts()
    {
        const KanjiReadings& readings = KanjiReadings::Get();
        const RomajiTable& table = Romaji();
        for (char16_t unit : readings.Kanji()) {
            std::uint32_t all = 0;
            for (std::u16string_view reading : readings.Of(unit)) {
                Sounded s{reading, table.Sounded(reading[0]), {}, reading.size() > 1 && table.doubles[Slot(reading.back())]};
                for (size_t change = 0; change < s.first.size(); ++change)
                    if (s.first[change])
                        all |= s.letters[change] = table.firstLetters[Slot(s.first[change])];
                sounded.push_back(s);
            }
            soundedEnd.push_back(static_cast<std::uint32_t>(sounded.size()));
            letters.push_back(all);
        }
        // Equal readings found through an open-addressed table of the groups made so far.
        std::vector<std::uint32_t> groupAt(1u << 17, UINT32_MAX);
        auto add = [&](const FoldedText& kana, char16_t unit) {
            std::uint32_t hash = 2166136261u;
            for (char16_t c : kana)
                hash = (hash ^ c) * 16777619u;
            size_t at = hash & (groupAt.size() - 1);
            while (groupAt[at] != UINT32_MAX && starts[groupAt[at]].kana != kana)
                at = (at + 1) & (groupAt.size() - 1);
            if (groupAt[at] == UINT32_MAX) {
                groupAt[at] = static_cast<std::uint32_t>(starts.size());
                bySlot[Slot(kana[0])].push_back(groupAt[at]);
                starts.push_back({kana, {}});
            }
            std::vector<char16_t>& units = starts[groupAt[at]].units;
            if (units.empty() || units.back() != unit)
                units.push_back(unit);
        };
        for (char16_t unit : readings.Kanji()) {
            for (std::u16string_view reading : readings.Of(unit)) {
                for (char16_t kana : table.Sounded(reading[0])) {
                    if (!kana)
                        continue;
                    FoldedText sounding(reading);
                    sounding[0] = kana;
                    add(sounding, unit);
                    if (sounding.size() > 1 && table.doubles[Slot(sounding.back())]) {
                        sounding.back() = SmallTsu;
                        add(sounding, unit);
                    }
                }
            }
        }
        for (char16_t unit : readings.WordStarts())
            for (const KanjiReadings::Word& word : readings.WordsFrom(unit))
                add(word.reading, unit);
    }
};

const KanjiStarts& KanjiStartReadings()
{
    static const KanjiStarts starts;
    return starts;
}

}  // namespace

ReadingMatcher::ReadingMatcher(FoldedText typed) : typed_(std::move(typed))
{
    std::erase(typed_, u' ');
    if (typed_.empty())
        return;
    // Where a match can begin: the first typed unit itself, the kana with a spelling
    // that agrees with the typed text's beginning, and the kanji with a reading that
    // begins with one of those kana, so that most places are passed over on one look.
    const char16_t first = typed_[0];
    CanStartAt(first);
    SlotSet kana;
    if (Slot(first) >= 0)
        kana.set(Slot(first));
    if (LetterBit(first)) {
        const RomajiTable& table = Romaji();
        for (size_t slot = 0; slot < Slots; ++slot) {
            for (const Spelling& spelling : table.bySlot[slot]) {
                const size_t length = std::min(spelling.romaji.size(), typed_.size());
                if (std::equal(spelling.romaji.begin(), spelling.romaji.begin() + length, typed_.begin())) {
                    CanStartAt(spelling.kana[0]);
                    kana.set(slot);
                }
            }
        }
        const char16_t second = typed_.size() > 1 ? typed_[1] : first;
        if (first == 'n' || (first == 'm' && (second == 'b' || second == 'm' || second == 'p')))
            CanStartAt(SyllabicN);
        if (!IsVowel(first) && first != 'n' && (second == first || (first == 't' && second == 'c')))
            CanStartAt(SmallTsu);
    }
    if (kana.any())
        CanStartWithKanji(kana);
}

// The kanji and words with a reading the typed text begins, or begins with.
void ReadingMatcher::CanStartWithKanji(const SlotSet& kana)
{
    const KanjiStarts& table = KanjiStartReadings();
    openEnd_ = true;
    for (size_t slot = 0; slot < Slots; ++slot) {
        if (!kana[slot])
            continue;
        for (std::uint32_t index : table.bySlot[slot]) {
            const KanjiStarts::Start& start = table.starts[index];
            if (Matches(start.kana, false))
                for (char16_t unit : start.units)
                    CanStartAt(unit);
        }
    }
    openEnd_ = false;
    CanStartAt(IterationMark);
}

void ReadingMatcher::CanStartAt(char16_t unit)
{
    startsMatch_.set(unit);
}

std::uint32_t ReadingMatcher::StartKey(std::u16string_view entry, size_t at)
{
    const char16_t unit = entry[at];
    if (unit > 0xFF)
        return unit;
    if (at + 1 == entry.size())
        return PairKey(unit, AtEnd);
    const char16_t next = entry[at + 1];
    return PairKey(unit, MayReadAsKana(next) ? BeforeKana : next);
}

bool ReadingMatcher::MayStartWith(std::uint32_t key) const
{
    if (key < SingleByteKeys)
        return startsMatch_[key];
    const auto unit = static_cast<char16_t>((key - SingleByteKeys) >> 8);
    const auto next = static_cast<char16_t>((key - SingleByteKeys) & 0xFF);
    // Only itself: then the second typed unit, as it is or read from what may be kana.
    return startsMatch_[unit] &&
           (typed_.size() == 1 || next == BeforeKana || (next == typed_[1] && next != AtEnd));
}

bool ReadingMatcher::Matches(std::u16string_view entry, bool partial)
{
    if (typed_.empty())
        return false;
    // A name's reading passes over the gaps it begins with.
    size_t at = 0;
    while (!partial && at < entry.size() && IsGap(entry[at]))
        ++at;
    const size_t starts = partial ? entry.size() : std::min<size_t>(entry.size(), at + 1);
    while (at < starts && !startsMatch_[entry[at]])
        ++at;
    if (at == starts)
        return false;
    entry_ = entry;
    const size_t cells = (typed_.size() + 1) * (entry.size() + 1);
    if (failed_.size() < cells)
        failed_.resize(cells);
    if (++stamp_ == 0) {
        std::fill(failed_.begin(), failed_.end(), 0);
        stamp_ = 1;
    }
    for (; at < starts; ++at) {
        if (!startsMatch_[entry[at]])
            continue;
        // A unit that cannot read as kana matches only itself; the one after it must then
        // take the second typed unit the same way, or may read as kana. Most letters of
        // ASCII names stop here.
        if (!MayReadAsKana(entry[at]) && typed_.size() > 1 && at + 1 < entry.size() &&
            !MayReadAsKana(entry[at + 1]) && entry[at + 1] != typed_[1])
            continue;
        if (FromUnit(0, at))
            return true;
    }
    return false;
}

char16_t ReadingMatcher::Unit(const Place& place) const
{
    if (place.run.empty())
        return place.entryAt < entry_.size() && !collecting_ ? entry_[place.entryAt] : 0;
    if (place.at == 0 && place.first)
        return place.first;
    if (place.at + 1 == place.run.size() && place.last)
        return place.last;
    return place.run[place.at];
}

ReadingMatcher::Place ReadingMatcher::Next(const Place& place) const
{
    if (place.run.empty())
        return OnUnit(place.entryAt + 1);
    if (place.at + 1 < place.run.size()) {
        Place next = place;
        ++next.at;
        return next;
    }
    return OnUnit(place.resume);
}

// Whether typed_ from typedAt reads the entry from the place on.
bool ReadingMatcher::From(size_t typedAt, const Place& place)
{
    if (typedAt == typed_.size())
        return true;
    if (place.run.empty() && collecting_) {
        collecting_->ends |= 1ull << typedAt;
        return false;
    }
    return place.run.empty() ? FromUnit(typedAt, place.entryAt) : FromKana(typedAt, place);
}

// Whether typed_ from typedAt reads entry_ from entryAt on: the unit passed over, read
// with the word or kanji it begins, or read as it is.
bool ReadingMatcher::FromUnit(size_t typedAt, size_t entryAt)
{
    if (typedAt == typed_.size())
        return true;
    if (entryAt == entry_.size())
        return openEnd_;
    std::uint32_t& failed = failed_[typedAt * (entry_.size() + 1) + entryAt];
    if (failed == stamp_)
        return false;

    const char16_t e = entry_[entryAt];
    if (IsGap(e) && FromUnit(typedAt, entryAt + 1))
        return true;
    if (IsKanji(e)) {
        const KanjiReadings& readings = KanjiReadings::Get();
        for (const KanjiReadings::Word& word : readings.BeginsWord(e) ? readings.WordsFrom(e) : std::span<const KanjiReadings::Word>()) {
            const auto resume = static_cast<std::uint32_t>(entryAt + word.text.size());
            if (entry_.substr(entryAt, word.text.size()) == word.text &&
                From(typedAt, Place{static_cast<std::uint32_t>(entryAt), resume, word.reading}))
                return true;
        }
        const char16_t kanji = e == IterationMark && entryAt > 0 ? entry_[entryAt - 1] : e;
        if (FromKanji(typedAt, entryAt, kanji))
            return true;
    }
    if (FromKana(typedAt, OnUnit(entryAt)))
        return true;
    failed = stamp_;
    return false;
}

// Each reading of the kanji at entryAt, with the sound changes of a compound: its first
// kana voiced after another character (rendaku), the は row as the ぱ row after a kanji,
// ん or っ, and a final つ ち く き as っ before another kanji.
bool ReadingMatcher::FromKanji(size_t typedAt, size_t entryAt, char16_t kanji)
{
    const char16_t before = entryAt > 0 ? entry_[entryAt - 1] : 0;
    const bool voices = before > 0xFF && !IsGap(before);
    const bool halfVoices = IsKanji(before) || before == SyllabicN || before == SmallTsu;
    const bool doubles = entryAt + 1 < entry_.size() && IsKanji(entry_[entryAt + 1]);
    const auto at = static_cast<std::uint32_t>(entryAt);
    if (typed_.size() >= 64)  // beyond what an outcome holds: read on through the entry
        return ReadKanji(typedAt, at, kanji, voices, halfVoices, doubles);

    // How the kanji's readings take the typed text from typedAt depends on the kanji, the
    // sound changes its neighbours allow and the typed text alone: worked out once per
    // typed text, then only continued in each entry.
    const std::uint32_t key = static_cast<std::uint32_t>(typedAt) << 19 | (voices ? 1u << 16 : 0) |
                              (halfVoices ? 1u << 17 : 0) | (doubles ? 1u << 18 : 0) | kanji;
    if (outcomes_.empty())
        outcomes_.resize(OutcomeSlots);
    Outcome& outcome = outcomes_[(key * 0x9E3779B1u) >> (32 - OutcomeBits)];
    if (outcome.key != key + 1) {
        outcome = Outcome{key + 1};
        Outcome* const outer = collecting_;
        collecting_ = &outcome;
        outcome.reads = ReadKanji(typedAt, at, kanji, voices, halfVoices, doubles);
        collecting_ = outer;
    }
    if (outcome.reads)
        return true;
    const Place after = OnUnit(entryAt + 1);
    if (outcome.wants && (FirstLetters(after) & outcome.wants))
        return true;
    for (std::uint64_t ends = outcome.ends; ends; ends &= ends - 1)
        if (FromUnit(static_cast<size_t>(std::countr_zero(ends)), entryAt + 1))
            return true;
    return false;
}

// Each reading of the kanji at `at`, as the sound changes allowed make it sound.
bool ReadingMatcher::ReadKanji(size_t typedAt, std::uint32_t at, char16_t kanji, bool voices, bool halfVoices,
                               bool doubles)
{
    const size_t index = KanjiReadings::Get().IndexOf(kanji);
    if (!index)
        return false;
    const KanjiStarts& sounds = KanjiStartReadings();
    const char16_t t = typed_[typedAt];
    const std::uint32_t letter = LetterBit(t);
    if (letter && !(sounds.letters[index - 1] & letter))
        return false;
    const std::uint32_t from = index == 1 ? 0 : sounds.soundedEnd[index - 2];
    for (std::uint32_t r = from; r < sounds.soundedEnd[index - 1]; ++r) {
        const KanjiStarts::Sounded& reading = sounds.sounded[r];
        for (size_t change = 0; change < reading.first.size(); ++change) {
            const char16_t first = reading.first[change];
            if (!first || (change == 1 && !voices) || (change == 2 && !halfVoices))
                continue;
            if (letter ? !(reading.letters[change] & letter) : t != first)
                continue;
            const char16_t changed = change ? first : 0;
            if (From(typedAt, Place{at, at + 1, reading.kana, 0, changed, 0}) ||
                (doubles && reading.doubles && From(typedAt, Place{at, at + 1, reading.kana, 0, changed, SmallTsu})))
                return true;
        }
    }
    return false;
}

// Whether typed_ from typedAt reads the kana (or other unit) at the place, and on.
bool ReadingMatcher::FromKana(size_t typedAt, const Place& place)
{
    const char16_t t = typed_[typedAt];
    const char16_t e = Unit(place);
    if (!e)
        return false;
    const Place next = Next(place);
    if (t == e && From(typedAt + 1, next))
        return true;
    const int slot = Slot(e);
    if (slot < 0 || !LetterBit(t))
        return false;
    const RomajiTable& table = Romaji();
    const size_t left = typed_.size() - typedAt;
    const auto [from, to] = table.byLetter[slot][LetterIndex(t)];
    for (size_t i = from; i < to; ++i) {
        const RomajiTable::Compact& spelling = table.compact[i];
        const bool pair = spelling.second != 0;
        if (pair && Unit(next) != spelling.second)
            continue;
        size_t same = 1;  // the first letter is t
        while (same < spelling.length && same < left && typed_[typedAt + same] == spelling.romaji[same])
            ++same;
        if (same == spelling.length && From(typedAt + same, pair ? Next(next) : next))
            return true;
        if (same == left)  // the typed text ends inside this syllable
            return true;
    }
    const bool more = left > 1;
    const char16_t following = more ? typed_[typedAt + 1] : 0;
    if (e == SyllabicN) {
        // A lone "n" before anything that would not make it a syllable of its own, and
        // at the end of a kanji's reading, where names are written so (shinyou, kanon);
        // Hepburn's "m" before b, m and p.
        const bool endsReading = place.run.empty() ? openEnd_ && place.entryAt + 1 == entry_.size()
                                                   : place.at + 1 == place.run.size();
        if (t == 'n' && more && ((!IsVowel(following) && following != 'y') || endsReading) &&
            From(typedAt + 1, next))
            return true;
        const std::uint32_t lips = LetterBit('b') | LetterBit('m') | LetterBit('p');
        if (t == 'm' && (more ? (LetterBit(following) & lips) && From(typedAt + 1, next) : NextBegins(next, lips)))
            return true;
    }
    // っ as the doubled first consonant of the next kana; Hepburn writes っち "tch".
    if (e == SmallTsu && !IsVowel(t) && t != 'n' && LetterBit(t) < (1u << 26)) {
        if (!more) {
            if (NextBegins(next, LetterBit(t) | (t == 't' ? LetterBit('c') : 0)))
                return true;
        } else if ((following == t || (t == 't' && following == 'c')) && From(typedAt + 1, next)) {
            return true;
        }
    }
    // ー as the vowel it lengthens.
    if (e == LongVowelMark && place.run.empty() && t == VowelBefore(place.entryAt) && From(typedAt + 1, next))
        return true;
    return false;
}

// Whether the reading from the place on can begin with one of the letters. While a
// kanji's outcome is worked out, the entry after it is not known: the letters are noted.
bool ReadingMatcher::NextBegins(const Place& place, std::uint32_t letters)
{
    if (collecting_ && place.run.empty()) {
        collecting_->wants |= letters;
        return false;
    }
    return FirstLetters(place) & letters;
}

// The letters that can begin the reading from the place on.
std::uint32_t ReadingMatcher::FirstLetters(const Place& place) const
{
    const char16_t unit = Unit(place);
    if (!unit)
        return openEnd_ ? ~0u : 0;
    const RomajiTable& table = Romaji();
    const int slot = Slot(unit);
    std::uint32_t letters = slot >= 0 ? table.firstLetters[slot] : 0;
    if (!place.run.empty())
        return letters;
    if (IsGap(unit))
        letters |= FirstLetters(Next(place));
    const KanjiReadings& readings = KanjiReadings::Get();
    const char16_t kanji = unit == IterationMark && place.entryAt > 0 ? entry_[place.entryAt - 1] : unit;
    for (std::u16string_view reading : readings.Of(kanji))
        for (char16_t kana : table.Sounded(reading[0]))
            if (kana)
                letters |= table.firstLetters[Slot(kana)];
    for (const KanjiReadings::Word& word : readings.WordsFrom(unit))
        letters |= table.firstLetters[Slot(word.reading[0])];
    return letters;
}

// The vowel of the kana before the long-vowel mark at entryAt; 0 when none comes before.
char16_t ReadingMatcher::VowelBefore(size_t entryAt) const
{
    while (entryAt > 0 && entry_[entryAt - 1] == LongVowelMark)
        --entryAt;
    const int slot = entryAt > 0 ? Slot(entry_[entryAt - 1]) : -1;
    return slot >= 0 ? Romaji().vowel[slot] : 0;
}

}  // namespace veskor
