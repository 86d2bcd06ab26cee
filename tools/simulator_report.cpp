// The season simulator's reports: per division each team's record and finishes per season, then
// every team's finances per season; as aligned text or as CSV.
#include <inttypes.h>
#include <string.h>

#include <string>

#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define REPORT_LINE_SIZE 512
#define REPORT_LABEL_SIZE 64
#define FULL_COLUMN_COUNT 13  // a division of five teams or more; one fewer with four, two with three

static const char* const kColumnNames[FULL_COLUMN_COUNT] = {
    "Team", "Division", "Won", "Lost", "WC", "LC", "1R", "1st", "Wild", "2nd", "3rd", "4th", "5+"};
// The finish counters after the record columns, in column order.
static const int kFinishColumns[] = {8, 7, 6, 5, 4, 3, 2, 1, 0};

struct SIMULATOR_REPORT {
    const char* szFile;
    int bCsv;
    int bWritten;
};

static void Write_Line(SIMULATOR_REPORT* pReport, const std::string& stLine) {
    if (!Append_Line_To_File(pReport->szFile, stLine.c_str()))
        pReport->bWritten = 0;
}

// A value that is a sum over S seasons (or games), per season, in units of 1 / nScale.
static int64_t Per_Season(int64_t nSum, int nSeasons, int nScale) {
    return Round_Div(nSum * nScale, nSeasons);
}

static std::string Format_Fixed(int64_t nScaled, int nScale, int nIntegerWidth) {
    char sz[REPORT_LABEL_SIZE];
    int64_t nWhole = nScaled / nScale, nPart = nScaled % nScale;
    if (nPart < 0)
        nPart = -nPart;
    Format_String(sz, sizeof(sz), "%*" PRId64 ".%0*" PRId64, nIntegerWidth, nWhole,
                  nScale == 100 ? 2 : 1, nPart);
    return sz;
}

// A text cell right-aligned to its width, or a CSV cell after its comma.
static void Add_Cell(std::string* pstLine, const SIMULATOR_REPORT* pReport, int nWidth,
                     const std::string& stCell) {
    if (!pstLine->empty())
        *pstLine += pReport->bCsv ? "," : " ";
    if (!pReport->bCsv && (int)stCell.size() < nWidth)
        pstLine->append(nWidth - stCell.size(), ' ');
    *pstLine += stCell;
}

static int Get_Column_Width(int nColumn) {
    static const int kWidths[] = {20, 12, 6, 6};
    return nColumn < 4 ? kWidths[nColumn] : 4;
}

// A division of k teams shows the places it can have: "5+" from five teams, "4th" from four.
static int Count_Division_Columns(int nDivisionTeams) {
    if (nDivisionTeams >= 5)
        return FULL_COLUMN_COUNT;
    return nDivisionTeams == 4 ? FULL_COLUMN_COUNT - 1 : FULL_COLUMN_COUNT - 2;
}

static void Write_Division_Header(SIMULATOR_REPORT* pReport, int nColumns) {
    std::string stLine;
    for (int n = 0; n < nColumns; n++)
        Add_Cell(&stLine, pReport, Get_Column_Width(n), kColumnNames[n]);
    if (pReport->bCsv)
        stLine += ",,Scored,Allowed,,Running,Passing,Run Defense,Pass Defense,Special Teams,Power "
                  "Rank";
    Write_Line(pReport, "");
    Write_Line(pReport, stLine);
}

