// The League Editor: the league's structure, economy and calendar, and each team's identity and
// control; it adds and erases teams. What may change follows Commissioner Mode and the season.
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define LE_LEAGUE_NAME_0 1021
#define LE_LEAGUE_NAME_1 1023
#define LE_SEASON_GAMES 1315
#define LE_WILD_CARDS 1322
#define LE_SALARY_CAP 1317
#define LE_START_YEAR 1089
#define LE_CURRENT_DATE 1078
#define LE_INFLATION 1323
#define LE_INFLATION_LABEL 1466
#define LE_TEAM 1132
#define LE_HOME 1302
#define LE_NICKNAME 1287
#define LE_ABBREVIATION 1288
#define LE_HOME_CITY 1133
#define LE_DIVISION 1134
#define LE_LOYALTY 1019
#define LE_CASH 1086
#define LE_WINS 1087
#define LE_LOSSES 1088
#define LE_HUMAN 1097
#define LE_COMPUTER 1098
#define LE_GM_NAME 1316
#define LE_ALL_HUMAN 1263
#define LE_ALL_CPU 1262
#define LE_ADD_TEAM 11
#define LE_ERASE_TEAM 10
#define LE_REFRESH 1261
#define LE_HELP 9
#define LE_LEAGUE_NAME_CHARS 15
#define LE_DIVISION_NAME_CHARS 11
#define LE_TEAM_TEXT_CHARS 31
#define LE_ABBREVIATION_CHARS 3
#define LE_DATE_WEEKS 18
#define LE_INFLATION_BASE_YEAR 2021
#define LE_PERCENT_STEP 10

static const int kDivisionNameIds[DIVISION_COUNT] = {1303, 1304, 1305, 1309,
                                                     1310, 1311, 1318, 1319};
static const int kDivisionCountIds[DIVISION_COUNT] = {1306, 1307, 1308, 1312,
                                                      1313, 1314, 1320, 1321};
struct LE_PERCENT_COMBO {
    int nId, nStat;
};
static const LE_PERCENT_COMBO kPercentCombos[] = {
    {1079, UNIVERSE_SALARY_DEMANDS},   {1080, UNIVERSE_REVENUE_SETTING},
    {1081, UNIVERSE_INJURY_FREQUENCY}, {1082, UNIVERSE_INJURY_SEVERITY},
    {1206, UNIVERSE_DRAFT_TALENT},     {1213, UNIVERSE_AGING},
};

// The season rules shown as check boxes.
struct LE_RULE_BOX {
    int nId;
    int32_t* pnValue;
};
static int32_t sSuperBowl, sNoSameDivision;  // the 16-bit settings, as the table holds ints
static const LE_RULE_BOX kRuleBoxes[] = {
    {1455, &sSuperBowl},
    {1456, &sNoSameDivision},
    {1453, &gOvertimeGames},
    {1454, &gTwoPointConversions},
};
#define LE_REAL_SCHEDULES 1479  // no setting holds it in this league: shown off and disabled

// The season rules shown as combo boxes: the item is the setting, but for the period length.
#define LE_OVERTIME_RULE 1207
#define LE_PLAYOFF_OVERTIME 1208
#define LE_PERIOD_LENGTH 1211
#define LE_FIRST_UNTIED_RULE 2
#define LE_LONGEST_PERIOD 15
#define LE_PERIOD_STEP 5
struct LE_RULE_COMBO {
    int nId;
    int32_t* pnValue;
    const char* aszItems[5];
};
static const LE_RULE_COMBO kRuleCombos[] = {
    {LE_OVERTIME_RULE,
     &gOvertimeRule,
     {"Sudden Death", "6-Point Threshold", "Sudden Death (no ties)",
      "6-Point Threshold (no ties)"}},
    {LE_PLAYOFF_OVERTIME,
     &gPlayoffOvertimeRule,
     {"Sudden Death", "6-Point Threshold", "Sudden Death (no ties)",
      "6-Point Threshold (no ties)"}},
    {1209, &gOvertimePossession, {"Coin Flip", "Home Team"}},
    {1210,
     &gExtraPointLine,
     {"2-Yard Line", "15-Yard Line", "20-Yard Line", "25-Yard Line", "30-Yard Line"}},
    {1420, &gKickoffTouchbackLine, {"20-Yard Line", "25-Yard Line"}},
    {1421, &gKickoffLocation, {"30-Yard Line", "35-Yard Line", "40-Yard Line"}},
    {1212, &gMissedFieldGoalSpot, {"Kick Location", "Line of Scrimmage", "20-Yard Line"}},
};

