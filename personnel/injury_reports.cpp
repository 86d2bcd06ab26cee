// Reports of the user's injured players: queued by the game engine, shown after the week.
#include <ctype.h>
#include <string.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define REPORT_TEXT_SIZE 2048
#define REPORT_LINE_SIZE 256
#define INJURY_NAME_SIZE 64

// Entries of the user preferences: the weeks an injury must last to be reported, and the slots
// of the players queued for the report.
#define PREF_INJURY_REPORT_WEEKS 55
#define PREF_INJURY_REPORT_FIRST 210

static int& Report_Slot(int n) {
    return PREFERENCE_ENTRY(PREF_INJURY_REPORT_FIRST + n);
}

// The running multi-week advance ends after the current week.
static void Stop_Advance_After_This_Week(void) {
    gRunTargetWeek = (int16_t)(gCurrentWeek + 1);
}

void Queue_User_Injury_Report(int nTeam, int nSlot, int nWeeks) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT ||
        Get_Team_Stat(nTeam, TEAM_CONTROL) != CONTROL_HUMAN || gAllTeamsComputer)
        return;
    int nThreshold = PREFERENCE_ENTRY(PREF_INJURY_REPORT_WEEKS);
    if (nThreshold <= 0 || nWeeks - 1 < nThreshold)
        return;
    int nId = nSlot == NO_SLOT_BYTE ? -1 : Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    for (int n = 0; n < INJURY_REPORT_SLOTS; n++) {
        if (Report_Slot(n) == 0) {
            Report_Slot(n) = nId;
            break;
        }
    }
    Stop_Advance_After_This_Week();
}

int Has_User_Injury_Reports(void) {
    return Report_Slot(0) != 0;
}

static void Append_Injury_Line(char* szText, int nTeam, int nSlot) {
    int nWeeks = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
    if (nWeeks != 0) {
        char szName[PLAYER_NAME_TEXT_SIZE];
        char szInjury[INJURY_NAME_SIZE];
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
        Get_Injury_Name(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY), szInjury,
                        sizeof szInjury);
        const char* szArticle =
            strchr("aeiou", tolower((unsigned char)szInjury[0])) != NULL && szInjury[0] != '\0'
                ? "an"
                : "a";
        char szLine[REPORT_LINE_SIZE];
        if (nWeeks > gPostseasonWeeks[4] - gCurrentWeek + 1)
            Format_String(szLine, sizeof szLine,
                          "%s will be injured for the rest of the year due to %s %s.", szName,
                          szArticle, szInjury);
        else
            Format_String(szLine, sizeof szLine, "%s will be injured for %d week%s due to %s %s.",
                          szName, nWeeks, nWeeks > 1 ? "s" : "", szArticle, szInjury);
        safe_strncat(szText, szLine, REPORT_TEXT_SIZE);
    }
    safe_strncat(szText, "\n", REPORT_TEXT_SIZE);
}

// One message box with a line for every queued player still on a roster.
void Report_User_Injuries(void) {
    char szText[REPORT_TEXT_SIZE] = "";
    for (int n = 0; n < INJURY_REPORT_SLOTS; n++) {
        int nTeam, nSlot;
        if (Report_Slot(n) != 0 && Find_Player_ID_Split(&nTeam, &nSlot, Report_Slot(n)))
            Append_Injury_Line(szText, nTeam, nSlot);
    }
    Show_Message_Box("Injury", "%s", szText);
}

// After the week: the report when one is queued, then the slots are emptied.
void Report_And_Clear_User_Injuries(void) {
    int nTeam, nSlot;
    if (Has_User_Injury_Reports() && Find_Player_ID_Split(&nTeam, &nSlot, Report_Slot(0)))
        Report_User_Injuries();
    for (int n = 0; n < INJURY_REPORT_SLOTS; n++)
        Report_Slot(n) = 0;
}
