#include <algorithm>

#include "platform/win32/Handles.h"
#include "platform/win32/SystemText.h"
#include "platform/win32/Win32Platform.h"

namespace veskor {

namespace {

// Larger files are no data file of ours, and would not fit one read.
constexpr LONGLONG MaxReadable = 0x7FFFFFFF;
constexpr DWORD MaxWriteChunk = 1u << 30;

Error OpenError(const std::string& path, DWORD code)
{
    return OpenFileError(win32::FullPath(path), win32::SystemMessage(code));
}

Error CreateError(const std::string& path, DWORD code)
{
    return CreateFileError(win32::FullPath(path), win32::SystemMessage(code));
}

// The failing call's code; a failure that left none still counts as one.
DWORD LastErrorOr(DWORD fallback)
{
    const DWORD code = GetLastError();
    return code != 0 ? code : fallback;
}

// Writes and flushes the whole file; 0 when every byte is on disk, else the error code.
DWORD WriteToDisk(const std::string& path, const std::string& bytes)
{
    win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return LastErrorOr(ERROR_CANNOT_MAKE);
    for (size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, MaxWriteChunk));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr))
            return LastErrorOr(ERROR_WRITE_FAULT);
        if (written != chunk)
            return ERROR_DISK_FULL;
        done += written;
    }
    if (!FlushFileBuffers(file.get()))
        return LastErrorOr(ERROR_WRITE_FAULT);
    if (!file.Close())
        return LastErrorOr(ERROR_WRITE_FAULT);
    return 0;
}

}  // namespace

std::string Win32Platform::ReadWholeFile(const std::string& path)
{
    const win32::FileHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw OpenError(path, GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        throw OpenError(path, GetLastError());
    if (size.QuadPart > MaxReadable)
        throw OpenError(path, ERROR_FILE_TOO_LARGE);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        throw OpenError(path, GetLastError());
    bytes.resize(read);
    return bytes;
}

// The new content goes to a file beside the target first and replaces the target in one
// rename, so a failed or interrupted save never leaves a half-written file behind.
void Win32Platform::WriteFileAtomically(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp";
    DWORD failure = WriteToDisk(temporary, bytes);
    if (failure == 0) {
        if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return;
        failure = LastErrorOr(ERROR_CANNOT_MAKE);
    }
    ::DeleteFileA(temporary.c_str());
    throw CreateError(path, failure);
}

}  // namespace veskor
