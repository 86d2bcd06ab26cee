// Window classes, windows and their data, window text, visibility, the paint flag, child ids and
// the keyboard focus. A window handle is a number that is never reused, so a stale handle is
// simply not a window any more.
#include "window_data.h"

#include <string.h>
#include <strings.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct WINDOW_CLASS {
    std::string stName;
    WNDPROC pProc;
    int nExtraBytes;
    UINT_PTR uAtom;
    UINT uStyle;
    HCURSOR hCursor;
    HBRUSH hBackground;
};

// Class names compare without regard to case, as they do on the real system.
struct NO_CASE_LESS {
    bool operator()(const std::string& a, const std::string& b) const {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};

std::map<std::string, WINDOW_CLASS, NO_CASE_LESS> gClasses;
std::unordered_map<uintptr_t, std::unique_ptr<WINDOW_DATA>> gWindows;
uintptr_t gNextHandle = 1;
UINT_PTR gNextAtom = 0xC000;
std::vector<HWND> gZOrder;  // top-level windows, back to front
HWND gFocus = nullptr;
HWND gDesktop = nullptr;
bool gBuiltInsRegistered = false;

void Register_Class(const char* szName, WNDPROC pProc, int nExtraBytes, UINT uStyle,
                    HCURSOR hCursor, HBRUSH hBackground = nullptr) {
    WINDOW_CLASS cls = {szName, pProc, nExtraBytes, gNextAtom++, uStyle, hCursor, hBackground};
    gClasses[szName] = cls;
}

void Ensure_Built_In_Classes() {
    if (gBuiltInsRegistered) return;
    gBuiltInsRegistered = true;
    HCURSOR hArrow = LoadCursorA(nullptr, IDC_ARROW);
    Register_Class(DIALOG_CLASS_NAME, Dialog_Window_Proc, DIALOG_EXTRA_BYTES, 0, hArrow);
    int nControls = 0;
    const CONTROL_CLASS* pControls = Get_Control_Classes(&nControls);
    for (int i = 0; i < nControls; i++)
        Register_Class(pControls[i].szName, pControls[i].pProc, 0, CS_DBLCLKS, hArrow);
}

WINDOW_DATA* Find(HWND hWnd) { return Window_Find(hWnd); }

HWND Next_Handle() {
    // Multiples of 16 keep handles looking like aligned pointers; 0 is never a handle.
    return reinterpret_cast<HWND>((gNextHandle++) << 4);
}

HWND Create_Window(DWORD dwExStyle, LPCSTR szClass, LPCSTR szTitle, DWORD dwStyle, int x, int y,
                   int nWidth, int nHeight, HWND hParent, int nId, HINSTANCE hInstance,
                   LPVOID pParam, bool bAllowUnregistered) {
    Ensure_Built_In_Classes();
    if (!szClass || (hParent && !Find(hParent))) return nullptr;
    if ((dwStyle & WS_CHILD) && !hParent) return nullptr;
    auto itClass = gClasses.find(szClass);
    if (itClass == gClasses.end() && !bAllowUnregistered) return nullptr;

    auto pWnd = std::make_unique<WINDOW_DATA>();
    WINDOW_DATA* w = pWnd.get();
    w->hWnd = Next_Handle();
    w->stClass = szClass;
    w->pProc = itClass != gClasses.end() ? itClass->second.pProc : DefWindowProcA;
    w->hParent = hParent;
    w->stText = szTitle ? szTitle : "";
    w->dwStyle = dwStyle;
    w->dwExStyle = dwExStyle;
    if (x == CW_USEDEFAULT) x = y = 0;
    if (nWidth == CW_USEDEFAULT) nWidth = nHeight = 0;
    w->rcWindow = {x, y, x + nWidth, y + nHeight};
    w->rcNormal = w->rcWindow;
    w->bRestoreMaximized = false;
    w->nId = nId;
    w->nUserData = 0;
    w->aExtra.assign(itClass != gClasses.end() ? itClass->second.nExtraBytes : 0, 0);
    w->uClassStyle = itClass != gClasses.end() ? itClass->second.uStyle : 0;
    w->hClassCursor = itClass != gClasses.end() ? itClass->second.hCursor : nullptr;
    w->hClassBackground = itClass != gClasses.end() ? itClass->second.hBackground : nullptr;
    w->bInvalid = (dwStyle & WS_VISIBLE) != 0;
    w->bHasUpdate = w->bInvalid;
    w->rcUpdate = {0, 0, 0, 0};
    w->bErase = w->bInvalid;
    w->bFrameInvalid = true;
    w->bDestroying = false;

    HWND hWnd = w->hWnd;
    gWindows[reinterpret_cast<uintptr_t>(hWnd)] = std::move(pWnd);
    if (WINDOW_DATA* pParent = Find(hParent)) pParent->aChildren.push_back(hWnd);
    if (!(dwStyle & WS_CHILD)) gZOrder.push_back(hWnd);
    if (w->bInvalid) {
        SIZE size = Window_Client_Size(w);
        w->rcUpdate = {0, 0, size.cx, size.cy};
    }
    if (Window_Is_Host(hWnd)) Backend()->Window_Created(hWnd);

    CREATESTRUCTA cs = {pParam,  hInstance, reinterpret_cast<HMENU>(static_cast<intptr_t>(nId)),
                        hParent, nHeight,   nWidth,
                        y,       x,         static_cast<LONG>(dwStyle),
                        szTitle, szClass,   dwExStyle};
    if (SendMessageA(hWnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    return IsWindow(hWnd) ? hWnd : nullptr;
}

// Reads or writes a LONG_PTR in the window's extra bytes; false when it does not fit.
bool Access_Extra(WINDOW_DATA* w, int nIndex, LONG_PTR* pValue, bool bWrite) {
    if (nIndex < 0 || static_cast<size_t>(nIndex) + sizeof(LONG_PTR) > w->aExtra.size())
        return false;
    if (bWrite)
        memcpy(&w->aExtra[nIndex], pValue, sizeof(LONG_PTR));
    else
        memcpy(pValue, &w->aExtra[nIndex], sizeof(LONG_PTR));
    return true;
}

}  // namespace

// ---- classes ----------------------------------------------------------------------------------

UINT_PTR RegisterClassA(const WNDCLASSA* pClass) {
    Ensure_Built_In_Classes();
    if (!pClass || !pClass->lpszClassName || !pClass->lpfnWndProc || pClass->cbWndExtra < 0)
        return 0;
    if (gClasses.count(pClass->lpszClassName)) return 0;
    Register_Class(pClass->lpszClassName, pClass->lpfnWndProc, pClass->cbWndExtra, pClass->style,
                   pClass->hCursor, pClass->hbrBackground);
    return gClasses[pClass->lpszClassName].uAtom;
}

BOOL UnregisterClassA(LPCSTR szClass, HINSTANCE /*hInstance*/) {
    if (!szClass) return FALSE;
    for (const auto& entry : gWindows)
        if (strcasecmp(entry.second->stClass.c_str(), szClass) == 0) return FALSE;  // in use
    return gClasses.erase(szClass) ? TRUE : FALSE;
}

// ---- creating and destroying ------------------------------------------------------------------

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR szClass, LPCSTR szTitle, DWORD dwStyle, int x, int y,
                     int nWidth, int nHeight, HWND hParent, HMENU hMenu, HINSTANCE hInstance,
                     LPVOID pParam) {
    // A child window's "menu" is its control id.
    bool bChild = (dwStyle & WS_CHILD) != 0;
    int nId = bChild ? static_cast<int>(reinterpret_cast<intptr_t>(hMenu)) : 0;
    HWND hWnd = Create_Window(dwExStyle, szClass, szTitle, dwStyle, x, y, nWidth, nHeight, hParent,
                              nId, hInstance, pParam, false);
    if (hWnd && !bChild && hMenu) SetMenu(hWnd, hMenu);
    return hWnd;
}

HWND Window_Create_Any_Class(DWORD dwExStyle, LPCSTR szClass, LPCSTR szTitle, DWORD dwStyle, int x,
                             int y, int nWidth, int nHeight, HWND hParent, int nId, LPVOID pParam) {
    return Create_Window(dwExStyle, szClass, szTitle, dwStyle, x, y, nWidth, nHeight, hParent, nId,
                         GetModuleHandleA(nullptr), pParam, true);
}

BOOL DestroyWindow(HWND hWnd) {
    WINDOW_DATA* w = Find(hWnd);
    if (!w || w->bDestroying || hWnd == gDesktop) return FALSE;
    w->bDestroying = true;
    SendMessageA(hWnd, WM_DESTROY, 0, 0);
    // Children (and owned windows) go after their parent has seen WM_DESTROY.
    if ((w = Find(hWnd))) {
        std::vector<HWND> aChildren = w->aChildren;
        for (HWND hChild : aChildren) DestroyWindow(hChild);
    }
    SendMessageA(hWnd, WM_NCDESTROY, 0, 0);
    if (!(w = Find(hWnd))) return TRUE;
    if (WINDOW_DATA* pParent = Find(w->hParent)) {
        auto& v = pParent->aChildren;
        v.erase(std::remove(v.begin(), v.end(), hWnd), v.end());
    }
    if (gFocus == hWnd) gFocus = nullptr;
    if (GetCapture() == hWnd) ReleaseCapture();
    const bool bWasActive = GetActiveWindow() == hWnd;
    const HWND hOwner = Window_Is_Child(w) ? nullptr : w->hParent;
    Window_Forget_Activation(hWnd);
    gZOrder.erase(std::remove(gZOrder.begin(), gZOrder.end(), hWnd), gZOrder.end());
    if (Window_Is_Host(hWnd)) Backend()->Window_Destroyed(hWnd);
    Queue_Forget_Window(hWnd);
    Menu_Forget_Window(hWnd);
    Scroll_Forget_Window(hWnd);
    gWindows.erase(reinterpret_cast<uintptr_t>(hWnd));
    if (bWasActive) Window_Activate_Successor(hOwner);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) { return Find(hWnd) ? TRUE : FALSE; }

HWND GetParent(HWND hWnd) {
    WINDOW_DATA* w = Find(hWnd);
    return w ? w->hParent : nullptr;
}

void Window_Reset(void) {
    gWindows.clear();
    gClasses.clear();
    gZOrder.clear();
    gFocus = nullptr;
    gDesktop = nullptr;
    Window_Forget_Activation(nullptr);
    gBuiltInsRegistered = false;
    Ensure_Built_In_Classes();
}

// ---- window procedures ----------------------------------------------------------------------

LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    WINDOW_DATA* w = Find(hWnd);
    if (!w) return 0;
    return w->pProc(hWnd, uMsg, wParam, lParam);
}

