#include "folder/FolderLinks.h"

namespace veskor {

// A "." is never part of a double-byte character, so a plain byte search cannot match inside one.
std::string LinkNameOf(const std::string& fileName)
{
    const size_t at = fileName.find(".lnk");
    return at == std::string::npos ? fileName : fileName.substr(0, at);
}

int AddFolderLinks(History& history, Platform& platform, const std::string& folder)
{
    const LinkListing links = platform.ListLinks(folder);
    for (const std::string& fileName : links.names)
        history.AddMissing(LinkNameOf(fileName));
    return links.unnamable;
}

}  // namespace veskor
