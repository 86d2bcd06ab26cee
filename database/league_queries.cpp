// Small league-wide values kept beside the game records: playoff scores and the bracket, the
// postseason weeks, a few settings, universe counters and calendar shortcuts.
#include <string.h>

#include "core/core.h"
#include "database/database.h"

#define FIRST_EXTRA_UNIVERSE_STAT 20
#define LAST_POSTSEASON_ENTRY 4

static int Is_Playoff_Slot(int nSlot) {
    return nSlot >= 0 && nSlot < PLAYOFF_SLOT_COUNT;
}

int Get_Playoff_Score(int nSlot) {
    if (!Is_Playoff_Slot(nSlot)) {
        Report_Error("Invalid playoff slot in Get_Playoff_Score(%d)", nSlot);
        return NO_TEAM;
    }
    return gPlayoffScores[nSlot];
}

void Set_Playoff_Score(int nSlot, int nScore) {
    if (Is_Playoff_Slot(nSlot))
        gPlayoffScores[nSlot] = nScore;
}

void Set_Playoff_Team(int nSlot, int nTeam) {
    if (Is_Playoff_Slot(nSlot))
        gPlayoffSlots[nSlot] = (int8_t)nTeam;
}

void Set_Postseason_Week(int n, int nWeek) {
    if (n >= 0 && n < POSTSEASON_WEEK_COUNT)
        gPostseasonWeeks[n] = nWeek;
}

void Set_Current_Page(int nPage) {
    gCurrentPage = nPage;
}

void Set_Commissioner_Mode(int nValue) {
    gCommissionerMode = nValue;
}

void Set_Team_Checksum(int nValue) {
    gTeamChecksum = nValue;
}

void Clear_All_Games(void) {
    memset(gGames, 0, sizeof(gGames));
}

// The setting grows by one through the checked writer (so a sixth wild card is reported); a
// counter at the int's limit stays there.
void Increment_Universe_Stat(int nStat) {
    Set_Universe_Stat(nStat, Saturate_To_Int((int64_t)Get_Universe_Stat(nStat) + 1));
}

int Get_League_Playoff_Team_Count(int nLeague) {
    return Count_League_Divisions(nLeague) + Get_Universe_Stat(WILD_CARD_TEAMS);
}

int Get_Universe_Extra_Stat(int n) {
    return n >= 0 ? Get_Universe_Stat(FIRST_EXTRA_UNIVERSE_STAT + n) : 0;
}

void Set_Universe_Extra_Stat(int n, int nValue) {
    if (n >= 0)
        Set_Universe_Stat(FIRST_EXTRA_UNIVERSE_STAT + n, nValue);
}

int Get_Max_League_Division_Count(void) {
    return Max_Int(Count_League_Divisions(0), Count_League_Divisions(1));
}

// ---- calendar shortcuts ------------------------------------------------------------------------

// Weeks left up to and including the last postseason week the bracket can use.
int Get_Weeks_Left_In_Postseason(void) {
    return gPostseasonWeeks[LAST_POSTSEASON_ENTRY] - gCurrentWeek + 1;
}

int Get_Current_Season_Index(void) {
    return gSeasonNumber - (gCurrentWeek == OFF_SEASON_WEEK ? 1 : 0);
}

int Get_Current_Season_Year(void) {
    return gUniverseStats[UNIVERSE_FIRST_YEAR] + Get_Current_Season_Index();
}

int Get_Next_Season_Year(void) {
    return Get_Current_Season_Year() + 1;
}

int Get_Current_Day_Of_Month(void) {
    return Get_Day_Of_Month(Get_Current_Day_Of_Year());
}
