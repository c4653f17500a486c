#include "search/Reading.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <string_view>
#include <utility>

#include "search/KanjiReadings.h"
#include "search/Romaji.h"
#include "search/SoundedReadings.h"

namespace veskor {

namespace {

constexpr char16_t MiddleDot = 0x8145;  // ・

// Units a name puts between its words, which its reading passes over.
bool IsGap(char16_t unit) { return unit == ' ' || unit == MiddleDot; }

// A kanji, or the mark that repeats the one before it: what a compound is made of.
constexpr char16_t FirstKanjiCode = 0x889F;
bool IsKanji(char16_t unit) { return unit >= FirstKanjiCode || unit == IterationMark; }

// The kana that lengthen the vowel before them, besides ー.
constexpr char16_t LongU = 0x8345;  // ウ
constexpr char16_t LongO = 0x8349;  // オ

}  // namespace

ReadingMatcher::ReadingMatcher(FoldedText typed, LongVowels longVowels)
    : typed_(std::move(typed)), longVowels_(longVowels)
{
    std::erase(typed_, u' ');
    if (typed_.empty())
        return;
    // Where a match can begin: the first typed unit itself, the kana with a spelling
    // that agrees with the typed text's beginning, and the kanji and words with a reading
    // that the typed text begins or begins with, so that most places are passed over on
    // one look.
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
        if (LoneN(first, second))
            CanStartAt(SyllabicN);
        if (DoubledBy(first) & LetterBit(second))
            CanStartAt(SmallTsu);
    }
    if (kana.any())
        CanStartWithKanji(kana);
}

// The kanji and words with a reading the typed text begins, or begins with.
void ReadingMatcher::CanStartWithKanji(const SlotSet& kana)
{
    const SoundedReadings& table = SoundedReadings::Get();
    openEnd_ = true;
    for (size_t slot = 0; slot < Slots; ++slot) {
        if (!kana[slot])
            continue;
        for (std::uint32_t index : table.bySlot[slot]) {
            const SoundedReadings::Start& start = table.starts[index];
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
        if (readings.BeginsWord(e)) {
            for (const KanjiReadings::Word& word : readings.WordsFrom(e)) {
                const auto resume = static_cast<std::uint32_t>(entryAt + word.text.size());
                if (entry_.substr(entryAt, word.text.size()) == word.text &&
                    From(typedAt, Place{static_cast<std::uint32_t>(entryAt), resume, word.reading}))
                    return true;
            }
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
    const SoundChanges changes{
        .voices = before > 0xFF && !IsGap(before),
        .halfVoices = IsKanji(before) || before == SyllabicN || before == SmallTsu,
        .doubles = entryAt + 1 < entry_.size() && IsKanji(entry_[entryAt + 1]),
    };
    const auto at = static_cast<std::uint32_t>(entryAt);
    if (typed_.size() >= 64)  // beyond what an outcome holds: read on through the entry
        return ReadKanji(typedAt, at, kanji, changes);

    // How the kanji's readings take the typed text from typedAt depends on the kanji, the
    // sound changes its neighbours allow and the typed text alone: worked out once per
    // typed text, then only continued in each entry.
    const OutcomeKey key{static_cast<std::uint32_t>(typedAt), kanji, changes};
    if (outcomes_.empty())
        outcomes_.resize(OutcomeSlots);
    Outcome& outcome = outcomes_[key.Hash() >> (32 - OutcomeBits)];
    if (!outcome.known || !(outcome.key == key)) {
        outcome = Outcome{true, key};
        Outcome* const outer = collecting_;
        collecting_ = &outcome;
        outcome.reads = ReadKanji(typedAt, at, kanji, changes);
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

std::uint32_t ReadingMatcher::OutcomeKey::Hash() const
{
    const std::uint32_t packed = typedAt << 19 | (changes.voices ? 1u << 16 : 0) | (changes.halfVoices ? 1u << 17 : 0) |
                                 (changes.doubles ? 1u << 18 : 0) | kanji;
    return packed * 0x9E3779B1u;
}

// Each reading of the kanji at `at`, as the sound changes allowed make it sound.
bool ReadingMatcher::ReadKanji(size_t typedAt, std::uint32_t at, char16_t kanji, SoundChanges changes)
{
    const size_t index = KanjiReadings::Get().IndexOf(kanji);
    if (!index)
        return false;
    const SoundedReadings& sounds = SoundedReadings::Get();
    const char16_t t = typed_[typedAt];
    const std::uint32_t letter = LetterBit(t);
    if (letter && !(sounds.letters[index - 1] & letter))
        return false;
    const std::uint32_t from = index == 1 ? 0 : sounds.soundedEnd[index - 2];
    for (std::uint32_t r = from; r < sounds.soundedEnd[index - 1]; ++r) {
        const SoundedReadings::Sounded& reading = sounds.sounded[r];
        for (size_t change = 0; change < reading.first.size(); ++change) {
            const char16_t first = reading.first[change];
            if (!first || (change == 1 && !changes.voices) || (change == 2 && !changes.halfVoices))
                continue;
            if (letter ? !(reading.letters[change] & letter) : t != first)
                continue;
            const char16_t changed = change ? first : 0;
            if (From(typedAt, Place{at, at + 1, reading.kana, 0, changed, 0}) ||
                (changes.doubles && reading.doubles &&
                 From(typedAt, Place{at, at + 1, reading.kana, 0, changed, SmallTsu})))
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
        // A lone "n" also at the end of a kanji's reading, where names are written so
        // (shinyou, kanon). When the typed text ends at "m", the next kana decides.
        const bool endsReading = place.run.empty() ? openEnd_ && place.entryAt + 1 == entry_.size()
                                                   : place.at + 1 == place.run.size();
        if (more ? (LoneN(t, following) || (t == 'n' && endsReading)) && From(typedAt + 1, next)
                 : t == 'm' && NextBegins(next, Lips))
            return true;
    }
    // っ as the doubled first consonant of the next kana.
    if (const std::uint32_t doubled = e == SmallTsu ? DoubledBy(t) : 0;
        doubled && (more ? (LetterBit(following) & doubled) && From(typedAt + 1, next) : NextBegins(next, doubled)))
        return true;
    // ー as the vowel it lengthens.
    if (e == LongVowelMark && place.run.empty() && t == VowelBefore(place.entryAt) && From(typedAt + 1, next))
        return true;
    // A long vowel typed short, or a long o as "ou".
    if (longVowels_ == LongVowels::MayBeShort) {
        const char16_t lengthens = Lengthens(place);
        if (lengthens &&
            (From(typedAt, next) || (lengthens == 'o' && t == 'u' && e != LongU && From(typedAt + 1, next))))
            return true;
    }
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

// The vowel that the unit at the place lengthens: ー after any vowel, ウ after o or u, オ
// after o, the vowel before it in the same reading or among the entry's own units; 0 for
// any other unit.
char16_t ReadingMatcher::Lengthens(const Place& place) const
{
    const char16_t unit = Unit(place);
    if (unit != LongVowelMark && unit != LongU && unit != LongO)
        return 0;
    char16_t vowel = 0;
    if (place.run.empty()) {
        vowel = VowelBefore(place.entryAt);
    } else if (place.at > 0) {
        Place before = place;
        --before.at;
        const int slot = Slot(Unit(before));
        vowel = slot >= 0 ? Romaji().vowel[slot] : 0;
    }
    if (unit == LongVowelMark || vowel == 'o')
        return vowel;
    return unit == LongU && vowel == 'u' ? vowel : 0;
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
