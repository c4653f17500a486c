#include "thread/Background.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace veskor {

// Owned by the object and by its thread, so that an abandoned thread never finds it gone.
struct Background::State {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> jobs;
    bool started = false;
    bool failed = false;  // the system gave no thread
    bool abandoned = false;

    void Run()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return abandoned || !jobs.empty(); });
                if (abandoned)
                    return;
                job = std::move(jobs.front());
                jobs.pop_front();
            }
            job();
        }
    }
};

Background::Background() : state_(std::make_shared<State>()) {}

Background::~Background()
{
    std::lock_guard lock(state_->mutex);
    state_->abandoned = true;
    state_->jobs.clear();
    state_->wake.notify_one();
}

bool Background::Post(std::function<void()> job)
{
    std::lock_guard lock(state_->mutex);
    if (!state_->started) {
        state_->started = true;
        try {
            std::thread([state = state_] { state->Run(); }).detach();
        } catch (const std::system_error&) {
            state_->failed = true;
        }
    }
    if (state_->failed)
        return false;
    state_->jobs.push_back(std::move(job));
    state_->wake.notify_one();
    return true;
}

}  // namespace veskor
