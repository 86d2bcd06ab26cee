// Completing the predicted season line after a league is loaded or built: what the line holds is
// blended with a typical full-season line of the position, scaled to the era, brought to a full
// season, adjusted for rookies by draft slot, and the numbers other numbers imply are derived.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define PROJECTED_STAT_COUNT SEASON_STAT_STORED
#define PROJECTION_BASE_YEAR 2021
#define FULL_SEASON_TIME 85  // starts + 4 x games of a full season
#define MAX_PREDICTED_GAMES 17
#define OLDEST_PROJECTED_AGE 46
#define LAST_ROOKIE_GAMES 17  // career games up to this still count as a rookie's

#define DRAFT_ROUND_FACTOR 100000  // VITAL_DRAFT_PICK: round x 100000 + pick in round x 1000 + pick
#define DRAFT_OVERALL_FACTOR 1000

#define LINEMAN_PRIME_AGE 32

// A typical full-season line of each position in the base year, stats 0..19.
static const int kProjectionParameters[POSITION_COUNT][PROJECTED_STAT_COUNT] = {
    {14, 7, 450, 230, 15, 2000, 15, 20, 40, 0, 0, 0, 0, 6, 40, 400, 0, 0, 0, 0},  // QB
    {14, 7, 3, 68, 20, 4, 20, 50, 100, 0, 8, 48, 0, 3, 0, 0, 0, 0, 0, 0},         // RB
    {14, 7, 1, 74, 7, 2, 9, 5, 15, 0, 3, 15, 0, 1, 0, 0, 0, 0, 0, 0},             // FB
    {14, 7, 1, 72, 37, 10, 50, 0, 0, 0, 15, 125, 0, 1, 0, 0, 0, 0, 0, 0},         // TE
    {14, 7, 1, 66, 50, 15, 100, 2, 7, 0, 20, 180, 0, 1, 10, 150, 0, 10, 60, 0},   // WR
    {14, 7, 0, 0, 16, 60, 60, 80, 240, 0, 12, 120, 0, 0, 0, 0, 0, 0, 0, 0},       // T
    {14, 7, 0, 0, 20, 60, 60, 210, 630, 0, 12, 120, 0, 0, 0, 0, 0, 0, 0, 0},      // G
    {14, 7, 0, 0, 24, 60, 60, 125, 375, 0, 12, 120, 0, 0, 0, 0, 0, 0, 0, 0},      // C
    {14, 7, 4, 2, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                // DE
    {14, 7, 6, 3, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                // DT
    {14, 7, 10, 3, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},               // LB
    {14, 7, 4, 1, 0, 0, 5, 1, 0, 0, 0, 0, 0, 0, 9, 130, 0, 9, 50, 0},             // CB
    {14, 7, 8, 2, 0, 0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                // S
    {14, 0, 0, 0, 0, 0, 0, 0, 50, 47, 12, 11, 10, 8, 8, 5, 3, 1, 51, 0},          // K
    {14, 0, 25, 1075, 3, 58, 6, 150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},         // P
};

// The entries that follow the league's era, with the historical average that scales them.
typedef struct ERA_SCALED_ENTRY {
    int nPosition;
    int nStat;
    int nHistoricalStat;
} ERA_SCALED_ENTRY;

static const ERA_SCALED_ENTRY kEraScaledEntries[] = {
    {POS_QB, OFF_COMPLETIONS, STAT_COMPLETION_RATE},
    {POS_QB, OFF_PASSING_TOUCHDOWNS, STAT_TOUCHDOWN_RATE},
    {POS_QB, OFF_RUSHES, STAT_INTERCEPTION_RATE},
    {POS_K, KICK_FG_MADE_UNDER_30, STAT_FIELD_GOAL_RATE},
    {POS_K, KICK_FG_MADE_30_39, STAT_FIELD_GOAL_RATE},
    {POS_K, KICK_FG_MADE_40_49, STAT_FIELD_GOAL_RATE},
    {POS_K, KICK_FG_MADE_50_PLUS, STAT_FIELD_GOAL_RATE},
    {POS_P, KICK_PUNT_YARDS, STAT_PUNT_AVERAGE},
};

static int Get_Position(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
}

// The table's entry scaled by the era: the ratio of this season's historical average to the
// base year's for the few entries that follow it.
int Get_Projection_Parameter(int nPosition, int nStat) {
    if (!Is_Position_Code(nPosition) || nStat < 0 || nStat >= PROJECTED_STAT_COUNT)
        return 0;
    int nEntry = kProjectionParameters[nPosition][nStat];
    for (const ERA_SCALED_ENTRY& scaled : kEraScaledEntries) {
        if (scaled.nPosition != nPosition || scaled.nStat != nStat)
            continue;
        int nNow = Get_Historical_Average_Stat(scaled.nHistoricalStat, Get_Season_Year());
        int nBase = Get_Historical_Average_Stat(scaled.nHistoricalStat, PROJECTION_BASE_YEAR);
        // Without a base-year average the entry is kept: there is nothing to scale it by.
        if (nNow != nBase && nBase != 0)
            nEntry = Mul_Div(nEntry, nNow, nBase);
    }
    return nEntry;
}

// 1 when the table writes the stat; linemen's blocking figures and kickers' and punters' longest
// kicks are derived from other numbers instead.
int Is_Projected_Stat(int nPosition, int nStat) {
    if (nPosition >= POS_T && nPosition <= POS_C)
        return nStat != LINE_RUN_BLOCKING && nStat != LINE_PASS_BLOCKING;
    if (nPosition == POS_K || nPosition == POS_P)
        return nStat != KICK_LONGEST_PUNT && nStat != KICK_LONGEST_FIELD_GOAL;
    return 1;
}

int Get_Draft_Round(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK) / DRAFT_ROUND_FACTOR;
}

int Get_Draft_Overall_Pick(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK) % DRAFT_OVERALL_FACTOR;
}

// ---- blending with the table -------------------------------------------------------------------

// Adds nWeight per mille of the position's table to the line; in the base year a rookie is then
// adjusted for his draft slot.
void Add_Projection_Parameters(int nTeam, int nSlot, int nWeight) {
    int nPosition = Get_Position(nTeam, nSlot);
    for (int nStat = 0; nStat < PROJECTED_STAT_COUNT; nStat++) {
        if (Is_Projected_Stat(nPosition, nStat))
            Add_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat,
                            Mul_Div(nWeight, Get_Projection_Parameter(nPosition, nStat), 1000));
    }
    if (Get_Season_Year() == PROJECTION_BASE_YEAR &&
        Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, STAT_GAMES) <= LAST_ROOKIE_GAMES)
        Adjust_Predicted_Stats_For_Draft_Slot(nTeam, nSlot, nWeight);
}

