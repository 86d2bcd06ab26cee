// How likely the offence is to run: the players on the field, the score, the clock, the down and
// distance, the field position, the team's run/pass balance and the era's passing.
#include "engine/engine.h"

#define HALF_SECONDS (2 * QUARTER_SECONDS)
#define NO_RATINGS_VALUE 20.0f
#define CARRIES_STAT 7
#define GAMES_STAT 0
#define EVEN_BALANCE 10

// The back's carries beyond what his games and durability allow cut the weight.
WEIGHT_SCALE Get_Running_Back_Load_Scale(int nTeam, int nSlot) {
    int nGames = Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, GAMES_STAT);
    int nDurability = (int)Get_Player_Rating(nTeam, nSlot, RATING_DURABILITY);
    int a = Mul_Div(nGames * 13 + 13, nDurability, 85);
    int nYear = Get_Season_Year();
    int nAllowance = nYear <= 2016 ? a - 3 * nYear + 6051 : a;
    nAllowance = Min_Int(nAllowance, (a + 240) / 2);
    int nCarries = Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, CARRIES_STAT);
    return {nAllowance, nCarries, nCarries > nAllowance};
}

int Limit_Running_Back_Load(int nTeam, int nSlot, int nWeight) {
    WEIGHT_SCALE scale = Get_Running_Back_Load_Scale(nTeam, nSlot);
    return Apply_Weight_Scale(&scale, nWeight);
}

typedef struct PLAYER_VALUES {
    float e;  // running
    float f;  // receiving
    float g;  // passing
} PLAYER_VALUES;

static PLAYER_VALUES Get_Player_Values(int nTeam, int nSlot) {
    if (nTeam > LAST_DRAFT_POOL_TEAM || nSlot >= PLAYERS_PER_TEAM)
        return {NO_RATINGS_VALUE, NO_RATINGS_VALUE, NO_RATINGS_VALUE};
    return {Get_Player_Rating(nTeam, nSlot, RATING_RUSHING),
            Get_Player_Rating(nTeam, nSlot, RATING_RECEIVING_SKILL),
            Get_Player_Rating(nTeam, nSlot, RATING_PASSING)};
}

static int Positive(float x) {
    return x > 0.0f ? (int)x : 0;
}

// Pass weight P and run weight Q from the quarterback and the eligible players on the field.
static void Weigh_Players_On_Field(GAME* pGame, int* pP, int* pQ) {
    int nSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[nSide];
    int P = 60, Q = 40;
    for (int nSpot = 0; nSpot <= PLAY_RECEIVERS; nSpot++) {
        int nSlot = pGame->aabOnField[nSide][nSpot];
        PLAYER_VALUES v = Get_Player_Values(nTeam, nSlot);
        int nPosition = nSlot < PLAYERS_PER_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM
                            ? Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)
                            : -1;
        switch (nPosition) {
        case POS_QB:
            P = (int)((float)P + 3.0f * (v.g - 60.0f));
            Q += Positive(1.7f * (v.e - 70.0f));
            break;
        case POS_RB:
            P += Positive(v.f - 60.0f);
            Q += Limit_Running_Back_Load(nTeam, nSlot,
                                         (int)(3.2f * (float)Max_Int(0, (int)(v.e - 55.0f))));
            break;
        case POS_FB:
            P += Positive(v.f - 60.0f);
            Q += Positive(v.e - 70.0f);
            break;
        case POS_TE: P += Positive(3.0f * (v.f - 60.0f)); break;
        case POS_WR: P += Positive(5.0f * (v.f - 55.0f)); break;
        default: break;
        }
    }
    *pP = P;
    *pQ = Q;
}

static int Compute_Offensive_Run_Chance(GAME* pGame) {
    int P, Q;
    Weigh_Players_On_Field(pGame, &P, &Q);
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    int nToGo = pGame->nYardsToGo;
    int nYardLine = pGame->nYardLine;
    int H = Max_Int(Get_Half_Seconds_Left(pGame), 1);
    int t = Get_Offensive_Deficit(pGame);
    int bSecondHalf = pGame->nClock >= HALF_SECONDS && pGame->nClock < REGULATION_SECONDS;

    if (bSecondHalf) {
        P = Mul_Div(P, t + 28, 28);
        if (H < 300) {
            if (t < 0)
                P = Mul_Div(P, H, 900);
            if ((t >= 9 && t <= 16) || (t >= 0 && t <= 8 && H < 120))
                P = Mul_Div(P, 900, H);
        }
    }
    if (nDown == FIRST_DOWN)
        Q = Mul_Div(Q, 120, 100);
    else if ((nDown == THIRD_DOWN || nDown == FOURTH_DOWN) && nToGo <= 2)
        Q = Mul_Div(Q, 25 * nDown + 100, 100);
    int G = nDown == FOURTH_DOWN ? 2 : 11 - 4 * nDown;
    if (G > 0 && nToGo > G)
        P = Mul_Div(P, nToGo, G);
    if (nYardLine > 90)
        P = Mul_Div(P, 5500 - 50 * nYardLine, 1000);
    if (Is_Offense_Hurrying(pGame))
        Q /= 20;
    else if (bSecondHalf && Get_Game_Seconds_Left(pGame) < 120 &&
             (t < 0 || Should_Rest_Starters(pGame)))
        P = 0;
    if (nYardLine < 20)
        P = Mul_Div(P, 20 * nYardLine + 600, 1000);
    if (nYardLine < 5)
        Q = Mul_Div(Q, 6, nYardLine + 1);
    int nTeam = Get_Offensive_Team(pGame);
    int B = nTeam > LAST_DRAFT_POOL_TEAM ? 0 : Get_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE);
    if (B > EVEN_BALANCE)
        Q = Mul_Div(Q, 20 - B, 10);
    else if (B < EVEN_BALANCE)
        P = Mul_Div(P, B, 10);
    if (Get_Current_Week() > 3) {
        int E = Get_Smoothed_Era_Value(Get_Season_Year());
        int L = Get_League_Average(3);
        if (E > 0 && L > 0) {
            P = Mul_Div(P, E, L);
            Q = Mul_Div(Q, L, E);
        }
    }
    Q += Q / 7;
    return P + Q == 0 ? 0 : Mul_Div(Q, 1000, P + Q);
}

int Get_Offensive_Run_Chance(GAME* pGame) {
    static SNAP_ANSWER kept;
    return Recall_Snap_Answer(&kept, pGame, Compute_Offensive_Run_Chance);
}
