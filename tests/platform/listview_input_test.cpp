// The list view's input: clicks on rows and on the header, header drags that reorder and size
// the columns, the keyboard moving the selection, and scrolling.
#include "listview_fixture.h"

namespace {

void Click(HWND hWnd, int x, int y) {
    Test_Send_Mouse(hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    Test_Send_Mouse(hWnd, WM_LBUTTONUP, x, y, 0);
}

void Drag(HWND hWnd, POINT ptFrom, POINT ptTo) {
    Test_Send_Mouse(hWnd, WM_LBUTTONDOWN, ptFrom.x, ptFrom.y, MK_LBUTTON);
    Test_Send_Mouse(hWnd, WM_MOUSEMOVE, (ptFrom.x + ptTo.x) / 2, ptTo.y, MK_LBUTTON);
    Test_Send_Mouse(hWnd, WM_MOUSEMOVE, ptTo.x, ptTo.y, MK_LBUTTON);
    Test_Send_Mouse(hWnd, WM_LBUTTONUP, ptTo.x, ptTo.y, 0);
}

TEST_F(ListViewTest, RowClicksSelectAndReportTheHitItem) {
    ListView_SetExtendedListViewStyle(hList, LVS_EX_FULLROWSELECT);
    Add_Rows(5);
    RECT rc = Item_Rect(2);
    int xAge = Header_Rect(2).left + 10;
    int y = (rc.top + rc.bottom) / 2;
    struct CASE {
        UINT uDown, uUp;
        UINT uCode;
    } aCases[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, NM_CLICK},
        {WM_LBUTTONDBLCLK, WM_LBUTTONUP, NM_DBLCLK},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, NM_RCLICK},
    };
    for (const CASE& c : aCases) {
        Set_State(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        Seen().clear();
        Test_Send_Mouse(hList, c.uDown, xAge, y, 0);
        Test_Send_Mouse(hList, c.uUp, xAge, y, 0);
        std::vector<listview_fixture::SEEN_NOTIFY> a = Of_Code(c.uCode);
        ASSERT_EQ(a.size(), 1u) << c.uDown;
        EXPECT_EQ(a[0].hFrom, hList);
        EXPECT_EQ(a[0].nId, static_cast<UINT_PTR>(listview_fixture::kListId));
        EXPECT_EQ(a[0].iItem, 2);
        EXPECT_EQ(a[0].iSubItem, 2);
        EXPECT_EQ(a[0].pt.x, xAge);
        EXPECT_EQ(a[0].pt.y, y);
        EXPECT_EQ(State(2), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED)) << c.uDown;
    }
    EXPECT_EQ(GetFocus(), hList);

