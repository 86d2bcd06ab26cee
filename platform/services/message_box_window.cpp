// A message box as a window the layer draws inside its owner's host: the caption on its frame,
// an icon glyph, the wrapped text and the buttons, which the mouse and keys press.
#include "../platform_internal.h"

#include <algorithm>
#include <map>
#include <string>

namespace {

const char* const kBoxClass = "MessageBoxWindow";
const int kMaxTextWidth = 360;

struct BOX {
    std::string stText;
    UINT uIcon;  // the MB_ICON* bits of the type
    int aIds[3];
    int nCount;
    int nFocus;
    int nPressed;  // the button held down by the mouse, -1 for none
    int nResult;
    MESSAGE_BOX_LAYOUT layout;
};

std::map<HWND, BOX> gBoxes;

// The MB_ICON* bits of a box type, 0 for none (or one the layer does not draw).
UINT Icon_Of(UINT uType) {
    UINT uIcon = uType & 0xF0;
    return uIcon > MB_ICONASTERISK ? 0 : uIcon;
}

BOX* Find_Box(HWND hWnd) {
    auto it = gBoxes.find(hWnd);
    return it == gBoxes.end() ? nullptr : &it->second;
}

// A circle or triangle in the icon's colour with a white sign on it.
void Paint_Icon(HDC hdc, const RECT& rc, UINT uIcon) {
    COLORREF crFill = RGB(30, 90, 200);
    const char* szSign = "i";
    if (uIcon == MB_ICONHAND) crFill = RGB(200, 30, 30), szSign = "X";
    if (uIcon == MB_ICONQUESTION) szSign = "?";
    if (uIcon == MB_ICONEXCLAMATION) crFill = RGB(230, 180, 0), szSign = "!";
    HBRUSH hBrush = CreateSolidBrush(crFill);
    HGDIOBJ hOldBrush = SelectObject(hdc, hBrush);
    HGDIOBJ hOldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    if (uIcon == MB_ICONEXCLAMATION) {
        const POINT aCorners[] = {
            {(rc.left + rc.right) / 2, rc.top}, {rc.right, rc.bottom}, {rc.left, rc.bottom}};
        Polygon(hdc, aCorners, 3);
    } else {
        Ellipse(hdc, rc.left, rc.top, rc.right, rc.bottom);
    }
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldBrush);
    DeleteObject(hBrush);
    SetTextColor(hdc, uIcon == MB_ICONEXCLAMATION ? RGB(0, 0, 0) : RGB(255, 255, 255));
    LOGFONTA lf = {};
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    snprintf(lf.lfFaceName, sizeof(lf.lfFaceName), "%s", "Arial");
    HFONT hFont = CreateFontIndirectA(&lf);
    HGDIOBJ hOldFont = hFont ? SelectObject(hdc, hFont) : nullptr;
    RECT rcSign = {rc.left, rc.top + (uIcon == MB_ICONEXCLAMATION ? 6 : 0), rc.right, rc.bottom};
    DrawTextA(hdc, szSign, -1, &rcSign, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (hFont) {
        SelectObject(hdc, hOldFont);
        DeleteObject(hFont);
    }
}

void Paint_Box(HWND hWnd, const BOX& box) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    FillRect(hdc, &rcClient, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    if (box.uIcon) Paint_Icon(hdc, box.layout.rcIcon, box.uIcon);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    RECT rcText = box.layout.rcText;
    DrawTextA(hdc, box.stText.c_str(), -1, &rcText, MESSAGE_BOX_TEXT_FORMAT);
    Message_Box_Paint_Buttons(hdc, box.layout, box.aIds, box.nFocus, box.nPressed);
    EndPaint(hWnd, &ps);
}

void End_Box(HWND hWnd, BOX* pBox, int nResult) {
    if (!nResult) return;
    pBox->nResult = nResult;
    InvalidateRect(hWnd, nullptr, FALSE);
}

// A press on a button holds it down; releasing over the same button ends the box with it.
void Mouse(HWND hWnd, BOX* pBox, UINT uMsg, LPARAM lParam) {
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    int nAt = Message_Box_Button_At(pBox->layout, pt);
    if (uMsg == WM_LBUTTONDOWN && nAt >= 0) {
        pBox->nPressed = pBox->nFocus = nAt;
        SetCapture(hWnd);
    } else if (uMsg == WM_LBUTTONUP && pBox->nPressed >= 0) {
        int nPressed = pBox->nPressed;
        pBox->nPressed = -1;
        ReleaseCapture();
        if (nAt == nPressed) End_Box(hWnd, pBox, pBox->aIds[nAt]);
    } else {
        return;
    }
    InvalidateRect(hWnd, nullptr, FALSE);
}

LRESULT Box_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    BOX* pBox = Find_Box(hWnd);
    if (!pBox) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_PAINT: Paint_Box(hWnd, *pBox); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: Mouse(hWnd, pBox, uMsg, lParam); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        int nFocus = pBox->nFocus;
        int nResult = Message_Box_Key(pBox->aIds, pBox->nCount, static_cast<UINT>(wParam),
                                      GetKeyState(VK_SHIFT) < 0, &pBox->nFocus);
        if (nFocus != pBox->nFocus) InvalidateRect(hWnd, nullptr, FALSE);
        End_Box(hWnd, pBox, nResult);
        return 0;
    }
    case WM_CLOSE:
        End_Box(hWnd, pBox, Message_Box_Escape_Result(pBox->aIds, pBox->nCount));
        return 0;
    case WM_NCDESTROY: gBoxes.erase(hWnd); break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// The box's top-left corner: centred over the owner (or the screen), inside the owner's host.
