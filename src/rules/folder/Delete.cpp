#include "folder/Delete.h"

#include "folder/FileNames.h"

namespace veskor {

bool GroupDeletesFiles(const History& history, const std::string& joinedText)
{
    return history.Find(joinedText) == -1;
}

void DeleteEntry(History& history, Platform& platform, const std::string& folder, const std::string& entry,
                 bool withFile)
{
    history.RemoveFirst(entry);
    if (withFile)
        platform.DeleteFile(LinkPath(folder, entry));
}

}  // namespace veskor
