// The Edit Player dialog: one player's identity, body, contract, draft data, season lines and
// statistics, written straight into his record; with Delete, Clear and Copy Player.
#include <stdio.h>
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define EP_FIRST_NAME 1270
#define EP_LAST_NAME 1271
#define EP_COLLEGE 1257
#define EP_POSITION 1217
#define EP_ROLE 1219
#define EP_PLAYER_ID 1282
#define EP_SALARY 1255
#define EP_BONUS 1348
#define EP_DRAFTED_BY 1154
#define EP_DRAFT_YEAR 1266
#define EP_DRAFT_ROUND 1267
#define EP_DRAFT_PICK 1268
#define EP_PHOTO 1155
#define EP_SEASON_VIEW 1218
#define EP_LINE_YEAR 1153
#define EP_LINE_TEAM 1132
#define EP_FIRST_STAT_BOX 1133
#define EP_OVERALL 1449
#define EP_PEAK 1448
#define EP_FIRST_KEY_RATING 1277
#define EP_DONE 1285
#define EP_DELETE 3
#define EP_ADD_LINE 4
#define EP_ERASE_LINE 5
#define EP_EDIT_RATINGS 7
#define EP_HELP 9
#define EP_CALCULATE 1261
#define EP_CLEAR 1263
#define EP_COPY 1258

#define EP_STATS 20
#define EP_KEY_RATINGS 5
#define EP_LABEL_SETS 5
#define EP_ANY_POSITION_ITEM POSITION_COUNT
#define EP_FIRST_NAME_CHARS 11
#define EP_LAST_NAME_CHARS 19
#define EP_COLLEGE_CHARS 23
#define EP_MAX_SEASONS 30
#define EP_MAX_UNIFORM 99
#define EP_DRAFT_TEAM_FACTOR 10000
#define EP_DRAFT_ROUND_FACTOR 100000
#define EP_DRAFT_PICK_MODULUS 1000
#define EP_PHOTO_BY_ID 256
#define EP_MIN_ROSTER_TO_DELETE 52

static const int kStatLabelIds[EP_STATS] = {1214, 1226, 1227, 1228, 1231, 1232, 1233,
                                            1234, 1235, 1236, 1237, 1238, 1339, 1340,
                                            1341, 1346, 1347, 1342, 1343, 1344};

// Labels of stats 0..19 by set: skill players, linemen, defence, kickers, quarterbacks.
static const char* const kStatLabels[EP_LABEL_SETS][EP_STATS] = {
    {"G",        "GS",           "Fumbles",      "",         "",        "1st",
     "YAC",      "Rushes",       "Rush Yards",   "Rush TD",  "Recepts", "Rec. Yds",
     "Rec. TD",  "Fumbles Lost", "Kick Returns", "KR Yards", "KR TD",   "Punt Returns",
     "PR Yards", "PR TD"},
    {"G",
     "GS",
     "",
     "",
     "Sacks Allowed * 4",
     "Rush Blocking",
     "Pass Blocking",
     "Rushes",
     "Rush Yards",
     "",
     "Penalties",
     "Penalty Yds",
     "",
     "",
     "Pass Block (PFF)",
     "Run Block (PFF)",
     "",
     "",
     "Snaps",
     ""},
    {"G",
     "GS",
     "Solo Tkl",
     "Assists",
     "Sacks/2",
     "Forced Fumbles",
     "Passed Defensed",
     "Interceptions",
     "Fum. Recover",
     "TD",
     "Penalties",
     "Penalty Yds",
     "",
     "",
     "Kick Returns",
     "KR Yards",
     "KR TD",
     "Punt Returns",
     "PR Yards",
     "PR TD"},
    {"G",         "",           "Punts",        "Punt Yards", "Inside 20",
     "Long Punt", "Touchbacks", "Return Yards", "PAT Att",    "PAT",
     "FGA<30",    "FG<30",      "FGA<40",       "FG<40",      "FGA<50",
     "FG<50",     "FGA50+",     "FG50+",        "Long FG",    ""},
    {"G",
     "GS",
     "Attempts",
     "Completions",
     "Interceptions",
     "Pass Yards",
     "Pass TD",
     "Rushes",
     "Rush Yds",
     "Rush TD",
     "Recepts",
     "Rec. Yds",
     "Rec. TD",
     "Fumbles Lost",
     "Sacked",
     "Sack Yards",
     "",
     "",
     "",
     ""},
};

