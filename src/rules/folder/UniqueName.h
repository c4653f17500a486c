#pragma once
#include <functional>
#include <string>

#include "history/History.h"

namespace veskor {

// "(同名あり)": marks a new shortcut whose name the history already holds.
inline constexpr const char* SameNameSuffix = "(同名あり)";

// The name a new shortcut gets for a file whose body is `body`: the body itself while
// neither the history nor the folder knows it, else the stored entry's body (or the body)
// followed by "(同名あり)" and as many "x" as it takes to be new to both.
// `inFolder` tells whether a name is already taken in the shortcut folder.
std::string UniqueLinkName(const std::string& body, const History& history,
                           const std::function<bool(const std::string& name)>& inFolder);

}  // namespace veskor
