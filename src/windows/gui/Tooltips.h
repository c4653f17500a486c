#pragma once
#include <string>
#include <utility>
#include <vector>

#include "win32/Win32Api.h"

namespace veskor::gui {

// The buttons' tooltips. Their one tooltip control is made when the pointer first moves
// over a button, not with the window: most runs never need it, and making it loads and
// sets up the common controls' tooltip class before the first paint.
class Tooltips {
public:
    Tooltips(HWND owner, HFONT font) : owner_(owner), font_(font) {}
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // The text shown over `tool`; an empty text leaves the tool without a tooltip.
    void Set(HWND tool, const std::wstring& text);
    void SetFont(HFONT font);
    // The pointer moved over `tool` (a mouse message of it): from now on the tooltip control
    // watches the tools itself, and it hears of this first move too.
    void PointerMoved(HWND tool, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    void Add(HWND tool, std::wstring& text) const;

    HWND owner_;
    HFONT font_;
    HWND hwnd_ = nullptr;
    std::vector<std::pair<HWND, std::wstring>> tools_;
};

}  // namespace veskor::gui
