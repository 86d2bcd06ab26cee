// The season records of a loaded league, recounted from its schedule and stored games.
#include "database/database.h"

// ---- season records from the schedule ----------------------------------------------------------

// Writes both teams of every scheduled game into its game record.
static void Set_Game_Teams_From_Schedule(int nTeam) {
    for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
        int64_t nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
        GAME* pGame = Get_Game_Record(Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX));
        int64_t nOpponent = (nCode > 0 ? nCode : -nCode) - 1;
        if (nCode == 0 || !pGame || nOpponent >= LEAGUE_TEAM_COUNT)
            continue;
        int nHomeSide = nCode > 0 ? HOME_SIDE : VISITOR_SIDE;
        pGame->anTeams[nHomeSide] = (int8_t)nTeam;
        pGame->anTeams[1 - nHomeSide] = (int8_t)nOpponent;
    }
}

static void Count_Team_Season_Record(int nTeam) {
    int nWeeks = Min_Int(gCurrentWeek, Get_Postseason_Week(0));
    const struct {
        int nStat;
        int nCount;
    } kCounts[] = {
        {YEARLY_WINS, Count_Team_Wins(nTeam, nWeeks)},
        {YEARLY_LOSSES, Count_Team_Losses(nTeam, nWeeks)},
        {YEARLY_TIES, Count_Team_Ties(nTeam, nWeeks)},
        {YEARLY_HOME_WINS, Count_Team_Home_Wins(nTeam)},
        {YEARLY_HOME_LOSSES, Count_Team_Home_Losses(nTeam)},
        {YEARLY_HOME_TIES, Count_Team_Home_Ties(nTeam)},
        {YEARLY_PLAYOFF_WINS, Count_Team_Playoff_Wins(nTeam)},
        {YEARLY_PLAYOFF_LOSSES, Count_Team_Playoff_Losses(nTeam)},
    };
    for (const auto& count : kCounts)
        Set_Team_Yearly_Char(nTeam, gSeasonNumber, count.nStat, count.nCount);
}

// In the off-season the schedule still holds the finished season's games while the current row
// is already the next season's: the saved rows are kept then.
void Rebuild_Records_From_Schedule(void) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Set_Game_Teams_From_Schedule(nTeam);
    if (gCurrentWeek == OFF_SEASON_WEEK)
        return;
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Count_Team_Season_Record(nTeam);
}
