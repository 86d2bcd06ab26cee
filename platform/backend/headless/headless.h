// What the modules of the headless backend share: the scripts tests give and the transcript.
#pragma once

#include "../../platform_internal.h"

#include <functional>
#include <string>

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

// A popup menu: a test's script chooses (see Test_Script_Popup_Menu), without one it is dismissed;
// every popup goes into the transcript (popup_scripts.cpp).
int Headless_Track_Popup_Menu(HMENU hMenu, UINT uFlags, HWND hWnd, POINT ptScreen);
void Popup_Script_Reset(void);
