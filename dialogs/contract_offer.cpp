// The Contract Offer dialog: the user bargains with a player over years and bonus, then signs
// him or lets him go. The paying team is the player's own league team, else the user's team; it
// is kept here and never changes the user's team.
#include <ctype.h>
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define CONTRACT_SIGNED 1
#define CONTRACT_DECLINED 0
#define OFFER_BUTTON_FONT 17
#define OFFER_BONUS_STEP 100  // thousands
#define OFFER_TEXT_SIZE 512
#define OFFER_PICTURE "dialogs/misc/Negotiate.jpg"
#define OFFER_GREEN RGB(0, 96, 0)
#define OFFER_RED RGB(150, 0, 0)
#define OFFER_NAVY RGB(0, 0, 128)
#define OFFER_BLACK RGB(0, 0, 0)
#define OFFER_KEY_RATINGS 5

static HFONT sOfferButtonFont;

// The team that pays: the player's own league team, else the user's team (team 0 when that is
// not a used league team or a special roster).
static int Get_Offer_Payer(int nTeam) {
    if (Is_Team_Active(nTeam))
        return nTeam;
    return Get_Cap_Text_Team(Get_User_Team());
}

int Get_Cap_Text_Team(int nTeam) {
    return Is_Valid_Team(nTeam) ? nTeam : 0;
}

void Format_Cap_Room_Text(char* szOut, int nSize, int nTeam, int nRoom, int bLong) {
    char szAmount[TEXT_BUFFER_SIZE];
    if (Get_Universe_Stat(UNIVERSE_SALARY_CAP) != 0) {
        Format_With_Commas(nRoom > 0 ? nRoom : -nRoom, szAmount, sizeof szAmount);
        if (nRoom > 0)
            Format_String(szOut, nSize,
                          bLong ? "Room Under Salary Cap:\n$%s,000\n(After signing this player)"
                                : "Room Under Salary Cap: $%s,000",
                          szAmount);
        else
            Format_String(szOut, nSize,
                          bLong ? "Exceeding Salary Cap by:\n$%s,000\n(After signing this player)"
                                : "Exceeding Salary Cap by: $%s,000",
                          szAmount);
        return;
    }
    int nTextTeam = Get_Cap_Text_Team(nTeam);
    int64_t nPayroll = (int64_t)Get_Team_Financial_Stat(nTextTeam, FIN_PAYROLL) * 1000;
    int nBudget = Get_Team_Payroll_Budget(nTextTeam);
    if (bLong) {
        char szBudget[TEXT_BUFFER_SIZE];
        Format_With_Commas(Saturate_To_Int(nPayroll), szAmount, sizeof szAmount);
        Format_With_Commas(nBudget, szBudget, sizeof szBudget);
        Format_String(szOut, nSize, "Payroll: $%s\nPayroll Budget: $%s\n", szAmount, szBudget);
        return;
    }
    int nBudgetRoom = Saturate_To_Int(nBudget - nPayroll);
    Format_With_Commas(nBudgetRoom > 0 ? nBudgetRoom : -nBudgetRoom, szAmount, sizeof szAmount);
    Format_String(
        szOut, nSize,
        nBudgetRoom > 0 ? "Room Under Salary Budget: $%s" : "Exceeding Salary Budget by: $%s",
        szAmount);
}

void Get_Position_Name_Text(int nPosition, char* szOut, int nSize) {
    if (nPosition >= 0 && nPosition < POSITION_COUNT)
        Load_String(IDS_POSITION_NAMES + (UINT)nPosition, szOut, nSize);
    else if (nPosition == POSITION_COUNT)
        safe_strncpy(szOut, "Any Position", nSize);
    else
        safe_strncpy(szOut, "<Error>", nSize);
}

// "Overall", "Peak", then the five ratings that matter for his position.
static void Format_Offer_Ratings(int nTeam, int nSlot, char* szOut, int nSize) {
    int nOverall = Min_Int(Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, OVERALL_GRADE),
                           Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, PEAK_GRADE));
    Format_String(szOut, nSize, "Overall: %d\nPeak: %d\n", nOverall,
                  Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, PEAK_GRADE));
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int i = 0; i < OFFER_KEY_RATINGS; i++) {
        int nRating = Get_Position_Rating_Index(nPosition, i);
        float fValue = nRating < 0 ? 0.0f : Get_Player_Rating(nTeam, nSlot, nRating);
        char szName[TEXT_BUFFER_SIZE];
        if (nRating >= 0 && fValue > 0.0f) {
            Get_Rating_Name(nRating, szName, sizeof szName);
            Append_Format_String(szOut, nSize, "\n%s: %d", szName, (int)fValue);
        } else {
            Append_Format_String(szOut, nSize, "\n");
        }
    }
}

