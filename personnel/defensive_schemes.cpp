// Defensive schemes of the computer's teams.
#include <strings.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define SCHEME_4_3 0
#define SCHEME_3_4 1
#define SCHEME_TABLE_TEAMS 32
#define EVEN_RUN_PASS_BALANCE 10

#define SCHEME_MARGIN 3

// How well the roster fills a position: its number of players less a base, plus the position
// rating of the player at depth n.
static int Get_Position_Depth_Score(int nTeam, int nPosition, int nBase, int n) {
    int nCount = Count_Team_Position_Players(nTeam, nPosition);
    uint8_t nSlot = Get_Team_Position_Player(nTeam, nPosition, n);
    float fRating = nSlot != NO_SLOT_BYTE ? Get_Checked_Overall_Rating(nTeam, nSlot) : 0.0f;
    return (int)((float)(nCount - nBase) + fRating);
}

// A roster deep in linebackers plays the 3-4, one deep in tackles the 4-3.
void Check_Team_Defensive_Scheme(int nTeam) {
    int nLinebackers = Get_Position_Depth_Score(nTeam, POS_LB, 5, 3);
    int nTackles = Get_Position_Depth_Score(nTeam, POS_DT, 2, 1);
    if (nTackles + SCHEME_MARGIN < nLinebackers)
        Set_Team_Defensive_Scheme(nTeam, SCHEME_3_4);
    else if (nLinebackers + SCHEME_MARGIN < nTackles)
        Set_Team_Defensive_Scheme(nTeam, SCHEME_4_3);
}

void Check_Computer_Team_Rosters(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) &&
            (Get_Team_Stat(nTeam, TEAM_CONTROL) != CONTROL_HUMAN || gAllTeamsComputer))
            Check_Team_Defensive_Scheme(nTeam);
    }
}

// ---- the repairs of old files -------------------------------------------------------------------

// Teams that played the 3-4 in a 32-team league, by slot.
static const int kThreeFourSlots[] = {0, 2, 8, 11, 12, 13, 15, 24, 25, 26, 31};
// Slots that still played the 4-3 before 2010, and the one that played the 3-4 before 2011.
static const int kFourThreeBefore2010[] = {0, 3, 9, 11, 15, 31};
#define THREE_FOUR_BEFORE_2011 21

// Nicknames of the 3-4 teams of the older leagues, with the seasons they played it.
static const struct {
    const char* szNickname;
    int nFirstYear;
    int nLastYear;
} kThreeFourNicknames[] = {
    {"Steelers", 1982, INT32_MAX},
    {"Giants", 1984, 1990},
    {"Bills", 1991, 1997},
    {"Patriots", 2000, INT32_MAX},
};

static void Set_Schemes_From_Slot_Table(int nFirstYear) {
    for (int nTeam = 0; nTeam < SCHEME_TABLE_TEAMS; nTeam++)
        Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, SCHEME_4_3);
    for (int nTeam : kThreeFourSlots)
        Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, SCHEME_3_4);
    if (nFirstYear < 2010) {
        for (int nTeam : kFourThreeBefore2010)
            Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, SCHEME_4_3);
    }
    if (nFirstYear < 2011)
        Set_Team_Stat(THREE_FOUR_BEFORE_2011, TEAM_DEFENSIVE_SCHEME, SCHEME_3_4);
}

static void Set_Schemes_By_Nickname(int nFirstYear) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        char szNickname[TEAM_STRING_SIZE];
        Get_Team_String(szNickname, sizeof(szNickname), nTeam, TEAM_NICKNAME);
        for (const auto& team : kThreeFourNicknames) {
            if (strcasecmp(szNickname, team.szNickname) == 0 && nFirstYear >= team.nFirstYear &&
                nFirstYear <= team.nLastYear)
                Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, SCHEME_3_4);
        }
    }
}

void Set_Default_Defensive_Schemes(void) {
    Check_Computer_Team_Rosters();
    int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (nFirstYear > 2007 && Count_Active_Teams() == SCHEME_TABLE_TEAMS)
        Set_Schemes_From_Slot_Table(nFirstYear);
    else
        Set_Schemes_By_Nickname(nFirstYear);
}

void Reset_Run_Pass_Balance(void) {
    for (int nTeam = 0; nTeam < SCHEME_TABLE_TEAMS; nTeam++)
        Set_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE, EVEN_RUN_PASS_BALANCE);
}
