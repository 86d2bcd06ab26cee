// What the menu modules of this folder share: the layout of the bar and its drop-downs, and
// their painting.
#pragma once

#include "../platform_internal.h"

#include <string>
#include <vector>

// An item's text as shown: the & prefixes taken out ("&&" shows one '&'), split at the tab
// before a shortcut text.
void Menu_Split_Label(const std::string& stText, std::string* pLabel, std::string* pShortcut);
// The bar's items left to right in the surface; from a right-justified (HELP) item on, they sit
// at the bar's right end. Empty without a bar.
std::vector<RECT> Menu_Bar_Item_Rects(HWND hTop);
// The items of a drop-down whose top-left corner is at (x, y), stacked downwards; an item with
// MF_MENUBREAK or MF_MENUBARBREAK starts a new column to the right.
std::vector<RECT> Menu_Drop_Item_Rects(HMENU hMenu, int x, int y);
// The rectangle around a drop-down's items as Menu_Drop_Item_Rects lays them out.
RECT Menu_Drop_Area(const std::vector<RECT>& aItemRects);

// The room left of a drop-down item's text (for its check mark) and right of it (for the arrow
// of a submenu).
#define MENU_DROP_TEXT_LEFT 24
#define MENU_DROP_TEXT_RIGHT 16

// The bar's rectangle in the surface, just above the client area.
RECT Menu_Bar_Rect(HWND hTop);
// What the display shows of the window's surface, where drop-downs must stay: the menu bar and
// the client area of a host window, the whole rectangle of any other top-level window.
RECT Menu_Shown_Area(HWND hTop);

// Where a drop-down goes: its top-left corner at pt, moved by the TPM_ alignment flags in uAlign
// (TPM_CENTERALIGN, TPM_RIGHTALIGN, TPM_VCENTERALIGN, TPM_BOTTOMALIGN). One that runs past the
// bounds' right edge ends at ptOther.x instead, and one past the bottom edge ends at ptOther.y.
struct MENU_ANCHOR {
    POINT pt;
    UINT uAlign;
    POINT ptOther;
};
// The top-left corner of a drop-down of the given size placed by the anchor and then kept inside
// rcBounds (its left and top edges win when it is larger than the bounds).
POINT Menu_Place_Drop_Down(SIZE size, const MENU_ANCHOR& anchor, const RECT& rcBounds);

// One drop-down of the menu loop, at its place in the surface.
struct MENU_OPEN_LEVEL {
    HMENU hMenu;
    int x, y;
    int nSelected;  // -1 for none
};

// Paints the bar (with nBarItem highlighted, -1 for none) and the drop-downs over it, through a
// DC on the window's whole rectangle (menu_paint.cpp).
void Menu_Paint_Bar(HDC hdc, HWND hTop, int nBarItem);
void Menu_Paint_Drop_Down(HDC hdc, const MENU_OPEN_LEVEL& open);
