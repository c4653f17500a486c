#pragma once
#include <string>

#include "platform/Platform.h"

namespace veskor {

// The error box's caption: the program file's name up to its first ".", every
// character after the first lower-cased ("VESKOR3.exe" gives "Veskor3").
std::string ErrorCaption(const std::string& programPath, const TextRules& rules);

// The error box's text: the message, with "." added when its last character sorts after "."
// and is not the ideographic full stop "。".
std::string ErrorText(const std::string& message);

}  // namespace veskor
