// The shared list and combo fillers on a small dialog run by the headless dialog manager.
#include "canvas_test_support.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "resources/resource.h"

#include <functional>
#include <string>
#include <vector>

namespace {

#define CANVAS_TEST_TEAM_LIST 1132
#define CANVAS_TEST_PERIOD_COMBO 1223
#define CANVAS_TEST_WIDTH_GAUGE 1356

INT_PTR Canvas_Fillers_Dialog_Proc(HWND, UINT uMsg, WPARAM, LPARAM) {
    return uMsg == WM_INITDIALOG;
}

// Runs the action on a small dialog once it has started.
void Canvas_Run_On_Dialog(const std::function<void(HWND)>& action) {
    bool bRan = false;
    Test_Script_Dialog(IDD_ABOUT, [&](HWND hDlg) {
        action(hDlg);
        bRan = true;
        EndDialog(hDlg, IDOK);
    });
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), nullptr,
                    Canvas_Fillers_Dialog_Proc, 0);
    EXPECT_TRUE(bRan);
}

HWND Canvas_Add_Control(HWND hDlg, const char* szClass, DWORD dwStyle, int nId, int nWidth = 120) {
    return CreateWindowExA(0, szClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 4, 4, nWidth, 80, hDlg,
                           (HMENU)(INT_PTR)nId, nullptr, nullptr);
}

