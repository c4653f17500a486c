#include "win32/SystemText.h"

#include <vector>

#include "win32/Utf16.h"

namespace veskor::win32 {

std::string SystemMessage(DWORD code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0 && buffer)
        text = NarrowJapanese(std::wstring(buffer, length));
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
    const std::wstring wide = WidenJapanese(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::vector<wchar_t> buffer(size + 1);
    const DWORD length = GetFullPathNameW(wide.c_str(), size + 1, buffer.data(), nullptr);
    return length == 0 || length > size ? path : NarrowJapanese(std::wstring(buffer.data(), length));
}

}  // namespace veskor::win32
