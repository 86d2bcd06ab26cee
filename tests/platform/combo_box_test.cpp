// Drop-down list combo boxes: their rows (sorted, inserted, deleted, found, with item data), the
// selection the program sets without notifications, the field's height, and the dropped list's
// place.
#include "list_control_fixture.h"

namespace combo_box_test {

class ComboBoxTest : public ListControlTest {
protected:
    HWND hCombo = nullptr;

    void Make(DWORD dwStyle, const std::vector<std::string>& aRows) {
        hCombo = Create("COMBOBOX", CBS_DROPDOWNLIST | dwStyle, 140, 120);
        Add_Strings(hCombo, CB_ADDSTRING, aRows);
        Take_Codes();
    }
    std::string Row_Text(int nIndex) {
        char sz[64] = {};
        LRESULT n = SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                                 reinterpret_cast<LPARAM>(sz));
        EXPECT_EQ(n, SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0));
        return n == CB_ERR ? "<error>" : sz;
    }
};

}  // namespace combo_box_test

using combo_box_test::ComboBoxTest;

TEST_F(ComboBoxTest, RowsAreSortedFoundAndDeleted) {
    Make(CBS_SORT, {"Rookie", "veteran", "All-Pro"});
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(Row_Text(0), "All-Pro");
    EXPECT_EQ(Row_Text(2), "veteran");
    EXPECT_EQ(Row_Text(3), "<error>");
    EXPECT_EQ(SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("ROOKIE")),
              1);
    EXPECT_EQ(SendMessageA(hCombo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("vet")),
              2);
    EXPECT_EQ(SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("vet")),
              CB_ERR);
    EXPECT_EQ(SendMessageA(hCombo, CB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("Pro Bowl")), 1);
    EXPECT_EQ(Row_Text(1), "Pro Bowl");
    EXPECT_EQ(SendMessageA(hCombo, CB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(Row_Text(0), "Pro Bowl");
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(ComboBoxTest, SelectionSetByTheProgramFollowsItsRowSilently) {
    Make(0, {"north", "south", "east", "west"});
    SendMessageA(hCombo, CB_SETITEMDATA, 2, 0xEA57);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(hCombo, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETITEMDATA, SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 0),
              0xEA57);
    SendMessageA(hCombo, CB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageA(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("WE")),
              2);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(hCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("up")),
              CB_ERR);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 2);
    char sz[8] = {};
    EXPECT_EQ(GetWindowTextA(hCombo, sz, sizeof(sz)), 4);
    EXPECT_STREQ(sz, "west");
    EXPECT_EQ(GetWindowTextA(hCombo, sz, 3), 2);  // cut to the buffer
    EXPECT_STREQ(sz, "we");
    SendMessageA(hCombo, CB_DELETESTRING, 2, 0);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(GetWindowTextA(hCombo, sz, sizeof(sz)), 0);
    EXPECT_TRUE(Take_Codes().empty());
}

TEST_F(ComboBoxTest, WindowIsAsHighAsItsFieldAndTheListHangsBelow) {
    Make(0, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
    RECT rcWindow = {0, 0, 0, 0};
    GetWindowRect(hCombo, &rcWindow);
    const LRESULT nField = SendMessageA(hCombo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(rcWindow.bottom - rcWindow.top, nField + 6);
    EXPECT_LT(rcWindow.bottom - rcWindow.top, 120);

    RECT rcDropped = {0, 0, 0, 0};
    SendMessageA(hCombo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rcDropped));
    EXPECT_EQ(rcDropped.top, rcWindow.top);
    EXPECT_EQ(rcDropped.bottom, rcWindow.top + 120);  // the height it was created with
    EXPECT_EQ(rcDropped.right - rcDropped.left, 140);
    SendMessageA(hCombo, CB_SETDROPPEDWIDTH, 200, 0);
    SendMessageA(hCombo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rcDropped));
    EXPECT_EQ(rcDropped.right - rcDropped.left, 200);

    EXPECT_EQ(SendMessageA(hCombo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30), CB_OKAY);
    GetWindowRect(hCombo, &rcWindow);
    EXPECT_EQ(rcWindow.bottom - rcWindow.top, 36);
    SendMessageA(hCombo, CB_SETITEMHEIGHT, 0, 17);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETITEMHEIGHT, 0, 0), 17);
    EXPECT_EQ(SendMessageA(hCombo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 30);
}
