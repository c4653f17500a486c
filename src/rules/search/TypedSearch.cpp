#include "search/TypedSearch.h"

#include "text/Cp932.h"

namespace veskor {

namespace {

// Byte offset of the character `count` characters after byte `from` (the end at most).
size_t AdvanceChars(const std::string& text, size_t from, long long count)
{
    size_t at = from;
    for (; count > 0 && at < text.size(); --count)
        at += CharLength(text, at);
    return at;
}

}  // namespace

Shown FindShown(SearchIndex& index, InitialsIndex& initials, const History& history, const TextRules& rules,
                const std::string& typed, bool partial)
{
    Shown shown;
    shown.rows = index.Matches(history, rules, typed, partial);
    if (shown.rows.empty()) {
        shown.rows = index.ReadingMatches(history, rules, typed, partial);
        if (shown.rows.empty())
            shown.rows = initials.Matches(history, typed);
        shown.byReading = !shown.rows.empty();
    }
    return shown;
}

Completion CompleteWith(const std::string& typed, int selectionStart, const std::string& first)
{
    Completion completion;
    // Counted in characters; the field takes byte positions of the entry's text.
    completion.typedChars = static_cast<std::int32_t>(CharCount(typed, static_cast<size_t>(selectionStart)));
    if (first != typed) {
        completion.replaces = true;
        completion.tailStart = AdvanceChars(first, 0, completion.typedChars);
    }
    return completion;
}

}  // namespace veskor
