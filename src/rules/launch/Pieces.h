#pragma once
#include <string>
#include <vector>

namespace veskor {

// A command text cut at every ";", left to right, empty pieces kept: "a;;b;" gives
// a, "", b, "". A ";" byte is never part of a double-byte character, so a byte search is safe.
std::vector<std::string> SplitPieces(const std::string& text);

}  // namespace veskor
