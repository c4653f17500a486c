#pragma once
#include <string>

#include "platform/Platform.h"

namespace veskor {

// Starts the shortcut of each name of `command` (names joined by ";"), left to right,
// empty names passed over. The first that fails raises: the names before it have started.
void StartEach(Platform& platform, const std::string& folder, const std::string& command);

// Opens the target's folder of each name of `text`, left to right; an empty name opens
// the folder of the shortcut "<folder>\.lnk", which cannot be read: the shortcut folder.
void OpenEachTargetFolder(Platform& platform, const std::string& folder, const std::string& text);

}  // namespace veskor
