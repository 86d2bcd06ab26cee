// The push buttons of a message box, drawn and hit-tested by the box itself: their labels with
// mnemonics, the frame of each (pressed, focused), which one a point is on, and what a key does.
#include "../platform_internal.h"

#include <ctype.h>
#include <string.h>

namespace {

const char* Button_Label(int nId) {
    switch (nId) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
    }
    return "?";
}

// The button whose label has the mnemonic of the key, or -1.
int Mnemonic_Button(const int* aIds, int nCount, UINT uKey) {
    for (int i = 0; i < nCount; i++) {
        const char* szAmp = strchr(Button_Label(aIds[i]), '&');
        if (szAmp && static_cast<UINT>(toupper(static_cast<unsigned char>(szAmp[1]))) == uKey)
            return i;
    }
    return -1;
}

}  // namespace

void Message_Box_Paint_Buttons(HDC hdc, const MESSAGE_BOX_LAYOUT& layout, const int* aIds,
                               int nFocus, int nPressed) {
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    for (int i = 0; i < layout.nButtons; i++) {
        RECT rc = layout.aButtons[i];  // DrawFrameControl may change it
        RECT rcFrame = rc;
        DrawFrameControl(hdc, &rcFrame, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (i == nPressed ? DFCS_PUSHED : 0));
        int nShift = i == nPressed ? 1 : 0;  // a pressed button's label moves down and right
        RECT rcText = {rc.left + nShift, rc.top + nShift, rc.right + nShift, rc.bottom + nShift};
        DrawTextA(hdc, Button_Label(aIds[i]), -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (i == nFocus) {
            RECT rcFocus = {rc.left + 4, rc.top + 4, rc.right - 4, rc.bottom - 4};
            DrawFocusRect(hdc, &rcFocus);
        }
    }
}

int Message_Box_Button_At(const MESSAGE_BOX_LAYOUT& layout, POINT pt) {
    for (int i = 0; i < layout.nButtons; i++) {
        const RECT& rc = layout.aButtons[i];
        if (pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom) return i;
    }
    return -1;
}

int Message_Box_Key(const int* aIds, int nCount, UINT uKey, bool bShift, int* pnFocus) {
    if (nCount <= 0) return 0;
    switch (uKey) {
    case VK_RETURN:
    case VK_SPACE: return aIds[*pnFocus];
    case VK_ESCAPE: return Message_Box_Escape_Result(aIds, nCount);
    case VK_TAB:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_LEFT:
    case VK_UP: {
        bool bBack = uKey == VK_LEFT || uKey == VK_UP || (uKey == VK_TAB && bShift);
        *pnFocus = (*pnFocus + (bBack ? nCount - 1 : 1)) % nCount;
        return 0;
    }
    }
    int nMnemonic = Mnemonic_Button(aIds, nCount, uKey);
    return nMnemonic >= 0 ? aIds[nMnemonic] : 0;
}

int Message_Box_Escape_Result(const int* aIds, int nCount) {
    for (int i = 0; i < nCount; i++)
        if (aIds[i] == IDCANCEL) return IDCANCEL;
    // OK alone closes with OK; a box whose buttons leave no way out ignores Escape.
    return nCount == 1 && aIds[0] == IDOK ? IDOK : 0;
}
