#pragma once
#include <array>

#include "form/Events.h"
#include "form/FormControls.h"
#include "form/Layout.h"

// The one place where keys travel. The message loop and the host tests hand every key
// pressed or released in the window to PressKey and ReleaseKey; see KeyRouting.cpp for
// the order in which a key goes.
namespace veskor {

class TForm1;

// Runs a key pressed in the window. `sentTo` is the control the key was sent to (the
// focused one), or null when the window itself has the focus. Returns whether the key then
// goes on to that control's own handling (a list moves its caret, a field takes the character).
bool PressKey(TForm1& form, const Control* sentTo, const KeyEvent& key);
void ReleaseKey(TForm1& form, const Control* sentTo, int key);

enum class FocusKind { None, Edit1, ListBox1, Edit2, Button };

// The window's state that decides where a key goes.
struct KeyTarget {
    FocusKind focus = FocusKind::None;
    ButtonId focusedButton = ButtonId::okButton;  // when focus is Button
    bool hasShownDefault = false;
    ButtonId shownDefault = ButtonId::okButton;   // the first shown button with the default flag
    bool escShown = true;
};

KeyTarget KeyTargetOf(const FormControls& controls, const Control* sentTo);

struct KeyRoute {
    enum class Action { ToFocusedControl, ClickButton, FocusNext, FocusPrevious };
    Action action = Action::ToFocusedControl;
    ButtonId button = ButtonId::okButton;  // when action is ClickButton

    bool operator==(const KeyRoute&) const = default;
};

KeyRoute RouteKey(const KeyEvent& key, const KeyTarget& target);

// Tab (step +1) and Shift+Tab (-1): the focus to the next shown control with a tab stop.
void MoveFocus(const FormControls& controls, int step);

// The control that Tab (step +1) or Shift+Tab (-1) moves to, as an index into
// layout::Controls, among those `focusable` marks (shown, with a tab stop). From -1 (no
// control focused) Tab goes to the first and Shift+Tab to the last. -1 when none can take it.
int TabTarget(int current, int step, const std::array<bool, layout::Controls.size()>& focusable);

}  // namespace veskor
