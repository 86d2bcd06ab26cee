// The playbook editor's controls filled from the team record: the folder and play lists, the
// texts, each spot's player and assignment list, and the play's result boxes.
#include <string.h>

#include "database/database.h"
#include "pages/pages.h"
#include "setup/playbook_editor_internal.h"
#include "shell/shell.h"

#define OFFENSIVE_PLAY_TYPES 11
#define RUSHING_HOLES 10
#define CARRIER_SPOTS 6  // the quarterback and the five receivers
#define DEFENSIVE_ROLES 19
#define LONG_LAST_NAME 9
#define NOT_AVAILABLE "[Not Available]"
#define LIST_TEXT_SIZE 96
#define RESULT_TEXT_SIZE 512
#define RESULT_BOXES 6

const int kAssignmentListIds[PLAY_DEFENDERS] = {1402, 1392, 1393, 1394, 1395, 1396,
                                                1397, 1398, 1399, 1400, 1401};

static const int kOffenceLabels[FORMATION_SPOTS] = {1235, 1228, 1231, 1232, 1233, 1234,
                                                    1236, 1237, 1238, 1339, 1340};
static const int kDefenceLabels[FORMATION_SPOTS] = {1214, 1226, 1227, 1228, 1231, 1232,
                                                    1233, 1234, 1235, 1236, 1237};
static const int kOffenceRatings[FORMATION_SPOTS] = {1286, 1280, 1281, 1282, 1283, 1284,
                                                     1287, 1288, 1289, 1290, 1291};
static const int kDefenceRatings[FORMATION_SPOTS] = {1277, 1278, 1279, 1280, 1281, 1282,
                                                     1283, 1284, 1286, 1287, 1288};

static const char* const kPlayTypeNames[OFFENSIVE_PLAY_TYPES] = {
    "Rush (Standard)", "Toss",           "Sweep",          "Draw",          "Trap",   "End Around",
    "Pass (Standard)", "Pass (Rollout)", "Pass (Bootleg)", "Pass (Screen)", "Counter"};
static const char* const kHoleNames[RUSHING_HOLES] = {"0 (C/RG)",
                                                      "1 (C/LG)",
                                                      "2 (RG/RT)",
                                                      "3 (LG/LT)",
                                                      "4 (Off-Tackle Right)",
                                                      "5 (Off-Tackle Left)",
                                                      "6 (Outside Right)",
                                                      "7 (Outside Left)",
                                                      "8 (Far Outside Right)",
                                                      "9 (Far Outside Left)"};
static const char* const kOffensiveSituations[OFFENSIVE_SITUATION_COUNT] = {
    "Overall", "3rd Down", "<4 To Go", "11+ To Go", "vs. Blitz"};
static const char* const kDefensiveSituations[PLAY_CLASS_COUNT] = {
    "Inside Rushes", "Outside Rushes", "Draw Plays",
    "Short Passes",  "Medium Passes",  "Long Passes"};

int Get_Spot_Label_Id(int bDefence, int nSpot) {
    return (bDefence ? kDefenceLabels : kOffenceLabels)[nSpot];
}

int Get_Spot_Rating_Id(int bDefence, int nSpot) {
    return (bDefence ? kDefenceRatings : kOffenceRatings)[nSpot];
}

int Count_Folder_Plays(int bDefence, int nFolder) {
    return !bDefence && nFolder == OFFENSIVE_FOLDERS - 1 ? LAST_FOLDER_PLAYS : FOLDER_PLAYS;
}

int Get_Playbook_Editor_Play(void) {
    return gPlaybookFolder * FOLDER_PLAYS + gPlaybookPlay;
}

int Get_Playbook_Editor_Formation(int nTeam) {
    int nPlay = Get_Playbook_Editor_Play();
    return gPlaybookSide ? Get_Defensive_Play_Formation(nTeam, nPlay)
                         : Get_Offensive_Play_Formation(nTeam, nPlay);
}

// The saved state may hold anything: the side, folder and place are brought into range.
static void Clamp_Playbook_Editor_Place(void) {
    gPlaybookSide = gPlaybookSide ? 1 : 0;
    int nFolders = gPlaybookSide ? DEFENSIVE_FOLDERS : OFFENSIVE_FOLDERS;
    gPlaybookFolder = Clamp(gPlaybookFolder, 0, nFolders - 1);
    gPlaybookPlay = Clamp(gPlaybookPlay, 0, Count_Folder_Plays(gPlaybookSide, gPlaybookFolder) - 1);
}

