#include "search/Initials.h"

#include <algorithm>

#include "text/Cp932.h"

namespace veskor {

namespace {

bool IsUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsSeparator(unsigned char c) { return c == ' ' || c == '-' || c == '_' || c == '.' || c == '('; }

// Stands for a word's first character that no typed text can hold.
constexpr char Unmatchable = '\0';

}  // namespace

std::string InitialsOf(std::string_view entry)
{
    std::string initials;
    bool wordEnded = true;  // the next character, unless a separator, begins a word
    bool inDigits = false;
    size_t at = 0;
    while (at < entry.size()) {
        const auto c = static_cast<unsigned char>(entry[at]);
        // The second byte of a double-byte character may look like "_" or a letter.
        const size_t length = CharLength(entry, at);
        at += length;
        if (length == 1 && IsSeparator(c)) {
            wordEnded = true;
            inDigits = false;
            continue;
        }
        const bool digit = length == 1 && IsDigit(c);
        const bool begins = wordEnded || (length == 1 && IsUpper(c)) || (digit && !inDigits);
        inDigits = digit;
        wordEnded = false;
        if (!begins)
            continue;
        if (length == 1 && (IsLower(c) || digit))
            initials += static_cast<char>(c);
        else if (length == 1 && IsUpper(c))
            initials += static_cast<char>(c - 'A' + 'a');
        else
            initials += Unmatchable;
    }
    return initials;
}

void InitialsIndex::Refresh(const History& history)
{
    if (history_ == &history && revision_ == history.Revision())
        return;
    initials_.clear();
    ends_.clear();
    ends_.reserve(history.Entries().size());
    for (const std::string& entry : history.Entries()) {
        initials_ += InitialsOf(entry);
        ends_.push_back(initials_.size());
    }
    history_ = &history;
    revision_ = history.Revision();
}

std::vector<std::uint32_t> InitialsIndex::Matches(const History& history, const std::string& typed)
{
    std::string needle;
    needle.reserve(typed.size());
    for (const char ch : typed) {
        const auto c = static_cast<unsigned char>(ch);
        if (!IsLower(c) && !IsUpper(c) && !IsDigit(c))
            return {};
        needle += static_cast<char>(IsUpper(c) ? c - 'A' + 'a' : c);
    }
    if (needle.empty())
        return {};
    Refresh(history);
    // One scan over all initials back to back; a run that crosses into the next entry is
    // not one, and an entry counts once.
    std::vector<std::uint32_t> found;
    const std::string_view all(initials_);
    size_t from = 0;
    auto entry = ends_.begin();
    while (entry != ends_.end()) {
        const size_t at = all.find(needle, from);
        if (at == std::string_view::npos)
            break;
        entry = std::upper_bound(entry, ends_.end(), at);
        if (at + needle.size() <= *entry) {
            found.push_back(static_cast<std::uint32_t>(entry - ends_.begin()));
            from = *entry;
            ++entry;
        } else {
            from = at + 1;
        }
    }
    return found;
}

}  // namespace veskor
