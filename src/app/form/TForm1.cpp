#include "form/TForm1.h"

#include <new>

#include "form/ErrorBox.h"
#include "folder/FileNames.h"
#include "history/DataStore.h"
#include "history/PendingLoad.h"
#include "launch/Gone.h"
#include "launch/GoneWorker.h"
#include "text/Error.h"
#include "search/Initials.h"
#include "search/SearchIndex.h"

namespace veskor {

TForm1::TForm1(Platform& platform, FormControls controls) : TForm1(platform, controls, nullptr) {}

TForm1::TForm1(Platform& platform, FormControls controls, std::unique_ptr<PendingLoad> early)
    : platform_(platform),
      c_(controls),
      searchIndex_(std::make_unique<SearchIndex>()),
      initials_(std::make_unique<InitialsIndex>()),
      gone_(std::make_unique<GoneChecks>()),
      dataStore_(std::make_unique<DataStore>(platform)),
      early_(std::move(early))
{
    c_.ListBox1.SetUnavailability([this](const std::string& item) -> const char* {
        const std::optional<Gone> gone = gone_->Known(ShortcutFolder, item);
        return gone ? GoneReason(*gone) : nullptr;
    });
}

// The list outlives the form (a screen reader may still ask it about a row): it stops asking.
TForm1::~TForm1() { c_.ListBox1.SetUnavailability(nullptr); }

void TForm1::Dispatch(const std::function<void()>& handler)
{
    // Anything still queued after the close finds the history released: drop it.
    if (closed_)
        return;
    std::string message;
    try {
        handler();
        return;
    } catch (const Abort&) {
        return;
    } catch (const std::bad_alloc&) {
        message = "メモリが不足しています";
    } catch (const std::exception& e) {
        message = e.what();
    }
    c_.window.ShowError(ErrorCaption(platform_.ProgramPath(), platform_), ErrorText(message));
}

void TForm1::Click(ButtonId id)
{
    switch (id) {
    case ButtonId::okButton: okButtonClick(); break;
    case ButtonId::hozonsezuOKbutton: hozonsezuOKbuttonClick(); break;
    case ButtonId::delButton: delButtonClick(); break;
    case ButtonId::FolderOpenButton: FolderOpenButtonClick(); break;
    case ButtonId::lnkcreateButton: lnkcreateButtonClick(); break;
    case ButtonId::sortButton: sortButtonClick(); break;
    case ButtonId::escButton: escButtonClick(); break;
    case ButtonId::renameButton: renameButtonClick(); break;
    case ButtonId::changeButton: changeButtonClick(); break;
    case ButtonId::dirchangeButton: dirchangeButtonClick(); break;
    case ButtonId::alcButton: alcButtonClick(); break;
    case ButtonId::autoButton: autoButtonClick(); break;
    case ButtonId::findButton: findButtonClick(); break;
    }
}

std::string TForm1::ShortcutPath(const std::string& name) const
{
    return LinkPath(ShortcutFolder, name);
}

void TForm1::RecordInHistory(const std::string& text)
{
    HistoryList->Record(text, c_.ListBox1.SelectedCount() >= 2);
    // Just started or made: whatever was known of it is asked again.
    gone_->Forget(text);
}

void TForm1::ShowWholeHistory()
{
    c_.ListBox1.ShowAll(HistoryList->Share());
    readingShownFor_.clear();
}

}  // namespace veskor
