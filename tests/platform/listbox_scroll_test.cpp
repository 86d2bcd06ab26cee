// List box scrolling: the top index (clamped so the last page stays full), keys that keep the
// selection in view, the scroll bar that shows only when the rows overflow and scrolls by line
// and page when clicked, the mouse wheel, whole-row heights, and hit-testing rows.
#include "list_control_fixture.h"

namespace listbox_scroll_test {

class ListBoxScrollTest : public ListControlTest {
protected:
    static constexpr int kRows = 20;
    static constexpr int kHeight = 100;  // client height of the list boxes
    HWND hList = nullptr;
    int nRow = 0;
    int nPage = 0;

    void Make(DWORD dwStyle, int nRows) {
        hList = Create("LISTBOX", dwStyle | LBS_NOINTEGRALHEIGHT, 150, kHeight);
        for (int i = 0; i < nRows; i++) {
            char sz[16];
            snprintf(sz, sizeof(sz), "row %d", i);
            SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sz));
        }
        nRow = static_cast<int>(SendMessageA(hList, LB_GETITEMHEIGHT, 0, 0));
        nPage = kHeight / nRow;
    }
    int Top() {
        return static_cast<int>(SendMessageA(hList, LB_GETTOPINDEX, 0, 0));
    }
    RECT Item_Rect(int nIndex) {
        RECT rc = {0, 0, 0, 0};
        EXPECT_NE(SendMessageA(hList, LB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                               reinterpret_cast<LPARAM>(&rc)),
                  LB_ERR);
        return rc;
    }
};

}  // namespace listbox_scroll_test

using listbox_scroll_test::ListBoxScrollTest;

TEST_F(ListBoxScrollTest, TopIndexIsClampedToTheLastFullPage) {
    Make(WS_VSCROLL, kRows);
    ASSERT_GT(nRow, 0);
    SendMessageA(hList, LB_SETTOPINDEX, 5, 0);
    EXPECT_EQ(Top(), 5);
    EXPECT_EQ(Item_Rect(5).top, 0);
    EXPECT_EQ(Item_Rect(6).top, nRow);
    SendMessageA(hList, LB_SETTOPINDEX, kRows - 1, 0);
    EXPECT_EQ(Top(), kRows - nPage);
    EXPECT_EQ(SendMessageA(hList, LB_SETTOPINDEX, kRows + 3, 0), LB_ERR);
}

TEST_F(ListBoxScrollTest, SelectionIsScrolledIntoView) {
    Make(WS_VSCROLL, kRows);
    SendMessageA(hList, LB_SETCURSEL, 15, 0);
    EXPECT_EQ(Top(), 15 - nPage + 1);
    SetFocus(hList);
    Test_Send_Key(hList, VK_HOME);
    EXPECT_EQ(Top(), 0);
    for (int i = 0; i < nPage; i++)
        Test_Send_Key(hList, VK_DOWN);
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), nPage);
    EXPECT_EQ(Top(), 1);
}

TEST_F(ListBoxScrollTest, ScrollBarShowsOnlyWhenRowsOverflow) {
    const int nBar = GetSystemMetrics(SM_CXVSCROLL);
    RECT rcClient = {0, 0, 0, 0};
    Make(WS_VSCROLL, 2);
    GetClientRect(hList, &rcClient);
    EXPECT_EQ(Item_Rect(0).right, rcClient.right);
    for (int i = 2; i < kRows; i++)
        SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("more"));
    EXPECT_EQ(Item_Rect(0).right, rcClient.right - nBar);
}

