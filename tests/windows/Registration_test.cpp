#include "WinTest.h"
// After windows.h, which they need.
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "form/TForm1.h"
#include "win32/Utf16.h"
#include "support/FakeControls.h"

// Registration and the maintenance commands on the real system: the window's controls
// are in memory, but every shortcut is written, renamed and listed by Windows itself.
namespace veskor::wintest {
namespace {

using Names = std::vector<std::string>;

const std::string Same = "(同名あり)";

// The working directory stored in a link, read with the shell's own interface.
std::string WorkingDirectoryOf(const std::string& linkPath)
{
    std::string directory = "<unreadable>";
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return directory;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(win32::WidenJapanese(linkPath).c_str(), STGM_READ))) {
            char text[MAX_PATH + 1] = {};
            link->GetWorkingDirectory(text, MAX_PATH);
            directory = text;
        }
        file->Release();
    }
    link->Release();
    return directory;
}

// A run whose shortcut folder is `links` under the test's folder; the registered files
// sit in `tools` beside it.
class RegistrationTest : public FolderTest {
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        if (HasFatalFailure())
            return;
        links = In("links");
        tools = In("tools");
        ASSERT_TRUE(CreateDirectoryA(links.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(tools.c_str(), nullptr));
        target = tools + "\\ソフト.exe";  // "ソ" ends in the byte of "\"
        WriteBytes(target, "MZ");
        Seed({"mail"});
    }

    void Seed(const Names& entries)
    {
        form.ShortcutFolder = links;
        form.HistoryList = std::make_unique<veskor::History>(platform);
        form.HistoryList->Load(entries);
        c.ListBox1.Assign(entries);
        c.Edit1.SetFocus();
    }

    std::string Link(const std::string& name) const { return links + "\\" + name + ".lnk"; }
    Names History() const { return form.HistoryList->Entries(); }

    std::string links;
    std::string tools;
    std::string target;
    test::FakeFormControls c;
    TForm1 form{platform, c.Form()};
};

TEST_P(RegistrationTest, AFileGetsAShortcutHoldingItsPathAndFolder)
{
    form.lnkcreate(target);

    EXPECT_EQ(platform.ReadLink(Link("ソフト")).target, target);
    EXPECT_EQ(WorkingDirectoryOf(Link("ソフト")), tools + "\\");
    EXPECT_EQ(c.window.title, "ショートカット ソフト を作成しました");
    EXPECT_EQ(c.Edit1.Text(), "ソフト");
    EXPECT_EQ(c.Edit1.SelectedText(), "ソフト");
    EXPECT_EQ(form.PendingRenamePath, Link("ソフト"));
    EXPECT_EQ(History(), (Names{"ソフト", "mail"}));
    EXPECT_TRUE(c[ButtonId::changeButton].Visible());
    EXPECT_TRUE(c[ButtonId::changeButton].IsDefault());
}

TEST_P(RegistrationTest, ASecondRegistrationOfTheSameNameGetsTheSuffix)
{
    form.lnkcreate(target);
    form.lnkcreate(target);

    EXPECT_EQ(platform.ReadLink(Link("ソフト")).target, target);
    EXPECT_EQ(platform.ReadLink(Link("ソフト" + Same)).target, target);
    EXPECT_EQ(c.Edit1.Text(), "ソフト" + Same);
    EXPECT_EQ(History(), (Names{"ソフト" + Same, "ソフト", "mail"}));
}

// The history forgets names; the user's files in the folder stay as they are.
TEST_P(RegistrationTest, AFileAlreadyAtTheChosenNameIsNeverOverwritten)
{
    WriteBytes(Link("ソフト"), "the user's own shortcut");
    form.lnkcreate(target);
    EXPECT_EQ(ReadBytes(Link("ソフト")), "the user's own shortcut");
    EXPECT_EQ(platform.ReadLink(Link("ソフト" + Same)).target, target);
    EXPECT_EQ(c.Edit1.Text(), "ソフト" + Same);

    // A copied shortcut avoids the existing file the same way.
    const std::string source = tools + "\\tool.lnk";
    platform.SaveLink(source, target, tools + "\\", 0);
    WriteBytes(Link("tool"), "another of the user's");
    form.lnkcreate(source);
    EXPECT_EQ(ReadBytes(Link("tool")), "another of the user's");
    EXPECT_EQ(ReadBytes(Link("tool" + Same)), ReadBytes(source));
    EXPECT_EQ(form.PendingRenamePath, Link("tool" + Same));
}

// The shell-link object saves into a missing folder without a word; the registration
// must not announce or record a shortcut that is not there.
TEST_P(RegistrationTest, AShortcutFolderThatVanishedIsReportedAndNothingRecorded)
{
    form.ShortcutFolder = In("gone");
    form.Dispatch([&] { form.lnkcreate(target); });

    ASSERT_EQ(c.window.errors.size(), 1u);
    EXPECT_NE(c.window.errors[0].text.find(In("gone")), std::string::npos) << c.window.errors[0].text;
    EXPECT_FALSE(Exists(In("gone")));
    EXPECT_EQ(History(), (Names{"mail"}));
    EXPECT_EQ(c.window.title, "");
    EXPECT_FALSE(c[ButtonId::changeButton].Visible());
}

TEST_P(RegistrationTest, ConfirmingANameRenamesTheFileButNeverOntoAnotherOne)
{
    form.lnkcreate(target);
    WriteBytes(Link("taken"), "mine");
    const std::string created = ReadBytes(Link("ソフト"));

    c.Edit1.SetText("taken");
    form.changeButtonClick();
    EXPECT_EQ(c.window.title, "エラー！変更できませんでした");
    EXPECT_EQ(ReadBytes(Link("taken")), "mine");
    EXPECT_EQ(ReadBytes(Link("ソフト")), created);
    EXPECT_EQ(History(), (Names{"ソフト", "mail"}));
    EXPECT_FALSE(c[ButtonId::changeButton].Visible());

    // The same shortcut, renamed again to a free name.
    c.Edit1.SetText("ソフト");
    form.renameButtonClick();
    c.Edit1.SetText("表計算");
    form.changeButtonClick();
    EXPECT_EQ(c.window.title, "ソフト を 表計算 に変更しました");
    EXPECT_FALSE(Exists(Link("ソフト")));
    EXPECT_EQ(platform.ReadLink(Link("表計算")).target, target);
    EXPECT_EQ(History(), (Names{"表計算", "mail"}));
}

TEST_P(RegistrationTest, AutoRegisterAddsTheFoldersNewNames)
{
    Seed({"x"});
    for (const char* name : {"a.lnk", "X.lnk", "Data.LNK"})
        WriteBytes(links + "\\" + name, "L");
    ASSERT_TRUE(CreateDirectoryA((links + "\\old.lnk").c_str(), nullptr));
    WriteBytes(links + "\\readme.txt", "");

    form.autoButtonClick();

    // The folder's order is the system's: only the first entry's place is fixed.
    Names history = History();
    ASSERT_EQ(history.size(), 4u) << ::testing::PrintToString(history);
    EXPECT_EQ(history[0], "x");
    std::sort(history.begin() + 1, history.end());
    EXPECT_EQ(history, (Names{"x", "Data.LNK", "a", "old"}));
    EXPECT_EQ(c.ListBox1.Items(), History());
    EXPECT_EQ(c.window.title, "自動登録しました");
}

INSTANTIATE_TEST_SUITE_P(Folders, RegistrationTest, FolderNames, FolderLabel);

}  // namespace
}  // namespace veskor::wintest
