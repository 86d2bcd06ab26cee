// Walking a window's descendants, telling a descendant, and naming a window's class.
#include "../platform_internal.h"
#include "window_data.h"

#include <string.h>

#include <algorithm>

#include <vector>

namespace {

// Depth first, each window before its own children, siblings in GW_CHILD / GW_HWNDNEXT order.
void Collect_Descendants(HWND hParent, std::vector<HWND>* pOut) {
    for (HWND h = GetWindow(hParent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        pOut->push_back(h);
        Collect_Descendants(h, pOut);
    }
}

}  // namespace

BOOL EnumChildWindows(HWND hParent, WNDENUMPROC pEnum, LPARAM lParam) {
    if (!pEnum || !IsWindow(hParent)) return FALSE;
    // Listed first: the callback may create or destroy windows.
    std::vector<HWND> aWindows;
    Collect_Descendants(hParent, &aWindows);
    for (HWND h : aWindows)
        if (IsWindow(h) && !pEnum(h, lParam)) break;
    return TRUE;
}

int GetClassNameA(HWND hWnd, LPSTR szClass, int nMax) {
    const WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !szClass || nMax <= 0) return 0;
    size_t nCopy = std::min(w->stClass.size(), static_cast<size_t>(nMax - 1));
    memcpy(szClass, w->stClass.data(), nCopy);
    szClass[nCopy] = 0;
    return static_cast<int>(nCopy);
}

BOOL IsChild(HWND hParent, HWND hWnd) {
    // Up the chain of child windows only: an owned window is no child of its owner.
    for (HWND h = hWnd; h && (GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD);) {
        h = GetParent(h);
        if (h && h == hParent) return TRUE;
    }
    return FALSE;
}
