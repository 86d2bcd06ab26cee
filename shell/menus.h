// The main menu, the sound effects and the routines every skinned dialog shares: colours, font,
// centring, team rows, resizable list dialogs and the help pages.
#pragma once

#include "core/core.h"
#include "platform/windows.h"

// ---- the main menu (game_menu.cpp, menus.cpp) ---------------------------------------------------
// Positions of the top-level menus: &Game, &Team, &Players, &Budget, &News, Pla&y, &History,
// &League, &Tools, &Help.
#define MAIN_MENU_PLAYERS 2
#define MAIN_MENU_PLAY 5
#define MAIN_MENU_TOOLS 8

// The main window's top-level menu at a position; null without a window, menu or such menu.
HMENU Get_Main_Submenu(int nPosition);
// Empties a menu from the top (at most 100 items).
void Empty_Menu(HMENU hMenu);
// The Play menu for the season's phase: the draft's commands, the advances the week allows, or
// what ends the season; then Play Multiple Seasons.
void Fill_Play_Menu(HMENU hPlay);
// The Play menu while a run goes on: the watched game's commands, or only Stop.
void Fill_Running_Play_Menu(HMENU hPlay);
// Whether an advance is under way with weeks still to play (the Play menu then holds Stop).
int Is_Play_Run_Under_Way(void);
void Build_Play_Menu(void);  // the main window's Play menu for the phase, menu bar redrawn
void Set_Page_Help_Menu_Item(int nPage);
void Enable_Main_Menu(int bEnable);  // 0 greys, 1 enables every top-level menu
void Update_Main_Window_Title(void);

// ---- the application cursors (app_cursors.cpp) -------------------------------------------------
// Loads the arrow, the wait cursor and the three hover cursors; 1 when the hover cursors loaded.
int Load_App_Cursors(HINSTANCE hInstance);
// Kinds: 1..3 the hover cursors, 4 the wait cursor, anything else the arrow; null before loading.
HCURSOR Get_App_Cursor(int nKind);
void Set_App_Cursor(int nKind);

// ---- sounds (sounds.cpp) ------------------------------------------------------------------------
// Plays "sound/<name>" while sound effects are on, cutting off the sound playing; the PlaySound
// result, 0 when sound effects are off.
int Play_Sound(const char* szName);
void Stop_Sound(void);

// ---- dialog colours, font and placement (dialog_support.cpp) ------------------------------------
extern HBRUSH gDialogBrush;  // the skin's dialog colour; null before start-up and after shut-down

// The brush for a colour message, or null for default handling.
HBRUSH On_Dialog_Ctl_Color(UINT uMsg, HWND hDlg, HWND hControl, HDC hdc);
// A plain dialog's messages: opening (after the dialog font and centring over its parent) goes to
// pOpen (when given), each command to pCommand with its control and notification, the colours to the skin.
INT_PTR Dispatch_Dialog_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                void (*pOpen)(HWND hDlg),
                                INT_PTR (*pCommand)(HWND hDlg, int nId, int nCode));
int Create_Dialog_Brushes(void);  // 1 when the dialog brush exists
void Create_Skin_Brush(void);     // the brush anew in the current skin's colour
void Delete_Dialog_Brushes(void);
void Set_Dialog_Font(HWND hDlg);  // a bold font for every child control
void Free_Dialog_Fonts(void);     // at shut-down: the fonts Set_Dialog_Font made
// Where dialogs stand and are seen: the main window's client area on the screen while it is
// shown, else the work area.
RECT Get_Dialog_Area(void);
void Center_Window(HWND hWnd, HWND hOver);  // centred over hOver, inside the dialogs' area
void Add_Season_To_Caption(HWND hWnd);  // "caption (year team)"
void Set_List_Item_Height(HWND hDlg, MEASUREITEMSTRUCT* pMeasure);
int Confirm_Release_Player(int nTeam, int nSlot);  // 1 when the player was released
void Redraw_Window(HWND hWnd);
void Redraw_Child_Area(HWND hParent, HWND hChild);
void Get_Dlg_Item_Client_Rect(HWND hDlg, int nId, RECT* pRect);
// The pixel position, vertical first, at which an object of the size is centred on a point given
// in dialog units.
void Get_Dialog_Unit_Position(int nHeight, int nWidth, int y, int x, POINT* pOut);

// ---- resizable list dialogs (list_dialog_layout.cpp) --------------------------------------------
#define LIST_LAYOUT_CONTROLS 16

// Modes of Layout_List_Dialog.
enum LIST_LAYOUT_MODE {
    LIST_LAYOUT_RECORD = 1,
    LIST_LAYOUT_RESTORE = 2,
    LIST_LAYOUT_FIT_LIST = 3,
    LIST_LAYOUT_FOLLOW = 4,
    LIST_LAYOUT_FOLLOW_REPAINT = 5,
    LIST_LAYOUT_REMEMBER = 6,
    LIST_LAYOUT_RESET = 7
};

// Flags of Clamp_Sizing_Rect: the height, the width may grow past the minimum.
#define SIZING_GROW_HEIGHT 1
#define SIZING_GROW_WIDTH 2

struct LIST_DIALOG_LAYOUT {
    int nControls;  // controls that move with the bottom edge
    RECT arcControls[LIST_LAYOUT_CONTROLS];
    int anControlIds[LIST_LAYOUT_CONTROLS];
    int nListId;
    RECT rcList;
    RECT rcRemembered;  // screen
    RECT rcInitial;     // screen
    RECT rcLineUnits;   // (0, 0, 4, 8) in pixels: its bottom is one list line's height
    int bRemembered;
};

void Clamp_Sizing_Rect(RECT* pRect, const RECT* pMinimum, int nEdge, int nFlags);
void Layout_List_Dialog(HWND hDlg, LIST_DIALOG_LAYOUT* pLayout, int nMode);
int Hit_Test_Size_Grip(HWND hWnd, LPARAM lParam);  // 1 with the dialog result HTBOTTOMRIGHT
void Get_Size_Grip_Rect(HWND hWnd, RECT* pRect);
void Draw_Size_Grip(HWND hWnd, HDC hdc);

// ---- team rows (team_rows.cpp) ------------------------------------------------------------------
void Draw_Team_List_Item(const DRAWITEMSTRUCT* pItem);
void Draw_Team_Combo_Item(const DRAWITEMSTRUCT* pItem);

// ---- help pages (help_pages.cpp) ----------------------------------------------------------------
// The help page of a player list follows gListKind (database.h).

const char* Get_Help_Topic(int nId);       // the topic of a dialog, page or command id
void Open_Help_Page(const char* szTopic);  // "Help\<topic>.htm" under the working folder
void Show_Help_Topic(int nId);