int Get_Spot_Player_Slot(int nTeam, int nFormation, int nSpot) {
    PLAYER_REF nRef = Get_Formation_Lineup_Player(nFormation, nTeam, nSpot);
    if (!Is_Player_Ref_Used(nRef))
        return NO_PLAYER;
    int nRefTeam, nSlot;
    Unpack_Player_Ref(nRef, &nRefTeam, &nSlot);
    return nRefTeam == nTeam ? nSlot : NO_PLAYER;
}

static int Count_Formation_Spots_Of(int nFormation, int nPosition) {
    int nCount = 0;
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++)
        nCount += Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_POSITION) == nPosition;
    return nCount;
}

// "J. Smith (WR2)": the spot's player, his position and, where the formation has more than one
// of it, which one; guards and tackles are left and right. An empty spot shows the position.
void Format_Spot_Player_Label(char* szOut, int nSize, int nTeam, int nFormation, int nSpot) {
    char szName[LIST_TEXT_SIZE] = "";
    int nSlot = Get_Spot_Player_Slot(nTeam, nFormation, nSpot);
    if (nSlot != NO_PLAYER) {
        char szFirst[LIST_TEXT_SIZE], szLast[LIST_TEXT_SIZE];
        Get_Player_First_Name(nTeam, nSlot, szFirst, (int)sizeof szFirst);
        Get_Player_Last_Name(nTeam, nSlot, szLast, (int)sizeof szLast);
        if ((int)strlen(szLast) > LONG_LAST_NAME || szFirst[0] == 0)
            safe_strncpy(szName, szLast, (int)sizeof szName);
        else
            Format_String(szName, (int)sizeof szName, "%c. %s", szFirst[0], szLast);
    }
    int nPosition = Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_POSITION);
    int nDepth = Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_DEPTH);
    char szPosition[LIST_TEXT_SIZE] = "";
    if (nPosition >= 0 && nPosition < POSITION_COUNT)
        Get_Position_Abbreviation(nPosition, szPosition, (int)sizeof szPosition);
    char szTag[LIST_TEXT_SIZE];
    if (nPosition == POS_G || nPosition == POS_T)
        Format_String(szTag, (int)sizeof szTag, "(%c%s)", nDepth == 0 ? 'L' : 'R', szPosition);
    else if (Count_Formation_Spots_Of(nFormation, nPosition) >= 2)
        Format_String(szTag, (int)sizeof szTag, "(%s%d)", szPosition, nDepth + 1);
    else
        Format_String(szTag, (int)sizeof szTag, "(%s)", szPosition);
    if (szName[0])
        Format_String(szOut, nSize, "%s %s", szName, szTag);
    else
        safe_strncpy(szOut, szTag, nSize);
}

static void Show_Control(HWND hDlg, int nId, int bShow) {
    ShowWindow(GetDlgItem(hDlg, nId), bShow ? SW_SHOW : SW_HIDE);
}

// The list emptied, filled by the caller's rows and set to the row; -1 selects none.
static void Fill_Combo(HWND hDlg, int nId, int nRows, int nSelected,
                       void (*pRow)(int nRow, const void* pContext, char* szOut, int nSize),
                       const void* pContext) {
    HWND hCombo = GetDlgItem(hDlg, nId);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    char szRow[LIST_TEXT_SIZE];
    for (int nRow = 0; nRow < nRows; nRow++) {
        pRow(nRow, pContext, szRow, (int)sizeof szRow);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szRow);
    }
    SendMessageA(hCombo, CB_SETCURSEL, nSelected >= 0 && nSelected < nRows ? nSelected : -1, 0);
}

static void Name_Table_Row(int nRow, const void* pContext, char* szOut, int nSize) {
    safe_strncpy(szOut, static_cast<const char* const*>(pContext)[nRow], nSize);
}

// ---- the folder, the play and the texts ---------------------------------------------------------

