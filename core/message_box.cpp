// Questions and notices to the user. Once the main window has its back buffer they appear in
// the program's skinned message dialog; before that, and while a skinned box is already up,
// in the system message box.

#include "core/core.h"
#include "resources/resource.h"
#include "shell/shell.h"

#include <stdarg.h>

// OK button, information icon, task-modal.
#define NOTICE_BOX_TYPE (MB_OK | MB_ICONINFORMATION | MB_TASKMODAL)

int gMessageBoxOpen = 0;

static int Is_Skinned_Box_Available(void) {
    return gMainWindowDC != NULL;
}

static const char* Text_Or_Empty(const char* szText) {
    return szText ? szText : "";
}

int Show_Message_Box(const char* szCaption, const char* szFormat, ...) {
    char szText[TEXT_BUFFER_SIZE];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);
    return Do_Message_Box(szText, szCaption, NOTICE_BOX_TYPE);
}

// Runs the skinned dialog with the buttons of the type and maps its answer to the type's
// answers: closing a Yes/No box counts as No, closing an OK/Cancel box as Cancel.
static int Ask_Skinned_Box(const char* szText, const char* szCaption, UINT uType) {
    switch (uType & MB_TYPEMASK) {
    case MB_OK: User_Message_Dialog(szCaption, szText, "", "&OK", "", ""); return IDOK;
    case MB_OKCANCEL:
        return User_Message_Dialog(szCaption, szText, "", "&OK", "&Cancel", "") == IDYES ? IDOK
                                                                                         : IDCANCEL;
    case MB_YESNOCANCEL:
        return User_Message_Dialog(szCaption, szText, "", "&Yes", "&No", "&Cancel");
    case MB_YESNO:
        return User_Message_Dialog(szCaption, szText, "", "&Yes", "&No", "") == IDYES ? IDYES
                                                                                      : IDNO;
    default: return IDOK;
    }
}

int Do_Message_Box(const char* szText, const char* szCaption, UINT uType) {
    if (!Is_Skinned_Box_Available() || gMessageBoxOpen == 1)
        return MessageBoxA(NULL, szText, szCaption, uType);

    gMessageBoxOpen = 1;
    int nAnswer = Ask_Skinned_Box(szText, szCaption, uType);
    gMessageBoxOpen = 0;
    return nAnswer;
}

// The system box's buttons that match the captions given.
static UINT Get_Fallback_Box_Type(const char* szButton2, const char* szButton3) {
    if (szButton2[0])
        return szButton3[0] ? MB_YESNOCANCEL : MB_YESNO;
    return szButton3[0] ? MB_OKCANCEL : MB_OK;
}

int User_Message_Dialog(const char* szCaption, const char* szText, const char* szUnused,
                        const char* szButton1, const char* szButton2, const char* szButton3) {
    (void)szUnused;
    USER_MESSAGE message;
    message.szCaption = Text_Or_Empty(szCaption);
    message.szText = Text_Or_Empty(szText);
    message.szEmpty = "";
    message.szButton[0] = Text_Or_Empty(szButton1);
    message.szButton[1] = Text_Or_Empty(szButton2);
    message.szButton[2] = Text_Or_Empty(szButton3);

    if (!message.szButton[0][0])
        Report_Error("Missing string [stOK] in call to User_Message_Dialog()");

    if (!Is_Skinned_Box_Available()) {
        UINT uType = Get_Fallback_Box_Type(message.szButton[1], message.szButton[2]);
        return MessageBoxA(NULL, message.szText, message.szCaption, uType);
    }
    return (int)Do_Dialog(NULL, IDD_USER_MESSAGE, (LPARAM)&message);
}
