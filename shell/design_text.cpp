// Text laid out in the design space: scaled rectangles, vertical centring, shadows.
// Every size scales alike, the reference size 1024 x 676 included.
#include "shell/shell.h"

#define DESIGN_TEXT_MARGIN_DIVISOR 20  // the centred text keeps a twentieth of the width each side

// DT_VCENTER without DT_SINGLELINE centres a measured block of lines; returns DrawText's height.
int Draw_Text_Centred_Vertically(const char* szText, HDC hdc, const RECT* pRect, UINT uFlags) {
    if (!szText)
        szText = "";
    RECT rect = *pRect;
    if ((uFlags & DT_VCENTER) && !(uFlags & DT_SINGLELINE)) {
        RECT measured = rect;
        DrawTextA(hdc, szText, -1, &measured, uFlags | DT_NOPREFIX | DT_CALCRECT);
        int nSpare = (rect.bottom - rect.top) - (measured.bottom - measured.top);
        rect.top += nSpare / 2;
    }
    return DrawTextA(hdc, szText, -1, &rect, uFlags | DT_NOPREFIX);
}

// The height drawn, in design units when scaled.
int Draw_Design_Text(HDC hdc, const char* szText, RECT* pRect, UINT uFlags, int bScale) {
    RECT rect = *pRect;
    if (bScale)
        Scale_Design_Rect(&rect);
    int nHeight = Draw_Text_Centred_Vertically(szText, hdc, &rect, uFlags);
    if (bScale) {
        RECT client;
        Get_Page_Client_Rect(&client);
        nHeight = Unscale_Design_Y(&client, nHeight);
    }
    return nHeight;
}

int Draw_Design_Text_Scaled(HDC hdc, const char* szText, RECT* pRect, UINT uFlags) {
    return Draw_Design_Text(hdc, szText, pRect, uFlags, 1);
}

int Draw_Design_Text_Colour(const char* szText, HDC hdc, COLORREF colour, RECT* pRect,
                            UINT uFlags) {
    SetTextColor(hdc, colour);
    return Draw_Design_Text(hdc, szText, pRect, uFlags, 1);
}

// Scales the caller's rectangle in place, narrows it and fits the text with the best font.
int Draw_Design_Text_Centered(HDC hdc, RECT* pRect, const char* szText, int nPreferred) {
    Scale_Design_Rect(pRect);
    int nMargin = (pRect->right - pRect->left) / DESIGN_TEXT_MARGIN_DIVISOR;
    pRect->left += nMargin;
    pRect->right -= nMargin;
    return Draw_Text_Best_Font(hdc, pRect, szText, DT_WORDBREAK | DT_CENTER, nPreferred);
}

// A black copy one pixel right and down, then the text in the DC's own colour.
int Draw_Shadowed_Design_Text(HDC hdc, const char* szText, const RECT* pRect, UINT uFormat) {
    RECT rect = *pRect;
    Scale_Design_Rect(&rect);
    RECT shadow = {rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
    COLORREF colour = SetTextColor(hdc, RGB(0, 0, 0));
    Draw_Text_Centred_Vertically(szText, hdc, &shadow, uFormat);
    SetTextColor(hdc, colour);
    return Draw_Text_Centred_Vertically(szText, hdc, &rect, uFormat);
}

// The shadow is one design unit right and down, so it grows with the window.
int Draw_Shadowed_Text_Colour(HDC hdc, const char* szText, COLORREF colour, const RECT* pRect,
                              UINT uFormat) {
    RECT shadow = {pRect->left + 1, pRect->top + 1, pRect->right + 1, pRect->bottom + 1};
    Draw_Design_Text_Colour(szText, hdc, RGB(0, 0, 0), &shadow, uFormat);
    RECT rect = *pRect;
    return Draw_Design_Text_Colour(szText, hdc, colour, &rect, uFormat);
}