static void Folder_Row(int nRow, const void* pContext, char* szOut, int nSize) {
    int nTeam = *static_cast<const int*>(pContext);
    if (nRow < OFFENSIVE_FOLDERS) {
        const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
        Format_String(szOut, nSize, "Offense: %s", pBook ? pBook->aszCategories[nRow] : "");
    } else {
        const DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
        Format_String(szOut, nSize, "Defense: %s",
                      pBook ? pBook->aszCategories[nRow - OFFENSIVE_FOLDERS] : "");
    }
}

static void Play_Row(int nRow, const void* pContext, char* szOut, int nSize) {
    int nTeam = *static_cast<const int*>(pContext);
    char szName[PLAY_NAME_SIZE];
    int nPlay = gPlaybookFolder * FOLDER_PLAYS + nRow;
    if (gPlaybookSide)
        Get_Defensive_Play_Name(nTeam, nPlay, szName, (int)sizeof szName);
    else
        Get_Offensive_Play_Name(nTeam, nPlay, szName, (int)sizeof szName);
    safe_strncpy(szOut, szName, nSize);
}

static void Formation_Row(int nRow, const void* pContext, char* szOut, int nSize) {
    char szName[FORMATION_NAME_SIZE];
    Get_Formation_Name(*static_cast<const int*>(pContext) + nRow, szName, (int)sizeof szName);
    safe_strncpy(szOut, szName, nSize);
}

// A record's text read no further than its field, however the file filled it.
static void Show_Field(HWND hDlg, int nId, const char* szField, int nChars) {
    char szText[PLAYBOOK_DESCRIPTION_SIZE] = "";
    if (szField != NULL)
        safe_strncpy(szText, szField, nChars + 1);
    SetDlgItemTextA(hDlg, nId, szText);
}

template <typename PLAYBOOK, typename PLAY>
static void Show_Texts(HWND hDlg, const PLAYBOOK* pBook, const PLAY* pPlay) {
    Show_Field(hDlg, PE_FOLDER_NAME, pBook ? pBook->aszCategories[gPlaybookFolder] : NULL,
               FOLDER_NAME_CHARS);
    Show_Field(hDlg, PE_NOTES, pBook ? pBook->szDescription : NULL, PLAYBOOK_NOTES_CHARS);
    Show_Field(hDlg, PE_PLAY_NAME, pPlay ? pPlay->szName : NULL, PLAY_NAME_CHARS);
    Show_Field(hDlg, PE_COMMENT, pPlay ? pPlay->szDescription : NULL, PLAY_COMMENT_CHARS);
}

static void Show_Folder_Play_And_Texts(HWND hDlg, int nTeam) {
    const int bDefence = gPlaybookSide;
    const int nPlay = Get_Playbook_Editor_Play();
    Fill_Combo(hDlg, PE_FOLDER, OFFENSIVE_FOLDERS + DEFENSIVE_FOLDERS,
               gPlaybookFolder + OFFENSIVE_FOLDERS * bDefence, Folder_Row, &nTeam);
    Fill_Combo(hDlg, PE_PLAY, Count_Folder_Plays(bDefence, gPlaybookFolder), gPlaybookPlay,
               Play_Row, &nTeam);
    const int nFirstFormation = bDefence ? FIRST_DEFENSIVE_FORMATION : 0;
    const int nFormations =
        bDefence ? FIRST_SPECIAL_FORMATION - FIRST_DEFENSIVE_FORMATION : FIRST_DEFENSIVE_FORMATION;
    Fill_Combo(hDlg, PE_FORMATION, nFormations,
               Get_Playbook_Editor_Formation(nTeam) - nFirstFormation, Formation_Row,
               &nFirstFormation);
    if (bDefence)
        Show_Texts(hDlg, Get_Team_Defensive_Playbook(nTeam),
                   Get_Editable_Defensive_Play(nTeam, nPlay));
    else
        Show_Texts(hDlg, Get_Team_Offensive_Playbook(nTeam),
                   Get_Editable_Offensive_Play(nTeam, nPlay));
}

// ---- the spots ----------------------------------------------------------------------------------

