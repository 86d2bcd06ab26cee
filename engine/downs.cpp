// Down, distance and scoring: what a play's outcome does to the downs, the clock and the score,
// and the red-zone trips counted before each snap.
#include <string.h>

#include "engine/engine.h"

#define FIRST_DOWN_YARDS 10
#define TOUCHDOWN_POINTS 6
#define SAFETY_POINTS 2
#define TWO_POINT_POINTS 2
#define TRY_YARD_LINE 2
#define FREE_KICK_YARD_LINE 80
#define TEAM_STAT_RED_ZONE_TRIPS 1
#define TEAM_STAT_RED_ZONE_TOUCHDOWNS 2
#define TEAM_STAT_RED_ZONE_FIELD_GOALS 3
#define TEAM_STAT_RED_ZONE_START 9

// Every game's red-zone drives by the yard line of the first down that began them inside the 20,
// kept for the developer's red-zone report.
static int s_aanRedZoneCounts[RED_ZONE_COUNT_KINDS][RED_ZONE_LINE + 1];

static void Count_Red_Zone_Drive(GAME* pGame, int bSide, int nKind) {
    int nLine = pGame->aabTeamStats[bSide][TEAM_STAT_RED_ZONE_START];
    if (nLine >= 1 && nLine <= RED_ZONE_LINE)
        s_aanRedZoneCounts[nKind][nLine]++;
}

int Get_Red_Zone_Count(int nKind, int nYardLine) {
    if (nKind < 0 || nKind >= RED_ZONE_COUNT_KINDS || nYardLine < 1 || nYardLine > RED_ZONE_LINE)
        return 0;
    return s_aanRedZoneCounts[nKind][nYardLine];
}

void Clear_Red_Zone_Counts(void) {
    memset(s_aanRedZoneCounts, 0, sizeof(s_aanRedZoneCounts));
}

static int Get_Down(GAME* pGame) {
    return pGame->nFlags & GAME_FLAG_DOWN_MASK;
}

static void Set_Down(GAME* pGame, int nDown) {
    pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | (nDown & GAME_FLAG_DOWN_MASK);
}

static void Repaint_Score_Box(GAME* pGame) {
    if (Is_Game_Watched(pGame))
        Draw_Live_Score_Box(pGame);
}

void Update_Red_Zone_Entry(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nDown = Get_Down(pGame);
    if (nDown > FOURTH_DOWN || pGame->nYardLine > RED_ZONE_LINE)
        return;
    int nTeam = Get_Offensive_Team(pGame);
    if (Get_Team_Stat(nTeam, IN_RED_ZONE) != 0)
        return;
    Set_Team_Stat(nTeam, IN_RED_ZONE, 1);
    int bSide = Get_Offensive_Side(pGame);
    Increment_Game_Team_Stat(pGame, bSide, TEAM_STAT_RED_ZONE_TRIPS);
    Set_Game_Team_Stat(pGame, bSide, TEAM_STAT_RED_ZONE_START,
                       nDown == FIRST_DOWN ? pGame->nYardLine : 0);
    Count_Red_Zone_Drive(pGame, bSide, RED_ZONE_POSSESSIONS);
}

// Both teams' red-zone flags are cleared when a drive ends, with a report for a bad team.
void Reset_Drive_Counters(GAME* pGame) {
    Set_Team_Stat(Get_Offensive_Team(pGame), IN_RED_ZONE, 0);
    Set_Team_Stat(Get_Defensive_Team(pGame), IN_RED_ZONE, 0);
}

static void Place_Kickoff(GAME* pGame) {
    Set_Down(pGame, KICKOFF);
    pGame->nYardLine = (int8_t)Get_Kickoff_Yard_Line();
}

// A try after a touchdown: a run or pass that reaches the goal line scores two; a kick has scored
// already. The scoring team kicks off next.
static void Settle_Try(GAME* pGame, int bSide) {
    int nResult = Get_Play_Result(&pGame->currentPlay);
    if (nResult != RESULT_EXTRA_POINT_GOOD && nResult != RESULT_EXTRA_POINT_MISSED) {
        if (pGame->nYardLine > 0) {
            Set_Play_Result(&pGame->currentPlay, RESULT_TWO_POINT_FAILED);
        } else {
            Add_Game_Score(pGame, bSide, TWO_POINT_POINTS);
            Set_Play_Result(&pGame->currentPlay, RESULT_TWO_POINT_GOOD);
        }
        Repaint_Score_Box(pGame);
    }
    pGame->nPlaySeconds = 1;
    Place_Kickoff(pGame);
}

static void Settle_Field_Goal(GAME* pGame, int bSide) {
    Place_Kickoff(pGame);
    if (Get_Team_Stat(Get_Offensive_Team(pGame), IN_RED_ZONE) != 0) {
        Increment_Game_Team_Stat(pGame, bSide, TEAM_STAT_RED_ZONE_FIELD_GOALS);
        Count_Red_Zone_Drive(pGame, bSide, RED_ZONE_FIELD_GOALS);
        Reset_Drive_Counters(pGame);
    }
}

