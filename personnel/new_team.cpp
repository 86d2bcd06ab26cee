// A new team: its stadium, prices and finances, and a roster filled to the fewest players of each
// position.
#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"

#define PER_MILLE 1000
// A new team's stadium and prices.
#define NEW_STADIUM_CAPACITY 55000
#define NEW_STADIUM_GRADE 1000
#define NEW_TICKET_PRICE_BASE 5000
#define NEW_TEAM_HANDICAP 10

// The fewest players of each position a new team starts with, QB .. P (57 in all).
static const int kNewTeamPositionCounts[POSITION_COUNT] = {3, 4, 2, 4, 6, 4, 4, 2,
                                                           5, 4, 7, 5, 5, 1, 1};

int Get_New_Team_Position_Count(int nPosition) {
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    return kNewTeamPositionCounts[nPosition];
}

// Creates the players each position lacks, each in the first free slot, until the roster is full.
static void Create_Missing_Players(int nTeam) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        int nMissing =
            kNewTeamPositionCounts[nPosition] - Count_Team_Position_Players(nTeam, nPosition);
        for (; nMissing > 0; nMissing--) {
            int nSlot = Find_Free_Player_Slot(nTeam);
            if (nSlot >= PLAYERS_PER_TEAM || Is_Player_Slot_Used(nTeam, nSlot))
                return;  // a full roster, or a team not in use
            Create_Player_Of_Quality(nTeam, nSlot, 0.0f, nPosition);
        }
    }
}

void Fill_New_Team_Roster(int nTeam) {
    Create_Missing_Players(nTeam);
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT)
        return;
    Trim_Roster(nTeam);
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++)
        Fill_Depth_Chart_Unit(nUnit, nTeam, 0);
    Choose_Team_Returners(nTeam);
    Sort_Team_Roster_Units(nTeam);
    Compact_Team_Roster(nTeam);
}

int Add_New_Team(int bFillRoster) {
    Sort_Teams_By_Name();
    int nTeam = Count_Active_Teams();
    if (nTeam >= LEAGUE_TEAM_COUNT)
        return -1;
    Set_Team_String(nTeam, TEAM_NICKNAME, "Team]");
    Set_Team_String(nTeam, TEAM_CITY, "[Empty");
    Set_Team_String(nTeam, TEAM_ABBREVIATION, "XXX");
    Set_Team_String(nTeam, TEAM_HOME_LOCATION, "Generic Stadium");
    Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_COMPUTER);

    Set_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY, NEW_STADIUM_CAPACITY);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STRUCTURE, STADIUM_OPEN);
    Set_Team_Stadium_Stat(nTeam, STADIUM_SURFACE, STADIUM_NATURAL_GRASS);
    Set_Team_Stadium_Stat(nTeam, STADIUM_YEAR_BUILT, Get_Season_Year());
    Set_Team_Stadium_Stat(nTeam, STADIUM_CONVENIENCE, NEW_STADIUM_GRADE);
    Set_Team_Stadium_Stat(nTeam, STADIUM_COMFORT, NEW_STADIUM_GRADE);
    Set_Team_Stadium_Stat(nTeam, STADIUM_SIGHT_LINES, NEW_STADIUM_GRADE);
    Set_Team_Stadium_Stat(nTeam, STADIUM_VALUE, Compute_Stadium_Value(nTeam));

    int nInflation = Get_Universe_Stat(UNIVERSE_INFLATION);
    Set_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE,
                            (nInflation * NEW_TICKET_PRICE_BASE + 500) / PER_MILLE);
    Set_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE, NEW_TEAM_HANDICAP);

    Initialize_Team_Finances(nTeam);
    Set_Team_Prices(nTeam);
    if (bFillRoster)
        Fill_New_Team_Roster(nTeam);
    Set_Team_Default_Playbook(nTeam);
    Reset_Team_Draft_Picks(nTeam);
    return nTeam;
}
