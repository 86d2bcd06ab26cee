// The "BUTTON" window class: push buttons, check boxes, radio buttons, group boxes and
// owner-drawn buttons.
#include "../platform_internal.h"

#include <map>
#include <string>
#include <vector>

namespace {

struct BUTTON_STATE {
    UINT uCheck = BST_UNCHECKED;  // BST_CHECKED or BST_INDETERMINATE
    bool bPushed = false;         // drawn pressed: held by the mouse or Space, or BM_SETSTATE
    bool bFocus = false;
    bool bMouseDown = false;  // the left button went down on it and the mouse is captured
    bool bSpaceDown = false;
};

std::map<HWND, BUTTON_STATE> gButtons;

// The side of a check box's square and a radio button's circle.
const int kMarkSize = 13;
// The gap between the mark and its label.
const int kMarkGap = 4;

BUTTON_STATE& Button_State(HWND hWnd) { return gButtons[hWnd]; }

DWORD Button_Style(HWND hWnd) { return static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE)); }
DWORD Button_Type(HWND hWnd) { return Button_Style(hWnd) & BS_TYPEMASK; }

bool Is_Push_Type(DWORD dwType) {
    return dwType == BS_PUSHBUTTON || dwType == BS_DEFPUSHBUTTON || dwType == BS_USERBUTTON;
}
bool Is_Radio_Type(DWORD dwType) {
    return dwType == BS_RADIOBUTTON || dwType == BS_AUTORADIOBUTTON;
}
bool Is_Check_Type(DWORD dwType) {
    return dwType == BS_CHECKBOX || dwType == BS_AUTOCHECKBOX || dwType == BS_3STATE ||
           dwType == BS_AUTO3STATE;
}

// ---- radio groups ------------------------------------------------------------------------------

// The window's siblings in the order they were created (the dialog template's order).
std::vector<HWND> Siblings_In_Creation_Order(HWND hWnd) {
    std::vector<HWND> aSiblings;
    for (HWND h = GetWindow(hWnd, GW_HWNDLAST); h; h = GetWindow(h, GW_HWNDPREV))
        aSiblings.push_back(h);
    return aSiblings;
}

bool Starts_Group(HWND hWnd) { return (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_GROUP) != 0; }

