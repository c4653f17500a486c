#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The window as the core sees it: a few kinds of control with the behaviour the
// program relies on. The Win32 side forwards to real controls; the host tests use
// the in-memory ones in tests/support.
namespace veskor {

class Control {
public:
    virtual ~Control() = default;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    // An edit field that takes the focus selects its whole text unless the left
    // mouse button is down. Never called for a hidden control.
    virtual void SetFocus() = 0;
    virtual bool Focused() const = 0;
};

class EditField : public Control {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Byte positions in the CP932 text. The control never splits a double-byte
    // character: a start or end inside one moves to the character's end.
    virtual void SetSelection(int start, int length) = 0;
    virtual int SelectionStart() const = 0;
    virtual int SelectionLength() const = 0;
};

// The list box keeps its items here, so each kind of control only tracks the
// selection and the caret (the Win32 one draws from Item() without copying). The items
// are texts the list owns, or a view: rows of a shared, unchanging list of texts (the
// history), so that refilling it on every key copies no text however long the history.
class ListField : public Control {
public:
    using Texts = std::shared_ptr<const std::vector<std::string>>;

    int Count() const { return static_cast<int>(allRows_ ? texts_->size() : rows_.size()); }
    // Raises "リストのインデックスが範囲を超えています (%d)" outside 0..Count-1.
    const std::string& Item(int index) const;
    std::vector<std::string> Items() const;  // a copy of every item

    // Each replaces every item; no item stays selected and the caret goes to the first
    // item (to none when there is no item), as a refilled list box does.
    void Assign(std::vector<std::string> items);
    void Clear() { Assign({}); }
    // Every text of `texts`, in order.
    void ShowAll(Texts texts);
    // The texts at `rows` of `texts`, in that order; each row must be inside `texts`.
    void ShowRows(Texts texts, std::vector<std::uint32_t> rows);

    // A view becomes texts of the list's own first.
    void Insert(int index, const std::string& item);  // range error outside 0..Count
    void Remove(int index);                          // range error outside 0..Count-1

    // Why an item cannot be started (drawn greyed, told to screen readers), or null: the
    // list asks `unavailable` with the item's text whenever it draws or describes a row.
    using Unavailability = std::function<const char*(const std::string& item)>;
    void SetUnavailability(Unavailability unavailable) { unavailable_ = std::move(unavailable); }
    const char* Unavailable(int index) const { return unavailable_ ? unavailable_(Item(index)) : nullptr; }

    // The rows on the screen: the first one, and how many fit (a partly shown one included).
    virtual int TopIndex() const = 0;
    virtual int RowsInView() const = 0;
    // The look of rows from `first` (`count` of them) may have changed: they are drawn again.
    virtual void RowsChanged(int first, int count) = 0;

    // The caret: the item with the focus rectangle, -1 for none. Setting it selects nothing.
    virtual int CurrentIndex() const = 0;
    virtual void SetCurrentIndex(int index) = 0;
    // The selected items, ascending, asked of the control in one call.
    virtual std::vector<int> SelectedRows() const = 0;
    virtual int SelectedCount() const = 0;

protected:
    virtual void ItemsReset() = 0;
    virtual void ItemInserted(int index) = 0;
    virtual void ItemRemoved(int index) = 0;

private:
    std::vector<std::string>& Owned();

    Texts texts_ = std::make_shared<const std::vector<std::string>>();
    std::vector<std::uint32_t> rows_;
    bool allRows_ = true;  // every text of texts_, rows_ unused
    // texts_ itself when the list owns its texts, which it may then change.
    std::shared_ptr<std::vector<std::string>> owned_;
    Unavailability unavailable_;
};

class Button : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual bool IsDefault() const = 0;
    virtual void SetDefault(bool isDefault) = 0;
    virtual std::string Tooltip() const = 0;
    virtual void SetTooltip(const std::string& tooltip) = 0;
};

// The window itself: its title is the status line.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual std::string Title() const = 0;
    virtual void SetTitle(const std::string& title) = 0;
    // Outer bounds in screen pixels, without repainting.
    virtual void Place(int x, int y, int width, int height) = 0;
    virtual void BringToFront() = 0;
    // Ends the message loop and destroys the window; called once the close handler agreed.
    virtual void EndProgram() = 0;
    // The modal error box: error icon, one OK button.
    virtual void ShowError(const std::string& caption, const std::string& text) = 0;
};

}  // namespace veskor
