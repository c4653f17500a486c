#include "form/TForm1.h"
#include "folder/FileNames.h"
#include "folder/Registration.h"

namespace veskor {

std::string TForm1::createlink(const std::string& target, LinkKind kind)
{
    if (kind == LinkKind::OwnDesktopShortcut)
        return SaveOwnDesktopShortcut(platform_, target);
    PendingRenamePath = RegisterTarget(platform_, *HistoryList, ShortcutFolder, target);
    return PendingRenamePath;
}

std::string TForm1::copylink(const std::string& source)
{
    PendingRenamePath = CopyShortcut(platform_, *HistoryList, ShortcutFolder, source);
    return PendingRenamePath;
}

// Registers the file and proposes its name, selected in Edit1, for renaming at once.
void TForm1::lnkcreate(const std::string& path)
{
    const std::string link = IsShortcutFile(path) ? copylink(path) : createlink(path, LinkKind::Registration);

    omote();
    CompletionCount = 0;
    const std::string name = ExtractFileBody(link);
    SetStatus("ショートカット " + name + " を作成しました");
    c_.Edit1.SetText(name);

    // The name is new to the history by construction: it goes to the top of the list too.
    const std::string text = c_.Edit1.Text();
    if (!text.empty()) {
        RecordInHistory(text);
        c_.ListBox1.Insert(0, text);
    }

    EnterNamingState();
    c_.Edit1.SetSelection(0, static_cast<int>(text.size()));
    c_.Edit1.SetFocus();
}

void TForm1::lnkcreateButtonClick()
{
    lnkcreate(c_.Edit2.Text());
    c_.Edit1.SetFocus();
    EnterNamingState();
}

void TForm1::WMDropFiles(const std::string& firstFile)
{
    try {
        CheckDroppedPath(firstFile);
        if (RegistersAtOnce(firstFile)) {
            lnkcreate(firstFile);
        } else {
            ura();
            c_[ButtonId::lnkcreateButton].SetVisible(true);
            c_[ButtonId::findButton].SetVisible(false);
            c_.Edit2.SetText(firstFile);
            SetStatus("登録フォルダパスを入力");
        }
    } catch (...) {
        // The drop came from another program: the error box must not open behind it.
        c_.window.BringToFront();
        throw;
    }
    c_.window.BringToFront();
}

}  // namespace veskor
