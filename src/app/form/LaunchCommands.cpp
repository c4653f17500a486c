#include "form/TForm1.h"
#include "launch/Launch.h"
#include "launch/LinkOps.h"

namespace veskor {

namespace {

// Edit1's text, or with Edit1 empty the list entry at the caret; the first entry is never taken.
std::string CommandText(const FormControls& c)
{
    std::string text = c.Edit1.Text();
    if (text.empty() && c.ListBox1.CurrentIndex() >= 1)
        text = c.ListBox1.Item(c.ListBox1.CurrentIndex());
    return text;
}

}  // namespace

// A piece that cannot be read, or that the shell refuses to start, raises: the pieces
// before it have started, nothing is recorded and the window stays open with the text, so
// the user can correct it.
void TForm1::okButtonClick()
{
    const std::string editText = c_.Edit1.Text();
    const std::string command = CommandText(c_);
    if (command.empty())
        OpenShortcutFolder(platform_, ShortcutFolder);
    else
        StartEach(platform_, ShortcutFolder, command);
    if (!editText.empty())
        RecordInHistory(editText);
    Close();
}

void TForm1::hozonsezuOKbuttonClick()
{
    StartEach(platform_, ShortcutFolder, CommandText(c_));
    Close();
}

void TForm1::FolderOpenButtonClick()
{
    const std::string text = c_.Edit1.Text();
    if (text.empty()) {
        OpenShortcutFolder(platform_, ShortcutFolder);
    } else {
        OpenEachTargetFolder(platform_, ShortcutFolder, text);
        RecordInHistory(text);
    }
    Close();
}

// Only the first double click of a run launches, also when that launch failed.
void TForm1::listBox1DblClick()
{
    if (LaunchGuard)
        return;
    LaunchGuard = true;
    c_.Edit1.SetText(c_.ListBox1.Item(c_.ListBox1.CurrentIndex()));
    Click(ButtonId::okButton);
}

void TForm1::escButtonClick()
{
    if (BackPageShown()) {
        omote();
        SetStatus(ModeStatus());
        return;
    }
    c_.Edit1.SetText("");
    c_.ListBox1.SetCurrentIndex(-1);
    Click(ButtonId::okButton);
}

}  // namespace veskor
