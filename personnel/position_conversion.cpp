// A player moved to another position of his group: his ratings of the group's class are scaled
// by fixed per-mille factors, so the change is permanent.
#include "database/database.h"
#include "personnel/personnel.h"

#define CONVERSION_GROUP_SIZE 5

// Factors by rating, then the offset of the old position in its group, then the offset of the new
// one. Groups: QB; RB FB TE WR; T G C; DE DT LB CB S; K P.
// clang-format off
static const int16_t kConversionFactors[RATING_COUNT][CONVERSION_GROUP_SIZE][CONVERSION_GROUP_SIZE] = {
#define ALL_KEPT {1000, 1000, 1000, 1000, 1000}
#define ALL_LOST {0, 0, 0, 0, 0}
    /* Health */ {ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT},
    /* Durability */ {ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT},
    /* Accuracy */ {{1000, 0, 0, 0, 0}, ALL_LOST, ALL_LOST, ALL_LOST, ALL_LOST},
    /* Distance */ {{1000, 0, 0, 0, 0}, ALL_LOST, ALL_LOST, ALL_LOST, ALL_LOST},
    /* Control */ {{1000, 0, 0, 0, 0}, ALL_LOST, ALL_LOST, ALL_LOST, ALL_LOST},
    /* Red Zone */ {{1000, 0, 0, 0, 0}, ALL_LOST, ALL_LOST, ALL_LOST, ALL_LOST},
    /* Mobility */ {{1000, 0, 0, 0, 0}, ALL_LOST, ALL_LOST, ALL_LOST, ALL_LOST},
    /* Speed */ {ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT},
    /* Power */
    {{1000, 950, 950, 900, 0}, {1000, 1000, 950, 900, 0}, {950, 950, 1000, 1000, 0},
     {900, 900, 900, 1000, 0}, ALL_LOST},
    /* Quickness */
    {{1000, 1000, 950, 900, 0}, {950, 1000, 950, 900, 0}, {1000, 1000, 1000, 950, 0},
     {1000, 1000, 1000, 1000, 0}, ALL_LOST},
    /* Vision */
    {{1000, 1000, 950, 950, 0}, {950, 1000, 950, 900, 0}, {900, 900, 1000, 950, 0},
     {900, 900, 950, 1000, 0}, ALL_LOST},
    /* Receiving */
    {{1000, 1000, 900, 900, 0}, {1000, 1000, 900, 900, 0}, {950, 950, 1000, 900, 0},
     {900, 950, 950, 1000, 0}, ALL_LOST},
    /* Hands */
    {{1000, 1000, 900, 900, 0}, {1000, 1000, 900, 900, 0}, {950, 950, 1000, 900, 0},
     {900, 950, 950, 1000, 0}, ALL_LOST},
    /* Kick Returns */ {ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT},
    /* Punt Returns */ {ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT, ALL_KEPT},
    /* Pass Blocking */
    {{1000, 1000, 1000, 0, 0}, {970, 1000, 1000, 0, 0}, {940, 970, 1000, 0, 0}, ALL_LOST,
     ALL_LOST},
    /* Run Blocking */
    {{1000, 970, 970, 0, 0}, {1000, 1000, 1000, 0, 0}, {1000, 970, 1000, 0, 0}, ALL_LOST,
     ALL_LOST},
    /* Discipline */
    {{1000, 1000, 940, 0, 0}, {1000, 1000, 970, 0, 0}, {1000, 1000, 1000, 0, 0}, ALL_LOST,
     ALL_LOST},
#define DEFENCE_FACTORS(LAST_TO_CB)                                                              \
    {{1000, 950, 900, 850, 800},                                                                 \
     {950, 1000, 950, 900, 850},                                                                 \
     {800, 950, 1000, 950, 900},                                                                 \
     {850, 900, 950, 1000, 950},                                                                 \
     {800, 850, 900, LAST_TO_CB, 1000}}
    /* Run Defense */ DEFENCE_FACTORS(950),
    /* Pass Rush */ DEFENCE_FACTORS(950),
    /* Pass Coverage */ DEFENCE_FACTORS(950),
    /* Turnovers */ DEFENCE_FACTORS(950),
    /* Tackling */ DEFENCE_FACTORS(1000),
#undef DEFENCE_FACTORS
#define KICKING_FACTORS {{1000, 1000, 0, 0, 0}, {1000, 1000, 0, 0, 0}, ALL_LOST, ALL_LOST, ALL_LOST}
    /* FG Accuracy */ KICKING_FACTORS,
    /* FG Distance */ KICKING_FACTORS,
    /* Punt Accuracy */ KICKING_FACTORS,
    /* Punt Distance */ KICKING_FACTORS,
#undef KICKING_FACTORS
#undef ALL_KEPT
#undef ALL_LOST
};
// clang-format on

