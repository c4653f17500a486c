#pragma once
#include <string>
#include <utility>
#include <vector>

namespace veskor {

// A text that the system holds in UTF-16 (a shortcut's target or arguments, an installed
// program's path), as the program carries it. The program reads, splits and shows its CP932
// form, Text(), in which each character that CP932 cannot write is one "?"; those characters
// are kept beside it, each at the byte of its "?", and the platform puts them back in their
// places. So a target in "C:\Café 한글" starts from there, and its folder (a part of the text
// from its start) is that folder, not one that does not exist. A text built from CP932 alone
// has nothing kept beside it.
class ExactText {
public:
    // A character that CP932 cannot write: its UTF-16 units, and the byte of Text() that
    // holds its "?".
    struct Unwritable {
        size_t at = 0;
        std::u16string units;
        bool operator==(const Unwritable&) const = default;
    };

    ExactText() = default;
    // CP932 writes the whole text: implicit, so that the core's strings pass as they are.
    ExactText(std::string cp932) : text_(std::move(cp932)) {}
    ExactText(const char* cp932) : text_(cp932) {}

    const std::string& Text() const { return text_; }
    const std::vector<Unwritable>& Unwritables() const { return unwritables_; }
    bool empty() const { return text_.empty(); }

    // The first `bytes` bytes of Text() (ending on a character boundary), with the characters
    // kept for them.
    ExactText Prefix(size_t bytes) const;

    // Building one: CP932 text, or one character that CP932 cannot write (its "?" goes in).
    void Append(const std::string& cp932) { text_ += cp932; }
    void AppendUnwritable(std::u16string units);

    bool operator==(const ExactText&) const = default;

private:
    std::string text_;
    std::vector<Unwritable> unwritables_;
};

}  // namespace veskor
