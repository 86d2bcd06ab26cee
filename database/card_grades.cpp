// Card-game values 420..430 drawn from a player's imported grades and statistics, and the usage,
// production and build measures they share.
#include "database/database.h"
#include "database/player_stats_internal.h"

#define USAGE_WEIGHT_LIMIT 1024
#define EXPANDED_INSIDE_LINEBACKER 32
#define EXPANDED_OUTSIDE_LINEBACKER 33

static int Stat(int nTeam, int nSlot, int nSeason, int nStat) {
    return Get_Player_Stat(nTeam, nSlot, nSeason, nStat);
}

static int Position_Of(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
}

int Get_Back_Usage_Weight(int nTeam, int nSlot) {
    int nGames = Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_STARTS) +
                 Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_GAMES);
    return Min_Int(nGames * 40, USAGE_WEIGHT_LIMIT);
}

int Get_Rushing_TD_Share(int nTeam, int nSlot, int nSeason) {
    int nTouchdowns = 150 * Stat(nTeam, nSlot, nSeason, OFF_RUSHING_TOUCHDOWNS);
    return 250 +
           Mul_Div(nTouchdowns, 500, Stat(nTeam, nSlot, nSeason, OFF_RUSHING_YARDS) + nTouchdowns);
}

int Get_Rushing_Production(int nTeam, int nSlot, int nSeason) {
    int Y = Stat(nTeam, nSlot, nSeason, OFF_RUSHING_YARDS) +
            30 * Stat(nTeam, nSlot, nSeason, OFF_RUSHING_TOUCHDOWNS);
    if (Position_Of(nTeam, nSlot) == POS_QB)
        Y = Y + Y / 4 + 100;
    return Mul_Div(Y, 95, 100);
}

int Get_Receiving_TD_Share(int nTeam, int nSlot, int nSeason) {
    int nTouchdowns = 165 * Stat(nTeam, nSlot, nSeason, OFF_RECEIVING_TOUCHDOWNS);
    return 100 + Clamp(Stat(nTeam, nSlot, nSeason, STAT_YARDS_PER_RECEPTION), 50, 200) +
           Mul_Div(nTouchdowns, 500,
                   Stat(nTeam, nSlot, nSeason, OFF_RECEIVING_YARDS) + nTouchdowns);
}

int Get_Receiving_Production(int nTeam, int nSlot, int nSeason) {
    int Y = Stat(nTeam, nSlot, nSeason, OFF_RECEIVING_YARDS) +
            30 * Stat(nTeam, nSlot, nSeason, OFF_RECEIVING_TOUCHDOWNS);
    int nPosition = Position_Of(nTeam, nSlot);
    if (nPosition == POS_RB || nPosition == POS_FB)
        return Mul_Div(Y, 120, 100);
    return nPosition == POS_TE ? Mul_Div(Y, 110, 100) : Y;
}

// Weight against the weight expected for the height, less the running and receiving grades.
int Get_Body_Speed_Score(int nTeam, int nSlot) {
    int nPosition = Position_Of(nTeam, nSlot);
    int nHeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT);
    int nWeight = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT);
    int nMeanHeight = Get_Position_Mean_Height(nPosition);
    int E = Mul_Div(Mul_Div(Get_Position_Mean_Weight(nPosition), nHeight, nMeanHeight), nHeight,
                    nMeanHeight);
    int nTightEndHeight = Get_Position_Mean_Height(POS_TE);
    return Mul_Div(Min_Int(nWeight, 270) - E, 75, E) + 120 -
           (Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_RUNNING_GRADE) +
            Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_RECEIVING_GRADE)) /
               3 +
           Mul_Div(nTightEndHeight - nHeight, 50, nTightEndHeight);
}

static int Usage_Root(int nTeam, int nSlot) {
    return Signed_Root(Get_Back_Usage_Weight(nTeam, nSlot));
}

static int Is_Offensive_Lineman(int nPosition) {
    return nPosition == POS_T || nPosition == POS_G || nPosition == POS_C;
}

// The run and pass blocking cards from imported grades 0 and 1.
static int Blocking_Card_Grade(int nTeam, int nSlot, int bPass) {
    int nPosition = Position_Of(nTeam, nSlot);
    int nGrade = Get_Player_Grade(nTeam, nSlot, bPass ? 1 : 0);
    int bLineman = Is_Offensive_Lineman(nPosition);
    if (nGrade == 0 || (!bLineman && (nPosition < POS_RB || nPosition > POS_WR)))
        return 0;
    int X = Mul_Div(nGrade * Usage_Root(nTeam, nSlot), 1, 32) / 2;
    int g = X + 460;
    if (!bPass && nPosition == POS_G)
        g = Mul_Div(g, 91, 100);
    if (nPosition == POS_T)
        g = Mul_Div(g, bPass ? 98 : 95, 100);
    int nTop = bPass ? 700 : 800;
    if (bLineman && g < 650)
        g = (g + 650) / 2;
    if (g > nTop)
        g = (g + nTop) / 2;
    if (bPass && nPosition == POS_FB)
        g = (g >= 700 ? g : (g + 1400) / 3) + 21;
    return g;
}

