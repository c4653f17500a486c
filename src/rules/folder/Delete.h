#pragma once
#include <string>

#include "history/History.h"
#include "platform/Platform.h"

namespace veskor {

// Whether deleting a multiple selection deletes the shortcut files too: not when the
// joined text (Edit1's) is itself an entry, for the user then deletes a recorded group,
// not the shortcuts it names. One entry always goes with its file.
bool GroupDeletesFiles(const History& history, const std::string& joinedText);

// The first entry equal to `entry` leaves the history and, `withFile`, its shortcut file
// in `folder` goes too.
void DeleteEntry(History& history, Platform& platform, const std::string& folder, const std::string& entry,
                 bool withFile);

}  // namespace veskor
