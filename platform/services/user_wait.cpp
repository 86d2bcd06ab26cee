// Waits for the person at the screen: the backend says whether anyone can answer (headless, the
// wait is recorded, reported in strict mode, and refused).
#include "platform_internal.h"

BOOL Platform_Begin_User_Wait(LPCSTR szWhat) {
    return Backend()->Begin_User_Wait(szWhat ? szWhat : "");
}
