// Where the menus lie in a top-level window's surface: the bar's items from their text widths,
// the items of a drop-down stacked below its top-left corner, and where a drop-down is placed.
#include "menu_internal.h"

#include <algorithm>

namespace {

const int kBarItemPadding = 8;   // left and right of a bar item's text
const int kDropItemHeight = 20;  // a text item in a drop-down
const int kDropSeparatorHeight = 8;
const int kDropShortcutGap = 24;  // between an item's text and its shortcut text
const int kDropMinWidth = 80;

// The text's width in the menu font.
int Text_Width(const std::string& stText) {
    if (stText.empty()) return 0;
    HDC hdc = GetDC(nullptr);
    if (!hdc) return 0;
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, stText.c_str(), static_cast<int>(stText.size()), &size);
    ReleaseDC(nullptr, hdc);
    return size.cx;
}

// The width of the drop-down column holding items nFirst up to nEnd: room for the widest label
// and the widest shortcut text.
int Column_Width(const std::vector<MENU_ITEM>& aItems, size_t nFirst, size_t nEnd) {
    int nLabelWidth = 0, nShortcutWidth = 0;
    for (size_t i = nFirst; i < nEnd; i++) {
        std::string stLabel, stShortcut;
        Menu_Split_Label(aItems[i].stText, &stLabel, &stShortcut);
        nLabelWidth = std::max(nLabelWidth, Text_Width(stLabel));
        nShortcutWidth = std::max(nShortcutWidth, Text_Width(stShortcut));
    }
    int nWidth = MENU_DROP_TEXT_LEFT + nLabelWidth + MENU_DROP_TEXT_RIGHT;
    if (nShortcutWidth > 0) nWidth += kDropShortcutGap + nShortcutWidth;
    return std::max(nWidth, kDropMinWidth);
}

}  // namespace

RECT Menu_Bar_Rect(HWND hTop) {
    RECT rcClient = Window_Client_In_Surface(hTop);
    return {rcClient.left, rcClient.top - Menu_Bar_Height(hTop), rcClient.right, rcClient.top};
}

void Menu_Split_Label(const std::string& stText, std::string* pLabel, std::string* pShortcut) {
    std::string stShown;
    for (size_t i = 0; i < stText.size(); i++) {
        if (stText[i] == '&' && i + 1 < stText.size()) i++;
        stShown += stText[i];
    }
    size_t nTab = stShown.find('\t');
    *pLabel = stShown.substr(0, nTab);
    *pShortcut = nTab == std::string::npos ? "" : stShown.substr(nTab + 1);
}

std::vector<RECT> Menu_Bar_Item_Rects(HWND hTop) {
    std::vector<RECT> aRects;
    const std::vector<MENU_ITEM>* pItems =
        Menu_Get_Items(Menu_Bar_Height(hTop) > 0 ? GetMenu(hTop) : nullptr);
    if (!pItems) return aRects;
    RECT rcBar = Menu_Bar_Rect(hTop);
    std::vector<int> aWidths;
    int nRightStart = static_cast<int>(pItems->size());
    for (size_t i = 0; i < pItems->size(); i++) {
        std::string stLabel, stShortcut;
        Menu_Split_Label((*pItems)[i].stText, &stLabel, &stShortcut);
        aWidths.push_back(Text_Width(stLabel) + 2 * kBarItemPadding);
        if (((*pItems)[i].uFlags & MF_RIGHTJUSTIFY) &&
            nRightStart == static_cast<int>(pItems->size()))
            nRightStart = static_cast<int>(i);
    }
    int nRightWidth = 0;
    for (size_t i = static_cast<size_t>(nRightStart); i < aWidths.size(); i++)
        nRightWidth += aWidths[i];
    int x = rcBar.left;
    for (size_t i = 0; i < aWidths.size(); i++) {
        if (static_cast<int>(i) == nRightStart) x = std::max(x, rcBar.right - nRightWidth);
        aRects.push_back({x, rcBar.top, x + aWidths[i], rcBar.bottom});
        x += aWidths[i];
    }
    return aRects;
}

std::vector<RECT> Menu_Drop_Item_Rects(HMENU hMenu, int x, int y) {
    std::vector<RECT> aRects;
    const std::vector<MENU_ITEM>* pItems = Menu_Get_Items(hMenu);
    if (!pItems) return aRects;
    const std::vector<MENU_ITEM>& aItems = *pItems;
    int xColumn = x;
    for (size_t nFirst = 0; nFirst < aItems.size();) {
        size_t nEnd = nFirst + 1;
        while (nEnd < aItems.size() && !(aItems[nEnd].uFlags & (MF_MENUBREAK | MF_MENUBARBREAK)))
            nEnd++;
        int nWidth = Column_Width(aItems, nFirst, nEnd);
        int yItem = y;
        for (size_t i = nFirst; i < nEnd; i++) {
            int nHeight = aItems[i].uFlags & MF_SEPARATOR ? kDropSeparatorHeight : kDropItemHeight;
            aRects.push_back({xColumn, yItem, xColumn + nWidth, yItem + nHeight});
            yItem += nHeight;
        }
        xColumn += nWidth;
        nFirst = nEnd;
    }
    return aRects;
}

RECT Menu_Drop_Area(const std::vector<RECT>& aItemRects) {
    if (aItemRects.empty()) return {0, 0, 0, 0};
    // Columns run left to right from the first item; the tallest sets the bottom.
    LONG nBottom = aItemRects.front().bottom;
    for (const RECT& rc : aItemRects) nBottom = std::max(nBottom, rc.bottom);
    return {aItemRects.front().left, aItemRects.front().top, aItemRects.back().right, nBottom};
}

RECT Menu_Shown_Area(HWND hTop) {
    if (!Window_Is_Host(hTop)) return Window_Frame_In_Surface(hTop);
    RECT rc = Window_Client_In_Surface(hTop);
    rc.top -= Menu_Bar_Height(hTop);
    return rc;
}

namespace {

// One axis of the placement: the start of a length nLength aligned at nAt (0: starting there,
// 1: centred on it, 2: ending there), moved to end at nOther when it runs past nMax, then kept
// between nMin and nMax.
LONG Place_Axis(LONG nLength, LONG nAt, int nAlign, LONG nOther, LONG nMin, LONG nMax) {
    LONG nStart = nAlign == 0 ? nAt : (nAlign == 1 ? nAt - nLength / 2 : nAt - nLength);
    if (nStart + nLength > nMax) nStart = nOther - nLength;
    nStart = std::min(nStart, nMax - nLength);
    return std::max(nStart, nMin);
}

}  // namespace

POINT Menu_Place_Drop_Down(SIZE size, const MENU_ANCHOR& anchor, const RECT& rcBounds) {
    int nHorizontal =
        anchor.uAlign & TPM_RIGHTALIGN ? 2 : (anchor.uAlign & TPM_CENTERALIGN ? 1 : 0);
    int nVertical =
        anchor.uAlign & TPM_BOTTOMALIGN ? 2 : (anchor.uAlign & TPM_VCENTERALIGN ? 1 : 0);
    return {Place_Axis(size.cx, anchor.pt.x, nHorizontal, anchor.ptOther.x, rcBounds.left,
                       rcBounds.right),
            Place_Axis(size.cy, anchor.pt.y, nVertical, anchor.ptOther.y, rcBounds.top,
                       rcBounds.bottom)};
}
