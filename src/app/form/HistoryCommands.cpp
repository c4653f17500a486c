#include "form/TForm1.h"
#include "folder/FolderLinks.h"
#include "text/Error.h"

namespace veskor {

void TForm1::alcButtonClick()
{
    c_.ListBox1.Clear();
    HistoryList->Clear();
    omote();
    SetStatus("履歴を全消去しました");
    c_.Edit1.SetFocus();
}

// The whole history is sorted and shown, also when the list shows only the entries that
// match Edit1: sorting just the shown ones would drop the hidden ones from the history.
void TForm1::sortButtonClick()
{
    HistoryList->Sort();
    ShowWholeHistory();
    omote();
    SetStatus("ソートしました");
    c_.Edit1.SetFocus();
}

void TForm1::autoButtonClick()
{
    omote();
    c_.Edit1.SetText("");
    const int leftOut = setting();
    SetStatus(leftOut == 0 ? std::string("自動登録しました")
                           : Format("自動登録しました (名前に使えない文字のため %d 件を除外)", leftOut));
    c_.Edit1.SetFocus();
}

// The whole history is shown afterwards, hidden entries included.
int TForm1::setting()
{
    const int leftOut = AddFolderLinks(*HistoryList, platform_, ShortcutFolder);
    ShowWholeHistory();
    return leftOut;
}

}  // namespace veskor
