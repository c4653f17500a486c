#include "history/PendingLoad.h"

namespace veskor {

PendingLoad::PendingLoad(Platform& platform, std::string path)
    : store_(std::make_unique<DataStore>(platform)), path_(std::move(path))
{
    result_ = std::async(std::launch::async, [store = store_.get(), path = path_] { return store->Load(path); });
}

std::optional<DataStore::Loaded> PendingLoad::Wait()
{
    return result_.get();
}

}  // namespace veskor
