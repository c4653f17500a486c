#pragma once

namespace veskor {

// Virtual-key codes the command map tests (the Windows values).
namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27;
constexpr int End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
constexpr int F = 70, L = 76, N = 78, O = 79, S = 83, T = 84, U = 85;
constexpr int ProcessKey = 229;  // a key the input method is consuming
}  // namespace vk

struct KeyEvent {
    int key = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;  // the key event's own Alt flag (a system key)
};

// Buttons held at the moment of a press, the pressed one included.
struct MouseState {
    bool left = false;
    bool right = false;
    bool middle = false;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool doubleClick = false;
};

}  // namespace veskor
