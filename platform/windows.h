// The window, dialog and service interfaces the game is written against, under their usual
// names and numeric values. Everything here is implemented by the platform layer itself.
#pragma once

#include "windows_base.h"

typedef struct tagMSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
} MSG;

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA;

typedef struct tagCREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA;

// ---- messages ---------------------------------------------------------------------------------
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_SETCURSOR 0x0020
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_SETICON 0x0080
#define WM_NCDESTROY 0x0082
#define WM_NCPAINT 0x0085
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_RBUTTONDBLCLK 0x0206
#define WM_SIZING 0x0214
#define WM_CAPTURECHANGED 0x0215
#define WM_ENTERSIZEMOVE 0x0231
#define WM_EXITSIZEMOVE 0x0232
#define WM_USER 0x0400

// WM_SIZE's wParam.
#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

// WM_ACTIVATE's low word.
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

// WM_SIZING's wParam: the edge or corner being dragged.
#define WMSZ_LEFT 1
#define WMSZ_RIGHT 2
#define WMSZ_TOP 3
#define WMSZ_TOPLEFT 4
#define WMSZ_TOPRIGHT 5
#define WMSZ_BOTTOM 6
#define WMSZ_BOTTOMLEFT 7
#define WMSZ_BOTTOMRIGHT 8

// Mouse messages' wParam: the buttons and keys held.
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010

// WM_SETCURSOR's hit-test code (the low word of lParam).
#define HTNOWHERE 0
#define HTCLIENT 1
#define HTCAPTION 2

#define ICON_SMALL 0
#define ICON_BIG 1

// Virtual-key codes; letters and digits are their upper-case ASCII codes.
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_PAUSE 0x13
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F10 0x79
#define VK_F11 0x7A
#define VK_F12 0x7B
#define VK_OEM_1 0xBA
#define VK_OEM_PLUS 0xBB
#define VK_OEM_COMMA 0xBC
#define VK_OEM_MINUS 0xBD
#define VK_OEM_PERIOD 0xBE
#define VK_OEM_2 0xBF
#define VK_OEM_3 0xC0
#define VK_OEM_4 0xDB
#define VK_OEM_5 0xDC
#define VK_OEM_6 0xDD
#define VK_OEM_7 0xDE
#define VK_NUMPAD0 0x60
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_LSHIFT 0xA0
#define VK_RSHIFT 0xA1
#define VK_LCONTROL 0xA2
#define VK_RCONTROL 0xA3
#define VK_LMENU 0xA4
#define VK_RMENU 0xA5

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// ---- windows ----------------------------------------------------------------------------------
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_MINIMIZE 0x20000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L  // WS_BORDER | WS_DLGFRAME
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define WS_POPUPWINDOW 0x80880000L

#define WS_EX_LEFT 0x00000000L
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_STATICEDGE 0x00020000L

#define CW_USEDEFAULT ((int)0x80000000)

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080

#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

#define RDW_INVALIDATE 0x0001
#define RDW_INTERNALPAINT 0x0002
#define RDW_ERASE 0x0004
#define RDW_VALIDATE 0x0008
#define RDW_NOERASE 0x0020
#define RDW_ALLCHILDREN 0x0080
#define RDW_UPDATENOW 0x0100
#define RDW_ERASENOW 0x0200
#define RDW_NOCHILDREN 0x0040
#define RDW_FRAME 0x0400

typedef struct tagWINDOWPLACEMENT {
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
} WINDOWPLACEMENT;

// ---- system metrics -----------------------------------------------------------------------------
// The frame metrics are fixed, classic values, the same on every desktop, so that the game's
// minimum sizes and font scaling give the same client sizes everywhere:
//   border 1, edge 2 (WS_EX_CLIENTEDGE), fixed (dialog) frame 3, sizing frame 4 (WS_THICKFRAME),
//   caption 23, menu bar 20, scroll bars 17, icons 32 (small 16), cursors 32.
// A window's frame is one of: the sizing frame (WS_THICKFRAME), the fixed frame (WS_DLGFRAME,
// so also WS_CAPTION, or WS_EX_DLGMODALFRAME), the border (WS_BORDER alone) or none; the client
// edge comes inside it, the caption bar (WS_CAPTION) and the menu bar (a top-level window with a
// menu) come above the client area.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXFIXEDFRAME SM_CXDLGFRAME
#define SM_CYFIXEDFRAME SM_CYDLGFRAME
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXCURSOR 13
#define SM_CYCURSOR 14
#define SM_CYMENU 15
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_CYVSCROLL 20
#define SM_CXHSCROLL 21
#define SM_CXMIN 28
#define SM_CYMIN 29
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXSIZEFRAME SM_CXFRAME
#define SM_CYSIZEFRAME SM_CYFRAME
#define SM_CXMINTRACK 34
#define SM_CYMINTRACK 35
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_CXEDGE 45
#define SM_CYEDGE 46
#define SM_CXSMICON 49
#define SM_CYSMICON 50
#define SM_CXMAXIMIZED 61
#define SM_CYMAXIMIZED 62

