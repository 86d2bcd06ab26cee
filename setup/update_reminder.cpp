// Web pages opened with the shell and the start-up reminder to look for a newer version, which
// opens the update page of the installation's own help on the first start after its date and
// then on every fifth start.
#include <errno.h>

#include "database/database.h"
#include "setup/setup.h"
#include "setup/setup_internal.h"
#include "shell/shell.h"

#define REMINDER_PAGE "Help/update.htm"
#define REMINDER_FIRST_YEAR 2023
#define REMINDER_FIRST_MONTH 9
#define REMINDER_EVERY_STARTS 5

int Open_Web_Page(HWND hWnd, const char* szTarget) {
    int nResult = Shell_Open_In_Working_Folder(hWnd, szTarget);
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
