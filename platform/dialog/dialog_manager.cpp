// Dialogs: a dialog window built from its resource template (the dialog font, its units, the
// controls as child windows in tab order), WM_INITDIALOG, DefDlgProcA, modal dialogs and their
// loop, modeless dialogs, and the item helpers. The backend runs the modal loop: headless, it runs
// the test script of the template once the dialog is up, and a dialog still open after that ends
// with IDCANCEL, so nothing ever waits for input that cannot come.
#include "../platform_internal.h"
#include "../rc/rc_tables.h"
#include "../window/window_data.h"

#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// What the manager keeps for each dialog window, from creation to WM_NCDESTROY.
struct DIALOG_STATE {
    HFONT hFont;
    SIZE units;
    int nDefId;        // 0: none set (Enter then means IDOK)
    HWND hSavedFocus;  // the control that had the focus when the dialog was deactivated
    bool bEnded;
    INT_PTR nResult;
};

std::map<HWND, DIALOG_STATE> gDialogStates;

// Open modal dialogs, innermost last; a dialog opened from a dialog procedure nests on top.
std::vector<HWND> gModalStack;

DIALOG_STATE* Find_Dialog_State(HWND hDlg) {
    auto it = gDialogStates.find(hDlg);
    return it == gDialogStates.end() ? nullptr : &it->second;
}

// Remembers which of the dialog's controls has the focus, for its next activation.
void Save_Focus(HWND hDlg) {
    DIALOG_STATE* s = Find_Dialog_State(hDlg);
    HWND hFocus = GetFocus();
    if (s && hFocus && IsChild(hDlg, hFocus)) s->hSavedFocus = hFocus;
}

bool Is_Modal(HWND hDlg) {
    return std::find(gModalStack.begin(), gModalStack.end(), hDlg) != gModalStack.end();
}

bool Is_Default_Push_Button(const RC_CONTROL& c) {
    const uint32_t kButtonTypeMask = 0x0F;
    return strcasecmp(c.szClass, "BUTTON") == 0 && (c.uStyle & kButtonTypeMask) == BS_DEFPUSHBUTTON;
}

// Where the dialog goes on the screen: centred on its owner (or the work area) with DS_CENTER,
// else at the template's position from the owner's client area.
POINT Dialog_Position(const RC_DIALOG* pTemplate, HWND hOwner, SIZE units, SIZE windowSize) {
    RECT rcUnits = Dialog_Units_To_Pixels(units, pTemplate->x, pTemplate->y, 0, 0);
    POINT pt = {rcUnits.left, rcUnits.top};
    RECT rcOwner;
    bool bOwner = hOwner && GetWindowRect(hOwner, &rcOwner);
    if (pTemplate->uStyle & DS_CENTER) {
        RECT rcArea = bOwner ? rcOwner : Backend()->Work_Area();
        pt.x = rcArea.left + (rcArea.right - rcArea.left - windowSize.cx) / 2;
        pt.y = rcArea.top + (rcArea.bottom - rcArea.top - windowSize.cy) / 2;
        return pt;
    }
    if (bOwner) ClientToScreen(hOwner, &pt);
    return pt;
}

