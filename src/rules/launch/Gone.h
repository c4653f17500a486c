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

struct GoneBatch;

// The answers of one run, each entry's link read once, kept on the window's thread; the
// checks themselves run on a worker (GoneWorker.h), which this decides what to ask: the
// rows in view first, then the history in its order.
class GoneChecks {
public:
    // The answer for `entry` of `folder`, or none while it is not checked yet.
    std::optional<Gone> Known(const std::string& folder, const std::string& entry) const;

    // What the worker is to hear now. While it holds no list of ours (or holds one of
    // another folder), the next list: the entries of `inView` not answered yet, then those
    // of `history` in its order, `count` in all at most. While it judges a list, the entries
    // of `inView` not answered yet when the rows in view show other entries than last time,
    // to be judged first. A change of `folder` forgets every answer.
    struct Question {
        bool list = false;  // a new list; else the rows in view, first
        std::vector<std::string> entries;
    };
    std::optional<Question> Next(const std::string& folder, const History& history,
                                 const std::vector<std::string>& inView, std::size_t count);
    // The worker's number for the list Next gave.
    void Asked(std::uint64_t list);
    bool Waiting() const { return asked_ != 0; }  // a list of ours is not answered to its end
    // Takes a batch's answers (those of another folder, or older than a Forget of their
    // entry, are dropped); true when one marks an entry of `inView` gone.
    bool Apply(const std::string& folder, const GoneBatch& batch, const std::vector<std::string>& inView);
    // The entry changed on disk (it was just started or made): asked again.
    void Forget(const std::string& entry);

    // By the entry's hash rather than its text: a copy of every name of a long history would
    // cost more than the history itself. A collision can only grey a row wrongly; the purge
    // judges each entry again before it goes.
    static std::size_t KeyOf(const std::string& entry) { return std::hash<std::string>{}(entry); }

private:
    std::unordered_map<std::size_t, Gone> known_;
    std::string folder_;
    const History* history_ = nullptr;
    std::uint64_t revision_ = 0;
    std::size_t next_ = 0;  // the history's entries before it are answered
    std::uint64_t asked_ = 0;  // the list the worker judges for us; 0 when none
    std::vector<std::string> inView_;  // the rows in view the worker last heard of
    // Entries forgotten while a list was out, by key: its answers for them are old.
    std::unordered_map<std::size_t, std::uint64_t> forgotten_;
};

}  // namespace veskor
