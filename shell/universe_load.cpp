// Opening a league: the file is read, then the tables outside the block are rebuilt, the
// rosters cleaned, the upgrades and repairs run and the season records recounted.
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define CALENDAR_YEAR_SEASON 100  // a season number this large holds a calendar year
#define CALENDAR_YEAR_BASE 1998

static void Rebuild_Player_Hashes(void) {
    Rebuild_Player_Name_Hash();
    Rebuild_Ostrel_ID_Hash();
    Rebuild_Player_ID_Hash();
}

// ---- after every load ---------------------------------------------------------------------------

static int Is_Draft_Pool_Refill_Due(void) {
    return Count_Draft_Pool_Players() == 0 && !Is_College_Draft_On() &&
           gCurrentWeek < Get_Postseason_Week(0);
}

void Run_Load_Steps(int nVersion) {
    Run_New_Game_Defaults_Upgrade(nVersion);
    Rebuild_Player_Hashes();
    Remove_Invalid_Position_Players();
    Run_Roster_Upgrades(nVersion);
    // From now on a player who changes teams gets a career line for his new team.
    Set_Shuffling_Players(1);
    Purge_Unreferenced_Season_Lines();
    Run_Version_Upgrade_Chain(nVersion);
    if (Is_Draft_Pool_Refill_Due())
        Reset_Draft_Pool();
    Rebuild_Records_From_Schedule();
    Compute_Draft_Order();
    Set_Statistics_First_Year();
    gAllTeamsComputer = 0;
    Rebuild_Team_Records();
}

int Load_Game_File(const char* szPath) {
    int nVersion = 0;
    if (!Read_Game_File(szPath, &nVersion))
        return 0;
    Run_Load_Steps(nVersion);
    return 1;
}

// A failed load leaves the league that was there, still loaded and shown as it was; the reader
// has said why in one box.
int Load_Universe(const char* szPath) {
    int bWasLoaded = gDatabaseLoaded;
    int nTeamCount = gActiveTeamCount;
    gActiveTeamCount = -1;
    gDatabaseLoaded = 0;
    if (!Load_Game_File(szPath)) {
        gActiveTeamCount = nTeamCount;
        gDatabaseLoaded = bWasLoaded;
        return 0;
    }
    gLiveGame = NULL;
    gDatabaseLoaded = 1;
    if (gSeasonNumber >= CALENDAR_YEAR_SEASON) {
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, CALENDAR_YEAR_BASE);
        gSeasonNumber -= CALENDAR_YEAR_BASE;
    }
    Set_User_Preference(PREF_RUN_TRADE_ATTEMPTS, 0);
    gSkipToQuarter = 0;
    Sort_Teams_By_Name();
    gActiveTeamCount = Count_Active_Teams();
    Rebuild_Player_Hashes();
    Set_Draft_Menu_Items(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= 1);
    // The slots that may enter the book are those of the league just read.
    Update_Record_Book(RECORD_BOOK_CAREER | RECORD_BOOK_RESET_ELIGIBILITY);
    Repair_Missing_Ratings();
    Sanity_Check_Player_IDs();
    Repair_Player_Speed();
    Mark_League_Unchanged();
    return 1;
}
