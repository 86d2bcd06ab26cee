// What start-up asks of the setup dialogs' module: the build date and the human-run teams.

#include "database/database.h"
#include "setup/setup.h"

#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#define STARTUP_BUILD_DATE_CONTROL 1480

// The date the program file was last written, as the About box shows it.
void Show_Build_Date(HWND hDlg) {
    char szPath[TEXT_BUFFER_SIZE];
    ssize_t nLength = readlink("/proc/self/exe", szPath, sizeof szPath - 1);
    struct stat info;
    if (nLength <= 0)
        return;
    szPath[nLength] = 0;
    if (stat(szPath, &info) != 0)
        return;
    struct tm when;
    localtime_r(&info.st_mtime, &when);
    char szDate[64];
    strftime(szDate, sizeof szDate, "Built %B %d, %Y", &when);
    SetDlgItemTextA(hDlg, STARTUP_BUILD_DATE_CONTROL, szDate);
}

int Get_Human_Team(int n) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Human_Team(nTeam) && n-- == 0)
            return nTeam;
    }
    return -1;
}
