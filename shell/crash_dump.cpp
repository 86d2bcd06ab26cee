// The crash dump: when a fatal signal arrives, a text file in the installation folder gets the
// version, the fault, the recent errors and a backtrace, and the signal then takes its course.
// Everything here runs inside the signal handler, so it only calls what is safe there: no
// allocation, no stdio, no locks; texts are built by hand in fixed buffers.

#include "shell/shell.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#define CRASH_PATH_SIZE 4096
#define CRASH_LINE_SIZE 512
#define CRASH_FRAME_COUNT 64
#define CRASH_LOG_FILE "debug.txt"
#define CRASH_STACK_SIZE 65536

static char gCrashFolder[CRASH_PATH_SIZE];
static volatile sig_atomic_t gCrashInProgress = 0;
static char gCrashStack[CRASH_STACK_SIZE];
static const int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

// A text built in a fixed buffer; what passes the end is dropped.
typedef struct CRASH_TEXT {
    char* pBuffer;
    int nSize;
    int nLength;
} CRASH_TEXT;

static void Crash_Text_Begin(CRASH_TEXT* pText, char* pBuffer, int nSize) {
    pText->pBuffer = pBuffer;
    pText->nSize = nSize;
    pText->nLength = 0;
    pBuffer[0] = 0;
}

static void Crash_Append(CRASH_TEXT* pText, const char* szPiece) {
    while (*szPiece && pText->nLength < pText->nSize - 1)
        pText->pBuffer[pText->nLength++] = *szPiece++;
    pText->pBuffer[pText->nLength] = 0;
}

// A number in the base, with at least nDigits digits.
static void Crash_Append_Number(CRASH_TEXT* pText, unsigned long long nValue, unsigned nBase,
                                int nDigits) {
    char szDigits[72];
    int nAt = (int)sizeof szDigits - 1;
    szDigits[nAt] = 0;
    do {
        szDigits[--nAt] = "0123456789abcdef"[nValue % nBase];
        nValue /= nBase;
        nDigits--;
    } while ((nValue || nDigits > 0) && nAt > 0);
    Crash_Append(pText, szDigits + nAt);
}

static void Crash_Append_Signed(CRASH_TEXT* pText, long long nValue) {
    if (nValue < 0) {
        Crash_Append(pText, "-");
        Crash_Append_Number(pText, 0ull - (unsigned long long)nValue, 10, 1);
    } else {
        Crash_Append_Number(pText, (unsigned long long)nValue, 10, 1);
    }
}

static void Crash_Write(int fd, const char* szText) {
    size_t nLeft = strlen(szText);
    while (nLeft > 0) {
        ssize_t nWritten = write(fd, szText, nLeft);
        if (nWritten <= 0)
            return;
        szText += nWritten;
        nLeft -= (size_t)nWritten;
    }
}

// One line of debug.txt as the log writes it: the time, the text.
static void Crash_Log_Line(const char* szPrefix, const char* szText, const char* szQuoted) {
    char szLine[CRASH_PATH_SIZE + CRASH_LINE_SIZE];
    CRASH_TEXT line;
    Crash_Text_Begin(&line, szLine, sizeof szLine);
    Crash_Append_Signed(&line, (long long)time(NULL));
    Crash_Append(&line, szPrefix);
    Crash_Append(&line, szText);
    if (szQuoted) {
        Crash_Append(&line, "\"");
        Crash_Append(&line, szQuoted);
        Crash_Append(&line, "\"");
    }
    Crash_Append(&line, "\n");
    int fd = open(CRASH_LOG_FILE, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return;
    Crash_Write(fd, szLine);
    close(fd);
}

static unsigned long Crash_Tick_Count(void) {
    struct timespec now;
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0)
        return 0;
    return (unsigned long)now.tv_sec * 1000ul + (unsigned long)(now.tv_nsec / 1000000);
}

// "<folder>/Crash-Football-Vanto-1904-nnn" and the suffix's first letters unless it begins with a
// blank, then ".dmp".
static void Build_Crash_File_Name(CRASH_TEXT* pName) {
    Crash_Append(pName, gCrashFolder[0] ? gCrashFolder : ".");
    Crash_Append(pName, "/Crash-Football-Vanto-");
    Crash_Append_Number(pName, PROGRAM_VERSION, 10, 4);
    Crash_Append(pName, "-");
    Crash_Append_Number(pName, Crash_Tick_Count() % 1000, 10, 3);
    const char* szSuffix = BUILD_SUFFIX;
    if (szSuffix[0] && szSuffix[0] != ' ') {
        char szLetters[3] = {szSuffix[0], szSuffix[1] != ' ' ? szSuffix[1] : (char)0, 0};
        Crash_Append(pName, szLetters);
    }
    Crash_Append(pName, ".dmp");
}

