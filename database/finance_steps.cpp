// The books that follow the games and the seasons: the weekly league payment, the gate,
// concessions and costs of a played game, fan support and the season's finish.
#include <stdint.h>

#include "core/core.h"
#include "database/database.h"
#include "database/finance_internal.h"

#define HOME_GATE_SHARE 66
#define VISITOR_GATE_SHARE 34
#define CONCESSION_ITEMS 3
#define ANNOYING_PRICE 500  // per mille of the reference price
#define EXPENSIVE_PRICE 750
#define POSTSEASON_WIN_WEIGHT 366
#define FINISH_CODE_WEIGHT 26
#define MIN_FAN_INDEX 571
#define MAX_FAN_INDEX 1750
#define DIVISION_WINNER_PLACE 0

// Finish codes of a season.
#define FINISH_CHAMPION 8
#define FINISH_FINALIST 7
#define FINISH_PLAYOFF_WINNER 6
#define FINISH_DIVISION_WINNER 5
#define FINISH_WILD_CARD 4
#define CHAMPION_SLOT 30
#define FIRST_FINALIST_SLOT 28

// The concession items, cheapest first: the id of each price, what the fans compare it with
// (a share of the market's ticket price) and what one sale costs the team.
static const struct {
    int nPriceStat;
    int nReferenceDivisor;
    int nUnitCost;
} kConcessionItems[CONCESSION_ITEMS] = {
    {FIN_BEVERAGE_PRICE, 5, 75},
    {FIN_FOOD_PRICE, 3, 125},
    {FIN_SOUVENIR_PRICE, 2, 250},
};

// A concession block: price, last game's net, season net, projection.
#define CONCESSION_LAST_NET 1
#define CONCESSION_SEASON_NET 2

static int Is_League_Team_Number(int nTeam) {
    return nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT;
}

static void Change_Fan_Support(int nTeam, int nAmount) {
    Add_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT, nAmount);
}

// ---- the weekly league payment -----------------------------------------------------------------

void Pay_Team_Weekly_League_Revenue(int nTeam) {
    if (Is_Postseason_Week())
        return;
    int nPayment = Get_Universe_Stat(UNIVERSE_LEAGUE_REVENUE);
    Set_Team_Financial_Stat(nTeam, FIN_WEEK_LEAGUE_PAYMENT, nPayment);
    Add_Team_Financial_Stat(nTeam, FIN_LEAGUE_PAYMENTS, nPayment);
    Set_Team_Cash(nTeam, (int64_t)Get_Stored_Financial_Stat(nTeam, FIN_CASH) + nPayment);
}

void Pay_Weekly_League_Revenue(void) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Pay_Team_Weekly_League_Revenue(nTeam);
}

// ---- fan support -------------------------------------------------------------------------------

void Raise_Fan_Support(int nTeam) {
    Change_Fan_Support(nTeam, 1);
}

void Lower_Fan_Support(int nTeam) {
    Change_Fan_Support(nTeam, -1);
}

// Fans warm to a ticket cheap for the city's income and cool to a dear one.
void Adjust_Fan_Support_For_Price(int nTeam) {
    int nPriceLevel = Mul_Div(Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE), PER_MILLE,
                              Apply_Inflation(BASE_TICKET_PRICE));
    int nIncomeLevel =
        Mul_Div(Get_Team_City_Stat(nTeam, CITY_INCOME), PER_MILLE, BASE_PER_CAPITA_INCOME);
    int nDemand = PER_MILLE - Mul_Div(nPriceLevel, PER_MILLE, nIncomeLevel);
    int nDraw = Random_Below(PER_MILLE);
    if (nDemand >= 0 && nDraw < nDemand)
        Raise_Fan_Support(nTeam);
    else if (nDemand < 0 && nDraw < -nDemand)
        Lower_Fan_Support(nTeam);
}

// The new fan support after a season: three quarters of the old, a quarter from the season.
void Update_Team_Fan_Support(int nTeam) {
    int nGames = Get_Season_Game_Count();
    int nWins = Get_Team_Yearly_Char(nTeam, gSeasonNumber, YEARLY_WINS);
    int nPlayoffWins = Get_Team_Yearly_Char(nTeam, gSeasonNumber, YEARLY_PLAYOFF_WINS);
    int nFinish = Get_Team_Yearly_Int(nTeam, gSeasonNumber, YEARLY_FINISH);

    int nPlayoffScore = Mul_Div(nPlayoffWins * PER_MILLE, PER_MILLE, POSTSEASON_WIN_WEIGHT);
    int nWinScore = Mul_Div(nWins * 10, PER_MILLE, nGames * 5);
    int nFinishScore = Mul_Div(nFinish * 10, PER_MILLE, FINISH_CODE_WEIGHT);
    int nIndex = Mul_Div(nWinScore, 840, PER_MILLE) + Mul_Div(nPlayoffScore, 30, PER_MILLE) +
                 Mul_Div(nFinishScore, 130, PER_MILLE);
    nIndex = Clamp(nIndex, MIN_FAN_INDEX, MAX_FAN_INDEX);

    int nFans = Mul_Div(Get_Stored_Financial_Stat(nTeam, FIN_FAN_SUPPORT), 750, PER_MILLE) +
                Mul_Div(nIndex, 250, PER_MILLE);
    Set_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT, nFans);
}

