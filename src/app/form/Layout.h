#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The designed window: every control's place, caption and tooltip, in tab order,
// in pixels at 96 DPI. The Win32 side builds the window from this table.
namespace veskor {

enum class ButtonId {
    okButton,
    hozonsezuOKbutton,
    delButton,
    FolderOpenButton,
    lnkcreateButton,
    sortButton,
    escButton,
    renameButton,
    changeButton,
    dirchangeButton,
    alcButton,
    autoButton,
    findButton,
};
constexpr int ButtonCount = 13;

enum class ControlKind { Edit, List, Button };

struct ControlDesign {
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    bool shownAtCreation;
    bool isDefault;
    bool tabStop;
    const char* caption;  // buttons only
    const char* tooltip;  // buttons only; empty for none
    int fontHeight;       // character height in pixels
};

namespace layout {

constexpr int ClientWidth = 245;
constexpr int ClientHeight = 127;
constexpr int WindowWidth = 250;
constexpr int WindowHeight = 155;
constexpr int DesignLeft = 171;
constexpr int DesignTop = 126;
constexpr int OffsetX = 22;   // the window's left edge lies this far left of the pointer
constexpr int OffsetY = 53;   // and its top edge this far above it
constexpr int ListRowHeight = 12;
constexpr const char* FontFace = "ＭＳ Ｐゴシック";
constexpr int FontHeight = 12;

// The tab order, which is the order of Controls below: Edit1, ListBox1 and Edit2, then the
// buttons in ButtonId order. A control's window id is FirstControlId plus its place in it.
constexpr std::size_t Edit1Index = 0, ListBox1Index = 1, Edit2Index = 2, FirstButtonIndex = 3;
constexpr int FirstControlId = 100;

constexpr std::size_t TabIndexOf(ButtonId id) { return FirstButtonIndex + static_cast<std::size_t>(id); }
constexpr int ControlIdOf(std::size_t tabIndex) { return FirstControlId + static_cast<int>(tabIndex); }
// The place in the tab order of the control whose window id is `controlId`; out of range
// (beyond every place) for an id that names no control.
constexpr std::size_t TabIndexOfId(int controlId)
{
    return controlId < FirstControlId ? SIZE_MAX : static_cast<std::size_t>(controlId - FirstControlId);
}

constexpr std::array<ControlDesign, 16> Controls = {{
    {"Edit1", ControlKind::Edit, -1, 1, 184, 20, true, false, true, "", "", 12},
    {"ListBox1", ControlKind::List, 0, 21, 184, 108, true, false, true, "", "", 12},
    {"Edit2", ControlKind::Edit, -1, 1, 184, 21, false, false, true, "", "", 13},
    {"okButton", ControlKind::Button, 184, 2, 60, 25, true, true, true, "OK", "実行します　Enter", 12},
    {"hozonsezuOKbutton", ControlKind::Button, 184, 27, 60, 25, true, false, true, "無保存OK",
     "履歴に保存せず実行します ctrl+Enter", 12},
    {"delButton", ControlKind::Button, 184, 52, 60, 25, true, false, true, "履歴削除",
     "表示している履歴を１件消去します　Ctrl＋Delete", 12},
    {"FolderOpenButton", ControlKind::Button, 184, 77, 60, 25, true, false, true, "ﾌｫﾙﾀﾞ開く",
     "ショートカット元のあるフォルダを開きます　Ctrl＋O", 12},
    {"lnkcreateButton", ControlKind::Button, 184, 27, 60, 25, false, false, true, "lnk作成",
     "登録フォルダにショートカットを作成します　Ctrl＋S", 12},
    {"sortButton", ControlKind::Button, 184, 52, 60, 25, false, false, true, "履歴ソート",
     "履歴を昇順に並べ替えます　Ctrl＋→", 12},
    {"escButton", ControlKind::Button, 0, 0, 0, 0, true, false, false, "escButton", "", 12},
    {"renameButton", ControlKind::Button, 184, 102, 60, 25, true, false, true, "名前変更",
     "ショートカット名を変更します　Ctrl＋N", 12},
    {"changeButton", ControlKind::Button, 184, 102, 60, 25, false, false, true, "変更する",
     "ショートカット名を変更します　Enter", 12},
    {"dirchangeButton", ControlKind::Button, 184, 2, 60, 25, false, true, true, "ﾌｫﾙﾀﾞ変更",
     "表示しているパスのフォルダをショートカット登録フォルダにします　Enter", 12},
    {"alcButton", ControlKind::Button, 184, 77, 60, 25, false, false, true, "全消去",
     "履歴をすべて消去します　Alt＋Backspace", 12},
    {"autoButton", ControlKind::Button, 184, 102, 60, 25, false, false, true, "自動登録",
     "登録フォルダのショートカットをすべて履歴登録します　Ctrl＋T", 12},
    {"findButton", ControlKind::Button, 184, 27, 60, 25, false, false, true, "部分検索",
     "履歴の部分検索と先頭検索を切り換えます　Ctrl＋Ｆ", 12},
}};

constexpr const ControlDesign& ButtonDesign(ButtonId id)
{
    return Controls[TabIndexOf(id)];
}

}  // namespace layout
}  // namespace veskor
