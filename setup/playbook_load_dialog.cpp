// The Load Playbook dialog: the playbook files of one side in the "playbooks" folder, each looked
// at by the analyzer before it is loaded into the dialog team.
#include <dirent.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/database.h"
#include "engine/engine.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define LOAD_PLAYBOOK_LIST 1444
#define LOAD_PLAYBOOK_DELETE 3
#define LOAD_PLAYBOOK_HELP 9
#define LOAD_PLAYBOOK_GROUP 1438
#define ANALYZER_NOTES 1465
#define ANALYZER_FORMATIONS 1466
#define ANALYZER_FIRST_COLUMN 1471
#define ANALYZER_COLUMNS 5
#define ANALYZER_PLAYS 1476
#define ANALYZER_ROWS 12
#define ANALYZER_TEXT_SIZE 2048
#define PLAYBOOK_FILE_NAME_SIZE 256
#define NO_COLUMN_POSITION (-1)

static const char* Get_Playbook_Extension(int bDefence) {
    return bDefence ? ".dpb" : ".opb";
}

// The side's files, sorted by name so that the list reads the same on every file system.
static std::vector<std::string> Find_Playbook_Files(int bDefence) {
    std::vector<std::string> aNames;
    char szFolder[PLAYBOOK_FILE_NAME_SIZE];
    Platform_Resolve_Path("playbooks", szFolder, sizeof szFolder);
    DIR* pFolder = opendir(szFolder);
    if (pFolder == NULL)
        return aNames;
    const char* szExtension = Get_Playbook_Extension(bDefence);
    size_t nExtension = strlen(szExtension);
    for (struct dirent* pEntry = readdir(pFolder); pEntry != NULL; pEntry = readdir(pFolder)) {
        size_t nLength = strlen(pEntry->d_name);
        if (nLength > nExtension &&
            strcasecmp(pEntry->d_name + nLength - nExtension, szExtension) == 0)
            aNames.push_back(pEntry->d_name);
    }
    closedir(pFolder);
    std::sort(aNames.begin(), aNames.end());
    return aNames;
}

void Fill_Playbook_File_List(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, LOAD_PLAYBOOK_LIST);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    for (const std::string& stName : Find_Playbook_Files(gPlaybookSide != 0))
        SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)stName.c_str());
    Strip_List_Box_Extensions(hList);
    SendMessageA(hList, LB_SETCURSEL, 0, 0);
}

// The selected name without extension; 0 when nothing is selected.
static int Get_Selected_Playbook_Name(HWND hDlg, char* szName, int nSize) {
    HWND hList = GetDlgItem(hDlg, LOAD_PLAYBOOK_LIST);
    int nSelected = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    if (nSelected < 0 || SendMessageA(hList, LB_GETTEXTLEN, nSelected, 0) >= nSize)
        return 0;
    SendMessageA(hList, LB_GETTEXT, nSelected, (LPARAM)szName);
    return szName[0] != 0;
}

int Load_Selected_Playbook(HWND hDlg, int nTeam) {
    char szName[PLAYBOOK_FILE_NAME_SIZE];
    if (!Get_Selected_Playbook_Name(hDlg, szName, sizeof szName))
        return 0;
    return Read_Playbook_File(nTeam, gPlaybookSide != 0, szName);
}

void Clear_Playbook_Analyzer(HWND hDlg) {
    SetDlgItemTextA(hDlg, ANALYZER_NOTES, "");
    SetDlgItemTextA(hDlg, ANALYZER_FORMATIONS, "");
    SetDlgItemTextA(hDlg, ANALYZER_PLAYS, "");
    for (int n = 0; n < ANALYZER_COLUMNS; n++)
        SetDlgItemTextA(hDlg, ANALYZER_FIRST_COLUMN + n, "");
}

// How many plays of the scratch image use each formation.
static void Count_Playbook_Formations(int bDefence, int* pnCounts) {
    memset(pnCounts, 0, FORMATION_COUNT * sizeof *pnCounts);
    const uint8_t* pImage = Get_Scratch_Playbook_Image(bDefence);
    if (bDefence) {
        const DEFENSIVE_PLAYBOOK* pBook = reinterpret_cast<const DEFENSIVE_PLAYBOOK*>(pImage);
        for (const DEFENSIVE_PLAY& play : pBook->aPlays) {
            if (play.nFormation >= 0 && play.nFormation < FORMATION_COUNT)
                pnCounts[play.nFormation]++;
        }
        return;
    }
    const OFFENSIVE_PLAYBOOK* pBook = reinterpret_cast<const OFFENSIVE_PLAYBOOK*>(pImage);
    for (int nPlay = 0; nPlay < TEAM_OFFENSIVE_PLAY_COUNT; nPlay++) {
        int nFormation = (int8_t)(pBook->aPlays[nPlay].nFormation & 0xFF);
        if (nFormation >= 0 && nFormation < FORMATION_COUNT)
            pnCounts[nFormation]++;
    }
}

