// Small steps the dialog tests share.
#include "common/dialog_steps.h"

#include "platform/test_api.h"

void Replace_Box_Text(HWND hDlg, int nId, const std::string& stText) {
    SetDlgItemTextA(hDlg, nId, "");
    Test_Type_Into(hDlg, nId, stText);
}

int Count_Shown_With_Caption(const std::string& stCaption) {
    int n = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        n += shown.stCaption == stCaption;
    return n;
}

int Count_Shown_With_Text(const std::string& stText) {
    int n = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        n += shown.stText == stText;
    return n;
}
