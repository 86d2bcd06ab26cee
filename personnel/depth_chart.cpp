// The computer's depth charts: a sorted roster holds the offence, the defence and the kickers one
// after the other; each unit's starters come first, in the slot order of the team's offensive set
// or defensive scheme, and its reserves follow by position and score.

#include <math.h>

#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"

#define OWN_POSITION_BONUS 5000
#define EMPTY_SLOT_SCORE (-2147483647)
#define FULLBACK_BONUS 20000
#define SPARE_TIGHT_END_BONUS 10000
#define RESERVE_POSITION_STEP 100000
#define RESERVE_KEY_OFFSET 1500000
#define ROLE_FIT_PERCENT 85  // special-teams and long-snapper roles switch less well
#define JITTER_BASE 500
#define DEPTH_CHART_PASSES 5
#define OFFENSIVE_SET_COUNT 4
#define DEFENSIVE_SCHEME_COUNT 2
#define UNIT_STARTER_LIMIT 11

const int POSITION_ROSTER_MINIMUMS[POSITION_COUNT] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
const int POSITION_ROSTER_FULL_COUNTS[POSITION_COUNT] = {2, 3, 1, 3, 6, 4, 4, 2,
                                                         5, 4, 7, 5, 5, 1, 1};
const int POSITION_ROSTER_CEILINGS[POSITION_COUNT] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
const int POSITION_STARTERS[POSITION_COUNT] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