LRESULT CallWindowProcA(WNDPROC pProc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return pProc ? pProc(hWnd, uMsg, wParam, lParam) : 0;
}

LRESULT DefWindowProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    WINDOW_DATA* w = Find(hWnd);
    if (!w) return 0;
    switch (uMsg) {
    case WM_SETTEXT:
        w->stText = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (!Window_Is_Child(w)) {
            // The caption shows the title.
            w->bFrameInvalid = true;
            w->bInvalid = true;
            Backend()->Window_Changed(hWnd);
        }
        return TRUE;
    case WM_GETTEXT: {
        char* szOut = reinterpret_cast<char*>(lParam);
        if (!szOut || wParam == 0) return 0;
        size_t n = std::min(w->stText.size(), static_cast<size_t>(wParam) - 1);
        memcpy(szOut, w->stText.data(), n);
        szOut[n] = 0;
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->stText.size());
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_PAINT:
        Window_Paint_Frame_If_Needed(hWnd);
        return Gdi_Default_Paint(hWnd, uMsg, wParam, lParam);
    case WM_NCPAINT: Window_Draw_Nonclient(hWnd); return 0;
    case WM_ERASEBKGND: return Gdi_Default_Paint(hWnd, uMsg, wParam, lParam);
    case WM_SETCURSOR: return Window_Default_Set_Cursor(hWnd, wParam, lParam) ? TRUE : FALSE;
    case WM_ACTIVATE:
        // An activated window takes the focus unless something inside it has it.
        if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hWnd) &&
            Window_Get_Top_Level(gFocus) != hWnd)
            SetFocus(hWnd);
        return 0;
    default: return 0;
    }
}

