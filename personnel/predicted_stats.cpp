// The predicted season line (season kind 3): the typical line of each position, the per-stat
// effects that injuries, training and draft slots have on it, and the rules that keep it
// consistent.
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define PREDICTED_STAT_COUNT SEASON_STAT_STORED
#define EFFECT_ROW_QUARTERBACK 4
#define MODIFIER_LOG_LIMIT 950
#define FIXED_THRESHOLD 500  // per mille of a unit beyond which a change rounds away from zero

// A full season's line per position, stats 0..19.
static const int kBasePredictedLines[POSITION_COUNT][PREDICTED_STAT_COUNT] = {
    {16, 16, 450, 300, 8, 3800, 30, 50, 200, 2, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0},    // QB
    {16, 16, 0, 80, 0, 0, 0, 300, 1440, 10, 40, 360, 2, 1, 0, 0, 0, 0, 0, 0},     // RB
    {16, 16, 0, 96, 0, 0, 0, 100, 440, 5, 20, 180, 1, 1, 0, 0, 0, 0, 0, 0},       // FB
    {16, 16, 0, 93, 0, 0, 0, 0, 0, 0, 80, 960, 6, 1, 0, 0, 0, 0, 0, 0},           // TE
    {16, 16, 0, 80, 0, 0, 0, 5, 30, 0, 85, 1300, 10, 1, 30, 750, 0, 30, 375, 0},  // WR
    {16, 16, 0, 0, 12, 95, 95, 115, 520, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},     // T
    {16, 16, 0, 0, 16, 95, 95, 310, 1160, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},    // G
    {16, 16, 0, 0, 20, 95, 95, 195, 640, 0, 10, 100, 0, 0, 0, 0, 0, 0, 0, 0},     // C
    {16, 16, 40, 20, 25, 3, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},            // DE
    {16, 16, 75, 30, 18, 2, 5, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},            // DT
    {16, 16, 100, 35, 10, 1, 12, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},          // LB
    {16, 16, 60, 8, 2, 0, 21, 6, 2, 0, 0, 0, 0, 0, 15, 350, 0, 15, 175, 0},       // CB
    {16, 16, 80, 10, 5, 0, 12, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},            // S
    {16, 16, 0, 0, 0, 0, 0, 0, 50, 50, 8, 8, 10, 9, 8, 6, 3, 2, 60, 0},           // K
    {16, 16, 50, 2250, 17, 65, 3, 350, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},       // P
};

