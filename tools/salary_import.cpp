// Contracts of a build: the salaries file's contracts, the league minimums, and team payrolls
// fitted to the cap room each team had.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define SALARY_FIELD_COUNT 15
#define FIRST_SALARIES_YEAR 2017
#define FIRST_CAP_YEAR 2015
#define SALARY_LINES_PER_STEP 300
#define SALARY_FILE_STEPS 7
#define CAP_HIT_SLACK 1825000  // dollars under the target that a team may stay
#define DEFAULT_CAP 182500000
#define CAP_SHARE_PERCENT 95
#define MOST_BONUS_YEARS 4
#define VITAL_CAP_HIT 7      // dollars
#define VITAL_HAS_SALARY 27  // during a build: 1 when the salaries file gave a salary

enum SALARY_COLUMN {
    SAL_OSTREL_ID = 0,
    SAL_PLAYER_ID = 1,
    SAL_TEAM = 2,
    SAL_FIRST_NAME = 4,
    SAL_LAST_NAME = 5,
    SAL_POSITION = 6,
    SAL_WEEKS_OUT = 8,
    SAL_REASON_OUT = 9,
    SAL_YEARS_LEFT = 10,
    SAL_AVERAGE_SALARY = 11,
    SAL_SIGNING_BONUS = 12,
    SAL_CONTRACT_YEARS = 13,
    SAL_CAP_HIT = 14
};

static int Get_Minimum_Salary(int nTeam, int nSlot) {
    return Get_League_Minimum_Salary(
        Max_Int(0, Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_EXPERIENCE)));
}

static int64_t Max_Int64(int64_t a, int64_t b) {
    return a > b ? a : b;
}

static void Clear_Salary(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, 0);
}

void Clear_All_Salaries(void) {
    For_Each_Roster_Player(Clear_Salary);
}

static void Mark_Salary(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HAS_SALARY,
                          Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SALARY) > 0);
}

void Mark_Players_With_Salary(void) {
    For_Each_Roster_Player(Mark_Salary);
}

// A column's number when it is not empty; 0 when it is.
static int Read_Salary_Column(const char* szField, int* pValue) {
    if (szField[0] == 0)
        return 0;
    *pValue = Read_Money_Field(szField);
    return 1;
}

static void Store_Salary_Columns(int nTeam, int nSlot, char (*aszFields)[IMPORT_FIELD_SIZE]) {
    int nValue, nWeeks = 0;
    if (Read_Salary_Column(aszFields[SAL_WEEKS_OUT], &nWeeks) && nWeeks > 0)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, nWeeks);
    if (nWeeks > 0 && aszFields[SAL_REASON_OUT][0] != 0)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY,
                              Find_Injury_Code(aszFields[SAL_REASON_OUT]));
    if (Read_Salary_Column(aszFields[SAL_YEARS_LEFT], &nValue))
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, Max_Int(1, nValue));
    if (Read_Salary_Column(aszFields[SAL_AVERAGE_SALARY], &nValue))
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Max_Int(0, nValue) / 1000);
    if (Read_Salary_Column(aszFields[SAL_SIGNING_BONUS], &nValue))
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Max_Int(0, nValue) / 1000);
    if (Read_Salary_Column(aszFields[SAL_CONTRACT_YEARS], &nValue))
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, Max_Int(1, nValue));
    if (Read_Salary_Column(aszFields[SAL_CAP_HIT], &nValue))
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_HIT, Max_Int(0, nValue));
}

int Import_Salary_Line(char* szLine) {
    char aszFields[SALARY_FIELD_COUNT][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, SALARY_FIELD_COUNT);
    Keep_Safe_File_Characters(aszFields[SAL_OSTREL_ID]);
    int nTeam = NO_TEAM, nSlot = -1;
    int bFound = aszFields[SAL_OSTREL_ID][0] != 0 &&
                 Find_Player_By_Ostrel_Text(&nTeam, &nSlot, aszFields[SAL_OSTREL_ID]);
    if (!bFound)
        bFound = Get_Player_By_ID(&nTeam, &nSlot, Read_Import_Int(aszFields[SAL_PLAYER_ID]));
    if (!bFound) {
        char szName[64];
        Format_String(szName, sizeof(szName), "%s %s", aszFields[SAL_FIRST_NAME],
                      aszFields[SAL_LAST_NAME]);
        int nDetailed = Parse_Position_Abbreviation(aszFields[SAL_POSITION]);
        bFound = Find_Player_By_Name(&nTeam, &nSlot, szName,
                                     Get_Team_From_Abbreviation(aszFields[SAL_TEAM], 0),
                                     nDetailed < 0 ? -1 : Translate_Expanded_Position(nDetailed));
    }
    if (bFound && Is_Player_Slot_Used(nTeam, nSlot)) {
        Store_Salary_Columns(nTeam, nSlot, aszFields);
        return 1;
    }
    Append_Format_Line(SALARIES_MISSING_PATH, "%s,%s,%s,%s", aszFields[SAL_FIRST_NAME],
                       aszFields[SAL_LAST_NAME], aszFields[SAL_TEAM], aszFields[SAL_POSITION]);
    return 0;
}

