// The Playbook Editor: one play of the dialog team's offensive or defensive playbook at a time,
// its diagram, texts and assignments. Every choice is written into the team record at once; the
// texts are stored before each other action and on DONE, and Escape drops only what was typed
// since then.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "setup/playbook_editor_internal.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define DIAGRAM_FONT 5
#define FIRST_DEFENSIVE_FOLDER_ROW OFFENSIVE_FOLDERS
#define CLEAR_SIDE_PRESS 2  // the press of Clear Result Data that offers to clear the whole side

static int sClearPresses;     // in this opening of the editor
static int sResultHintShown;  // once a run of the program

// The defender (0..10) of a defensive assignment list; -1 after a report for any other control.
static int Get_Playbook_Editor_Control_Index(int wID) {
    for (int n = 0; n < PLAY_DEFENDERS; n++) {
        if (kAssignmentListIds[n] == wID)
            return n;
    }
    Report_Error("Invalid wID passed to Get_Playbook_Editor_Control_Index([%d])", wID);
    return -1;
}

static int Is_Assignment_List(int nId) {
    return nId == kAssignmentListIds[0] || (nId >= PE_HOLE && nId <= PE_LAST_ASSIGNMENT);
}

// The spot an assignment list stands for: a receiver's route list its formation spot, a
// defender's list the defender; the offence's other lists none.
static int Get_Highlight_Spot(int nId) {
    if (gPlaybookSide)
        return Get_Playbook_Editor_Control_Index(nId);
    if (nId >= PE_FIRST_ROUTE && nId < PE_FIRST_ROUTE + PLAY_RECEIVERS)
        return nId - PE_FIRST_ROUTE + 1;
    return -1;
}

static void Repaint_Diagram(HWND hDlg) {
    Redraw_Child_Area(hDlg, GetDlgItem(hDlg, PE_DIAGRAM));
}

static void Set_Highlighted_Spot(HWND hDlg, int nSpot) {
    if (nSpot == gHighlightedSpot)
        return;
    gHighlightedSpot = nSpot;
    Repaint_Diagram(hDlg);
}

static void Refresh_And_Repaint(HWND hDlg) {
    Refresh_Playbook_Editor(hDlg);
    InvalidateRect(hDlg, NULL, TRUE);
}

// ---- the texts ----------------------------------------------------------------------------------

// The box's text cut to the field; an empty box gives the fallback.
static void Read_Editor_Text(HWND hDlg, int nId, int nChars, const char* szEmpty, char* szField) {
    char szText[TEXT_BUFFER_SIZE];
    Get_Edit_Box_Text(hDlg, nId, szText, nChars);
    safe_strncpy(szField, szText[0] || !szEmpty ? szText : szEmpty, nChars + 1);
}

// The play name stops before the card bytes that share its field.
template <typename PLAYBOOK, typename PLAY>
static void Store_Texts(HWND hDlg, PLAYBOOK* pBook, PLAY* pPlay) {
    if (pBook == NULL || pPlay == NULL)
        return;
    Read_Editor_Text(hDlg, PE_FOLDER_NAME, FOLDER_NAME_CHARS, "Unnamed Folder",
                     pBook->aszCategories[gPlaybookFolder]);
    Read_Editor_Text(hDlg, PE_PLAY_NAME, PLAY_NAME_CHARS, "Unnamed Play", pPlay->szName);
    Read_Editor_Text(hDlg, PE_COMMENT, PLAY_COMMENT_CHARS, NULL, pPlay->szDescription);
    Read_Editor_Text(hDlg, PE_NOTES, PLAYBOOK_NOTES_CHARS, NULL, pBook->szDescription);
}

static void Save_Playbook_Editor_Texts(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    const int nPlay = Get_Playbook_Editor_Play();
    if (gPlaybookSide)
        Store_Texts(hDlg, Get_Team_Defensive_Playbook(nTeam),
                    Get_Editable_Defensive_Play(nTeam, nPlay));
    else
        Store_Texts(hDlg, Get_Team_Offensive_Playbook(nTeam),
                    Get_Editable_Offensive_Play(nTeam, nPlay));
}

// ---- a choice in an assignment list -------------------------------------------------------------

