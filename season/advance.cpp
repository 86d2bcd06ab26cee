// The advance command: weeks played one after another up to a target week, with the finances,
// the computer manager, the players' weekly changes, the record book and the bracket brought
// forward around each week; the off-season hand-over once the champion is decided; the start of
// a season; whole seasons played unattended; and stopping a running advance.
#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define AUTO_SAVE_FILE "[Auto Save].vnt"
#define AUTO_SAVE_EVERY 4       // weeks
#define TRADE_DEADLINE_WEEK 12  // computer trades happen before this week
#define TRADE_ATTEMPTS_A_WEEK 3
#define ADVANCE_SEASON_WEEKS 22     // Through Playoffs
#define MAX_DRAFT_POOL_TO_KEEP 100  // a smaller pool is made anew after the regular season
#define NEWS_PAGE 40030
#define PLAYOFFS_PAGE 40069
#define CHAMPIONS_PAGE 40074
#define CALENDAR_PAGE 40036
#define TIMELINE_FIRST_ENTRY 176  // four season-timeline entries
#define SEASON_START_STEPS 20

static int gUnattendedAdvance = 0;

void Set_Unattended_Advance(int bUnattended) {
    gUnattendedAdvance = bUnattended != 0;
}

static int Get_Last_Postseason_Week(void) {
    return Get_Postseason_Week(POSTSEASON_WEEK_COUNT - 1);
}

int Is_Simulation_Running(void) {
    return gSimulationRunning && gCurrentWeek < gRunTargetWeek;
}

int Is_Advance_In_Progress(void) {
    return gAdvanceInProgress;
}

int Get_Target_Week(void) {
    return gRunTargetWeek;
}

int Is_Past_Postseason(void) {
    return gCurrentWeek > Get_Last_Postseason_Week();
}

static void Show_Current_Week(void) {
    Set_Current_Week(gCurrentWeek);
}

// The weeks after the regular season: each new week's playoff round is scheduled; a week whose
// round holds no game is passed over, and a week past the last postseason week ends the season.
static void Enter_Postseason_Week(void) {
    if (gCurrentWeek == Get_First_Playoff_Week()) {
        Seed_Playoff_Teams();
        if (gCurrentPage == NEWS_PAGE)
            Show_League_Page(PLAYOFFS_PAGE);
    }
    while (Schedule_Next_Playoff_Round() == 0 && gCurrentWeek <= Get_Last_Postseason_Week()) {
        gCurrentWeek++;
        Show_Current_Week();
    }
}

// The steps after a played week, before the week counter moves on.
static void Close_Week(int nPlayedWeek) {
    Pay_Weekly_League_Revenue();
    Update_Weekly_Record_Book();
    Advance_All_Players_Weeks(nPlayedWeek == Get_Postseason_Week(3) ? 2 : 1);
    Set_Computer_Depth_Charts(0);
    Manage_Computer_Rosters();
    if (gCurrentWeek < TRADE_DEADLINE_WEEK) {
        Rank_Teams_By_Record();
        for (int n = 0; n < TRADE_ATTEMPTS_A_WEEK; n++)
            Run_Computer_Trades();
        gRunTradeAttempts += TRADE_ATTEMPTS_A_WEEK;
        Propose_Computer_Trade();
    }
}

static void Run_Week_Loop(void) {
    gSimulationRunning = 1;
    Show_Current_Week();
    if (!gResumeAdvance)
        Set_Computer_Depth_Charts(0);
    while (gSimulationRunning && gCurrentWeek < gRunTargetWeek) {
        if (!gResumeAdvance) {
            Compute_League_Wealth_Index();
            Compute_Weekly_League_Revenue();
            Auto_Sign_Free_Agents();
            Set_Computer_Run_Pass_Balance();
            Take_Career_Snapshot(CAREER_SNAPSHOT_BEFORE);
        }
        int nWeek = gCurrentWeek;
        Play_Week_Games();
        // A stop during the week leaves it uncounted, to be played again in full.
        if (!gSimulationRunning || gCurrentWeek >= gRunTargetWeek)
            break;
        Close_Week(nWeek);
        gCurrentWeek++;
        Show_Current_Week();
        if (gCurrentWeek >= Get_First_Playoff_Week())
            Enter_Postseason_Week();
    }
    Log_Debug_Line("Return TDs (Interception):     %3d\nReturn TDs (Fumble Receovery): %3d",
                   Get_Universe_Stat(UNIVERSE_INT_RETURN_TDS),
                   Get_Universe_Stat(UNIVERSE_FUMBLE_RETURN_TDS));
    gResumeAdvance = 0;
    gSimulationRunning = 0;
    Show_Current_Week();
}

