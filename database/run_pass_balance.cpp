// How much a team leans to the pass: its passing strength against its running strength, and the
// run/pass balance the computer sets from it for its teams.
#include "database/database.h"

#define EDGE_BASE 600
#define EVEN_RUN_PASS_BALANCE 10
#define MAX_RUN_PASS_BALANCE 20
#define EVEN_BAND 119
#define BALANCE_STEP 60

// Adds a term to an integer total, truncating toward zero.
static int Add_Term(int nTotal, float fTerm) {
    return (int)((float)nTotal + fTerm);
}

static float Rating_Of(int nTeam, int nPosition, int n, int nRating) {
    return Get_Player_Rating(nTeam, Get_Team_Uninjured_Position_Player(nTeam, nPosition, n),
                             nRating);
}

int Get_Team_Pass_Run_Edge(int nTeam) {
    int P = 0;
    P = Add_Term(P, 10.0f * Rating_Of(nTeam, POS_QB, 0, RATING_PASSING));
    P = Add_Term(P, 4.0f * Rating_Of(nTeam, POS_WR, 0, RATING_RECEIVING_SKILL));
    P = Add_Term(P, 3.0f * Rating_Of(nTeam, POS_WR, 1, RATING_RECEIVING_SKILL));
    P = Add_Term(P, 2.0f * Rating_Of(nTeam, POS_WR, 2, RATING_RECEIVING_SKILL));
    P = Add_Term(P, 2.0f * Rating_Of(nTeam, POS_TE, 0, RATING_RECEIVING_SKILL));
    P = Add_Term(P, Rating_Of(nTeam, POS_RB, 0, RATING_RECEIVING_SKILL));
    P = Add_Term(P, Rating_Of(nTeam, POS_T, 0, RATING_PASS_BLOCKING));
    P = Add_Term(P, 0.5f * Rating_Of(nTeam, POS_G, 0, RATING_PASS_BLOCKING));
    P = Add_Term(P, 0.5f * Rating_Of(nTeam, POS_C, 0, RATING_PASS_BLOCKING));
    P = Add_Term(P, 0.5f * Rating_Of(nTeam, POS_G, 1, RATING_PASS_BLOCKING));
    P = Add_Term(P, 0.5f * Rating_Of(nTeam, POS_T, 1, RATING_PASS_BLOCKING));
    int R = 0;
    R = Add_Term(R, 2.0f * Rating_Of(nTeam, POS_QB, 0, RATING_RUSHING));
    R = Add_Term(R, 10.0f * Rating_Of(nTeam, POS_RB, 0, RATING_RUSHING));
    R = Add_Term(R, Rating_Of(nTeam, POS_T, 0, RATING_RUN_BLOCKING));
    R = Add_Term(R, Rating_Of(nTeam, POS_G, 0, RATING_RUN_BLOCKING));
    R = Add_Term(R, Rating_Of(nTeam, POS_C, 0, RATING_RUN_BLOCKING));
    R = Add_Term(R, Rating_Of(nTeam, POS_G, 1, RATING_RUN_BLOCKING));
    R = Add_Term(R, Rating_Of(nTeam, POS_T, 1, RATING_RUN_BLOCKING));
    return P - (R + EDGE_BASE);
}

// 10 within 119 of the league's average edge, one step per 60 beyond it, within 0..20.
int Get_Run_Pass_Balance_For_Edge(int nDifference) {
    int nBalance = EVEN_RUN_PASS_BALANCE;
    if (nDifference > EVEN_BAND)
        nBalance += (nDifference - BALANCE_STEP) / BALANCE_STEP;
    else if (nDifference < -EVEN_BAND)
        nBalance -= (-nDifference - BALANCE_STEP) / BALANCE_STEP;
    return Clamp(nBalance, 0, MAX_RUN_PASS_BALANCE);
}

void Set_Computer_Run_Pass_Balance(void) {
    int anEdges[LEAGUE_TEAM_COUNT];
    int nSum = 0, nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        anEdges[nTeam] = Get_Team_Pass_Run_Edge(nTeam);
        nSum += anEdges[nTeam];
        nCount++;
    }
    if (nCount == 0)
        return;
    int nAverage = nSum / nCount;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) &&
            (Get_Team_Stat(nTeam, TEAM_CONTROL) != CONTROL_HUMAN || gAllTeamsComputer))
            Set_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE,
                          Get_Run_Pass_Balance_For_Edge(anEdges[nTeam] - nAverage));
    }
}