static int sScheduleMarked = 0;

static int Is_Structure_Open(void) {
    return gCommissionerMode && (gCurrentWeek == 0 || Is_Season_Complete());
}

static int Is_Wild_Card_Open(void) {
    return gCommissionerMode &&
           (Is_Season_Complete() || gCurrentWeek < Get_First_Postseason_Week());
}

static void Enable_Ids(HWND hDlg, const int* pnIds, int nCount, int bEnable) {
    for (int n = 0; n < nCount; n++)
        EnableWindow(GetDlgItem(hDlg, pnIds[n]), bEnable);
}

// ---- the league -------------------------------------------------------------------------------

static void Fill_Division_Counts(HWND hDlg) {
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        char szCount[32];
        Format_String(szCount, (int)sizeof szCount, "(%d teams)", Count_Division_Teams(nDivision));
        SetDlgItemTextA(hDlg, kDivisionCountIds[nDivision], szCount);
    }
}

static void Fill_Division_Combo(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, LE_DIVISION);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        char szName[DIVISION_NAME_SIZE];
        Get_Division_Name(nDivision, szName, (int)sizeof szName);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    SendMessageA(hCombo, CB_SETCURSEL, Get_Team_Stat(Get_Dialog_Team(), TEAM_DIVISION), 0);
}

static void Fill_Rule_Controls(HWND hDlg) {
    sSuperBowl = gSuperBowl;
    sNoSameDivision = gNoSameDivisionDivisionalRound;
    for (const LE_RULE_BOX& r : kRuleBoxes)
        CheckDlgButton(hDlg, r.nId, *r.pnValue ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(hDlg, LE_REAL_SCHEDULES), FALSE);
    for (const LE_RULE_COMBO& c : kRuleCombos)
        SendDlgItemMessageA(hDlg, c.nId, CB_SETCURSEL, *c.pnValue, 0);
    SendDlgItemMessageA(hDlg, LE_PERIOD_LENGTH, CB_SETCURSEL,
                        (LE_LONGEST_PERIOD - gOvertimePeriodLength) / LE_PERIOD_STEP, 0);
    EnableWindow(GetDlgItem(hDlg, LE_PERIOD_LENGTH), gCommissionerMode != 0);
    for (const LE_RULE_COMBO& c : kRuleCombos)
        EnableWindow(GetDlgItem(hDlg, c.nId), gCommissionerMode != 0);
}

static void Read_Rule_Controls(HWND hDlg) {
    for (const LE_RULE_BOX& r : kRuleBoxes)
        *r.pnValue = IsDlgButtonChecked(hDlg, r.nId) == BST_CHECKED;
    gSuperBowl = (int16_t)sSuperBowl;
    gNoSameDivisionDivisionalRound = (int16_t)sNoSameDivision;
    for (const LE_RULE_COMBO& c : kRuleCombos) {
        int nItem = (int)SendDlgItemMessageA(hDlg, c.nId, CB_GETCURSEL, 0, 0);
        if (nItem >= 0)
            *c.pnValue = nItem;
    }
    int nItem = (int)SendDlgItemMessageA(hDlg, LE_PERIOD_LENGTH, CB_GETCURSEL, 0, 0);
    if (nItem >= 0)
        gOvertimePeriodLength = LE_LONGEST_PERIOD - LE_PERIOD_STEP * nItem;
}

