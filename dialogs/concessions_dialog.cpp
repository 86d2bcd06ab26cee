// The Concessions dialog: beverage, food and souvenir prices (set by spin buttons) with the
// profits of the last game and per game of this season and the last.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define CONCESSION_KINDS 3
#define CONCESSION_NO_SEASON_TEXT "$---,---"

// One column: beverage, food or souvenirs; its price stat is followed by the last game's
// profit, this season's and last season's.
typedef struct CONCESSION_COLUMN {
    int nPriceStat;
    int nPriceId;
    int nSpinId;
    int nLastGameId;
    int nThisSeasonId;
    int nLastSeasonId;
    const char* szPicture;
    int nPictureId;
} CONCESSION_COLUMN;

static const CONCESSION_COLUMN kConcessionColumns[CONCESSION_KINDS] = {
    {FIN_BEVERAGE_PRICE, IDC_BEVERAGE_PRICE, IDC_BEVERAGE_SPIN, IDC_BEVERAGE_LAST_GAME,
     IDC_BEVERAGE_THIS_SEASON, IDC_BEVERAGE_LAST_SEASON, "dialogs/misc/beverage.jpg",
     IDC_BEVERAGE_PICTURE},
    {FIN_FOOD_PRICE, IDC_FOOD_PRICE, IDC_FOOD_SPIN, IDC_FOOD_LAST_GAME, IDC_FOOD_THIS_SEASON,
     IDC_FOOD_LAST_SEASON, "dialogs/misc/food.jpg", IDC_FOOD_PICTURE},
    {FIN_SOUVENIR_PRICE, IDC_SOUVENIR_PRICE, IDC_SOUVENIR_SPIN, IDC_SOUVENIR_LAST_GAME,
     IDC_SOUVENIR_THIS_SEASON, IDC_SOUVENIR_LAST_SEASON, "dialogs/misc/souvenir.jpg",
     IDC_SOUVENIR_PICTURE},
};

static const int kConcessionSpins[CONCESSION_KINDS] = {IDC_BEVERAGE_SPIN, IDC_FOOD_SPIN,
                                                       IDC_SOUVENIR_SPIN};

// A season's profit per game; nothing is written for a season without games.
static void Set_Per_Game_Text(HWND hDlg, int nId, int nProfit, int nGames) {
    if (nGames != 0)
        Set_Money_Text(hDlg, nId, nProfit / nGames);
}

static void Fill_Concessions(HWND hDlg) {
    int nTeam = Get_Dialog_Team();
    int nGames = Get_Team_Financial_Stat(nTeam, FIN_HOME_GAMES);
    int nLastGames = Get_Team_Financial_Stat(nTeam, FIN_SEASON_HOME_GAMES);
    int anTotals[3] = {0, 0, 0};
    for (const CONCESSION_COLUMN& column : kConcessionColumns) {
        Set_Cents_Text(hDlg, column.nPriceId, Get_Team_Financial_Stat(nTeam, column.nPriceStat));
        int anProfits[3];
        for (int k = 0; k < 3; k++) {
            anProfits[k] = Get_Team_Financial_Stat(nTeam, column.nPriceStat + 1 + k);
            anTotals[k] += anProfits[k];
        }
        Set_Money_Text(hDlg, column.nLastGameId, anProfits[0]);
        Set_Per_Game_Text(hDlg, column.nThisSeasonId, anProfits[1], nGames);
        Set_Per_Game_Text(hDlg, column.nLastSeasonId, anProfits[2], nLastGames);
    }
    Set_Money_Text(hDlg, IDC_CONCESSION_TOTAL_LAST_GAME, anTotals[0]);
    Set_Per_Game_Text(hDlg, IDC_CONCESSION_TOTAL_THIS_SEASON, anTotals[1], nGames);
    Set_Per_Game_Text(hDlg, IDC_CONCESSION_TOTAL_LAST_SEASON, anTotals[2], nLastGames);
    if (Get_Season_Number() == 0) {
        for (const CONCESSION_COLUMN& column : kConcessionColumns)
            SetDlgItemTextA(hDlg, column.nLastSeasonId, CONCESSION_NO_SEASON_TEXT);
        SetDlgItemTextA(hDlg, IDC_CONCESSION_TOTAL_LAST_SEASON, CONCESSION_NO_SEASON_TEXT);
    }
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof szText, "%d Profit Per Game", Get_Season_Year());
    SetDlgItemTextA(hDlg, IDC_CONCESSION_THIS_SEASON_CAPTION, szText);
    Format_String(szText, sizeof szText, "%d Profit Per Game", Get_Season_Year() - 1);
    SetDlgItemTextA(hDlg, IDC_CONCESSION_LAST_SEASON_CAPTION, szText);
    Set_Up_Finance_Spins(hDlg, kConcessionSpins, CONCESSION_KINDS);
}

static void Step_Concession(HWND hDlg, int nSpinId, int bUp) {
    int nTeam = Get_Dialog_Team();
    if (!Can_Change_Finances(nTeam))
        return;
    for (const CONCESSION_COLUMN& column : kConcessionColumns) {
        if (column.nSpinId != nSpinId)
            continue;
        int nPrice = Step_Concession_Price(Get_Team_Financial_Stat(nTeam, column.nPriceStat), bUp,
                                           Get_Universe_Stat(UNIVERSE_INFLATION));
        Set_Team_Financial_Stat(nTeam, column.nPriceStat, nPrice);
        Set_Cents_Text(hDlg, column.nPriceId, nPrice);
    }
}

// Typing into a price box puts the stored price back.
static void Restore_Typed_Price(HWND hDlg, int nPriceId) {
    for (const CONCESSION_COLUMN& column : kConcessionColumns)
        if (column.nPriceId == nPriceId)
            Restore_Cents_Text(hDlg, nPriceId,
                               Get_Team_Financial_Stat(Get_Dialog_Team(), column.nPriceStat));
}

static void Paint_Concessions(HWND hDlg) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (hdc) {
        for (const CONCESSION_COLUMN& column : kConcessionColumns) {
            char szPicture[TEXT_BUFFER_SIZE];
            Copy_Skin_File_Name(szPicture, sizeof szPicture, column.szPicture);
            Draw_Image_In_Dialog_Item(hDlg, hdc, column.nPictureId, szPicture);
        }
    }
    EndPaint(hDlg, &paint);
}

static void On_Concessions_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); break;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_CONCESSIONS); break;
    case IDC_TEAM_COMBO:
        if (nCode == CBN_SELCHANGE && Take_Finance_Team_Choice(hDlg))
            Show_Finance_Team(hDlg, "Concessions", Fill_Concessions);
        break;
    default:
        if (nCode == EN_CHANGE)
            Restore_Typed_Price(hDlg, nId);
        break;
    }
}

INT_PTR Concessions_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    INT_PTR nResult = 0;
    if (Answer_Finance_Dialog_Message(hDlg, uMsg, wParam, lParam, &nResult))
        return nResult;
    switch (uMsg) {
    case WM_INITDIALOG:
        Init_Finance_Dialog(hDlg, "pour.wav", "Concessions", Fill_Concessions);
        return TRUE;
    case WM_PAINT: Paint_Concessions(hDlg); return TRUE;
    case WM_VSCROLL:
        Step_Concession(hDlg, GetDlgCtrlID((HWND)lParam), Is_Spin_Up(wParam));
        return TRUE;
    case WM_COMMAND: On_Concessions_Command(hDlg, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}
