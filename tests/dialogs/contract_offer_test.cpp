// The Contract Offer dialog on the fixture league: years and bonus offered, the cap texts, the
// salary cap's refusal and the Commissioner's override, and who pays.
#include <gtest/gtest.h>

#include <string>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "resources/resource.h"

namespace {

#define OFFER_OTHER_TEAM 5

class ContractOfferTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gCommissionerMode = 0;
        gOwnerMode = 1;  // cash counts only in Owner Mode
        Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_CASH, 500000000);
    }

    static int Vital(int nTeam, int nSlot, int nStat) {
        return Get_Player_Vital_Stat(nTeam, nSlot, nStat);
    }

    static bool Enabled(HWND hDlg, int nId) {
        return IsWindowEnabled(GetDlgItem(hDlg, nId)) != 0;
    }

    static int Cash() {
        return Get_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_CASH);
    }
};

TEST_F(ContractOfferTest, MoreYearsThenAcceptSignsAndChargesTheBonus) {
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS_LEFT, 1);
    int nCash = Cash();
    int nFewest = Get_Fewest_Offer_Years();
    bool bFewerAtStart = true, bMoreAtSeven = true;
    std::string stContract, stCap;
    int nRoom = 0, nBonus = 0;
    Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
        EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS_LEFT), nFewest);
        bFewerAtStart = Enabled(hDlg, IDC_OFFER_FEWER_YEARS);
        for (int n = nFewest; n < 7; n++)
            Test_Click_Control(hDlg, IDC_OFFER_MORE_YEARS);
        bMoreAtSeven = Enabled(hDlg, IDC_OFFER_MORE_YEARS);
        Test_Click_Control(hDlg, IDC_OFFER_FEWER_YEARS);
        Test_Click_Control(hDlg, IDC_OFFER_FEWER_YEARS);
        Test_Click_Control(hDlg, IDC_OFFER_FEWER_YEARS);
        Test_Click_Control(hDlg, IDC_OFFER_FEWER_YEARS);
        stContract = Test_Control_Text(hDlg, IDC_OFFER_CONTRACT);
        stCap = Test_Control_Text(hDlg, IDC_OFFER_CAP_TEXT);
        nRoom = Get_Cap_Room_After_Signing(FIXTURE_HUMAN_TEAM, FREE_AGENT_TEAM, 0);
        nBonus = Vital(FREE_AGENT_TEAM, 0, VITAL_SIGNING_BONUS);
        Test_Click_Control(hDlg, IDC_OFFER_ACCEPT);
    });
    EXPECT_EQ(Open_Contract_Offer_Dialog(NULL, FREE_AGENT_TEAM, 0), 1);
    EXPECT_FALSE(bFewerAtStart);
    EXPECT_FALSE(bMoreAtSeven);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_YEARS_LEFT), 3);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_CONTRACT_LENGTH), 3);
    EXPECT_NE(stContract.find(Is_Season_Complete() ? "Two Year" : "Three Year"), std::string::npos)
        << stContract;
    EXPECT_EQ(stCap.rfind(nRoom > 0 ? "Room Under Salary Cap:\n$" : "Exceeding", 0), 0u) << stCap;
    EXPECT_EQ(Cash(), nCash - nBonus * 1000);
    // The room shown is the room the team has once he joins it.
    ASSERT_NE(Move_Player_To_Team(FIXTURE_HUMAN_TEAM, FREE_AGENT_TEAM, 0), NO_SLOT_BYTE);
    EXPECT_EQ(nRoom,
              FIXTURE_SALARY_CAP / 1000 - Get_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_PAYROLL));
}

// Only the largest impacts make the payroll: on a roster past that count a cheap signing pushes
// the smallest out, and the room after signing counts that; a dear one is charged in full less
// the impact he pushes out.
TEST_F(ContractOfferTest, RoomAfterSigningCountsTheImpactsThatMakeThePayroll) {
    while (Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM) < 60)
        Copy_Player(FIXTURE_HUMAN_TEAM, Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM),
                    FIXTURE_HUMAN_TEAM, 0);
    for (int nSlot : {0, 1}) {
        SCOPED_TRACE(nSlot);
        int nRoom = Get_Cap_Room_After_Signing(FIXTURE_HUMAN_TEAM, FREE_AGENT_TEAM, nSlot);
        int nBefore =
            FIXTURE_SALARY_CAP / 1000 - Get_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_PAYROLL);
        EXPECT_GE(nRoom, nBefore - Vital(FREE_AGENT_TEAM, nSlot, VITAL_CAP_IMPACT));
        int nTeamSlot = Move_Player_To_Team(FIXTURE_HUMAN_TEAM, FREE_AGENT_TEAM, nSlot);
        ASSERT_NE(nTeamSlot, NO_SLOT_BYTE);
        EXPECT_EQ(nRoom, FIXTURE_SALARY_CAP / 1000 -
                             Get_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_PAYROLL));
        Release_Player_To_Free_Agents(FIXTURE_HUMAN_TEAM, nTeamSlot);
    }
}

