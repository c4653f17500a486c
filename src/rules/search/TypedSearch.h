#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "history/History.h"
#include "platform/Platform.h"
#include "search/Initials.h"
#include "search/SearchIndex.h"

namespace veskor {

// What the history list shows for a typed text.
struct Shown {
    std::vector<std::uint32_t> rows;  // indices into the history, in its order
    bool byReading = false;           // matched by reading or by initials, not as typed: never completed
};

// The entries whose text begins with (contains, when `partial`) the non-empty `typed`;
// when none does, the entries that read the same, then those whose words begin with the
// typed letters.
Shown FindShown(SearchIndex& index, InitialsIndex& initials, const History& history, const TextRules& rules,
                const std::string& typed, bool partial);

// How the field is completed with the first entry shown. The completed tail starts where
// the user's own text ends: at the selection's start, which is the caret when nothing is
// selected.
struct Completion {
    std::int32_t typedChars = 0;  // characters of the user's own text
    bool replaces = false;        // the field becomes the entry, its bytes from `tailStart` selected
    std::size_t tailStart = 0;
};
// A field that already holds the entry (a release that changed nothing: Shift, or a name
// typed in full) is left as it is, with the user's own selection.
Completion CompleteWith(const std::string& typed, int selectionStart, const std::string& first);

}  // namespace veskor
