// Web pages opened with the shell and the start-up reminder to look for a newer version, which
// opens the update page of the installation's own help on the first start after its date and
// then on every fifth start.
#include <errno.h>

#include "database/database.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define SHELL_FOLDER_SIZE 4096
#define SHELL_OPEN_FAILED 32  // ShellExecuteA's answers up to this are errors
#define REMINDER_PAGE "Help/update.htm"
#define REMINDER_FIRST_YEAR 2023
#define REMINDER_FIRST_MONTH 9
#define REMINDER_EVERY_STARTS 5

int Open_Web_Page(HWND hWnd, const char* szTarget) {
    char szFolder[SHELL_FOLDER_SIZE];
    DWORD nLength = GetCurrentDirectoryA(sizeof szFolder, szFolder);
    if (nLength == 0 || nLength >= sizeof szFolder)
        szFolder[0] = 0;
    int nResult = (int)(INT_PTR)ShellExecuteA(hWnd, "open", szTarget, NULL, szFolder,
                                              SW_SHOWNORMAL);
    if (nResult <= SHELL_OPEN_FAILED)
        Show_System_Error(errno, "Error Launching URL", "Error %d.  Could not access: \"%s\"",
                          nResult, szTarget);
    return nResult;
}

static int Is_Reminder_Date_Reached(void) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear > REMINDER_FIRST_YEAR ||
           (now.wYear == REMINDER_FIRST_YEAR && now.wMonth >= REMINDER_FIRST_MONTH);
}

void Show_Update_Reminder(void) {
    static FAME_RECORD record;
    Ensure_Fame_File();  // a missing file is made with its default rows, never written as zeros
    if (Read_Checked_Fame_File(&record) != FAME_READ_OK ||
        record.anValues[FAME_NEVER_REMIND] == FAME_NEVER_REMIND_WORD || !Is_Reminder_Date_Reached())
        return;
    int nCountdown = record.anValues[FAME_REMINDER_COUNTDOWN];
    if (nCountdown <= 0) {
        Open_Web_Page(Get_Main_Window(), REMINDER_PAGE);
        nCountdown = REMINDER_EVERY_STARTS;
    }
    record.anValues[FAME_REMINDER_COUNTDOWN] = nCountdown - 1;
    Write_Fame_File(&record);
}
