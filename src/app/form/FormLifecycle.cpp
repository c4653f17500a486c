#include "form/ErrorBox.h"
#include "form/Placement.h"
#include "form/TForm1.h"
#include "folder/FileNames.h"
#include "history/DataStore.h"
#include "history/PendingLoad.h"
#include "text/Error.h"

namespace veskor {

namespace {
constexpr const char* DataFileName = "veskor.dat";
}

std::string TForm1::DataFilePathIn(Platform& platform)
{
    const std::string directory = platform.CurrentDirectory();
    return EndsWithBackslash(directory) ? directory + DataFileName : directory + "\\" + DataFileName;
}

std::string TForm1::DataFilePath() { return DataFilePathIn(platform_); }

void TForm1::FormShow()
{
    CompletionCount = 0;
    HistoryList = std::make_unique<veskor::History>(platform_);

    std::optional<DataStore::Loaded> loaded;
    std::string shortcutFailure;
    try {
        // The read begun early is this run's if it read the file this run keeps.
        const std::unique_ptr<PendingLoad> early = std::move(early_);
        if (early && early->Path() == DataFilePath()) {
            loaded = early->Wait();
            dataStore_ = early->Store();
        } else {
            loaded = dataStore_->Load(DataFilePath());
        }
    } catch (...) {
        // The stored history could not be read: this run must not save over it.
        dataFileUnreadable_ = true;
        throw;
    }
    if (loaded) {
        ShortcutFolder = std::move(loaded->content.folder);
        HistoryList->Load(std::move(loaded->content.entries));
        c_.ListBox1.ShowAll(HistoryList->Share());
        c_.Edit1.SetText("");
    } else {
        ShortcutFolder = platform_.CurrentDirectory();
        // A desktop shortcut that cannot be saved does not stop the first run: it is
        // reported once the window is ready.
        try {
            createlink(platform_.ProgramPath(), LinkKind::OwnDesktopShortcut);
        } catch (const Error& e) {
            shortcutFailure = e.what();
        }
        save();
    }
    SetStatus(ShortcutFolder + " 先頭検索");

    const Point pointer = platform_.CursorPosition();
    const MonitorArea area = platform_.MonitorAt(pointer);
    const Point at = PlaceWindow(pointer, area);
    c_.window.Place(at.x, at.y, Scale(layout::WindowWidth, area.dpi), Scale(layout::WindowHeight, area.dpi));

    // The run goes on with the healed history; the user is told once the window is ready.
    if (loaded && !loaded->healed.empty())
        throw Error(loaded->healed);
    if (!shortcutFailure.empty())
        throw Error(shortcutFailure);
}

std::string TForm1::save()
{
    return dataStore_->Save(DataFilePath(), ShortcutFolder, *HistoryList);
}

std::string TForm1::FormClose()
{
    std::string notice;
    if (HistoryList && !dataFileUnreadable_)
        notice = save();
    HistoryList.reset();
    return notice;
}

void TForm1::Close()
{
    const std::string notice = FormClose();  // a failed save raises, and the window stays open
    closed_ = true;
    // Said while the window still stands, and the close goes on when it is dismissed.
    if (!notice.empty())
        c_.window.ShowError(ErrorCaption(platform_.ProgramPath(), platform_), ErrorText(notice));
    c_.window.EndProgram();
}

void TForm1::SessionEnding()
{
    if (HistoryList && !dataFileUnreadable_)
        save();
}

}  // namespace veskor
