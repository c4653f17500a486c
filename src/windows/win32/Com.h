#pragma once

namespace veskor::win32 {

// COM as a single-threaded apartment of the calling thread: the window's thread, and the
// gone checks' thread, which reads links on its own (the history's reading thread makes
// no call needing COM: Platform.h). Begun just before the first call that needs it (a
// shell link, the shell), not at start: most of a run never gets there before its last
// key, and COM's set-up would delay the first window.
void BeginCom();
// On the thread that began it, when BeginCom succeeded there.
void EndCom();

}  // namespace veskor::win32
