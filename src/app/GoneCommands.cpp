#include <algorithm>

#include "app/TForm1.h"
#include "launch/Gone.h"
#include "launch/Purge.h"
#include "platform/Error.h"

namespace veskor {

namespace {

// Links read in one idle slice: a few, so that a key waits a moment at most.
constexpr int LinksPerSlice = 4;

}  // namespace

bool TForm1::CheckLinksWhileIdle()
{
    if (!HistoryList)
        return false;
    ListField& list = c_.ListBox1;
    const int top = std::max(0, list.TopIndex());
    const int end = std::min(list.Count(), top + list.RowsInView());
    std::vector<std::string> inView;
    for (int row = top; row < end; ++row)
        inView.push_back(list.Item(row));
    const GoneChecks::Slice slice = gone_->CheckSome(platform_, ShortcutFolder, *HistoryList, inView, LinksPerSlice);
    if (slice.repaint && end > top)
        list.RowsChanged(top, end - top);
    return slice.more;
}

// The emptied field and the whole history follow, as after a delete.
void TForm1::PurgeGone()
{
    if (!HistoryList)
        return;
    const int removed = RemoveGoneEntries(*HistoryList, *gone_, platform_, ShortcutFolder);
    SetStatus(Format("履歴から %d 件を削除しました (リンク先なし)", removed));
    c_.Edit1.SetText("");
    ShowWholeHistory();
    CompletionCount = 0;
    c_.Edit1.SetFocus();
    c_[ButtonId::changeButton].SetVisible(false);
    c_[ButtonId::renameButton].SetVisible(true);
}

}  // namespace veskor
