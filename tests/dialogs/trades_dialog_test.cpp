// The trade dialogs on the fixture league, driven headless: the partner's replies, the Trades
// dialog's adding, refusing and forcing, and the trading block's search.
#include <gtest/gtest.h>
#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "common/dialog_steps.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define TRADES_USER_ROSTER 1124
#define TRADES_PARTNER_COMBO 1123
#define TRADES_PARTNER_ROSTER 1125
#define TRADES_PARTNER_OFFER 1032
#define TRADES_SUBMIT 1128
#define TRADES_LEGALITY 1381
#define BLOCK_ROSTER 1424
#define TRADE_PARTNER 5

class TradesDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gCommissionerMode = 0;
        gOwnerMode = 0;
        gDifficulty = 1;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gDialogTeam = FIXTURE_HUMAN_TEAM;
        gDraftRound = NO_DRAFT_ROUND;
        Set_Universe_Stat(UNIVERSE_TRADE_GOODWILL, 0);
        Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);  // the fixture's teams stand just above it
        Reset_Draft_Pick_Ownership();
        Project_Draft_Order();
        Init_Trade_Offer(&gTradeOffer);
        gTradePartner = TRADE_PARTNER;
    }

    static int Count_Boxes(const std::string& stText) {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            nCount += shown.nKind == TEST_SHOWN_MESSAGE_BOX && shown.stText == stText;
        return nCount;
    }

    static int Team_Of_Player(int nId) {
        for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                if (Get_Player_ID(nTeam, nSlot) == nId)
                    return nTeam;
            }
        }
        return NO_TEAM;
    }

    static void Double_Click_Row(HWND hDlg, int nList, int nRow) {
        SendDlgItemMessageA(hDlg, nList, LB_SETCURSEL, nRow, 0);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nList, LBN_DBLCLK),
                     (LPARAM)GetDlgItem(hDlg, nList));
    }

    // A player's row of the trading block's roster list.
    static void Double_Click_Block_Row(HWND hDlg, int nTeam, int nSlot) {
        EXPECT_TRUE(
            Double_Click_Listview_Item(hDlg, BLOCK_ROSTER, nTeam * PLAYERS_PER_TEAM + nSlot));
    }

    // Runs the Trades dialog with the action once it has opened.
    static void Run_Trades(const std::function<void(HWND)>& action) {
        Test_Script_Dialog(IDD_TRADES, [&](HWND hDlg) {
            action(hDlg);
            EndDialog(hDlg, 1);
        });
        Open_Dialog(NULL, IDD_TRADES);
    }
};

TEST_F(TradesDialogTest, TheReplyLineFollowsTheVerdictBand) {
    struct {
        int nVerdict, nGroup, nIndex;
        const char* szLine;  // null: any line of the group
    } kCases[] = {
        {NO_TRADE_VERDICT, 0, -1, NULL},
        {1, 1, 0, "I'm surprised they let you graduate from pre-school."},
        {249, 1, 23, "That's not even in the ballpark."},
        {250, 1, 0, NULL},
        {251, 2, 0, "Do I look like I was born yesterday?"},
        {620, 3, 12, NULL},
        {999, 4, 23, "Another million will clinch it."},
        {1000, 5, 0, "A good end to a long day."},
        {1130, 5, 12, "That looks good to me."},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Get_Trade_Response_Group(c.nVerdict), c.nGroup) << c.nVerdict;
        if (c.nIndex >= 0) {
            EXPECT_EQ(Get_Trade_Response_Index(c.nVerdict), c.nIndex) << c.nVerdict;
        }
        if (c.szLine) {
            EXPECT_STREQ(Get_Trade_Response_Line(c.nVerdict), c.szLine) << c.nVerdict;
        }
    }
    for (int n = 0; n < 50; n++) {
        int nIndex = Get_Trade_Response_Index(NO_TRADE_VERDICT);
        ASSERT_GE(nIndex, 0);
        ASSERT_LT(nIndex, 24);
    }
}

