#include "platform/win32/SystemText.h"

#include <vector>

namespace veskor::win32 {

std::string SystemMessage(DWORD code)
{
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer)
        text.assign(buffer, length);
    LocalFree(buffer);
    // No trail byte of CP932 lies in this range, so cutting byte by byte is safe.
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

Error OleError(HRESULT result)
{
    return veskor::OleError(static_cast<unsigned long>(result), SystemMessage(static_cast<DWORD>(result)));
}

Error OsError(DWORD code)
{
    return SystemCallError(code, code == 0 ? std::string() : SystemMessage(code));
}

std::string FullPath(const std::string& path)
{
    const DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::vector<char> buffer(size + 1);
    const DWORD length = GetFullPathNameA(path.c_str(), size + 1, buffer.data(), nullptr);
    return length == 0 || length > size ? path : std::string(buffer.data(), length);
}

}  // namespace veskor::win32
