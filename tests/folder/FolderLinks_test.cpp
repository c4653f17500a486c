#include "folder/FolderLinks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/MemoryPlatform.h"

namespace veskor {
namespace {

// The name stops at the first ".lnk" spelt so; a "." is never inside a double-byte character.
TEST(FolderLinksTest, AShortcutsNameIsWhatStandsBeforeTheFirstLnk)
{
    const struct {
        const char* file;
        const char* name;
    } cases[] = {
        {"memo.lnk", "memo"},
        {"a.lnk.lnk", "a"},
        {"a.lnkx", "a"},
        {"UP.LNK", "UP.LNK"},
        {"Folder", "Folder"},
        {"\x83\x5c.lnk", "\x83\x5c"},  // ソ: its trail byte is "\"
        {".lnk", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinkNameOf(c.file), c.name) << c.file;
}

TEST(FolderLinksTest, AddsTheFoldersMissingNamesInItsOrderAndCountsTheUnnamable)
{
    MemoryPlatform machine;
    machine.AddLink("C:\\links\\b.lnk", {});
    machine.AddLink("C:\\links\\A.lnk", {});
    machine.AddLink("C:\\links\\c.LNK", {});
    machine.AddUnnamableLink("C:\\links");
    History history(machine);
    history.Load({"a"});
    EXPECT_EQ(AddFolderLinks(history, machine, "C:\\links"), 1);
    EXPECT_EQ(history.Entries(), (std::vector<std::string>{"a", "b", "c.LNK"}));
    EXPECT_EQ(AddFolderLinks(history, machine, "C:\\missing"), 0);
    EXPECT_EQ(history.Count(), 3);
}

}  // namespace
}  // namespace veskor