// Takes nPerMille of every written stat away: 1000 clears the line, 500 halves it, a negative
// share enlarges it.
void Scale_Predicted_Stats(int nTeam, int nSlot, int nPerMille) {
    int nPosition = Get_Position(nTeam, nSlot);
    for (int nStat = 0; nStat < PROJECTED_STAT_COUNT; nStat++) {
        if (!Is_Projected_Stat(nPosition, nStat))
            continue;
        int nValue = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat);
        Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat,
                        nValue - Mul_Div(nValue, nPerMille, 1000));
    }
}

// Early picks are predicted more: 130 less the overall pick in the first round, 100 less 10 a
// round after it (kickers and punters count two rounds earlier).
void Adjust_Predicted_Stats_For_Draft_Slot(int nTeam, int nSlot, int nWeight) {
    int nRound = Get_Draft_Round(nTeam, nSlot);
    if (nRound == 0)
        return;
    if (Get_Position_Group(Get_Position(nTeam, nSlot)) == GROUP_KICKERS)
        nRound = nRound < 3 ? 1 : nRound - 2;
    int nFactor = nRound == 1 ? 130 - Get_Draft_Overall_Pick(nTeam, nSlot) : 100 - 10 * nRound;
    int nModifier = Mul_Div(nWeight, nFactor, 1000);
    for (int nStat = 0; nStat < PROJECTED_STAT_COUNT; nStat++)
        Modify_Predicted_Player_Stats(nTeam, nSlot, SEASON_PREDICTED, nStat, nModifier,
                                      DRAFT_SLOT_EFFECT, 0);
}

// ---- derived numbers ---------------------------------------------------------------------------

// Per position T, G, C: what is added to the pass-blocking figure (predicted 6) and the
// run-blocking figure (predicted 5).
static const int kPassBlockOffsets[3] = {2, -3, -2};
static const int kRunBlockOffsets[3] = {-2, 1, -1};

// An offensive lineman's blocking figures from his predicted games and starts, a young
// lineman's playing time stretched toward his prime; then the numbers they imply.
void Derive_Predicted_Line_Stats(int nTeam, int nSlot) {
    int nPosition = Get_Position(nTeam, nSlot);
    if (nPosition < POS_T || nPosition > POS_C)
        return;
    int G = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_GAMES);
    int S = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_STARTS);
    int n = Count_NFL_Seasons(nTeam, nSlot);
    int A = gSeasonNumber + PROJECTION_BASE_YEAR -
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    if (A < LINEMAN_PRIME_AGE) {
        n += 4;
        S = Mul_Div(S, n - A + LINEMAN_PRIME_AGE, n);
        G = Mul_Div(G, n - A + LINEMAN_PRIME_AGE, n);
    }
    int m = Signed_Root(Max_Int(0, G / 2));
    int o = Signed_Root(Max_Int(0, G / 3)) + S / 13 + 60;
    int p = S / 15 + m + 60;
    Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, LINE_RUN_BLOCKING,
                    p + kRunBlockOffsets[nPosition - POS_T]);
    Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, LINE_PASS_BLOCKING,
                    o + kPassBlockOffsets[nPosition - POS_T]);
    Derive_Lineman_Stats(nTeam, nSlot);
}

