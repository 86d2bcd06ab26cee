// What the three depth-chart dialogs (Offense, Defense, Special Teams) share inside dialogs/.
#pragma once

#include "platform/windows.h"
#include "shell/shell.h"

#define DEPTH_TEAM_COMBO 1132
#define DEPTH_PERIOD_COMBO 1223
#define DEPTH_VIEW_MY_TEAM 1097
#define DEPTH_SPECIAL_TEAMS 1043
#define DEPTH_DEFENSE 1119
#define DEPTH_OFFENSE 1081
#define DEPTH_HELP 9
#define DEPTH_HELMET 1379
#define DEPTH_SPOT_LABELS 1447
#define DEPTH_STARTERS 1079
#define DEPTH_STARTER_UP 1086
#define DEPTH_STARTER_DOWN 1085
#define DEPTH_STARTER_SCOUTING 1084
#define DEPTH_RESERVES 1030
#define DEPTH_RESERVE_UP 1040
#define DEPTH_RESERVE_DOWN 1041
#define DEPTH_RESERVE_SCOUTING 1042
#define DEPTH_RELEASE 1044
#define DEPTH_SWAP 1036
#define DEPTH_AUTO_SORT 1225
#define DEPTH_CONTRACTS_NOTE 1446
#define DEPTH_ROW_SIZE 256
#define STARTER_COUNT 11
#define DEPTH_BOTTOM_LABEL 1901  // the unit combo's label
#define DEPTH_SECOND_BOTTOM_LABEL 1902

// depth_chart_rows.cpp
// The list row of a player: name, position, rating, games and the statistics summary, each
// followed by a tab. The defence's rating column leads with the peak.
void Format_Depth_Chart_Row(int nTeam, int nSlot, char* szOut, int nSize, int bDefenceRating);
int Has_Depth_Chart_Editing_Right(int nTeam);
int Is_Above_Roster_Floor(int nTeam);  // a release leaves at least the roster floor
// The rows of the unit's players from slot nFirst on, at most nMax, until one of another unit.
int Fill_Unit_List(HWND hList, int nTeam, int nUnit, int nFirst, int nMax, int bDefenceRating);
void Set_List_Tab_Stops(HWND hDlg, int nListId, const int* pnStops, int nStops);
int Get_List_Selection(HWND hDlg, int nListId);
void Set_Contracts_Note(HWND hDlg, int nTeam);
// The warning of a wrong position at a starter spot; "Tell me more" opens the dialog's help.
void Show_Position_Mismatch_Warning(const char* szText, int idHelp);
void Paint_Team_Helmet(HWND hDlg);
void Init_Depth_Chart_Fonts(HWND hDlg);
// Team chooser, View My Team and the period combo: 1 when the command was one of them.
int On_Depth_Chart_Team_Command(HWND hDlg, int nId, int nCode, const char* szCaption);

// Each dialog's own refill (offense_depth_chart.cpp, defense_depth_chart.cpp,
// special_teams_dialog.cpp), reached through Refresh_Depth_Chart_Dialog by caption.
void Refill_Offense_Dialog(HWND hDlg);
void Refill_Defense_Dialog(HWND hDlg);
void Refill_Special_Teams_Dialog(HWND hDlg);

// The Offense and Defense dialogs: one unit's eleven starters and its reserves
// (unit_depth_chart.cpp runs both from their descriptions).
typedef struct UNIT_CHART {
    int nUnit;  // UNIT_OFFENCE or UNIT_DEFENCE
    const char* szCaption;
    int idTemplate;
    int idOtherUnitButton;  // the sister unit's button and dialog
    int idOtherUnitDialog;
    int bDefenceRating;
    void (*pFillExtras)(HWND hDlg, int nTeam, int bEdit);  // spot labels and the unit's combos
    int (*pOnExtraCommand)(HWND hDlg, int nTeam, int nId, int nCode);  // 1 when handled
    // The warning text when a starter stands at the wrong spot; 0 when none does.
    int (*pFindMismatch)(int nTeam, char* szText, int nSize);
    // The dialog's size kept for the run, and the controls that follow its bottom edge.
    LIST_DIALOG_LAYOUT* pLayout;
    const int* pnBottomControls;
    int nBottomControls;
} UNIT_CHART;

int Get_Unit_First_Slot(int nTeam, int nUnit);
void Refill_Unit_Chart(HWND hDlg, const UNIT_CHART* pChart);
INT_PTR Run_Unit_Chart_Message(const UNIT_CHART* pChart, HWND hDlg, UINT uMsg, WPARAM wParam,
                               LPARAM lParam);

// The wanted position of the first offensive starter who fits his spot below 85 %, else -1;
// whether a defensive starter's position differs from his spot's.
int Find_Offense_Position_Mismatch(int nTeam);
int Find_Defense_Position_Mismatch(int nTeam);
