// The millisecond timer of the menu commands, and the quick notice of other subsystems.

#include "shell/shell.h"

#include <stdarg.h>
#include <stdio.h>

#define QUICK_MESSAGE_BOX_TYPE (MB_ICONINFORMATION | MB_TASKMODAL)

char gDebugTimerName[TEXT_BUFFER_SIZE] = "Nothing";
DWORD gDebugTimerStart = 0;
DWORD gDebugTimerStop = 0;
DWORD gDebugTimerElapsed = 0;

// Starts, stops, logs or shows the timer; always the elapsed milliseconds.
DWORD Debug_Timer(const char* szName, int nMode) {
    switch (nMode) {
    case DEBUG_TIMER_START:
        gDebugTimerStart = gDebugTimerStop = GetTickCount();
        gDebugTimerElapsed = 0;
        if (szName)
            safe_strncpy(gDebugTimerName, szName, sizeof gDebugTimerName);
        break;
    case DEBUG_TIMER_STOP:
        if (szName)
            safe_strncpy(gDebugTimerName, szName, sizeof gDebugTimerName);
        gDebugTimerStop = GetTickCount();
        gDebugTimerElapsed = gDebugTimerStop - gDebugTimerStart;
        break;
    case DEBUG_TIMER_LOG:
        if (szName)
            Log_Debug_Line("TIMER %d: %s", (int)gDebugTimerElapsed, szName);
        else
            Log_Debug_Line("TIMER %d", (int)gDebugTimerElapsed);
        break;
    default:
        // Seconds with three digits of milliseconds: 1,005 ms reads 1.005, not 1.5.
        Show_Message_Box(gDebugTimerName, "%d.%03d", (int)(gDebugTimerElapsed / 1000),
                         (int)(gDebugTimerElapsed % 1000));
        break;
    }
    return gDebugTimerElapsed;
}

void Quick_Message(const char* szFormat, ...) {
    char szText[TEXT_BUFFER_SIZE];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);
    Do_Message_Box(szText, "Quick Message", QUICK_MESSAGE_BOX_TYPE);
}
