// The main window's caption.

#include "shell/shell.h"

void Build_Main_Window_Title(char* szOut) {
    safe_strncpy(szOut, "Football Vanto", TEXT_BUFFER_SIZE);
}
