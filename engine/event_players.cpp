// The player an event credits: each player of one side on the field weighs as often as he is
// expected to make that statistic, adjusted by his role in the defensive call and the play's
// yards, and one is drawn by weight.
#include <math.h>

#include "engine/engine.h"

// Season statistics by side (offence, offensive line, defence).
#define STAT_GAMES 0
#define STAT_RECEPTIONS 10
#define STAT_RECEIVING_YARDS 11
#define STAT_SACKS_ALLOWED 4
#define STAT_PENALTIES 10
#define STAT_PENALTY_YARDS 11
#define STAT_SHOWN_SACKS_ALLOWED 144
#define STAT_TACKLES 2
#define STAT_ASSISTS 3
#define STAT_SACKS 4
#define STAT_FORCED_FUMBLES 5
#define STAT_PASSES_DEFENSED 6
#define STAT_INTERCEPTIONS 7
#define STAT_FUMBLE_RECOVERIES 8
#define STAT_SEASON_TACKLES 147  // solo tackles and assists
#define TACKLES_PER_GAME_CAP 9
#define MISSING_LINEMAN_WEIGHT 85
#define ALL_SPOTS_WEIGHT 1000
#define FIRST_COVERAGE_ROLE 8
#define LAST_COVERAGE_ROLE 18

static int Is_Back(int nPosition) {
    return nPosition == POS_CB || nPosition == POS_S;
}

static int Estimate_Lineman(int nTeam, int nSlot, int nStat) {
    if (!Is_Valid_Player_Index(nTeam, nSlot))
        return MISSING_LINEMAN_WEIGHT;
    int nRating = nStat == STAT_SACKS_ALLOWED ? RATING_PASS_BLOCKING : RATING_DISCIPLINE;
    return Max_Int(105 - (int)Get_Player_Rating(nTeam, nSlot, nRating), 1);
}

// x - 60 when that is 2 or more, else 2.
static float Above_60(float x) {
    return x - 60.0f >= 2.0f ? x - 60.0f : 2.0f;
}

static int Estimate_Defender(int nTeam, int nSlot, int nPosition, int nStat) {
    float fTackling = Get_Player_Rating(nTeam, nSlot, RATING_TACKLING);
    float fRunDefense = Get_Player_Rating(nTeam, nSlot, RATING_RUN_DEFENSE);
    float fPassRush = Get_Player_Rating(nTeam, nSlot, RATING_PASS_RUSH);
    float fCoverage = Get_Player_Rating(nTeam, nSlot, RATING_PASS_COVERAGE);
    float fTurnovers = Get_Player_Rating(nTeam, nSlot, RATING_TURNOVERS);
    switch (nStat) {
    case STAT_TACKLES: {
        int t = (int)fTackling;
        int w = Max_Int(t - 40, 0) + Max_Int(t - 80, 0) + (int)fRunDefense / 10 + t / 10;
        w = Max_Int(w, 1);
        if (nPosition == POS_LB &&
            Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION) != ROLE_OLB)
            w = (int)lround(1.3 * w);
        return w;
    }
    case STAT_ASSISTS: {
        int w =
            Max_Int((Max_Int((int)fTackling - 40, 0) + Max_Int((int)fRunDefense - 40, 0)) / 4, 1);
        return Is_Back(nPosition) ? w / 2 : w;
    }
    case STAT_SACKS: {
        int r = Max_Int((int)fPassRush - 40, 0);
        int w = r * r / 100;
        return Is_Back(nPosition) ? w / 2 : w;
    }
    case STAT_FORCED_FUMBLES: {
        int w = (int)((float)(int)(Above_60(fTackling) - 1.0f) + Above_60(fTurnovers) +
                      Above_60(fPassRush));
        return nPosition == POS_LB || nPosition == POS_DE ? 2 * w : w;
    }
    case STAT_PASSES_DEFENSED: {
        int b = Max_Int((int)(fCoverage - 50.0f) / 2, 1);
        if (nPosition == POS_S)
            return (int)lround(0.8 * b);
        return nPosition == POS_CB ? b : (int)lround(0.4 * b);
    }
    case STAT_INTERCEPTIONS: {
        int l = (int)fCoverage - 35;
        int m = (int)fTurnovers - 40;
        int o = (int)lround(l * m / 20.0);
        int w = Max_Int(l * o / 10, 1);
        return Is_Back(nPosition) ? w : w / 2;
    }
    case STAT_FUMBLE_RECOVERIES:
        return Max_Int(((int)(2.0f * fTackling) + (int)fCoverage + (int)fTurnovers - 160) / 20, 1);
    default: return -1;
    }
}

int Estimate_Player_Stat_Frequency(int nTeam, int nSlot, int nStat) {
    int nGroup =
        Is_Valid_Player_Index(nTeam, nSlot) ? Get_Player_Position_Group(nTeam, nSlot) : GROUP_LINE;
    int nWeight = -1;
    if (nGroup == GROUP_SKILL && nStat == STAT_RECEIVING_YARDS) {
        int h = Max_Int((int)Get_Player_Rating(nTeam, nSlot, RATING_RECEIVING_SKILL) - 45, 0);
        nWeight = h * (h / 2);
    } else if (nGroup == GROUP_LINE && (nStat == STAT_SACKS_ALLOWED || nStat == STAT_PENALTIES ||
                                        nStat == STAT_PENALTY_YARDS)) {
        nWeight = Estimate_Lineman(nTeam, nSlot, nStat);
    } else if (nGroup == GROUP_DEFENCE) {
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        nWeight = Estimate_Defender(nTeam, nSlot, nPosition, nStat);
    }
    if (nWeight < 0)
        Report_Error(
            "Unhandled stat in Estimate_Player_Stat_Frequency(TNUM nTeam, INDEX nPlayer, "
            "int nStat)");
    return nWeight;
}

