#include "folder/FolderLinks.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace veskor
