#include "app/TForm1.h"
#include "folder/FileNames.h"
#include "platform/Error.h"

namespace veskor {

// Makes Edit2's path (or, when empty, the current directory) the shortcut folder,
// creating it one level deep. A folder that cannot be made stays the shortcut folder all
// the same, and the back page shows it again for correction.
void TForm1::dirchangeButtonClick()
{
    omote();
    const std::string typed = c_.Edit2.Text();
    if (typed.empty()) {
        ShortcutFolder = platform_.CurrentDirectory();
    } else {
        ShortcutFolder = typed;
        if (EndsWithBackslash(ShortcutFolder))
            ShortcutFolder.pop_back();  // once only: two trailing "\" leave one
    }
    // Kept even when the folder cannot be made: the next save stores it all the same.
    HistoryList->ChangeFolder(ShortcutFolder);
    if (!typed.empty() && !platform_.DirectoryExists(ShortcutFolder) && !platform_.CreateFolder(ShortcutFolder)) {
        path();
        throw Error(ShortcutFolder + "というフォルダは作れません");
    }
    SetStatus(ShortcutFolder + "に登録フォルダを変更しました");
    c_.Edit1.SetFocus();
}

}  // namespace veskor