TEST_F(TradesDialogTest, TheReplyDialogOffersAHintBelowAcceptance) {
    for (int nVerdict : {999, 1000}) {
        std::string stFirst, stSecond;
        Test_Script_Dialog(IDD_TRADE_OFFER_RESPONSE, [&](HWND hDlg) {
            stFirst = Test_Control_Text(hDlg, IDOK);
            stSecond = Test_Control_Text(hDlg, IDCANCEL);
            Test_Click_Control(hDlg, IDOK);
        });
        EXPECT_EQ(Show_Trade_Offer_Response(NULL, TRADE_PARTNER, nVerdict), 1);
        EXPECT_EQ(stFirst, nVerdict < 1000 ? "Hint" : "&Sign Deal");
        EXPECT_EQ(stSecond, nVerdict < 1000 ? "OK" : "&Just Kidding");
    }
}

// Needs in words: the hint lines go on while the need just listed is above 1400 (five at most),
// the short text names a second position only then, with no separator after a single name.
TEST_F(TradesDialogTest, NeedsInWords) {
    struct NEED {
        int nKind, nPosition, nValue;
    };
    struct {
        std::vector<NEED> aNeeds;  // over a table of 400s
        const char* szText;
        std::vector<std::string> aHints;
    } kCases[] = {
        {{{0, POS_QB, 500}}, "Quarterbacks", {"(1) A starting quarterback"}},
        {{{1, POS_S, 1500}, {0, POS_DT, 1450}},
         "Safeties, Defensive Tackles",
         {"(1) More depth at safety", "(2) A starting defensive tackle",
          "(3) A starting quarterback"}},
        {{{1, POS_K, 1500}, {2, POS_P, 1600}},
         "Punters, Kickers",
         {"(1) A young punter", "(2) A backup kicker", "(3) A starting quarterback"}},
        {{{0, POS_WR, 2000},
          {0, POS_TE, 1900},
          {1, POS_CB, 1800},
          {2, POS_RB, 1700},
          {0, POS_LB, 1600},
          {0, POS_G, 1500}},
         "Wide Receivers, Tight Ends",
         {"(1) A starting wide receiver", "(2) A starting tight end",
          "(3) More depth at cornerback", "(4) A young running back", "(5) A starting linebacker"}},
    };
    for (const auto& c : kCases) {
        TEAM_NEEDS needs;
        for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++)
            for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
                needs[nKind][nPosition] = 400;
        for (const NEED& need : c.aNeeds)
            needs[need.nKind][need.nPosition] = need.nValue;
        char szText[128];
        Describe_Needs(needs, szText, sizeof szText);
        EXPECT_STREQ(szText, c.szText);
        char aszLines[5][TRADE_HINT_LINE_SIZE];
        int nLines = List_Needs_Hints(needs, aszLines, 5);
        EXPECT_EQ(std::vector<std::string>(aszLines, aszLines + nLines), c.aHints) << c.szText;
    }

    // A team without defensive tackles needs them most.
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
        if (Is_Player_Slot_Used(TRADE_PARTNER, nSlot) &&
            Get_Player_Vital_Stat(TRADE_PARTNER, nSlot, VITAL_POSITION) == POS_DT)
            Remove_Player_Slot(TRADE_PARTNER, nSlot);
    }
    char szNeeds[128];
    Describe_Team_Needs(szNeeds, sizeof szNeeds, TRADE_PARTNER);
    EXPECT_EQ(std::string(szNeeds).rfind("Defensive Tackles, ", 0), 0u) << szNeeds;
    char aszLines[5][TRADE_HINT_LINE_SIZE];
    ASSERT_GE(List_Trade_Hints(TRADE_PARTNER, aszLines, 5), 2);
    std::string stFirst = aszLines[0];
    EXPECT_EQ(stFirst.substr(stFirst.size() - 17), " defensive tackle") << stFirst;
}

