// The main window's caption.

#include "shell/shell.h"

void Build_Main_Window_Title(char* szOut, int nSize) {
    safe_strncpy(szOut, "Football Vanto", nSize);
}
