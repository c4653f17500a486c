#include "launch/Gone.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "launch/GoneWorker.h"
#include "support/memory/MemoryPlatform.h"

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

using Names = std::vector<std::string>;

GoneBatch Answers(std::uint64_t list, std::vector<std::pair<std::string, Gone>> answers, bool last,
                  const std::string& folder = Folder)
{
    GoneBatch batch{list, folder, {}, last};
    for (const auto& [entry, gone] : answers)
        batch.answers.emplace_back(GoneChecks::KeyOf(entry), gone);
    return batch;
}

// What the worker is asked: the unanswered rows in view, then the history in its order,
// each entry once; while a list is out, only rows in view that are others than before.
TEST(GoneTest, TheWorkerHearsOfTheRowsInViewFirstThenOfTheHistoryInItsOrder)
{
    MemoryPlatform machine;
    History history(machine);
    history.Load({"a", "b", "a", "c", "d", "e"});
    GoneChecks checks;
    std::optional<GoneChecks::Question> asked = checks.Next(Folder, history, {"d", "c"}, 4);
    ASSERT_TRUE(asked && asked->list);
    EXPECT_EQ(asked->entries, (Names{"d", "c", "a", "b"}));
    checks.Asked(7);
    EXPECT_TRUE(checks.Waiting());
    EXPECT_EQ(checks.Next(Folder, history, {"d", "c"}, 4), std::nullopt);  // the same rows: nothing new

    EXPECT_FALSE(checks.Apply(Folder, Answers(7, {{"d", Gone::No}}, false), {"e", "d"}));
    asked = checks.Next(Folder, history, {"e", "d"}, 4);  // scrolled while the list is out
    ASSERT_TRUE(asked && !asked->list);
    EXPECT_EQ(asked->entries, Names{"e"});
    EXPECT_TRUE(checks.Apply(Folder, Answers(7, {{"e", Gone::Shortcut}, {"c", Gone::No}}, false), {"e", "d"}));
    EXPECT_FALSE(checks.Apply(Folder, Answers(7, {{"a", Gone::No}, {"b", Gone::Target}}, true), {"e", "d"}));
    EXPECT_FALSE(checks.Waiting());
    EXPECT_EQ(checks.Known(Folder, "e"), Gone::Shortcut);
    EXPECT_EQ(checks.Known(Folder, "b"), Gone::Target);
    EXPECT_EQ(checks.Next(Folder, history, {"e", "d"}, 4), std::nullopt);  // every entry answered
}

// Each entry is judged once per run and folder, unless it was started or made since; an
// answer judged before that, or in another folder, is dropped.
TEST(GoneTest, AnAnswerStandsUntilTheEntryChangesOrTheFolderDoes)
{
    MemoryPlatform machine;
    History history(machine);
    history.Load({"a", "b"});
    GoneChecks checks;
    ASSERT_TRUE(checks.Next(Folder, history, {}, 2));
    checks.Asked(1);
    checks.Apply(Folder, Answers(1, {{"a", Gone::Shortcut}}, false), {});
    checks.Forget("b");  // started while its old answer is on its way
    checks.Apply(Folder, Answers(1, {{"b", Gone::Shortcut}}, true), {});
    EXPECT_EQ(checks.Known(Folder, "a"), Gone::Shortcut);
    EXPECT_EQ(checks.Known(Folder, "b"), std::nullopt);
    std::optional<GoneChecks::Question> asked = checks.Next(Folder, history, {}, 2);
    ASSERT_TRUE(asked && asked->list);
    EXPECT_EQ(asked->entries, Names{"b"});
    checks.Asked(2);
    checks.Apply(Folder, Answers(2, {{"b", Gone::No}}, true), {});
    EXPECT_EQ(checks.Known(Folder, "b"), Gone::No);

    checks.Forget("a");
    EXPECT_EQ(checks.Known(Folder, "a"), std::nullopt);
    asked = checks.Next(Folder, history, {}, 2);
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->entries, Names{"a"});

    // A new folder: every answer goes, and a new list is asked though one is out.
    checks.Asked(3);
    asked = checks.Next("C:\\other", history, {}, 2);
    ASSERT_TRUE(asked && asked->list);
    EXPECT_EQ(asked->entries, (Names{"a", "b"}));
    EXPECT_EQ(checks.Known("C:\\other", "b"), std::nullopt);
    checks.Asked(4);
    checks.Apply("C:\\other", Answers(3, {{"a", Gone::Shortcut}}, true), {});  // of the old folder
    EXPECT_EQ(checks.Known("C:\\other", "a"), std::nullopt);
    EXPECT_TRUE(checks.Waiting());
}

}  // namespace
}  // namespace veskor
