// Text fitted to a rectangle: the largest application font that holds it, centred.
#include "shell/shell.h"

// The fonts tried, largest first.
static const int BEST_FONT_ORDER[] = {15, 11, 9, 7, 6, 5, 4, 3, 2, 1};
#define BEST_FONT_COUNT ((int)(sizeof(BEST_FONT_ORDER) / sizeof(BEST_FONT_ORDER[0])))
#define BEST_FONT_DEFAULT_START 1  // font 11

static int Find_Best_Font_Start(int nPreferred) {
    for (int n = 0; n < BEST_FONT_COUNT; n++) {
        if (BEST_FONT_ORDER[n] == nPreferred)
            return n;
    }
    return BEST_FONT_DEFAULT_START;
}

// Returns the font number used; the text is drawn in the last font, 1, whatever its size.
int Draw_Text_Best_Font(HDC hdc, RECT* pRect, const char* szText, UINT uFormat, int nPreferred) {
    if (!szText)
        szText = "";
    int nWidth = pRect->right - pRect->left;
    int nHeight = pRect->bottom - pRect->top;
    int nPlace = Find_Best_Font_Start(nPreferred);
    for (;; nPlace++) {
        int nFont = BEST_FONT_ORDER[nPlace];
        HFONT hFont = Take_App_Font(nFont);
        int nSaved = SaveDC(hdc);
        if (hFont)
            SelectObject(hdc, hFont);
        RECT measured = *pRect;
        DrawTextA(hdc, szText, -1, &measured, uFormat | DT_CALCRECT);
        int nMeasuredWidth = measured.right - measured.left;
        int nMeasuredHeight = measured.bottom - measured.top;
        int bFits = nMeasuredWidth <= nWidth && nMeasuredHeight <= nHeight;
        if (bFits || nPlace == BEST_FONT_COUNT - 1) {
            int nSpareX = nWidth - nMeasuredWidth;
            int nSpareY = nHeight - nMeasuredHeight;
            measured.left = pRect->left + (nSpareX > 0 ? nSpareX / 2 : 0);
            measured.top = pRect->top + (nSpareY > 0 ? nSpareY / 2 : 0);
            measured.right = measured.left + nMeasuredWidth;
            measured.bottom = measured.top + nMeasuredHeight;
            DrawTextA(hdc, szText, -1, &measured, uFormat);
            RestoreDC(hdc, nSaved);
            Release_App_Font(hFont);
            return nFont;
        }
        RestoreDC(hdc, nSaved);
        Release_App_Font(hFont);
    }
}

// Over a control's rectangle, in the dialog's client coordinates; -1 without the control.
int Draw_Text_Over_Dialog_Item(HWND hDlg, HDC hdc, const char* szText, UINT uFormat, int nControl) {
    HWND hControl = GetDlgItem(hDlg, nControl);
    if (!hControl)
        return -1;
    RECT rect;
    GetWindowRect(hControl, &rect);
    MapWindowPoints(NULL, hDlg, (POINT*)&rect, 2);
    return Draw_Text_Best_Font(hdc, &rect, szText, uFormat, -1);
}
