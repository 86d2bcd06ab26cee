// How far the offence's kicker reaches, and from where the offence tries a field goal.
#include "engine/engine.h"
#include "personnel/personnel.h"

#define MIN_KICKER_RANGE 20
#define MAX_KICKER_RANGE 65
#define KICKER_RANGE_BASE 25
#define RANGE_BLEND 52
#define TRAILING_MARGIN 4
#define TRAILING_PENALTY 3
#define SHORT_RANGE_LIMIT 47
#define SHORT_RANGE 30
#define GOAL_TO_SPOT 17

int Get_Kicker_Range(int nTeam, int nSlot) {
    if (!Is_Valid_Player_Index(nTeam, nSlot))
        return MIN_KICKER_RANGE;
    int nDistance = (int)Get_Player_Rating(nTeam, nSlot, RATING_FG_DISTANCE);
    int nAccuracy = (int)Get_Player_Rating(nTeam, nSlot, RATING_FG_ACCURACY);
    return Min_Int((nDistance * 3 + nAccuracy) / 10 + KICKER_RANGE_BASE, MAX_KICKER_RANGE);
}

// The first uninjured kicker; NO_SLOT_BYTE when the team has none even after filling its minimums.
static uint8_t Find_Uninjured_Kicker(int nTeam) {
    if (Count_Team_Uninjured_Position_Players(nTeam, POS_K) == 0)
        Fill_Team_Position_Minimums(nTeam);
    if (Count_Team_Uninjured_Position_Players(nTeam, POS_K) == 0)
        return NO_SLOT_BYTE;
    return Get_Team_Uninjured_Position_Player(nTeam, POS_K, 0);
}

// The farthest yard line from which the offence kicks: a short range for a weak kicker, and a
// step closer when it trails by 4 or more in the second half.
int Get_Field_Goal_Range(GAME* pGame) {
    if (pGame == NULL)
        return SHORT_RANGE;
    int nTeam = Get_Offensive_Team(pGame);
    int nBlend = (Get_Kicker_Range(nTeam, Find_Uninjured_Kicker(nTeam)) + RANGE_BLEND) / 2;
    int nSide = Get_Offensive_Side(pGame);
    if (pGame->nClock >= 2 * QUARTER_SECONDS &&
        pGame->anScores[1 - nSide] - pGame->anScores[nSide] >= TRAILING_MARGIN)
        nBlend -= TRAILING_PENALTY;
    return nBlend < SHORT_RANGE_LIMIT ? SHORT_RANGE : nBlend - GOAL_TO_SPOT;
}
