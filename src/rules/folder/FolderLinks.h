#pragma once
#include <string>

#include "history/History.h"
#include "platform/Platform.h"

namespace veskor {

// The shortcut name of a file that the folder's "*.lnk" search found: what stands before
// the first ".lnk" (letter case significant), else the whole file name.
std::string LinkNameOf(const std::string& fileName);

// Appends every shortcut of `folder` that the history lacks (in any letter case), in the
// folder's order. A name the code page cannot spell is left out: recorded with "?" in it,
// it could never be started. Returns how many were left out so.
int AddFolderLinks(History& history, Platform& platform, const std::string& folder);

}  // namespace veskor