// Playoff games cannot end in a tie: the two rules that allow one are refused.
static void On_Playoff_Overtime_Chosen(HWND hDlg) {
    int nItem = (int)SendDlgItemMessageA(hDlg, LE_PLAYOFF_OVERTIME, CB_GETCURSEL, 0, 0);
    if (nItem >= LE_FIRST_UNTIED_RULE)
        return;
    SendDlgItemMessageA(hDlg, LE_PLAYOFF_OVERTIME, CB_SETCURSEL, LE_FIRST_UNTIED_RULE, 0);
    Show_Message_Box("Illegal Option", "Playoff games cannot end in a tie.");
}

static void Fill_League_Fields(HWND hDlg) {
    char szText[TEXT_BUFFER_SIZE];
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        Get_League_Name(nLeague, szText, (int)sizeof szText);
        SetDlgItemTextA(hDlg, nLeague ? LE_LEAGUE_NAME_1 : LE_LEAGUE_NAME_0, szText);
    }
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        Get_Division_Name(nDivision, szText, (int)sizeof szText);
        SetDlgItemTextA(hDlg, kDivisionNameIds[nDivision], szText);
    }
    Set_Number_Box(hDlg, LE_SEASON_GAMES,
                   Min_Int(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), MAX_SEASON_GAMES));
    int nShownWildCards = Get_Shown_Wild_Card_Teams(Get_Universe_Stat(WILD_CARD_TEAMS));
    Set_Number_Box(hDlg, LE_WILD_CARDS, nShownWildCards);
    EnableWindow(GetDlgItem(hDlg, LE_WILD_CARDS), Has_Wild_Card_League() && Is_Wild_Card_Open());
    Format_Dollars(Get_Universe_Stat(UNIVERSE_SALARY_CAP), szText, (int)sizeof szText);
    SetDlgItemTextA(hDlg, LE_SALARY_CAP, szText);
    Set_Number_Box(hDlg, LE_START_YEAR, Get_Universe_Stat(UNIVERSE_FIRST_YEAR));
    Set_Number_Box(hDlg, LE_INFLATION, Get_Universe_Stat(UNIVERSE_INFLATION));
    for (const LE_PERCENT_COMBO& c : kPercentCombos)
        SendDlgItemMessageA(hDlg, c.nId, CB_SETCURSEL,
                            (Get_Universe_Stat(c.nStat) + 100) / LE_PERCENT_STEP, 0);
    // Item i is week i, named "Week i+1"; the postseason shows no item.
    SendDlgItemMessageA(hDlg, LE_CURRENT_DATE, CB_SETCURSEL,
                        gCurrentWeek >= 0 && gCurrentWeek < LE_DATE_WEEKS ? gCurrentWeek : -1, 0);
    static const int kStructureIds[] = {LE_SEASON_GAMES, LE_ADD_TEAM, LE_ERASE_TEAM};
    Enable_Ids(hDlg, kStructureIds, 3, Is_Structure_Open());
    int anCommissionerIds[3 + sizeof kPercentCombos / sizeof kPercentCombos[0]] = {
        LE_SALARY_CAP, LE_INFLATION, LE_START_YEAR};
    int nIds = 3;
    for (const LE_PERCENT_COMBO& c : kPercentCombos)
        anCommissionerIds[nIds++] = c.nId;
    Enable_Ids(hDlg, anCommissionerIds, nIds, gCommissionerMode != 0);
    EnableWindow(GetDlgItem(hDlg, LE_CURRENT_DATE), gCommissionerMode != 0);
    Fill_Rule_Controls(hDlg);
    Fill_Division_Counts(hDlg);
}