// The steps that end every advance, whatever it did.
static void Finish_Advance(void) {
    Set_Computer_Depth_Charts(0);
    Report_And_Clear_User_Injuries();
    Host_League_Changed(HOST_PLAY_MENU);
    // The off-season week has no regular season behind it: its draft is already under way.
    if (gCurrentWeek >= Get_Postseason_Week(0) && gCurrentWeek != OFF_SEASON_WEEK) {
        Update_Record_Book(RECORD_BOOK_SEASON);
        if (Count_Draft_Pool_Players() <= MAX_DRAFT_POOL_TO_KEEP)
            Reset_Draft_Pool();
        Compute_Draft_Order();
        gDraftYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber + 1;
    }
    if (Is_Season_Complete()) {
        if (Get_Best_User_Team() != NO_TEAM)
            Show_League_Page(CHAMPIONS_PAGE);
        Clear_Suspensions();
    }
    gSkipPregameDialog = 0;
    Repaint_Season_Windows();
    Host_League_Changed(HOST_PLAY_MENU | HOST_TICKER_LINES);
    gAdvanceInProgress = 0;
    gRunTargetWeek = 0;
    gScoutingRadius = 0;
}

int Advance_Weeks(int nWeeks) {
    if (gAdvanceInProgress)
        return 0;
    gRunTradeAttempts = 0;
    gAdvanceInProgress = 1;
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= 1) {
        Show_Message_Box("Fantasy Draft", "%s",
                         "Football Vanto can't play games during the Fantasy Draft.\n\nTo abort "
                         "the Fantasy Draft (or finish it automatically), choose \"End Fantasy "
                         "Draft...\" from the Tools Menu.");
        gAdvanceInProgress = 0;
        return 0;
    }
    // The draft order of a finished season is computed once, here.
    int bSeasonComplete = Is_Season_Complete();
    if (bSeasonComplete && !Check_Next_Season_Allowed()) {
        gAdvanceInProgress = 0;
        return 0;
    }
    if (bSeasonComplete)
        Compute_Draft_Order();
    if (gCommissionerMode && !gUnattendedAdvance &&
        Do_Message_Box("Would you like to turn Commissioner Mode off before proceeding?",
                       "Commissioner Mode", MB_YESNO | MB_ICONQUESTION) == IDYES)
        Set_Commissioner_Mode(0);
    gRunTargetWeek = (int16_t)(gCurrentWeek + nWeeks);
    Host_League_Changed(HOST_PLAY_MENU | HOST_TICKER_SCORES);
    Repaint_Season_Windows();
    if (gAutoSave && !gUnattendedAdvance && gCurrentWeek % AUTO_SAVE_EVERY < nWeeks &&
        Save_Game_File(AUTO_SAVE_FILE, NULL) != SAVE_OK)
        Show_Message_Box("Auto Save", "Football Vanto could not auto-save the game file!\n\n%s",
                         Get_Save_Failure_Reason());
    int nFirstPlayoffWeek = Get_First_Playoff_Week();
    if (gRunTargetWeek > nFirstPlayoffWeek && gCurrentWeek < nFirstPlayoffWeek)
        gRunTargetWeek = (int16_t)nFirstPlayoffWeek;
    if (gRunTargetWeek > Get_Last_Postseason_Week() + 1)
        gRunTargetWeek = (int16_t)(Get_Last_Postseason_Week() + 1);
    if (bSeasonComplete) {
        Log_Timestamp("Off-Season Started");
        Process_Off_Season();
        // A person's league is kept under its own name as each season ends; the seasons that the
        // computer plays for every team (the tools that simulate them) are not saved.
        if (!gUnattendedAdvance && !gAllTeamsComputer)
            Auto_Save_Game();
    } else if (gCurrentWeek != OFF_SEASON_WEEK) {
        Run_Week_Loop();
    }
    Finish_Advance();
    return 0;
}

