// Modal dialogs: a dialog window built from its resource template, its controls as child windows,
// WM_INITDIALOG, and the modal loop that runs until EndDialog. The backend runs the loop: headless,
// it runs the test script of the template once the dialog is up, and a dialog still open after
// that ends with IDCANCEL, so nothing ever waits for input that cannot come.
#include "../platform_internal.h"
#include "../rc/rc_tables.h"

#include <algorithm>
#include <vector>

namespace {

struct MODAL_DIALOG {
    HWND hDlg;
    bool bEnded;
    INT_PTR nResult;
};

// Innermost dialog last; a dialog opened from a dialog procedure nests on top.
std::vector<MODAL_DIALOG> gModalStack;

// Dialog units to pixels with the base units of the usual 8-point dialog font.
const int kBaseUnitX = 6;
const int kBaseUnitY = 13;
int Dlu_To_X(int n) { return n * kBaseUnitX / 4; }
int Dlu_To_Y(int n) { return n * kBaseUnitY / 8; }

MODAL_DIALOG* Find_Modal(HWND hDlg) {
    for (MODAL_DIALOG& d : gModalStack)
        if (d.hDlg == hDlg) return &d;
    return nullptr;
}

HWND Create_Dialog_Window(const RC_DIALOG* pTemplate, HWND hOwner, DLGPROC pProc) {
    DWORD dwStyle = pTemplate->uStyle & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD);
    HWND hDlg = Window_Create_Any_Class(pTemplate->uExStyle, DIALOG_CLASS_NAME,
                                        pTemplate->szCaption, dwStyle, Dlu_To_X(pTemplate->x),
                                        Dlu_To_Y(pTemplate->y), Dlu_To_X(pTemplate->cx),
                                        Dlu_To_Y(pTemplate->cy), hOwner, 0, nullptr);
    if (!hDlg) return nullptr;
    SetWindowLongPtrA(hDlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(pProc));
    for (int i = 0; i < pTemplate->nControls; i++) {
        const RC_CONTROL& c = pTemplate->pControls[i];
        HWND hCtl = Window_Create_Any_Class(c.uExStyle, c.szClass, c.szText, c.uStyle | WS_CHILD,
                                            Dlu_To_X(c.x), Dlu_To_Y(c.y), Dlu_To_X(c.cx),
                                            Dlu_To_Y(c.cy), hDlg, c.nId, nullptr);
        if (!hCtl) {
            DestroyWindow(hDlg);
            return nullptr;
        }
    }
    return hDlg;
}

}  // namespace

bool Dialog_Has_Ended(HWND hDlg) {
    const MODAL_DIALOG* d = Find_Modal(hDlg);
    return !d || d->bEnded || !IsWindow(hDlg);
}

void Dialog_Pump_Until_Idle(HWND hDlg) {
    Queue_Pump([hDlg] { return Dialog_Has_Ended(hDlg); });
}

LRESULT Dialog_Window_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    DLGPROC pProc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hDlg, DWLP_DLGPROC));
    if (pProc) {
        INT_PTR nHandled = pProc(hDlg, uMsg, wParam, lParam);
        if (uMsg == WM_INITDIALOG) return nHandled;
        if (nHandled) return GetWindowLongPtrA(hDlg, DWLP_MSGRESULT);
    }
    // What the dialog procedure leaves: closing the box means Cancel.
    if (uMsg == WM_CLOSE) {
        SendMessageA(hDlg, WM_COMMAND, IDCANCEL,
                     reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
        return 0;
    }
    return DefWindowProcA(hDlg, uMsg, wParam, lParam);
}

INT_PTR DialogBoxParamA(HINSTANCE /*hInstance*/, LPCSTR szTemplate, HWND hOwner, DLGPROC pProc,
                        LPARAM lParam) {
    // Templates are known by number only.
    if (!IS_INTRESOURCE(szTemplate)) return -1;
    int nTemplateId = static_cast<int>(reinterpret_cast<UINT_PTR>(szTemplate));
    const RC_DIALOG* pTemplate = Rc_Find_Dialog(nTemplateId);
    if (!pTemplate || (hOwner && !IsWindow(hOwner))) return -1;

    HWND hDlg = Create_Dialog_Window(pTemplate, hOwner, pProc);
    if (!hDlg) return -1;
    gModalStack.push_back({hDlg, false, IDCANCEL});

    size_t nToken = Backend()->Dialog_Opened(nTemplateId, pTemplate->szCaption, lParam);

    HWND hFirst = nullptr;
    if (pTemplate->nControls > 0) hFirst = GetDlgItem(hDlg, pTemplate->pControls[0].nId);
    if (SendMessageA(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hFirst), lParam) && hFirst &&
        !Dialog_Has_Ended(hDlg))
        SetFocus(hFirst);

    bool bAnswered = false;
    if (!Dialog_Has_Ended(hDlg)) {
        ShowWindow(hDlg, SW_SHOW);
        UpdateWindow(hDlg);
        bAnswered = Backend()->Run_Modal_Dialog(hDlg, nTemplateId);
    }

    MODAL_DIALOG* d = Find_Modal(hDlg);
    bool bEnded = d && d->bEnded;
    MODAL_OUTCOME outcome = {nTemplateId, pTemplate->szCaption,
                             lParam,      bEnded ? d->nResult : IDCANCEL,
                             bAnswered,   bEnded};
    gModalStack.erase(std::remove_if(gModalStack.begin(), gModalStack.end(),
                                     [&](const MODAL_DIALOG& m) { return m.hDlg == hDlg; }),
                      gModalStack.end());
    // The outcome keeps the caption as shown: procedures often set it at run time.
    char szCaption[512];
    if (IsWindow(hDlg)) {
        GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
        outcome.szCaption = szCaption;
    }
    DestroyWindow(hDlg);
    Backend()->Dialog_Closed(nToken, outcome);
    return outcome.nResult;
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    MODAL_DIALOG* d = Find_Modal(hDlg);
    if (!d) return FALSE;
    d->bEnded = true;
    d->nResult = nResult;
    ShowWindow(hDlg, SW_HIDE);
    return TRUE;
}

LRESULT SendDlgItemMessageA(HWND hDlg, int nId, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    HWND hItem = GetDlgItem(hDlg, nId);
    return hItem ? SendMessageA(hItem, uMsg, wParam, lParam) : 0;
}

BOOL SetDlgItemTextA(HWND hDlg, int nId, LPCSTR szText) {
    HWND hItem = GetDlgItem(hDlg, nId);
    return hItem ? SetWindowTextA(hItem, szText) : FALSE;
}

UINT GetDlgItemTextA(HWND hDlg, int nId, LPSTR szText, int nMax) {
    HWND hItem = GetDlgItem(hDlg, nId);
    if (!hItem) {
        if (szText && nMax > 0) szText[0] = 0;
        return 0;
    }
    return static_cast<UINT>(GetWindowTextA(hItem, szText, nMax));
}

void Dialog_Reset(void) { gModalStack.clear(); }