bool Create_Controls(HWND hDlg, const RC_DIALOG* pTemplate, HFONT hFont, SIZE units, int* pnDefId) {
    for (int i = 0; i < pTemplate->nControls; i++) {
        const RC_CONTROL& c = pTemplate->pControls[i];
        RECT rc = Dialog_Units_To_Pixels(units, c.x, c.y, c.cx, c.cy);
        HWND hCtl = Window_Create_Any_Class(c.uExStyle, c.szClass, c.szText, c.uStyle | WS_CHILD,
                                            rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                            hDlg, c.nId, nullptr);
        if (!hCtl) return false;
        // The template's order is the tab order: GW_CHILD gives the first control.
        SetWindowPos(hCtl, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SendMessageA(hCtl, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        if (*pnDefId == 0 && Is_Default_Push_Button(c)) *pnDefId = c.nId;
    }
    return true;
}

HWND Create_Dialog_Window(const RC_DIALOG* pTemplate, HWND hOwner, DLGPROC pProc) {
    // The new dialog takes the focus before it is activated: the active one keeps its place.
    Save_Focus(GetActiveWindow());
    HFONT hFont = (pTemplate->uStyle & DS_SETFONT)
                      ? Dialog_Template_Font(pTemplate->szFontFace, pTemplate->nFontPoints)
                      : Dialog_Template_Font(nullptr, 0);
    SIZE units = Dialog_Font_Units(hFont);
    DWORD dwStyle = pTemplate->uStyle & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD);
    DWORD dwExStyle = pTemplate->uExStyle;
    if (pTemplate->uStyle & DS_MODALFRAME) dwExStyle |= WS_EX_DLGMODALFRAME;
    RECT rcClient = Dialog_Units_To_Pixels(units, 0, 0, pTemplate->cx, pTemplate->cy);
    RECT rcWindow = rcClient;
    AdjustWindowRectEx(&rcWindow, dwStyle, FALSE, dwExStyle);
    SIZE windowSize = {rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top};
    POINT pt = Dialog_Position(pTemplate, hOwner, units, windowSize);

    const char* szClass =
        pTemplate->szClass && pTemplate->szClass[0] ? pTemplate->szClass : DIALOG_CLASS_NAME;
    HWND hDlg = CreateWindowExA(dwExStyle, szClass, pTemplate->szCaption, dwStyle, pt.x, pt.y,
                                windowSize.cx, windowSize.cy, hOwner, nullptr, nullptr, nullptr);
    // As with controls, a class no one has registered gives the usual dialog window.
    if (!hDlg && strcmp(szClass, DIALOG_CLASS_NAME) != 0)
        hDlg =
            CreateWindowExA(dwExStyle, DIALOG_CLASS_NAME, pTemplate->szCaption, dwStyle, pt.x, pt.y,
                            windowSize.cx, windowSize.cy, hOwner, nullptr, nullptr, nullptr);
    if (!hDlg) return nullptr;
    gDialogStates[hDlg] = {hFont, units, 0, nullptr, false, IDCANCEL};
    SetWindowLongPtrA(hDlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(pProc));
    SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    int nDefId = 0;
    if (!Create_Controls(hDlg, pTemplate, hFont, units, &nDefId)) {
        DestroyWindow(hDlg);
        return nullptr;
    }
    if (DIALOG_STATE* s = Find_Dialog_State(hDlg)) s->nDefId = nDefId;
    return hDlg;
}

// WM_INITDIALOG with the first tab stop as the suggested focus; TRUE gives it the focus.
void Initialise_Dialog(HWND hDlg, LPARAM lParam) {
    HWND hFirst = GetNextDlgTabItem(hDlg, nullptr, FALSE);
    if (SendMessageA(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hFirst), lParam) && hFirst &&
        IsWindow(hFirst) && !Dialog_Has_Ended(hDlg))
        Dialog_Focus_Control(hFirst);
}

const RC_DIALOG* Find_Template(LPCSTR szTemplate, int* pnId) {
    // Templates are known by number only.
    if (!IS_INTRESOURCE(szTemplate)) return nullptr;
    *pnId = static_cast<int>(reinterpret_cast<UINT_PTR>(szTemplate));
    return Rc_Find_Dialog(*pnId);
}

// The answer of a message whose dialog procedure returned nonzero: most messages answer through
// DWLP_MSGRESULT, these with the procedure's own return value.
bool Answers_Directly(UINT uMsg) {
    return uMsg == WM_INITDIALOG || (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC);
}

// The layer's own colours for a control that the dialog procedure left alone.
LRESULT Default_Control_Colour(UINT uMsg, HDC hdc) {
    bool bWindow = uMsg == WM_CTLCOLOREDIT || uMsg == WM_CTLCOLORLISTBOX;
    int nBack = bWindow ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(nBack));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(nBack));
}

