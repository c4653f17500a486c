#pragma once
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "history/DataStore.h"
#include "thread/Background.h"

namespace veskor {

// The stored history read on the background thread from the start of the program, while
// the window is being made: a long history then costs the start next to nothing.
class PendingLoad {
public:
    // Starts reading `path` with a store of its own; where the system gives no thread, the
    // file is read here and now.
    PendingLoad(Platform& platform, std::string path, Background& background);
    ~PendingLoad();
    PendingLoad(const PendingLoad&) = delete;
    PendingLoad& operator=(const PendingLoad&) = delete;

    const std::string& Path() const { return path_; }

    // What DataStore::Load returned, or raises what it raised; once. Afterwards Store()
    // hands over the store that read it, which knows the file as it was read.
    std::optional<DataStore::Loaded> Wait();
    std::unique_ptr<DataStore> Store() { return std::move(store_); }

private:
    std::unique_ptr<DataStore> store_;
    std::string path_;
    std::future<std::optional<DataStore::Loaded>> result_;
};

}  // namespace veskor
