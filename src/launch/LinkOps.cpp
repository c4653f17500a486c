#include "app/TForm1.h"
#include "folder/FileNames.h"

namespace veskor {

std::string TForm1::linktarget(const std::string& linkPath)
{
    return platform_.ReadLinkTarget(linkPath);
}

std::string TForm1::linkparams(const std::string& linkPath)
{
    // Only a ".lnk" spelt exactly so is read; ".LNK" and folders have no arguments.
    if (ExtensionOf(linkPath) != ".lnk")
        return std::string();
    return platform_.ReadLinkArguments(linkPath);
}

// The target itself is started, with the link's arguments, in the target's own folder: the
// link's stored working folder, window state and hot key play no part.
void TForm1::openfile(const std::string& linkPath)
{
    const std::string target = linktarget(linkPath);
    const std::string directory = target.empty() ? ShortcutFolder : DirectoryOf(target);
    const std::string arguments = linkparams(linkPath);
    platform_.ShellOpen(target, arguments, directory);
}

void TForm1::opendir(const std::string& linkPath)
{
    std::string target = linktarget(linkPath);
    if (target.empty())
        target = ShortcutFolder;
    platform_.ShellOpen(DirectoryOf(target), std::string(), ShortcutFolder);
}

}  // namespace veskor
