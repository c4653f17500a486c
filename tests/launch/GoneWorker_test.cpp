#include "launch/GoneWorker.h"

#include <gtest/gtest.h>

#include <future>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "support/GoneMailbox.h"

namespace veskor::test {
namespace {

const std::string Folder = "C:\\links";

// Entry i's shortcut is missing when i is a multiple of 3, else it links to a program
// that is there.
std::shared_ptr<HoldingPlatform> Machine(int entries, std::vector<std::string>& names)
{
    auto machine = std::make_shared<HoldingPlatform>();
    machine->AddFolder(Folder);
    machine->AddFile("C:\\app\\a.exe", "");
    for (int i = 0; i < entries; ++i) {
        names.push_back(std::string("e").append(std::to_string(i)));
        if (i % 3 != 0)
            machine->AddLink(Folder + "\\" + names.back() + ".lnk", {"C:\\app\\a.exe", "", "C:\\app", 0});
    }
    return machine;
}

// A list is answered in batches of BatchSize at most, the last one marked, each entry once
// (a copy in the list is not judged again) and as JudgeGone judges it.
TEST(GoneWorkerTest, AListIsAnsweredInBatchesEachEntryOnce)
{
    std::vector<std::string> names;
    const std::shared_ptr<HoldingPlatform> machine = Machine(100, names);
    GoneMailbox mailbox;
    const std::unique_ptr<GoneWorker> worker = mailbox.Worker(machine);
    std::vector<std::string> list = names;
    list.push_back("e3");
    const std::uint64_t number = worker->Ask(Folder, list);

    std::map<std::size_t, Gone> answers;
    int batches = 0;
    for (bool last = false; !last; ++batches) {
        const std::unique_ptr<GoneBatch> batch = mailbox.Next();
        EXPECT_EQ(batch->list, number);
        EXPECT_EQ(batch->folder, Folder);
        EXPECT_LE(batch->answers.size(), GoneWorker::BatchSize);
        for (const auto& [key, gone] : batch->answers)
            EXPECT_TRUE(answers.emplace(key, gone).second) << "answered twice";
        last = batch->last;
    }
    EXPECT_EQ(batches, 4);
    ASSERT_EQ(answers.size(), names.size());
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(answers[GoneChecks::KeyOf(names[i])], i % 3 == 0 ? Gone::Shortcut : Gone::No) << i;
    // Two looks an entry, the copy none: its shortcut, then the folder or the target.
    EXPECT_EQ(machine->Asked().size(), 200u);
}

// Entries asked for first are judged after the check under way, before the rest of the
// list, and their batch goes as soon as they are answered.
TEST(GoneWorkerTest, EntriesAskedForFirstAreJudgedBetweenTwoChecks)
{
    std::vector<std::string> names;
    const std::shared_ptr<HoldingPlatform> machine = Machine(60, names);
    machine->Hold(Folder + "\\e0.lnk");
    GoneMailbox mailbox;
    const std::unique_ptr<GoneWorker> worker = mailbox.Worker(machine);
    worker->Ask(Folder, names);
    machine->WaitUntilHeld();
    worker->Prefer({"e50", "e0", "e51"});
    machine->Release();

    const std::unique_ptr<GoneBatch> first = mailbox.Next();
    ASSERT_EQ(first->answers.size(), 3u);  // e0, then e50 and e51; e0 is not judged twice
    EXPECT_EQ(first->answers[1].first, GoneChecks::KeyOf("e50"));
    EXPECT_EQ(first->answers[2].first, GoneChecks::KeyOf("e51"));
    const std::vector<std::string> asked = machine->Asked();
    ASSERT_GE(asked.size(), 3u);
    EXPECT_EQ(asked[2], Folder + "\\e50.lnk");  // after e0's shortcut and folder
}

// The user at the keys: no check of the rows in view starts until they have been still
// for a moment, and none of the rest of the list until they have been still for longer.
// The window just shown counts as a key for the rest of the list (the program's workers
// wait so for their first list), not for the rows in view.
TEST(GoneWorkerTest, NoCheckStartsWhileTheUserIsBusy)
{
    for (const bool typed : {true, false}) {
        std::vector<std::string> names;
        const std::shared_ptr<HoldingPlatform> machine = Machine(2, names);
        GoneMailbox mailbox;
        const std::unique_ptr<GoneWorker> worker = mailbox.Worker(machine, typed ? 0 : GoneWorker::ListRestMs);
        const auto busy = std::chrono::steady_clock::now();
        const auto since = [&] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - busy)
                .count();
        };
        if (typed)
            worker->Rest();
        worker->Ask(Folder, names);
        worker->Prefer({names[1]});
        const std::unique_ptr<GoneBatch> inView = mailbox.Next();
        const long long inViewAfter = since();
        const std::unique_ptr<GoneBatch> rest = mailbox.Next();
        const long long restAfter = since();
        ASSERT_EQ(inView->answers.size(), 1u) << typed;
        EXPECT_EQ(inView->answers[0].first, GoneChecks::KeyOf(names[1])) << typed;
        EXPECT_GE(inViewAfter, typed ? GoneWorker::RestMs : 0) << typed;
        EXPECT_LT(inViewAfter, GoneWorker::ListRestMs) << typed;
        ASSERT_EQ(rest->answers.size(), 1u) << typed;
        EXPECT_EQ(rest->answers[0].first, GoneChecks::KeyOf(names[0])) << typed;
        EXPECT_GE(restAfter, GoneWorker::ListRestMs) << typed;
    }
}

