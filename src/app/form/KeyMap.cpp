#include "form/TForm1.h"

namespace veskor {

// The three key tables. A handler never marks a key handled: the control's own
// handling follows (the list still moves its caret on Up and Down). Ctrl and Alt mean
// only that bit; the other modifiers are not looked at, but for Ctrl+Shift+Delete.

namespace {

bool Is(const KeyEvent& e, int key) { return e.key == key; }
bool Ctrl(const KeyEvent& e, int key) { return e.key == key && e.ctrl; }
bool Alt(const KeyEvent& e, int key) { return e.key == key && e.alt; }
bool CtrlShift(const KeyEvent& e, int key) { return e.key == key && e.ctrl && e.shift; }

}  // namespace

// The rows Edit1 and the list share. Their keys differ from each other and from the
// control's own rows, so one key press runs at most one row whatever the order.
bool TForm1::FrontPageKeyDown(const KeyEvent& e)
{
    if (Is(e, vk::Return) && !e.ctrl)
        Click(NamingState() ? ButtonId::changeButton : ButtonId::okButton);
    else if (Ctrl(e, vk::Return))
        Click(NamingState() ? ButtonId::okButton : ButtonId::hozonsezuOKbutton);
    else if (Is(e, vk::Escape))
        Click(ButtonId::escButton);
    else if (CtrlShift(e, vk::Delete))  // before Ctrl+Delete, which would take it too
        PurgeGone();
    else if (Ctrl(e, vk::Delete))
        Click(ButtonId::delButton);
    else if (Ctrl(e, vk::Right))
        Click(ButtonId::sortButton);
    else if (Alt(e, vk::L))
        WinLogoff();
    else if (Ctrl(e, vk::U)) {
        ura();
        c_.Edit2.SetFocus();
    } else if (Ctrl(e, vk::N))
        Click(ButtonId::renameButton);
    else if (Ctrl(e, vk::O))
        Click(ButtonId::FolderOpenButton);
    else
        return false;
    return true;
}

void TForm1::edit1KeyDown(const KeyEvent& e)
{
    if (FrontPageKeyDown(e))
        return;
    if (Ctrl(e, vk::F)) {
        SwitchSearchMode();
    } else if (Ctrl(e, vk::T)) {
        Click(ButtonId::autoButton);
    } else if (Is(e, vk::Down) && c_.ListBox1.Count() > 0) {
        // Into the list: the caret moves without selecting, and Edit1 shows the entry.
        // Reading matches never complete, so their first one is not yet in the field.
        const std::string text = c_.Edit1.Text();
        if (text.empty() || text == readingShownFor_)
            c_.ListBox1.SetCurrentIndex(0);
        else if (c_.ListBox1.Count() >= 2)
            c_.ListBox1.SetCurrentIndex(1);
        c_.ListBox1.SetFocus();
        c_.Edit1.SetText(c_.ListBox1.Item(c_.ListBox1.CurrentIndex()));
    }
}

void TForm1::ListBox1KeyDown(const KeyEvent& e)
{
    CompletionCount = 0;
    if (FrontPageKeyDown(e))
        return;
    if (Ctrl(e, vk::F)) {
        Click(ButtonId::findButton);
    } else if (Is(e, vk::Up) && c_.ListBox1.CurrentIndex() == 0) {
        // Tested before the list moves its caret: from the first entry back to the field.
        c_.Edit1.SetText("");
        c_.ListBox1.SetCurrentIndex(-1);
        c_.Edit1.SetFocus();
    }
}

void TForm1::Edit2KeyDown(const KeyEvent& e)
{
    if (Ctrl(e, vk::S) && c_.Edit2.Visible())
        Click(ButtonId::lnkcreateButton);
    else if (Alt(e, vk::Back))
        Click(ButtonId::alcButton);
    else if (Ctrl(e, vk::Right))
        Click(ButtonId::sortButton);
    else if (Alt(e, vk::L))
        WinLogoff();
    else if (Ctrl(e, vk::T))
        Click(ButtonId::autoButton);
    else if (Ctrl(e, vk::F))
        Click(ButtonId::findButton);
    else if (Ctrl(e, vk::U)) {
        omote();
        c_.Edit1.SetFocus();
    }
}

// Right button: swap the pages. Middle button: launch, on either page. Both test the
// buttons held at the press, so a left press with the right button held swaps too.
void TForm1::FormMouseDown(const MouseState& mouse)
{
    if (mouse.right) {
        if (!BackPageShown()) {
            ura();
            SetStatus("登録フォルダのパスを入力");
            path();
            c_.Edit2.SetFocus();
        } else {
            SetStatus(ModeStatus());
            omote();
            c_.Edit1.SetFocus();
        }
    }
    if (mouse.middle)
        Click(ButtonId::okButton);
}

void TForm1::FormMouseWheel()
{
    if (c_.ListBox1.Visible())
        c_.ListBox1.SetFocus();
}

void TForm1::WinLogoff()
{
    platform_.LogOff();
}

}  // namespace veskor
