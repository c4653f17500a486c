#include "WinTest.h"
// After windows.h, which they need.
#include <objidl.h>
#include <shlobj.h>

#include "../gui/tools/Utf8.h"
#include "launch/LinkOps.h"
#include "win32/ComRef.h"
#include "win32/Utf16.h"

// Shortcuts holding what CP932 cannot write, or arguments far beyond a path's length, are
// read and started whole: the started program (the GUI tests' recorder) writes down the
// command line and the working folder it got.
namespace veskor::wintest {
namespace {

// `length` characters of arguments: a flag with a long value that holds é and Hangul.
std::wstring LongArguments(size_t length)
{
    std::wstring arguments = L"--profile=Caf\u00e9-\ud55c\uae00-";
    for (size_t i = 0; arguments.size() < length - 8; ++i)
        arguments += static_cast<wchar_t>(L'a' + i % 26);
    return arguments + L" --flag=z";
}

class LinkLaunchTest : public WinTest {
protected:
    void SetUp() override
    {
        WinTest::SetUp();
        if (HasFatalFailure())
            return;
        wchar_t program[MAX_PATH + 1] = {};
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        recorder = program;
        recorder = recorder.substr(0, recorder.rfind(L'\\')) + L"\\recorder.exe";
        ASSERT_NE(GetFileAttributesW(recorder.c_str()), INVALID_FILE_ATTRIBUTES) << "recorder.exe is built beside";
        log = win32::WidenJapanese(In("records.log"));
        SetEnvironmentVariableW(L"VESKOR_RECORDER_LOG", log.c_str());
    }

    void TearDown() override
    {
        SetEnvironmentVariableW(L"VESKOR_RECORDER_LOG", nullptr);
        WinTest::TearDown();
    }

    // The recorder copied into `subfolder` of the test's folder, and a link to it.
    std::wstring PlaceRecorder(const std::wstring& subfolder)
    {
        const std::wstring where = win32::WidenJapanese(folder) + L"\\" + subfolder;
        CreateDirectoryW(where.c_str(), nullptr);
        const std::wstring target = where + L"\\recorder.exe";
        EXPECT_TRUE(CopyFileW(recorder.c_str(), target.c_str(), FALSE));
        return target;
    }

    // The line the started recorder wrote: its arguments, a tab, its working folder.
    std::string Recorded()
    {
        std::string line;
        for (int i = 0; i < 300 && line.find('\n') == std::string::npos; ++i) {
            Sleep(100);
            line = Exists(In("records.log")) ? ReadBytes(In("records.log")) : "";
        }
        for (int i = 0; i < 50 && Exists(In("records.log")) && !DeleteFileW(log.c_str()); ++i)
            Sleep(100);
        line = line.substr(line.find('\t') + 1);
        return line.substr(0, line.find_first_of("\r\n"));
    }

    std::wstring recorder;
    std::wstring log;
};

void WriteWideLink(const std::string& path, const std::wstring& target, const std::wstring& arguments,
                   const std::wstring& directory)
{
    win32::ComRef<IShellLinkW> link;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           link.Out())));
    ASSERT_TRUE(SUCCEEDED(link->SetPath(target.c_str())));
    ASSERT_TRUE(SUCCEEDED(link->SetArguments(arguments.c_str())));
    ASSERT_TRUE(SUCCEEDED(link->SetWorkingDirectory(directory.c_str())));
    win32::ComRef<IPersistFile> file;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Out())));
    ASSERT_TRUE(SUCCEEDED(file->Save(win32::WidenJapanese(path).c_str(), TRUE))) << path;
}

TEST_F(LinkLaunchTest, EveryShortcutIsReadAndStartedWhole)
{
    const struct {
        const char* what;
        std::wstring subfolder;
        std::string name;
        std::wstring arguments;
    } cases[] = {
        {"target and working folder with e-acute and Hangul", L"Caf\u00e9 M\u00fcller \ud55c\uae00", "game",
         L"-x \"Caf\u00e9\""},
        {"arguments of 1,000 characters", L"tools", "long", LongArguments(1000)},
        {"arguments of 10,000 characters", L"tools", "longer", LongArguments(10000)},
        {"a name with kanji", L"\u8868\u8a08\u7b97", "漢字の名前", L"-n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const std::wstring target = PlaceRecorder(row.subfolder);
        const std::wstring directory = target.substr(0, target.rfind(L'\\'));
        const std::string linkPath = In(row.name + ".lnk");
        WriteWideLink(linkPath, target, row.arguments, directory);

        const ShellLink link = platform.ReadLink(linkPath);
        EXPECT_EQ(win32::WidenExact(link.target), target);
        EXPECT_EQ(win32::WidenExact(link.arguments), row.arguments);

        StartShortcut(platform, folder, linkPath);
        EXPECT_EQ(Recorded(), Utf8(row.arguments) + "\t" + Utf8(directory));
    }
}

}  // namespace
}  // namespace veskor::wintest
