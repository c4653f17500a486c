#include "text/Cp932.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {

namespace {

bool IsDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The names between separators, walking whole characters: the second byte of a
// double-byte character may be 0x5C and is no separator.
std::vector<std::string> PathNames(const std::string& text)
{
    std::vector<std::string> names(1);
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLength(text, i);
        if (length == 1 && IsSeparator(text[i]))
            names.emplace_back();
        else
            names.back().append(text, i, length);
        i += length;
    }
    return names;
}

// The root of a path that has one, "" otherwise.
std::string RootOf(const std::string& path)
{
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':')
        return path.substr(0, 2) + "\\";
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]))
        return "\\\\";
    return "";
}

}  // namespace

MemoryPlatform::SplitPath MemoryPlatform::Split(const std::string& path) const
{
    SplitPath split;
    split.root = RootOf(path);
    std::string rest = path.substr(split.root.empty() ? 0 : 2);
    if (split.root.empty()) {
        // Relative to the current directory, or to its drive's root after a leading "\".
        std::string base = currentDirectory;
        if (RootOf(base).empty())
            base = "C:\\";
        if (!path.empty() && IsSeparator(path[0]))
            base = RootOf(base);
        split = Split(base);
    }
    for (std::string& name : PathNames(rest)) {
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            if (!split.names.empty())
                split.names.pop_back();
            continue;
        }
        split.names.push_back(std::move(name));
    }
    return split;
}

std::string MemoryPlatform::Join(const std::string& root, const std::vector<std::string>& names, size_t count)
{
    std::string path = root;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            path += '\\';
        path += names[i];
    }
    return path;
}

std::string MemoryPlatform::Lower(std::string text)
{
    LowerCaseCp932(text);
    return text;
}

std::string MemoryPlatform::Key(const std::string& path) const
{
    const SplitPath split = Split(path);
    return Lower(Join(split.root, split.names, split.names.size()));
}

}  // namespace veskor
