#pragma once
#include <vector>

#include "win32/Win32Api.h"

namespace veskor::gui {

// The WinEvents the system's own list raises and an owner-drawn list without strings must
// raise itself, for assistive technology to follow it: the caret's row taking the focus,
// the selection changing, rows coming and going, and a refill.
class ListEvents {
public:
    explicit ListEvents(HWND list = nullptr) : list_(list) {}

    // Raised later, once the message at hand is done: the list posts itself this message
    // with the event as wParam, and hands it back to Posted.
    static constexpr UINT LaterMessage = WM_APP + 0x12;
    void Posted(DWORD event);

    void Raise(DWORD event, int child) const;
    // `row` (the caret's) has the focus.
    void Focus(int row) const;
    // The selection is now `rows` (ascending): one event for what changed since last told.
    void Selection(const std::vector<int>& rows);
    // Rows came or went with the selection moving along: told by the row's own event.
    void RowCreated(int row, std::vector<int> selection);
    void RowDestroyed(int row, std::vector<int> selection);
    // A refill clears the list and fills it, perhaps twice: one event tells of it all.
    void Refilled();

private:
    HWND list_;
    std::vector<int> announcedSelection_;  // the selection that events last told of
    bool reorderPending_ = false;          // a refill's event is posted and not yet raised
};

}  // namespace veskor::gui
