// The play loop: the coin toss and opening kickoff, then plays until the game ends or the advance
// stops.
#include "engine/engine.h"
#include "engine/playbook_facts_internal.h"

#define EXTRA_POINT_CALL HARD_CODED_FIELD_GOAL_PLAY
#define FULL_CIRCLE 360
#define HALF_CIRCLE 180
#define YARD_LINE_MIN 1
#define YARD_LINE_MAX 99

static int Is_Advance_Running(void) {
    return gSimulationRunning && gCurrentWeek < gRunTargetWeek;
}

// The wind angle is turned to read from the kicking team's end; indoors it stays -1.
static void Orient_Wind_To_Kicking_Team(GAME* pGame) {
    int nAngle = pGame->anInfo[GAME_INFO_WIND_ANGLE];
    if (nAngle < 0)
        return;
    int bHomeKicks = Get_Offensive_Side(pGame) == HOME_SIDE;
    if ((bHomeKicks && nAngle < HALF_CIRCLE) || (!bHomeKicks && nAngle > HALF_CIRCLE))
        pGame->anInfo[GAME_INFO_WIND_ANGLE] = (int16_t)(FULL_CIRCLE - nAngle);
}

// The coin toss picks the team that kicks off: bit 14 set, the visitor.
static void Toss_Coin(GAME* pGame) {
    int bVisitorKicks = Random_Below(2);
    if (bVisitorKicks)
        pGame->nFlags |= GAME_FLAG_VISITOR_KICKS_OFF;
    else
        pGame->nFlags &= ~GAME_FLAG_VISITOR_KICKS_OFF;
    pGame->nPossession = pGame->anTeams[bVisitorKicks ? VISITOR_SIDE : HOME_SIDE];
}

static void Finish_Game(GAME* pGame) {
    gSkipToQuarter = 0;
    Enable_Derived_Stat_Cache();
    if (pGame->nClock > REGULATION_SECONDS)
        Write_Period_Header(pGame);
    Publish_Game_Closed();
    if (Is_Game_Watched(pGame))
        Draw_Live_Score_Box(pGame);
    gLiveGame = NULL;
    Host_League_Changed(HOST_PLAY_MENU);
}

// A new game's coin toss and kickoff, or a stopped one taken up again; then its plays. 1 when the
// game ended.
static int Play_Open_Game(GAME* pGame) {
    if (gResumeAdvance) {
        gResumeAdvance = 0;
    } else {
        Toss_Coin(pGame);
        Orient_Wind_To_Kicking_Team(pGame);
        Reset_Game_Play_Uses();
        Fill_Play_Matchup_Table(pGame);
        Set_Up_Kickoff(pGame);
        if (Are_Game_Texts_Kept())
            Publish_Game_Started(pGame);
    }
    Run_Game_Plays(pGame);
    if (!Is_Advance_Running())
        return 0;
    Finish_Game(pGame);
    return 1;
}

int Begin_Game(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    Set_Live_Lineup_Refill(Set_Game_Lineups);
    gLiveGame = pGame;
    Open_Playbook_Facts(pGame);
    int bFinished = Play_Open_Game(pGame);
    Close_Playbook_Facts();
    return bFinished;
}

// The result word of the play takes the situation at the snap.
static void Store_Snap_Situation(GAME* pGame) {
    pGame->nYardLine = (int8_t)Clamp(pGame->nYardLine, YARD_LINE_MIN, YARD_LINE_MAX);
    uint32_t uWord = (uint32_t)(pGame->nFlags & GAME_FLAG_DOWN_MASK) |
                     ((uint32_t)(uint8_t)pGame->nYardsToGo << PLAY_WORD_TO_GO_SHIFT) |
                     ((uint32_t)(uint8_t)pGame->nYardLine << PLAY_WORD_YARD_LINE_SHIFT);
    PLAY* pPlay = &pGame->currentPlay;
    pPlay->nResult = (int32_t)(((uint32_t)pPlay->nResult & ~0xFFFFFFu) | uWord);
}

// A try from the kicking formation is placed at the extra-point line.
int Get_Extra_Point_Line(void) {
    static const int EXTRA_POINT_LINES[5] = {2, 15, 20, 25, 30};
    return gExtraPointLine >= 0 && gExtraPointLine < 5 ? EXTRA_POINT_LINES[gExtraPointLine] : 2;
}

static void Count_Play_Calls(GAME* pGame) {
    if ((pGame->nFlags & GAME_FLAG_DOWN_MASK) > FOURTH_DOWN)
        return;
    Record_Offensive_Play_Use(Get_Offensive_Side(pGame), pGame->currentPlay.nOffensiveCall);
    Record_Defensive_Play_Use(Get_Defensive_Side(pGame), pGame->currentPlay.nDefensiveCall);
}

void Run_Game_Plays(GAME* pGame) {
    if (pGame == NULL)
        return;
    while (Is_Advance_Running() && !Is_Game_Over(pGame)) {
        Reset_Current_Play(pGame);
        Update_Red_Zone_Entry(pGame);
        Store_Snap_Situation(pGame);
        Set_Default_Formations(pGame);
        Open_Snap_Memo(pGame);
        int nOffenceCall = Choose_Offensive_Play(pGame);
        int nDefenceCall = Choose_Defensive_Play(pGame);
        Close_Snap_Memo();
        if (Is_Game_Watched(pGame) && gSkipToQuarter <= 0) {
            Take_Watched_Play_Calls(pGame, nOffenceCall, nDefenceCall);
        } else {
            pGame->currentPlay.nOffensiveCall = (int8_t)nOffenceCall;
            pGame->currentPlay.nDefensiveCall = (int8_t)nDefenceCall;
            Pump_Messages();
        }
        if ((pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT &&
            pGame->currentPlay.nOffensiveCall == EXTRA_POINT_CALL)
            pGame->nYardLine = (int8_t)Get_Extra_Point_Line();
        Count_Play_Calls(pGame);
        Run_Play(pGame);
        if (gSkipToQuarter > 0 &&
            (Get_Game_Quarter(pGame) >= gSkipToQuarter || Is_Game_Over(pGame)))
            gSkipToQuarter = 0;
        if (Is_Game_Watched(pGame))
            Show_Watched_Play(pGame);
    }
}
