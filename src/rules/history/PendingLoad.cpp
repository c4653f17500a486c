#include "history/PendingLoad.h"

namespace veskor {

PendingLoad::PendingLoad(Platform& platform, std::string path, Background& background)
    : store_(std::make_unique<DataStore>(platform)), path_(std::move(path))
{
    auto read = std::make_shared<std::packaged_task<std::optional<DataStore::Loaded>()>>(
        [store = store_.get(), path = path_] { return store->Load(path); });
    result_ = read->get_future();
    if (!background.Post([read] { (*read)(); }))
        (*read)();
}

// A read nobody waited for ends before its store goes.
PendingLoad::~PendingLoad()
{
    if (result_.valid())
        result_.wait();
}

std::optional<DataStore::Loaded> PendingLoad::Wait()
{
    return result_.get();
}

}  // namespace veskor
