#include "gui/ListEvents.h"

#include <utility>

#include "platform/ListAccess.h"

namespace veskor::gui {

void ListEvents::Raise(DWORD event, int child) const { NotifyWinEvent(event, list_, OBJID_CLIENT, child); }

void ListEvents::Focus(int row) const { Raise(EVENT_OBJECT_FOCUS, access::ChildOf(row)); }

void ListEvents::Posted(DWORD event)
{
    if (event == EVENT_OBJECT_REORDER)
        reorderPending_ = false;
    Raise(event, access::Self);
}

void ListEvents::Selection(const std::vector<int>& rows)
{
    static constexpr DWORD events[] = {0, EVENT_OBJECT_SELECTION, EVENT_OBJECT_SELECTIONADD,
                                       EVENT_OBJECT_SELECTIONREMOVE, EVENT_OBJECT_SELECTIONWITHIN};
    const access::SelectionEvent change = access::SelectionChange(announcedSelection_, rows);
    announcedSelection_ = rows;
    if (change.kind != access::SelectionEvent::None)
        Raise(events[change.kind], change.child);
}

void ListEvents::RowCreated(int row, std::vector<int> selection)
{
    Raise(EVENT_OBJECT_CREATE, access::ChildOf(row));
    announcedSelection_ = std::move(selection);
}

void ListEvents::RowDestroyed(int row, std::vector<int> selection)
{
    Raise(EVENT_OBJECT_DESTROY, access::ChildOf(row));
    announcedSelection_ = std::move(selection);
}

void ListEvents::Refilled()
{
    announcedSelection_.clear();
    if (!reorderPending_)
        reorderPending_ = PostMessageW(list_, LaterMessage, EVENT_OBJECT_REORDER, 0) != FALSE;
}

}  // namespace veskor::gui
