// Debugger output and breakpoints. The output is kept for tests to read (and copied to standard
// error when VANTO_DEBUG_OUTPUT is set); DebugBreak stops only under a debugger.
#include "../platform_internal.h"

#include <signal.h>
#include <stdlib.h>
#include <string.h>

#include <string>

namespace {

// A long run must not grow the kept output without end: past the limit the older half goes.
const size_t kMaxKeptOutput = 1 << 20;

std::string gDebugOutput;
int gDebugBreaks = 0;

}  // namespace

void OutputDebugStringA(LPCSTR szText) {
    if (!szText) return;
    gDebugOutput += szText;
    if (gDebugOutput.size() > kMaxKeptOutput) gDebugOutput.erase(0, gDebugOutput.size() / 2);
    const char* szCopy = getenv("VANTO_DEBUG_OUTPUT");
    if (szCopy && *szCopy) {
        fputs(szText, stderr);
        fflush(stderr);
    }
}

BOOL IsDebuggerPresent(void) {
    FILE* pFile = fopen("/proc/self/status", "r");
    if (!pFile) return FALSE;
    char szLine[256];
    long nTracer = 0;
    while (fgets(szLine, sizeof(szLine), pFile)) {
        if (strncmp(szLine, "TracerPid:", 10) == 0) {
            nTracer = strtol(szLine + 10, nullptr, 10);
            break;
        }
    }
    fclose(pFile);
    return nTracer != 0 ? TRUE : FALSE;
}

void DebugBreak(void) {
    if (IsDebuggerPresent())
        raise(SIGTRAP);
    else
        gDebugBreaks++;
}

const std::string& Test_Get_Debug_Output() { return gDebugOutput; }

void Test_Clear_Debug_Output() { gDebugOutput.clear(); }

int Test_Get_Debug_Break_Count() { return gDebugBreaks; }

void Debug_Reset(void) {
    gDebugOutput.clear();
    gDebugBreaks = 0;
}
