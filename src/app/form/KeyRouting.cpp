#include "form/KeyRouting.h"

#include <cstddef>

#include "form/TForm1.h"

namespace veskor {

namespace {

bool Plain(const KeyEvent& key) { return !key.shift && !key.ctrl && !key.alt; }

KeyRoute Click(ButtonId id) { return {KeyRoute::Action::ClickButton, id}; }

// The focused control's key-down handler, before the control's own handling.
void RunKeyDownHandler(TForm1& form, FocusKind focus, const KeyEvent& key)
{
    switch (focus) {
    case FocusKind::Edit1: form.Dispatch([&] { form.edit1KeyDown(key); }); break;
    case FocusKind::ListBox1: form.Dispatch([&] { form.ListBox1KeyDown(key); }); break;
    case FocusKind::Edit2: form.Dispatch([&] { form.Edit2KeyDown(key); }); break;
    case FocusKind::Button:
    case FocusKind::None: break;
    }
}

}  // namespace

// The order in which a key travels:
//  1. A key press goes to RouteKey first. Plain Enter clicks the focused or the shown
//     default button and plain Esc clicks escButton; Tab and Shift+Tab move the focus.
//     Such a key stops here: no handler and no control sees it, and it makes no character.
//  2. Any other key press runs the key-down handler of the control it was sent to
//     (edit1KeyDown, ListBox1KeyDown, Edit2KeyDown). The handler never takes the key: it
//     then goes on to that control, even when the handler moved the focus.
//  3. A key release in Edit1 runs Edit1KeyUp, then reaches the field.
// Once the window has closed, no key goes anywhere.
bool PressKey(TForm1& form, const Control* sentTo, const KeyEvent& key)
{
    if (form.Closed())
        return false;
    const FormControls& controls = form.controls();
    const KeyTarget target = KeyTargetOf(controls, sentTo);
    const KeyRoute route = RouteKey(key, target);
    switch (route.action) {
    case KeyRoute::Action::ClickButton:
        form.Dispatch([&] { form.Click(route.button); });
        return false;
    case KeyRoute::Action::FocusNext:
        MoveFocus(controls, 1);
        return false;
    case KeyRoute::Action::FocusPrevious:
        MoveFocus(controls, -1);
        return false;
    case KeyRoute::Action::ToFocusedControl:
        break;
    }
    RunKeyDownHandler(form, target.focus, key);
    return !form.Closed();
}

void ReleaseKey(TForm1& form, const Control* sentTo, int key)
{
    if (sentTo == &form.controls().Edit1)
        form.Dispatch([&] { form.Edit1KeyUp(key); });
}

KeyTarget KeyTargetOf(const FormControls& controls, const Control* sentTo)
{
    KeyTarget target;
    if (sentTo == &controls.Edit1)
        target.focus = FocusKind::Edit1;
    else if (sentTo == &controls.ListBox1)
        target.focus = FocusKind::ListBox1;
    else if (sentTo == &controls.Edit2)
        target.focus = FocusKind::Edit2;
    for (size_t i = 0; i < controls.buttons.size(); ++i) {
        const Button& button = *controls.buttons[i];
        if (sentTo == &button) {
            target.focus = FocusKind::Button;
            target.focusedButton = static_cast<ButtonId>(i);
        }
        if (!target.hasShownDefault && button.Visible() && button.IsDefault()) {
            target.hasShownDefault = true;
            target.shownDefault = static_cast<ButtonId>(i);
        }
    }
    target.escShown = controls[ButtonId::escButton].Visible();
    return target;
}

KeyRoute RouteKey(const KeyEvent& key, const KeyTarget& target)
{
    if (key.key == vk::Return && Plain(key)) {
        if (target.focus == FocusKind::Button)
            return Click(target.focusedButton);
        if (target.hasShownDefault)
            return Click(target.shownDefault);
    }
    if (key.key == vk::Escape && Plain(key) && target.escShown)
        return Click(ButtonId::escButton);
    if (key.key == vk::Tab && !key.ctrl && !key.alt)
        return {key.shift ? KeyRoute::Action::FocusPrevious : KeyRoute::Action::FocusNext};
    return {};
}

void MoveFocus(const FormControls& controls, int step)
{
    std::array<bool, layout::Controls.size()> focusable{};
    int current = -1;
    for (size_t i = 0; i < focusable.size(); ++i) {
        const Control& control = controls.InTabOrder(i);
        focusable[i] = layout::Controls[i].tabStop && control.Visible();
        if (control.Focused())
            current = static_cast<int>(i);
    }
    const int next = TabTarget(current, step, focusable);
    if (next >= 0)
        controls.InTabOrder(static_cast<size_t>(next)).SetFocus();
}

int TabTarget(int current, int step, const std::array<bool, layout::Controls.size()>& focusable)
{
    const int count = static_cast<int>(focusable.size());
    int index = current;
    if (index < 0 || index >= count)
        index = step > 0 ? -1 : count;
    for (int i = 0; i < count; ++i) {
        index = ((index + step) % count + count) % count;
        if (focusable[static_cast<size_t>(index)])
            return index;
    }
    return -1;
}

}  // namespace veskor