// ---- completing a line -------------------------------------------------------------------------

// A player without predicted playing time: what he has is shrunk and the table blended in, the
// more the fewer seasons he has played.
static void Complete_Idle_Line(int nTeam, int nSlot) {
    int d = Count_NFL_Seasons(nTeam, nSlot) + 1;
    if (Get_Universe_Stat(UNIVERSE_FIRST_YEAR) != PROJECTION_BASE_YEAR)
        d++;
    if (d >= 2) {
        Scale_Predicted_Stats(nTeam, nSlot, Mul_Div(500, 1, d + 3));
        Add_Projection_Parameters(nTeam, nSlot, 100);
    } else if (d == 1) {
        Scale_Predicted_Stats(nTeam, nSlot, 500);
        Add_Projection_Parameters(nTeam, nSlot, 500);
    } else {
        Scale_Predicted_Stats(nTeam, nSlot, 1000);
        Add_Projection_Parameters(nTeam, nSlot, 1000);
    }
}

static void Double_Predicted_Stats(int nTeam, int nSlot, int nFirst, int nLast) {
    for (int nStat = nFirst; nStat <= nLast; nStat++)
        Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat,
                        2 * Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat));
}

// A player with playing time c: a part-timer gets some of the table, then the line is brought
// to a full season.
static void Complete_Playing_Line(int nTeam, int nSlot, int c, int nWeight) {
    int D = 5 * nWeight;
    if (c < D) {
        int f = Mul_Div(1000, D - c, D);
        Add_Projection_Parameters(nTeam, nSlot, f);
        c += Mul_Div(FULL_SEASON_TIME, f, 1000);
    }
    int nPosition = Get_Position(nTeam, nSlot);
    if (Is_Returning_Position(nPosition))
        Double_Predicted_Stats(nTeam, nSlot, STAT_KICK_RETURNS, STAT_PUNT_RETURN_TOUCHDOWNS);
    else if (nPosition == POS_K)
        Double_Predicted_Stats(nTeam, nSlot, KICK_EXTRA_POINT_ATTEMPTS, KICK_FG_MADE_50_PLUS);
    Scale_Predicted_Stats(nTeam, nSlot, 1000 - Mul_Div(FULL_SEASON_TIME * 1000, 1, c));
}

void Complete_Player_Predicted_Stats(int nTeam, int nSlot, int nWeight) {
    Derive_Predicted_Line_Stats(nTeam, nSlot);
    int c = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_STARTS) +
            4 * Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_GAMES);
    if (c < 1)
        Complete_Idle_Line(nTeam, nSlot);
    else
        Complete_Playing_Line(nTeam, nSlot, c, nWeight);
    Add_Projection_Parameters(nTeam, nSlot, 3 * nWeight);

    int nStarts = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_STARTS);
    if (nStarts > MAX_PREDICTED_GAMES)
        Scale_Predicted_Stats(nTeam, nSlot, 1000 - Mul_Div(MAX_PREDICTED_GAMES * 1000, 1, nStarts));

    int nAge = Get_Player_Age(nTeam, nSlot);
    if (nAge >= OLDEST_PROJECTED_AGE) {
        char szFirst[PLAYER_NAME_TEXT_SIZE];
        char szLast[PLAYER_NAME_TEXT_SIZE];
        Get_Player_First_Name(nTeam, nSlot, szFirst, sizeof(szFirst));
        Get_Player_Last_Name(nTeam, nSlot, szLast, sizeof(szLast));
        Log_Debug_Line("Warning: %s %s is %d years old in Complete_Player_Predicted_Stats()",
                       szFirst, szLast, nAge);
        return;
    }
    for (int nStat = STAT_GAMES; nStat <= STAT_STARTS; nStat++)
        Set_Player_Stat(
            nTeam, nSlot, SEASON_PREDICTED, nStat,
            Min_Int(Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat), MAX_PREDICTED_GAMES));
    Fix_Predicted_Stat_Line(nTeam, nSlot);
}

// Every player of rosters 0..40; league team slots not in use are skipped.
void Complete_All_Predicted_Stats(int nWeight) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Complete_Player_Predicted_Stats(nTeam, nSlot, nWeight);
        }
    }
}

// A league starting in the base year has fresh lines and needs less of the table.
void Complete_League_Predicted_Stats(void) {
    Complete_All_Predicted_Stats(
        Get_Universe_Stat(UNIVERSE_FIRST_YEAR) == PROJECTION_BASE_YEAR ? 25 : 51);
}
