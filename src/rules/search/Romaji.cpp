#include "search/Romaji.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

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

}  // namespace

RomajiTable::RomajiTable()
{
    for (const Row& row : Rows)
        for (std::string& romaji : Words(row.spellings))
            Add(Folded(row.kana), std::move(romaji));
    for (const Row& row : YRows)
        for (const auto& [small, ending] : SmallY)
            for (const std::string& consonants : Words(row.spellings))
                Add(Folded(std::string(row.kana) + small), consonants + ending);
    for (const Row& row : YRows)
        for (const std::string& consonants : Words(row.spellings))
            if (consonants.back() == 'y')
                Add(Folded(std::string(row.kana) + "ぃ"), consonants + 'i');
    // A doubled consonant spells っ before the kana it doubles.
    for (char c = 'a'; c <= 'z'; ++c)
        if (DoubledBy(c))
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

void RomajiTable::Add(FoldedText kana, std::string romaji)
{
    // Every spelling is kept again in the few bytes of a compact row.
    if (romaji.empty() || romaji.size() > std::tuple_size_v<decltype(Compact::romaji)>)
        throw std::length_error("a romaji spelling does not fit its compact row: " + romaji);
    const int slot = Slot(kana[0]);
    firstLetters[slot] |= LetterBit(romaji[0]);
    if (kana.size() == 1 && !vowel[slot] && IsVowel(romaji.back()) && romaji[0] != 'x' && romaji[0] != 'l')
        vowel[slot] = romaji.back();
    bySlot[slot].push_back({std::move(kana), std::move(romaji)});
}

const RomajiTable& Romaji()
{
    static const RomajiTable table;
    return table;
}

}  // namespace veskor