// Starter slots 0..10 of the offence by offensive set and of the defence by scheme.
static const int kOffensiveSlots[OFFENSIVE_SET_COUNT][UNIT_STARTER_LIMIT] = {
    {POS_QB, POS_RB, POS_FB, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
    {POS_QB, POS_RB, POS_TE, POS_WR, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
    {POS_QB, POS_RB, POS_TE, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
    {POS_QB, POS_RB, POS_RB, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
};
static const int kDefensiveSlots[DEFENSIVE_SCHEME_COUNT][UNIT_STARTER_LIMIT] = {
    {POS_DE, POS_DT, POS_DT, POS_DE, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_S, POS_S},
    {POS_DE, POS_DT, POS_DE, POS_LB, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_S, POS_S},
};
static const int kKickerSlots[2] = {POS_K, POS_P};

// Per cent fit of a player of one position (row) in a slot of another (column), QB..P.
static const int kPositionSwitchFit[POSITION_COUNT][POSITION_COUNT] = {
    {100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {70, 100, 85, 75, 80, 20, 20, 20, 25, 25, 25, 50, 40, 20, 30},
    {65, 90, 100, 80, 70, 25, 25, 25, 30, 30, 30, 35, 35, 15, 25},
    {60, 70, 90, 100, 80, 30, 30, 30, 35, 30, 30, 50, 40, 20, 30},
    {50, 70, 70, 80, 100, 10, 10, 10, 20, 20, 30, 70, 50, 20, 20},
    {10, 10, 10, 10, 10, 100, 90, 70, 70, 50, 40, 10, 10, 10, 10},
    {10, 10, 10, 10, 10, 85, 100, 80, 60, 60, 30, 10, 10, 10, 10},
    {10, 10, 10, 10, 10, 70, 85, 100, 50, 60, 30, 10, 10, 10, 10},
    {10, 10, 10, 10, 10, 50, 50, 50, 100, 90, 70, 40, 50, 10, 10},
    {10, 10, 10, 10, 10, 50, 50, 50, 85, 100, 80, 40, 50, 10, 10},
    {10, 10, 10, 20, 10, 40, 40, 40, 60, 80, 100, 70, 40, 10, 10},
    {10, 10, 10, 40, 70, 10, 10, 10, 30, 40, 60, 100, 85, 10, 10},
    {10, 10, 10, 40, 50, 20, 20, 20, 30, 40, 70, 85, 100, 10, 10},
    {30, 20, 20, 10, 20, 10, 10, 10, 10, 10, 10, 10, 20, 100, 80},
    {30, 20, 20, 10, 20, 10, 10, 10, 10, 10, 10, 10, 20, 80, 100},
};

// The offensive line's sides: a starter whose role belongs on the other side changes places.
typedef struct LINE_SIDE_SWAP {
    int nSlot;
    int nRole;
    int nOtherSlot;
} LINE_SIDE_SWAP;

static const LINE_SIDE_SWAP kLineSideSwaps[] = {
    {6, ROLE_RT, 10},
    {7, ROLE_RG, 9},
    {10, ROLE_LT, 6},
    {9, ROLE_LG, 7},
};

static int Is_Position(int nPosition) {
    return nPosition >= 0 && nPosition < POSITION_COUNT;
}

static int Is_League_Team_Number(int nTeam) {
    return nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT;
}

static int Get_Own_Position(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
}

int Get_Position_Roster_Target(int nPosition) {
    if (!Is_Position(nPosition))
        return 0;
    return (POSITION_ROSTER_MINIMUMS[nPosition] + POSITION_ROSTER_FULL_COUNTS[nPosition]) / 2;
}

// ---- scores -------------------------------------------------------------------------------------

int Get_Position_Switch_Fit(int nTeam, int nSlot, int nPosition) {
    int nOwn = Get_Own_Position(nTeam, nSlot);
    if (!Is_Position(nOwn) || !Is_Position(nPosition) ||
        Get_Position_Unit(nOwn) != Get_Position_Unit(nPosition))
        return 0;
    int nFit = kPositionSwitchFit[nOwn][nPosition] * 10;
    int nRole = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION);
    if (nRole == ROLE_RS || nRole == ROLE_ST || nRole == ROLE_LS)
        nFit = Mul_Div(nFit, ROLE_FIT_PERCENT, 100);
    return nFit;
}

int Get_Player_Depth_Chart_Score(int nTeam, int nSlot, int nPosition, int bKeepInjured) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return EMPTY_SLOT_SCORE;
    int nValue = Get_Rating_Value(nTeam, nSlot, Get_Checked_Overall_Rating(nTeam, nSlot));
    int nScore;
    if (Get_Own_Position(nTeam, nSlot) == nPosition)
        nScore = nValue + OWN_POSITION_BONUS;
    else
        nScore = Signed_Root(nValue) + Get_Position_Switch_Fit(nTeam, nSlot, nPosition);
    if (!bKeepInjured && Is_Player_Unavailable(nTeam, nSlot))
        nScore = Mul_Div(nScore, 100, 1000);
    return nScore;
}

// A human-run team's scores are scaled by a factor of its scouting, the month and the season.
static int Apply_Human_Team_Jitter(int nTeam, int nScore) {
    int nDivisor = Get_Scouting_Divisor(nTeam);
    int nMix = Get_Scouting_Hash(nDivisor, nDivisor);
    return Mul_Div(nScore, nMix + JITTER_BASE, nDivisor / 2 + JITTER_BASE);
}

// The slots 0..count-1 a player of a broken overall is re-rolled in, in slot order, before any
// score is taken, so that the draws come at one step whatever is looked at first.
static void Repair_Broken_Overalls(int nTeam) {
    int nCount = Find_Free_Player_Slot(nTeam);
    for (int nSlot = 0; nSlot < nCount; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot))
            Get_Checked_Overall_Rating(nTeam, nSlot);
    }
}

// ---- slots and order ----------------------------------------------------------------------------

int Get_Depth_Chart_Slot_Position(int nTeam, int nUnit, int n) {
    if (n < 0 || n >= Get_Unit_Starter_Count(nUnit))
        return -1;
    if (nUnit == UNIT_KICKERS)
        return kKickerSlots[n];
    int bUsable = Is_Team_Active(nTeam);
    if (nUnit == UNIT_OFFENCE) {
        int nSet = bUsable ? Get_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM) : 0;
        if (nSet < 0 || nSet >= OFFENSIVE_SET_COUNT)
            nSet = 0;
        return kOffensiveSlots[nSet][n];
    }
    int nScheme = bUsable ? Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME) : 0;
    if (nScheme < 0 || nScheme >= DEFENSIVE_SCHEME_COUNT)
        nScheme = 0;
    return kDefensiveSlots[nScheme][n];
}

int Find_Best_Tight_End(int nTeam) {
    int nBest = NO_TIGHT_END;
    float fBest = 0.0f;
    int nCount = Find_Free_Player_Slot(nTeam);
    for (int nSlot = 0; nSlot < nCount; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot) || Get_Own_Position(nTeam, nSlot) != POS_TE)
            continue;
        float fOverall = Get_Player_Overall_Rating(nTeam, nSlot);
        if (nBest == NO_TIGHT_END || fOverall > fBest) {
            nBest = nSlot;
            fBest = fOverall;
        }
    }
    return nBest;
}

// Players of no unit sort ahead of the offence.
static int Get_Slot_Unit(int nTeam, int nSlot) {
    return Get_Position_Unit(Get_Own_Position(nTeam, nSlot));
}

