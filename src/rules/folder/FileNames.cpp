#include "folder/FileNames.h"

#include "text/Cp932.h"

namespace veskor {
namespace {

// Byte index of the last "\" or ":" outside double-byte characters, or npos.
size_t LastDelimiter(const std::string& path)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); i += CharLength(path, i)) {
        if (path[i] == '\\' || path[i] == ':')
            last = i;
    }
    return last;
}

}  // namespace

size_t NameStart(const std::string& path)
{
    const size_t last = LastDelimiter(path);
    return last == std::string::npos ? 0 : last + 1;
}

std::string FileNameOf(const std::string& path)
{
    return path.substr(NameStart(path));
}

std::string ExtensionOf(const std::string& path)
{
    size_t dot = std::string::npos;
    for (size_t i = NameStart(path); i < path.size(); i += CharLength(path, i)) {
        if (path[i] == '.')
            dot = i;
    }
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string FolderOf(const std::string& path)
{
    return path.substr(0, NameStart(path));
}

std::string ExtractFileBody(const std::string& path)
{
    const std::string name = FileNameOf(path);
    return name.substr(0, name.size() - ExtensionOf(path).size());
}

std::string DirectoryOf(const std::string& path)
{
    const size_t last = LastDelimiter(path);
    if (last == std::string::npos)
        return std::string();
    // A "\" right after a drive's ":" (or another "\", or at the start) stays:
    // C:\x.exe runs in C:\ rather than in C:'s current directory.
    const bool keep = path[last] == ':' || last == 0 || LastDelimiter(path.substr(0, last)) == last - 1;
    return path.substr(0, keep ? last + 1 : last);
}

bool EndsWithBackslash(const std::string& path)
{
    return !path.empty() && LastDelimiter(path) == path.size() - 1 && path.back() == '\\';
}

bool IsPlainFileName(const std::string& name)
{
    // "/" and ":" are never the second byte of a character; a "\" may be.
    return LastDelimiter(name) == std::string::npos && name.find('/') == std::string::npos;
}

std::string LinkPath(const std::string& folder, const std::string& name)
{
    return folder + "\\" + name + ".lnk";
}

}  // namespace veskor