// ---- window data ------------------------------------------------------------------------------

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) {
    WINDOW_DATA* w = Find(hWnd);
    if (!w) return 0;
    switch (nIndex) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->pProc);
    case GWLP_USERDATA: return w->nUserData;
    case GWL_STYLE: return static_cast<LONG_PTR>(w->dwStyle);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->dwExStyle);
    case GWLP_ID: return w->nId;
    }
    LONG_PTR nValue = 0;
    Access_Extra(w, nIndex, &nValue, false);
    return nValue;
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR nValue) {
    WINDOW_DATA* w = Find(hWnd);
    if (!w) return 0;
    LONG_PTR nOld = GetWindowLongPtrA(hWnd, nIndex);
    switch (nIndex) {
    case GWLP_WNDPROC:
        if (nValue) w->pProc = reinterpret_cast<WNDPROC>(nValue);
        return nValue ? nOld : 0;
    case GWLP_USERDATA: w->nUserData = nValue; return nOld;
    case GWL_STYLE: w->dwStyle = static_cast<DWORD>(nValue); return nOld;
    case GWL_EXSTYLE: w->dwExStyle = static_cast<DWORD>(nValue); return nOld;
    case GWLP_ID: w->nId = static_cast<int>(nValue); return nOld;
    }
    return Access_Extra(w, nIndex, &nValue, true) ? nOld : 0;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR szText) {
    if (!Find(hWnd)) return FALSE;
    return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(szText ? szText : ""))
               ? TRUE
               : FALSE;
}

