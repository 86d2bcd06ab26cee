// A watched game: the human coach's play calls, the animation of each play and the click that
// starts the next one. The game-day screen takes its turns through the host services; a game with
// no watched team never waits or draws.
#include "engine/engine.h"

#define GAMES_PAGE 40086
#define EXTRA_POINT_CALL HARD_CODED_FIELD_GOAL_PLAY
#define NO_CALL (-1)

enum PLAY_CALL_STAGE {
    STAGE_NO_GAME = 0,
    STAGE_OFFENCE_CALLS = 1,
    STAGE_DEFENCE_CALLS = 2,
    STAGE_KICKOFF_CALL = 3,
    STAGE_CALLS_MADE = 4
};

int Is_Game_Watched(GAME* pGame) {
    if (pGame == NULL || !gSimulationRunning)
        return 0;
    return Get_Calendar_PBP_Flag(pGame->anTeams[VISITOR_SIDE], gCurrentWeek) ||
           Get_Calendar_PBP_Flag(pGame->anTeams[HOME_SIDE], gCurrentWeek);
}

GAME* Get_Displayed_Game(void) {
    if (gLiveGame != NULL && Is_Game_Watched(gLiveGame))
        return gLiveGame;
    return gSelectedGame == -1 ? NULL : Get_Game_Record(gSelectedGame);
}

void Set_Fast_Forward(int n) {
    gSkipToQuarter = n == 0 ? 0 : Get_Game_Quarter(gLiveGame) + n;
}

int Is_Fast_Forwarding(void) {
    return gSkipToQuarter > 0;
}

int Get_Animation_Frame_Time(void) {
    if (Is_Fast_Forwarding())
        return 0;
    return Max_Int(2 * gTextDisplaySpeed, 1);
}

// The game-day screen waits for the click that starts the next play.
int Is_Waiting_For_Click(void) {
    return gWaitingForClick && gCurrentPage == GAMES_PAGE && !Is_Fast_Forwarding();
}

int Get_Touchback_Yard_Line(void) {
    return gKickoffTouchbackLine == 1 ? 75 : 80;
}

int Get_Coin_Toss_Bit(GAME* pGame) {
    return pGame != NULL && (pGame->nFlags & GAME_FLAG_VISITOR_KICKS_OFF) != 0;
}

static int Is_Kickoff_Down(GAME* pGame) {
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    return nDown == KICKOFF || nDown == FREE_KICK;
}

// A punt or field-goal call needs no defensive call from the person.
static int Is_Kicking_Call(GAME* pGame, int nCall) {
    int nType = Get_Offensive_Play_Type(Get_Offensive_Team(pGame), nCall);
    return nType == PLAY_PUNT || nType == PLAY_FIELD_GOAL;
}

static int Is_Defensive_Call_Needed(GAME* pGame) {
    return !Is_Kickoff_Down(pGame) && !Is_Kicking_Call(pGame, pGame->currentPlay.nOffensiveCall);
}

int Is_Waiting_For_Play_Calls(GAME* pGame) {
    if (!Is_Game_Watched(pGame) || Is_Fast_Forwarding() || gCurrentPage != GAMES_PAGE)
        return 0;
    return pGame->currentPlay.nOffensiveCall == NO_CALL ||
           (pGame->currentPlay.nDefensiveCall == NO_CALL && Is_Defensive_Call_Needed(pGame));
}

int Get_Play_Call_Stage(void) {
    GAME* pGame = gLiveGame;
    if (pGame == NULL)
        return STAGE_NO_GAME;
    if (pGame->currentPlay.nOffensiveCall == NO_CALL)
        return Is_Kickoff_Down(pGame) ? STAGE_KICKOFF_CALL : STAGE_OFFENCE_CALLS;
    if (pGame->currentPlay.nDefensiveCall == NO_CALL && Is_Defensive_Call_Needed(pGame))
        return STAGE_DEFENCE_CALLS;
    return STAGE_CALLS_MADE;
}

void Redraw_Main_Window(void) {
    Host_League_Changed(HOST_REPAINT);
}

