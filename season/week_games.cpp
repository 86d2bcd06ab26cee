// One week's games: every home team of the week starts its game in a free game record; each
// finished game is recorded, its gate counted, the standings and the bracket brought forward and
// the score ticker and the screen refreshed.
#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "season/season.h"

// The pages are painted anew, and the main window and both bars repainted.
void Repaint_Season_Windows(void) {
    Host_League_Changed(HOST_REDRAW_PAGE | HOST_REPAINT | HOST_REPAINT_BARS);
}

static int Is_Advance_Stopped(void) {
    return !gSimulationRunning || gCurrentWeek >= gRunTargetWeek;
}

// The record the home team's game is played in: the resumed one, else the next free one.
static int Take_Game_Record(void) {
    int nIndex = gResumeAdvance ? gGameNumber : Count_Stored_Games();
    return nIndex >= 0 && nIndex < GAME_COUNT ? nIndex : NO_GAME_INDEX;
}

static void Finish_Week_Game(GAME* pGame, int nWeek, int nFinished) {
    Record_Game_Result(pGame, nWeek);
    if (nWeek >= Get_First_Playoff_Week())
        Record_Playoff_Result(pGame);
    Record_Game_Gate_Revenue(pGame);
    Update_Standings();
    if (gCurrentWeek < Get_First_Playoff_Week())
        Seed_Playoff_Teams();
    Update_Score_Ticker(pGame, nFinished);
    Repaint_Season_Windows();
    Draw_Live_Score_Box(pGame);
    Pump_Messages();
}

// A game the advance stopped inside is played again from its kickoff: what it credited so far
// is taken back and its record and schedule rows are free again.
static void Take_Back_Stopped_Game(GAME* pGame, int nHome, int nVisitor, int nWeek) {
    if (!Take_Back_Game_Credits(nHome, nVisitor))
        return;
    Clear_Game(pGame);
    Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_GAME_INDEX, NO_GAME_INDEX);
    Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_GAME_INDEX, NO_GAME_INDEX);
}

void Play_Week_Games(void) {
    int nTeams = Count_Active_Teams();
    int nWeek = gCurrentWeek;
    Clear_Score_Ticker();
    Enable_Derived_Stat_Cache();
    Update_League_Averages();
    int nFinished = 0;
    for (int nHome = 0; nHome < nTeams && nWeek < SCHEDULE_WEEKS; nHome++) {
        int nCode = Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT);
        int nIndex = Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_GAME_INDEX);
        if (nCode <= 0 || (nIndex >= 0 && Is_Stored_Game_Over(nIndex)))
            continue;
        nIndex = Take_Game_Record();
        if (nIndex == NO_GAME_INDEX) {
            Report_Error("No free game record in Play_Week_Games() for week %d", nWeek);
            break;
        }
        int nVisitor = nCode - 1;
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_GAME_INDEX, nIndex);
        Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_GAME_INDEX, nIndex);
        gGameNumber = nIndex;
        GAME* pGame = Get_Game_Record(nIndex);
        if (!gResumeAdvance)
            Keep_Game_Credits(nHome, nVisitor);
        if (Play_Game(nHome, nVisitor, nWeek, pGame))
            Finish_Week_Game(pGame, nWeek, nFinished++);
        else if (pGame != NULL && !Is_Game_Over(pGame))
            Take_Back_Stopped_Game(pGame, nHome, nVisitor, nWeek);
        if (Is_Advance_Stopped())
            break;
    }
    Disable_Derived_Stat_Cache();
    Sanity_Check_Player_IDs();
}
