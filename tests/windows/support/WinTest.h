#pragma once
#include <gtest/gtest.h>

#include <string>

#include "text/Error.h"
#include "win32/Win32Platform.h"

namespace veskor::wintest {

// Each test runs in code page 932 with COM ready, in a new empty folder under the
// system's temporary folder that is removed afterwards. `Base()` names a sub-folder to
// work in instead (a Japanese name, say); it is created too.
class WinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual std::string Base() const { return {}; }

    // folder + "\" + name
    std::string In(const std::string& name) const { return folder + "\\" + name; }

    std::string folder;  // without a trailing "\"
    Win32Platform platform;

private:
    std::string root_;
    bool comReady_ = false;
};

// The same tests in a folder with a plain name and in one with a Japanese (CP932) name,
// where "ソ" and "表" end in the byte 0x5C, the code of the backslash.
class FolderTest : public WinTest, public ::testing::WithParamInterface<std::string> {
protected:
    std::string Base() const override { return GetParam(); }
};
inline const auto FolderNames = ::testing::Values(std::string("plain"), std::string("表計算ソフト"));
std::string FolderLabel(const ::testing::TestParamInfo<std::string>& info);

// Plain file helpers that do not go through the code under test.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// A link as another program writes it, through the shell's own interface: to `target` with
// `arguments` and working folder `directory`; with an empty target, to the computer (an ID
// list only, no file-system target).
void WriteLink(const std::string& path, const std::string& target, const std::string& arguments,
               const std::string& directory = "");

// Holds a file open with no sharing, as another program busy with it would.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool Holding() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// The message an error carries, or "" when the call raised nothing.
template <class Call>
std::string RaisedText(Call&& call)
{
    try {
        call();
    } catch (const Error& error) {
        return error.what();
    }
    return {};
}

}  // namespace veskor::wintest
