#include "form/TForm1.h"
#include "folder/Delete.h"
#include "launch/Gone.h"

namespace veskor {

// One entry (the list's caret) goes with its shortcut file; of a multiple selection every
// entry goes, with or without the files (folder/Delete.h).
void TForm1::delButtonClick()
{
    ListField& list = c_.ListBox1;
    if (list.SelectedCount() < 2) {
        const int current = list.CurrentIndex();
        const std::string entry = list.Item(current);  // raises when there is no caret
        DeleteEntry(*HistoryList, platform_, ShortcutFolder, entry, true);
        gone_->Forget(entry);  // a copy of the entry further down is asked again
        SetStatus("履歴を削除しました");
        c_.Edit1.SetText("");
        list.Remove(current);
    } else {
        const bool withFiles = GroupDeletesFiles(*HistoryList, c_.Edit1.Text());
        // From the last row up, so that each removal leaves the rows still to go in place.
        const std::vector<int> rows = list.SelectedRows();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            const int i = *row;
            const std::string entry = list.Item(i);
            DeleteEntry(*HistoryList, platform_, ShortcutFolder, entry, withFiles);
            if (withFiles)
                gone_->Forget(entry);
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
