#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form/Events.h"
#include "form/FormControls.h"
#include "form/Layout.h"
#include "history/History.h"
#include "platform/Controls.h"
#include "platform/Platform.h"

namespace veskor {

class DataStore;
struct GoneBatch;
class GoneChecks;
class GoneWorker;
class InitialsIndex;
class PendingLoad;
class SearchIndex;

// How typed text matches a history entry.
enum class Matching : std::uint8_t { Prefix, Partial };

// What createlink makes.
enum class LinkKind : std::uint8_t {
    Registration,        // a new shortcut in the shortcut folder, under a name nothing holds yet
    OwnDesktopShortcut,  // the program's own shortcut on the desktop, with its hot key
};

// The window object: it owns the run's state and every handler, one file per group beside
// it. A handler reads the controls and applies a rule (history, search, launch, folder),
// which knows no form.
class TForm1 {
public:
    TForm1(Platform& platform, FormControls controls);
    // `early`: the stored history, being read since before the window was made; without
    // it the first show reads it.
    TForm1(Platform& platform, FormControls controls, std::unique_ptr<PendingLoad> early);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The run's state.
    std::string ShortcutFolder;
    std::string PendingRenamePath;
    std::unique_ptr<veskor::History> HistoryList;  // absent before the first show and after the close
    Matching SearchMode = Matching::Prefix;
    std::int32_t CompletionCount = 0;
    bool LaunchGuard = false;

    // Runs one event to its end. An Error is shown in the error box and the run goes
    // on; events that arrive once the window has closed are dropped.
    void Dispatch(const std::function<void()>& handler);
    bool Closed() const { return closed_; }

    // Life cycle (FormLifecycle.cpp).
    void FormShow();
    // Saves and releases the history; a failed save raises. Returns what the save has to
    // tell the user (a file damaged meanwhile, kept aside), or nothing.
    std::string FormClose();
    void Close();           // the close box and the launch commands: FormClose, then end the program
    void SessionEnding();   // the user's session ends: keep this run's changes
    std::string save();  // what DataStore::Save returns
    // Where the run keeps its history: veskor.dat in the current directory.
    static std::string DataFilePathIn(Platform& platform);

    // Pages and status line (Pages.cpp).
    void omote();
    void ura();
    void path();
    void SetStatus(const std::string& title);
    std::string ModeStatus() const;  // ShortcutFolder + " 先頭検索" or " 部分検索"
    void EnterNamingState();
    void LeaveNamingState();
    bool BackPageShown() const;
    bool NamingState() const;

    // A click on a button, by the user or from code; runs even while the button is hidden.
    void Click(ButtonId id);

    // Launching (LaunchCommands.cpp).
    void okButtonClick();
    void hozonsezuOKbuttonClick();
    void FolderOpenButtonClick();
    void listBox1DblClick();
    void escButtonClick();

    // Search (SearchHandlers.cpp; the idle checks in GoneCommands.cpp).
    void Edit1KeyUp(int key);
    // Nothing waits to be handled: what the next key needs is prepared now.
    void Idle();
    void Edit1Composition(bool open);  // the input method opened or closed a composition in Edit1
    void findButtonClick();
    void ListBox1Click();
    void SwitchSearchMode();  // Ctrl+F in Edit1: the mode and its title, no page change

    // Registration and maintenance (Registration.cpp, Rename.cpp, Delete.cpp,
    // HistoryCommands.cpp, FolderChange.cpp, GoneCommands.cpp).
    std::string createlink(const std::string& target, LinkKind kind);  // returns the link path
    std::string copylink(const std::string& source);
    void lnkcreate(const std::string& path);
    void lnkcreateButtonClick();
    void WMDropFiles(const std::string& firstFile);
    void renameButtonClick();
    void changeButtonClick();
    void delButtonClick();
    void alcButtonClick();
    void sortButtonClick();
    void autoButtonClick();
    int setting();  // returns how many shortcuts it left out for names the code page cannot spell
    void dirchangeButtonClick();
    void PurgeGone();  // every entry judged gone leaves the history; no file is touched

    // The gone checks (GoneCommands.cpp), made by `worker` off the window's thread;
    // without one no entry is checked.
    void UseGoneWorker(std::unique_ptr<GoneWorker> worker);
    // Nothing waits to be handled and the window is on the screen: the worker hears of the
    // next entries to judge, or of other rows in view. Never waits for a check; true while
    // the worker judges entries for the window.
    bool AskAboutLinks();
    // A batch of the worker's answers: the rows it marks gone are painted again.
    void GoneAnswered(const GoneBatch& batch);
    // A key, a click or the wheel: the checks rest while the user is busy (GoneWorker::Rest).
    void UserInput();

    // Keys and mouse (KeyMap.cpp).
    void edit1KeyDown(const KeyEvent& key);
    void ListBox1KeyDown(const KeyEvent& key);
    void Edit2KeyDown(const KeyEvent& key);
    void FormMouseDown(const MouseState& mouse);
    void FormMouseWheel();
    void WinLogoff();

    Platform& platform() { return platform_; }
    const FormControls& controls() const { return c_; }

private:
    std::string ShortcutPath(const std::string& name) const;  // ShortcutFolder + "\" + name + ".lnk"
    void RecordInHistory(const std::string& text);            // the recording rule against the list's selection
    void ShowWholeHistory();                                  // the list box := HistoryList
    std::string DataFilePath();
    bool FrontPageKeyDown(const KeyEvent& key);  // the rows Edit1 and ListBox1 share
    std::vector<std::string> EntriesInView() const;

    Platform& platform_;
    FormControls c_;
    std::unique_ptr<SearchIndex> searchIndex_;
    std::unique_ptr<InitialsIndex> initials_;
    std::unique_ptr<GoneChecks> gone_;
    std::unique_ptr<GoneWorker> goneWorker_;
    std::unique_ptr<DataStore> dataStore_;
    std::unique_ptr<PendingLoad> early_;
    bool compositionOpen_ = false;  // the input method has a composition open in Edit1
    // The text whose reading or initials matches the list shows; empty when it shows none.
    std::string readingShownFor_;
    bool closed_ = false;
    // Set when an existing data file could not be read: saving would replace the stored
    // history with this run's empty one, so the file is left alone.
    bool dataFileUnreadable_ = false;
};

}  // namespace veskor
