// Rolling a player's 27 ratings for his position, the acceptance test of a new prospect and the
// fixed default ratings of each position.
//
// Every draw goes through Draw_Random in a fixed order, so one seed always yields the same
// players: the tables below are walked in order and each row draws at most one number.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define HEALTH_BASE 75
#define HEALTH_ROLL 20
#define DURABILITY_BASE 37
#define DURABILITY_ROLL 10
#define BASE_RATING 20
#define BASE_ROLL 11
#define BROKEN_OVERALL 25.0f

// The four latent talents of a new player.
enum TALENT { TALENT_A = 0, TALENT_B, TALENT_C, TALENT_D, TALENT_COUNT, NO_TALENT = -1 };

// One position rating: base + talent1 / divisor1 + talent2 / divisor2 + d(roll). A negative
// divisor subtracts the quotient; a roll of 0 draws nothing.
typedef struct RATING_FORMULA {
    int8_t nRating;
    int8_t nTalent1;
    int8_t nDivisor1;
    int8_t nTalent2;
    int8_t nDivisor2;
    int16_t nBase;
    int16_t nRoll;
} RATING_FORMULA;

#define END_OF_ROWS \
    { -1, NO_TALENT, 0, NO_TALENT, 0, 0, 0 }
#define MAX_FORMULA_ROWS 16

#define A TALENT_A
#define B TALENT_B
#define C TALENT_C
#define D TALENT_D
#define X NO_TALENT

