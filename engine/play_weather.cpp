// How the weather moves a play: the run and pass factors, the wind along the field and the
// chance that a ball carrier loses the ball.
#include <math.h>

#include "engine/engine.h"

#define NO_WEATHER (-1)  // wind speed of a dome or of a game without weather
#define BALL_SECURITY_SHARE 0.5f

static int Has_Weather(GAME* pGame) {
    return pGame->anInfo[GAME_INFO_WIND_SPEED] != NO_WEATHER;
}

// Dry weather helps a little, rain and snow hurt (also the ball-security weather term).
static float Get_Footing_Factor(GAME* pGame, float fNeutral) {
    if (!Has_Weather(pGame))
        return 1.025f;
    switch (Get_Game_Weather(pGame)) {
    case 0:
    case 7: return 1.025f;
    case 1: return 0.975f;
    case 3: return 0.95f;
    case 4:
    case 5:
    case 6: return 0.9f;
    default: return fNeutral;
    }
}

float Get_Run_Weather_Factor(GAME* pGame) {
    return Get_Footing_Factor(pGame, 1.0f);
}

// Wind along the field helps the team it blows toward.
float Get_Wind_Factor(GAME* pGame) {
    int s = pGame->anInfo[GAME_INFO_WIND_SPEED];
    if (s <= 0)
        return 1.0f;
    int a = pGame->anInfo[GAME_INFO_WIND_ANGLE];
    if (a > 270)
        a -= 360;
    int d = 90 - abs(90 - a);
    int g = (int)lround(d * 8.0 * s / 90.0);
    if (Get_Offensive_Side(pGame) == HOME_SIDE)
        g = -g;
    return (g + 1000) / 1000.0f;
}

// Punts and field goals: the wind along the field, the footing and the wind's strength.
float Get_Kick_Weather_Factor(GAME* pGame) {
    if (!Has_Weather(pGame))
        return 1.0f;
    float w = Get_Footing_Factor(pGame, 1.0f);
    int s = pGame->anInfo[GAME_INFO_WIND_SPEED];
    return (Get_Wind_Factor(pGame) - 1.0f) + (w + 1.0f) / 2.0f - 0.01f * s;
}

float Get_Pass_Weather_Factor(GAME* pGame) {
    if (!Has_Weather(pGame))
        return 1.05f;
    static const float kKinds[8] = {1.05f, 1.025f, 0.975f, 0.9f, 0.75f, 0.9f, 0.75f, 1.05f};
    int nKind = Clamp(Get_Game_Weather(pGame), 0, 7);
    int s = pGame->anInfo[GAME_INFO_WIND_SPEED];
    return (200 - s) / 200.0f * Get_Wind_Factor(pGame) * kKinds[nKind];
}

// The ball-security value of the team with the ball: half the defence's fumble-forcing strength,
// so that a carrier with Hands 70 against a defence of league-mean ratings loses about one ball in
// 185 carries.
static float Get_Ball_Security_Value(GAME* pGame) {
    return BALL_SECURITY_SHARE * Get_Fumble_Forcing_Strength(pGame);
}

// Ball security: the defence's fumble-forcing strength, the carrier's Hands and the footing.
int Get_Fumble_Factor(GAME* pGame, int nSlot) {
    float c = Get_Footing_Factor(pGame, 1.0f);
    float fHands = Get_Player_Rating(Get_Offensive_Team(pGame), nSlot, RATING_HANDS);
    float h = fminf(floorf(fHands), 100.0f);
    float fSecurity = Get_Ball_Security_Value(pGame);
    return (int)floorf(fSecurity * (sqrtf(102.0f - h) / 5.5f + 1.0f) * 0.5f * (110.0f / c));
}
