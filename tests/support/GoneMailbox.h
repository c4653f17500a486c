#pragma once
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "launch/GoneWorker.h"
#include "support/memory/MemoryPlatform.h"

// The gone checks' worker in the host tests: on a real thread, its batches wait in a
// mailbox until the test hands them to the form, as the window's messages would.
namespace veskor::test {

class GoneMailbox {
public:
    // A worker judging on `platform`, posting here; its first list waits `firstListRestMs`
    // (none, unless that wait is what a test is about).
    std::unique_ptr<GoneWorker> Worker(std::shared_ptr<Platform> platform, int firstListRestMs = 0);
    // The next batch posted, waiting for it; a worker that posts none for half a minute
    // is stuck, and fails the test rather than hang it.
    std::unique_ptr<GoneBatch> Next();
    // How many batches wait.
    std::size_t Waiting();

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable posted;
        std::deque<std::unique_ptr<GoneBatch>> batches;
    };
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    std::vector<std::unique_ptr<Background>> threads_;  // one for each worker
};

// The in-memory machine whose Presence of one path can be held until released, as a
// sleeping disk or a scanner holds a check; it notes every path asked, in order.
class HoldingPlatform : public MemoryPlatform {
public:
    PathPresence Presence(const ExactText& path) override;
    void Hold(const std::string& path);
    void Release();
    void WaitUntilHeld();  // a check is held now (half a minute at most)
    std::vector<std::string> Asked();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string held_;
    bool holding_ = false;  // a check waits in Presence
    std::vector<std::string> asked_;
};

// A platform the test owns, lent to a worker that must be done with it before it goes.
inline std::shared_ptr<Platform> Lent(Platform& platform) { return {&platform, [](Platform*) {}}; }

}  // namespace veskor::test