void Set_Default_Id(HWND hDlg, DIALOG_STATE* s, int nId) {
    if (HWND hOld = s->nDefId ? GetDlgItem(hDlg, s->nDefId) : nullptr)
        SendMessageA(hOld, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    s->nDefId = nId;
    if (HWND hNew = GetDlgItem(hDlg, nId)) SendMessageA(hNew, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

LRESULT Dialog_Default(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    DIALOG_STATE* s = Find_Dialog_State(hDlg);
    switch (uMsg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORDLG: return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return Default_Control_Colour(uMsg, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND: {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        HBRUSH hBrush = reinterpret_cast<HBRUSH>(
            SendMessageA(hDlg, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hDlg)));
        if (!hBrush) hBrush = GetSysColorBrush(COLOR_BTNFACE);
        RECT rc;
        GetClientRect(hDlg, &rc);
        FillRect(hdc, &rc, hBrush);
        return 1;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            SendMessageA(hDlg, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_CLOSE: {
        // Closing the box means Cancel, unless a Cancel button is there and disabled.
        HWND hCancel = GetDlgItem(hDlg, IDCANCEL);
        if (!hCancel || IsWindowEnabled(hCancel))
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(hCancel));
        return 0;
    }
    case WM_SETFONT:
        if (s) s->hFont = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT: return s ? reinterpret_cast<LRESULT>(s->hFont) : 0;
    case DM_GETDEFID: return s && s->nDefId ? MAKELONG(s->nDefId, DC_HASDEFID) : 0;
    case DM_SETDEFID:
        if (!s) return FALSE;
        Set_Default_Id(hDlg, s, static_cast<int>(wParam));
        return TRUE;
    case WM_NEXTDLGCTL: Dialog_Next_Control(hDlg, wParam, lParam); return 0;
    case WM_ACTIVATE:
        // The focus leaves with the dialog and comes back to the same control.
        if (!s) break;
        if (LOWORD(wParam) == WA_INACTIVE) {
            Save_Focus(hDlg);
            break;
        }
        if (s->hSavedFocus && IsWindow(s->hSavedFocus) && IsChild(hDlg, s->hSavedFocus)) {
            SetFocus(s->hSavedFocus);
            return 0;
        }
        break;
    case WM_NCDESTROY: gDialogStates.erase(hDlg); break;
    }
    return DefWindowProcA(hDlg, uMsg, wParam, lParam);
}

}  // namespace

bool Dialog_Get_Units(HWND hDlg, SIZE* pUnits) {
    const DIALOG_STATE* s = Find_Dialog_State(hDlg);
    if (!s) return false;
    *pUnits = s->units;
    return true;
}

HWND Dialog_Innermost_Modal(void) {
    for (auto it = gModalStack.rbegin(); it != gModalStack.rend(); ++it)
        if (!Dialog_Has_Ended(*it)) return *it;
    return nullptr;
}

bool Dialog_Has_Ended(HWND hDlg) {
    const DIALOG_STATE* s = Find_Dialog_State(hDlg);
    return !s || s->bEnded || !IsWindow(hDlg);
}

void Dialog_Pump_Until_Idle(HWND hDlg) {
    Queue_Pump([hDlg] { return Dialog_Has_Ended(hDlg); });
}

LRESULT DefDlgProcA(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    DLGPROC pProc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hDlg, DWLP_DLGPROC));
    if (pProc) {
        INT_PTR nHandled = pProc(hDlg, uMsg, wParam, lParam);
        if (Answers_Directly(uMsg)) {
            if (nHandled || uMsg == WM_INITDIALOG) return nHandled;
        } else if (nHandled) {
            return GetWindowLongPtrA(hDlg, DWLP_MSGRESULT);
        }
    }
    return Dialog_Default(hDlg, uMsg, wParam, lParam);
}

LRESULT Dialog_Window_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(hDlg, uMsg, wParam, lParam);
}

// The texts of the dialog's static controls, one a line (the transcript's record of what it said).
static std::string Dialog_Static_Texts(HWND hDlg) {
    std::string stTexts;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        const WINDOW_DATA* pChild = Window_Find(hChild);
        if (!pChild || strcasecmp(pChild->stClass.c_str(), "STATIC") != 0) continue;
        char szText[2048];
        if (GetWindowTextA(hChild, szText, sizeof(szText)) <= 0) continue;
        if (!stTexts.empty()) stTexts += "\n";
        stTexts += szText;
    }
    return stTexts;
}

