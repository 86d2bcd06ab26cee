// The list view's data: columns inserted, deleted and sized; items and subitems with their
// lParams; selection and focus with LVN_ITEMCHANGED; sorting with a callback; finding items; the
// string width; a subclassed window procedure.
#include "listview_fixture.h"

#include <cstring>

namespace {

std::string Column_Text(HWND hList, int nColumn, int* pnSubItem, int* pnFormat) {
    char szText[32] = "";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_SUBITEM | LVCF_FMT;
    column.pszText = szText;
    column.cchTextMax = sizeof(szText);
    if (!SendMessageA(hList, LVM_GETCOLUMNA, nColumn, reinterpret_cast<LPARAM>(&column)))
        return "<none>";
    *pnSubItem = column.iSubItem;
    *pnFormat = column.fmt;
    return szText;
}

TEST_F(ListViewTest, ColumnsInsertDeleteAndKeepTheirCellsAligned) {
    Add_Row({"Smith", "QB", "27"}, 1);
    // A column inserted in the middle shifts the texts to its right; the first column is always
    // left-aligned, so the game inserts a dummy first column and deletes it.
    EXPECT_EQ(Insert_Column(hList, 1, "Team", 50, LVCFMT_CENTER), 1);
    EXPECT_EQ(Text(0, 1), "");
    EXPECT_EQ(Text(0, 2), "QB");
    EXPECT_EQ(Insert_Column(hList, 0, "Dummy", 30, LVCFMT_RIGHT), 0);
    int nSubItem = 0, nFormat = -1;
    EXPECT_EQ(Column_Text(hList, 0, &nSubItem, &nFormat), "Dummy");
    EXPECT_EQ(nFormat, LVCFMT_LEFT);
    EXPECT_TRUE(SendMessageA(hList, LVM_DELETECOLUMN, 0, 0));
    EXPECT_EQ(Text(0, 0), "Smith");
    EXPECT_EQ(Text(0, 3), "27");
    EXPECT_EQ(Column_Text(hList, 1, &nSubItem, &nFormat), "Team");
    EXPECT_EQ(nSubItem, 1);
    EXPECT_EQ(nFormat, LVCFMT_CENTER);
    EXPECT_EQ(SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0), 4);
    EXPECT_FALSE(SendMessageA(hList, LVM_DELETECOLUMN, 9, 0));
    EXPECT_EQ(Column_Text(hList, 9, &nSubItem, &nFormat), "<none>");
}

TEST_F(ListViewTest, ColumnInsertedAtAnOrderShowsThere) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_ORDER;
    column.pszText = const_cast<char*>("Team");
    column.cx = 40;
    column.iOrder = 0;
    ASSERT_EQ(SendMessageA(hList, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column)), 1);
    std::vector<int> aOrder(4, -1);
    SendMessageA(hList, LVM_GETCOLUMNORDERARRAY, 4, reinterpret_cast<LPARAM>(aOrder.data()));
    EXPECT_EQ(aOrder, std::vector<int>({1, 0, 2, 3}));
    EXPECT_EQ(Header_Rect(1).left, 0);
    EXPECT_EQ(Header_Rect(0).left, 40);
    LVCOLUMNA get = {};
    get.mask = LVCF_ORDER;
    SendMessageA(hList, LVM_GETCOLUMNA, 3, reinterpret_cast<LPARAM>(&get));
    EXPECT_EQ(get.iOrder, 3);
    // Deleting a column closes the order up.
    SendMessageA(hList, LVM_DELETECOLUMN, 0, 0);
    EXPECT_EQ(Order(), std::vector<int>({0, 1, 2}));
    EXPECT_FALSE(
        SendMessageA(hList, LVM_GETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(aOrder.data())));
}

