#pragma once

namespace veskor::win32 {

// COM as a single-threaded apartment on this, the program's only thread. Begun just before
// the first call that needs it (a shell link, the shell), not at start: most of a run
// never gets there before its last key, and COM's set-up would delay the first window.
void BeginCom();
// At the end of the program, when BeginCom succeeded.
void EndCom();

}  // namespace veskor::win32
