#include "WinTest.h"
// After windows.h, which they need.
#include <objidl.h>
#include <shlobj.h>

#include "platform/win32/SystemText.h"
#include "platform/win32/Utf16.h"

namespace veskor::wintest {
namespace {

// What a link file holds, read with the shell's own interface.
struct LinkFields {
    std::string target;
    std::string arguments;
    std::string workingDirectory;
    WORD hotKey = 0xFFFF;
};

LinkFields ReadFields(const std::string& path)
{
    LinkFields fields;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return fields;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(win32::WidenAnsi(path).c_str(), STGM_READ))) {
            char text[MAX_PATH + 1] = {};
            link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
            fields.target = text;
            link->GetArguments(text, MAX_PATH);
            fields.arguments = text;
            link->GetWorkingDirectory(text, MAX_PATH);
            fields.workingDirectory = text;
            link->GetHotkey(&fields.hotKey);
        }
        file->Release();
    }
    link->Release();
    return fields;
}

// A link with arguments, as another program would write it.
void WriteLinkWithArguments(const std::string& path, const std::string& target, const std::string& arguments)
{
    IShellLinkA* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           reinterpret_cast<void**>(&link))));
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    IPersistFile* file = nullptr;
    HRESULT saved = E_FAIL;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = file->Save(win32::WidenAnsi(path).c_str(), TRUE);
        file->Release();
    }
    link->Release();
    ASSERT_TRUE(SUCCEEDED(saved)) << path;
}

class ShellLinkTest : public FolderTest {};

TEST_P(ShellLinkTest, SavedLinkHoldsTargetWorkingDirectoryAndHotKey)
{
    const std::string target = In("表示ソフト.exe");
    WriteBytes(target, "MZ");
    const std::string link = In("ソ表.lnk");

    platform.SaveLink(link, target, folder + "\\", 0x0074);

    const LinkFields fields = ReadFields(link);
    EXPECT_EQ(fields.target, target);
    EXPECT_EQ(fields.workingDirectory, folder + "\\");
    EXPECT_EQ(fields.hotKey, 0x0074);
    EXPECT_EQ(fields.arguments, "");
    EXPECT_EQ(platform.ReadLinkTarget(link), target);
    EXPECT_EQ(platform.ReadLinkArguments(link), "");
}

TEST_P(ShellLinkTest, SavedLinkWithoutHotKeyHasNone)
{
    const std::string target = In("tool.exe");
    WriteBytes(target, "MZ");
    platform.SaveLink(In("tool.lnk"), target, folder + "\\", 0);
    EXPECT_EQ(ReadFields(In("tool.lnk")).hotKey, 0);
}

TEST_P(ShellLinkTest, SavingOverALinkReplacesIt)
{
    WriteBytes(In("old.exe"), "MZ");
    WriteBytes(In("new.exe"), "MZ");
    platform.SaveLink(In("VESKOR3.lnk"), In("old.exe"), folder + "\\", 0x0074);
    platform.SaveLink(In("VESKOR3.lnk"), In("new.exe"), folder + "\\", 0x0074);
    EXPECT_EQ(platform.ReadLinkTarget(In("VESKOR3.lnk")), In("new.exe"));
}

TEST_P(ShellLinkTest, ReadsTargetAndArgumentsOfALinkMadeElsewhere)
{
    const std::string target = In("ed.exe");
    WriteBytes(target, "MZ");
    const std::string arguments = "-n \"ソ表 計算.txt\"";
    WriteLinkWithArguments(In("ed.lnk"), target, arguments);

    EXPECT_EQ(platform.ReadLinkTarget(In("ed.lnk")), target);
    EXPECT_EQ(platform.ReadLinkArguments(In("ed.lnk")), arguments);
}

// A file that is no readable link: no target, and reading its arguments raises the
// system's text for the failure.
TEST_P(ShellLinkTest, UnreadableLinkHasNoTargetAndItsArgumentsRaise)
{
    WriteBytes(In("tool.exe"), "MZ");
    platform.SaveLink(In("good.lnk"), In("tool.exe"), folder + "\\", 0);
    const std::string good = ReadBytes(In("good.lnk"));
    ASSERT_GT(good.size(), 40u);

    std::string noise;
    for (unsigned i = 0, x = 12345; i < 600; ++i, x = x * 1103515245 + 12345)
        noise.push_back(static_cast<char>(x >> 16));

    const struct {
        const char* name;
        std::string bytes;
        bool create;
    } cases[] = {
        {"missing.lnk", "", false},
        {"noise.lnk", noise, true},
        {"truncated.lnk", good.substr(0, 40), true},
        {"empty.lnk", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.create)
            WriteBytes(In(c.name), c.bytes);
        EXPECT_EQ(platform.ReadLinkTarget(In(c.name)), "");
        const std::string raised = RaisedText([&] { platform.ReadLinkArguments(In(c.name)); });
        EXPECT_NE(raised, "");
        EXPECT_EQ(raised.find_last_of("\r\n"), std::string::npos) << raised;
    }
}

// A path beyond the link reads' 260-unit buffer cannot even be named to the link object:
// the target read gives nothing, the argument read raises the conversion's failure.
TEST_P(ShellLinkTest, PathBeyondTheBufferHasNoTargetAndItsArgumentsRaise)
{
    const std::string path = In(std::string(260, 'a') + ".lnk");
    EXPECT_EQ(platform.ReadLinkTarget(path), "");
    EXPECT_EQ(RaisedText([&] { platform.ReadLinkArguments(path); }),
              win32::OleError(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)).what());
}

INSTANTIATE_TEST_SUITE_P(Folders, ShellLinkTest, FolderNames, FolderLabel);

}  // namespace
}  // namespace veskor::wintest
