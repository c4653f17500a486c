#include "WinTest.h"
// After windows.h, which they need.
#include <objidl.h>
#include <shlobj.h>

#include <cstring>

#include "win32/SystemText.h"
#include "win32/Utf16.h"

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
        if (SUCCEEDED(file->Load(win32::WidenJapanese(path).c_str(), STGM_READ))) {
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
    EXPECT_EQ(platform.ReadLink(link), (ShellLink{target, "", {}}));
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
    EXPECT_EQ(platform.ReadLink(In("VESKOR3.lnk")).target, In("new.exe"));
}

// A link that cannot be written is reported with the system's text, never taken as made.
TEST_P(ShellLinkTest, ALinkThatCannotBeSavedRaisesTheSystemsText)
{
    WriteBytes(In("tool.exe"), "MZ");
    const std::string link = In("none\\tool.lnk");
    EXPECT_EQ(RaisedText([&] { platform.SaveLink(link, In("tool.exe"), folder + "\\", 0); }),
              "ファイル \"" + link + "\". " + win32::SystemMessage(ERROR_PATH_NOT_FOUND) + " を作成できません");
    EXPECT_FALSE(Exists(link));
}

TEST_P(ShellLinkTest, ReadsTargetAndArgumentsOfALinkMadeElsewhere)
{
    const std::string target = In("ed.exe");
    WriteBytes(target, "MZ");
    const std::string arguments = "-n \"ソ表 計算.txt\"";
    WriteLink(In("ed.lnk"), target, arguments);

    EXPECT_EQ(platform.ReadLink(In("ed.lnk")), (ShellLink{target, arguments, {}}));
}

// A file that is no readable link: the read raises the system's text for the failure, on
// one line.
TEST_P(ShellLinkTest, UnreadableLinkRaises)
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
        const std::string raised = RaisedText([&] { platform.ReadLink(In(c.name)); });
        EXPECT_NE(raised, "");
        EXPECT_EQ(raised.find_last_of("\r\n"), std::string::npos) << raised;
    }
}

// A path beyond the link read's 260-unit buffer cannot even be named to the link object:
// the read raises the conversion's failure.
TEST_P(ShellLinkTest, PathBeyondTheBufferRaises)
{
    const std::string path = In(std::string(260, 'a') + ".lnk");
    EXPECT_EQ(RaisedText([&] { platform.ReadLink(path); }),
              win32::OleError(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)).what());
}

// An installer's (advertised) link: the link at `path` given the installer's data block and
// its header flag. Wine cannot add the block through IShellLinkDataList::AddDataBlock, so it
// is written into the file: it goes before the terminal block (four zero bytes).
void MakeAdvertised(const std::string& path)
{
    std::string bytes = ReadBytes(path);
    ASSERT_GT(bytes.size(), 0x18u);
    DWORD flags = 0;
    std::memcpy(&flags, bytes.data() + 0x14, sizeof flags);
    flags |= SLDF_HAS_DARWINID;
    std::memcpy(bytes.data() + 0x14, &flags, sizeof flags);
    // A product and component packed as the installer packs them; nothing installed here.
    const char descriptor[] = "w_1^VX!!!!!!!!!MKKSkEXCELFiles>tW{~$4Q]c@II=l2xaTO5Z";
    EXP_DARWIN_LINK block{};
    block.dbh.cbSize = sizeof block;
    block.dbh.dwSignature = EXP_DARWIN_ID_SIG;
    std::strcpy(block.szDarwinID, descriptor);
    MultiByteToWideChar(CP_ACP, 0, descriptor, -1, block.szwDarwinID, MAX_PATH);
    bytes.insert(bytes.size() - 4, reinterpret_cast<const char*>(&block), sizeof block);
    WriteBytes(path, bytes);
}

// What a launch needs to know of each kind of link, read from real files. Wine's GetFlags
// reports only the flags it derives from a link's content, never SLDF_RUNAS_USER that
// IShellLinkDataList::SetFlags stored, so run-as links are left to the host tests.
TEST_P(ShellLinkTest, EachKindOfLinkReportsItsTargetArgumentsAndTraits)
{
    const std::string tool = In("表計算.exe");
    WriteBytes(tool, "MZ");
    WriteLink(In("ordinary.lnk"), tool, "-x ソ");
    WriteLink(In("computer.lnk"), "", "-x ソ");
    WriteLink(In("office.lnk"), tool, "-x ソ");
    MakeAdvertised(In("office.lnk"));

    const struct {
        const char* name;
        std::string target;
        LinkTraits traits;
    } cases[] = {
        {"ordinary.lnk", tool, {}},
        {"computer.lnk", "", {}},
        // The target of an installer's link is the installer's business: Wine gives none.
        {"office.lnk", "", {true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform.ReadLink(In(c.name)), (ShellLink{c.target, "-x ソ", c.traits}));
    }
    // Nothing is installed here: the installer cannot tell where the advertised program is.
    EXPECT_EQ(platform.InstalledTarget(In("office.lnk")), "");
    EXPECT_EQ(platform.InstalledTarget(In("ordinary.lnk")), "");
}

// A missing or damaged link yields no traits to act on: its read raises, and the installer
// is asked nothing about it.
TEST_P(ShellLinkTest, AMissingOrDamagedLinkAsksNothing)
{
    WriteBytes(In("noise.lnk"), std::string(300, '\x5c'));
    for (const char* name : {"missing.lnk", "noise.lnk"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(RaisedText([&] { platform.ReadLink(In(name)); }), "");
        EXPECT_EQ(platform.InstalledTarget(In(name)), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, ShellLinkTest, FolderNames, FolderLabel);

}  // namespace
}  // namespace veskor::wintest
