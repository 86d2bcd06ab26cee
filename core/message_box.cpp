// Questions and notices to the user, asked through the host services: the shell shows them in
// its message dialogs; with the quiet defaults each is answered with its default button.

#include "core/core.h"

#include <stdarg.h>

// OK button, information icon, task-modal.
#define NOTICE_BOX_TYPE (MB_OK | MB_ICONINFORMATION | MB_TASKMODAL)

int gMessageBoxOpen = 0;

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

int Do_Message_Box(const char* szText, const char* szCaption, UINT uType) {
    return Host()->pAsk(szText, szCaption, uType);
}

UINT Get_User_Message_Box_Type(const USER_MESSAGE* pMessage) {
    if (pMessage->szButton[1][0])
        return pMessage->szButton[2][0] ? MB_YESNOCANCEL : MB_YESNO;
    return pMessage->szButton[2][0] ? MB_OKCANCEL : MB_OK;
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
    return Host()->pUserMessage(&message);
}
