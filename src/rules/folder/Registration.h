#pragma once
#include <string>

#include "history/History.h"
#include "platform/Platform.h"

namespace veskor {

// The program's own shortcut on the desktop, with its hot key F5 alone. Returns its path.
std::string SaveOwnDesktopShortcut(Platform& platform, const std::string& program);

// A new shortcut in `folder` to `target`, or a copy of the shortcut `source`, under a name
// that neither the history nor the folder holds, so that no shortcut of the user is ever
// written over. Returns its path; raises when the shortcut was not written (a missing
// shortcut folder, a missing source), so that it is never announced and recorded.
std::string RegisterTarget(Platform& platform, const History& history, const std::string& folder,
                           const std::string& target);
std::string CopyShortcut(Platform& platform, const History& history, const std::string& folder,
                         const std::string& source);

// A file to register: a ".lnk" (spelt so, byte for byte) is copied; anything else, a
// ".LNK" file included, gets a new shortcut pointing to it.
bool IsShortcutFile(const std::string& path);

// A dropped path with an extension is registered at once; anything else (a folder) is
// offered on the back page, to be registered or made the shortcut folder.
bool RegistersAtOnce(const std::string& droppedPath);
// A dropped path longer than the program keeps is refused rather than registered cut short.
void CheckDroppedPath(const std::string& droppedPath);

}  // namespace veskor
