// The platform's services that need no window: the basic types, the message boxes' types and
// answers, strings of the resources, debugger output, time and files. Code below the user
// interface includes this (through core/core.h); code that works with windows includes windows.h.
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

// Handles: opaque here; what can be done with a window or a drawing takes windows.h.
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct PLATFORM_WINDOW;
typedef PLATFORM_WINDOW* HWND;
typedef struct HMENU__* HMENU;
typedef struct HACCEL__* HACCEL;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;
typedef struct HBRUSH__* HBRUSH;
typedef struct HDC__* HDC;
typedef struct HRGN__* HRGN;

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

// The default button's id of a message-box type (MB_DEFBUTTONn, the first when there is no such
// button), 0 for a type with no set of buttons.
int Message_Box_Default(UINT uType);

// ---- resources ----------------------------------------------------------------------------------
HMODULE GetModuleHandleA(LPCSTR szModule);
int LoadStringA(HINSTANCE hInstance, UINT nId, LPSTR szBuffer, int nMax);  // length, 0 if none

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

// ---- the working folder --------------------------------------------------------------------------
// The working folder's path: its length, or the size needed (with the terminator) when the
// buffer is too small, or 0 on failure.
DWORD GetCurrentDirectoryA(DWORD nSize, LPSTR szBuffer);

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
// A new file beside szPath, in its folder, under a name no file had: created exclusively and never
// through a symbolic link, open for writing in binary mode. Its path goes to szOut; NULL with
// errno set on failure.
FILE* Platform_Create_Temporary_File(const char* szPath, char* szOut, size_t nOut);
// 1 when szPath is an existing file that nobody may write (its write permissions all off).
int Platform_Is_Read_Only_File(const char* szPath);

