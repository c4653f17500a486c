#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

// The platform with Windows' semantics, held in memory, for the host tests and
// benchmarks. It can also fail on command: a fault that cannot be injected is never tested.
namespace veskor {

// What a shell link holds once saved.
struct LinkRecord {
    ExactText target{};
    ExactText arguments{};
    std::string workingDirectory{};
    std::uint16_t hotKey = 0;
    LinkTraits traits{};
    ExactText installedTarget{};  // what the installer says an advertised link starts
    bool operator==(const LinkRecord&) const = default;
};

// One request to the shell. A link handed over whole has only `file`, the link's path.
struct ShellCall {
    ExactText file;
    ExactText parameters;
    ExactText directory;
    bool wholeLink = false;
    bool operator==(const ShellCall&) const = default;
};

// The system's own texts for the failures the memory platform reports.
namespace systext {
constexpr const char* FileNotFound = "指定されたファイルが見つかりません。";
constexpr const char* PathNotFound = "指定されたパスが見つかりません。";
constexpr const char* AccessDenied = "アクセスが拒否されました。";
constexpr const char* SharingViolation = "プロセスはファイルにアクセスできません。別のプロセスが使用中です。";
constexpr const char* DiskFull = "ディスクに十分な空き領域がありません。";
constexpr const char* FileExists = "ファイルが存在します。";
constexpr const char* Unspecified = "エラーを特定できません";
constexpr const char* Timeout = "待ち操作がタイムアウトになりました。";
// No system text exists for "class not registered" here, so the OLE fallback applies.
constexpr const char* ClassNotRegistered = "OLE エラー 80040154";
}  // namespace systext

// The locale's letter-case rules of code page 932: ASCII and the double-byte full-width
// Latin, Greek and Cyrillic capitals; a trail byte is never taken for a letter.
void LowerCaseCp932(std::string& text);
int CompareTextCp932(const std::string& a, const std::string& b);

class MemoryPlatform : public Platform {
public:
    // Starts with C:\veskor as the current directory holding VESKOR3.exe, and a desktop.
    MemoryPlatform();

    int CompareText(const std::string& a, const std::string& b) const override;
    void LowerCase(std::string& text) const override;

    ShellLink ReadLink(const std::string& linkPath) override;
    ExactText InstalledTarget(const std::string& linkPath) override;
    void SaveLink(const std::string& linkPath, const std::string& target, const std::string& workingDirectory,
                  std::uint16_t hotKey) override;

    void ShellOpen(const ExactText& file, const std::string& parameters, const ExactText& directory) override;
    LaunchResult ShellStart(const ExactText& file, const ExactText& parameters, const ExactText& directory) override;
    LaunchResult ShellStartLink(const std::string& linkPath) override;
    std::string DesktopFolder() override { return desktopFolder; }

    std::string CurrentDirectory() override { return currentDirectory; }
    std::string ProgramPath() override { return programPath; }
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    void DeleteFile(const std::string& path) override;
    void CopyFile(const std::string& from, const std::string& to) override;
    PathPresence Presence(const ExactText& path) override;
    DriveKind DriveOf(const std::string& path) override;
    LinkListing ListLinks(const std::string& folder) override;
    std::string ReadWholeFile(const std::string& path) override;
    std::optional<std::string> ReadToReplace(const std::string& path) override;
    void WriteFileAtomically(const std::string& path, const std::string& bytes, const std::string& backup) override;
    // One process holds a file's lock at a time; a second LockFile fails as a wait that
    // timed out would, since nothing here can wait.
    std::unique_ptr<FileLock> LockFile(const std::string& path, FileUse use) override;

    Point CursorPosition() override;
    MonitorArea MonitorAt(Point point) override;
    void LogOff() override { ++logOffCount; }

    // Setting up the machine: each creates the missing parent folders.
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, const std::string& bytes);
    void AddLink(const std::string& path, const LinkRecord& link);
    // A shortcut in the folder whose name the code page cannot spell: the listing only counts it.
    void AddUnnamableLink(const std::string& folder);

    // Looking at it afterwards.
    bool Exists(const std::string& path) const;
    std::optional<LinkRecord> Link(const std::string& path) const;  // none for a missing or damaged link
    std::optional<std::string> Bytes(const std::string& path) const;
    std::string StoredName(const std::string& path) const;  // the file name with its letter case as stored
    std::vector<std::string> Names(const std::string& folder) const;  // every entry, in creation order

    // Faults on command.
    void DamageLink(const std::string& path);            // the file stays, its content is no link any more
    void FailToOpen(const std::string& path);            // reading raises (held open by another program);
                                                         // its presence is unknown
    void FailToWrite(const std::string& path);           // a write stops half-way (disk full)
    void FailToCreateFolder(const std::string& path);
    void Mend(const std::string& path);                  // opens and writes again
    // Another copy of the program (or another program) acting once, at the moment the next
    // file is about to be replaced, with that file's path.
    std::function<void(const std::string& path)> beforeReplace;
    // The shell refuses to start `file` (a target, or a link handed over whole) with the
    // system's text, or the user cancels its elevation prompt.
    void RefuseLaunch(const std::string& file, const std::string& systemText);
    void CancelLaunch(const std::string& file);
    bool shellLinkUnavailable = false;                   // the shell-link object cannot be created
    std::optional<unsigned> cursorFailure;               // the pointer cannot be read: the system error code

    // The machine's settings.
    std::map<char, DriveKind> drives;  // by upper-case letter; a letter not listed is a fixed drive
    std::string currentDirectory = "C:\\veskor";
    std::string programPath = "C:\\veskor\\VESKOR3.exe";
    std::string desktopFolder = "C:\\Users\\user\\Desktop";
    Point cursor{600, 400};
    std::vector<MonitorArea> monitors{{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96}};

    // What the program asked for.
    std::vector<ShellCall> shellCalls;
    int logOffCount = 0;

private:
    struct Entry {
        std::string path;       // full, with the letter case it was created with
        std::string name;       // its last part
        std::string parentKey;  // Key of the folder holding it
        bool folder = false;
        std::string bytes;
        std::optional<LinkRecord> link;
        std::uint64_t order = 0;
    };

    // A path resolved against the current directory: the root (C:\ or \\) and the names below it.
    struct SplitPath {
        std::string root;
        std::vector<std::string> names;
    };
    SplitPath Split(const std::string& path) const;
    static std::string Join(const std::string& root, const std::vector<std::string>& names, size_t count);
    static std::string Lower(std::string text);
    std::string Key(const std::string& path) const;
    const Entry* Find(const std::string& path) const;
    Entry* Find(const std::string& path);
    bool ParentIsFolder(const std::string& path) const;
    Entry& Put(const std::string& path, bool folder);
    [[noreturn]] void RaiseOpen(const std::string& path, const char* systemText) const;
    [[noreturn]] void RaiseCreate(const std::string& path, const char* systemText) const;

    std::map<std::string, Entry> entries_;  // by Key
    std::uint64_t nextOrder_ = 0;
    std::set<std::string> unopenable_;
    std::set<std::string> unwritable_;
    std::set<std::string> uncreatableFolders_;
    std::set<std::string> locked_;
    std::map<std::string, LaunchResult> launchFailures_;  // by Key of the file
    std::map<std::string, int> unnamableLinks_;           // by Key of the folder
};

}  // namespace veskor