void Start_Season(int bFromDraft) {
    Log_Debug_Line("Start_Season()");
    gCurrentWeek = 0;
    Show_Current_Week();
    Open_Progress_Window("Processing Off-Season", SEASON_START_STEPS);
    if (bFromDraft)
        Install_Team_Logos();
    else
        Step_Progress_Window(5);
    gDraftRound = NO_DRAFT_ROUND;
    static const int kTimelineStart[] = {0, 0, 1, 1};
    for (int n = 0; n < 4; n++)
        PREFERENCE_ENTRY(TIMELINE_FIRST_ENTRY + n) = kTimelineStart[n];
    Clear_Playoff_Bracket();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Clear_Season_Team_Records(nTeam);
    }
    Update_Standings();
    Seed_Playoff_Teams();
    Step_Progress_Window(1);
    Show_League_Page(NEWS_PAGE);
    Show_Current_Week();
    Purge_Unreferenced_Season_Lines();
    Step_Progress_Window(2);
    Auto_Sign_Free_Agents();
    Step_Progress_Window(1);
    Set_Computer_Depth_Charts(0);
    Step_Progress_Window(5);
    if (gSeasonNumber != 0)
        Check_Computer_Team_Rosters();
    Step_Progress_Window(2);
    Set_Computer_Run_Pass_Balance();
    Step_Progress_Window(2);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        Average_Position_Needs(nPosition);
    Step_Progress_Window(2);
    Close_Progress_Window();
    Pump_Messages();
    // The week queries find games by their stored week: last season's records must go.
    Clear_All_Games();
    Create_Season_Schedule();
    gRunTargetWeek = (int16_t)gCurrentWeek;
}

// A league that imports ratings takes the new season's file first, when there is one.
void Begin_Next_Season(void) {
    if (Get_Ratings_Import_Setting())
        Load_Season_Player_Ratings(0);
    Update_All_Team_Prices(0);
    Distribute_Free_Agents(0);
    Apply_Season_Rules();
    Start_Season(1);
}

// Whole seasons, every team run by the computer; Stop ends them after the running week.
void Simulate_Seasons(int nSeasons) {
    int nTarget = gSeasonNumber + nSeasons;
    gAllTeamsComputer = 1;
    while (gSeasonNumber < nTarget && gAllTeamsComputer == 1) {
        int nSeason = gSeasonNumber;
        int nWeek = gCurrentWeek;
        Advance_Weeks(ADVANCE_SEASON_WEEKS);
        if (gSeasonNumber == nSeason && gCurrentWeek == nWeek)
            break;  // refused: the league's last season is over
    }
    gAllTeamsComputer = 0;
}

// The game shown play by play: the live one of a running advance, else the selected stored one.
static GAME* Get_Watched_Game(void) {
    if (gAdvanceInProgress && gLiveGame != NULL && Is_Game_Watched(gLiveGame))
        return gLiveGame;
    return gSelectedGame >= 0 ? Get_Game_Record(gSelectedGame) : NULL;
}

void Stop_Watching_Game(void) {
    GAME* pGame = Get_Watched_Game();
    if (!gAdvanceInProgress || pGame == NULL)
        return;
    int nWeek = Get_Game_Info(pGame, GAME_INFO_WEEK);
    int nHome = pGame->anTeams[HOME_SIDE], nVisitor = pGame->anTeams[VISITOR_SIDE];
    if (!Get_Calendar_PBP_Flag(nHome, nWeek) && !Get_Calendar_PBP_Flag(nVisitor, nWeek))
        return;
    if (nWeek >= 0 && nWeek < SCHEDULE_WEEKS && nVisitor <= FREE_AGENT_TEAM)
        Set_Calendar_PBP_Flag(nWeek, nHome, 0);
    pGame->currentPlay.nOffensiveCall = (int8_t)Choose_Offensive_Play(pGame);
    pGame->currentPlay.nDefensiveCall = (int8_t)Choose_Defensive_Play(pGame);
    Show_League_Page(CALENDAR_PAGE);
}

void Stop_Simulation(void) {
    Stop_Watching_Game();
    gAllTeamsComputer = 0;
    gRunTargetWeek = (int16_t)(gCurrentWeek + 1);
    gRunTradeAttempts = 0;
}

// After a saved game is opened with no week in progress.
void Refresh_Main_Window_After_Resume(void) {
    Repaint_Season_Windows();
    Host_League_Changed(HOST_PLAY_MENU | HOST_TICKER_LINES);
}