// Rows of each position in draw order; the three linemen continue with kLinemanTail.
static const RATING_FORMULA kPositionFormulas[POSITION_COUNT][MAX_FORMULA_ROWS] = {
    {
        // QB
        {RATING_ACCURACY, A, 5, X, 0, 53, 15},
        {RATING_DISTANCE, A, 5, X, 0, 53, 15},
        {RATING_CONTROL, A, 5, X, 0, 53, 15},
        {RATING_RED_ZONE, A, 5, X, 0, 53, 15},
        {RATING_MOBILITY, B, 5, X, 0, 50, 15},
        {RATING_SPEED, B, 4, X, 0, 55, 10},
        {RATING_RECEIVING, X, 0, X, 0, 25, 30},
        {RATING_PASS_BLOCKING, X, 0, X, 0, 30, 20},
        {RATING_RUN_BLOCKING, X, 0, X, 0, 30, 20},
        {RATING_POWER, B, 5, X, 0, 45, 15},
        {RATING_QUICKNESS, B, 5, X, 0, 42, 15},
        {RATING_VISION, B, 5, X, 0, 45, 15},
        {RATING_HANDS, B, 10, X, 0, 48, 15},
        {RATING_KICK_RETURNS, B, 5, X, 0, 30, 8},
        {RATING_PUNT_RETURNS, B, 5, X, 0, 30, 8},
        END_OF_ROWS,
    },
    {
        // RB
        {RATING_SPEED, A, 4, X, 0, 71, 0},
        {RATING_RECEIVING, D, 5, X, 0, 46, 10},
        {RATING_PASS_BLOCKING, B, 6, X, 0, 40, 10},
        {RATING_RUN_BLOCKING, B, 7, X, 0, 40, 10},
        {RATING_POWER, B, 5, A, 10, 40, 10},
        {RATING_QUICKNESS, A, 5, X, 0, 53, 10},
        {RATING_VISION, A, 6, X, 0, 45, 10},
        {RATING_HANDS, A, 7, X, 0, 50, 20},
        {RATING_RED_ZONE, D, 10, X, 0, 55, 15},
        {RATING_KICK_RETURNS, A, 10, C, 7, 45, 8},
        {RATING_PUNT_RETURNS, A, 10, C, 7, 45, 8},
        END_OF_ROWS,
    },
    {
        // FB
        {RATING_SPEED, A, 6, X, 0, 60, 0},
        {RATING_RECEIVING, D, 6, X, 0, 45, 10},
        {RATING_PASS_BLOCKING, B, 7, X, 0, 50, 12},
        {RATING_RUN_BLOCKING, B, 7, X, 0, 50, 15},
        {RATING_POWER, A, 5, X, 0, 53, 10},
        {RATING_QUICKNESS, A, 5, X, 0, 45, 10},
        {RATING_VISION, A, 6, X, 0, 45, 10},
        {RATING_HANDS, A, 10, X, 0, 50, 20},
        {RATING_RED_ZONE, D, 10, X, 0, 48, 12},
        {RATING_KICK_RETURNS, A, 10, C, 7, 42, 8},
        {RATING_PUNT_RETURNS, A, 10, C, 7, 42, 8},
        END_OF_ROWS,
    },
    {
        // TE
        {RATING_SPEED, A, 7, X, 0, 60, 10},
        {RATING_RECEIVING, B, 4, X, 0, 50, 0},
        {RATING_PASS_BLOCKING, A, -6, X, 0, 60, 10},
        {RATING_RUN_BLOCKING, A, -6, X, 0, 70, 10},
        {RATING_POWER, A, -14, X, 0, 63, 10},
        {RATING_QUICKNESS, A, 6, X, 0, 53, 10},
        {RATING_VISION, B, 6, X, 0, 53, 10},
        {RATING_HANDS, B, 6, X, 0, 53, 15},
        {RATING_RED_ZONE, B, 10, X, 0, 52, 15},
        {RATING_KICK_RETURNS, A, 10, C, 6, 45, 8},
        {RATING_PUNT_RETURNS, A, 10, C, 6, 45, 8},
        END_OF_ROWS,
    },
    {
        // WR
        {RATING_SPEED, A, 6, X, 0, 75, 7},
        {RATING_RECEIVING, B, 4, X, 0, 58, 0},
        {RATING_PASS_BLOCKING, A, -10, X, 0, 50, 10},
        {RATING_RUN_BLOCKING, A, -10, X, 0, 45, 10},
        {RATING_POWER, A, -10, X, 0, 65, 20},
        {RATING_QUICKNESS, A, 6, X, 0, 60, 10},
        {RATING_VISION, B, 7, X, 0, 60, 10},
        {RATING_HANDS, B, 7, X, 0, 60, 10},
        {RATING_RED_ZONE, B, 10, A, 18, 55, 15},
        {RATING_KICK_RETURNS, C, 5, A, 15, 60, 10},
        {RATING_PUNT_RETURNS, C, 5, A, 15, 60, 10},
        END_OF_ROWS,
    },
    {
        // T
        {RATING_PASS_BLOCKING, A, 5, X, 0, 55, 10},
        {RATING_RUN_BLOCKING, A, 5, X, 0, 52, 10},
        END_OF_ROWS,
    },
    {
        // G
        {RATING_PASS_BLOCKING, A, 5, X, 0, 52, 8},
        {RATING_RUN_BLOCKING, A, 5, X, 0, 55, 10},
        END_OF_ROWS,
    },
    {
        // C
        {RATING_PASS_BLOCKING, A, 5, X, 0, 52, 8},
        {RATING_RUN_BLOCKING, A, 5, X, 0, 52, 8},
        END_OF_ROWS,
    },
    {
        // DE
        {RATING_RUN_DEFENSE, A, 5, X, 0, 52, 10},
        {RATING_PASS_RUSH, A, 4, X, 0, 62, 0},
        {RATING_PASS_COVERAGE, A, 10, X, 0, 48, 10},
        {RATING_TURNOVERS, A, 10, X, 0, 53, 20},
        {RATING_TACKLING, A, 4, X, 0, 55, 12},
        {RATING_SPEED, B, 5, X, 0, 35, 10},
        {RATING_RECEIVING, B, 3, X, 0, 20, 0},
        {RATING_POWER, B, 5, X, 0, 40, 15},
        {RATING_QUICKNESS, B, 5, X, 0, 30, 15},
        {RATING_VISION, B, 5, X, 0, 20, 15},
        {RATING_HANDS, B, 10, X, 0, 20, 20},
        {RATING_KICK_RETURNS, B, 5, X, 0, 20, 10},
        {RATING_PUNT_RETURNS, B, 5, X, 0, 20, 10},
        END_OF_ROWS,
    },
    {
        // DT
        {RATING_RUN_DEFENSE, A, 3, X, 0, 58, 0},
        {RATING_PASS_RUSH, A, 5, X, 0, 50, 15},
        {RATING_PASS_COVERAGE, A, 10, X, 0, 45, 10},
        {RATING_TURNOVERS, A, 10, X, 0, 50, 20},
        {RATING_TACKLING, A, 4, X, 0, 52, 12},
        {RATING_SPEED, B, 5, X, 0, 25, 10},
        {RATING_RECEIVING, B, 3, X, 0, 15, 0},
        {RATING_POWER, B, 5, X, 0, 45, 15},
        {RATING_QUICKNESS, B, 5, X, 0, 15, 15},
        {RATING_VISION, B, 5, X, 0, 15, 15},
        {RATING_HANDS, B, 10, X, 0, 15, 20},
        {RATING_KICK_RETURNS, B, 5, X, 0, 15, 10},
        {RATING_PUNT_RETURNS, B, 5, X, 0, 15, 10},
        END_OF_ROWS,
    },
    {
        // LB
        {RATING_RUN_DEFENSE, A, 5, X, 0, 50, 15},
        {RATING_PASS_RUSH, A, 8, X, 0, 50, 20},
        {RATING_PASS_COVERAGE, A, 10, X, 0, 50, 20},
        {RATING_TURNOVERS, A, 10, X, 0, 53, 20},
        {RATING_TACKLING, A, 4, X, 0, 58, 10},
        {RATING_SPEED, B, 5, X, 0, 45, 10},
        {RATING_RECEIVING, B, 3, X, 0, 30, 0},
        {RATING_POWER, B, 5, X, 0, 40, 15},
        {RATING_QUICKNESS, B, 5, X, 0, 35, 15},
        {RATING_VISION, B, 5, X, 0, 20, 15},
        {RATING_HANDS, B, 10, X, 0, 30, 20},
        {RATING_KICK_RETURNS, B, 5, X, 0, 25, 10},
        {RATING_PUNT_RETURNS, B, 5, X, 0, 25, 10},
        END_OF_ROWS,
    },
    {
        // CB
        {RATING_RUN_DEFENSE, X, 0, X, 0, 50, 20},
        {RATING_PASS_RUSH, X, 0, X, 0, 50, 25},
        {RATING_PASS_COVERAGE, A, 4, X, 0, 63, 0},
        {RATING_TURNOVERS, A, 5, X, 0, 53, 20},
        {RATING_TACKLING, A, 5, X, 0, 51, 10},
        {RATING_SPEED, B, 6, X, 0, 70, 8},
        {RATING_RECEIVING, B, 3, X, 0, 40, 0},
        {RATING_POWER, B, 5, X, 0, 30, 15},
        {RATING_QUICKNESS, B, 5, X, 0, 45, 15},
        {RATING_VISION, B, 5, X, 0, 30, 15},
        {RATING_HANDS, B, 10, X, 0, 40, 20},
        {RATING_KICK_RETURNS, B, 4, X, 0, 50, 10},
        {RATING_PUNT_RETURNS, B, 4, X, 0, 50, 10},
        END_OF_ROWS,
    },
    {
        // S
        {RATING_RUN_DEFENSE, A, 5, X, 0, 55, 10},
        {RATING_PASS_RUSH, X, 0, X, 0, 52, 25},
        {RATING_PASS_COVERAGE, A, 4, X, 0, 57, 0},
        {RATING_TURNOVERS, A, 5, X, 0, 53, 15},
        {RATING_TACKLING, A, 5, X, 0, 55, 15},
        {RATING_SPEED, B, 6, X, 0, 63, 10},
        {RATING_RECEIVING, B, 3, X, 0, 40, 0},
        {RATING_POWER, B, 5, X, 0, 30, 15},
        {RATING_QUICKNESS, B, 5, X, 0, 45, 15},
        {RATING_VISION, B, 5, X, 0, 30, 15},
        {RATING_HANDS, B, 10, X, 0, 40, 20},
        {RATING_KICK_RETURNS, B, 5, X, 0, 50, 10},
        {RATING_PUNT_RETURNS, B, 5, X, 0, 50, 10},
        END_OF_ROWS,
    },
    {
        // K
        {RATING_FG_ACCURACY, A, 5, X, 0, 50, 20},
        {RATING_FG_DISTANCE, A, 5, X, 0, 50, 20},
        {RATING_PUNT_ACCURACY, A, 7, X, 0, 30, 20},
        {RATING_PUNT_DISTANCE, A, 7, X, 0, 30, 20},
        {RATING_RUN_DEFENSE, B, 5, X, 0, 25, 10},
        {RATING_PASS_RUSH, X, 0, X, 0, 15, 25},
        {RATING_PASS_COVERAGE, B, 5, X, 0, 15, 15},
        {RATING_TURNOVERS, B, 5, X, 0, 20, 20},
        {RATING_TACKLING, B, 5, X, 0, 30, 15},
        END_OF_ROWS,
    },
    {
        // P
        {RATING_FG_ACCURACY, A, 7, X, 0, 30, 20},
        {RATING_FG_DISTANCE, A, 7, X, 0, 30, 20},
        {RATING_PUNT_ACCURACY, A, 5, X, 0, 50, 20},
        {RATING_PUNT_DISTANCE, A, 5, X, 0, 50, 20},
        {RATING_RUN_DEFENSE, B, 5, X, 0, 25, 10},
        {RATING_PASS_RUSH, X, 0, X, 0, 15, 25},
        {RATING_PASS_COVERAGE, B, 5, X, 0, 15, 15},
        {RATING_TURNOVERS, B, 5, X, 0, 20, 20},
        {RATING_TACKLING, B, 5, X, 0, 25, 15},
        END_OF_ROWS,
    },
};

