#pragma once
#include <optional>
#include <string>

#include "history/History.h"
#include "platform/Platform.h"

namespace veskor {

// Renames the shortcut at `fromPath` to `name` in `folder`, and its history entry with it
// (the entry goes to the top). Returns the old name, or nothing when the shortcut could
// not be renamed: a name with a folder part would move it out of the shortcut folder, and
// a name that a file holds already is refused by the system. Nothing then changes.
std::optional<std::string> RenameShortcut(History& history, Platform& platform, const std::string& folder,
                                          const std::string& fromPath, const std::string& name);

}  // namespace veskor