TEST_F(TradesDialogTest, ThePartnerListLeavesOutTheUsersTeam) {
    gUserTeam = 3;
    gDialogTeam = 3;
    int anPartners[3];
    Run_Trades([&](HWND hDlg) {
        HWND hCombo = GetDlgItem(hDlg, TRADES_PARTNER_COMBO);
        EXPECT_EQ(SendMessageA(hCombo, CB_GETCOUNT, 0, 0), FIXTURE_TEAM_COUNT - 1);
        int anIndexes[3] = {2, 3, 30};
        for (int n = 0; n < 3; n++) {
            SendMessageA(hCombo, CB_SETCURSEL, anIndexes[n], 0);
            anPartners[n] = Get_Trade_Team(hDlg);
        }
    });
    EXPECT_EQ(anPartners[0], 2);
    EXPECT_EQ(anPartners[1], 4);
    EXPECT_EQ(anPartners[2], 31);
}

TEST_F(TradesDialogTest, RowsAreRefusedWhenFullOrAlreadyOffered) {
    Run_Trades([&](HWND hDlg) {
        for (int nRow = 0; nRow < TRADE_SIDE_ITEMS; nRow++)
            Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, nRow);
        EXPECT_EQ(SendDlgItemMessageA(hDlg, TRADES_PARTNER_OFFER, LB_GETCOUNT, 0, 0), 15);
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, 20);
        Double_Click_Row(hDlg, TRADES_PARTNER_OFFER, 0);  // removed: room for one more
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, 3);
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, FIXTURE_ROSTER_SIZE);  // the first pick
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, 1);
    });
    EXPECT_EQ(Count_Boxes("No more than 15 items (players or draft picks) per team may be "
                          "offered in a trade."),
              2);
    EXPECT_EQ(Count_Boxes("That player is already part of the trade offer."), 1);
    EXPECT_EQ(gTradeOffer.aabItems[1][0], 1);
    EXPECT_EQ(gTradeOffer.aabItems[1][14], FIXTURE_ROSTER_SIZE);
}

// At opening the salary-cap notice tests the partner the dialog shows, and names him.
TEST_F(TradesDialogTest, TheCapNoticeTestsThePartnerShown) {
    int nRich = 9, nPoor = 10;
    for (int nSlot = 0; nSlot < 5; nSlot++)
        Set_Player_Vital_Stat(nRich, nSlot, VITAL_SALARY, 9000);
    int nUserPayroll = Get_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_PAYROLL);
    int nRichPayroll = Get_Team_Financial_Stat(nRich, FIN_PAYROLL);
    ASSERT_GT(nRichPayroll, Get_Team_Financial_Stat(nPoor, FIN_PAYROLL));
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, (nUserPayroll + nRichPayroll) / 2 * 1000);
    char szUser[TEAM_STRING_SIZE], szRich[TEAM_STRING_SIZE];
    Get_Team_Short_Name(FIXTURE_HUMAN_TEAM, szUser, sizeof szUser);
    Get_Team_Short_Name(nRich, szRich, sizeof szRich);
    std::string stNotice = std::string("A trade cannot be constructed between ") + szUser +
                           " and " + szRich + " that would satify the league salary cap.";
    int anShownPartners[2] = {NO_TEAM, NO_TEAM};
    for (int n = 0; n < 2; n++) {
        gTradePartner = n == 0 ? nPoor : nRich;
        Run_Trades([&](HWND) { anShownPartners[n] = gTradeOffer.acTeam[1]; });
        EXPECT_EQ(Count_Boxes(stNotice), n) << "partner " << gTradePartner;
    }
    EXPECT_EQ(anShownPartners[0], nPoor);
    EXPECT_EQ(anShownPartners[1], nRich);
}

// An item chosen in an offer list selects its own row in the roster list, a pick's too.
TEST_F(TradesDialogTest, AnOfferedItemSelectsItsRosterRow) {
    int nPickRow = FIXTURE_ROSTER_SIZE + 2;
    int anSelected[2] = {-1, -1};
    Run_Trades([&](HWND hDlg) {
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, 4);
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, nPickRow);
        SendDlgItemMessageA(hDlg, TRADES_PARTNER_ROSTER, LB_SETCURSEL, 0, 0);
        for (int nEntry = 1; nEntry >= 0; nEntry--) {
            EXPECT_TRUE(Test_Choose_Row(hDlg, TRADES_PARTNER_OFFER, nEntry));
            anSelected[nEntry] = Test_Control_Selection(hDlg, TRADES_PARTNER_ROSTER);
        }
    });
    EXPECT_EQ(anSelected[0], 4);
    EXPECT_EQ(anSelected[1], nPickRow);
}

