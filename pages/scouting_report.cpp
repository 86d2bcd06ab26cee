// The Scouting Report: the modal player card (dialog 127), its buttons, its steps through the
// list that opened it, its actions on the player and its hot spots. The painting is in
// scouting_report_paint.cpp.
#include <ctype.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define REPORT_BUTTON_FONT 2
#define REPORT_BUTTON_COUNT 6
#define TRADING_DEADLINE_WEEK 12
#define LIST_NOT_SELECTED (-1)
#define PLAYER_PAGE_ADDRESS_SIZE 256
#define PLAYER_PAGE_HOST "https://stats.football-vanto.example"

// The hot spots of the card, stored in user preference 95 while hovered.
enum REPORT_HOT_SPOT { REPORT_HOT_NONE = 0, REPORT_HOT_ROLE, REPORT_HOT_NAME, REPORT_HOT_STATS };

SORTABLE_LISTVIEW* gScoutList = NULL;

static HFONT sButtonFont = NULL;
// A dialog to open once the card has closed (the Trades or the free agents), 0 for none.
static int sFollowUpDialog = 0;

int Get_Report_User_Team(void) {
    if (Is_Team_Active(gUserTeam) ||
        (gUserTeam >= FREE_AGENT_TEAM && gUserTeam <= LAST_DRAFT_POOL_TEAM))
        return gUserTeam;
    return 0;
}

static int Is_Fantasy_Draft_Running(void) {
    return Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= FANTASY_DRAFT_UNDER_WAY;
}

// ---- the buttons --------------------------------------------------------------------------------

static void Layout_Scouting_Report_Buttons(HWND hDlg) {
    static const int kButtons[REPORT_BUTTON_COUNT] = {IDC_PREVIOUS_PLAYER, IDC_NEXT_PLAYER,
                                                      IDC_RELEASE_PLAYER,  IDC_PLAYER_ACTION,
                                                      IDC_DIALOG_HELP,     IDOK};
    static const int kEdges[REPORT_BUTTON_COUNT + 1] = {0, 200, 400, 575, 750, 875, 1000};
    RECT client;
    GetClientRect(hDlg, &client);
    int nTop = Mul_Div(client.bottom, 23, 24);
    for (int n = 0; n < REPORT_BUTTON_COUNT; n++) {
        int nLeft = Mul_Div(client.right, kEdges[n], 1000);
        int nRight = Mul_Div(client.right, kEdges[n + 1], 1000);
        HWND hButton = GetDlgItem(hDlg, kButtons[n]);
        if (hButton)
            MoveWindow(hButton, nLeft, nTop, nRight - nLeft, client.bottom - nTop, TRUE);
    }
}

void Get_Scouting_Report_Button_States(int nTeam, int nSlot, REPORT_BUTTON_STATES* pStates) {
    int nUserTeam = Get_Report_User_Team();
    int bOwnOrFreeAgent = nTeam == nUserTeam || nTeam == FREE_AGENT_TEAM;
    pStates->szAction = "&Go Get";
    pStates->bActionEnabled = 0;
    pStates->bReleaseEnabled = 0;
    if (gCommissionerMode) {
        pStates->szAction = "&Edit Player";
        pStates->bActionEnabled = 1;
    } else if (Is_Fantasy_Draft_Running()) {
        pStates->szAction = "&Draft Player";
        pStates->bActionEnabled = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO) == NO_TEAM;
    } else if (!bOwnOrFreeAgent) {
        pStates->bActionEnabled = nTeam >= 0 && nTeam <= FREE_AGENT_TEAM;
        return;
    } else {
        pStates->szAction = "&Negotiate";
        pStates->bActionEnabled = nTeam == FREE_AGENT_TEAM || Is_Contract_Negotiable(nTeam, nSlot);
    }
    if (Is_Fantasy_Draft_Running())
        return;
    pStates->bReleaseEnabled =
        nTeam == nUserTeam || (gCommissionerMode && nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT);
}

static void Update_Scouting_Report_Buttons(HWND hDlg) {
    REPORT_BUTTON_STATES states;
    Get_Scouting_Report_Button_States(gScoutTeam, gScoutSlot, &states);
    SetDlgItemTextA(hDlg, IDC_PLAYER_ACTION, states.szAction);
    EnableWindow(GetDlgItem(hDlg, IDC_PLAYER_ACTION), states.bActionEnabled);
    EnableWindow(GetDlgItem(hDlg, IDC_RELEASE_PLAYER), states.bReleaseEnabled);
}

