// The error reporter, the debug log and the debugger-only trace lines.
//
// Report_Error and Log_Debug_Line append one line to "debug.txt" and send it to the debugger
// output; errors are also kept, newest first, in gRecentErrors for the crash dump. None of this
// may fail or recurse: it calls only the bounded formatter, the file append and the system's
// message box (through the host services), none of which reports.

#include "core/core.h"

#include <stdarg.h>
#include <string.h>

#define DEBUG_LOG_FILE "debug.txt"
// Yes/No/Cancel, information icon, No as default, task-modal.
#define ENTER_DEBUGGER_BOX_TYPE (MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON2 | MB_TASKMODAL)

int gCommandLineFlags = 0;
char gRecentErrors[RECENT_ERRORS_SIZE];
int gAskEnterDebugger = 1;

static long Get_Log_Time(void) {
    return (long)Platform_Time();
}

// Appends the finished line to the log file, then adds its newline in place when the nSize-byte
// buffer has room for it, and sends it to the debugger output. Returns the line's length
// without the newline.
static int Emit_Log_Line(char* szLine, int nSize) {
    int nLength = (int)strlen(szLine);
    Append_Line_To_File(DEBUG_LOG_FILE, szLine);
    if (nLength + 1 < nSize) {
        szLine[nLength] = '\n';
        szLine[nLength + 1] = 0;
    }
    OutputDebugStringA(szLine);
    return nLength;
}

// Puts the line and its newline in front of the recent errors; what passes the end is lost.
static void Push_Recent_Error(const char* szLine, int nLength) {
    int nCopy = nLength + 1;
    if (nCopy > RECENT_ERRORS_SIZE - 1)
        nCopy = RECENT_ERRORS_SIZE - 1;
    memmove(gRecentErrors + nCopy, gRecentErrors, RECENT_ERRORS_SIZE - 1 - nCopy);
    memcpy(gRecentErrors, szLine, nCopy);
    gRecentErrors[RECENT_ERRORS_SIZE - 1] = 0;
}

static void Ask_Enter_Debugger(const char* szText) {
    if (gAskEnterDebugger != 1 || !(gCommandLineFlags & SHOW_SYSTEM_ERRORS))
        return;
    char szQuestion[TEXT_BUFFER_SIZE];
    Format_String(szQuestion, sizeof szQuestion, "%s\n\nENTER DEBUGGER?", szText);
    switch (Host()->pAskSystem(szQuestion, "System Error!", ENTER_DEBUGGER_BOX_TYPE)) {
    case IDYES: DebugBreak(); break;
    case IDCANCEL: gAskEnterDebugger = 0; break;
    default: break;
    }
}

int Report_Error(const char* szFormat, ...) {
    char szText[TEXT_BUFFER_SIZE];
    char szLine[TEXT_BUFFER_SIZE + 1];  // one more for the newline added after the file write
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);

    Format_String(szLine, TEXT_BUFFER_SIZE, "%ld ERROR: %s", Get_Log_Time(), szText);
    int nLength = Emit_Log_Line(szLine, sizeof(szLine));
    Push_Recent_Error(szLine, nLength);
    Ask_Enter_Debugger(szText);
    return -1;
}

void Log_Debug_Line(const char* szFormat, ...) {
    char szText[TEXT_BUFFER_SIZE];
    char szLine[TEXT_BUFFER_SIZE + 1];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);

    Format_String(szLine, TEXT_BUFFER_SIZE, "%ld %s", Get_Log_Time(), szText);
    Emit_Log_Line(szLine, sizeof(szLine));
}

int Print_Debug_Message(int nMask, const char* szFormat, ...) {
    if (!(nMask & gCommandLineFlags))
        return 0;
    char szText[TEXT_BUFFER_SIZE];
    char szLine[TEXT_BUFFER_SIZE];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);

    Format_String(szLine, sizeof szLine, "%ld Debug: %s\n", Get_Log_Time(), szText);
    OutputDebugStringA(szLine);
    return 0;
}

const char* Get_Recent_Errors(void) {
    return gRecentErrors;
}