// The label and rating button of one spot; the button reads the player's overall.
static void Show_Spot(HWND hDlg, int nTeam, int nFormation, int nSpot) {
    const int bDefence = gPlaybookSide;
    char szText[LIST_TEXT_SIZE];
    Format_Spot_Player_Label(szText, (int)sizeof szText, nTeam, nFormation, nSpot);
    SetDlgItemTextA(hDlg, Get_Spot_Label_Id(bDefence, nSpot), szText);
    Show_Control(hDlg, Get_Spot_Label_Id(bDefence, nSpot), 1);
    int nSlot = Get_Spot_Player_Slot(nTeam, nFormation, nSpot);
    szText[0] = 0;
    if (nSlot != NO_PLAYER)
        Format_String(szText, (int)sizeof szText, "%d",
                      Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OVERALL_GRADE));
    HWND hButton = GetDlgItem(hDlg, Get_Spot_Rating_Id(bDefence, nSpot));
    SetWindowTextA(hButton, szText);
    EnableWindow(hButton, nSlot != NO_PLAYER);
    ShowWindow(hButton, SW_SHOW);
}

typedef struct SPOT_CONTEXT {
    int nTeam;
    int nFormation;
    int nSpot;
} SPOT_CONTEXT;

static void Carrier_Row(int nRow, const void* pContext, char* szOut, int nSize) {
    const SPOT_CONTEXT* pSpot = static_cast<const SPOT_CONTEXT*>(pContext);
    Format_Spot_Player_Label(szOut, nSize, pSpot->nTeam, pSpot->nFormation, nRow);
}

static void Route_Row(int nRow, const void* pContext, char* szOut, int nSize) {
    const SPOT_CONTEXT* pSpot = static_cast<const SPOT_CONTEXT*>(pContext);
    int nPosition =
        Get_Formation_Spot_Position(pSpot->nFormation, pSpot->nSpot, SPOT_FIELD_POSITION);
    if (!Can_Position_Run_Route(nPosition, nRow)) {
        safe_strncpy(szOut, NOT_AVAILABLE, nSize);
        return;
    }
    char szName[PASS_ROUTE_NAME_SIZE];
    Get_Pass_Route_Name(nRow, szName, (int)sizeof szName);
    safe_strncpy(szOut, szName, nSize);
}

static void Role_Row(int nRow, const void* pContext, char* szOut, int nSize) {
    const SPOT_CONTEXT* pSpot = static_cast<const SPOT_CONTEXT*>(pContext);
    int nPosition =
        Get_Formation_Spot_Position(pSpot->nFormation, pSpot->nSpot, SPOT_FIELD_POSITION);
    if (Fix_Defensive_Role(nPosition, nRow) != nRow)
        safe_strncpy(szOut, NOT_AVAILABLE, nSize);
    else
        Get_Defensive_Role_Name(nRow, szOut, nSize);
}

