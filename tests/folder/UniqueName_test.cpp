#include <gtest/gtest.h>

#include <set>

#include "folder/UniqueName.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {
namespace {

struct NameCase {
    const char* what;
    std::vector<std::string> history;
    std::set<std::string> folder;  // names taken in the shortcut folder
    std::string body;
    std::string expected;
};

TEST(UniqueNameTest, SuffixRule)
{
    const std::string same = "(同名あり)";
    ASSERT_EQ(same.size(), 10u);
    const NameCase cases[] = {
        {"new name", {"mail"}, {}, "app", "app"},
        {"empty body", {"mail"}, {}, "", ""},
        {"stored spelling", {"mail", "App"}, {}, "app", "App" + same},
        {"suffixed name known too", {"App", "app" + same}, {}, "app", "App" + same + "x"},
        {"x in any case", {"App", "APP" + same, "app" + same + "X"}, {}, "App", "App" + same + "xx"},
        {"stored entry cut at its dot", {"A.B"}, {}, "a.b", "A" + same},
        {"double-byte names", {"ソ表"}, {}, "ソ表", "ソ表" + same},
        {"forgotten file", {}, {"app"}, "app", "app" + same},
        {"forgotten files", {}, {"app", "app" + same}, "app", "app" + same + "x"},
        {"history and folder", {"App", "App" + same}, {"App" + same + "x"}, "app", "App" + same + "xx"},
        {"history then folder", {"App"}, {"App" + same, "App" + same + "xx"}, "app", "App" + same + "x"},
    };
    MemoryPlatform rules;
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.what);
        History history(rules);
        history.Load(c.history);
        const auto inFolder = [&](const std::string& name) {
            for (const std::string& taken : c.folder) {
                if (rules.CompareText(taken, name) == 0)
                    return true;
            }
            return false;
        };
        EXPECT_EQ(UniqueLinkName(c.body, history, inFolder), c.expected);
    }
}

}  // namespace
}  // namespace veskor
