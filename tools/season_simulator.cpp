// The season simulator: the current season played to its end many times from one starting state,
// the league put back after each, and every team's finishes, record, points and finances added up
// in "Simulator.dat" across runs.
#include <stddef.h>
#include <string.h>

#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "tools/tools.h"

#define SIMULATOR_PROGRESS_STEPS 20  // per simulated season
#define SIMULATOR_WEEK_STEPS 18      // single weeks, then the rest of the regular season at once
#define SIMULATOR_REST_WEEKS 22

static_assert(sizeof(SIMULATOR_RECORD) == SIMULATOR_RECORD_SIZE);
static_assert(offsetof(SIMULATOR_RECORD, anGamesPlayed) == 1300);
static_assert(offsetof(SIMULATOR_RECORD, anPointsAllowed) == 1876);
static_assert(offsetof(SIMULATOR_RECORD, anRevenue) == 6824);
static_assert(offsetof(SIMULATOR_RECORD, anAttendance) == 7400);

static int gSimulatorSeason = 0;  // the season under way, from 0
static int gSimulatorTarget = 0;  // the seasons asked for; 0 while no run is on

int Get_Season_Simulator_Progress(int* pnSeason, int* pnTarget) {
    *pnSeason = gSimulatorTarget > 0 ? gSimulatorSeason + 1 : 0;
    *pnTarget = gSimulatorTarget;
    return gSimulatorTarget > 0;
}

int Reset_Simulator_Data(void) {
    static const SIMULATOR_RECORD kZero = {};
    FILE* pFile = Platform_Open_File(SIMULATOR_FILE, "wb");
    if (!pFile)
        return 0;
    int bWritten = fwrite(&kZero, sizeof(kZero), 1, pFile) == 1;
    return fclose(pFile) == 0 && bWritten;
}

// A missing file is made zeroed first; a short one is replaced by a zeroed one and the zeroed
// record used.
int Read_Simulator_Data(SIMULATOR_RECORD* pRecord) {
    memset(pRecord, 0, sizeof(*pRecord));
    FILE* pFile = Platform_Open_File(SIMULATOR_FILE, "rb");
    if (!pFile && Reset_Simulator_Data())
        pFile = Platform_Open_File(SIMULATOR_FILE, "rb");
    if (!pFile) {
        Show_Message_Box("File Error", "Couldn't open \"%s\".", SIMULATOR_FILE);
        return SIMULATOR_READ_FAILED;
    }
    int bWhole = fread(pRecord, sizeof(*pRecord), 1, pFile) == 1;
    fclose(pFile);
    if (bWhole)
        return SIMULATOR_READ_WHOLE;
    memset(pRecord, 0, sizeof(*pRecord));
    Reset_Simulator_Data();
    return SIMULATOR_READ_RESET;
}

// Counter [5] for the division winner, [3] [2] [1] for the next places, [0] for the rest.
static int Get_Division_Place_Counter(int nPlace) {
    static const int kCounters[] = {5, 3, 2, 1};
    return nPlace >= 0 && nPlace < 4 ? kCounters[nPlace] : 0;
}

static void Add_Team_Season(SIMULATOR_RECORD* pRecord, int nTeam) {
    pRecord->anWins[nTeam] += Get_Team_Wins(nTeam);
    pRecord->anLosses[nTeam] += Get_Team_Losses(nTeam);
    pRecord->anGamesPlayed[nTeam] += Get_Team_Games_Played(nTeam);
    pRecord->anPointsScored[nTeam] += Sum_Team_Points(nTeam, 1);
    pRecord->anPointsAllowed[nTeam] += Sum_Team_Points(nTeam, 0);
    int nFinish = Record_Team_Season_Finish(nTeam);
    int32_t* pnFinishes = pRecord->aanFinishes[nTeam];
    if (nFinish >= 6 && nFinish < SIMULATOR_FINISH_COUNT)
        pnFinishes[nFinish]++;
    if (nFinish >= 4)
        pnFinishes[4]++;
    pnFinishes[Get_Division_Place_Counter(Get_Team_Division_Standing(nTeam))]++;
    pRecord->anRevenue[nTeam] += Get_Team_Financial_Stat(nTeam, FIN_REVENUE);
    pRecord->anProfit[nTeam] += Get_Team_Financial_Stat(nTeam, FIN_PROFIT);
    pRecord->anAttendance[nTeam] += Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_HOME_ATTENDANCE);
}

