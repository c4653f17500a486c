#include "launch/Gone.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/memory/MemoryPlatform.h"

namespace veskor {
namespace {

const std::string Folder = "C:\\links";

// One shortcut "x" in the folder, or none, with the machine changed as the case says.
struct Case {
    const char* what;
    std::function<void(MemoryPlatform&)> machine;
    Gone expected;
    std::string entry = "x";
    std::string folder = Folder;
};

LinkRecord To(const std::string& target, LinkTraits traits = {})
{
    LinkRecord link;
    link.target = target;
    link.traits = traits;
    return link;
}

TEST(GoneTest, OnlyAMissingShortcutOrTargetOnAFixedDriveIsGone)
{
    const std::string link = Folder + "\\x.lnk";
    const Case cases[] = {
        {"target present", [&](MemoryPlatform& m) { m.AddFile("C:\\app\\a.exe", ""), m.AddLink(link, To("C:\\app\\a.exe")); },
         Gone::No},
        {"target folder present", [&](MemoryPlatform& m) { m.AddFolder("D:\\docs"), m.AddLink(link, To("D:\\docs")); },
         Gone::No},
        {"shortcut missing", [](MemoryPlatform&) {}, Gone::Shortcut},
        {"target file missing", [&](MemoryPlatform& m) { m.AddLink(link, To("C:\\app\\gone.exe")); }, Gone::Target},
        {"target's folder missing too", [&](MemoryPlatform& m) { m.AddLink(link, To("D:\\no\\such\\a.exe")); },
         Gone::Target},
        {"ID list only", [&](MemoryPlatform& m) { m.AddLink(link, To("")); }, Gone::No},
        {"installer's link", [&](MemoryPlatform& m) { m.AddLink(link, To("C:\\gone.ico", {.advertised = true})); },
         Gone::No},
        {"run as administrator", [&](MemoryPlatform& m) { m.AddLink(link, To("C:\\gone.exe", {.runAsUser = true})); },
         Gone::No},
        {"target on a network path", [&](MemoryPlatform& m) { m.AddLink(link, To("\\\\server\\share\\a.exe")); },
         Gone::No},
        {"target on a network drive",
         [&](MemoryPlatform& m) { m.drives['N'] = DriveKind::Remote, m.AddLink(link, To("N:\\a.exe")); }, Gone::No},
        {"target on a removable drive",
         [&](MemoryPlatform& m) { m.drives['E'] = DriveKind::Removable, m.AddLink(link, To("E:\\a.exe")); }, Gone::No},
        {"target on a drive of no known kind",
         [&](MemoryPlatform& m) { m.drives['Q'] = DriveKind::Other, m.AddLink(link, To("Q:\\a.exe")); }, Gone::No},
        {"target found through the search path", [&](MemoryPlatform& m) { m.AddLink(link, To("notepad.exe")); },
         Gone::No},
        {"target's check fails",
         [&](MemoryPlatform& m) { m.AddLink(link, To("C:\\a.exe")), m.FailToOpen("C:\\a.exe"); }, Gone::No},
        {"shortcut held open", [&](MemoryPlatform& m) { m.AddLink(link, To("C:\\a.exe")), m.FailToOpen(link); },
         Gone::No},
        {"shortcut unreadable", [&](MemoryPlatform& m) { m.AddLink(link, To("C:\\a.exe")), m.DamageLink(link); },
         Gone::No},
        {"shell-link object unavailable",
         [&](MemoryPlatform& m) { m.AddLink(link, To("C:\\a.exe")), m.shellLinkUnavailable = true; }, Gone::No},
        {"shortcut folder on a network drive",
         [](MemoryPlatform& m) { m.drives['C'] = DriveKind::Remote; }, Gone::No},
        {"shortcut folder itself missing", [](MemoryPlatform&) {}, Gone::No, "x", "C:\\moved"},
        {"several names", [](MemoryPlatform&) {}, Gone::No, "x;y"},
        {"the empty command", [](MemoryPlatform&) {}, Gone::No, ""},
        {"a name too long for a path", [](MemoryPlatform&) {}, Gone::No, std::string(260, 'n')},
    };
    for (const Case& c : cases) {
        MemoryPlatform machine;
        machine.AddFolder(Folder);
        c.machine(machine);
        EXPECT_EQ(JudgeGone(machine, c.folder, c.entry), c.expected) << c.what;
    }
    EXPECT_STREQ(GoneReason(Gone::Shortcut), "ショートカットがありません");
    EXPECT_STREQ(GoneReason(Gone::Target), "リンク先がありません");
    EXPECT_EQ(GoneReason(Gone::No), nullptr);
}

// Each entry is read once per run and folder, unless it was started or made since.
// (The rows in view first and the slice's budget: GoneCommands_test.)
TEST(GoneTest, AnAnswerStandsUntilTheEntryChangesOrTheFolderDoes)
{
    MemoryPlatform machine;
    machine.AddFolder(Folder);
    History history(machine);
    history.Load({"a", "b"});  // no shortcuts: both gone once checked
    GoneChecks checks;
    EXPECT_FALSE(checks.CheckSome(machine, Folder, history, {}, 2).more);
    machine.AddLink(Folder + "\\a.lnk", To("C:\\a.exe"));
    checks.CheckSome(machine, Folder, history, {}, 2);
    EXPECT_EQ(checks.Known(Folder, "a"), Gone::Shortcut);  // not read again
    checks.Forget("a");
    EXPECT_EQ(checks.Known(Folder, "a"), std::nullopt);
    checks.CheckSome(machine, Folder, history, {}, 1);
    EXPECT_EQ(checks.Known(Folder, "a"), Gone::Target);
    const GoneChecks::Slice other = checks.CheckSome(machine, "C:\\other", history, {}, 0);
    EXPECT_TRUE(other.repaint && other.more);  // a new folder: every answer goes
    EXPECT_EQ(checks.Known("C:\\other", "b"), std::nullopt);
}

}  // namespace
}  // namespace veskor