// Checks the radio button and unchecks the other radio buttons of its group: from the nearest
// WS_GROUP sibling at or before it up to the next one.
void Check_In_Group(HWND hWnd) {
    std::vector<HWND> aSiblings = Siblings_In_Creation_Order(hWnd);
    size_t nSelf = 0;
    while (nSelf < aSiblings.size() && aSiblings[nSelf] != hWnd) nSelf++;
    if (nSelf == aSiblings.size()) return;
    size_t nFirst = nSelf;
    while (nFirst > 0 && !Starts_Group(aSiblings[nFirst])) nFirst--;
    size_t nEnd = nSelf + 1;
    while (nEnd < aSiblings.size() && !Starts_Group(aSiblings[nEnd])) nEnd++;
    for (size_t i = nFirst; i < nEnd; i++) {
        HWND h = aSiblings[i];
        bool bRadio = SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON;
        if (h != hWnd && bRadio) SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageA(hWnd, BM_SETCHECK, BST_CHECKED, 0);
}

// ---- clicks ------------------------------------------------------------------------------------

// What a click does: an automatic button changes its check, then the parent hears BN_CLICKED.
void Button_Click(HWND hWnd) {
    BUTTON_STATE& s = Button_State(hWnd);
    switch (Button_Type(hWnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageA(hWnd, BM_SETCHECK, s.uCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE: SendMessageA(hWnd, BM_SETCHECK, (s.uCheck + 1) % 3, 0); break;
    case BS_AUTORADIOBUTTON: Check_In_Group(hWnd); break;
    default: break;
    }
    Control_Notify(hWnd, BN_CLICKED);
}

void Set_Pushed(HWND hWnd, bool bPushed) {
    BUTTON_STATE& s = Button_State(hWnd);
    if (s.bPushed == bPushed) return;
    s.bPushed = bPushed;
    InvalidateRect(hWnd, nullptr, TRUE);
}

bool Point_Inside(HWND hWnd, LPARAM lParam) {
    RECT rc;
    GetClientRect(hWnd, &rc);
    return Rect_Contains(rc, Control_Mouse_Point(lParam));
}

// ---- drawing -----------------------------------------------------------------------------------

UINT Label_Format(DWORD dwStyle, UINT uDefaultAlign) {
    UINT uFormat = (dwStyle & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    switch (dwStyle & BS_CENTER) {
    case BS_LEFT: uFormat |= DT_LEFT; break;
    case BS_RIGHT: uFormat |= DT_RIGHT; break;
    case BS_CENTER: uFormat |= DT_CENTER; break;
    default: uFormat |= uDefaultAlign; break;
    }
    if (!(dwStyle & BS_MULTILINE)) {
        switch (dwStyle & BS_VCENTER) {
        case BS_TOP: break;
        case BS_BOTTOM: uFormat |= DT_BOTTOM; break;
        default: uFormat |= DT_VCENTER; break;
        }
    }
    return uFormat;
}

// Draws the label in rcText; the focus rectangle goes around it when bFocusAround is set.
void Draw_Label(HWND hWnd, HDC hdc, RECT rcText, UINT uFormat, bool bFocusAround) {
    std::string stText = Control_Text(hWnd);
    if (!IsWindowEnabled(hWnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    DrawTextA(hdc, stText.c_str(), -1, &rcText, uFormat);
    if (bFocusAround && Button_State(hWnd).bFocus && !stText.empty()) {
        RECT rcFocus =
            Rect_Inflated(Control_Text_Bounds(hdc, stText.c_str(), rcText, uFormat), 1, 1);
        DrawFocusRect(hdc, &rcFocus);
    }
}

void Draw_Push_Button(HWND hWnd, HDC hdc, RECT rc) {
    const BUTTON_STATE& s = Button_State(hWnd);
    Control_Colors(hWnd, hdc, WM_CTLCOLORBTN, COLOR_BTNFACE);
    if (Button_Type(hWnd) == BS_DEFPUSHBUTTON) {
        FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
        rc = Rect_Inflated(rc, -1, -1);
    }
    RECT rcFace = rc;
    UINT uState = DFCS_BUTTONPUSH | (s.bPushed ? DFCS_PUSHED : 0);
    DrawFrameControl(hdc, &rcFace, DFC_BUTTON, uState);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    RECT rcText = Rect_Inflated(rc, -3, -3);
    if (s.bPushed) rcText = Rect_Moved(rcText, 1, 1);
    Draw_Label(hWnd, hdc, rcText, Label_Format(Button_Style(hWnd), DT_CENTER), false);
    if (s.bFocus) {
        RECT rcFocus = Rect_Inflated(rc, -3, -3);
        DrawFocusRect(hdc, &rcFocus);
    }
}

void Draw_Check_Mark(HDC hdc, const RECT& rcBox, COLORREF cr) {
    HPEN hPen = CreatePen(PS_SOLID, 1, cr);
    HGDIOBJ hOld = SelectObject(hdc, hPen);
    // A tick three pixels thick: down to the bottom point, then up to the right.
    for (int d = 0; d < 3; d++) {
        MoveToEx(hdc, rcBox.left + 3, rcBox.top + 5 + d, nullptr);
        LineTo(hdc, rcBox.left + 5, rcBox.top + 7 + d);
        LineTo(hdc, rcBox.left + 10, rcBox.top + 2 + d);
    }
    SelectObject(hdc, hOld);
    DeleteObject(hPen);
}

void Draw_Radio_Mark(HDC hdc, const RECT& rcBox, bool bChecked, bool bEnabled) {
    HBRUSH hFace = GetSysColorBrush(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE);
    HPEN hRim = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ hOldPen = SelectObject(hdc, hRim);
    HGDIOBJ hOldBrush = SelectObject(hdc, hFace);
    Ellipse(hdc, rcBox.left, rcBox.top, rcBox.right, rcBox.bottom);
    if (bChecked) {
        HBRUSH hDot = GetSysColorBrush(bEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
        SelectObject(hdc, GetStockObject(NULL_PEN));
        SelectObject(hdc, hDot);
        Ellipse(hdc, rcBox.left + 4, rcBox.top + 4, rcBox.right - 3, rcBox.bottom - 3);
    }
    SelectObject(hdc, hOldBrush);
    SelectObject(hdc, hOldPen);
    DeleteObject(hRim);
}

// Check boxes and radio buttons: the mark on the left (on the right with BS_LEFTTEXT), the label
// beside it.
void Draw_Check_Button(HWND hWnd, HDC hdc, RECT rc) {
    const BUTTON_STATE& s = Button_State(hWnd);
    DWORD dwStyle = Button_Style(hWnd);
    bool bEnabled = IsWindowEnabled(hWnd);
    HBRUSH hBack = Control_Colors(hWnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    FillRect(hdc, &rc, hBack);

    bool bMarkRight = (dwStyle & BS_LEFTTEXT) != 0;
    int nTop = (rc.top + rc.bottom - kMarkSize) / 2;
    int nLeft = bMarkRight ? rc.right - kMarkSize : rc.left;
    RECT rcBox = {nLeft, nTop, nLeft + kMarkSize, nTop + kMarkSize};
    if (Is_Radio_Type(Button_Type(hWnd))) {
        Draw_Radio_Mark(hdc, rcBox, s.uCheck == BST_CHECKED, bEnabled);
    } else {
        bool bGreyed = !bEnabled || s.bPushed || s.uCheck == BST_INDETERMINATE;
        RECT rcFace = rcBox;
        FillRect(hdc, &rcFace, GetSysColorBrush(bGreyed ? COLOR_BTNFACE : COLOR_WINDOW));
        DrawEdge(hdc, &rcFace, EDGE_SUNKEN, BF_RECT);
        if (s.uCheck != BST_UNCHECKED) {
            bool bGreyMark = !bEnabled || s.uCheck == BST_INDETERMINATE;
            Draw_Check_Mark(hdc, rcBox, GetSysColor(bGreyMark ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
        }
    }
    RECT rcText = rc;
    if (bMarkRight)
        rcText.right -= kMarkSize + kMarkGap;
    else
        rcText.left += kMarkSize + kMarkGap;
    Draw_Label(hWnd, hdc, rcText, Label_Format(dwStyle, DT_LEFT), true);
}

void Draw_Group_Box(HWND hWnd, HDC hdc, RECT rc) {
    HBRUSH hBack = Control_Colors(hWnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    HGDIOBJ hOldFont = SelectObject(hdc, Control_Font(hWnd));
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    RECT rcFrame = rc;
    rcFrame.top += tm.tmHeight / 2;
    DrawEdge(hdc, &rcFrame, EDGE_ETCHED, BF_RECT);
    std::string stText = Control_Text(hWnd);
    if (!stText.empty()) {
        SIZE size;
        GetTextExtentPoint32A(hdc, stText.c_str(), static_cast<int>(stText.size()), &size);
        RECT rcLabel = {rc.left + 8, rc.top, rc.left + 8 + size.cx + 4, rc.top + tm.tmHeight};
        FillRect(hdc, &rcLabel, hBack);
        rcLabel.left += 2;
        Draw_Label(hWnd, hdc, rcLabel, DT_LEFT | DT_SINGLELINE, false);
    }
    SelectObject(hdc, hOldFont);
}

void Draw_Owner_Button(HWND hWnd, HDC hdc, RECT rc) {
    const BUTTON_STATE& s = Button_State(hWnd);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hWnd));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (s.bPushed ? ODS_SELECTED : 0) | (s.bFocus ? ODS_FOCUS : 0) |
                    (IsWindowEnabled(hWnd) ? 0 : ODS_DISABLED);
    dis.hwndItem = hWnd;
    dis.hDC = hdc;
    dis.rcItem = rc;
    HWND hParent = GetParent(hWnd);
    if (hParent)
        SendMessageA(hParent, WM_DRAWITEM, static_cast<WPARAM>(dis.CtlID),
                     reinterpret_cast<LPARAM>(&dis));
}

void Button_Paint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    RECT rc;
    GetClientRect(hWnd, &rc);
    HGDIOBJ hOldFont = SelectObject(hdc, Control_Font(hWnd));
    DWORD dwType = Button_Type(hWnd);
    if (dwType == BS_OWNERDRAW)
        Draw_Owner_Button(hWnd, hdc, rc);
    else if (dwType == BS_GROUPBOX)
        Draw_Group_Box(hWnd, hdc, rc);
    else if (Is_Push_Type(dwType))
        Draw_Push_Button(hWnd, hdc, rc);
    else
        Draw_Check_Button(hWnd, hdc, rc);
    SelectObject(hdc, hOldFont);
    EndPaint(hWnd, &ps);
}

LRESULT Button_Dialog_Code(HWND hWnd) {
    DWORD dwType = Button_Type(hWnd);
    if (dwType == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (Is_Push_Type(dwType) || dwType == BS_OWNERDRAW) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (Is_Radio_Type(dwType)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
    if (dwType == BS_GROUPBOX) return DLGC_STATIC;
    return DLGC_BUTTON;
}

LRESULT Button_Mouse(HWND hWnd, UINT uMsg, LPARAM lParam) {
    BUTTON_STATE& s = Button_State(hWnd);
    switch (uMsg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!IsWindowEnabled(hWnd)) return 0;
        s.bMouseDown = true;
        SetCapture(hWnd);
        SetFocus(hWnd);
        Set_Pushed(hWnd, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s.bMouseDown) Set_Pushed(hWnd, Point_Inside(hWnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!s.bMouseDown) return 0;
        s.bMouseDown = false;
        bool bInside = Point_Inside(hWnd, lParam);
        Set_Pushed(hWnd, false);
        if (GetCapture() == hWnd) ReleaseCapture();
        if (bInside) Button_Click(hWnd);
        return 0;
    }
    default: return 0;
    }
}

}  // namespace

LRESULT Button_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT nResult = 0;
    if (Control_Handle_Font(hWnd, uMsg, wParam, lParam, &nResult)) return nResult;
    switch (uMsg) {
    case WM_CREATE: gButtons[hWnd] = BUTTON_STATE(); return 0;
    case WM_NCDESTROY:
        gButtons.erase(hWnd);
        Control_Forget(hWnd);
        return 0;
    case WM_PAINT: Button_Paint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETTEXT:
    case WM_ENABLE: return Control_Default_And_Repaint(hWnd, uMsg, wParam, lParam);
    case WM_GETDLGCODE: return Button_Dialog_Code(hWnd);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Button_State(hWnd).bFocus = uMsg == WM_SETFOCUS;
        if (uMsg == WM_KILLFOCUS && Button_State(hWnd).bSpaceDown) {
            Button_State(hWnd).bSpaceDown = false;
            Set_Pushed(hWnd, false);
        }
        InvalidateRect(hWnd, nullptr, TRUE);
        if (Button_Style(hWnd) & BS_NOTIFY)
            Control_Notify(hWnd, uMsg == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return Button_Mouse(hWnd, uMsg, lParam);
    case WM_CAPTURECHANGED:
        if (Button_State(hWnd).bMouseDown && reinterpret_cast<HWND>(lParam) != hWnd) {
            Button_State(hWnd).bMouseDown = false;
            Set_Pushed(hWnd, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && IsWindowEnabled(hWnd)) {
            Button_State(hWnd).bSpaceDown = true;
            Set_Pushed(hWnd, true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && Button_State(hWnd).bSpaceDown) {
            Button_State(hWnd).bSpaceDown = false;
            Set_Pushed(hWnd, false);
            Button_Click(hWnd);
        }
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(hWnd)) Button_Click(hWnd);
        return 0;
    case BM_GETCHECK: return Button_State(hWnd).uCheck;
    case BM_SETCHECK: {
        DWORD dwType = Button_Type(hWnd);
        UINT uCheck = static_cast<UINT>(wParam);
        bool b3State = dwType == BS_3STATE || dwType == BS_AUTO3STATE;
        if (uCheck == BST_INDETERMINATE && !b3State) uCheck = BST_CHECKED;
        if (uCheck > BST_INDETERMINATE || !(Is_Check_Type(dwType) || Is_Radio_Type(dwType)))
            return 0;
        if (Button_State(hWnd).uCheck != uCheck) {
            Button_State(hWnd).uCheck = uCheck;
            InvalidateRect(hWnd, nullptr, TRUE);
        }
        return 0;
    }
    case BM_GETSTATE: {
        const BUTTON_STATE& s = Button_State(hWnd);
        return s.uCheck | (s.bPushed ? BST_PUSHED : 0) | (s.bFocus ? BST_FOCUS : 0);
    }
    case BM_SETSTATE: Set_Pushed(hWnd, wParam != 0); return 0;
    case BM_SETSTYLE: {
        DWORD dwStyle = (Button_Style(hWnd) & ~0xFFFFu) | LOWORD(wParam);
        SetWindowLongPtrA(hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwStyle));
        if (LOWORD(lParam)) InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    }
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

BOOL CheckDlgButton(HWND hDlg, int nId, UINT uCheck) {
    HWND hButton = GetDlgItem(hDlg, nId);
    if (!hButton) return FALSE;
    SendMessageA(hButton, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nId) {
    HWND hButton = GetDlgItem(hDlg, nId);
    return hButton ? static_cast<UINT>(SendMessageA(hButton, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND hDlg, int nFirstId, int nLastId, int nCheckId) {
    if (nFirstId > nLastId) return FALSE;
    for (int nId = nFirstId; nId <= nLastId; nId++) {
        HWND hButton = GetDlgItem(hDlg, nId);
        if (hButton)
            SendMessageA(hButton, BM_SETCHECK, nId == nCheckId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}
