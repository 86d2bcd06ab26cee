// The pre-game betting lines: the point spread and the over/under of a pairing, from the teams'
// strengths and league ranks, in tenths of a point, and their stored values in a game record.
#include "personnel/personnel.h"

#define HOME_FIELD_TENTHS 27           // the home team's 2.7 points
#define SPREAD_COMPRESS_FROM 96        // tenths: larger spreads are compressed toward 29.5
#define SPREAD_COMPRESS_LIMIT 295
#define SPREAD_COMPRESS_SOFTNESS 200
#define OVER_UNDER_RANK_WEIGHT 7000

// (x * m + d / 2) / d in 64 bits, truncated, then one lower when the true quotient is negative
// and not whole.
static int Rounded_Line_Ratio(int x, int m, int d) {
    int64_t nQuotient = ((int64_t)x * m + d / 2) / d;
    if (x % d != 0 && (x < 0) != (d < 0))
        nQuotient--;
    return (int)nQuotient;
}

int Round_To_Half_Point(int nTenths) {
    if (nTenths < 0)
        return -Round_To_Half_Point(-nTenths);
    return nTenths - (nTenths + 2) % 5 + 2;
}

int Compute_Over_Under(int nVisitor, int nHome) {
    int n = Count_Active_Teams();
    int nOffence = n - Get_Team_Offense_Rank(nVisitor) - Get_Team_Offense_Rank(nHome) - 1;
    int nDefence = n - Get_Team_Defense_Rank(nVisitor) - Get_Team_Defense_Rank(nHome) - 1;
    int nOffenceShare = Rounded_Line_Ratio(nOffence, 1000, n + 1);
    int nDefenceShare = Rounded_Line_Ratio(nDefence, 1000, n + 1);
    int nBase = (int)(Get_Season_Scoring_Base() * 2 * 10);
    return Round_To_Half_Point(Mul_Div(nBase, OVER_UNDER_RANK_WEIGHT + nOffenceShare,
                                       OVER_UNDER_RANK_WEIGHT + nDefenceShare));
}

int Shape_Point_Spread(int m) {
    if (abs(m) >= SPREAD_COMPRESS_FROM) {
        int t = abs(m) + SPREAD_COMPRESS_SOFTNESS;
        int bNegative = m < 0;
        m = (SPREAD_COMPRESS_LIMIT * m + t / 2) / t;
        if (bNegative)
            m--;
    }
    return Round_To_Half_Point(m);
}

int Compute_Point_Spread(int nVisitor, int nHome) {
    int d = Get_Team_Overall_Strength(nVisitor) - Get_Team_Overall_Strength(nHome);
    int nStrength = (35 * d + 1100) / 2200;
    if (d < 0 && d % 2200 != 0)
        nStrength--;
    int nRanks = Get_Team_Power_Rank(nHome) - Get_Team_Power_Rank(nVisitor);
    int n = Count_Active_Teams();
    int nForm = n == 0 ? 0 : Rounded_Line_Ratio(nRanks, 70, n);
    return Shape_Point_Spread(nStrength + nForm - HOME_FIELD_TENTHS);
}

// A game that has been set up keeps the line stored at its kick-off; otherwise the pairing's line
// is worked out now. Nothing is written.
static int Get_Game_Line(GAME* pGame, int nInfo, int nVisitor, int nHome,
                         int (*pCompute)(int nVisitor, int nHome)) {
    if (pGame != NULL && Get_Game_Info(pGame, GAME_INFO_YEAR) >= 1) {
        int nStored = Get_Game_Info(pGame, nInfo);
        if (nStored != 0)
            return nStored - GAME_INFO_OFFSET;
    }
    return pCompute(nVisitor, nHome);
}

int Get_Game_Point_Spread(GAME* pGame, int nVisitor, int nHome) {
    return Get_Game_Line(pGame, GAME_INFO_POINT_SPREAD, nVisitor, nHome, Compute_Point_Spread);
}

int Get_Game_Over_Under(GAME* pGame, int nVisitor, int nHome) {
    return Get_Game_Line(pGame, GAME_INFO_OVER_UNDER, nVisitor, nHome, Compute_Over_Under);
}

void Format_Point_Tenths(char* szOut, int nSize, int nTenths) {
    if (nTenths % 10 == 0)
        Format_String(szOut, nSize, "%d", nTenths / 10);
    else
        Format_String(szOut, nSize, "%d.%d", nTenths / 10, abs(nTenths % 10));
}

void Format_Point_Spread(GAME* pGame, int nVisitor, int nHome, char* szOut, int nSize) {
    int nSpread = Get_Game_Point_Spread(pGame, nVisitor, nHome);
    if (nSpread == 0) {
        Format_String(szOut, nSize, "Pick'em");
        return;
    }
    char szFavourite[TEAM_STRING_SIZE];
    Get_Team_String(szFavourite, sizeof szFavourite, nSpread > 0 ? nVisitor : nHome, 0);
    char szPoints[16];
    Format_Point_Tenths(szPoints, sizeof szPoints, abs(nSpread));
    Format_String(szOut, nSize, "-%s (%s)", szPoints, szFavourite);
}
