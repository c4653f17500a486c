#pragma once
#include <array>
#include <utility>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "form/FormControls.h"
#include "platform/Controls.h"

// In-memory controls that behave like the toolkit's where the program relies on it:
// one focus per window, select-all on focus, CP932-safe selections, an extended
// multiple-selection list with a caret.
namespace veskor::test {

// The window-wide input state that several controls of one window consult.
struct FocusTracker {
    const Control* focused = nullptr;
    // While true, an edit field that takes the focus keeps its selection (a click into it).
    bool leftButtonDown = false;
};

// Visibility and focus, shared by every kind of fake control.
template <class Base>
class FakeControl : public Base {
public:
    explicit FakeControl(FocusTracker& focus, bool visible = true) : focus_(focus), visible_(visible) {}

    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override
    {
        visible_ = visible;
        if (!visible && focus_.focused == this)
            focus_.focused = nullptr;
    }
    // The program promises never to focus a hidden control; a fake that allowed it would hide the fault.
    void SetFocus() override
    {
        if (!visible_)
            throw std::logic_error("SetFocus on a hidden control");
        if (focus_.focused == this)
            return;
        focus_.focused = this;
        GotFocus();
    }
    bool Focused() const override { return focus_.focused == this; }

protected:
    virtual void GotFocus() {}
    FocusTracker& focus_;

private:
    bool visible_;
};

// A single-line edit field: its text and a byte-position selection.
class FakeEdit : public FakeControl<EditField> {
public:
    using FakeControl::FakeControl;

    std::string Text() const override { return text_; }
    // Like the real field: the caret goes to the start and nothing is selected.
    void SetText(const std::string& text) override;
    void SetSelection(int start, int length) override;
    int SelectionStart() const override { return selStart_; }
    int SelectionLength() const override { return selLength_; }

    std::string SelectedText() const;
    // The user types `typed`: it replaces the selection and the caret follows it.
    void Type(const std::string& typed);
    // The user presses Backspace: the selection goes, or else the whole character before the caret.
    void Backspace();
    // Home (0) or End (the text's size): the caret goes to byte `to`; with Shift held the
    // selection runs from its anchor, the end the caret is not at, to there.
    void MoveCaret(int to, bool shift);

protected:
    void GotFocus() override;

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool caretAtStart_ = false;  // a selection made backwards
};

// An extended multiple-selection list box: a selection set and a caret that need not agree.
class FakeList : public FakeControl<ListField> {
public:
    using FakeControl::FakeControl;

    int CurrentIndex() const override { return caret_; }
    void SetCurrentIndex(int index) override;
    int SelectedCount() const override;
    int TopIndex() const override { return top; }
    int RowsInView() const override { return rowsInView; }
    void RowsChanged(int first, int count) override { changedRows.push_back({first, count}); }

    int top = 0;
    int rowsInView = 10;
    std::vector<std::pair<int, int>> changedRows;  // what RowsChanged was told, in order

    // What a user's mouse does to an extended-selection list. Each raises no event:
    // the caller dispatches the list's click handler as the window would.
    void ClickItem(int index);       // selects only this item
    void CtrlClickItem(int index);   // toggles this item, keeps the others
    void ShiftClickItem(int index);  // selects the range from the anchor to this item
    // Up (-1) or Down (+1) as the list handles them: the caret moves and only its item is
    // selected. False when the caret cannot move, and then nothing changes.
    bool ArrowKey(int delta);
    // Sets an item's selection directly, without moving the caret.
    void SetSelected(int index, bool selected);
    std::vector<int> SelectedRows() const override;

protected:
    void ItemsReset() override;
    void ItemInserted(int index) override;
    void ItemRemoved(int index) override;

private:
    void CheckIndex(int index) const;

    std::vector<bool> selected_;
    int caret_ = -1;
    int anchor_ = -1;
};

// A push button: what the program sets on it, nothing drawn.
class FakeButton : public FakeControl<Button> {
public:
    FakeButton(FocusTracker& focus, std::string caption = "", bool visible = true, bool isDefault = false,
               std::string tooltip = "");

    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    bool IsDefault() const override { return default_; }
    void SetDefault(bool isDefault) override { default_ = isDefault; }
    std::string Tooltip() const override { return tooltip_; }
    void SetTooltip(const std::string& tooltip) override { tooltip_ = tooltip; }

private:
    std::string caption_;
    bool default_;
    std::string tooltip_;
};

// One error box the window showed.
struct ErrorBox {
    std::string caption;
    std::string text;
    bool operator==(const ErrorBox&) const = default;
};

// The outer bounds last given to the window.
struct Bounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Bounds&) const = default;
};

// The window: what the program wrote to it and asked of it.
class FakeWindow : public FormWindow {
public:
    std::string Title() const override { return title; }
    void SetTitle(const std::string& text) override { title = text; }
    void Place(int x, int y, int width, int height) override;
    void BringToFront() override { ++bringToFrontCount; }
    void EndProgram() override { ++endProgramCount; }
    void ShowError(const std::string& caption, const std::string& text) override { errors.push_back({caption, text}); }

    bool Ended() const { return endProgramCount > 0; }

    std::string title;
    Bounds bounds;
    int placeCount = 0;
    int bringToFrontCount = 0;
    int endProgramCount = 0;
    std::vector<ErrorBox> errors;
};

// The window's controls as the program creates them (layout::Controls), kept in memory.
struct FakeFormControls {
    FakeFormControls();

    FormControls Form() { return {window, Edit1, ListBox1, Edit2, buttons}; }
    FakeButton& operator[](ButtonId id) { return *buttons[static_cast<size_t>(id)]; }

    FocusTracker focus;
    FakeWindow window;
    FakeEdit Edit1;
    FakeList ListBox1;
    FakeEdit Edit2;
    std::array<std::unique_ptr<FakeButton>, ButtonCount> buttons;
};

}  // namespace veskor::test
