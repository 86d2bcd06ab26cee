// The dialog manager's keyboard: Tab and Shift+Tab through the tab stops, the arrows within a
// group, Enter to the default push button, Escape to Cancel, mnemonics (Alt+letter, or the plain
// letter when the focus control takes no characters) and WM_NEXTDLGCTL. Controls keep keys
// from the manager through their WM_GETDLGCODE answer.
#include "../platform_internal.h"

#include <ctype.h>

#include <vector>

namespace {

// Shown and enabled by its own style (the dialog itself may still be hidden).
bool Is_Usable(HWND hCtl) {
    LONG_PTR nStyle = GetWindowLongPtrA(hCtl, GWL_STYLE);
    return (nStyle & WS_VISIBLE) && !(nStyle & WS_DISABLED);
}

bool Has_Style(HWND hCtl, LONG_PTR nStyle) {
    return (GetWindowLongPtrA(hCtl, GWL_STYLE) & nStyle) != 0;
}

// The dialog's controls in tab order (the order of the template).
std::vector<HWND> Dialog_Controls(HWND hDlg) {
    std::vector<HWND> aControls;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        aControls.push_back(h);
    return aControls;
}

// The dialog's own child that holds hWnd (hWnd itself, or the control a part of it belongs to);
// null when hWnd is not inside the dialog.
HWND Control_Holding(HWND hDlg, HWND hWnd) {
    while (hWnd && hWnd != hDlg) {
        HWND hParent = GetParent(hWnd);
        if (hParent == hDlg) return hWnd;
        hWnd = hParent;
    }
    return nullptr;
}

bool Is_In_Dialog(HWND hDlg, HWND hWnd) { return hWnd == hDlg || Control_Holding(hDlg, hWnd); }

UINT Dialog_Code(HWND hWnd, MSG* pMsg) {
    return static_cast<UINT>(
        SendMessageA(hWnd, WM_GETDLGCODE, pMsg ? pMsg->wParam : 0, reinterpret_cast<LPARAM>(pMsg)));
}

// The index of hCtl in the list, or -1.
int Index_Of(const std::vector<HWND>& aControls, HWND hCtl) {
    for (size_t i = 0; i < aControls.size(); i++)
        if (aControls[i] == hCtl) return static_cast<int>(i);
    return -1;
}

// The character after a single '&' of the text, lower case; 0 when there is none.
char Text_Mnemonic(const char* szText) {
    for (const char* p = szText; *p; p++) {
        if (*p != '&') continue;
        if (p[1] == '&') {
            p++;
            continue;
        }
        return static_cast<char>(tolower(static_cast<unsigned char>(p[1])));
    }
    return 0;
}

// The first control after the focus (wrapping round) whose text has the mnemonic.
HWND Find_Mnemonic(HWND hDlg, HWND hFocusCtl, char chKey) {
    std::vector<HWND> aControls = Dialog_Controls(hDlg);
    int nCount = static_cast<int>(aControls.size());
    int nStart = Index_Of(aControls, hFocusCtl);
    for (int i = 1; i <= nCount; i++) {
        HWND h = aControls[static_cast<size_t>((nStart + i + nCount) % nCount)];
        if (!Is_Usable(h)) continue;
        UINT uCode = Dialog_Code(h, nullptr);
        if ((uCode & DLGC_STATIC) && Has_Style(h, SS_NOPREFIX)) continue;
        char szText[256];
        GetWindowTextA(h, szText, sizeof(szText));
        if (Text_Mnemonic(szText) == chKey) return h;
    }
    return nullptr;
}

// A mnemonic chosen: a label moves the focus on to the control after it, a push button is
// clicked, another button gets the focus and is clicked, anything else gets the focus. A
// mnemonic that more than one control has only moves the focus to the next of them, so that
// no button is pressed by mistake.
bool Activate_Mnemonic(HWND hDlg, HWND hFocusCtl, BYTE chTyped) {
    char chKey = static_cast<char>(tolower(chTyped));
    HWND hCtl = chKey ? Find_Mnemonic(hDlg, hFocusCtl, chKey) : nullptr;
    if (!hCtl) return false;
    UINT uCode = Dialog_Code(hCtl, nullptr);
    bool bShared = Find_Mnemonic(hDlg, hCtl, chKey) != hCtl;
    if (bShared && !(uCode & DLGC_STATIC)) {
        Dialog_Focus_Control(hCtl);
    } else if (uCode & DLGC_STATIC) {
        Dialog_Focus_Control(GetNextDlgTabItem(hDlg, hCtl, FALSE));
    } else if (uCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        SendMessageA(hCtl, BM_CLICK, 0, 0);
    } else if (uCode & (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
        Dialog_Focus_Control(hCtl);
        SendMessageA(hCtl, BM_CLICK, 0, 0);
    } else {
        Dialog_Focus_Control(hCtl);
    }
    return true;
}

// Enter: the focused push button, else the default button, else IDOK; a disabled one does
// nothing.
void Press_Default_Button(HWND hDlg, HWND hFocusCtl) {
    int nId = IDOK;
    if (hFocusCtl &&
        (Dialog_Code(hFocusCtl, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        nId = GetDlgCtrlID(hFocusCtl);
    } else {
        LRESULT nDef = SendMessageA(hDlg, DM_GETDEFID, 0, 0);
        if (HIWORD(nDef) == DC_HASDEFID) nId = LOWORD(nDef);
    }
    HWND hButton = GetDlgItem(hDlg, nId);
    if (hButton && !IsWindowEnabled(hButton)) return;
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
}

void Press_Cancel(HWND hDlg) {
    HWND hCancel = GetDlgItem(hDlg, IDCANCEL);
    if (hCancel && !IsWindowEnabled(hCancel)) return;
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(hCancel));
}

// A key going down in the dialog; true when the manager took it.
bool Dialog_Key_Down(HWND hDlg, MSG* pMsg, HWND hFocusCtl) {
    UINT uCode = Dialog_Code(pMsg->hwnd, pMsg);
    if (uCode & DLGC_WANTALLKEYS) return false;
    switch (pMsg->wParam) {
    case VK_TAB: {
        if (uCode & DLGC_WANTTAB) return false;
        bool bBack = GetKeyState(VK_SHIFT) < 0;
        Dialog_Focus_Control(GetNextDlgTabItem(hDlg, hFocusCtl, bBack));
        return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (uCode & DLGC_WANTARROWS) return false;
        bool bBack = pMsg->wParam == VK_LEFT || pMsg->wParam == VK_UP;
        HWND hNext = GetNextDlgGroupItem(hDlg, hFocusCtl, bBack);
        if (!hNext || hNext == hFocusCtl) return true;
        Dialog_Focus_Control(hNext);
        if (Dialog_Code(hNext, nullptr) & DLGC_RADIOBUTTON) SendMessageA(hNext, BM_CLICK, 0, 0);
        return true;
    }
    case VK_RETURN: Press_Default_Button(hDlg, hFocusCtl); return true;
    case VK_ESCAPE: Press_Cancel(hDlg); return true;
    }
    return false;
}

}  // namespace

void Dialog_Focus_Control(HWND hCtl) {
    if (!hCtl || !IsWindow(hCtl)) return;
    SetFocus(hCtl);
    // An edit reached from the keyboard has its whole text selected.
    if (Dialog_Code(hCtl, nullptr) & DLGC_HASSETSEL) SendMessageA(hCtl, EM_SETSEL, 0, -1);
}

void Dialog_Next_Control(HWND hDlg, WPARAM wParam, LPARAM lParam) {
    HWND hCtl;
    if (LOWORD(lParam))
        hCtl = reinterpret_cast<HWND>(wParam);
    else
        hCtl = GetNextDlgTabItem(hDlg, Control_Holding(hDlg, GetFocus()), wParam != 0);
    if (hCtl && Control_Holding(hDlg, hCtl)) Dialog_Focus_Control(hCtl);
}

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    std::vector<HWND> aControls = Dialog_Controls(hDlg);
    int nCount = static_cast<int>(aControls.size());
    if (nCount == 0) return nullptr;
    int nStart = Index_Of(aControls, hCtl);
    // From no control: the first tab stop going forward, the last going back.
    if (nStart < 0) nStart = bPrevious ? 0 : nCount - 1;
    int nStep = bPrevious ? -1 : 1;
    for (int i = 1; i <= nCount; i++) {
        HWND h = aControls[static_cast<size_t>(((nStart + i * nStep) % nCount + nCount) % nCount)];
        if (Is_Usable(h) && Has_Style(h, WS_TABSTOP)) return h;
    }
    return hCtl;
}

HWND GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    std::vector<HWND> aControls = Dialog_Controls(hDlg);
    int nAt = Index_Of(aControls, hCtl);
    if (nAt < 0) return aControls.empty() ? nullptr : aControls.front();
    // The group runs from the control with WS_GROUP at or before hCtl up to the next WS_GROUP.
    int nFirst = nAt;
    while (nFirst > 0 && !Has_Style(aControls[static_cast<size_t>(nFirst)], WS_GROUP)) nFirst--;
    int nEnd = nAt + 1;
    int nCount = static_cast<int>(aControls.size());
    while (nEnd < nCount && !Has_Style(aControls[static_cast<size_t>(nEnd)], WS_GROUP)) nEnd++;
    int nSize = nEnd - nFirst;
    int nStep = bPrevious ? -1 : 1;
    for (int i = 1; i <= nSize; i++) {
        int nIndex = nFirst + ((nAt - nFirst + i * nStep) % nSize + nSize) % nSize;
        HWND h = aControls[static_cast<size_t>(nIndex)];
        if (Is_Usable(h)) return h;
    }
    return hCtl;
}

BOOL IsDialogMessageA(HWND hDlg, MSG* pMsg) {
    if (!hDlg || !pMsg || !IsWindow(hDlg) || !Is_In_Dialog(hDlg, pMsg->hwnd)) return FALSE;
    HWND hFocusCtl = Control_Holding(hDlg, GetFocus());
    switch (pMsg->message) {
    case WM_KEYDOWN:
        if (Dialog_Key_Down(hDlg, pMsg, hFocusCtl)) return TRUE;
        break;
    case WM_CHAR: {
        UINT uCode = Dialog_Code(pMsg->hwnd, pMsg);
        if (!(uCode & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) &&
            Activate_Mnemonic(hDlg, hFocusCtl, static_cast<BYTE>(pMsg->wParam)))
            return TRUE;
        break;
    }
    case WM_SYSCHAR:
        if (Activate_Mnemonic(hDlg, hFocusCtl, static_cast<BYTE>(pMsg->wParam))) return TRUE;
        break;
    }
    TranslateMessage(pMsg);
    DispatchMessageA(pMsg);
    return TRUE;
}
