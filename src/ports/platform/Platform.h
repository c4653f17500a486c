#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ExactText.h"

// The operating-system services the launcher needs, at the level its callers
// think in. All strings are CP932 byte strings, whatever code page the system runs; what a
// shortcut holds comes as ExactText, which keeps what CP932 cannot write. The Win32 implementation lives in
// windows/win32, an in-memory one for the host tests in tests/support/memory.
namespace veskor {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The monitor under a point: its whole area, its work area (without taskbars) and its
// pixels per inch, by which every designed size is scaled.
struct MonitorArea {
    Rect monitor;
    Rect work;
    int dpi = 96;
};

// Letter-case rules of the user's locale; the history and the search need only these.
class TextRules {
public:
    virtual ~TextRules() = default;
    // Whole texts, letter case ignored: < 0, 0 or > 0.
    virtual int CompareText(const std::string& a, const std::string& b) const = 0;
    // Lower-cases the whole text in place by the system's rules for CP932 text.
    virtual void LowerCase(std::string& text) const = 0;
};

// Keeps other processes of this program from reading or saving one file; released when destroyed.
class FileLock {
public:
    virtual ~FileLock() = default;
};

// What a file is locked for: a lock not had in time fails as that step fails.
enum class FileUse { Read, Save };

// The system's path buffers hold 260 UTF-16 units, the terminator included: a path handed
// to them has at most 259.
constexpr int PathBufferSize = 260;
constexpr int MaxPathLength = PathBufferSize - 1;

// What a shell link asks of the shell beyond its target and arguments.
struct LinkTraits {
    bool advertised = false;  // an installer's link: its target is the installer's, not the program
    bool runAsUser = false;   // "run as administrator"
    bool operator==(const LinkTraits&) const = default;
};

// What a shortcut file holds for a launch, read from one load of the file; the arguments
// whole, however long.
struct ShellLink {
    ExactText target;  // empty when the link has no file-system target
    ExactText arguments;
    LinkTraits traits;
    bool operator==(const ShellLink&) const = default;
};

// Whether a path names a file or folder, as far as the system could tell: a check that
// failed for any reason but the name's absence (no access, a sharing fault) is Unknown.
enum class PathPresence : std::uint8_t { Present, Missing, Unknown };

// The kind of drive a path lies on: only a fixed drive answers without a network's delay
// or a disc to spin up.
enum class DriveKind : std::uint8_t { Fixed, Remote, Removable, Other };

// How the shell took a request to start something.
struct LaunchResult {
    enum class Outcome : std::uint8_t { Started, Refused, Cancelled };
    Outcome outcome = Outcome::Started;
    std::string systemText;  // the system's text for a refusal
};

// The shortcuts of a folder: the names the program can hold, and how many others there were.
struct LinkListing {
    std::vector<std::string> names;
    int unnamable = 0;  // names CP932 cannot spell
};

// Threads. Every call is made on the window's thread except on the background thread
// (thread/Background.h), which has two jobs. While the window is made, it reads the stored
// history (history/PendingLoad.h), calling LockFile (for reading), FileExists,
// ReadWholeFile and CurrentDirectory, and nothing else. An implementation keeps those four
// free of state it shares with its other calls, so that they may run beside whatever the
// window's thread does: on Windows each is a self-contained call of the kernel (a named
// mutex, taken and released on the reading thread; the file system) that begins no COM,
// loads no DLL and touches no window, and the program never changes its current
// directory. The window's thread waits for the read before it uses the history or saves.
// Once the window is on the screen, it runs the gone checks (launch/GoneWorker.h) with a
// platform object of their own, never waited for, which call DriveOf, Presence and
// ReadLink, and nothing else. Two objects of an implementation share no state those three
// touch: on Windows each object keeps its own drive kinds, and COM is begun on each thread
// that reads a link.
class Platform : public TextRules {
public:
    // Shell links. Raises the OLE error (system text, or "OLE エラー %.8x") when the link
    // cannot be read; the caller decides what an unreadable link means.
    virtual ShellLink ReadLink(const std::string& linkPath) = 0;
    // The file an installer's link starts, as the installer knows it; empty when it cannot tell.
    virtual ExactText InstalledTarget(const std::string& linkPath) = 0;
    // Writes a link holding target and working directory (and the hot key when not 0),
    // replacing a file of that name. Raises the OLE error when the shell-link object cannot
    // be made, and "ファイル "%s". %s を作成できません" with the system's text when any later
    // step fails.
    virtual void SaveLink(const std::string& linkPath, const std::string& target,
                          const std::string& workingDirectory, std::uint16_t hotKey) = 0;

