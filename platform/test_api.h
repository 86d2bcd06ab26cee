// What tests use to drive the headless platform: scripted answers for message boxes and
// dialogs, the transcript of everything shown, the debugger output and the virtual clock.
#pragma once

#include "windows.h"

#include <functional>
#include <string>
#include <vector>

// A user wait is the game starting to wait for input outside a dialog (stText names the wait);
// the headless layer refuses it and, in strict mode, reports it as unscripted.
enum TEST_SHOWN_KIND {
    TEST_SHOWN_MESSAGE_BOX = 0,
    TEST_SHOWN_DIALOG = 1,
    TEST_SHOWN_USER_WAIT = 2,
    TEST_SHOWN_POPUP_MENU = 3
};

// One message box, dialog or popup menu that was shown (a popup menu: uType holds the
// TrackPopupMenu flags, stText its items' texts one a line, nResult the chosen command or 0).
struct TEST_SHOWN {
    TEST_SHOWN_KIND nKind;
    int nTemplateId;        // dialogs: the template id; boxes: 0
    std::string stCaption;  // dialogs: the caption as it stood when the dialog ended
    std::string stText;     // boxes: the text; dialogs: their static texts at the end, a line each
    UINT uType;             // boxes: the MessageBoxA type; dialogs: 0
    LPARAM lParam;          // dialogs: the init parameter
    INT_PTR nResult;        // what the box or dialog returned
    bool bScripted;         // whether a script answered it
};

// Back to a fresh state: windows, queue, scripts, transcript, shell opens, debugger output, clock,
// strict off.
void Test_Reset_Platform();

// Message boxes. Answers are used once each, in the order they were scripted; the first unused
// answer whose match fits the box is taken. An empty match fits every box.
void Test_Answer_Message_Box(int nAnswer);
void Test_Answer_Message_Box_With_Text(const std::string& stTextPart, int nAnswer);
void Test_Answer_Message_Box_With_Caption(const std::string& stCaption, int nAnswer);

// Dialogs. The action runs once the dialog has had WM_INITDIALOG; it may send messages to the
// dialog and its controls and call EndDialog. A dialog the action leaves open ends with IDCANCEL.
// Scripts are used once each, matched by template id.
void Test_Script_Dialog(int nTemplateId, std::function<void(HWND hDlg)> action);

// Popup menus (TrackPopupMenu): the next one calls choose, which returns the command to choose
// or 0 to dismiss the menu; used once. Without a script a popup menu is dismissed.
void Test_Script_Popup_Menu(std::function<int(HMENU)> choose);

// Menus of a window's menu bar. Input as the window routing hands it to the menus first (mouse
// in the top-level window's surface coordinates); true when the menus took it.
bool Test_Menu_Mouse(HWND hTop, UINT uMsg, int x, int y);
bool Test_Menu_Key(HWND hTop, UINT uMsg, WPARAM wParam);
// Where a bar item, or an item of the drop-down open at nLevel (0: the bar's drop-down, 1: a
// submenu opened from it ...) lies in surface coordinates; false when there is no such item.
bool Test_Get_Menu_Bar_Item_Rect(HWND hTop, int nPos, RECT* pRect);
bool Test_Get_Open_Menu_Item_Rect(int nLevel, int nPos, RECT* pRect);
// The menu loop: the window it runs in (null when none), the highlighted bar item, and the open
// drop-downs from the bar's down with the highlighted item of each (-1 for none).
struct TEST_MENU_LOOP {
    HWND hTop;
    int nBarItem;
    std::vector<HMENU> aOpen;
    std::vector<int> aSelected;
};
TEST_MENU_LOOP Test_Get_Menu_Loop();
// Message boxes as the layer draws them on a display: the layout of a box of the type (client
// coordinates), and the box as a window opened over hOwner without waiting for it to end, which
// takes input as window messages; its result is the button it ended with, 0 while it is open.
struct TEST_MESSAGE_BOX_LAYOUT {
    SIZE sizeClient;
    RECT rcIcon;
    RECT rcText;
    std::vector<RECT> aButtons;
};
TEST_MESSAGE_BOX_LAYOUT Test_Message_Box_Layout(const char* szText, UINT uType);
HWND Test_Open_Message_Box_Window(HWND hOwner, const char* szText, UINT uType);
int Test_Message_Box_Window_Result(HWND hBox);
// A popup menu's loop opened as TrackPopupMenu opens it on a display, without waiting for it to
// end (input then goes through Test_Menu_Mouse and Test_Menu_Key); false when it could not open.
bool Test_Begin_Popup_Loop(HMENU hMenu, UINT uFlags, POINT ptScreen, HWND hWnd);
// The command chosen in the last popup loop, 0 when it was dismissed.
int Test_Popup_Loop_Choice();

// Every ShellExecuteA the headless layer was asked for, oldest first (Test_Reset_Platform clears
// them).
struct TEST_SHELL_OPEN {
    std::string stVerb;
    std::string stFile;
    std::string stParameters;
    std::string stDirectory;
    int nShowCmd;
};
const std::vector<TEST_SHELL_OPEN>& Test_Get_Shell_Opens();
void Test_Clear_Shell_Opens();

