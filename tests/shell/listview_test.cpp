// The sortable player list on the fixture league: sorting by any column both ways with the
// previous column breaking ties, the column layouts kept in the preferences (checked, reset and
// carried through a saved game), cells, the clipboard text and the Stat Column Chooser.
#include <gtest/gtest.h>

#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "common/listview_host.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define LISTVIEW_TEST_TEAM 2

class ListviewTest : public ::testing::Test {
protected:
    std::unique_ptr<SORTABLE_LISTVIEW> m_pList = std::make_unique<SORTABLE_LISTVIEW>();
    HWND m_hParent = nullptr;
    HWND m_hList = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gListKind = LIST_KIND_ROSTER;
        Reset_Listview_Column_Preferences();
        m_hParent = Create_Listview_Host("LVD_Roster", 900, 600, &m_hList);
        ASSERT_NE(m_hList, nullptr);
        Init_Listview(m_pList.get(), m_hParent, m_hList);
    }

    void TearDown() override {
        if (m_hParent)
            DestroyWindow(m_hParent);
    }

    void Show_Team(int nTeam) {
        Clear_Listview_Players(m_pList.get());
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Add_Listview_Player(m_pList.get(), nTeam, nSlot);
        Load_Listview_Columns(m_pList.get());
        Rebuild_Listview_Columns(m_pList.get());
        Fill_Listview(m_pList.get(), nullptr);
    }

    std::vector<int> Rows() {
        std::vector<int> anValues;
        for (int nRow = 0; nRow < ListView_GetItemCount(m_hList); nRow++) {
            LVITEMA item = {};
            item.mask = LVIF_PARAM;
            item.iItem = nRow;
            SendMessageA(m_hList, LVM_GETITEMA, 0, (LPARAM)&item);
            anValues.push_back((int)item.lParam);
        }
        return anValues;
    }

    static int Key(int nId, int nValue) {
        return Get_Listview_Cell_Text(nullptr, 0, nId, nValue / 100, nValue % 100);
    }

    void Click_Column(int nId) {
        Set_Listview_Sort_Column(m_pList.get(), nId + 1);
        Sort_Listview(m_pList.get());
    }

    std::string Header(int nColumn) {
        char szText[64] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT;
        column.pszText = szText;
        column.cchTextMax = sizeof(szText);
        SendMessageA(m_hList, LVM_GETCOLUMNA, nColumn, (LPARAM)&column);
        return szText;
    }
};

// Ties keep the roster order (the secondary key, none yet, falls back to the item values);
// the same column again reverses the order exactly, and a third click restores it.
TEST_F(ListviewTest, SortsByEachColumnBothWaysWithStableTies) {
    struct CASE {
        int nId;
        int nFirstDirection;  // +1 smallest first
    } const kCases[] = {{2, 1}, {3, -1}, {4, 1}, {15, -1}, {11, -1}, {7, -1}, {12, -1}, {91, -1}};
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.nId);
        Show_Team(LISTVIEW_TEST_TEAM);
        m_pList->nSort = 0;
        Click_Column(c.nId);
        std::vector<int> anFirst = Rows();
        ASSERT_EQ((int)anFirst.size(), FIXTURE_ROSTER_SIZE);
        for (size_t n = 1; n < anFirst.size(); n++) {
            int nBefore = Key(c.nId, anFirst[n - 1]), nAfter = Key(c.nId, anFirst[n]);
            EXPECT_LE(nBefore * c.nFirstDirection, nAfter * c.nFirstDirection) << n;
            if (nBefore == nAfter) {
                EXPECT_LT(anFirst[n - 1], anFirst[n]) << "tie at row " << n;
            }
        }
        Click_Column(c.nId);
        std::vector<int> anSecond = Rows();
        for (size_t n = 1; n < anSecond.size(); n++) {
            int nBefore = Key(c.nId, anSecond[n - 1]), nAfter = Key(c.nId, anSecond[n]);
            EXPECT_GE(nBefore * c.nFirstDirection, nAfter * c.nFirstDirection) << n;
        }
        Click_Column(c.nId);
        EXPECT_EQ(Rows(), anFirst);
    }
}

TEST_F(ListviewTest, NameSortsByLastThenFirstName) {
    Show_Team(LISTVIEW_TEST_TEAM);
    Set_Player_Last_Name(LISTVIEW_TEST_TEAM, 5, "aaron");
    Set_Player_Last_Name(LISTVIEW_TEST_TEAM, 9, "Aaron");
    Set_Player_First_Name(LISTVIEW_TEST_TEAM, 5, "Zed");
    Set_Player_First_Name(LISTVIEW_TEST_TEAM, 9, "Abe");
    m_pList->nSort = 0;
    Click_Column(0);
    std::vector<int> anRows = Rows();
    EXPECT_EQ(anRows[0], LISTVIEW_TEST_TEAM * 100 + 9);
    EXPECT_EQ(anRows[1], LISTVIEW_TEST_TEAM * 100 + 5);
    Click_Column(0);
    EXPECT_EQ(Rows().back(), LISTVIEW_TEST_TEAM * 100 + 9);
}

