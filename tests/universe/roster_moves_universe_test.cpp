// A person runs the roster of his team in the default universe through the real dialogs: in
// Owner Mode he signs a free agent from the free-agent list after countering his demand in the
// Contract Offer, and releases a player from the roster list; then, in General Manager Mode set
// in Options, the season is played, his expiring contracts are offered to him in the Contract
// Offer, and he makes his pick when the college draft reaches him. The figures are printed, and
// pictures of the offers and the draft list are kept in the case's folder.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/dialog_steps.h"
#include "dialogs/dialogs.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "universe/universe_window_fixture.h"

namespace {

#define OUTPUT_FOLDER "Output"
#define OPTIONS_FINANCES_COMBO 1010

class RosterMovesUniverseTest : public UniverseWindowTest {
protected:
    std::set<std::string> m_outputBefore;

    void SetUp() override {
        UniverseWindowTest::SetUp();
        m_outputBefore = List_Output();
    }

    // The off-season writes its reports into the installation folder; they are removed again.
    void TearDown() override {
        for (const std::string& stFile : List_Output())
            if (!m_outputBefore.count(stFile))
                std::filesystem::remove(stFile);
        UniverseWindowTest::TearDown();
    }

    static std::set<std::string> List_Output() {
        std::set<std::string> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(OUTPUT_FOLDER, error))
            files.insert(entry.path().string());
        return files;
    }

    static int Cap_Room(int nTeam) {
        return Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000 -
               Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    }

    static int Players(int nTeam) {
        return Find_Free_Player_Slot(nTeam);
    }

    static int Row_Player(HWND hDlg, int nRow, int* pTeam, int* pSlot) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = nRow;
        if (!SendDlgItemMessageA(hDlg, IDC_PLAYER_LIST, LVM_GETITEMA, 0, (LPARAM)&item))
            return 0;
        *pTeam = (int)item.lParam / 100;
        *pSlot = (int)item.lParam % 100;
        return 1;
    }

    // Chooses the list's row of that player; false when he is not listed.
    static bool Choose_Player_Row(HWND hDlg, int nTeam, int nSlot) {
        int nRows = (int)SendDlgItemMessageA(hDlg, IDC_PLAYER_LIST, LVM_GETITEMCOUNT, 0, 0);
        for (int nRow = 0; nRow < nRows; nRow++) {
            int nRowTeam = NO_TEAM, nRowSlot = NO_PLAYER;
            if (Row_Player(hDlg, nRow, &nRowTeam, &nRowSlot) && nRowTeam == nTeam &&
                nRowSlot == nSlot)
                return Test_Choose_Row(hDlg, IDC_PLAYER_LIST, nRow);
        }
        return false;
    }

    static std::string Name(int nTeam, int nSlot) {
        char szName[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
        return szName;
    }

    static int Vital(int nTeam, int nSlot, int nStat) {
        return Get_Player_Vital_Stat(nTeam, nSlot, nStat);
    }

    // The next nCount skinned message boxes are answered with their first button (Yes or OK);
    // their captions are kept.
    void Answer_Skinned_Boxes(int nCount) {
        for (int n = 0; n < nCount; n++) {
            Test_Script_Dialog(IDD_USER_MESSAGE, [this](HWND hDlg) {
                char szCaption[256];
                GetWindowTextA(hDlg, szCaption, sizeof szCaption);
                m_boxCaptions.push_back(szCaption);
                SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MESSAGE_BUTTON1, BN_CLICKED), 0);
            });
        }
    }

    std::vector<std::string> m_boxCaptions;
};

// The contract terms shown in the offer: years, bonus and salary in thousands.
struct TERMS {
    int nYears = 0, nBonus = 0, nSalary = 0;
};

TERMS Read_Terms(int nTeam, int nSlot) {
    TERMS terms;
    terms.nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    terms.nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    terms.nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
    return terms;
}