// The value the list sets, with the old one; 0 when the control sets nothing (reported) or the
// choice is refused.
static int Apply_Offensive_Choice(HWND hDlg, OFFENSIVE_PLAY* pPlay, int nTeam, int nId, int nItem,
                                  int* pOld, int* pNew) {
    *pNew = nItem;
    switch (nId) {
    case PE_PLAY_TYPE:
        *pOld = pPlay->nType;
        pPlay->nType = nItem;
        return 1;
    case PE_CARRIER:
        if (nItem == 0 && Is_Pass_Play(nTeam, Get_Playbook_Editor_Play())) {
            Show_Message_Box("Invalid Selection",
                             "The Quarterback cannot be the Primary Receiver.");
            Refresh_And_Repaint(hDlg);
            return 0;
        }
        *pOld = pPlay->nPrimaryPlayer;
        *pNew = pPlay->nPrimaryPlayer = nItem + 1;
        return 1;
    case PE_HOLE:
        *pOld = pPlay->nHole;
        pPlay->nHole = nItem;
        return 1;
    case PE_FAKE_HOLE:
        *pOld = (pPlay->nFormation >> 8) & 0xFF;
        pPlay->nFormation = (pPlay->nFormation & ~0xFF00) | (nItem & 0xFF) << 8;
        return 1;
    case PE_FORMATION:
        *pOld = (int8_t)(pPlay->nFormation & 0xFF);
        pPlay->nFormation = (pPlay->nFormation & ~0xFF) | (nItem & 0xFF);
        return 1;
    default:
        if (nId >= PE_FIRST_ROUTE && nId < PE_FIRST_ROUTE + PLAY_RECEIVERS) {
            *pOld = pPlay->anRoutes[nId - PE_FIRST_ROUTE];
            pPlay->anRoutes[nId - PE_FIRST_ROUTE] = nItem;
            return 1;
        }
        Report_Error("Invalid control %d in the offensive playbook editor", nId);
        return 0;
    }
}

static int Apply_Defensive_Choice(DEFENSIVE_PLAY* pPlay, int nId, int nItem, int* pOld, int* pNew) {
    if (nId == PE_FORMATION) {
        *pOld = pPlay->nFormation;
        *pNew = pPlay->nFormation = nItem + FIRST_DEFENSIVE_FORMATION;
        return 1;
    }
    int nDefender = Get_Playbook_Editor_Control_Index(nId);
    if (nDefender < 0)
        return 0;
    *pOld = pPlay->anRoles[nDefender];
    *pNew = pPlay->anRoles[nDefender] = nItem;
    return 1;
}

static void Apply_Playbook_Editor_Choice(HWND hDlg, int nTeam, int nId) {
    int nItem = (int)SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0);
    const int nPlay = Get_Playbook_Editor_Play();
    int nOld = 0, nNew = 0, bApplied = 0;
    if (nItem < 0)
        return;
    if (gPlaybookSide) {
        DEFENSIVE_PLAY* pPlay = Get_Editable_Defensive_Play(nTeam, nPlay);
        bApplied = pPlay != NULL && Apply_Defensive_Choice(pPlay, nId, nItem, &nOld, &nNew);
    } else {
        OFFENSIVE_PLAY* pPlay = Get_Editable_Offensive_Play(nTeam, nPlay);
        bApplied =
            pPlay != NULL && Apply_Offensive_Choice(hDlg, pPlay, nTeam, nId, nItem, &nOld, &nNew);
    }
    if (!bApplied || nNew == nOld)
        return;
    Save_Playbook_Editor_Texts(hDlg);
    Validate_Play_Assignments(nTeam, gPlaybookSide, nPlay, nNew - nOld);
    if (Has_Play_Result_Data(nTeam, gPlaybookSide, nPlay) && !sResultHintShown) {
        sResultHintShown = 1;
        Show_Message_Box("Playbook Editor", "%s",
                         "For maximum accuracy, we recommend clearing the result data when editing "
                         "a play.\n\nPressing the 'Clear Result Data' button will erase all "
                         "accumulated data for the play being shown.");
    }
    Refresh_And_Repaint(hDlg);
}

// ---- the buttons --------------------------------------------------------------------------------

// The first press clears the play shown; the second also offers to clear the whole side.
static void Clear_Result_Data(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    Reset_Play_Usage_Counters(nTeam, gPlaybookSide, Get_Playbook_Editor_Play());
    if (++sClearPresses == CLEAR_SIDE_PRESS &&
        Do_Message_Box(gPlaybookSide ? "Would you like to delete ALL play result data contained "
                                       "in this defensive playbook"
                                     : "Would you like to delete ALL play result data contained "
                                       "in this offensive playbook",
                       "Clear Play Result Data", MB_YESNO | MB_ICONQUESTION) == IDYES)
        Reset_Playbook_Usage_Counters(nTeam, gPlaybookSide);
    Refresh_And_Repaint(hDlg);
}

static void Open_Spot_Scouting_Report(HWND hDlg, int nTeam, int nButton) {
    const int bDefence = gPlaybookSide;
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        if (Get_Spot_Rating_Id(bDefence, nSpot) != nButton)
            continue;
        int nSlot = Get_Spot_Player_Slot(nTeam, Get_Playbook_Editor_Formation(nTeam), nSpot);
        if (nSlot != NO_PLAYER)
            Open_Scouting_Report(nTeam, nSlot, hDlg, NULL);
        return;
    }
}

static void Choose_Folder(HWND hDlg) {
    int nRow = (int)SendDlgItemMessageA(hDlg, PE_FOLDER, CB_GETCURSEL, 0, 0);
    if (nRow < 0)
        return;
    gPlaybookSide = nRow >= FIRST_DEFENSIVE_FOLDER_ROW;
    gPlaybookFolder = gPlaybookSide ? nRow - FIRST_DEFENSIVE_FOLDER_ROW : nRow;
    gPlaybookPlay = 0;
}

