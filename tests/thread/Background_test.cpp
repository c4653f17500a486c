#include "thread/Background.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace veskor {
namespace {

// The jobs run in the order given, all on one thread that is not the caller's: a second
// thread would cost the program its memory again.
TEST(BackgroundTest, JobsRunInOrderOnOneThreadOfTheirOwn)
{
    Background background;
    std::mutex mutex;
    std::vector<int> order;
    std::vector<std::thread::id> threads;
    std::promise<void> done;
    for (int job = 0; job < 5; ++job) {
        ASSERT_TRUE(background.Post([&, job] {
            std::lock_guard lock(mutex);
            order.push_back(job);
            threads.push_back(std::this_thread::get_id());
        }));
    }
    ASSERT_TRUE(background.Post([&] { done.set_value(); }));
    done.get_future().wait();
    std::lock_guard lock(mutex);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_NE(threads.front(), std::this_thread::get_id());
    for (const std::thread::id& id : threads)
        EXPECT_EQ(id, threads.front());
}

// Going away never waits for the job that runs (this test would hang), and drops the jobs
// not begun at once, with what they hold.
TEST(BackgroundTest, GoingAwayLeavesTheRunningJobAndDropsTheRest)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> running;
    auto heldByLater = std::make_shared<int>(0);
    {
        Background background;
        background.Post([released, &running] {
            running.set_value();
            released.wait();
        });
        background.Post([heldByLater] { ++*heldByLater; });
        running.get_future().wait();
    }
    EXPECT_EQ(heldByLater.use_count(), 1);
    release.set_value();
}

}  // namespace
}  // namespace veskor