// The finished season added to the file; a file that cannot be opened leaves it unrecorded.
static void Record_Simulated_Season(int nTeams) {
    SIMULATOR_RECORD record;
    if (Read_Simulator_Data(&record) == SIMULATOR_READ_FAILED)
        return;
    for (int nTeam = 0; nTeam < nTeams && nTeam < SIMULATOR_TEAM_COUNT; nTeam++)
        Add_Team_Season(&record, nTeam);
    record.nSeasons++;
    FILE* pFile = Platform_Open_File(SIMULATOR_FILE, "wb");
    int bWritten = pFile && fwrite(&record, sizeof(record), 1, pFile) == 1;
    if (pFile && fclose(pFile) != 0)
        bWritten = 0;
    if (!bWritten)
        Show_Message_Box("File Error", "Couldn't open \"%s\" for writing.", SIMULATOR_FILE);
}

// One season from the starting state to the champion, every team run by the computer. Stop clears
// gAllTeamsComputer, which abandons the season unrecorded.
static void Simulate_One_Season(int nTeams) {
    gCommissionerMode = 0;  // the computer manager runs every team
    gSkipPregameDialog = 1;
    Set_All_Teams_Computer();
    gAllTeamsComputer = 1;
    Host_League_Changed(HOST_TITLE);
    for (int n = 0; n < SIMULATOR_WEEK_STEPS; n++) {
        if (gCurrentWeek < Get_Postseason_Week(0))
            Advance_Weeks(1);
        Step_Progress_Window(1);
    }
    if (gCurrentWeek < Get_Postseason_Week(0))
        Advance_Weeks(SIMULATOR_REST_WEEKS);
    Step_Progress_Window(1);
    // A season already decided is recorded as it stands: advancing it would start the off-season.
    if (gAllTeamsComputer && !Is_Season_Complete())
        Advance_Weeks(SIMULATOR_REST_WEEKS);
    if (gAllTeamsComputer)
        Record_Simulated_Season(nTeams);
}

void Run_Season_Simulator(int nSeasons) {
    if (nSeasons < 1)
        return;
    // Nothing can be played during a fantasy draft: say so once, not at every simulated week.
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= 1) {
        Show_Message_Box("Season Simulator", "%s",
                         "Football Vanto can't simulate seasons during the Fantasy Draft.");
        return;
    }
    // After the hand-over there is no season left to play until the next one starts.
    if (gCurrentWeek == OFF_SEASON_WEEK) {
        Show_Message_Box("Season Simulator", "%s",
                         "The season is over: start the next season before simulating it.");
        return;
    }
    int nTeams = Count_Active_Teams();
    Log_Debug_Line("gnSeasons=nSeasons %d", nSeasons);
    SAVED_STATE* pSnapshot = Take_League_Snapshot();
    if (!pSnapshot) {
        Show_Message_Box("Season Simulator",
                         "There is not enough memory to keep a copy of the league while the "
                         "seasons are simulated.");
        return;
    }
    gSimulatorTarget = nSeasons;
    char szCaption[64];
    Format_String(szCaption, sizeof(szCaption), "Simulating %d Season%s", nSeasons,
                  nSeasons > 1 ? "s" : "");
    Open_Progress_Window(szCaption, nSeasons * SIMULATOR_PROGRESS_STEPS);
    Set_Unattended_Advance(1);
    for (gSimulatorSeason = 0; gSimulatorSeason < gSimulatorTarget; gSimulatorSeason++) {
        Simulate_One_Season(nTeams);
        Step_Progress_Window(1);
        Restore_League_Snapshot(pSnapshot);
    }
    Set_Unattended_Advance(0);
    Free_League_Snapshot(pSnapshot);
    gSimulatorTarget = 0;
    gSimulatorSeason = 0;
    Host_League_Changed(HOST_TITLE | HOST_REDRAW_PAGE | HOST_REPAINT | HOST_PLAY_MENU);
    Close_Progress_Window();
    Write_Simulator_Report(SIMULATOR_REPORT_TEXT);
    Write_Simulator_Report(SIMULATOR_REPORT_CSV);
}
