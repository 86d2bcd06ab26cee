// Menu objects: their items, the calls that build and change them, LoadMenuA from the resource
// tables, and which top-level window shows which menu.
#include "../platform_internal.h"
#include "../rc/rc_tables.h"

#include <ctype.h>
#include <string.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

struct MENU_OBJECT {
    std::vector<MENU_ITEM> aItems;
};

const UINT kTypeFlags = MF_SEPARATOR | MF_MENUBARBREAK | MF_MENUBREAK | MF_RIGHTJUSTIFY;
const UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;
const UINT kEnableFlags = MF_GRAYED | MF_DISABLED;

std::map<HMENU, std::unique_ptr<MENU_OBJECT>> gMenus;
std::map<HWND, HMENU> gWindowMenus;

MENU_OBJECT* Find_Menu(HMENU hMenu) {
    auto it = gMenus.find(hMenu);
    return it == gMenus.end() ? nullptr : it->second.get();
}

HMENU New_Menu() {
    auto pMenu = std::make_unique<MENU_OBJECT>();
    HMENU hMenu = reinterpret_cast<HMENU>(pMenu.get());
    gMenus[hMenu] = std::move(pMenu);
    return hMenu;
}

// Where an item lies: the menu that holds it and its index there.
struct ITEM_PLACE {
    MENU_OBJECT* pMenu;
    size_t nIndex;
};

// By command the search goes down into submenus, the first match winning.
bool Locate_By_Command(HMENU hMenu, UINT uId, ITEM_PLACE* pPlace, int nDepth) {
    MENU_OBJECT* pMenu = Find_Menu(hMenu);
    if (!pMenu || nDepth > 64) return false;
    for (size_t i = 0; i < pMenu->aItems.size(); i++) {
        const MENU_ITEM& item = pMenu->aItems[i];
        if (!(item.uFlags & (MF_POPUP | MF_SEPARATOR)) && item.uId == uId) {
            *pPlace = {pMenu, i};
            return true;
        }
        if ((item.uFlags & MF_POPUP) && Locate_By_Command(item.hSubMenu, uId, pPlace, nDepth + 1))
            return true;
    }
    return false;
}

// uFlags chooses MF_BYPOSITION or MF_BYCOMMAND.
MENU_ITEM* Locate(HMENU hMenu, UINT uItem, UINT uFlags, ITEM_PLACE* pPlace = nullptr) {
    ITEM_PLACE place = {nullptr, 0};
    if (uFlags & MF_BYPOSITION) {
        MENU_OBJECT* pMenu = Find_Menu(hMenu);
        if (!pMenu || uItem >= pMenu->aItems.size()) return nullptr;
        place = {pMenu, uItem};
    } else if (!Locate_By_Command(hMenu, uItem, &place, 0)) {
        return nullptr;
    }
    if (pPlace) *pPlace = place;
    return &place.pMenu->aItems[place.nIndex];
}

// Whether hInner is hMenu or one of its submenus at any depth.
bool Menu_Contains(HMENU hMenu, HMENU hInner, int nDepth) {
    if (hMenu == hInner) return true;
    const MENU_OBJECT* pMenu = Find_Menu(hMenu);
    if (!pMenu || nDepth > 64) return false;
    for (const MENU_ITEM& item : pMenu->aItems)
        if ((item.uFlags & MF_POPUP) && Menu_Contains(item.hSubMenu, hInner, nDepth + 1))
            return true;
    return false;
}

// A submenu must be a live menu that does not hold the menu it goes into.
bool Submenu_Fits(HMENU hMenu, HMENU hSub) {
    return Find_Menu(hSub) && !Menu_Contains(hSub, hMenu, 0);
}

// The item AppendMenuA, InsertMenuA and ModifyMenuA describe; false when it cannot go into hMenu.
bool Item_From_Flags(HMENU hMenu, UINT uFlags, UINT_PTR uIdNewItem, LPCSTR szNewItem,
                     MENU_ITEM* pItem) {
    *pItem = {uFlags & (kTypeFlags | kStateFlags), 0, nullptr, "", 0};
    if (uFlags & MF_POPUP) {
        HMENU hSub = reinterpret_cast<HMENU>(uIdNewItem);
        if (!Submenu_Fits(hMenu, hSub)) return false;
        pItem->uFlags |= MF_POPUP;
        pItem->hSubMenu = hSub;
    } else {
        pItem->uId = static_cast<UINT>(uIdNewItem & 0xFFFF);
    }
    if (!(uFlags & MF_SEPARATOR) && szNewItem) pItem->stText = szNewItem;
    return true;
}

