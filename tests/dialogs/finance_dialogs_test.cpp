// The finance dialogs: budgets and prices step by their spins and stop at their bounds, typed
// prices are put back, a sell-out is marked, a first season has no last-season figures, and only
// the user's own team (or the Commissioner) may change them.
#include <gtest/gtest.h>

#include <string>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define FINANCE_OTHER_TEAM 4

class FinanceDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gDialogTeam = FIXTURE_HUMAN_TEAM;
        gCommissionerMode = 0;
        gOwnerMode = 1;
        Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
    }

    static void Click_Spin(HWND hDlg, int nSpin, bool bUp) {
        SendMessageA(hDlg, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, bUp ? 1 : 0),
                     (LPARAM)GetDlgItem(hDlg, nSpin));
    }
};

TEST_F(FinanceDialogsTest, SpinStepsStopAtTheirBounds) {
    struct {
        int (*pStep)(int, int, int);
        int nValue, bUp, nExpected;
    } kCases[] = {
        {Step_Budget, 49995000, 1, 50000000},
        {Step_Budget, 50000000, 1, 50000000},
        {Step_Budget, 5000, 0, 0},
        {Step_Budget, 123456, 1, 130000},
        {Step_Ticket_Price, 0, 0, 0},
        {Step_Ticket_Price, 50000, 1, 50000},
        {Step_Ticket_Price, 4550, 1, 4600},
        {Step_Concession_Price, 9990, 1, 10000},
        {Step_Concession_Price, 10, 0, 0},
        {Step_Concession_Price, 500, 1, 525},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.pStep(c.nValue, c.bUp, 1000), c.nExpected) << c.nValue << " up " << c.bUp;
}

TEST_F(FinanceDialogsTest, TicketSpinTypedPriceAndSellOut) {
    Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_TICKET_PRICE, 4950);
    const int nCapacity = 60000;
    Set_Team_Stadium_Stat(FIXTURE_HUMAN_TEAM, STADIUM_CAPACITY, nCapacity);
    Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_LAST_ATTENDANCE, nCapacity);
    Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_LAST_GATE, nCapacity * 50);
    std::string stPrice, stTyped, stCrowd, stAverage;
    Test_Script_Dialog(IDD_TICKETS, [&](HWND hDlg) {
        Click_Spin(hDlg, IDC_TICKET_SPIN, true);
        stPrice = Test_Control_Text(hDlg, IDC_TICKET_PRICE);
        Test_Type_Into(hDlg, IDC_TICKET_PRICE, "1.00");
        stTyped = Test_Control_Text(hDlg, IDC_TICKET_PRICE);
        stCrowd = Test_Control_Text(hDlg, IDC_TICKET_LAST_ATTENDANCE);
        stAverage = Test_Control_Text(hDlg, IDC_TICKET_LAST_PRICE);
    });
    Open_Dialog(NULL, IDD_TICKETS);
    EXPECT_EQ(Get_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_TICKET_PRICE), 5000);
    EXPECT_EQ(stPrice, "50.00");
    EXPECT_EQ(stTyped, "50.00");
    EXPECT_EQ(stCrowd.back(), '*');
    EXPECT_EQ(stAverage, "$50.00");
}

TEST_F(FinanceDialogsTest, OnlyTheUsersTeamOrTheCommissionerChangesBudgets) {
    struct {
        int nTeam, bCommissioner;
        bool bChanges;
    } kCases[] = {{FIXTURE_HUMAN_TEAM, 0, true},
                  {FINANCE_OTHER_TEAM, 0, false},
                  {FINANCE_OTHER_TEAM, 1, true}};
    for (const auto& c : kCases) {
        Test_Reset_Platform();
        gDialogTeam = c.nTeam;
        gCommissionerMode = c.bCommissioner;
        Set_Team_Financial_Stat(c.nTeam, FIN_SPENDING_A, 1000000);
        bool bEnabled = false;
        Test_Script_Dialog(IDD_EXPENSES, [&](HWND hDlg) {
            bEnabled = IsWindowEnabled(GetDlgItem(hDlg, IDC_EXPENSE_SCOUTING_SPIN)) != 0;
            Click_Spin(hDlg, IDC_EXPENSE_SCOUTING_SPIN, true);
        });
        Open_Dialog(NULL, IDD_EXPENSES);
        EXPECT_EQ(bEnabled, c.bChanges) << "team " << c.nTeam;
        EXPECT_EQ(Get_Team_Financial_Stat(c.nTeam, FIN_SPENDING_A), c.bChanges ? 1010000 : 1000000);
    }
}

TEST_F(FinanceDialogsTest, FirstSeasonHasNoLastSeasonConcessionFigures) {
    ASSERT_EQ(Get_Season_Number(), 0);
    Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_FOOD_PRICE, 500);
    std::string stLast, stTotal, stFood;
    Test_Script_Dialog(IDD_CONCESSIONS, [&](HWND hDlg) {
        stLast = Test_Control_Text(hDlg, IDC_BEVERAGE_LAST_SEASON);
        stTotal = Test_Control_Text(hDlg, IDC_CONCESSION_TOTAL_LAST_SEASON);
        Click_Spin(hDlg, IDC_FOOD_SPIN, false);
        stFood = Test_Control_Text(hDlg, IDC_FOOD_PRICE);
    });
    Open_Dialog(NULL, IDD_CONCESSIONS);
    EXPECT_EQ(stLast, "$---,---");
    EXPECT_EQ(stTotal, "$---,---");
    EXPECT_EQ(stFood, "4.75");
    EXPECT_EQ(Get_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_FOOD_PRICE), 475);
}

}  // namespace
