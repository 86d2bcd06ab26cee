// What the platform layer's modules share among themselves. Never included by the game.
#pragma once

#include "test_api.h"
#include "windows.h"

#include <functional>
#include <string>
#include <vector>

// ---- window manager (window/window_manager.cpp) -----------------------------------------------
// The class every dialog window belongs to; its window procedure calls the DLGPROC kept at
// DWLP_DLGPROC.
#define DIALOG_CLASS_NAME "#32770"
#define DIALOG_EXTRA_BYTES 24

// CreateWindowExA, but a class that is not registered gets a plain window whose procedure is
// DefWindowProcA (dialog templates may name control classes no one has registered yet).
HWND Window_Create_Any_Class(DWORD dwExStyle, LPCSTR szClass, LPCSTR szTitle, DWORD dwStyle, int x,
                             int y, int nWidth, int nHeight, HWND hParent, int nId, LPVOID pParam);
// A visible window that is waiting for WM_PAINT and matches the filter (null: any), or null.
HWND Window_Find_Invalid(HWND hFilter);
void Window_Validate(HWND hWnd);
// Drops every window and class without sending any message; registers the built-in classes.
void Window_Reset(void);

// What the drawing layer asks of the window manager. A top-level window's surface covers its whole
// rectangle, with (0,0) at the window's top-left corner; every window is drawn into the surface
// of its top-level window.
// The top-level window a window is drawn in (the window itself when it is not a child).
HWND Window_Get_Top_Level(HWND hWnd);
// The window's whole rectangle and its client area, in its top-level window's surface.
RECT Window_Frame_In_Surface(HWND hWnd);
RECT Window_Client_In_Surface(HWND hWnd);
// The window's visible child windows, topmost first.
std::vector<HWND> Window_Visible_Children(HWND hWnd);
// Takes the window's update area for BeginPaint (client coordinates, empty when nothing waits)
// and validates the window; *pbErase says whether the background must be erased.
RECT Window_Take_Update_Rect(HWND hWnd, bool* pbErase);

// ---- menus (window/menu_*.cpp) ------------------------------------------------------------------
// One item of a menu object (window/menu_objects.cpp).
struct MENU_ITEM {
    UINT uFlags;  // MF_ type and state flags, MF_POPUP for an item that opens hSubMenu
    UINT uId;     // the command; 0 for separators and popups
    HMENU hSubMenu;
    std::string stText;  // with its & mnemonic and the \t before a shortcut text
    UINT_PTR uData;
};
// The items of a live menu; nullptr for any other handle. Sending a message may change them.
const std::vector<MENU_ITEM>* Menu_Get_Items(HMENU hMenu);
// Whether the item can be chosen: neither a separator nor grayed or disabled.
bool Menu_Item_Enabled(const MENU_ITEM& item);
// The item's mnemonic in lower case (the character after a single '&'), 0 for none.
char Menu_Item_Mnemonic(const MENU_ITEM& item);
// Destroys the window's menu and drops it from the window-to-menu map; DestroyWindow calls it.
void Menu_Forget_Window(HWND hWnd);
void Menu_Reset(void);

// The height of the window's menu bar between its caption and its client area; 0 without a menu.
int Menu_Bar_Height(HWND hWnd);
// Input the menus take before the window does, in the top-level window's surface coordinates
// (mouse) or as the key message (Alt, F10, mnemonics, arrows, Enter, Escape while a menu is
// open); true when the menus took it.
bool Menu_Handle_Mouse(HWND hTop, UINT uMsg, int x, int y);
bool Menu_Handle_Key(HWND hTop, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Paints the window's menu bar and, while the menu loop runs there, its open drop-downs into the
// window's surface. The drop-downs lie over the client area: painting the window's frame or
// client area must be followed by this call so that they stay on top.
void Menu_Paint(HWND hTop);
// Ends the menu loop if it shows the menu or runs in the window (window/menu_bar.cpp).
void Menu_Loop_Forget(HWND hWnd, HMENU hMenu);
void Menu_Loop_Reset(void);
void Menu_Popup_Reset(void);  // window/menu_popup.cpp

// ---- accelerators (window/accelerators.cpp) -----------------------------------------------------
void Accelerator_Reset(void);

// ---- message queue (window/message_queue.cpp) ---------------------------------------------------
// Removes the posted messages and timers of a window that is being destroyed.
void Queue_Forget_Window(HWND hWnd);
void Queue_Reset(void);

// ---- dialog manager (dialog/dialog_manager.cpp) -------------------------------------------------
LRESULT Dialog_Window_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
void Dialog_Reset(void);

// ---- headless scripts and transcript (test_api.cpp) --------------------------------------------
// The scripted answer for a message box, if one fits; each answer is used once.
bool Script_Take_Message_Box_Answer(const std::string& stText, const std::string& stCaption,
                                    int* pAnswer);
// The script for a dialog template, if any; each script is used once.
bool Script_Take_Dialog_Action(int nTemplateId, std::function<void(HWND)>* pAction);
// Appends to the transcript; returns the entry's index so a dialog can fill in how it ended.
size_t Script_Record_Shown(const TEST_SHOWN& shown);
void Script_Set_Shown_Result(size_t nIndex, const TEST_SHOWN& shown);
// Calls the strict-mode handler for something no script answered (nothing when strict is off).
void Script_Report_Unscripted(const TEST_SHOWN& shown);
void Script_Guard_User_Wait(const std::string& stWhat);

// ---- drawing layer (gdi/) ----------------------------------------------------------------------
// A top-level window's pixels for a backend to present: 32-bit BGRA, rows top-down, nStride
// pixels apart, sized to the window's whole rectangle.
struct SURFACE_VIEW {
    const uint32_t* pPixels;
    int nWidth;
    int nHeight;
    int nStride;
};
// False when the window has no surface (not a top-level window, or never drawn).
bool Gdi_Get_Window_Surface(HWND hTop, SURFACE_VIEW* pView);
// What DefWindowProcA does for WM_PAINT (validates through BeginPaint / EndPaint) and
// WM_ERASEBKGND (fills the update area with the class background brush; 1 when it erased).
LRESULT Gdi_Default_Paint(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// The brush a window's class erases its background with, or null.
HBRUSH Window_Class_Background(HWND hWnd);
// Drops every drawing object, device context and window surface.
void Gdi_Reset(void);

// ---- services ------------------------------------------------------------------------------------
void Debug_Reset(void);
void Clock_Reset(void);
