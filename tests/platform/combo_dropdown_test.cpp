// Dropping a combo box's list and choosing from it: the notifications and their order when a
// row is clicked, when the list is dismissed, and with the keys; the selection while the list
// is closed; and what the field shows.
#include "list_control_fixture.h"

namespace combo_dropdown_test {

class ComboDropDownTest : public ListControlTest {
protected:
    HWND hCombo = nullptr;

    void SetUp() override {
        ListControlTest::SetUp();
        hCombo = Create("COMBOBOX", CBS_DROPDOWNLIST, 140, 150);
        Add_Strings(hCombo, CB_ADDSTRING,
                    {"Quarterback", "Running back", "Wide receiver", "Tight end", "Center"});
        SendMessageA(hCombo, CB_SETCURSEL, 1, 0);
        Take_Codes();
    }
    bool Dropped() {
        return SendMessageA(hCombo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    int Selection() {
        return static_cast<int>(SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
    }

    // The middle of a row of the dropped list, in the combo box's client coordinates.
    POINT Row_Point(int nIndex) {
        RECT rcCombo = {0, 0, 0, 0};
        GetWindowRect(hCombo, &rcCombo);
        const int nRow = static_cast<int>(SendMessageA(hCombo, CB_GETITEMHEIGHT, 0, 0));
        POINT pt = {rcCombo.left + 30, rcCombo.bottom + 1 + nIndex * nRow + nRow / 2};
        ScreenToClient(hCombo, &pt);
        return pt;
    }
    void Click_Combo() {
        Click(hCombo, 20, 5);
    }
};

}  // namespace combo_dropdown_test

using combo_dropdown_test::ComboDropDownTest;

TEST_F(ComboDropDownTest, ClickingARowChoosesItAndCloses) {
    Click_Combo();
    EXPECT_TRUE(Dropped());
    EXPECT_EQ(GetFocus(), hCombo);
    EXPECT_EQ(Take_Codes(), (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN}));
    POINT pt = Row_Point(3);
    Test_Send_Mouse(hCombo, WM_MOUSEMOVE, pt.x, pt.y, 0);
    Click(hCombo, pt.x, pt.y);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Selection(), 3);
    EXPECT_EQ(Take_Codes(), (std::vector<int>{CBN_SELENDOK, CBN_SELCHANGE, CBN_CLOSEUP}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboDropDownTest, ChoosingTheSameRowSendsNoSelectionChange) {
    Click_Combo();
    Take_Codes();
    POINT pt = Row_Point(1);
    Click(hCombo, pt.x, pt.y);
    EXPECT_EQ(Take_Codes(), (std::vector<int>{CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(ComboDropDownTest, ClickingOutsideCancelsWhateverWasPointedAt) {
    Click_Combo();
    Take_Codes();
    POINT pt = Row_Point(4);
    Test_Send_Mouse(hCombo, WM_MOUSEMOVE, pt.x, pt.y, 0);
    Test_Send_Mouse(hCombo, WM_LBUTTONDOWN, 300, -5, MK_LBUTTON);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(Take_Codes(), (std::vector<int>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboDropDownTest, KeysOpenMoveAndClose) {
    SetFocus(hCombo);
    Take_Codes();
    struct STEP {
        UINT uKey;
        bool bAlt;
        bool bDroppedAfter;
        int nSelectionAfter;
        std::vector<int> aCodes;
    };
    const STEP aSteps[] = {
        {VK_DOWN, false, false, 2, {CBN_SELCHANGE}},
        {VK_UP, false, false, 1, {CBN_SELCHANGE}},
        {VK_HOME, false, false, 0, {CBN_SELCHANGE}},
        {VK_UP, false, false, 0, {}},
        {VK_F4, false, true, 0, {CBN_DROPDOWN}},
        {VK_DOWN, false, true, 1, {}},
        {VK_DOWN, false, true, 2, {}},
        {VK_RETURN, false, false, 2, {CBN_SELENDOK, CBN_SELCHANGE, CBN_CLOSEUP}},
        {VK_DOWN, true, true, 2, {CBN_DROPDOWN}},
        {VK_END, false, true, 4, {}},
        {VK_ESCAPE, false, false, 2, {CBN_SELENDCANCEL, CBN_CLOSEUP}},
    };
    int nStep = 0;
    for (const STEP& s : aSteps) {
        Test_Send_Key(hCombo, s.uKey, s.bAlt);
        EXPECT_EQ(Dropped(), s.bDroppedAfter) << "step " << nStep;
        EXPECT_EQ(Selection(), s.nSelectionAfter) << "step " << nStep;
        EXPECT_EQ(Take_Codes(), s.aCodes) << "step " << nStep;
        nStep++;
    }
}

TEST_F(ComboDropDownTest, LosingTheFocusClosesTheList) {
    SetFocus(hCombo);
    SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(Dropped());
    SetFocus(hParent);
    EXPECT_FALSE(Dropped());
    std::vector<int> aCodes = Take_Codes();
    EXPECT_EQ(aCodes.back(), CBN_KILLFOCUS);
    EXPECT_NE(std::find(aCodes.begin(), aCodes.end(), CBN_CLOSEUP), aCodes.end());
}

TEST_F(ComboDropDownTest, FieldShowsTheSelectionAndTheDropButton) {
    const uint32_t nWindow = Rgb_Of(GetSysColor(COLOR_WINDOW));
    const uint32_t nHighlight = Rgb_Of(GetSysColor(COLOR_HIGHLIGHT));
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hCombo, &rc);
    const int nButtonX = rc.right - GetSystemMetrics(SM_CXVSCROLL) / 2;
    PICTURE p = Snapshot(hCombo);
    EXPECT_EQ(p.At(rc.right - 30, rc.bottom / 2), nWindow);
    EXPECT_EQ(p.At(nButtonX, 4), Rgb_Of(GetSysColor(COLOR_BTNFACE)));
    // The arrow: button text pixels inside the button.
    bool bArrow = false;
    for (int x = nButtonX - 4; x <= nButtonX + 4; x++)
        for (int y = 0; y < rc.bottom; y++)
            bArrow |= p.At(x, y) == Rgb_Of(GetSysColor(COLOR_BTNTEXT));
    EXPECT_TRUE(bArrow);
    // The selected text is drawn; with the focus the field is highlighted.
    bool bText = false;
    for (int x = 4; x < 40; x++)
        for (int y = 3; y < rc.bottom - 3; y++)
            bText |= p.At(x, y) != nWindow;
    EXPECT_TRUE(bText);
    SetFocus(hCombo);
    p = Snapshot(hCombo);
    EXPECT_EQ(p.At(rc.right - 30, rc.bottom / 2), nHighlight);
    SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetFocus(hParent);
    p = Snapshot(hCombo);
    bText = false;
    for (int x = 4; x < 40; x++)
        for (int y = 3; y < rc.bottom - 3; y++)
            bText |= p.At(x, y) != nWindow;
    EXPECT_FALSE(bText);
}

TEST_F(ComboDropDownTest, DroppedListShowsTheRowsBelowTheField) {
    Click_Combo();
    RECT rcCombo = {0, 0, 0, 0};
    GetWindowRect(hCombo, &rcCombo);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 1);
    HWND hList = WindowFromPoint({rcCombo.left + 30, rcCombo.bottom + 5});
    ASSERT_NE(hList, nullptr);
    ASSERT_NE(hList, hCombo);
    EXPECT_TRUE(IsWindowVisible(hList));
    PICTURE p = Snapshot(hList);
    const int nRow = static_cast<int>(SendMessageA(hCombo, CB_GETITEMHEIGHT, 0, 0));
    // The selected row highlighted, the others on the window colour.
    EXPECT_EQ(p.At(p.nWidth - 25, nRow + nRow / 2), Rgb_Of(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(p.At(p.nWidth - 25, nRow / 2), Rgb_Of(GetSysColor(COLOR_WINDOW)));
}

TEST_F(ComboDropDownTest, DroppedListTakesItsColoursFromTheComboBoxsParent) {
    Answers().hListBrush = CreateSolidBrush(RGB(90, 0, 0));
    Click_Combo();
    RECT rcCombo = {0, 0, 0, 0};
    GetWindowRect(hCombo, &rcCombo);
    HWND hList = WindowFromPoint({rcCombo.left + 30, rcCombo.bottom + 5});
    ASSERT_NE(hList, hCombo);
    PICTURE p = Snapshot(hList);
    const int nRow = static_cast<int>(SendMessageA(hCombo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(p.At(p.nWidth - 25, nRow / 2), Rgb_Of(RGB(90, 0, 0)));
}