// Numeric boxes written straight into a vital stat.
struct EP_NUMBER_FIELD {
    int nId;
    const char* szLabel;
    int nVital;
};
static const EP_NUMBER_FIELD kVitalFields[] = {
    {1259, "Birthdate (YYYYMMDD)", VITAL_BIRTH_DATE},
    {1273, "Peak Start", VITAL_PRIME_START},
    {1274, "Peak End", VITAL_PRIME_END},
    {1275, "Potential", VITAL_POTENTIAL},
    {1276, "Longevity", VITAL_DECLINE_RATE},
    {1264, "Height", VITAL_HEIGHT},
    {1265, "Weight", VITAL_WEIGHT},
    {1269, "Injured Weeks", VITAL_INJURY_WEEKS},
};
#define EP_SEASONS 1262
#define EP_UNIFORM 1283
#define EP_CONTRACT_YEARS 1260
#define EP_YEARS_LEFT 1385

static int sSeasonView = SEASON_CURRENT;  // kept between openings

static int Get_Player_Plain_Position(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    return nPosition >= POSITION_COUNT ? Translate_Expanded_Position(nPosition) : nPosition;
}

static int Has_Season_Line_View(void) {
    return sSeasonView >= SEASON_FIRST_LINE;
}

// The view lowered to the last line he still has.
static void Keep_Season_View_In_Range(int nTeam, int nSlot) {
    int nLines = Count_Player_Season_Links(nTeam, nSlot);
    if (sSeasonView >= SEASON_FIRST_LINE + nLines)
        sSeasonView = nLines > 0 ? SEASON_FIRST_LINE + nLines - 1 : SEASON_CAREER;
    if (sSeasonView < 0)
        sSeasonView = SEASON_CURRENT;
}

// ---- showing ------------------------------------------------------------------------------------

static void Fill_Season_View_List(HWND hDlg, int nTeam, int nSlot) {
    HWND hCombo = GetDlgItem(hDlg, EP_SEASON_VIEW);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    static const char* const kKinds[] = {"This Season", "Last Season", "Career", "Predicted"};
    for (const char* szKind : kKinds)
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szKind);
    int nLines = Count_Player_Season_Links(nTeam, nSlot);
    for (int n = 0; n < nLines; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        char szTeam[TEAM_STRING_SIZE] = "";
        int nLineTeam = Get_Season_Line_Team(nLine);
        if (Is_Team_Active(nLineTeam))
            Get_Team_String(szTeam, (int)sizeof szTeam, nLineTeam, TEAM_ABBREVIATION);
        char szItem[64];
        Format_String(szItem, (int)sizeof szItem, "%d (%s)", Get_Season_Line_Year(nLine), szTeam);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szItem);
    }
    SendMessageA(hCombo, CB_SETCURSEL, sSeasonView, 0);
}

