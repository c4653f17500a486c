#pragma once
#include <stdexcept>
#include <string>

namespace veskor {

// Every failure the user is told about: the message is shown as it is, in CP932,
// by the window's event dispatch (see ErrorBox.h).
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Stops a command silently: the user has just said no to it (an elevation prompt cancelled),
// so there is nothing to tell.
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return "abort"; }
};

// "リストのインデックスが範囲を超えています (%d)": a list read outside its range.
Error IndexError(long long index);

// The wordings of failed system calls, one place for every platform: each takes the
// system's own text for the failure, which only the platform knows how to find.

// "ファイル "%s". %s は開けません": a file that cannot be opened for reading.
Error OpenFileError(const std::string& fullPath, const std::string& systemText);

// "ファイル "%s". %s を作成できません": a file that cannot be created or written.
Error CreateFileError(const std::string& fullPath, const std::string& systemText);

// "システムエラー。コード：%d." + CR LF + the system's text, or "OS 機能呼び出しの失敗"
// when the failed call left no code. The code is shown signed, as the system's callers print it.
Error SystemCallError(unsigned long code, const std::string& systemText);

// A failed COM call: the system's text for the result, or "OLE エラー XXXXXXXX" when there is none.
Error OleError(unsigned long result, const std::string& systemText);

// Formats with printf rules; the format and the arguments are CP932 byte strings.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace veskor