void Destroy_Menu_Tree(HMENU hMenu, int nDepth) {
    auto it = gMenus.find(hMenu);
    if (it == gMenus.end() || nDepth > 64) return;
    std::unique_ptr<MENU_OBJECT> pMenu = std::move(it->second);
    gMenus.erase(it);
    for (auto w = gWindowMenus.begin(); w != gWindowMenus.end();)
        w = w->second == hMenu ? gWindowMenus.erase(w) : std::next(w);
    Menu_Loop_Forget(nullptr, hMenu);
    for (const MENU_ITEM& item : pMenu->aItems)
        if (item.uFlags & MF_POPUP) Destroy_Menu_Tree(item.hSubMenu, nDepth + 1);
}

// Sets the bits of uMask to uNew's; the bits as they were, or -1 when there is no such item.
LONG Change_State(HMENU hMenu, UINT uItem, UINT uFlags, UINT uMask) {
    MENU_ITEM* pItem = Locate(hMenu, uItem, uFlags);
    if (!pItem) return -1;
    UINT uOld = pItem->uFlags & uMask;
    pItem->uFlags = (pItem->uFlags & ~uMask) | (uFlags & uMask);
    return static_cast<LONG>(uOld);
}

// Copies the text into a buffer of nMax bytes; the number of bytes copied.
int Copy_Text(const std::string& stText, LPSTR szOut, int nMax) {
    if (!szOut || nMax <= 0) return 0;
    size_t nLength = std::min(stText.size(), static_cast<size_t>(nMax - 1));
    memcpy(szOut, stText.data(), nLength);
    szOut[nLength] = 0;
    return static_cast<int>(nLength);
}

// Applies the fields of pInfo its mask names; false for a submenu that cannot go there.
bool Apply_Item_Info(HMENU hMenu, const MENUITEMINFOA* pInfo, MENU_ITEM* pItem) {
    UINT fMask = pInfo->fMask;
    if (fMask & (MIIM_FTYPE | MIIM_TYPE))
        pItem->uFlags = (pItem->uFlags & ~(kTypeFlags | MFT_RADIOCHECK)) |
                        (pInfo->fType & (kTypeFlags | MFT_RADIOCHECK));
    if (fMask & MIIM_STATE)
        pItem->uFlags = (pItem->uFlags & ~kStateFlags) | (pInfo->fState & kStateFlags);
    if (fMask & MIIM_ID) pItem->uId = pInfo->wID & 0xFFFF;
    if (fMask & MIIM_DATA) pItem->uData = pInfo->dwItemData;
    if (fMask & MIIM_SUBMENU) {
        if (pInfo->hSubMenu && !Submenu_Fits(hMenu, pInfo->hSubMenu)) return false;
        pItem->hSubMenu = pInfo->hSubMenu;
        pItem->uFlags = pInfo->hSubMenu ? pItem->uFlags | MF_POPUP : pItem->uFlags & ~MF_POPUP;
    }
    bool bText = (fMask & MIIM_STRING) || ((fMask & MIIM_TYPE) && !(pInfo->fType & MF_SEPARATOR));
    if (bText) pItem->stText = pInfo->dwTypeData ? pInfo->dwTypeData : "";
    return true;
}

// Puts the item before the one uPosition names; by position, past the end appends.
BOOL Insert_Item(HMENU hMenu, UINT uPosition, UINT uFlags, const MENU_ITEM& item) {
    ITEM_PLACE place = {nullptr, 0};
    if (uFlags & MF_BYPOSITION) {
        MENU_OBJECT* pMenu = Find_Menu(hMenu);
        if (!pMenu) return FALSE;
        place = {pMenu, std::min(static_cast<size_t>(uPosition), pMenu->aItems.size())};
    } else if (!Locate(hMenu, uPosition, uFlags, &place)) {
        return FALSE;
    }
    place.pMenu->aItems.insert(place.pMenu->aItems.begin() + static_cast<long>(place.nIndex), item);
    return TRUE;
}

// Takes the item out of its menu; with bDestroy its submenu is destroyed.
BOOL Take_Out_Item(HMENU hMenu, UINT uPosition, UINT uFlags, bool bDestroy) {
    ITEM_PLACE place = {nullptr, 0};
    MENU_ITEM* pItem = Locate(hMenu, uPosition, uFlags, &place);
    if (!pItem) return FALSE;
    HMENU hSub = pItem->uFlags & MF_POPUP ? pItem->hSubMenu : nullptr;
    place.pMenu->aItems.erase(place.pMenu->aItems.begin() + static_cast<long>(place.nIndex));
    if (bDestroy && hSub) Destroy_Menu_Tree(hSub, 0);
    return TRUE;
}

bool Is_Top_Level_Window(HWND hWnd) {
    return IsWindow(hWnd) && !(GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD);
}

}  // namespace

// ---- what the menu bar and popups read -----------------------------------------------------------

