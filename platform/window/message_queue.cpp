// The one thread's message queue: posted messages, the quit flag, paint requests and timers, read
// by PeekMessageA / GetMessageA in that order of priority, and the keyboard and accelerator
// translation that the message loop applies before dispatching.
#include "../platform_internal.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace {

struct TIMER {
    HWND hWnd;
    UINT_PTR nId;
    UINT nElapse;
    void* pProc;
    DWORD nDue;  // tick count at which it fires next
};

std::deque<MSG> gPosted;
std::vector<TIMER> gTimers;
bool gQuitPosted = false;
int gQuitCode = 0;
UINT_PTR gNextThreadTimerId = 1;
bool gShiftDown = false;
const UINT kMinimumTimerPeriod = 10;

// Whether msg passes a PeekMessageA filter. A null window filter takes every message; -1 takes
// the messages posted to no window. WM_QUIT passes every filter.
bool Matches(HWND hMsgWnd, UINT uMsg, HWND hFilter, UINT uMin, UINT uMax) {
    if (uMsg == WM_QUIT) return true;
    if (hFilter == reinterpret_cast<HWND>(-1)) {
        if (hMsgWnd) return false;
    } else if (hFilter && hMsgWnd != hFilter) {
        return false;
    }
    return (uMin == 0 && uMax == 0) || (uMsg >= uMin && uMsg <= uMax);
}

// Tick arithmetic that survives the 49.7-day wrap of the tick count.
bool Is_Due(DWORD nDue, DWORD nNow) { return static_cast<int32_t>(nNow - nDue) >= 0; }

void Fill(MSG* pMsg, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    pMsg->hwnd = hWnd;
    pMsg->message = uMsg;
    pMsg->wParam = wParam;
    pMsg->lParam = lParam;
    pMsg->time = GetTickCount();
    pMsg->pt = Input_Cursor_Pos();
}

TIMER* Find_Timer(HWND hWnd, UINT_PTR nId) {
    for (TIMER& t : gTimers)
        if (t.hWnd == hWnd && t.nId == nId) return &t;
    return nullptr;
}

// The timer that is due (or, with bAnyTime, due soonest) among those the filter lets through.
TIMER* Next_Timer(HWND hFilter, UINT uMin, UINT uMax, bool bAnyTime) {
    DWORD nNow = GetTickCount();
    TIMER* pBest = nullptr;
    for (TIMER& t : gTimers) {
        if (!Matches(t.hWnd, WM_TIMER, hFilter, uMin, uMax)) continue;
        if (!bAnyTime && !Is_Due(t.nDue, nNow)) continue;
        if (!pBest || static_cast<int32_t>(t.nDue - pBest->nDue) < 0) pBest = &t;
    }
    return pBest;
}

// The character a key gives on a US keyboard, or 0 when the key gives none.
int Key_To_Char(WPARAM nKey, bool bShift) {
    static const char kDigitShifted[] = ")!@#$%^&*(";
    struct OEM_KEY {
        WPARAM nKey;
        char chPlain;
        char chShifted;
    };
    static const OEM_KEY kOemKeys[] = {{0xBA, ';', ':'}, {0xBB, '=', '+'}, {0xBC, ',', '<'},
                                       {0xBD, '-', '_'}, {0xBE, '.', '>'}, {0xBF, '/', '?'},
                                       {0xC0, '`', '~'}, {0xDB, '[', '{'}, {0xDC, '\\', '|'},
                                       {0xDD, ']', '}'}, {0xDE, '\'', '"'}};
    if (nKey >= 'A' && nKey <= 'Z')
        return bShift ? static_cast<int>(nKey) : static_cast<int>(nKey) + 32;
    if (nKey >= '0' && nKey <= '9')
        return bShift ? kDigitShifted[nKey - '0'] : static_cast<int>(nKey);
    if (nKey >= 0x60 && nKey <= 0x69) return '0' + static_cast<int>(nKey - 0x60);  // keypad digits
    switch (nKey) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_ESCAPE: return 0x1B;
    }
    for (const OEM_KEY& k : kOemKeys)
        if (k.nKey == nKey) return bShift ? k.chShifted : k.chPlain;
    return 0;
}

}  // namespace

BOOL PostMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (hWnd && !IsWindow(hWnd)) return FALSE;
    MSG msg;
    Fill(&msg, hWnd, uMsg, wParam, lParam);
    gPosted.push_back(msg);
    return TRUE;
}

void PostQuitMessage(int nExitCode) {
    gQuitPosted = true;
    gQuitCode = nExitCode;
}

BOOL PeekMessageA(MSG* pMsg, HWND hWnd, UINT uMin, UINT uMax, UINT uRemove) {
    if (!pMsg) return FALSE;
    bool bRemove = (uRemove & PM_REMOVE) != 0;

    for (auto it = gPosted.begin(); it != gPosted.end(); ++it) {
        if (!Matches(it->hwnd, it->message, hWnd, uMin, uMax)) continue;
        *pMsg = *it;
        if (bRemove) gPosted.erase(it);
        return TRUE;
    }
    if (gQuitPosted) {
        Fill(pMsg, nullptr, WM_QUIT, static_cast<WPARAM>(gQuitCode), 0);
        if (bRemove) gQuitPosted = false;
        return TRUE;
    }
    // Paint requests belong to windows, so the "no window" filter never sees them.
    HWND hInvalid = hWnd == reinterpret_cast<HWND>(-1) ? nullptr : Window_Find_Invalid(hWnd);
    if (hInvalid && Matches(hInvalid, WM_PAINT, hWnd, uMin, uMax)) {
        // As with UpdateWindow, a delivered paint request is settled.
        Fill(pMsg, hInvalid, WM_PAINT, 0, 0);
        if (bRemove) Window_Paint_Delivered(hInvalid);
        return TRUE;
    }
    if (TIMER* t = Next_Timer(hWnd, uMin, uMax, false)) {
        Fill(pMsg, t->hWnd, WM_TIMER, t->nId, reinterpret_cast<LPARAM>(t->pProc));
        if (bRemove) t->nDue = GetTickCount() + t->nElapse;
        return TRUE;
    }
    return FALSE;
}