void Sort_Roster_By_Position(int nTeam) {
    int nCount = Find_Free_Player_Slot(nTeam);
    for (int nPass = nCount - 1; nPass > 0; nPass--) {
        for (int nSlot = 0; nSlot < nPass; nSlot++) {
            if (Get_Slot_Unit(nTeam, nSlot + 1) < Get_Slot_Unit(nTeam, nSlot))
                Swap_Players(nTeam, nSlot, nTeam, nSlot + 1);
        }
    }
}

// ---- filling the starters -----------------------------------------------------------------------

static int Score_Candidate(int nTeam, int nSlot, int nPosition, int bKeepInjured, int bJitter,
                           int nBestTightEnd) {
    int nScore = Get_Player_Depth_Chart_Score(nTeam, nSlot, nPosition, bKeepInjured);
    if (bJitter)
        nScore = Apply_Human_Team_Jitter(nTeam, nScore);
    if (nPosition == POS_FB) {
        int nOwn = Get_Own_Position(nTeam, nSlot);
        if (nOwn == POS_FB)
            nScore += FULLBACK_BONUS;
        else if (nOwn == POS_TE && nSlot != nBestTightEnd)
            nScore += SPARE_TIGHT_END_BONUS;
    }
    return nScore;
}

static void Swap_Line_Sides(int nTeam, int nFirst) {
    for (const LINE_SIDE_SWAP& swap : kLineSideSwaps) {
        int nSlot = nFirst + swap.nSlot;
        if (Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION) == swap.nRole)
            Swap_Players(nTeam, nSlot, nTeam, nFirst + swap.nOtherSlot);
    }
}

// The n-th (from 0) uninjured linebacker, none when fewer than n + 1 are available; a missing one
// who should be there has the position's minimum filled and is looked up again.
static uint8_t Find_Available_Linebacker(int nTeam, int n) {
    if (Count_Team_Available_Position_Players(nTeam, POS_LB) < n + 1)
        return NO_SLOT_BYTE;
    uint8_t nSlot = Get_Team_Uninjured_Position_Player(nTeam, POS_LB, n);
    if (nSlot == NO_SLOT_BYTE) {
        Fill_Team_Position_Minimums(nTeam);
        nSlot = Get_Team_Uninjured_Position_Player(nTeam, POS_LB, n);
    }
    return nSlot;
}

static int Get_Linebacker_Key(int nTeam, int nSlot) {
    float fRunDefense = Get_Player_Rating(nTeam, nSlot, RATING_RUN_DEFENSE);
    float fPassRush = Get_Player_Rating(nTeam, nSlot, RATING_PASS_RUSH);
    return (int)(fRunDefense - fPassRush / 3.0f);
}

static void Order_First_Linebackers(int nTeam) {
    uint8_t nFirst = Find_Available_Linebacker(nTeam, 0);
    uint8_t nSecond = Find_Available_Linebacker(nTeam, 1);
    if (nFirst == NO_SLOT_BYTE || nSecond == NO_SLOT_BYTE)
        return;
    if (Get_Linebacker_Key(nTeam, nFirst) > Get_Linebacker_Key(nTeam, nSecond))
        Swap_Players(nTeam, nFirst, nTeam, nSecond);
}

void Fill_Depth_Chart_Unit(int nUnit, int nTeam, int bKeepInjured) {
    if (!Is_League_Team_Number(nTeam) || nUnit < 0 || nUnit >= UNIT_COUNT)
        return;
    Sort_Roster_By_Position(nTeam);
    uint8_t nFirst = Find_Or_Create_Team_Unit_Player(nTeam, nUnit);
    uint8_t nLast = Find_Team_Unit_Last_Player(nTeam, nUnit);
    if (nFirst == NO_SLOT_BYTE || nLast == NO_SLOT_BYTE)
        return;
    int bJitter = Is_Human_Team(nTeam) && !gCommissionerMode;
    int nStarters = Get_Unit_Starter_Count(nUnit);
    for (int n = 0; n < nStarters && nFirst + n <= nLast; n++) {
        int nPosition = Get_Depth_Chart_Slot_Position(nTeam, nUnit, n);
        int nBestTightEnd = nPosition == POS_FB ? Find_Best_Tight_End(nTeam) : NO_TIGHT_END;
        int nWinner = nFirst + n;
        int nBest = 0;
        for (int nSlot = nFirst + n; nSlot <= nLast; nSlot++) {
            int nScore =
                Score_Candidate(nTeam, nSlot, nPosition, bKeepInjured, bJitter, nBestTightEnd);
            if (nSlot == nFirst + n || nScore > nBest) {
                nWinner = nSlot;
                nBest = nScore;
            }
        }
        if (nWinner != nFirst + n)
            Swap_Players(nTeam, nWinner, nTeam, nFirst + n);
    }
    if (nUnit == UNIT_OFFENCE && nLast - nFirst + 1 >= nStarters)
        Swap_Line_Sides(nTeam, nFirst);
    if (nUnit == UNIT_DEFENCE)
        Order_First_Linebackers(nTeam);
}