TEST_F(TradesDialogTest, ATradeInDebtIsRefusedBeforeThePartnerIsAsked) {
    gOwnerMode = 1;
    Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_CASH, -1000);
    Set_Player_Vital_Stat(FIXTURE_HUMAN_TEAM, 3, VITAL_SALARY, 500);
    Set_Player_Vital_Stat(TRADE_PARTNER, 3, VITAL_SALARY, 5000);
    Run_Trades([&](HWND hDlg) {
        Double_Click_Row(hDlg, TRADES_USER_ROSTER, 3);
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, 3);
        Test_Click_Control(hDlg, TRADES_SUBMIT);
    });
    EXPECT_EQ(Count_Boxes("While in debt, you cannot offer a trade that increases your payroll."),
              1);
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        EXPECT_NE(shown.nTemplateId, IDD_TRADE_OFFER_RESPONSE);
}

TEST_F(TradesDialogTest, TheCommissionerForcesALegalTradeOnly) {
    gCommissionerMode = 1;
    int nUserId = Get_Player_ID(FIXTURE_HUMAN_TEAM, 2);
    int nPartnerId = Get_Player_ID(TRADE_PARTNER, 2);
    std::string stButton;
    Run_Trades([&](HWND hDlg) {
        stButton = Test_Control_Text(hDlg, TRADES_SUBMIT);
        Double_Click_Row(hDlg, TRADES_USER_ROSTER, 2);
        Test_Click_Control(hDlg, TRADES_SUBMIT);  // nothing back: still legal
    });
    EXPECT_EQ(stButton, "&Force Trade");
    EXPECT_EQ(Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM), FIXTURE_ROSTER_SIZE - 1);
    EXPECT_EQ(Find_Free_Player_Slot(TRADE_PARTNER), FIXTURE_ROSTER_SIZE + 1);
    EXPECT_EQ(gTradeOffer.nDone, 1);
    EXPECT_NE(Team_Of_Player(nUserId), FIXTURE_HUMAN_TEAM);

    // At 51 players the roster floor refuses the next one, with its reason.
    for (int nSlot = FIXTURE_ROSTER_SIZE - 2; nSlot >= ROSTER_FLOOR; nSlot--)
        Clear_Player(FIXTURE_HUMAN_TEAM, nSlot);
    gTradePartner = TRADE_PARTNER;
    Run_Trades([&](HWND hDlg) {
        Double_Click_Row(hDlg, TRADES_USER_ROSTER, 0);
        EXPECT_EQ(Test_Control_Text(hDlg, TRADES_LEGALITY).rfind("Illegal Trade: ", 0), 0u);
        Test_Click_Control(hDlg, TRADES_SUBMIT);
    });
    EXPECT_EQ(Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM), ROSTER_FLOOR);
    EXPECT_EQ(Team_Of_Player(nPartnerId), TRADE_PARTNER);
    EXPECT_EQ(Count_Boxes("Comets would have less than 51 players."), 1);
}

TEST_F(TradesDialogTest, AHumanPartnerIsAskedForPermission) {
    Set_Team_Stat(TRADE_PARTNER, TEAM_CONTROL, CONTROL_HUMAN);
    int nId = Get_Player_ID(TRADE_PARTNER, 7);
    for (int nAnswer : {IDNO, IDYES}) {
        Test_Answer_Message_Box_With_Caption("Permission Needed", nAnswer);
        gTradePartner = TRADE_PARTNER;
        Run_Trades([&](HWND hDlg) {
            Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, 7);
            Test_Click_Control(hDlg, TRADES_SUBMIT);
        });
        EXPECT_EQ(Team_Of_Player(nId), nAnswer == IDYES ? FIXTURE_HUMAN_TEAM : TRADE_PARTNER);
    }
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        EXPECT_NE(shown.nTemplateId, IDD_TRADE_OFFER_RESPONSE);
}