static void Show_Statistics(HWND hDlg, int nTeam, int nSlot) {
    int nSet = Get_Position_Group_QB4(Get_Player_Plain_Position(nTeam, nSlot));
    nSet = Clamp(nSet, 0, EP_LABEL_SETS - 1);
    for (int n = 0; n < EP_STATS; n++) {
        const char* szLabel = kStatLabels[nSet][n];
        SetDlgItemTextA(hDlg, kStatLabelIds[n], szLabel);
        ShowWindow(GetDlgItem(hDlg, EP_FIRST_STAT_BOX + n), *szLabel ? SW_SHOW : SW_HIDE);
        Set_Number_Box(hDlg, EP_FIRST_STAT_BOX + n, Get_Player_Stat(nTeam, nSlot, sSeasonView, n));
    }
    int bLine = Has_Season_Line_View();
    int nLine = bLine ? Get_Player_Season_Line(nTeam, nSlot, sSeasonView - SEASON_FIRST_LINE)
                      : NO_SEASON_LINE;
    SetDlgItemTextA(hDlg, EP_LINE_YEAR, "");
    SetDlgItemTextA(hDlg, EP_LINE_TEAM, "");
    if (bLine) {
        Set_Number_Box(hDlg, EP_LINE_YEAR, Get_Season_Line_Year(nLine));
        Set_Number_Box(hDlg, EP_LINE_TEAM, Get_Season_Line_Team(nLine));
    }
    EnableWindow(GetDlgItem(hDlg, EP_LINE_YEAR), bLine);
    EnableWindow(GetDlgItem(hDlg, EP_LINE_TEAM), bLine);
    ShowWindow(GetDlgItem(hDlg, EP_ERASE_LINE), bLine ? SW_SHOW : SW_HIDE);
}

static void Show_Ratings_Panel(HWND hDlg, int nTeam, int nSlot) {
    int nOverall = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OVERALL_GRADE);
    int nPeak = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, PEAK_GRADE);
    char szLine[TEXT_BUFFER_SIZE];
    Format_String(szLine, (int)sizeof szLine, "Overall: %d", Min_Int(nOverall, nPeak));
    SetDlgItemTextA(hDlg, EP_OVERALL, szLine);
    Format_String(szLine, (int)sizeof szLine, "Peak: %d", nPeak);
    SetDlgItemTextA(hDlg, EP_PEAK, szLine);
    int nPosition = Get_Player_Plain_Position(nTeam, nSlot);
    for (int i = 0; i < EP_KEY_RATINGS; i++) {
        int nRating = Get_Position_Rating_Index(nPosition, i);
        szLine[0] = '\0';
        if (nRating >= 0) {
            char szName[TEXT_BUFFER_SIZE];
            Get_Rating_Name(nRating, szName, (int)sizeof szName);
            Format_String(szLine, (int)sizeof szLine, "%s: %d", szName,
                          (int)Get_Player_Rating(nTeam, nSlot, nRating));
        }
        SetDlgItemTextA(hDlg, EP_FIRST_KEY_RATING + i, szLine);
    }
}

static void Fill_Photo_List(HWND hDlg, int nTeam, int nSlot) {
    HWND hCombo = GetDlgItem(hDlg, EP_PHOTO);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    char szName[TEXT_BUFFER_SIZE], szItem[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name_Plain(nTeam, nSlot, szName, (int)sizeof szName);
    char* pOut = szName;
    for (const char* p = szName; *p; p++) {
        if (*p != '.')
            *pOut++ = *p;
    }
    *pOut = '\0';
    Format_String(szItem, (int)sizeof szItem, "%s.jpg", szName);
    SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szItem);
    Format_String(szItem, (int)sizeof szItem, "%s.jpg", Get_Player_Ostrel_ID(nTeam, nSlot));
    SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szItem);
    int bById = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PHOTO_SOURCE) == EP_PHOTO_BY_ID;
    SendMessageA(hCombo, CB_SETCURSEL, bById ? 1 : 0, 0);
}

