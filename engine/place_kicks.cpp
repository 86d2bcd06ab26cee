// Place kicks: the kicked try after a touchdown and the field goal, by the kicker's accuracy and
// range, the distance, the era and the weather; a missed field goal gives the ball away.
#include <math.h>

#include "engine/engine.h"

#define KICKER_SPOT 1  // the kicker's spot in the place-kicking formations
#define STAT_EXTRA_POINTS_TRIED 8
#define STAT_EXTRA_POINTS_MADE 9
#define STAT_FIELD_GOALS_TRIED_UNDER_30 10  // then made; the bands follow in pairs
#define STAT_LONGEST_FIELD_GOAL 18
#define EXTRA_POINT_POINTS 1
#define FIELD_GOAL_POINTS 3
#define MODERN_GOAL_POSTS_YEAR 1974
#define REFERENCE_YEAR 2016
#define MAX_EFFECTIVE_DISTANCE 70.0f
#define MISS_AT_KICK_SPOT 0
#define MISS_AT_20 2
#define MISS_LINE_CAP 80
#define EXTRA_POINT_ACCURACY_CAP 95

enum FIELD_GOAL_EVENT {
    EVENT_FIELD_GOAL_UNIT = 42,
    EVENT_KICK_SNAP = 43,
    EVENT_KICK_UP = 44,
    EVENT_KICK_RESULT = 45
};

int Get_Field_Goal_Distance(GAME* pGame) {
    if (Get_Season_Year() < MODERN_GOAL_POSTS_YEAR)
        return pGame->nYardLine + 7;
    return pGame->nYardLine + 17;
}

static float Get_Extra_Point_Line_Factor(void) {
    static const float LINE_FACTORS[5] = {0.996f, 0.96f, 0.90f, 0.84f, 0.77f};
    return gExtraPointLine >= 0 && gExtraPointLine < 5 ? LINE_FACTORS[gExtraPointLine]
                                                       : LINE_FACTORS[0];
}

float Get_Extra_Point_Chance(GAME* pGame, int nTeam, int nKicker) {
    int nAccuracy = Min_Int((int)Get_Player_Rating(nTeam, nKicker, RATING_FG_ACCURACY),
                            EXTRA_POINT_ACCURACY_CAP);
    float fMiss = 70.0f / (float)nAccuracy * (1.0f - Get_Extra_Point_Line_Factor());
    float w = Get_Kick_Weather_Factor(pGame);
    if (w > 0.0f)
        fMiss /= w;
    return 1.0f - fMiss;
}

void Kick_Extra_Point(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[bSide];
    uint8_t nKicker = Get_On_Field_Slot(pGame, bSide, KICKER_SPOT);
    pGame->nYardLine = (int8_t)Get_Extra_Point_Line();
    pGame->currentPlay.nPlayer1 = Get_Play_Player_Id(pGame, bSide, nKicker);
    Credit_Player_Game_Event(nTeam, pGame, nKicker, GROUP_KICKERS, STAT_EXTRA_POINTS_TRIED, 1);
    if (Get_Extra_Point_Chance(pGame, nTeam, nKicker) > Random_Unit()) {
        Set_Play_Result(&pGame->currentPlay, RESULT_EXTRA_POINT_GOOD);
        Add_Game_Score(pGame, bSide, EXTRA_POINT_POINTS);
        Credit_Player_Game_Event(nTeam, pGame, nKicker, GROUP_KICKERS, STAT_EXTRA_POINTS_MADE, 1);
    } else {
        Set_Play_Result(&pGame->currentPlay, RESULT_EXTRA_POINT_MISSED);
    }
    Stop_Play_Clock(pGame);
}

// The chance of a field goal from an effective distance E for a kicker of accuracy A and range R.
static float Get_Field_Goal_Chance(float E, float A, int R) {
    float fShort = A / 5000.0f + 0.98f;
    float m = (A - 70.0f) / 300.0f + 0.88f;
    if (E < 20.0f)
        return fShort;
    if (E < 40.0f) {
        float s = (E - 20.0f) / 40.0f;
        return (1.0f - s) * fShort + s * m;
    }
    if (R >= E) {
        float s = R > 40 ? (E - 40.0f) / (R - 40.0f) : 0.0f;
        return (1.0f - s) * m + 0.7f * s;
    }
    return 0.7f - (E - R) / 10.0f;
}

// The first of the attempted-and-made pair of a distance band.
static int Get_Field_Goal_Band_Stat(int nDistance) {
    int nBand = Clamp((nDistance - 20) / 10, 0, 3);
    return STAT_FIELD_GOALS_TRIED_UNDER_30 + 2 * nBand;
}

// The other team takes over: at the spot of the kick, at its 20 or at the line of scrimmage, never
// farther back than its 20.
static void Give_Ball_After_Miss(GAME* pGame) {
    Change_Possession(pGame);
    int nLine = pGame->nYardLine;
    if (gMissedFieldGoalSpot == MISS_AT_KICK_SPOT)
        nLine -= 7;
    else if (gMissedFieldGoalSpot == MISS_AT_20)
        nLine = MISS_LINE_CAP;
    pGame->nYardLine = (int8_t)Min_Int(nLine, MISS_LINE_CAP);
    pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | CHANGED_HANDS_BY_KICK;
}

void Kick_Field_Goal(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[bSide];
    uint8_t nKicker = Get_On_Field_Slot(pGame, bSide, KICKER_SPOT);
    int nKickerId = Get_Play_Player_Id(pGame, bSide, nKicker);
    Stop_Play_Clock(pGame);
    pGame->nPlaySeconds = (int8_t)(5 + Random_Below(3));
    int D = Get_Field_Goal_Distance(pGame);
    float w = Get_Kick_Weather_Factor(pGame);
    float E = w > 0.0f ? D / w : (float)D;
    float c = 0.0f;
    if (E <= MAX_EFFECTIVE_DISTANCE) {
        float A = Get_Player_Rating(nTeam, nKicker, RATING_FG_ACCURACY);
        c = Get_Field_Goal_Chance(E, A, Get_Kicker_Range(nTeam, nKicker));
        int nReference = Get_Historical_Average_Stat(STAT_FIELD_GOAL_RATE, REFERENCE_YEAR);
        if (nReference > 0)
            c = c * Get_Historical_Average_Stat(STAT_FIELD_GOAL_RATE, Get_Season_Year()) /
                nReference;
    }
    int nBand = Get_Field_Goal_Band_Stat(D);
    Credit_Player_Game_Event(nTeam, pGame, nKicker, GROUP_KICKERS, nBand, 1);
    pGame->currentPlay.nPlayer1 = nKickerId;
    if (Random_Unit() < c) {
        Add_Game_Score(pGame, bSide, FIELD_GOAL_POINTS);
        Set_Play_Result(&pGame->currentPlay, RESULT_FIELD_GOAL_GOOD);
        Credit_Player_Game_Event(nTeam, pGame, nKicker, GROUP_KICKERS, nBand + 1, 1);
        Raise_Season_Best(nTeam, nKicker, STAT_LONGEST_FIELD_GOAL, D);
    } else {
        Set_Play_Result(&pGame->currentPlay, RESULT_FIELD_GOAL_MISSED);
        Give_Ball_After_Miss(pGame);
    }
    pGame->nPlayYards = 0;
    pGame->currentPlay.nYard1 = (int8_t)D;
    for (int nEvent = EVENT_FIELD_GOAL_UNIT; nEvent <= EVENT_KICK_RESULT; nEvent++)
        Narrate_Play_Event(pGame, nEvent, D, bSide, 0, nKickerId, -1);
}
