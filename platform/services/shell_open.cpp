// ShellExecuteA: files, folders and web addresses opened with the desktop's program for them
// (xdg-open); headless nothing opens and the calls are kept for tests. GetCurrentDirectoryA.
#include "../platform_internal.h"
#include "../test_api.h"

#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

const INT_PTR kShellOpened = 42;  // any value above 32 says the opening started

std::vector<TEST_SHELL_CALL> gShellCalls;

std::string Text_Or_Empty(LPCSTR szText) { return szText ? szText : ""; }

bool Is_Web_Address(const std::string& stTarget) {
    return stTarget.find("://") != std::string::npos || stTarget.rfind("mailto:", 0) == 0;
}

// What xdg-open gets: an address as it is, a file resolved (relative to szDirectory when given);
// empty when the file does not exist.
std::string Resolve_Target(const std::string& stFile, const std::string& stDirectory) {
    if (Is_Web_Address(stFile)) return stFile;
    std::string stPath = stFile;
    bool bAbsolute = !stPath.empty() && (stPath[0] == '/' || stPath[0] == '\\');
    if (!bAbsolute && !stDirectory.empty()) stPath = stDirectory + "/" + stPath;
    char szResolved[1024];
    if (!Platform_Resolve_Path(stPath.c_str(), szResolved, sizeof(szResolved))) return "";
    return szResolved;
}

// Starts xdg-open on the target without waiting for it: a grandchild runs it, so nothing is left
// to reap.
bool Launch_Desktop_Open(const std::string& stTarget) {
    std::vector<char> aTarget(stTarget.begin(), stTarget.end());
    aTarget.push_back('\0');
    char szProgram[] = "xdg-open";
    char* aArgs[] = {szProgram, aTarget.data(), nullptr};
    pid_t nChild = fork();
    if (nChild < 0) return false;
    if (nChild == 0) {
        if (fork() == 0) {
            setsid();
            execvp(szProgram, aArgs);
        }
        _exit(0);
    }
    int nStatus = 0;
    waitpid(nChild, &nStatus, 0);
    return true;
}

}  // namespace

void Shell_Open_Reset(void) { gShellCalls.clear(); }

const std::vector<TEST_SHELL_CALL>& Test_Get_Shell_Calls() { return gShellCalls; }

HINSTANCE ShellExecuteA(HWND hWnd, LPCSTR szOperation, LPCSTR szFile, LPCSTR szParameters,
                        LPCSTR szDirectory, int nShowCmd) {
    TEST_SHELL_CALL call = {hWnd,
                            Text_Or_Empty(szOperation),
                            Text_Or_Empty(szFile),
                            Text_Or_Empty(szParameters),
                            Text_Or_Empty(szDirectory),
                            nShowCmd,
                            kShellOpened};
    std::string stTarget = Resolve_Target(call.stFile, call.stDirectory);
    if (call.stFile.empty() || stTarget.empty())
        call.nResult = SE_ERR_FNF;
    else if (!call.stOperation.empty() && call.stOperation != "open")
        call.nResult = SE_ERR_NOASSOC;
    else if (Backend() == &kSdlBackend && !Launch_Desktop_Open(stTarget))
        call.nResult = SE_ERR_NOASSOC;
    gShellCalls.push_back(call);
    return reinterpret_cast<HINSTANCE>(call.nResult);
}

DWORD GetCurrentDirectoryA(DWORD nBufferLength, LPSTR szBuffer) {
    char szFolder[4096];
    if (!getcwd(szFolder, sizeof(szFolder))) return 0;
    DWORD nLength = static_cast<DWORD>(strlen(szFolder));
    if (!szBuffer || nBufferLength <= nLength) return nLength + 1;
    memcpy(szBuffer, szFolder, nLength + 1);
    return nLength;
}