// A sack goes to the rushers: never to a defender in coverage, mostly to the front.
static int Adjust_Sack_Weight(GAME* pGame, int nSpot, int nPosition, int w) {
    int nRole = Get_Defensive_Play_Role(Get_Defensive_Team(pGame),
                                        pGame->currentPlay.nDefensiveCall, nSpot);
    if (nRole >= FIRST_COVERAGE_ROLE && nRole <= LAST_COVERAGE_ROLE)
        return 0;
    switch (nPosition) {
    case POS_DT: w = Max_Int((int)(1.5 * w), 1); break;
    case POS_LB: w = Max_Int(10 * w, 1); break;
    case POS_CB: w = Max_Int(15 * w, 1); break;
    case POS_S: w = Max_Int(20 * w, 1); break;
    default: break;
    }
    return nRole >= 0 && nRole <= LAST_RUSHING_ROLE ? 3 * w : w;
}

// Who makes the tackle depends on how far the play went.
static int Adjust_Tackle_Weight(GAME* pGame, int nTeam, int nSlot, int nPosition, int nStat,
                                int w) {
    if (nStat == STAT_TACKLES) {
        int nTackles = Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_SEASON_TACKLES);
        int nCap = TACKLES_PER_GAME_CAP * Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_GAMES);
        if (nTackles > nCap)
            w = Mul_Div(w, nCap, nTackles);
    }
    int y = pGame->nPlayYards;
    int bLineman = nPosition == POS_DE || nPosition == POS_DT;
    if (y > 5) {
        if (bLineman)
            w = y < 10 ? w / 2 : 0;
        else if (nPosition == POS_CB && y > 15)
            w += w / 2;
        else if (nPosition == POS_S && y > 15)
            w += w / 3;
        else if (nPosition == POS_LB && y > 25)
            w /= 3;
    } else if (y < 3 && Is_Run_Play(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall)) {
        if (nPosition == POS_DT)
            w += w / 2;
        else if (nPosition == POS_DE)
            w += w / 3;
        else if (nPosition == POS_S)
            w /= 2;
        else if (nPosition == POS_CB)
            w = 0;
    }
    return w;
}

static int Get_Event_Weight(GAME* pGame, int bSide, int nSpot, int nGroup, int nStat) {
    int nTeam = pGame->anTeams[bSide];
    int nSlot = pGame->aabOnField[bSide][nSpot];
    if (!Is_Valid_Team(nTeam) || nSlot >= PLAYERS_PER_TEAM || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (nStat == EVENT_ANY_PLAYER)
        return ALL_SPOTS_WEIGHT;
    if (Get_Player_Position_Group(nTeam, nSlot) != nGroup)
        return 0;
    int w = Max_Int(Estimate_Player_Stat_Frequency(nTeam, nSlot, nStat), 0);
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nGroup == GROUP_LINE && nStat == STAT_SHOWN_SACKS_ALLOWED && nPosition != POS_C)
        w *= 2;
    if (nGroup == GROUP_DEFENCE && nStat == STAT_SACKS)
        w = Adjust_Sack_Weight(pGame, nSpot, nPosition, w);
    if (nGroup == GROUP_DEFENCE && (nStat == STAT_TACKLES || nStat == STAT_ASSISTS))
        w = Adjust_Tackle_Weight(pGame, nTeam, nSlot, nPosition, nStat, w);
    return w;
}

int Choose_Game_Event_Player(GAME* pGame, int nGroup, int nStat, int bPenalty) {
    if (pGame == NULL)
        return NO_SLOT_BYTE;
    int bSide = nGroup == GROUP_DEFENCE ? Get_Defensive_Side(pGame) : Get_Offensive_Side(pGame);
    int anWeights[FORMATION_SPOTS];
    int64_t nTotal = 0;
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        anWeights[nSpot] = Get_Event_Weight(pGame, bSide, nSpot, nGroup, nStat);
        nTotal += anWeights[nSpot];
    }
    int nChosen;
    if (nTotal > 0) {
        double r = Random_Unit() * (double)nTotal;
        int64_t nRunning = 0;
        nChosen = FORMATION_SPOTS - 1;
        for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
            nRunning += anWeights[nSpot];
            if (anWeights[nSpot] > 0 && (double)nRunning >= r) {
                nChosen = nSpot;
                break;
            }
        }
    } else if (nGroup == GROUP_SKILL && nStat == STAT_RECEPTIONS) {
        nChosen = 1 + Random_Below(PLAY_RECEIVERS);
    } else {
        nChosen = Random_Below(FORMATION_SPOTS);
    }
    int nSlot = pGame->aabOnField[bSide][nChosen];
    if (nSlot == NO_SLOT_BYTE) {
        Report_Error(
            "No player assigned in Choose_Game_Event_Player(pGame, nExpandedType=%d, "
            "nStat=%d, bPenalty=%d)",
            nGroup, nStat, bPenalty);
        return NO_SLOT_BYTE;
    }
    return nSlot;
}
