#include "text/Cp932.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace veskor {

size_t SnapToCharBoundary(const std::string& text, size_t pos)
{
    if (pos >= text.size())
        return text.size();
    size_t i = 0;
    while (i < pos)
        i += CharLength(text, i);
    return i;
}

long long CharCount(const std::string& text, size_t bytes)
{
    long long count = 0;
    for (size_t at = 0; at < bytes && at < text.size(); at += CharLength(text, at))
        ++count;
    return count;
}

ByteRange SelectionBytes(const std::string& text, int start, int length)
{
    const long long size = static_cast<long long>(text.size());
    long long from = start;
    long long to = from + length;
    if (to < from)
        std::swap(from, to);
    from = std::clamp(from, 0LL, size);
    to = std::clamp(to, 0LL, size);
    return {SnapToCharBoundary(text, static_cast<size_t>(from)), SnapToCharBoundary(text, static_cast<size_t>(to))};
}

std::u16string LongVowelsSpelled(std::u16string_view text)
{
    // Each marked vowel, capital then small, beside the vowel it lengthens.
    static constexpr struct {
        char16_t capital;
        char16_t small;
        char16_t vowel;
    } Marked[] = {
        {u'\u0100', u'\u0101', u'a'}, {u'\u0112', u'\u0113', u'e'}, {u'\u012A', u'\u012B', u'i'},
        {u'\u014C', u'\u014D', u'o'}, {u'\u016A', u'\u016B', u'u'}, {u'\u00C2', u'\u00E2', u'a'},
        {u'\u00CA', u'\u00EA', u'e'}, {u'\u00CE', u'\u00EE', u'i'}, {u'\u00D4', u'\u00F4', u'o'},
        {u'\u00DB', u'\u00FB', u'u'},
    };
    std::u16string spelled;
    spelled.reserve(text.size());
    for (const char16_t unit : text) {
        const auto* marked = std::find_if(std::begin(Marked), std::end(Marked), [unit](const auto& m) {
            return unit == m.capital || unit == m.small;
        });
        if (marked == std::end(Marked)) {
            spelled += unit;
            continue;
        }
        spelled += unit == marked->capital ? static_cast<char16_t>(marked->vowel - u'a' + u'A') : marked->vowel;
        spelled += marked->vowel == u'o' ? u'u' : marked->vowel;
    }
    return spelled;
}

}  // namespace veskor