// "Three Year Contract", or after the season "... Extension" for a player already on a team.
static void Format_Offer_Term(int nTeam, int nSlot, char* szOut, int nSize) {
    int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    int bComplete = Is_Season_Complete();
    char szWords[TEXT_BUFFER_SIZE];
    Get_Cardinal_Words(szWords, sizeof szWords, bComplete ? nYears - 1 : nYears);
    for (char* p = szWords; *p; p++)
        *p = (char)(p == szWords ? toupper((unsigned char)*p) : tolower((unsigned char)*p));
    Format_String(szOut, nSize,
                  bComplete && Is_Team_Active(nTeam) ? "%s Year Extension" : "%s Year Contract",
                  szWords);
}

static void Format_Offer_Contract(int nTeam, int nSlot, char* szOut, int nSize) {
    char szPosition[TEXT_BUFFER_SIZE];
    char szTerm[TEXT_BUFFER_SIZE];
    char szSalary[TEXT_BUFFER_SIZE];
    char szBonus[TEXT_BUFFER_SIZE];
    char szImpact[TEXT_BUFFER_SIZE];
    Get_Position_Name_Text(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), szPosition,
                           sizeof szPosition);
    Format_Offer_Term(nTeam, nSlot, szTerm, sizeof szTerm);
    int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    Format_With_Commas(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) * 1000, szSalary,
                       sizeof szSalary);
    Format_With_Commas(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS) * 1000, szBonus,
                       sizeof szBonus);
    Format_With_Commas(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT) * 1000, szImpact,
                       sizeof szImpact);
    Format_String(szOut, nSize,
                  "%s (Age %d)\n%s\n(Through %d)\nSalary: $%s\nSigning Bonus: $%s\nPayroll "
                  "Impact: $%s",
                  szPosition, Get_Player_Exact_Age(nTeam, nSlot), szTerm,
                  Get_Season_Year() + nYears - 1, szSalary, szBonus, szImpact);
}

// Owner Mode: the payer's cash or debt; otherwise, outside the college draft, the cap room his
// draft picks call for; else nothing.
static void Format_Offer_Cash(int nPayer, char* szOut, int nSize) {
    char szAmount[TEXT_BUFFER_SIZE];
    szOut[0] = '\0';
    if (gOwnerMode == 1) {
        int nCash = Get_Team_Financial_Stat(nPayer, FIN_CASH);
        Format_With_Commas(nCash > 0 ? nCash : -nCash, szAmount, sizeof szAmount);
        Format_String(szOut, nSize, nCash > 0 ? "Team Cash: $%s" : "Team Debt: $%s", szAmount);
    } else if (!Is_College_Draft_On()) {
        int64_t nRoom = (int64_t)Round_To_Price_Step(Get_Team_Draft_Picks_Value(nPayer)) * 1000;
        Format_Dollars(Saturate_To_Int(nRoom), szAmount, sizeof szAmount);
        Format_String(szOut, nSize, "Recommended Cap Room:\n%s", szAmount);
    }
}

static void Fill_Offer_Texts(HWND hDlg) {
    int nTeam = gScoutTeam;
    int nSlot = gScoutSlot;
    int nPayer = Get_Offer_Payer(nTeam);
    char szText[OFFER_TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szText, sizeof szText);
    SetDlgItemTextA(hDlg, IDC_OFFER_NAME, szText);
    Format_Cap_Room_Text(szText, sizeof szText, nPayer,
                         Get_Cap_Room_After_Signing(nPayer, nTeam, nSlot), 1);
    SetDlgItemTextA(hDlg, IDC_OFFER_CAP_TEXT, szText);
    Format_Offer_Cash(nPayer, szText, sizeof szText);
    SetDlgItemTextA(hDlg, IDC_OFFER_CASH_TEXT, szText);
    Format_Offer_Ratings(nTeam, nSlot, szText, sizeof szText);
    SetDlgItemTextA(hDlg, IDC_OFFER_RATINGS, szText);
    Format_Offer_Contract(nTeam, nSlot, szText, sizeof szText);
    SetDlgItemTextA(hDlg, IDC_OFFER_CONTRACT, szText);
}