static void Show_Offensive_Assignments(HWND hDlg, int nTeam, int nPlay) {
    const int nFormation = Get_Offensive_Play_Formation(nTeam, nPlay);
    const int bRun = Is_Run_Play(nTeam, nPlay);
    const int bPlayAction = Is_Play_Action_Play(nTeam, nPlay);
    const int nCarrierSpot = Get_Offensive_Play_Primary_Player(nTeam, nPlay);
    Show_Control(hDlg, PE_PLAY_TYPE, 1);
    Show_Control(hDlg, PE_PLAY_TYPE_LABEL, 1);
    Fill_Combo(hDlg, PE_PLAY_TYPE, OFFENSIVE_PLAY_TYPES, Get_Offensive_Play_Type(nTeam, nPlay),
               Name_Table_Row, kPlayTypeNames);

    SPOT_CONTEXT spot = {nTeam, nFormation, 0};
    SetDlgItemTextA(hDlg, PE_CARRIER_LABEL, bRun ? "Ball Carrier" : "Primary Receiver");
    Show_Control(hDlg, PE_CARRIER_LABEL, 1);
    Show_Control(hDlg, PE_CARRIER, 1);
    EnableWindow(GetDlgItem(hDlg, PE_CARRIER), TRUE);
    Fill_Combo(hDlg, PE_CARRIER, CARRIER_SPOTS, nCarrierSpot, Carrier_Row, &spot);

    const int bHole = bRun || bPlayAction || Offensive_Play_Has_Lead_Block(nTeam, nPlay);
    SetDlgItemTextA(hDlg, PE_HOLE_LABEL, "Rushing Hole");
    Show_Control(hDlg, PE_HOLE_LABEL, bHole);
    Show_Control(hDlg, PE_HOLE, bHole);
    EnableWindow(GetDlgItem(hDlg, PE_HOLE), TRUE);
    Fill_Combo(hDlg, PE_HOLE, RUSHING_HOLES, Get_Offensive_Play_Hole(nTeam, nPlay), Name_Table_Row,
               kHoleNames);
    const int bFake = bRun && bPlayAction;
    SetDlgItemTextA(hDlg, PE_FAKE_HOLE_LABEL, "Play Action Hole");
    Show_Control(hDlg, PE_FAKE_HOLE_LABEL, bFake);
    Show_Control(hDlg, PE_FAKE_HOLE, bFake);
    EnableWindow(GetDlgItem(hDlg, PE_FAKE_HOLE), TRUE);
    Fill_Combo(hDlg, PE_FAKE_HOLE, RUSHING_HOLES, Get_Offensive_Play_Fake_Hole(nTeam, nPlay),
               Name_Table_Row, kHoleNames);

    for (int nReceiver = 0; nReceiver < PLAY_RECEIVERS; nReceiver++) {
        const int bCarrier = bRun && nCarrierSpot == nReceiver + 1;
        const int nId = PE_FIRST_ROUTE + nReceiver;
        spot.nSpot = nReceiver + 1;
        Fill_Combo(hDlg, nId, bCarrier ? PASS_ROUTE_COUNT : LAST_LISTED_ROUTE + 1,
                   Get_Offensive_Play_Route(nTeam, nPlay, nReceiver), Route_Row, &spot);
        EnableWindow(GetDlgItem(hDlg, nId), !bCarrier);
        Show_Control(hDlg, nId, 1);
    }
    for (int n = PLAY_RECEIVERS + 3; n < PLAY_DEFENDERS; n++)
        Show_Control(hDlg, kAssignmentListIds[n], 0);
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++)
        Show_Spot(hDlg, nTeam, nFormation, nSpot);
    // The rows of the carrier and the holes have no player of their own.
    for (int n = 0; n < 3; n++)
        Show_Control(hDlg, kDefenceRatings[n], 0);
}

static void Show_Defensive_Assignments(HWND hDlg, int nTeam, int nPlay) {
    const int nFormation = Get_Defensive_Play_Formation(nTeam, nPlay);
    Show_Control(hDlg, PE_PLAY_TYPE, 0);
    Show_Control(hDlg, PE_PLAY_TYPE_LABEL, 0);
    for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++) {
        const int nId = kAssignmentListIds[nDefender];
        SPOT_CONTEXT spot = {nTeam, nFormation, nDefender};
        Fill_Combo(hDlg, nId, DEFENSIVE_ROLES, Get_Defensive_Play_Role(nTeam, nPlay, nDefender),
                   Role_Row, &spot);
        EnableWindow(GetDlgItem(hDlg, nId), TRUE);
        Show_Control(hDlg, nId, 1);
        Show_Spot(hDlg, nTeam, nFormation, nDefender);
    }
    // The offence's last three linemen have no defender beside them.
    for (int nSpot = PLAY_DEFENDERS - 3; nSpot < FORMATION_SPOTS; nSpot++) {
        Show_Control(hDlg, kOffenceLabels[nSpot], 0);
        Show_Control(hDlg, kOffenceRatings[nSpot], 0);
    }
}

// ---- the result boxes ---------------------------------------------------------------------------

typedef struct PLAY_COUNTS {
    int nCalls, nYards, nFirstDowns, nTouchdowns, nTurnovers, nSacks;
} PLAY_COUNTS;

template <typename PLAYBOOK>
static PLAY_COUNTS Read_Play_Counts(const PLAYBOOK* pBook, int nPlay, int nSituation) {
    PLAY_COUNTS counts = {0, 0, 0, 0, 0, 0};
    if (pBook == NULL)
        return counts;
    counts.nCalls = pBook->aanPlays[nPlay][nSituation];
    counts.nYards = pBook->aanYards[nPlay][nSituation];
    counts.nFirstDowns = pBook->aabConversions[nPlay][nSituation];
    counts.nTouchdowns = pBook->aabTouchdowns[nPlay][nSituation];
    counts.nTurnovers = pBook->aabTurnovers[nPlay][nSituation];
    counts.nSacks = pBook->aabSacks[nPlay][nSituation];
    return counts;
}

