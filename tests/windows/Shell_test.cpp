#include "WinTest.h"

namespace veskor::wintest {
namespace {

class ShellTest : public FolderTest {};

TEST_P(ShellTest, ShellOpenStartsTheFileWithItsParametersInTheDirectory)
{
    char system[MAX_PATH + 1] = {};
    ASSERT_NE(GetSystemDirectoryA(system, MAX_PATH), 0u);
    platform.ShellOpen(std::string(system) + "\\cmd.exe", "/c cd > where.txt", folder);

    // The shell returns once the program is on its way; give it time to write.
    std::string where;
    for (int i = 0; i < 300 && where.find('\n') == std::string::npos; ++i) {
        Sleep(100);
        where = Exists(In("where.txt")) ? ReadBytes(In("where.txt")) : "";
    }
    EXPECT_EQ(where.substr(0, where.find_first_of("\r\n")), folder);
    for (int i = 0; i < 50 && Exists(In("where.txt")) && !DeleteFileA(In("where.txt").c_str()); ++i)
        Sleep(100);
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