static void Show_Offer_Button(HWND hDlg, int nId, int bShow, int bEnable) {
    HWND hButton = GetDlgItem(hDlg, nId);
    ShowWindow(hButton, bShow ? SW_SHOW : SW_HIDE);
    EnableWindow(hButton, bShow && bEnable);
}

int Update_Contract_Offer_Controls(HWND hDlg) {
    int nTeam = gScoutTeam;
    int nSlot = gScoutSlot;
    int nPayer = Get_Offer_Payer(nTeam);
    int nCash = Get_Team_Financial_Stat(nPayer, FIN_CASH) / 1000;
    int nWorth = Get_Player_Worth(nTeam, nSlot);
    int nAsking = Is_Draft_Pool_Team(nTeam) ? Get_Draft_Pool_Asking_Value(nTeam, nSlot)
                                            : Get_Salary_Demand(nTeam, nSlot, nWorth);
    int nMinimumSalary = Get_Player_Minimum_Salary(nTeam, nSlot);
    int nFewest = Get_Fewest_Offer_Years();
    int nYears = Clamp(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT), nFewest,
                       Get_Most_Offer_Years());
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Calculate_Contract_Demand(nTeam, nSlot, nWorth);
    int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    int nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);

    EnableWindow(GetDlgItem(hDlg, IDC_OFFER_FEWER_YEARS), nYears > nFewest);
    EnableWindow(GetDlgItem(hDlg, IDC_OFFER_MORE_YEARS), nYears < Get_Most_Offer_Years());
    int bOwner = gOwnerMode == 1;
    Show_Offer_Button(hDlg, IDC_OFFER_SMALLER_BONUS, bOwner, nBonus > nAsking);
    Show_Offer_Button(hDlg, IDC_OFFER_BIGGER_BONUS, bOwner,
                      nSalary > nMinimumSalary && nBonus < nCash - OFFER_BONUS_STEP);
    EnableWindow(GetDlgItem(hDlg, IDC_OFFER_ACCEPT), nBonus <= nCash || gCommissionerMode);
    Fill_Offer_Texts(hDlg);
    InvalidateRect(hDlg, NULL, TRUE);
    return nCash >= nAsking || gCommissionerMode;
}

static int sOpenTradingBlock;  // the offer closed to trade a pick for cash

#define TRADING_BLOCK_QUESTION_ONE                                                                 \
    "Press 'Yes' to go to the Trading Block.\nPress 'No' to return to the college draft and find " \
    "a player you can sign."
#define TRADING_BLOCK_QUESTION_NONE \
    "Press 'Yes' to go to the Trading Block.\nPress 'No' to return to the college draft."

// A prospect whose bonus the user cannot pay: says so and offers the Trading Block with the
// user's first pick on it; No leaves the offer open with Accept off, the prospect in the pool.
static int Ask_About_Unaffordable_Prospect(int nTeam, int nSlot) {
    int nCount = Count_Affordable_Draft_Pool_Players();
    char szText[OFFER_TEXT_SIZE * 2];
    if (nCount == 0) {
        Format_String(szText, sizeof szText,
                      "You don't have enough cash to pay the signing bonus for any available "
                      "college players.\n\nThe best choice in this situation is usually to trade "
                      "away this draft pick for cash that can be used to sign your NEXT draft "
                      "pick.\n\n%s",
                      TRADING_BLOCK_QUESTION_NONE);
        return Do_Message_Box(szText, "Can't Sign Any Players", MB_YESNO) == IDYES;
    }
    char szName[PLAYER_NAME_TEXT_SIZE];
    char szAsking[TEXT_BUFFER_SIZE];
    char szCash[TEXT_BUFFER_SIZE];
    int nAsking = Get_Draft_Pool_Asking_Value(nTeam, nSlot);
    int nCash = Get_Team_Financial_Stat(Get_Offer_Payer(nTeam), FIN_CASH);
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
    Format_Dollars(Saturate_To_Int((int64_t)nAsking * 1000), szAsking, sizeof szAsking);
    Format_Dollars(nCash, szCash, sizeof szCash);
    int bThisPick = (int64_t)nCash > ((int64_t)nAsking * 1000 * 80 + 50) / 100 && gDraftRound <= 3;
    Format_String(szText, sizeof szText,
                  "You don't have enough cash to sign %s (he is seeking a minimum signing bonus "
                  "of %s).\n\nThere are %d college players that you can afford to sign (you have "
                  "%s in cash).\n\n%s\n\n%s",
                  szName, szAsking, nCount, szCash,
                  bThisPick ? "The best choice in this situation is usually to trade away a later "
                              "draft pick for cash that can be used to sign this draft pick."
                            : "The best choice in this situation is usually to trade away this "
                              "draft pick for cash that can be used to sign your NEXT draft pick.",
                  TRADING_BLOCK_QUESTION_ONE);
    return Do_Message_Box(szText, "Can't Sign This Player", MB_YESNO) == IDYES;
}

