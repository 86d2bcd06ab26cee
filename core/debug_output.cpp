// Lines for the debugger output.
#include <stdarg.h>
#include <stdio.h>

#include "core/core.h"

void Debug_Print(const char* szFormat, ...) {
    char szText[TEXT_BUFFER_SIZE];
    char szLine[TEXT_BUFFER_SIZE + 32];  // the time and "Debug: " in front
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);
    snprintf(szLine, sizeof szLine, "%ld Debug: %s\n", (long)Platform_Time(), szText);
    OutputDebugStringA(szLine);
}