static void Fill_Drafted_By_List(HWND hDlg, int nTeam, int nSlot) {
    HWND hCombo = GetDlgItem(hDlg, EP_DRAFTED_BY);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM) "<Unknown>");
    int nTeams = Count_Active_Teams();
    for (int n = 0; n < nTeams; n++) {
        char szAbbreviation[TEAM_STRING_SIZE];
        Get_Team_String(szAbbreviation, (int)sizeof szAbbreviation, n, TEAM_ABBREVIATION);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szAbbreviation);
    }
    int nRecord = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD);
    int nItem = nRecord / EP_DRAFT_TEAM_FACTOR;
    SendMessageA(hCombo, CB_SETCURSEL, nItem <= nTeams ? nItem : 0, 0);
    Set_Number_Box(hDlg, EP_DRAFT_YEAR, nRecord % EP_DRAFT_TEAM_FACTOR);
    int nPick = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
    Set_Number_Box(hDlg, EP_DRAFT_ROUND, nPick / EP_DRAFT_ROUND_FACTOR);
    Set_Number_Box(hDlg, EP_DRAFT_PICK, nPick % EP_DRAFT_PICK_MODULUS);
}

static void Fill_Edit_Player(HWND hDlg) {
    const int nTeam = gScoutTeam, nSlot = gScoutSlot;
    Keep_Season_View_In_Range(nTeam, nSlot);
    char szText[TEXT_BUFFER_SIZE];
    Get_Player_First_Name(nTeam, nSlot, szText, (int)sizeof szText);
    SetDlgItemTextA(hDlg, EP_FIRST_NAME, szText);
    Get_Player_Last_Name(nTeam, nSlot, szText, (int)sizeof szText);
    SetDlgItemTextA(hDlg, EP_LAST_NAME, szText);
    Get_Player_College_Display_Name(nTeam, nSlot, szText, (int)sizeof szText);
    SetDlgItemTextA(hDlg, EP_COLLEGE, szText);
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    SendDlgItemMessageA(hDlg, EP_POSITION, CB_SETCURSEL,
                        nPosition < POSITION_COUNT ? nPosition : EP_ANY_POSITION_ITEM, 0);
    SendDlgItemMessageA(hDlg, EP_ROLE, CB_SETCURSEL,
                        Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION), 0);
    for (const EP_NUMBER_FIELD& f : kVitalFields)
        Set_Number_Box(hDlg, f.nId, Get_Player_Vital_Stat(nTeam, nSlot, f.nVital));
    Set_Number_Box(hDlg, EP_SEASONS, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE));
    Set_Number_Box(hDlg, EP_UNIFORM, Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER));
    Format_String(szText, (int)sizeof szText, "Player ID: %d", Get_Player_ID(nTeam, nSlot));
    SetDlgItemTextA(hDlg, EP_PLAYER_ID, szText);
    Set_Number_Box(hDlg, EP_SALARY, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) * 1000);
    Set_Number_Box(hDlg, EP_BONUS, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS) * 1000);
    Set_Number_Box(hDlg, EP_CONTRACT_YEARS,
                   Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH));
    Set_Number_Box(hDlg, EP_YEARS_LEFT,
                   Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT));
    Fill_Drafted_By_List(hDlg, nTeam, nSlot);
    Fill_Photo_List(hDlg, nTeam, nSlot);
    Fill_Season_View_List(hDlg, nTeam, nSlot);
    Show_Statistics(hDlg, nTeam, nSlot);
    Show_Ratings_Panel(hDlg, nTeam, nSlot);
}

// ---- writing back -------------------------------------------------------------------------------

// Every number box read first, so a box that holds no number stops the write before anything
// changed.
struct EP_NUMBERS {
    int anVitals[sizeof kVitalFields / sizeof kVitalFields[0]];
    int nSeasons, nUniform, nSalary, nBonus, nContractYears, nYearsLeft;
    int nDraftYear, nDraftRound, nDraftPick, nLineYear, nLineTeam;
    int anStats[EP_STATS];
};

