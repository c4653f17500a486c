#pragma once
#include <functional>
#include <string>
#include <vector>

#include "form/Events.h"
#include "form/TForm1.h"
#include "support/memory/MemoryPlatform.h"
#include "support/FakeControls.h"

// The window as the program creates it, on in-memory controls and an in-memory
// machine, with the user's actions delivered the way the real window delivers them.
namespace veskor::test {

struct FormFixture : FakeFormControls {
    FormFixture();
    FormFixture(const FormFixture&) = delete;
    FormFixture& operator=(const FormFixture&) = delete;

    // A run whose data file held `folder` and `entries`: the history and the list hold
    // the entries, Edit1 is empty and focused, the title names the folder and the prefix
    // mode. The folder exists on the machine.
    void Seed(const std::string& folder, const std::vector<std::string>& entries);
    // A shortcut `name` in the shortcut folder.
    void AddShortcut(const std::string& name, const std::string& target, const std::string& arguments = "");
    std::string ShortcutPath(const std::string& name) const;  // ShortcutFolder\name.lnk

    // One event, through the window's dispatch (errors end in window.errors).
    void Run(const std::function<void()>& handler) { form.Dispatch(handler); }
    // The first show: FormShow, then the focus goes to Edit1.
    void Show();
    void CloseBox() { Run([this] { form.Close(); }); }

    // A key pressed or released in the focused control travels as the message loop sends
    // it (PressKey, ReleaseKey); when the list then sees the key, Up and Down move its selection.
    // False when the key stopped before the control (a button took it, the focus moved).
    bool KeyDown(KeyEvent key);
    void KeyUp(int key);
    // A character's key pressed in the focused edit field: once the key reaches the field,
    // `character` replaces its selection. Released with KeyUp(KeyOf(character)).
    void KeyDown(const std::string& character, bool shift = false);
    // The key of a typed character: its letter or digit, or the input method's key for anything else.
    static int KeyOf(const std::string& character);
    void Press(KeyEvent key)
    {
        KeyDown(key);
        KeyUp(key.key);
    }
    void Press(int key) { Press(KeyEvent{key}); }
    void Ctrl(int key) { Press(KeyEvent{key, false, true, false}); }
    void Alt(int key) { Press(KeyEvent{key, false, false, true}); }
    // Types into the focused edit field, one character at a time: each key is pressed and
    // released before the next. Shift is not pressed for capitals.
    void Type(const std::string& text);
    void Backspace();

    // The mouse.
    void ClickButton(ButtonId id);  // a left click: mouse-down, focus, then the button's action
    // A left click into an edit field: it takes the focus without selecting, the caret at the end.
    void ClickInto(FakeEdit& edit);
    void ClickItem(int index);
    void CtrlClickItem(int index);
    void ShiftClickItem(int index);
    void DoubleClickItem(int index);
    void MouseDown(const MouseState& mouse) { Run([this, mouse] { form.FormMouseDown(mouse); }); }
    void RightClick() { MouseDown(MouseState{.right = true}); }
    void MiddleClick() { MouseDown(MouseState{.middle = true}); }
    void Wheel() { Run([this] { form.FormMouseWheel(); }); }
    void Drop(const std::string& firstFile) { Run([this, firstFile] { form.WMDropFiles(firstFile); }); }

    std::vector<std::string> ListItems() const { return ListBox1.Items(); }
    std::vector<std::string> History() const;  // empty when there is none
    const Control* Focused() const { return focus.focused; }

    MemoryPlatform platform;
    TForm1 form;

private:
    void ListChangedByUser() { Run([this] { form.ListBox1Click(); }); }
};

}  // namespace veskor::test