void Import_Salaries_File(void) {
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (nYear < FIRST_SALARIES_YEAR)
        return;
    char szPath[IMPORT_PATH_SIZE];
    Format_String(szPath, sizeof(szPath), SALARIES_FILE_FORMAT, nYear);
    if (!File_Exists(szPath)) {
        Show_Message_Box("Read Error", REQUIRED_FILE_MISSING_TEXT, szPath);
        return;
    }
    Clear_All_Salaries();  // the file's salaries replace all
    IMPORT_PROGRESS progress = {SALARY_LINES_PER_STEP, SALARY_FILE_STEPS, 0, Import_Salary_Line};
    if (!Read_Import_File(szPath, REQUIRED_FILE_MISSING_TEXT, Read_Stepped_Data_Line, &progress))
        return;
    Finish_Import_Progress(&progress);
    Mark_Players_With_Salary();
}

// ---- payrolls fitted to the cap room ------------------------------------------------------------

static int64_t Get_Team_Payroll_Dollars(int nTeam) {
    return (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
}

void Fit_Team_Cap_Hits(int nTeam, int nTarget) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        int64_t nCapHit = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CAP_HIT);
        if (nCapHit == 0)
            continue;
        int64_t nImpact = (int64_t)Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT) * 1000;
        int64_t nFitted = (int64_t)Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SALARY) * 1000 +
                          nCapHit - nImpact;
        int64_t nPayroll = Get_Team_Payroll_Dollars(nTeam);
        if (nPayroll < nTarget - CAP_HIT_SLACK && nImpact < nCapHit)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, (int)(nFitted / 1000));
        else if (nPayroll > nTarget && nCapHit < nImpact)
            Set_Player_Vital_Stat(
                nTeam, nSlot, VITAL_SALARY,
                (int)(Max_Int64(nFitted, (int64_t)Get_Minimum_Salary(nTeam, nSlot) * 1000) / 1000));
    }
}

void Remove_Team_Signing_Bonuses(int nTeam, int nTarget) {
    int64_t nLimit = Max_Int64(nTarget, Get_Universe_Stat(UNIVERSE_SALARY_CAP));
    for (int nYears = 1; nYears <= MOST_BONUS_YEARS; nYears++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Get_Team_Payroll_Dollars(nTeam) <= nLimit)
                return;
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= nYears &&
                Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SIGNING_BONUS) >= 1)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
        }
    }
}

typedef struct CAP_ROOM_READ {
    const char* szPath;
    int nLines;
} CAP_ROOM_READ;

static void Read_Cap_Room_Line(char* szLine, int nLine, void* pContext) {
    CAP_ROOM_READ* pRead = (CAP_ROOM_READ*)pContext;
    char aszFields[2][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, 2);
    int nTeam = Get_Team_From_Name(aszFields[0]);
    if (nTeam == NO_TEAM || !Is_Team_Active(nTeam)) {
        if (aszFields[0][0] != 0 && nLine < pRead->nLines - 1)
            Show_Message_Box("Import Warning", "Error in %s. Can't find team: %s", pRead->szPath,
                             aszFields[0]);
        return;
    }
    int nTarget = Get_Universe_Stat(UNIVERSE_SALARY_CAP) - Read_Money_Field(aszFields[1]);
    Fit_Team_Cap_Hits(nTeam, nTarget);
    Remove_Team_Signing_Bonuses(nTeam, nTarget);
}

void Import_Cap_Room_File(void) {
    char szPath[IMPORT_PATH_SIZE];
    Format_String(szPath, sizeof(szPath), CAP_ROOM_FILE_FORMAT,
                  Get_Universe_Stat(UNIVERSE_FIRST_YEAR));
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (pFile == NULL)
        return;
    CAP_ROOM_READ read = {szPath, Count_File_Lines(szPath)};
    For_Each_Import_Line(szPath, pFile, Read_Cap_Room_Line, &read);
    fclose(pFile);
}

void Fit_All_Payrolls_To_Cap(void) {
    int64_t nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (nCap <= 0)
        nCap = Round_Div((int64_t)Get_Universe_Stat(UNIVERSE_INFLATION) * DEFAULT_CAP, 1000);
    Scale_All_Team_Payrolls((int)Round_Div(nCap * CAP_SHARE_PERCENT, 100));
}

// ---- league minimums ----------------------------------------------------------------------------

static void Raise_Salary_To_Minimum(int nTeam, int nSlot) {
    if (nTeam >= LEAGUE_TEAM_COUNT)
        return;
    int nMinimum = Get_Minimum_Salary(nTeam, nSlot);
    int nSalary = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SALARY);
    if (nSalary >= nMinimum)
        return;
    int nBonus =
        Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SIGNING_BONUS) -
        (nMinimum - nSalary) * Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CONTRACT_LENGTH);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Max_Int(0, nBonus));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nMinimum);
}

void Raise_Salaries_To_Minimum(void) {
    For_Each_Roster_Player(Raise_Salary_To_Minimum);
}

static void Fix_Contract_Minimum(int nTeam, int nSlot) {
    int nMinimum = Get_Minimum_Salary(nTeam, nSlot);
    if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SALARY) < nMinimum)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nMinimum);
    int nYearsLeft = Max_Int(1, Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYearsLeft);
    if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CONTRACT_LENGTH) < nYearsLeft)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nYearsLeft);
}

void Fix_Contract_Minimums(void) {
    For_Each_Roster_Player(Fix_Contract_Minimum);
}
