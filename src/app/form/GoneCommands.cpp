#include <algorithm>

#include "form/TForm1.h"
#include "launch/Gone.h"
#include "launch/GoneWorker.h"
#include "launch/Purge.h"
#include "text/Error.h"

namespace veskor {

namespace {

// Entries handed to the worker at a time: enough that it seldom waits for the window's
// thread to hand it more, few enough that a list of the next ones is quickly made.
constexpr std::size_t LinksPerList = 256;

}  // namespace

void TForm1::UseGoneWorker(std::unique_ptr<GoneWorker> worker) { goneWorker_ = std::move(worker); }

std::vector<std::string> TForm1::EntriesInView() const
{
    const ListField& list = c_.ListBox1;
    const int top = std::max(0, list.TopIndex());
    const int end = std::min(list.Count(), top + list.RowsInView());
    std::vector<std::string> inView;
    for (int row = top; row < end; ++row)
        inView.push_back(list.Item(row));
    return inView;
}

bool TForm1::AskAboutLinks()
{
    if (!HistoryList || !goneWorker_)
        return false;
    std::optional<GoneChecks::Question> question =
        gone_->Next(ShortcutFolder, *HistoryList, EntriesInView(), LinksPerList);
    if (question && question->list)
        gone_->Asked(goneWorker_->Ask(ShortcutFolder, std::move(question->entries)));
    else if (question)
        goneWorker_->Prefer(std::move(question->entries));
    return gone_->Waiting();
}

void TForm1::UserInput()
{
    if (goneWorker_)
        goneWorker_->Rest();
}

void TForm1::GoneAnswered(const GoneBatch& batch)
{
    if (!HistoryList)
        return;
    ListField& list = c_.ListBox1;
    const std::vector<std::string> inView = EntriesInView();
    if (gone_->Apply(ShortcutFolder, batch, inView))
        list.RowsChanged(std::max(0, list.TopIndex()), static_cast<int>(inView.size()));
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
