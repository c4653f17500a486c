#pragma once

namespace veskor::win32 {

// COM as a single-threaded apartment on the window's thread, the only thread that makes
// the calls needing it (the history's reading thread makes none: Platform.h). Begun just
// before the first call that needs it (a shell link, the shell), not at start: most of a
// run never gets there before its last key, and COM's set-up would delay the first window.
void BeginCom();
// At the end of the program, when BeginCom succeeded.
void EndCom();

}  // namespace veskor::win32
