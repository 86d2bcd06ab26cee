// The main window's caption.

#include "shell/shell.h"

// STAND-IN(shell): the caption for the current week and phase.
void Build_Main_Window_Title(char* szOut, int nSize) {
    safe_strncpy(szOut, "Football Vanto", nSize);
}
