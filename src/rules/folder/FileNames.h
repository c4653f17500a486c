#pragma once
#include <string>

// File-name rules for CP932 paths: a 0x5C byte that is the second byte of a
// double-byte character (ソ, 表, 能 ...) is never a "\".
namespace veskor {

// Position just after the last "\" or ":" (0 when there is none).
size_t NameStart(const std::string& path);
// Everything after the last "\" or ":"; the whole path when it has neither.
std::string FileNameOf(const std::string& path);
// From the last "." of the file name to the end, dot included; empty when none.
std::string ExtensionOf(const std::string& path);
// The path up to and including its last "\" or ":"; empty when none.
std::string FolderOf(const std::string& path);
// The file name less its extension.
std::string ExtractFileBody(const std::string& path);
// Where a launch runs: everything before the last "\" (or up to a ":"), keeping the "\" of a
// drive root: C:\x.exe gives C:\, C:\dir\x.exe gives C:\dir.
std::string DirectoryOf(const std::string& path);
// True when the last byte of the text is a "\" that is not the second byte of a character.
bool EndsWithBackslash(const std::string& path);
// True when the name holds no "\", "/" or ":", so that it cannot lead out of a folder.
bool IsPlainFileName(const std::string& name);
// The shortcut a history entry names: `folder` + "\" + `name` + ".lnk", the name as it is.
std::string LinkPath(const std::string& folder, const std::string& name);

}  // namespace veskor