int Get_Conversion_Group_First(int nPosition) {
    if (nPosition <= POS_QB)
        return POS_QB;
    if (nPosition <= POS_WR)
        return POS_RB;
    if (nPosition <= POS_C)
        return POS_T;
    if (nPosition <= POS_S)
        return POS_DE;
    return POS_K;
}

int Count_Conversion_Group(int nPosition) {
    switch (Get_Conversion_Group_First(nPosition)) {
    case POS_QB: return 1;
    case POS_RB: return 4;
    case POS_T: return 3;
    case POS_DE: return 5;
    default: return 2;
    }
}

// The ratings a position change converts: those of the old position's class.
static int Is_Conversion_Class_Rating(int nFirst, int nRating) {
    switch (nFirst) {
    case POS_QB: return nRating >= RATING_ACCURACY && nRating <= RATING_MOBILITY;
    case POS_RB: return nRating >= RATING_POWER && nRating <= RATING_PUNT_RETURNS;
    case POS_T: return nRating >= RATING_PASS_BLOCKING && nRating <= RATING_DISCIPLINE;
    case POS_DE: return nRating >= RATING_RUN_DEFENSE && nRating <= RATING_TACKLING;
    default: return nRating >= RATING_FG_ACCURACY && nRating <= RATING_PUNT_DISTANCE;
    }
}

static int Get_Player_Base_Position(int nTeam, int nSlot) {
    return Clamp(Get_Roster_Position(nTeam, nSlot), 0, POSITION_COUNT - 1);
}

float Estimate_Converted_Rating(int nTeam, int nSlot, int nNewPosition, int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return 0.0f;
    int nOld = Get_Player_Base_Position(nTeam, nSlot);
    int nFirst = Get_Conversion_Group_First(nOld);
    int nFrom = nOld - nFirst;
    int nTo = nNewPosition - nFirst;
    if (nTo < 0 || nTo >= CONVERSION_GROUP_SIZE)
        return Get_Player_Rating(nTeam, nSlot, nRating);
    return (float)kConversionFactors[nRating][nFrom][nTo] / 1000.0f *
           Get_Player_Rating(nTeam, nSlot, nRating);
}

void Convert_Player_Position(int nTeam, int nSlot, int nNewPosition) {
    if (!Is_Valid_Player_Index(nTeam, nSlot) || nNewPosition < 0 ||
        nNewPosition >= POSITION_COUNT) {
        Report_Error("Invalid argument in Convert_Player_Position(%d,%d,%d)", nTeam, nSlot,
                     nNewPosition);
        return;
    }
    int nFirst = Get_Conversion_Group_First(Get_Player_Base_Position(nTeam, nSlot));
    float afNew[RATING_COUNT];
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        afNew[nRating] = Estimate_Converted_Rating(nTeam, nSlot, nNewPosition, nRating);
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        if (Is_Conversion_Class_Rating(nFirst, nRating))
            Set_Player_Rating(nTeam, nSlot, afNew[nRating], nRating);
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nNewPosition);
}
