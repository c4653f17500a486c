#include "launch/LinkOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Error.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {
namespace {

using Calls = std::vector<ShellCall>;
const std::string Folder = "D:\\Links";

// Each kind of link and each failure through the launch commands: LaunchCommands_test.
// Only a ".lnk" spelt so has its arguments read, and a failure to read it raised; any
// other path is read quietly, and what cannot be read goes to the shell whole.
TEST(LinkOpsTest, OnlyAnExactLowerCaseLnkExtensionHasArgumentsRead)
{
    const std::string upper = Folder + "\\UP.LNK";
    MemoryPlatform machine;
    machine.AddLink(upper, {.target = "C:\\up.exe", .arguments = "-z"});
    StartShortcut(machine, Folder, upper);
    StartShortcut(machine, Folder, Folder + "\\missing.LNK");
    StartShortcut(machine, Folder, Folder);
    EXPECT_EQ(machine.shellCalls, (Calls{{"C:\\up.exe", "", "C:\\"},
                                         {Folder + "\\missing.LNK", "", "", true},
                                         {Folder, "", "", true}}));
    EXPECT_THROW(StartShortcut(machine, Folder, Folder + "\\missing.lnk"), Error);

    machine.shellCalls.clear();
    OpenTargetFolder(machine, Folder, upper);
    OpenTargetFolder(machine, Folder, Folder + "\\missing.lnk");
    EXPECT_EQ(machine.shellCalls, (Calls{{"C:\\", "", Folder}, {"D:\\", "", Folder}}));
}

// The system's path buffers count UTF-16 units: a double-byte character is one.
TEST(LinkOpsTest, ALinkPathIsTooLongBeyond259Characters)
{
    std::string wide;
    for (int i = 0; i < MaxPathLength - 7; ++i)
        wide += "\x8a\xbf";  // 漢
    EXPECT_FALSE(TooLongForLink("C:\\" + wide + ".lnk"));  // 259 characters, 511 bytes
    EXPECT_TRUE(TooLongForLink("C:\\" + wide + "x.lnk"));
    EXPECT_FALSE(TooLongForLink(std::string(MaxPathLength, 'a')));
    EXPECT_TRUE(TooLongForLink(std::string(MaxPathLength + 1, 'a')));
}

}  // namespace
}  // namespace veskor