#define SPI_GETWORKAREA 0x0030

int GetSystemMetrics(int nIndex);
BOOL SystemParametersInfoA(UINT uAction, UINT uParam, LPVOID pParam, UINT fWinIni);

#define GWLP_WNDPROC (-4)
#define GWLP_USERDATA (-21)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_ID (-12)
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC 8
#define DWLP_USER 16

UINT_PTR RegisterClassA(const WNDCLASSA* pClass);  // an atom; 0 on failure
BOOL UnregisterClassA(LPCSTR szClass, HINSTANCE hInstance);
HWND CreateWindowExA(DWORD dwExStyle, LPCSTR szClass, LPCSTR szTitle, DWORD dwStyle, int x, int y,
                     int nWidth, int nHeight, HWND hParent, HMENU hMenu, HINSTANCE hInstance,
                     LPVOID pParam);
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
HWND GetParent(HWND hWnd);
LRESULT DefWindowProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC pProc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex);
LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR nValue);
BOOL SetWindowTextA(HWND hWnd, LPCSTR szText);
int GetWindowTextA(HWND hWnd, LPSTR szText, int nMax);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsWindowVisible(HWND hWnd);
BOOL InvalidateRect(HWND hWnd, const RECT* pRect, BOOL bErase);
BOOL UpdateWindow(HWND hWnd);
int GetDlgCtrlID(HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nId);
HWND SetFocus(HWND hWnd);
HWND GetFocus(void);
BOOL ValidateRect(HWND hWnd, const RECT* pRect);
BOOL GetUpdateRect(HWND hWnd, RECT* pRect, BOOL bErase);
BOOL RedrawWindow(HWND hWnd, const RECT* pRect, HRGN hRegion, UINT uFlags);

// ---- geometry and stacking ----------------------------------------------------------------------
// A top-level window's rectangle is in screen coordinates, a child's in its parent's client
// coordinates; the client area is what is left inside the frame, caption and menu bar.
BOOL GetClientRect(HWND hWnd, RECT* pRect);
BOOL GetWindowRect(HWND hWnd, RECT* pRect);
BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint);
BOOL SetWindowPos(HWND hWnd, HWND hInsertAfter, int x, int y, int cx, int cy, UINT uFlags);
BOOL ScreenToClient(HWND hWnd, POINT* pPoint);
BOOL ClientToScreen(HWND hWnd, POINT* pPoint);
int MapWindowPoints(HWND hFrom, HWND hTo, POINT* pPoints, UINT nCount);
BOOL AdjustWindowRectEx(RECT* pRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle);
BOOL GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* pPlacement);
BOOL SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* pPlacement);
BOOL IsIconic(HWND hWnd);
BOOL IsZoomed(HWND hWnd);
HWND GetDesktopWindow(void);
HWND WindowFromPoint(POINT pt);
HWND ChildWindowFromPoint(HWND hParent, POINT pt);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);  // nonzero when the window was disabled before
BOOL IsWindowEnabled(HWND hWnd);
HWND GetWindow(HWND hWnd, UINT uCmd);
BOOL BringWindowToTop(HWND hWnd);
BOOL SetForegroundWindow(HWND hWnd);
HWND GetForegroundWindow(void);
HWND SetActiveWindow(HWND hWnd);
HWND GetActiveWindow(void);

// ---- mouse capture, keyboard state and cursors -------------------------------------------------
HWND SetCapture(HWND hWnd);
BOOL ReleaseCapture(void);
HWND GetCapture(void);
// The high bit (a negative value) while the key is down; GetKeyState's low bit toggles on each press.
short GetKeyState(int nVirtualKey);
short GetAsyncKeyState(int nVirtualKey);

#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_WAIT MAKEINTRESOURCEA(32514)
#define IDC_CROSS MAKEINTRESOURCEA(32515)
#define IDC_UPARROW MAKEINTRESOURCEA(32516)
#define IDC_SIZENWSE MAKEINTRESOURCEA(32642)
#define IDC_SIZENESW MAKEINTRESOURCEA(32643)
#define IDC_SIZEWE MAKEINTRESOURCEA(32644)
#define IDC_SIZENS MAKEINTRESOURCEA(32645)
#define IDC_SIZEALL MAKEINTRESOURCEA(32646)
#define IDC_NO MAKEINTRESOURCEA(32648)
#define IDC_HAND MAKEINTRESOURCEA(32649)
#define IDC_APPSTARTING MAKEINTRESOURCEA(32650)

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR szName);
HCURSOR LoadCursorFromFileA(LPCSTR szFile);  // a .cur file; null when it cannot be read
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor(void);
int ShowCursor(BOOL bShow);  // the display count: the cursor shows while it is 0 or more
BOOL GetCursorPos(POINT* pPoint);
BOOL SetCursorPos(int x, int y);
BOOL DestroyCursor(HCURSOR hCursor);

