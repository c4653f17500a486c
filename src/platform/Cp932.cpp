#include "platform/Cp932.h"

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

}  // namespace veskor
