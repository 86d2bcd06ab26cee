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

#define INFINITE 0xFFFFFFFFu

// The fixed frame metrics (see windows.h, "system metrics").
#define METRIC_BORDER 1
#define METRIC_EDGE 2
#define METRIC_FIXED_FRAME 3
#define METRIC_SIZING_FRAME 4
#define METRIC_CAPTION 23
#define METRIC_MENU 20

// CreateWindowExA, but a class that is not registered gets a plain window whose procedure is
// DefWindowProcA (dialog templates may name control classes no one has registered yet).
HWND Window_Create_Any_Class(DWORD dwExStyle, LPCSTR szClass, LPCSTR szTitle, DWORD dwStyle, int x,
                             int y, int nWidth, int nHeight, HWND hParent, int nId, LPVOID pParam);
// The top-level window a backend shows: a window with neither parent nor owner. Owned windows
// (dialogs, popups) are drawn by the layer inside their owner's host.
HWND Window_Get_Host(HWND hWnd);
bool Window_Is_Host(HWND hWnd);
// Host windows and their owned windows, back to front.
std::vector<HWND> Window_Top_Levels(void);
// A visible window that is waiting for WM_PAINT and matches the filter (null: any), or null.
HWND Window_Find_Invalid(HWND hFilter);
// A WM_PAINT was handed out: no other comes until the window is invalidated again, but the
// update area stays for BeginPaint.
void Window_Paint_Delivered(HWND hWnd);
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

// The frame, caption and menu bar around the client area, as insets from the window's rectangle.
RECT Window_Nonclient_Insets(DWORD dwStyle, DWORD dwExStyle, int nMenuHeight);
// A user's drag of the host's frame (or the backend's window manager resizing it): WM_ENTERSIZEMOVE,
// WM_SIZING with the proposed rectangle (screen coordinates) that the window may change, the
// change applied, WM_EXITSIZEMOVE. Returns the rectangle applied.
RECT Window_User_Resize(HWND hWnd, int nEdge, RECT rcProposed);
// The host's position on the screen moved by the backend's window manager.
void Window_User_Move(HWND hWnd, int x, int y);

// ---- input (window/input.cpp) ------------------------------------------------------------------
// Mouse input at a point on the screen over a host window: the menus first, then the capture
// window or the window under the point (child windows hit-tested from the top down), which gets
// WM_SETCURSOR on a move and the message, posted, with client coordinates.
void Input_Mouse(HWND hHost, UINT uMsg, POINT ptScreen, WPARAM wKeys);
// A key going down or up: the key state, the menus, then WM_KEYDOWN / WM_KEYUP (WM_SYSKEY* with
// Alt or F10) posted to the focus window (the active window when nothing has the focus).
// hTarget, when not null, takes the key instead of the focus.
void Input_Key(HWND hTarget, UINT uVirtualKey, bool bDown);
// A character typed (Windows-1252), posted as WM_CHAR to the focus window.
void Input_Char(HWND hTarget, BYTE chTyped);
// The modifier keys' state for a mouse message's wParam.
WPARAM Input_Modifier_Flags(void);
void Input_Set_Key_State(UINT uVirtualKey, bool bDown);
void Input_Reset(void);
// The last position of the mouse on the screen.
POINT Input_Cursor_Pos(void);

// ---- cursors (window/cursor.cpp) ---------------------------------------------------------------
// A cursor's picture for a backend: 32-bit BGRA, rows top-down; false for a system cursor, whose
// shape nSystemId (32512 = IDC_ARROW, ...) gives.
struct CURSOR_VIEW {
    int nSystemId;
    int nWidth;
    int nHeight;
    int nHotX;
    int nHotY;
    const uint32_t* pPixels;
};
bool Cursor_Get_View(HCURSOR hCursor, CURSOR_VIEW* pView);
void Cursor_Reset(void);

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
// Menu_Paint while the menu loop runs in the window, so that its open drop-downs stay over a
// repainted client area; nothing otherwise (a client paint cannot reach the menu bar).
void Menu_Paint_Open(HWND hTop);
// A popup menu in the menu loop (window/menu_bar.cpp): it opens at a point on the screen as the
// loop's first drop-down in the top-level window of hWnd, placed by the TPM_ alignment flags and
// kept inside what the display shows of that window; the mouse and keys then go to it first, as
// to the bar's drop-downs. False when it could not open. TrackPopupMenu sends the window its
// WM_INITMENUPOPUP and loop messages; the loop tells it WM_MENUSELECT (none with TPM_NONOTIFY).
bool Menu_Popup_Begin(HMENU hMenu, UINT uFlags, POINT ptScreen, HWND hWnd);
// Whether a popup loop runs; it ends when a command is chosen or the popup is dismissed.
bool Menu_Popup_Running(void);
// The command chosen in the last popup loop, 0 when it was dismissed.
int Menu_Popup_Choice(void);
// Dismisses a popup loop that still runs.
void Menu_Popup_End(void);
// Ends the menu loop if it shows the menu or runs in the window (window/menu_bar.cpp).
void Menu_Loop_Forget(HWND hWnd, HMENU hMenu);
void Menu_Loop_Reset(void);