// The computer's calls go in for the sides the person does not call; for the others the call
// stays open and its category is suggested.
static void Store_Offensive_Call(GAME* pGame, int nCall) {
    if (!Is_Human_Team(Get_Offensive_Team(pGame)) || gAutomaticOffensivePlays == 1)
        pGame->currentPlay.nOffensiveCall = (int8_t)nCall;
    else
        gOffensiveSelectorPage = nCall / 10;
}

static void Store_Defensive_Call(GAME* pGame, int nCall) {
    if (!Is_Human_Team(Get_Defensive_Team(pGame)) || gAutomaticDefensivePlays == 1 ||
        !Is_Defensive_Call_Needed(pGame))
        pGame->currentPlay.nDefensiveCall = (int8_t)nCall;
    else
        gDefensiveSelectorPage = nCall / 10;
}

void Make_Computer_Play_Calls(void) {
    GAME* pGame = gLiveGame;
    if (pGame == NULL)
        return;
    Store_Offensive_Call(pGame, Choose_Offensive_Play(pGame));
    Store_Defensive_Call(pGame, Choose_Defensive_Play(pGame));
    Redraw_Main_Window();
}

// The calls of a watched play: the person's sides wait on the Games page for the play selector.
void Take_Watched_Play_Calls(GAME* pGame, int nOffenceCall, int nDefenceCall) {
    Disable_Derived_Stat_Cache();
    Host_League_Changed(HOST_PLAY_MENU);
    if (gCurrentPage != GAMES_PAGE)
        Show_League_Page(GAMES_PAGE);
    gPickedOffensivePlay = NO_CALL;
    gPickedDefensivePlay = NO_CALL;
    int bTry = (pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT;
    if (bTry && !Ask_Two_Point_Try(pGame))
        pGame->currentPlay.nOffensiveCall = EXTRA_POINT_CALL;
    else
        Store_Offensive_Call(pGame, nOffenceCall);
    Store_Defensive_Call(pGame, nDefenceCall);
    Host_Watch_Game(HOST_WATCH_PLAY_CALLS, pGame);
    if (pGame->currentPlay.nOffensiveCall == NO_CALL)
        pGame->currentPlay.nOffensiveCall = (int8_t)nOffenceCall;
    if (pGame->currentPlay.nDefensiveCall == NO_CALL)
        pGame->currentPlay.nDefensiveCall = (int8_t)nDefenceCall;
}

// Waits on the normal message loop until the person clicks on, the page changes or fast-forward
// starts.
void Wait_For_Next_Play(void) {
    Host_Watch_Game(HOST_WATCH_NEXT_PLAY, gLiveGame);
}

// Only a person's game waits for the click.
void Show_Watched_Play(GAME* pGame) {
    Redraw_Main_Window();
    if (Is_Fast_Forwarding())
        return;
    Host_Watch_Game(HOST_WATCH_ANIMATE, pGame);
    if (Is_Human_Team(pGame->anTeams[VISITOR_SIDE]) || Is_Human_Team(pGame->anTeams[HOME_SIDE]))
        Wait_For_Next_Play();
    Host_Watch_Game(HOST_WATCH_FINAL_FRAME, pGame);
}

// Which human side calls a timeout: asked when both are human.
int Choose_Timeout_Team(GAME* pGame) {
    if (pGame == NULL)
        return -1;
    int bVisitorHuman = Is_Human_Team(pGame->anTeams[VISITOR_SIDE]);
    int bHomeHuman = Is_Human_Team(pGame->anTeams[HOME_SIDE]);
    if (bVisitorHuman && bHomeHuman) {
        char szVisitor[TEAM_STRING_SIZE];
        char szHome[TEAM_STRING_SIZE];
        Get_Team_Short_Name(pGame->anTeams[VISITOR_SIDE], szVisitor, sizeof(szVisitor));
        Get_Team_Short_Name(pGame->anTeams[HOME_SIDE], szHome, sizeof(szHome));
        int nAnswer = User_Message_Dialog("Which team?", "Which team calls the timeout?", "",
                                          szVisitor, szHome, "");
        return nAnswer == IDYES || nAnswer == IDOK ? VISITOR_SIDE : HOME_SIDE;
    }
    if (bHomeHuman)
        return HOME_SIDE;
    return bVisitorHuman ? VISITOR_SIDE : -1;
}
