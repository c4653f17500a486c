#pragma once
#include <array>

#include "app/Events.h"
#include "app/Layout.h"

// What the window does with a key before the focused control sees it: plain Enter and
// Esc go to the buttons, Tab moves the focus, everything else reaches the control's
// key-down handler. The message loop asks this and applies the answer.
namespace veskor {

enum class FocusKind { None, Edit1, ListBox1, Edit2, Button };

// The window's state that decides where a key goes.
struct KeyTarget {
    FocusKind focus = FocusKind::None;
    ButtonId focusedButton = ButtonId::okButton;  // when focus is Button
    bool hasShownDefault = false;
    ButtonId shownDefault = ButtonId::okButton;   // the shown button with the default flag
    bool escShown = true;
};

struct KeyRoute {
    enum class Action { ToFocusedControl, ClickButton, FocusNext, FocusPrevious };
    Action action = Action::ToFocusedControl;
    ButtonId button = ButtonId::okButton;  // when action is ClickButton

    bool operator==(const KeyRoute&) const = default;
};

KeyRoute RouteKey(const KeyEvent& key, const KeyTarget& target);

// The control that Tab (step +1) or Shift+Tab (-1) moves to, as an index into
// layout::Controls, among those `focusable` marks (shown, with a tab stop). From -1 (no
// control focused) Tab goes to the first and Shift+Tab to the last. -1 when none can take it.
int TabTarget(int current, int step, const std::array<bool, layout::Controls.size()>& focusable);

}  // namespace veskor
