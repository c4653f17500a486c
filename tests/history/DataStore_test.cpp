#include "history/DataStore.h"
#include "history/PendingLoad.h"

#include <gtest/gtest.h>

#include "text/Error.h"
#include "support/memory/MemoryPlatform.h"
#include "support/ErrorOf.h"

namespace veskor {
namespace {

using test::ErrorOf;

using Names = std::vector<std::string>;

const std::string Path = "C:\\veskor\\veskor.dat";
const std::string Backup = "C:\\veskor\\veskor.dat.bak";
const std::string Damaged = "C:\\veskor\\veskor.dat.damaged";
const std::string DamagedBytes("\x20\0\0\0Z:", 6);

// One copy of the program: its store, folder and history, loaded from the machine's file.
struct Copy {
    explicit Copy(MemoryPlatform& machine) : platform(machine), store(machine), history(machine)
    {
        loaded = store.Load(Path);
        if (loaded) {
            folder = loaded->content.folder;
            history.Load(loaded->content.entries);
        }
    }
    void Save() { store.Save(Path, folder, history); }

    MemoryPlatform& platform;
    DataStore store;
    std::optional<DataStore::Loaded> loaded;
    std::string folder;
    History history;
};

class DataStoreTest : public ::testing::Test {
protected:
    void Write(const std::string& folder, const Names& entries, const std::string& path = Path)
    {
        platform.AddFile(path, SerializeDataFile(folder, entries));
    }
    std::optional<std::string> File(const std::string& folder, const Names& entries)
    {
        return SerializeDataFile(folder, entries);
    }
    MemoryPlatform platform;
};

TEST_F(DataStoreTest, WithNoChangeOnDiskTheSaveWritesThisRunsViewAndKeepsThePreviousFile)
{
    Write("D:\\Links", {"a", "b"});
    Copy run(platform);
    run.Save();  // closing right after start writes the same bytes
    EXPECT_EQ(platform.Bytes(Path), File("D:\\Links", {"a", "b"}));
    EXPECT_EQ(platform.Bytes(Backup), File("D:\\Links", {"a", "b"}));

    run.history.Record("b", false);
    run.folder = "E:\\New";
    run.Save();
    EXPECT_EQ(platform.Bytes(Path), File("E:\\New", {"b", "a"}));
    EXPECT_EQ(platform.Bytes(Backup), File("D:\\Links", {"a", "b"}));

    run.history.Load({"plain", "b", "a"});  // what no change kept still reaches an unchanged file
    run.Save();
    EXPECT_EQ(platform.Bytes(Path), File("E:\\New", {"plain", "b", "a"}));
    EXPECT_EQ(platform.Bytes(Backup), File("E:\\New", {"b", "a"}));
}

// Window A is open; window B launches b or changes the folder, and closes; A closes with
// or without changes of its own: both copies' changes stay (each kind of history change is
// replayed in HistoryList's and FormLifecycle's tests).
TEST_F(DataStoreTest, ASaveKeepsWhatAnotherCopySavedMeanwhileAndAddsItsOwnChanges)
{
    const struct {
        const char* what;
        std::function<void(Copy&)> b;
        std::function<void(Copy&)> a;
        std::string folder;
        Names after;
    } cases[] = {
        {"B launched b, A did nothing", [](Copy& b) { b.history.Record("b", false); }, [](Copy&) {}, "D:\\Links",
         {"b", "a", "c"}},
        {"B changed the folder, A did not", [](Copy& b) { b.folder = "E:\\B"; }, [](Copy&) {}, "E:\\B",
         {"a", "b", "c"}},
        {"both changed the folder: the later save wins", [](Copy& b) { b.folder = "E:\\B"; },
         [](Copy& a) {
             a.folder = "E:\\A";
             a.history.ChangeFolder(a.folder);
         },
         "E:\\A", {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        MemoryPlatform machine;
        machine.AddFile(Path, SerializeDataFile("D:\\Links", {"a", "b", "c"}));
        Copy a(machine);
        Copy b(machine);
        c.b(b);
        b.Save();
        c.a(a);
        a.Save();
        EXPECT_EQ(machine.Bytes(Path), SerializeDataFile(c.folder, c.after)) << c.what;
        EXPECT_EQ(a.history.Entries(), c.after) << c.what;  // A now holds what it wrote
        EXPECT_EQ(a.folder, c.folder) << c.what;

        // A's changes are in the file now: a later save does not replay them again.
        b.history.Record("z", false);
        b.Save();
        a.Save();
        Names withZ = c.after;
        withZ.insert(withZ.begin(), "z");
        EXPECT_EQ(machine.Bytes(Path), SerializeDataFile(c.folder, withZ)) << c.what;
    }
}

TEST_F(DataStoreTest, AFileDeletedMeanwhileGetsThisRunsWholeView)
{
    Write("D:\\Links", {"a", "b"});
    Copy run(platform);
    platform.DeleteFile(Path);
    run.Save();
    EXPECT_EQ(platform.Bytes(Path), File("D:\\Links", {"a", "b"}));
}

// Every failing step raises the save error and changes nothing: a later save tries again
// and still replays this run's changes.
TEST_F(DataStoreTest, AFailedSaveChangesNothingAndALaterOneSucceeds)
{
    const std::string busy = "プロセスはファイルにアクセスできません。別のプロセスが使用中です。";
    const struct {
        const char* what;
        std::function<void(MemoryPlatform&, std::unique_ptr<FileLock>&)> fault;
        std::string reason;
    } cases[] = {
        {"another copy saving", [](MemoryPlatform& p, auto& held) { held = p.LockFile(Path, FileUse::Save); },
         "待ち操作がタイムアウトになりました。"},
        {"the file held open during the re-read", [](MemoryPlatform& p, auto&) { p.FailToOpen(Path); }, busy},
        {"the disk full", [](MemoryPlatform& p, auto&) { p.FailToWrite(Path); },
         "ディスクに十分な空き領域がありません。"},
        {"the backup held open", [](MemoryPlatform& p, auto&) { p.FailToOpen(Backup); }, busy},
    };
    for (const auto& c : cases) {
        MemoryPlatform machine;
        machine.AddFile(Path, SerializeDataFile("D:\\Links", {"a", "b"}));
        Copy a(machine);
        a.history.RemoveFirst("a");
        const std::string theirs = SerializeDataFile("D:\\Links", {"x", "a", "b"});
        machine.AddFile(Path, theirs);
        std::unique_ptr<FileLock> held;
        c.fault(machine, held);
        EXPECT_EQ(ErrorOf([&] { a.Save(); }), "ファイル \"C:\\veskor\\veskor.dat\". " + c.reason + " を作成できません")
            << c.what;
        EXPECT_EQ(machine.Bytes(Path), theirs) << c.what;
        EXPECT_EQ(a.history.Entries(), (Names{"b"})) << c.what;

        held.reset();
        machine.Mend(Path);
        machine.Mend(Backup);
        a.Save();
        EXPECT_EQ(machine.Bytes(Path), SerializeDataFile("D:\\Links", {"x", "b"})) << c.what;
    }
}

// The lock covers the whole read-merge-write: a copy that saves meanwhile is refused, and
// its next save merges with what the first wrote.
TEST_F(DataStoreTest, ASaveRacingAnotherWaitsForItsTurn)
{
    Write("D:\\Links", {"a", "b", "c"});
    Copy a(platform);
    Copy b(platform);
    a.history.Record("c", false);
    b.history.RemoveFirst("a");
    std::string raced;
    platform.beforeReplace = [&](const std::string&) {
        raced = ErrorOf([&] { b.Save(); });
    };
    a.Save();
    EXPECT_EQ(raced, "ファイル \"C:\\veskor\\veskor.dat\". 待ち操作がタイムアウトになりました。 を作成できません");
    EXPECT_EQ(platform.Bytes(Path), File("D:\\Links", {"c", "a", "b"}));
    b.Save();
    EXPECT_EQ(platform.Bytes(Path), File("D:\\Links", {"c", "b"}));
}

// The window can still close: the damaged file goes aside, this run's view takes its place,
// the backup stays, and the save says so.
TEST_F(DataStoreTest, AFileDamagedMeanwhileIsKeptAsideAndTheSaveGoesThrough)
{
    Write("D:\\Links", {"a"});
    Write("D:\\Links", {"older"}, Backup);
    Copy run(platform);
    run.history.Record("b", false);
    platform.AddFile(Path, DamagedBytes);
    EXPECT_EQ(run.store.Save(Path, run.folder, run.history),
              "ファイル \"C:\\veskor\\veskor.dat\" は開いている間に壊されていたため \"C:\\veskor\\veskor.dat.damaged\" "
              "として残し、この画面の履歴を保存しました");
    EXPECT_EQ(platform.Bytes(Path), File("D:\\Links", {"b", "a"}));
    EXPECT_EQ(platform.Bytes(Damaged), DamagedBytes);
    EXPECT_EQ(platform.Bytes(Backup), File("D:\\Links", {"older"}));
    EXPECT_EQ(run.store.Save(Path, run.folder, run.history), "");
}

TEST_F(DataStoreTest, ADamagedFileIsHealedFromASoundBackupAndKeptAsideAtTheNextSave)
{
    platform.AddFile(Path, DamagedBytes);
    Write("D:\\Links", {"a", "b"}, Backup);
    platform.AddFile(Damaged, "an older damaged file");
    Copy run(platform);
    ASSERT_TRUE(run.loaded);
    EXPECT_EQ(run.loaded->healed,
              "ファイル \"C:\\veskor\\veskor.dat\" は壊れているため、前回の保存 \"C:\\veskor\\veskor.dat.bak\" "
              "から履歴を復元しました。壊れたファイルは次の保存で \"C:\\veskor\\veskor.dat.damaged\" として残します");
    EXPECT_EQ(run.history.Entries(), (Names{"a", "b"}));
    EXPECT_EQ(platform.Bytes(Path), DamagedBytes);  // nothing is written before the save

    run.history.Record("b", false);
    run.Save();
    EXPECT_EQ(platform.Bytes(Path), File("D:\\Links", {"b", "a"}));
    EXPECT_EQ(platform.Bytes(Damaged), DamagedBytes);
    EXPECT_EQ(platform.Bytes(Backup), File("D:\\Links", {"a", "b"}));

    run.Save();  // from now on every save as usual
    EXPECT_EQ(platform.Bytes(Backup), File("D:\\Links", {"b", "a"}));
    EXPECT_EQ(platform.Bytes(Damaged), DamagedBytes);
}

// Without a sound backup, or when the file is only out of reach (another program holds it,
// another copy saves it past the wait), the load fails and nothing is written or moved.
TEST_F(DataStoreTest, NoSoundBackupOrALockedFileLeavesTheLoadFailing)
{
    const std::string damage = "ファイル \"C:\\veskor\\veskor.dat\" は壊れているため読み込めません";
    const std::string good = SerializeDataFile("D:\\Links", {"a"});
    std::unique_ptr<FileLock> held;
    const struct {
        const char* what;
        std::function<void(MemoryPlatform&)> setup;
        std::string error;
    } cases[] = {
        {"no backup", [](MemoryPlatform&) {}, damage},
        {"a damaged backup", [](MemoryPlatform& p) { p.AddFile(Backup, DamagedBytes); }, damage},
        {"a backup held open",
         [&](MemoryPlatform& p) {
             p.AddFile(Backup, good);
             p.FailToOpen(Backup);
         },
         damage},
        {"the file itself held open",
         [&](MemoryPlatform& p) {
             p.AddFile(Backup, good);
             p.FailToOpen(Path);
         },
         "ファイル \"C:\\veskor\\veskor.dat\". プロセスはファイルにアクセスできません。別のプロセスが使用中です。 は開けません"},
        {"another copy saving past the wait",
         [&](MemoryPlatform& p) {
             p.AddFile(Backup, good);
             held = p.LockFile(Path, FileUse::Save);
         },
         "ファイル \"C:\\veskor\\veskor.dat\". 待ち操作がタイムアウトになりました。 は開けません"},
    };
    for (const auto& c : cases) {
        MemoryPlatform machine;
        machine.AddFile(Path, DamagedBytes);
        c.setup(machine);
        DataStore store(machine);
        EXPECT_EQ(ErrorOf([&] { store.Load(Path); }), c.error) << c.what;
        EXPECT_EQ(machine.Bytes(Path), DamagedBytes) << c.what;
        EXPECT_FALSE(machine.Exists(Damaged)) << c.what;
        held.reset();
    }
}

// The read begun before the window is made reads what Load reads, raises what it raises,
// and hands over a store that knows the file as it read it: a change that no journal keeps
// still reaches the unchanged file at the save.
TEST_F(DataStoreTest, AnEarlyLoadReadsLikeLoadAndItsStoreKnowsTheFileItRead)
{
    Background background;  // the three reads, one after another
    EXPECT_FALSE(PendingLoad(platform, Path, background).Wait());
    platform.AddFile(Path, DamagedBytes);
    EXPECT_EQ(ErrorOf([&] { PendingLoad(platform, Path, background).Wait(); }),
              "ファイル \"C:\\veskor\\veskor.dat\" は壊れているため読み込めません");

    Write("D:\\Links", {"a", "b"});
    PendingLoad early(platform, Path, background);
    const std::optional<DataStore::Loaded> loaded = early.Wait();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->content.entries, (Names{"a", "b"}));
    const std::unique_ptr<DataStore> store = early.Store();
    std::string folder = loaded->content.folder;
    History history(platform);
    history.Load(loaded->content.entries);
    history.Load({"plain", "a", "b"});
    store->Save(Path, folder, history);
    EXPECT_EQ(platform.Bytes(Path), File("D:\\Links", {"plain", "a", "b"}));
}

}  // namespace
}  // namespace veskor
