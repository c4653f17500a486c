#include "platform/Cp932.h"

#include <algorithm>
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

}  // namespace veskor
