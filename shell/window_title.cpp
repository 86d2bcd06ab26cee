// The main window's caption.

#include "database/database.h"
#include "shell/shell.h"

// STAND-IN(shell): the caption for the current week and phase.
void Build_Main_Window_Title(char* szOut, int nSize) {
    safe_strncpy(szOut, "Football Vanto", nSize);
}

void Set_Current_Week(int nWeek) {
    gCurrentWeek = nWeek;
    char szTitle[TEXT_BUFFER_SIZE];
    Build_Main_Window_Title(szTitle, sizeof(szTitle));
    HWND hMain = Get_Main_Window();
    if (hMain)
        SetWindowTextA(hMain, szTitle);
}