// Per cent of a modifier that reaches each stat, by row (the position group, quarterbacks on a
// row of their own), stat 0..19 and effect kind 0..4.
static const int
    kPredictedEffects[EFFECT_ROW_QUARTERBACK + 1][PREDICTED_STAT_COUNT][PREDICTED_EFFECT_KINDS] = {
        {
            // skill positions
            {50, 50, 50, 0, 100},      {50, 50, 50, 0, 100},      {-50, -100, -50, -100, 0},
            {55, 55, 55, 55, 55},      {40, 60, 50, 50, 50},      {120, 180, 150, 150, 150},
            {120, 180, 150, 150, 150}, {100, 25, 50, 50, 50},     {200, 50, 100, 100, 100},
            {200, 50, 100, 100, 100},  {75, 125, 100, 100, 100},  {120, 180, 150, 150, 150},
            {175, 225, 200, 200, 200}, {-50, -100, -50, -100, 0}, {50, 25, 25, 40, 40},
            {100, 30, 60, 75, 75},     {100, 30, 60, 75, 75},     {50, 25, 25, 40, 40},
            {100, 30, 60, 75, 75},     {100, 30, 60, 75, 75},
        },
        {
            // offensive line
            {25, 25, 25, 0, 50},
            {25, 25, 25, 0, 50},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {-50, -50, -50, -50, -50},
            {50, 100, 75, 75, 75},
            {100, 50, 75, 75, 75},
            {0, 0, 0, 0, 0},
            {50, 50, 50, 50, 50},
            {0, 0, 0, 0, 0},
            {-100, -100, -100, -100, -50},
            {-100, -100, -100, -100, -50},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
        },
        {
            // defence
            {0, 0, 0, 0, 0},           {0, 0, 0, 0, 0},           {150, 150, 150, 150, 150},
            {150, 150, 150, 150, 150}, {150, 150, 150, 150, 150}, {150, 150, 150, 150, 150},
            {150, 150, 150, 150, 150}, {150, 150, 150, 150, 150}, {150, 150, 150, 150, 150},
            {150, 150, 150, 150, 150}, {0, 0, 0, 0, 0},           {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},           {0, 0, 0, 0, 0},           {50, 25, 25, 40, 40},
            {100, 30, 60, 75, 75},     {100, 30, 60, 75, 75},     {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},           {0, 0, 0, 0, 0},
        },
        {
            // kickers and punters
            {40, 10, 20, 20, 20},  {0, 0, 0, 0, 0},     {0, 0, 0, 0, 0},  {100, 25, 50, 50, 50},
            {100, 25, 50, 50, 50}, {10, 0, 5, 5, 5},    {0, 0, 0, 0, 0},  {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},       {25, 0, 10, 10, 10}, {0, 0, 0, 0, 0},  {50, 0, 20, 20, 20},
            {0, 0, 0, 0, 0},       {50, 0, 20, 20, 20}, {0, 0, 0, 0, 0},  {50, 0, 20, 20, 20},
            {0, 0, 0, 0, 0},       {50, 0, 25, 25, 25}, {10, 0, 5, 5, 5}, {0, 0, 0, 0, 0},
        },
        {
            // quarterbacks
            {50, 50, 50, 0, 100},
            {50, 50, 50, 0, 100},
            {15, 50, 25, 25, 25},
            {33, 110, 55, 55, 55},
            {-62, -125, -62, -200, -100},
            {45, 170, 85, 85, 85},
            {30, 120, 60, 60, 60},
            {100, 25, 50, 50, 50},
            {200, 50, 100, 100, 100},
            {200, 50, 100, 100, 100},
            {75, 125, 100, 100, 100},
            {120, 180, 150, 150, 150},
            {175, 225, 200, 200, 200},
            {-50, -100, -50, -100, 0},
            {-50, -100, -50, -100, 0},
            {-50, -100, -50, -100, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
            {0, 0, 0, 0, 0},
        },
};

// Receivers' floors when they are predicted fewer than 16 catches, RB, FB, TE, WR: the yards and
// the yards after catch added per catch, and the per-catch bounds of the yards after catch in
// tenths.
static const int kCatchYards[4] = {7, 6, 10, 13};
static const int kCatchAfterCatchYards[4] = {8, 7, 5, 5};
static const int kAfterCatchHighTenths[4] = {110, 100, 70, 68};
static const int kAfterCatchLowTenths[4] = {70, 50, 28, 28};

#define RECEIVER_CATCH_FLOOR 16

int Get_Base_Predicted_Stat(int nPosition, int nStat) {
    if (!Is_Position_Code(nPosition) || nStat < 0 || nStat >= PREDICTED_STAT_COUNT)
        return 0;
    return kBasePredictedLines[nPosition][nStat];
}

void Add_Base_Predicted_Line(int nTeam, int nSlot, int nPerMille) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int nStat = 0; nStat < PREDICTED_STAT_COUNT; nStat++)
        Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat,
                        Mul_Div(Get_Base_Predicted_Stat(nPosition, nStat), nPerMille, 1000));
}

// ---- modifiers ---------------------------------------------------------------------------------

// Moves one stat by nModifier per mille of the position's full-season figure, weighted by the
// effect table. The fraction of a unit rounds away from zero beyond a threshold (random with
// bRandom); a stat that would lose more than half its value loses the modifier's share instead.
void Modify_Predicted_Player_Stats(int nTeam, int nSlot, int nSeason, int nStat, int nModifier,
                                   int nEffect, int bRandom) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (!Is_Position_Code(nPosition))
        return;
    if (abs(nModifier) > MODIFIER_LOG_LIMIT)
        Log_Debug_Line("Modifier too large in Modify_Predicted_Player_Stats(%d,%d,%d,%d,%d)", nTeam,
                       nSlot, nSeason, nStat, nModifier);
    if (nStat < 0 || nStat >= PREDICTED_STAT_COUNT || nEffect < 0 ||
        nEffect >= PREDICTED_EFFECT_KINDS)
        return;
    int nThreshold = bRandom ? Draw_Random(1000) : FIXED_THRESHOLD;
    int nRow = nPosition == POS_QB ? EFFECT_ROW_QUARTERBACK : Get_Position_Group(nPosition);
    int h = Mul_Div(nModifier, kPredictedEffects[nRow][nStat][nEffect], 100);
    int m = Get_Base_Predicted_Stat(nPosition, nStat) * h;
    int nCurrent = Get_Player_Stat(nTeam, nSlot, nSeason, nStat);
    int nNew = nCurrent + m / 1000;
    if (abs(m) % 1000 > nThreshold)
        nNew += m > 0 ? 1 : -1;
    if (2 * (int64_t)nNew < nCurrent)  // below the exact half
        nNew = Mul_Div(nCurrent, 1000 + h, 1000);
    Set_Player_Stat(nTeam, nSlot, nSeason, nStat, nNew);
}