TEST_F(TradesDialogTest, TheSubmittedVerdictDecidesAtExactlyOneThousand) {
    // The user's player for a partner's player whose verdict lies within goodwill's reach; the
    // goodwill then moves the verdict to 999, then 1000.
    TEAM_NEEDS needs;
    Get_Team_Needs(TRADE_PARTNER, needs);
    int nVerdict = 0, nUserSlot = 0, nPartnerSlot = FIXTURE_ROSTER_SIZE;
    for (; nUserSlot < FIXTURE_ROSTER_SIZE && nPartnerSlot == FIXTURE_ROSTER_SIZE; nUserSlot++) {
        for (nPartnerSlot = 0; nPartnerSlot < FIXTURE_ROSTER_SIZE; nPartnerSlot++) {
            Init_Trade_Offer(&gTradeOffer);
            gTradeOffer.acTeam[0] = FIXTURE_HUMAN_TEAM;
            gTradeOffer.acTeam[1] = TRADE_PARTNER;
            Add_Trade_Item(&gTradeOffer, 0, nUserSlot);
            Add_Trade_Item(&gTradeOffer, 1, nPartnerSlot);
            nVerdict = Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs);
            if (nVerdict > 850 && nVerdict < 1150)
                break;
        }
    }
    ASSERT_LT(nPartnerSlot, FIXTURE_ROSTER_SIZE);
    int anUserIds[2] = {Get_Player_ID(FIXTURE_HUMAN_TEAM, nUserSlot - 1),
                        Get_Player_ID(TRADE_PARTNER, nPartnerSlot)};
    for (int nWanted : {999, 1000}) {
        Set_Universe_Stat(UNIVERSE_TRADE_GOODWILL, (nWanted - nVerdict) * 10);
        ASSERT_EQ(Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs), nWanted);
        Test_Script_Dialog(IDD_TRADE_OFFER_RESPONSE,
                           [](HWND hDlg) { Test_Click_Control(hDlg, IDOK); });
        Test_Script_Dialog(IDD_TRADE_HINT, [](HWND hDlg) { Test_Click_Control(hDlg, IDOK); });
        gTradePartner = NO_TEAM;
        Run_Trades([&](HWND hDlg) { Test_Click_Control(hDlg, TRADES_SUBMIT); });
        int bTraded = Team_Of_Player(anUserIds[0]) == TRADE_PARTNER;
        EXPECT_EQ(bTraded, nWanted == 1000) << nWanted;
        EXPECT_EQ(gTradeOffer.nDone, nWanted == 1000) << nWanted;
    }
    EXPECT_EQ(Team_Of_Player(anUserIds[1]), FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_TRADE_GOODWILL), (1000 - nVerdict) * 10 + 150);
}

TEST_F(TradesDialogTest, ACounterOfferSatisfiesThePartnerOrChangesNothing) {
    for (int nWanted : {0, 6, 20}) {
        Init_Trade_Offer(&gTradeOffer);
        gTradeOffer.acTeam[0] = FIXTURE_HUMAN_TEAM;
        gTradeOffer.acTeam[1] = TRADE_PARTNER;
        Add_Trade_Item(&gTradeOffer, 1, nWanted);
        TRADE_OFFER before = gTradeOffer;
        TEAM_NEEDS needs;
        Get_Team_Needs(TRADE_PARTNER, needs);
        if (Build_Counter_Offer()) {
            EXPECT_GE(Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs), 1000) << nWanted;
            EXPECT_GT(Count_Trade_Offer_Items(&gTradeOffer, 0), 0) << nWanted;
            EXPECT_EQ(memcmp(gTradeOffer.aabItems[1], before.aabItems[1], TRADE_SIDE_ITEMS), 0);
            EXPECT_TRUE(Check_Trade_Legality(&gTradeOffer, NULL)) << nWanted;
        } else {
            EXPECT_EQ(memcmp(&gTradeOffer, &before, sizeof before), 0) << nWanted;
        }
    }
}

