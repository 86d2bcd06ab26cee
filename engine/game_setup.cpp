// Setting up a game: the record, the players who can be credited, weather, crowd, line-ups and
// starters, then the game itself.
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "resources/resource.h"

#define STAT_GAMES_STARTED 1
#define DEFENCE_3_4 1

static int Is_Home_Team_Playable(int nTeam) {
    if (nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT)
        return Get_Team_Stat(nTeam, TEAM_CONTROL) != CONTROL_NOT_IN_USE;
    return nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
}

int Play_Game(int nHome, int nVisitor, int nWeek, GAME* pGame) {
    if (pGame == NULL)
        return 0;
    if (!gResumeAdvance) {
        Clear_Game(pGame);
        if (Is_Home_Team_Playable(nHome) && nWeek >= 0 && nWeek < SCHEDULE_WEEKS)
            pGame->anInfo[GAME_INFO_KICKOFF] =
                (int16_t)Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_KICKOFF);
        pGame->anTeams[HOME_SIDE] = (int8_t)nHome;
        pGame->anTeams[VISITOR_SIDE] = (int8_t)nVisitor;
        pGame->anInfo[GAME_INFO_POINT_SPREAD] =
            (int16_t)(Compute_Point_Spread(nVisitor, nHome) + GAME_INFO_OFFSET);
        pGame->anInfo[GAME_INFO_OVER_UNDER] =
            (int16_t)(Compute_Over_Under(nVisitor, nHome) + GAME_INFO_OFFSET);
    } else if (Is_Game_Over(pGame)) {
        return 0;
    }
    if (!Is_Home_Team_Playable(nHome) || !Is_Valid_Team(nVisitor)) {
        Report_Error("Invalid TNUM parameter to Play_Game(%d,%d,%d,)", nHome, nVisitor, nWeek);
        return 0;
    }
    Check_Team_Returners(nHome);
    Check_Team_Returners(nVisitor);
    if (!gResumeAdvance) {
        if ((Is_Human_Team(nHome) || Is_Human_Team(nVisitor)) && gSkipPregameDialog != 1)
            Host_Open_Dialog(IDD_GAME_MATCHUP, nHome, nVisitor);
        Snapshot_Game_Player_Ids(pGame);
        Prepare_Game(pGame);
        Write_Game_Html_Head(pGame);
    }
    return Begin_Game(pGame);
}

void Snapshot_Game_Player_Ids(GAME* pGame) {
    if (pGame == NULL)
        return;
    for (int bSide = VISITOR_SIDE; bSide <= HOME_SIDE; bSide++)
        for (int nSlot = 0; nSlot < GAME_ROSTER_SLOTS; nSlot++)
            pGame->aanRosterIds[bSide][nSlot] = Get_Player_ID(pGame->anTeams[bSide], nSlot);
}

void Clear_On_Field_Markers(GAME* pGame) {
    if (pGame == NULL)
        return;
    for (int bSide = VISITOR_SIDE; bSide <= HOME_SIDE; bSide++)
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Player_Slot_Used(pGame->anTeams[bSide], nSlot))
                Set_Player_Vital_Stat(pGame->anTeams[bSide], nSlot, VITAL_ON_FIELD, 0);
}

void Prepare_Game(GAME* pGame) {
    if (pGame == NULL)
        return;
    pGame->anInfo[GAME_INFO_WEEK] = (int16_t)gCurrentWeek;
    pGame->anInfo[GAME_INFO_YEAR] =
        (int16_t)(Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber);
    Set_Game_Weather(pGame);
    Set_Game_Attendance(pGame);
    Set_Game_Lineups(pGame);
    Credit_Game_Starters(pGame);
    Clear_On_Field_Markers(pGame);
}

// Backups take over once the game is decided, except for a person's team in a watched game.
// 1 when every spot of every formation was filled.
int Set_Side_Lineups(GAME* pGame, int nSide) {
    if (pGame == NULL || (nSide != VISITOR_SIDE && nSide != HOME_SIDE))
        return 0;
    int nTeam = pGame->anTeams[nSide];
    int bPersonWatches = Is_Game_Watched(pGame) && Is_Human_Team(nTeam);
    int nMode =
        Should_Rest_Starters(pGame) && !bPersonWatches ? LINEUP_MODE_REST_QB : LINEUP_MODE_STARTERS;
    return Fill_Team_Formation_Lineups(nTeam, nMode);
}

void Set_Game_Lineups(GAME* pGame) {
    Set_Side_Lineups(pGame, VISITOR_SIDE);
    Set_Side_Lineups(pGame, HOME_SIDE);
}

static int Get_Base_Offensive_Formation(int nTeam) {
    int nSystem = Get_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM);
    static const int BASE_FORMATIONS[4] = {1, 4, 7, 18};
    return BASE_FORMATIONS[Clamp(nSystem, 0, 3)];
}

static int Get_Base_Defensive_Formation(int nTeam) {
    return Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME) == DEFENCE_3_4 ? FORMATION_3_4
                                                                      : FORMATION_4_3;
}

// The players of a base formation's line-up each get a game started; an empty spot is skipped.
static void Credit_Formation_Starters(GAME* pGame, int nTeam, int nFormation) {
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        int nId = Get_Team_Formation_Lineup(nTeam, nFormation)[nSpot];
        if (nId <= 0)
            continue;
        int nFoundTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        if (!Get_Player_By_ID(&nFoundTeam, &nSlot, nId) || nFoundTeam != nTeam) {
            Report_Error("Bad nPlayer %d,%d in Credit_Game_Starters()", nTeam, nId);
            continue;
        }
        Credit_Player_Game_Event(nTeam, pGame, nSlot, -1, STAT_GAMES_STARTED, 1);
    }
}

void Credit_Game_Starters(GAME* pGame) {
    if (pGame == NULL)
        return;
    for (int bSide = VISITOR_SIDE; bSide <= HOME_SIDE; bSide++) {
        int nTeam = pGame->anTeams[bSide];
        if (!Is_Valid_Player_Index(nTeam, 0) || !Is_Home_Team_Playable(nTeam)) {
            Report_Error("Bad nPlayer %d,%d in Credit_Game_Starters()", nTeam, -1);
            continue;
        }
        Credit_Formation_Starters(pGame, nTeam, Get_Base_Offensive_Formation(nTeam));
        Credit_Formation_Starters(pGame, nTeam, Get_Base_Defensive_Formation(nTeam));
    }
}
