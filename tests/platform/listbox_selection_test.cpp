// List box selection by the user: clicks, double clicks and keys with LBN_SELCHANGE and
// LBN_DBLCLK, no notification for changes the program makes, toggling rows in multiple
// selection, ranges in extended selection, and the focus notifications.
#include "list_control_fixture.h"

namespace listbox_selection_test {

class ListBoxSelectionTest : public ListControlTest {
protected:
    static constexpr int kRows = 12;
    HWND hList = nullptr;
    int nRow = 0;

    void Make(DWORD dwStyle) {
        hList = Create("LISTBOX", dwStyle | LBS_NOINTEGRALHEIGHT, 150, 100);
        for (int i = 0; i < kRows; i++) {
            char sz[16];
            snprintf(sz, sizeof(sz), "%c row", 'a' + i % 6);
            SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sz));
        }
        nRow = static_cast<int>(SendMessageA(hList, LB_GETITEMHEIGHT, 0, 0));
        Take_Codes();
    }
    void Click_Row(int nIndex, bool bDouble = false) {
        const int y =
            (nIndex - static_cast<int>(SendMessageA(hList, LB_GETTOPINDEX, 0, 0))) * nRow +
            nRow / 2;
        Test_Send_Mouse(hList, bDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 20, y, MK_LBUTTON);
        Test_Send_Mouse(hList, WM_LBUTTONUP, 20, y, 0);
    }
    std::vector<int> Selected() {
        INT a[kRows] = {};
        LRESULT n = SendMessageA(hList, LB_GETSELITEMS, kRows, reinterpret_cast<LPARAM>(a));
        EXPECT_EQ(n, SendMessageA(hList, LB_GETSELCOUNT, 0, 0));
        return std::vector<int>(a, a + std::max<LRESULT>(n, 0));
    }
};

}  // namespace listbox_selection_test

using listbox_selection_test::ListBoxSelectionTest;

TEST_F(ListBoxSelectionTest, ClicksSelectAndNotifyOnlyOnChange) {
    Make(LBS_NOTIFY);
    Click_Row(2);
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(GetFocus(), hList);
    EXPECT_EQ(Take_Codes(), (std::vector<int>{LBN_SETFOCUS, LBN_SELCHANGE}));
    EXPECT_EQ(Log().aNotes.size(), 0u);
    Click_Row(2);
    EXPECT_TRUE(Take_Codes().empty());
    Click_Row(3, true);
    EXPECT_EQ(Take_Codes(), (std::vector<int>{LBN_SELCHANGE, LBN_DBLCLK}));
    SendMessageA(hList, LB_SETCURSEL, 5, 0);
    EXPECT_TRUE(Take_Codes().empty());
}

TEST_F(ListBoxSelectionTest, NotificationsCarryTheIdAndHandle) {
    Make(LBS_NOTIFY);
    Click_Row(1);
    ASSERT_FALSE(Log().aNotes.empty());
    EXPECT_EQ(Log().aNotes.back().nId, 100);
    EXPECT_EQ(Log().aNotes.back().hControl, hList);
}

TEST_F(ListBoxSelectionTest, WithoutNotifyStyleNothingIsSent) {
    Make(0);
    Click_Row(1, true);
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(Take_Codes().empty());
}

TEST_F(ListBoxSelectionTest, KeysMoveTheSelection) {
    Make(LBS_NOTIFY);
    SetFocus(hList);
    const int nPage = 100 / nRow;
    struct CASE {
        int nFrom;
        UINT uKey;
        int nTo;
    };
    const CASE aCases[] = {
        {4, VK_DOWN, 5},
        {4, VK_UP, 3},
        {0, VK_UP, 0},
        {kRows - 1, VK_DOWN, kRows - 1},
        {6, VK_HOME, 0},
        {2, VK_END, kRows - 1},
        {1, VK_NEXT, 1 + nPage - 1},
        {9, VK_PRIOR, 9 - (nPage - 1)},
        {-1, VK_DOWN, 0},
    };
    for (const CASE& c : aCases) {
        SendMessageA(hList, LB_SETCURSEL, static_cast<WPARAM>(c.nFrom), 0);
        Take_Codes();
        Test_Send_Key(hList, c.uKey);
        EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), c.nTo) << c.uKey << " from " << c.nFrom;
        EXPECT_EQ(Take_Codes(),
                  c.nTo == c.nFrom ? std::vector<int>{} : std::vector<int>{LBN_SELCHANGE});
    }
}

TEST_F(ListBoxSelectionTest, TypingALetterJumpsToTheNextRowStartingWithIt) {
    Make(LBS_NOTIFY);  // rows start a b c d e f a b c d e f
    SetFocus(hList);
    SendMessageA(hList, LB_SETCURSEL, 0, 0);
    Test_Send_Key(hList, 'C');
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), 2);
    Test_Send_Key(hList, 'C');
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), 8);
    Test_Send_Key(hList, 'C');
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), 2);
    Test_Send_Key(hList, 'Z');
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), 2);
}

TEST_F(ListBoxSelectionTest, MultipleSelectionTogglesRows) {
    Make(LBS_NOTIFY | LBS_MULTIPLESEL);
    Click_Row(1);
    Click_Row(4);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 4}));
    Click_Row(1);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    EXPECT_EQ(Take_Codes(),
              (std::vector<int>{LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
    // Arrows move the caret only; Space toggles the caret's row.
    Test_Send_Key(hList, VK_DOWN);
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
    EXPECT_EQ(SendMessageA(hList, LB_GETCARETINDEX, 0, 0), 2);
    Test_Send_Key(hList, VK_SPACE);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 4}));

    EXPECT_EQ(SendMessageA(hList, LB_SETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(hList, LB_SETSEL, TRUE, -1), LB_OKAY);
    EXPECT_EQ(static_cast<int>(Selected().size()), kRows);
    SendMessageA(hList, LB_SETSEL, FALSE, 3);
    EXPECT_EQ(SendMessageA(hList, LB_GETSEL, 3, 0), 0);
    EXPECT_GT(SendMessageA(hList, LB_GETSEL, 2, 0), 0);
}

TEST_F(ListBoxSelectionTest, SingleSelectionRefusesMultipleSelectionMessages) {
    Make(0);
    EXPECT_EQ(SendMessageA(hList, LB_SETSEL, TRUE, 1), LB_ERR);
    EXPECT_EQ(SendMessageA(hList, LB_GETSELCOUNT, 0, 0), LB_ERR);
    SendMessageA(hList, LB_SETCURSEL, 1, 0);
    EXPECT_GT(SendMessageA(hList, LB_GETSEL, 1, 0), 0);
    EXPECT_EQ(SendMessageA(hList, LB_GETSEL, 0, 0), 0);
}

TEST_F(ListBoxSelectionTest, ExtendedSelectionTakesRangesAndToggles) {
    Make(LBS_EXTENDEDSEL);
    Click_Row(2);
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    Test_Hold_Key(VK_SHIFT, true);
    Click_Row(5);
    Test_Hold_Key(VK_SHIFT, false);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4, 5}));
    Test_Hold_Key(VK_CONTROL, true);
    Click_Row(3);
    Click_Row(0);
    Test_Hold_Key(VK_CONTROL, false);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2, 4, 5}));
    Click_Row(1);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
}

TEST_F(ListBoxSelectionTest, FocusNotifications) {
    Make(LBS_NOTIFY);
    SetFocus(hList);
    SetFocus(hParent);
    EXPECT_EQ(Take_Codes(), (std::vector<int>{LBN_SETFOCUS, LBN_KILLFOCUS}));
}
