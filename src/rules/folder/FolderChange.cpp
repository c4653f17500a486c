#include "folder/FolderChange.h"

#include "folder/FileNames.h"

namespace veskor {

FolderChange ChangeShortcutFolder(History& history, Platform& platform, const std::string& typed)
{
    FolderChange change;
    if (typed.empty()) {
        change.folder = platform.CurrentDirectory();
    } else {
        change.folder = typed;
        if (EndsWithBackslash(change.folder))
            change.folder.pop_back();  // once only: two trailing "\" leave one
    }
    history.ChangeFolder(change.folder);
    change.made = typed.empty() || platform.DirectoryExists(change.folder) || platform.CreateFolder(change.folder);
    return change;
}

}  // namespace veskor