// ---- accelerators (window/accelerators.cpp) -----------------------------------------------------
void Accelerator_Reset(void);

// ---- message queue (window/message_queue.cpp) ---------------------------------------------------
// The tick count at which the next timer comes due; false when there is none.
bool Queue_Next_Timer_Due(DWORD* pnDue);
// Dispatches everything waiting (translating keys) until done says so, without blocking;
// WM_QUIT stays queued.
void Queue_Pump(const std::function<bool()>& done = nullptr);
// Removes the posted messages and timers of a window that is being destroyed.
void Queue_Forget_Window(HWND hWnd);
void Queue_Reset(void);

// ---- control classes (dialog/<control>.cpp, registered by dialog/control_classes.cpp) -----------
LRESULT Button_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Static_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Edit_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Combo_Box_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT List_Box_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Scroll_Bar_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Progress_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT List_View_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Header_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Up_Down_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT Status_Bar_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
struct CONTROL_CLASS {
    const char* szName;
    WNDPROC pProc;
};
// The control classes the layer draws and runs itself.
const CONTROL_CLASS* Get_Control_Classes(int* pnCount);

// ---- what the control classes share (dialog/control_support.cpp) -------------------------------
// The font a control draws with: the one WM_SETFONT gave it, else DEFAULT_GUI_FONT.
HFONT Control_Font(HWND hWnd);
// WM_SETFONT / WM_GETFONT for a control (repainting when lParam asks); true when uMsg was one.
bool Control_Handle_Font(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
// DefWindowProcA's answer to a change the control shows (its text, its enabled state), then a
// repaint.
LRESULT Control_Default_And_Repaint(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Drops what the support module keeps for a control (its WM_NCDESTROY).
void Control_Forget(HWND hWnd);
// WM_COMMAND to the parent with the control's id and the notification code.
void Control_Notify(HWND hWnd, UINT uCode);
// Asks the parent for the colours with uMsg (WM_CTLCOLOR*): the DC gets the default text and
// background colours first, the parent may change them; returns the parent's brush, else the
// system colour nDefault's brush.
HBRUSH Control_Colors(HWND hWnd, HDC hdc, UINT uMsg, int nDefault);
// The rectangle of the text drawn with DrawTextA's uFormat in rcBox, for the focus rectangle.
RECT Control_Text_Bounds(HDC hdc, const char* szText, RECT rcBox, UINT uFormat);
// The window's text.
std::string Control_Text(HWND hWnd);
// A mouse message's lParam as a point.
POINT Control_Mouse_Point(LPARAM lParam);
// Rectangles: grown by dx, dy on each side (shrunk when negative), moved, and hit-tested.
RECT Rect_Inflated(const RECT& rc, int dx, int dy);
RECT Rect_Moved(const RECT& rc, int dx, int dy);
bool Rect_Contains(const RECT& rc, POINT pt);

// ---- scroll bars (dialog/scroll_bar.cpp) ---------------------------------------------------------
// Draws a scroll bar in rc: two arrow buttons, the track and the thumb for the range, page and
// position in info.
void Scroll_Bar_Draw(HDC hdc, const RECT& rc, bool bVertical, const SCROLLINFO& info,
                     bool bEnabled);
// What a click at pt does to a scroll bar drawn in rc: SB_LINEUP / SB_LINEDOWN on the arrows,
// SB_PAGEUP / SB_PAGEDOWN on the track, SB_THUMBTRACK on the thumb; -1 outside.
int Scroll_Bar_Hit(const RECT& rc, bool bVertical, const SCROLLINFO& info, POINT pt);
// The thumb's rectangle; empty when the bar cannot scroll.
RECT Scroll_Bar_Thumb(const RECT& rc, bool bVertical, const SCROLLINFO& info);
// The thumb position for the mouse at pt while the thumb, grabbed nGrab pixels from its start,
// is dragged.
int Scroll_Bar_Track_Pos(const RECT& rc, bool bVertical, const SCROLLINFO& info, POINT pt,
                         int nGrab);
// A size grip's mouse input (client coordinates in lParam): a press starts resizing the
// grip's top-level window by its bottom-right corner, moves resize it, the release ends it.
void Size_Grip_Mouse(HWND hGrip, UINT uMsg, LPARAM lParam);
// Drops the scroll bars kept for a window that is being destroyed; DestroyWindow calls it.
void Scroll_Forget_Window(HWND hWnd);
void Scroll_Reset(void);

// ---- clipboard (services/clipboard.cpp) ----------------------------------------------------------
void Clipboard_Reset(void);

// ---- dialog manager (dialog/dialog_manager.cpp) -------------------------------------------------
LRESULT Dialog_Window_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
void Dialog_Reset(void);
// Whether a modal dialog has ended (or is gone; a modeless dialog: whether it is gone).
bool Dialog_Has_Ended(HWND hDlg);
// Handles what is waiting in the queue while the dialog is open, leaving WM_QUIT queued.
void Dialog_Pump_Until_Idle(HWND hDlg);
// The innermost modal dialog still running, or null: its loop hands it its keys.
HWND Dialog_Innermost_Modal(void);
// The dialog's base units (from its font); false for a window that is no dialog.
bool Dialog_Get_Units(HWND hDlg, SIZE* pUnits);

// ---- dialog units (dialog/dialog_units.cpp) ----------------------------------------------------
// The font of a template's FONT statement (null face: the default GUI font), kept until reset.
HFONT Dialog_Template_Font(const char* szFace, int nPoints);
// The base units a font gives: cx the average character width, cy the cell height.
SIZE Dialog_Font_Units(HFONT hFont);
// A rectangle in dialog units as pixels: (x, y) its corner, (cx, cy) its size.
RECT Dialog_Units_To_Pixels(SIZE units, int x, int y, int cx, int cy);
void Dialog_Units_Reset(void);

// ---- dialog keyboard (dialog/dialog_keyboard.cpp) ---------------------------------------------
// Gives a control the focus as the keyboard does (an edit's text gets selected).
void Dialog_Focus_Control(HWND hCtl);
// WM_NEXTDLGCTL: LOWORD(lParam) set: wParam is the control; else wParam 0 the next tab stop,
// nonzero the previous.
void Dialog_Next_Control(HWND hDlg, WPARAM wParam, LPARAM lParam);

// ---- the backend (backend/) ---------------------------------------------------------------------
// How a modal dialog went, for the backend to record.
struct MODAL_OUTCOME {
    int nTemplateId;
    const char* szCaption;  // as it stood when the dialog ended
    LPARAM lParam;
    INT_PTR nResult;
    bool bAnswered;  // a script (or a person) acted on it
    bool bEnded;     // EndDialog ended it; otherwise it was closed with IDCANCEL
    std::string stText;  // its static controls' texts at its end, one a line
};

// What differs between showing windows on a display and keeping them in memory.
struct PLATFORM_BACKEND {
    const char* szName;
    bool (*Open)(void);
    void (*Close)(void);
    // A host window (see Window_Is_Host) appeared, went, or moved, resized, showed, hid or
    // changed its title; for an owned window the backend repaints its host.
    void (*Window_Created)(HWND hWnd);
    void (*Window_Destroyed)(HWND hWnd);
    void (*Window_Changed)(HWND hWnd);
    // Shows the host's drawn pixels (and those of its owned windows).
    void (*Present)(HWND hHost);
    // Waits for input up to nTimeoutMs (INFINITE: no limit) and turns it into the layer's
    // messages; false when nothing can ever arrive (the message loop then ends).
    bool (*Wait_Event)(DWORD nTimeoutMs);
    // Whether characters come from the backend's text input, so that TranslateMessage gives
    // only the control characters (Enter, Tab, Backspace, Escape).
    bool bTypesText;
    SIZE (*Screen_Size)(void);
    RECT (*Work_Area)(void);
    // The answer to a message box of a valid type; nDefault is the default button's id.
    int (*Message_Box)(HWND hOwner, const char* szText, const char* szCaption, UINT uType,
                       int nDefault);
    // A message box of a type with no buttons, refused.
    void (*Message_Box_Refused)(const char* szText, const char* szCaption, UINT uType);
    // Runs a modal dialog that is up and initialised until it ends; true when a script (or a
    // person) acted on it. Opened is called before WM_INITDIALOG, Closed after the dialog ended.
    size_t (*Dialog_Opened)(int nTemplateId, const char* szCaption, LPARAM lParam);
    bool (*Run_Modal_Dialog)(HWND hDlg, int nTemplateId);
    void (*Dialog_Closed)(size_t nToken, const MODAL_OUTCOME& outcome);
    // Whether anyone can answer a wait for the user (see Platform_Begin_User_Wait).
    BOOL (*Begin_User_Wait)(const char* szWhat);
    // The cursor shown (null: none), a file cursor going away, and moving the pointer.
    void (*Set_Cursor)(HCURSOR hCursor, bool bVisible);
    void (*Cursor_Destroyed)(HCURSOR hCursor);
    void (*Set_Cursor_Pos)(POINT ptScreen);
    // Saves what the display shows of a host window as PNG; false when nothing is shown.
    bool (*Save_Screenshot)(HWND hHost, const char* szPngPath);
    // Shows a popup menu for the window at a point on the screen and gives the command chosen, 0
    // when it was dismissed.
    int (*Track_Popup_Menu)(HMENU hMenu, UINT uFlags, HWND hWnd, POINT ptScreen);
    // The desktop's clipboard, mirrored by the layer's (null where there is none): text the
    // layer's clipboard took, and the desktop's text (false when it holds none).
    void (*Clipboard_Set_Text)(const char* szText);
    bool (*Clipboard_Get_Text)(std::string* pText);
};

const PLATFORM_BACKEND* Backend(void);
extern const PLATFORM_BACKEND kHeadlessBackend;
extern const PLATFORM_BACKEND kSdlBackend;
// Back to the headless backend (closing another one).
void Backend_Use_Headless(void);
// Shows every visible host window's pixels.
void Backend_Present_All(void);
// Headless scripts and transcript (backend/headless/scripts.cpp).
void Script_Reset(void);

// ---- sounds and the shell (services/sound.cpp, services/shell_open.cpp, backend/sdl/sdl_audio.cpp)
// Back to no sound asked for and no shell call recorded.
void Sound_Reset(void);
// The SDL backend's audio: the device opens on first use and closes at exit (or when the backend
// closes). Play cuts off the sound playing; false when the file or the device fails.
bool Sdl_Audio_Play(const char* szPath, bool bWait);
void Sdl_Audio_Stop(void);
void Sdl_Audio_Close(void);

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
// The rectangle of the window's surface drawn on (or made anew) since the last call, then
// forgets it; empty when nothing was.
RECT Gdi_Take_Window_Damage(HWND hTop);
// What DefWindowProcA does for WM_PAINT (validates through BeginPaint / EndPaint) and
// WM_ERASEBKGND (fills the update area with the class background brush; 1 when it erased).
LRESULT Gdi_Default_Paint(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// The brush a window's class erases its background with, or null.
HBRUSH Window_Class_Background(HWND hWnd);
// Drops every drawing object, device context and window surface.
void Gdi_Reset(void);

// ---- services ------------------------------------------------------------------------------------
// The button ids of a message-box type, left to right, into pButtons (room for 3); the count, 0
// for a type with no such set of buttons.
int Message_Box_Buttons(UINT uType, int* pButtons);
// A message box the layer draws (services/message_box_*.cpp): where its parts lie in its client
// area, for a text wrapped at nMaxTextWidth, nButtons buttons and an icon or none.
#define MESSAGE_BOX_TEXT_FORMAT (DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS)
struct MESSAGE_BOX_LAYOUT {
    SIZE sizeClient;
    RECT rcIcon;  // empty without an icon
    RECT rcText;
    int nButtons;
    RECT aButtons[3];  // left to right
};
MESSAGE_BOX_LAYOUT Message_Box_Layout(const char* szText, int nButtons, bool bIcon,
                                      int nMaxTextWidth);
// The buttons aIds (as Message_Box_Buttons gives them), with the focused one at nFocus and the
// one held down at nPressed (-1: none).
void Message_Box_Paint_Buttons(HDC hdc, const MESSAGE_BOX_LAYOUT& layout, const int* aIds,
                               int nFocus, int nPressed);
// The button under a client point, -1 for none.
int Message_Box_Button_At(const MESSAGE_BOX_LAYOUT& layout, POINT pt);
// A key pressed in the box: the id it ends with (Enter and Space: the focused button; Escape:
// see Message_Box_Escape_Result; a button's mnemonic: that button), or 0 to go on, with Tab
// (Shift+Tab back) and the arrows moving *pnFocus along the buttons.
int Message_Box_Key(const int* aIds, int nCount, UINT uKey, bool bShift, int* pnFocus);
// What Escape or closing the box gives: Cancel, OK on a box with OK alone, else 0 (ignored).
int Message_Box_Escape_Result(const int* aIds, int nCount);
// The box as a window: owned by hOwner (or the active window) and centred over it, with the
// default button focused. Null when it could not be made.
HWND Message_Box_Window_Create(HWND hOwner, const char* szText, const char* szCaption, UINT uType,
                               int nDefault);
// The id of the button that ended the box, 0 while it is open or when it is gone.
int Message_Box_Window_Result(HWND hBox);
void Debug_Reset(void);
void Clock_Reset(void);
bool Clock_Is_Virtual(void);
