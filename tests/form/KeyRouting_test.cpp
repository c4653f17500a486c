#include "form/KeyRouting.h"

#include <gtest/gtest.h>

#include <string_view>

namespace veskor {
namespace {

using Action = KeyRoute::Action;

KeyEvent Key(int key, bool shift = false, bool ctrl = false, bool alt = false) { return {key, shift, ctrl, alt}; }

KeyTarget InEdit1(bool withDefault = true)
{
    return {FocusKind::Edit1, ButtonId::okButton, withDefault, ButtonId::okButton, true};
}

KeyTarget OnButton(ButtonId focused)
{
    return {FocusKind::Button, focused, true, ButtonId::okButton, true};
}

KeyTarget BackPage() { return {FocusKind::Edit2, ButtonId::okButton, true, ButtonId::dirchangeButton, true}; }

KeyTarget NothingFocused() { return {FocusKind::None, ButtonId::okButton, true, ButtonId::okButton, true}; }

struct RouteCase {
    const char* what;
    KeyEvent key;
    KeyTarget target;
    KeyRoute expected;
};

const RouteCase Cases[] = {
    {"plain Enter clicks the shown default button", Key(vk::Return), InEdit1(), {Action::ClickButton, ButtonId::okButton}},
    {"plain Enter on the back page clicks dirchangeButton", Key(vk::Return), BackPage(),
     {Action::ClickButton, ButtonId::dirchangeButton}},
    {"plain Enter on a focused button clicks that button, not the default", Key(vk::Return),
     OnButton(ButtonId::delButton), {Action::ClickButton, ButtonId::delButton}},
    {"plain Enter with nothing focused still finds the default button", Key(vk::Return), NothingFocused(),
     {Action::ClickButton, ButtonId::okButton}},
    {"plain Enter without a shown default reaches the handler", Key(vk::Return), InEdit1(false), {}},
    {"Ctrl+Enter reaches the handler", Key(vk::Return, false, true), InEdit1(), {}},
    {"Shift+Enter reaches the handler", Key(vk::Return, true), InEdit1(), {}},
    {"Alt+Enter reaches the handler", Key(vk::Return, false, false, true), InEdit1(), {}},
    {"Ctrl+Enter on a focused button is not a click", Key(vk::Return, false, true), OnButton(ButtonId::delButton), {}},
    {"plain Esc clicks escButton", Key(vk::Escape), InEdit1(), {Action::ClickButton, ButtonId::escButton}},
    {"plain Esc on a focused button clicks escButton", Key(vk::Escape), OnButton(ButtonId::sortButton),
     {Action::ClickButton, ButtonId::escButton}},
    {"plain Esc without a shown default still clicks escButton", Key(vk::Escape), InEdit1(false),
     {Action::ClickButton, ButtonId::escButton}},
    {"Shift+Esc reaches the handler", Key(vk::Escape, true), InEdit1(), {}},
    {"Ctrl+Esc reaches the handler", Key(vk::Escape, false, true), InEdit1(), {}},
    {"Tab moves forward", Key(vk::Tab), InEdit1(), {Action::FocusNext}},
    {"Shift+Tab moves back", Key(vk::Tab, true), InEdit1(), {Action::FocusPrevious}},
    {"Tab moves from a button too", Key(vk::Tab), OnButton(ButtonId::okButton), {Action::FocusNext}},
    {"Ctrl+Tab reaches the handler", Key(vk::Tab, false, true), InEdit1(), {}},
    {"letters reach the handler", Key('A'), InEdit1(), {}},
    {"Ctrl+U reaches the handler", Key(vk::U, false, true), BackPage(), {}},
    {"Down reaches the handler", Key(vk::Down), InEdit1(), {}},
};

TEST(KeyRoutingTest, ButtonsTakePlainEnterAndEscAndTabMovesTheFocus)
{
    for (const RouteCase& c : Cases)
        EXPECT_EQ(RouteKey(c.key, c.target), c.expected) << c.what;
}

TEST(KeyRoutingTest, EscIsLeftToTheHandlerWhenEscButtonIsHidden)
{
    KeyTarget target = InEdit1();
    target.escShown = false;
    EXPECT_EQ(RouteKey(Key(vk::Escape), target), KeyRoute{});
}

// The designed front page: Edit1, ListBox1 and the five front buttons; escButton is shown
// but has no tab stop.
std::array<bool, layout::Controls.size()> FrontPage()
{
    std::array<bool, layout::Controls.size()> focusable{};
    for (size_t i = 0; i < layout::Controls.size(); ++i)
        focusable[i] = layout::Controls[i].shownAtCreation && layout::Controls[i].tabStop;
    return focusable;
}

int IndexOf(const char* name)
{
    for (size_t i = 0; i < layout::Controls.size(); ++i) {
        if (std::string_view(layout::Controls[i].name) == name)
            return static_cast<int>(i);
    }
    ADD_FAILURE() << name;
    return -1;
}

struct TabCase {
    const char* from;  // nullptr: nothing focused
    int step;
    const char* to;
};

const TabCase TabCases[] = {
    {"Edit1", 1, "ListBox1"},
    {"ListBox1", 1, "okButton"},
    {"FolderOpenButton", 1, "renameButton"},  // skips the hidden back-page buttons and escButton
    {"renameButton", 1, "Edit1"},             // wraps
    {"Edit1", -1, "renameButton"},
    {"okButton", -1, "ListBox1"},
    {nullptr, 1, "Edit1"},
    {nullptr, -1, "renameButton"},
};

TEST(KeyRoutingTest, TabWalksTheShownTabStopsInTabOrder)
{
    const auto focusable = FrontPage();
    for (const TabCase& c : TabCases) {
        const int from = c.from ? IndexOf(c.from) : -1;
        EXPECT_EQ(TabTarget(from, c.step, focusable), IndexOf(c.to))
            << (c.from ? c.from : "(none)") << " step " << c.step;
    }
}

TEST(KeyRoutingTest, TabOnTheBackPageStaysAmongItsControls)
{
    std::array<bool, layout::Controls.size()> focusable{};
    for (const char* name : {"Edit2", "sortButton", "dirchangeButton", "alcButton", "autoButton", "findButton"})
        focusable[static_cast<size_t>(IndexOf(name))] = true;
    EXPECT_EQ(TabTarget(IndexOf("Edit2"), 1, focusable), IndexOf("sortButton"));
    EXPECT_EQ(TabTarget(IndexOf("sortButton"), 1, focusable), IndexOf("dirchangeButton"));
    EXPECT_EQ(TabTarget(IndexOf("findButton"), 1, focusable), IndexOf("Edit2"));
    EXPECT_EQ(TabTarget(IndexOf("Edit2"), -1, focusable), IndexOf("findButton"));
}

TEST(KeyRoutingTest, TabGoesNowhereWhenNoControlCanTakeTheFocus)
{
    EXPECT_EQ(TabTarget(-1, 1, {}), -1);
    EXPECT_EQ(TabTarget(0, -1, {}), -1);
}

}  // namespace
}  // namespace veskor