// The window's client is the card's design area scaled as the pages are; its place stays.
static void Size_Scouting_Report_Window(HWND hDlg) {
    RECT design = {0, 0, REPORT_DESIGN_WIDTH, REPORT_DESIGN_HEIGHT};
    Scale_Design_Rect(&design);
    RECT window;
    RECT client;
    GetWindowRect(hDlg, &window);
    GetClientRect(hDlg, &client);
    int nFrameWidth = (window.right - window.left) - client.right;
    int nFrameHeight = (window.bottom - window.top) - client.bottom;
    SetWindowPos(hDlg, NULL, 0, 0, design.right + nFrameWidth, design.bottom + nFrameHeight,
                 SWP_NOMOVE | SWP_NOZORDER);
}

// ---- stepping through the players ---------------------------------------------------------------

// The draft pool's next (or previous) roster that holds players; the same team when none does.
static int Step_Draft_Pool_Team(int nTeam, int nStep) {
    int nPoolTeams = LAST_DRAFT_POOL_TEAM - FIRST_DRAFT_POOL_TEAM + 1;
    for (int n = 1; n <= nPoolTeams; n++) {
        int nNext = FIRST_DRAFT_POOL_TEAM +
                    (nTeam - FIRST_DRAFT_POOL_TEAM + n * nStep + nPoolTeams * 2) % nPoolTeams;
        if (Find_Free_Player_Slot(nNext) != 0)
            return nNext;
    }
    return nTeam;
}

void Step_Scouting_Report_Player(int nStep, int* pTeam, int* pSlot) {
    if (gScoutList) {
        Step_Scouting_List_Player(gScoutList, nStep, pTeam, pSlot);
        return;
    }
    int nTeam = *pTeam;
    int nSlot = *pSlot + nStep;
    if (nStep > 0 && nSlot >= Find_Free_Player_Slot(nTeam)) {
        nSlot = 0;
        if (Is_Draft_Pool_Team(nTeam))
            nTeam = Step_Draft_Pool_Team(nTeam, 1);
    } else if (nStep < 0 && nSlot < 0) {
        if (Is_Draft_Pool_Team(nTeam))
            nTeam = Step_Draft_Pool_Team(nTeam, -1);
        nSlot = Max_Int(0, Find_Free_Player_Slot(nTeam) - 1);
    }
    *pTeam = nTeam;
    *pSlot = nSlot;
}

static void Show_Scouting_Report_Step(HWND hDlg, int nStep) {
    gStatPanelPage = 0;
    int nTeam = gScoutTeam;
    int nSlot = gScoutSlot;
    Step_Scouting_Report_Player(nStep, &nTeam, &nSlot);
    gScoutTeam = nTeam;
    gScoutSlot = nSlot;
    Prune_Empty_Season_Links(nTeam, nSlot);
    Repair_Player_Card_Values(nTeam, nSlot);
    Update_Scouting_Report_Buttons(hDlg);
    InvalidateRect(hDlg, NULL, FALSE);
}

// ---- the action button --------------------------------------------------------------------------

static int Refuse_After_Deadline(const char* szFormat) {
    if (Are_Trades_Allowed())
        return 0;
    Show_Message_Box("Trading Deadline", szFormat, TRADING_DEADLINE_WEEK);
    return 1;
}

// The contract offer to the user's own player or a free agent; a signed free agent joins the
// user's team.
static void Negotiate_With_Player(HWND hDlg, int nTeam, int nSlot) {
    static const int kContractVitals[4] = {VITAL_SALARY, VITAL_CONTRACT_YEARS_LEFT,
                                           VITAL_CONTRACT_LENGTH, VITAL_SIGNING_BONUS};
    if (nTeam == FREE_AGENT_TEAM &&
        Refuse_After_Deadline("Free agent signings are not allowed after week %d of the season."))
        return;
    int anKept[4];
    for (int n = 0; n < 4; n++)
        anKept[n] = Get_Player_Vital_Stat(nTeam, nSlot, kContractVitals[n]);
    Calculate_Contract_Demand(nTeam, nSlot, 0);
    int bSigned = Open_Contract_Offer_Dialog(hDlg, nTeam, nSlot);
    gScoutTeam = nTeam;  // the offer dialog shows its player through the same preferences
    gScoutSlot = nSlot;
    int bRestore = !bSigned;
    if (bSigned && Is_Player_Holding_Out(nTeam, nSlot))
        Clear_Player_Injury(nTeam, nSlot);
    if (bSigned && nTeam == FREE_AGENT_TEAM) {
        int nUserTeam = Get_Report_User_Team();
        int nNewSlot = Move_Player_To_Team(nUserTeam, FREE_AGENT_TEAM, nSlot);
        if (nNewSlot == NO_SLOT_BYTE) {
            Show_Roster_Full_Message(nTeam, nSlot);
            bRestore = 1;
        } else {
            if (nUserTeam != FREE_AGENT_TEAM) {
                int nLine =
                    Add_Player_Season_Line(nUserTeam, nNewSlot, Get_Season_Year(), nUserTeam);
                Set_Player_Season_Line_Cache(nUserTeam, nNewSlot, nLine);
            }
            gScoutTeam = nUserTeam;
            gScoutSlot = nNewSlot;
            gScoutList = NULL;  // he is no longer where the list has him
        }
    }
    if (bRestore)
        for (int n = 0; n < 4; n++)
            Set_Player_Vital_Stat(nTeam, nSlot, kContractVitals[n], anKept[n]);
    Repair_Player_Card_Values(gScoutTeam, gScoutSlot);
    Update_Scouting_Report_Buttons(hDlg);
    InvalidateRect(hDlg, NULL, FALSE);
}

