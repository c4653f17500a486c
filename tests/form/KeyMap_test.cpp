#include <gtest/gtest.h>

#include "history/DataFile.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

enum class Where { Edit1, ListBox1, Edit2 };

void FocusOn(FormFixture& f, Where where)
{
    if (where == Where::Edit2) {
        f.form.ura();
        f.Edit2.SetFocus();
    } else if (where == Where::ListBox1) {
        f.ListBox1.SetFocus();
    } else {
        f.Edit1.SetFocus();
    }
}

struct KeyCase {
    Where where;
    KeyEvent key;
    const char* title;  // what the command writes; nullptr: no command runs
};

constexpr KeyEvent Ctrl(int key) { return KeyEvent{key, false, true, false}; }
constexpr KeyEvent Alt(int key) { return KeyEvent{key, false, false, true}; }

// Each command shows itself by its title; a key without a row leaves the title alone.
const KeyCase Cases[] = {
    {Where::Edit1, Ctrl(vk::Delete), "履歴を削除しました"},
    {Where::ListBox1, Ctrl(vk::Delete), "履歴を削除しました"},
    {Where::Edit2, Ctrl(vk::Delete), nullptr},
    {Where::Edit1, Ctrl(vk::Right), "ソートしました"},
    {Where::ListBox1, Ctrl(vk::Right), "ソートしました"},
    {Where::Edit2, Ctrl(vk::Right), "ソートしました"},
    {Where::Edit1, Ctrl(vk::T), "自動登録しました"},
    {Where::ListBox1, Ctrl(vk::T), nullptr},
    {Where::Edit2, Ctrl(vk::T), "自動登録しました"},
    {Where::Edit1, Alt(vk::Back), nullptr},
    {Where::ListBox1, Alt(vk::Back), nullptr},
    {Where::Edit2, Alt(vk::Back), "履歴を全消去しました"},
    {Where::Edit1, Ctrl(vk::S), nullptr},
    {Where::ListBox1, Ctrl(vk::S), nullptr},
    {Where::Edit1, Ctrl(vk::F), "D:\\Links 部分検索"},
    {Where::ListBox1, Ctrl(vk::F), "D:\\Links 部分検索"},
    {Where::Edit2, Ctrl(vk::F), "D:\\Links 部分検索"},
    {Where::Edit1, KeyEvent{vk::F, true, true, false}, "D:\\Links 部分検索"},  // Shift is not looked at
    {Where::Edit1, Ctrl(vk::N), "mailの変更後の名前を入力"},
    {Where::ListBox1, Ctrl(vk::N), "mailの変更後の名前を入力"},
    {Where::Edit2, Ctrl(vk::N), nullptr},
    {Where::Edit1, KeyEvent{vk::T}, nullptr},
    {Where::Edit1, Alt(vk::T), nullptr},
};

TEST(KeyMapTest, EachControlReachesExactlyItsOwnRows)
{
    for (const KeyCase& c : Cases) {
        FormFixture f;
        f.Seed("D:\\Links", {"b", "mail", "a"});
        f.Edit1.SetText("mail");
        FocusOn(f, c.where);
        const std::string before = f.window.title;
        f.KeyDown(c.key);
        const std::string label = std::to_string(static_cast<int>(c.where)) + " key " + std::to_string(c.key.key);
        EXPECT_EQ(f.window.title, c.title ? std::string(c.title) : before) << label;
        EXPECT_TRUE(f.window.errors.empty()) << label;
        EXPECT_FALSE(f.window.Ended()) << label;
    }
}

TEST(KeyMapTest, CtrlFInTheFieldKeepsThePageAndElsewhereShowsTheFrontPage)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.form.CompletionCount = 3;
    f.Ctrl(vk::F);
    EXPECT_EQ(f.form.SearchMode, Matching::Partial);
    EXPECT_EQ(f.form.CompletionCount, 0);
    f.Ctrl(vk::U);
    f.Ctrl(vk::F);
    EXPECT_EQ(f.form.SearchMode, Matching::Prefix);
    EXPECT_TRUE(f.Edit1.Visible());
    EXPECT_FALSE(f.Edit2.Visible());
}

