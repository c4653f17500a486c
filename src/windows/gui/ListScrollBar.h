#pragma once
#include "win32/Win32Api.h"

namespace veskor::gui {

// The history list's scroll bar, kept by the window instead of by the list box. A list box
// made with WS_VSCROLL sets its scroll bar on every refill and has it drawn at once, which
// costs milliseconds a key under Wine even when the bar looks the same, as it does for any
// two long lists shown from their top. Made without the style, the list leaves the bar
// alone (on Windows as on Wine); this keeps range, page and position in step with the list
// and has the bar painted with the list, and only when its look changed.
class ListScrollBar {
public:
    explicit ListScrollBar(HWND list = nullptr) : list_(list) {}

    // After each message the list handled, except those that arrived while it handled
    // another (the list tells only of the outermost, and asks its questions inside it).
    // While the list's drawing is off the bar waits: a refill turns it off, empties and
    // fills the list, and the bar follows once, at the end.
    void Heard(UINT msg, WPARAM wParam);

private:
    void Follow();

    HWND list_;
    int count_ = 0, top_ = 0, page_ = 0;  // as last given to the bar
    bool drawingOff_ = false;
};

}  // namespace veskor::gui
