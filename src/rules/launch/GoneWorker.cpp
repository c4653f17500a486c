#include "launch/GoneWorker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <unordered_set>

namespace veskor {

// What the window's thread and the worker's share, under the mutex; owned by both, so
// that an abandoned thread never finds it gone.
struct GoneWorker::State {
    explicit State(Host given) : host(std::move(given)) {}

    // The next entry to judge, taken from the shared state.
    struct Question {
        std::uint64_t list = 0;
        std::string folder;
        std::string entry;
        bool preferred = false;      // it was asked for first
        bool preferredDone = false;  // it was the last of those asked for first
        bool listDone = false;       // nothing of the list is left after it
    };
    // Waits for work; false once the worker is abandoned.
    bool Take(Question& question);
    // The list's checks took `busy` since the last pause: none of it starts again for a while.
    void Pause(std::chrono::steady_clock::duration busy);
    Gone Judge(const std::string& in, const std::string& entry);
    void Run();

    const Host host;
    std::mutex mutex;
    std::condition_variable wake;
    bool started = false;
    bool abandoned = false;
    std::uint64_t list = 0;
    std::string folder;
    std::deque<std::string> entries;
    std::deque<std::string> preferred;
    std::chrono::steady_clock::time_point restUntil;      // for the rows asked for first
    std::chrono::steady_clock::time_point listRestUntil;  // for the rest of the list
    std::chrono::steady_clock::time_point pauseUntil;
};

// The rows asked for first wait only for the user to be still a moment; the rest of the
// list for them to be still longer, and for the thread's pause.
bool GoneWorker::State::Take(Question& question)
{
    std::unique_lock lock(mutex);
    for (;;) {
        if (abandoned)
            return false;
        if (preferred.empty() && entries.empty()) {
            wake.wait(lock);
            continue;
        }
        const auto until = preferred.empty() ? std::max(listRestUntil, pauseUntil) : restUntil;
        if (std::chrono::steady_clock::now() >= until)
            break;
        wake.wait_until(lock, until);
    }
    std::deque<std::string>& from = preferred.empty() ? entries : preferred;
    question.list = list;
    question.folder = folder;
    question.entry = std::move(from.front());
    from.pop_front();
    question.preferred = &from == &preferred;
    question.preferredDone = question.preferred && preferred.empty();
    question.listDone = preferred.empty() && entries.empty();
    return true;
}

void GoneWorker::State::Pause(std::chrono::steady_clock::duration busy)
{
    std::lock_guard lock(mutex);
    pauseUntil = std::chrono::steady_clock::now() + busy * GoneWorker::PausePerBusy;
}

// A check that fails for any reason says nothing, as JudgeGone's own failures do.
Gone GoneWorker::State::Judge(const std::string& in, const std::string& entry)
{
    try {
        return JudgeGone(*host.platform, in, entry);
    } catch (...) {
        return Gone::No;
    }
}

// Each entry once a list, whether it came in the list or among those asked for first.
void GoneWorker::State::Run()
{
    if (host.begin)
        host.begin();
    auto batch = std::make_unique<GoneBatch>();
    std::unordered_set<std::size_t> judged;
    std::chrono::steady_clock::duration busy{};  // the list's checks since the last pause
    const auto post = [&] {
        host.post(std::move(batch));
        batch = std::make_unique<GoneBatch>();
        if (busy.count() > 0)
            Pause(busy);
        busy = {};
    };
    Question question;
    while (Take(question)) {
        if (question.list != batch->list) {
            if (!batch->answers.empty())
                post();
            batch->list = question.list;
            batch->folder = question.folder;
            judged.clear();
        }
        const std::size_t key = GoneChecks::KeyOf(question.entry);
        if (judged.insert(key).second) {
            const auto began = std::chrono::steady_clock::now();
            batch->answers.emplace_back(key, Judge(question.folder, question.entry));
            if (!question.preferred)
                busy += std::chrono::steady_clock::now() - began;
        }
        batch->last = question.listDone;
        const bool due = question.preferredDone || batch->answers.size() >= BatchSize;
        if (batch->last || (due && !batch->answers.empty())) {
            post();
            batch->list = question.list;
            batch->folder = question.folder;
        }
    }
}

GoneWorker::GoneWorker(Host host, Background& background, int firstListRestMs)
    : state_(std::make_shared<State>(std::move(host))), background_(background), firstListRestMs_(firstListRestMs)
{
}

GoneWorker::~GoneWorker()
{
    std::lock_guard lock(state_->mutex);
    state_->abandoned = true;
    state_->wake.notify_one();
}

std::uint64_t GoneWorker::Ask(std::string folder, std::vector<std::string> entries)
{
    std::lock_guard lock(state_->mutex);
    if (!state_->started) {
        state_->started = true;
        state_->listRestUntil = std::max(state_->listRestUntil, std::chrono::steady_clock::now() +
                                                                    std::chrono::milliseconds(firstListRestMs_));
        // Without a thread there are no checks, and nothing is greyed: the program goes on.
        background_.Post([state = state_] { state->Run(); });
    }
    state_->folder = std::move(folder);
    state_->entries.assign(std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    state_->preferred.clear();
    state_->wake.notify_one();
    return ++state_->list;
}

void GoneWorker::Rest()
{
    std::lock_guard lock(state_->mutex);
    const auto now = std::chrono::steady_clock::now();
    state_->restUntil = now + std::chrono::milliseconds(RestMs);
    state_->listRestUntil = now + std::chrono::milliseconds(ListRestMs);
}

void GoneWorker::Prefer(std::vector<std::string> entries)
{
    std::lock_guard lock(state_->mutex);
    state_->preferred.assign(std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
    state_->wake.notify_one();
}

}  // namespace veskor
