// The maintenance rebuild of the last-name list from the raw list: each line's first word,
// lower-cased.
#include <ctype.h>
#include <stdio.h>

#include "core/core.h"
#include "personnel/personnel.h"

#define RAW_LAST_NAMES_FILE "names\\rawlast.txt"
#define LAST_NAMES_FILE "names\\last.txt"
#define NAME_LINE_SIZE 256

// The line's text up to its first blank, lower-cased.
static void Keep_First_Word_Lower(char* szLine) {
    for (char* p = szLine; *p; p++) {
        if (*p == ' ') {
            *p = 0;
            return;
        }
        *p = (char)tolower((unsigned char)*p);
    }
}

// 1 when the raw list was read and every name written.
int Rebuild_Last_Names_File(void) {
    Platform_Remove_File(LAST_NAMES_FILE);
    FILE* pRaw = Platform_Open_File(RAW_LAST_NAMES_FILE, "rt");
    if (!pRaw) {
        Show_Message_Box("Error", "Can't find/open RAWLAST.TXT");
        return 0;
    }
    FILE* pOut = Platform_Open_File(LAST_NAMES_FILE, "w");
    int bWritten = pOut != NULL;
    char szLine[NAME_LINE_SIZE];
    int bAtEnd = 0;
    while (pOut && !bAtEnd) {
        bAtEnd = Read_Line(szLine, sizeof szLine, pRaw);
        if (bAtEnd && !szLine[0])
            break;
        Keep_First_Word_Lower(szLine);
        bWritten &= fprintf(pOut, "%s\n", szLine) >= 0;
    }
    fclose(pRaw);
    if (pOut && fclose(pOut) != 0)
        bWritten = 0;
    if (!bWritten)
        Log_Debug_Line("Cannot write %s: %s", LAST_NAMES_FILE, Get_Errno_Text());
    Show_Message_Box("Task Complete", "'RAWLAST.TXT' processed.");
    return bWritten;
}