// Every number first, so a box without one stops the read before anything changed.
static int Read_League_Fields(HWND hDlg) {
    int nGames, nWildCards, nCap, nYear, nInflation;
    if (!Read_Number_Box(hDlg, LE_SEASON_GAMES, "Season Games", 0, &nGames) ||
        !Read_Number_Box(hDlg, LE_WILD_CARDS, "Wild Card Teams", 0, &nWildCards) ||
        !Read_Number_Box(hDlg, LE_SALARY_CAP, "Salary Cap", 1, &nCap) ||
        !Read_Number_Box(hDlg, LE_START_YEAR, "Start Year", 0, &nYear) ||
        !Read_Number_Box(hDlg, LE_INFLATION, "Inflation Factor", 1, &nInflation))
        return 0;
    char szText[TEXT_BUFFER_SIZE];
    Get_Edit_Box_Text(hDlg, LE_LEAGUE_NAME_0, szText, LE_LEAGUE_NAME_CHARS);
    Set_League_Abbreviation(0, szText);
    Get_Edit_Box_Text(hDlg, LE_LEAGUE_NAME_1, szText, LE_LEAGUE_NAME_CHARS);
    Set_League_Abbreviation(1, szText);
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        Get_Edit_Box_Text(hDlg, kDivisionNameIds[nDivision], szText, LE_DIVISION_NAME_CHARS);
        Set_Division_Name(nDivision, szText);
    }
    nGames = Check_Season_Games(nGames);
    if (nGames != Min_Int(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), MAX_SEASON_GAMES))
        sScheduleMarked = 1;
    Set_Universe_Stat(UNIVERSE_SEASON_GAMES, nGames);
    if (!Has_Wild_Card_League())
        Set_Universe_Stat(WILD_CARD_TEAMS, 0);
    else if (IsWindowEnabled(GetDlgItem(hDlg, LE_WILD_CARDS)))
        Set_Universe_Stat(WILD_CARD_TEAMS, Check_Wild_Card_Teams(nWildCards));
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, nCap);
    Set_Universe_Stat(UNIVERSE_INFLATION, Check_Inflation_Factor(nInflation));
    Change_Start_Year(nYear);
    for (const LE_PERCENT_COMBO& c : kPercentCombos) {
        int nItem = (int)SendDlgItemMessageA(hDlg, c.nId, CB_GETCURSEL, 0, 0);
        if (nItem >= 0)
            Set_Universe_Stat(c.nStat, nItem * LE_PERCENT_STEP - 100);
    }
    Read_Rule_Controls(hDlg);
    return 1;
}

// ---- the team --------------------------------------------------------------------------------

static void Fill_Team_Fields(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    char szText[TEXT_BUFFER_SIZE];
    Get_Team_String(szText, (int)sizeof szText, nTeam, TEAM_CITY);
    SetDlgItemTextA(hDlg, LE_HOME, szText);
    Get_Team_String(szText, (int)sizeof szText, nTeam, TEAM_NICKNAME);
    SetDlgItemTextA(hDlg, LE_NICKNAME, szText);
    Get_Team_String(szText, (int)sizeof szText, nTeam, TEAM_ABBREVIATION);
    SetDlgItemTextA(hDlg, LE_ABBREVIATION, szText);
    Get_Team_String(szText, (int)sizeof szText, nTeam, TEAM_MANAGER_NAME);
    SetDlgItemTextA(hDlg, LE_GM_NAME, szText);
    HWND hCities = GetDlgItem(hDlg, LE_HOME_CITY);
    SendMessageA(hCities, CB_RESETCONTENT, 0, 0);
    for (int nCity = 0; nCity < Count_Cities(); nCity++) {
        Get_City_Name(nCity, szText, (int)sizeof szText);
        SendMessageA(hCities, CB_ADDSTRING, 0, (LPARAM)szText);
    }
    SendMessageA(hCities, CB_SETCURSEL, Get_Team_Stat(nTeam, TEAM_CITY_INDEX), 0);
    Fill_Division_Combo(hDlg);
    SendDlgItemMessageA(hDlg, LE_LOYALTY, CB_SETCURSEL,
                        Get_Fan_Loyalty_Grade(Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT)), 0);
    Format_Dollars(Get_Team_Financial_Stat(nTeam, FIN_CASH), szText, (int)sizeof szText);
    SetDlgItemTextA(hDlg, LE_CASH, szText);
    int nSeason = Get_Current_Season_Index();
    Set_Number_Box(hDlg, LE_WINS, Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS));
    Set_Number_Box(hDlg, LE_LOSSES, Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES));
    int bHuman = Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN;
    CheckDlgButton(hDlg, LE_HUMAN, bHuman ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(hDlg, LE_COMPUTER, bHuman ? BST_UNCHECKED : BST_CHECKED);
    static const int kStructureIds[] = {LE_HOME, LE_NICKNAME, LE_DIVISION};
    Enable_Ids(hDlg, kStructureIds, 3, Is_Structure_Open());
    static const int kCommissionerIds[] = {LE_HOME_CITY, LE_LOYALTY, LE_CASH,    LE_WINS,
                                           LE_LOSSES,    LE_HUMAN,   LE_COMPUTER};
    Enable_Ids(hDlg, kCommissionerIds, 7, gCommissionerMode != 0);
    EnableWindow(GetDlgItem(hDlg, LE_GM_NAME), gCommissionerMode && bHuman);
}

