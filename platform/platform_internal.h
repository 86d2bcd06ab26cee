// What the platform layer's modules share among themselves. Never included by the game.
#pragma once

#include "test_api.h"
#include "windows.h"

#include <functional>
#include <string>

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

// ---- services ------------------------------------------------------------------------------------
void Debug_Reset(void);
void Clock_Reset(void);