// The user's first draft pick (the first item code above his roster) on the shared offer. The
// offer names a partner as well (the remembered one, else the first other team), so that the
// Trading Block takes it as a valid offer and keeps the pick on the block.
static void Offer_First_Pick_For_Cash(void) {
    int nUser = Get_Cap_Text_Team(Get_User_Team());
    int nPartner = Get_Remembered_Trade_Partner(nUser);
    Init_Trade_Offer(&gTradeOffer);
    gTradeOffer.acTeam[0] = (int8_t)nUser;
    gTradeOffer.acTeam[1] = (int8_t)nPartner;
    Append_Trade_Offer_Item(&gTradeOffer, 0, Find_Free_Player_Slot(nUser));
}

static void Init_Contract_Offer(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    if (!Are_App_Fonts_Loaded())
        Load_App_Fonts();
    sOfferButtonFont = Take_App_Font(OFFER_BUTTON_FONT);
    static const int anButtons[] = {
        IDC_OFFER_ACCEPT,     IDC_OFFER_DECLINE,       IDC_OFFER_FEWER_YEARS,
        IDC_OFFER_MORE_YEARS, IDC_OFFER_SMALLER_BONUS, IDC_OFFER_BIGGER_BONUS,
        IDC_SCOUTING,         IDC_OFFER_SKIP};
    if (sOfferButtonFont)
        for (int nId : anButtons)
            SendDlgItemMessageA(hDlg, nId, WM_SETFONT, (WPARAM)sOfferButtonFont, TRUE);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
    char szCaption[TEAM_LABEL_SIZE];
    Get_Team_Label(gScoutTeam, szCaption, sizeof szCaption);
    SetWindowTextA(hDlg, szCaption);
    if (!Update_Contract_Offer_Controls(hDlg) && Is_Draft_Pool_Team(gScoutTeam)) {
        if (Ask_About_Unaffordable_Prospect(gScoutTeam, gScoutSlot)) {
            Offer_First_Pick_For_Cash();
            sOpenTradingBlock = 1;
            EndDialog(hDlg, CONTRACT_DECLINED);
            return;
        }
        EnableWindow(GetDlgItem(hDlg, IDC_OFFER_ACCEPT), FALSE);
    }
}

// Signs him when the cap allows (or the Commissioner overrides it); the bonus is charged to the
// payer either way.
static void Accept_Contract_Offer(HWND hDlg) {
    int nTeam = gScoutTeam;
    int nSlot = gScoutSlot;
    int nPayer = Get_Offer_Payer(nTeam);
    int nRoom = Get_Cap_Room_After_Signing(nPayer, nTeam, nSlot);
    if (nRoom < 0) {
        char szOver[TEXT_BUFFER_SIZE];
        Format_With_Commas(-nRoom, szOver, sizeof szOver);
        if (!gCommissionerMode) {
            Show_Message_Box("Salary Cap", "That contract would violate the salary cap by $%s,000",
                             szOver);
            return;
        }
        char szText[OFFER_TEXT_SIZE];
        Format_String(szText, sizeof szText,
                      "That contract would violate the salary cap by $%s,000. Would you like to "
                      "over-ride the salary cap to sign this player?",
                      szOver);
        if (Do_Message_Box(szText, "Commissioner Mode", MB_YESNO) != IDYES)
            return;
    }
    Charge_Signing_Bonus(nPayer, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS));
    EndDialog(hDlg, CONTRACT_SIGNED);
}

