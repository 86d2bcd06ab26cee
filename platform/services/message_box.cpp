// MessageBoxA. Headless, a box is answered by a test script or takes its default button; every box
// goes into the transcript.
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

int MessageBoxA(HWND /*hOwner*/, LPCSTR szText, LPCSTR szCaption, UINT uType) {
    TEST_SHOWN shown = {TEST_SHOWN_MESSAGE_BOX,
                        0,
                        szCaption ? szCaption : "Error",
                        szText ? szText : "",
                        uType,
                        0,
                        0,
                        false};
    UINT uButtons = uType & MB_TYPEMASK;
    if (uButtons >= sizeof(kBoxButtons) / sizeof(kBoxButtons[0])) {
        // A type with no such set of buttons is refused, as the real call does.
        Script_Record_Shown(shown);
        return 0;
    }
    const BOX_BUTTONS& buttons = kBoxButtons[uButtons];
    int nDefault = static_cast<int>((uType & MB_DEFMASK) >> 8);
    if (nDefault >= buttons.nCount) nDefault = 0;

    int nAnswer = 0;
    shown.bScripted = Script_Take_Message_Box_Answer(shown.stText, shown.stCaption, &nAnswer);
    shown.nResult = shown.bScripted ? nAnswer : buttons.aButtons[nDefault];
    Script_Record_Shown(shown);
    if (!shown.bScripted) Script_Report_Unscripted(shown);
    return static_cast<int>(shown.nResult);
}