    // A click below the last row clears the selection and reports no item.
    Seen().clear();
    Click(hList, xAge, Item_Rect(4).bottom + 3);
    ASSERT_EQ(Of_Code(NM_CLICK).size(), 1u);
    EXPECT_EQ(Of_Code(NM_CLICK)[0].iItem, -1);
    EXPECT_EQ(SendMessageA(hList, LVM_GETSELECTEDCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, WithoutFullRowSelectOnlyTheFirstColumnHits) {
    Add_Rows(3);
    RECT rc = Item_Rect(1);
    LVHITTESTINFO hit = {};
    hit.pt = {Header_Rect(2).left + 5, rc.top + 2};
    EXPECT_EQ(SendMessageA(hList, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    hit.pt.x = Header_Rect(0).left + 5;
    EXPECT_EQ(SendMessageA(hList, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_EQ(hit.iSubItem, 0);
    EXPECT_TRUE(hit.flags & LVHT_ONITEM);
    ListView_SetExtendedListViewStyle(hList, LVS_EX_FULLROWSELECT);
    hit.pt.x = Header_Rect(2).left + 5;
    EXPECT_EQ(SendMessageA(hList, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_EQ(hit.iSubItem, 2);
}

TEST_F(ListViewTest, HeaderClickBecomesColumnClick) {
    RECT rc = Header_Rect(1);
    Click(Header(), (rc.left + rc.right) / 2, rc.bottom / 2);
    std::vector<listview_fixture::SEEN_NOTIFY> a = Of_Code(LVN_COLUMNCLICK);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].hFrom, hList);
    EXPECT_EQ(a[0].iSubItem, 1);
    // A right click on the header reaches the parent from the header.
    Seen().clear();
    Test_Send_Mouse(Header(), WM_RBUTTONDOWN, rc.left + 3, 3, MK_RBUTTON);
    Test_Send_Mouse(Header(), WM_RBUTTONUP, rc.left + 3, 3, 0);
    ASSERT_EQ(Of_Code(NM_RCLICK).size(), 1u);
    EXPECT_EQ(Of_Code(NM_RCLICK)[0].hFrom, Header());
}

TEST_F(ListViewTest, HeaderDragReordersColumnsOnlyWithDragDrop) {
    RECT rc0 = Header_Rect(0), rc2 = Header_Rect(2);
    POINT ptFrom = {rc0.left + 20, 5}, ptTo = {rc2.left + 20, 5};
    Drag(Header(), ptFrom, ptTo);
    EXPECT_EQ(Order(), std::vector<int>({0, 1, 2}));
    EXPECT_TRUE(Of_Code(LVN_COLUMNCLICK).empty());

    ListView_SetExtendedListViewStyle(hList, LVS_EX_HEADERDRAGDROP);
    Seen().clear();
    Drag(Header(), ptFrom, ptTo);
    EXPECT_EQ(Order(), std::vector<int>({1, 2, 0}));
    EXPECT_EQ(Of_Code(HDN_BEGINDRAG).size(), 1u);
    ASSERT_EQ(Of_Code(HDN_ENDDRAG).size(), 1u);
    EXPECT_EQ(Of_Code(HDN_ENDDRAG)[0].iItem, 0);
    EXPECT_TRUE(Of_Code(LVN_COLUMNCLICK).empty());
    // Column 0 now shows last: its cells and its header follow the order.
    EXPECT_EQ(Header_Rect(1).left, 0);
    EXPECT_EQ(Header_Rect(0).left, Header_Rect(2).right);
    EXPECT_EQ(SendMessageA(Header(), HDM_ORDERTOINDEX, 2, 0), 0);

    int aBack[3] = {0, 1, 2};
    EXPECT_TRUE(SendMessageA(hList, LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(aBack)));
    EXPECT_EQ(Order(), std::vector<int>({0, 1, 2}));
    int aBad[3] = {0, 0, 2};
    EXPECT_FALSE(SendMessageA(hList, LVM_SETCOLUMNORDERARRAY, 3, reinterpret_cast<LPARAM>(aBad)));
}

TEST_F(ListViewTest, DividerDragSizesTheColumnAndDoubleClickAutosizes) {
    Add_Row({"A rather long name for a player", "QB", "27"}, 1);
    RECT rc0 = Header_Rect(0);
    Drag(Header(), POINT{rc0.right, 5}, POINT{rc0.right + 25, 5});
    EXPECT_EQ(Column_Width(0), 105);
    EXPECT_EQ(Header_Rect(1).left, 105);
    EXPECT_EQ(Of_Code(HDN_BEGINTRACKA).size(), 1u);
    EXPECT_EQ(Of_Code(HDN_ENDTRACKA).size(), 1u);
    EXPECT_FALSE(Of_Code(HDN_ITEMCHANGEDA).empty());
    EXPECT_EQ(Of_Code(HDN_ITEMCHANGEDA).back().iItem, 0);
    EXPECT_TRUE(Of_Code(LVN_COLUMNCLICK).empty());

    Test_Send_Mouse(Header(), WM_LBUTTONDBLCLK, 105, 5, MK_LBUTTON);
    Test_Send_Mouse(Header(), WM_LBUTTONUP, 105, 5, 0);
    int nNeeded =
        static_cast<int>(SendMessageA(hList, LVM_GETSTRINGWIDTHA, 0,
                                      reinterpret_cast<LPARAM>("A rather long name for a player")));
    EXPECT_EQ(Of_Code(HDN_DIVIDERDBLCLICKA).size(), 1u);
    EXPECT_GT(Column_Width(0), nNeeded);
}

TEST_F(ListViewTest, KeysMoveTheSelectionAndScroll) {
    Add_Rows(40);
    int nPage = static_cast<int>(SendMessageA(hList, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(nPage, 3);
    ASSERT_LT(nPage, 40);
    SetFocus(hList);
    Set_State(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    struct CASE {
        UINT uKey;
        int nExpected;
    } aCases[] = {
        {VK_DOWN, 1}, {VK_DOWN, 2},         {VK_UP, 1},    {VK_END, 39},
        {VK_HOME, 0}, {VK_NEXT, nPage - 1}, {VK_PRIOR, 0}, {VK_UP, 0},
    };
    for (const CASE& c : aCases) {
        Seen().clear();
        Test_Send_Key(hList, c.uKey);
        EXPECT_EQ(SendMessageA(hList, LVM_GETNEXTITEM, -1, LVNI_SELECTED), c.nExpected) << c.uKey;
        EXPECT_EQ(SendMessageA(hList, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), c.nExpected) << c.uKey;
        EXPECT_EQ(SendMessageA(hList, LVM_GETSELECTEDCOUNT, 0, 0), 1);
        EXPECT_EQ(Of_Code(LVN_KEYDOWN).size(), 1u);
        int nTop = static_cast<int>(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0));
        EXPECT_TRUE(c.nExpected >= nTop && c.nExpected < nTop + nPage) << c.uKey;
    }
    Test_Send_Key(hList, VK_END);
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 40 - nPage);
}

TEST_F(ListViewTest, EnsureVisibleScrollsTheLeastNeeded) {
    Add_Rows(50);
    int nPage = static_cast<int>(SendMessageA(hList, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_TRUE(SendMessageA(hList, LVM_ENSUREVISIBLE, 30, FALSE));
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 30 - nPage + 1);
    EXPECT_EQ(Item_Rect(30).bottom, Item_Rect(31).top);
    RECT rcClient;
    GetClientRect(hList, &rcClient);
    EXPECT_LE(Item_Rect(30).bottom, rcClient.bottom);
    EXPECT_TRUE(SendMessageA(hList, LVM_ENSUREVISIBLE, 31 - nPage, FALSE));
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 30 - nPage + 1);  // already shown
    EXPECT_TRUE(SendMessageA(hList, LVM_ENSUREVISIBLE, 4, FALSE));
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 4);
    EXPECT_FALSE(SendMessageA(hList, LVM_ENSUREVISIBLE, 50, FALSE));

    int nRow = Item_Rect(0).bottom - Item_Rect(0).top;
    SendMessageA(hList, LVM_SCROLL, 0, 3 * nRow);
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 7);
    SendMessageA(hList, LVM_SCROLL, 0, -1000 * nRow);
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 0);
    SendMessageA(hList, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 3);
}

TEST_F(ListViewTest, ScrollBarClicksScrollTheRows) {
    Add_Rows(50);
    int nPage = static_cast<int>(SendMessageA(hList, LVM_GETCOUNTPERPAGE, 0, 0));
    RECT rcClient;
    GetClientRect(hList, &rcClient);
    int xBar = rcClient.right - 5;
    // The rows leave room for the bar.
    LVHITTESTINFO hit = {};
    hit.pt = {xBar, Item_Rect(0).top + 2};
    ListView_SetExtendedListViewStyle(hList, LVS_EX_FULLROWSELECT);
    EXPECT_EQ(SendMessageA(hList, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);

    Click(hList, xBar, rcClient.bottom - 3);  // the down arrow
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 1);
    Click(hList, xBar, rcClient.bottom - 25);  // the track under the thumb
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 1 + nPage);
    Click(hList, xBar, 3);  // the up arrow
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), nPage);
    EXPECT_EQ(SendMessageA(hList, LVM_GETSELECTEDCOUNT, 0, 0), 0);

    // The thumb dragged to the top, then past the bottom.
    SendMessageA(hList, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 0);
    int yThumb = GetSystemMetrics(SM_CYVSCROLL) + 2;
    Drag(hList, POINT{xBar, yThumb}, POINT{xBar, rcClient.bottom + 40});
    EXPECT_EQ(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 50 - nPage);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListViewTest, WideColumnsScrollSideways) {
    Add_Rows(3);
    RECT rcClient;
    GetClientRect(hList, &rcClient);
    int nBar = GetSystemMetrics(SM_CYHSCROLL);
    // Narrow columns need no horizontal bar: a click near the bottom is a click on the rows.
    LVHITTESTINFO hit = {};
    hit.pt = {5, rcClient.bottom - 3};
    SendMessageA(hList, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_NOWHERE));

    for (int i = 0; i < 3; i++)
        SendMessageA(hList, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(150, 0));
    SendMessageA(hList, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_BELOW));

    Click(hList, rcClient.right - 3, rcClient.bottom - nBar / 2);  // the right arrow
    EXPECT_EQ(Item_Rect(0).left, -16);
    RECT rcHeader;
    GetWindowRect(Header(), &rcHeader);
    MapWindowPoints(nullptr, hList, reinterpret_cast<POINT*>(&rcHeader), 2);
    EXPECT_EQ(rcHeader.left, -16);
    // Scrolling stops where the last column's right edge meets the client area's.
    SendMessageA(hList, LVM_SCROLL, 1000, 0);
    EXPECT_EQ(Item_Rect(0).right, rcClient.right);
    SendMessageA(hList, WM_HSCROLL, SB_TOP, 0);
    EXPECT_EQ(Item_Rect(0).left, 0);
}

}  // namespace
