#include <string>
#include <vector>

#include "app/TForm1.h"
#include "platform/Cp932.h"
#include "search/Initials.h"
#include "search/SearchIndex.h"

namespace veskor {

namespace {

// Byte offset of the character `count` characters after byte `from` (the end at most).
size_t AdvanceChars(const std::string& text, size_t from, long long count)
{
    size_t at = from;
    for (; count > 0 && at < text.size(); --count)
        at += CharLength(text, at);
    return at;
}

}  // namespace

void TForm1::Edit1KeyUp(int key)
{
    // While the input method composes, the field does not yet hold what the user means
    // to type; the release after the commit filters and completes. Input methods turn the
    // presses they take into VK_PROCESSKEY, but most pass the releases on unchanged: while
    // a composition is open, a release is theirs.
    if (key == vk::ProcessKey || compositionOpen_)
        return;
    if (key == vk::Left || key == vk::Right || key == vk::Home || key == vk::End)
        return;
    if (NamingState() || !HistoryList)
        return;

    const std::string typed = c_.Edit1.Text();
    readingShownFor_.clear();
    // The list shows the history's own texts: a key copies none, however long the history.
    if (typed.empty()) {
        c_.ListBox1.ShowAll(HistoryList->Share());
    } else {
        const bool partial = SearchMode == Matching::Partial;
        std::vector<std::uint32_t> found = searchIndex_->Matches(*HistoryList, platform_, typed, partial);
        // Nothing matches as typed: the entries that read the same, then those whose words
        // begin with the typed letters; neither is completed.
        if (found.empty()) {
            found = searchIndex_->ReadingMatches(*HistoryList, platform_, typed, partial);
            if (found.empty())
                found = initials_->Matches(*HistoryList, typed);
            if (!found.empty())
                readingShownFor_ = typed;
        }
        c_.ListBox1.ShowRows(HistoryList->Share(), std::move(found));
    }

    if (c_.ListBox1.Count() == 0 || !readingShownFor_.empty()) {
        CompletionCount = 0;
    } else if (!typed.empty() && key != vk::Back && key != vk::Delete && SearchMode != Matching::Partial) {
        // The completed tail starts where the user's own text ends: at the selection's start,
        // which is the caret when nothing is selected. Counting releases would put it elsewhere
        // when keys overlap, Shift is released on its own or a commit brings several characters.
        // CompletionCount counts characters; the field takes byte positions of the entry's text.
        CompletionCount = static_cast<std::int32_t>(
            CharCount(typed, static_cast<size_t>(c_.Edit1.SelectionStart())));
        // A release that changed nothing (Shift, or a name typed in full) finds the field
        // already completed: the user's own selection stays.
        const std::string& first = c_.ListBox1.Item(0);
        if (first != typed) {
            c_.Edit1.SetText(first);
            const size_t start = AdvanceChars(first, 0, CompletionCount);
            c_.Edit1.SetSelection(static_cast<int>(start), static_cast<int>(first.size() - start));
        }
    } else {
        CompletionCount = 0;
    }
}

void TForm1::Idle()
{
    if (HistoryList)
        searchIndex_->Prepare(*HistoryList, platform_);
}

void TForm1::Edit1Composition(bool open)
{
    compositionOpen_ = open;
}

void TForm1::SwitchSearchMode()
{
    CompletionCount = 0;
    SearchMode = SearchMode == Matching::Partial ? Matching::Prefix : Matching::Partial;
    SetStatus(ModeStatus());
}

void TForm1::findButtonClick()
{
    SwitchSearchMode();
    omote();
}

void TForm1::ListBox1Click()
{
    ListField& list = c_.ListBox1;
    // A selection change by the user leaves a caret; should a list report one without,
    // Edit1 keeps its text rather than the user getting a range error.
    const int current = list.CurrentIndex();
    if (current >= 0 && current < list.Count())
        c_.Edit1.SetText(list.Item(current));
    if (c_.Edit1.Focused())
        c_.Edit1.SetText("");
    if (list.SelectedCount() >= 2) {
        std::string joined;
        for (const int row : list.SelectedRows()) {
            joined += list.Item(row);
            joined += ';';
        }
        c_.Edit1.SetText(joined);
    }
    CompletionCount = 0;
}

}  // namespace veskor