static int Rushing_Card_Grade(int nTeam, int nSlot, int nSeason) {
    int nPosition = Position_Of(nTeam, nSlot);
    int W = Get_Rushing_Production(nTeam, nSlot, nSeason);
    int nYards = Stat(nTeam, nSlot, nSeason, OFF_RUSHING_YARDS);
    if (nPosition == POS_QB)
        W += nYards / 3;
    int nShare = Get_Rushing_TD_Share(nTeam, nSlot, nSeason);
    int V = Signed_Root((1000 - nShare) *
                        (W + nYards - 4 * Stat(nTeam, nSlot, nSeason, OFF_RUSHES)) / 7);
    int g = V + 450;
    if (nPosition == POS_FB || nPosition == POS_TE || nPosition == POS_WR) {
        int E = V <= 300 ? Min_Int(300 - V, 150) : 0;
        int nYardsAfterCatch = Stat(nTeam, nSlot, SEASON_PREDICTED, OFF_YARDS_AFTER_CATCH) +
                               Stat(nTeam, nSlot, SEASON_CAREER, OFF_YARDS_AFTER_CATCH);
        int nYardsReceived = Stat(nTeam, nSlot, SEASON_PREDICTED, OFF_RECEIVING_YARDS) +
                             Stat(nTeam, nSlot, SEASON_CAREER, OFF_RECEIVING_YARDS);
        E = Min_Int(E, Mul_Div(E, nYardsAfterCatch, nYardsReceived));
        g = Max_Int(E, 0) + g - (Get_Body_Speed_Score(nTeam, nSlot) - 70) * 2;
    }
    return g;
}

static int Rushing_Score_Card_Grade(int nTeam, int nSlot, int nSeason) {
    int nPosition = Position_Of(nTeam, nSlot);
    int V = Get_Rushing_Production(nTeam, nSlot, nSeason);
    if (nPosition == POS_QB)
        V += 30 * Stat(nTeam, nSlot, nSeason, OFF_RUSHING_TOUCHDOWNS);
    else if (nPosition == POS_FB)
        V += 150;
    int nRoot = Signed_Root(Get_Rushing_TD_Share(nTeam, nSlot, nSeason) * V / 7);
    return nRoot + (nPosition == POS_QB ? 500 : 450);
}

static int Receiving_Card_Grade(int nTeam, int nSlot, int nSeason, int bScoring) {
    int nShare = Get_Receiving_TD_Share(nTeam, nSlot, nSeason);
    int nProduction = Get_Receiving_Production(nTeam, nSlot, nSeason);
    int bFullback = Position_Of(nTeam, nSlot) == POS_FB;
    if (bScoring)
        return Signed_Root(nProduction * nShare / 6) + (bFullback ? 478 : 450);
    return Signed_Root((1000 - nShare) * nProduction / 6) + (bFullback ? 471 : 450);
}

// The passing touchdown rate term of the quarterback cards.
static int Passing_Touchdown_Term(int nTeam, int nSlot, int nSeason) {
    return Mul_Div(500, 161 * Stat(nTeam, nSlot, nSeason, OFF_PASSING_TOUCHDOWNS),
                   Stat(nTeam, nSlot, nSeason, OFF_PASSING_YARDS));
}

static int Passing_Card_Grade(int nTeam, int nSlot, int nSeason) {
    int nGrade = Get_Player_Grade(nTeam, nSlot, 2);
    int A = Mul_Div((nGrade / 2 + 500) * (Usage_Root(nTeam, nSlot) + 16), 1, 48);
    int C = Passing_Touchdown_Term(nTeam, nSlot, nSeason);
    int K = Signed_Root(Signed_Root(1500000 - 1000 * C) * 1000);
    return Mul_Div(A * K, 1, 1000) + 54 - 2 * Stat(nTeam, nSlot, nSeason, STAT_INTERCEPTION_RATE);
}

static int Passing_Score_Card_Grade(int nTeam, int nSlot, int nSeason) {
    int nGrade = Get_Player_Grade(nTeam, nSlot, 2);
    int A = Mul_Div((nGrade / 2 + 500) * Usage_Root(nTeam, nSlot), 1, 32);
    int K = Signed_Root(Signed_Root(1000 * Passing_Touchdown_Term(nTeam, nSlot, nSeason) + 500000) *
                        1000);
    return Mul_Div(A * K, 1, 1000);
}

// The previous season's figure weighted by usage, for the defensive cards.
static int Defensive_Usage_Value(int nTeam, int nSlot, int nStat) {
    return Mul_Div(Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat) * (Usage_Root(nTeam, nSlot) + 16), 1,
                   48);
}

static int Pass_Rush_Card_Grade(int nTeam, int nSlot, int nPosition) {
    int V = Defensive_Usage_Value(nTeam, nSlot, DEF_SOLO_TACKLES);
    if (nPosition == POS_DE || nPosition == POS_LB)
        V = V / 2 + 450;
    else if (nPosition == POS_DT)
        V = V / 2 + 520;
    else if (nPosition == POS_CB)
        V += 100;
    else
        V += 200;
    return (V <= 850 ? V : (V + 850) / 2) - 10;
}

