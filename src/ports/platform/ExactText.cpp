#include "platform/ExactText.h"

namespace veskor {

ExactText ExactText::Prefix(size_t bytes) const
{
    ExactText prefix(text_.substr(0, bytes));
    for (const Unwritable& kept : unwritables_) {
        if (kept.at < prefix.text_.size())
            prefix.unwritables_.push_back(kept);
    }
    return prefix;
}

void ExactText::AppendUnwritable(std::u16string units)
{
    unwritables_.push_back({text_.size(), std::move(units)});
    text_ += '?';
}

}  // namespace veskor