static void Close_Playbook_Editor(HWND hDlg, int bStore) {
    if (bStore)
        Save_Playbook_Editor_Texts(hDlg);
    gHighlightedSpot = -1;
    EndDialog(hDlg, bStore);
}

// The lists' choices. The texts typed are stored before the team, folder or play changes.
static void On_Playbook_List(HWND hDlg, int nId, int nCode) {
    if (Is_Assignment_List(nId) && (nCode == CBN_SETFOCUS || nCode == CBN_DROPDOWN))
        Set_Highlighted_Spot(hDlg, Get_Highlight_Spot(nId));
    else if (Is_Assignment_List(nId) && nCode == CBN_KILLFOCUS)
        Set_Highlighted_Spot(hDlg, -1);
    if (nCode != CBN_SELCHANGE)
        return;
    int nRow = (int)SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0);
    switch (nId) {
    case PE_TEAM:
        Save_Playbook_Editor_Texts(hDlg);
        if (nRow >= 0)
            Set_Dialog_Team(nRow);
        break;
    case PE_FOLDER:
        Save_Playbook_Editor_Texts(hDlg);
        Choose_Folder(hDlg);
        break;
    case PE_PLAY:
        Save_Playbook_Editor_Texts(hDlg);
        if (nRow >= 0)
            gPlaybookPlay = nRow;
        break;
    default: Apply_Playbook_Editor_Choice(hDlg, Get_Dialog_Team(), nId); return;
    }
    Refresh_And_Repaint(hDlg);
}

// The dialogs the editor opens may change the team's playbook, roster or the dialog team: the
// texts go in before and every control is filled again after.
static void Open_From_Editor(HWND hDlg, int idDialog) {
    Save_Playbook_Editor_Texts(hDlg);
    Open_Dialog(hDlg, idDialog);
    Refresh_And_Repaint(hDlg);
}

static INT_PTR On_Playbook_Editor_Command(HWND hDlg, int nId, int nCode) {
    if (nId == PE_TEAM || nId == PE_FOLDER || nId == PE_PLAY || nId == PE_FORMATION ||
        nId == PE_PLAY_TYPE || Is_Assignment_List(nId)) {
        On_Playbook_List(hDlg, nId, nCode);
        return TRUE;
    }
    if (nId >= PE_FIRST_RATING && nId <= PE_LAST_RATING && nId != PE_DONE) {
        Save_Playbook_Editor_Texts(hDlg);
        Open_Spot_Scouting_Report(hDlg, Get_Dialog_Team(), nId);
        Refresh_And_Repaint(hDlg);
        return TRUE;
    }
    switch (nId) {
    case PE_LOAD: Open_From_Editor(hDlg, IDD_LOAD_PLAYBOOK); return TRUE;
    case PE_SAVE:
        Save_Playbook_Editor_Texts(hDlg);
        Open_Dialog(hDlg, IDD_SAVE_PLAYBOOK);
        return TRUE;
    case PE_VIEW: Open_From_Editor(hDlg, gPlaybookSide ? IDD_DEFENSE : IDD_OFFENSE); return TRUE;
    case PE_CLEAR:
        Save_Playbook_Editor_Texts(hDlg);
        Clear_Result_Data(hDlg);
        return TRUE;
    case PE_DONE:
    case IDOK: Close_Playbook_Editor(hDlg, 1); return TRUE;
    case IDCANCEL: Close_Playbook_Editor(hDlg, 0); return TRUE;
    case PE_HELP: Show_Help_Topic(IDD_PLAYBOOK_EDITOR); return TRUE;
    default: return FALSE;
    }
}

static void Init_Playbook_Editor(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    Limit_Edit_Box(hDlg, PE_FOLDER_NAME, FOLDER_NAME_CHARS);
    Limit_Edit_Box(hDlg, PE_PLAY_NAME, PLAY_NAME_CHARS);
    Limit_Edit_Box(hDlg, PE_COMMENT, PLAY_COMMENT_CHARS);
    Limit_Edit_Box(hDlg, PE_NOTES, PLAYBOOK_NOTES_CHARS);
    sClearPresses = 0;
    gHighlightedSpot = -1;
    Refresh_Playbook_Editor(hDlg);
    Center_Window(hDlg, GetParent(hDlg));
}

static void Paint_Playbook_Editor(HWND hDlg) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (!hdc)
        return;
    RECT rc;
    Get_Dlg_Item_Client_Rect(hDlg, PE_DIAGRAM, &rc);
    Draw_Play_Diagram(&rc, hdc, Get_Dialog_Team(), Get_Playbook_Editor_Play(), DIAGRAM_FONT,
                      gPlaybookSide, 0, 0);
    EndPaint(hDlg, &paint);
}

INT_PTR Playbook_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Playbook_Editor(hDlg); return TRUE;
    case WM_PAINT: Paint_Playbook_Editor(hDlg); return TRUE;
    case WM_COMMAND: return On_Playbook_Editor_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