    // Shell: "open" the file with these parameters in this directory, shown normally. The
    // shell's answer is not examined.
    virtual void ShellOpen(const ExactText& file, const std::string& parameters, const ExactText& directory) = 0;
    // The same, on the main window's monitor, and says whether the shell started it.
    virtual LaunchResult ShellStart(const ExactText& file, const ExactText& parameters,
                                    const ExactText& directory) = 0;
    // The link file itself with its own verb, on the main window's monitor: the shell then
    // honours what only it can read (an ID list, an installer's data, elevation).
    virtual LaunchResult ShellStartLink(const std::string& linkPath) = 0;
    // The user's desktop folder without a trailing "\"; empty when it cannot be found.
    virtual std::string DesktopFolder() = 0;

    // File system.
    virtual std::string CurrentDirectory() = 0;  // "\" kept only at a drive root
    virtual std::string ProgramPath() = 0;
    virtual bool FileExists(const std::string& path) = 0;       // exists and is not a folder
    virtual bool DirectoryExists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;     // one level only
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;  // fails when `to` exists
    virtual void DeleteFile(const std::string& path) = 0;
    // Never overwrites. Raises "ファイル "%s". %s を作成できません" naming `to`.
    virtual void CopyFile(const std::string& from, const std::string& to) = 0;
    // Never raises; never looks further than the one name.
    virtual PathPresence Presence(const ExactText& path) = 0;
    // The drive of a path that begins with a drive letter ("C:\..."); Other for any other.
    virtual DriveKind DriveOf(const std::string& path) = 0;
    // Long names of every entry matching folder + "\*.lnk" (folders included), in the system's order.
    virtual LinkListing ListLinks(const std::string& folder) = 0;
    // Whole content of a file opened for reading. Other readers, and the rename of another
    // copy's replace, may go on while it reads; a writer may not. A file that another
    // program holds for a moment is tried again for a short while.
    // Raises "ファイル "%s". %s は開けません".
    virtual std::string ReadWholeFile(const std::string& path) = 0;
    // Whole content of a file that a save is about to replace, or nothing when there is none;
    // opened as ReadWholeFile opens it. Raises "ファイル "%s". %s を作成できません": the save cannot go on.
    virtual std::optional<std::string> ReadToReplace(const std::string& path) = 0;
    // Replaces the file with `bytes` only once every byte is on disk, and keeps the file it
    // replaces as `backup` (an older one of that name goes); a missing file leaves `backup`
    // alone. On any failure the old file is left as it was, and there is always a file at
    // `path` when there was one. A replace that another program refuses for a moment (a
    // scanner reading the old file) is tried again for a short while.
    // Raises "ファイル "%s". %s を作成できません".
    virtual void WriteFileAtomically(const std::string& path, const std::string& bytes,
                                     const std::string& backup) = 0;
    // Waits a few seconds at most until no other process of this program reads or saves
    // `path`, and keeps them out while the lock lives. Raises, for Read,
    // "ファイル "%s". %s は開けません", for Save "ファイル "%s". %s を作成できません".
    virtual std::unique_ptr<FileLock> LockFile(const std::string& path, FileUse use) = 0;

    // Window system.
    virtual Point CursorPosition() = 0;  // raises the system error when it cannot be read
    virtual MonitorArea MonitorAt(Point point) = 0;
    virtual void LogOff() = 0;
};

}  // namespace veskor
