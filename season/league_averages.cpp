// League-wide averages of team figures.
#include "core/core.h"
#include "database/database.h"
#include "season/season.h"

#define ORDINARY_LEAGUE 1000
#define USUAL_CAP_ROOM_SHARE 60  // per mille of the cap
#define DERIVED_COMPLETION_RATE 101
#define LEAGUE_AVERAGES 4

// The league's mean cap room against the usual six per cent of the cap, in thousandths: 1000
// when teams keep the usual room, less when they spend more. A league spending past the cap
// counts as 0, so that the market never pushes a salary below two thirds of its worth.
int Get_League_Average_Team_Stat_Scaled(void) {
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    long long llRoom = 0;
    int nTeams = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        llRoom += Get_Team_Financial_Stat(nTeam, FIN_CAP_ROOM);
        nTeams++;
    }
    if (nTeams == 0 || nCap <= 0)
        return ORDINARY_LEAGUE;
    int nMeanRoom = (int)(llRoom / nTeams * 1000);
    int nShare = Mul_Div(1000, nMeanRoom, nCap);
    int nScaled = Mul_Div(1000, nShare, USUAL_CAP_ROOM_SHARE);
    return nScaled > 0 ? nScaled : 0;
}

static int Ratio_Or_Zero(int nScale, int nAmount, int nCount) {
    return nCount != 0 ? Mul_Div(nScale, nAmount, nCount) : 0;
}

void Update_League_Averages(void) {
    static const int16_t DEFAULTS[LEAGUE_AVERAGES] = {420, 625, 1120, 2350};
    for (int n = 0; n < LEAGUE_AVERAGES; n++)
        gLeagueAverages[n] = DEFAULTS[n];
    if (Count_League_Games_Played() == 0)
        return;
    auto Total = [](int nCategory, int nStat) {
        return Get_League_Totals_Stat(nCategory, TOTALS_CURRENT, nStat);
    };
    gLeagueAverages[0] =
        (int16_t)Ratio_Or_Zero(100, Total(TOTALS_CATEGORY_RUSHING, TOTALS_STAT_RUSHING_YARDS),
                               Total(TOTALS_CATEGORY_RUSHING, TOTALS_STAT_RUSHES));
    gLeagueAverages[1] = (int16_t)Total(TOTALS_CATEGORY_PASSING, DERIVED_COMPLETION_RATE);
    gLeagueAverages[2] =
        (int16_t)Ratio_Or_Zero(100, Total(TOTALS_CATEGORY_PASSING, TOTALS_STAT_PASSING_YARDS),
                               Total(TOTALS_CATEGORY_PASSING, TOTALS_STAT_COMPLETIONS));
    gLeagueAverages[3] =
        (int16_t)Ratio_Or_Zero(1000, Total(TOTALS_CATEGORY_PASSING, TOTALS_STAT_PASSING_YARDS),
                               Total(TOTALS_CATEGORY_RUSHING, TOTALS_STAT_RUSHING_YARDS) +
                                   Total(TOTALS_CATEGORY_PASSING, TOTALS_STAT_RUSHING_YARDS));
}