static int Read_Edit_Player_Numbers(HWND hDlg, EP_NUMBERS* p) {
    int n = 0;
    for (const EP_NUMBER_FIELD& f : kVitalFields) {
        if (!Read_Number_Box(hDlg, f.nId, f.szLabel, 0, &p->anVitals[n++]))
            return 0;
    }
    if (!Read_Number_Box(hDlg, EP_SEASONS, "Seasons Played", 0, &p->nSeasons) ||
        !Read_Number_Box(hDlg, EP_UNIFORM, "Uniform Number", 0, &p->nUniform) ||
        !Read_Number_Box(hDlg, EP_SALARY, "Annual Salary", 1, &p->nSalary) ||
        !Read_Number_Box(hDlg, EP_BONUS, "Signing Bonus", 1, &p->nBonus) ||
        !Read_Number_Box(hDlg, EP_CONTRACT_YEARS, "Contract Years", 0, &p->nContractYears) ||
        !Read_Number_Box(hDlg, EP_YEARS_LEFT, "Years Remaining", 0, &p->nYearsLeft) ||
        !Read_Number_Box(hDlg, EP_DRAFT_YEAR, "Draft Year", 0, &p->nDraftYear) ||
        !Read_Number_Box(hDlg, EP_DRAFT_ROUND, "Draft Round", 0, &p->nDraftRound) ||
        !Read_Number_Box(hDlg, EP_DRAFT_PICK, "Pick #", 0, &p->nDraftPick))
        return 0;
    if (Has_Season_Line_View() && (!Read_Number_Box(hDlg, EP_LINE_YEAR, "Year", 0, &p->nLineYear) ||
                                   !Read_Number_Box(hDlg, EP_LINE_TEAM, "Team", 0, &p->nLineTeam)))
        return 0;
    for (int i = 0; i < EP_STATS; i++) {
        p->anStats[i] = 0;
        if (!IsWindowVisible(GetDlgItem(hDlg, EP_FIRST_STAT_BOX + i)))
            continue;
        char szLabel[TEXT_BUFFER_SIZE];
        GetDlgItemTextA(hDlg, kStatLabelIds[i], szLabel, (int)sizeof szLabel);
        if (!Read_Number_Box(hDlg, EP_FIRST_STAT_BOX + i, szLabel, 0, &p->anStats[i]))
            return 0;
    }
    return 1;
}

// An offensive lineman's predicted sacks allowed, rushes and yards follow from his blocking.
static void Store_Edited_Statistics(int nTeam, int nSlot, const EP_NUMBERS& numbers, HWND hDlg) {
    for (int i = 0; i < EP_STATS; i++) {
        if (IsWindowVisible(GetDlgItem(hDlg, EP_FIRST_STAT_BOX + i)))
            Set_Player_Stat(nTeam, nSlot, sSeasonView, i, numbers.anStats[i]);
    }
    if (Get_Position_Group(Get_Player_Plain_Position(nTeam, nSlot)) == GROUP_LINE)
        Derive_Lineman_Stats(nTeam, nSlot);
}

