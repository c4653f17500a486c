#include "search/Reading.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

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
    {"ヴ", "vu"}, {"ヵ", "xka lka"}, {"ヶ", "xke lke"}, {"ー", "-"},
    // Kana with a small vowel.
    {"ふぁ", "fa"}, {"ふぃ", "fi"}, {"ふぇ", "fe"}, {"ふぉ", "fo"},
    {"ヴぁ", "va"}, {"ヴぃ", "vi"}, {"ヴぇ", "ve"}, {"ヴぉ", "vo"},
    {"てぃ", "thi"}, {"てゅ", "thu"}, {"でぃ", "dhi"}, {"でゅ", "dhu"}, {"とぅ", "twu"}, {"どぅ", "dwu"},
    {"うぃ", "wi"}, {"うぇ", "we"}, {"うぉ", "who"}, {"いぇ", "ye"},
    {"くぁ", "qa kwa"}, {"くぃ", "qi"}, {"くぇ", "qe"}, {"くぉ", "qo"}, {"ぐぁ", "gwa"},
    {"つぁ", "tsa"}, {"つぃ", "tsi"}, {"つぇ", "tse"}, {"つぉ", "tso"},
};

// Kana that take a small ya, yu, yo or e, with the consonants spelling the pair.
constexpr Row YRows[] = {
    {"き", "ky"}, {"ぎ", "gy"}, {"に", "ny"}, {"ひ", "hy"}, {"び", "by"}, {"ぴ", "py"}, {"み", "my"},
    {"り", "ry"}, {"し", "sh sy"}, {"ち", "ch ty cy"}, {"じ", "j jy zy"}, {"ぢ", "dy j"}, {"ふ", "fy"},
    {"ヴ", "vy"},
};
constexpr std::pair<const char*, char> SmallY[] = {{"ゃ", 'a'}, {"ゅ", 'u'}, {"ょ", 'o'}, {"ぇ", 'e'}};

constexpr size_t Slots = LastKana - FirstKana + 2;  // the kana, then the long-vowel mark

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

bool IsVowel(char16_t c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }

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

std::uint64_t UnitBit(char16_t unit) { return 1ull << ((unit * 0x9E3779B1u) >> 26); }

// A unit and the one after it, every kana after it counting as the same.
constexpr char16_t AnyKana = 0xFFFF;
std::uint64_t PairBit(char16_t unit, char16_t next)
{
    const std::uint32_t kind = Slot(next) >= 0 ? AnyKana : next;
    return 1ull << (((unit * 0x9E3779B1u) ^ (kind * 0x85EBCA6Bu)) * 0xC2B2AE35u >> 26);
}

const char16_t SmallTsu = Folded("っ")[0];
const char16_t SyllabicN = Folded("ん")[0];

struct Spelling {
    FoldedText kana;  // one or two units
    std::string romaji;
};

// The rows by the slot of their first kana, and which letters can begin each slot's romaji.
struct RomajiTable {
    std::array<std::vector<Spelling>, Slots> bySlot;
    std::array<std::uint32_t, Slots> firstLetters{};

    RomajiTable()
    {
        for (const Row& row : Rows)
            for (std::string& romaji : Words(row.spellings))
                Add(Folded(row.kana), std::move(romaji));
        for (const Row& row : YRows)
            for (const auto& [small, vowel] : SmallY)
                for (const std::string& consonants : Words(row.spellings))
                    Add(Folded(std::string(row.kana) + small), consonants + vowel);
        // A doubled consonant spells っ before the kana it doubles.
        for (char c = 'a'; c <= 'z'; ++c)
            if (!IsVowel(c) && c != 'n')
                firstLetters[Slot(SmallTsu)] |= LetterBit(c);
    }

    void Add(FoldedText kana, std::string romaji)
    {
        const int slot = Slot(kana[0]);
        firstLetters[slot] |= LetterBit(romaji[0]);
        bySlot[slot].push_back({std::move(kana), std::move(romaji)});
    }
};

const RomajiTable& Romaji()
{
    static const RomajiTable table;
    return table;
}

}  // namespace