// ---- the message queue ------------------------------------------------------------------------
LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL PeekMessageA(MSG* pMsg, HWND hWnd, UINT uMin, UINT uMax, UINT uRemove);
BOOL GetMessageA(MSG* pMsg, HWND hWnd, UINT uMin, UINT uMax);  // 0 on WM_QUIT
BOOL TranslateMessage(const MSG* pMsg);
LRESULT DispatchMessageA(const MSG* pMsg);
void PostQuitMessage(int nExitCode);
int TranslateAcceleratorA(HWND hWnd, HACCEL hAccel, MSG* pMsg);  // nonzero when it took the message
typedef void (*TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);
// Timers fire in the order they come due; each has at most one WM_TIMER waiting. A timer with a
// procedure is dispatched to it (the WM_TIMER's lParam); one with no window is a thread timer
// with an id of its own, read with the null window.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR nId, UINT nElapse, void* pTimerProc);
BOOL KillTimer(HWND hWnd, UINT_PTR nId);

// ---- message boxes and dialogs ----------------------------------------------------------------
int MessageBoxA(HWND hOwner, LPCSTR szText, LPCSTR szCaption, UINT uType);
INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR szTemplate, HWND hOwner, DLGPROC pProc,
                        LPARAM lParam);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
LRESULT SendDlgItemMessageA(HWND hDlg, int nId, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL SetDlgItemTextA(HWND hDlg, int nId, LPCSTR szText);
UINT GetDlgItemTextA(HWND hDlg, int nId, LPSTR szText, int nMax);

// ---- resources ----------------------------------------------------------------------------------
HACCEL LoadAcceleratorsA(HINSTANCE hInstance, LPCSTR szName);

// ---- drawing ----------------------------------------------------------------------------------
int ReleaseDC(HWND hWnd, HDC hDC);  // 1 when the context was released

// ---- waiting for the person at the screen ----------------------------------------------------
// Called before the game waits for the user's input outside a dialog (a watched game's play calls
// and clicks). FALSE when nobody can answer, as in the headless layer: the caller must not wait.
BOOL Platform_Begin_User_Wait(LPCSTR szWhat);

// ---- sounds -------------------------------------------------------------------------------------
#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
#define SND_NODEFAULT 0x0002
#define SND_MEMORY 0x0004
#define SND_LOOP 0x0008
#define SND_NOSTOP 0x0010
#define SND_PURGE 0x0040
#define SND_FILENAME 0x00020000

// Plays a WAV file (SND_FILENAME; the module is not used) through the display's audio, cutting
// off the sound playing; SND_ASYNC returns at once, else it returns when the sound has played. A
// null or empty sound stops the one playing. FALSE when the file cannot be played; headless,
// where nothing is heard, TRUE when the file exists.
BOOL PlaySoundA(LPCSTR szSound, HMODULE hModule, DWORD fdwSound);
#define PlaySound PlaySoundA

// ---- the backend -------------------------------------------------------------------------------
// Chooses where windows appear: "sdl" opens real windows when a display is present (DISPLAY or
// WAYLAND_DISPLAY set and the video system starts), "headless" keeps everything in memory.
// Without a call, and whenever "sdl" cannot start, the layer is headless. TRUE when the named
// backend was chosen.
BOOL Platform_Select_Backend(LPCSTR szName);
LPCSTR Platform_Backend_Name(void);
// Saves what the display shows of the window's real window (menu bar and client area) as a PNG
// file, read back from the screen; FALSE headless, where nothing is shown.
BOOL Platform_Save_Screenshot(HWND hWnd, LPCSTR szPngPath);

// ---- the shell ------------------------------------------------------------------------------
// ShellExecuteA's answers at or below 32 are errors.
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

// Opens a file, folder or address with the desktop's handler (xdg-open) without waiting for it;
// only the verb "open" (or none) is known. A local path that does not exist gives SE_ERR_FNF,
// anything else the handler cannot be started for SE_ERR_NOASSOC; success a value above 32.
// Headless nothing is started: the request is kept for the tests (Test_Get_Shell_Opens).
HINSTANCE ShellExecuteA(HWND hWnd, LPCSTR szVerb, LPCSTR szFile, LPCSTR szParameters,
                        LPCSTR szDirectory, int nShowCmd);

// ---- downloads ----------------------------------------------------------------------------------
typedef LONG HRESULT;
#define S_OK ((HRESULT)0)
#define E_OUTOFMEMORY ((HRESULT)0x8007000E)
#define INET_E_DOWNLOAD_FAILURE ((HRESULT)0x800C0008)

// Fetches an http or https address into the file (which is replaced only by a whole download;
// redirects followed, a server's error answer is a failure). S_OK, E_OUTOFMEMORY, or
// INET_E_DOWNLOAD_FAILURE for any other failure. The caller and callback are not used.
HRESULT URLDownloadToFileA(void* pCaller, LPCSTR szAddress, LPCSTR szFile, DWORD dwReserved,
                           void* pCallback);
// Downloads are never cached here: TRUE, nothing to delete.
BOOL DeleteUrlCacheEntryA(LPCSTR szAddress);

#include "windows_gdi.h"
#include "windows_menu.h"
#include "windows_controls.h"
