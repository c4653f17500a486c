#include "platform/Controls.h"

#include "platform/Error.h"

namespace veskor {

const std::string& ListField::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw IndexError(index);
    return items_[static_cast<size_t>(index)];
}

void ListField::Assign(std::vector<std::string> items)
{
    items_ = std::move(items);
    ItemsReset();
}

void ListField::Insert(int index, const std::string& item)
{
    if (index < 0 || index > Count())
        throw IndexError(index);
    items_.insert(items_.begin() + index, item);
    ItemInserted(index);
}

void ListField::Remove(int index)
{
    if (index < 0 || index >= Count())
        throw IndexError(index);
    items_.erase(items_.begin() + index);
    ItemRemoved(index);
}

}  // namespace veskor
