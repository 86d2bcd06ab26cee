// MessageBoxA: the buttons a box type has and its default button; the backend shows the box
// (headless, a test script answers or the default button is taken, and every box goes into the
// transcript).
#include "../platform_internal.h"

namespace {

struct BOX_BUTTONS {
    int nCount;
    int aButtons[3];
};

// The buttons of each box type (the type's low four bits), left to right.
const BOX_BUTTONS kBoxButtons[] = {
    {1, {IDOK}},                        // MB_OK
    {2, {IDOK, IDCANCEL}},              // MB_OKCANCEL
    {3, {IDABORT, IDRETRY, IDIGNORE}},  // MB_ABORTRETRYIGNORE
    {3, {IDYES, IDNO, IDCANCEL}},       // MB_YESNOCANCEL
    {2, {IDYES, IDNO}},                 // MB_YESNO
    {2, {IDRETRY, IDCANCEL}},           // MB_RETRYCANCEL
};

}  // namespace

int Message_Box_Buttons(UINT uType, int* pButtons) {
    UINT uButtons = uType & MB_TYPEMASK;
    if (uButtons >= sizeof(kBoxButtons) / sizeof(kBoxButtons[0])) return 0;
    const BOX_BUTTONS& buttons = kBoxButtons[uButtons];
    for (int i = 0; i < buttons.nCount; i++) pButtons[i] = buttons.aButtons[i];
    return buttons.nCount;
}

int Message_Box_Default(UINT uType) {
    int aButtons[3];
    int nCount = Message_Box_Buttons(uType, aButtons);
    if (nCount == 0) return 0;
    int nDefault = static_cast<int>((uType & MB_DEFMASK) >> 8);
    return aButtons[nDefault < nCount ? nDefault : 0];
}

int MessageBoxA(HWND hOwner, LPCSTR szText, LPCSTR szCaption, UINT uType) {
    const char* szShownCaption = szCaption ? szCaption : "Error";
    const char* szShownText = szText ? szText : "";
    int nDefault = Message_Box_Default(uType);
    if (nDefault == 0) {
        // A type with no such set of buttons is refused, as the real call does.
        Backend()->Message_Box_Refused(szShownText, szShownCaption, uType);
        return 0;
    }
    return Backend()->Message_Box(hOwner, szShownText, szShownCaption, uType, nDefault);
}
