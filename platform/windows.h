// The window, dialog and service interfaces the game is written against, under their usual
// names and numeric values. Everything here is implemented by the platform layer itself.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <time.h>

// ---- basic types ----------------------------------------------------------------------------
#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef unsigned int UINT;
typedef int INT;
typedef char CHAR;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef void* HANDLE;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

struct PLATFORM_WINDOW;
typedef PLATFORM_WINDOW* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HMENU__* HMENU;
typedef struct HACCEL__* HACCEL;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;
typedef struct HBRUSH__* HBRUSH;
typedef struct HDC__* HDC;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT;

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

typedef struct tagSYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME;

// ---- word helpers -----------------------------------------------------------------------------
#define LOWORD(l) ((WORD)(((UINT_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((UINT_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)(((UINT_PTR)(w)) & 0xff))
#define HIBYTE(w) ((BYTE)((((UINT_PTR)(w)) >> 8) & 0xff))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((UINT_PTR)((WORD)(i))))
#define IS_INTRESOURCE(p) ((((UINT_PTR)(p)) >> 16) == 0)

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
#define WM_SETICON 0x0080
#define WM_NCDESTROY 0x0082
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
#define WM_USER 0x0400

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

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// ---- message boxes ----------------------------------------------------------------------------
#define MB_OK 0x00000000
#define MB_OKCANCEL 0x00000001
#define MB_ABORTRETRYIGNORE 0x00000002
#define MB_YESNOCANCEL 0x00000003
#define MB_YESNO 0x00000004
#define MB_RETRYCANCEL 0x00000005
#define MB_TYPEMASK 0x0000000F
#define MB_ICONHAND 0x00000010
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONQUESTION 0x00000020
#define MB_ICONEXCLAMATION 0x00000030
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000
#define MB_DEFBUTTON2 0x00000100
#define MB_DEFBUTTON3 0x00000200
#define MB_DEFMASK 0x00000F00
#define MB_APPLMODAL 0x00000000
#define MB_SYSTEMMODAL 0x00001000
#define MB_TASKMODAL 0x00002000

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// ---- windows ----------------------------------------------------------------------------------
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define CW_USEDEFAULT ((int)0x80000000)

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

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
HMODULE GetModuleHandleA(LPCSTR szModule);
int LoadStringA(HINSTANCE hInstance, UINT nId, LPSTR szBuffer, int nMax);  // length, 0 if none
HACCEL LoadAcceleratorsA(HINSTANCE hInstance, LPCSTR szName);

// ---- drawing ----------------------------------------------------------------------------------
int ReleaseDC(HWND hWnd, HDC hDC);  // 1 when the context was released

// ---- debugging --------------------------------------------------------------------------------
void OutputDebugStringA(LPCSTR szText);
void DebugBreak(void);
BOOL IsDebuggerPresent(void);

// ---- time -------------------------------------------------------------------------------------
DWORD GetTickCount(void);
void GetLocalTime(SYSTEMTIME* pTime);
void GetSystemTime(SYSTEMTIME* pTime);
void Sleep(DWORD nMilliseconds);
// Seconds since 1970, from the layer's clock (virtual in tests).
time_t Platform_Time(void);

// ---- waiting for the person at the screen ----------------------------------------------------
// Called before the game waits for the user's input outside a dialog (a watched game's play calls
// and clicks). FALSE when nobody can answer, as in the headless layer: the caller must not wait.
BOOL Platform_Begin_User_Wait(LPCSTR szWhat);

// ---- files ------------------------------------------------------------------------------------
// Every game file open goes through the resolver: '\' becomes '/', and a path whose exact
// name does not exist has each component matched without regard to letter case.
// Writes the resolved path into szOut; returns 1 when the path exists, else 0 (szOut then holds
// the best match: existing components resolved, the rest as given).
int Platform_Resolve_Path(const char* szPath, char* szOut, size_t nOut);
FILE* Platform_Open_File(const char* szPath, const char* szMode);
int Platform_Remove_File(const char* szPath);                    // 1 on success
int Platform_Rename_File(const char* szFrom, const char* szTo);  // replaces szTo; 1 on success
int Platform_Sync_File(
    FILE* pFile);  // flushes the stream and waits until it is on disk; 1 on success
int Platform_Make_Directory(const char* szPath);  // 1 when it exists afterwards

#include "windows_gdi.h"
#include "windows_menu.h"
