// Which positions a rating matters for, and the spread the league's values of a rating aim at.
#include "database/database.h"

#define GROUP_EVERY_POSITION (-1)

static const int kRatingPositionGroups[RATING_COUNT] = {
    -1, -1,                 // Health, Durability
    4,  4,  4, 4, 4,        // Accuracy .. Mobility: the quarterback
    -1,                     // Speed
    0,  0,  0, 0, 0, 0, 0,  // Power .. Punt Returns: offensive skill positions
    1,  1,  1,              // blocking and Discipline: offensive line
    2,  2,  2, 2, 2,        // defence
    3,  3,  3, 3,           // kicking
};

static const float kRatingTargetSpreads[RATING_COUNT] = {
    8.0f, 8.0f, 12.0f, 12.0f, 12.0f, 12.0f, 10.0f, 10.0f, 12.0f, 12.0f, 12.0f, 12.0f, 10.0f, 7.0f,
    7.0f, 7.0f, 7.0f,  7.0f,  11.5f, 8.6f,  10.3f, 10.0f, 12.8f, 8.0f,  8.0f,  7.0f,  7.0f,
};

int Get_Rating_Position_Group(int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return GROUP_EVERY_POSITION;
    return kRatingPositionGroups[nRating];
}

float Get_Rating_Target_Spread(int nRating) {
    if (nRating < 0 || nRating >= RATING_COUNT)
        return 0.0f;
    return kRatingTargetSpreads[nRating];
}

int Rating_Applies_To_Position(int nPosition, int nRating) {
    if (nRating == RATING_RECEIVING)
        return nPosition == POS_WR;
    int nGroup = Get_Rating_Position_Group(nRating);
    if (nGroup == GROUP_EVERY_POSITION)
        return 1;
    int bSameGroup = nGroup == Get_Position_Group_QB4(nPosition);
    switch (nRating) {
    case RATING_FG_ACCURACY:
    case RATING_FG_DISTANCE: return nPosition == POS_K;
    case RATING_PUNT_ACCURACY:
    case RATING_PUNT_DISTANCE: return nPosition == POS_P;
    case RATING_KICK_RETURNS:
    case RATING_PUNT_RETURNS: return bSameGroup || nPosition == POS_CB || nPosition == POS_S;
    default: return bSameGroup;
    }
}
