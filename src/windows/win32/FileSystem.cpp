#include "win32/Handles.h"
#include "win32/Win32Platform.h"

#include <utility>

#include "win32/SystemText.h"
#include "win32/Utf16.h"

namespace veskor {

using win32::WidenJapanese;

std::string Win32Platform::CurrentDirectory()
{
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring directory(size, L'\0');
    const DWORD length = size ? GetCurrentDirectoryW(size, directory.data()) : 0;
    directory.resize(length < size ? length : 0);
    return win32::NarrowJapanese(directory);
}

// A path that fills the buffer may have been cut: the buffer grows until it does not.
std::string Win32Platform::ProgramPath()
{
    std::wstring path(MAX_PATH + 1, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return win32::NarrowJapanese(path);
        }
        path.assign(path.size() * 2, L'\0');
    }
}

bool Win32Platform::FileExists(const std::string& path)
{
    // A search pattern would find some other file; no file has "*" or "?" in its name,
    // and neither byte can be the second half of a CP932 character.
    if (path.find_first_of("*?") != std::string::npos)
        return false;
    WIN32_FIND_DATAW found;
    const win32::SearchHandle search(FindFirstFileW(WidenJapanese(path).c_str(), &found));
    return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(WidenJapanese(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A "?" that stands for a character CP932 cannot write is no pattern: the character goes
// to the system itself.
PathPresence Win32Platform::Presence(const ExactText& path)
{
    const std::wstring wide = win32::WidenExact(path);
    if (wide.find_first_of(L"*?") != std::wstring::npos)
        return PathPresence::Unknown;
    if (GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES)
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
        const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
        switch (GetDriveTypeW(root)) {
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
    return CreateDirectoryW(WidenJapanese(path).c_str(), nullptr) != 0;
}

bool Win32Platform::RenameFile(const std::string& from, const std::string& to)
{
    return MoveFileW(WidenJapanese(from).c_str(), WidenJapanese(to).c_str()) != 0;
}

void Win32Platform::DeleteFile(const std::string& path)
{
    ::DeleteFileW(WidenJapanese(path).c_str());
}

void Win32Platform::CopyFile(const std::string& from, const std::string& to)
{
    if (!::CopyFileW(WidenJapanese(from).c_str(), WidenJapanese(to).c_str(), TRUE)) {
        const DWORD code = GetLastError();
        throw CreateFileError(win32::FullPath(to), win32::SystemMessage(code));
    }
}

// A name that CP932 cannot spell is counted, not listed: with "?" in it, it would name no file.
LinkListing Win32Platform::ListLinks(const std::string& folder)
{
    LinkListing listing;
    WIN32_FIND_DATAW found;
    const win32::SearchHandle search(FindFirstFileW(WidenJapanese(folder + "\\*.lnk").c_str(), &found));
    if (!search)
        return listing;
    do {
        std::string name;
        if (win32::NarrowJapaneseExactly(found.cFileName, name))
            listing.names.push_back(std::move(name));
        else
            ++listing.unnamable;
    } while (FindNextFileW(search.get(), &found));
    return listing;
}

}  // namespace veskor
