// What the modules of the SDL backend share.
#pragma once

#include "../../platform_internal.h"

#include <SDL.h>

#include <string>
#include <vector>

// ---- keys and text (sdl_keys.cpp) ------------------------------------------------------------------
// The virtual-key code of an SDL key, 0 for a key the layer does not know.
UINT Sdl_Key_To_Virtual_Key(SDL_Keycode nKey);
// UTF-8 text as Windows-1252 bytes; characters with no such byte become '?'.
std::string Sdl_Utf8_To_1252(const char* szText);

// ---- real windows (sdl_windows.cpp) -------------------------------------------------------------
// The host window an SDL window shows, or null.
HWND Sdl_Host_Of(Uint32 nWindowId);
SDL_Window* Sdl_Window_Of(HWND hHost);
// The screen point of a point in the SDL window of a host (which shows the menu bar and the
// client area).
POINT Sdl_Window_To_Screen(HWND hHost, int x, int y);
// The host's window rectangle that an SDL window of the given size (menu bar and client area)
// needs, at the host's present position.
RECT Sdl_Window_Rect_For(HWND hHost, int nWidth, int nHeight);
void Sdl_Resize_To_Host(HWND hHost);
void Sdl_Window_Created(HWND hWnd);
void Sdl_Window_Destroyed(HWND hWnd);
void Sdl_Window_Changed(HWND hWnd);
void Sdl_Present(HWND hHost);
void Sdl_Close_Windows(void);
// What the host's renderer shows, read back (ARGB, rows top-down).
bool Sdl_Read_Pixels(HWND hHost, std::vector<uint32_t>* pPixels, int* pnWidth, int* pnHeight);
// The next present shows the window's whole picture, not only what changed.
void Sdl_Forget_Shown(HWND hHost);
// While true, the backend is applying a change SDL reported, and must not echo it back.
extern bool gSdlApplyingEvent;

// ---- events (sdl_events.cpp) --------------------------------------------------------------------
// Turns one SDL event into the layer's input.
void Sdl_Handle_Event(const SDL_Event& event);

// Waits for SDL events up to nTimeoutMs (INFINITE: no limit) and hands them to the layer
// (sdl_backend.cpp).
bool Sdl_Wait_Event(DWORD nTimeoutMs);

// ---- nested loops (sdl_modal.cpp) ----------------------------------------------------------------
// Handles input, paints and timers until done says so; false when a WM_QUIT waits (left queued)
// or nothing more can arrive.
bool Sdl_Run_Until(const std::function<bool()>& done);
// Runs a modal window until done, with its owner disabled meanwhile and active again after.
bool Sdl_Run_Modal(HWND hWnd, const std::function<bool()>& done);
int Sdl_Track_Popup_Menu(HMENU hMenu, UINT uFlags, HWND hWnd, POINT ptScreen);
int Sdl_Message_Box(HWND hOwner, const char* szText, const char* szCaption, UINT uType,
                    int nDefault);

// ---- cursors (sdl_cursor.cpp) ---------------------------------------------------------------------
void Sdl_Set_Cursor(HCURSOR hCursor, bool bVisible);
void Sdl_Set_Cursor_Pos(POINT ptScreen);
void Sdl_Cursor_Destroyed(HCURSOR hCursor);
void Sdl_Free_Cursors(void);
