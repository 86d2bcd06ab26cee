// Paints the menu bar and the drop-downs through the layer's own GDI: the menu colours, the
// highlighted item, grayed text, the & mnemonics underlined by DrawTextA, check marks, submenu
// arrows and separators.
#include "menu_internal.h"

namespace {

const int kMarkSize = 7;  // check marks and submenu arrows, in pixels

// Fills one rectangle with a solid colour.
void Fill(HDC hdc, int left, int top, int right, int bottom, HBRUSH hBrush) {
    RECT rc = {left, top, right, bottom};
    FillRect(hdc, &rc, hBrush);
}

int Text_Color_Index(const MENU_ITEM& item, bool bHighlighted) {
    if (!Menu_Item_Enabled(item)) return COLOR_GRAYTEXT;
    return bHighlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
}

// A check mark centred in the room left of the text, drawn as columns of pixels.
void Paint_Check(HDC hdc, const RECT& rc, HBRUSH hBrush) {
    int x = rc.left + (MENU_DROP_TEXT_LEFT - kMarkSize) / 2;
    int yMid = (rc.top + rc.bottom) / 2;
    for (int i = 0; i < kMarkSize; i++) {
        int yBottom = i < 3 ? yMid + i : yMid + 4 - i;  // down for three columns, then up
        Fill(hdc, x + i, yBottom - 2, x + i + 1, yBottom + 1, hBrush);
    }
}

// A small triangle pointing right, at the item's right end.
void Paint_Arrow(HDC hdc, const RECT& rc, HBRUSH hBrush) {
    int x = rc.right - MENU_DROP_TEXT_RIGHT + (MENU_DROP_TEXT_RIGHT - kMarkSize / 2) / 2;
    int yMid = (rc.top + rc.bottom) / 2;
    for (int i = 0; i <= kMarkSize / 2; i++)
        Fill(hdc, x + i, yMid - kMarkSize / 2 + i, x + i + 1, yMid + kMarkSize / 2 + 1 - i, hBrush);
}

// The item's background and text; uAlign places the label (the bar centres it).
void Paint_Label(HDC hdc, const MENU_ITEM& item, RECT rcText, bool bHighlighted, UINT uAlign) {
    SetTextColor(hdc, GetSysColor(Text_Color_Index(item, bHighlighted)));
    std::string stLabel = item.stText.substr(0, item.stText.find('\t'));
    DrawTextA(hdc, stLabel.c_str(), static_cast<int>(stLabel.size()), &rcText,
              uAlign | DT_SINGLELINE | DT_VCENTER);
}

void Prepare(HDC hdc) {
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
}

}  // namespace

void Menu_Paint_Bar(HDC hdc, HWND hTop, int nBarItem) {
    const std::vector<MENU_ITEM>* pItems = Menu_Get_Items(GetMenu(hTop));
    if (!pItems) return;
    Prepare(hdc);
    RECT rcBar = Menu_Bar_Rect(hTop);
    FillRect(hdc, &rcBar, GetSysColorBrush(COLOR_MENU));
    std::vector<RECT> aRects = Menu_Bar_Item_Rects(hTop);
    for (size_t i = 0; i < aRects.size() && i < pItems->size(); i++) {
        bool bHighlighted = static_cast<int>(i) == nBarItem;
        if (bHighlighted) FillRect(hdc, &aRects[i], GetSysColorBrush(COLOR_HIGHLIGHT));
        Paint_Label(hdc, (*pItems)[i], aRects[i], bHighlighted, DT_CENTER);
    }
}

void Menu_Paint_Drop_Down(HDC hdc, const MENU_OPEN_LEVEL& open) {
    const std::vector<MENU_ITEM>* pItems = Menu_Get_Items(open.hMenu);
    std::vector<RECT> aRects = Menu_Drop_Item_Rects(open.hMenu, open.x, open.y);
    if (!pItems || aRects.empty()) return;
    Prepare(hdc);
    RECT rcAll = Menu_Drop_Area(aRects);
    FillRect(hdc, &rcAll, GetSysColorBrush(COLOR_MENU));
    for (size_t i = 0; i < aRects.size() && i < pItems->size(); i++) {
        const MENU_ITEM& item = (*pItems)[i];
        const RECT& rc = aRects[i];
        if (item.uFlags & MF_SEPARATOR) {
            int yMid = (rc.top + rc.bottom) / 2;
            Fill(hdc, rc.left + 2, yMid - 1, rc.right - 2, yMid, GetSysColorBrush(COLOR_BTNSHADOW));
            Fill(hdc, rc.left + 2, yMid, rc.right - 2, yMid + 1,
                 GetSysColorBrush(COLOR_BTNHIGHLIGHT));
            continue;
        }
        bool bHighlighted = static_cast<int>(i) == open.nSelected;
        if (bHighlighted) FillRect(hdc, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
        RECT rcText = {rc.left + MENU_DROP_TEXT_LEFT, rc.top, rc.right - MENU_DROP_TEXT_RIGHT,
                       rc.bottom};
        Paint_Label(hdc, item, rcText, bHighlighted, DT_LEFT);
        size_t nTab = item.stText.find('\t');
        if (nTab != std::string::npos)
            DrawTextA(hdc, item.stText.c_str() + nTab + 1,
                      static_cast<int>(item.stText.size() - nTab - 1), &rcText,
                      DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        HBRUSH hMark = GetSysColorBrush(Text_Color_Index(item, bHighlighted));
        if (item.uFlags & MF_CHECKED) Paint_Check(hdc, rc, hMark);
        if (item.uFlags & MF_POPUP) Paint_Arrow(hdc, rc, hMark);
    }
    FrameRect(hdc, &rcAll, GetSysColorBrush(COLOR_BTNSHADOW));
}
