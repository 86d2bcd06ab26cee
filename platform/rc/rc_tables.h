// The tables the resource compiler generates from resources/vanto.rc; the layer's resource
// functions (DialogBoxParamA, LoadStringA, LoadAcceleratorsA, ...) read them.
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
};

struct RC_STRING {
    int nId;
    const char* szText;
};

struct RC_TABLES {
    const RC_DIALOG* pDialogs;
    int nDialogs;
    const RC_STRING* pStrings;
    int nStrings;
};

// Defined by the generated resource source.
extern const RC_TABLES gResourceTables;

const RC_DIALOG* Rc_Find_Dialog(int nId);
const char* Rc_Find_String(int nId);  // nullptr when the table has no such string
