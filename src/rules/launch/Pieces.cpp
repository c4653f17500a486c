#include "launch/Pieces.h"

namespace veskor {

std::vector<std::string> SplitPieces(const std::string& text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t semicolon = text.find(';'); semicolon != std::string::npos; semicolon = text.find(';', start)) {
        pieces.push_back(text.substr(start, semicolon - start));
        start = semicolon + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace veskor
