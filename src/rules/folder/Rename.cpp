#include "folder/Rename.h"

#include "folder/FileNames.h"

namespace veskor {

std::optional<std::string> RenameShortcut(History& history, Platform& platform, const std::string& folder,
                                          const std::string& fromPath, const std::string& name)
{
    if (!IsPlainFileName(name) || !platform.RenameFile(fromPath, LinkPath(folder, name)))
        return std::nullopt;
    std::string old = ExtractFileBody(fromPath);
    history.Rename(old, name);
    return old;
}

}  // namespace veskor
