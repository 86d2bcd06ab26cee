// The modeless progress window of long operations.
#include "shell/shell.h"

// No progress window is ever open, so a step shows nothing.
// STAND-IN(shell): advances the open progress window and repaints it.
void Step_Progress_Window(int nSteps) {
    (void)nSteps;
}

// Nothing opens, and closing has nothing to do.
// STAND-IN(shell): opens the modeless progress window with its caption and step count.
int Open_Progress_Window(const char* szCaption, int nSteps) {
    (void)szCaption;
    (void)nSteps;
    return 0;
}

// STAND-IN(shell): destroys the progress window and pumps pending messages.
void Close_Progress_Window(void) {}
