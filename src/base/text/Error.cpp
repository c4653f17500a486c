#include "text/Error.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace veskor {

Error IndexError(long long index)
{
    return Error(Format("リストのインデックスが範囲を超えています (%lld)", index));
}

Error OpenFileError(const std::string& fullPath, const std::string& systemText)
{
    return Error(Format("ファイル \"%s\". %s は開けません", fullPath.c_str(), systemText.c_str()));
}

Error CreateFileError(const std::string& fullPath, const std::string& systemText)
{
    return Error(Format("ファイル \"%s\". %s を作成できません", fullPath.c_str(), systemText.c_str()));
}

Error SystemCallError(unsigned long code, const std::string& systemText)
{
    if (code == 0)
        return Error("OS 機能呼び出しの失敗");
    return Error(Format("システムエラー。コード：%d.\r\n%s", static_cast<int>(code), systemText.c_str()));
}

Error OleError(unsigned long result, const std::string& systemText)
{
    return Error(systemText.empty() ? Format("OLE エラー %.8lX", result) : systemText);
}

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (size > 0) {
        std::vector<char> buffer(static_cast<size_t>(size) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        out.assign(buffer.data(), static_cast<size_t>(size));
    }
    va_end(args);
    return out;
}

}  // namespace veskor
