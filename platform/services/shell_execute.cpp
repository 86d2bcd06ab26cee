// ShellExecuteA: files, folders and addresses opened with the desktop's handler (xdg-open); the
// working folder.
// Headless nothing is started and the request is kept for the tests.
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform_internal.h"

#define SHELL_OPENED ((HINSTANCE)(UINT_PTR)42)
#define SHELL_ERROR(n) ((HINSTANCE)(UINT_PTR)(n))

namespace {

std::vector<TEST_SHELL_OPEN> gShellOpens;

const char* Text_Or_Empty(LPCSTR sz) { return sz ? sz : ""; }

// An address ("https://...", "mailto:...") goes to the handler as it is; anything else is a path.
bool Is_Address(const std::string& stFile) {
    return stFile.find("://") != std::string::npos || stFile.compare(0, 7, "mailto:") == 0;
}

// The path of a local file or folder, relative ones taken from the working folder given; empty
// when it does not exist.
std::string Resolve_Local(const std::string& stFile, const std::string& stDirectory) {
    std::string stPath = stFile;
    if (!stDirectory.empty() && !stPath.empty() && stPath[0] != '/' && stPath[0] != '\\')
        stPath = stDirectory + "/" + stPath;
    char szResolved[4096];
    if (!Platform_Resolve_Path(stPath.c_str(), szResolved, sizeof(szResolved))) return "";
    return szResolved;
}

bool Handler_Installed(const char* szProgram) {
    const char* szPath = getenv("PATH");
    std::string stPath = szPath ? szPath : "/usr/bin:/bin";
    size_t nStart = 0;
    while (nStart <= stPath.size()) {
        size_t nEnd = stPath.find(':', nStart);
        if (nEnd == std::string::npos) nEnd = stPath.size();
        std::string stCandidate = stPath.substr(nStart, nEnd - nStart) + "/" + szProgram;
        if (nEnd > nStart && access(stCandidate.c_str(), X_OK) == 0) return true;
        nStart = nEnd + 1;
    }
    return false;
}

// Starts the handler detached (a grandchild, so no child is left to reap); true when started.
bool Start_Handler(const std::string& stTarget) {
    if (!Handler_Installed("xdg-open")) return false;
    pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        setsid();
        if (fork() == 0) {
            int nNull = open("/dev/null", O_RDWR);
            if (nNull >= 0) {
                dup2(nNull, 0);
                dup2(nNull, 1);
                dup2(nNull, 2);
            }
            execlp("xdg-open", "xdg-open", stTarget.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    return true;
}

}  // namespace

HINSTANCE ShellExecuteA(HWND /*hWnd*/, LPCSTR szVerb, LPCSTR szFile, LPCSTR szParameters,
                        LPCSTR szDirectory, int nShowCmd) {
    std::string stVerb = Text_Or_Empty(szVerb);
    std::string stFile = Text_Or_Empty(szFile);
    std::string stDirectory = Text_Or_Empty(szDirectory);
    if (stFile.empty()) return SHELL_ERROR(SE_ERR_FNF);
    if (!stVerb.empty() && strcasecmp(stVerb.c_str(), "open") != 0)
        return SHELL_ERROR(SE_ERR_NOASSOC);

    std::string stTarget = stFile;
    if (!Is_Address(stFile)) {
        stTarget = Resolve_Local(stFile, stDirectory);
        if (stTarget.empty()) return SHELL_ERROR(SE_ERR_FNF);
    }

    if (strcmp(Platform_Backend_Name(), "headless") == 0) {
        gShellOpens.push_back(
            {stVerb, stTarget, Text_Or_Empty(szParameters), stDirectory, nShowCmd});
        return SHELL_OPENED;
    }
    return Start_Handler(stTarget) ? SHELL_OPENED : SHELL_ERROR(SE_ERR_NOASSOC);
}

DWORD GetCurrentDirectoryA(DWORD nSize, LPSTR szBuffer) {
    char szPath[4096];
    if (!getcwd(szPath, sizeof(szPath))) return 0;
    DWORD nLength = static_cast<DWORD>(strlen(szPath));
    if (!szBuffer || nSize <= nLength) return nLength + 1;
    memcpy(szBuffer, szPath, nLength + 1);
    return nLength;
}

const std::vector<TEST_SHELL_OPEN>& Test_Get_Shell_Opens() { return gShellOpens; }

void Test_Clear_Shell_Opens() { gShellOpens.clear(); }