static void Set_Edited_Team_Control(int nTeam, int bHuman) {
    if (bHuman) {
        Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_HUMAN);
        if (Count_Human_Teams() == 1)
            gUserTeam = nTeam;
        return;
    }
    Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_COMPUTER);
    if (gUserTeam == nTeam)
        gUserTeam = Get_Human_Team(0);
}

static int Read_Team_Fields(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    int nCash, nWins, nLosses;
    if (!Read_Number_Box(hDlg, LE_CASH, "Cash", 1, &nCash) ||
        !Read_Number_Box(hDlg, LE_WINS, "Wins", 0, &nWins) ||
        !Read_Number_Box(hDlg, LE_LOSSES, "Losses", 0, &nLosses))
        return 0;
    char szText[TEXT_BUFFER_SIZE];
    Get_Edit_Box_Text(hDlg, LE_HOME, szText, LE_TEAM_TEXT_CHARS);
    Set_Team_String(nTeam, TEAM_CITY, szText);
    Get_Edit_Box_Text(hDlg, LE_NICKNAME, szText, LE_TEAM_TEXT_CHARS);
    Check_Team_Nickname_Length(szText);
    Set_Team_String(nTeam, TEAM_NICKNAME, szText);
    Get_Edit_Box_Text(hDlg, LE_ABBREVIATION, szText, LE_ABBREVIATION_CHARS);
    Set_Team_String(nTeam, TEAM_ABBREVIATION, szText);
    int nGrade = (int)SendDlgItemMessageA(hDlg, LE_LOYALTY, CB_GETCURSEL, 0, 0);
    if (nGrade >= 0 &&
        nGrade != Get_Fan_Loyalty_Grade(Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT)))
        Set_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT, Get_Grade_Fan_Loyalty(nGrade));
    Set_Team_Financial_Stat(nTeam, FIN_CASH, Check_Team_Cash(nCash));
    int nSeason = Get_Current_Season_Index();
    Set_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS, nWins);
    Set_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES, nLosses);
    if (IsWindowEnabled(GetDlgItem(hDlg, LE_HUMAN)))
        Set_Edited_Team_Control(nTeam, IsDlgButtonChecked(hDlg, LE_HUMAN) == BST_CHECKED);
    Get_Edit_Box_Text(hDlg, LE_GM_NAME, szText, LE_TEAM_TEXT_CHARS);
    Set_Team_String(nTeam, TEAM_MANAGER_NAME, szText);
    return 1;
}

static void Fill_Everything(HWND hDlg) {
    Fill_Team_List(hDlg);
    Fill_Team_Fields(hDlg);
    Fill_League_Fields(hDlg);
}

// ---- commands -----------------------------------------------------------------------------------

static void Finish_League_Editor(HWND hDlg) {
    if (!Read_Team_Fields(hDlg) || !Read_League_Fields(hDlg))
        return;
    Sort_Teams_By_Name();
    Refresh_Standings();
    if (sScheduleMarked) {
        Create_Season_Schedule();
        sScheduleMarked = 0;
    }
    if (Count_Active_Teams() >= 2) {
        EndDialog(hDlg, 1);
        return;
    }
    Show_Message_Box("Invalid League",
                     "There must always be at least two teams. You must create "
                     "one or more teams in order to leave the League Editor.");
    Fill_Everything(hDlg);
}