TEST_F(TradesDialogTest, AComputerTeamProposesATradeToTheHumanTeam) {
    gCurrentWeek = 3;
    Seed_Random(99);
    gAllTeamsComputer = 1;
    Propose_Computer_Trade();
    uint32_t nNext = Random_Number();
    Seed_Random(99);
    EXPECT_EQ(Random_Number(), nNext) << "no human team: nothing drawn";

    gAllTeamsComputer = 0;
    int nShown = 0;
    std::vector<int> anComing;  // the players the computer team gives
    for (int nWeek = 0; nWeek < 60 && nShown == 0; nWeek++) {
        Test_Script_Dialog(IDD_TRADE_OFFER, [&](HWND hDlg) {
            nShown++;
            for (int n = 0; n < Count_Trade_Offer_Items(&gTradeProposal, 0); n++) {
                int nItem = gTradeProposal.aabItems[0][n];
                if (Is_Trade_Item_Player(&gTradeProposal, 0, nItem))
                    anComing.push_back(Get_Player_ID(gTradeProposal.acTeam[0], nItem));
            }
            Test_Click_Control(hDlg, IDOK);
        });
        Propose_Computer_Trade();
    }
    ASSERT_EQ(nShown, 1);
    EXPECT_EQ(gTradeProposal.acTeam[1], FIXTURE_HUMAN_TEAM);
    ASSERT_FALSE(anComing.empty());
    for (int nId : anComing)
        EXPECT_EQ(Team_Of_Player(nId), FIXTURE_HUMAN_TEAM);
}

// ---- the trading block ---------------------------------------------------------------------------

// What stepping down from all the team's cash, one price step at a time, finds: the cash of the
// first accepted payment, or 1 when none is.
static int Step_Down_To_Payment(TRADE_OFFER* pWork, const TEAM_NEEDS needs, int nStep) {
    int nCash = Get_Team_Financial_Stat(pWork->acTeam[1], FIN_CASH);
    for (int nPaid = nCash / nStep * nStep; nPaid >= 0; nPaid -= nStep) {
        pWork->nCash = -nPaid;
        if (Evaluate_Trade_Offer_Frozen(pWork, needs) >= 1000)
            return -nPaid;
    }
    return 1;
}

TEST_F(TradesDialogTest, TheCashSearchFindsWhatSteppingDownFinds) {
    gOwnerMode = 1;
    int nStep = Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
    int nPaying = 0;
    int nPartly = 0;  // payments below all the team's cash
    // Every fourth player of the user's on the block, against teams of different means.
    for (int nBlock = 0; nBlock < FIXTURE_ROSTER_SIZE; nBlock += 4) {
        for (int nTeam : {2, 9, 17, 23, 30}) {
            TRADE_OFFER work;
            Init_Trade_Offer(&work);
            work.acTeam[0] = FIXTURE_HUMAN_TEAM;
            work.acTeam[1] = (int8_t)nTeam;
            Set_Team_Financial_Stat(nTeam, FIN_CASH, 4000000 * (nTeam % 7) + 250000);
            Add_Trade_Item(&work, 0, nBlock);
            TEAM_NEEDS needs;
            Get_Team_Needs(nTeam, needs);
            int nExpected = Step_Down_To_Payment(&work, needs, nStep);
            work.nCash = 0;
            int bFound = Find_Trading_Block_Cash(&work, needs);
            EXPECT_EQ(bFound, nExpected != 1) << nBlock << " to " << nTeam;
            if (bFound) {
                EXPECT_EQ(work.nCash, nExpected) << nBlock << " to " << nTeam;
            }
            nPaying += nExpected < 0;
            nPartly += nExpected < 0 &&
                       -nExpected < Get_Team_Financial_Stat(nTeam, FIN_CASH) / nStep * nStep;
        }
    }
    EXPECT_GT(nPaying, 0) << "some team pays for the block";
    EXPECT_GT(nPartly, 0) << "some team pays less than all it has";
}