// Strict mode: a box or dialog with no script calls the handler (tests install one that fails).
// Without strict mode, an unscripted box takes its default button and a dialog ends IDCANCEL.
// A dialog that ends by itself (from WM_INITDIALOG or a posted message) needs no script.
void Test_Set_Strict(bool bStrict, std::function<void(const TEST_SHOWN&)> onUnscripted = nullptr);

// Called on every wait for the user, strict mode or not. Test_Reset_Platform keeps it: the test
// programs install one that fails the test unless the test allowed waits.
void Test_Set_User_Wait_Guard(std::function<void(const std::string& stWhat)> onWait);

const std::vector<TEST_SHOWN>& Test_Get_Transcript();
void Test_Clear_Transcript();

// Everything sent to OutputDebugStringA since the last clear.
const std::string& Test_Get_Debug_Output();
void Test_Clear_Debug_Output();

// DebugBreak calls made while no debugger was attached.
int Test_Get_Debug_Break_Count();

// The virtual clock: when on, GetTickCount, GetLocalTime, GetSystemTime and Platform_Time read
// it and Sleep advances it instead of waiting.
void Test_Use_Virtual_Clock(time_t nUnixSeconds, DWORD nTickCount);
void Test_Advance_Clock(DWORD nMilliseconds);

// Advances the virtual clock (switching it on when it is off) by nMilliseconds, stopping at each
// timer that comes due on the way to dispatch what waits, so timers fire in order.
void Test_Advance_Clock_And_Run(DWORD nMilliseconds);

// Dispatches everything waiting in the queue (translating keys), without blocking.
void Test_Pump_Messages();

// Input as the backend delivers it, then dispatched. The mouse at (x, y) in hWnd's client
// coordinates goes to the menus first, then to the capture window or the window under the point;
// wKeys holds the MK_* flags.
void Test_Send_Mouse(HWND hWnd, UINT uMsg, int x, int y, WPARAM wKeys);
// A key pressed and released with the modifiers held: WM_KEYDOWN (WM_SYSKEYDOWN with Alt), the
// character TranslateMessage gives, WM_KEYUP. hTarget null: the focus window takes it.
void Test_Send_Key(HWND hTarget, UINT uVirtualKey, bool bAlt = false, bool bCtrl = false,
                   bool bShift = false);
// Holds a key down or lets it go, as GetKeyState reads it, without sending any message.
void Test_Hold_Key(UINT uVirtualKey, bool bDown);
// A drag of the window's frame to the proposed rectangle (screen coordinates) at the WMSZ_* edge;
// returns the rectangle applied after WM_SIZING.
RECT Test_Drag_Window_Frame(HWND hWnd, int nEdge, RECT rcProposed);

// Pictures. Paints every window waiting for WM_PAINT, then writes the window's client area (or
// with bWholeWindow its whole rectangle) as an RGB PNG; false when it has nothing drawn or the
// file cannot be written.
bool Test_Snapshot_Window(HWND hWnd, bool bWholeWindow, const std::string& stPngPath);
// Reads a PNG into pixels 0x00RRGGBB, rows top-down (alpha dropped, as drawing leaves it 0).
bool Test_Read_Png(const std::string& stPath, int* pnWidth, int* pnHeight,
                   std::vector<uint32_t>* pPixels);

// ---- sounds and the shell ----------------------------------------------------------------------
// The last PlaySound call that named a sound (the name as given; empty after a stop), its flags
// and how many sounds were asked for since the last reset.
struct TEST_SOUND {
    std::string stFile;
    DWORD fdwSound = 0;
    int nCount = 0;
};
TEST_SOUND Test_Get_Last_Sound();

// ---- control-level driving ----------------------------------------------------------------------
// A dialog's controls driven as a user would: input goes through the backend's input path and
// the dialog manager (IsDialogMessageA), so the controls send their notifications themselves.
// Each returns false (or an empty / -1 answer) when the dialog has no such control or row.

// A left click at the control's centre.
bool Test_Click_Control(HWND hDlg, int nId);
// Gives the control the focus and types the text into it, one WM_CHAR per byte.
bool Test_Type_Into(HWND hDlg, int nId, const std::string& stText);
// Clicks a row of a list box, of a combo box's drop-down list (opened first) or of a list view
// (scrolled into view first).
bool Test_Choose_Row(HWND hDlg, int nId, int nRow);
// Clicks a list view's column header.
bool Test_Click_List_Column(HWND hDlg, int nId, int nColumn);
// A key pressed and released with the modifiers held, to the focus window when it is in the
// dialog, else to the dialog.
void Test_Press_Key(HWND hDlg, UINT uVirtualKey, bool bAlt = false, bool bCtrl = false,
                    bool bShift = false);
std::string Test_Control_Text(HWND hDlg, int nId);
// Buttons: the check state; list and combo boxes: the current row; list views: the first
// selected item; -1 for none or no such control.
int Test_Control_Selection(HWND hDlg, int nId);
// The whole dialog, frame and caption included, as a PNG (see Test_Snapshot_Window).
bool Test_Snapshot_Dialog(HWND hDlg, const std::string& stPngPath);