// What tackles, guards and centres draw after their two blocking ratings.
static const RATING_FORMULA kLinemanTail[] = {
    {RATING_DISCIPLINE, B, 6, X, 0, 50, 20},   {RATING_SPEED, B, 5, X, 0, 35, 10},
    {RATING_RECEIVING, B, 3, X, 0, 20, 0},     {RATING_POWER, B, 5, X, 0, 40, 15},
    {RATING_QUICKNESS, B, 5, X, 0, 20, 15},    {RATING_VISION, B, 5, X, 0, 40, 15},
    {RATING_HANDS, B, 10, X, 0, 20, 20},       {RATING_KICK_RETURNS, B, 5, X, 0, 20, 10},
    {RATING_PUNT_RETURNS, B, 5, X, 0, 20, 10}, END_OF_ROWS,
};

#undef A
#undef B
#undef C
#undef D
#undef X

// Ratings 0..26 of a player imported without ratings, by position.
static const uint8_t kDefaultRatings[POSITION_COUNT][RATING_COUNT] = {
    {70, 70, 70, 70, 70, 70, 70, 50, 40, 40, 40, 30, 40, 30,
     30, 25, 25, 30, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 60, 60, 55, 55, 50, 50, 40,
     40, 35, 35, 40, 15, 15, 20, 15, 15, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 50, 40, 40, 40, 30, 40, 35,
     35, 55, 55, 40, 15, 15, 15, 15, 25, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 50, 40, 50, 40, 55, 45, 40,
     40, 45, 45, 40, 15, 15, 30, 15, 15, 20, 20, 20, 20},
    {70, 70, 40, 40, 40, 40, 40, 65, 40, 55, 45, 65, 50, 50,
     50, 45, 45, 40, 15, 15, 40, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 30, 30, 30, 30, 20, 20, 20,
     20, 65, 55, 40, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 30, 30, 30, 30, 20, 20, 20,
     20, 55, 65, 40, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 25, 30, 30, 30, 20, 20, 20,
     20, 55, 60, 40, 15, 15, 15, 15, 15, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 35, 40, 35, 35, 20, 20, 25,
     25, 35, 35, 30, 55, 65, 35, 45, 55, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 25, 50, 25, 25, 15, 15, 20,
     20, 35, 35, 30, 65, 55, 25, 35, 45, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 45, 50, 55, 45, 65, 50, 30,
     30, 25, 25, 30, 55, 45, 45, 35, 65, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 60, 30, 55, 45, 65, 50, 50,
     50, 25, 25, 30, 45, 35, 65, 65, 50, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 55, 40, 55, 45, 65, 50, 40,
     40, 25, 25, 30, 55, 35, 55, 55, 60, 20, 20, 20, 20},
    {70, 70, 20, 20, 20, 20, 20, 35, 30, 35, 35, 20, 20, 20,
     20, 30, 30, 30, 15, 15, 15, 15, 15, 65, 65, 45, 45},
    {70, 70, 20, 20, 20, 20, 20, 35, 30, 35, 35, 20, 20, 20,
     20, 30, 30, 30, 15, 15, 15, 15, 15, 45, 45, 65, 65},
};