TEST_F(RosterMovesUniverseTest, SignReleaseAndDraftThroughTheDialogs) {
    gOwnerMode = 1;  // the bonus is bargained over in Owner Mode
    const int nUser = Get_User_Team();
    ASSERT_TRUE(Is_Human_Team(nUser));
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(nUser, szLabel, sizeof szLabel);
    std::printf("user team: %s (%d)\n", szLabel, nUser);

    // ---- sign a free agent: list 130, the Contract Offer 132 after a counter-offer ----------
    const int nRosterAtStart = Players(nUser);
    const int nRoomAtStart = Cap_Room(nUser);
    const int nCashAtStart = Get_Team_Financial_Stat(nUser, FIN_CASH);
    const int nFreeAgentsAtStart = Players(FREE_AGENT_TEAM);
    int nSignedId = 0, nImpact = 0, nRoomShown = 0;
    TERMS asked, countered;
    std::string stSigned, stOfferCap;
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        // The best free agent the team can fit under the cap on his own terms.
        int nRows = (int)SendDlgItemMessageA(hDlg, IDC_PLAYER_LIST, LVM_GETITEMCOUNT, 0, 0);
        int nBestTeam = NO_TEAM, nBestSlot = NO_PLAYER, nBestOverall = -1;
        for (int nRow = 0; nRow < nRows; nRow++) {
            int nTeam = NO_TEAM, nSlot = NO_PLAYER;
            if (!Row_Player(hDlg, nRow, &nTeam, &nSlot))
                continue;
            int nOverall = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OVERALL_GRADE);
            if (nOverall > nBestOverall &&
                Get_Cap_Room_After_Signing(nUser, nTeam, nSlot) >
                    2 * Vital(nTeam, nSlot, VITAL_SALARY) &&
                Vital(nTeam, nSlot, VITAL_SIGNING_BONUS) * 1000 < nCashAtStart / 2) {
                nBestOverall = nOverall;
                nBestTeam = nTeam;
                nBestSlot = nSlot;
            }
        }
        ASSERT_NE(nBestTeam, NO_TEAM);
        nSignedId = Get_Player_ID(nBestTeam, nBestSlot);
        stSigned = Name(nBestTeam, nBestSlot);
        ASSERT_TRUE(Choose_Player_Row(hDlg, nBestTeam, nBestSlot));
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
    });
    Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
        asked = Read_Terms(gScoutTeam, gScoutSlot);
        // The counter-offer: a year more and a bigger bonus, for a lower salary.
        Test_Click_Control(hDlg, IDC_OFFER_MORE_YEARS);
        Test_Click_Control(hDlg, IDC_OFFER_BIGGER_BONUS);
        countered = Read_Terms(gScoutTeam, gScoutSlot);
        nImpact = Vital(gScoutTeam, gScoutSlot, VITAL_CAP_IMPACT);
        nRoomShown = Get_Cap_Room_After_Signing(nUser, gScoutTeam, gScoutSlot);
        stOfferCap = Test_Control_Text(hDlg, IDC_OFFER_CAP_TEXT);
        EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, m_stHere + "/run-free-agent-offer.png"));
        Test_Click_Control(hDlg, IDC_OFFER_ACCEPT);
    });
    Open_Dialog(gMainWindow, IDD_FREE_AGENTS);
    ASSERT_NE(nSignedId, 0);
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nSignedId));
    EXPECT_EQ(nTeam, nUser);
    EXPECT_EQ(countered.nYears, asked.nYears + 1);
    EXPECT_EQ(countered.nBonus, asked.nBonus + 100);
    EXPECT_EQ(Read_Terms(nTeam, nSlot).nYears, countered.nYears);
    EXPECT_EQ(Read_Terms(nTeam, nSlot).nBonus, countered.nBonus);
    EXPECT_EQ(Read_Terms(nTeam, nSlot).nSalary, countered.nSalary);
    EXPECT_EQ(Players(nUser), nRosterAtStart + 1);
    EXPECT_EQ(Players(FREE_AGENT_TEAM), nFreeAgentsAtStart - 1);
    EXPECT_EQ(Cap_Room(nUser), nRoomShown);  // the room the offer showed after signing
    EXPECT_GE(Cap_Room(nUser), nRoomAtStart - nImpact);
    EXPECT_EQ(Get_Team_Financial_Stat(nUser, FIN_CASH), nCashAtStart - countered.nBonus * 1000);
    std::printf(
        "signed %s: asked %d years, bonus $%d,000, salary $%d,000; countered %d years, "
        "bonus $%d,000, salary $%d,000; payroll impact $%d,000\n",
        stSigned.c_str(), asked.nYears, asked.nBonus, asked.nSalary, countered.nYears,
        countered.nBonus, countered.nSalary, nImpact);
    std::printf("cap room $%d,000 -> $%d,000; cash $%d -> $%d; roster %d -> %d; offer: %s\n",
                nRoomAtStart, Cap_Room(nUser), nCashAtStart,
                Get_Team_Financial_Stat(nUser, FIN_CASH), nRosterAtStart, Players(nUser),
                stOfferCap.c_str());

    // ---- release a player from the roster list -------------------------------------------
    // The team's lowest rated player at a position it holds three or more of.
    int nReleaseSlot = NO_PLAYER;
    for (int nSlot = 0; nSlot < Players(nUser); nSlot++) {
        if (Count_Team_Position_Players(nUser, Vital(nUser, nSlot, VITAL_POSITION)) >= 3 &&
            (nReleaseSlot == NO_PLAYER ||
             Get_Player_Stat(nUser, nSlot, SEASON_PREDICTED, OVERALL_GRADE) <
                 Get_Player_Stat(nUser, nReleaseSlot, SEASON_PREDICTED, OVERALL_GRADE)))
            nReleaseSlot = nSlot;
    }
    ASSERT_NE(nReleaseSlot, NO_PLAYER);
    const int nReleasedId = Get_Player_ID(nUser, nReleaseSlot);
    const std::string stReleased = Name(nUser, nReleaseSlot);
    const int nRosterBeforeRelease = Players(nUser);
    const int nRoomBeforeRelease = Cap_Room(nUser);
    Answer_Skinned_Boxes(1);  // "Release Player?": Yes
    bool bReleaseOn = false;
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        ASSERT_TRUE(Choose_Player_Row(hDlg, nUser, nReleaseSlot));
        bReleaseOn = IsWindowEnabled(GetDlgItem(hDlg, IDC_LIST_ACTION)) != 0;
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
    });
    Open_Dialog(gMainWindow, IDD_SORTABLE_STATS);
    ASSERT_EQ(m_boxCaptions, std::vector<std::string>{"Release Player?"});
    EXPECT_TRUE(bReleaseOn);
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nReleasedId));
    EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Players(nUser), nRosterBeforeRelease - 1);
    std::printf("released %s: roster %d -> %d, cap room $%d,000 -> $%d,000\n", stReleased.c_str(),
                nRosterBeforeRelease, Players(nUser), nRoomBeforeRelease, Cap_Room(nUser));

    // ---- the person leaves the money to the owner: General Manager Mode, set in Options -----
    Test_Script_Dialog(IDD_OPTIONS, [](HWND hDlg) {
        Test_Choose_Row(hDlg, OPTIONS_FINANCES_COMBO, 0);  // "General Manager Mode"
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(gMainWindow, IDD_OPTIONS);
    ASSERT_EQ(gOwnerMode, 0);

    // ---- the season played to its champion -------------------------------------------------
    // The matchup before each of the person's games is left, and the game simulated.
    for (int nWeek = 0; nWeek < 60 && !Is_Season_Complete(); nWeek++)
        Advance_Weeks(1);
    ASSERT_TRUE(Is_Season_Complete());

    // ---- the off-season: renewals through the Contract Offer, then the college draft ----------
    // Every expiring contract is offered on the player's terms; one the cap or the cash refuses
    // is let go.
    const int nExpiring = Count_Expiring_Contracts(nUser);
    const int nRosterBeforeOffSeason = Players(nUser);
    const int nRoomBeforeOffSeason = Cap_Room(nUser);
    int nOffers = 0, nRenewedId = 0;
    TERMS renewed;
    std::string stRenewed;
    for (int n = 0; n < nExpiring; n++) {
        Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
            if (nOffers++ == 0) {
                nRenewedId = Get_Player_ID(gScoutTeam, gScoutSlot);
                stRenewed = Name(gScoutTeam, gScoutSlot);
                renewed = Read_Terms(gScoutTeam, gScoutSlot);
                EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, m_stHere + "/run-renewal-offer.png"));
            }
            Test_Click_Control(hDlg, IDC_OFFER_ACCEPT);
        });
    }
    m_boxCaptions.clear();
    Test_Clear_Transcript();
    Answer_Skinned_Boxes(nExpiring + 4);  // the cap's refusals, notices, "Begin College Draft?"
    Process_Off_Season();
    int nRenewed = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nRenewed += shown.nTemplateId == IDD_CONTRACT_OFFER && shown.nResult == 1;
    EXPECT_EQ(nOffers, nExpiring);
    ASSERT_GT(nRenewed, 0);
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nRenewedId));
    EXPECT_EQ(nTeam, nUser);
    EXPECT_EQ(Vital(nTeam, nSlot, VITAL_SALARY), renewed.nSalary);
    EXPECT_EQ(Vital(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT), renewed.nYears);
    std::printf(
        "off-season: %d expiring contracts offered, %d renewed (first %s: %d years, bonus "
        "$%d,000, salary $%d,000), %d let go; roster %d -> %d; cap room $%d,000 -> "
        "$%d,000\n",
        nExpiring, nRenewed, stRenewed.c_str(), renewed.nYears, renewed.nBonus, renewed.nSalary,
        nExpiring - nRenewed, nRosterBeforeOffSeason, Players(nUser), nRoomBeforeOffSeason,
        Cap_Room(nUser));
    for (const std::string& stCaption : m_boxCaptions)
        std::printf("off-season box: %s\n", stCaption.c_str());
    ASSERT_TRUE(Is_College_Draft_On());
    ASSERT_EQ(Get_Draft_Pick_Owner(0, gDraftRound, Get_Draft_Order_Team(gDraftPick)), nUser);
    const int nRound = gDraftRound, nPick = gDraftPick;
    const int nRosterBeforeDraft = Players(nUser);
    const int nPoolBeforeDraft = Count_Draft_Pool_Players();
    int nDraftedId = 0;
    TERMS rookie;
    std::string stDrafted;
    bool bDraftOn = false;
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        int nPoolTeam = NO_TEAM, nPoolSlot = NO_PLAYER;
        ASSERT_TRUE(Row_Player(hDlg, 0, &nPoolTeam, &nPoolSlot));
        ASSERT_TRUE(Test_Choose_Row(hDlg, IDC_PLAYER_LIST, 0));
        nDraftedId = Get_Player_ID(nPoolTeam, nPoolSlot);
        stDrafted = Name(nPoolTeam, nPoolSlot);
        bDraftOn = IsWindowEnabled(GetDlgItem(hDlg, IDC_LIST_ACTION)) != 0;
        EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, m_stHere + "/run-college-draft-pick.png"));
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
    });
    Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
        rookie = Read_Terms(gScoutTeam, gScoutSlot);
        EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, m_stHere + "/run-draft-pick-offer.png"));
        Test_Click_Control(hDlg, IDC_OFFER_ACCEPT);
    });
    Open_Dialog(gMainWindow, IDD_COLLEGE_DRAFT);
    EXPECT_TRUE(bDraftOn);
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nDraftedId));
    EXPECT_EQ(nTeam, nUser);
    EXPECT_EQ(Vital(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT), 4);
    EXPECT_EQ(Players(nUser), nRosterBeforeDraft + 1);
    EXPECT_LT(Count_Draft_Pool_Players(), nPoolBeforeDraft);  // the computer picked on
    EXPECT_EQ(Vital(nTeam, nSlot, VITAL_SIGNING_BONUS), rookie.nBonus);
    // The draft went on to the person's next pick, or ended.
    EXPECT_TRUE(!Is_College_Draft_On() ||
                Get_Draft_Pick_Owner(0, gDraftRound, Get_Draft_Order_Team(gDraftPick)) == nUser);
    EXPECT_TRUE(gDraftRound > nRound || !Is_College_Draft_On());
    std::printf(
        "drafted %s with round %d pick %d: %d years, bonus $%d,000, salary $%d,000; roster "
        "%d -> %d; pool %d -> %d; draft now round %d pick %d\n",
        stDrafted.c_str(), nRound + 1, nPick + 1, rookie.nYears, rookie.nBonus, rookie.nSalary,
        nRosterBeforeDraft, Players(nUser), nPoolBeforeDraft, Count_Draft_Pool_Players(),
        gDraftRound + 1, gDraftPick + 1);
    for (const char* szPicture : {"run-free-agent-offer.png", "run-renewal-offer.png",
                                  "run-college-draft-pick.png", "run-draft-pick-offer.png"})
        std::printf("%s/%s\n", m_stHere.c_str(), szPicture);
}

}  // namespace
