// The scripted session: the real game on a display, driven by a person's inputs from a timer, with
// a screenshot at each step and checks of what the main window shows.
#pragma once

#include "core/core.h"

#include <string>

#define SESSION_MENU_COUNT 10

// The caption of a menu-bar menu by position, as the menu resource gives it.
const char* Session_Menu_Caption(int nIndex);

// Each returns false with the reason in *pWhy.
bool Session_Check_Client_Size(std::string* pWhy);  // at least 1024 x 676
bool Session_Check_Menu_Bar(std::string* pWhy);     // the ten menus with their captions
// The button bar and the news bar along the client bottom at their heights, under a news page.
bool Session_Check_Bars(std::string* pWhy);
bool Session_Files_Differ(const std::string& stA, const std::string& stB);
// The window a person would answer now: the active window unless it is the main window or the
// progress window; null when there is none.
HWND Session_Dialog_Up(void);
// The matchup dialog before a game of a person's team, and the person's choice on it: the game
// played on the game-day screen, or simulated.
bool Session_Is_Game_Matchup(HWND hDlg);
void Session_Choose_Matchup(HWND hDlg, bool bPlay);
// The progress window of long work: it goes by itself, and a key sent to it would stay queued
// for the next dialog.
bool Session_Is_Progress_Window(HWND hDlg);

// Runs pTurn every nMilliseconds once the program's loops run; a turn never starts inside another
// (a step's nested message pump).
void Start_Session_Timer(UINT nMilliseconds, void (*pTurn)(void));

// Arms the driver: its timer runs the steps once the program's loops run. Screenshots go to
// szFolder. The session's result, after Run_Application returns: 0, or 1 with the failure told.
void Arm_Session_Driver(const char* szFolder);
int Session_Result(void);

// The saved-game scenario (saved_game_scenario.cpp): run 1 starts a game, plays and saves it; run 2
// resumes it and plays on. Its result once Run_Application returns: 0, or 1 with the failure told.
void Arm_Saved_Game_Scenario(const char* szFolder, int nRun);
int Saved_Game_Scenario_Result(void);
// The game-day scenario (gameday_session.cpp): a watched game of the user's team coached by keys.
void Arm_Gameday_Session(const char* szFolder);
int Gameday_Session_Result(void);