TEST_F(ContractOfferTest, TheCapRefusesUnlessTheCommissionerOverridesAndPays) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 1000000);  // far below any payroll
    struct {
        int bCommissioner;
        int nAnswer;  // to the Commissioner's question
        int nSigned;
    } kCases[] = {{0, 0, 0}, {1, IDNO, 0}, {1, IDYES, 1}};
    for (const auto& c : kCases) {
        Test_Reset_Platform();
        gCommissionerMode = c.bCommissioner;
        int nCash = Cash();
        int nBonus = 0;
        if (c.bCommissioner)
            Test_Answer_Message_Box_With_Caption("Commissioner Mode", c.nAnswer);
        Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
            nBonus = Vital(FREE_AGENT_TEAM, 1, VITAL_SIGNING_BONUS);
            Test_Click_Control(hDlg, IDC_OFFER_ACCEPT);  // a refused offer stays open
        });
        EXPECT_EQ(Open_Contract_Offer_Dialog(NULL, FREE_AGENT_TEAM, 1), c.nSigned);
        EXPECT_EQ(Cash(), nCash - (c.nSigned ? nBonus * 1000 : 0));
        bool bCapBox = false;
        for (const auto& shown : Test_Get_Transcript())
            bCapBox |= shown.stCaption == "Salary Cap";
        EXPECT_EQ(bCapBox, !c.bCommissioner);
    }
}

// A player of another league team renews with his own team: it pays, and the user's team stays.
TEST_F(ContractOfferTest, AnotherTeamsPlayerIsPaidByHisTeam) {
    gCommissionerMode = 1;
    int nOtherCash = Get_Team_Financial_Stat(OFFER_OTHER_TEAM, FIN_CASH);
    int nCash = Cash();
    int nBonus = 0;
    std::string stCaption;
    Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
        char szCaption[128];
        GetWindowTextA(hDlg, szCaption, sizeof szCaption);
        stCaption = szCaption;
        nBonus = Vital(OFFER_OTHER_TEAM, 3, VITAL_SIGNING_BONUS);
        Test_Click_Control(hDlg, IDC_OFFER_ACCEPT);
    });
    Test_Answer_Message_Box(IDYES);
    EXPECT_EQ(Open_Contract_Offer_Dialog(NULL, OFFER_OTHER_TEAM, 3), 1);
    EXPECT_EQ(gUserTeam, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Cash(), nCash);
    EXPECT_EQ(Get_Team_Financial_Stat(OFFER_OTHER_TEAM, FIN_CASH),
              Clamp(nOtherCash - nBonus * 1000, MIN_TEAM_CASH, MAX_TEAM_CASH));
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(OFFER_OTHER_TEAM, szLabel, sizeof szLabel);
    EXPECT_EQ(stCaption, szLabel);
}

TEST_F(ContractOfferTest, CapTextsWithAndWithoutACap) {
    char szText[256];
    Format_Cap_Room_Text(szText, sizeof szText, 0, 0, 1);
    EXPECT_STREQ(szText, "Exceeding Salary Cap by:\n$0,000\n(After signing this player)");
    Format_Cap_Room_Text(szText, sizeof szText, 0, 12345, 0);
    EXPECT_STREQ(szText, "Room Under Salary Cap: $12,345,000");
    char szNickname[TEAM_LABEL_SIZE];
    Get_Team_Nickname(FIXTURE_HUMAN_TEAM, szNickname, sizeof szNickname);
    Format_Team_Cap_Sentence(szText, sizeof szText, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(std::string(szText).rfind(std::string("The ") + szNickname + " are ", 0), 0u)
        << szText;
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    Format_Team_Cap_Sentence(szText, sizeof szText, FIXTURE_HUMAN_TEAM);
    EXPECT_NE(std::string(szText).find(" have a team payroll of $"), std::string::npos) << szText;
    EXPECT_EQ(Get_Cap_Room_After_Signing(FIXTURE_HUMAN_TEAM, FREE_AGENT_TEAM, 0), 0);
    Format_Cap_Room_Text(szText, sizeof szText, FIXTURE_HUMAN_TEAM, 0, 1);
    EXPECT_EQ(std::string(szText).rfind("Payroll: $", 0), 0u) << szText;
    EXPECT_NE(std::string(szText).find("\nPayroll Budget: $"), std::string::npos);
}

}  // namespace
