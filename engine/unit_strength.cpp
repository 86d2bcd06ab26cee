// Unit strengths: the players of a side on the field for the current play weighed into factors
// near 1, each pulled softly toward its limits. Computed fresh for every play.
#include <math.h>

#include "engine/engine.h"

#define WIDE_LOW (1.0f / 1.33f)
#define WIDE_HIGH 1.33f
#define LINE_LOW (1.0f / 1.42f)
#define LINE_HIGH 1.42f
#define HOME_EDGE 0.05f
#define POSTSEASON_HOME_EDGE 0.1f
#define DIFFICULTY_STEP 0.05f
#define EARLIEST_POSTSEASON_WEEK 3

// A side's on-field spot, or NO_PLAYER when the spot holds nobody who can be read.
static int Get_Spot_Player(GAME* pGame, int bSide, int nSpot) {
    int nTeam = pGame->anTeams[bSide];
    int nSlot = pGame->aabOnField[bSide][nSpot];
    if (nTeam < 0 || nTeam > LAST_DRAFT_POOL_TEAM || nSlot >= PLAYERS_PER_TEAM)
        return NO_PLAYER;
    return nSlot;
}

// The rating of a spot's player; an empty spot counts the floor.
static float Spot_Rating(GAME* pGame, int bSide, int nSpot, int nRating) {
    int nSlot = Get_Spot_Player(pGame, bSide, nSpot);
    if (nSlot == NO_PLAYER)
        return RATING_FLOOR;
    return Get_Player_Rating(pGame->anTeams[bSide], nSlot, nRating);
}

float Soft_Limit(float x, float fLow, float fHigh) {
    float fRootHigh = sqrtf(fHigh);
    float fRootLow = sqrtf(fLow);
    if (x > fRootHigh)
        x = (fRootHigh + x) / 2.0f;
    else if (x < fRootLow)
        x = (fRootLow + x) / 2.0f;
    return fminf(fmaxf(x, fLow), fHigh);
}

float Limit_Ratio(float x, float b) {
    if (b <= 0.0f)
        return x;
    return Soft_Limit(x, 1.0f / b, b);
}

float Scale_Near_Goal_20(GAME* pGame, float x) {
    return pGame->nYardLine < 20 ? x * (0.025f * pGame->nYardLine + 0.5f) : x;
}

float Scale_Near_Goal_2(GAME* pGame, float x) {
    return pGame->nYardLine <= 2 ? x * (0.15f * pGame->nYardLine + 0.55f) : x;
}

// A receiver far ahead of 50 yards a game (plus 50) is called less.
WEIGHT_SCALE Get_Receiving_Pace_Scale(int nTeam, int nSlot) {
    int nPace = Get_Team_Games_Played(nTeam) * 50 + 50;
    int nYards = Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, OFF_RECEIVING_YARDS);
    return {nPace, nYards, nPace < nYards};
}

float Get_Receiving_Corps_Strength(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    float fSum = 0.96f;
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        if (Get_Spot_Player(pGame, bSide, nSpot) == NO_PLAYER)
            continue;
        float fReceiving = Spot_Rating(pGame, bSide, nSpot, RATING_RECEIVING);
        if (fReceiving > 60.0f)
            fSum += 0.0005f * (fReceiving - 60.0f);
    }
    return Soft_Limit(fSum, WIDE_LOW, WIDE_HIGH);
}

// Quarterbacks, running backs and fullbacks by their run skill (a quarterback's with Mobility).
float Get_Backfield_Running_Strength(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[bSide];
    float fSum = 0.98f;
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        int nSlot = Get_Spot_Player(pGame, bSide, nSpot);
        if (nSlot == NO_PLAYER)
            continue;
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        if (nPosition != POS_QB && nPosition != POS_RB && nPosition != POS_FB)
            continue;
        float fSkill = Get_Player_Rating(nTeam, nSlot, RATING_RUSHING);
        if (fSkill > 60.0f)
            fSum += 0.0005f * (fSkill - 60.0f);
    }
    return Soft_Limit(fSum, WIDE_LOW, WIDE_HIGH);
}

// The two above, with the home field and the difficulty level.
float Get_Skill_Position_Strength(GAME* pGame) {
    float g = (Get_Receiving_Corps_Strength(pGame) + Get_Backfield_Running_Strength(pGame)) / 2.0f;
    int nFirstPostseason = gPostseasonWeeks[0];
    int nLastRegular = nFirstPostseason < EARLIEST_POSTSEASON_WEEK ? 2 : nFirstPostseason;
    float f = gCurrentWeek < nLastRegular ? HOME_EDGE : POSTSEASON_HOME_EDGE;
    g += Get_Offensive_Side(pGame) == HOME_SIDE ? f : -f;
    if (Is_Human_Team(Get_Offensive_Team(pGame)))
        g -= DIFFICULTY_STEP * gDifficulty;
    if (Is_Human_Team(Get_Defensive_Team(pGame)))
        g += DIFFICULTY_STEP * gDifficulty;
    return Soft_Limit(g, WIDE_LOW, WIDE_HIGH);
}

