// The menu bar of a top-level window and the menu loop: the mouse and keys that open, move
// through and choose from the bar's drop-downs (or a popup menu's), and what the window is told
// on the way.
#include "menu_internal.h"

#include <ctype.h>

#include <algorithm>

namespace {

// The menu loop runs in at most one top-level window at a time, either from its bar or for a
// popup menu, which is then the first open level and whose window (hNotify) is told instead.
struct MENU_LOOP {
    HWND hTop;
    int nBarItem;  // the highlighted bar item
    std::vector<MENU_OPEN_LEVEL> aOpen;
    bool bPopup;
    UINT uPopupFlags;  // TPM_ flags
    HWND hNotify;      // null with TPM_NONOTIFY
    // A button release chooses only once the pointer has moved or a button went down in the loop,
    // so the release of the click that opened the popup chooses nothing.
    POINT ptOpened;
    bool bArmed;
};

const MENU_LOOP kNoLoop = {nullptr, -1, {}, false, 0, nullptr, {0, 0}, false};
MENU_LOOP gLoop = kNoLoop;
int gPopupChoice = 0;  // the command chosen in the last popup loop
// What was painted last: the window and the drop-downs' areas in its surface.
HWND gPaintedIn = nullptr;
std::vector<RECT> gPaintedAreas;
HWND gAltPressedIn = nullptr;  // Alt went down in this window with no other key since

bool Inside(const RECT& rc, int x, int y) {
    return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

HMENU Bar_Menu(HWND hTop) { return Menu_Bar_Height(hTop) > 0 ? GetMenu(hTop) : nullptr; }

const MENU_ITEM* Item_At(HMENU hMenu, int nPos) {
    const std::vector<MENU_ITEM>* pItems = Menu_Get_Items(hMenu);
    if (!pItems || nPos < 0 || static_cast<size_t>(nPos) >= pItems->size()) return nullptr;
    return &(*pItems)[static_cast<size_t>(nPos)];
}

int Item_Count(HMENU hMenu) { return std::max(GetMenuItemCount(hMenu), 0); }

// The next item from nFrom in direction nStep (wrapping) that can be chosen, or -1.
int Next_Enabled(HMENU hMenu, int nFrom, int nStep) {
    int nCount = Item_Count(hMenu);
    for (int i = 1; i <= nCount; i++) {
        int nPos = ((nFrom + nStep * i) % nCount + nCount) % nCount;
        if (Menu_Item_Enabled(*Item_At(hMenu, nPos))) return nPos;
    }
    return -1;
}

// The first item whose mnemonic is ch, or -1.
int Find_Mnemonic(HMENU hMenu, char ch) {
    char chLower = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
    for (int i = 0; i < Item_Count(hMenu); i++)
        if (chLower && Menu_Item_Mnemonic(*Item_At(hMenu, i)) == chLower) return i;
    return -1;
}

// Tells the loop's window; a popup with TPM_NONOTIFY tells nobody.
void Tell(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (gLoop.hNotify && IsWindow(gLoop.hNotify)) SendMessageA(gLoop.hNotify, uMsg, wParam, lParam);
}

void Notify_Select(HMENU hMenu, int nPos) {
    const MENU_ITEM* pItem = Item_At(hMenu, nPos);
    if (!pItem || !gLoop.hTop) return;
    UINT uIdOrPos = pItem->uFlags & MF_POPUP ? static_cast<UINT>(nPos) : pItem->uId;
    Tell(WM_MENUSELECT, MAKEWPARAM(uIdOrPos, pItem->uFlags & 0xFFFF),
         reinterpret_cast<LPARAM>(hMenu));
}

// TrackPopupMenu tells the window of a popup loop's end itself.
void Exit_Loop() {
    HWND hNotify = gLoop.hNotify;
    bool bPopup = gLoop.bPopup;
    gLoop = kNoLoop;
    if (!hNotify || !IsWindow(hNotify)) return;
    SendMessageA(hNotify, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    if (!bPopup) SendMessageA(hNotify, WM_EXITMENULOOP, FALSE, 0);
}

// Enters the loop with the bar highlighted; false when the window has no bar items.
bool Enter_Loop(HWND hTop) {
    if (gLoop.hTop && gLoop.hTop != hTop) Exit_Loop();
    if (gLoop.hTop == hTop) return true;
    // A disabled window, such as the owner of a running modal box, keeps its menus shut.
    if (!IsWindowEnabled(hTop)) return false;
    HMENU hBar = Bar_Menu(hTop);
    if (Item_Count(hBar) == 0) return false;
    gLoop = kNoLoop;
    gLoop.hTop = gLoop.hNotify = hTop;
    SendMessageA(hTop, WM_ENTERMENULOOP, FALSE, 0);
    SendMessageA(hTop, WM_INITMENU, reinterpret_cast<WPARAM>(hBar), 0);
    return gLoop.hTop == hTop;  // the window may have ended it
}

// Adds hMenu as the deepest drop-down, placed by Menu_Place_Drop_Down inside the window's shown
// area; with bKeyboard its first choosable item is highlighted.
void Push_Level(HMENU hMenu, const MENU_ANCHOR& anchor, bool bKeyboard) {
    RECT rcArea = Menu_Drop_Area(Menu_Drop_Item_Rects(hMenu, 0, 0));
    SIZE size = {rcArea.right - rcArea.left, rcArea.bottom - rcArea.top};
    POINT pt = Menu_Place_Drop_Down(size, anchor, Menu_Shown_Area(gLoop.hTop));
    int nSelected = bKeyboard ? Next_Enabled(hMenu, -1, 1) : -1;
    gLoop.aOpen.push_back({hMenu, pt.x, pt.y, nSelected});
    if (nSelected >= 0) Notify_Select(hMenu, nSelected);
}

// Opens hSub as the drop-down after the first nKeep ones, once the window has had
// WM_INITMENUPOPUP for it.
void Open_Menu(size_t nKeep, HMENU hSub, int nPos, const MENU_ANCHOR& anchor, bool bKeyboard) {
    HWND hTop = gLoop.hTop;
    gLoop.aOpen.resize(std::min(nKeep, gLoop.aOpen.size()));
    Tell(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSub), MAKELPARAM(nPos, FALSE));
    if (gLoop.hTop != hTop || !Menu_Get_Items(hSub)) return;
    Push_Level(hSub, anchor, bKeyboard);
}

// The loop ends before the window gets the command; a popup's command goes back to
// TrackPopupMenu instead.
void Choose(UINT uId) {
    HWND hNotify = gLoop.hNotify;
    bool bPopup = gLoop.bPopup;
    Exit_Loop();
    if (bPopup)
        gPopupChoice = static_cast<int>(uId);
    else if (IsWindow(hNotify))
        SendMessageA(hNotify, WM_COMMAND, MAKEWPARAM(uId, 0), 0);
}

// Highlights a bar item; with bOpen its drop-down opens (or, for a command on the bar itself, it
// is chosen).
void Select_Bar_Item(int nPos, bool bOpen, bool bKeyboard) {
    HMENU hBar = Bar_Menu(gLoop.hTop);
    const MENU_ITEM* pItem = Item_At(hBar, nPos);
    if (!pItem) return;
    gLoop.aOpen.clear();
    gLoop.nBarItem = nPos;
    Notify_Select(hBar, nPos);
    pItem = Item_At(hBar, nPos);
    if (!bOpen || !pItem || !gLoop.hTop || !Menu_Item_Enabled(*pItem)) return;
    if (!(pItem->uFlags & MF_POPUP)) {
        Choose(pItem->uId);
        return;
    }
    std::vector<RECT> aRects = Menu_Bar_Item_Rects(gLoop.hTop);
    const RECT& rc = aRects[static_cast<size_t>(nPos)];
    // Below the bar item, or shifted left to end at its right edge when there is no room.
    Open_Menu(0, pItem->hSubMenu, nPos, {{rc.left, rc.bottom}, 0, {rc.right, rc.top}}, bKeyboard);
}

// Highlights an item of the open drop-down at nLevel; deeper drop-downs close unless they belong
// to that item.
void Select_Open_Item(size_t nLevel, int nPos) {
    MENU_OPEN_LEVEL& open = gLoop.aOpen[nLevel];
    if (open.nSelected == nPos) return;
    open.nSelected = nPos;
    gLoop.aOpen.resize(nLevel + 1);
    Notify_Select(open.hMenu, nPos);
}

// Chooses an item of an open drop-down: a command ends the loop, a submenu opens beside it.
// Separators and disabled items do nothing.
void Activate(size_t nLevel, int nPos, bool bKeyboard) {
    const MENU_OPEN_LEVEL open = gLoop.aOpen[nLevel];
    const MENU_ITEM* pItem = Item_At(open.hMenu, nPos);
    if (!pItem || !Menu_Item_Enabled(*pItem)) return;
    if (!(pItem->uFlags & MF_POPUP)) {
        Choose(pItem->uId);
        return;
    }
    std::vector<RECT> aRects = Menu_Drop_Item_Rects(open.hMenu, open.x, open.y);
    const RECT& rc = aRects[static_cast<size_t>(nPos)];
    gLoop.aOpen[nLevel].nSelected = nPos;
    // Beside the item, or on its left when there is no room on the right.
    Open_Menu(nLevel + 1, pItem->hSubMenu, nPos, {{rc.right, rc.top}, 0, {rc.left, rc.bottom}},
              bKeyboard);
}

// The open drop-down and item under (x, y), deepest first; false when none is.
bool Hit_Open_Menu(int x, int y, size_t* pLevel, int* pPos) {
    for (size_t nLevel = gLoop.aOpen.size(); nLevel-- > 0;) {
        const MENU_OPEN_LEVEL& open = gLoop.aOpen[nLevel];
        std::vector<RECT> aRects = Menu_Drop_Item_Rects(open.hMenu, open.x, open.y);
        for (size_t i = 0; i < aRects.size(); i++) {
            if (!Inside(aRects[i], x, y)) continue;
            *pLevel = nLevel;
            *pPos = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

int Hit_Bar(HWND hTop, int x, int y) {
    std::vector<RECT> aRects = Menu_Bar_Item_Rects(hTop);
    for (size_t i = 0; i < aRects.size(); i++)
        if (Inside(aRects[i], x, y)) return static_cast<int>(i);
    return -1;
}

// Over an open drop-down: moving highlights, pressing opens a submenu, releasing chooses.
void Mouse_On_Open_Menu(UINT uMsg, size_t nLevel, int nPos) {
    const MENU_ITEM* pItem = Item_At(gLoop.aOpen[nLevel].hMenu, nPos);
    if (!pItem) return;
    bool bOpensSubmenu = (pItem->uFlags & MF_POPUP) && gLoop.aOpen.size() > nLevel + 1 &&
                         gLoop.aOpen[nLevel].nSelected == nPos;
    if (uMsg == WM_MOUSEMOVE && !bOpensSubmenu)
        Select_Open_Item(nLevel, Menu_Item_Enabled(*pItem) ? nPos : -1);
    else if (uMsg == WM_LBUTTONDOWN && (pItem->uFlags & MF_POPUP) && !bOpensSubmenu)
        Activate(nLevel, nPos, false);
    else if (uMsg == WM_LBUTTONUP && !(pItem->uFlags & MF_POPUP))
        Activate(nLevel, nPos, false);
}

// Over the bar: a press opens (or, on the open item, closes) a drop-down; moving while one is
// open switches to the item's.
void Mouse_On_Bar(HWND hTop, UINT uMsg, int nBarItem) {
    bool bActive = gLoop.hTop == hTop;
    if (uMsg == WM_LBUTTONDOWN) {
        if (bActive && gLoop.nBarItem == nBarItem && !gLoop.aOpen.empty()) {
            Exit_Loop();
            return;
        }
        if (Enter_Loop(hTop)) Select_Bar_Item(nBarItem, true, false);
    } else if (uMsg == WM_MOUSEMOVE && bActive && !gLoop.aOpen.empty() &&
               gLoop.nBarItem != nBarItem) {
        Select_Bar_Item(nBarItem, true, false);
    }
}

// Left and Right: a submenu level closes or opens; on the first level the next bar item's
// drop-down opens.
void Move_Sideways(int nStep) {
    if (nStep < 0 && gLoop.aOpen.size() > 1) {
        gLoop.aOpen.pop_back();
        return;
    }
    if (nStep > 0 && !gLoop.aOpen.empty()) {
        const MENU_OPEN_LEVEL& open = gLoop.aOpen.back();
        const MENU_ITEM* pItem = Item_At(open.hMenu, open.nSelected);
        if (pItem && (pItem->uFlags & MF_POPUP) && Menu_Item_Enabled(*pItem)) {
            Activate(gLoop.aOpen.size() - 1, open.nSelected, true);
            return;
        }
    }
    if (gLoop.bPopup) return;  // no bar to move along
    HMENU hBar = Bar_Menu(gLoop.hTop);
    int nCount = Item_Count(hBar);
    if (nCount == 0) return;
    int nNext = ((gLoop.nBarItem + nStep) % nCount + nCount) % nCount;
    Select_Bar_Item(nNext, !gLoop.aOpen.empty(), true);
}

// Up and Down move over the choosable items; on the bar, they open its drop-down.
void Move_Vertically(int nStep) {
    if (gLoop.aOpen.empty()) {
        const MENU_ITEM* pItem = Item_At(Bar_Menu(gLoop.hTop), gLoop.nBarItem);
        if (pItem && (pItem->uFlags & MF_POPUP)) Select_Bar_Item(gLoop.nBarItem, true, true);
        return;
    }
    MENU_OPEN_LEVEL& open = gLoop.aOpen.back();
    int nFrom = open.nSelected >= 0 ? open.nSelected : (nStep > 0 ? -1 : 0);
    int nNext = Next_Enabled(open.hMenu, nFrom, nStep);
    if (nNext >= 0) Select_Open_Item(gLoop.aOpen.size() - 1, nNext);
}

// The mnemonic a letter or digit key stands for; 0 for other keys.
char Mnemonic_Of_Key(WPARAM wKey) {
    bool bLetterOrDigit = (wKey >= 'A' && wKey <= 'Z') || (wKey >= '0' && wKey <= '9');
    return bLetterOrDigit ? static_cast<char>(tolower(static_cast<int>(wKey))) : 0;
}

// A mnemonic chooses in the deepest open drop-down, or opens a bar item's.
void Loop_Mnemonic(char ch) {
    if (gLoop.aOpen.empty()) {
        int nPos = Find_Mnemonic(Bar_Menu(gLoop.hTop), ch);
        if (nPos >= 0) Select_Bar_Item(nPos, true, true);
        return;
    }
    int nPos = Find_Mnemonic(gLoop.aOpen.back().hMenu, ch);
    if (nPos >= 0) Activate(gLoop.aOpen.size() - 1, nPos, true);
}

void Loop_Key_Down(WPARAM wKey) {
    switch (wKey) {
    case VK_LEFT: Move_Sideways(-1); break;
    case VK_RIGHT: Move_Sideways(1); break;
    case VK_UP: Move_Vertically(-1); break;
    case VK_DOWN: Move_Vertically(1); break;
    case VK_RETURN:
        if (gLoop.aOpen.empty())
            Select_Bar_Item(gLoop.nBarItem, true, true);
        else
            Activate(gLoop.aOpen.size() - 1, gLoop.aOpen.back().nSelected, true);
        break;
    case VK_ESCAPE:
        // A popup has no bar to go back to: closing its first level dismisses it.
        if (gLoop.aOpen.empty() || (gLoop.bPopup && gLoop.aOpen.size() == 1))
            Exit_Loop();
        else
            gLoop.aOpen.pop_back();
        break;
    case VK_MENU:
    case VK_F10: Exit_Loop(); break;
    default:
        if (char ch = Mnemonic_Of_Key(wKey)) Loop_Mnemonic(ch);
        break;
    }
}

// Keys while no menu is up: Alt alone or F10 highlights the first bar item, Alt+mnemonic opens
// that item's drop-down. Mnemonics come from the key-down messages (a letter with Alt down is a
// system key), so the menus need no character messages.
bool Key_Outside_Loop(HWND hTop, UINT uMsg, WPARAM wParam) {
    bool bDown = uMsg == WM_KEYDOWN || uMsg == WM_SYSKEYDOWN;
    bool bUp = uMsg == WM_KEYUP || uMsg == WM_SYSKEYUP;
    if (bDown && wParam == VK_MENU) {
        gAltPressedIn = Bar_Menu(hTop) ? hTop : nullptr;
        return false;
    }
    if (bUp && wParam == VK_MENU && gAltPressedIn == hTop) {
        gAltPressedIn = nullptr;
        if (!Enter_Loop(hTop)) return false;
        Select_Bar_Item(0, false, true);
        return true;
    }
    if (bDown) gAltPressedIn = nullptr;
    if (bDown && wParam == VK_F10 && Enter_Loop(hTop)) {
        Select_Bar_Item(0, false, true);
        return true;
    }
    if (uMsg == WM_SYSKEYDOWN && Mnemonic_Of_Key(wParam)) {
        int nPos = Find_Mnemonic(Bar_Menu(hTop), Mnemonic_Of_Key(wParam));
        if (nPos < 0 || !Enter_Loop(hTop)) return false;
        Select_Bar_Item(nPos, true, true);
        return true;
    }
    return false;
}

// While a popup is up the mouse is all its own: a press outside its drop-downs dismisses it.
// With TPM_RIGHTBUTTON the right button chooses as the left one does.
bool Popup_Mouse(HWND hTop, UINT uMsg, int x, int y) {
    if (gLoop.uPopupFlags & TPM_RIGHTBUTTON) {
        if (uMsg == WM_RBUTTONDOWN) uMsg = WM_LBUTTONDOWN;
        if (uMsg == WM_RBUTTONUP) uMsg = WM_LBUTTONUP;
    }
    bool bPress = uMsg == WM_LBUTTONDOWN || uMsg == WM_RBUTTONDOWN;
    bool bHere = hTop == gLoop.hTop;
    if (bPress ||
        (uMsg == WM_MOUSEMOVE && (!bHere || x != gLoop.ptOpened.x || y != gLoop.ptOpened.y)))
        gLoop.bArmed = true;
    size_t nLevel = 0;
    int nPos = -1;
    if (bHere && Hit_Open_Menu(x, y, &nLevel, &nPos)) {
        if (uMsg != WM_LBUTTONUP || gLoop.bArmed) Mouse_On_Open_Menu(uMsg, nLevel, nPos);
    } else if (bPress) {
        Exit_Loop();
    }
    return true;
}

bool Handle_Mouse(HWND hTop, UINT uMsg, int x, int y) {
    if (gLoop.bPopup) return Popup_Mouse(hTop, uMsg, x, y);
    bool bPress = uMsg == WM_LBUTTONDOWN || uMsg == WM_RBUTTONDOWN;
    if (gLoop.hTop && gLoop.hTop != hTop && bPress) Exit_Loop();  // a press in another window
    bool bActive = gLoop.hTop == hTop;
    size_t nLevel = 0;
    int nPos = -1;
    if (bActive && Hit_Open_Menu(x, y, &nLevel, &nPos)) {
        Mouse_On_Open_Menu(uMsg, nLevel, nPos);
        return true;
    }
    int nBarItem = Hit_Bar(hTop, x, y);
    if (nBarItem >= 0 && !IsWindowEnabled(hTop)) return bPress;  // used up, nothing opens
    if (nBarItem >= 0 && (uMsg == WM_LBUTTONDOWN || bActive)) {
        Mouse_On_Bar(hTop, uMsg, nBarItem);
        return true;
    }
    if (!bActive) return false;
    // A press anywhere else closes the menus and is used up.
    if (bPress) Exit_Loop();
    return true;
}

bool Handle_Key(HWND hTop, UINT uMsg, WPARAM wParam) {
    if (gLoop.bPopup) hTop = gLoop.hTop;  // a popup takes the keys wherever the focus is
    if (gLoop.hTop != hTop) return Key_Outside_Loop(hTop, uMsg, wParam);
    switch (uMsg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: Loop_Key_Down(wParam); return true;
    case WM_CHAR:  // the key-down already acted
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP: return true;
    default: return false;
    }
}

// Gives the area of a closed drop-down back to the windows under it.
void Restore_Area(HWND hTop, const RECT& rc) {
    RECT rcClient = Window_Client_In_Surface(hTop);
    RECT rcInClient = {rc.left - rcClient.left, rc.top - rcClient.top, rc.right - rcClient.left,
                       rc.bottom - rcClient.top};
    InvalidateRect(hTop, &rcInClient, TRUE);
    std::vector<HWND> aWindows = Window_Visible_Children(hTop);
    while (!aWindows.empty()) {
        HWND hChild = aWindows.back();
        aWindows.pop_back();
        RECT rcChild = Window_Frame_In_Surface(hChild);
        if (rcChild.left >= rc.right || rc.left >= rcChild.right || rcChild.top >= rc.bottom ||
            rc.top >= rcChild.bottom)
            continue;
        InvalidateRect(hChild, nullptr, TRUE);
        for (HWND hInner : Window_Visible_Children(hChild)) aWindows.push_back(hInner);
    }
}

// The areas the open drop-downs cover.
std::vector<RECT> Open_Areas() {
    std::vector<RECT> aAreas;
    for (const MENU_OPEN_LEVEL& open : gLoop.aOpen) {
        std::vector<RECT> aRects = Menu_Drop_Item_Rects(open.hMenu, open.x, open.y);
        if (!aRects.empty()) aAreas.push_back(Menu_Drop_Area(aRects));
    }
    return aAreas;
}

// Shows the loop as it now stands: areas of drop-downs that closed go back to their windows,
// and the bar and the open drop-downs are painted.
void Refresh() {
    std::vector<RECT> aNow = Open_Areas();
    if (IsWindow(gPaintedIn)) {
        for (const RECT& rc : gPaintedAreas) {
            bool bStillOpen = false;
            for (const RECT& r : aNow)
                bStillOpen =
                    bStillOpen || (gPaintedIn == gLoop.hTop && r.left == rc.left &&
                                   r.top == rc.top && r.right == rc.right && r.bottom == rc.bottom);
            if (!bStillOpen) Restore_Area(gPaintedIn, rc);
        }
        if (gPaintedIn != gLoop.hTop) Menu_Paint(gPaintedIn);
    }
    if (gLoop.hTop) Menu_Paint(gLoop.hTop);
    gPaintedIn = gLoop.hTop;
    gPaintedAreas = aNow;
}

}  // namespace

int Menu_Bar_Height(HWND hWnd) {
    if (!IsWindow(hWnd) || (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)) return 0;
    return GetMenu(hWnd) ? METRIC_MENU : 0;
}

BOOL DrawMenuBar(HWND hWnd) {
    if (!IsWindow(hWnd)) return FALSE;
    Menu_Paint(hWnd);
    return TRUE;
}

void Menu_Paint_Open(HWND hTop) {
    if (hTop && gLoop.hTop == hTop) Menu_Paint(hTop);
}

void Menu_Paint(HWND hTop) {
    bool bLoopHere = hTop && gLoop.hTop == hTop;
    if (Menu_Bar_Height(hTop) == 0 && !bLoopHere) return;
    HDC hdc = GetWindowDC(hTop);
    if (!hdc) return;
    if (Menu_Bar_Height(hTop) > 0) Menu_Paint_Bar(hdc, hTop, bLoopHere ? gLoop.nBarItem : -1);
    if (bLoopHere)
        for (const MENU_OPEN_LEVEL& open : gLoop.aOpen) Menu_Paint_Drop_Down(hdc, open);
    ReleaseDC(hTop, hdc);
}

bool Menu_Handle_Mouse(HWND hTop, UINT uMsg, int x, int y) {
    HWND hBefore = gLoop.hTop;
    bool bTaken = Handle_Mouse(hTop, uMsg, x, y);
    if (bTaken || hBefore != gLoop.hTop) Refresh();
    return bTaken;
}

bool Menu_Handle_Key(HWND hTop, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    HWND hBefore = gLoop.hTop;
    bool bTaken = Handle_Key(hTop, uMsg, wParam);
    if (bTaken || hBefore != gLoop.hTop) Refresh();
    return bTaken;
}

void Menu_Loop_Forget(HWND hWnd, HMENU hMenu) {
    if (gAltPressedIn == hWnd) gAltPressedIn = nullptr;
    if (hWnd && gPaintedIn == hWnd) {  // a window going away needs no repainting
        gPaintedIn = nullptr;
        gPaintedAreas.clear();
    }
    if (!gLoop.hTop) return;
    HMENU hBar = GetMenu(gLoop.hTop);
    bool bShown = !gLoop.bPopup && (!hBar || (hMenu && hBar == hMenu));
    for (const MENU_OPEN_LEVEL& open : gLoop.aOpen)
        bShown = bShown || (hMenu && open.hMenu == hMenu);
    if (gLoop.hTop != hWnd && !bShown) return;
    gLoop = kNoLoop;
    Refresh();  // the closed drop-downs' areas go back to the windows under them
}

void Menu_Loop_Reset(void) {
    gLoop = kNoLoop;
    gPopupChoice = 0;
    gAltPressedIn = nullptr;
    gPaintedIn = nullptr;
    gPaintedAreas.clear();
}

bool Menu_Popup_Begin(HMENU hMenu, UINT uFlags, POINT ptScreen, HWND hWnd) {
    HWND hTop = Window_Get_Top_Level(hWnd);
    RECT rcTop;
    if (!Menu_Get_Items(hMenu) || !hTop || !GetWindowRect(hTop, &rcTop)) return false;
    if (gLoop.hTop) Exit_Loop();
    Refresh();
    gPopupChoice = 0;
    POINT pt = {ptScreen.x - rcTop.left, ptScreen.y - rcTop.top};
    gLoop = kNoLoop;
    gLoop.hTop = hTop;
    gLoop.bPopup = true;
    gLoop.uPopupFlags = uFlags;
    gLoop.hNotify = uFlags & TPM_NONOTIFY ? nullptr : hWnd;
    gLoop.ptOpened = pt;
    // TrackPopupMenu has sent WM_INITMENUPOPUP for the popup itself.
    Push_Level(hMenu, {pt, uFlags, pt}, false);
    Refresh();
    return true;
}

bool Menu_Popup_Running(void) { return gLoop.bPopup; }

int Menu_Popup_Choice(void) { return gPopupChoice; }

void Menu_Popup_End(void) {
    if (!gLoop.bPopup) return;
    Exit_Loop();
    Refresh();
}

// ---- test hooks ------------------------------------------------------------------------------------

bool Test_Menu_Mouse(HWND hTop, UINT uMsg, int x, int y) {
    return Menu_Handle_Mouse(hTop, uMsg, x, y);
}

bool Test_Menu_Key(HWND hTop, UINT uMsg, WPARAM wParam) {
    return Menu_Handle_Key(hTop, uMsg, wParam, 0);
}

bool Test_Get_Menu_Bar_Item_Rect(HWND hTop, int nPos, RECT* pRect) {
    std::vector<RECT> aRects = Menu_Bar_Item_Rects(hTop);
    if (!pRect || nPos < 0 || static_cast<size_t>(nPos) >= aRects.size()) return false;
    *pRect = aRects[static_cast<size_t>(nPos)];
    return true;
}

bool Test_Get_Open_Menu_Item_Rect(int nLevel, int nPos, RECT* pRect) {
    if (!pRect || nLevel < 0 || static_cast<size_t>(nLevel) >= gLoop.aOpen.size()) return false;
    const MENU_OPEN_LEVEL& open = gLoop.aOpen[static_cast<size_t>(nLevel)];
    std::vector<RECT> aRects = Menu_Drop_Item_Rects(open.hMenu, open.x, open.y);
    if (nPos < 0 || static_cast<size_t>(nPos) >= aRects.size()) return false;
    *pRect = aRects[static_cast<size_t>(nPos)];
    return true;
}

TEST_MENU_LOOP Test_Get_Menu_Loop() {
    TEST_MENU_LOOP loop = {gLoop.hTop, gLoop.nBarItem, {}, {}};
    for (const MENU_OPEN_LEVEL& open : gLoop.aOpen) {
        loop.aOpen.push_back(open.hMenu);
        loop.aSelected.push_back(open.nSelected);
    }
    return loop;
}

bool Test_Begin_Popup_Loop(HMENU hMenu, UINT uFlags, POINT ptScreen, HWND hWnd) {
    return Menu_Popup_Begin(hMenu, uFlags, ptScreen, hWnd);
}

int Test_Popup_Loop_Choice() { return Menu_Popup_Choice(); }
