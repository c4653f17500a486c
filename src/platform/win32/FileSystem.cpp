#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"

#include <utility>

#include "platform/win32/Utf16.h"

namespace veskor {

std::string Win32Platform::CurrentDirectory()
{
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string directory(size, '\0');
    const DWORD length = size ? GetCurrentDirectoryA(size, directory.data()) : 0;
    directory.resize(length < size ? length : 0);
    return directory;
}

std::string Win32Platform::ProgramPath()
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH + 1);
    return path;
}

bool Win32Platform::FileExists(const std::string& path)
{
    // A search pattern would find some other file; no file has "*" or "?" in its name,
    // and neither byte can be the second half of a CP932 character.
    if (path.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAA found;
    const win32::SearchHandle search(FindFirstFileA(path.c_str(), &found));
    return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

PathPresence Win32Platform::Presence(const std::string& path)
{
    if (path.find_first_of("*?") != std::string::npos)
        return PathPresence::Unknown;
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return PathPresence::Present;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathPresence::Missing
                                                                          : PathPresence::Unknown;
}

// GetDriveType asks the mount manager every time (a tenth of a millisecond or more under
// Wine, as long as a file's attributes ten times over): each letter is asked once a run.
DriveKind Win32Platform::DriveOf(const std::string& path)
{
    const char letter = path.size() >= 2 && path[1] == ':' ? static_cast<char>(path[0] & ~0x20) : '\0';
    if (letter < 'A' || letter > 'Z')
        return DriveKind::Other;
    std::optional<DriveKind>& known = driveKinds_[static_cast<size_t>(letter - 'A')];
    if (!known) {
        const char root[] = {letter, ':', '\\', '\0'};
        switch (GetDriveTypeA(root)) {
        case DRIVE_FIXED:
        case DRIVE_RAMDISK: known = DriveKind::Fixed; break;
        case DRIVE_REMOTE: known = DriveKind::Remote; break;
        case DRIVE_REMOVABLE:
        case DRIVE_CDROM: known = DriveKind::Removable; break;
        default: known = DriveKind::Other; break;
        }
    }
    return *known;
}

bool Win32Platform::CreateFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32Platform::RenameFile(const std::string& from, const std::string& to)
{
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

void Win32Platform::DeleteFile(const std::string& path)
{
    ::DeleteFileA(path.c_str());
}

bool Win32Platform::CopyFile(const std::string& from, const std::string& to)
{
    return ::CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
}

// Listed in UTF-16: the ANSI listing would hand back a name the code page cannot spell with
// "?" in it, a name that names no file.
LinkListing Win32Platform::ListLinks(const std::string& folder)
{
    LinkListing listing;
    WIN32_FIND_DATAW found;
    const win32::SearchHandle search(FindFirstFileW(win32::WidenAnsi(folder + "\\*.lnk").c_str(), &found));
    if (!search)
        return listing;
    do {
        std::string name;
        if (win32::NarrowAnsiExactly(found.cFileName, name))
            listing.names.push_back(std::move(name));
        else
            ++listing.unnamable;
    } while (FindNextFileW(search.get(), &found));
    return listing;
}

}  // namespace veskor