const std::vector<MENU_ITEM>* Menu_Get_Items(HMENU hMenu) {
    const MENU_OBJECT* pMenu = Find_Menu(hMenu);
    return pMenu ? &pMenu->aItems : nullptr;
}

bool Menu_Item_Enabled(const MENU_ITEM& item) {
    return !(item.uFlags & (MF_SEPARATOR | kEnableFlags));
}

char Menu_Item_Mnemonic(const MENU_ITEM& item) {
    const std::string& st = item.stText;
    for (size_t i = 0; i + 1 < st.size(); i++) {
        if (st[i] != '&') continue;
        if (st[i + 1] != '&')
            return static_cast<char>(tolower(static_cast<unsigned char>(st[i + 1])));
        i++;  // "&&" is a plain '&'
    }
    return 0;
}

void Menu_Forget_Window(HWND hWnd) {
    Menu_Loop_Forget(hWnd, nullptr);
    auto it = gWindowMenus.find(hWnd);
    if (it == gWindowMenus.end()) return;
    HMENU hMenu = it->second;
    gWindowMenus.erase(it);
    Destroy_Menu_Tree(hMenu, 0);
}

void Menu_Reset(void) {
    gWindowMenus.clear();
    gMenus.clear();
}

// ---- creating and destroying -----------------------------------------------------------------------

HMENU CreateMenu(void) { return New_Menu(); }

HMENU CreatePopupMenu(void) { return New_Menu(); }

BOOL DestroyMenu(HMENU hMenu) {
    if (!Find_Menu(hMenu)) return FALSE;
    Destroy_Menu_Tree(hMenu, 0);
    return TRUE;
}

// The script's flat item list becomes a menu with a popup menu for each POPUP.
HMENU LoadMenuA(HINSTANCE /*hInstance*/, LPCSTR szName) {
    if (!IS_INTRESOURCE(szName)) return nullptr;
    const RC_MENU* pResource = Rc_Find_Menu(static_cast<int>(reinterpret_cast<UINT_PTR>(szName)));
    if (!pResource) return nullptr;
    HMENU hMenu = CreateMenu();
    std::vector<HMENU> aLevels = {hMenu};  // the menu that takes items at each depth
    for (int i = 0; i < pResource->nItems; i++) {
        const RC_MENU_ITEM& r = pResource->pItems[i];
        if (r.nDepth < 0 || static_cast<size_t>(r.nDepth) >= aLevels.size()) {
            DestroyMenu(hMenu);
            return nullptr;
        }
        aLevels.resize(static_cast<size_t>(r.nDepth) + 1);
        UINT_PTR uId = static_cast<UINT_PTR>(r.nId);
        HMENU hSub = nullptr;
        if (r.uFlags & MF_POPUP) {
            hSub = CreatePopupMenu();
            uId = reinterpret_cast<UINT_PTR>(hSub);
        }
        AppendMenuA(aLevels.back(), r.uFlags, uId, r.szText);
        if (hSub) aLevels.push_back(hSub);
    }
    return hMenu;
}

// ---- the window's menu -------------------------------------------------------------------------------

HMENU GetMenu(HWND hWnd) {
    auto it = gWindowMenus.find(hWnd);
    if (it == gWindowMenus.end()) return nullptr;
    if (!IsWindow(hWnd)) {  // the window went away without telling us
        gWindowMenus.erase(it);
        return nullptr;
    }
    return it->second;
}

BOOL SetMenu(HWND hWnd, HMENU hMenu) {
    if (!Is_Top_Level_Window(hWnd) || (hMenu && !Find_Menu(hMenu))) return FALSE;
    Menu_Loop_Forget(hWnd, nullptr);
    if (hMenu)
        gWindowMenus[hWnd] = hMenu;
    else
        gWindowMenus.erase(hWnd);
    return DrawMenuBar(hWnd);
}

// ---- reading items -------------------------------------------------------------------------------------

