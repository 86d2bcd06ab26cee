// Control-level driving for tests: clicks, typing and keys given to a dialog's controls through
// the input path, with the dialog manager taking its keys as the dialog's loop would.
#include "headless.h"

#include <strings.h>

namespace {

enum CONTROL_KIND { KIND_OTHER, KIND_BUTTON, KIND_LIST_BOX, KIND_COMBO_BOX, KIND_LIST_VIEW };

CONTROL_KIND Kind_Of(HWND hCtl) {
    char szClass[64];
    if (!GetClassNameA(hCtl, szClass, sizeof(szClass))) return KIND_OTHER;
    const struct {
        const char* szName;
        CONTROL_KIND nKind;
    } kKinds[] = {{"BUTTON", KIND_BUTTON},
                  {"LISTBOX", KIND_LIST_BOX},
                  {"COMBOBOX", KIND_COMBO_BOX},
                  {"SysListView32", KIND_LIST_VIEW}};
    for (const auto& k : kKinds)
        if (strcasecmp(szClass, k.szName) == 0) return k.nKind;
    return KIND_OTHER;
}

// Dispatches what waits, the dialog taking its keys first.
void Pump_For_Dialog(HWND hDlg) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        if (IsDialogMessageA(hDlg, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A press and release of the left button at (x, y) in the window's client coordinates.
void Click_At(HWND hWnd, int x, int y) {
    Test_Send_Mouse(hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    Test_Send_Mouse(hWnd, WM_LBUTTONUP, x, y, 0);
}

bool Click_Rect_Centre(HWND hWnd, const RECT& rc) {
    if (rc.right <= rc.left || rc.bottom <= rc.top) return false;
    Click_At(hWnd, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    return true;
}

bool Choose_List_Box_Row(HWND hList, int nRow) {
    RECT rc;
    if (SendMessageA(hList, LB_GETITEMRECT, nRow, reinterpret_cast<LPARAM>(&rc)) == LB_ERR)
        return false;
    RECT rcClient;
    GetClientRect(hList, &rcClient);
    if (rc.top < rcClient.top || rc.bottom > rcClient.bottom) {
        SendMessageA(hList, LB_SETTOPINDEX, nRow, 0);
        SendMessageA(hList, LB_GETITEMRECT, nRow, reinterpret_cast<LPARAM>(&rc));
    }
    return Click_Rect_Centre(hList, rc);
}

bool Choose_Combo_Row(HWND hCombo, int nRow) {
    SendMessageA(hCombo, CB_SHOWDROPDOWN, TRUE, 0);
    Test_Pump_Messages();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!SendMessageA(hCombo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) ||
        !info.hwndList)
        return false;
    return Choose_List_Box_Row(info.hwndList, nRow);
}

bool Choose_List_View_Row(HWND hList, int nRow) {
    SendMessageA(hList, LVM_ENSUREVISIBLE, nRow, FALSE);
    RECT rc = {LVIR_LABEL, 0, 0, 0};
    if (!SendMessageA(hList, LVM_GETITEMRECT, nRow, reinterpret_cast<LPARAM>(&rc))) return false;
    return Click_Rect_Centre(hList, rc);
}

}  // namespace

bool Test_Click_Control(HWND hDlg, int nId) {
    HWND hCtl = GetDlgItem(hDlg, nId);
    RECT rc;
    if (!hCtl || !GetClientRect(hCtl, &rc)) return false;
    return Click_Rect_Centre(hCtl, rc);
}

bool Test_Type_Into(HWND hDlg, int nId, const std::string& stText) {
    HWND hCtl = GetDlgItem(hDlg, nId);
    if (!hCtl) return false;
    SetFocus(hCtl);
    Pump_For_Dialog(hDlg);
    for (char ch : stText) {
        Input_Char(hCtl, static_cast<BYTE>(ch));
        Pump_For_Dialog(hDlg);
    }
    return true;
}

bool Test_Choose_Row(HWND hDlg, int nId, int nRow) {
    HWND hCtl = GetDlgItem(hDlg, nId);
    if (!hCtl || nRow < 0) return false;
    switch (Kind_Of(hCtl)) {
    case KIND_LIST_BOX: return Choose_List_Box_Row(hCtl, nRow);
    case KIND_COMBO_BOX: return Choose_Combo_Row(hCtl, nRow);
    case KIND_LIST_VIEW: return Choose_List_View_Row(hCtl, nRow);
    default: return false;
    }
}

bool Test_Click_List_Column(HWND hDlg, int nId, int nColumn) {
    HWND hCtl = GetDlgItem(hDlg, nId);
    if (!hCtl || Kind_Of(hCtl) != KIND_LIST_VIEW) return false;
    HWND hHeader = reinterpret_cast<HWND>(SendMessageA(hCtl, LVM_GETHEADER, 0, 0));
    RECT rc;
    if (!hHeader || !SendMessageA(hHeader, HDM_GETITEMRECT, nColumn, reinterpret_cast<LPARAM>(&rc)))
        return false;
    return Click_Rect_Centre(hHeader, rc);
}

void Test_Press_Key(HWND hDlg, UINT uVirtualKey, bool bAlt, bool bCtrl, bool bShift) {
    HWND hFocus = GetFocus();
    bool bInDialog = false;
    for (HWND h = hFocus; h; h = GetParent(h))
        if (h == hDlg) bInDialog = true;
    HWND hTarget = bInDialog ? nullptr : hDlg;
    const struct {
        bool bHeld;
        UINT uKey;
    } kModifiers[] = {{bAlt, VK_MENU}, {bCtrl, VK_CONTROL}, {bShift, VK_SHIFT}};
    for (const auto& m : kModifiers)
        if (m.bHeld) Input_Set_Key_State(m.uKey, true);
    Input_Key(hTarget, uVirtualKey, true);
    Pump_For_Dialog(hDlg);
    Input_Key(hTarget, uVirtualKey, false);
    Pump_For_Dialog(hDlg);
    for (const auto& m : kModifiers)
        if (m.bHeld) Input_Set_Key_State(m.uKey, false);
}

std::string Test_Control_Text(HWND hDlg, int nId) {
    HWND hCtl = GetDlgItem(hDlg, nId);
    if (!hCtl) return "";
    int nLength = static_cast<int>(SendMessageA(hCtl, WM_GETTEXTLENGTH, 0, 0));
    std::string stText(static_cast<size_t>(nLength > 0 ? nLength : 0) + 1, '\0');
    int nGot = GetWindowTextA(hCtl, stText.data(), static_cast<int>(stText.size()));
    stText.resize(static_cast<size_t>(nGot > 0 ? nGot : 0));
    return stText;
}

int Test_Control_Selection(HWND hDlg, int nId) {
    HWND hCtl = GetDlgItem(hDlg, nId);
    if (!hCtl) return -1;
    switch (Kind_Of(hCtl)) {
    case KIND_BUTTON: return static_cast<int>(SendMessageA(hCtl, BM_GETCHECK, 0, 0));
    case KIND_LIST_BOX: return static_cast<int>(SendMessageA(hCtl, LB_GETCURSEL, 0, 0));
    case KIND_COMBO_BOX: return static_cast<int>(SendMessageA(hCtl, CB_GETCURSEL, 0, 0));
    case KIND_LIST_VIEW:
        return static_cast<int>(
            SendMessageA(hCtl, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    default: return -1;
    }
}

bool Test_Snapshot_Dialog(HWND hDlg, const std::string& stPngPath) {
    return Test_Snapshot_Window(hDlg, true, stPngPath);
}
