#pragma once
#include <string>

#include "platform/Platform.h"

namespace veskor {

// Which shortcuts the shell must start itself: those whose target is not the program to
// run. A link without a file-system target (a Store app, a Control Panel item: an ID list
// only), an installer's link (its target is an icon file of the installer's) and a link
// that asks for elevation would otherwise start nothing, or the wrong thing, or fail.
bool ShellStartsItself(const ShellLink& link);

// A link path too long for the system's path buffers names no file. The link reader names
// the file in UTF-16, where each CP932 character is one unit.
bool TooLongForLink(const std::string& linkPath);

// Starts one shortcut of the shortcut folder `folder`. An ordinary shortcut's target itself
// is started, with the link's arguments, in the target's own folder: the link's stored
// working folder, window state and hot key play no part. A shortcut that cannot be read,
// or that the shell refuses to start, raises its path and the reason; a cancelled
// elevation raises Abort.
void StartShortcut(Platform& platform, const std::string& folder, const std::string& linkPath);

// The empty command: the shell is handed an empty file name in the shortcut folder, as it
// always was. It names no shortcut, so the shell's answer is not examined.
void OpenShortcutFolder(Platform& platform, const std::string& folder);

// Opens the folder that holds the shortcut's target. An installer's link opens the
// installed program's folder when the installer can tell where that is; a link that
// cannot be read, or has no target, the shortcut folder.
void OpenTargetFolder(Platform& platform, const std::string& folder, const std::string& linkPath);

}  // namespace veskor