POINT Box_Position(HWND hOwner, SIZE size) {
    RECT rcOver = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (hOwner) GetWindowRect(hOwner, &rcOver);
    POINT pt = {(rcOver.left + rcOver.right - size.cx) / 2,
                (rcOver.top + rcOver.bottom - size.cy) / 2};
    RECT rcHost;
    if (hOwner && GetWindowRect(Window_Get_Host(hOwner), &rcHost)) {
        pt.x = std::max(std::min(pt.x, rcHost.right - size.cx), rcHost.left);
        pt.y = std::max(std::min(pt.y, rcHost.bottom - size.cy), rcHost.top);
    }
    return pt;
}

}  // namespace

HWND Message_Box_Window_Create(HWND hOwner, const char* szText, const char* szCaption, UINT uType,
                               int nDefault) {
    if (!hOwner) hOwner = GetActiveWindow();
    if (hOwner) hOwner = Window_Get_Top_Level(hOwner);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Box_Proc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kBoxClass;
    RegisterClassA(&wc);  // fails harmlessly once the class is there

    BOX box = {};
    box.stText = szText;
    box.uIcon = Icon_Of(uType);
    box.nCount = Message_Box_Buttons(uType, box.aIds);
    box.nPressed = -1;
    for (int i = 0; i < box.nCount; i++)
        if (box.aIds[i] == nDefault) box.nFocus = i;
    box.layout = Message_Box_Layout(szText, box.nCount, box.uIcon != 0, kMaxTextWidth);

    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT rc = {0, 0, box.layout.sizeClient.cx, box.layout.sizeClient.cy};
    AdjustWindowRectEx(&rc, dwStyle, FALSE, 0);
    SIZE size = {rc.right - rc.left, rc.bottom - rc.top};
    POINT pt = Box_Position(hOwner, size);
    HWND hBox = CreateWindowExA(0, kBoxClass, szCaption, dwStyle, pt.x, pt.y, size.cx, size.cy,
                                hOwner, nullptr, nullptr, nullptr);
    if (!hBox) return nullptr;
    gBoxes[hBox] = box;
    ShowWindow(hBox, SW_SHOWNORMAL);
    SetActiveWindow(hBox);
    SetFocus(hBox);
    UpdateWindow(hBox);
    return hBox;
}

int Message_Box_Window_Result(HWND hBox) {
    const BOX* pBox = Find_Box(hBox);
    return pBox ? pBox->nResult : 0;
}

// ---- test hooks ------------------------------------------------------------------------------------

TEST_MESSAGE_BOX_LAYOUT Test_Message_Box_Layout(const char* szText, UINT uType) {
    int aIds[3];
    MESSAGE_BOX_LAYOUT layout = Message_Box_Layout(szText, Message_Box_Buttons(uType, aIds),
                                                   Icon_Of(uType) != 0, kMaxTextWidth);
    return {layout.sizeClient, layout.rcIcon, layout.rcText,
            std::vector<RECT>(layout.aButtons, layout.aButtons + layout.nButtons)};
}

HWND Test_Open_Message_Box_Window(HWND hOwner, const char* szText, UINT uType) {
    return Message_Box_Window_Create(hOwner, szText, "test", uType, Message_Box_Default(uType));
}

int Test_Message_Box_Window_Result(HWND hBox) { return Message_Box_Window_Result(hBox); }