// The most used formation left; -1 when every count is 0. Ties go to the lower number.
static int Take_Most_Used_Formation(const int* pnCounts) {
    int nBest = -1;
    for (int n = 0; n < FORMATION_COUNT; n++) {
        if (pnCounts[n] > 0 && (nBest < 0 || pnCounts[n] > pnCounts[nBest]))
            nBest = n;
    }
    return nBest;
}

static int Count_Formation_Position(int nFormation, int nPosition) {
    int nCount = 0;
    for (int nSpot = 0; nSpot < PLAY_DEFENDERS; nSpot++) {
        if (Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_POSITION) == nPosition)
            nCount++;
    }
    return nCount;
}

void Show_Playbook_Analysis(HWND hDlg) {
    Clear_Playbook_Analyzer(hDlg);
    int bDefence = gPlaybookSide != 0;
    char szName[PLAYBOOK_FILE_NAME_SIZE];
    if (!Get_Selected_Playbook_Name(hDlg, szName, sizeof szName) ||
        !Read_Playbook_File(DEFAULT_PLAYBOOK, bDefence, szName))
        return;
    const uint8_t* pImage = Get_Scratch_Playbook_Image(bDefence);
    SetDlgItemTextA(hDlg, ANALYZER_NOTES,
                    bDefence ? reinterpret_cast<const DEFENSIVE_PLAYBOOK*>(pImage)->szDescription
                             : reinterpret_cast<const OFFENSIVE_PLAYBOOK*>(pImage)->szDescription);
    int anCounts[FORMATION_COUNT];
    Count_Playbook_Formations(bDefence, anCounts);
    static const int kOffenceColumns[ANALYZER_COLUMNS] = {NO_COLUMN_POSITION, POS_RB, POS_FB,
                                                          POS_TE, POS_WR};
    static const int kDefenceColumns[ANALYZER_COLUMNS] = {POS_DT, POS_DE, POS_LB, POS_CB, POS_S};
    const int* pnColumns = bDefence ? kDefenceColumns : kOffenceColumns;
    const int nPlays = bDefence ? DEFENSIVE_PLAY_COUNT : TEAM_OFFENSIVE_PLAY_COUNT;

    std::string stPlays = "PLAYS\n", stFormations = "MOST USED FORMATIONS\n";
    std::string astColumns[ANALYZER_COLUMNS];
    int anTotals[ANALYZER_COLUMNS] = {0};
    char szLine[ANALYZER_TEXT_SIZE];
    for (int n = 0; n < ANALYZER_COLUMNS; n++) {
        if (pnColumns[n] != NO_COLUMN_POSITION) {
            Get_Position_Abbreviation(pnColumns[n], szLine, sizeof szLine);
            astColumns[n] = std::string(szLine) + "\n";
        }
    }
    for (int nRow = 0; nRow < ANALYZER_ROWS; nRow++) {
        int nFormation = Take_Most_Used_Formation(anCounts);
        if (nFormation < 0)
            break;
        Format_String(szLine, sizeof szLine, "%d\n", anCounts[nFormation]);
        stPlays += szLine;
        Get_Formation_Name(nFormation, szLine, FORMATION_NAME_SIZE);
        stFormations += std::string(szLine) + "\n";
        for (int n = 0; n < ANALYZER_COLUMNS; n++) {
            if (pnColumns[n] == NO_COLUMN_POSITION)
                continue;
            int nFilled = Count_Formation_Position(nFormation, pnColumns[n]);
            Format_String(szLine, sizeof szLine, "%d\n", nFilled);
            astColumns[n] += szLine;
            anTotals[n] += nFilled * anCounts[nFormation];
        }
        anCounts[nFormation] = 0;
    }
    stFormations += "\nAVERAGE";
    for (int n = 0; n < ANALYZER_COLUMNS; n++) {
        if (pnColumns[n] == NO_COLUMN_POSITION)
            continue;
        int nTenths = (nPlays / 2 + anTotals[n] * 10) / nPlays;
        Format_String(szLine, sizeof szLine, "\n%d.%d", nTenths / 10, nTenths % 10);
        astColumns[n] += szLine;
        SetDlgItemTextA(hDlg, ANALYZER_FIRST_COLUMN + n, astColumns[n].c_str());
    }
    SetDlgItemTextA(hDlg, ANALYZER_PLAYS, stPlays.c_str());
    SetDlgItemTextA(hDlg, ANALYZER_FORMATIONS, stFormations.c_str());
}

