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

bool Double_Click_Listview_Item(HWND hDlg, int nId, int nValue) {
    HWND hList = GetDlgItem(hDlg, nId);
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = nValue;
    int nRow = hList ? (int)SendMessageA(hList, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find) : -1;
    if (nRow < 0 || !Test_Choose_Row(hDlg, nId, nRow))
        return false;
    NMITEMACTIVATE activate = {};
    activate.hdr.hwndFrom = hList;
    activate.hdr.idFrom = (UINT_PTR)nId;
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = nRow;
    SendMessageA(hDlg, WM_NOTIFY, (WPARAM)nId, (LPARAM)&activate);
    return true;
}
