// The trade dialogs over the default universe, headless: a person's whole trade talk (two players
// and a pick for a starter, refused, a hint, cash added, accepted at exactly 1000) with the
// teams printed before and after, and the four dialogs filled, saved as pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/dialog_steps.h"
#include "dialogs/dialogs.h"
#include "personnel/personnel.h"
#include "universe/universe_window_fixture.h"

namespace {

#define TRADES_USER_ROSTER 1124
#define TRADES_PARTNER_ROSTER 1125
#define TRADES_PARTNER_COMBO 1123
#define TRADES_USER_SPIN 1209
#define TRADES_SUBMIT 1128
#define HINT_LIST 1030
#define BLOCK_ROSTER 1424
#define BLOCK_REQUEST 1375
#define BLOCK_GET_OFFERS 1372
#define BLOCK_OFFERS 1371

class TradesUniverseTest : public UniverseWindowTest {
protected:
    int m_nUser = 0;
    int m_nPartner = 0;

    void SetUp() override {
        UniverseWindowTest::SetUp();
        gOwnerMode = 1;
        gCommissionerMode = 0;
        m_nUser = Get_User_Team();
        m_nPartner = m_nUser == 0 ? 1 : 0;
        Set_Team_Depth_Chart(m_nPartner);
        gTradePartner = m_nPartner;
    }

    static void Double_Click_Row(HWND hDlg, int nList, int nRow) {
        SendDlgItemMessageA(hDlg, nList, LB_SETCURSEL, nRow, 0);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nList, LBN_DBLCLK),
                     (LPARAM)GetDlgItem(hDlg, nList));
    }

    static std::string Player_Text(int nTeam, int nSlot) {
        char szRow[TRADE_ROW_SIZE * 2];
        Format_Trade_Offer_Item(nTeam, nSlot, szRow, sizeof szRow);
        return szRow;
    }

    // The team's cash, players and picks, one item a line.
    static void Print_Team(const char* szWhen, int nTeam) {
        char szName[TEAM_STRING_SIZE];
        Get_Team_Nickname(nTeam, szName, sizeof szName);
        int nPlayers = Find_Free_Player_Slot(nTeam);
        int nPicks = Count_Team_Draft_Picks_Three_Years(nTeam);
        std::printf("%s: %s, cash $%d, %d players, %d picks\n", szWhen, szName,
                    Get_Team_Financial_Stat(nTeam, FIN_CASH), nPlayers, nPicks);
        for (int nItem = 0; nItem < nPlayers + nPicks; nItem++) {
            char szItem[TRADE_ROW_SIZE * 2];
            Format_Trade_Offer_Item(nTeam, nItem, szItem, sizeof szItem);
            if (nItem < nPlayers)
                std::printf("  %2d %s %d/%d\n", nItem, szItem,
                            (int)Get_Player_Overall_Rating(nTeam, nItem),
                            (int)Get_Player_Potential(nTeam, nItem));
            else
                std::printf("  pick %s\n", szItem);
        }
    }

    std::string Save_Dialog_Picture(HWND hDlg, const std::string& stName) {
        std::string stPicture = m_stHere + "/" + stName;
        EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, stPicture));
        std::printf("%s\n", stPicture.c_str());
        return stPicture;
    }

    // The offer of the talk: two of the user's reserves and his first pick for one of the
    // partner's offensive starters, legal, refused without cash and accepted with the user's
    // cash.
    bool Choose_Offer(TRADE_OFFER* pOffer, const TEAM_NEEDS needs) const {
        int nUserPlayers = Find_Free_Player_Slot(m_nUser);
        for (int nStarter = 0; nStarter < 11; nStarter++) {
            for (int nFirst = 11; nFirst < nUserPlayers; nFirst++) {
                for (int nSecond = nFirst + 1; nSecond < nUserPlayers; nSecond++) {
                    Init_Trade_Offer(pOffer);
                    pOffer->acTeam[0] = (int8_t)m_nUser;
                    pOffer->acTeam[1] = (int8_t)m_nPartner;
                    Add_Trade_Item(pOffer, 0, nFirst);
                    Add_Trade_Item(pOffer, 0, nSecond);
                    Add_Trade_Item(pOffer, 0, nUserPlayers);
                    Add_Trade_Item(pOffer, 1, nStarter);
                    if (!Check_Trade_Legality(pOffer, NULL) ||
                        Evaluate_Trade_Offer_Frozen(pOffer, needs) >= 1000)
                        continue;
                    pOffer->nCash = Get_Team_Financial_Stat(m_nUser, FIN_CASH);
                    int bReachable = Evaluate_Trade_Offer_Frozen(pOffer, needs) >= 1000;
                    pOffer->nCash = 0;
                    if (bReachable)
                        return true;
                }
            }
        }
        return false;
    }
};

