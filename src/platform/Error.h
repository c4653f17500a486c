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

// "リストのインデックスが範囲を超えています (%d)": a list read outside its range.
Error IndexError(long long index);

// Formats with printf rules; the format and the arguments are CP932 byte strings.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace veskor