HMENU GetSubMenu(HMENU hMenu, int nPos) {
    if (nPos < 0) return nullptr;
    const MENU_ITEM* pItem = Locate(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    return pItem && (pItem->uFlags & MF_POPUP) ? pItem->hSubMenu : nullptr;
}

int GetMenuItemCount(HMENU hMenu) {
    const MENU_OBJECT* pMenu = Find_Menu(hMenu);
    return pMenu ? static_cast<int>(pMenu->aItems.size()) : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos) {
    if (nPos < 0) return static_cast<UINT>(-1);
    const MENU_ITEM* pItem = Locate(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    if (!pItem || (pItem->uFlags & MF_POPUP)) return static_cast<UINT>(-1);
    return pItem->uId;
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
    const MENU_ITEM* pItem = Locate(hMenu, uId, uFlags);
    if (!pItem) return static_cast<UINT>(-1);
    if (!(pItem->uFlags & MF_POPUP)) return pItem->uFlags;
    UINT uCount = static_cast<UINT>(GetMenuItemCount(pItem->hSubMenu));
    return (uCount << 8) | (pItem->uFlags & 0xFF);
}

int GetMenuStringA(HMENU hMenu, UINT uIdItem, LPSTR szString, int nMax, UINT uFlags) {
    const MENU_ITEM* pItem = Locate(hMenu, uIdItem, uFlags);
    if (!pItem) return 0;
    if (!szString) return static_cast<int>(pItem->stText.size());
    return Copy_Text(pItem->stText, szString, nMax);
}

BOOL GetMenuItemInfoA(HMENU hMenu, UINT uItem, BOOL bByPosition, MENUITEMINFOA* pInfo) {
    if (!pInfo) return FALSE;
    const MENU_ITEM* pItem = Locate(hMenu, uItem, bByPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (!pItem) return FALSE;
    UINT fMask = pInfo->fMask;
    if (fMask & (MIIM_FTYPE | MIIM_TYPE))
        pInfo->fType = pItem->uFlags & (kTypeFlags | MFT_RADIOCHECK);
    if (fMask & MIIM_STATE) pInfo->fState = pItem->uFlags & kStateFlags;
    if (fMask & MIIM_ID) pInfo->wID = pItem->uId;
    if (fMask & MIIM_SUBMENU)
        pInfo->hSubMenu = pItem->uFlags & MF_POPUP ? pItem->hSubMenu : nullptr;
    if (fMask & MIIM_DATA) pInfo->dwItemData = pItem->uData;
    if (fMask & (MIIM_STRING | MIIM_TYPE)) {
        // With no buffer cch receives the text's length; otherwise the bytes copied.
        if (pInfo->dwTypeData && pInfo->cch > 0)
            pInfo->cch = static_cast<UINT>(
                Copy_Text(pItem->stText, pInfo->dwTypeData, static_cast<int>(pInfo->cch)));
        else
            pInfo->cch = static_cast<UINT>(pItem->stText.size());
    }
    return TRUE;
}

// ---- changing items ---------------------------------------------------------------------------------

BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIdNewItem, LPCSTR szNewItem) {
    return InsertMenuA(hMenu, static_cast<UINT>(-1), uFlags | MF_BYPOSITION, uIdNewItem, szNewItem);
}

BOOL InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIdNewItem, LPCSTR szNewItem) {
    MENU_ITEM item;
    if (!Find_Menu(hMenu) || !Item_From_Flags(hMenu, uFlags, uIdNewItem, szNewItem, &item))
        return FALSE;
    return Insert_Item(hMenu, uPosition, uFlags, item);
}

BOOL InsertMenuItemA(HMENU hMenu, UINT uItem, BOOL bByPosition, const MENUITEMINFOA* pInfo) {
    MENU_ITEM item = {0, 0, nullptr, "", 0};
    if (!pInfo || !Find_Menu(hMenu) || !Apply_Item_Info(hMenu, pInfo, &item)) return FALSE;
    return Insert_Item(hMenu, uItem, bByPosition ? MF_BYPOSITION : MF_BYCOMMAND, item);
}

// A popup item that gets another submenu destroys the one it had.
BOOL ModifyMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIdNewItem, LPCSTR szNewItem) {
    MENU_ITEM* pItem = Locate(hMenu, uPosition, uFlags);
    MENU_ITEM item;
    if (!pItem || !Item_From_Flags(hMenu, uFlags, uIdNewItem, szNewItem, &item)) return FALSE;
    HMENU hOldSub = pItem->uFlags & MF_POPUP ? pItem->hSubMenu : nullptr;
    item.uData = pItem->uData;
    *pItem = item;
    if (hOldSub && hOldSub != item.hSubMenu) Destroy_Menu_Tree(hOldSub, 0);
    return TRUE;
}

BOOL SetMenuItemInfoA(HMENU hMenu, UINT uItem, BOOL bByPosition, const MENUITEMINFOA* pInfo) {
    if (!pInfo) return FALSE;
    MENU_ITEM* pItem = Locate(hMenu, uItem, bByPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (!pItem) return FALSE;
    MENU_ITEM item = *pItem;
    if (!Apply_Item_Info(hMenu, pInfo, &item)) return FALSE;
    *pItem = item;
    return TRUE;
}

BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    return Take_Out_Item(hMenu, uPosition, uFlags, true);
}

BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) {
    return Take_Out_Item(hMenu, uPosition, uFlags, false);
}

BOOL EnableMenuItem(HMENU hMenu, UINT uIdItem, UINT uEnable) {
    return Change_State(hMenu, uIdItem, uEnable, kEnableFlags);
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIdItem, UINT uCheck) {
    return static_cast<DWORD>(Change_State(hMenu, uIdItem, uCheck, MF_CHECKED));
}
