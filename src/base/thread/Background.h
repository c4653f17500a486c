#pragma once
#include <functional>
#include <memory>

namespace veskor {

// The program's one background thread: the jobs given to it run there one after another,
// in the order given. One thread serves them all because a thread is not cheap everywhere
// the program runs: under Wine each thread that ever ran keeps about a megabyte of its
// stack resident, the last one to end included, so a second thread after the first has
// ended costs as much as both at once. A job that never ends (the gone checks wait for
// work until they are abandoned) is the last one given.
// The thread is made for the first job and is never waited for: a destroyed Background
// drops the jobs not begun and leaves the running one to end, or to end with the process.
class Background {
public:
    Background();
    ~Background();
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;

    // Queues `job`; false when the system gives no thread, and the job will not run.
    bool Post(std::function<void()> job);

private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace veskor
