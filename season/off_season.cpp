// The hand-over from a finished season to the next: the season's reports and books closed,
// contracts renewed or ended, every player a year older, training by last season's record, the
// year's league history, the new season number and the college draft's prompt.
#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define OFF_SEASON_PROGRESS_STEPS 100
#define AFTER_DRAFT_PLAYER_WEEKS 11
#define TRAINING_BASE_PER_MILLE 500
#define TRAINING_DIVISOR 50
#define TRAINING_DIVISOR_PER_LEVEL 10
#define TRAINING_EFFECT 2
#define EXPIRING_YEARS_LEFT 1
#define SORT_REPAIR_OVERALL 25
#define LAST_SORTED_SLOT 98
#define SEASON_NUMBER_LIMIT YEARLY_ROWS  // the season rows of a team: seasons 0..99

// ---- contracts ----------------------------------------------------------------------------------

int Is_Contract_Expiring_Now(int nTeam, int nSlot) {
    return nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT && Is_Season_Complete() &&
           Is_Player_Slot_Used(nTeam, nSlot) &&
           Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= EXPIRING_YEARS_LEFT;
}

int Count_Expiring_Contracts(int nTeam) {
    int nCount = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        nCount += Is_Contract_Expiring_Now(nTeam, nSlot);
    return nCount;
}

// The answer is the last human-run team's, as the renewal notices go team by team.
int Any_Team_Has_Expiring_Contracts(void) {
    int bExpiring = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Human_Team(nTeam))
            bExpiring = Count_Expiring_Contracts(nTeam) > 0;
    }
    return bExpiring;
}

// Overall at his own position plus potential, whole numbers; a broken overall is rolled anew.
static int Get_Roster_Sort_Value(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if ((int)Compute_Position_Rating(nTeam, nSlot, nPosition) < SORT_REPAIR_OVERALL)
        Generate_Player_Ratings(nTeam, nSlot);
    return (int)Compute_Position_Rating(nTeam, nSlot, nPosition) +
           (int)Get_Player_Potential(nTeam, nSlot);
}

// Best first; equal values keep their order. Empty slots are left where they are.
void Sort_Roster_By_Value(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return;
    int anValues[PLAYERS_PER_TEAM];
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        anValues[nSlot] =
            Is_Player_Slot_Used(nTeam, nSlot) ? Get_Roster_Sort_Value(nTeam, nSlot) : 0;
    for (int i = 0; i <= LAST_SORTED_SLOT; i++) {
        for (int j = i + 1; j < PLAYERS_PER_TEAM; j++) {
            if (!Is_Player_Slot_Used(nTeam, i) || !Is_Player_Slot_Used(nTeam, j) ||
                anValues[i] >= anValues[j])
                continue;
            if (Swap_Players(nTeam, i, nTeam, j)) {
                int nValue = anValues[i];
                anValues[i] = anValues[j];
                anValues[j] = nValue;
            }
        }
    }
}

static void Tidy_Computer_Roster(int nTeam) {
    Trim_Roster(nTeam);
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++)
        Fill_Depth_Chart_Unit(nUnit, nTeam, 0);
    Choose_Team_Returners(nTeam);
    Sort_Team_Roster_Units(nTeam);
    Compact_Team_Roster(nTeam);
}

void Renew_Team_Contracts(int nTeam) {
    int bLeagueTeam = nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT;
    int bHuman = Is_Human_Team(nTeam);
    if (!bHuman && (bLeagueTeam || Is_Free_Agent_Team(nTeam) || Is_Draft_Pool_Team(nTeam)))
        Sort_Roster_By_Value(nTeam);
    // The team's own contracts: another team's expiring ones are no news to this one.
    if (bHuman && Count_Expiring_Contracts(nTeam) == 0) {
        char szLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(nTeam, szLabel, sizeof(szLabel));
        Show_Message_Box("Renew Contracts", "The %s do not have any expiring contracts.", szLabel);
    }
    // A player who leaves his slot leaves another player (or none) in it: look again.
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        while (Is_Player_Slot_Used(nTeam, nSlot) && !Advance_Player_Year(nTeam, nSlot)) {
        }
    }
    if (bLeagueTeam && !bHuman && Is_Team_Active(nTeam))
        Tidy_Computer_Roster(nTeam);
}

// ---- the team's year-end ------------------------------------------------------------------------

// Each last-season field and the field of this season it takes.
static const int kLastSeasonFinances[][2] = {
    {FIN_PROJECTED_LEAGUE_PAYMENTS, FIN_LEAGUE_PAYMENTS},
    {FIN_PROJECTED_ATTENDANCE, FIN_HOME_ATTENDANCE},
    {FIN_PROJECTED_GATE, FIN_GATE_REVENUE},
    {FIN_FOOD_PROJECTION, FIN_FOOD_NET},
    {FIN_BEVERAGE_PROJECTION, FIN_BEVERAGE_NET},
    {FIN_SOUVENIR_PROJECTION, FIN_SOUVENIR_NET},
    {FIN_PROJECTED_CITY_COSTS, FIN_CITY_COSTS},
    {FIN_PROJECTED_PAYROLL_COSTS, FIN_PAYROLL_COSTS},
    {FIN_PROJECTED_OPERATING_COSTS, FIN_OPERATING_COSTS},
    {FIN_PROJECTED_SPENDING_A, FIN_SPENDING_A_TOTAL},
    {FIN_PROJECTED_SPENDING_B, FIN_SPENDING_B_TOTAL},
    {FIN_SEASON_HOME_GAMES, FIN_HOME_GAMES},
    {FIN_SEASON_GAMES, FIN_GAMES},
};