// Another team's player: a trade for him, or the free agents' list for a player outside the
// league; the card closes first.
static void Go_Get_Player(HWND hDlg, int nTeam, int nSlot) {
    if (Refuse_After_Deadline("No trades are allowed after week %d of the season."))
        return;
    if (nTeam >= FREE_AGENT_TEAM) {
        sFollowUpDialog = IDD_FREE_AGENTS;
    } else {
        Start_Trade_Offer_For_Player(nTeam, nSlot);
        if (!gScoutList || !Is_Trade_Other_List(gScoutList))
            sFollowUpDialog = IDD_TRADES;
    }
    EndDialog(hDlg, 1);
}

static void Do_Player_Action(HWND hDlg) {
    int nTeam = gScoutTeam;
    int nSlot = gScoutSlot;
    if (gCommissionerMode) {
        if (Do_Dialog(hDlg, IDD_EDIT_PLAYER, 0)) {
            Repair_Player_Card_Values(gScoutTeam, gScoutSlot);
            InvalidateRect(hDlg, NULL, FALSE);
        } else {
            EndDialog(hDlg, 1);
        }
    } else if (Is_Fantasy_Draft_Running()) {
        Record_Fantasy_Draft_Pick(nTeam, nSlot, Get_Fantasy_Pick_Owner());
        EndDialog(hDlg, 1);
    } else if (nTeam == Get_Report_User_Team() || nTeam == FREE_AGENT_TEAM) {
        Negotiate_With_Player(hDlg, nTeam, nSlot);
    } else {
        Go_Get_Player(hDlg, nTeam, nSlot);
    }
}

static void On_Scouting_Report_Command(HWND hDlg, int nId) {
    switch (nId) {
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_SCOUTING_REPORT); return;
    case IDC_RELEASE_PLAYER:
        if (Confirm_Release_Player(gScoutTeam, gScoutSlot))
            EndDialog(hDlg, 1);
        return;
    case IDC_NEXT_PLAYER: Show_Scouting_Report_Step(hDlg, 1); return;
    case IDC_PREVIOUS_PLAYER: Show_Scouting_Report_Step(hDlg, -1); return;
    case IDC_PLAYER_ACTION: Do_Player_Action(hDlg); return;
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); return;
    default: return;
    }
}

// ---- the mouse ----------------------------------------------------------------------------------

// The hot spot under a point of the card's design area.
int Get_Scouting_Report_Hot_Spot(int x, int y) {
    int nTeam = gScoutTeam;
    if (x >= 393 && x < 559 && y >= 0 && y < 26 && (Is_Human_Team(nTeam) || gCommissionerMode))
        return REPORT_HOT_ROLE;
    if (x >= 0 && x < 200 && y >= 0 && y < 26)
        return REPORT_HOT_NAME;
    if (x >= 0 && x < REPORT_DESIGN_WIDTH && y >= 197 && y < REPORT_DESIGN_HEIGHT &&
        Count_Player_Stat_Views(nTeam, gScoutSlot) > STAT_PANEL_PAGE_ROWS)
        return REPORT_HOT_STATS;
    return REPORT_HOT_NONE;
}

static void Open_Player_Web_Page(HWND hDlg, int nTeam, int nSlot) {
    const char* szId = Get_Player_Ostrel_ID(nTeam, nSlot);
    if (!szId[0])
        return;
    char szAddress[PLAYER_PAGE_ADDRESS_SIZE];
    Format_String(szAddress, sizeof szAddress, "%s/players/%c/%s.htm", PLAYER_PAGE_HOST,
                  (char)toupper((unsigned char)szId[0]), szId);
    Open_Web_Page(hDlg, szAddress);
}

