#include "launch/Purge.h"

#include <optional>
#include <unordered_set>
#include <vector>

namespace veskor {

int RemoveGoneEntries(History& history, GoneChecks& checks, Platform& platform, const std::string& folder)
{
    std::vector<std::string> gone;
    std::unordered_set<std::string> asked;
    for (const std::string& entry : history.Entries()) {
        const std::optional<Gone> known = checks.Known(folder, entry);
        if (!known || *known == Gone::No || !asked.insert(entry).second)
            continue;
        if (JudgeGone(platform, folder, entry) != Gone::No)
            gone.push_back(entry);
        else
            checks.Forget(entry);
    }
    // Nothing to remove logs no change for another window's save to replay.
    return gone.empty() ? 0 : history.RemoveEach(std::move(gone));
}

}  // namespace veskor
