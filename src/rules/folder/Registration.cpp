#include "folder/Registration.h"

#include "folder/FileNames.h"
#include "folder/UniqueName.h"
#include "text/Error.h"

namespace veskor {

namespace {

constexpr const char* OwnShortcutName = "\\VESKOR3.lnk";
constexpr std::uint16_t OwnHotKey = 0x0074;  // F5 alone

// A file of that name would be written over, a folder would stop the save.
bool Taken(Platform& platform, const std::string& path)
{
    return platform.FileExists(path) || platform.DirectoryExists(path);
}

std::string NewLinkPath(Platform& platform, const History& history, const std::string& folder,
                        const std::string& file)
{
    const auto taken = [&](const std::string& name) { return Taken(platform, LinkPath(folder, name)); };
    return LinkPath(folder, UniqueLinkName(ExtractFileBody(file), history, taken));
}

}  // namespace

std::string SaveOwnDesktopShortcut(Platform& platform, const std::string& program)
{
    const std::string destination = platform.DesktopFolder() + OwnShortcutName;
    platform.SaveLink(destination, program, FolderOf(program), OwnHotKey);
    return destination;
}

std::string RegisterTarget(Platform& platform, const History& history, const std::string& folder,
                           const std::string& target)
{
    const std::string destination = NewLinkPath(platform, history, folder, target);
    platform.SaveLink(destination, target, FolderOf(target), 0);
    return destination;
}

std::string CopyShortcut(Platform& platform, const History& history, const std::string& folder,
                         const std::string& source)
{
    const std::string destination = NewLinkPath(platform, history, folder, source);
    platform.CopyFile(source, destination);
    return destination;
}

bool IsShortcutFile(const std::string& path)
{
    return ExtensionOf(path) == ".lnk";
}

bool RegistersAtOnce(const std::string& droppedPath)
{
    return !ExtensionOf(droppedPath).empty();
}

void CheckDroppedPath(const std::string& droppedPath)
{
    if (droppedPath.size() > static_cast<size_t>(MaxPathLength))
        throw Error("パスが長すぎるため登録できません");
}

}  // namespace veskor
