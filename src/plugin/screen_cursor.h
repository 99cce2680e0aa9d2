#pragma once

namespace rep {

// The application's screen cursor as one setting, not a stack: the wait
// cursor while work runs, the default cursor afterwards. Does nothing in a
// program without a graphical application object (the command line).
void SetWaitCursor();
void SetDefaultCursor();
bool IsWaitCursorSet();

}  // namespace rep
