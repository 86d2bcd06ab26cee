// The hand-over from the college draft's last pick to the next season.
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define SETUP_STEPS 100
#define SETUP_CAPTION_SIZE 64
#define DRAFT_HEALING_WEEKS 19

// Next year's picks become the coming draft's, and every team owns its own picks three drafts
// ahead.
static void Move_Draft_Picks_Up_A_Year(void) {
    for (int nYear = 0; nYear + 1 < DRAFT_YEARS; nYear++)
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
            for (int nColumn = 0; nColumn < DRAFT_COLUMNS; nColumn++)
                Set_Draft_Pick_Owner(nYear, nRound, nColumn,
                                     Get_Draft_Pick_Owner(nYear + 1, nRound, nColumn));
    for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
        for (int nColumn = 0; nColumn < DRAFT_COLUMNS; nColumn++)
            Set_Draft_Pick_Owner(DRAFT_YEARS - 1, nRound, nColumn, nColumn);
}

// The prospects nobody drafted become free agents asking the league minimum for one year, as
// the computer's created players do; one that finds no room stays in the pool.
static void Release_Undrafted_Prospects(void) {
    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Get_League_Minimum_Salary(0));
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, 1);
            Release_Player_To_Free_Agents(nTeam, nSlot);
        }
    }
}

void Setup_Next_Season(void) {
    char szCaption[SETUP_CAPTION_SIZE];
    Format_String(szCaption, sizeof(szCaption), "Setting up %d season...", Get_Season_Year());
    int bProgress = Open_Progress_Window(szCaption, SETUP_STEPS);
    Move_Draft_Picks_Up_A_Year();
    Clear_All_Games();
    Step_Progress_Window(2);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        Copy_Team_Totals_To_Previous(nTeam);
        Clear_Team_Current_Totals(nTeam);
    }
    Step_Progress_Window(8);
    Distribute_Free_Agents(bProgress);
    Release_Undrafted_Prospects();
    Manage_Computer_Rosters();
    Step_Progress_Window(4);
    Clear_All_Negative_Experience();
    Step_Progress_Window(10);
    Close_Progress_Window();
    Advance_All_Players_Weeks(DRAFT_HEALING_WEEKS);
    Begin_Next_Season();
    Host_League_Changed(HOST_BARS_UP | HOST_PLAY_MENU);
}
