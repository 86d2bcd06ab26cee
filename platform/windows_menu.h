// Menus and keyboard accelerators under their usual names and numeric values. Included by
// windows.h; the game never includes it directly.
#pragma once

// ---- menu messages ------------------------------------------------------------------------------
#define WM_INITMENU 0x0116
#define WM_INITMENUPOPUP 0x0117
#define WM_MENUSELECT 0x011F
#define WM_ENTERMENULOOP 0x0211
#define WM_EXITMENULOOP 0x0212

// ---- item flags (AppendMenuA, InsertMenuA, ModifyMenuA, EnableMenuItem, GetMenuState ...) -------
#define MF_INSERT 0x00000000
#define MF_CHANGE 0x00000080
#define MF_APPEND 0x00000100
#define MF_DELETE 0x00000200
#define MF_REMOVE 0x00001000
#define MF_BYCOMMAND 0x00000000
#define MF_BYPOSITION 0x00000400
#define MF_SEPARATOR 0x00000800
#define MF_ENABLED 0x00000000
#define MF_GRAYED 0x00000001
#define MF_DISABLED 0x00000002
#define MF_UNCHECKED 0x00000000
#define MF_CHECKED 0x00000008
#define MF_STRING 0x00000000
#define MF_POPUP 0x00000010
#define MF_MENUBARBREAK 0x00000020
#define MF_MENUBREAK 0x00000040
#define MF_UNHILITE 0x00000000
#define MF_HILITE 0x00000080
#define MF_DEFAULT 0x00001000
#define MF_RIGHTJUSTIFY 0x00004000
#define MF_HELP 0x00004000

// Item types and states of MENUITEMINFOA.
#define MFT_STRING MF_STRING
#define MFT_SEPARATOR MF_SEPARATOR
#define MFT_MENUBARBREAK MF_MENUBARBREAK
#define MFT_MENUBREAK MF_MENUBREAK
#define MFT_RADIOCHECK 0x00000200
#define MFT_RIGHTJUSTIFY MF_RIGHTJUSTIFY
#define MFS_ENABLED MF_ENABLED
#define MFS_GRAYED 0x00000003
#define MFS_DISABLED MFS_GRAYED
#define MFS_UNCHECKED MF_UNCHECKED
#define MFS_CHECKED MF_CHECKED
#define MFS_HILITE MF_HILITE
#define MFS_DEFAULT MF_DEFAULT

// Which fields of MENUITEMINFOA are read or written.
#define MIIM_STATE 0x00000001
#define MIIM_ID 0x00000002
#define MIIM_SUBMENU 0x00000004
#define MIIM_CHECKMARKS 0x00000008
#define MIIM_TYPE 0x00000010
#define MIIM_DATA 0x00000020
#define MIIM_STRING 0x00000040
#define MIIM_BITMAP 0x00000080
#define MIIM_FTYPE 0x00000100

typedef struct tagMENUITEMINFOA {
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    void* hbmpChecked;
    void* hbmpUnchecked;
    UINT_PTR dwItemData;
    LPSTR dwTypeData;
    UINT cch;
    void* hbmpItem;
} MENUITEMINFOA;

// ---- popup menus ----------------------------------------------------------------------------------
#define TPM_LEFTBUTTON 0x0000
#define TPM_RIGHTBUTTON 0x0002
#define TPM_LEFTALIGN 0x0000
#define TPM_CENTERALIGN 0x0004
#define TPM_RIGHTALIGN 0x0008
#define TPM_TOPALIGN 0x0000
#define TPM_VCENTERALIGN 0x0010
#define TPM_BOTTOMALIGN 0x0020
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100

typedef struct tagTPMPARAMS {
    UINT cbSize;
    RECT rcExclude;
} TPMPARAMS;

// ---- accelerators ---------------------------------------------------------------------------------
#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

typedef struct tagACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
} ACCEL;

// ---- menu objects -------------------------------------------------------------------------------
HMENU LoadMenuA(HINSTANCE hInstance, LPCSTR szName);  // by MAKEINTRESOURCEA id
HMENU CreateMenu(void);
HMENU CreatePopupMenu(void);
BOOL DestroyMenu(HMENU hMenu);  // with its submenus
HMENU GetMenu(HWND hWnd);
BOOL SetMenu(HWND hWnd, HMENU hMenu);  // the old menu is not destroyed
BOOL DrawMenuBar(HWND hWnd);
HMENU GetSubMenu(HMENU hMenu, int nPos);
int GetMenuItemCount(HMENU hMenu);          // -1 for no menu
UINT GetMenuItemID(HMENU hMenu, int nPos);  // (UINT)-1 for a submenu or no item
BOOL AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIdNewItem, LPCSTR szNewItem);
BOOL InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIdNewItem, LPCSTR szNewItem);
BOOL InsertMenuItemA(HMENU hMenu, UINT uItem, BOOL bByPosition, const MENUITEMINFOA* pInfo);
BOOL ModifyMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIdNewItem, LPCSTR szNewItem);
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);  // destroys the item's submenu
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags);  // keeps the item's submenu
// The previous state (MF_ENABLED, MF_GRAYED, MF_DISABLED) or -1 when there is no such item.
BOOL EnableMenuItem(HMENU hMenu, UINT uIdItem, UINT uEnable);
// The previous state (MF_CHECKED or MF_UNCHECKED) or (DWORD)-1 when there is no such item.
DWORD CheckMenuItem(HMENU hMenu, UINT uIdItem, UINT uCheck);
// The item's MF_ flags (for a submenu the item count in the high byte); (UINT)-1 for no item.
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
// Copies the item's text; with no buffer, its length. 0 when there is no such item.
int GetMenuStringA(HMENU hMenu, UINT uIdItem, LPSTR szString, int nMax, UINT uFlags);
BOOL GetMenuItemInfoA(HMENU hMenu, UINT uItem, BOOL bByPosition, MENUITEMINFOA* pInfo);
BOOL SetMenuItemInfoA(HMENU hMenu, UINT uItem, BOOL bByPosition, const MENUITEMINFOA* pInfo);

// With TPM_RETURNCMD the chosen command (0 when dismissed); otherwise the choice is posted as
// WM_COMMAND and the result is nonzero when the menu could be shown.
BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                    const RECT* pRect);
BOOL TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd, const TPMPARAMS* pParams);

// ---- accelerator tables -------------------------------------------------------------------------
HACCEL CreateAcceleratorTableA(const ACCEL* pEntries, int nEntries);
BOOL DestroyAcceleratorTable(HACCEL hAccel);