// The team that conceded kicks from its own 20.
static void Settle_Safety(GAME* pGame, int bSide) {
    Add_Game_Score(pGame, 1 - bSide, SAFETY_POINTS);
    Repaint_Score_Box(pGame);
    Set_Down(pGame, FREE_KICK);
    pGame->nYardLine = FREE_KICK_YARD_LINE;
}

// The red-zone touchdown is counted before the try begins (no game stat changes during a try).
static void Settle_Touchdown(GAME* pGame, int bSide) {
    if (Get_Team_Stat(Get_Offensive_Team(pGame), IN_RED_ZONE) != 0) {
        Increment_Game_Team_Stat(pGame, bSide, TEAM_STAT_RED_ZONE_TOUCHDOWNS);
        Count_Red_Zone_Drive(pGame, bSide, RED_ZONE_TOUCHDOWNS);
        Reset_Drive_Counters(pGame);
    }
    Add_Game_Score(pGame, bSide, TOUCHDOWN_POINTS);
    Repaint_Score_Box(pGame);
    Set_Down(pGame, CONVERSION_ATTEMPT);
    pGame->nYardLine = TRY_YARD_LINE;
}

static void Turn_Over_On_Downs(GAME* pGame, int bSide) {
    if (pGame->nClock > REGULATION_SECONDS)
        Set_Overtime_Possession(pGame, bSide == HOME_SIDE);
    if (!Is_Game_Over(pGame)) {
        pGame->nPossession = pGame->anTeams[1 - bSide];
        pGame->nYardLine = (int8_t)(100 - pGame->nYardLine);
        Set_Down(pGame, FIRST_DOWN);
    }
    Reset_Drive_Counters(pGame);
}

// A play from scrimmage that kept the ball: a first down, the next down or a turnover on downs.
static void Settle_Down(GAME* pGame, int bSide, int nDown, int nToGo) {
    int nResult = Get_Play_Result(&pGame->currentPlay);
    if (nDown == THIRD_DOWN)
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_THIRD_DOWN_TRIES, 1);
    else if (nDown == FOURTH_DOWN)
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_FOURTH_DOWN_TRIES, 1);
    if (pGame->nPlayYards >= nToGo) {
        if (nDown == THIRD_DOWN)
            Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_THIRD_DOWN_MADE, 1);
        else if (nDown == FOURTH_DOWN)
            Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_FOURTH_DOWN_MADE, 1);
        Set_Down(pGame, FIRST_DOWN);
        pGame->nYardsToGo = (int8_t)Min_Int(pGame->nYardLine, FIRST_DOWN_YARDS);
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_FIRST_DOWNS, 1);
        return;
    }
    int nNext = nResult == RESULT_PENALTY ? nDown : nDown + 1;
    Set_Down(pGame, nNext);
    pGame->nYardsToGo = (int8_t)(nToGo - pGame->nPlayYards);
    if (nNext == TURNOVER_ON_DOWNS)
        Turn_Over_On_Downs(pGame, bSide);
    else if (nNext > TURNOVER_ON_DOWNS)
        Report_Error(
            "Invalid Down Number: %d (CONVERSION_ATTEMPT = 11)\nResult:%d\nPlay Yards:%d\n"
            "Yardline:%d\n",
            nNext, nResult, pGame->nPlayYards, pGame->nYardLine);
}

void Advance_Down_And_Distance(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bSide = Get_Offensive_Side(pGame);
    int nDown = Get_Down(pGame);
    int nToGo = pGame->nYardsToGo;
    if (nDown == CONVERSION_ATTEMPT)
        pGame->nPlaySeconds = 0;
    else
        pGame->nPlaySeconds = (int8_t)Min_Int(pGame->nPlaySeconds, Get_Period_Seconds_Left(pGame));
    pGame->nClock = (int16_t)(pGame->nClock + pGame->nPlaySeconds);
    Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_POSSESSION_SECONDS, pGame->nPlaySeconds);
    int bChanged = (pGame->nFlags & GAME_FLAG_POSSESSION_CHANGED) != 0;
    if (bChanged) {
        Set_Down(pGame, FIRST_DOWN);
        Reset_Drive_Counters(pGame);
    }
    pGame->nYardLine = (int8_t)(pGame->nYardLine - pGame->nPlayYards);
    int nResult = Get_Play_Result(&pGame->currentPlay);
    if (nDown == CONVERSION_ATTEMPT)
        Settle_Try(pGame, bSide);
    else if (nResult == RESULT_FIELD_GOAL_GOOD)
        Settle_Field_Goal(pGame, bSide);
    else if (nResult == RESULT_SAFETY)
        Settle_Safety(pGame, bSide);
    else if (pGame->nYardLine <= 0)
        Settle_Touchdown(pGame, bSide);
    else if (nDown == KICKOFF || nDown == FREE_KICK || nDown == CHANGED_HANDS_BY_KICK)
        Set_Down(pGame, FIRST_DOWN);
    else if (!bChanged)
        Settle_Down(pGame, bSide, nDown, nToGo);
    if (Get_Down(pGame) == FIRST_DOWN && Get_Play_Result(&pGame->currentPlay) != RESULT_PENALTY)
        pGame->nYardsToGo = (int8_t)Min_Int(pGame->nYardLine, FIRST_DOWN_YARDS);
    Append_Play_To_Log(pGame);
}
