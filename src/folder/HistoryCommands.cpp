#include "app/TForm1.h"
#include "platform/Error.h"

namespace veskor {

namespace {

// The shortcut name of a file that the folder's "*.lnk" search found: what stands before
// the first ".lnk" (letter case significant), else the whole file name. A "." is never
// part of a double-byte character, so a plain byte search cannot match inside one.
std::string LinkNameOf(const std::string& fileName)
{
    const size_t at = fileName.find(".lnk");
    return at == std::string::npos ? fileName : fileName.substr(0, at);
}

}  // namespace

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

// Appends every shortcut of the folder that the history lacks (in any letter case), in
// the folder's order, then shows the whole history, hidden entries included. A name the
// code page cannot spell is left out: recorded with "?" in it, it could never be started.
int TForm1::setting()
{
    const LinkListing links = platform_.ListLinks(ShortcutFolder);
    for (const std::string& fileName : links.names)
        HistoryList->AddMissing(LinkNameOf(fileName));
    ShowWholeHistory();
    return links.unnamable;
}

}  // namespace veskor
