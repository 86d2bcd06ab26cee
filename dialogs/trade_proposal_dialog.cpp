// The Trade Offer dialog: a computer team's proposal to a human-run team, accepted, declined or
// taken into the Trades dialog to negotiate.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define PROPOSAL_HEADING 1100
#define PROPOSAL_GIVES 1101
#define PROPOSAL_WANTS 1102
#define PROPOSAL_CASH 1103
#define PROPOSAL_NEGOTIATE 1105
#define PROPOSAL_FACE 1392
#define PROPOSAL_TEXT_SIZE 160

static void Fill_Proposal(HWND hDlg) {
    const TRADE_OFFER* pOffer = &gTradeProposal;
    char szLabel[TEAM_LABEL_SIZE], szHuman[TEAM_LABEL_SIZE], szText[PROPOSAL_TEXT_SIZE];
    Get_Team_Label(pOffer->acTeam[0], szLabel, sizeof szLabel);
    Get_Team_Label(pOffer->acTeam[1], szHuman, sizeof szHuman);
    Format_String(szText, sizeof szText, "The %s offer the %s:", szLabel, szHuman);
    SetDlgItemTextA(hDlg, PROPOSAL_HEADING, szText);
    Fill_Trade_Offer_List(GetDlgItem(hDlg, PROPOSAL_GIVES), pOffer, 0);
    Fill_Trade_Offer_List(GetDlgItem(hDlg, PROPOSAL_WANTS), pOffer, 1);
    szText[0] = 0;
    if (pOffer->nCash != 0) {
        char szAmount[TRADE_ROW_SIZE];
        Format_With_Commas(pOffer->nCash < 0 ? -pOffer->nCash : pOffer->nCash, szAmount,
                           sizeof szAmount);
        Format_String(szText, sizeof szText,
                      pOffer->nCash > 0 ? "and $%s in cash" : "for $%s in cash", szAmount);
    }
    SetDlgItemTextA(hDlg, PROPOSAL_CASH, szText);
}

// Accepted when it is still legal; the rosters may have moved since it was made.
static void Accept_Proposal(HWND hDlg) {
    char szReason[TRADE_REASON_SIZE] = "";
    if (!Check_Trade_Legality(&gTradeProposal, szReason)) {
        Show_Message_Box("Illegal Trade", "%s", szReason);
        EndDialog(hDlg, 0);
        return;
    }
    Implement_Trade(&gTradeProposal);
    Host_League_Changed(HOST_REPAINT | HOST_REDRAW_PAGE);
    EndDialog(hDlg, 1);
}

// The Trades dialog opens on the proposal, the human team on the user's side.
static void Negotiate_Proposal(HWND hDlg) {
    gTradeOffer = gTradeProposal;
    Reverse_Trade_Offer(&gTradeOffer);
    gTradePartner = NO_TEAM;
    Set_User_Team(gTradeOffer.acTeam[0]);
    EndDialog(hDlg, 0);
    Open_Dialog(GetParent(hDlg), IDD_TRADES);
}

static void Paint_Proposal(HWND hDlg) {
    char szFace[MANAGER_FACE_FILE_SIZE];
    Get_Manager_Face_File(gTradeProposal.acTeam[0], szFace, sizeof szFace);
    Paint_Dialog_Item_Image(hDlg, PROPOSAL_FACE, szFace);
}

INT_PTR Trade_Offer_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        Fill_Proposal(hDlg);
        Center_Window(hDlg, GetParent(hDlg));
        return TRUE;
    case WM_PAINT: Paint_Proposal(hDlg); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: Accept_Proposal(hDlg); return TRUE;
        case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
        case PROPOSAL_NEGOTIATE: Negotiate_Proposal(hDlg); return TRUE;
        default: return FALSE;
        }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