static int Run_Defence_Card_Grade(int nTeam, int nSlot, int nPosition) {
    int V = Defensive_Usage_Value(nTeam, nSlot, STAT_GAMES);
    int nExpanded = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION);
    if (nPosition == POS_DE)
        V = V / 3 + 565;
    else if (nPosition == POS_DT)
        V = V / 3 + 530;
    else if (nExpanded == EXPANDED_OUTSIDE_LINEBACKER)
        V = V / 2 + 420;
    else if (nPosition == POS_LB)
        V = V / 2 + 400;
    else
        V += 70;
    V += 3 * Stat(nTeam, nSlot, SEASON_PREVIOUS, DEF_SACKS) + 18;
    return V > 780 ? (V + 780) / 2 : V;
}

static int Coverage_Card_Grade(int nTeam, int nSlot, int nPosition) {
    int V = Defensive_Usage_Value(nTeam, nSlot, STAT_STARTS);
    if (nPosition == POS_CB)
        V = 805 + Mul_Div(V - 500, 600, 1000);
    else if (nPosition == POS_S)
        V = 700 + Mul_Div(V - 500, 520, 1000);
    else if (nPosition != POS_DE && nPosition != POS_DT)
        V = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION) == EXPANDED_INSIDE_LINEBACKER
                ? 360 + 2 * V / 3
                : V + 50;
    return (2 * (V + 12 * Stat(nTeam, nSlot, SEASON_PREVIOUS, DEF_INTERCEPTIONS)) + 680) / 3;
}

static int Defensive_Play_Card_Grade(int nTeam, int nSlot, int nSeason, int nPosition) {
    auto S = [=](int nStat) { return Stat(nTeam, nSlot, nSeason, nStat); };
    int W = 5 * (2 * S(DEF_SOLO_TACKLES) + S(DEF_TACKLE_ASSISTS) + S(DEF_SACKS) / 2 +
                 3 * S(DEF_FORCED_FUMBLES) + 2 * S(DEF_PASSES_DEFENSED) + 2 * S(DEF_INTERCEPTIONS));
    int g = W / 2 + (nPosition == POS_DE || nPosition == POS_DT ? 470 : 370);
    return g > 850 ? (g + 850) / 2 : g;
}

int Get_Card_Grade(int nTeam, int nSlot, int nSeason, int nStat) {
    int nPosition = Position_Of(nTeam, nSlot);
    int nGroup = Get_Position_Group(nPosition);
    int bQuarterback = nPosition == POS_QB;
    int bReceiver = nPosition >= POS_RB && nPosition <= POS_WR;
    int bDefence = nGroup == GROUP_DEFENCE;
    switch (nStat) {
    case STAT_CARD_RUN_BLOCKING: return Blocking_Card_Grade(nTeam, nSlot, 0);
    case STAT_CARD_PASS_BLOCKING: return Blocking_Card_Grade(nTeam, nSlot, 1);
    case STAT_CARD_RUSHING:
        return nGroup == GROUP_SKILL ? Rushing_Card_Grade(nTeam, nSlot, nSeason) : 0;
    case STAT_CARD_RUSHING_SCORING:
        return nGroup == GROUP_SKILL ? Rushing_Score_Card_Grade(nTeam, nSlot, nSeason) : 0;
    case STAT_CARD_RECEIVING: return bReceiver ? Receiving_Card_Grade(nTeam, nSlot, nSeason, 0) : 0;
    case STAT_CARD_PASSING: return bQuarterback ? Passing_Card_Grade(nTeam, nSlot, nSeason) : 0;
    case STAT_CARD_SCORING:
        if (bQuarterback)
            return Passing_Score_Card_Grade(nTeam, nSlot, nSeason);
        return bReceiver ? Receiving_Card_Grade(nTeam, nSlot, nSeason, 1) : 0;
    case STAT_CARD_PASS_RUSH:
        return bDefence && Stat(nTeam, nSlot, SEASON_PREVIOUS, DEF_SOLO_TACKLES) >= 100
                   ? Pass_Rush_Card_Grade(nTeam, nSlot, nPosition)
                   : 0;
    case STAT_CARD_RUN_DEFENCE:
        return bDefence && Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_GAMES) >= 100
                   ? Run_Defence_Card_Grade(nTeam, nSlot, nPosition)
                   : 0;
    case STAT_CARD_COVERAGE:
        return bDefence && Stat(nTeam, nSlot, SEASON_PREVIOUS, STAT_STARTS) >= 100
                   ? Coverage_Card_Grade(nTeam, nSlot, nPosition)
                   : 0;
    case STAT_CARD_DEFENSIVE_PLAYS:
        return bDefence ? Defensive_Play_Card_Grade(nTeam, nSlot, nSeason, nPosition) : 0;
    default: return 0;
    }
}
