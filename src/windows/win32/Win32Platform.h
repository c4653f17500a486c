#pragma once
#include <array>
#include <optional>

#include "platform/Platform.h"
#include "win32/Win32Api.h"

namespace veskor {

// The launcher's services on Windows: shell-link objects, the shell, the file system and
// the text rules, all through the system's UTF-16 functions with the program's text
// converted as CP932 (Utf16.h), the pointer and the monitors. The shell and
// COM are loaded, and COM begun on the calling thread, when a call first needs them
// (SystemDlls.h, Com.h); which calls another thread may make is said in Platform.h.
class Win32Platform : public Platform {
public:
    // The window that owns whatever the shell shows, and whose monitor started programs open on.
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    int CompareText(const std::string& a, const std::string& b) const override;
    void LowerCase(std::string& text) const override;

    ShellLink ReadLink(const std::string& linkPath) override;
    ExactText InstalledTarget(const std::string& linkPath) override;
    void SaveLink(const std::string& linkPath, const std::string& target,
                  const std::string& workingDirectory, std::uint16_t hotKey) override;

    void ShellOpen(const ExactText& file, const std::string& parameters, const ExactText& directory) override;
    LaunchResult ShellStart(const ExactText& file, const ExactText& parameters, const ExactText& directory) override;
    LaunchResult ShellStartLink(const std::string& linkPath) override;
    std::string DesktopFolder() override;

    std::string CurrentDirectory() override;
    std::string ProgramPath() override;
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
    std::unique_ptr<FileLock> LockFile(const std::string& path, FileUse use) override;

    Point CursorPosition() override;
    MonitorArea MonitorAt(Point point) override;
    void LogOff() override;

private:
    HWND mainWindow_ = nullptr;
    std::array<std::optional<DriveKind>, 26> driveKinds_{};  // by drive letter, once asked
};

}  // namespace veskor