ReadingMatcher::ReadingMatcher(FoldedText typed) : typed_(std::move(typed))
{
    if (typed_.empty())
        return;
    // Where a match can begin: the first typed unit itself, and the kana with a spelling
    // that agrees with the typed text's beginning, so that most places are passed over
    // on one look.
    const char16_t first = typed_[0];
    CanStartAt(first);
    if (!LetterBit(first))
        return;
    const RomajiTable& table = Romaji();
    for (size_t slot = 0; slot < Slots; ++slot) {
        for (const Spelling& spelling : table.bySlot[slot]) {
            const size_t length = std::min(spelling.romaji.size(), typed_.size());
            if (std::equal(spelling.romaji.begin(), spelling.romaji.begin() + length, typed_.begin()))
                CanStartAt(spelling.kana[0]);
        }
    }
    const char16_t second = typed_.size() > 1 ? typed_[1] : first;
    if (first == 'n')
        CanStartAt(SyllabicN);
    if (!IsVowel(first) && first != 'n' && (second == first || (first == 't' && second == 'c')))
        CanStartAt(SmallTsu);
}

void ReadingMatcher::CanStartAt(char16_t unit)
{
    startsMatch_.set(unit);
    if (Slot(unit) >= 0 || typed_.size() == 1) {
        unitStarts_ |= UnitBit(unit);
    } else {
        // Only itself: then the second typed unit, as it is or read from a kana.
        pairStarts_ |= PairBit(unit, typed_[1]) | PairBit(unit, AnyKana);
    }
}

ReadingMatcher::Summary ReadingMatcher::Summarize(std::u16string_view entry)
{
    Summary summary;
    for (size_t at = 0; at < entry.size(); ++at) {
        summary.units |= UnitBit(entry[at]);
        if (at + 1 < entry.size())
            summary.pairs |= PairBit(entry[at], entry[at + 1]);
    }
    return summary;
}

bool ReadingMatcher::Matches(std::u16string_view entry, bool partial)
{
    if (typed_.empty())
        return false;
    const size_t starts = partial ? entry.size() : std::min<size_t>(entry.size(), 1);
    size_t at = 0;
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
        // A unit that is no kana matches only itself; the one after it must then take
        // the second typed unit the same way, or be a kana. Most letters of ASCII names
        // stop here.
        if (Slot(entry[at]) < 0 && typed_.size() > 1 && at + 1 < entry.size() && Slot(entry[at + 1]) < 0 &&
            entry[at + 1] != typed_[1])
            continue;
        if (From(0, at))
            return true;
    }
    return false;
}

// Whether typed_ from typedAt reads entry_ from entryAt on.
bool ReadingMatcher::From(size_t typedAt, size_t entryAt)
{
    if (typedAt == typed_.size())
        return true;
    if (entryAt == entry_.size())
        return false;
    std::uint32_t& failed = failed_[typedAt * (entry_.size() + 1) + entryAt];
    if (failed == stamp_)
        return false;

    const char16_t t = typed_[typedAt];
    const char16_t e = entry_[entryAt];
    if (t == e && From(typedAt + 1, entryAt + 1))
        return true;
    const int slot = Slot(e);
    if (slot >= 0 && LetterBit(t)) {
        const size_t left = typed_.size() - typedAt;
        for (const Spelling& spelling : Romaji().bySlot[slot]) {
            if (entry_.substr(entryAt, spelling.kana.size()) != spelling.kana)
                continue;
            const std::string& romaji = spelling.romaji;
            size_t same = 0;
            while (same < romaji.size() && same < left && typed_[typedAt + same] == romaji[same])
                ++same;
            if (same == romaji.size() && From(typedAt + same, entryAt + spelling.kana.size()))
                return true;
            if (same == left)  // the typed text ends inside this syllable
                return true;
        }
        const bool more = left > 1;
        const char16_t next = more ? typed_[typedAt + 1] : 0;
        // ん as a lone "n" before anything that would not make it a syllable of its own.
        if (e == SyllabicN && t == 'n' && more && !IsVowel(next) && next != 'y' && From(typedAt + 1, entryAt + 1))
            return true;
        // っ as the doubled first consonant of the next kana; Hepburn writes っち "tchi".
        if (e == SmallTsu && !IsVowel(t) && t != 'n' && LetterBit(t) < (1u << 26) && entryAt + 1 < entry_.size()) {
            if (!more) {
                const int following = Slot(entry_[entryAt + 1]);
                const std::uint32_t letters = following >= 0 ? Romaji().firstLetters[following] : 0;
                if (letters & (LetterBit(t) | (t == 't' ? LetterBit('c') : 0)))
                    return true;
            } else if ((next == t || (t == 't' && next == 'c')) && From(typedAt + 1, entryAt + 1)) {
                return true;
            }
        }
    }
    failed = stamp_;
    return false;
}

}  // namespace veskor
