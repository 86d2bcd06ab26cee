// What the playbook editor's two files share: its controls, the play it shows and its painting of
// the controls from the team record.
#pragma once

#include "engine/engine.h"
#include "platform/windows.h"

#define PE_TEAM 1132
#define PE_FOLDER 1426
#define PE_FOLDER_NAME 1443
#define PE_PLAY 1391
#define PE_PLAY_NAME 1441
#define PE_COMMENT 1442
#define PE_NOTES 1444
#define PE_FORMATION 1403
#define PE_PLAY_TYPE 1404
#define PE_PLAY_TYPE_LABEL 1225
#define PE_CARRIER 1402
#define PE_CARRIER_LABEL 1214
#define PE_HOLE 1392
#define PE_HOLE_LABEL 1226
#define PE_FAKE_HOLE 1393
#define PE_FAKE_HOLE_LABEL 1227
#define PE_FIRST_ROUTE 1394  // receivers 0..4: 1394..1398
#define PE_LAST_ASSIGNMENT 1401
#define PE_FIRST_RESULT 1239  // six boxes 1239..1244
#define PE_DIAGRAM 1428
#define PE_LOAD 1429
#define PE_SAVE 11
#define PE_VIEW 1027
#define PE_CLEAR 1028
#define PE_DONE 1285
#define PE_HELP 9
#define PE_FIRST_RATING 1277  // rating buttons 1277..1291, 1285 being DONE
#define PE_LAST_RATING 1291

#define OFFENSIVE_FOLDERS 6
#define DEFENSIVE_FOLDERS 3
#define FOLDER_PLAYS 10
#define LAST_FOLDER_PLAYS 4  // the last offensive folder: the fixed plays follow
#define FOLDER_NAME_CHARS 31
#define PLAY_NAME_CHARS 53
#define PLAY_COMMENT_CHARS 127
#define PLAYBOOK_NOTES_CHARS 511

// The assignment lists in defender order; the offence uses the first eight.
extern const int kAssignmentListIds[PLAY_DEFENDERS];

// The side's spot label and rating button of a formation spot (offence) or defender.
int Get_Spot_Label_Id(int bDefence, int nSpot);
int Get_Spot_Rating_Id(int bDefence, int nSpot);

int Get_Playbook_Editor_Play(void);  // folder x 10 + place of the side
int Get_Playbook_Editor_Formation(int nTeam);
int Count_Folder_Plays(int bDefence, int nFolder);
// The roster slot of the team's player in the formation's spot; NO_PLAYER for none.
int Get_Spot_Player_Slot(int nTeam, int nFormation, int nSpot);
void Format_Spot_Player_Label(char* szOut, int nSize, int nTeam, int nFormation, int nSpot);

// Side, folder and place within their ranges, then every control from the team record.
void Refresh_Playbook_Editor(HWND hDlg);
void Show_Play_Results(HWND hDlg);
