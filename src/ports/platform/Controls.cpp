#include "platform/Controls.h"

#include "text/Error.h"

namespace veskor {

const std::string& ListField::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw IndexError(index);
    const size_t at = static_cast<size_t>(index);
    return (*texts_)[allRows_ ? at : rows_[at]];
}

std::vector<std::string> ListField::Items() const
{
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        items.push_back(Item(i));
    return items;
}

void ListField::Assign(std::vector<std::string> items)
{
    owned_ = std::make_shared<std::vector<std::string>>(std::move(items));
    texts_ = owned_;
    rows_.clear();
    allRows_ = true;
    ItemsReset();
}

void ListField::ShowAll(Texts texts)
{
    owned_.reset();
    texts_ = std::move(texts);
    rows_.clear();
    allRows_ = true;
    ItemsReset();
}

void ListField::ShowRows(Texts texts, std::vector<std::uint32_t> rows)
{
    owned_.reset();
    texts_ = std::move(texts);
    rows_ = std::move(rows);
    allRows_ = false;
    ItemsReset();
}

std::vector<std::string>& ListField::Owned()
{
    if (!owned_) {
        owned_ = std::make_shared<std::vector<std::string>>(Items());
        texts_ = owned_;
        rows_.clear();
        allRows_ = true;
    }
    return *owned_;
}

void ListField::Insert(int index, const std::string& item)
{
    if (index < 0 || index > Count())
        throw IndexError(index);
    std::string text = item;  // `item` may be one of the shared texts that Owned lets go
    std::vector<std::string>& items = Owned();
    items.insert(items.begin() + index, std::move(text));
    ItemInserted(index);
}

void ListField::Remove(int index)
{
    if (index < 0 || index >= Count())
        throw IndexError(index);
    std::vector<std::string>& items = Owned();
    items.erase(items.begin() + index);
    ItemRemoved(index);
}

}  // namespace veskor
