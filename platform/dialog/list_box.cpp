// The "LISTBOX" window class: list boxes with single, multiple or extended selection, sorted
// strings, tab stops, owner-drawn rows and a vertical scroll bar. A list box created with
// LBS_COMBOBOX is a combo box's drop-down list: lpCreateParams names the combo box, which takes
// its messages and drives its mouse and keys.
#include "list_box_internal.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

namespace {

std::map<HWND, std::unique_ptr<LIST_BOX>> gListBoxes;

DWORD Style(const LIST_BOX& lb) {
    return static_cast<DWORD>(GetWindowLongPtrA(lb.hWnd, GWL_STYLE));
}

bool Is_Multiple(const LIST_BOX& lb) {
    return (Style(lb) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

// Owner-drawn rows without LBS_HASSTRINGS keep only their item data.
bool Has_Strings(const LIST_BOX& lb) {
    DWORD dwStyle = Style(lb);
    return !(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (dwStyle & LBS_HASSTRINGS);
}

int Count(const LIST_BOX& lb) { return static_cast<int>(lb.aItems.size()); }

bool Valid(const LIST_BOX& lb, WPARAM nIndex) {
    return static_cast<int>(nIndex) >= 0 && static_cast<int>(nIndex) < Count(lb);
}

LIST_BOX_ITEM& Item(LIST_BOX& lb, WPARAM nIndex) { return lb.aItems[nIndex]; }

int Compare_Row_Text(const std::string& a, const char* b, size_t nLength) {
    for (size_t i = 0; i < nLength; i++) {
        int ca = i < a.size() ? std::tolower(static_cast<unsigned char>(a[i])) : 0;
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (!cb) return 0;
    }
    return 0;
}

void Redraw(const LIST_BOX& lb) { InvalidateRect(lb.hWnd, nullptr, FALSE); }

void Notify(const LIST_BOX& lb, int nCode) {
    if (!(Style(lb) & LBS_NOTIFY) || !lb.hNotify) return;
    int nId = GetDlgCtrlID(lb.hWnd);
    SendMessageA(lb.hNotify, WM_COMMAND, MAKEWPARAM(nId, nCode), reinterpret_cast<LPARAM>(lb.hWnd));
}

int Max_Top(const LIST_BOX& lb) { return std::max(0, Count(lb) - List_Box_Layout(lb).nPage); }

void Set_Top(LIST_BOX& lb, int nTop) {
    nTop = std::clamp(nTop, 0, Max_Top(lb));
    if (nTop == lb.nTop) return;
    lb.nTop = nTop;
    Redraw(lb);
}

void Ensure_Visible(LIST_BOX& lb, int nIndex) {
    if (nIndex < 0) return;
    const int nPage = List_Box_Layout(lb).nPage;
    if (nIndex < lb.nTop)
        Set_Top(lb, nIndex);
    else if (nIndex >= lb.nTop + nPage)
        Set_Top(lb, nIndex - nPage + 1);
}

int Font_Height(const LIST_BOX& lb) {
    HDC hdc = GetDC(lb.hWnd);
    if (!hdc) return 13;
    HGDIOBJ hOld = SelectObject(hdc, lb.hFont ? lb.hFont : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    int nHeight = GetTextMetricsA(hdc, &tm) ? tm.tmHeight : 13;
    if (hOld) SelectObject(hdc, hOld);
    ReleaseDC(lb.hWnd, hdc);
    return std::max(1, nHeight);
}

// The parent tells the height of owner-drawn rows once, when the list box is created.
int Measure_Owner_Drawn_Rows(const LIST_BOX& lb) {
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(lb.hWnd));
    RECT rc = {0, 0, 0, 0};
    GetClientRect(lb.hWnd, &rc);
    mis.itemWidth = static_cast<UINT>(rc.right);
    mis.itemHeight = static_cast<UINT>(Font_Height(lb));
    SendMessageA(lb.hNotify, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    return std::max(1, static_cast<int>(mis.itemHeight));
}

// Without LBS_NOINTEGRALHEIGHT the window shrinks to show whole rows only.
void Fit_Whole_Rows(const LIST_BOX& lb) {
    RECT rcClient = {0, 0, 0, 0}, rcWindow = {0, 0, 0, 0};
    GetClientRect(lb.hWnd, &rcClient);
    GetWindowRect(lb.hWnd, &rcWindow);
    const int nSpare = rcClient.bottom % lb.nItemHeight;
    if (nSpare == 0 || rcClient.bottom < lb.nItemHeight) return;
    SetWindowPos(lb.hWnd, nullptr, 0, 0, rcWindow.right - rcWindow.left,
                 rcWindow.bottom - rcWindow.top - nSpare, SWP_NOMOVE | SWP_NOZORDER);
}

LRESULT On_Create(HWND hWnd, const CREATESTRUCTA* pCreate) {
    auto pState = std::make_unique<LIST_BOX>();
    LIST_BOX& lb = *pState;
    lb.hWnd = hWnd;
    const bool bDropDown = (pCreate->style & LBS_COMBOBOX) && pCreate->lpCreateParams;
    lb.bDropDown = bDropDown;
    lb.hNotify = bDropDown ? static_cast<HWND>(pCreate->lpCreateParams) : GetParent(hWnd);
    gListBoxes[hWnd] = std::move(pState);
    lb.nItemHeight = Font_Height(lb);
    if ((pCreate->style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && !bDropDown)
        lb.nItemHeight = Measure_Owner_Drawn_Rows(lb);
    if (!(pCreate->style & LBS_NOINTEGRALHEIGHT) && !bDropDown) Fit_Whole_Rows(lb);
    return 0;
}

// ---- strings and item data ------------------------------------------------------------------

int Insert_Item(LIST_BOX& lb, int nIndex, LPARAM lParam) {
    LIST_BOX_ITEM item;
    if (Has_Strings(lb)) {
        if (!lParam) return LB_ERR;
        item.stText = reinterpret_cast<const char*>(lParam);
    } else {
        item.nData = static_cast<ULONG_PTR>(lParam);
    }
    lb.aItems.insert(lb.aItems.begin() + nIndex, item);
    if (lb.nSel >= nIndex) lb.nSel++;
    if (lb.nCaret >= nIndex) lb.nCaret++;
    if (lb.nAnchor >= nIndex) lb.nAnchor++;
    Redraw(lb);
    return nIndex;
}

// Sorted list boxes put a string after every string that sorts before it or equals it.
int Sorted_Position(const LIST_BOX& lb, const char* szText) {
    int n = 0;
    while (n < Count(lb) &&
           Compare_Row_Text(lb.aItems[static_cast<size_t>(n)].stText, szText, SIZE_MAX) <= 0)
        n++;
    return n;
}

LRESULT Add_String(LIST_BOX& lb, LPARAM lParam) {
    bool bSorted = (Style(lb) & LBS_SORT) && Has_Strings(lb) && lParam;
    int nIndex = bSorted ? Sorted_Position(lb, reinterpret_cast<const char*>(lParam)) : Count(lb);
    return Insert_Item(lb, nIndex, lParam);
}

LRESULT Delete_String(LIST_BOX& lb, WPARAM wIndex) {
    if (!Valid(lb, wIndex)) return LB_ERR;
    const int nIndex = static_cast<int>(wIndex);
    lb.aItems.erase(lb.aItems.begin() + nIndex);
    for (int* p : {&lb.nSel, &lb.nCaret, &lb.nAnchor}) {
        if (*p == nIndex)
            *p = -1;
        else if (*p > nIndex)
            (*p)--;
    }
    lb.nTop = std::clamp(lb.nTop, 0, Max_Top(lb));
    Redraw(lb);
    return Count(lb);
}

void Reset_Content(LIST_BOX& lb) {
    lb.aItems.clear();
    lb.nSel = lb.nCaret = lb.nAnchor = -1;
    lb.nTop = 0;
    Redraw(lb);
}

LRESULT Get_Text(LIST_BOX& lb, WPARAM wIndex, LPARAM lParam) {
    if (!Valid(lb, wIndex) || !lParam) return LB_ERR;
    LIST_BOX_ITEM& item = Item(lb, wIndex);
    if (!Has_Strings(lb)) {
        memcpy(reinterpret_cast<void*>(lParam), &item.nData, sizeof(item.nData));
        return sizeof(item.nData);
    }
    char* szOut = reinterpret_cast<char*>(lParam);
    memcpy(szOut, item.stText.c_str(), item.stText.size() + 1);
    return static_cast<LRESULT>(item.stText.size());
}

// From the row after nStart, around to nStart itself; a whole match or a prefix match.
LRESULT Find_String(const LIST_BOX& lb, WPARAM wStart, LPARAM lParam, bool bExact) {
    if (!lParam || !Count(lb)) return LB_ERR;
    // Without strings the rows are found by their item data.
    const char* szFind = reinterpret_cast<const char*>(lParam);
    const size_t nLength = bExact || !Has_Strings(lb) ? SIZE_MAX : strlen(szFind);
    const int nStart = Valid(lb, wStart) ? static_cast<int>(wStart) : -1;
    for (int n = 1; n <= Count(lb); n++) {
        int i = (nStart + n) % Count(lb);
        const LIST_BOX_ITEM& item = lb.aItems[static_cast<size_t>(i)];
        bool bMatch = Has_Strings(lb) ? Compare_Row_Text(item.stText, szFind, nLength) == 0
                                      : item.nData == static_cast<ULONG_PTR>(lParam);
        if (bMatch) return i;
    }
    return LB_ERR;
}

// ---- selection -------------------------------------------------------------------------------

LRESULT Set_Cur_Sel(LIST_BOX& lb, WPARAM wIndex) {
    if (Is_Multiple(lb)) return LB_ERR;
    const int nIndex = Valid(lb, wIndex) ? static_cast<int>(wIndex) : -1;
    lb.nSel = lb.nCaret = nIndex;
    Ensure_Visible(lb, nIndex);
    Redraw(lb);
    return nIndex < 0 ? LB_ERR : nIndex;
}

LRESULT Set_Sel(LIST_BOX& lb, bool bSelect, int nIndex) {
    if (!Is_Multiple(lb)) return LB_ERR;
    if (nIndex == -1) {
        for (LIST_BOX_ITEM& item : lb.aItems) item.bSelected = bSelect;
    } else {
        if (!Valid(lb, static_cast<WPARAM>(nIndex))) return LB_ERR;
        Item(lb, static_cast<WPARAM>(nIndex)).bSelected = bSelect;
        lb.nCaret = lb.nAnchor = nIndex;
    }
    Redraw(lb);
    return LB_OKAY;
}

int Selected_Count(const LIST_BOX& lb) {
    return static_cast<int>(std::count_if(lb.aItems.begin(), lb.aItems.end(),
                                          [](const LIST_BOX_ITEM& i) { return i.bSelected; }));
}

LRESULT Get_Sel_Items(const LIST_BOX& lb, WPARAM wMax, LPARAM lParam) {
    if (!Is_Multiple(lb) || !lParam) return LB_ERR;
    INT* pOut = reinterpret_cast<INT*>(lParam);
    int n = 0;
    for (int i = 0; i < Count(lb) && n < static_cast<int>(wMax); i++)
        if (lb.aItems[static_cast<size_t>(i)].bSelected) pOut[n++] = i;
    return n;
}

// Selects only the rows from the anchor to nIndex (extended selection with Shift).
void Select_Range(LIST_BOX& lb, int nIndex) {
    const int nFrom = std::min(std::max(lb.nAnchor, 0), nIndex);
    const int nTo = std::max(std::max(lb.nAnchor, 0), nIndex);
    for (int i = 0; i < Count(lb); i++)
        lb.aItems[static_cast<size_t>(i)].bSelected = i >= nFrom && i <= nTo;
}

// What a user's click or key does to row nIndex; bToggle for a click or Space in multiple
// selection. Sends LBN_SELCHANGE when the selection changed.
void User_Select(LIST_BOX& lb, int nIndex, bool bToggle) {
    if (!Valid(lb, static_cast<WPARAM>(nIndex))) return;
    DWORD dwStyle = Style(lb);
    bool bChanged = false;
    if (dwStyle & LBS_MULTIPLESEL) {
        if (bToggle) {
            LIST_BOX_ITEM& item = Item(lb, static_cast<WPARAM>(nIndex));
            item.bSelected = !item.bSelected;
            bChanged = true;
        }
    } else if (dwStyle & LBS_EXTENDEDSEL) {
        const bool bShift = GetKeyState(VK_SHIFT) < 0, bCtrl = GetKeyState(VK_CONTROL) < 0;
        std::vector<bool> aBefore;
        for (const LIST_BOX_ITEM& item : lb.aItems) aBefore.push_back(item.bSelected);
        if (bShift) {
            Select_Range(lb, nIndex);
        } else if (bCtrl && bToggle) {
            LIST_BOX_ITEM& item = Item(lb, static_cast<WPARAM>(nIndex));
            item.bSelected = !item.bSelected;
            lb.nAnchor = nIndex;
        } else if (!bCtrl) {
            lb.nAnchor = nIndex;
            Select_Range(lb, nIndex);
        }
        for (int i = 0; i < Count(lb); i++)
            bChanged |=
                aBefore[static_cast<size_t>(i)] != lb.aItems[static_cast<size_t>(i)].bSelected;
    } else {
        bChanged = lb.nSel != nIndex;
        lb.nSel = nIndex;
    }
    lb.nCaret = nIndex;
    Ensure_Visible(lb, nIndex);
    Redraw(lb);
    if (bChanged) Notify(lb, LBN_SELCHANGE);
}

// ---- mouse and keys --------------------------------------------------------------------------

LRESULT Item_From_Point(const LIST_BOX& lb, int x, int y) {
    LIST_BOX_LAYOUT layout = List_Box_Layout(lb);
    bool bOutside = x < layout.rcRows.left || x >= layout.rcRows.right || y < layout.rcRows.top ||
                    y >= layout.rcRows.bottom;
    if (!Count(lb)) return MAKELONG(0, 1);
    int nIndex = lb.nTop + (y - layout.rcRows.top) / std::max(1, lb.nItemHeight);
    if (y < layout.rcRows.top) nIndex = lb.nTop - 1;
    if (nIndex >= Count(lb)) bOutside = true;
    nIndex = std::clamp(nIndex, 0, Count(lb) - 1);
    return MAKELONG(nIndex, bOutside ? 1 : 0);
}

void Scroll_By_Part(LIST_BOX& lb, LIST_BOX_SCROLL_PART part, int nPage) {
    switch (part) {
    case LB_SCROLL_LINE_UP: Set_Top(lb, lb.nTop - 1); break;
    case LB_SCROLL_LINE_DOWN: Set_Top(lb, lb.nTop + 1); break;
    case LB_SCROLL_PAGE_UP: Set_Top(lb, lb.nTop - nPage); break;
    case LB_SCROLL_PAGE_DOWN: Set_Top(lb, lb.nTop + nPage); break;
    default: break;
    }
}

void On_Button_Down(LIST_BOX& lb, int x, int y, bool bDouble) {
    if (!lb.bDropDown && GetFocus() != lb.hWnd) SetFocus(lb.hWnd);
    LIST_BOX_LAYOUT layout = List_Box_Layout(lb);
    LIST_BOX_SCROLL_PART part =
        List_Box_Scroll_Bar_Hit(layout.rcScrollBar, lb.nTop, layout.nPage, Count(lb), {x, y});
    if (part == LB_SCROLL_THUMB && !lb.bDropDown) {
        lb.nThumbDragY = y;
        lb.nThumbDragTop = lb.nTop;
        SetCapture(lb.hWnd);
        return;
    }
    if (part != LB_SCROLL_NONE) {
        Scroll_By_Part(lb, part, layout.nPage);
        return;
    }
    LRESULT nHit = Item_From_Point(lb, x, y);
    if (HIWORD(nHit) || lb.bDropDown) return;
    User_Select(lb, LOWORD(nHit), true);
    if (bDouble) Notify(lb, LBN_DBLCLK);
}

// The next row after the caret whose text starts with the character, around the list.
int Row_Starting_With(const LIST_BOX& lb, char ch) {
    char szPrefix[2] = {ch, 0};
    LRESULT n =
        Find_String(lb, static_cast<WPARAM>(lb.nCaret), reinterpret_cast<LPARAM>(szPrefix), false);
    return static_cast<int>(n);
}

void On_Key_Down(LIST_BOX& lb, UINT uKey) {
    if (!Count(lb)) return;
    const int nPage = List_Box_Layout(lb).nPage;
    const int nFrom = lb.nCaret >= 0 ? lb.nCaret : (lb.nSel >= 0 ? lb.nSel : -1);
    int nTo = nFrom;
    switch (uKey) {
    case VK_UP: nTo = nFrom - 1; break;
    case VK_DOWN: nTo = nFrom + 1; break;
    case VK_PRIOR: nTo = nFrom - (nPage - 1); break;
    case VK_NEXT: nTo = nFrom + (nPage - 1); break;
    case VK_HOME: nTo = 0; break;
    case VK_END: nTo = Count(lb) - 1; break;
    case VK_SPACE:
        if (Is_Multiple(lb) && nFrom >= 0) User_Select(lb, nFrom, true);
        return;
    default: return;
    }
    nTo = std::clamp(nTo, 0, Count(lb) - 1);
    if (Style(lb) & LBS_MULTIPLESEL) {
        lb.nCaret = nTo;
        Ensure_Visible(lb, nTo);
        Redraw(lb);
        return;
    }
    User_Select(lb, nTo, false);
}

LIST_BOX* Find_List_Box(HWND hWnd) {
    auto it = gListBoxes.find(hWnd);
    return it == gListBoxes.end() ? nullptr : it->second.get();
}

LRESULT On_Content_Message(LIST_BOX& lb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case LB_ADDSTRING: return Add_String(lb, lParam);
    case LB_INSERTSTRING: {
        int nIndex = static_cast<int>(wParam);
        if (nIndex == -1) nIndex = Count(lb);
        if (nIndex < 0 || nIndex > Count(lb)) return LB_ERR;
        return Insert_Item(lb, nIndex, lParam);
    }
    case LB_DELETESTRING: return Delete_String(lb, wParam);
    case LB_RESETCONTENT: Reset_Content(lb); return 0;
    case LB_GETCOUNT: return Count(lb);
    case LB_GETTEXT: return Get_Text(lb, wParam, lParam);
    case LB_GETTEXTLEN:
        if (!Valid(lb, wParam)) return LB_ERR;
        return Has_Strings(lb) ? static_cast<LRESULT>(Item(lb, wParam).stText.size())
                               : static_cast<LRESULT>(sizeof(ULONG_PTR));
    case LB_GETITEMDATA:
        return Valid(lb, wParam) ? static_cast<LRESULT>(Item(lb, wParam).nData) : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(lb, wParam)) return LB_ERR;
        Item(lb, wParam).nData = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_FINDSTRING: return Find_String(lb, wParam, lParam, false);
    case LB_FINDSTRINGEXACT: return Find_String(lb, wParam, lParam, true);
    case LB_SELECTSTRING: {
        LRESULT n = Find_String(lb, wParam, lParam, false);
        if (n == LB_ERR || Is_Multiple(lb)) return LB_ERR;
        return Set_Cur_Sel(lb, static_cast<WPARAM>(n));
    }
    default: return LB_ERR;
    }
}

LRESULT On_Selection_Message(LIST_BOX& lb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case LB_SETCURSEL: return Set_Cur_Sel(lb, wParam);
    case LB_GETCURSEL: return Is_Multiple(lb) ? lb.nCaret : lb.nSel;
    case LB_SETSEL: return Set_Sel(lb, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL:
        return Valid(lb, wParam) ? (List_Box_Is_Selected(lb, static_cast<int>(wParam)) ? 1 : 0)
                                 : LB_ERR;
    case LB_GETSELCOUNT: return Is_Multiple(lb) ? Selected_Count(lb) : LB_ERR;
    case LB_GETSELITEMS: return Get_Sel_Items(lb, wParam, lParam);
    case LB_SETCARETINDEX:
        if (!Valid(lb, wParam)) return LB_ERR;
        lb.nCaret = static_cast<int>(wParam);
        Ensure_Visible(lb, lb.nCaret);
        Redraw(lb);
        return LB_OKAY;
    case LB_GETCARETINDEX: return lb.nCaret;
    default: return LB_ERR;
    }
}

LRESULT On_Layout_Message(LIST_BOX& lb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case LB_SETTOPINDEX:
        if (!Valid(lb, wParam) && wParam != 0) return LB_ERR;
        Set_Top(lb, static_cast<int>(wParam));
        return LB_OKAY;
    case LB_GETTOPINDEX: return lb.nTop;
    case LB_SETITEMHEIGHT:
        if (lParam <= 0 || lParam > 255) return LB_ERR;
        lb.nItemHeight = static_cast<int>(lParam);
        lb.nTop = std::clamp(lb.nTop, 0, Max_Top(lb));
        Redraw(lb);
        return LB_OKAY;
    case LB_GETITEMHEIGHT: return lb.nItemHeight;
    case LB_GETITEMRECT:
        if (!lParam || (!Valid(lb, wParam) && !(wParam == 0 && !Count(lb)))) return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = List_Box_Item_Rect(lb, static_cast<int>(wParam));
        return 1;
    case LB_ITEMFROMPOINT:
        return Item_From_Point(lb, static_cast<short>(LOWORD(lParam)),
                               static_cast<short>(HIWORD(lParam)));
    case LB_SETTABSTOPS: {
        if (wParam && !lParam) return FALSE;
        const int nBaseX = LOWORD(GetDialogBaseUnits());
        lb.aTabStops.clear();
        const INT* pStops = reinterpret_cast<const INT*>(lParam);
        for (WPARAM i = 0; i < wParam; i++) lb.aTabStops.push_back(pStops[i] * nBaseX / 4);
        Redraw(lb);
        return TRUE;
    }
    case LB_SETHORIZONTALEXTENT: return 0;
    case LB_GETHORIZONTALEXTENT: return 0;
    default: return LB_ERR;
    }
}

bool Is_List_Box_Message(UINT uMsg) { return uMsg >= LB_ADDSTRING && uMsg <= LB_ITEMFROMPOINT; }

LRESULT On_List_Box_Message(LIST_BOX& lb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case LB_SETCURSEL:
    case LB_GETCURSEL:
    case LB_SETSEL:
    case LB_GETSEL:
    case LB_GETSELCOUNT:
    case LB_GETSELITEMS:
    case LB_SETCARETINDEX:
    case LB_GETCARETINDEX: return On_Selection_Message(lb, uMsg, wParam, lParam);
    case LB_SETTOPINDEX:
    case LB_GETTOPINDEX:
    case LB_SETITEMHEIGHT:
    case LB_GETITEMHEIGHT:
    case LB_GETITEMRECT:
    case LB_ITEMFROMPOINT:
    case LB_SETTABSTOPS:
    case LB_SETHORIZONTALEXTENT:
    case LB_GETHORIZONTALEXTENT: return On_Layout_Message(lb, uMsg, wParam, lParam);
    default: return On_Content_Message(lb, uMsg, wParam, lParam);
    }
}

// Messages from the user. A drop-down list only scrolls: its combo box chooses the rows.
bool On_Input(LIST_BOX& lb, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (uMsg) {
    case WM_LBUTTONDOWN: On_Button_Down(lb, x, y, false); return true;
    case WM_LBUTTONDBLCLK: On_Button_Down(lb, x, y, true); return true;
    case WM_MOUSEMOVE:
        if (lb.nThumbDragY >= 0) {
            LIST_BOX_LAYOUT layout = List_Box_Layout(lb);
            Set_Top(lb, List_Box_Scroll_Bar_Drag(layout.rcScrollBar, layout.nPage, Count(lb),
                                                 lb.nThumbDragTop, y - lb.nThumbDragY));
        }
        return true;
    case WM_LBUTTONUP:
        if (lb.nThumbDragY >= 0 && GetCapture() == lb.hWnd) ReleaseCapture();
        lb.nThumbDragY = -1;
        return true;
    case WM_CAPTURECHANGED: lb.nThumbDragY = -1; return true;
    case WM_MOUSEWHEEL:
        Set_Top(lb, lb.nTop - 3 * static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA);
        return true;
    case WM_KEYDOWN:
        if (!lb.bDropDown) On_Key_Down(lb, static_cast<UINT>(wParam));
        return true;
    case WM_CHAR:
        if (wParam > ' ' && !lb.bDropDown)
            User_Select(lb, Row_Starting_With(lb, static_cast<char>(wParam)), false);
        return true;
    default: return false;
    }
}

}  // namespace

bool List_Box_Is_Selected(const LIST_BOX& lb, int nIndex) {
    if (nIndex < 0 || nIndex >= Count(lb)) return false;
    return Is_Multiple(lb) ? lb.aItems[static_cast<size_t>(nIndex)].bSelected : nIndex == lb.nSel;
}

LRESULT List_Box_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_CREATE) return On_Create(hWnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    LIST_BOX* pLb = Find_List_Box(hWnd);
    if (!pLb) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    LIST_BOX& lb = *pLb;
    if (Is_List_Box_Message(uMsg)) return On_List_Box_Message(lb, uMsg, wParam, lParam);
    if (On_Input(lb, uMsg, wParam, lParam)) return 0;
    switch (uMsg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hWnd, &ps);
        if (hdc) List_Box_Paint(lb, hdc);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT:
        lb.hFont = reinterpret_cast<HFONT>(wParam);
        if (!(Style(lb) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
            lb.nItemHeight = Font_Height(lb);
        if (LOWORD(lParam)) Redraw(lb);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(lb.hFont);
    case WM_SETFOCUS:
        lb.bFocus = true;
        if (lb.nCaret < 0 && Count(lb)) lb.nCaret = lb.nSel >= 0 ? lb.nSel : 0;
        Redraw(lb);
        Notify(lb, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        lb.bFocus = false;
        Redraw(lb);
        Notify(lb, LBN_KILLFOCUS);
        return 0;
    case WM_SIZE:
        lb.nTop = std::clamp(lb.nTop, 0, Max_Top(lb));
        Redraw(lb);
        return 0;
    case WM_ENABLE: Redraw(lb); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NCDESTROY: {
        LRESULT n = DefWindowProcA(hWnd, uMsg, wParam, lParam);
        gListBoxes.erase(hWnd);
        return n;
    }
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