TEST(KeyMapTest, EnterAndCtrlEnterFollowTheNamingState)
{
    using History = std::vector<std::string>;
    struct Case {
        const char* what;
        bool naming;
        KeyEvent key;
        bool launched;
        History saved;  // empty: the window stays open
    };
    const Case cases[] = {
        {"Enter launches and records", false, KeyEvent{vk::Return}, true, {"mail", "b"}},
        {"Shift+Enter acts as Enter", false, KeyEvent{vk::Return, true, false, false}, true, {"mail", "b"}},
        {"Ctrl+Enter launches without recording", false, Ctrl(vk::Return), true, {"b", "mail"}},
        {"Ctrl+Enter while naming launches and records", true, Ctrl(vk::Return), true, {"mail", "b"}},
        {"Shift+Enter while naming confirms the name", true, KeyEvent{vk::Return, true, false, false}, false, {}},
    };
    for (const Case& c : cases) {
        FormFixture f;
        f.Seed("D:\\Links", {"b", "mail"});
        f.AddShortcut("mail", "C:\\m.exe");
        f.Edit1.SetText("mail");
        if (c.naming)
            f.form.EnterNamingState();
        f.KeyDown(c.key);
        EXPECT_EQ(f.platform.shellCalls.size(), c.launched ? 1u : 0u) << c.what;
        EXPECT_EQ(f.window.Ended(), !c.saved.empty()) << c.what;
        if (!c.saved.empty())
            EXPECT_EQ(f.platform.Bytes("C:\\veskor\\veskor.dat"), SerializeDataFile("D:\\Links", c.saved)) << c.what;
        else
            EXPECT_FALSE(f.form.NamingState()) << c.what;
    }
}

TEST(KeyMapTest, AfterAPageSwapEndedTheNamingStatePlainEnterStillLaunches)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.AddShortcut("mail", "C:\\m.exe");
    f.form.EnterNamingState();
    f.RightClick();
    f.RightClick();
    f.Edit1.SetText("mail");
    f.Press(vk::Return);
    EXPECT_EQ(f.platform.shellCalls.size(), 1u);
    EXPECT_TRUE(f.window.Ended());
}

TEST(KeyMapTest, DownEntersTheListAndUpOnTheFirstEntryReturns)
{
    FormFixture f;
    f.Seed("D:\\Links", {"a", "b", "c"});
    f.KeyDown(KeyEvent{vk::Down});
    EXPECT_TRUE(f.ListBox1.Focused());
    EXPECT_EQ(f.ListBox1.CurrentIndex(), 0);
    EXPECT_EQ(f.Edit1.Text(), "a");
    EXPECT_EQ(f.ListBox1.SelectedCount(), 0);

    f.form.CompletionCount = 2;
    f.KeyDown(KeyEvent{vk::Up});
    EXPECT_TRUE(f.Edit1.Focused());
    EXPECT_EQ(f.Edit1.Text(), "");
    EXPECT_EQ(f.ListBox1.CurrentIndex(), -1);
    EXPECT_EQ(f.form.CompletionCount, 0);

    f.Edit1.SetText("x");
    f.KeyDown(KeyEvent{vk::Down});
    EXPECT_EQ(f.ListBox1.CurrentIndex(), 1);
    EXPECT_EQ(f.Edit1.Text(), "b");

    FormFixture empty;
    empty.Seed("D:\\Links", {});
    empty.KeyDown(KeyEvent{vk::Down});
    EXPECT_TRUE(empty.Edit1.Focused());
}

TEST(KeyMapTest, EscWithAModifierStillReachesTheEscCommand)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.Edit1.SetText("mail");
    f.KeyDown(KeyEvent{vk::Escape, true, false, false});
    EXPECT_TRUE(f.window.Ended());
    EXPECT_EQ(f.platform.shellCalls.size(), 1u);
    EXPECT_EQ(f.platform.shellCalls[0].file, "");
}

TEST(KeyMapTest, AltLLogsOffFromEveryControlAndDoesNothingElse)
{
    for (Where where : {Where::Edit1, Where::ListBox1, Where::Edit2}) {
        FormFixture f;
        f.Seed("D:\\Links", {"mail"});
        FocusOn(f, where);
        f.KeyDown(Alt(vk::L));
        EXPECT_EQ(f.platform.logOffCount, 1);
        EXPECT_FALSE(f.window.Ended());
        EXPECT_FALSE(f.platform.Bytes("C:\\veskor\\veskor.dat").has_value());
    }
}

TEST(KeyMapTest, MiddleClickLaunchesFromEitherPageAndTheWheelOnlyActsOnTheFront)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.AddShortcut("mail", "C:\\m.exe");
    f.RightClick();
    f.Wheel();
    EXPECT_TRUE(f.Edit2.Focused());
    f.Edit1.SetText("mail");
    f.MiddleClick();
    EXPECT_EQ(f.platform.shellCalls.size(), 1u);
    EXPECT_TRUE(f.window.Ended());

    FormFixture front;
    front.Seed("D:\\Links", {"mail"});
    front.Wheel();
    EXPECT_TRUE(front.ListBox1.Focused());
}

TEST(KeyMapTest, ALeftPressWithTheRightButtonHeldSwapsPagesToo)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.MouseDown(MouseState{.left = true, .right = true});
    EXPECT_TRUE(f.Edit2.Visible());
}

}  // namespace
}  // namespace veskor::test