static void Write_Team_Row(SIMULATOR_REPORT* pReport, const SIMULATOR_RECORD* pRecord, int nTeam,
                           const char* szDivision, int nColumns) {
    int nSeasons = pRecord->nSeasons;
    char szLabel[REPORT_LABEL_SIZE];
    Get_Team_Label(nTeam, szLabel, sizeof(szLabel));
    int nWidth = pReport->bCsv ? 0 : 3;
    std::string stLine;
    Add_Cell(&stLine, pReport, 20, szLabel);
    Add_Cell(&stLine, pReport, 12, szDivision);
    Add_Cell(&stLine, pReport, 6,
             Format_Fixed(Per_Season(pRecord->anWins[nTeam], nSeasons, 100), 100, nWidth));
    Add_Cell(&stLine, pReport, 6,
             Format_Fixed(Per_Season(pRecord->anLosses[nTeam], nSeasons, 100), 100, nWidth));
    for (int n = 4; n < nColumns; n++)
        Add_Cell(&stLine, pReport, 4,
                 std::to_string(pRecord->aanFinishes[nTeam][kFinishColumns[n - 4]]));
    if (pReport->bCsv) {
        int nGames = pRecord->anGamesPlayed[nTeam];
        stLine += ",," + Format_Fixed(Per_Season(pRecord->anPointsScored[nTeam], nGames, 10), 10, 0);
        stLine += "," + Format_Fixed(Per_Season(pRecord->anPointsAllowed[nTeam], nGames, 10), 10, 0);
        char szRatings[REPORT_LINE_SIZE];
        Format_String(szRatings, sizeof(szRatings), ",,%d,%d,%d,%d,%d,%d", Rate_Running_Unit(nTeam),
                      Rate_Passing_Unit(nTeam), Rate_Run_Defense_Unit(nTeam),
                      Rate_Pass_Defense_Unit(nTeam), Rate_Special_Teams_Unit(nTeam),
                      Get_Team_Power_Rank(nTeam) + 1);
        stLine += szRatings;
    }
    Write_Line(pReport, stLine);
}

static void Write_Division(SIMULATOR_REPORT* pReport, const SIMULATOR_RECORD* pRecord,
                           int nDivision) {
    int nTeams = Count_Division_Teams(nDivision);
    if (nTeams <= 0)
        return;
    char szDivision[REPORT_LABEL_SIZE];
    Get_Division_Name(nDivision, szDivision, sizeof(szDivision));
    int nColumns = Count_Division_Columns(nTeams);
    Write_Division_Header(pReport, nColumns);
    for (int n = 0; n < nTeams; n++) {
        int nTeam = Get_Nth_Division_Team(nDivision, n);
        if (nTeam >= 0 && nTeam < SIMULATOR_TEAM_COUNT)
            Write_Team_Row(pReport, pRecord, nTeam, szDivision, nColumns);
    }
}

static void Write_Finances(SIMULATOR_REPORT* pReport, const SIMULATOR_RECORD* pRecord) {
    static const char* const kHeader[] = {"TEAM FINANCES", "Attendance", "Revenue", "Profit"};
    static const int kWidths[] = {30, 10, 10, 10};
    std::string stLine;
    for (int n = 0; n < 4; n++)
        Add_Cell(&stLine, pReport, kWidths[n], kHeader[n]);
    Write_Line(pReport, "");
    Write_Line(pReport, stLine);
    int nSeasons = pRecord->nSeasons;
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams && nTeam < SIMULATOR_TEAM_COUNT; nTeam++) {
        char szLabel[REPORT_LABEL_SIZE];
        Get_Team_Label(nTeam, szLabel, sizeof(szLabel));
        stLine.clear();
        Add_Cell(&stLine, pReport, kWidths[0], szLabel);
        Add_Cell(&stLine, pReport, kWidths[1],
                 std::to_string(Per_Season(pRecord->anAttendance[nTeam], nSeasons, 1)));
        Add_Cell(&stLine, pReport, kWidths[2],
                 std::to_string(Per_Season(pRecord->anRevenue[nTeam], nSeasons, 1)));
        Add_Cell(&stLine, pReport, kWidths[3],
                 std::to_string(Per_Season(pRecord->anProfit[nTeam], nSeasons, 1)));
        Write_Line(pReport, stLine);
    }
}

int Write_Simulator_Report(int nKind) {
    SIMULATOR_REPORT report = {nKind == SIMULATOR_REPORT_CSV ? SIMULATOR_CSV_FILE
                                                             : SIMULATOR_TEXT_FILE,
                               nKind == SIMULATOR_REPORT_CSV, 1};
    SIMULATOR_RECORD record;
    Read_Simulator_Data(&record);
    Platform_Remove_File(report.szFile);
    char szFirst[REPORT_LABEL_SIZE];
    Format_String(szFirst, sizeof(szFirst), "%d SEASONS SIMULATED\n", record.nSeasons);
    Write_Line(&report, szFirst);
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++)
        Write_Division(&report, &record, nDivision);
    Write_Finances(&report, &record);
    return report.bWritten;
}