BOOL GetMessageA(MSG* pMsg, HWND hWnd, UINT uMin, UINT uMax) {
    if (!pMsg) return -1;
    for (;;) {
        if (PeekMessageA(pMsg, hWnd, uMin, uMax, PM_REMOVE)) return pMsg->message != WM_QUIT;
        // Nothing waits: show what was painted, then wait for input or the next timer. When
        // nothing can ever arrive (headless, no timer), the loop ends as if WM_QUIT had come,
        // rather than hang.
        Backend_Present_All();
        TIMER* t = Next_Timer(hWnd, uMin, uMax, true);
        DWORD nTimeout = INFINITE;
        if (t) {
            DWORD nNow = GetTickCount();
            nTimeout = Is_Due(t->nDue, nNow) ? 0 : t->nDue - nNow;
        }
        if (!Backend()->Wait_Event(nTimeout)) {
            Fill(pMsg, nullptr, WM_QUIT, 0, 0);
            return FALSE;
        }
    }
}

BOOL TranslateMessage(const MSG* pMsg) {
    if (!pMsg) return FALSE;
    bool bDown = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
    bool bUp = pMsg->message == WM_KEYUP || pMsg->message == WM_SYSKEYUP;
    if (!bDown && !bUp) return FALSE;
    if (pMsg->wParam == VK_SHIFT) gShiftDown = bDown;
    if (!bDown) return TRUE;
    int ch = Key_To_Char(pMsg->wParam, gShiftDown || GetKeyState(VK_SHIFT) < 0);
    // Ctrl with a letter gives its control character (Ctrl+A is 1).
    if (GetKeyState(VK_CONTROL) < 0 && pMsg->wParam >= 'A' && pMsg->wParam <= 'Z')
        ch = static_cast<int>(pMsg->wParam - 'A' + 1);
    // A backend with text input sends the printable characters itself.
    if (!ch || (Backend()->bTypesText && ch >= ' ' && pMsg->message == WM_KEYDOWN)) return FALSE;
    // The character comes right after its key, ahead of whatever was posted since.
    MSG msgChar;
    Fill(&msgChar, pMsg->hwnd, pMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR,
         static_cast<WPARAM>(ch), pMsg->lParam);
    gPosted.push_front(msgChar);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* pMsg) {
    if (!pMsg) return 0;
    if (pMsg->message == WM_TIMER && pMsg->lParam) {
        reinterpret_cast<TIMERPROC>(pMsg->lParam)(pMsg->hwnd, WM_TIMER, pMsg->wParam,
                                                  GetTickCount());
        return 0;
    }
    LRESULT nResult = SendMessageA(pMsg->hwnd, pMsg->message, pMsg->wParam, pMsg->lParam);
    // A repaint under an open drop-down menu must not leave the menu painted over.
    if (pMsg->message == WM_PAINT) Menu_Paint_Open(Window_Get_Top_Level(pMsg->hwnd));
    return nResult;
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nId, UINT nElapse, void* pTimerProc) {
    if (hWnd && !IsWindow(hWnd)) return 0;
    // A shorter period would keep the queue from ever running dry.
    if (nElapse < kMinimumTimerPeriod) nElapse = kMinimumTimerPeriod;
    // A timer of no window gets an id of its own, unless it names one to replace.
    if (!hWnd && (!nId || !Find_Timer(nullptr, nId))) nId = gNextThreadTimerId++;
    DWORD nDue = GetTickCount() + nElapse;
    if (TIMER* t = Find_Timer(hWnd, nId)) {
        *t = {hWnd, nId, nElapse, pTimerProc, nDue};
    } else {
        gTimers.push_back({hWnd, nId, nElapse, pTimerProc, nDue});
    }
    return hWnd ? (nId ? nId : 1) : nId;
}

BOOL KillTimer(HWND hWnd, UINT_PTR nId) {
    auto it = std::find_if(gTimers.begin(), gTimers.end(),
                           [&](const TIMER& t) { return t.hWnd == hWnd && t.nId == nId; });
    if (it == gTimers.end()) return FALSE;
    gTimers.erase(it);
    // A WM_TIMER already taken from the queue may still be dispatched, as on the real system.
    return TRUE;
}

bool Queue_Next_Timer_Due(DWORD* pnDue) {
    TIMER* t = Next_Timer(nullptr, 0, 0, true);
    if (t && pnDue) *pnDue = t->nDue;
    return t != nullptr;
}

void Queue_Pump(const std::function<bool()>& done) {
    MSG msg;
    while (!(done && done()) && PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) &&
           msg.message != WM_QUIT) {
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        // As a modal dialog's loop does, the running dialog takes its keys first.
        if (IsDialogMessageA(Dialog_Innermost_Modal(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Queue_Forget_Window(HWND hWnd) {
    gPosted.erase(std::remove_if(gPosted.begin(), gPosted.end(),
                                 [&](const MSG& m) { return m.hwnd == hWnd; }),
                  gPosted.end());
    gTimers.erase(std::remove_if(gTimers.begin(), gTimers.end(),
                                 [&](const TIMER& t) { return t.hWnd == hWnd; }),
                  gTimers.end());
}

void Queue_Reset(void) {
    gPosted.clear();
    gTimers.clear();
    gQuitPosted = false;
    gQuitCode = 0;
    gNextThreadTimerId = 1;
    gShiftDown = false;
}