// Sorting by Overall and then by Pos keeps each position's players in Overall order.
TEST_F(ListviewTest, PreviousColumnOrdersTiesOfTheNewOne) {
    Show_Team(LISTVIEW_TEST_TEAM);
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
        Set_Player_Rating(LISTVIEW_TEST_TEAM, nSlot, 40.0f + (nSlot * 7) % 50, RATING_SPEED);
    m_pList->nSort = 0;
    Click_Column(3);
    Click_Column(2);
    std::vector<int> anRows = Rows();
    for (size_t n = 1; n < anRows.size(); n++) {
        if (Key(2, anRows[n - 1]) != Key(2, anRows[n]))
            continue;
        EXPECT_GE(Key(3, anRows[n - 1]), Key(3, anRows[n])) << n;
    }
}

TEST_F(ListviewTest, StoredLayoutsAreCheckedOnLoad) {
    struct CASE {
        std::vector<int> anStored;
        int nCount;
        int nSort;
        std::vector<int> anLoaded;
        int nLoadedSort;
    } const kCases[] = {
        {{0, 113, 3, 3, 15}, 5, 4, {0, 3, 15}, 4},           // out of the table, a repeat
        {{0, -1, 2}, 3, -3, {0, 2}, -3},                     // a gap closes up
        {{0, 2}, 2, 16, {0, 2}, -1},                         // sort by a column not shown
        {{5, 6}, 0, 0, {0, 1, 2, 3, 4, 15, 11, 91, 96}, 0},  // no count: the defaults
    };
    for (const CASE& c : kCases) {
        Set_Listview_Column_Preferences(c.nCount, c.nSort, c.anStored.data());
        for (size_t n = c.nCount; n < c.anStored.size(); n++)
            Set_User_Preference(LISTVIEW_PREFERENCE_FIRST + 2 + (int)n, c.anStored[n]);
        Load_Listview_Columns(m_pList.get());
        EXPECT_EQ(m_pList->nColumnCount, (int)c.anLoaded.size());
        EXPECT_EQ(m_pList->nSort, c.nLoadedSort);
        for (size_t n = 0; n < c.anLoaded.size(); n++)
            EXPECT_EQ(m_pList->anChosen[n], c.anLoaded[n]) << n;
    }
}

TEST_F(ListviewTest, EachListKindResetsToItsOwnDefaults) {
    gListKind = LIST_KIND_COLLEGE_DRAFT;
    Set_Listview_Column_Preferences(1, 0, std::vector<int>{5}.data());
    Reset_Listview_Column_Preferences();
    const int anFirstExtra[LIST_KIND_COUNT] = {1, 2, 2, 1};  // the column after Name
    const int anCounts[LIST_KIND_COUNT] = {9, 8, 9, 9};
    for (int nKind = 0; nKind < LIST_KIND_COUNT; nKind++) {
        gListKind = nKind;
        Load_Listview_Columns(m_pList.get());
        EXPECT_EQ(m_pList->nColumnCount, anCounts[nKind]) << nKind;
        EXPECT_EQ(m_pList->anChosen[1], anFirstExtra[nKind]) << nKind;
        EXPECT_EQ(m_pList->nSort, 0);
    }
}

