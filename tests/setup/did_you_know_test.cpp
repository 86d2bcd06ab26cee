// The tips box: only OK closes it; its other controls do nothing and its list stays empty.
#include <gtest/gtest.h>

#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define DYK_LIST 1131
#define DYK_SHOW_AT_STARTUP 1022
#define DYK_NEXT_HINT 1261

TEST(DidYouKnowTest, OnlyOkClosesIt) {
    Test_Reset_Platform();
    bool bOpenAfterOthers = false;
    int nRows = -1;
    Test_Script_Dialog(IDD_DID_YOU_KNOW, [&](HWND hDlg) {
        Test_Click_Control(hDlg, DYK_NEXT_HINT);
        Test_Click_Control(hDlg, DYK_SHOW_AT_STARTUP);
        bOpenAfterOthers = IsWindow(hDlg);
        nRows = (int)SendDlgItemMessageA(hDlg, DYK_LIST, LB_GETCOUNT, 0, 0);
        Test_Click_Control(hDlg, IDOK);
    });
    EXPECT_EQ(Do_Dialog(NULL, IDD_DID_YOU_KNOW, 0), IDOK);
    EXPECT_TRUE(bOpenAfterOthers);
    EXPECT_EQ(nRows, 0);
}

}  // namespace
