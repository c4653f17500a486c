#include "search/SoundedReadings.h"

#include "search/KanjiReadings.h"

namespace veskor {

const SoundedReadings& SoundedReadings::Get()
{
    static const SoundedReadings readings;
    return readings;
}

SoundedReadings::SoundedReadings()
{
    const KanjiReadings& readings = KanjiReadings::Get();
    const RomajiTable& table = Romaji();
    for (char16_t unit : readings.Kanji()) {
        std::uint32_t all = 0;
        for (std::u16string_view reading : readings.Of(unit)) {
            const bool doubles = reading.size() > 1 && table.doubles[Slot(reading.back())];
            Sounded entry{reading, table.Sounded(reading[0]), {}, doubles};
            for (size_t change = 0; change < entry.first.size(); ++change)
                if (entry.first[change])
                    all |= entry.letters[change] = table.firstLetters[Slot(entry.first[change])];
            sounded.push_back(entry);
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

}  // namespace veskor