void Modify_Predicted_Line(int nTeam, int nSlot, int nModifier, int nEffect, int bRandom) {
    if (nModifier == 0)
        return;
    for (int nStat = 0; nStat < PREDICTED_STAT_COUNT; nStat++)
        Modify_Predicted_Player_Stats(nTeam, nSlot, SEASON_PREDICTED, nStat, nModifier, nEffect,
                                      bRandom);
}

void Modify_Predicted_Line_Random(int nTeam, int nSlot, int nModifier, int nEffect) {
    Modify_Predicted_Line(nTeam, nSlot, nModifier, nEffect, 1);
}

void Modify_And_Fix_Predicted_Line(int nTeam, int nSlot, int nModifier, int nEffect, int bRandom) {
    if (nModifier == 0)
        return;
    Modify_Predicted_Line(nTeam, nSlot, nModifier, nEffect, bRandom);
    Fix_Predicted_Stat_Line(nTeam, nSlot);
}

// ---- consistency -------------------------------------------------------------------------------

static int Get_Predicted(int nTeam, int nSlot, int nStat) {
    return Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat);
}

static void Set_Predicted(int nTeam, int nSlot, int nStat, int nValue) {
    Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat, nValue);
}

// Raises a predicted stat to nLow, then lowers it to nHigh (the upper bound wins).
static void Bound_Predicted(int nTeam, int nSlot, int nStat, int nLow, int nHigh) {
    int nValue = Get_Predicted(nTeam, nSlot, nStat);
    if (nValue < nLow)
        nValue = nLow;
    if (nValue > nHigh)
        nValue = nHigh;
    Set_Predicted(nTeam, nSlot, nStat, nValue);
}

static void Raise_Predicted(int nTeam, int nSlot, int nStat, int nLow) {
    Set_Predicted(nTeam, nSlot, nStat, Max_Int(Get_Predicted(nTeam, nSlot, nStat), nLow));
}

// Offensive linemen: sacks allowed, rushes and rushing yards from the position's projection and
// the blocking figures.
void Set_Lineman_Predicted_Stats(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < POS_T || nPosition > POS_C)
        return;
    Set_Predicted(nTeam, nSlot, LINE_SACKS_ALLOWED,
                  Mul_Div(Get_Projection_Parameter(nPosition, LINE_SACKS_ALLOWED),
                          100 - Get_Predicted(nTeam, nSlot, LINE_PASS_BLOCKING), 30));
    Set_Predicted(nTeam, nSlot, OFF_RUSHES, Get_Projection_Parameter(nPosition, OFF_RUSHES));
    Set_Predicted(nTeam, nSlot, OFF_RUSHING_YARDS,
                  Mul_Div(Get_Predicted(nTeam, nSlot, LINE_RUN_BLOCKING),
                          Get_Projection_Parameter(nPosition, OFF_RUSHING_YARDS), 70));
}

// Kickers and punters: 30..80 kicks of a plausible length; a kicker with too few field-goal
// attempts gets a full projection added.
static void Fix_Kicking_Line(int nTeam, int nSlot, int nPosition) {
    int bPunter = nPosition == POS_P;
    int nKicks = Get_Predicted(nTeam, nSlot, KICK_PUNTS);
    int nLength = nKicks / 2 + (bPunter ? 400 : 350);
    nLength = Min_Int(nLength, Get_Predicted(nTeam, nSlot, STAT_PUNT_AVERAGE));
    nLength = Max_Int(nLength, bPunter ? 350 : 300);
    int nBounded = Clamp(nKicks, 30, 80);
    Set_Predicted(nTeam, nSlot, KICK_PUNTS, nBounded);
    Set_Predicted(nTeam, nSlot, KICK_PUNT_YARDS, Mul_Div(nBounded, nLength, 10));
    if (!bPunter && Get_Predicted(nTeam, nSlot, STAT_FIELD_GOALS_TRIED) < 20) {
        Add_Projection_Parameters(nTeam, nSlot, 1000);
        Set_Predicted(nTeam, nSlot, KICK_LONGEST_FIELD_GOAL,
                      Min_Int(Get_Predicted(nTeam, nSlot, KICK_LONGEST_FIELD_GOAL),
                              Get_Predicted(nTeam, nSlot, STAT_FIELD_GOALS_TRIED) + 40));
    }
}

