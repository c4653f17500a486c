#include "support/FormFixture.h"

#include <stdexcept>

#include "form/KeyRouting.h"
#include "text/Cp932.h"

namespace veskor::test {

FormFixture::FormFixture() : form(platform, Form()) {}

void FormFixture::Seed(const std::string& folder, const std::vector<std::string>& entries)
{
    platform.AddFolder(folder);
    form.ShortcutFolder = folder;
    form.HistoryList = std::make_unique<veskor::History>(platform);
    form.HistoryList->Load(entries);
    ListBox1.Assign(entries);
    Edit1.SetText("");
    window.SetTitle(folder + " 先頭検索");
    Edit1.SetFocus();
}

std::string FormFixture::ShortcutPath(const std::string& name) const
{
    return form.ShortcutFolder + "\\" + name + ".lnk";
}

void FormFixture::AddShortcut(const std::string& name, const std::string& target, const std::string& arguments)
{
    size_t cut = 0;
    for (size_t i = 0; i < target.size(); i += CharLength(target, i)) {
        if (target[i] == '\\')
            cut = i + 1;
    }
    const std::string folder = target.substr(0, cut);
    platform.AddLink(ShortcutPath(name), {target, arguments, folder, 0});
}

void FormFixture::Show()
{
    Run([this] { form.FormShow(); });
    if (!form.Closed() && Edit1.Visible())
        Edit1.SetFocus();
}

std::vector<std::string> FormFixture::History() const
{
    return form.HistoryList ? form.HistoryList->Entries() : std::vector<std::string>();
}

bool FormFixture::KeyDown(KeyEvent key)
{
    const Control* sentTo = focus.focused;
    if (!PressKey(form, sentTo, key))
        return false;
    if (sentTo == &ListBox1 && ListBox1.Focused() && (key.key == vk::Up || key.key == vk::Down) &&
        ListBox1.ArrowKey(key.key == vk::Up ? -1 : 1))
        ListChangedByUser();
    return true;
}

void FormFixture::KeyUp(int key) { ReleaseKey(form, focus.focused, key); }

int FormFixture::KeyOf(const std::string& character)
{
    if (character.size() == 1) {
        const char c = character[0];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')
            return c;
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 'A';
    }
    return vk::ProcessKey;
}

void FormFixture::KeyDown(const std::string& character, bool shift)
{
    FakeEdit* edit = Edit1.Focused() ? &Edit1 : Edit2.Focused() ? &Edit2 : nullptr;
    if (!edit)
        throw std::logic_error("typing with no edit field focused");
    if (KeyDown(KeyEvent{KeyOf(character), shift}))
        edit->Type(character);
}

void FormFixture::Type(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const std::string character = text.substr(i, CharLength(text, i));
        i += character.size();
        KeyDown(character);
        KeyUp(KeyOf(character));
    }
}

void FormFixture::Backspace()
{
    KeyDown(KeyEvent{vk::Back});
    if (Edit1.Focused())
        Edit1.Backspace();
    else if (Edit2.Focused())
        Edit2.Backspace();
    KeyUp(vk::Back);
}

void FormFixture::ClickButton(ButtonId id)
{
    FakeButton& button = (*this)[id];
    if (!button.Visible())
        throw std::logic_error("clicking a hidden button");
    button.SetFocus();
    MouseDown(MouseState{.left = true});
    if (form.Closed())
        return;
    Run([this, id] { form.Click(id); });
}

void FormFixture::ClickInto(FakeEdit& edit)
{
    if (!edit.Visible())
        throw std::logic_error("clicking a hidden field");
    focus.leftButtonDown = true;
    edit.SetFocus();
    focus.leftButtonDown = false;
    edit.SetSelection(static_cast<int>(edit.Text().size()), 0);
}

void FormFixture::ClickItem(int index)
{
    ListBox1.ClickItem(index);
    ListChangedByUser();
}

void FormFixture::CtrlClickItem(int index)
{
    ListBox1.CtrlClickItem(index);
    ListChangedByUser();
}

void FormFixture::ShiftClickItem(int index)
{
    ListBox1.ShiftClickItem(index);
    ListChangedByUser();
}

void FormFixture::DoubleClickItem(int index)
{
    ClickItem(index);
    Run([this] { form.listBox1DblClick(); });
}

}  // namespace veskor::test