TEST_F(TradesDialogTest, IdenticalOffersAppearOnceAndIllegalOnesNotAtAll) {
    TRADE_OFFER offer;
    Init_Trade_Offer(&offer);
    offer.acTeam[0] = FIXTURE_HUMAN_TEAM;
    offer.acTeam[1] = 7;
    Add_Trade_Item(&offer, 0, 1);
    Add_Trade_Item(&offer, 1, 2);
    for (int n = 0; n < 36; n++)
        Init_Trade_Offer(&gTradingBlockOffers[n]);
    gTradingBlockOffers[0] = offer;
    gTradingBlockOffers[1] = offer;
    gTradingBlockOffers[2] = offer;
    gTradingBlockOffers[2].acTeam[1] = 8;
    gTradingBlockOffers[3] = offer;
    gTradingBlockOffers[3].acTeam[1] = 9;
    Add_Trade_Item(&gTradingBlockOffers[3], 1, FIXTURE_ROSTER_SIZE + 40);  // a pick it lacks
    TEAM_NEEDS needs;
    Get_Team_Needs(FIXTURE_HUMAN_TEAM, needs);
    EXPECT_EQ(Order_Trading_Block_Offers(BLOCK_WANTS_ANY, needs), 2);
    int nSevens = 0, nValid = 0;
    for (int n = 0; n < 36; n++) {
        nValid += Validate_Trade_Offer(&gTradingBlockOffers[n]);
        nSevens += gTradingBlockOffers[n].acTeam[1] == 7;
    }
    EXPECT_EQ(nValid, 2);
    EXPECT_EQ(nSevens, 1);
    EXPECT_TRUE(Validate_Trade_Offer(&gTradingBlockOffers[0]));
    EXPECT_TRUE(Validate_Trade_Offer(&gTradingBlockOffers[1]));
}

TEST_F(TradesDialogTest, TheBlockAsksForAPlayerAndKeepsTheRosterFloor) {
    Init_Trade_Offer(&gTradeOffer);
    Test_Script_Dialog(IDD_TRADING_BLOCK, [&](HWND hDlg) {
        Test_Click_Control(hDlg, 1372);
        // Three players on the block of a 53-man roster, asking for picks: 50 would be left.
        for (int nSlot : {0, 1, 2})
            Double_Click_Block_Row(hDlg, FIXTURE_HUMAN_TEAM, nSlot);
        SendDlgItemMessageA(hDlg, 1375, CB_SETCURSEL, BLOCK_WANTS_PICKS, 0);
        Test_Click_Control(hDlg, 1372);
        EndDialog(hDlg, 1);
    });
    Open_Dialog(NULL, IDD_TRADING_BLOCK);
    EXPECT_EQ(Count_Boxes("You must add a player to the Trading Block before clicking 'Get "
                          "Offers'."),
              1);
    EXPECT_EQ(Count_Boxes("Comets would have less than 51 players."), 1);
}

