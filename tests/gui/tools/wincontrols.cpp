// The window's controls checked in a real window, where the system's own edit, list
// box and button behave as they will for the user: CP932 text and selections, the
// no-data list's caret and selection, default flags, focus and Tab, refused drops.
// Needs a display, so the GUI suite runs it (as one test) rather than the Windows tests.
#include "win32/Win32Platform.h"
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "form/KeyRouting.h"
#include "form/TForm1.h"
#include "text/Error.h"
#include "gui/Win32Window.h"

namespace veskor::gui {
namespace {

// The window with its error box caught instead of shown.
class TestWindow : public Win32Window {
public:
    TestWindow() : Win32Window(GetModuleHandleW(nullptr)) {}
    void ShowError(const std::string&, const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowWindow(window.Handle(), SW_SHOW);
        SetForegroundWindow(window.Handle());
    }

    EditField& Edit1() { return controls.Edit1; }
    ListField& List() { return controls.ListBox1; }
    Button& ButtonOf(ButtonId id) { return controls[id]; }
    // The named control's window, made now if it was left for later.
    HWND HandleOf(const char* name)
    {
        const size_t index = IndexOf(name);
        return index < layout::Controls.size() ? window.ControlWindow(index) : nullptr;
    }
    static size_t IndexOf(const char* name)
    {
        size_t i = 0;
        while (i < layout::Controls.size() && std::strcmp(layout::Controls[i].name, name) != 0)
            ++i;
        return i;
    }
    // Where a key sent to the named control goes, as the message loop asks it.
    KeyTarget TargetOf(const char* name) { return KeyTargetOf(controls, window.ControlOf(HandleOf(name))); }
    // Where a control lies in the client area: left, top, width, height.
    std::array<LONG, 4> BoxOf(HWND control) const
    {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    static LONG FontHeightOf(HWND control)
    {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    }
    // The control's own selection, in its UTF-16 units.
    std::pair<DWORD, DWORD> WideSelection(HWND edit) const
    {
        DWORD start = 0, end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    TestWindow window;
    FormControls controls = window.Controls();
};

struct SelectionCase {
    const char* text;
    int start, length;
    int expectedStart, expectedLength;
    DWORD wideStart, wideEnd;
};

// "表" and "ソ" end in the byte 0x5C; "ｿﾌﾄ" are one byte each.
const SelectionCase SelectionCases[] = {
    {"表計算", 2, 4, 2, 4, 1, 3},
    {"表計算", 0, 6, 0, 6, 0, 3},
    {"表計算", 1, 2, 2, 2, 1, 2},   // both ends inside a character move to its end
    {"表計算", 3, 100, 4, 2, 2, 3}, // past the end stops at the end
    {"ソフト", 4, -4, 0, 4, 0, 2},   // a negative length selects backwards from the start
    {"aソフトb", 1, 6, 1, 6, 1, 4},
    {"ｿﾌﾄ表", 3, 2, 3, 2, 3, 4},
    {"", 0, 5, 0, 0, 0, 0},
};

TEST_F(WindowTest, EditSelectionsAreBytePositionsThatNeverSplitACharacter)
{
    for (const SelectionCase& c : SelectionCases) {
        Edit1().SetText(c.text);
        Edit1().SetSelection(c.start, c.length);
        EXPECT_EQ(Edit1().SelectionStart(), c.expectedStart) << c.text << " " << c.start << "+" << c.length;
        EXPECT_EQ(Edit1().SelectionLength(), c.expectedLength) << c.text << " " << c.start << "+" << c.length;
        EXPECT_EQ(WideSelection(HandleOf("Edit1")), std::make_pair(c.wideStart, c.wideEnd)) << c.text;
    }
}

TEST_F(WindowTest, EditKeepsTheCp932BytesAndPutsTheCaretAtTheStart)
{
    const std::string text = "ﾌｫﾙﾀﾞ開く 表計算ソフト;a";
    Edit1().SetSelection(0, 0);
    Edit1().SetText(text);
    EXPECT_EQ(Edit1().Text(), text);
    EXPECT_EQ(Edit1().SelectionStart(), 0);
    EXPECT_EQ(Edit1().SelectionLength(), 0);
}

// A vowel with a macron or circumflex, typed or pasted, is spelled out in the field, and
// the caret stays after what was typed or pasted.
TEST_F(WindowTest, EditSpellsOutMarkedVowelsTypedOrPasted)
{
    const HWND edit = HandleOf("Edit1");
    Edit1().SetText("Tkyo");
    Edit1().SetSelection(1, 0);
    SendMessageW(edit, WM_CHAR, L'\u014D', 0);  // ō
    EXPECT_EQ(Edit1().Text(), "Toukyo");
    EXPECT_EQ(WideSelection(edit), std::make_pair(DWORD{3}, DWORD{3}));

    const std::wstring pasted = L"J\u016Bd\u014D \u00C2";  // Jūdō Â
    ASSERT_TRUE(OpenClipboard(window.Handle()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    Edit1().SetText("a表b");
    Edit1().SetSelection(1, 2);
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Edit1().Text(), "aJuudou Aab");
    EXPECT_EQ(WideSelection(edit), std::make_pair(DWORD{10}, DWORD{10}));
}

TEST_F(WindowTest, AnEditTakingTheFocusSelectsItsWholeText)
{
    Edit1().SetText("表計算ソフト");
    List().SetFocus();
    Edit1().SetFocus();
    EXPECT_TRUE(Edit1().Focused());
    EXPECT_EQ(Edit1().SelectionStart(), 0);
    EXPECT_EQ(Edit1().SelectionLength(), 12);
}

TEST_F(WindowTest, RefillingTheListCopiesNothingAndLeavesTheCaretOnTheFirstRow)
{
    std::vector<std::string> items(100000);
    for (size_t i = 0; i < items.size(); ++i)
        items[i] = "項目" + std::to_string(i);
    List().Assign(items);
    EXPECT_EQ(SendMessageW(HandleOf("ListBox1"), LB_GETCOUNT, 0, 0), 100000);
    EXPECT_EQ(List().CurrentIndex(), 0);
    EXPECT_EQ(List().SelectedCount(), 0);
    List().Clear();
    EXPECT_EQ(SendMessageW(HandleOf("ListBox1"), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(List().CurrentIndex(), -1);
}

// The window keeps the list's scroll bar: it follows every refill and scroll, and the rows
// are painted again whole when the bar comes or goes and changes their width.
TEST_F(WindowTest, TheScrollBarFollowsTheListAndItsComingAndGoingRepaintsTheRows)
{
    HWND list = HandleOf("ListBox1");
    auto bar = [list] {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        SCROLLBARINFO shown{};
        shown.cbSize = sizeof shown;
        GetScrollBarInfo(list, OBJID_VSCROLL, &shown);
        if (!GetScrollInfo(list, SB_VERT, &info) || (shown.rgstate[0] & STATE_SYSTEM_INVISIBLE))
            return std::array<int, 3>{-1, -1, -1};
        return std::array<int, 3>{info.nMax, static_cast<int>(info.nPage), info.nPos};
    };
    auto width = [list] {
        RECT client;
        GetClientRect(list, &client);
        return client.right;
    };
    RECT client;
    GetClientRect(list, &client);
    const int rowHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int page = client.bottom / rowHeight;
    auto waitsForPaint = [list](int x, int y) {
        HRGN update = CreateRectRgn(0, 0, 0, 0);
        const bool waits = GetUpdateRgn(list, update, FALSE) != NULLREGION && PtInRegion(update, x, y);
        DeleteObject(update);
        return waits;
    };
    const LONG fullWidth = width();

    List().Assign(std::vector<std::string>(3, "a"));
    EXPECT_EQ(bar(), (std::array<int, 3>{-1, -1, -1}));
    UpdateWindow(list);
    List().Assign(std::vector<std::string>(1000, "b"));
    EXPECT_EQ(bar(), (std::array<int, 3>{999, page, 0}));
    EXPECT_LT(width(), fullWidth);
    SendMessageW(list, LB_SETTOPINDEX, 500, 0);
    EXPECT_EQ(bar(), (std::array<int, 3>{999, page, 500}));
    SendMessageW(list, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(bar(), (std::array<int, 3>{999, page, 1000 - page}));
    List().Assign(std::vector<std::string>(50000, "c"));
    EXPECT_EQ(bar(), (std::array<int, 3>{49999, page, 0}));

    UpdateWindow(list);
    List().Assign(std::vector<std::string>(2, "c"));
    EXPECT_EQ(bar(), (std::array<int, 3>{-1, -1, -1}));
    EXPECT_EQ(width(), fullWidth);
    // The first row keeps its text, yet the strip the bar left on it is painted too.
    EXPECT_TRUE(waitsForPaint(fullWidth - 2, rowHeight / 2));
}

TEST_F(WindowTest, SelectionFollowsItsEntryWhenRowsComeAndGo)
{
    HWND list = HandleOf("ListBox1");
    List().Assign({"a", "b", "c"});
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{});
    SendMessageW(list, LB_SETSEL, TRUE, 1);  // b, by the user
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{1});
    List().Insert(0, "new");
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(List().SelectedCount(), 1);
    List().Remove(0);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{1});
    SendMessageW(list, LB_SETSEL, TRUE, 0);
    EXPECT_EQ(List().SelectedRows(), (std::vector<int>{0, 1}));
    List().Remove(1);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{0});
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
}

TEST_F(WindowTest, TheCaretFollowsItsEntryWhenRowsComeAndGo)
{
    List().Assign({"a", "b", "c", "d"});
    List().SetCurrentIndex(1);
    List().Insert(0, "new");
    EXPECT_EQ(List().CurrentIndex(), 2);
    List().Insert(4, "after");
    EXPECT_EQ(List().CurrentIndex(), 2);
    List().Remove(0);
    EXPECT_EQ(List().CurrentIndex(), 1);
    List().Remove(1);  // the caret's own entry: the caret stays at its place
    EXPECT_EQ(List().CurrentIndex(), 1);
    List().SetCurrentIndex(3);
    List().Remove(3);  // the last entry: the caret moves up to the new last
    EXPECT_EQ(List().CurrentIndex(), 2);
    EXPECT_EQ(SendMessageW(HandleOf("ListBox1"), LB_GETCARETINDEX, 0, 0), 2);
}

TEST_F(WindowTest, TheCurrentIndexMovesOnlyTheCaretAndCanBeNone)
{
    HWND list = HandleOf("ListBox1");
    List().Assign({"a", "b", "c"});
    List().SetCurrentIndex(2);
    EXPECT_EQ(List().CurrentIndex(), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETCARETINDEX, 0, 0), 2);
    EXPECT_EQ(List().SelectedCount(), 0);

    List().SetCurrentIndex(-1);
    EXPECT_EQ(List().CurrentIndex(), -1);
    // The user's Up moves the caret: it points at an entry again.
    SendMessageW(list, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(List().CurrentIndex(), 1);

    List().SetCurrentIndex(-1);
    List().Insert(1, "x");
    EXPECT_EQ(List().CurrentIndex(), -1);
    List().Clear();
    List().Insert(0, "only");
    EXPECT_EQ(List().CurrentIndex(), 0);
}

// The list's rows as drawn now: each row's pixels, as the list paints them into a bitmap.
class ListPicture {
public:
    explicit ListPicture(HWND list)
    {
        RECT client;
        GetClientRect(list, &client);
        width = client.right;
        rowHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~ListPicture()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    // Pixels of the row's top line that are not `colour` (a focus rectangle's dots).
    int MarksOnTop(int row, COLORREF colour) const
    {
        int marks = 0;
        for (int x = 0; x < width; ++x)
            marks += GetPixel(dc_, x, row * rowHeight) != colour;
        return marks;
    }
    COLORREF Inside(int row) const { return GetPixel(dc_, width - 3, row * rowHeight + rowHeight / 2); }

    int width = 0, rowHeight = 0;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// Wine keeps no keyboard-cues state (WM_QUERYUISTATE answers 0), so the test keeps it: the
// list is told "hide the focus" while `hideFocus` holds, and the window's requests to
// change it are followed.
bool hideFocus = false;
LRESULT CALLBACK FakeUiState(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (msg == WM_QUERYUISTATE)
        return hideFocus ? UISF_HIDEFOCUS : 0;
    if (msg == WM_CHANGEUISTATE && (HIWORD(wParam) & UISF_HIDEFOCUS))
        hideFocus = LOWORD(wParam) == UIS_SET;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

TEST_F(WindowTest, TheFocusRectangleFollowsTheKeyboardCuesAndRowsKeepTheSystemColours)
{
    HWND list = HandleOf("ListBox1");
    SetWindowSubclass(list, FakeUiState, 7, 0);
    SetWindowSubclass(window.Handle(), FakeUiState, 7, 0);
    List().Assign({"a", "b", "c"});
    controls.ListBox1.SetFocus();
    SendMessageW(list, LB_SETSEL, TRUE, 2);
    List().SetCurrentIndex(0);
    const COLORREF paper = GetSysColor(COLOR_WINDOW);
    EXPECT_GT(ListPicture(list).MarksOnTop(0, paper), 0);
    EXPECT_EQ(ListPicture(list).Inside(1), paper);
    EXPECT_EQ(ListPicture(list).Inside(2), GetSysColor(COLOR_HIGHLIGHT));

    hideFocus = true;
    EXPECT_EQ(ListPicture(list).MarksOnTop(0, paper), 0);
    // A key in the list shows the cues again.
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_FALSE(hideFocus);
    EXPECT_GT(ListPicture(list).MarksOnTop(1, paper), 0);
    RemoveWindowSubclass(list, FakeUiState, 7);
    RemoveWindowSubclass(window.Handle(), FakeUiState, 7);
}

TEST_F(WindowTest, ButtonsCarryTheirCaptionDefaultFlagAndTooltip)
{
    Button& ok = ButtonOf(ButtonId::okButton);
    Button& change = ButtonOf(ButtonId::changeButton);
    EXPECT_EQ(ok.Caption(), "OK");
    EXPECT_TRUE(ok.IsDefault());
    EXPECT_EQ(ok.Tooltip(), "実行します　Enter");
    EXPECT_EQ(ButtonOf(ButtonId::FolderOpenButton).Caption(), "ﾌｫﾙﾀﾞ開く");

    ok.SetDefault(false);
    change.SetDefault(true);
    EXPECT_FALSE(ok.IsDefault());
    EXPECT_TRUE(change.IsDefault());
    ok.SetTooltip("実行します ctrl+Enter");
    EXPECT_EQ(ok.Tooltip(), "実行します ctrl+Enter");
    ButtonOf(ButtonId::findButton).SetCaption("先頭検索");
    EXPECT_EQ(ButtonOf(ButtonId::findButton).Caption(), "先頭検索");
}

TEST_F(WindowTest, ControlsStartAsDesignedAndTheTitleKeepsItsBytes)
{
    for (size_t i = 0; i < layout::Controls.size(); ++i) {
        const ControlDesign& d = layout::Controls[i];
        HWND control = HandleOf(d.name);
        ASSERT_NE(control, nullptr) << d.name;
        EXPECT_EQ(IsWindowVisible(control) != 0, d.shownAtCreation) << d.name;
        EXPECT_EQ(BoxOf(control), (std::array<LONG, 4>{d.left, d.top, d.width, d.height})) << d.name;
        EXPECT_EQ(FontHeightOf(control), -d.fontHeight) << d.name;
    }
    EXPECT_EQ(SendMessageW(HandleOf("ListBox1"), LB_GETITEMHEIGHT, 0, 0), layout::ListRowHeight);
    RECT client;
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, layout::ClientWidth);
    EXPECT_EQ(client.bottom, layout::ClientHeight);
    const LONG_PTR style = GetWindowLongPtrW(window.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);

    window.SetTitle("Z:\\表計算ソフト 先頭検索");
    EXPECT_EQ(window.Title(), "Z:\\表計算ソフト 先頭検索");
}

// Moved to a monitor at 150 %: the edges of every control, the fonts and the list's rows
// grow by half (controls that meet in the design still meet), and the window takes the
// rectangle the system suggests. Back at 100 % everything is as designed again.
TEST_F(WindowTest, ADpiChangeRescalesTheControlsAndTakesTheSuggestedRectangle)
{
    struct Scaled {
        const char* name;
        std::array<LONG, 4> box;
        LONG fontHeight;
    };
    const Scaled scaled[] = {
        {"Edit1", {-2, 2, 277, 30}, -18},
        {"ListBox1", {0, 32, 276, 162}, -18},
        {"Edit2", {-2, 2, 277, 31}, -20},
        {"okButton", {276, 3, 90, 38}, -18},
        {"hozonsezuOKbutton", {276, 41, 90, 37}, -18},
        {"escButton", {0, 0, 0, 0}, -18},
        {"autoButton", {276, 153, 90, 38}, -18},
    };
    RECT suggested{100, 120, 100 + 375, 120 + 233};
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT frame;
    GetWindowRect(window.Handle(), &frame);
    EXPECT_EQ(std::make_pair(frame.left, frame.top), std::make_pair(100L, 120L));
    EXPECT_EQ(std::make_pair(frame.right, frame.bottom), std::make_pair(475L, 353L));
    for (const Scaled& c : scaled) {
        EXPECT_EQ(BoxOf(HandleOf(c.name)), c.box) << c.name;
        EXPECT_EQ(FontHeightOf(HandleOf(c.name)), c.fontHeight) << c.name;
    }
    EXPECT_EQ(SendMessageW(HandleOf("ListBox1"), LB_GETITEMHEIGHT, 0, 0), 18);

    RECT designed{100, 120, 100 + 250, 120 + 155};
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&designed));
    for (const ControlDesign& d : layout::Controls) {
        EXPECT_EQ(BoxOf(HandleOf(d.name)), (std::array<LONG, 4>{d.left, d.top, d.width, d.height})) << d.name;
        EXPECT_EQ(FontHeightOf(HandleOf(d.name)), -d.fontHeight) << d.name;
    }
    EXPECT_EQ(SendMessageW(HandleOf("ListBox1"), LB_GETITEMHEIGHT, 0, 0), layout::ListRowHeight);
}

TEST_F(WindowTest, HidingTheFocusedControlLeavesNoControlFocused)
{
    Edit1().SetFocus();
    Edit1().SetVisible(false);
    EXPECT_FALSE(Edit1().Visible());
    EXPECT_EQ(GetFocus(), window.Handle());
    EXPECT_EQ(window.ControlOf(GetFocus()), nullptr);
    EXPECT_EQ(KeyTargetOf(controls, window.ControlOf(GetFocus())).focus, FocusKind::None);
    Edit1().SetVisible(true);
}

TEST_F(WindowTest, TabWalksTheShownControlsAndEnterFindsTheShownDefault)
{
    Edit1().SetFocus();
    MoveFocus(controls, 1);
    EXPECT_TRUE(List().Focused());
    MoveFocus(controls, 1);
    EXPECT_EQ(GetFocus(), HandleOf("okButton"));
    MoveFocus(controls, -1);
    MoveFocus(controls, -1);
    EXPECT_TRUE(Edit1().Focused());

    KeyTarget target = TargetOf("okButton");
    EXPECT_EQ(target.focus, FocusKind::Button);
    EXPECT_EQ(target.focusedButton, ButtonId::okButton);
    EXPECT_TRUE(target.hasShownDefault);
    EXPECT_EQ(target.shownDefault, ButtonId::okButton);
    // dirchangeButton is a default button too, but hidden on the front page.
    ButtonOf(ButtonId::okButton).SetVisible(false);
    EXPECT_FALSE(TargetOf("Edit1").hasShownDefault);
    ButtonOf(ButtonId::dirchangeButton).SetVisible(true);
    EXPECT_EQ(TargetOf("Edit1").shownDefault, ButtonId::dirchangeButton);
}

// The controls that start hidden get their windows on first use, or when the window first
// has nothing to do: one made late stands where the design puts it in the tab and stacking
// order, between the controls that have windows already, and works as the others do.
TEST_F(WindowTest, AControlThatStartsHiddenIsMadeOnFirstUseInItsPlaceOfTheTabOrder)
{
    auto made = [this](const char* name) { return GetDlgItem(window.Handle(), layout::ControlIdOf(IndexOf(name))); };
    for (const ControlDesign& d : layout::Controls)
        EXPECT_EQ(made(d.name) != nullptr, d.shownAtCreation) << d.name;
    Button& sort = ButtonOf(ButtonId::sortButton);
    sort.SetVisible(false);
    EXPECT_FALSE(sort.Visible());
    EXPECT_EQ(made("sortButton"), nullptr);

    sort.SetVisible(true);
    HWND sortWindow = made("sortButton");
    ASSERT_NE(sortWindow, nullptr);
    EXPECT_TRUE(sort.Visible());
    EXPECT_EQ(GetWindow(made("FolderOpenButton"), GW_HWNDNEXT), sortWindow);  // lnkcreateButton has none yet
    EXPECT_EQ(BoxOf(sortWindow), (std::array<LONG, 4>{184, 52, 60, 25}));
    EXPECT_EQ(sort.Caption(), "履歴ソート");
    EXPECT_EQ(sort.Tooltip(), "履歴を昇順に並べ替えます　Ctrl＋→");
    ButtonOf(ButtonId::FolderOpenButton).SetFocus();
    MoveFocus(controls, 1);
    EXPECT_TRUE(sort.Focused());
    EXPECT_EQ(TargetOf("sortButton").focusedButton, ButtonId::sortButton);
    int clicks = 0;
    dynamic_cast<Win32Button&>(sort).onClick = [&clicks] { ++clicks; };
    SendMessageW(sortWindow, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    window.MakeRemainingControls();
    std::vector<int> stacking;
    for (HWND child = GetWindow(window.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        stacking.push_back(GetDlgCtrlID(child));
    std::vector<int> tabOrder;
    for (size_t i = 0; i < layout::Controls.size(); ++i)
        tabOrder.push_back(layout::ControlIdOf(i));
    EXPECT_EQ(stacking, tabOrder);
    EXPECT_FALSE(ButtonOf(ButtonId::autoButton).Visible());
}

// A drop handle as the shell makes it: a DROPFILES header and a double-NUL-ended list.
HDROP MakeDrop(const std::wstring& path)
{
    const size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(WindowTest, DroppedPathsThatCannotBeKeptWholeAreRefused)
{
    Win32Platform platform;
    TForm1 form(platform, controls);
    window.Attach(form);
    const std::wstring longPath = L"C:\\" + std::wstring(253, L'x') + L".exe";  // 260 bytes
    const std::wstring notCp932 = L"C:\\\xD55C.exe";                                 // a Hangul syllable
    SendMessageW(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(longPath)), 0);
    SendMessageW(window.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(notCp932)), 0);
    ASSERT_EQ(window.errors.size(), 2u);
    EXPECT_EQ(window.errors[0], "パスが長すぎるため登録できません.");
    EXPECT_EQ(window.errors[1], "パスに Shift-JIS で表せない文字が含まれているため登録できません.");
    EXPECT_TRUE(form.PendingRenamePath.empty());
    EXPECT_TRUE(window.Title().empty());
}

// A folder of its own as the current directory, holding a data file with no entries.
class SessionTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"veskor-session-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        GetCurrentDirectoryW(MAX_PATH, previous_);
        SetCurrentDirectoryW(folder_.c_str());
        const char empty[] = "\x04\x00\x00\x00" "C:\\x" "\x00\x00\x00\x00";
        std::FILE* file = std::fopen("veskor.dat", "wb");
        std::fwrite(empty, 1, sizeof empty - 1, file);
        std::fclose(file);
    }
    void TearDown() override
    {
        SetCurrentDirectoryW(previous_);
        DeleteFileW((folder_ + L"\\veskor.dat").c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::string DataFile() const
    {
        std::string bytes;
        if (std::FILE* file = std::fopen("veskor.dat", "rb")) {
            char buffer[256];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                bytes.append(buffer, n);
            std::fclose(file);
        }
        return bytes;
    }

private:
    std::wstring folder_;
    wchar_t previous_[MAX_PATH] = {};
};

TEST_F(SessionTest, TheSessionsEndKeepsTheRunsChanges)
{
    Win32Platform platform;
    TForm1 form(platform, controls);
    window.Attach(form);
    form.Dispatch([&] { form.FormShow(); });
    ASSERT_TRUE(window.errors.empty()) << window.errors[0];
    form.HistoryList->Record("新規", false);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_NE(DataFile().find("新規"), std::string::npos);
}

}  // namespace
}  // namespace veskor::gui
