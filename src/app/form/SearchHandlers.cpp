#include <string>
#include <vector>

#include "form/TForm1.h"
#include "search/TypedSearch.h"

namespace veskor {

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
        Shown shown = FindShown(*searchIndex_, *initials_, *HistoryList, platform_, typed,
                                SearchMode == Matching::Partial);
        if (shown.byReading)
            readingShownFor_ = typed;
        c_.ListBox1.ShowRows(HistoryList->Share(), std::move(shown.rows));
    }

    if (c_.ListBox1.Count() == 0 || !readingShownFor_.empty()) {
        CompletionCount = 0;
    } else if (!typed.empty() && key != vk::Back && key != vk::Delete && SearchMode != Matching::Partial) {
        // Counting releases would put the completed tail elsewhere when keys overlap, Shift
        // is released on its own or a commit brings several characters.
        const std::string& first = c_.ListBox1.Item(0);
        const Completion completion = CompleteWith(typed, c_.Edit1.SelectionStart(), first);
        CompletionCount = completion.typedChars;
        if (completion.replaces) {
            c_.Edit1.SetText(first);
            c_.Edit1.SetSelection(static_cast<int>(completion.tailStart),
                                  static_cast<int>(first.size() - completion.tailStart));
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