// 1 when written; 0 when a box held no number (the user was told, nothing changed).
static int Write_Back_Edit_Player(HWND hDlg) {
    const int nTeam = gScoutTeam, nSlot = gScoutSlot;
    EP_NUMBERS numbers;
    if (!Read_Edit_Player_Numbers(hDlg, &numbers))
        return 0;
    char szText[TEXT_BUFFER_SIZE];
    Get_Edit_Box_Text(hDlg, EP_FIRST_NAME, szText, EP_FIRST_NAME_CHARS);
    Set_Player_First_Name(nTeam, nSlot, szText);
    Get_Edit_Box_Text(hDlg, EP_LAST_NAME, szText, EP_LAST_NAME_CHARS);
    Set_Player_Last_Name(nTeam, nSlot, szText);
    Get_Edit_Box_Text(hDlg, EP_COLLEGE, szText, EP_COLLEGE_CHARS);
    Set_Player_College_Name(nTeam, nSlot, szText);
    int n = 0;
    for (const EP_NUMBER_FIELD& f : kVitalFields)
        Set_Player_Vital_Stat(nTeam, nSlot, f.nVital, numbers.anVitals[n++]);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE,
                          Clamp(numbers.nSeasons, 0, EP_MAX_SEASONS));
    // Held to what the byte can keep: a larger number would come back negative.
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER,
                         Clamp(numbers.nUniform, 0, EP_MAX_UNIFORM));
    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
    int nSalary = Max_Int((numbers.nSalary + 500) / 1000, Get_League_Minimum_Salary(nExperience));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nSalary);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, (numbers.nBonus + 500) / 1000);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, Max_Int(numbers.nContractYears, 1));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, Max_Int(numbers.nYearsLeft, 1));
    int nDraftedBy = (int)SendDlgItemMessageA(hDlg, EP_DRAFTED_BY, CB_GETCURSEL, 0, 0);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD,
                          Max_Int(nDraftedBy, 0) * EP_DRAFT_TEAM_FACTOR + numbers.nDraftYear);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK,
                          numbers.nDraftRound * EP_DRAFT_ROUND_FACTOR + numbers.nDraftPick);
    int bById = SendDlgItemMessageA(hDlg, EP_PHOTO, CB_GETCURSEL, 0, 0) == 1;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PHOTO_SOURCE, bById ? EP_PHOTO_BY_ID : 0);
    if (Has_Season_Line_View()) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, sSeasonView - SEASON_FIRST_LINE);
        // Year 0 would mark the line free while he still holds it; the team is kept in a byte.
        Set_Season_Line_Year(nLine, Max_Int(numbers.nLineYear, 1));
        Set_Season_Line_Team(nLine, Clamp(numbers.nLineTeam, 0, FREE_AGENT_TEAM));
    }
    Store_Edited_Statistics(nTeam, nSlot, numbers, hDlg);
    return 1;
}

// ---- commands -----------------------------------------------------------------------------------

// A move within his position group is stored at once; another one clears his statistics after
// the user agrees. 0 when refused.
static int Change_Edited_Position(int nTeam, int nSlot, int nNewPosition) {
    int nOld = Get_Player_Plain_Position(nTeam, nSlot);
    if (Get_Position_Group_QB4(nOld) == Get_Position_Group_QB4(nNewPosition))
        return 1;
    char szOld[POSITION_NAME_SIZE], szNew[POSITION_NAME_SIZE], szText[TEXT_BUFFER_SIZE];
    Get_Position_Name(nOld, szOld, (int)sizeof szOld);
    Get_Position_Name(nNewPosition, szNew, (int)sizeof szNew);
    Format_String(szText, (int)sizeof szText,
                  "Changing from %s to %s will clear the player's stats and cause a re-sorting of "
                  "your team.",
                  szOld, szNew);
    if (Do_Message_Box(szText, "Position Change", MB_OKCANCEL) != IDOK)
        return 0;
    Clear_Player_Stat_History(nTeam, nSlot);
    for (int nStat = 0; nStat < EP_STATS; nStat++)
        Set_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat,
                        Get_Average_Stat(Clamp(nNewPosition, 0, POSITION_COUNT - 1), nStat));
    return 2;  // the depth chart follows once the position is stored
}

// The roster re-sorted: the scouted slot follows the player.
static void Resort_Edited_Team(int nTeam) {
    int nId = Get_Player_ID(gScoutTeam, gScoutSlot);
    Set_Team_Depth_Chart(nTeam);
    int nFoundTeam = NO_TEAM, nFoundSlot = NO_PLAYER;
    if (Find_Player_ID_Split(&nFoundTeam, &nFoundSlot, nId) && nFoundTeam == nTeam)
        gScoutSlot = nFoundSlot;
}

