#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "history/History.h"
#include "platform/Platform.h"

namespace veskor {

// Why an entry cannot be started any more, as far as a harmless check can tell.
enum class Gone : std::uint8_t {
    No,        // present, or not known: a check that cannot be made safely, or failed
    Shortcut,  // its shortcut file is missing from the shortcut folder
    Target,    // its shortcut is an ordinary link whose target no longer exists
};

// What the list and a screen reader say of a gone entry; null for Gone::No.
const char* GoneReason(Gone gone);

// Judges one history entry of the shortcut folder. Only a missing name counts: a link
// handed whole to the shell (no file target, an installer's, run as administrator), a
// target on a network path or a removable drive, and any check that fails for another
// reason are never gone. An entry naming several shortcuts (";") is none, and no shortcut
// is gone while the shortcut folder itself is missing.
Gone JudgeGone(Platform& platform, const std::string& folder, const std::string& entry);

// The answers of one run, each entry's link read once, checked a few at a time while
// the window is idle: the rows in view first, then the history in its order.
class GoneChecks {
public:
    // The answer for `entry` of `folder`, or none while it is not checked yet.
    std::optional<Gone> Known(const std::string& folder, const std::string& entry) const;

    struct Slice {
        bool repaint = false;  // a row in view looks different now
        bool more = false;     // entries of the history are left to check
    };
    // Checks at most `budget` entries not yet answered: those of `inView` before the rest
    // of `history`. A change of `folder` forgets every answer.
    Slice CheckSome(Platform& platform, const std::string& folder, const History& history,
                    const std::vector<std::string>& inView, int budget);
    // The entry changed on disk (it was just started or made): asked again next time.
    void Forget(const std::string& entry);

private:
    // By the entry's hash rather than its text: a copy of every name of a long history would
    // cost more than the history itself. A collision can only grey a row wrongly; the purge
    // judges each entry again before it goes.
    static std::size_t KeyOf(const std::string& entry) { return std::hash<std::string>{}(entry); }
    std::unordered_map<std::size_t, Gone> known_;
    std::string folder_;
    const History* history_ = nullptr;
    std::uint64_t revision_ = 0;
    std::size_t next_ = 0;  // the history's entries before it are answered
};

}  // namespace veskor
