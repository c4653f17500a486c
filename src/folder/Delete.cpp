#include "app/TForm1.h"
#include "launch/Gone.h"

namespace veskor {

// One entry (the list's caret) goes with its shortcut file. Of a multiple selection every
// entry goes, and the files go too unless Edit1's joined text is itself an entry: the
// user then deletes a recorded group, not the shortcuts it names.
void TForm1::delButtonClick()
{
    ListField& list = c_.ListBox1;
    if (list.SelectedCount() < 2) {
        const int current = list.CurrentIndex();
        const std::string entry = list.Item(current);  // raises when there is no caret
        HistoryList->RemoveFirst(entry);
        platform_.DeleteFile(ShortcutPath(entry));
        gone_->Forget(entry);  // a copy of the entry further down is asked again
        SetStatus("履歴を削除しました");
        c_.Edit1.SetText("");
        list.Remove(current);
    } else {
        const bool keep = HistoryList->Find(c_.Edit1.Text()) != -1;
        // From the last row up, so that each removal leaves the rows still to go in place.
        const std::vector<int> rows = list.SelectedRows();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            const int i = *row;
            const std::string entry = list.Item(i);
            if (!keep) {
                platform_.DeleteFile(ShortcutPath(entry));
                gone_->Forget(entry);
            }
            HistoryList->RemoveFirst(entry);
            list.Remove(i);
            SetStatus("履歴を削除しました");
        }
        c_.Edit1.SetText("");
    }
    c_.Edit1.SetFocus();
    c_[ButtonId::changeButton].SetVisible(false);
    c_[ButtonId::renameButton].SetVisible(true);
}

}  // namespace veskor