TEST_F(ListViewTest, ColumnWidthsSetAndAutosized) {
    Add_Row({"A much longer player name", "QB", "27"}, 1);
    EXPECT_TRUE(SendMessageA(hList, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(33, 0)));
    EXPECT_EQ(Column_Width(1), 33);
    RECT rc1 = Header_Rect(1), rc2 = Header_Rect(2);
    EXPECT_EQ(rc1.right - rc1.left, 33);
    EXPECT_EQ(rc2.left, rc1.right);

    int nName = static_cast<int>(SendMessageA(
        hList, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("A much longer player name")));
    SendMessageA(hList, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    EXPECT_GT(Column_Width(0), nName);
    EXPECT_LT(Column_Width(0), nName + 20);
    // With the header: the header text counts; the last column takes the rest of the width.
    SendMessageA(hList, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE, 0));
    int nCells = Column_Width(1);
    SendMessageA(hList, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    EXPECT_GE(Column_Width(1), nCells);
    SendMessageA(hList, LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    RECT rcClient;
    GetClientRect(hList, &rcClient);
    EXPECT_EQ(Header_Rect(2).right, rcClient.right);
}

TEST_F(ListViewTest, StringWidthMatchesTheTextExtentInTheListFont) {
    HFONT hFont = CreateFontA(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    SendMessageA(hList, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    HDC hdc = GetDC(hList);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    for (const char* szText : {"Overall", "W", "Cap Impact 123"}) {
        SIZE size = {};
        GetTextExtentPoint32A(hdc, szText, static_cast<int>(strlen(szText)), &size);
        EXPECT_EQ(SendMessageA(hList, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(szText)),
                  size.cx)
            << szText;
    }
    SelectObject(hdc, hOld);
    ReleaseDC(hList, hdc);
    DeleteObject(hFont);
}

TEST_F(ListViewTest, ItemsKeepTextsParamsAndDeleteInPlace) {
    Add_Rows(4);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = 1;
    item.pszText = const_cast<char*>("Inserted");
    item.lParam = 77;
    EXPECT_EQ(SendMessageA(hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), 1);
    EXPECT_EQ(Item_Count(), 5);
    EXPECT_EQ(Text(1, 0), "Inserted");
    EXPECT_EQ(Text(1, 2), "");
    EXPECT_EQ(Text(2, 2), "21");
    EXPECT_EQ(Param(1), 77);

    // LVM_SETITEMA changes a subitem's text without touching the item's lParam.
    LVITEMA sub = {};
    sub.mask = LVIF_TEXT | LVIF_PARAM;
    sub.iItem = 3;
    sub.iSubItem = 2;
    sub.pszText = const_cast<char*>("99");
    sub.lParam = 5000;
    EXPECT_TRUE(SendMessageA(hList, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&sub)));
    EXPECT_EQ(Text(3, 2), "99");
    EXPECT_EQ(Param(3), 2);

    // A short buffer gets the text cut and zero-ended.
    char szShort[4] = "xyz";
    LVITEMA get = {};
    get.pszText = szShort;
    get.cchTextMax = sizeof(szShort);
    EXPECT_EQ(SendMessageA(hList, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&get)), 3);
    EXPECT_STREQ(szShort, "Ins");

    EXPECT_TRUE(SendMessageA(hList, LVM_DELETEITEM, 1, 0));
    EXPECT_EQ(Text(1, 0), "Row 1");
    EXPECT_EQ(Of_Code(LVN_DELETEITEM).size(), 1u);
    EXPECT_FALSE(SendMessageA(hList, LVM_DELETEITEM, 10, 0));
    EXPECT_TRUE(SendMessageA(hList, LVM_DELETEALLITEMS, 0, 0));
    EXPECT_EQ(Item_Count(), 0);
    EXPECT_EQ(Of_Code(LVN_DELETEALLITEMS).size(), 1u);
}

TEST_F(ListViewTest, SelectionAndFocusStatesNotifyEachChange) {
    Add_Rows(4);
    Seen().clear();
    EXPECT_TRUE(Set_State(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(State(1), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    ASSERT_EQ(Changed_Items(), std::vector<int>({1}));
    EXPECT_EQ(Of_Code(LVN_ITEMCHANGED)[0].uNewState,
              static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(Of_Code(LVN_ITEMCHANGED)[0].uOldState, 0u);

    // Single selection: selecting item 3 takes selection and focus from item 1.
    Seen().clear();
    Set_State(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(State(1), 0u);
    EXPECT_EQ(State(3), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(Changed_Items(), std::vector<int>({1, 3}));
    EXPECT_EQ(SendMessageA(hList, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(hList, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 3);
    EXPECT_EQ(SendMessageA(hList, LVM_GETNEXTITEM, -1, LVNI_FOCUSED), 3);
    EXPECT_EQ(SendMessageA(hList, LVM_GETNEXTITEM, 3, LVNI_SELECTED), -1);
    EXPECT_EQ(SendMessageA(hList, LVM_GETNEXTITEM, 1, LVNI_ALL), 2);

    // Setting a state an item already has notifies nothing; item -1 clears every item.
    Seen().clear();
    Set_State(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(Changed_Items().empty());
    Set_State(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(Changed_Items(), std::vector<int>({3}));
    EXPECT_EQ(SendMessageA(hList, LVM_GETSELECTEDCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, MultipleSelectionSelectsEveryItemWithMinusOne) {
    DestroyWindow(hList);
    hList = Create_List(LVS_REPORT);
    Add_Rows(3);
    Set_State(-1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(SendMessageA(hList, LVM_GETSELECTEDCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(hList, LVM_GETNEXTITEM, 0, LVNI_SELECTED), 1);
}

LRESULT gRefuse = 0;
LRESULT Refusing_Parent_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_ITEMCHANGING)
        return gRefuse;
    return listview_fixture::Parent_Proc(hWnd, uMsg, wParam, lParam);
}

TEST_F(ListViewTest, ItemChangingCanRefuseTheChange) {
    Add_Rows(2);
    SetWindowLongPtrA(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Refusing_Parent_Proc));
    gRefuse = TRUE;
    EXPECT_FALSE(Set_State(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(State(0), 0u);
    gRefuse = FALSE;
    EXPECT_TRUE(Set_State(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(State(0), static_cast<UINT>(LVIS_SELECTED));
}

int Compare_Descending(LPARAM a, LPARAM b, LPARAM lParamSort) {
    EXPECT_EQ(lParamSort, 1234);
    return a < b ? 1 : a > b ? -1 : 0;
}

// Orders by lParam / 10 only, so equal keys show whether the sort keeps their order.
int Compare_By_Tens(LPARAM a, LPARAM b, LPARAM) {
    return static_cast<int>(a / 10 - b / 10);
}

TEST_F(ListViewTest, SortItemsOrdersByTheCallbackAndKeepsTiesInOrder) {
    for (LPARAM n : {21, 5, 33, 20, 7})
        Add_Row({"P" + std::to_string(n), std::to_string(n)}, n);
    Set_State(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(
        SendMessageA(hList, LVM_SORTITEMS, 1234, reinterpret_cast<LPARAM>(Compare_Descending)));
    std::vector<LPARAM> aParams;
    for (int i = 0; i < Item_Count(); i++)
        aParams.push_back(Param(i));
    EXPECT_EQ(aParams, std::vector<LPARAM>({33, 21, 20, 7, 5}));
    EXPECT_EQ(Text(0, 1), "33");
    EXPECT_EQ(State(0), static_cast<UINT>(LVIS_SELECTED));  // the state moves with its item

    EXPECT_TRUE(SendMessageA(hList, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(Compare_By_Tens)));
    aParams.clear();
    for (int i = 0; i < Item_Count(); i++)
        aParams.push_back(Param(i));
    EXPECT_EQ(aParams, std::vector<LPARAM>({7, 5, 21, 20, 33}));
}

TEST_F(ListViewTest, FindItemByParamAndString) {
    Add_Row({"Smith, John"}, 1205);
    Add_Row({"smithers, Al"}, 310);
    Add_Row({"Jones, Bo"}, 1207);
    struct CASE {
        UINT uFlags;
        const char* szText;
        LPARAM lParam;
        int nStart;
        int nExpected;
    } aCases[] = {
        {LVFI_PARAM, nullptr, 1207, -1, 2},
        {LVFI_PARAM, nullptr, 999, -1, -1},
        {LVFI_PARAM, nullptr, 1205, 0, -1},               // the search starts after nStart
        {LVFI_PARAM | LVFI_WRAP, nullptr, 1205, 0, 0},    // ... and wraps round on request
        {LVFI_STRING, "SMITH, JOHN", 0, -1, 0},           // case does not matter
        {LVFI_STRING, "Smith", 0, -1, -1},                // the whole text must match
        {LVFI_STRING | LVFI_PARTIAL, "smith", 0, -1, 0},  // a prefix
        {LVFI_STRING | LVFI_PARTIAL, "smith", 0, 0, 1},
        {LVFI_STRING | LVFI_PARTIAL, "Jonesy", 0, -1, -1},
    };
    for (const CASE& c : aCases) {
        LVFINDINFOA find = {};
        find.flags = c.uFlags;
        find.psz = c.szText;
        find.lParam = c.lParam;
        EXPECT_EQ(SendMessageA(hList, LVM_FINDITEMA, c.nStart, reinterpret_cast<LPARAM>(&find)),
                  c.nExpected)
            << c.uFlags << " " << (c.szText ? c.szText : "") << " " << c.lParam;
    }
}

WNDPROC gOldProc = nullptr;
int gKillFocusSeen = 0;

// As the game's subclass does: on WM_KILLFOCUS it takes the focus state from every item.
LRESULT Subclass_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_KILLFOCUS) {
        gKillFocusSeen++;
        LVITEMA item = {};
        item.stateMask = LVIS_FOCUSED;
        SendMessageA(hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&item));
        return 0;
    }
    return CallWindowProcA(gOldProc, hWnd, uMsg, wParam, lParam);
}

TEST_F(ListViewTest, SubclassedProcedureStillRunsTheControl) {
    Add_Rows(3);
    gOldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass_Proc)));
    ASSERT_NE(gOldProc, nullptr);
    gKillFocusSeen = 0;
    SetFocus(hList);
    RECT rc = Item_Rect(1);
    Test_Send_Mouse(hList, WM_LBUTTONDOWN, rc.left + 5, rc.top + 2, MK_LBUTTON);
    Test_Send_Mouse(hList, WM_LBUTTONUP, rc.left + 5, rc.top + 2, 0);
    EXPECT_EQ(State(1), static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(Item_Count(), 3);
    SetFocus(hParent);
    EXPECT_EQ(gKillFocusSeen, 1);
    EXPECT_EQ(State(1), static_cast<UINT>(LVIS_SELECTED));
}

}  // namespace
