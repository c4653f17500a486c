#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/History.h"

namespace veskor {

// The first letter of each word of an entry, lower-cased: a word begins at the entry's
// start, after a space, "-", "_", "." or "(", at every upper-case letter and at a run of
// digits ("Visual Studio Code" gives "vsc", "VSCode" too, "7-Zip" gives "7z"). A word
// that begins with any other character (kana, kanji, a symbol) has an initial no typed
// text matches.
std::string InitialsOf(std::string_view entry);

// Finds long names by a few letters: the entries whose initials hold the typed letters
// as a run, from any word on ("mp" finds Windows Media Player). The initials of the
// whole history are made once per change of it.
class InitialsIndex {
public:
    // Indices into `history`, in its order. Letter case is ignored; a typed text that
    // holds anything but ASCII letters and digits matches nothing.
    std::vector<std::uint32_t> Matches(const History& history, const std::string& typed);

private:
    void Refresh(const History& history);

    std::string initials_;  // every entry's initials, back to back; entry i's end at ends_[i]
    std::vector<std::size_t> ends_;
    const History* history_ = nullptr;
    std::uint64_t revision_ = 0;
};

}  // namespace veskor