// Acceptance ceiling of a prospect: offsets by position and the named-prospect season's cut.
static const int8_t kCeilingOffsets[POSITION_COUNT] = {
    1, 0, -3, -1, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0,
};
#define CEILING_BASE 85
#define CEILING_TABLE_YEAR_CUT 3
#define POTENTIAL_MARGIN 6

static void Set_Rating(int nTeam, int nSlot, int nRating, int nValue) {
    Set_Player_Rating(nTeam, nSlot, (float)nValue, nRating);
}

// Draws the rows of one table until its end marker.
static void Apply_Rating_Formulas(int nTeam, int nSlot, const RATING_FORMULA* pRows,
                                  const int* pTalents) {
    for (; pRows->nRating >= 0; pRows++) {
        int nValue = pRows->nBase;
        if (pRows->nTalent1 != NO_TALENT)
            nValue += pTalents[pRows->nTalent1] / pRows->nDivisor1;
        if (pRows->nTalent2 != NO_TALENT)
            nValue += pTalents[pRows->nTalent2] / pRows->nDivisor2;
        if (pRows->nRoll > 0)
            nValue += Draw_Random(pRows->nRoll);
        Set_Rating(nTeam, nSlot, pRows->nRating, nValue);
    }
}

void Generate_Player_Ratings(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int bKnownPosition = nPosition >= 0 && nPosition < POSITION_COUNT;

    int nHealth = Draw_Random_Around(HEALTH_BASE, HEALTH_ROLL);
    Set_Rating(nTeam, nSlot, RATING_HEALTH, nHealth);
    Set_Rating(nTeam, nSlot, RATING_DURABILITY,
               Draw_Random_Around(nHealth / 2 + DURABILITY_BASE, DURABILITY_ROLL));
    for (int nRating = RATING_ACCURACY; nRating < RATING_COUNT; nRating++)
        Set_Rating(nTeam, nSlot, nRating, BASE_RATING + Draw_Random(BASE_ROLL));

    int nCentre = bKnownPosition ? gDraftTalent[DRAFT_TALENT_CENTRE][nPosition] : 0;
    int nSpread = bKnownPosition ? gDraftTalent[DRAFT_TALENT_SPREAD][nPosition] : 0;
    int nWidth = nSpread / 2 + 100;
    int nTalentBase = nCentre / 2 - (nSpread / 2) / 2;
    int anTalents[TALENT_COUNT];
    for (int n = 0; n < TALENT_COUNT; n++)
        anTalents[n] = nTalentBase + Draw_Random(nWidth);
    if (!bKnownPosition)
        return;

    Apply_Rating_Formulas(nTeam, nSlot, kPositionFormulas[nPosition], anTalents);
    if (Get_Position_Group(nPosition) == GROUP_LINE)
        Apply_Rating_Formulas(nTeam, nSlot, kLinemanTail, anTalents);
}