// After each batch of the list at large the thread pauses for PausePerBusy times as long
// as the batch's checks took, the whole of a check held by a slow disk included; the rows
// in view asked for during the pause are not held by it. The held check gives a lower
// bound on the batch's time, and so on the pause.
TEST(GoneWorkerTest, TheListAtLargePausesAfterEachBatchTheRowsInViewDoNot)
{
    for (const bool inView : {false, true}) {
        std::vector<std::string> names;
        const std::shared_ptr<HoldingPlatform> machine = Machine(GoneWorker::BatchSize + 1, names);
        machine->Hold(Folder + "\\e5.lnk");
        GoneMailbox mailbox;
        const std::unique_ptr<GoneWorker> worker = mailbox.Worker(machine);
        worker->Ask(Folder, names);
        machine->WaitUntilHeld();
        const auto held = std::chrono::milliseconds(inView ? 100 : 10);
        std::this_thread::sleep_for(held);
        const auto released = std::chrono::steady_clock::now();
        machine->Release();
        EXPECT_EQ(mailbox.Next()->answers.size(), GoneWorker::BatchSize);
        if (inView)
            worker->Prefer({names.back()});
        const std::unique_ptr<GoneBatch> last = mailbox.Next();
        const auto waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - released);
        ASSERT_EQ(last->answers.size(), 1u) << inView;
        EXPECT_EQ(last->answers[0].first, GoneChecks::KeyOf(names.back())) << inView;
        if (inView)
            EXPECT_LT(waited.count(), (held * GoneWorker::PausePerBusy).count());
        else
            EXPECT_GE(waited.count(), (held * GoneWorker::PausePerBusy).count());
    }
}

// A worker destroyed while a check hangs is not waited for; its thread ends once the
// check does, and lets go of what it was given.
TEST(GoneWorkerTest, AWorkerWhoseCheckHangsIsLeftBehindAtOnce)
{
    std::vector<std::string> names;
    std::shared_ptr<HoldingPlatform> machine = Machine(3, names);
    const std::weak_ptr<HoldingPlatform> given = machine;
    machine->Hold(Folder + "\\e1.lnk");
    GoneMailbox mailbox;
    auto worker = mailbox.Worker(machine);
    worker->Ask(Folder, names);
    machine->WaitUntilHeld();
    auto left = std::async(std::launch::async, [&] { worker.reset(); });
    ASSERT_EQ(left.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    machine->Release();
    machine.reset();
    for (int waited = 0; !given.expired() && waited < 30000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(given.expired());
    EXPECT_EQ(mailbox.Waiting(), 0u);  // an abandoned worker's answers go nowhere
}

}  // namespace
}  // namespace veskor::test
