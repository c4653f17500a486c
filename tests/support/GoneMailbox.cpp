#include "support/GoneMailbox.h"

#include <stdexcept>

namespace veskor::test {

namespace {
constexpr auto Stuck = std::chrono::seconds(30);
}

std::unique_ptr<GoneWorker> GoneMailbox::Worker(std::shared_ptr<Platform> platform, int firstListRestMs)
{
    GoneWorker::Host host;
    host.platform = std::move(platform);
    host.post = [shared = shared_](std::unique_ptr<GoneBatch> batch) {
        std::lock_guard lock(shared->mutex);
        shared->batches.push_back(std::move(batch));
        shared->posted.notify_all();
    };
    threads_.push_back(std::make_unique<Background>());
    return std::make_unique<GoneWorker>(std::move(host), *threads_.back(), firstListRestMs);
}

std::unique_ptr<GoneBatch> GoneMailbox::Next()
{
    std::unique_lock lock(shared_->mutex);
    if (!shared_->posted.wait_for(lock, Stuck, [this] { return !shared_->batches.empty(); }))
        throw std::runtime_error("the gone checks' worker posted nothing");
    std::unique_ptr<GoneBatch> batch = std::move(shared_->batches.front());
    shared_->batches.pop_front();
    return batch;
}

std::size_t GoneMailbox::Waiting()
{
    std::lock_guard lock(shared_->mutex);
    return shared_->batches.size();
}

PathPresence HoldingPlatform::Presence(const ExactText& path)
{
    {
        std::unique_lock lock(mutex_);
        asked_.push_back(path.Text());
        if (path.Text() == held_) {
            holding_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return held_.empty(); });
            holding_ = false;
        }
    }
    return MemoryPlatform::Presence(path);
}

void HoldingPlatform::Hold(const std::string& path)
{
    std::lock_guard lock(mutex_);
    held_ = path;
}

void HoldingPlatform::Release()
{
    std::lock_guard lock(mutex_);
    held_.clear();
    changed_.notify_all();
}

void HoldingPlatform::WaitUntilHeld()
{
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, Stuck, [this] { return holding_; }))
        throw std::runtime_error("no check came to the held path");
}

std::vector<std::string> HoldingPlatform::Asked()
{
    std::lock_guard lock(mutex_);
    return asked_;
}

}  // namespace veskor::test