TEST_F(TradesUniverseTest, ATradeTalkEndsAcceptedAtExactlyOneThousand) {
    TEAM_NEEDS needs;
    Get_Team_Needs(m_nPartner, needs);
    TRADE_OFFER offer;
    ASSERT_TRUE(Choose_Offer(&offer, needs));
    // The first count of cash steps at which the partner accepts; the league's goodwill (a tenth
    // of which the verdict adds) is moved so that the verdict there is exactly 1000.
    int nStep = Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
    int nSteps = 0;
    int nVerdict = 0;
    for (;; nSteps++) {
        offer.nCash = nSteps * nStep;
        nVerdict = Evaluate_Trade_Offer_Frozen(&offer, needs);
        if (nVerdict >= 1000)
            break;
    }
    ASSERT_GT(nSteps, 0);
    int nGoodwill = (Get_Universe_Stat(UNIVERSE_TRADE_GOODWILL) / 10 - (nVerdict - 1000)) * 10;
    Set_Universe_Stat(UNIVERSE_TRADE_GOODWILL, nGoodwill);
    ASSERT_EQ(Evaluate_Trade_Offer_Frozen(&offer, needs), 1000);
    offer.nCash = (nSteps - 1) * nStep;
    int nOneStepShort = Evaluate_Trade_Offer_Frozen(&offer, needs);
    ASSERT_LT(nOneStepShort, 1000);
    offer.nCash = 0;
    int nRefused = Evaluate_Trade_Offer_Frozen(&offer, needs);
    ASSERT_LT(nRefused, 1000);

    std::vector<std::string> aGiven, aReceived;
    for (int n = 0; n < Count_Trade_Offer_Items(&offer, 0); n++)
        aGiven.push_back(Player_Text(m_nUser, offer.aabItems[0][n]));
    aReceived.push_back(Player_Text(m_nPartner, offer.aabItems[1][0]));
    int anIds[3] = {Get_Player_ID(m_nUser, offer.aabItems[0][0]),
                    Get_Player_ID(m_nUser, offer.aabItems[0][1]),
                    Get_Player_ID(m_nPartner, offer.aabItems[1][0])};
    int nUserPicks = Count_Team_Draft_Picks_Three_Years(m_nUser);
    int nPartnerPicks = Count_Team_Draft_Picks_Three_Years(m_nPartner);
    int nUserCash = Get_Team_Financial_Stat(m_nUser, FIN_CASH);
    int nPartnerCash = Get_Team_Financial_Stat(m_nPartner, FIN_CASH);
    Print_Team("before", m_nUser);
    Print_Team("before", m_nPartner);

    // The talk: submitted without cash, the reply offers a hint; with the cash, it signs.
    std::vector<std::string> aHints;
    std::vector<int> anVerdictsAsked;
    std::vector<std::string> aFirstButtons;
    Test_Script_Dialog(IDD_TRADE_OFFER_RESPONSE, [&](HWND hDlg) {
        anVerdictsAsked.push_back(Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs));
        aFirstButtons.push_back(Test_Control_Text(hDlg, IDOK));
        Save_Dialog_Picture(hDlg, "trade_talk_refused.png");
        Test_Click_Control(hDlg, IDOK);
    });
    Test_Script_Dialog(IDD_TRADE_HINT, [&](HWND hDlg) {
        int nLines = (int)SendDlgItemMessageA(hDlg, HINT_LIST, LB_GETCOUNT, 0, 0);
        for (int n = 0; n < nLines; n++) {
            char szLine[TRADE_HINT_LINE_SIZE];
            SendDlgItemMessageA(hDlg, HINT_LIST, LB_GETTEXT, n, (LPARAM)szLine);
            aHints.push_back(szLine);
        }
        Save_Dialog_Picture(hDlg, "trade_talk_hint.png");
        Test_Click_Control(hDlg, IDOK);
    });
    Test_Script_Dialog(IDD_TRADE_OFFER_RESPONSE, [&](HWND hDlg) {
        anVerdictsAsked.push_back(Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs));
        aFirstButtons.push_back(Test_Control_Text(hDlg, IDOK));
        Save_Dialog_Picture(hDlg, "trade_talk_accepted.png");
        Test_Click_Control(hDlg, IDOK);
    });
    int nDoneAfterRefusal = -1;
    int nCashAsked = -1;
    Test_Script_Dialog(IDD_TRADES, [&](HWND hDlg) {
        for (int n = 0; n < 3; n++)
            Double_Click_Row(hDlg, TRADES_USER_ROSTER, offer.aabItems[0][n]);
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, offer.aabItems[1][0]);
        Test_Click_Control(hDlg, TRADES_SUBMIT);
        nDoneAfterRefusal = gTradeOffer.nDone;
        HWND hSpin = GetDlgItem(hDlg, TRADES_USER_SPIN);
        for (int n = 0; n < nSteps; n++)
            SendMessageA(hDlg, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), (LPARAM)hSpin);
        nCashAsked = gTradeOffer.nCash;
        Test_Click_Control(hDlg, TRADES_SUBMIT);
        EndDialog(hDlg, 1);
    });
    Open_Dialog(gMainWindow, IDD_TRADES);

    ASSERT_EQ(anVerdictsAsked.size(), 2u);
    EXPECT_EQ(anVerdictsAsked[0], nRefused);
    EXPECT_EQ(anVerdictsAsked[1], 1000);
    EXPECT_EQ(aFirstButtons[0], "Hint");
    EXPECT_EQ(aFirstButtons[1], "&Sign Deal");
    EXPECT_EQ(nDoneAfterRefusal, 0);
    EXPECT_EQ(nCashAsked, nSteps * nStep);
    EXPECT_EQ(gTradeOffer.nDone, 1);
    ASSERT_FALSE(aHints.empty());
    std::printf("offer:");
    for (const std::string& st : aGiven)
        std::printf(" [%s]", st.c_str());
    std::printf(" for [%s]\n", aReceived[0].c_str());
    std::printf("refused at %d: \"%s\"\n", nRefused, Get_Trade_Response_Line(nRefused));
    for (const std::string& st : aHints)
        std::printf("hint %s\n", st.c_str());
    std::printf("cash added: %d steps of $%d = $%d; one step short: %d; goodwill %d\n", nSteps,
                nStep, nSteps * nStep, nOneStepShort, nGoodwill);
    std::printf("accepted at %d: \"%s\"\n", anVerdictsAsked[1], Get_Trade_Response_Line(1000));
    Print_Team("after", m_nUser);
    Print_Team("after", m_nPartner);

    int anTeams[3];
    for (int n = 0; n < 3; n++) {
        int nTeam = NO_TEAM, nSlot = 0;
        ASSERT_TRUE(Find_Player_ID_Split(&nTeam, &nSlot, anIds[n]));
        anTeams[n] = nTeam;
    }
    EXPECT_EQ(anTeams[0], m_nPartner);
    EXPECT_EQ(anTeams[1], m_nPartner);
    EXPECT_EQ(anTeams[2], m_nUser);
    EXPECT_EQ(Count_Team_Draft_Picks_Three_Years(m_nUser), nUserPicks - 1);
    EXPECT_EQ(Count_Team_Draft_Picks_Three_Years(m_nPartner), nPartnerPicks + 1);
    EXPECT_EQ(Get_Team_Financial_Stat(m_nUser, FIN_CASH), nUserCash - nSteps * nStep);
    EXPECT_EQ(Get_Team_Financial_Stat(m_nPartner, FIN_CASH), nPartnerCash + nSteps * nStep);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_TRADE_GOODWILL), nGoodwill + 150 * gDifficulty);
}

