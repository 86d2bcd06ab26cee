// The "COMBOBOX" window class: drop-down list combo boxes. The combo box shows the selected row
// in its field beside a drop arrow button; its rows live in a list box (LBS_COMBOBOX), a popup
// owned by the combo box's top-level window, shown below the field while the list is dropped.
// While dropped the combo box holds the mouse capture and chooses the row under the pointer.
#include "../platform_internal.h"

#include <algorithm>
#include <map>

namespace {

struct COMBO_BOX {
    HWND hWnd = nullptr;
    HWND hList = nullptr;
    int nFieldItemHeight = 15;  // the selected row's height in the field
    int nListHeight = 100;      // the dropped list's height, from the height at creation
    int nDroppedWidth = 0;      // 0: as wide as the combo box
    HFONT hFont = nullptr;
    bool bFocus = false;
    bool bDropped = false;
    int nSelAtDrop = -1;  // restored when the list closes without a choice
};

std::map<HWND, COMBO_BOX> gComboBoxes;

// The sunken edge and the space between it and the selected row, on each side.
const int kFieldInset = 3;

DWORD Combo_Style(const COMBO_BOX& cb) {
    return static_cast<DWORD>(GetWindowLongPtrA(cb.hWnd, GWL_STYLE));
}

bool Combo_Owner_Drawn(const COMBO_BOX& cb) {
    return (Combo_Style(cb) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

LRESULT List(const COMBO_BOX& cb, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(cb.hList, uMsg, wParam, lParam);
}

int Selection(const COMBO_BOX& cb) { return static_cast<int>(List(cb, LB_GETCURSEL)); }

void Notify_Parent(const COMBO_BOX& cb, int nCode) {
    SendMessageA(GetParent(cb.hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(cb.hWnd), nCode),
                 reinterpret_cast<LPARAM>(cb.hWnd));
}

void Repaint_Field(const COMBO_BOX& cb) { InvalidateRect(cb.hWnd, nullptr, FALSE); }

int Text_Height(HWND hWnd, HFONT hFont) {
    HDC hdc = GetDC(hWnd);
    if (!hdc) return 13;
    HGDIOBJ hOld = SelectObject(hdc, hFont ? hFont : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    int nHeight = GetTextMetricsA(hdc, &tm) ? tm.tmHeight : 13;
    if (hOld) SelectObject(hdc, hOld);
    ReleaseDC(hWnd, hdc);
    return std::max(1, nHeight);
}

// Asks the parent the height of an owner-drawn row (nItem -1: the field).
int Measure_Item(const COMBO_BOX& cb, int nItem, int nDefault) {
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_COMBOBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(cb.hWnd));
    mis.itemID = static_cast<UINT>(nItem);
    RECT rc = {0, 0, 0, 0};
    GetClientRect(cb.hWnd, &rc);
    mis.itemWidth = static_cast<UINT>(rc.right);
    mis.itemHeight = static_cast<UINT>(nDefault);
    SendMessageA(GetParent(cb.hWnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    return std::max(1, static_cast<int>(mis.itemHeight));
}

// The combo box's window is as high as its field; the list hangs below it.
void Fit_Field(const COMBO_BOX& cb) {
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(cb.hWnd, &rc);
    RECT rcClient = {0, 0, 0, 0};
    GetClientRect(cb.hWnd, &rcClient);
    const int nFrame = (rc.bottom - rc.top) - rcClient.bottom;
    SetWindowPos(cb.hWnd, nullptr, 0, 0, rc.right - rc.left,
                 cb.nFieldItemHeight + 2 * kFieldInset + nFrame, SWP_NOMOVE | SWP_NOZORDER);
}

LRESULT Combo_On_Create(HWND hWnd, const CREATESTRUCTA* pCreate) {
    COMBO_BOX& cb = gComboBoxes[hWnd] = COMBO_BOX();
    cb.hWnd = hWnd;
    const DWORD dwStyle = static_cast<DWORD>(pCreate->style);
    const int nText = Text_Height(hWnd, nullptr);
    int nRowHeight = nText;
    cb.nFieldItemHeight = nText + 2;
    if (Combo_Owner_Drawn(cb)) {
        cb.nFieldItemHeight = Measure_Item(cb, -1, cb.nFieldItemHeight);
        nRowHeight = Measure_Item(cb, 0, nRowHeight);
    }
    DWORD dwListStyle = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_COMBOBOX | LBS_NOINTEGRALHEIGHT;
    if (dwStyle & CBS_SORT) dwListStyle |= LBS_SORT;
    if (dwStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) dwListStyle |= LBS_OWNERDRAWFIXED;
    if (dwStyle & CBS_HASSTRINGS) dwListStyle |= LBS_HASSTRINGS;
    cb.hList = CreateWindowExA(0, "LISTBOX", "", dwListStyle, 0, 0, std::max(1, pCreate->cx),
                               std::max(1, pCreate->cy), Window_Get_Top_Level(hWnd), nullptr,
                               nullptr, hWnd);
    if (!cb.hList) {
        gComboBoxes.erase(hWnd);
        return -1;
    }
    List(cb, LB_SETITEMHEIGHT, 0, nRowHeight);
    cb.nListHeight = std::max(pCreate->cy - (cb.nFieldItemHeight + 2 * kFieldInset), 0);
    Fit_Field(cb);
    return 0;
}

// ---- dropping the list -----------------------------------------------------------------------

RECT Dropped_Rect(const COMBO_BOX& cb) {
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(cb.hWnd, &rc);
    const int nRow = static_cast<int>(List(cb, LB_GETITEMHEIGHT));
    const int nCount = std::max(1, static_cast<int>(List(cb, LB_GETCOUNT)));
    const int nBorders = 2 * METRIC_BORDER;
    // At least one row; no taller than the rows need.
    const int nHeight = std::clamp(cb.nListHeight, nRow + nBorders, nCount * nRow + nBorders);
    const int nWidth = std::max(static_cast<int>(rc.right - rc.left), cb.nDroppedWidth);
    return {rc.left, rc.bottom, rc.left + nWidth, rc.bottom + nHeight};
}

void Drop_Down(COMBO_BOX& cb) {
    if (cb.bDropped) return;
    const HWND hWnd = cb.hWnd;
    Notify_Parent(cb, CBN_DROPDOWN);
    // The parent may have destroyed the combo box.
    if (!IsWindow(hWnd) || !IsWindow(cb.hList)) return;
    cb.bDropped = true;
    cb.nSelAtDrop = Selection(cb);
    RECT rc = Dropped_Rect(cb);
    SetWindowPos(cb.hList, HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (cb.nSelAtDrop >= 0) List(cb, LB_SETCURSEL, static_cast<WPARAM>(cb.nSelAtDrop));
    SetCapture(cb.hWnd);
    Repaint_Field(cb);
}

// Closes the list: with bChosen the highlighted row becomes the selection (CBN_SELENDOK, and
// CBN_SELCHANGE when it differs), otherwise the selection goes back (CBN_SELENDCANCEL); then
// CBN_CLOSEUP.
void Close_Up(COMBO_BOX& cb, bool bChosen) {
    if (!cb.bDropped) return;
    cb.bDropped = false;
    if (GetCapture() == cb.hWnd) ReleaseCapture();
    ShowWindow(cb.hList, SW_HIDE);
    Repaint_Field(cb);
    const HWND hWnd = cb.hWnd;
    if (bChosen) {
        const bool bChanged = Selection(cb) != cb.nSelAtDrop;
        Notify_Parent(cb, CBN_SELENDOK);
        if (bChanged && IsWindow(hWnd)) Notify_Parent(cb, CBN_SELCHANGE);
    } else {
        List(cb, LB_SETCURSEL, static_cast<WPARAM>(cb.nSelAtDrop));
        Notify_Parent(cb, CBN_SELENDCANCEL);
    }
    if (IsWindow(hWnd)) Notify_Parent(cb, CBN_CLOSEUP);
}

// ---- mouse and keys --------------------------------------------------------------------------

// The point (combo box client coordinates) in the list's client coordinates; false when it is
// outside the list's window.
bool Point_In_List(const COMBO_BOX& cb, POINT* pPt) {
    ClientToScreen(cb.hWnd, pPt);
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(cb.hList, &rc);
    bool bInside = pPt->x >= rc.left && pPt->x < rc.right && pPt->y >= rc.top && pPt->y < rc.bottom;
    ScreenToClient(cb.hList, pPt);
    return bInside;
}

// The list row under the point, or -1 (the list's border or scroll bar, or outside it).
int Row_At(const COMBO_BOX& cb, POINT ptList) {
    LRESULT n = List(cb, LB_ITEMFROMPOINT, 0, MAKELPARAM(ptList.x, ptList.y));
    return HIWORD(n) ? -1 : static_cast<int>(LOWORD(n));
}

void On_Mouse(COMBO_BOX& cb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const bool bPress = uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK;
    if (!cb.bDropped) {
        if (!bPress) return;
        if (GetFocus() != cb.hWnd) SetFocus(cb.hWnd);
        Drop_Down(cb);
        return;
    }
    POINT ptList = pt;
    const bool bInList = Point_In_List(cb, &ptList);
    const int nRow = bInList ? Row_At(cb, ptList) : -1;
    if (nRow >= 0 && nRow != Selection(cb) && uMsg != WM_LBUTTONUP)
        List(cb, LB_SETCURSEL, static_cast<WPARAM>(nRow));
    if (uMsg == WM_LBUTTONUP && nRow >= 0) {
        List(cb, LB_SETCURSEL, static_cast<WPARAM>(nRow));
        Close_Up(cb, true);
    } else if (bPress && bInList && nRow < 0) {
        SendMessageA(cb.hList, WM_LBUTTONDOWN, wParam, MAKELPARAM(ptList.x, ptList.y));
    } else if (bPress && !bInList) {
        Close_Up(cb, false);
    }
}

// A key that moves through the rows: the row it leads to from nFrom, or nFrom.
int Row_After_Key(const COMBO_BOX& cb, UINT uKey, int nFrom) {
    const int nCount = static_cast<int>(List(cb, LB_GETCOUNT));
    if (!nCount) return nFrom;
    const int nRow = std::max(1, static_cast<int>(List(cb, LB_GETITEMHEIGHT)));
    const int nPage = std::max(1, cb.nListHeight / nRow);
    int nTo = nFrom;
    switch (uKey) {
    case VK_UP: nTo = nFrom - 1; break;
    case VK_DOWN: nTo = nFrom + 1; break;
    case VK_PRIOR: nTo = nFrom - (nPage - 1); break;
    case VK_NEXT: nTo = nFrom + (nPage - 1); break;
    case VK_HOME: nTo = 0; break;
    case VK_END: nTo = nCount - 1; break;
    default: return nFrom;
    }
    return std::clamp(nTo, 0, nCount - 1);
}

// With the list closed a new row is chosen at once; while dropped only the highlight moves.
void Move_Selection(COMBO_BOX& cb, int nTo) {
    if (nTo < 0 || nTo == Selection(cb)) return;
    List(cb, LB_SETCURSEL, static_cast<WPARAM>(nTo));
    Repaint_Field(cb);
    if (!cb.bDropped) Notify_Parent(cb, CBN_SELCHANGE);
}

void On_Key(COMBO_BOX& cb, UINT uMsg, UINT uKey) {
    const bool bAlt = uMsg == WM_SYSKEYDOWN;
    if (uKey == VK_F4 || (bAlt && (uKey == VK_DOWN || uKey == VK_UP))) {
        if (cb.bDropped)
            Close_Up(cb, true);
        else
            Drop_Down(cb);
        return;
    }
    if (bAlt) return;
    if (cb.bDropped && (uKey == VK_RETURN || uKey == VK_ESCAPE)) {
        Close_Up(cb, uKey == VK_RETURN);
        return;
    }
    Move_Selection(cb, Row_After_Key(cb, uKey, Selection(cb)));
}

// Typing a character moves to the next row that starts with it.
void On_Char(COMBO_BOX& cb, char ch) {
    if (static_cast<unsigned char>(ch) <= ' ') return;
    char szPrefix[2] = {ch, 0};
    LRESULT n = List(cb, LB_FINDSTRING, static_cast<WPARAM>(Selection(cb)),
                     reinterpret_cast<LPARAM>(szPrefix));
    if (n != LB_ERR) Move_Selection(cb, static_cast<int>(n));
}

// ---- painting --------------------------------------------------------------------------------

void Draw_Field_By_Owner(const COMBO_BOX& cb, HDC hdc, const RECT& rcItem, UINT uState) {
    const int nSel = Selection(cb);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(cb.hWnd));
    dis.itemID = static_cast<UINT>(nSel);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = uState | ODS_COMBOBOXEDIT;
    dis.hwndItem = cb.hWnd;
    dis.hDC = hdc;
    dis.rcItem = rcItem;
    // No selection: CB_ERR, as CB_GETITEMDATA answers for row -1.
    dis.itemData = static_cast<ULONG_PTR>(List(cb, LB_GETITEMDATA, static_cast<WPARAM>(nSel)));
    SendMessageA(GetParent(cb.hWnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void Draw_Field_Text(const COMBO_BOX& cb, HDC hdc, const RECT& rcItem, UINT uState) {
    const int nSel = Selection(cb);
    if (uState & ODS_SELECTED) {
        FillRect(hdc, &rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    if (nSel >= 0) {
        LRESULT nLength = List(cb, LB_GETTEXTLEN, static_cast<WPARAM>(nSel));
        std::string stText(static_cast<size_t>(std::max<LRESULT>(nLength, 0)) + 1, '\0');
        if (nLength >= 0 && List(cb, LB_GETTEXT, static_cast<WPARAM>(nSel),
                                 reinterpret_cast<LPARAM>(stText.data())) >= 0) {
            RECT rcText = {rcItem.left + 2, rcItem.top, rcItem.right - 1, rcItem.bottom};
            DrawTextA(hdc, stText.c_str(), static_cast<int>(nLength), &rcText,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }
    if (uState & ODS_FOCUS) DrawFocusRect(hdc, &rcItem);
}

// The selected row's field and the drop button, inside the sunken edge.
void Field_And_Button(const COMBO_BOX& cb, RECT* pField, RECT* pButton) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(cb.hWnd, &rc);
    rc = Rect_Inflated(rc, -2, -2);  // the sunken edge
    const int nButton =
        std::max(0, std::min(GetSystemMetrics(SM_CXVSCROLL), static_cast<int>(rc.right - rc.left)));
    *pButton = {rc.right - nButton, rc.top, rc.right, rc.bottom};
    *pField = {rc.left, rc.top, pButton->left, rc.bottom};
}

void Paint(const COMBO_BOX& cb, HDC hdc) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(cb.hWnd, &rc);
    const bool bEnabled = IsWindowEnabled(cb.hWnd) != FALSE;
    DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    RECT rcButton, rcField;
    Field_And_Button(cb, &rcField, &rcButton);

    HGDIOBJ hOldFont = SelectObject(hdc, cb.hFont ? cb.hFont : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(hdc, GetSysColor(bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(hdc, GetSysColor(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE));
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(cb.hWnd), bEnabled ? WM_CTLCOLORLISTBOX : WM_CTLCOLORSTATIC,
                     reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(cb.hWnd)));
    if (!hBrush) hBrush = GetSysColorBrush(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE);
    FillRect(hdc, &rcField, hBrush);
    SetBkMode(hdc, TRANSPARENT);

    RECT rcItem = {rcField.left + 1, rcField.top + 1, rcField.right - 1, rcField.bottom - 1};
    UINT uState = bEnabled ? 0 : ODS_DISABLED;
    if (cb.bFocus && !cb.bDropped) uState |= ODS_SELECTED | ODS_FOCUS;
    if (Combo_Owner_Drawn(cb))
        Draw_Field_By_Owner(cb, hdc, rcItem, uState);
    else
        Draw_Field_Text(cb, hdc, rcItem, uState);
    if (hOldFont) SelectObject(hdc, hOldFont);

    UINT uButton = DFCS_SCROLLCOMBOBOX;
    if (cb.bDropped) uButton |= DFCS_PUSHED;
    if (!bEnabled) uButton |= DFCS_INACTIVE;
    DrawFrameControl(hdc, &rcButton, DFC_SCROLL, uButton);
}

// ---- messages --------------------------------------------------------------------------------

// The combo box messages that are the list's messages under another name.
UINT List_Message_For(UINT uMsg) {
    switch (uMsg) {
    case CB_ADDSTRING: return LB_ADDSTRING;
    case CB_INSERTSTRING: return LB_INSERTSTRING;
    case CB_DELETESTRING: return LB_DELETESTRING;
    case CB_RESETCONTENT: return LB_RESETCONTENT;
    case CB_GETCOUNT: return LB_GETCOUNT;
    case CB_GETLBTEXT: return LB_GETTEXT;
    case CB_GETLBTEXTLEN: return LB_GETTEXTLEN;
    case CB_GETITEMDATA: return LB_GETITEMDATA;
    case CB_SETITEMDATA: return LB_SETITEMDATA;
    case CB_FINDSTRING: return LB_FINDSTRING;
    case CB_FINDSTRINGEXACT: return LB_FINDSTRINGEXACT;
    case CB_GETCURSEL: return LB_GETCURSEL;
    case CB_GETTOPINDEX: return LB_GETTOPINDEX;
    case CB_SETTOPINDEX: return LB_SETTOPINDEX;
    default: return 0;
    }
}

LRESULT On_Combo_Message(COMBO_BOX& cb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (UINT uList = List_Message_For(uMsg)) {
        LRESULT n = List(cb, uList, wParam, lParam);
        if (uMsg == CB_DELETESTRING || uMsg == CB_RESETCONTENT || uMsg == CB_INSERTSTRING ||
            uMsg == CB_ADDSTRING)
            Repaint_Field(cb);
        return n;
    }
    switch (uMsg) {
    case CB_SETCURSEL:
    case CB_SELECTSTRING: {
        LRESULT n = List(cb, uMsg == CB_SETCURSEL ? LB_SETCURSEL : LB_SELECTSTRING, wParam, lParam);
        Repaint_Field(cb);
        return n;
    }
    case CB_SETITEMHEIGHT:
        if (lParam <= 0 || lParam > 255) return CB_ERR;
        if (static_cast<int>(wParam) != -1) return List(cb, LB_SETITEMHEIGHT, wParam, lParam);
        cb.nFieldItemHeight = static_cast<int>(lParam);
        Fit_Field(cb);
        Repaint_Field(cb);
        return CB_OKAY;
    case CB_GETITEMHEIGHT:
        return static_cast<int>(wParam) == -1 ? cb.nFieldItemHeight : List(cb, LB_GETITEMHEIGHT);
    case CB_SHOWDROPDOWN:
        if (wParam)
            Drop_Down(cb);
        else
            Close_Up(cb, false);
        return TRUE;
    case CB_GETDROPPEDSTATE: return cb.bDropped ? TRUE : FALSE;
    case CB_SETDROPPEDWIDTH:
        cb.nDroppedWidth = std::max(0, static_cast<int>(wParam));
        return cb.nDroppedWidth;
    case CB_GETDROPPEDWIDTH: return Dropped_Rect(cb).right - Dropped_Rect(cb).left;
    case CB_GETDROPPEDCONTROLRECT: {
        if (!lParam) return CB_ERR;
        RECT rc = Dropped_Rect(cb);
        RECT rcCombo = {0, 0, 0, 0};
        GetWindowRect(cb.hWnd, &rcCombo);
        *reinterpret_cast<RECT*>(lParam) = {rcCombo.left, rcCombo.top, rc.right, rc.bottom};
        return TRUE;
    }
    case CB_LIMITTEXT: return TRUE;
    case CB_GETCOMBOBOXINFO: {
        COMBOBOXINFO* pInfo = reinterpret_cast<COMBOBOXINFO*>(lParam);
        if (!pInfo || pInfo->cbSize != sizeof(COMBOBOXINFO)) return FALSE;
        Field_And_Button(cb, &pInfo->rcItem, &pInfo->rcButton);
        pInfo->stateButton = cb.bDropped ? STATE_SYSTEM_PRESSED : 0;
        pInfo->hwndCombo = cb.hWnd;
        pInfo->hwndItem = nullptr;
        pInfo->hwndList = cb.hList;
        return TRUE;
    }
    default: return CB_ERR;
    }
}

// The window text of a drop-down list combo box is its selected row's text.
LRESULT Get_Selected_Text(const COMBO_BOX& cb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const int nSel = Selection(cb);
    const LRESULT nLength = nSel < 0 ? 0 : List(cb, LB_GETTEXTLEN, static_cast<WPARAM>(nSel));
    if (nLength < 0) return 0;
    if (uMsg == WM_GETTEXTLENGTH) return nLength;
    char* szOut = reinterpret_cast<char*>(lParam);
    if (!szOut || wParam == 0) return 0;
    std::string stText(static_cast<size_t>(nLength) + 1, '\0');
    if (nSel >= 0)
        List(cb, LB_GETTEXT, static_cast<WPARAM>(nSel), reinterpret_cast<LPARAM>(stText.data()));
    const size_t nCopy = std::min(static_cast<size_t>(nLength), static_cast<size_t>(wParam) - 1);
    memcpy(szOut, stText.data(), nCopy);
    szOut[nCopy] = 0;
    return static_cast<LRESULT>(nCopy);
}

bool Is_Combo_Message(UINT uMsg) { return uMsg >= CB_LIMITTEXT && uMsg <= CB_GETCOMBOBOXINFO; }

// Owner-draw and colour messages of the drop-down list, passed on to the parent as the combo
// box's own.
LRESULT Forward_From_List(const COMBO_BOX& cb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DRAWITEM) {
        DRAWITEMSTRUCT dis = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(cb.hWnd));
        dis.hwndItem = cb.hWnd;
        return SendMessageA(GetParent(cb.hWnd), WM_DRAWITEM, dis.CtlID,
                            reinterpret_cast<LPARAM>(&dis));
    }
    return SendMessageA(GetParent(cb.hWnd), uMsg, wParam, lParam);
}

}  // namespace

LRESULT Combo_Box_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_CREATE)
        return Combo_On_Create(hWnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    auto it = gComboBoxes.find(hWnd);
    if (it == gComboBoxes.end()) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    COMBO_BOX& cb = it->second;
    if (Is_Combo_Message(uMsg)) return On_Combo_Message(cb, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hWnd, &ps);
        if (hdc) Paint(cb, hdc);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_DRAWITEM:
    case WM_CTLCOLORLISTBOX: return Forward_From_List(cb, uMsg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: On_Mouse(cb, uMsg, wParam, lParam); return 0;
    case WM_MOUSEWHEEL:
        if (cb.bDropped) return SendMessageA(cb.hList, uMsg, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (cb.bDropped && reinterpret_cast<HWND>(lParam) != hWnd) Close_Up(cb, false);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: On_Key(cb, uMsg, static_cast<UINT>(wParam)); return 0;
    case WM_CHAR: On_Char(cb, static_cast<char>(wParam)); return 0;
    case WM_SETFOCUS:
        cb.bFocus = true;
        Repaint_Field(cb);
        Notify_Parent(cb, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Close_Up(cb, false);
        cb.bFocus = false;
        Repaint_Field(cb);
        Notify_Parent(cb, CBN_KILLFOCUS);
        return 0;
    case WM_SETFONT:
        cb.hFont = reinterpret_cast<HFONT>(wParam);
        List(cb, WM_SETFONT, wParam, lParam);
        if (!Combo_Owner_Drawn(cb)) {
            cb.nFieldItemHeight = Text_Height(hWnd, cb.hFont) + 2;
            Fit_Field(cb);
        }
        if (LOWORD(lParam)) Repaint_Field(cb);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(cb.hFont);
    case WM_ENABLE: Repaint_Field(cb); return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (cb.bDropped ? DLGC_WANTALLKEYS : 0);
    case WM_DESTROY:
        // Going away closes the list without telling the parent.
        cb.bDropped = false;
        if (GetCapture() == hWnd) ReleaseCapture();
        if (IsWindow(cb.hList)) DestroyWindow(cb.hList);
        return 0;
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: return Get_Selected_Text(cb, uMsg, wParam, lParam);
    case WM_NCDESTROY: {
        LRESULT n = DefWindowProcA(hWnd, uMsg, wParam, lParam);
        gComboBoxes.erase(hWnd);
        return n;
    }
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