static void Write_Crash_Comment(int fd) {
    char szLine[CRASH_LINE_SIZE];
    CRASH_TEXT line;
    Crash_Text_Begin(&line, szLine, sizeof szLine);
    Crash_Append(&line, "UserStream: " PROGRAM_TITLE " " EDITION_LABEL " ");
    Crash_Append_Number(&line, PROGRAM_VERSION, 10, 1);
    Crash_Append(&line, " \"" BUILD_SUFFIX "\" " INSTALL_TYPE " [");
    Crash_Append_Signed(&line, (long long)(int32_t)(uint32_t)time(NULL));
    Crash_Append(&line, "]\n");
    Crash_Write(fd, szLine);
}

static void Write_Crash_Fault(int fd, const CRASH_INFO* pCrash) {
    char szLine[CRASH_LINE_SIZE];
    CRASH_TEXT line;
    Crash_Text_Begin(&line, szLine, sizeof szLine);
    Crash_Append(&line, "Signal: ");
    Crash_Append_Signed(&line, pCrash->nSignal);
    Crash_Append(&line, " (SIG");
    const char* szName = sigabbrev_np(pCrash->nSignal);
    Crash_Append(&line, szName ? szName : "?");
    Crash_Append(&line, ")");
    if (pCrash->pAddress) {
        Crash_Append(&line, " at address 0x");
        Crash_Append_Number(&line, (unsigned long long)(uintptr_t)pCrash->pAddress, 16, 1);
    }
    Crash_Append(&line, "\n");
    Crash_Write(fd, szLine);
}

int Write_Crash_Dump(const CRASH_INFO* pCrash) {
    Crash_Log_Line(" ", "Crash detected!  Attempting to write emergency debug file.", NULL);
    char szPath[CRASH_PATH_SIZE + 64];
    CRASH_TEXT path;
    Crash_Text_Begin(&path, szPath, sizeof szPath);
    Build_Crash_File_Name(&path);

    int fd = open(szPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        Crash_Log_Line(" ERROR: ", "Failed to write dump file!", NULL);
        return 0;
    }
    Write_Crash_Comment(fd);
    if (pCrash)
        Write_Crash_Fault(fd, pCrash);
    Crash_Write(fd, "\nRecent errors:\n");
    char szRecent[RECENT_ERRORS_SIZE];
    memcpy(szRecent, gRecentErrors, sizeof szRecent);
    szRecent[RECENT_ERRORS_SIZE - 1] = 0;
    Crash_Write(fd, szRecent);
    Crash_Write(fd, "\nBacktrace:\n");
    void* apFrames[CRASH_FRAME_COUNT];
    int nFrames = backtrace(apFrames, CRASH_FRAME_COUNT);
    backtrace_symbols_fd(apFrames, nFrames, fd);
    int bClosed = close(fd) == 0;
    if (bClosed)
        Crash_Log_Line(" ERROR: ", "Wrote dump file ", szPath);
    else
        Crash_Log_Line(" ERROR: ", "Failed to write dump file!", NULL);
    return 0;
}

// The dump is written once; the signal's own action then runs (the handler was reset).
static void Crash_Signal_Handler(int nSignal, siginfo_t* pInfo, void* pContext) {
    (void)pContext;
    if (!gCrashInProgress) {
        gCrashInProgress = 1;
        // Only a fault's own signal carries the address that faulted.
        int bFault =
            nSignal == SIGSEGV || nSignal == SIGBUS || nSignal == SIGFPE || nSignal == SIGILL;
        CRASH_INFO crash = {nSignal, bFault && pInfo && pInfo->si_code > 0 ? pInfo->si_addr : NULL};
        Write_Crash_Dump(&crash);
    }
    raise(nSignal);
}

void Install_Crash_Handler(void) {
    if (!getcwd(gCrashFolder, sizeof gCrashFolder))
        gCrashFolder[0] = 0;
    // The first backtrace loads the unwinder, which must not happen inside the handler.
    void* pFrame;
    backtrace(&pFrame, 1);
    stack_t stack;
    stack.ss_sp = gCrashStack;
    stack.ss_size = sizeof gCrashStack;
    stack.ss_flags = 0;
    sigaltstack(&stack, NULL);  // an overflowed stack still gets its dump

    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_sigaction = Crash_Signal_Handler;
    action.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int nSignal : kCrashSignals)
        sigaction(nSignal, &action, NULL);
}