INT_PTR DialogBoxParamA(HINSTANCE /*hInstance*/, LPCSTR szTemplate, HWND hOwner, DLGPROC pProc,
                        LPARAM lParam) {
    int nTemplateId = 0;
    const RC_DIALOG* pTemplate = Find_Template(szTemplate, &nTemplateId);
    if (!pTemplate || (hOwner && !IsWindow(hOwner))) return -1;

    // Taken before the dialog exists: placing itself while it starts activates it.
    HWND hWasActive = GetActiveWindow();
    HWND hDlg = Create_Dialog_Window(pTemplate, hOwner, pProc);
    if (!hDlg) return -1;
    gModalStack.push_back(hDlg);

    size_t nToken = Backend()->Dialog_Opened(nTemplateId, pTemplate->szCaption, lParam);
    Initialise_Dialog(hDlg, lParam);

    bool bAnswered = false;
    if (!Dialog_Has_Ended(hDlg)) {
        ShowWindow(hDlg, SW_SHOW);
        SetActiveWindow(hDlg);
        UpdateWindow(hDlg);
        bAnswered = Backend()->Run_Modal_Dialog(hDlg, nTemplateId);
    }

    const DIALOG_STATE* s = Find_Dialog_State(hDlg);
    bool bEnded = s && s->bEnded;
    MODAL_OUTCOME outcome = {nTemplateId, pTemplate->szCaption,
                             lParam,      bEnded ? s->nResult : IDCANCEL,
                             bAnswered,   bEnded,
                             {}};
    gModalStack.erase(std::remove(gModalStack.begin(), gModalStack.end(), hDlg), gModalStack.end());
    // The outcome keeps the caption as shown: procedures often set it at run time.
    char szCaption[512];
    if (IsWindow(hDlg)) {
        GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
        outcome.szCaption = szCaption;
        outcome.stText = Dialog_Static_Texts(hDlg);
    }
    DestroyWindow(hDlg);
    if (hWasActive && IsWindow(hWasActive)) SetActiveWindow(hWasActive);
    Backend()->Dialog_Closed(nToken, outcome);
    return outcome.nResult;
}

HWND CreateDialogParamA(HINSTANCE /*hInstance*/, LPCSTR szTemplate, HWND hOwner, DLGPROC pProc,
                        LPARAM lParam) {
    int nTemplateId = 0;
    const RC_DIALOG* pTemplate = Find_Template(szTemplate, &nTemplateId);
    if (!pTemplate || (hOwner && !IsWindow(hOwner))) return nullptr;
    HWND hDlg = Create_Dialog_Window(pTemplate, hOwner, pProc);
    if (!hDlg) return nullptr;
    Initialise_Dialog(hDlg, lParam);
    if (IsWindow(hDlg) && (pTemplate->uStyle & WS_VISIBLE)) ShowWindow(hDlg, SW_SHOW);
    return IsWindow(hDlg) ? hDlg : nullptr;
}

// A modal dialog's loop ends and DialogBoxParamA returns the result; a modeless dialog is hidden
// and stays until DestroyWindow.
BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    DIALOG_STATE* s = Find_Dialog_State(hDlg);
    if (!s) return FALSE;
    if (Is_Modal(hDlg)) {
        s->bEnded = true;
        s->nResult = nResult;
    }
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

BOOL SetDlgItemInt(HWND hDlg, int nId, UINT uValue, BOOL bSigned) {
    char szText[16];
    if (bSigned)
        snprintf(szText, sizeof(szText), "%d", static_cast<int>(uValue));
    else
        snprintf(szText, sizeof(szText), "%u", uValue);
    return SetDlgItemTextA(hDlg, nId, szText);
}

// The item's text as a number: blanks around it are allowed, anything else (or a value out of
// range) gives 0 with *pbTranslated FALSE.
UINT GetDlgItemInt(HWND hDlg, int nId, BOOL* pbTranslated, BOOL bSigned) {
    if (pbTranslated) *pbTranslated = FALSE;
    char szText[64];
    if (!GetDlgItemTextA(hDlg, nId, szText, sizeof(szText))) return 0;
    const char* p = szText;
    while (*p == ' ') p++;
    if (!bSigned && *p == '-') return 0;
    char* pEnd = nullptr;
    long long n = strtoll(p, &pEnd, 10);
    if (pEnd == p) return 0;
    while (*pEnd == ' ') pEnd++;
    if (*pEnd) return 0;
    bool bFits = bSigned ? (n >= INT32_MIN && n <= INT32_MAX) : (n >= 0 && n <= UINT32_MAX);
    if (!bFits) return 0;
    if (pbTranslated) *pbTranslated = TRUE;
    return static_cast<UINT>(n);
}

void Dialog_Reset(void) {
    gModalStack.clear();
    gDialogStates.clear();
    Dialog_Units_Reset();
}
