#include <algorithm>
#include <cstdint>

#include "win32/Handles.h"
#include "win32/SystemText.h"
#include "win32/Utf16.h"
#include "win32/Win32Platform.h"

namespace veskor {

using win32::WidenJapanese;

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
    win32::FileHandle file(CreateFileW(WidenJapanese(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
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

// Windows refuses an open or a replace for a moment while another program (a virus scanner,
// the indexer) has the file or the backup open without sharing it; each of these failures
// leaves every file under its own name, so the step can be tried again.
bool RefusedForAMoment(DWORD code)
{
    switch (code) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:  // also a file whose deletion is still pending
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        return true;
    default:
        return false;
    }
}

constexpr ULONGLONG RetryForMs = 1000;
constexpr DWORD RetryStepMs = 50;

// Runs `step` (0 on success, else the error code) again while it is refused for a moment,
// for a second at most.
template <class Step>
DWORD Retrying(Step step)
{
    const ULONGLONG until = GetTickCount64() + RetryForMs;
    for (;;) {
        const DWORD failure = step();
        if (failure == 0 || !RefusedForAMoment(failure) || GetTickCount64() >= until)
            return failure;
        Sleep(RetryStepMs);
    }
}

// Reads the whole file; 0 on success, else the error code. Another copy reading at once is
// let in, and so is the rename of a replace: ReplaceFileW needs the right to delete the file
// it replaces, which a handle opened without FILE_SHARE_DELETE refuses. A writer is kept out.
DWORD ReadAll(const std::string& path, std::string& bytes)
{
    const std::wstring widePath = WidenJapanese(path);
    HANDLE opened = INVALID_HANDLE_VALUE;
    const DWORD refused = Retrying([&] {
        opened = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        return opened != INVALID_HANDLE_VALUE ? 0 : LastErrorOr(ERROR_OPEN_FAILED);
    });
    const win32::FileHandle file(opened);
    if (refused)
        return refused;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return LastErrorOr(ERROR_READ_FAULT);
    if (size.QuadPart > MaxReadable)
        return ERROR_FILE_TOO_LARGE;
    bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return LastErrorOr(ERROR_READ_FAULT);
    bytes.resize(read);
    return 0;
}

// Puts `replacement` in the place of `path`, keeping the old file as `backup`; 0 on success.
// ReplaceFileW does it in one step. Where it cannot (no old file, or a file system without
// it), a copy to the backup and then one rename do it with `path` present throughout.
DWORD Replace(const std::string& path, const std::string& replacement, const std::string& backup)
{
    const std::wstring widePath = WidenJapanese(path);
    const std::wstring wideReplacement = WidenJapanese(replacement);
    const std::wstring wideBackup = WidenJapanese(backup);
    constexpr DWORD move = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (ReplaceFileW(widePath.c_str(), wideReplacement.c_str(), wideBackup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr))
        return 0;
    DWORD failure = LastErrorOr(ERROR_CANNOT_MAKE);
    if (failure == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The old file already carries the backup's name: it goes back. A failed return is
        // the failure to report; when it is tried again, the next step finds no old file and
        // puts the new one in place, the old one kept as the backup.
        if (!MoveFileExW(wideBackup.c_str(), widePath.c_str(), move))
            return LastErrorOr(ERROR_CANNOT_MAKE);
        return failure;
    }
    if (failure != ERROR_FILE_NOT_FOUND && failure != ERROR_CALL_NOT_IMPLEMENTED && failure != ERROR_NOT_SUPPORTED &&
        failure != ERROR_INVALID_FUNCTION)
        return failure;
    // An old file that cannot be looked at must not be written over without its backup.
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = LastErrorOr(ERROR_CANNOT_MAKE);
        if (code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND)
            return code;
    } else if (!::CopyFileW(widePath.c_str(), wideBackup.c_str(), FALSE)) {
        return LastErrorOr(ERROR_CANNOT_MAKE);
    }
    if (!MoveFileExW(wideReplacement.c_str(), widePath.c_str(), move))
        return LastErrorOr(ERROR_CANNOT_MAKE);
    return 0;
}

// How long a start or a save waits for another copy's read or save of the same file: those
// take milliseconds.
constexpr DWORD LockWaitMs = 5000;

// The data file's lock is a named mutex rather than the file held open: the save replaces
// the file by renaming another over it, which an open handle on the file would refuse, and
// the system releases a mutex whose holder died. Its name stands for the full path, letter
// case ignored; a hash, since a name cannot hold "\" nor be longer than MAX_PATH.
std::string LockName(const std::string& path)
{
    std::string full = win32::FullPath(path);
    win32::LowerJapanese(full);
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : full) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return Format("Local\\veskor3-save-%016llx", static_cast<unsigned long long>(hash));
}

struct MutexLock : FileLock {
    explicit MutexLock(HANDLE handle) : mutex(handle) {}
    ~MutexLock() override
    {
        if (owned)
            ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    HANDLE mutex;
    bool owned = false;
};

}  // namespace

std::string Win32Platform::ReadWholeFile(const std::string& path)
{
    std::string bytes;
    if (const DWORD failure = ReadAll(path, bytes))
        throw OpenError(path, failure);
    return bytes;
}

std::optional<std::string> Win32Platform::ReadToReplace(const std::string& path)
{
    std::string bytes;
    const DWORD failure = ReadAll(path, bytes);
    if (failure == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    if (failure)
        throw CreateError(path, failure);
    return bytes;
}

// The new content goes to a file beside the target first and takes the target's place in
// one step that also keeps the old file as the backup, so a failed or interrupted save never
// leaves a half-written file, nor no file at all.
void Win32Platform::WriteFileAtomically(const std::string& path, const std::string& bytes, const std::string& backup)
{
    const std::string temporary = path + ".tmp";
    DWORD failure = WriteToDisk(temporary, bytes);
    if (failure == 0)
        failure = Retrying([&] { return Replace(path, temporary, backup); });
    if (failure == 0)
        return;
    // The save's own failure is the one to report: a temporary file that stays behind is
    // written over by the next save.
    ::DeleteFileW(WidenJapanese(temporary).c_str());
    throw CreateError(path, failure);
}

std::unique_ptr<FileLock> Win32Platform::LockFile(const std::string& path, FileUse use)
{
    const auto failed = [&](DWORD code) { return use == FileUse::Read ? OpenError(path, code) : CreateError(path, code); };
    HANDLE mutex = CreateMutexW(nullptr, FALSE, WidenJapanese(LockName(path)).c_str());
    if (!mutex)
        throw failed(LastErrorOr(ERROR_CANNOT_MAKE));
    auto lock = std::make_unique<MutexLock>(mutex);
    switch (WaitForSingleObject(mutex, LockWaitMs)) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:  // its holder ended without releasing it: the file is whole all the same
        lock->owned = true;
        return lock;
    case WAIT_TIMEOUT:
        throw failed(WAIT_TIMEOUT);
    default:
        throw failed(LastErrorOr(ERROR_CANNOT_MAKE));
    }
}

}  // namespace veskor