std::vector<std::string> Canvas_Items(HWND hControl, bool bListBox) {
    std::vector<std::string> aItems;
    int nCount = (int)SendMessageA(hControl, bListBox ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    char szItem[256];
    for (int i = 0; i < nCount; i++) {
        SendMessageA(hControl, bListBox ? LB_GETTEXT : CB_GETLBTEXT, i, (LPARAM)szItem);
        aItems.push_back(szItem);
    }
    return aItems;
}

struct CanvasFillersTest : ::testing::Test {
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gCommissionerMode = 0;
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

TEST_F(CanvasFillersTest, TeamListHoldsTheActiveTeamsWithTheDialogTeamSelected) {
    gDialogTeam = 5;
    for (const char* szClass : {"ListBox", "ComboBox"}) {
        SCOPED_TRACE(szClass);
        const bool bListBox = std::string(szClass) == "ListBox";
        Canvas_Run_On_Dialog([&](HWND hDlg) {
            HWND hList = Canvas_Add_Control(hDlg, szClass, bListBox ? 0 : CBS_DROPDOWNLIST,
                                            CANVAS_TEST_TEAM_LIST);
            SendMessageA(hList, bListBox ? LB_ADDSTRING : CB_ADDSTRING, 0, (LPARAM) "stale");
            Fill_Team_List(hDlg);
            std::vector<std::string> aItems = Canvas_Items(hList, bListBox);
            ASSERT_EQ((int)aItems.size(), FIXTURE_TEAM_COUNT);
            EXPECT_EQ(gActiveTeamCount, FIXTURE_TEAM_COUNT);
            char szLabel[TEAM_LABEL_SIZE];
            Get_Team_Label(31, szLabel, (int)sizeof szLabel);
            EXPECT_EQ(aItems[31], szLabel);
            EXPECT_EQ(SendMessageA(hList, bListBox ? LB_GETITEMDATA : CB_GETITEMDATA, 31, 0), 1031);
            EXPECT_EQ(Test_Control_Selection(hDlg, CANVAS_TEST_TEAM_LIST), 5);
            EXPECT_TRUE(IsWindowEnabled(hList));
        });
    }
}

TEST_F(CanvasFillersTest, TeamListIsDisabledWithoutTeams) {
    Clear_League_Database();
    Canvas_Run_On_Dialog([&](HWND hDlg) {
        HWND hList = Canvas_Add_Control(hDlg, "ListBox", 0, CANVAS_TEST_TEAM_LIST);
        Fill_Team_List(hDlg);
        EXPECT_EQ(SendMessageA(hList, LB_GETCOUNT, 0, 0), 0);
        EXPECT_EQ(gActiveTeamCount, 0);
        EXPECT_FALSE(IsWindowEnabled(hList));
    });
}

TEST_F(CanvasFillersTest, PercentAndGradeCombos) {
    Canvas_Run_On_Dialog([&](HWND hDlg) {
        HWND hCombo = Canvas_Add_Control(hDlg, "ComboBox", CBS_DROPDOWNLIST, 1079);
        Fill_Percent_Combo(hCombo);
        std::vector<std::string> aItems = Canvas_Items(hCombo, false);
        ASSERT_EQ(aItems.size(), 21u);
        EXPECT_EQ(aItems[0], "-100%");
        EXPECT_EQ(aItems[9], "-10%");
        EXPECT_EQ(aItems[10], "+0%");
        EXPECT_EQ(aItems[20], "+100%");
        Fill_Grade_Combo(hCombo);
        aItems = Canvas_Items(hCombo, false);
        ASSERT_EQ(aItems.size(), 13u);
        EXPECT_EQ(aItems[0], "F ");
        EXPECT_EQ(aItems[1], "F");
        EXPECT_EQ(aItems[12], "A ");  // "A+" is not offered
        EXPECT_STREQ(GRADE_NAMES[13], "A+");
    });
}

TEST_F(CanvasFillersTest, StatPeriodComboFollowsCommissionerMode) {
    const struct {
        int nCommissioner, nStored;
        size_t nItems;
        int nSelected;
    } kCases[] = {{0, 3, 3, 0}, {0, 2, 3, 2}, {1, 3, 4, 3}, {0, -1, 3, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nCommissioner * 10 + c.nStored);
        gCommissionerMode = c.nCommissioner;
        gStatPeriod = c.nStored;
        Canvas_Run_On_Dialog([&](HWND hDlg) {
            HWND hCombo =
                Canvas_Add_Control(hDlg, "ComboBox", CBS_DROPDOWNLIST, CANVAS_TEST_PERIOD_COMBO);
            Fill_Stat_Period_Combo(hDlg);
            std::vector<std::string> aItems = Canvas_Items(hCombo, false);
            ASSERT_EQ(aItems.size(), c.nItems);
            EXPECT_EQ(aItems[0], "This Season");
            EXPECT_EQ(aItems[2], "Career");
            if (c.nItems == 4) {
                EXPECT_EQ(aItems[3], "Predicted");
            }
            EXPECT_EQ(gStatPeriod, c.nSelected);
            EXPECT_EQ(Test_Control_Selection(hDlg, CANVAS_TEST_PERIOD_COMBO), c.nSelected);
        });
    }
    gCommissionerMode = 0;
}

TEST_F(CanvasFillersTest, StatPeriodButtonsSkipTheMissingOne) {
    gStatPeriod = 2;
    Canvas_Run_On_Dialog([&](HWND hDlg) {
        Canvas_Add_Control(hDlg, "Button", BS_AUTORADIOBUTTON, 1097);
        Canvas_Add_Control(hDlg, "Button", BS_AUTORADIOBUTTON, 1111);
        CheckDlgButton(hDlg, 1097, BST_CHECKED);
        Check_Stat_Period_Button(hDlg);
        EXPECT_EQ(IsDlgButtonChecked(hDlg, 1097), (UINT)BST_UNCHECKED);
        EXPECT_EQ(IsDlgButtonChecked(hDlg, 1111), (UINT)BST_CHECKED);
    });
}

TEST_F(CanvasFillersTest, ExtensionsAreStrippedInPlaceKeepingSelectionAndData) {
    for (const char* szClass : {"ListBox", "ComboBox"}) {
        SCOPED_TRACE(szClass);
        const bool bListBox = std::string(szClass) == "ListBox";
        Canvas_Run_On_Dialog([&](HWND hDlg) {
            HWND hList = Canvas_Add_Control(hDlg, szClass, bListBox ? 0 : CBS_DROPDOWNLIST, 1200);
            for (const char* szItem : {"Season.vnt", "Readme", "Backup.2020.vnt"})
                SendMessageA(hList, bListBox ? LB_ADDSTRING : CB_ADDSTRING, 0, (LPARAM)szItem);
            SendMessageA(hList, bListBox ? LB_SETITEMDATA : CB_SETITEMDATA, 2, 77);
            SendMessageA(hList, bListBox ? LB_SETCURSEL : CB_SETCURSEL, 2, 0);
            if (bListBox)
                Strip_List_Box_Extensions(hList);
            else
                Strip_Combo_Box_Extensions(hList);
            std::vector<std::string> aItems = Canvas_Items(hList, bListBox);
            EXPECT_EQ(aItems, (std::vector<std::string>{"Season", "Readme", "Backup.2020"}));
            EXPECT_EQ(Test_Control_Selection(hDlg, 1200), 2);
            EXPECT_EQ(SendMessageA(hList, bListBox ? LB_GETITEMDATA : CB_GETITEMDATA, 2, 0), 77);
        });
    }
}

TEST_F(CanvasFillersTest, TabStopsFollowTheMeasuredWidth) {
    Canvas_Run_On_Dialog([&](HWND hDlg) {
        Canvas_Add_Control(hDlg, "Static", 0, CANVAS_TEST_WIDTH_GAUGE, 256);
        EXPECT_EQ(Measure_Dialog_Width_Factor(hDlg), 500);
        int aTabs[] = {112, 139, 0};
        EXPECT_EQ(Scale_Tab_Stops(aTabs, 3), 3);
        EXPECT_EQ(aTabs[0], 224);
        EXPECT_EQ(aTabs[1], 278);
        EXPECT_EQ(aTabs[2], 0);
    });
    Canvas_Run_On_Dialog([&](HWND hDlg) {
        EXPECT_EQ(Measure_Dialog_Width_Factor(hDlg), 0);  // no gauge control
        int aTabs[] = {112};
        Scale_Tab_Stops(aTabs, 1);
        EXPECT_EQ(aTabs[0], 0);
    });
}

TEST_F(CanvasFillersTest, TextCutters) {
    const struct {
        const char* szIn;
        char ch;
        const char* szCut;
        const char* szStripped;
    } kCases[] = {{"a.b.c", '.', "a", "a.b"},
                  {".hidden", '.', "", ""},
                  {"plain", '.', "plain", "plain"},
                  {"x/y", '/', "x", "x/y"}};
    for (const auto& c : kCases) {
        char szCut[32], szStripped[32];
        safe_strncpy(szCut, c.szIn, (int)sizeof szCut);
        safe_strncpy(szStripped, c.szIn, (int)sizeof szStripped);
        Cut_At_Char(szCut, c.ch);
        Strip_Extension(szStripped);
        EXPECT_STREQ(szCut, c.szCut);
        EXPECT_STREQ(szStripped, c.szStripped);
    }
}

}  // namespace
