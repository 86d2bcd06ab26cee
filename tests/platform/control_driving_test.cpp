// The control-level test driving on the real list controls: choosing a row clicks it as a user
// would, so the control's own notification reaches the parent, and a list view's column click
// comes back as LVN_COLUMNCLICK.
#include "control_fixture.h"

namespace {

using control_fixture::ControlTest;
using control_fixture::Parent;

// The list view's notifications as they arrive (their structures live only during the call).
struct NOTIFICATION {
    int nId;
    UINT uCode;
    int nSubItem;  // LVN_COLUMNCLICK
};
std::vector<NOTIFICATION> gNotifications;

LRESULT Recording_Parent_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_NOTIFY) {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        int nSubItem = pHeader->code == LVN_COLUMNCLICK
                           ? reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem
                           : -1;
        gNotifications.push_back({static_cast<int>(pHeader->idFrom), pHeader->code, nSubItem});
    }
    return control_fixture::Parent_Proc(hWnd, uMsg, wParam, lParam);
}

class ControlDrivingTest : public ControlTest {
protected:
    static const int kRows = 12;
    static const int kList = 201, kCombo = 202, kListView = 203;

    void SetUp() override {
        ControlTest::SetUp();
        HWND hList = Create("LISTBOX", "", LBS_NOTIFY | WS_VSCROLL, 10, 10, 120, 80, kList);
        HWND hCombo = Create("COMBOBOX", "", CBS_DROPDOWNLIST, 140, 10, 120, 150, kCombo);
        HWND hView =
            Create("SysListView32", "", LVS_REPORT | LVS_SINGLESEL, 10, 120, 250, 120, kListView);
        for (const char* szHeading : {"Name", "Pos"}) {
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 100;
            column.pszText = const_cast<char*>(szHeading);
            SendMessageA(hView, LVM_INSERTCOLUMNA, 99, reinterpret_cast<LPARAM>(&column));
        }
        for (int n = 0; n < kRows; n++) {
            std::string stRow = "Row " + std::to_string(n);
            SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(stRow.c_str()));
            SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(stRow.c_str()));
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = n;
            item.pszText = const_cast<char*>(stRow.c_str());
            SendMessageA(hView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        SetWindowLongPtrA(hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recording_Parent_Proc));
        Parent().aReceived.clear();
        gNotifications.clear();
    }

    static int Notifications(int nId, UINT uCode) {
        int n = 0;
        for (const NOTIFICATION& note : gNotifications)
            n += note.nId == nId && note.uCode == uCode;
        return n;
    }
};

TEST_F(ControlDrivingTest, ChoosingARowSelectsItAsAClickWould) {
    // Rows past the first page are scrolled into view first.
    for (int nRow : {2, 9}) {
        Parent().aReceived.clear();
        gNotifications.clear();
        ASSERT_TRUE(Test_Choose_Row(hParent, kList, nRow));
        EXPECT_EQ(Test_Control_Selection(hParent, kList), nRow);
        EXPECT_EQ(Commands(kList, LBN_SELCHANGE), 1);

        ASSERT_TRUE(Test_Choose_Row(hParent, kCombo, nRow));
        EXPECT_EQ(Test_Control_Selection(hParent, kCombo), nRow);
        EXPECT_EQ(Commands(kCombo, CBN_SELCHANGE), 1);
        EXPECT_EQ(SendDlgItemMessageA(hParent, kCombo, CB_GETDROPPEDSTATE, 0, 0), FALSE);

        ASSERT_TRUE(Test_Choose_Row(hParent, kListView, nRow));
        EXPECT_EQ(Test_Control_Selection(hParent, kListView), nRow);
        EXPECT_EQ(Notifications(kListView, NM_CLICK), 1);
    }
    EXPECT_EQ(Test_Control_Text(hParent, kCombo), "Row 9");
    EXPECT_FALSE(Test_Choose_Row(hParent, kList, kRows));  // no such row
}

TEST_F(ControlDrivingTest, ClickingAColumnHeadingGivesTheColumnClick) {
    ASSERT_TRUE(Test_Click_List_Column(hParent, kListView, 1));
    ASSERT_EQ(Notifications(kListView, LVN_COLUMNCLICK), 1);
    for (const NOTIFICATION& note : gNotifications) {
        if (note.uCode == LVN_COLUMNCLICK) {
            EXPECT_EQ(note.nSubItem, 1);
        }
    }
}

}  // namespace
