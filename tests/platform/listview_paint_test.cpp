// The list view's pictures: the header's buttons, rows in the window colour, the selected row in
// the highlight colours (the button face once the list loses the focus), grid lines, texts cut
// with an ellipsis, and WM_SETREDRAW holding the picture back.
#include "listview_fixture.h"

namespace {

uint32_t Rgb_Of(COLORREF cr) {
    return (static_cast<uint32_t>(GetRValue(cr)) << 16) |
           (static_cast<uint32_t>(GetGValue(cr)) << 8) | GetBValue(cr);
}

class ListViewPaintTest : public ListViewTest {
protected:
    int nWidth = 0;
    std::vector<uint32_t> aPixels;

    void SetUp() override {
        ListViewTest::SetUp();
        ListView_SetExtendedListViewStyle(hList, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        Add_Row({"Smith", "QB", "27"}, 1);
        Add_Row({"Jones", "RB", "24"}, 2);
        Add_Row({"Brown", "WR", "31"}, 3);
    }

    void Snapshot() {
        ASSERT_TRUE(Test_Snapshot_Window(hParent, false, "listview.png"));
        int nHeight = 0;
        ASSERT_TRUE(Test_Read_Png("listview.png", &nWidth, &nHeight, &aPixels));
    }
    // A pixel at (x, y) in the list view's client coordinates.
    uint32_t At(int x, int y) const {
        POINT pt = {x, y};
        MapWindowPoints(hList, hParent, &pt, 1);
        return aPixels[static_cast<size_t>(pt.y) * nWidth + pt.x];
    }
    // A point of the row that no text covers: the left end of the right-aligned second column.
    POINT Blank_Of_Row(int nItem) const {
        RECT rc = Item_Rect(nItem);
        return POINT{Header_Rect(1).left + 3, (rc.top + rc.bottom) / 2};
    }
    bool Row_Has_Text(int nItem, int nColumn) const {
        RECT rcRow = Item_Rect(nItem), rcColumn = Header_Rect(nColumn);
        uint32_t uBack = At(Blank_Of_Row(nItem).x, Blank_Of_Row(nItem).y);
        for (int y = rcRow.top + 1; y < rcRow.bottom - 1; y++)
            for (int x = rcColumn.left + 2; x < rcColumn.right - 2; x++)
                if (At(x, y) != uBack)
                    return true;
        return false;
    }
};

TEST_F(ListViewPaintTest, HeaderRowsSelectionAndGridLines) {
    SetFocus(hList);
    Set_State(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Snapshot();
    RECT rcHeader = Header_Rect(0);
    EXPECT_EQ(At(rcHeader.right - 4, rcHeader.bottom / 2), Rgb_Of(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(At(rcHeader.left + 1, rcHeader.top + 1), Rgb_Of(GetSysColor(COLOR_BTNHIGHLIGHT)));
    EXPECT_EQ(At(rcHeader.right - 1, rcHeader.bottom - 1), Rgb_Of(GetSysColor(COLOR_3DDKSHADOW)));

    POINT ptPlain = Blank_Of_Row(0), ptSelected = Blank_Of_Row(1);
    EXPECT_EQ(At(ptPlain.x, ptPlain.y), Rgb_Of(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(At(ptSelected.x, ptSelected.y), Rgb_Of(GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(At(ptPlain.x, Item_Rect(0).bottom - 1), Rgb_Of(GetSysColor(COLOR_BTNFACE)));
    for (int nColumn = 0; nColumn < 3; nColumn++)
        EXPECT_TRUE(Row_Has_Text(2, nColumn)) << nColumn;

    // Without the focus, LVS_SHOWSELALWAYS keeps the selection in the button face.
    SetFocus(hParent);
    Snapshot();
    EXPECT_EQ(At(ptSelected.x, ptSelected.y), Rgb_Of(GetSysColor(COLOR_BTNFACE)));
}

WNDPROC gListProc = nullptr;

// The game's subclass answers WM_KILLFOCUS itself, so the control never sees it.
LRESULT Swallow_Kill_Focus(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return uMsg == WM_KILLFOCUS ? 0 : CallWindowProcA(gListProc, hWnd, uMsg, wParam, lParam);
}

TEST_F(ListViewPaintTest, SelectionFollowsTheFocusEvenWhenKillFocusIsSwallowed) {
    gListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Swallow_Kill_Focus)));
    SetFocus(hList);
    Set_State(0, LVIS_SELECTED, LVIS_SELECTED);
    POINT pt = Blank_Of_Row(0);
    Snapshot();
    EXPECT_EQ(At(pt.x, pt.y), Rgb_Of(GetSysColor(COLOR_HIGHLIGHT)));
    SetFocus(hParent);
    InvalidateRect(hList, nullptr, TRUE);
    Snapshot();
    EXPECT_EQ(At(pt.x, pt.y), Rgb_Of(GetSysColor(COLOR_BTNFACE)));
}

TEST_F(ListViewPaintTest, RedrawOffHoldsThePictureUntilTurnedOn) {
    SetFocus(hList);
    Snapshot();
    POINT pt = Blank_Of_Row(2);
    ASSERT_EQ(At(pt.x, pt.y), Rgb_Of(GetSysColor(COLOR_WINDOW)));
    SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    Set_State(2, LVIS_SELECTED, LVIS_SELECTED);
    Snapshot();
    EXPECT_EQ(At(pt.x, pt.y), Rgb_Of(GetSysColor(COLOR_WINDOW)));
    SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    Snapshot();
    EXPECT_EQ(At(pt.x, pt.y), Rgb_Of(GetSysColor(COLOR_HIGHLIGHT)));
}

TEST_F(ListViewPaintTest, NarrowColumnsCutTheirText) {
    SendMessageA(hList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(30, 0));
    Add_Row({"Abcdefghijklmnopqrstuvwxyz"}, 4);
    Snapshot();
    // The text stops inside its column: the next column's left part stays blank.
    RECT rcRow = Item_Rect(3);
    RECT rc1 = Header_Rect(1);
    for (int y = rcRow.top + 1; y < rcRow.bottom - 1; y++)
        for (int x = rc1.left; x < rc1.left + 20; x++)
            ASSERT_EQ(At(x, y), Rgb_Of(GetSysColor(COLOR_WINDOW))) << x << "," << y;
    EXPECT_TRUE(Row_Has_Text(3, 0));
}

}  // namespace
