#pragma once
#include <string>

#include "history/History.h"
#include "platform/Platform.h"

namespace veskor {

struct FolderChange {
    std::string folder;  // the new shortcut folder
    bool made = true;    // false: it is missing and could not be created
};

// Makes the typed path (or, when empty, the current directory) the shortcut folder of
// `history`, one trailing "\" dropped, and creates it one level deep when missing. A
// folder that cannot be made is the shortcut folder all the same: the next save stores it.
FolderChange ChangeShortcutFolder(History& history, Platform& platform, const std::string& typed);

}  // namespace veskor
