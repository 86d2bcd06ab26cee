// The message of a failed system call.

#include "core/core.h"

#include <stdarg.h>
#include <string.h>

// Shows the caller's text followed by the system's text for the error code, and logs it.
void Show_System_Error(int nErrorCode, const char* szCaption, const char* szFormat, ...) {
    char szText[TEXT_BUFFER_SIZE];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);

    Append_Format_String(szText, sizeof szText, "\n\n%s", strerror(nErrorCode));
    Log_Debug_Line("%s", szText);
    Do_Message_Box(szText, szCaption, MB_OK | MB_ICONINFORMATION);
}
