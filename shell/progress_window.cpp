// The modeless progress window of long operations.
#include "shell/shell.h"

// No progress window is ever open yet, so a step shows nothing.
void Step_Progress_Window(int nSteps) {
    (void)nSteps;
}

// No window can be made yet: nothing opens, and closing has nothing to do.
int Open_Progress_Window(const char* szCaption, int nSteps) {
    (void)szCaption;
    (void)nSteps;
    return 0;
}

void Close_Progress_Window(void) {}
