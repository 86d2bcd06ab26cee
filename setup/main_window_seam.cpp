// Services of the setup dialogs that the main window's commands call: the refusal of a command
// while games are played, the shell open and the fame file's values.
#include <string.h>

#include "database/database.h"
#include "season/season.h"
#include "setup/setup.h"
#include "setup/setup_internal.h"

#define FAME_VALUES_OFFSET 22080
#define SHELL_FOLDER_SIZE 4096

void Stop_Play_With_Message(const char* szCaption, const char* szText) {
    Show_Message_Box(szCaption, "%s\n\nPlease try again once this day is completed.", szText);
    Stop_Simulation();
}

int Shell_Open_In_Working_Folder(HWND hWnd, const char* szTarget) {
    char szFolder[SHELL_FOLDER_SIZE];
    DWORD nLength = GetCurrentDirectoryA(sizeof(szFolder), szFolder);
    if (nLength == 0 || nLength >= sizeof(szFolder))
        szFolder[0] = 0;
    return (int)(INT_PTR)ShellExecuteA(hWnd, "open", szTarget, NULL, szFolder, SW_SHOWNORMAL);
}

int Open_With_Shell(HWND hWnd, const char* szFile) {
    return Shell_Open_In_Working_Folder(hWnd, szFile) > SHELL_OPEN_FAILED;
}

// The file is written back only when it was read, so a read failure never wipes it.
void Set_Fame_File_Value(int nIndex, int nValue) {
    if (nIndex < 0 || nIndex >= FAME_VALUE_COUNT) {
        Report_Error("Invalid nIndex in Set_Fame_File_Value(%d,%d)", nIndex, nValue);
        return;
    }
    static uint8_t abRecord[FAME_FILE_SIZE];
    if (!Read_Fame_File(abRecord))
        return;
    int32_t nStored = nValue;
    memcpy(abRecord + FAME_VALUES_OFFSET + nIndex * (int)sizeof(int32_t), &nStored,
           sizeof(nStored));
    Write_Fame_File(abRecord);
}
