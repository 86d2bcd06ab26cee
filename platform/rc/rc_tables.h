// The tables the resource compiler generates from resources/vanto.rc; the layer's resource
// functions (DialogBoxParamA, LoadStringA, LoadMenuA, LoadAcceleratorsA) read them.
#pragma once

#include <stdint.h>

struct RC_CONTROL {
    const char* szClass;  // "BUTTON", "STATIC", "EDIT", "COMBOBOX", "LISTBOX", a custom class ...
    const char* szText;
    int nId;
    uint32_t uStyle;
    uint32_t uExStyle;
    int16_t x, y, cx, cy;  // dialog units
};

struct RC_DIALOG {
    int nId;
    const char* szCaption;  // "" when the template has none
    uint32_t uStyle;
    uint32_t uExStyle;
    int16_t x, y, cx, cy;  // dialog units
    const char* szFontFace;
    int nFontPoints;
    const RC_CONTROL* pControls;
    int nControls;
    const char* szClass =
        nullptr;  // the dialog window's class (CLASS "..."); null for the dialog class
};

struct RC_STRING {
    int nId;
    const char* szText;
};

// One item of a menu, in the order of the script: a popup item (MF_POPUP in uFlags) is followed by
// its own items, one level deeper.
struct RC_MENU_ITEM {
    const char* szText;  // "" for a separator
    int nId;             // 0 for popups and separators
    uint32_t uFlags;     // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_DISABLED, MF_CHECKED, ...
    int nDepth;          // 0 for the items of the menu itself
};

struct RC_MENU {
    int nId;
    const RC_MENU_ITEM* pItems;
    int nItems;
};

struct RC_ACCEL {
    uint8_t fVirt;  // FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL, FALT
    uint16_t key;   // a virtual-key code with FVIRTKEY, else a character
    uint16_t cmd;
};

struct RC_ACCEL_TABLE {
    int nId;
    const RC_ACCEL* pEntries;
    int nEntries;
};

struct RC_TABLES {
    const RC_DIALOG* pDialogs;
    int nDialogs;
    const RC_STRING* pStrings;
    int nStrings;
    const RC_MENU* pMenus;
    int nMenus;
    const RC_ACCEL_TABLE* pAccelTables;
    int nAccelTables;
};

// Defined by the generated resource source.
extern const RC_TABLES gResourceTables;

const RC_DIALOG* Rc_Find_Dialog(int nId);
const char* Rc_Find_String(int nId);  // nullptr when the table has no such string
const RC_MENU* Rc_Find_Menu(int nId);
const RC_ACCEL_TABLE* Rc_Find_Accelerators(int nId);
