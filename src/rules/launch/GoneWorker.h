#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "launch/Gone.h"
#include "platform/Platform.h"
#include "thread/Background.h"

namespace veskor {

// Answers of the gone checks, as the worker hands them to the window's thread.
struct GoneBatch {
    std::uint64_t list = 0;  // the list they answer (GoneWorker::Ask)
    std::string folder;      // the shortcut folder they were judged in
    std::vector<std::pair<std::size_t, Gone>> answers;  // by the entry's key (GoneChecks::KeyOf)
    bool last = false;       // the list is answered to its end
};

// The gone checks off the window's thread, so that the window never waits for one: a
// single check can take as long as the system takes (a sleeping disk that calls itself
// fixed, a virus scanner, a path through a junction to a network share). The window hands
// it a list of entries at a time and takes the answers back in batches; the rows in view
// may be put first at any time. The checks begin on the background thread with the first
// list, after the jobs given to it before, and are never waited for: a destroyed worker
// leaves them to end after the current check, or with the process, and they touch nothing
// but what was given here.
class GoneWorker {
public:
    // What the checks need of the system they run on. Everything they call (the platform,
    // `begin` and `post`) is theirs, shared with no other thread.
    struct Host {
        std::shared_ptr<Platform> platform;
        std::function<void()> begin;  // first thing on the thread, before the first check
        // On the thread: hands a batch to the window's thread without waiting for it.
        std::function<void(std::unique_ptr<GoneBatch>)> post;
    };

    // A batch goes once it holds this many answers, and sooner when it answers the rows
    // asked for first or ends a list.
    static constexpr std::size_t BatchSize = 32;

    // The first list waits `firstListRestMs` before its checks begin, the rows asked for
    // first do not: the first key mostly comes within a second of the window's showing.
    GoneWorker(Host host, Background& background, int firstListRestMs = ListRestMs);
    ~GoneWorker();
    GoneWorker(const GoneWorker&) = delete;
    GoneWorker& operator=(const GoneWorker&) = delete;

    // Entries of `folder` to judge in their order, instead of what is left of the last
    // list; returns the number its batches carry. Never waits for a check.
    std::uint64_t Ask(std::string folder, std::vector<std::string> entries);
    // Entries to judge before the rest of the list (the rows in view), in the list's
    // folder, instead of those asked for first before. Never waits for a check.
    void Prefer(std::vector<std::string> entries);
    // The user is at the keys or the mouse: no check of the rows asked for first starts
    // until they have been still for RestMs, and none of the rest of the list until they
    // have been still for ListRestMs. Each check asks the system, whose work competes with
    // the window's on a small machine; the thread's low priority alone does not hold that
    // back everywhere. Someone typing often stops for half a second between keys: the
    // rows they see are judged then, the rest of the history only once they have stopped.
    static constexpr int RestMs = 300;
    static constexpr int ListRestMs = 1000;
    void Rest();
    // After each batch of the list at large (not of the rows asked for first), the thread
    // pauses for this many times as long as the batch's checks took: one part in fifty of
    // a processor. Where the system ignores the thread's low priority (Wine does), checks
    // run flat out keep a small machine's processors busy (the thread and the system behind
    // each of its calls), and a key at 100,000 entries takes far longer.
    static constexpr int PausePerBusy = 49;

private:
    struct State;
    std::shared_ptr<State> state_;
    Background& background_;
    const int firstListRestMs_;
};

}  // namespace veskor
