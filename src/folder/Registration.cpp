#include "app/TForm1.h"
#include "folder/FileNames.h"
#include "folder/UniqueName.h"
#include "platform/Error.h"

namespace veskor {

namespace {

constexpr const char* OwnShortcutName = "\\VESKOR3.lnk";
constexpr std::uint16_t OwnHotKey = 0x0074;  // F5 alone

// A file of that name would be written over, a folder would stop the save.
bool Taken(Platform& platform, const std::string& path)
{
    return platform.FileExists(path) || platform.DirectoryExists(path);
}

}  // namespace

std::string TForm1::createlink(const std::string& target, LinkKind kind)
{
    return kind == LinkKind::OwnDesktopShortcut ? SaveOwnDesktopShortcut(target) : RegisterAsNewShortcut(target);
}

std::string TForm1::SaveOwnDesktopShortcut(const std::string& program)
{
    const std::string destination = platform_.DesktopFolder() + OwnShortcutName;
    platform_.SaveLink(destination, program, FolderOf(program), OwnHotKey);
    return destination;
}

// Under a name that neither the history nor the folder holds, so that no shortcut of the
// user is ever written over.
std::string TForm1::RegisterAsNewShortcut(const std::string& target)
{
    const auto taken = [this](const std::string& name) { return Taken(platform_, ShortcutPath(name)); };
    const std::string destination = ShortcutPath(UniqueLinkName(ExtractFileBody(target), *HistoryList, taken));
    platform_.SaveLink(destination, target, FolderOf(target), 0);
    PendingRenamePath = destination;
    return destination;
}

std::string TForm1::copylink(const std::string& source)
{
    const auto taken = [this](const std::string& name) { return Taken(platform_, ShortcutPath(name)); };
    const std::string destination = ShortcutPath(UniqueLinkName(ExtractFileBody(source), *HistoryList, taken));
    platform_.CopyFile(source, destination);
    PendingRenamePath = destination;
    return destination;
}

// Registers the file and proposes its name, selected in Edit1, for renaming at once.
void TForm1::lnkcreate(const std::string& path)
{
    // Byte for byte: a ".LNK" file gets a new shortcut pointing to it.
    const std::string link = ExtensionOf(path) == ".lnk" ? copylink(path) : createlink(path, LinkKind::Registration);

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

// A path with an extension is registered at once; anything else (a folder) is offered on
// the back page, to be registered or made the shortcut folder. A path longer than the
// program keeps is refused rather than registered cut short.
void TForm1::WMDropFiles(const std::string& firstFile)
{
    try {
        if (firstFile.size() > static_cast<size_t>(MaxPathLength))
            throw Error("パスが長すぎるため登録できません");
        if (!ExtensionOf(firstFile).empty()) {
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
