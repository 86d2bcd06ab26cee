// The files of the season text reports and the helpers their lines share.
#include <ctype.h>

#include "core/core.h"
#include "database/database.h"
#include "reports/reports.h"
#include "reports/season_reports_internal.h"

#define REPORT_FOLDER "Output"

int Get_Season_Report_Year(void) {
    return Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + Get_Season_Number();
}

int Start_Season_Report(const char* szFormat, char* szFile, int nSize) {
    Format_String(szFile, nSize, szFormat, Get_Season_Report_Year() % 100);
    if (!Platform_Make_Directory(REPORT_FOLDER)) {
        Log_Debug_Line("Cannot create the folder %s for %s", REPORT_FOLDER, szFile);
        return 0;
    }
    Platform_Remove_File(szFile);
    return 1;
}

void Upper_Case_First_Letter(char* st) {
    st[0] = (char)toupper((unsigned char)st[0]);
}

void Format_Player_With_Team(int nTeam, int nSlot, char* szOut, int nSize) {
    char szName[64], szTeam[16];
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
    Get_Team_String(szTeam, sizeof szTeam, nTeam, TEAM_ABBREVIATION);
    Format_String(szOut, nSize, "%s (%s)", szName, szTeam);
}
