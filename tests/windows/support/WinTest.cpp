#include "WinTest.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <atomic>

#include "win32/ComRef.h"
#include "win32/Utf16.h"

namespace veskor::wintest {

namespace {

std::atomic<int> folderCount{0};

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

void WinTest::SetUp()
{
    ASSERT_EQ(GetACP(), 932u) << "the tests need the ANSI code page 932";
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    comReady_ = true;
    char temp[MAX_PATH + 1] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    root_ = std::string(temp) + "veskor-wintest-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++folderCount);
    ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr)) << root_;
    folder = root_;
    if (!Base().empty()) {
        folder = root_ + "\\" + Base();
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    }
}

void WinTest::TearDown()
{
    if (!root_.empty())
        RemoveTree(root_);
    if (comReady_)
        CoUninitialize();
}

std::string FolderLabel(const ::testing::TestParamInfo<std::string>& info)
{
    return info.param == "plain" ? "Plain" : "Japanese";
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size()) << path;
}

std::string ReadBytes(const std::string& path)
{
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HeldOpen::HeldOpen(const std::string& path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr))
{
}

HeldOpen::~HeldOpen()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

void WriteLink(const std::string& path, const std::string& target, const std::string& arguments,
               const std::string& directory)
{
    win32::ComRef<IShellLinkA> link;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           link.Out())));
    if (target.empty()) {
        LPITEMIDLIST computer = nullptr;
        ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)));
        link->SetIDList(computer);
        CoTaskMemFree(computer);
    } else {
        link->SetPath(target.c_str());
    }
    link->SetArguments(arguments.c_str());
    link->SetWorkingDirectory(directory.c_str());
    win32::ComRef<IPersistFile> file;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Out())));
    ASSERT_TRUE(SUCCEEDED(file->Save(win32::WidenJapanese(path).c_str(), TRUE))) << path;
}

}  // namespace veskor::wintest
