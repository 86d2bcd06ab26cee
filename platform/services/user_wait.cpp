// Waits for the person at the screen. No one answers in the headless layer: the wait is recorded,
// reported in strict mode, and refused.
#include "platform_internal.h"

BOOL Platform_Begin_User_Wait(LPCSTR szWhat) {
    TEST_SHOWN shown{TEST_SHOWN_USER_WAIT, 0, "", szWhat ? szWhat : "", 0, 0, FALSE, false};
    Script_Record_Shown(shown);
    Script_Report_Unscripted(shown);
    Script_Guard_User_Wait(shown.stText);
    return FALSE;
}
