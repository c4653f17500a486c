#include "WinTest.h"
#include "win32/SystemText.h"

namespace veskor::wintest {
namespace {

class FileContentsTest : public FolderTest {
protected:
    std::string OpenText(const std::string& fullPath, DWORD code)
    {
        return "ファイル \"" + fullPath + "\". " + win32::SystemMessage(code) + " は開けません";
    }
    std::string CreateText(const std::string& fullPath, DWORD code)
    {
        return "ファイル \"" + fullPath + "\". " + win32::SystemMessage(code) + " を作成できません";
    }
};

// Bytes a data file really holds: zero bytes, lengths, and CP932 text with 0x5C trail bytes.
constexpr char ContentBytes[] = "\x0F\0\0\0C:\\表計算ソフト\x01\0\0\0\0\0\0\0";
const std::string Content(ContentBytes, sizeof ContentBytes - 1);

TEST_P(FileContentsTest, ReadWholeFileReturnsEveryByte)
{
    WriteBytes(In("veskor.dat"), Content);
    EXPECT_EQ(platform.ReadWholeFile(In("veskor.dat")), Content);
    WriteBytes(In("empty.dat"), "");
    EXPECT_EQ(platform.ReadWholeFile(In("empty.dat")), "");
}

TEST_P(FileContentsTest, ReadWholeFileRaisesTheOpenTextWithTheFullPath)
{
    WriteBytes(In("veskor.dat"), Content);
    {
        HeldOpen busy(In("veskor.dat"));
        ASSERT_TRUE(busy.Holding());
        EXPECT_EQ(RaisedText([&] { platform.ReadWholeFile(In("veskor.dat")); }),
                  OpenText(In("veskor.dat"), ERROR_SHARING_VIOLATION));
    }
    EXPECT_EQ(RaisedText([&] { platform.ReadWholeFile(In("missing.dat")); }),
              OpenText(In("missing.dat"), ERROR_FILE_NOT_FOUND));
    EXPECT_NE(RaisedText([&] { platform.ReadWholeFile(folder); }), "");

    char saved[MAX_PATH + 1] = {};
    ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    const std::string relative = RaisedText([&] { platform.ReadWholeFile("missing.dat"); });
    SetCurrentDirectoryA(saved);
    EXPECT_EQ(relative, OpenText(In("missing.dat"), ERROR_FILE_NOT_FOUND));
}

// Each replace keeps the file it replaces as the backup, an older backup going.
TEST_P(FileContentsTest, WriteFileAtomicallyCreatesAndReplacesWholeFilesKeepingTheLastAsBackup)
{
    platform.WriteFileAtomically(In("veskor.dat"), Content, In("veskor.dat.bak"));
    EXPECT_EQ(ReadBytes(In("veskor.dat")), Content);
    EXPECT_FALSE(Exists(In("veskor.dat.bak")));

    platform.WriteFileAtomically(In("veskor.dat"), "short", In("veskor.dat.bak"));
    EXPECT_EQ(ReadBytes(In("veskor.dat")), "short");
    EXPECT_EQ(ReadBytes(In("veskor.dat.bak")), Content);

    platform.WriteFileAtomically(In("veskor.dat"), "", In("veskor.dat.bak"));
    EXPECT_EQ(ReadBytes(In("veskor.dat")), "");
    EXPECT_EQ(ReadBytes(In("veskor.dat.bak")), "short");

    platform.WriteFileAtomically(In("veskor.dat"), Content, In("veskor.dat.damaged"));
    EXPECT_EQ(ReadBytes(In("veskor.dat.damaged")), "");
    EXPECT_EQ(ReadBytes(In("veskor.dat.bak")), "short");
    EXPECT_FALSE(Exists(In("veskor.dat.tmp")));
}

TEST_P(FileContentsTest, ReadToReplaceTellsAMissingFileFromOneOutOfReach)
{
    EXPECT_EQ(platform.ReadToReplace(In("veskor.dat")), std::nullopt);
    WriteBytes(In("veskor.dat"), Content);
    EXPECT_EQ(platform.ReadToReplace(In("veskor.dat")), Content);
    HeldOpen busy(In("veskor.dat"));
    ASSERT_TRUE(busy.Holding());
    EXPECT_EQ(RaisedText([&] { platform.ReadToReplace(In("veskor.dat")); }),
              CreateText(In("veskor.dat"), ERROR_SHARING_VIOLATION));
}

TEST_P(FileContentsTest, WriteFileAtomicallyOverwritesAStaleTemporaryFile)
{
    WriteBytes(In("veskor.dat.tmp"), "left over from a save that was cut off, and longer");
    platform.WriteFileAtomically(In("veskor.dat"), Content, In("veskor.dat.bak"));
    EXPECT_EQ(ReadBytes(In("veskor.dat")), Content);
    EXPECT_FALSE(Exists(In("veskor.dat.tmp")));
}

TEST_P(FileContentsTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    WriteBytes(In("veskor.dat"), Content);
    std::string raised;
    {
        HeldOpen busy(In("veskor.dat"));
        ASSERT_TRUE(busy.Holding());
        raised = RaisedText([&] { platform.WriteFileAtomically(In("veskor.dat"), "new", In("veskor.dat.bak")); });
    }
    EXPECT_EQ(raised.rfind("ファイル \"" + In("veskor.dat") + "\". ", 0), 0u) << raised;
    EXPECT_EQ(raised.size() - raised.rfind(" を作成できません"), std::string(" を作成できません").size()) << raised;
    EXPECT_EQ(ReadBytes(In("veskor.dat")), Content);
    EXPECT_FALSE(Exists(In("veskor.dat.tmp")));
}

TEST_P(FileContentsTest, WriteIntoAMissingFolderRaisesAndCreatesNothing)
{
    EXPECT_EQ(RaisedText([&] { platform.WriteFileAtomically(In("missing\\veskor.dat"), Content, In("missing\\veskor.dat.bak")); }),
              CreateText(In("missing\\veskor.dat"), ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(Exists(In("missing")));
}

// A start or a second save of the same file, spelt in other letter case, waits until the
// save holding the lock is done, and then reads what it wrote; another file's save does not wait.
TEST_P(FileContentsTest, LockFileMakesAStartOrAnotherSaveOfTheSameFileWait)
{
    struct Other {
        Win32Platform* platform;
        std::string path;
        bool start;
        volatile LONG* released;
        LONG sawReleased = -1;
        std::string read;
    };
    std::string upper = In("veskor.dat");
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    for (const bool start : {false, true}) {
        WriteBytes(In("veskor.dat"), "old");
        volatile LONG released = 0;
        Other other{&platform, upper, start, &released, -1, ""};
        auto held = platform.LockFile(In("veskor.dat"), FileUse::Save);
        HANDLE thread = CreateThread(
            nullptr, 0,
            [](void* argument) -> DWORD {
                auto* o = static_cast<Other*>(argument);
                const auto lock = o->platform->LockFile(o->path, o->start ? FileUse::Read : FileUse::Save);
                o->sawReleased = *o->released;
                o->read = o->platform->ReadWholeFile(o->path);
                return 0;
            },
            &other, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        EXPECT_EQ(WaitForSingleObject(thread, 300), static_cast<DWORD>(WAIT_TIMEOUT)) << start;
        EXPECT_NE(platform.LockFile(In("other.dat"), FileUse::Save), nullptr);
        platform.WriteFileAtomically(In("veskor.dat"), "new", In("veskor.dat.bak"));
        InterlockedExchange(&released, 1);
        held.reset();
        EXPECT_EQ(WaitForSingleObject(thread, 5000), static_cast<DWORD>(WAIT_OBJECT_0)) << start;
        CloseHandle(thread);
        EXPECT_EQ(other.sawReleased, 1) << start;
        EXPECT_EQ(other.read, "new") << start;
    }
}

// Another copy reading the file keeps neither this one's read nor its replace out; a
// program that holds the file for a moment only delays them.
TEST_P(FileContentsTest, ReadersLetAReadAndAReplaceThrough)
{
    struct Holder {
        HANDLE file;
        DWORD forMs;
    };
    const struct {
        const char* what;
        DWORD share;
        DWORD forMs;
    } cases[] = {
        {"another copy reading", FILE_SHARE_READ | FILE_SHARE_DELETE, 0},
        {"a scanner reading for a moment", FILE_SHARE_READ, 300},
        {"a program holding it unshared for a moment", 0, 300},
    };
    for (const auto& c : cases) {
        WriteBytes(In("veskor.dat"), Content);
        Holder holder{CreateFileA(In("veskor.dat").c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr),
                      c.forMs};
        ASSERT_NE(holder.file, INVALID_HANDLE_VALUE) << c.what;
        HANDLE letGo = CreateThread(
            nullptr, 0,
            [](void* argument) -> DWORD {
                auto* h = static_cast<Holder*>(argument);
                if (h->forMs) {
                    Sleep(h->forMs);
                    CloseHandle(h->file);
                }
                return 0;
            },
            &holder, 0, nullptr);
        ASSERT_NE(letGo, nullptr);
        EXPECT_EQ(platform.ReadWholeFile(In("veskor.dat")), Content) << c.what;
        EXPECT_EQ(RaisedText([&] { platform.WriteFileAtomically(In("veskor.dat"), "new", In("veskor.dat.bak")); }), "")
            << c.what;
        WaitForSingleObject(letGo, INFINITE);
        CloseHandle(letGo);
        if (!c.forMs)
            CloseHandle(holder.file);
        EXPECT_EQ(ReadBytes(In("veskor.dat")), "new") << c.what;
        EXPECT_EQ(ReadBytes(In("veskor.dat.bak")), Content) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, FileContentsTest, FolderNames, FolderLabel);

}  // namespace
}  // namespace veskor::wintest