static void Add_Team_From_Editor(HWND hDlg) {
    if (!Read_Team_Fields(hDlg))
        return;
    int nTeam = Add_New_Team(1);
    if (nTeam < 0) {
        Show_Message_Box("Add Team Failed", "Cannot exceed %d teams in database",
                         LEAGUE_TEAM_COUNT);
        return;
    }
    Set_Dialog_Team(nTeam);
    sScheduleMarked = 1;
    Fill_Everything(hDlg);
}

static void Erase_Team_From_Editor(HWND hDlg) {
    int nChoice =
        User_Message_Dialog("Erase Team", "Would you like to erase all the team's players?", NULL,
                            "Erase Players", "Move to Free Agent List", "Cancel");
    if (nChoice != IDYES && nChoice != IDNO)
        return;
    int nTeam = Get_Dialog_Team();
    if (!Erase_Team(nTeam, nChoice == IDYES))
        return;
    Read_League_Fields(hDlg);  // what was typed is kept before the fields are filled anew
    Close_Up_League_Structure();
    Set_Dialog_Team(0);
    sScheduleMarked = 1;
    Fill_Everything(hDlg);
}

static void On_Division_Chosen(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    int nOld = Get_Team_Stat(nTeam, TEAM_DIVISION);
    int nNew = (int)SendDlgItemMessageA(hDlg, LE_DIVISION, CB_GETCURSEL, 0, 0);
    if (nNew < 0 || nNew == nOld)
        return;
    Set_Team_Stat(nTeam, TEAM_DIVISION, nNew);
    if (!Read_Team_Fields(hDlg) || !Read_League_Fields(hDlg) || !Close_Up_League_Structure()) {
        Set_Team_Stat(nTeam, TEAM_DIVISION, nOld);
        SendDlgItemMessageA(hDlg, LE_DIVISION, CB_SETCURSEL, nOld, 0);
        return;
    }
    sScheduleMarked = 1;
    Fill_League_Fields(hDlg);
    Fill_Division_Combo(hDlg);
}

static void Set_Every_Team_Control(int bHuman) {
    const char* szText = bHuman ? "This will convert ALL teams to human control. Continue?"
                                : "This will convert ALL teams to computer control. Continue?";
    if (Do_Message_Box(szText, bHuman ? "Human Control" : "Computer Control", MB_YESNO) != IDYES)
        return;
    Set_All_Teams_Control(bHuman ? CONTROL_HUMAN : CONTROL_COMPUTER);
    if (!bHuman)
        gUserTeam = -1;
    else if (gUserTeam < 0 || gUserTeam >= Count_Active_Teams())
        gUserTeam = 0;
}

static void On_Computer_Chosen(HWND hDlg) {
    const int nTeam = Get_Dialog_Team();
    EnableWindow(GetDlgItem(hDlg, LE_GM_NAME), FALSE);
    if (Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN && Count_Human_Teams() == 1)
        Show_Message_Box("League Editor",
                         "You have just eliminated the last human-controlled team. We recommend "
                         "that you set at least one human-controlled before you leave the League "
                         "Editor.");
}