// ---- the reserves -------------------------------------------------------------------------------

static int Get_Reserve_Key(int nTeam, int nSlot) {
    int nPosition = Get_Own_Position(nTeam, nSlot);
    return Get_Player_Depth_Chart_Score(nTeam, nSlot, nPosition, 0) -
           nPosition * RESERVE_POSITION_STEP + RESERVE_KEY_OFFSET;
}

// Largest key first; the chosen player moves up past the others, so equal keys keep their order.
void Sort_Depth_Chart_Unit(int nTeam, int nUnit) {
    if (!Is_League_Team_Number(nTeam) || nUnit < 0 || nUnit >= UNIT_COUNT)
        return;
    uint8_t nFirst = Find_Or_Create_Team_Unit_Player(nTeam, nUnit);
    uint8_t nLast = Find_Team_Unit_Last_Player(nTeam, nUnit);
    if (nFirst == NO_SLOT_BYTE || nLast == NO_SLOT_BYTE)
        return;
    int nStart = nFirst + Get_Unit_Starter_Count(nUnit);
    int anKeys[PLAYERS_PER_TEAM];
    for (int nSlot = nStart; nSlot <= nLast; nSlot++)
        anKeys[nSlot] = Get_Reserve_Key(nTeam, nSlot);
    for (int nPlace = nStart; nPlace < nLast; nPlace++) {
        int nChosen = nPlace;
        for (int nSlot = nPlace + 1; nSlot <= nLast; nSlot++) {
            if (anKeys[nSlot] > anKeys[nChosen])
                nChosen = nSlot;
        }
        for (int nSlot = nChosen; nSlot > nPlace; nSlot--) {
            Swap_Players(nTeam, nSlot - 1, nTeam, nSlot);
            int nKey = anKeys[nSlot - 1];
            anKeys[nSlot - 1] = anKeys[nSlot];
            anKeys[nSlot] = nKey;
        }
    }
}

void Sort_Team_Roster_Units(int nTeam) {
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++)
        Sort_Depth_Chart_Unit(nTeam, nUnit);
}

// ---- whole depth charts -------------------------------------------------------------------------

void Reset_Team_Depth_Chart(int nTeam, int bKeepInjured) {
    if (!Is_Team_Active(nTeam))
        return;
    Compact_Team_Roster(nTeam);  // a player beyond a gap would be left out of the order
    Repair_Broken_Overalls(nTeam);
    Trim_Roster(nTeam);
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++)
        Fill_Depth_Chart_Unit(nUnit, nTeam, bKeepInjured);
    Choose_Team_Returners(nTeam);
    Sort_Team_Roster_Units(nTeam);
    Compact_Team_Roster(nTeam);
}

void Set_Team_Depth_Chart(int nTeam) {
    Reset_Team_Depth_Chart(nTeam, 0);
}

// Computer-run teams only, and none while Commissioner Mode is on. Every league team's broken
// overalls are re-rolled first, in team and slot order, so that the week's draws do not depend on
// which screens were looked at.
void Set_Computer_Depth_Charts(int bKeepInjured) {
    if (gCommissionerMode)
        return;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Repair_Broken_Overalls(nTeam);
    }
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) && !Is_Human_Team(nTeam))
            Reset_Team_Depth_Chart(nTeam, bKeepInjured);
    }
    for (int nTeam = FREE_AGENT_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++)
        Compact_Team_Roster(nTeam);
}

// Every league team, in passes of the teams whose number leaves the pass modulo 5.
void Set_All_Depth_Charts(int bKeepInjured) {
    for (int nPass = 0; nPass < DEPTH_CHART_PASSES; nPass++) {
        for (int nTeam = nPass; nTeam < LEAGUE_TEAM_COUNT; nTeam += DEPTH_CHART_PASSES)
            Reset_Team_Depth_Chart(nTeam, bKeepInjured);
        Step_Progress_Window(1);
    }
}

// A new scheme: the playbook is checked against it and the defence's depth chart rebuilt.
void Set_Team_Defensive_Scheme(int nTeam, int nScheme) {
    if (nScheme == Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME))
        return;
    Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, nScheme);
    Check_Defensive_Playbook_Scheme(nTeam);
    Fill_Depth_Chart_Unit(UNIT_DEFENCE, nTeam, 0);
    Sort_Depth_Chart_Unit(nTeam, UNIT_DEFENCE);
}
