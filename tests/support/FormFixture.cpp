#include "support/FormFixture.h"

#include <stdexcept>

#include "platform/Cp932.h"

namespace veskor::test {

namespace {

std::array<std::unique_ptr<FakeButton>, ButtonCount> MakeButtons(FocusTracker& focus)
{
    std::array<std::unique_ptr<FakeButton>, ButtonCount> buttons;
    for (int i = 0; i < ButtonCount; ++i) {
        const ControlDesign& design = layout::ButtonDesign(static_cast<ButtonId>(i));
        buttons[static_cast<size_t>(i)] = std::make_unique<FakeButton>(
            focus, design.caption, design.shownAtCreation, design.isDefault, design.tooltip);
    }
    return buttons;
}

// The key whose release follows a typed character: its letter or digit, or the
// input method's key for anything else.
int KeyOf(const std::string& character)
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

}  // namespace

FormFixture::FormFixture()
    : Edit1(focus, layout::Controls[0].shownAtCreation),
      ListBox1(focus, layout::Controls[1].shownAtCreation),
      Edit2(focus, layout::Controls[2].shownAtCreation),
      buttons(MakeButtons(focus)),
      form(platform, Controls())
{
}

FormControls FormFixture::Controls()
{
    FormControls controls{window, Edit1, ListBox1, Edit2};
    for (size_t i = 0; i < buttons.size(); ++i)
        controls.buttons[i] = buttons[i].get();
    return controls;
}

void FormFixture::Seed(const std::string& folder, const std::vector<std::string>& entries)
{
    platform.AddFolder(folder);
    form.ShortcutFolder = folder;
    form.HistoryList = std::make_unique<veskor::HistoryList>(platform);
    form.HistoryList->Assign(entries);
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

Control& FormFixture::InTabOrder(int index)
{
    if (index == 0)
        return Edit1;
    if (index == 1)
        return ListBox1;
    if (index == 2)
        return Edit2;
    return *buttons[static_cast<size_t>(index - 3)];
}

// Tab and Shift+Tab: to the next shown control with a tab stop, as the window moves it.
void FormFixture::MoveFocus(int step)
{
    std::array<bool, layout::Controls.size()> focusable{};
    int current = -1;
    for (size_t i = 0; i < focusable.size(); ++i) {
        Control& control = InTabOrder(static_cast<int>(i));
        focusable[i] = layout::Controls[i].tabStop && control.Visible();
        if (control.Focused())
            current = static_cast<int>(i);
    }
    const int next = TabTarget(current, step, focusable);
    if (next >= 0)
        InTabOrder(next).SetFocus();
}

KeyTarget FormFixture::CurrentKeyTarget() const
{
    KeyTarget target;
    if (Edit1.Focused())
        target.focus = FocusKind::Edit1;
    else if (ListBox1.Focused())
        target.focus = FocusKind::ListBox1;
    else if (Edit2.Focused())
        target.focus = FocusKind::Edit2;
    for (int i = 0; i < ButtonCount; ++i) {
        const FakeButton& button = *buttons[static_cast<size_t>(i)];
        if (button.Focused()) {
            target.focus = FocusKind::Button;
            target.focusedButton = static_cast<ButtonId>(i);
        }
        if (button.Visible() && button.IsDefault()) {
            if (target.hasShownDefault)
                throw std::logic_error("two shown default buttons");
            target.hasShownDefault = true;
            target.shownDefault = static_cast<ButtonId>(i);
        }
    }
    target.escShown = buttons[static_cast<size_t>(ButtonId::escButton)]->Visible();
    return target;
}

void FormFixture::KeyDown(KeyEvent key)
{
    if (form.Closed())
        return;
    const KeyRoute route = RouteKey(key, CurrentKeyTarget());
    switch (route.action) {
    case KeyRoute::Action::ClickButton:
        Run([this, id = route.button] { form.Click(id); });
        return;
    case KeyRoute::Action::FocusNext:
        MoveFocus(1);
        return;
    case KeyRoute::Action::FocusPrevious:
        MoveFocus(-1);
        return;
    case KeyRoute::Action::ToFocusedControl:
        break;
    }
    if (Edit1.Focused()) {
        Run([this, key] { form.edit1KeyDown(key); });
    } else if (Edit2.Focused()) {
        Run([this, key] { form.Edit2KeyDown(key); });
    } else if (ListBox1.Focused()) {
        Run([this, key] { form.ListBox1KeyDown(key); });
        // The handler never marks a key handled: the list then moves its own selection.
        const bool arrow = key.key == vk::Up || key.key == vk::Down;
        if (arrow && !form.Closed() && ListBox1.Focused() && ListBox1.ArrowKey(key.key == vk::Up ? -1 : 1))
            ListChangedByUser();
    }
}

void FormFixture::KeyUp(int key)
{
    if (Edit1.Focused())
        Run([this, key] { form.Edit1KeyUp(key); });
}

void FormFixture::Type(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const std::string character = text.substr(i, CharLength(text, i));
        i += character.size();
        FakeEdit* edit = Edit1.Focused() ? &Edit1 : Edit2.Focused() ? &Edit2 : nullptr;
        if (!edit)
            throw std::logic_error("typing with no edit field focused");
        const int key = KeyOf(character);
        KeyDown(KeyEvent{key});
        edit->Type(character);
        KeyUp(key);
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
