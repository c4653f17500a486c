#include "form/TForm1.h"
#include "folder/Rename.h"
#include "launch/Gone.h"

namespace veskor {

void TForm1::renameButtonClick()
{
    const std::string name = c_.Edit1.Text();
    if (HistoryList->Find(name) == -1) {
        SetStatus("その名前は履歴にありません");
        return;
    }
    PendingRenamePath = ShortcutPath(name);  // as typed, not as stored
    SetStatus(name + "の変更後の名前を入力");
    c_.Edit1.SetFocus();
    c_.Edit1.SetText("");
    CompletionCount = 0;
    EnterNamingState();
}

// Renames the shortcut at PendingRenamePath to Edit1's text. Success or failure, the
// naming state ends; only an empty Edit1 leaves everything as it is.
void TForm1::changeButtonClick()
{
    const std::string name = c_.Edit1.Text();
    if (name.empty())
        return;

    const std::optional<std::string> old = RenameShortcut(*HistoryList, platform_, ShortcutFolder, PendingRenamePath, name);
    if (old) {
        SetStatus(*old + " を " + name + " に変更しました");
        gone_->Forget(*old);  // both names name other files now
        gone_->Forget(name);
        ShowWholeHistory();
    } else {
        SetStatus("エラー！変更できませんでした");
    }

    c_.Edit1.SetText("");
    c_.Edit1.SetFocus();
    LeaveNamingState();
}

}  // namespace veskor