TEST_F(TradesUniverseTest, TheFourDialogsFilled) {
    std::vector<std::string> aPictures;
    // The Trades dialog with an offer on both sides.
    Test_Script_Dialog(IDD_TRADES, [&](HWND hDlg) {
        int nPlayers = Find_Free_Player_Slot(m_nUser);
        for (int nRow : {12, 20, nPlayers})
            Double_Click_Row(hDlg, TRADES_USER_ROSTER, nRow);
        Double_Click_Row(hDlg, TRADES_PARTNER_ROSTER, 4);
        SendDlgItemMessageA(hDlg, TRADES_USER_ROSTER, LB_SETCURSEL, 12, 0);
        aPictures.push_back(Save_Dialog_Picture(hDlg, "trades_dialog.png"));
        EndDialog(hDlg, 1);
    });
    Open_Dialog(gMainWindow, IDD_TRADES);

    Test_Script_Dialog(IDD_TRADE_OFFER_RESPONSE, [&](HWND hDlg) {
        aPictures.push_back(Save_Dialog_Picture(hDlg, "trade_response_dialog.png"));
        EndDialog(hDlg, 0);
    });
    Show_Trade_Offer_Response(gMainWindow, m_nPartner, 640);
    Test_Script_Dialog(IDD_TRADE_HINT, [&](HWND hDlg) {
        aPictures.push_back(Save_Dialog_Picture(hDlg, "trade_hint_dialog.png"));
        EndDialog(hDlg, 1);
    });
    Open_Dialog(gMainWindow, IDD_TRADE_HINT);

    // The trading block with two players and the last pick (its row, past the players, in view)
    // offered for any players.
    Init_Trade_Offer(&gTradeOffer);
    int nOffers = 0;
    Test_Script_Dialog(IDD_TRADING_BLOCK, [&](HWND hDlg) {
        for (int nSlot : {14, 30})
            EXPECT_TRUE(
                Double_Click_Listview_Item(hDlg, BLOCK_ROSTER, m_nUser * PLAYERS_PER_TEAM + nSlot));
        EXPECT_TRUE(Double_Click_Listview_Item(
            hDlg, BLOCK_ROSTER,
            Count_Active_Teams() * PLAYERS_PER_TEAM + Count_Team_Draft_Picks_Three_Years(m_nUser)));
        SendDlgItemMessageA(hDlg, BLOCK_REQUEST, CB_SETCURSEL, BLOCK_WANTS_ANY, 0);
        Test_Click_Control(hDlg, BLOCK_GET_OFFERS);
        nOffers = (int)SendDlgItemMessageA(hDlg, BLOCK_OFFERS, LB_GETCOUNT, 0, 0);
        aPictures.push_back(Save_Dialog_Picture(hDlg, "trading_block_dialog.png"));
        EndDialog(hDlg, 1);
    });
    Open_Dialog(gMainWindow, IDD_TRADING_BLOCK);
    std::printf("trading block offers: %d\n", nOffers);
    EXPECT_GT(nOffers, 0);

    // A computer team's proposal to the user's team (the search is the fixture tests').
    Init_Trade_Offer(&gTradeProposal);
    gTradeProposal.acTeam[0] = (int8_t)m_nPartner;
    gTradeProposal.acTeam[1] = (int8_t)m_nUser;
    Add_Trade_Item(&gTradeProposal, 0, 4);
    Add_Trade_Item(&gTradeProposal, 1, 12);
    Add_Trade_Item(&gTradeProposal, 1, 20);
    gTradeProposal.nCash = 1500000;
    Test_Script_Dialog(IDD_TRADE_OFFER, [&](HWND hDlg) {
        aPictures.push_back(Save_Dialog_Picture(hDlg, "trade_offer_dialog.png"));
        EndDialog(hDlg, 0);
    });
    Open_Dialog(gMainWindow, IDD_TRADE_OFFER);
    EXPECT_EQ(aPictures.size(), 5u);
}

}  // namespace
