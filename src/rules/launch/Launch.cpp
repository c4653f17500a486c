#include "launch/Launch.h"

#include "folder/FileNames.h"
#include "launch/LinkOps.h"
#include "launch/Pieces.h"

namespace veskor {

void StartEach(Platform& platform, const std::string& folder, const std::string& command)
{
    for (const std::string& piece : SplitPieces(command)) {
        if (!piece.empty())
            StartShortcut(platform, folder, LinkPath(folder, piece));
    }
}

void OpenEachTargetFolder(Platform& platform, const std::string& folder, const std::string& text)
{
    for (const std::string& piece : SplitPieces(text))
        OpenTargetFolder(platform, folder, LinkPath(folder, piece));
}

}  // namespace veskor
