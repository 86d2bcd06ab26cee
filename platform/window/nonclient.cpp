// The non-client area the layer draws itself (every window headless, dialogs and popups inside
// the SDL window): a classic raised frame or a plain border, the caption bar in the active or
// inactive caption colour with the title and a close box, and the sunken client edge.
#include "window_data.h"

namespace {

const int kCaptionButtonWidth = 16;
const int kCaptionButtonHeight = 14;

bool Has_Nonclient(const WINDOW_DATA* w) {
    RECT rc = Window_Nonclient_Insets(w->dwStyle, w->dwExStyle, 0);
    return rc.left || rc.top;
}

// Fills the band between rc and rc shrunk by n on every side.
void Fill_Band(HDC hdc, RECT rc, int n, HBRUSH hBrush) {
    for (int i = 0; i < n; i++) {
        FrameRect(hdc, &rc, hBrush);
        rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    }
}

void Draw_Caption(HDC hdc, const WINDOW_DATA* w, RECT rc) {
    bool bActive = GetActiveWindow() == w->hWnd;
    FillRect(hdc, &rc, GetSysColorBrush(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    if (w->dwStyle & WS_SYSMENU) {
        int nTop = rc.top + (rc.bottom - rc.top - kCaptionButtonHeight) / 2;
        RECT rcClose = {rc.right - 2 - kCaptionButtonWidth, nTop, rc.right - 2,
                        nTop + kCaptionButtonHeight};
        DrawFrameControl(hdc, &rcClose, DFC_CAPTION, DFCS_CAPTIONCLOSE);
        rc.right = rcClose.left;
    }
    LOGFONTA lf = {};
    lf.lfHeight = -11;
    lf.lfWeight = FW_BOLD;
    snprintf(lf.lfFaceName, sizeof(lf.lfFaceName), "%s", "Tahoma");
    HFONT hFont = CreateFontIndirectA(&lf);
    HGDIOBJ hOldFont = hFont ? SelectObject(hdc, hFont) : nullptr;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    RECT rcText = {rc.left + 4, rc.top, rc.right - 2, rc.bottom};
    DrawTextA(hdc, w->stText.c_str(), static_cast<int>(w->stText.size()), &rcText,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (hOldFont) SelectObject(hdc, hOldFont);
    if (hFont) DeleteObject(hFont);
}

}  // namespace

void Window_Paint_Frame_If_Needed(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !w->bFrameInvalid || !IsWindowVisible(hWnd)) return;
    w->bFrameInvalid = false;
    if (Has_Nonclient(w)) SendMessageA(hWnd, WM_NCPAINT, 1, 0);
}

void Window_Draw_Nonclient(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !Has_Nonclient(w)) return;
    HDC hdc = GetWindowDC(hWnd);
    if (!hdc) return;
    RECT rc = {0, 0, w->rcWindow.right - w->rcWindow.left, w->rcWindow.bottom - w->rcWindow.top};
    // The frame alone, without the edges inside it.
    DWORD dwFrameExStyle = w->dwExStyle & ~static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
    int nFrame = Window_Nonclient_Insets(w->dwStyle, dwFrameExStyle, 0).left;
    if (nFrame == METRIC_BORDER) {
        FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
    } else if (nFrame > 0) {
        RECT rcInner = rc;
        DrawEdge(hdc, &rcInner, EDGE_RAISED, BF_RECT | BF_ADJUST);
        Fill_Band(hdc, rcInner, nFrame - 2, GetSysColorBrush(COLOR_BTNFACE));
    }
    if ((w->dwStyle & WS_CAPTION) == WS_CAPTION)
        Draw_Caption(hdc, w, {nFrame, nFrame, rc.right - nFrame, nFrame + METRIC_CAPTION});
    if (w->dwExStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) {
        RECT rcClient = Window_Client_In_Surface(hWnd);
        RECT rcFrame = Window_Frame_In_Surface(hWnd);
        int nEdge = (w->dwExStyle & WS_EX_CLIENTEDGE) ? METRIC_EDGE : METRIC_BORDER;
        RECT rcEdge = {rcClient.left - rcFrame.left - nEdge, rcClient.top - rcFrame.top - nEdge,
                       rcClient.right - rcFrame.left + nEdge,
                       rcClient.bottom - rcFrame.top + nEdge};
        DrawEdge(hdc, &rcEdge, (w->dwExStyle & WS_EX_CLIENTEDGE) ? EDGE_SUNKEN : BDR_SUNKENOUTER,
                 BF_RECT);
    }
    ReleaseDC(hWnd, hdc);
    Menu_Paint(hWnd);  // the menu bar sits inside the frame
}