// ---- the season's finish -----------------------------------------------------------------------

static int Get_Finish_Code(int nPlayoffSlot, int nPlace) {
    if (nPlayoffSlot == CHAMPION_SLOT)
        return FINISH_CHAMPION;
    if (nPlayoffSlot >= FIRST_FINALIST_SLOT)
        return FINISH_FINALIST;
    if (nPlayoffSlot >= 1)
        return FINISH_PLAYOFF_WINNER;
    if (nPlayoffSlot == 0)
        return nPlace == DIVISION_WINNER_PLACE ? FINISH_DIVISION_WINNER : FINISH_WILD_CARD;
    switch (nPlace) {
    case 0: return FINISH_DIVISION_WINNER;
    case 1: return 3;
    case 2: return 2;
    case 3: return 1;
    default: return 0;
    }
}

int Record_Team_Season_Finish(int nTeam) {
    // A team in no standings row has no place: the byte writer refuses it and says so.
    int nPlace = Get_Team_Division_Standing(nTeam);
    Set_Team_Record_Char(nTeam, YEARLY_DIVISION_PLACE, nPlace);
    return Get_Finish_Code(Find_Playoff_Slot(nTeam), nPlace);
}

// ---- a played game -----------------------------------------------------------------------------

int Record_Game_Concessions(int nTeam, GAME* pGame) {
    int nAttendance = pGame->anInfoInts[GAME_INFO_ATTENDANCE];
    int nMarket = Get_Team_Market_Ticket_Price(nTeam);
    int nTicket = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
    int nReference = Max_Int(nMarket / 10, nMarket - nTicket / 2);
    int nIncome = Get_Team_City_Stat(nTeam, CITY_INCOME);
    int nAnnoyance = 0;
    int nTotal = 0;

    for (int i = 0; i < CONCESSION_ITEMS; i++) {
        int nPriceStat = kConcessionItems[i].nPriceStat;
        int nPrice = Get_Team_Financial_Stat(nTeam, nPriceStat);
        int nItemReference = nReference / kConcessionItems[i].nReferenceDivisor;
        int nPriceLevel = Mul_Div(nPrice, PER_MILLE, nItemReference);
        int nBuyers = nPriceLevel >= EXPENSIVE_PRICE
                          ? Mul_Div(1750 - nPriceLevel, nAttendance / 4, PER_MILLE)
                          : Mul_Div(nAttendance, PER_MILLE - nPriceLevel, PER_MILLE);
        nBuyers = Max_Int(0, nBuyers);
        if (i == 0)
            nBuyers = Mul_Div(nBuyers, 200, 100);
        if (nPriceLevel > ANNOYING_PRICE)
            nAnnoyance += nPriceLevel / 10;

        int nUnitCost = Mul_Div(Apply_Inflation(kConcessionItems[i].nUnitCost), nIncome,
                                BASE_PER_CAPITA_INCOME);
        int nNet = Saturate_To_Int((int64_t)Mul_Div(nBuyers, nPrice, 100) -
                                   Mul_Div(nUnitCost, nBuyers, 100));
        Set_Team_Financial_Stat(nTeam, nPriceStat + CONCESSION_LAST_NET, nNet);
        Add_Team_Financial_Stat(nTeam, nPriceStat + CONCESSION_SEASON_NET, nNet);
        nTotal += nNet;
    }
    if (Random_Below(PER_MILLE) < nAnnoyance)
        Lower_Fan_Support(nTeam);
    return nTotal;
}

