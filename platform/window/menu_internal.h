// What the menu modules of this folder share: the layout of the bar and its drop-downs.
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
// The items of a drop-down whose top-left corner is at (x, y), stacked downwards.
std::vector<RECT> Menu_Drop_Item_Rects(HMENU hMenu, int x, int y);