int Fabricate_Position_Player(int nTeam, int nSlot, int nPosition, int bHistory) {
    for (int nAttempt = 0; nAttempt < FABRICATE_ATTEMPTS; nAttempt++) {
        if (Generate_New_Player(nTeam, nSlot, nPosition, bHistory))
            return 0;
    }
    char szName[POSITION_NAME_SIZE];
    Get_Position_Name(nPosition, szName, sizeof(szName));
    Log_Debug_Line("Fabricate_Position_Player() unable to create %s after %d attempts.", szName,
                   FABRICATE_ATTEMPTS);
    return 0;
}

int Is_Prospect_Rejected(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    int nCeiling = gDraftTalent[DRAFT_TALENT_CENTRE][nPosition] / 20 +
                   Get_Universe_Stat(UNIVERSE_DRAFT_TALENT) / 20 + CEILING_BASE;
    if (Get_Season_Year() == PROSPECT_TABLE_YEAR)
        nCeiling -= CEILING_TABLE_YEAR_CUT;
    nCeiling += kCeilingOffsets[nPosition];

    float fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (fOverall < BROKEN_OVERALL) {
        Generate_Player_Ratings(nTeam, nSlot);
        fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
    }
    if (fOverall > (float)nCeiling)
        return 1;
    int nPotentialCeiling =
        gDraftTalent[DRAFT_TALENT_GROWTH][nPosition] / 20 + nCeiling + POTENTIAL_MARGIN;
    return Get_Player_Potential(nTeam, nSlot) > (float)nPotentialCeiling;
}

void Set_Default_Position_Ratings(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return;
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        Set_Rating(nTeam, nSlot, nRating, kDefaultRatings[nPosition][nRating]);
}

void Modify_Player_Ratings_Weighted(int nTeam, int nSlot, float fFraction) {
    Modify_Player_Ratings(nTeam, nSlot, fFraction, 1);
}

void Modify_Player_Ratings_Plain(int nTeam, int nSlot, float fFraction) {
    Modify_Player_Ratings(nTeam, nSlot, fFraction, 0);
}
