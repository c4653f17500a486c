#include <gtest/gtest.h>

#include <functional>

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

// A desktop shortcut that cannot be saved is reported with the system's reason once the
// window is ready; the first run still keeps its folder and saves.
TEST(FormLifecycleTest, AFirstRunWhoseDesktopShortcutCannotBeSavedSaysSoAndGoesOn)
{
    const std::string link = "C:\\Users\\user\\Desktop\\VESKOR3.lnk";
    const struct {
        const char* what;
        std::function<void(MemoryPlatform&)> fault;
        const char* reason;
    } cases[] = {
        {"disk full", [&](MemoryPlatform& p) { p.FailToWrite(link); }, systext::DiskFull},
        {"held by another program", [&](MemoryPlatform& p) { p.FailToOpen(link); }, systext::SharingViolation},
        {"a folder of that name", [&](MemoryPlatform& p) { p.AddFolder(link); }, systext::AccessDenied},
        {"no desktop", [](MemoryPlatform& p) { p.desktopFolder = "C:\\Users\\user\\Gone"; }, systext::PathNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormFixture f;
        c.fault(f.platform);
        f.Show();
        ASSERT_EQ(f.window.errors.size(), 1u);
        EXPECT_EQ(f.window.errors[0].text, "ファイル \"" + f.platform.desktopFolder + "\\VESKOR3.lnk\". " +
                                               c.reason + " を作成できません.");
        EXPECT_FALSE(f.platform.Link(link));
        EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile("C:\\veskor", {}));
        EXPECT_EQ(f.window.title, "C:\\veskor 先頭検索");
        EXPECT_EQ(f.window.bounds, (Bounds{578, 347, 250, 155}));
    }
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

// A file damaged by something else while the window was open never keeps it from closing.
TEST(FormLifecycleTest, AFileDamagedMeanwhileIsToldOnceAndTheWindowCloses)
{
    FormFixture f;
    f.platform.AddFile(DataFile, SerializeDataFile("D:\\Links", {"mail"}));
    f.Show();
    f.platform.AddFile(DataFile, "damaged");
    f.CloseBox();
    ASSERT_EQ(f.window.errors.size(), 1u);
    EXPECT_NE(f.window.errors[0].text.find("veskor.dat.damaged"), std::string::npos);
    EXPECT_TRUE(f.window.Ended());
    EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile("D:\\Links", {"mail"}));
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
    f.form.HistoryList->Record("new", false);
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

// Another copy saved its own change (it launched x) while this window was open: each
// command of this window reaches the file on top of that, not in place of it.
TEST(FormLifecycleTest, EveryCommandsChangeIsSavedOnTopOfAnotherCopysSave)
{
    using Names = std::vector<std::string>;
    const struct {
        const char* what;
        std::function<void(FormFixture&)> command;
        Names after;
        std::string folder = "D:\\Links";
    } cases[] = {
        {"a launch",
         [](FormFixture& f) {
             f.Type("c");
             f.Press(vk::Return);
         },
         {"c", "x", "a", "b"}},
        {"a delete",
         [](FormFixture& f) {
             f.ClickItem(1);
             f.Ctrl(vk::Delete);
         },
         {"x", "a", "c"}},
        {"a rename",
         [](FormFixture& f) {
             f.Edit1.SetText("a");
             f.Ctrl(vk::N);
             f.Type("z");
             f.Press(vk::Return);
         },
         {"z", "x", "b", "c"}},
        {"a registration", [](FormFixture& f) { f.Drop("C:\\tools\\app.exe"); }, {"app", "x", "a", "b", "c"}},
        {"clear all",
         [](FormFixture& f) {
             f.RightClick();
             f.Alt(vk::Back);
         },
         {}},
        {"a sort", [](FormFixture& f) { f.Ctrl(vk::Right); }, {"a", "b", "c", "x"}},
        {"an auto-register",
         [](FormFixture& f) {
             f.RightClick();
             f.Ctrl(vk::T);
         },
         {"x", "a", "b", "c", "new"}},
        {"a folder change",
         [](FormFixture& f) {
             f.RightClick();
             f.Edit2.SetText("D:\\Other");
             f.Press(vk::Return);
         },
         {"x", "a", "b", "c"}, "D:\\Other"},
    };
    for (const auto& c : cases) {
        FormFixture f;
        f.platform.AddFile(DataFile, SerializeDataFile("D:\\Links", {"a", "b", "c"}));
        f.Show();
        for (const char* name : {"a", "b", "c", "new"})
            f.AddShortcut(name, "C:\\tools\\" + std::string(name) + ".exe");
        f.platform.AddFile(DataFile, SerializeDataFile("D:\\Links", {"x", "a", "b", "c"}));
        c.command(f);
        f.CloseBox();
        EXPECT_TRUE(f.window.errors.empty()) << c.what;
        EXPECT_TRUE(f.window.Ended()) << c.what;
        EXPECT_EQ(f.platform.Bytes(DataFile), SerializeDataFile(c.folder, c.after)) << c.what;
    }
}

}  // namespace
}  // namespace veskor::test
