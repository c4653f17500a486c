#pragma once
#include <string>

#include "history/History.h"
#include "launch/Gone.h"
#include "platform/Platform.h"

namespace veskor {

// Removes from `history` the entries of `folder` that `checks` has judged gone, each judged
// again now: a shortcut put back since stays, and is asked again later. Entries not yet
// checked stay; no file is touched. Returns how many entries went; none logs no change.
int RemoveGoneEntries(History& history, GoneChecks& checks, Platform& platform, const std::string& folder);

}  // namespace veskor