void Roll_Over_Team_Year(int nTeam) {
    int nSeason = Get_Current_Season_Index();
    Set_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINANCE_A,
                        Get_Team_Financial_Stat(nTeam, FIN_HOME_ATTENDANCE));
    Set_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINANCE_B,
                        Get_Team_Financial_Stat(nTeam, FIN_PROFIT));
    Store_Team_Season_Finish(nTeam);
    for (const auto& pair : kLastSeasonFinances)
        Set_Team_Financial_Stat(nTeam, pair[0], Get_Team_Financial_Stat(nTeam, pair[1]));
}

void Close_Team_Year(int nTeam) {
    Renew_Team_Contracts(nTeam);
    Roll_Over_Team_Year(nTeam);
    Update_Team_Fan_Support(nTeam);
    Clear_Previous_Financial_Stats(nTeam);
}

// ---- players ------------------------------------------------------------------------------------

void Apply_Team_Training(int nTeam, int nModifier) {
    if (nModifier == 0)
        return;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot))
            Modify_And_Fix_Predicted_Line(nTeam, nSlot, nModifier, TRAINING_EFFECT, 1);
    }
}

// A team at .500 trains even; a winning team loses ground, a losing one gains.
int Get_Team_Training_Modifier(int nTeam) {
    int nDivisor = TRAINING_DIVISOR - TRAINING_DIVISOR_PER_LEVEL * gDifficulty;
    if (nDivisor == 0)
        return 0;
    return (TRAINING_BASE_PER_MILLE - Get_Team_Winning_Percentage(nTeam)) / nDivisor;
}

void Clear_Team_Season_Record(int nTeam) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        Copy_Player_Season_Kind(nTeam, nSlot, SEASON_CURRENT, SEASON_PREVIOUS);
        Clear_Player_Season_Stats(nTeam, nSlot, SEASON_CURRENT);
    }
}

// ---- the hand-over ------------------------------------------------------------------------------

static int Count_Computer_Teams(void) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nCount += Is_Team_Active(nTeam) && !Is_Human_Team(nTeam);
    return nCount;
}

static void Close_Human_Team_Years(void) {
    int bSeveral = Count_Human_Teams() > 1;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Human_Team(nTeam))
            continue;
        if (bSeveral) {
            char szLabel[TEAM_LABEL_SIZE];
            Get_Team_Label(nTeam, szLabel, sizeof(szLabel));
            Show_Message_Box("Contract Renewals",
                             "The %s are renewing contracts and releasing players.", szLabel);
        }
        Close_Team_Year(nTeam);
    }
}

static void Close_Computer_Team_Years(void) {
    int nStep = (OFF_SEASON_PROGRESS_STEPS - 1) / Max_Int(1, Count_Computer_Teams());
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam) || Is_Human_Team(nTeam))
            continue;
        Close_Team_Year(nTeam);
        Tidy_Computer_Roster(nTeam);
        Step_Progress_Window(nStep);
    }
}

void Apply_League_Training(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Apply_Team_Training(nTeam, Get_Team_Training_Modifier(nTeam));
    }
}

int Is_All_Teams_Computer(void) {
    return gAllTeamsComputer != 0;
}

static void Close_Season_Stats_And_Train(void) {
    for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        if (Is_Valid_Team(nTeam))
            Clear_Team_Season_Record(nTeam);
    }
    Apply_League_Training();
}

static int Ask_To_Begin_Draft(void) {
    if (Is_All_Teams_Computer())
        return 1;
    return Do_Message_Box(
               "The College Draft is ready to begin.\n\nPress 'Yes' to begin the "
               "draft.\nPress 'No' to pause so that you can sign free agents or "
               "trade draft picks before the draft.",
               "Begin College Draft?", MB_YESNO) == IDYES;
}

static void Offer_College_Draft(void) {
    if (!Ask_To_Begin_Draft()) {
        Show_Message_Box("College Draft", "%s",
                         "To start the College Draft, choose 'Start Draft' from the Play Menu.");
        return;
    }
    Log_Timestamp("Off-Season Finished");
    Compute_Draft_Order();
    Host_League_Changed(HOST_PLAY_MENU);
    Host_League_Changed(HOST_BARS_DOWN);
    Open_College_Draft();
}

int Can_Open_Next_Season(void) {
    return gSeasonNumber + 1 < SEASON_NUMBER_LIMIT;
}

int Check_Next_Season_Allowed(void) {
    if (Can_Open_Next_Season())
        return 1;
    Show_Message_Box("Season Limit",
                     "This league has played its last season: a league holds %d seasons, so no "
                     "new season can begin.",
                     SEASON_NUMBER_LIMIT);
    return 0;
}

void Process_Off_Season(void) {
    if (!Check_Next_Season_Allowed())
        return;
    Compute_Position_Need_Averages();
    Publish_Season_Closed();
    Renew_Team_Contracts(FREE_AGENT_TEAM);
    Close_Human_Team_Years();
    Open_Progress_Window("Processing Offseason...", OFF_SEASON_PROGRESS_STEPS);
    Step_Progress_Window(1);
    Close_Computer_Team_Years();
    Close_Season_Stats_And_Train();
    Close_Progress_Window();
    Pump_Messages();
    int nNewYear = Get_Season_Year() + 1;
    Apply_League_History_Events(nNewYear);
    Apply_League_Expansion(nNewYear);
    gSeasonNumber++;
    gCurrentWeek = OFF_SEASON_WEEK;
    Set_Current_Week(gCurrentWeek);
    Rebuild_Player_Name_Hash();
    Rebuild_Ostrel_ID_Hash();
    Rebuild_Player_ID_Hash();
    Offer_College_Draft();
    Host_League_Changed(HOST_PLAY_MENU);
    for (int nWeek = 0; nWeek < AFTER_DRAFT_PLAYER_WEEKS; nWeek++)
        Advance_All_Players_One_Week();
}
