// The sortable player list over the default universe, headless: every player of the league in
// one list (the time it takes is printed), and a team's roster sorted by Overall, with last
// season's stat lines, saved as a picture with the Stat Column Chooser opened on it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/listview_host.h"
#include "database/database.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define ROSTER_PICTURE_TEAM 0
#define OVERALL_SORT 4  // column id 3 + 1
#define LEAGUE_LIST_MINIMUM 2000

class ListviewUniverseTest : public ::testing::Test {
protected:
    std::unique_ptr<SORTABLE_LISTVIEW> m_pList = std::make_unique<SORTABLE_LISTVIEW>();
    HWND m_hParent = nullptr;
    HWND m_hList = nullptr;
    std::string m_stHere;

    void SetUp() override {
        Test_Reset_Platform();
        m_stHere = std::filesystem::current_path().string();
        ASSERT_EQ(chdir(VANTO_GAME_DIR), 0);
        ASSERT_NE(Load_Universe("Databases/Universe-2019.dat"), 0);
        gListKind = LIST_KIND_ROSTER;
        Reset_Listview_Column_Preferences();
        m_hParent = Create_Listview_Host("Roster", 820, 640, &m_hList);
        ASSERT_NE(m_hList, nullptr);
        Init_Listview(m_pList.get(), m_hParent, m_hList);
        Load_Listview_Columns(m_pList.get());
        Rebuild_Listview_Columns(m_pList.get());
    }

    void TearDown() override {
        DestroyWindow(m_hParent);
        ASSERT_EQ(chdir(m_stHere.c_str()), 0);
    }
};

TEST_F(ListviewUniverseTest, FillsEveryLeaguePlayerQuickly) {
    For_Each_League_Player(
        [&](int nTeam, int nSlot) { Add_Listview_Player(m_pList.get(), nTeam, nSlot); });
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot))
            Add_Listview_Player(m_pList.get(), FREE_AGENT_TEAM, nSlot);
    auto start = std::chrono::steady_clock::now();
    Fill_Listview(m_pList.get(), nullptr);
    auto filled = std::chrono::steady_clock::now();
    Set_Listview_Sort_Column(m_pList.get(), OVERALL_SORT);
    Sort_Listview(m_pList.get());
    auto sorted = std::chrono::steady_clock::now();
    int nRows = ListView_GetItemCount(m_hList);
    EXPECT_GE(nRows, LEAGUE_LIST_MINIMUM);
    std::printf("%d players: filled in %lld ms, sorted in %lld ms\n", nRows,
                (long long)std::chrono::duration_cast<std::chrono::milliseconds>(filled - start)
                    .count(),
                (long long)std::chrono::duration_cast<std::chrono::milliseconds>(sorted - filled)
                    .count());
}

TEST_F(ListviewUniverseTest, RosterSortedByOverallAsAPicture) {
    gStatPeriod = SEASON_PREVIOUS;  // the stat lines of the season played
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Player_Slot_Used(ROSTER_PICTURE_TEAM, nSlot))
            Add_Listview_Player(m_pList.get(), ROSTER_PICTURE_TEAM, nSlot);
    Fill_Listview(m_pList.get(), nullptr);
    Set_Listview_Sort_Column(m_pList.get(), OVERALL_SORT);
    Sort_Listview(m_pList.get());
    Select_Listview_Player(m_pList.get(), ROSTER_PICTURE_TEAM, 0);

    char szTop[LISTVIEW_CELL_TEXT_SIZE] = "";
    LVITEMA item = {};
    item.iSubItem = 3;  // Overall
    item.pszText = szTop;
    item.cchTextMax = sizeof(szTop);
    SendMessageA(m_hList, LVM_GETITEMTEXTA, 0, (LPARAM)&item);
    int nBest = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Player_Slot_Used(ROSTER_PICTURE_TEAM, nSlot))
            nBest = Max_Int(nBest, Get_Predicted_Stat(ROSTER_PICTURE_TEAM, nSlot, OVERALL_GRADE));
    EXPECT_EQ(atoi(szTop), nBest);

    std::string stPicture = m_stHere + "/roster-sorted-by-overall.png";
    EXPECT_TRUE(Test_Snapshot_Window(m_hParent, true, stPicture));
    std::printf("%s\n", stPicture.c_str());

    // The chooser opened on the list, its rows of the shown columns selected.
    std::string stChooser = m_stHere + "/stat-column-chooser.png";
    Test_Script_Dialog(IDD_STAT_COLUMN_CHOOSER, [&](HWND hDlg) {
        EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, stChooser));
        EXPECT_EQ(SendDlgItemMessageA(hDlg, IDC_COLUMN_LIST, LB_GETSELCOUNT, 0, 0),
                  m_pList->nColumnCount - 1);  // every shown column but Name
    });
    Open_Stat_Column_Chooser(m_pList.get());
    std::printf("%s\n", stChooser.c_str());
}

}  // namespace
