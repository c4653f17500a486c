#include "text/Error.h"
#include "support/memory/MemoryPlatform.h"

namespace veskor {

namespace {

// What a saved link's file holds, so that copying or reading it sees some bytes.
std::string LinkBytes(const LinkRecord& link)
{
    std::string bytes("L\0\0\0", 4);
    for (const std::string* field : {&link.target.Text(), &link.arguments.Text(), &link.workingDirectory}) {
        bytes += *field;
        bytes += '\0';
    }
    bytes += static_cast<char>(link.hotKey & 0xFF);
    bytes += static_cast<char>(link.hotKey >> 8);
    return bytes;
}

const char* SystemText(unsigned code)
{
    switch (code) {
    case 2: return systext::FileNotFound;
    case 3: return systext::PathNotFound;
    case 5: return systext::AccessDenied;
    case 32: return systext::SharingViolation;
    case 112: return systext::DiskFull;
    default: return "";
    }
}

long long DistanceSquared(const Rect& r, Point p)
{
    const long long dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
    const long long dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
    return dx * dx + dy * dy;
}

}  // namespace

MemoryPlatform::MemoryPlatform()
{
    AddFolder(currentDirectory);
    AddFolder(desktopFolder);
    AddFile(programPath, "MZ");
}

// The errors are those the shell-link object's Load gives for each kind of failure.
ShellLink MemoryPlatform::ReadLink(const std::string& linkPath)
{
    if (shellLinkUnavailable)
        throw Error(systext::ClassNotRegistered);
    if (unopenable_.count(Key(linkPath)))
        throw Error(systext::SharingViolation);
    const Entry* entry = Find(linkPath);
    if (!entry)
        throw Error(ParentIsFolder(linkPath) ? systext::FileNotFound : systext::PathNotFound);
    if (entry->folder)
        throw Error(systext::AccessDenied);
    if (!entry->link)
        throw Error(systext::Unspecified);
    return {entry->link->target, entry->link->arguments, entry->link->traits};
}

// The failures are those the shell-link object's Save gives for each kind of fault.
void MemoryPlatform::SaveLink(const std::string& linkPath, const std::string& target,
                              const std::string& workingDirectory, std::uint16_t hotKey)
{
    if (shellLinkUnavailable)
        throw Error(systext::ClassNotRegistered);
    const std::string key = Key(linkPath);
    if (!ParentIsFolder(linkPath))
        RaiseCreate(linkPath, systext::PathNotFound);
    if (unopenable_.count(key))
        RaiseCreate(linkPath, systext::SharingViolation);
    if (unwritable_.count(key))
        RaiseCreate(linkPath, systext::DiskFull);
    Entry* entry = Find(linkPath);
    if (entry && entry->folder)
        RaiseCreate(linkPath, systext::AccessDenied);
    if (!entry)
        entry = &Put(linkPath, false);
    entry->link = LinkRecord{target, "", workingDirectory, hotKey};
    entry->bytes = LinkBytes(*entry->link);
}

ExactText MemoryPlatform::InstalledTarget(const std::string& linkPath)
{
    const std::optional<LinkRecord> link = Link(linkPath);
    return link && link->traits.advertised ? link->installedTarget : ExactText();
}

void MemoryPlatform::AddLink(const std::string& path, const LinkRecord& link)
{
    AddFile(path, LinkBytes(link));
    Find(path)->link = link;
}

std::optional<LinkRecord> MemoryPlatform::Link(const std::string& path) const
{
    const Entry* entry = Find(path);
    if (!entry || entry->folder)
        return std::nullopt;
    return entry->link;
}

void MemoryPlatform::DamageLink(const std::string& path)
{
    Entry* entry = Find(path);
    if (!entry || entry->folder)
        return;
    entry->link.reset();
    entry->bytes = "no shell link";
}

void MemoryPlatform::ShellOpen(const ExactText& file, const std::string& parameters, const ExactText& directory)
{
    shellCalls.push_back({file, parameters, directory});
}

LaunchResult MemoryPlatform::ShellStart(const ExactText& file, const ExactText& parameters,
                                       const ExactText& directory)
{
    shellCalls.push_back({file, parameters, directory});
    const auto failure = launchFailures_.find(Key(file.Text()));
    return failure == launchFailures_.end() ? LaunchResult{} : failure->second;
}

LaunchResult MemoryPlatform::ShellStartLink(const std::string& linkPath)
{
    shellCalls.push_back({linkPath, "", "", true});
    const auto failure = launchFailures_.find(Key(linkPath));
    return failure == launchFailures_.end() ? LaunchResult{} : failure->second;
}

void MemoryPlatform::RefuseLaunch(const std::string& file, const std::string& systemText)
{
    launchFailures_[Key(file)] = {LaunchResult::Outcome::Refused, systemText};
}

void MemoryPlatform::CancelLaunch(const std::string& file)
{
    launchFailures_[Key(file)] = {LaunchResult::Outcome::Cancelled, ""};
}

Point MemoryPlatform::CursorPosition()
{
    if (cursorFailure)
        throw SystemCallError(*cursorFailure, SystemText(*cursorFailure));
    return cursor;
}

// The monitor holding the point, else the nearest one, as the system picks it.
MonitorArea MemoryPlatform::MonitorAt(Point point)
{
    if (monitors.empty())
        return {};
    const MonitorArea* best = &monitors.front();
    for (const MonitorArea& area : monitors) {
        if (DistanceSquared(area.monitor, point) < DistanceSquared(best->monitor, point))
            best = &area;
    }
    return *best;
}

}  // namespace veskor
