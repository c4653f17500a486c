#include "WinTest.h"
#include "win32/SystemText.h"

namespace veskor::wintest {
namespace {

class ShellTest : public FolderTest {
protected:
    std::string Cmd() const
    {
        char system[MAX_PATH + 1] = {};
        GetSystemDirectoryA(system, MAX_PATH);
        return std::string(system) + "\\cmd.exe";
    }

    // The first line that "cd > where.txt" wrote, once the started program has written it.
    std::string WhereItRan()
    {
        std::string where;
        for (int i = 0; i < 300 && where.find('\n') == std::string::npos; ++i) {
            Sleep(100);
            where = Exists(In("where.txt")) ? ReadBytes(In("where.txt")) : "";
        }
        for (int i = 0; i < 50 && Exists(In("where.txt")) && !DeleteFileA(In("where.txt").c_str()); ++i)
            Sleep(100);
        return where.substr(0, where.find_first_of("\r\n"));
    }
};

TEST_P(ShellTest, ShellOpenStartsTheFileWithItsParametersInTheDirectory)
{
    platform.ShellOpen(Cmd(), "/c cd > where.txt", folder);
    EXPECT_EQ(WhereItRan(), folder);
}

// The link itself is handed over: the shell reads its target, arguments and working folder.
TEST_P(ShellTest, ShellStartLinkStartsWhatTheLinkSays)
{
    WriteLink(In("cmd.lnk"), Cmd(), "/c cd > where.txt", folder);
    const LaunchResult result = platform.ShellStartLink(In("cmd.lnk"));
    EXPECT_EQ(result.outcome, LaunchResult::Outcome::Started) << result.systemText;
    EXPECT_EQ(WhereItRan(), folder);
}

// A refusal carries the system's own text for it, with any "%1" filled in.
TEST_P(ShellTest, ARefusedStartIsReportedWithTheSystemsText)
{
    WriteLink(In("computer.lnk"), "", "");

    const struct {
        const char* what;
        LaunchResult result;
        DWORD code;
    } cases[] = {
        {"missing target", platform.ShellStart(In("gone.exe"), "", folder), ERROR_FILE_NOT_FOUND},
        {"missing folder", platform.ShellStart(In("none\\x.exe"), "", folder), ERROR_PATH_NOT_FOUND},
        {"missing link", platform.ShellStartLink(In("none.lnk")), ERROR_FILE_NOT_FOUND},
        // Windows would open the computer; Wine cannot start an ID list, and its reason
        // ("%1 の EXE フォーマットが不正です") names the link in place of its "%1".
        {"ID list only", platform.ShellStartLink(In("computer.lnk")), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.result.outcome, LaunchResult::Outcome::Refused);
        if (c.code != 0) {
            EXPECT_EQ(c.result.systemText, win32::SystemMessage(c.code));
        }
        EXPECT_NE(c.result.systemText, "");
        EXPECT_EQ(c.result.systemText.find("%1"), std::string::npos) << c.result.systemText;
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, ShellTest, FolderNames, FolderLabel);

class PlacesTest : public WinTest {};

TEST_F(PlacesTest, DesktopFolderIsAnExistingFolderWithoutTrailingBackslash)
{
    const std::string desktop = platform.DesktopFolder();
    ASSERT_NE(desktop, "");
    EXPECT_NE(desktop.back(), '\\');
    EXPECT_TRUE(platform.DirectoryExists(desktop)) << desktop;
}

TEST_F(PlacesTest, ProgramPathIsTheRunningProgram)
{
    const std::string program = platform.ProgramPath();
    const std::string name = "\\veskor_wintests.exe";
    ASSERT_GT(program.size(), name.size());
    EXPECT_EQ(program.substr(program.size() - name.size()), name);
    EXPECT_TRUE(platform.FileExists(program));
}

}  // namespace
}  // namespace veskor::wintest
