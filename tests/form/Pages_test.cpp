#include <gtest/gtest.h>

#include <functional>
#include <iterator>

#include "support/FormFixture.h"

namespace veskor::test {
namespace {

std::vector<std::string> ShownButtons(FormFixture& f)
{
    std::vector<std::string> shown;
    for (int i = 0; i < ButtonCount; ++i) {
        if (f[static_cast<ButtonId>(i)].Visible())
            shown.push_back(layout::ButtonDesign(static_cast<ButtonId>(i)).name);
    }
    return shown;
}

using Names = std::vector<std::string>;

TEST(PagesTest, FrontAndBackPageShowTheirOwnControls)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    EXPECT_EQ(ShownButtons(f), (Names{"okButton", "hozonsezuOKbutton", "delButton", "FolderOpenButton", "escButton",
                                      "renameButton"}));
    f.form.ura();
    EXPECT_EQ(ShownButtons(f),
              (Names{"sortButton", "escButton", "dirchangeButton", "alcButton", "autoButton", "findButton"}));
    EXPECT_TRUE(f.Edit2.Visible());
    EXPECT_FALSE(f.Edit1.Visible());
    EXPECT_FALSE(f.ListBox1.Visible());
    f.form.omote();
    EXPECT_EQ(ShownButtons(f), (Names{"okButton", "hozonsezuOKbutton", "delButton", "FolderOpenButton", "escButton",
                                      "renameButton"}));
}

TEST(PagesTest, PageChangesMoveNoFocusAndKeepTitleTextsAndDefaults)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.Edit1.SetText("typed");
    f.Edit2.SetText("C:\\x");
    f.form.ura();
    EXPECT_EQ(f.Focused(), nullptr);  // Edit1 had it and is hidden now
    EXPECT_EQ(f.window.title, "D:\\Links 先頭検索");
    EXPECT_EQ(f.Edit1.Text(), "typed");
    EXPECT_EQ(f.Edit2.Text(), "C:\\x");
    EXPECT_TRUE(f[ButtonId::okButton].IsDefault());
    EXPECT_TRUE(f[ButtonId::dirchangeButton].IsDefault());
}

TEST(PagesTest, TheFindButtonNamesTheModeAClickSwitchesTo)
{
    FormFixture f;
    f.Seed("D:\\Links", {});
    f.form.ura();
    EXPECT_EQ(f[ButtonId::findButton].Caption(), "部分検索");
    f.form.SearchMode = Matching::Partial;
    f.form.ura();
    EXPECT_EQ(f[ButtonId::findButton].Caption(), "先頭検索");
}

// After a page swap ends the naming state no shown front button is the default one,
// and the tooltip keeps telling the naming state's key.
TEST(PagesTest, APageSwapEndsTheNamingStateWithoutRestoringTheDefaultButton)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.form.EnterNamingState();
    EXPECT_TRUE(f[ButtonId::changeButton].Visible());
    EXPECT_TRUE(f[ButtonId::changeButton].IsDefault());
    EXPECT_FALSE(f[ButtonId::okButton].IsDefault());
    EXPECT_EQ(f[ButtonId::okButton].Tooltip(), "実行します ctrl+Enter");
    f.RightClick();
    f.RightClick();
    EXPECT_FALSE(f[ButtonId::changeButton].Visible());
    EXPECT_TRUE(f[ButtonId::renameButton].Visible());
    EXPECT_EQ(f[ButtonId::okButton].Tooltip(), "実行します ctrl+Enter");
    for (int i = 0; i < ButtonCount; ++i) {
        const FakeButton& b = f[static_cast<ButtonId>(i)];
        EXPECT_FALSE(b.Visible() && b.IsDefault()) << layout::ButtonDesign(static_cast<ButtonId>(i)).name;
    }
    f.form.LeaveNamingState();
    EXPECT_EQ(f[ButtonId::okButton].Tooltip(), "実行します Enter");
    EXPECT_TRUE(f[ButtonId::okButton].IsDefault());
}

// Enter goes to the first shown default button: each page, in or out of the naming
// state, shows exactly one, its own.
TEST(PagesTest, EachPageShowsExactlyItsOwnDefaultButton)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    const struct {
        std::function<void()> step;
        ButtonId shownDefault;
    } steps[] = {
        {[] {}, ButtonId::okButton},                // the front page
        {[&] { f.RightClick(); }, ButtonId::dirchangeButton},  // the back page
        {[&] { f.RightClick(); f.Run([&] { f.form.EnterNamingState(); }); }, ButtonId::changeButton},
        {[&] { f.Ctrl(vk::U); }, ButtonId::dirchangeButton},  // the back page in the naming state
        {[&] { f.Drop("D:\\folder"); }, ButtonId::dirchangeButton},  // a dropped folder
    };
    for (size_t step = 0; step < std::size(steps); ++step) {
        steps[step].step();
        std::vector<ButtonId> shownDefaults;
        for (int i = 0; i < ButtonCount; ++i) {
            const FakeButton& b = f[static_cast<ButtonId>(i)];
            if (b.Visible() && b.IsDefault())
                shownDefaults.push_back(static_cast<ButtonId>(i));
        }
        EXPECT_EQ(shownDefaults, std::vector<ButtonId>{steps[step].shownDefault}) << "step " << step;
    }
}

TEST(PagesTest, RightClickSwapsPagesWithTheirTitlesAndCtrlUDoesNotWriteTheTitle)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.RightClick();
    EXPECT_EQ(f.window.title, "登録フォルダのパスを入力");
    EXPECT_EQ(f.Edit2.Text(), "D:\\Links");
    EXPECT_TRUE(f.Edit2.Focused());
    f.Edit2.SetText("E:\\other");
    f.form.SearchMode = Matching::Partial;
    f.RightClick();
    EXPECT_EQ(f.window.title, "D:\\Links 部分検索");
    EXPECT_TRUE(f.Edit1.Focused());

    f.Ctrl(vk::U);
    EXPECT_TRUE(f.Edit2.Visible());
    EXPECT_TRUE(f.Edit2.Focused());
    EXPECT_EQ(f.Edit2.Text(), "E:\\other");
    f.Ctrl(vk::U);
    EXPECT_TRUE(f.Edit1.Focused());
    EXPECT_EQ(f.window.title, "D:\\Links 部分検索");
}

}  // namespace
}  // namespace veskor::test
