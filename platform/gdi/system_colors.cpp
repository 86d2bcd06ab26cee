// The classic grey theme's system colours (fixed), their stock brushes, and the device
// capabilities of the one fixed screen the layer pretends to have.
#include "gdi_internal.h"

namespace {

const COLORREF kSystemColors[COLOR_MENUBAR + 1] = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25, unused
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

}  // namespace

DWORD GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex > COLOR_MENUBAR) return 0;
    return kSystemColors[nIndex];
}

// One stock brush per system colour, made on first use and never deleted.
HBRUSH GetSysColorBrush(int nIndex) {
    static HBRUSH aBrushes[COLOR_MENUBAR + 1];
    if (nIndex < 0 || nIndex > COLOR_MENUBAR) return nullptr;
    if (!Gdi_Find_Object(aBrushes[nIndex])) {
        auto* p = new GDI_BRUSH();
        p->nType = OBJ_BRUSH;
        p->bStock = true;
        p->log = {BS_SOLID, kSystemColors[nIndex], 0};
        aBrushes[nIndex] = reinterpret_cast<HBRUSH>(Gdi_Add_Object(p));
    }
    return aBrushes[nIndex];
}

int GetDeviceCaps(HDC /*hdc*/, int nIndex) {
    switch (nIndex) {
    case HORZRES: return 1920;
    case VERTRES: return 1080;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
    }
}