// What else was typed is written first, so the refill after the change keeps it; a box without a
// number puts the combo back.
static void On_Position_Chosen(HWND hDlg) {
    const int nTeam = gScoutTeam, nSlot = gScoutSlot;
    int nItem = (int)SendDlgItemMessageA(hDlg, EP_POSITION, CB_GETCURSEL, 0, 0);
    if (!Write_Back_Edit_Player(hDlg)) {
        Fill_Edit_Player(hDlg);
        return;
    }
    int nNew = nItem == EP_ANY_POSITION_ITEM ? POS_ANY : nItem;
    int nResult = Change_Edited_Position(nTeam, nSlot, nNew);
    if (nResult == 0) {
        Fill_Edit_Player(hDlg);
        return;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nNew);
    if (nResult == 2)
        Resort_Edited_Team(nTeam);
    Fill_Edit_Player(hDlg);
}

static void On_Role_Chosen(HWND hDlg) {
    const int nTeam = gScoutTeam, nSlot = gScoutSlot;
    int nRole = (int)SendDlgItemMessageA(hDlg, EP_ROLE, CB_GETCURSEL, 0, 0);
    if (!Write_Back_Edit_Player(hDlg)) {
        Fill_Edit_Player(hDlg);
        return;
    }
    int nNew = Translate_Expanded_Position(nRole);
    int nResult = Change_Edited_Position(nTeam, nSlot, nNew);
    if (nResult != 0) {
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION, nRole);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nNew);
        if (nResult == 2)
            Resort_Edited_Team(nTeam);
    }
    Fill_Edit_Player(hDlg);
}

static void Erase_Shown_Season_Line(HWND hDlg) {
    if (!Has_Season_Line_View() || !Write_Back_Edit_Player(hDlg))
        return;
    if (Do_Message_Box("This will erase the current season line.", "Please verify", MB_OKCANCEL) !=
        IDOK)
        return;
    Erase_Player_Season_Line(gScoutTeam, gScoutSlot, sSeasonView - SEASON_FIRST_LINE);
    Fill_Edit_Player(hDlg);  // the view moves back when it was the last line
}

static void Add_Season_Line(HWND hDlg) {
    if (!Write_Back_Edit_Player(hDlg))
        return;
    Add_Player_Season_Line(gScoutTeam, gScoutSlot, Get_Season_Year(), gScoutTeam);
    sSeasonView = SEASON_FIRST_LINE + Count_Player_Season_Links(gScoutTeam, gScoutSlot) - 1;
    Fill_Edit_Player(hDlg);
}

static void Clear_Edited_Player(HWND hDlg) {
    if (Do_Message_Box("This will clear all the player's real, simulated, and 'typical' "
                       "statistics.",
                       "Please verify", MB_OKCANCEL) != IDOK)
        return;
    Clear_Player_Stat_History(gScoutTeam, gScoutSlot);
    for (int i = 0; i < EP_STATS; i++)
        SetDlgItemTextA(hDlg, EP_FIRST_STAT_BOX + i, "0");
    if (Write_Back_Edit_Player(hDlg))
        Fill_Edit_Player(hDlg);
}

static void Copy_Edited_Player(HWND hDlg) {
    const int nTeam = gScoutTeam;
    uint8_t nFree = Get_First_Empty_Player_Slot(nTeam);
    if (nFree == NO_SLOT_BYTE) {
        char szNickname[TEAM_STRING_SIZE];
        Get_Team_String(szNickname, (int)sizeof szNickname, nTeam, TEAM_NICKNAME);
        Show_Message_Box("Cannot Copy Player", "The %s do not have space for another player.",
                         szNickname);
        return;
    }
    if (!Write_Back_Edit_Player(hDlg))
        return;
    Copy_Player(nTeam, nFree, nTeam, gScoutSlot);
    Assign_New_Player_Id(nTeam, nFree);
    Set_Player_First_Name(nTeam, nFree, "New");
    Set_Player_Last_Name(nTeam, nFree, "Player");
    gScoutSlot = nFree;
    Fill_Edit_Player(hDlg);
}

