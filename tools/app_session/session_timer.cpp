// The drivers' timer: one turn of steps at a time.
#include "app_session.h"

#include "platform/windows.h"

namespace {

void (*gSessionTurn)(void) = nullptr;
bool gInsideTurn = false;

// A step that loads a season pumps messages under its progress window; the timer must not start
// the same step again from inside that pump.
void Session_Timer_Turn(HWND, UINT, UINT_PTR, DWORD) {
    if (gInsideTurn || !gSessionTurn)
        return;
    gInsideTurn = true;
    gSessionTurn();
    gInsideTurn = false;
}

}  // namespace

void Start_Session_Timer(UINT nMilliseconds, void (*pTurn)(void)) {
    gSessionTurn = pTurn;
    gInsideTurn = false;
    SetTimer(nullptr, 0, nMilliseconds, (void*)Session_Timer_Turn);
}
