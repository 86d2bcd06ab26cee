// A league played for some seasons turned into a new league whose first season is the current one:
// what the block can hold of the past stays (season lines with their years, last season's and
// career lines, the record book, the Hall of Fame, the draft history), the team rows of earlier
// seasons, which are indexed by season number, go.
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "tools/tools.h"

// The player's lines of the season about to start, which no game has written yet.
static void Erase_Current_Year_Lines(int nTeam, int nSlot, int nYear) {
    for (int n = Count_Player_Season_Links(nTeam, nSlot) - 1; n >= 0; n--) {
        if (Get_Season_Line_Year(Get_Player_Season_Line(nTeam, nSlot, n)) == nYear)
            Erase_Player_Season_Line(nTeam, nSlot, n);
    }
}

static void Clear_Current_Season_Players(int nYear) {
    Clear_All_Current_Season_Stats();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Erase_Current_Year_Lines(nTeam, nSlot, nYear);
        }
    }
    Reset_Current_Season_Line_Cache();
}

static void Clear_Team_Yearly_Rows(int nTeam) {
    for (int nSeason = 0; nSeason < YEARLY_ROWS; nSeason++) {
        for (int nByte = 0; nByte < YEARLY_CHAR_BYTES; nByte++)
            Set_Team_Yearly_Char(nTeam, nSeason, nByte, 0);
        for (int nInt = 0; nInt < YEARLY_INT_COUNT; nInt++)
            Set_Team_Yearly_Int(nTeam, nSeason, nInt, 0);
    }
}

int Rebase_League_To_Current_Season(void) {
    int nYear = Get_Season_Year();
    int nSeasonsDropped = gSeasonNumber;
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
    gSeasonNumber = 0;
    gCurrentWeek = 0;
    gRunTargetWeek = 0;
    gDraftRound = NO_DRAFT_ROUND;
    Clear_Current_Season_Players(nYear);
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Clear_Team_Yearly_Rows(nTeam);
    }
    Update_Standings();
    Complete_League_Predicted_Stats();
    return nSeasonsDropped;
}
