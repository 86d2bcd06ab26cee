// A called pass: the receiver the ball goes to, how deep he catches it and how far he can run
// after the catch; then the outcome is drawn and applied.
#include <math.h>

#include "engine/engine.h"

#define EVENT_DROP_BACK 2
#define EVENT_LOOKS_OFF 9
#define HISTORICAL_YARDS_PER_COMPLETION 109
#define DOUBLE_TEAM_PENALTY 27
#define SINGLE_COVERAGE_BONUS 3

uint8_t Get_Receiver_Slot(GAME* pGame, int nReceiver) {
    if (nReceiver < 0 || nReceiver >= PLAY_RECEIVERS)
        return NO_SLOT_BYTE;
    return Get_On_Field_Slot(pGame, Get_Offensive_Side(pGame), nReceiver + 1);
}

static int Get_Position_Bonus(int nPosition) {
    switch (nPosition) {
    case POS_QB: return 80;
    case POS_RB:
    case POS_FB:
    case POS_TE: return 25;
    default: return 35;
    }
}

// The primary receiver gets the ball by his skill, less often when double-teamed; otherwise a
// receiver drawn at random when he runs a receiving route.
int Choose_Pass_Target(GAME* pGame, int* pbPrimary) {
    int bSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[bSide];
    int nCall = pGame->currentPlay.nOffensiveCall;
    int nSpot = Get_Offensive_Play_Primary_Player(nTeam, nCall);
    int nPrimary = Clamp(nSpot - 1, 0, PLAY_RECEIVERS - 1);
    uint8_t nSlot = Get_On_Field_Slot(pGame, bSide, nSpot);
    int nPosition = Is_Valid_Player_Index(nTeam, nSlot)
                        ? Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)
                        : POS_WR;
    int h = (int)Get_Player_Rating(nTeam, nSlot, RATING_RECEIVING_SKILL) - 70 +
            Get_Position_Bonus(nPosition);
    if (nPosition >= POS_WR &&
        Get_Formation_Spot_Position(pGame->anFormations[bSide], nSpot, SPOT_FIELD_DEPTH) == 0) {
        if (Has_Double_Team_Role(Get_Defensive_Team(pGame), pGame->currentPlay.nDefensiveCall))
            h -= DOUBLE_TEAM_PENALTY;
        else
            h += SINGLE_COVERAGE_BONUS;
    }
    int nChance = h < 56 ? h : Min_Int((h + 55) / 2, 65);
    if (!Is_Quick_Pass_Play(nTeam, nCall))
        nChance -= 25;
    nChance += 25;
    *pbPrimary = 0;
    if (Random_Below(100) <= nChance) {
        *pbPrimary = 1;
        return nPrimary;
    }
    int n = Random_Below(PLAY_RECEIVERS);
    int nRoute = Get_Offensive_Play_Route(nTeam, nCall, n);
    if (nRoute < 0 || !Valid_Receiving_Route(nRoute))
        return nPrimary;
    if (n != nPrimary)
        Narrate_Play_Event(pGame, EVENT_LOOKS_OFF, 0, 0, 0,
                           Get_Play_Player_Id(pGame, bSide, Get_On_Field_Slot(pGame, bSide, 0)),
                           Get_Play_Player_Id(pGame, bSide, nSlot));
    return n;
}

// How far downfield the receiver can get open: his speed against his bulk, the passer's arm and
// the deep zones of the defensive call; now and then a long one.
int Get_Pass_Depth(GAME* pGame, int nReceiver) {
    int bSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[bSide];
    uint8_t nPasser = Get_On_Field_Slot(pGame, bSide, 0);
    int l = Get_Historical_Average_Stat(HISTORICAL_YARDS_PER_COMPLETION, Get_Season_Year());
    int nRun = 2 * (int)Get_Player_Rating(nTeam, nReceiver, RATING_SPEED) +
               (int)Get_Player_Rating(nTeam, nReceiver, RATING_RECEIVING) -
               (int)Get_Player_Rating(nTeam, nReceiver, RATING_POWER);
    int m = Mul_Div(l, nRun, 175);
    int nPosition = Is_Valid_Player_Index(nTeam, nReceiver)
                        ? Get_Player_Vital_Stat(nTeam, nReceiver, VITAL_POSITION)
                        : POS_WR;
    if (nPosition == POS_RB || nPosition == POS_FB)
        m = Mul_Div(m, 65, 100);
    else if (nPosition == POS_TE)
        m = Mul_Div(m, 85, 100);
    float a = Get_Player_Rating(nTeam, nPasser, RATING_DISTANCE);
    if (Is_Player_Quarterback(nTeam, nPasser) && a < 60.0f)
        a = (a + 120.0f) / 3.0f;
    int t = Mul_Div(m, (int)a, 85);
    int v = Count_Deep_Zone_Defenders(Get_Defensive_Team(pGame), pGame->currentPlay.nDefensiveCall);
    int nAverage = (int)lround(5.0 * t / (v + 3));
    int c = Mul_Div(Random_Spread(nAverage, 500), l, Get_League_Average(2));
    if (Random_Below(65000) < m || Random_Below(2500) < a - 35.0f)
        return c / 100 + 11 + Random_Below(90);
    if (Random_Below(5500) < l)
        return c / 100 + 1 + Random_Below(10);
    return c / 100;
}

void Run_Pass_Play(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[bSide];
    int nCall = pGame->currentPlay.nOffensiveCall;
    uint8_t nPasser = Get_On_Field_Slot(pGame, bSide, 0);
    if (Is_Game_Watched(pGame) && Is_Drop_Back_Play(pGame))
        Narrate_Play_Event(pGame, EVENT_DROP_BACK, 0, 0, 0,
                           Get_Play_Player_Id(pGame, bSide, nPasser), -1);
    int bPrimary = 0;
    int n = Choose_Pass_Target(pGame, &bPrimary);
    int nRoute = Get_Offensive_Play_Route(nTeam, nCall, n);
    uint8_t nReceiver = Get_Receiver_Slot(pGame, n);
    int nLow = Get_Route_Min_Depth(nRoute);
    int nHigh = Get_Route_Max_Depth(nRoute);
    int t = Random_Below((int)Get_Player_Rating(nTeam, nPasser, RATING_DISTANCE) - 60);
    int nReach = t > 0 ? nHigh + t : nHigh;
    int nOpen = Get_Pass_Depth(pGame, nReceiver);
    int nCatch = nOpen;
    int nRoom = 0;
    if (nReach < nOpen) {
        nCatch = Random_Below(nReach - nLow) / 2 + nLow;
        nRoom = nOpen - nCatch;
    } else if (nOpen < nLow) {
        nCatch = Random_Below(nReach - nLow) / 2 + nLow;
    }
    float fVision = Get_Player_Rating(nTeam, nReceiver, RATING_VISION);
    float fPower = Get_Player_Rating(nTeam, nReceiver, RATING_POWER);
    float k = Get_Tackling_Strength(pGame);
    int f = nCatch + (int)((1.5f - 0.5f * k) * ((fVision + fPower) / 140.0f * nRoom) + 0.5f);
    int nTotal = Min_Int(pGame->nYardLine + Random_Below(9) + 1, f);
    nCatch = Min_Int(nCatch, nTotal);
    int nOutcome = Get_Pass_Outcome(pGame, nReceiver, (float)nCatch, (float)nTotal, bPrimary);
    Implement_Pass_Result(pGame, nReceiver, nOutcome, nRoute, nCatch, nTotal);
}
