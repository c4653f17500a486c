#include "support/FakeControls.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "text/Cp932.h"
#include "text/Error.h"

namespace veskor::test {

void FakeEdit::SetText(const std::string& text)
{
    text_ = text;
    selStart_ = 0;
    selLength_ = 0;
}

void FakeEdit::SetSelection(int start, int length)
{
    const ByteRange range = SelectionBytes(text_, start, length);
    selStart_ = static_cast<int>(range.from);
    selLength_ = static_cast<int>(range.to - range.from);
    caretAtStart_ = length < 0;
}

void FakeEdit::MoveCaret(int to, bool shift)
{
    const int anchor = !shift ? to : caretAtStart_ ? selStart_ + selLength_ : selStart_;
    selStart_ = std::min(anchor, to);
    selLength_ = std::abs(anchor - to);
    caretAtStart_ = to < anchor;
}

std::string FakeEdit::SelectedText() const
{
    return text_.substr(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
}

void FakeEdit::Type(const std::string& typed)
{
    text_.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), typed);
    selStart_ += static_cast<int>(typed.size());
    selLength_ = 0;
}

void FakeEdit::Backspace()
{
    if (selLength_ == 0) {
        if (selStart_ == 0)
            return;
        size_t previous = 0;
        for (size_t i = 0; i < static_cast<size_t>(selStart_); i += CharLength(text_, i))
            previous = i;
        selLength_ = selStart_ - static_cast<int>(previous);
        selStart_ = static_cast<int>(previous);
    }
    text_.erase(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
    selLength_ = 0;
}

void FakeEdit::GotFocus()
{
    if (focus_.leftButtonDown)
        return;
    selStart_ = 0;
    selLength_ = static_cast<int>(text_.size());
    caretAtStart_ = false;
}

void FakeList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw IndexError(index);
}

void FakeList::SetCurrentIndex(int index)
{
    if (index < -1 || index >= Count())
        throw std::logic_error("caret set outside the list");
    caret_ = index;
}

int FakeList::SelectedCount() const
{
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void FakeList::ClickItem(int index)
{
    CheckIndex(index);
    SetFocus();
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[static_cast<size_t>(index)] = true;
    caret_ = anchor_ = index;
}

void FakeList::CtrlClickItem(int index)
{
    CheckIndex(index);
    SetFocus();
    selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
    caret_ = anchor_ = index;
}

void FakeList::ShiftClickItem(int index)
{
    CheckIndex(index);
    SetFocus();
    const int anchor = anchor_ < 0 ? index : anchor_;
    std::fill(selected_.begin(), selected_.end(), false);
    for (int i = std::min(anchor, index); i <= std::max(anchor, index); ++i)
        selected_[static_cast<size_t>(i)] = true;
    caret_ = index;
    anchor_ = anchor;
}

bool FakeList::ArrowKey(int delta)
{
    const int target = caret_ < 0 ? 0 : caret_ + delta;
    if (target < 0 || target >= Count() || target == caret_)
        return false;
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[static_cast<size_t>(target)] = true;
    caret_ = anchor_ = target;
    return true;
}

void FakeList::SetSelected(int index, bool selected)
{
    CheckIndex(index);
    selected_[static_cast<size_t>(index)] = selected;
}

std::vector<int> FakeList::SelectedRows() const
{
    std::vector<int> indices;
    for (int i = 0; i < Count(); ++i) {
        if (selected_[static_cast<size_t>(i)])
            indices.push_back(i);
    }
    return indices;
}

void FakeList::ItemsReset()
{
    selected_.assign(static_cast<size_t>(Count()), false);
    caret_ = anchor_ = Count() > 0 ? 0 : -1;
}

void FakeList::ItemInserted(int index)
{
    selected_.insert(selected_.begin() + index, false);
    if (Count() == 1) {
        caret_ = anchor_ = 0;
        return;
    }
    if (caret_ >= index)
        ++caret_;
    if (anchor_ >= index)
        ++anchor_;
}

namespace {

// Where an index that pointed into a list goes when `removed` leaves it (`count` items remain).
int AfterRemoval(int index, int removed, int count)
{
    if (index > removed)
        return index - 1;
    return std::min(index, count - 1);
}

}  // namespace

void FakeList::ItemRemoved(int index)
{
    selected_.erase(selected_.begin() + index);
    caret_ = AfterRemoval(caret_, index, Count());
    anchor_ = AfterRemoval(anchor_, index, Count());
}

FakeButton::FakeButton(FocusTracker& focus, std::string caption, bool visible, bool isDefault, std::string tooltip)
    : FakeControl(focus, visible), caption_(std::move(caption)), default_(isDefault), tooltip_(std::move(tooltip))
{
}

void FakeWindow::Place(int x, int y, int width, int height)
{
    bounds = {x, y, width, height};
    ++placeCount;
}

FakeFormControls::FakeFormControls()
    : Edit1(focus, layout::Controls[0].shownAtCreation),
      ListBox1(focus, layout::Controls[1].shownAtCreation),
      Edit2(focus, layout::Controls[2].shownAtCreation)
{
    for (int i = 0; i < ButtonCount; ++i) {
        const ControlDesign& design = layout::ButtonDesign(static_cast<ButtonId>(i));
        buttons[static_cast<size_t>(i)] = std::make_unique<FakeButton>(
            focus, design.caption, design.shownAtCreation, design.isDefault, design.tooltip);
    }
}

}  // namespace veskor::test
