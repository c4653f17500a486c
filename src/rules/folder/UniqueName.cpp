#include "folder/UniqueName.h"

#include "folder/FileNames.h"

namespace veskor {

std::string UniqueLinkName(const std::string& body, const History& history,
                           const std::function<bool(const std::string& name)>& inFolder)
{
    const int stored = history.Find(body);
    if (stored == -1 && !inFolder(body))
        return body;
    // The stored spelling wins, cut at its own last ".".
    std::string name = (stored == -1 ? body : ExtractFileBody(history.At(stored))) + SameNameSuffix;
    while (history.Find(name) != -1 || inFolder(name))
        name += 'x';
    return name;
}

}  // namespace veskor
