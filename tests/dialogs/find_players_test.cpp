// Find Players: the search's limits on the fixture league, and Go Get's follow-ups.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define FIND_TEAM 3
#define FIND_SLOT 2

class FindPlayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gDraftRound = NO_DRAFT_ROUND;
        gCommissionerMode = 0;
    }

    static FIND_PLAYERS_LIMITS Open_Limits() {
        FIND_PLAYERS_LIMITS limits = {};
        limits.nPosition = POSITION_COUNT;
        limits.nMaxAge = 99;
        limits.nMaxSalary = 50000;
        return limits;
    }

    static int Age_Of(int nTeam, int nSlot) {
        return Get_Player_Exact_Age(nTeam, nSlot);
    }
};

TEST_F(FindPlayersTest, LimitsOfTheSearch) {
    int nAge = Age_Of(FIND_TEAM, FIND_SLOT);
    int nPosition = Get_Player_Vital_Stat(FIND_TEAM, FIND_SLOT, VITAL_POSITION);
    Set_Player_Vital_Stat(FIND_TEAM, FIND_SLOT, VITAL_SALARY, 50000);
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Last_Name(FIND_TEAM, FIND_SLOT, szName, sizeof szName);
    for (char* p = szName; *p; p++)
        *p = (char)tolower((unsigned char)*p);

    struct {
        const char* szWhat;
        void (*pChange)(FIND_PLAYERS_LIMITS*, int nAge, int nPosition, const char* szName);
        bool bFound;
    } kCases[] = {
        {"open limits", [](FIND_PLAYERS_LIMITS*, int, int, const char*) {}, true},
        {"salary at the limit",
         [](FIND_PLAYERS_LIMITS* p, int, int, const char*) { p->nMaxSalary = 50000; }, true},
        {"salary below him",
         [](FIND_PLAYERS_LIMITS* p, int, int, const char*) { p->nMaxSalary = 49999; }, false},
        {"age limit equal to his age",
         [](FIND_PLAYERS_LIMITS* p, int nA, int, const char*) { p->nMaxAge = nA; }, false},
        {"age limit above him",
         [](FIND_PLAYERS_LIMITS* p, int nA, int, const char*) { p->nMaxAge = nA + 1; }, true},
        {"any player ignores the rating minimums",
         [](FIND_PLAYERS_LIMITS* p, int, int, const char*) { p->anRatings[0] = 99; }, true},
        {"his position with a rating minimum above him",
         [](FIND_PLAYERS_LIMITS* p, int, int nP, const char*) {
             p->nPosition = nP;
             p->anRatings[0] = 100;
         },
         false},
        {"another position",
         [](FIND_PLAYERS_LIMITS* p, int, int nP, const char*) {
             p->nPosition = (nP + 1) % POSITION_COUNT;
         },
         false},
        {"part of his name in lower case",
         [](FIND_PLAYERS_LIMITS* p, int, int, const char* sz) {
             safe_strncpy(p->szName, sz + 1, sizeof p->szName);
         },
         true},
        {"a name he does not have",
         [](FIND_PLAYERS_LIMITS* p, int, int, const char*) {
             safe_strncpy(p->szName, "qqzz", sizeof p->szName);
         },
         false},
    };
    for (const auto& c : kCases) {
        FIND_PLAYERS_LIMITS limits = Open_Limits();
        c.pChange(&limits, nAge, nPosition, szName);
        EXPECT_EQ(Is_Found_Player(FIND_TEAM, FIND_SLOT, &limits) != 0, c.bFound) << c.szWhat;
    }
}

TEST_F(FindPlayersTest, TheHallOfFameIsNeverSearched) {
    Copy_Player(HALL_OF_FAME_TEAM, 0, FIND_TEAM, FIND_SLOT);
    auto pList = std::make_unique<SORTABLE_LISTVIEW>();
    FIND_PLAYERS_LIMITS limits = Open_Limits();
    limits.nMaxSalary = 1000000000;
    Find_Players(&limits, pList.get());
    EXPECT_FALSE(Is_Player_In_Listview(pList.get(), HALL_OF_FAME_TEAM, 0));
    EXPECT_TRUE(Is_Player_In_Listview(pList.get(), FIND_TEAM, FIND_SLOT));
}

// Go Get: a player of a league team starts a trade for him, a free agent opens the free agents.
TEST_F(FindPlayersTest, GoGetOpensTheTradeOrTheFreeAgents) {
    struct {
        int nTeam;
        int nTemplate;
        LPARAM lParam;
    } kCases[] = {{FIND_TEAM, IDD_TRADES, 0}, {FREE_AGENT_TEAM, IDD_SORTABLE_STATS, 1}};
    for (const auto& c : kCases) {
        Test_Reset_Platform();
        Test_Script_Dialog(IDD_FIND_PLAYERS, [&](HWND hDlg) {
            Test_Type_Into(hDlg, IDC_FIND_NAME, "");
            SetDlgItemInt(hDlg, IDC_FIND_SALARY, 1000000, FALSE);
            SetDlgItemInt(hDlg, IDC_FIND_AGE, 99, FALSE);
            Test_Click_Control(hDlg, IDC_FIND_SEARCH);
            HWND hList = GetDlgItem(hDlg, IDC_PLAYER_LIST);
            for (int nRow = 0; nRow < ListView_GetItemCount(hList); nRow++) {
                LVITEMA item = {};
                item.mask = LVIF_PARAM;
                item.iItem = nRow;
                SendMessageA(hList, LVM_GETITEMA, 0, (LPARAM)&item);
                if (item.lParam / 100 == c.nTeam) {
                    Test_Choose_Row(hDlg, IDC_PLAYER_LIST, nRow);
                    break;
                }
            }
            Test_Click_Control(hDlg, IDC_FIND_GO_GET);
        });
        Open_Dialog(NULL, IDD_FIND_PLAYERS);
        bool bOpened = false;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            bOpened |= shown.nKind == TEST_SHOWN_DIALOG && shown.nTemplateId == c.nTemplate &&
                       shown.lParam == c.lParam;
        EXPECT_TRUE(bOpened) << "team " << c.nTeam;
        if (c.nTeam == FIND_TEAM) {
            EXPECT_EQ(gTradeOffer.acTeam[0], FIXTURE_HUMAN_TEAM);
            EXPECT_EQ(gTradeOffer.acTeam[1], FIND_TEAM);
        }
    }
}

}  // namespace
