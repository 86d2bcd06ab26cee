// A player's ratings as his predicted line expresses them: each rating is one derived statistic
// of the predicted season.
#include "database/database.h"

#define LINE_RUN_BLOCKING_STAT 5
#define LINE_PASS_BLOCKING_STAT 6

// The derived statistic of the predicted line behind each rating, Health .. Punt Distance.
static const int kBaseRatingStats[RATING_COUNT] = {208, 209, 200, 201, 202, 203, 204, 227, 228,
                                                   229, 230, 206, 207, 231, 232, 210, 211, 212,
                                                   215, 216, 217, 218, 219, 220, 221, 223, 222};

float Get_Player_Base_Rating(int nTeam, int nSlot, int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return 0.0f;
    int nStat = kBaseRatingStats[nRating];
    int nPosition = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION);
    if (Get_Position_Group(nPosition) == GROUP_LINE) {
        if (nRating == RATING_PASS_BLOCKING)
            nStat = LINE_PASS_BLOCKING_STAT;
        else if (nRating == RATING_RUN_BLOCKING)
            nStat = LINE_RUN_BLOCKING_STAT;
    }
    return (float)Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat);
}
