// Ratio and sum statistics derived from a player's stored statistics (ids 100..173) and the
// passer rating. Rates are per mille, averages in hundredths or tenths as noted.
#include "core/core.h"
#include "database/database.h"
#include "database/player_stats_internal.h"

#define PASSER_COMPONENT_MAX 2375
#define PASSER_RATING_MAX 1583
#define DEFENCE_TOTALS_CATEGORY 1

// ---- the passer rating's four components, each 0..2375 ---------------------------------------

static int Passer_Completion_Score(int nCompletionRate)
{
    return Clamp(5 * nCompletionRate - 1500, 0, PASSER_COMPONENT_MAX);
}

static int Passer_Yards_Score(int nYardsPerAttempt)
{
    return Clamp(Mul_Div(nYardsPerAttempt - 300, 25, 10), 0, PASSER_COMPONENT_MAX);
}

static int Passer_Touchdown_Score(int nTouchdownRate)
{
    return Clamp(20 * nTouchdownRate, 0, PASSER_COMPONENT_MAX);
}

static int Passer_Interception_Score(int nInterceptionRate)
{
    return Clamp(PASSER_COMPONENT_MAX - 25 * nInterceptionRate, 0, PASSER_COMPONENT_MAX);
}

// The passer rating in tenths, 0..1583. Every ratio is 0 without attempts.
int Compute_Passer_Rating(int nAttempts, int nCompletions, int nYards, int nTouchdowns,
                          int nInterceptions)
{
    int nSum = Passer_Completion_Score(Mul_Div(nCompletions, 1000, nAttempts)) +
               Passer_Yards_Score(Mul_Div(nYards, 100, nAttempts)) +
               Passer_Touchdown_Score(Mul_Div(nTouchdowns, 1000, nAttempts)) +
               Passer_Interception_Score(Mul_Div(nInterceptions, 1000, nAttempts));
    return Clamp(nSum / 6, 0, PASSER_RATING_MAX);
}

// ---- the derived ids ---------------------------------------------------------------------------

// x × k / y rounded half away from zero; 0 when y is 0.
static int Ratio(int x, int y, int k)
{
    return Mul_Div(x, k, y);
}

int Get_Ratio_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat)
{
    auto S = [=](int nId) { return Get_Player_Stat(nTeam, nSlot, nSeason, nId); };
    auto H = [](int nId) { return Get_Historical_Average_Stat(nId, Get_Season_Year()); };
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nGroup = Get_Position_Group(nPosition);
    int bQuarterback = nPosition == POS_QB;
    int bKicker = nGroup == GROUP_KICKERS;
    int bReceiver = nPosition >= POS_RB && nPosition <= POS_WR;

    switch (nStat) {
    case 100:
        return Max_Int((S(102) + S(104) + S(106) + S(108)) / 6, 0);
    case 101:
        return Ratio(S(3), S(2), 1000);
    case 102:
        return Passer_Completion_Score(S(101));
    case 103:
        return Ratio(S(5), S(2), 100);
    case 104:
        return Passer_Yards_Score(S(103));
    case 105:
        return Ratio(S(6), S(2), 1000);
    case 106:
        return bQuarterback ? Passer_Touchdown_Score(S(105)) : 0;
    case 107:
        return bQuarterback ? Ratio(S(4), S(2), 1000) : 0;
    case 108:
        return bQuarterback ? Passer_Interception_Score(S(107)) : 0;
    case 109:
        return Ratio(S(5), S(3), 100);
    case 110:
        return bQuarterback ? Ratio(S(5), S(0), 10) : 0;
    case 111:
        return S(7) + S(10);
    case 112:
        return Ratio(S(8), S(7), 100);
    case 113:
        return Ratio(S(11), S(10), 10);
    case 114:
        return bReceiver ? Ratio(S(6), S(10), 10) : 0;
    case 115:
        return Ratio(S(3), S(2), 10);
    case 118:
        return Ratio(S(15), S(14), 10);
    case 119:
        return Ratio(S(18), S(17), 10);
    case 120:
        return bKicker ? Ratio(S(9), S(8), 1000) : 0;
    case 121:
        return bKicker ? S(11) + S(13) + S(15) + S(17) : 0;
    case 122:
        return bKicker ? S(10) + S(12) + S(14) + S(16) : 0;
    case 123:
        return bKicker ? Ratio(S(121), S(122), 1000) : 0;
    case 124:
    case 125:
    case 126:
    case 127: {
        // Made over attempted in one distance band: stats 10/11, 12/13, 14/15, 16/17.
        int nAttempts = 10 + 2 * (nStat - 124);
        return bKicker ? Ratio(S(nAttempts + 1), S(nAttempts), 1000) : 0;
    }
    case 128:
        return bKicker ? Ratio(S(11) + S(13), S(10) + S(12), 1000) : 0;
    case 129:
        return bKicker ? Ratio(S(15) + S(17), S(14) + S(16), 1000) : 0;
    case 130:
        return nGroup == GROUP_SKILL ? S(11) + S(8) : 0;
    case 131:
        return S(130) + S(141);
    case 132:
        return S(12) + S(9);
    case 136:
        return S(122) + S(2);
    case 137:
        return S(130) + S(5) + S(141);
    case 138:
        return bKicker ? 0 : S(132) + S(142);
    case 139:
        return bKicker ? 3 * S(121) + S(9) : 6 * S(132) + 6 * S(142);
    case 140:
        return S(14) + S(17);
    case 141:
        return S(15) + S(18);
    case 142:
        return S(16) + S(19);
    case 143:
        return 5 * S(4);
    case 144:
        return 25 * S(4);
    case 145:
        return Ratio(25 * S(4), S(0), 1);
    case 146:
        return Ratio(S(147), S(0), 10);
    case 147:
        return S(2) + S(3);
    case 148:
        if (nSeason == SEASON_CAREER)
            return Get_Career_Reception_Rate(nTeam, nSlot);
        return Ratio(S(10), S(4), 1000);
    case 153:
        return Ratio(S(11), S(10), 1000);
    case 160:
        return 10 * S(2) + 5 * S(3);
    case 161: {
        int nTeamShare = Get_Team_Totals_Stat(nTeam, DEFENCE_TOTALS_CATEGORY, nSeason, 160) +
                         Get_Team_Totals_Stat(nTeam, DEFENCE_TOTALS_CATEGORY, nSeason, 143);
        return Ratio(S(160) + S(143), nTeamShare, 100);
    }
    case 170:
        return bQuarterback ? Clamp(Ratio(S(109), H(109), 3000) - 2000, 0, 2000) : 0;
    case 171:
        return Ratio(S(105), H(105), 1000);
    case 172:
        return bQuarterback ? Ratio(S(101), H(101), 1000) : 0;
    case 173: {
        if (!bQuarterback)
            return 0;
        int nRelative = Ratio(S(107), H(107), 1000);
        return nRelative <= 2000 ? 2000 - nRelative : 0;
    }
    default:
        return Report_Unknown_Player_Stat(nTeam, nSlot, nSeason, nStat);
    }
}