// Without a file of the side the dialog says so and closes; 1 when it stays open.
static int Init_Load_Playbook_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    EnableWindow(Get_Main_Window(), FALSE);
    int bDefence = gPlaybookSide != 0;
    SetWindowTextA(hDlg, bDefence ? "Load Defensive Playbook" : "Load Offensive Playbook");
    SetDlgItemTextA(hDlg, LOAD_PLAYBOOK_GROUP,
                    bDefence ? "Saved Defensive Playbooks" : "Saved Offensive Playbooks");
    Center_Window(hDlg, GetParent(hDlg));
    Fill_Playbook_File_List(hDlg);
    if (SendDlgItemMessageA(hDlg, LOAD_PLAYBOOK_LIST, LB_GETCOUNT, 0, 0) <= 0) {
        if (bDefence)
            Show_Message_Box(
                "No Defensive Playbooks Files",
                "There are no Defensive Playbook files (.dpb) in the 'playbook' folder.");
        else
            Show_Message_Box(
                "No Offensive Playbooks Files",
                "There are no Offensive Playbook files (.opb) in the 'playbook' folder.");
        EndDialog(hDlg, 2);
        return 0;
    }
    Show_Playbook_Analysis(hDlg);
    return 1;
}

static void Delete_Selected_Playbook(HWND hDlg) {
    char szName[PLAYBOOK_FILE_NAME_SIZE];
    if (!Get_Selected_Playbook_Name(hDlg, szName, sizeof szName))
        return;
    char szFile[PLAYBOOK_FILE_NAME_SIZE + 8];
    Format_String(szFile, sizeof szFile, "%s%s", szName,
                  Get_Playbook_Extension(gPlaybookSide != 0));
    char szText[ANALYZER_TEXT_SIZE];
    Format_String(szText, sizeof szText, "Are you sure you want to delete '%s'?", szFile);
    if (Do_Message_Box(szText, "Confirm File Deletion", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    char szPath[PLAYBOOK_FILE_NAME_SIZE + 24];
    Format_String(szPath, sizeof szPath, "playbooks/%s", szFile);
    if (!Platform_Remove_File(szPath))
        Show_Message_Box("Couldn't delete file",
                         "Football Vanto could not delete %s. You can delete it manually. If you "
                         "have further problems you may need to re-install Football Vanto.",
                         szFile);
    Fill_Playbook_File_List(hDlg);
    Show_Playbook_Analysis(hDlg);
}

// A failed load leaves the team's playbook as it was and says why.
static void Load_Chosen_Playbook(HWND hDlg) {
    char szName[PLAYBOOK_FILE_NAME_SIZE];
    const char* szWhy = "No playbook is selected.";
    if (Get_Selected_Playbook_Name(hDlg, szName, sizeof szName)) {
        if (Load_Selected_Playbook(hDlg, Get_Dialog_Team())) {
            EndDialog(hDlg, 1);
            return;
        }
        szWhy = Get_Playbook_Read_Failure();
    }
    Show_Message_Box("Read Error", "Unable to load playbook file.\n\n%s", szWhy);
}

static INT_PTR On_Load_Playbook_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case LOAD_PLAYBOOK_LIST:
        if (nCode == LBN_SELCHANGE)
            Show_Playbook_Analysis(hDlg);
        else if (nCode == LBN_DBLCLK)
            Load_Chosen_Playbook(hDlg);
        return TRUE;
    case IDOK: Load_Chosen_Playbook(hDlg); return TRUE;
    case LOAD_PLAYBOOK_DELETE: Delete_Selected_Playbook(hDlg); return TRUE;
    case IDCANCEL: EndDialog(hDlg, 2); return TRUE;
    case LOAD_PLAYBOOK_HELP: Show_Help_Topic(IDD_LOAD_PLAYBOOK); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Load_Playbook_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Load_Playbook_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Load_Playbook_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_DESTROY: EnableWindow(Get_Main_Window(), TRUE); return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