// The block's list: the players, then a row per pick, whose double click puts that pick on the
// block; the card opened from the list walks its players only.
TEST_F(TradesDialogTest, TheBlockListsPlayersThenPicks) {
    int nPicks = Count_Team_Draft_Picks_Three_Years(FIXTURE_HUMAN_TEAM);
    ASSERT_GT(nPicks, 2);
    int nFirstPickValue = FIXTURE_TEAM_COUNT * PLAYERS_PER_TEAM + 1;
    char szThirdPick[TRADE_ROW_SIZE * 2];
    Format_Trade_Pick_Row(FIXTURE_HUMAN_TEAM, 2, "  %s Round Pick (%d) (%s)", szThirdPick,
                          sizeof szThirdPick);
    std::string stName, stThirdPick, stList;
    int nRows = 0;
    int anCardSlots[2] = {-1, -1};
    Init_Trade_Offer(&gTradeOffer);
    Test_Script_Dialog(IDD_SCOUTING_REPORT, [&](HWND hDlg) {
        anCardSlots[0] = gScoutSlot;
        Test_Click_Control(hDlg, IDC_NEXT_PLAYER);
        anCardSlots[1] = gScoutSlot;
        Test_Click_Control(hDlg, IDOK);
    });
    Test_Script_Dialog(IDD_TRADING_BLOCK, [&](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, BLOCK_ROSTER);
        char szText[TRADE_ROW_SIZE * 2] = "";
        GetWindowTextA(hList, szText, sizeof szText);
        stList = szText;
        nRows = (int)SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0);
        LVITEMA item = {};
        item.pszText = szText;
        item.cchTextMax = sizeof szText;
        SendMessageA(hList, LVM_GETITEMTEXTA, FIXTURE_ROSTER_SIZE + 2, (LPARAM)&item);
        stThirdPick = szText;
        EXPECT_TRUE(Double_Click_Listview_Item(hDlg, BLOCK_ROSTER, nFirstPickValue + 2));
        // The last player's card: Next passes over the picks back to the first player.
        EXPECT_TRUE(Test_Choose_Row(hDlg, BLOCK_ROSTER, FIXTURE_ROSTER_SIZE - 1));
        Test_Click_Control(hDlg, 1045);
        EndDialog(hDlg, 1);
    });
    Open_Dialog(NULL, IDD_TRADING_BLOCK);
    EXPECT_EQ(stList, "LVD_Trading_Block");
    EXPECT_EQ(nRows, FIXTURE_ROSTER_SIZE + nPicks);
    EXPECT_EQ(stThirdPick, szThirdPick);
    EXPECT_EQ(gTradeOffer.aabItems[0][0], FIXTURE_ROSTER_SIZE + 2);
    EXPECT_EQ(anCardSlots[0], FIXTURE_ROSTER_SIZE - 1);
    EXPECT_EQ(anCardSlots[1], 0);
}

TEST_F(TradesDialogTest, AnOpenedOfferIsRestoredOrCompleted) {
    // The block: the user's most valuable player, for cash; the opened offer is forced through.
    gCommissionerMode = 1;
    gOwnerMode = 1;
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        Set_Team_Financial_Stat(nTeam, FIN_CASH, 20000000);
    int nBlock = 0;
    for (int nSlot = 1; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
        if (Get_Player_Trade_Value(FIXTURE_HUMAN_TEAM, nSlot) >
            Get_Player_Trade_Value(FIXTURE_HUMAN_TEAM, nBlock))
            nBlock = nSlot;
    }
    Init_Trade_Offer(&gTradeOffer);
    int nBlockId = Get_Player_ID(FIXTURE_HUMAN_TEAM, nBlock);
    int anBlockCounts[2] = {-1, -1};
    int nOffers = 0;
    Test_Script_Dialog(IDD_TRADES, [](HWND hDlg) { EndDialog(hDlg, 1); });
    Test_Script_Dialog(IDD_TRADES, [](HWND hDlg) { Test_Click_Control(hDlg, TRADES_SUBMIT); });
    Test_Script_Dialog(IDD_TRADING_BLOCK, [&](HWND hDlg) {
        Double_Click_Block_Row(hDlg, FIXTURE_HUMAN_TEAM, nBlock);
        SendDlgItemMessageA(hDlg, 1375, CB_SETCURSEL, BLOCK_WANTS_CASH, 0);
        Test_Click_Control(hDlg, 1372);
        nOffers = (int)SendDlgItemMessageA(hDlg, 1371, LB_GETCOUNT, 0, 0);
        for (int n = 0; n < 2 && nOffers > 0; n++) {
            Double_Click_Row(hDlg, 1371, 0);
            anBlockCounts[n] = (int)SendDlgItemMessageA(hDlg, 1126, LB_GETCOUNT, 0, 0);
        }
        EndDialog(hDlg, 1);
    });
    Open_Dialog(NULL, IDD_TRADING_BLOCK);
    ASSERT_GT(nOffers, 0);
    EXPECT_EQ(anBlockCounts[0], 1) << "a cancelled talk keeps the block";
    EXPECT_EQ(anBlockCounts[1], 0) << "a completed trade empties it";
    EXPECT_NE(Team_Of_Player(nBlockId), FIXTURE_HUMAN_TEAM);
}

}  // namespace
