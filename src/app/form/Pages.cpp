#include "form/TForm1.h"

namespace veskor {

namespace {

void SetShown(const FormControls& c, std::initializer_list<ButtonId> ids, bool shown)
{
    for (ButtonId id : ids)
        c[id].SetVisible(shown);
}

}  // namespace

// Neither page operation moves the focus, writes the title or touches a default flag.
void TForm1::omote()
{
    SetShown(c_, {ButtonId::lnkcreateButton, ButtonId::dirchangeButton, ButtonId::sortButton, ButtonId::alcButton,
                  ButtonId::autoButton, ButtonId::findButton},
             false);
    c_.Edit2.SetVisible(false);
    c_.Edit1.SetVisible(true);
    c_.ListBox1.SetVisible(true);
    SetShown(c_, {ButtonId::okButton, ButtonId::hozonsezuOKbutton, ButtonId::delButton, ButtonId::FolderOpenButton,
                  ButtonId::renameButton},
             true);
    c_[ButtonId::changeButton].SetVisible(false);
}

void TForm1::ura()
{
    SetShown(c_, {ButtonId::dirchangeButton, ButtonId::sortButton, ButtonId::alcButton, ButtonId::autoButton}, true);
    c_.Edit2.SetVisible(true);
    // The caption names the mode a click switches to.
    c_[ButtonId::findButton].SetCaption(SearchMode == Matching::Partial ? "先頭検索" : "部分検索");
    c_[ButtonId::findButton].SetVisible(true);
    c_.Edit1.SetVisible(false);
    c_.ListBox1.SetVisible(false);
    SetShown(c_, {ButtonId::okButton, ButtonId::hozonsezuOKbutton, ButtonId::delButton, ButtonId::FolderOpenButton,
                  ButtonId::renameButton, ButtonId::changeButton},
             false);
}

void TForm1::path()
{
    ura();
    c_.Edit2.SetText(ShortcutFolder);
}

void TForm1::SetStatus(const std::string& title)
{
    c_.window.SetTitle(title);
}

std::string TForm1::ModeStatus() const
{
    return ShortcutFolder + (SearchMode == Matching::Partial ? " 部分検索" : " 先頭検索");
}

bool TForm1::BackPageShown() const
{
    return c_.Edit2.Visible();
}

bool TForm1::NamingState() const
{
    return c_[ButtonId::changeButton].Visible();
}

// In the naming state Enter confirms a new name instead of launching.
void TForm1::EnterNamingState()
{
    c_[ButtonId::renameButton].SetVisible(false);
    c_[ButtonId::changeButton].SetVisible(true);
    c_[ButtonId::changeButton].SetDefault(true);
    c_[ButtonId::okButton].SetDefault(false);
    c_[ButtonId::okButton].SetTooltip("実行します ctrl+Enter");
}

void TForm1::LeaveNamingState()
{
    c_[ButtonId::changeButton].SetDefault(false);
    c_[ButtonId::okButton].SetDefault(true);
    c_[ButtonId::okButton].SetTooltip("実行します Enter");
    c_[ButtonId::changeButton].SetVisible(false);
    c_[ButtonId::renameButton].SetVisible(true);
}

}  // namespace veskor