static void Init_League_Editor(HWND hDlg) {
    if (!Is_Season_Complete() && gCurrentWeek != 0)
        Show_Message_Box("League Editing Disabled",
                         "You cannot add or remove teams while a season is in progress.\n\nPlease "
                         "wait until the end of the season to add, move, or remove teams.");
    if (!gCommissionerMode &&
        Do_Message_Box("Certain aspects of the League Editor are disabled unless you are in "
                       "Commmissioner Mode.\n\nWould you like to turn on Commissioner Mode now?",
                       "Team Editing Disabled", MB_YESNO) == IDYES)
        gCommissionerMode = 1;
    Limit_Edit_Box(hDlg, LE_LEAGUE_NAME_0, LE_LEAGUE_NAME_CHARS);
    Limit_Edit_Box(hDlg, LE_LEAGUE_NAME_1, LE_LEAGUE_NAME_CHARS);
    for (int nId : kDivisionNameIds)
        Limit_Edit_Box(hDlg, nId, LE_DIVISION_NAME_CHARS);
    static const int kTeamTexts[] = {LE_HOME, LE_NICKNAME, LE_GM_NAME};
    for (int nId : kTeamTexts)
        Limit_Edit_Box(hDlg, nId, LE_TEAM_TEXT_CHARS);
    Limit_Edit_Box(hDlg, LE_ABBREVIATION, LE_ABBREVIATION_CHARS);
    for (const LE_PERCENT_COMBO& c : kPercentCombos)
        Fill_Percent_Combo(GetDlgItem(hDlg, c.nId));
    for (const LE_RULE_COMBO& c : kRuleCombos) {
        for (const char* szItem : c.aszItems) {
            if (szItem)
                SendDlgItemMessageA(hDlg, c.nId, CB_ADDSTRING, 0, (LPARAM)szItem);
        }
    }
    static const char* const kPeriods[] = {"15 minutes", "10 minutes", "5 minutes"};
    for (const char* szItem : kPeriods)
        SendDlgItemMessageA(hDlg, LE_PERIOD_LENGTH, CB_ADDSTRING, 0, (LPARAM)szItem);
    Fill_Grade_Combo(GetDlgItem(hDlg, LE_LOYALTY));
    for (int nWeek = 0; nWeek < LE_DATE_WEEKS; nWeek++) {  // week n is named "Week n+1"
        char szItem[32];
        Format_String(szItem, (int)sizeof szItem, "Week %d", nWeek + 1);
        SendDlgItemMessageA(hDlg, LE_CURRENT_DATE, CB_ADDSTRING, 0, (LPARAM)szItem);
    }
    char szLabel[64];
    Format_String(szLabel, (int)sizeof szLabel, "Inflation Factor: (%d Season = '1000')",
                  LE_INFLATION_BASE_YEAR);
    SetDlgItemTextA(hDlg, LE_INFLATION_LABEL, szLabel);
    Fill_Everything(hDlg);
    sScheduleMarked = 0;
}

static INT_PTR On_League_Editor_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
    case IDCANCEL: Finish_League_Editor(hDlg); return TRUE;
    case LE_REFRESH:
        if (Read_Team_Fields(hDlg) && Read_League_Fields(hDlg)) {
            Sort_Teams_By_Name();
            Refresh_Standings();
        }
        Fill_Everything(hDlg);
        return TRUE;
    case LE_ADD_TEAM: Add_Team_From_Editor(hDlg); return TRUE;
    case LE_ERASE_TEAM: Erase_Team_From_Editor(hDlg); return TRUE;
    case LE_ALL_CPU:
        Set_Every_Team_Control(0);
        Fill_Team_Fields(hDlg);
        return TRUE;
    case LE_ALL_HUMAN:
        Set_Every_Team_Control(1);
        Fill_Team_Fields(hDlg);
        return TRUE;
    case LE_HUMAN: EnableWindow(GetDlgItem(hDlg, LE_GM_NAME), gCommissionerMode != 0); return TRUE;
    case LE_COMPUTER: On_Computer_Chosen(hDlg); return TRUE;
    case LE_HELP: Show_Help_Topic(IDD_LEAGUE_EDITOR); return TRUE;
    default: break;
    }
    if (nCode != CBN_SELCHANGE)
        return FALSE;
    int nItem = (int)SendDlgItemMessageA(hDlg, nId, CB_GETCURSEL, 0, 0);
    switch (nId) {
    case LE_TEAM:
        if (Read_Team_Fields(hDlg) && nItem >= 0)
            Set_Dialog_Team(nItem);
        Fill_Team_List(hDlg);
        Fill_Team_Fields(hDlg);
        return TRUE;
    case LE_HOME_CITY: Set_Team_Stat(Get_Dialog_Team(), TEAM_CITY_INDEX, nItem); return TRUE;
    case LE_DIVISION: On_Division_Chosen(hDlg); return TRUE;
    case LE_CURRENT_DATE:
        if (nItem >= 0)
            Set_Current_Week(nItem);
        return TRUE;
    case LE_PLAYOFF_OVERTIME: On_Playoff_Overtime_Chosen(hDlg); return TRUE;
    default: return FALSE;
    }
}

INT_PTR League_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_League_Editor,
                                   On_League_Editor_Command);
}
