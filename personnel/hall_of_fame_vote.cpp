// The Hall of Fame vote on a retiring player.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define FAME_MIN_EXPERIENCE 10  // only players with more seasons are considered
#define FAME_RINGS_WEIGHT 3
#define FAME_MODERN_YEAR 2000  // earlier seasons count for less
#define FAME_OLD_ERA_BASE 2200
#define FAME_OLD_ERA_DIVISOR 200
#define FAME_SMALL_HALL 10  // up to this many inductees the shares are not weighed
#define FAME_MAX_YEARLY_RATE 5000
#define FAME_LOWEST_SCORE_KEPT 74
#define FAME_LANDSLIDE 95
#define FAME_MAX_VOTE 100

// Per mille of all inductees that each position should hold, QB..P.
static const int kHallOfFameShares[POSITION_COUNT] = {190, 70, 25,  55, 110, 40, 40, 20,
                                                      80,  50, 140, 55, 75,  35, 15};

// Used slots of the Hall of Fame roster, of one position or of any (POS_ANY).
static int Count_Inductees(int nPosition) {
    int nCount = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(HALL_OF_FAME_TEAM, nSlot) &&
            (nPosition == POS_ANY ||
             Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POSITION) == nPosition))
            nCount++;
    }
    return nCount;
}

// The score scaled by how the Hall already looks: a position it holds many of counts less, and a
// Hall filling faster than five a year admits fewer.
static int Weigh_By_Hall(int nScore, int nPosition, int nYear) {
    int nInductees = Count_Inductees(POS_ANY);
    if (nInductees <= FAME_SMALL_HALL)
        return nScore;
    int nShare = (int)Round_Div((int64_t)Count_Inductees(nPosition) * 1000, nInductees);
    int nWeight = kHallOfFameShares[nPosition] - nShare + 1000;
    int nWeighed = (int)Round_Div((int64_t)nScore * nWeight, 1000);
    nScore = Mul_Div(nScore, FAME_SMALL_HALL, nInductees) +
             Mul_Div(nWeighed, nInductees - FAME_SMALL_HALL, nInductees);

    int nFirstYear = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_HALL_OF_FAME_YEAR);
    int nYears = Max_Int(1, nYear - nFirstYear + 1);
    int nRate = (int)Round_Div((int64_t)nInductees * 1000, nYears);
    if (nRate > FAME_MAX_YEARLY_RATE)
        nScore = Mul_Div(nScore, FAME_MAX_YEARLY_RATE, nRate);
    return nScore;
}

int Get_Hall_Of_Fame_Vote(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) <= FAME_MIN_EXPERIENCE)
        return 0;
    int nYear = Get_Season_Year();
    int nScore = Get_Player_Production_Score(nTeam, nSlot) +
                 FAME_RINGS_WEIGHT * Get_Player_Byte_Stat(nTeam, nSlot, BYTE_RINGS);
    if (nYear < FAME_MODERN_YEAR)
        nScore =
            (int)Round_Div((int64_t)nScore * (FAME_OLD_ERA_BASE - nYear), FAME_OLD_ERA_DIVISOR);
    int nPosition =
        Clamp(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), 0, POSITION_COUNT - 1);
    nScore = Weigh_By_Hall(nScore, nPosition, nYear);

    if (nScore <= FAME_LOWEST_SCORE_KEPT)
        return 0;
    if (nScore > FAME_LANDSLIDE)
        nScore = (nScore - FAME_LANDSLIDE) / 2 + FAME_LANDSLIDE;
    return Induct_Player_Into_Hall_Of_Fame(nTeam, nSlot, Min_Int(nScore, FAME_MAX_VOTE));
}
