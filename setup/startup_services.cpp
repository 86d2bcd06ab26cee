// What start-up asks of the setup dialogs' module: the build date and the human-run teams.

#include "database/database.h"
#include "resources/resource.h"
#include "setup/setup.h"

#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

// The day the program file was written, as the About box shows it.
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
    char szWeekday[TEXT_BUFFER_SIZE], szMonth[TEXT_BUFFER_SIZE], szDate[TEXT_BUFFER_SIZE];
    Get_Weekday_Name((when.tm_wday + 6) % 7, szWeekday, sizeof szWeekday);  // Monday first
    Get_Month_Name(when.tm_mon, szMonth, sizeof szMonth);
    Format_String(szDate, sizeof szDate, "Created: %s, %s %d, %d", szWeekday, szMonth,
                  when.tm_mday, when.tm_year + 1900);
    SetDlgItemTextA(hDlg, IDC_ABOUT_BUILD_DATE, szDate);
}

int Get_Human_Team(int n) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Human_Team(nTeam) && n-- == 0)
            return nTeam;
    }
    return -1;
}