// The user's columns, dragged into another order, and his sort column come back after the
// game is saved and loaded again.
TEST_F(ListviewTest, ChosenColumnsSurviveSaveAndLoad) {
    gListKind = LIST_KIND_FREE_AGENTS;
    Set_Listview_Preset(m_pList.get(), 14);
    int anOrder[] = {2, 0, 1, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(SendMessageA(m_hList, LVM_SETCOLUMNORDERARRAY, 9, (LPARAM)anOrder), TRUE);
    Click_Column(5);
    Click_Column(5);
    Save_Listview_Columns(m_pList.get());
    ASSERT_EQ(Save_Game_File("columns.vnt", NULL), SAVE_OK);
    Reset_Listview_Column_Preferences();
    ASSERT_NE(Load_Game_File("columns.vnt"), 0);

    gListKind = LIST_KIND_FREE_AGENTS;
    Load_Listview_Columns(m_pList.get());
    const int anExpected[] = {2, 0, 1, 15, 11, 5, 8, 91, 6};
    ASSERT_EQ(m_pList->nColumnCount, 9);
    for (int n = 0; n < 9; n++)
        EXPECT_EQ(m_pList->anChosen[n], anExpected[n]) << n;
    EXPECT_EQ(m_pList->nSort, -6);
    gListKind = LIST_KIND_ROSTER;
    Load_Listview_Columns(m_pList.get());
    EXPECT_EQ(m_pList->anChosen[1], 1);
}

TEST_F(ListviewTest, CellsFormatTheirValuesAndSkipOtherPositions) {
    int nSlot = 0;  // the fixture's first quarterback
    ASSERT_EQ(Fixture_Slot_Position(nSlot), POS_QB);
    Set_Player_Vital_Stat(1, nSlot, VITAL_SALARY, 1500);
    Set_Player_Vital_Stat(1, nSlot, VITAL_HEIGHT, 74);
    Set_Player_Vital_Stat(1, nSlot, VITAL_FORTY_TIME, 472);
    char sz[LISTVIEW_CELL_TEXT_SIZE];
    EXPECT_EQ(Get_Listview_Cell_Text(sz, sizeof(sz), 5, 1, nSlot), 1500);
    EXPECT_STREQ(sz, "$1.50M");
    Set_Player_Vital_Stat(1, nSlot, VITAL_SALARY, 750);
    Get_Listview_Cell_Text(sz, sizeof(sz), 5, 1, nSlot);
    EXPECT_STREQ(sz, "$750K");
    Get_Listview_Cell_Text(sz, sizeof(sz), 12, 1, nSlot);
    EXPECT_STREQ(sz, "6-2");
    EXPECT_EQ(Get_Listview_Cell_Text(sz, sizeof(sz), 7, 1, nSlot), -472);
    EXPECT_STREQ(sz, "4.72");
    EXPECT_EQ(Get_Listview_Cell_Text(sz, sizeof(sz), 46, 1, nSlot), -1);  // tackles of a QB
    EXPECT_STREQ(sz, " ... ");
    EXPECT_EQ(Get_Listview_Cell_Text(sz, sizeof(sz), 126, 1, nSlot), -1);
    EXPECT_STREQ(sz, " ... ");
    Set_Postseason_Week(3, 21);
    gCurrentWeek = 5;
    Set_Player_Vital_Stat(1, nSlot, VITAL_INJURY, 10);
    struct INJURY {
        int nWeeks;
        const char* szMarker;
    } const kInjuries[] = {{3, " [3]"}, {17, " [out]"}, {16, " [16]"}};
    for (const INJURY& injury : kInjuries) {
        Set_Player_Vital_Stat(1, nSlot, VITAL_INJURY_WEEKS, injury.nWeeks);
        Get_Listview_Cell_Text(sz, sizeof(sz), 0, 1, nSlot);
        EXPECT_NE(strstr(sz, injury.szMarker), nullptr) << sz;
    }
}

TEST_F(ListviewTest, MoneyCellsAreSpelledOutForTheClipboard) {
    struct CASE {
        const char* szCell;
        const char* szCopied;
    } const kCases[] = {{"$1.50M", "$1500000"}, {"$750K", "$750000"}, {"$2.10B", "$2100000000"},
                        {"$0", "$0"}, {"1.50M", "1.50M"}};
    for (const CASE& c : kCases) {
        char sz[32];
        safe_strncpy(sz, c.szCell, sizeof(sz));
        Expand_Money_Text(sz, sizeof(sz));
        EXPECT_STREQ(sz, c.szCopied) << c.szCell;
    }
}

// The header line follows the columns as the user dragged them; one line a player.
TEST_F(ListviewTest, ClipboardTextFollowsTheDisplayOrder) {
    Show_Team(LISTVIEW_TEST_TEAM);
    int nColumns = m_pList->nColumnCount;
    std::vector<int> anOrder(nColumns);
    for (int n = 0; n < nColumns; n++)
        anOrder[n] = (n + 1) % nColumns;
    SendMessageA(m_hList, LVM_SETCOLUMNORDERARRAY, nColumns, (LPARAM)anOrder.data());
    Copy_Listview_To_Clipboard(m_pList.get());
    ASSERT_TRUE(OpenClipboard(m_hParent));
    HANDLE hText = GetClipboardData(CF_TEXT);
    ASSERT_NE(hText, nullptr);
    std::string stText = (const char*)GlobalLock((HGLOBAL)hText);
    GlobalUnlock((HGLOBAL)hText);
    CloseClipboard();
    std::string stHeader = stText.substr(0, stText.find("\r\n"));
    EXPECT_EQ(stHeader.substr(0, stHeader.find('\t')), Header(1));
    EXPECT_EQ(stHeader.substr(stHeader.rfind('\t') + 1), "Name");
    int nLines = 0;
    for (size_t n = stText.find("\r\n"); n != std::string::npos; n = stText.find("\r\n", n + 2))
        nLines++;
    EXPECT_EQ(nLines, FIXTURE_ROSTER_SIZE + 1);
    EXPECT_EQ((int)stText.size(), Build_Listview_Clipboard_Text(m_pList.get(), nullptr, 0));
}

// A row clicked in the chooser adds its column at the end at once; a preset replaces them all.
TEST_F(ListviewTest, ChooserRowsAndPresetsChangeTheColumns) {
    Show_Team(LISTVIEW_TEST_TEAM);
    int nBefore = m_pList->nColumnCount;
    Test_Script_Dialog(IDD_STAT_COLUMN_CHOOSER, [](HWND hDlg) {
        HWND hRows = GetDlgItem(hDlg, IDC_COLUMN_LIST);
        int nRows = (int)SendMessageA(hRows, LB_GETCOUNT, 0, 0);
        for (int nRow = 0; nRow < nRows; nRow++) {
            if (SendMessageA(hRows, LB_GETITEMDATA, nRow, 0) == 5)  // Salary
                SendMessageA(hRows, LB_SETSEL, TRUE, nRow);
            if (SendMessageA(hRows, LB_GETITEMDATA, nRow, 0) == 91)  // Years, shown now
                SendMessageA(hRows, LB_SETSEL, FALSE, nRow);
        }
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_COLUMN_LIST, LBN_SELCHANGE), (LPARAM)hRows);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(Open_Stat_Column_Chooser(m_pList.get()), IDOK);
    EXPECT_EQ(m_pList->nColumnCount, nBefore);
    EXPECT_EQ(Header(nBefore - 1), "Salary");
    EXPECT_EQ(m_pList->anChosen[nBefore - 1], 5);

    Test_Script_Dialog(IDD_STAT_COLUMN_CHOOSER, [](HWND hDlg) {
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_PRESET_KICKING, BN_CLICKED), 0);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Open_Stat_Column_Chooser(m_pList.get());
    EXPECT_EQ(m_pList->nColumnCount, 11);
    EXPECT_EQ(Header(3), "PAT %");
}

// A refill keeps the selected player; refreshing the cells re-sorts by a column that changes
// during play.
TEST_F(ListviewTest, RefillKeepsTheSelectionAndRefreshResorts) {
    Show_Team(LISTVIEW_TEST_TEAM);
    m_pList->nSort = 0;
    Click_Column(3);  // Overall
    int nLast = Rows().back();
    int nTeam = nLast / 100, nSlot = nLast % 100;
    Select_Listview_Player(m_pList.get(), nTeam, nSlot);
    Fill_Listview(m_pList.get(), nullptr);
    int nSelectedTeam = 0, nSelectedSlot = 0;
    EXPECT_EQ(Get_Listview_Selected_Player(m_pList.get(), &nSelectedTeam, &nSelectedSlot), nLast);
    EXPECT_EQ(nSelectedTeam * 100 + nSelectedSlot, nLast);

    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        Set_Player_Rating(nTeam, nSlot, 99.0f, nRating);
    Refresh_Listview_Cells(m_pList.get());
    EXPECT_EQ(Rows().front(), nLast);
    Clear_Listview_Selection(m_pList.get());
    EXPECT_EQ(Get_Listview_Selected_Player(m_pList.get(), &nSelectedTeam, &nSelectedSlot), -1);
    EXPECT_EQ(nSelectedSlot, 255);
}

// The list's own notifications: a column click sorts, a right click on the header opens its menu,
// whose Default Column Headings takes the kind's default list back.
TEST_F(ListviewTest, ColumnClicksSortAndTheHeaderMenuRestoresDefaults) {
    Show_Team(LISTVIEW_TEST_TEAM);
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = m_hList;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = 3;  // Overall
    EXPECT_EQ(On_Listview_Notify(m_pList.get(), &click.hdr), 1);
    EXPECT_EQ(m_pList->nSort, 4);
    std::vector<int> anRows = Rows();
    EXPECT_GE(Key(3, anRows.front()), Key(3, anRows.back()));

    Set_Listview_Preset(m_pList.get(), 13);
    ASSERT_EQ(Header(3), "Punts");
    Test_Script_Popup_Menu([](HMENU) { return LISTVIEW_MENU_DEFAULT_COLUMNS; });
    NMHDR rightClick = {m_pList->hHeader, 0, NM_RCLICK};
    EXPECT_EQ(On_Listview_Notify(m_pList.get(), &rightClick), 1);
    EXPECT_EQ(m_pList->nColumnCount, 9);
    EXPECT_EQ(Header(8), "Stat Line");
    EXPECT_EQ(ListView_GetItemCount(m_hList), FIXTURE_ROSTER_SIZE);
}

}  // namespace