// The per-game costs of a regular-season game, taken from the cash in hand.
static int64_t Charge_Game_Costs(int nTeam, int64_t nCash) {
    int nPayroll = Get_Team_Payroll_Per_Game(nTeam);
    Set_Team_Financial_Stat(nTeam, FIN_LAST_PAYROLL_COST, nPayroll);
    Add_Team_Financial_Stat(nTeam, FIN_PAYROLL_COSTS, nPayroll);
    nCash -= nPayroll;

    int nOperating = Get_Team_Operating_Cost(nTeam);
    Set_Team_Financial_Stat(nTeam, FIN_OPERATING_COST, nOperating);
    Add_Team_Financial_Stat(nTeam, FIN_OPERATING_COSTS, nOperating);
    nCash -= nOperating;

    int nSpendingB = Get_Stored_Financial_Stat(nTeam, FIN_SPENDING_B);
    Add_Team_Financial_Stat(nTeam, FIN_SPENDING_B_TOTAL, nSpendingB);
    nCash -= nSpendingB;
    int nLevelB = Mul_Div(nSpendingB, PER_MILLE, Apply_Inflation(BASE_SPENDING_B));
    int nOldLevelB = Get_Stored_Financial_Stat(nTeam, FIN_MEDICAL_LEVEL);
    Set_Team_Financial_Stat(
        nTeam, FIN_MEDICAL_LEVEL,
        Saturate_To_Int((93 * (int64_t)nOldLevelB + 7 * (int64_t)nLevelB + 50) / 100));

    int nSpendingA = Get_Stored_Financial_Stat(nTeam, FIN_SPENDING_A);
    Add_Team_Financial_Stat(nTeam, FIN_SPENDING_A_TOTAL, nSpendingA);
    nCash -= nSpendingA;
    int nLevelA = Mul_Div(nSpendingA, PER_MILLE, Apply_Inflation(BASE_SPENDING_A));
    int nOldLevelA = Get_Stored_Financial_Stat(nTeam, FIN_SCOUTING_LEVEL);
    Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_LEVEL,
                            Saturate_To_Int((nLevelA + 9 * (int64_t)nOldLevelA + 5) * 10 / 100));
    return nCash;
}

static int64_t Charge_City_Cost(int nTeam, int64_t nCash) {
    int nCityCost = Get_Team_City_Income_Value(nTeam);
    Set_Team_Financial_Stat(nTeam, FIN_LAST_CITY_COST, nCityCost);
    Add_Team_Financial_Stat(nTeam, FIN_CITY_COSTS, nCityCost);
    return nCash - nCityCost;
}

void Record_Game_Gate_Revenue(GAME* pGame) {
    if (!pGame)
        return;
    int nVisitor = pGame->anTeams[0];
    int nHome = pGame->anTeams[1];
    if (!Is_League_Team_Number(nVisitor) || !Is_League_Team_Number(nHome)) {
        Report_Error("Invalid teams in Record_Game_Gate_Revenue(%d,%d)", nVisitor, nHome);
        return;
    }
    int bPostseason = Is_Postseason_Week();
    int nAttendance = pGame->anInfoInts[GAME_INFO_ATTENDANCE];
    // Both teams' cash is kept in hand and stored once the game's books are closed.
    int64_t nHomeCash = Get_Stored_Financial_Stat(nHome, FIN_CASH);
    int64_t nVisitorCash = Get_Stored_Financial_Stat(nVisitor, FIN_CASH);

    Set_Team_Financial_Stat(nHome, FIN_LAST_ATTENDANCE, nAttendance);
    Add_Team_Financial_Stat(nHome, FIN_HOME_ATTENDANCE, nAttendance);
    Add_Team_Financial_Stat(nVisitor, FIN_ROAD_ATTENDANCE, nAttendance);

    int nGate = Mul_Div(nAttendance, Get_Team_Financial_Stat(nHome, FIN_TICKET_PRICE), 100);
    if (bPostseason)
        nGate *= 2;
    Set_Team_Financial_Stat(nHome, FIN_LAST_GATE, nGate);
    int nHomeShare = Mul_Div(nGate, HOME_GATE_SHARE, 100);
    int nVisitorShare = Mul_Div(nGate, VISITOR_GATE_SHARE, 100);
    Add_Team_Financial_Stat(nHome, FIN_GATE_REVENUE, nHomeShare);
    Add_Team_Financial_Stat(nVisitor, FIN_GATE_REVENUE, nVisitorShare);
    nHomeCash += nHomeShare;
    nVisitorCash += nVisitorShare;

    nHomeCash += Record_Game_Concessions(nHome, pGame);
    Adjust_Fan_Support_For_Price(nHome);

    nVisitorCash = Charge_City_Cost(nVisitor, nVisitorCash);
    nHomeCash = Charge_City_Cost(nHome, nHomeCash);
    if (!bPostseason) {
        nVisitorCash = Charge_Game_Costs(nVisitor, nVisitorCash);
        nHomeCash = Charge_Game_Costs(nHome, nHomeCash);
    }

    Set_Team_Cash(nHome, nHomeCash);
    Set_Team_Cash(nVisitor, nVisitorCash);
    Add_Team_Financial_Stat(nHome, FIN_HOME_GAMES, 1);
    Add_Team_Financial_Stat(nHome, FIN_GAMES, 1);
    Add_Team_Financial_Stat(nVisitor, FIN_GAMES, 1);
}
