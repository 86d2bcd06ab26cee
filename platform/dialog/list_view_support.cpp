// Notifications, fonts and text measures shared by the list view and its header.
#include "list_view_internal.h"

#include <algorithm>
#include <cstdio>

LRESULT Control_Notify_Parent(HWND hWnd, UINT uCode, NMHDR* pHeader) {
    HWND hParent = GetParent(hWnd);
    pHeader->hwndFrom = hWnd;
    pHeader->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hWnd));
    pHeader->code = uCode;
    if (!hParent) return 0;
    return SendMessageA(hParent, WM_NOTIFY, pHeader->idFrom, reinterpret_cast<LPARAM>(pHeader));
}

HFONT Font_Or_Default(HFONT hSet) {
    return hSet ? hSet : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int Control_Line_Height(HWND hWnd, HFONT hFont) {
    HDC hdc = GetDC(hWnd);
    if (!hdc) return 13;
    HGDIOBJ hOld = SelectObject(hdc, Font_Or_Default(hFont));
    TEXTMETRICA tm = {};
    int nHeight = GetTextMetricsA(hdc, &tm) ? tm.tmHeight : 13;
    SelectObject(hdc, hOld);
    ReleaseDC(hWnd, hdc);
    return nHeight;
}

int Control_Widest_Text(HWND hWnd, HFONT hFont, const std::vector<std::string>& aTexts) {
    HDC hdc = GetDC(hWnd);
    if (!hdc) return 0;
    HGDIOBJ hOld = SelectObject(hdc, Font_Or_Default(hFont));
    int nWidest = 0;
    for (const std::string& stText : aTexts) {
        SIZE size = {};
        if (GetTextExtentPoint32A(hdc, stText.c_str(), static_cast<int>(stText.size()), &size))
            nWidest = std::max(nWidest, static_cast<int>(size.cx));
    }
    SelectObject(hdc, hOld);
    ReleaseDC(hWnd, hdc);
    return nWidest;
}

int Control_Copy_Text(const std::string& stText, char* szOut, int nMax) {
    if (!szOut || nMax <= 0) return 0;
    int nLength =
        static_cast<int>(stText.size()) < nMax - 1 ? static_cast<int>(stText.size()) : nMax - 1;
    snprintf(szOut, static_cast<size_t>(nLength) + 1, "%s", stText.c_str());
    return nLength;
}

BOOL InitCommonControls(void) { return TRUE; }

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX*) { return TRUE; }
