// A game's crowd: demand from the price, both teams' form and the visitors' following, against the
// stadium's capacity.
#include "engine/engine.h"

// A team's current record as wins + 10 over losses + 10, per mille.
static int Get_Record_Ratio(int nTeam) {
    return Mul_Div(1000, Get_Team_Wins(nTeam) + 10, Get_Team_Losses(nTeam) + 10);
}

// What the market would pay for a ticket to this game, in cents.
static int Get_Game_Demand_Price(int nHome, int nVisitor) {
    int nStreak = Get_Team_Winning_Streak(nHome) - Get_Team_Losing_Streak(nHome);
    int nForm = nStreak <= 0 ? 1000 + 20 * nStreak : 1000 + 30 * nStreak;
    int B = Mul_Div(Get_Team_Market_Ticket_Price(nHome), nForm, 1000);
    int C = Mul_Div(B, Get_Record_Ratio(nHome), 1000);
    int D = Mul_Div(C, Get_Record_Ratio(nVisitor) + 1000, 2000);
    return Mul_Div(D, Get_Team_Financial_Stat(nVisitor, FIN_FAN_SUPPORT) + 1000, 2000);
}

// Never below 0 nor above 110 % of the seats.
void Set_Game_Attendance(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nHome = pGame->anTeams[HOME_SIDE];
    int nVisitor = pGame->anTeams[VISITOR_SIDE];
    int nPrice = Get_Team_Financial_Stat(nHome, FIN_TICKET_PRICE);
    int E = Get_Game_Demand_Price(nHome, nVisitor);
    int G = Mul_Div(Get_Team_Stadium_Rating(nHome), Get_Team_Market_Size(nHome), 1000);
    int A = Mul_Div(G, E - nPrice, E);
    if (Are_Teams_In_Same_Division(nHome, nVisitor))
        A = Mul_Div(A, 12, 10);
    if (gCurrentWeek > gPostseasonWeeks[0])
        A = Mul_Div(A, 15, 10);
    int L = Max_Int(5 * Get_Universe_Stat(UNIVERSE_INFLATION), Mul_Div(E, 55, 100));
    int nCapacity = Get_Team_Stadium_Stat(nHome, STADIUM_CAPACITY);
    int nLimit = Mul_Div(nCapacity, 11, 10);
    int P;
    if (A < nCapacity) {
        int Q = Mul_Div(70, L, nPrice);
        P = Mul_Div(A, 100 - Q, 100) + Mul_Div(nCapacity, Q, 100);
        if (L < nPrice)
            P = Mul_Div(P, L, nPrice);
    } else {
        P = Mul_Div(nCapacity, 8, 10) + A / 5;
        if (P > Mul_Div(nCapacity, 105, 100))
            P = nCapacity + P / 21;
    }
    Set_Game_Info_Int(pGame, GAME_INFO_ATTENDANCE, Clamp(P, 0, nLimit));
}