// Backs, tight ends and receivers: at least 16 catches' worth of receiving, with yards and the
// other catch figures in proportion to the catches.
static void Fix_Receiving_Line(int nTeam, int nSlot, int nPosition) {
    int i = nPosition - POS_RB;
    int e = Get_Predicted(nTeam, nSlot, OFF_RECEPTIONS);
    if (e < RECEIVER_CATCH_FLOOR) {
        int s = (RECEIVER_CATCH_FLOOR - e) / 2;
        Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OFF_RECEPTIONS, s);
        Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OFF_FIRST_DOWNS, s / 2);
        Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OFF_RECEIVING_YARDS, s * kCatchYards[i]);
        Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OFF_YARDS_AFTER_CATCH,
                        s * kCatchAfterCatchYards[i]);
    }
    Bound_Predicted(nTeam, nSlot, OFF_RECEIVING_YARDS, 5 * e, Mul_Div(e, 210 - e / 2, 10));
    Bound_Predicted(nTeam, nSlot, OFF_YARDS_AFTER_CATCH, Mul_Div(e, kAfterCatchLowTenths[i], 10),
                    Mul_Div(e, kAfterCatchHighTenths[i], 10));
    Bound_Predicted(nTeam, nSlot, OFF_FIRST_DOWNS, Mul_Div(e, 55, 100), Mul_Div(e, 75, 100));
}

void Fix_Predicted_Stat_Line(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (!Is_Position_Code(nPosition))
        return;
    int nGroup = Get_Position_Group(nPosition);
    if (nPosition == POS_QB) {
        int nCompletions = Get_Predicted(nTeam, nSlot, OFF_COMPLETIONS);
        Bound_Predicted(nTeam, nSlot, OFF_PASSING_YARDS, 8 * nCompletions, 15 * nCompletions);
    }
    if (nGroup == GROUP_LINE) {
        Raise_Predicted(nTeam, nSlot, OFF_RUSHING_YARDS,
                        3 * Get_Predicted(nTeam, nSlot, OFF_RUSHES));
        Raise_Predicted(nTeam, nSlot, LINE_RUN_BLOCKING, 20);
        Raise_Predicted(nTeam, nSlot, LINE_PASS_BLOCKING, 20);
    }
    if (nGroup == GROUP_KICKERS)
        Fix_Kicking_Line(nTeam, nSlot, nPosition);

    // Rushing: backs carry at least 15 times and at most 6 yards a carry, skill players rush for
    // at most 1750 yards.
    if (nPosition == POS_QB || nPosition == POS_RB)
        Raise_Predicted(nTeam, nSlot, OFF_RUSHES, 15);
    if (nGroup == GROUP_SKILL)
        Set_Predicted(nTeam, nSlot, OFF_RUSHING_YARDS,
                      Min_Int(Get_Predicted(nTeam, nSlot, OFF_RUSHING_YARDS), 1750));
    if (nPosition == POS_RB) {
        int nRushingYards = Get_Predicted(nTeam, nSlot, OFF_RUSHING_YARDS);
        if (6 * Get_Predicted(nTeam, nSlot, OFF_RUSHES) < nRushingYards)
            Set_Predicted(nTeam, nSlot, OFF_RUSHES, nRushingYards / 6 + 1);
        Raise_Predicted(nTeam, nSlot, OFF_RUSHING_YARDS,
                        3 * Get_Predicted(nTeam, nSlot, OFF_RUSHES));
    }
    if (nPosition == POS_QB)
        return;
    if (nGroup == GROUP_SKILL)
        Fix_Receiving_Line(nTeam, nSlot, nPosition);

    // Return yards need at least one return.
    if (Is_Returning_Position(nPosition)) {
        if (Get_Predicted(nTeam, nSlot, STAT_KICK_RETURN_YARDS) > 0)
            Raise_Predicted(nTeam, nSlot, STAT_KICK_RETURNS, 1);
        if (Get_Predicted(nTeam, nSlot, STAT_PUNT_RETURN_YARDS) > 0)
            Raise_Predicted(nTeam, nSlot, STAT_PUNT_RETURNS, 1);
    }
}
