// List box contents: sorted and positioned insertion, deletion with the selection following
// its row, finding strings by prefix or whole (without regard to case), texts and item data.
#include "list_control_fixture.h"

namespace listbox_strings_test {

class ListBoxStringsTest : public ListControlTest {};

std::vector<std::string> Texts(HWND h) {
    std::vector<std::string> a;
    const int nCount = static_cast<int>(SendMessageA(h, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; i++) {
        char sz[64] = {};
        EXPECT_EQ(SendMessageA(h, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(sz)),
                  SendMessageA(h, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
        a.push_back(sz);
    }
    return a;
}

LRESULT Send_Text(HWND h, UINT uMsg, WPARAM wParam, const char* sz) {
    return SendMessageA(h, uMsg, wParam, reinterpret_cast<LPARAM>(sz));
}

}  // namespace listbox_strings_test

using listbox_strings_test::ListBoxStringsTest;
using listbox_strings_test::Send_Text;
using listbox_strings_test::Texts;

TEST_F(ListBoxStringsTest, SortedListBoxInsertsWithoutRegardToCase) {
    HWND h = Create("LISTBOX", LBS_SORT, 120, 100);
    EXPECT_EQ(Send_Text(h, LB_ADDSTRING, 0, "delta"), 0);
    EXPECT_EQ(Send_Text(h, LB_ADDSTRING, 0, "Alpha"), 0);
    EXPECT_EQ(Send_Text(h, LB_ADDSTRING, 0, "charlie"), 1);
    EXPECT_EQ(Send_Text(h, LB_ADDSTRING, 0, "BRAVO"), 1);
    EXPECT_EQ(Send_Text(h, LB_ADDSTRING, 0, "echo"), 4);
    EXPECT_EQ(Texts(h), (std::vector<std::string>{"Alpha", "BRAVO", "charlie", "delta", "echo"}));
}

TEST_F(ListBoxStringsTest, UnsortedListBoxAppendsAndInsertsAtIndex) {
    HWND h = Create("LISTBOX", 0, 120, 100);
    Add_Strings(h, LB_ADDSTRING, {"b", "a"});
    EXPECT_EQ(Send_Text(h, LB_INSERTSTRING, 1, "mid"), 1);
    EXPECT_EQ(Send_Text(h, LB_INSERTSTRING, static_cast<WPARAM>(-1), "end"), 3);
    EXPECT_EQ(Send_Text(h, LB_INSERTSTRING, 0, "first"), 0);
    EXPECT_EQ(Send_Text(h, LB_INSERTSTRING, 9, "beyond"), LB_ERR);
    EXPECT_EQ(Texts(h), (std::vector<std::string>{"first", "b", "mid", "a", "end"}));
}

TEST_F(ListBoxStringsTest, SelectionAndDataFollowTheirRow) {
    HWND h = Create("LISTBOX", LBS_SORT, 120, 100);
    Add_Strings(h, LB_ADDSTRING, {"b", "d"});
    SendMessageA(h, LB_SETITEMDATA, 1, 0xD0D0);
    SendMessageA(h, LB_SETCURSEL, 1, 0);
    Add_Strings(h, LB_ADDSTRING, {"a", "c"});  // both before "d"
    EXPECT_EQ(SendMessageA(h, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(SendMessageA(h, LB_GETITEMDATA, 3, 0), 0xD0D0);

    EXPECT_EQ(SendMessageA(h, LB_DELETESTRING, 0, 0), 3);  // the rows left
    EXPECT_EQ(SendMessageA(h, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(h, LB_DELETESTRING, 2, 0), 2);  // the selected row
    EXPECT_EQ(SendMessageA(h, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(h, LB_DELETESTRING, 2, 0), LB_ERR);

    SendMessageA(h, LB_SETCURSEL, 0, 0);
    SendMessageA(h, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(h, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(h, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListBoxStringsTest, BadIndexesAnswerError) {
    HWND h = Create("LISTBOX", 0, 120, 100);
    Add_Strings(h, LB_ADDSTRING, {"only"});
    char sz[16] = {};
    for (WPARAM nBad : {static_cast<WPARAM>(1), static_cast<WPARAM>(-1)}) {
        EXPECT_EQ(SendMessageA(h, LB_GETTEXT, nBad, reinterpret_cast<LPARAM>(sz)), LB_ERR);
        EXPECT_EQ(SendMessageA(h, LB_GETTEXTLEN, nBad, 0), LB_ERR);
        EXPECT_EQ(SendMessageA(h, LB_GETITEMDATA, nBad, 0), LB_ERR);
        EXPECT_EQ(SendMessageA(h, LB_SETITEMDATA, nBad, 5), LB_ERR);
    }
    EXPECT_EQ(SendMessageA(h, LB_SETCURSEL, 3, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(h, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListBoxStringsTest, FindsByPrefixOrWholeStringWithoutRegardToCase) {
    HWND h = Create("LISTBOX", 0, 120, 100);
    Add_Strings(h, LB_ADDSTRING, {"Bears", "bengals", "Browns", "Bengals II"});
    struct CASE {
        UINT uMsg;
        int nStart;  // the search begins after this row, around the list
        const char* szFind;
        LRESULT nExpected;
    };
    const CASE aCases[] = {
        {LB_FINDSTRING, -1, "BEN", 1},          {LB_FINDSTRING, 1, "ben", 3},
        {LB_FINDSTRING, 3, "ben", 1},           {LB_FINDSTRING, -1, "x", LB_ERR},
        {LB_FINDSTRINGEXACT, -1, "BENGALS", 1}, {LB_FINDSTRINGEXACT, -1, "Bengal", LB_ERR},
        {LB_FINDSTRINGEXACT, 1, "bengals", 1},
    };
    for (const CASE& c : aCases)
        EXPECT_EQ(Send_Text(h, c.uMsg, static_cast<WPARAM>(c.nStart), c.szFind), c.nExpected)
            << c.szFind << " after " << c.nStart;
    EXPECT_EQ(Send_Text(h, LB_SELECTSTRING, static_cast<WPARAM>(-1), "br"), 2);
    EXPECT_EQ(SendMessageA(h, LB_GETCURSEL, 0, 0), 2);
}

TEST_F(ListBoxStringsTest, OwnerDrawnRowsWithoutStringsKeepTheirData) {
    HWND h = Create("LISTBOX", LBS_OWNERDRAWFIXED | LBS_SORT, 120, 100);
    EXPECT_EQ(SendMessageA(h, LB_ADDSTRING, 0, 0x30), 0);
    EXPECT_EQ(SendMessageA(h, LB_ADDSTRING, 0, 0x10), 1);  // no strings: no sorting
    EXPECT_EQ(SendMessageA(h, LB_GETITEMDATA, 1, 0), 0x10);
    EXPECT_EQ(SendMessageA(h, LB_FINDSTRING, static_cast<WPARAM>(-1), 0x10), 1);
}
