#include "form/TForm1.h"
#include "folder/FolderChange.h"
#include "text/Error.h"

namespace veskor {

// A folder that cannot be made stays the shortcut folder all the same, and the back page
// shows it again for correction.
void TForm1::dirchangeButtonClick()
{
    omote();
    const FolderChange change = ChangeShortcutFolder(*HistoryList, platform_, c_.Edit2.Text());
    ShortcutFolder = change.folder;
    if (!change.made) {
        path();
        throw Error(ShortcutFolder + "というフォルダは作れません");
    }
    SetStatus(ShortcutFolder + "に登録フォルダを変更しました");
    c_.Edit1.SetFocus();
}

}  // namespace veskor