static void Scouting_Report_Mouse(HWND hDlg, UINT uMsg, int x, int y) {
    RECT point = {x, y, x, y};
    Scale_Client_Rect_To_Design(&point);
    int nSpot = Get_Scouting_Report_Hot_Spot(point.left, point.top);
    Set_User_Preference(PREF_HOVERED_BAR_BUTTON, nSpot);
    Set_App_Cursor(nSpot == REPORT_HOT_NONE ? 0 : 1);
    if (uMsg != WM_LBUTTONDOWN)
        return;
    switch (nSpot) {
    case REPORT_HOT_ROLE:
        Do_Dialog(hDlg, IDD_CHANGE_POSITION, 0);
        Repair_Player_Card_Values(gScoutTeam, gScoutSlot);
        InvalidateRect(hDlg, NULL, FALSE);
        return;
    case REPORT_HOT_NAME: Open_Player_Web_Page(hDlg, gScoutTeam, gScoutSlot); return;
    case REPORT_HOT_STATS:
        gStatPanelPage = gStatPanelPage == 0 ? STAT_PANEL_PAGE_ROWS : 0;
        InvalidateRect(hDlg, NULL, FALSE);
        return;
    default: return;
    }
}

// ---- the window procedure -----------------------------------------------------------------------

static void Init_Scouting_Report(HWND hDlg, LPARAM lParam) {
    gScoutList = (SORTABLE_LISTVIEW*)lParam;
    Prune_Empty_Season_Links(gScoutTeam, gScoutSlot);
    Repair_Player_Card_Values(gScoutTeam, gScoutSlot);
    sButtonFont = Take_App_Font(REPORT_BUTTON_FONT);
    static const int kButtons[REPORT_BUTTON_COUNT] = {IDC_PREVIOUS_PLAYER, IDC_NEXT_PLAYER,
                                                      IDC_RELEASE_PLAYER,  IDC_PLAYER_ACTION,
                                                      IDC_DIALOG_HELP,     IDOK};
    for (int nId : kButtons)
        SendDlgItemMessageA(hDlg, nId, WM_SETFONT, (WPARAM)sButtonFont, TRUE);
    gStatPanelPage = 0;
    Size_Scouting_Report_Window(hDlg);
    Layout_Scouting_Report_Buttons(hDlg);
    InvalidateRect(hDlg, NULL, FALSE);
    Center_Window(hDlg, GetParent(hDlg));
    Update_Scouting_Report_Buttons(hDlg);
}

INT_PTR Scouting_Report_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Scouting_Report(hDlg, lParam); return TRUE;
    case WM_SIZE: Layout_Scouting_Report_Buttons(hDlg); return TRUE;
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hDlg, &ps);
        Paint_Scouting_Report(hDlg, hdc);
        EndPaint(hDlg, &ps);
        return TRUE;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
        Scouting_Report_Mouse(hDlg, uMsg, (short)LOWORD(lParam), (short)HIWORD(lParam));
        return TRUE;
    case WM_COMMAND: On_Scouting_Report_Command(hDlg, LOWORD(wParam)); return TRUE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    case WM_DESTROY:
        if (sButtonFont)
            Release_App_Font(sButtonFont);
        sButtonFont = NULL;
        return FALSE;
    default: return FALSE;
    }
}

// ---- opening the card ---------------------------------------------------------------------------

int Open_Scouting_Report(int nTeam, int nSlot, HWND hParent, SORTABLE_LISTVIEW* pList) {
    if (pList && Get_Scouting_List_Player(pList, &nTeam, &nSlot) < 0)
        return LIST_NOT_SELECTED;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        Show_Message_Box("Scouting Error", "Couldn't find: TEAM:%d  PLAYER:%d", nTeam, nSlot);
    gScoutTeam = nTeam;
    gScoutSlot = nSlot;
    sFollowUpDialog = 0;
    if (hParent)
        EnableWindow(hParent, FALSE);
    INT_PTR nResult = pList ? Do_Dialog(hParent, IDD_SCOUTING_REPORT, (LPARAM)pList)
                            : Open_Dialog(hParent, IDD_SCOUTING_REPORT);
    if (hParent)
        EnableWindow(hParent, TRUE);
    Empty_Window_Background_Slot();
    gScoutList = NULL;
    if (sFollowUpDialog) {
        int idDialog = sFollowUpDialog;
        sFollowUpDialog = 0;
        Open_Dialog(hParent, idDialog);
    }
    return (int)nResult;
}

int Open_Scouting_Report_At(int nTeam, int nSlot, HWND hParent) {
    return Open_Scouting_Report(nTeam, nSlot, hParent, NULL);
}

int Open_Scouting_Report_For_List(SORTABLE_LISTVIEW* pList, HWND hParent) {
    return Open_Scouting_Report(NO_TEAM, NO_PLAYER, hParent, pList);
}