// Tackles (spots 6, 10), the interior line (7..9) and half of the two nearest backs (2, 3).
float Get_Run_Blocking_Strength(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    auto Block = [&](int nSpot) { return Spot_Rating(pGame, bSide, nSpot, RATING_RUN_BLOCKING); };
    float fSum = Block(6) + Block(10);
    for (int nSpot = 7; nSpot <= 9; nSpot++)
        fSum += 1.3f * Block(nSpot) - 24.0f;
    fSum += 0.5f * (Block(2) + Block(3));
    return Soft_Limit(fSum / 430.0f, LINE_LOW, LINE_HIGH);
}

float Get_Pass_Protection_Strength(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    auto Block = [&](int nSpot) { return Spot_Rating(pGame, bSide, nSpot, RATING_PASS_BLOCKING); };
    float fSum = 1.4f * Block(6) - 32.0f + 1.4f * Block(10) - 32.0f;
    for (int nSpot = 7; nSpot <= 9; nSpot++)
        fSum += Block(nSpot);
    fSum += 0.5f * Block(2);
    return Soft_Limit(fSum / 375.0f, LINE_LOW, LINE_HIGH);
}

float Get_Line_Discipline_Strength(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    float fSum = 0.0f;
    for (int nSpot = 6; nSpot <= 10; nSpot++)
        fSum += Spot_Rating(pGame, bSide, nSpot, RATING_DISCIPLINE);
    float x = fminf(fmaxf(fSum / 350.0f, 0.5f), 2.0f);
    return Soft_Limit(x, 0.5f, 2.0f);
}

// The sum over the defence's occupied spots of a per-player term.
template <typename TERM>
static float Sum_Defenders(GAME* pGame, TERM term) {
    int bSide = Get_Defensive_Side(pGame);
    float fSum = 0.0f;
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        if (Get_Spot_Player(pGame, bSide, nSpot) != NO_PLAYER)
            fSum += term([&](int nRating) { return Spot_Rating(pGame, bSide, nSpot, nRating); });
    }
    return fSum;
}

static float Above_50(float x) {
    return fmaxf(x - 50.0f, 0.0f);
}

float Get_Run_Defense_Strength(GAME* pGame) {
    float fSum = Sum_Defenders(pGame, [](auto r) {
        float x = r(RATING_RUN_DEFENSE);
        return (x * x + 4900.0f) / 107800.0f;
    });
    return Soft_Limit(fSum * 3.0f - 2.0f, LINE_LOW, LINE_HIGH);
}

float Get_Tackling_Strength(GAME* pGame) {
    float fSum = Sum_Defenders(pGame, [](auto r) {
        float x = r(RATING_TACKLING);
        return (x * x + 4900.0f) / 107800.0f;
    });
    return Soft_Limit(fSum, LINE_LOW, LINE_HIGH);
}

float Get_Pass_Coverage_Strength(GAME* pGame) {
    float fSum = Sum_Defenders(pGame, [](auto r) {
        float x = r(RATING_PASS_COVERAGE);
        return x * x / 53900.0f;
    });
    return Soft_Limit(fSum, LINE_LOW, LINE_HIGH);
}

float Get_Pass_Rush_Strength(GAME* pGame) {
    float fSum = Sum_Defenders(pGame, [](auto r) {
        float x = r(RATING_PASS_RUSH);
        return x * x / 53900.0f;
    });
    return Soft_Limit(fSum * 2.0f - 1.0f, 0.5f, 2.0f);
}

float Get_Ball_Hawking_Strength(GAME* pGame) {
    float fSum = Sum_Defenders(pGame, [](auto r) {
        return Above_50(r(RATING_PASS_COVERAGE)) * Above_50(r(RATING_TURNOVERS)) / 4400.0f;
    });
    return Soft_Limit(fSum, 0.4f, 2.5f);
}

float Get_Fumble_Forcing_Strength(GAME* pGame) {
    float fSum = Sum_Defenders(pGame, [](auto r) {
        return Above_50(r(RATING_TURNOVERS)) *
               (Above_50(r(RATING_RUN_DEFENSE)) + Above_50(r(RATING_TACKLING))) / 8800.0f;
    });
    return Soft_Limit(fSum, 1.0f / 3.0f, 3.0f);
}
