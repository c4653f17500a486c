#include <algorithm>
#include <unordered_set>

#include "app/TForm1.h"
#include "launch/Gone.h"
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

// Only entries already judged gone go, each judged again now: a shortcut put back since
// stays. The emptied field and the whole history follow, as after a delete.
void TForm1::PurgeGone()
{
    if (!HistoryList)
        return;
    std::vector<std::string> gone;
    std::unordered_set<std::string> asked;
    for (const std::string& entry : HistoryList->Entries()) {
        const std::optional<Gone> known = gone_->Known(ShortcutFolder, entry);
        if (!known || *known == Gone::No || !asked.insert(entry).second)
            continue;
        if (JudgeGone(platform_, ShortcutFolder, entry) != Gone::No)
            gone.push_back(entry);
        else
            gone_->Forget(entry);
    }
    // Nothing to remove logs no change for another window's save to replay.
    const int removed = gone.empty() ? 0 : HistoryList->RemoveEach(std::move(gone));
    SetStatus(Format("履歴から %d 件を削除しました (リンク先なし)", removed));
    c_.Edit1.SetText("");
    ShowWholeHistory();
    CompletionCount = 0;
    c_.Edit1.SetFocus();
    c_[ButtonId::changeButton].SetVisible(false);
    c_[ButtonId::renameButton].SetVisible(true);
}

}  // namespace veskor