int GetWindowTextA(HWND hWnd, LPSTR szText, int nMax) {
    if (!szText || nMax <= 0) return 0;
    szText[0] = 0;
    if (!Find(hWnd)) return 0;
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMax),
                                         reinterpret_cast<LPARAM>(szText)));
}

// ---- child ids ---------------------------------------------------------------------------------

int GetDlgCtrlID(HWND hWnd) {
    WINDOW_DATA* w = Find(hWnd);
    return w && (w->dwStyle & WS_CHILD) ? w->nId : 0;
}

HWND GetDlgItem(HWND hDlg, int nId) {
    WINDOW_DATA* w = Find(hDlg);
    if (!w) return nullptr;
    for (HWND hChild : w->aChildren) {
        WINDOW_DATA* c = Find(hChild);
        if (c && (c->dwStyle & WS_CHILD) && c->nId == nId) return hChild;
    }
    return nullptr;
}

// ---- focus ---------------------------------------------------------------------------------------

HWND SetFocus(HWND hWnd) {
    if (hWnd && !Find(hWnd)) return nullptr;
    HWND hOld = gFocus;
    if (hOld == hWnd) return hOld;
    gFocus = hWnd;
    if (hOld) SendMessageA(hOld, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (hWnd && gFocus == hWnd) SendMessageA(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(hOld), 0);
    return hOld;
}

HWND GetFocus(void) { return gFocus; }

// ---- records shared with the other window modules --------------------------------------------

WINDOW_DATA* Window_Find(HWND hWnd) {
    auto it = gWindows.find(reinterpret_cast<uintptr_t>(hWnd));
    return it == gWindows.end() ? nullptr : it->second.get();
}

std::vector<HWND>& Window_Z_Order() { return gZOrder; }

std::vector<HWND> Window_Top_Levels(void) { return gZOrder; }

HWND Window_Find_Oldest_Invalid(void) {
    // The oldest window first, so repaints come in creation order.
    HWND hBest = nullptr;
    for (const auto& entry : gWindows) {
        const WINDOW_DATA* w = entry.second.get();
        if (w->bInvalid && (!hBest || entry.first < reinterpret_cast<uintptr_t>(hBest)) &&
            IsWindowVisible(w->hWnd))
            hBest = w->hWnd;
    }
    return hBest;
}

// The desktop is a window of its own that covers the screen; it is made when first asked for and
// is never shown, painted or destroyed.
HWND GetDesktopWindow(void) {
    if (Find(gDesktop)) return gDesktop;
    SIZE screen = Backend()->Screen_Size();
    auto pWnd = std::make_unique<WINDOW_DATA>();
    WINDOW_DATA* w = pWnd.get();
    *w = WINDOW_DATA{};
    w->hWnd = Next_Handle();
    w->stClass = "#32769";
    w->pProc = DefWindowProcA;
    w->dwStyle = WS_POPUP;
    w->rcWindow = {0, 0, screen.cx, screen.cy};
    w->rcNormal = w->rcWindow;
    gDesktop = w->hWnd;
    gWindows[reinterpret_cast<uintptr_t>(gDesktop)] = std::move(pWnd);
    return gDesktop;
}

HBRUSH Window_Class_Background(HWND hWnd) {
    WINDOW_DATA* w = Find(hWnd);
    return w ? w->hClassBackground : nullptr;
}