static void Delete_Edited_Player(HWND hDlg) {
    const char* szText = Count_Players(gScoutTeam, ALL_ROSTERS) >= EP_MIN_ROSTER_TO_DELETE
                             ? "Completely eliminate player from game?"
                             : "This will reduce the number of players below those required for "
                               "a team, and may cause serious errors if not rectified.";
    if (Do_Message_Box(szText, "Delete Player", MB_OKCANCEL) != IDOK)
        return;
    Delete_Player(gScoutTeam, gScoutSlot);
    EndDialog(hDlg, 0);
}

// His ratings worked out anew from his predicted statistics as the boxes now hold them.
static void Calculate_Edited_Ratings(HWND hDlg) {
    if (Refuse_Rating_Update_While_Simulating())
        return;
    if (!Write_Back_Edit_Player(hDlg))
        return;
    Calculate_Player_Ratings(gScoutTeam, gScoutSlot);
    Fill_Edit_Player(hDlg);
    InvalidateRect(hDlg, NULL, FALSE);
}

static void Init_Edit_Player(HWND hDlg) {
    Limit_Edit_Box(hDlg, EP_FIRST_NAME, EP_FIRST_NAME_CHARS);
    Limit_Edit_Box(hDlg, EP_LAST_NAME, EP_LAST_NAME_CHARS);
    Limit_Edit_Box(hDlg, EP_COLLEGE, EP_COLLEGE_CHARS);
    HWND hPosition = GetDlgItem(hDlg, EP_POSITION);
    for (int n = 0; n < POSITION_COUNT; n++) {
        char szName[TEXT_BUFFER_SIZE];
        Load_String(IDS_POSITION_NAMES + n, szName, (int)sizeof szName);
        SendMessageA(hPosition, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    SendMessageA(hPosition, CB_ADDSTRING, 0, (LPARAM) "Any Position");
    HWND hRole = GetDlgItem(hDlg, EP_ROLE);
    for (int n = 0; n < EXPANDED_POSITION_LIMIT; n++) {
        char szName[TEXT_BUFFER_SIZE];
        Get_Depth_Role_Name(n, szName, (int)sizeof szName);
        SendMessageA(hRole, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    Fill_Edit_Player(hDlg);
}

static INT_PTR On_Edit_Player_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case EP_DONE:
        if (Write_Back_Edit_Player(hDlg))
            EndDialog(hDlg, 1);
        return TRUE;
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    case EP_ADD_LINE: Add_Season_Line(hDlg); return TRUE;
    case EP_ERASE_LINE: Erase_Shown_Season_Line(hDlg); return TRUE;
    case EP_CALCULATE: Calculate_Edited_Ratings(hDlg); return TRUE;
    case EP_CLEAR: Clear_Edited_Player(hDlg); return TRUE;
    case EP_COPY: Copy_Edited_Player(hDlg); return TRUE;
    case EP_DELETE: Delete_Edited_Player(hDlg); return TRUE;
    case EP_HELP: Show_Help_Topic(IDD_EDIT_PLAYER); return TRUE;
    case EP_EDIT_RATINGS:
        if (Write_Back_Edit_Player(hDlg)) {
            Do_Dialog(hDlg, IDD_EDIT_RATINGS, 0);
            Fill_Edit_Player(hDlg);
        }
        return TRUE;
    default: break;
    }
    if (nCode != CBN_SELCHANGE)
        return FALSE;
    switch (nId) {
    case EP_SEASON_VIEW: {
        int nView = (int)SendDlgItemMessageA(hDlg, EP_SEASON_VIEW, CB_GETCURSEL, 0, 0);
        if (Write_Back_Edit_Player(hDlg))
            sSeasonView = Max_Int(nView, 0);
        Fill_Edit_Player(hDlg);
        return TRUE;
    }
    case EP_POSITION: On_Position_Chosen(hDlg); return TRUE;
    case EP_ROLE: On_Role_Chosen(hDlg); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Edit_Player_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Edit_Player,
                                   On_Edit_Player_Command);
}
