// Small league rules read by many screens: rank grades and the trading deadline.

#include "core/core.h"
#include "database/database.h"

#define LAST_TRADING_WEEK 11

// A letter-grade index 0..13 for a league rank (0 = best).
int Get_Rank_Grade(int nRank) {
    int nTeams = Count_Active_Teams();
    return Clamp(7 + Mul_Div(6, nTeams - 2 * nRank - 1, nTeams), 0, 13);
}

int Are_Trades_Allowed(void) {
    return gCommissionerMode || gCurrentWeek <= LAST_TRADING_WEEK ||
           gCurrentWeek == OFF_SEASON_WEEK || Is_Season_Complete();
}
