// A team's run- and pass-blocking scores from the five players of its line slots: the ratings
// are read with the repair rule (a missing value becomes the rating's mean, a low one the floor).
#include "database/database.h"
#include "personnel/personnel.h"

#define FIRST_LINE_SLOT 6
#define LINE_SLOTS 5
#define BLOCKING_SUM_BASE 150
#define BLOCKING_SUM_RANGE 250
#define BLOCKING_SCORE_LOW 500
#define BLOCKING_SCORE_HIGH 2000

// ((S - 150) x 1000 + 125) / 250 truncated toward zero, kept within 500..2000.
static int Get_Team_Blocking_Score(int nTeam, int nRating) {
    int nSum = 0;
    for (int nSlot = FIRST_LINE_SLOT; nSlot < FIRST_LINE_SLOT + LINE_SLOTS; nSlot++)
        nSum += (int)Get_Player_Rating(nTeam, nSlot, nRating);
    int nScore = ((nSum - BLOCKING_SUM_BASE) * 1000 + BLOCKING_SUM_RANGE / 2) / BLOCKING_SUM_RANGE;
    return Clamp(nScore, BLOCKING_SCORE_LOW, BLOCKING_SCORE_HIGH);
}

int Get_Team_Run_Blocking_Score(int nTeam) {
    return Get_Team_Blocking_Score(nTeam, RATING_RUN_BLOCKING);
}

int Get_Team_Pass_Blocking_Score(int nTeam) {
    return Get_Team_Blocking_Score(nTeam, RATING_PASS_BLOCKING);
}