TEST_F(ListBoxScrollTest, ScrollBarClicksScrollByLineAndPage) {
    Make(WS_VSCROLL, kRows);
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hList, &rc);
    const int x = rc.right - GetSystemMetrics(SM_CXVSCROLL) / 2;
    struct CASE {
        int nTopBefore;
        int y;
        int nTopAfter;
    };
    const CASE aCases[] = {
        {0, rc.bottom - 3, 1},                   // down arrow
        {4, 3, 3},                               // up arrow
        {0, 3, 0},                               // up arrow at the top
        {0, rc.bottom - 20, nPage},              // track below the thumb
        {kRows - nPage, 20, kRows - 2 * nPage},  // track above the thumb
    };
    for (const CASE& c : aCases) {
        SendMessageA(hList, LB_SETTOPINDEX, static_cast<WPARAM>(c.nTopBefore), 0);
        Click(hList, x, c.y);
        EXPECT_EQ(Top(), c.nTopAfter) << "from " << c.nTopBefore << " at y " << c.y;
    }
    EXPECT_EQ(SendMessageA(hList, LB_GETCURSEL, 0, 0), LB_ERR);  // scrolling selects nothing
}

TEST_F(ListBoxScrollTest, DraggingTheThumbScrollsInProportion) {
    Make(WS_VSCROLL, kRows);
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hList, &rc);
    const int nBar = GetSystemMetrics(SM_CXVSCROLL);
    const int x = rc.right - nBar / 2;
    const int yThumb = nBar + 3;  // just below the up arrow: the thumb at the top
    Test_Send_Mouse(hList, WM_LBUTTONDOWN, x, yThumb, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), hList);
    Test_Send_Mouse(hList, WM_MOUSEMOVE, x, rc.bottom + 40, MK_LBUTTON);  // past the end
    EXPECT_EQ(Top(), kRows - nPage);
    Test_Send_Mouse(hList, WM_MOUSEMOVE, x, yThumb, MK_LBUTTON);
    EXPECT_EQ(Top(), 0);
    Test_Send_Mouse(hList, WM_MOUSEMOVE, x, yThumb + (rc.bottom - 2 * nBar) / 4, MK_LBUTTON);
    EXPECT_GT(Top(), 0);
    EXPECT_LT(Top(), kRows - nPage);
    Test_Send_Mouse(hList, WM_LBUTTONUP, x, yThumb, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    const int nTop = Top();
    Test_Send_Mouse(hList, WM_MOUSEMOVE, x, rc.bottom - 1, 0);
    EXPECT_EQ(Top(), nTop);
}

TEST_F(ListBoxScrollTest, MouseWheelScrollsThreeRowsANotch) {
    Make(WS_VSCROLL, kRows);
    Test_Send_Mouse(hList, WM_MOUSEWHEEL, 10, 10, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)));
    EXPECT_EQ(Top(), 3);
    Test_Send_Mouse(hList, WM_MOUSEWHEEL, 10, 10, MAKEWPARAM(0, WHEEL_DELTA));
    EXPECT_EQ(Top(), 0);
}

TEST_F(ListBoxScrollTest, HeightShrinksToWholeRowsUnlessAskedNotTo) {
    HWND hWhole = Create("LISTBOX", 0, 100, 100);
    HWND hFree = Create("LISTBOX", LBS_NOINTEGRALHEIGHT, 100, 100);
    const int nItem = static_cast<int>(SendMessageA(hWhole, LB_GETITEMHEIGHT, 0, 0));
    RECT rcWhole = {0, 0, 0, 0}, rcFree = {0, 0, 0, 0};
    GetClientRect(hWhole, &rcWhole);
    GetClientRect(hFree, &rcFree);
    EXPECT_EQ(rcWhole.bottom, 100 / nItem * nItem);
    EXPECT_EQ(rcFree.bottom, 100);
}

TEST_F(ListBoxScrollTest, ItemFromPointTellsRowsAndOutside) {
    Make(0, 3);
    SendMessageA(hList, LB_SETTOPINDEX, 0, 0);
    struct CASE {
        int y;
        int nIndex;
        bool bOutside;
    };
    const CASE aCases[] = {
        {1, 0, false},
        {nRow + 1, 1, false},
        {3 * nRow - 1, 2, false},
        {3 * nRow + 2, 2, true},
    };
    for (const CASE& c : aCases) {
        LRESULT n = SendMessageA(hList, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, c.y));
        EXPECT_EQ(LOWORD(n), c.nIndex) << c.y;
        EXPECT_EQ(HIWORD(n) != 0, c.bOutside) << c.y;
    }
}
