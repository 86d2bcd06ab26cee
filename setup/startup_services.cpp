// What start-up and a new game ask of the setup dialogs' module: the users' Hall of Fame file,
// earlier editions' games, the update reminder, the build date, web pages, the human-run teams
// and the description of a saved game.

#include "database/database.h"
#include "setup/setup.h"

#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#define STARTUP_FAME_FILE "VntFame.dat"
#define STARTUP_BUILD_DATE_CONTROL 1480

// STAND-IN(setup): writes the Hall of Fame file with its default entries when it is missing.
void Ensure_Fame_File(void) {
    if (File_Exists(STARTUP_FAME_FILE))
        return;
    static uint8_t abRecord[FAME_FILE_SIZE];
    memset(abRecord, 0, sizeof abRecord);
    Write_Fame_File(abRecord);
}

// STAND-IN(setup): offers to copy saved games of earlier editions into the folder.
int Import_Old_Saved_Games(void) {
    return 0;
}

// STAND-IN(setup): reminds the user to look for a newer version.
void Show_Update_Reminder(void) {}

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

// STAND-IN(setup): opens the address with the shell; reports "Error %d.  Could not access:
// \"%s\"" when the shell refuses it.
int Open_Web_Page(HWND hWnd, const char* szAddress) {
    (void)hWnd;
    Log_Debug_Line("Open_Web_Page: %s", szAddress);
    return 0;
}

int Get_Human_Team(int n) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Human_Team(nTeam) && n-- == 0)
            return nTeam;
    }
    return -1;
}

// STAND-IN(setup): the description stored with a saved game: the season and the user's team.
void Format_Saved_Game_Description(char* szOut, int nSize) {
    char szCity[TEAM_STRING_SIZE] = "";
    char szNickname[TEAM_STRING_SIZE] = "";
    int nTeam = Get_User_Team();
    if (Is_Team_Active(nTeam)) {
        Get_Team_String(szCity, sizeof szCity, nTeam, TEAM_CITY);
        Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
    }
    Format_String(szOut, nSize, "%d %s %s", Get_Season_Year(), szCity, szNickname);
}
