#include <gtest/gtest.h>

#include "history/DataFile.h"
#include "support/FormFixture.h"

namespace veskor::test {
namespace {

const std::string DataFile = "C:\\veskor\\veskor.dat";

TEST(FormLifecycleTest, FirstRunTakesTheCurrentFolderPlacesItsDesktopShortcutAndSaves)
{
    FormFixture f;
    f.platform.AddLink("C:\\Users\\user\\Desktop\\VESKOR3.lnk", {"C:\\old\\VESKOR3.exe", "", "C:\\old\\", 0});
    f.Show();

    EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile("C:\\veskor", {}));
    const auto link = f.platform.Link("C:\\Users\\user\\Desktop\\VESKOR3.lnk");
    ASSERT_TRUE(link);
    EXPECT_EQ(*link, (LinkRecord{"C:\\veskor\\VESKOR3.exe", "", "C:\\veskor\\", 0x0074}));
    EXPECT_EQ(f.window.title, "C:\\veskor 先頭検索");
    EXPECT_EQ(f.window.bounds, (Bounds{578, 347, 250, 155}));
    EXPECT_TRUE(f.Edit1.Focused());
    EXPECT_TRUE(f.window.errors.empty());
}

TEST(FormLifecycleTest, LoadFillsHistoryAndListAndAnEmptyFolderFieldFallsBackToTheCurrentFolder)
{
    FormFixture f;
    f.platform.AddFile(DataFile, SerializeDataFile("", {"mail", "", "mail"}));
    f.Show();
    EXPECT_EQ(f.form.ShortcutFolder, "C:\\veskor");
    EXPECT_EQ(f.History(), (std::vector<std::string>{"mail", "", "mail"}));
    EXPECT_EQ(f.ListItems(), f.History());
    EXPECT_EQ(f.window.title, "C:\\veskor 先頭検索");
    // Nothing is written before the close, and no desktop shortcut is made.
    EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile("", {"mail", "", "mail"}));
    EXPECT_FALSE(f.platform.Exists("C:\\Users\\user\\Desktop\\VESKOR3.lnk"));

    f.CloseBox();
    EXPECT_TRUE(f.window.Ended());
    EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile("C:\\veskor", {"mail", "", "mail"}));
}

// A history that could not be read must survive the run: the close leaves the file alone.
TEST(FormLifecycleTest, AnUnreadableOrDamagedDataFileIsReportedAndNeverSavedOver)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool lockFile;
    };
    const std::string good = SerializeDataFile("D:\\Links", {"mail", "web"});
    const Case cases[] = {
        {"held open by another program", good, true},
        {"a length past the end", good.substr(0, good.size() - 2), false},
        {"a negative length", std::string("\xff\xff\xff\xff", 4) + good, false},
    };
    for (const Case& c : cases) {
        FormFixture f;
        f.platform.AddFile(DataFile, c.bytes);
        if (c.lockFile)
            f.platform.FailToOpen(DataFile);
        f.Show();
        ASSERT_EQ(f.window.errors.size(), 1u) << c.what;
        EXPECT_NE(f.window.errors[0].text.find("veskor.dat"), std::string::npos) << c.what;
        EXPECT_EQ(f.window.title, "") << c.what;  // the rest of the first show is skipped
        f.CloseBox();
        EXPECT_TRUE(f.window.Ended()) << c.what;
        EXPECT_EQ(f.platform.Bytes(DataFile), c.bytes) << c.what;
    }
}

TEST(FormLifecycleTest, AFailedSaveAtCloseKeepsTheWindowOpenAndTheOldFile)
{
    FormFixture f;
    const std::string old = SerializeDataFile("D:\\Links", {"mail"});
    f.platform.AddFile(DataFile, old);
    f.Show();
    f.platform.FailToWrite(DataFile);
    f.Edit1.SetText("mail");
    f.Press(KeyEvent{vk::Escape, false, false, false});
    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_NE(f.window.errors[0].text.find("を作成できません"), std::string::npos);
    EXPECT_FALSE(f.window.Ended());
    EXPECT_FALSE(f.form.Closed());
    EXPECT_EQ(f.History(), (std::vector<std::string>{"mail"}));
    EXPECT_EQ(f.platform.Bytes(DataFile), old);
}

TEST(FormLifecycleTest, EventsAfterTheCloseAreDropped)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail"});
    f.CloseBox();
    ASSERT_TRUE(f.form.Closed());
    EXPECT_EQ(f.form.HistoryList, nullptr);
    f.Run([&] { f.form.okButtonClick(); });
    f.Run([&] { f.form.delButtonClick(); });
    f.Run([&] { f.form.Edit1KeyUp('A'); });
    EXPECT_TRUE(f.window.errors.empty());
    EXPECT_EQ(f.window.endProgramCount, 1);
}

TEST(FormLifecycleTest, TheEndOfTheSessionSavesThisRunsChanges)
{
    FormFixture f;
    f.Seed("D:\\Links", {"mail", "web"});
    f.Run([&] { f.form.SessionEnding(); });
    EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile("D:\\Links", {"mail", "web"}));
    f.form.HistoryList->Insert(0, "new");
    f.Run([&] { f.form.SessionEnding(); });
    EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile("D:\\Links", {"new", "mail", "web"}));
    EXPECT_FALSE(f.window.Ended());
}

TEST(FormLifecycleTest, AnUnreadablePointerIsReportedWithTheSystemText)
{
    FormFixture f;
    f.platform.AddFile(DataFile, SerializeDataFile("D:\\Links", {}));
    f.platform.cursorFailure = 5;
    f.Show();
    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_EQ(f.window.errors[0].text.rfind("システムエラー。コード：5.\r\n", 0), 0u);
    EXPECT_EQ(f.window.title, "D:\\Links 先頭検索");
}

}  // namespace
}  // namespace veskor::test
