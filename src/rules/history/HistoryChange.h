#pragma once
#include <string>
#include <vector>

namespace veskor {

// One command's effect on the history, kept by its meaning rather than by indexes, so
// that it can be replayed on a history that another copy of the program changed meanwhile.
struct HistoryChange {
    enum class Kind {
        Record,      // the recording rule for `text`, `severalSelected` as it was
        Remove,      // the first entry equal to `text`, if there is one
        Rename,      // Remove of `from`, then `text` inserted at the top
        AddMissing,  // `text` appended unless an equal entry exists
        Clear,
        Sort,
        Folder,      // the shortcut folder became `text`; the entries stay
        RemoveEach,  // every entry equal to one of `texts`
    };
    Kind kind;
    std::string text;
    std::string from;
    bool severalSelected = false;
    std::vector<std::string> texts{};
};

}  // namespace veskor