// "12.5 Yards/Play\nFirst Down: 40%..." of calls above 0.
static void Format_Play_Rates(const PLAY_COUNTS& counts, char* szOut, int nSize) {
    const float fCalls = (float)counts.nCalls;
    Format_String(szOut, nSize,
                  "%.1f Yards/Play\nFirst Down: %.0f%%\nTouchdown: %.0f%%\nTurnover: %.0f%%\n"
                  "Sack: %.0f%%",
                  counts.nYards / fCalls, counts.nFirstDowns * 100 / fCalls,
                  counts.nTouchdowns * 100 / fCalls, counts.nTurnovers * 100 / fCalls,
                  counts.nSacks * 100 / fCalls);
}

void Show_Play_Results(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    const int nPlay = Get_Playbook_Editor_Play();
    char szText[RESULT_TEXT_SIZE], szRates[RESULT_TEXT_SIZE];
    if (!gPlaybookSide) {
        const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
        for (int n = 0; n < OFFENSIVE_SITUATION_COUNT; n++) {
            PLAY_COUNTS counts = Read_Play_Counts(pBook, nPlay, n);
            if (counts.nCalls <= 0) {
                Format_String(szText, (int)sizeof szText, "%s\n(0 Plays)", kOffensiveSituations[n]);
            } else {
                Format_Play_Rates(counts, szRates, (int)sizeof szRates);
                Format_String(szText, (int)sizeof szText, "%s\n(%d Play%s)\n%s",
                              kOffensiveSituations[n], counts.nCalls, counts.nCalls > 1 ? "s" : "",
                              szRates);
            }
            SetDlgItemTextA(hDlg, PE_FIRST_RESULT + n, szText);
        }
        Get_Primary_Route_Text(szText, (int)sizeof szText, nTeam, nPlay, 1);
        SetDlgItemTextA(hDlg, PE_FIRST_RESULT + OFFENSIVE_SITUATION_COUNT, szText);
        return;
    }
    const DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
    for (int n = 0; n < PLAY_CLASS_COUNT; n++) {
        PLAY_COUNTS counts = Read_Play_Counts(pBook, nPlay, n);
        char szGrade[LIST_TEXT_SIZE];
        Get_Defensive_Play_Grade_Text(szGrade, (int)sizeof szGrade, n, nTeam, nPlay, 0, 0);
        if (counts.nCalls <= 0) {
            Format_String(szText, (int)sizeof szText,
                          "Versus\n%s\n(%d Plays)\n\n\n\n\n\n\nRating: %s", kDefensiveSituations[n],
                          0, szGrade);
        } else {
            Format_Play_Rates(counts, szRates, (int)sizeof szRates);
            Format_String(szText, (int)sizeof szText, "Versus\n%s\n(%d Plays)\n%s\n\nRating: %s",
                          kDefensiveSituations[n], counts.nCalls, szRates, szGrade);
        }
        SetDlgItemTextA(hDlg, PE_FIRST_RESULT + n, szText);
    }
}

// ---- the whole editor ---------------------------------------------------------------------------

void Refresh_Playbook_Editor(HWND hDlg) {
    Clamp_Playbook_Editor_Place();
    const int bDefence = gPlaybookSide;
    const int nTeam = Get_Dialog_Team();
    const int nPlay = Get_Playbook_Editor_Play();
    SetDlgItemTextA(hDlg, PE_LOAD, bDefence ? "Load Defense Playbook" : "Load Offense Playbook");
    SetDlgItemTextA(hDlg, PE_SAVE, bDefence ? "Save Defense Playbook" : "Save Offense Playbook");
    SetDlgItemTextA(hDlg, PE_VIEW, bDefence ? "View Defense" : "View Offense");
    Fill_Team_Formation_Lineups(nTeam, LINEUP_MODE_STARTERS);
    Fill_Team_List(hDlg);
    Show_Folder_Play_And_Texts(hDlg, nTeam);
    if (bDefence)
        Show_Defensive_Assignments(hDlg, nTeam, nPlay);
    else
        Show_Offensive_Assignments(hDlg, nTeam, nPlay);
    EnableWindow(GetDlgItem(hDlg, PE_CLEAR), Has_Play_Result_Data(nTeam, gPlaybookSide, nPlay));
    Show_Play_Results(hDlg);
}