static void Change_Offer_Bonus(HWND hDlg, int nStep) {
    Set_Player_Vital_Stat(
        gScoutTeam, gScoutSlot, VITAL_SIGNING_BONUS,
        Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_SIGNING_BONUS) + nStep);
    Calculate_Contract_Demand(gScoutTeam, gScoutSlot, 0);
    Update_Contract_Offer_Controls(hDlg);
}

static void Scout_Offered_Player(HWND hDlg) {
    int nTeam = gScoutTeam;
    int nSlot = gScoutSlot;
    Open_Scouting_Report_At(nTeam, nSlot, hDlg);
    gScoutTeam = nTeam;
    gScoutSlot = nSlot;
    Update_Contract_Offer_Controls(hDlg);
}

static void On_Contract_Offer_Command(HWND hDlg, int nId) {
    switch (nId) {
    case IDC_OFFER_ACCEPT: Accept_Contract_Offer(hDlg); break;
    case IDC_OFFER_DECLINE:
    case IDCANCEL: EndDialog(hDlg, CONTRACT_DECLINED); break;
    case IDC_OFFER_FEWER_YEARS:
        Offer_Fewer_Contract_Years(gScoutTeam, gScoutSlot);
        Update_Contract_Offer_Controls(hDlg);
        break;
    case IDC_OFFER_MORE_YEARS:
        Offer_More_Contract_Years(gScoutTeam, gScoutSlot);
        Update_Contract_Offer_Controls(hDlg);
        break;
    case IDC_OFFER_SMALLER_BONUS: Change_Offer_Bonus(hDlg, -OFFER_BONUS_STEP); break;
    case IDC_OFFER_BIGGER_BONUS: Change_Offer_Bonus(hDlg, OFFER_BONUS_STEP); break;
    case IDC_SCOUTING: Scout_Offered_Player(hDlg); break;
    default: break;
    }
}

static COLORREF Get_Offer_Text_Colour(int nId) {
    switch (nId) {
    case IDC_OFFER_CAP_TEXT: return OFFER_GREEN;
    case IDC_OFFER_CASH_TEXT: return gOwnerMode == 1 ? OFFER_GREEN : OFFER_RED;
    case IDC_OFFER_CONTRACT: return OFFER_NAVY;
    default: return OFFER_BLACK;
    }
}

static void Paint_Contract_Offer(HWND hDlg) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (hdc) {
        char szPicture[TEXT_BUFFER_SIZE];
        Copy_Skin_File_Name(szPicture, sizeof szPicture, OFFER_PICTURE);
        Draw_Image_In_Dialog_Item(hDlg, hdc, IDC_OFFER_PICTURE_LEFT, szPicture);
        Draw_Image_In_Dialog_Item(hDlg, hdc, IDC_OFFER_PICTURE_RIGHT, szPicture);
    }
    EndPaint(hDlg, &paint);
}

INT_PTR Contract_Offer_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Contract_Offer(hDlg); return TRUE;
    case WM_CTLCOLORSTATIC: {
        HBRUSH hBrush = On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
        SetTextColor((HDC)wParam, Get_Offer_Text_Colour(GetDlgCtrlID((HWND)lParam)));
        return (INT_PTR)hBrush;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    case WM_PAINT: Paint_Contract_Offer(hDlg); return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            On_Contract_Offer_Command(hDlg, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        if (sOfferButtonFont)
            Release_App_Font(sOfferButtonFont);
        sOfferButtonFont = NULL;
        return FALSE;
    default: return FALSE;
    }
}

int Open_Contract_Offer_Dialog(HWND hWnd, int nTeam, int nSlot) {
    gScoutTeam = nTeam;
    gScoutSlot = nSlot;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH,
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT));
    if (hWnd)
        EnableWindow(hWnd, FALSE);
    sOpenTradingBlock = 0;
    INT_PTR nResult = Open_Dialog(NULL, IDD_CONTRACT_OFFER);
    if (hWnd) {
        InvalidateRect(hWnd, NULL, TRUE);
        UpdateWindow(hWnd);
        EnableWindow(hWnd, TRUE);
    }
    if (sOpenTradingBlock) {
        sOpenTradingBlock = 0;
        Open_Dialog(hWnd, IDD_TRADING_BLOCK);
    }
    return nResult == CONTRACT_SIGNED;
}

void Show_Roster_Full_Message(int nTeam, int nSlot) {
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
    Show_Message_Box("Too Many Players",
                     "Your team is currently full. You must release a player before you add %s.",
                     szName);
}
