// The stacking order of sibling windows, the active (foreground) window and walking the window
// tree with GetWindow.
#include "window_data.h"

#include <algorithm>

namespace {

HWND gActive = nullptr;

bool Is_Topmost(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    return w && !Window_Is_Child(w) && (w->dwExStyle & WS_EX_TOPMOST);
}

// Where a window raised to the top of its siblings goes: above everything for a topmost window,
// below the topmost windows otherwise.
size_t Top_Position(const std::vector<HWND>& aSiblings, HWND hWnd) {
    if (Is_Topmost(hWnd)) return aSiblings.size();
    size_t n = aSiblings.size();
    while (n > 0 && Is_Topmost(aSiblings[n - 1])) n--;
    return n;
}

}  // namespace

std::vector<HWND>& Window_Siblings(const WINDOW_DATA* w) {
    if (Window_Is_Child(w)) return Window_Find(w->hParent)->aChildren;
    return Window_Z_Order();
}

void Window_Place_In_Order(HWND hWnd, HWND hInsertAfter) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return;
    if (hInsertAfter == HWND_TOPMOST || hInsertAfter == HWND_NOTOPMOST) {
        if (Window_Is_Child(w)) return;
        if (hInsertAfter == HWND_TOPMOST)
            w->dwExStyle |= WS_EX_TOPMOST;
        else
            w->dwExStyle &= ~static_cast<DWORD>(WS_EX_TOPMOST);
        hInsertAfter = HWND_TOP;
    }
    std::vector<HWND>& aSiblings = Window_Siblings(w);
    aSiblings.erase(std::remove(aSiblings.begin(), aSiblings.end(), hWnd), aSiblings.end());
    size_t nAt;
    if (hInsertAfter == HWND_TOP) {
        nAt = Top_Position(aSiblings, hWnd);
    } else if (hInsertAfter == HWND_BOTTOM) {
        nAt = 0;
    } else {
        // Right below hInsertAfter, which is one place nearer the back of the list.
        auto it = std::find(aSiblings.begin(), aSiblings.end(), hInsertAfter);
        nAt = it == aSiblings.end() ? Top_Position(aSiblings, hWnd)
                                    : static_cast<size_t>(it - aSiblings.begin());
    }
    aSiblings.insert(aSiblings.begin() + static_cast<std::ptrdiff_t>(nAt), hWnd);
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return nullptr;
    if (uCmd == GW_OWNER) return Window_Is_Child(w) ? nullptr : w->hParent;
    if (uCmd == GW_CHILD) {
        for (auto it = w->aChildren.rbegin(); it != w->aChildren.rend(); ++it)
            if (WINDOW_DATA* c = Window_Find(*it); c && Window_Is_Child(c)) return *it;
        return nullptr;
    }
    // The siblings list runs back to front; GW_HWNDNEXT goes towards the back. Owned windows
    // sit in their owner's list too, so a child's siblings skip them.
    std::vector<HWND> aSiblings;
    for (HWND h : Window_Siblings(w))
        if (WINDOW_DATA* s = Window_Find(h); s && Window_Is_Child(s) == Window_Is_Child(w))
            aSiblings.push_back(h);
    auto it = std::find(aSiblings.begin(), aSiblings.end(), hWnd);
    if (it == aSiblings.end()) return nullptr;
    switch (uCmd) {
    case GW_HWNDFIRST: return aSiblings.back();
    case GW_HWNDLAST: return aSiblings.front();
    case GW_HWNDNEXT: return it == aSiblings.begin() ? nullptr : *(it - 1);
    case GW_HWNDPREV: return it + 1 == aSiblings.end() ? nullptr : *(it + 1);
    }
    return nullptr;
}

namespace {

// The caption's colour tells the active window from the others.
void Repaint_Caption(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || (w->dwStyle & WS_CAPTION) != WS_CAPTION) return;
    w->bFrameInvalid = true;
    w->bInvalid = true;
}

}  // namespace

HWND SetActiveWindow(HWND hWnd) {
    HWND hTop = Window_Get_Top_Level(hWnd);
    if (hWnd && !hTop) return nullptr;
    HWND hOld = gActive;
    if (hOld == hTop) return hOld;
    gActive = hTop;
    Repaint_Caption(hOld);
    Repaint_Caption(hTop);
    if (hOld)
        SendMessageA(hOld, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hTop));
    if (hTop && gActive == hTop)
        SendMessageA(hTop, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, IsIconic(hTop) ? 1 : 0),
                     reinterpret_cast<LPARAM>(hOld));
    return hOld;
}

HWND GetActiveWindow(void) { return gActive; }

BOOL BringWindowToTop(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    Window_Place_In_Order(hWnd, HWND_TOP);
    if (!Window_Is_Child(w)) SetActiveWindow(hWnd);
    InvalidateRect(hWnd, nullptr, TRUE);
    Backend()->Window_Changed(hWnd);
    return TRUE;
}

BOOL SetForegroundWindow(HWND hWnd) {
    HWND hTop = Window_Get_Top_Level(hWnd);
    return hTop ? BringWindowToTop(hTop) : FALSE;
}

HWND GetForegroundWindow(void) { return gActive; }

void Window_Forget_Activation(HWND hWnd) {
    if (!hWnd || gActive == hWnd) gActive = nullptr;
}

namespace {

bool Can_Be_Activated(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    return w && !w->bDestroying && !Window_Is_Child(w) && IsWindowVisible(hWnd) &&
           IsWindowEnabled(hWnd);
}

}  // namespace

// The active window went: its owner takes over when it can, else the topmost window that can,
// so that the keyboard always has a window to go to.
void Window_Activate_Successor(HWND hOwner) {
    if (gActive) return;
    HWND hNext = Can_Be_Activated(hOwner) ? hOwner : nullptr;
    const std::vector<HWND>& aOrder = Window_Z_Order();
    for (auto it = aOrder.rbegin(); !hNext && it != aOrder.rend(); ++it)
        if (Can_Be_Activated(*it)) hNext = *it;
    if (hNext) SetActiveWindow(hNext);
}
