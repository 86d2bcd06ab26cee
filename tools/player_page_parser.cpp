// A downloaded player page turned into rows of the seasons file (one per row of his seven
// statistics tables) and of the combine file, found by fixed markers in the page's lines.
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <string>

#include "tools/tools.h"

#define CELL_SLOT_COUNT 120
#define CELL_SLOT_SIZE 100
#define CELL_KEPT_LENGTH 94
#define CELL_TEXT_SIZE 2048
#define KEPT_CELL_LIMIT 50  // cells from this index on are never kept
#define STATS_ROW_SIZE 31900
#define PAGE_POSITION_SIZE 1999
#define COMBINE_SECTION (-1)

enum STATS_SECTION {
    SECTION_PASSING = 0,
    SECTION_RUSHING_RECEIVING,
    SECTION_RECEIVING_RUSHING,
    SECTION_DEFENSE,
    SECTION_KICKING,
    SECTION_RETURNS,
    SECTION_GAMES,
    STATS_SECTION_COUNT
};

static const char* const kSectionTitles[STATS_SECTION_COUNT] = {
    "Passing",
    "Rushing &amp; Receiving",
    "Receiving &amp; Rushing",
    "Defense &amp; Fumbles",
    "Kicking &amp; Punting",
    "Kick &amp; Punt Returns",
    "Games",
};

struct KEPT_CELL {
    int nCell;
    const char* szColumn;  // the seasons file's column it fills
};

// The cells every section keeps (cell 1 is dropped), then each section's own.
static const KEPT_CELL kCommonCells[] = {{0, "Year"}, {2, "Team"}, {3, "Position"},
                                         {4, "Uniform"}, {5, "G"}, {6, "GS"}};
static const KEPT_CELL kPassingCells[] = {
    {8, "PaCom"}, {9, "PaAtt"}, {11, "PaYds"}, {12, "PaTD"}, {14, "PaInt"},
    {16, "Pass_1stD"}, {17, "PaLg"}, {24, "PaSk"}, {25, "PaSkYds"}, {31, "Value"}};
static const KEPT_CELL kRushingCells[] = {
    {7, "RuAtt"}, {8, "RuYds"}, {9, "RuTD"}, {10, "Rush_1stD"}, {11, "RuLg"},
    {15, "Targeted"}, {16, "Recepts"}, {17, "ReYds"}, {19, "ReTD"}, {20, "Rec_1stD"},
    {21, "ReLg"}, {31, "Fumbles"}, {32, "Value"}};
static const KEPT_CELL kReceivingCells[] = {
    {7, "Targeted"}, {8, "Recepts"}, {9, "ReYds"}, {11, "ReTD"}, {12, "Rec_1stD"},
    {13, "ReLg"}, {18, "RuAtt"}, {19, "RuYds"}, {20, "RuTD"}, {21, "Rush_1stD"},
    {22, "RuLg"}, {31, "Fumbles"}, {32, "Value"}};
static const KEPT_CELL kDefenseCells[] = {
    {7, "Int"}, {8, "Int_Return_Yds"}, {9, "Int_Return_TD"}, {10, "DefIntLg"}, {11, "PD"},
    {12, "FF"}, {13, "Fumbles"}, {14, "FR"}, {15, "Fum_Ret_Yds"}, {16, "Fum_Ret_TD"},
    {17, "Sk"}, {19, "Comb"}, {20, "Asst"}, {21, "TklForLoss"}, {22, "QB_Hits"},
    {23, "SAF"}, {24, "Value"}};
static const KEPT_CELL kKickingCells[] = {
    {7, "FGA_Under_20"}, {8, "FGM_Under_20"}, {9, "FGA_20_29"}, {10, "FGM_20_29"},
    {11, "FGA_30_39"}, {12, "FGM_30_39"}, {13, "FGA_40_49"}, {14, "FGM_40_49"},
    {15, "FGA_50_Plus"}, {16, "FGM_50_Plus"}, {17, "FGA"}, {18, "FGM"}, {19, "FG_Lg"},
    {21, "XPA"}, {22, "XPM"}, {29, "Punts"}, {30, "PuntYards"}, {31, "PuntLg"},
    {32, "Punts_Blocked"}, {34, "Value"}};
static const KEPT_CELL kReturnCells[] = {
    {7, "PuntReturns"}, {8, "PuntRetYds"}, {9, "PuntRetTD"}, {10, "PuntRetLg"},
    {12, "KickReturns"}, {13, "KickRetYds"}, {14, "KickRetTD"}, {15, "KickRetLg"},
    {18, "Value"}};
static const KEPT_CELL kGamesCells[] = {{7, "Value"}};

struct SECTION_CELLS {
    const KEPT_CELL* pCells;
    int nCount;
};

#define SECTION_TABLE(a) {a, (int)(sizeof(a) / sizeof(a[0]))}
static const SECTION_CELLS kSectionCells[STATS_SECTION_COUNT] = {
    SECTION_TABLE(kPassingCells), SECTION_TABLE(kRushingCells), SECTION_TABLE(kReceivingCells),
    SECTION_TABLE(kDefenseCells), SECTION_TABLE(kKickingCells), SECTION_TABLE(kReturnCells),
    SECTION_TABLE(kGamesCells)};

static int gLastPageYear = 0;  // stands in for a year cell that reads as 0 or less

void Reset_Player_Page_Year(void) {
    gLastPageYear = 0;
}

// The column of the seasons file's header with that name; -1 when it has none.
static int Find_Seasons_Column(const char* szName) {
    std::string stHeader = SEASONS_CSV_HEADER;
    int nColumn = 0;
    size_t nStart = 0;
    for (;;) {
        size_t nEnd = stHeader.find(',', nStart);
        if (stHeader.compare(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart,
                             szName) == 0)
            return nColumn;
        if (nEnd == std::string::npos)
            return -1;
        nStart = nEnd + 1;
        nColumn++;
    }
}

int Get_Stats_Cell_Slot(int nSection, int nCell) {
    if (nSection < 0 || nSection >= STATS_SECTION_COUNT || nCell < 0 || nCell >= KEPT_CELL_LIMIT)
        return -1;
    for (const KEPT_CELL& cell : kCommonCells) {
        if (cell.nCell == nCell)
            return Find_Seasons_Column(cell.szColumn) + 1;
    }
    const SECTION_CELLS& section = kSectionCells[nSection];
    for (int n = 0; n < section.nCount; n++) {
        if (section.pCells[n].nCell == nCell)
            return Find_Seasons_Column(section.pCells[n].szColumn) + 1;
    }
    return -1;
}

struct MISSING_COLUMNS {
    int bNoQbr, bNoFirstDowns, bNoTargets;
};

static int Line_Has(const char* szLine, const char* szText, int bAnyCase) {
    return (bAnyCase ? strcasestr(szLine, szText) : strstr(szLine, szText)) != NULL;
}

static MISSING_COLUMNS Find_Missing_Columns(const char* szLine, int nSection) {
    MISSING_COLUMNS missing = {0, 0, 0};
    if (nSection == SECTION_PASSING) {
        missing.bNoQbr = !Line_Has(szLine, "qbr", 0);
        missing.bNoFirstDowns = !Line_Has(szLine, "first_down", 0);
    } else if (nSection == SECTION_RUSHING_RECEIVING || nSection == SECTION_RECEIVING_RUSHING) {
        missing.bNoTargets = !Line_Has(szLine, "targets", 1);
        missing.bNoFirstDowns = !Line_Has(szLine, "first_down", 1);
    }
    return missing;
}

// The index of the cell after nCell: older tables lack some columns, whose cells are skipped.
static int Get_Next_Cell_Index(int nSection, int nCell, const MISSING_COLUMNS& missing) {
    int nNext = nCell + 1;
    switch (nSection) {
    case SECTION_PASSING:
        if (missing.bNoQbr && nCell == 22)
            nNext = 24;
        if (missing.bNoFirstDowns && nNext == 16)
            nNext = 17;
        break;
    case SECTION_RUSHING_RECEIVING:
        if (missing.bNoTargets && (nCell == 14 || nCell == 24))
            nNext = nCell + 2;
        if (missing.bNoFirstDowns && (nNext == 10 || nNext == 20))
            nNext++;
        break;
    case SECTION_RECEIVING_RUSHING:
        if (missing.bNoTargets && (nCell == 6 || nCell == 16))
            nNext = nCell + 2;
        if (missing.bNoFirstDowns && (nNext == 12 || nNext == 21))
            nNext++;
        break;
    default: break;
    }
    return nNext;
}

// The year cell: markers removed; 0 or less takes the last year seen, any other becomes it.
static void Read_Year_Cell(char* szCell, int nSize) {
    std::string stDigits;
    for (const char* p = szCell; *p; p++) {
        if (*p != '*' && *p != '+')
            stDigits.push_back(*p);
    }
    int nYear = atoi(stDigits.c_str());
    if (nYear <= 0)
        nYear = gLastPageYear;
    else
        gLastPageYear = nYear;
    Format_String(szCell, nSize, "%d", nYear);
}

static void Write_Stats_Row(char (*aszSlots)[CELL_SLOT_SIZE], const char* szId) {
    static const int kYearSlot = 4, kTeamSlot = 5, kGamesSlot = 10;
    if (!aszSlots[kYearSlot][0] || !aszSlots[kTeamSlot][0] || !aszSlots[kGamesSlot][0])
        return;
    std::string stRow = std::string(szId) + ",0,";
    for (int nSlot = 3; nSlot < CELL_SLOT_COUNT; nSlot++)
        stRow += std::string(aszSlots[nSlot]) + ",";
    if (stRow.size() >= STATS_ROW_SIZE)
        stRow.resize(STATS_ROW_SIZE - 1);
    Append_Line_To_File(SEASONS_FILE_PATH, stRow.c_str());
}

static void Write_Combine_Row(char (*aszSlots)[CELL_SLOT_SIZE], const char* szId,
                              const char* szName) {
    std::string stRow = std::string(szId) + ",0," + szName;
    for (int nSlot = 0; nSlot < 10; nSlot++)
        stRow += std::string(",") + aszSlots[nSlot];
    Append_Line_To_File(COMBINE_FILE_PATH, stRow.c_str());
}

// One row of a statistics table (or the combine table for COMBINE_SECTION); 0 when there is no
// further row to read.
int Parse_Stats_Table_Row(FILE* pFile, const char* szFileName, int nSection, const char* szId,
                          const char* szName) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    static char aszSlots[CELL_SLOT_COUNT][CELL_SLOT_SIZE];
    int bAtEnd = Read_Line_Limit(szFileName, szLine, pFile, DOWNLOAD_LINE_LIMIT);
    if (bAtEnd && !szLine[0])
        return 0;
    memset(aszSlots, 0, sizeof(aszSlots));
    MISSING_COLUMNS missing = Find_Missing_Columns(szLine, nSection);
    int nCells = 0;
    const char* pRest = szLine;
    for (int nCell = 0;; nCell = nSection == COMBINE_SECTION
                                     ? nCell + 1
                                     : Get_Next_Cell_Index(nSection, nCell, missing)) {
        char szCell[CELL_TEXT_SIZE];
        int nAfter = Take_HTML_Cell(szCell, sizeof(szCell), pRest);
        if (nAfter == 0)
            break;
        pRest += nAfter;
        nCells++;
        Strip_HTML_Tags(szCell);
        Remove_Characters(szCell, ",");  // "1,024" yards: a file field holds no comma
        if (nCell == 0)
            Read_Year_Cell(szCell, sizeof(szCell));
        int nSlot = nSection == COMBINE_SECTION ? nCell : Get_Stats_Cell_Slot(nSection, nCell);
        if (nSlot >= 0 && nSlot < CELL_SLOT_COUNT)
            safe_strncpy(aszSlots[nSlot], szCell, CELL_KEPT_LENGTH + 1);
    }
    if (nCells == 0)
        return 0;
    if (nSection == COMBINE_SECTION) {
        Write_Combine_Row(aszSlots, szId, szName);
        return 0;  // one combine row a page
    }
    safe_strncpy(aszSlots[7], szName, CELL_KEPT_LENGTH + 1);
    Write_Stats_Row(aszSlots, szId);
    return 1;
}

// Opens the file at the first row of the table under the heading; NULL when there is none.
static FILE* Open_Table(const char* szFileName, const char* szHeading) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    FILE* pFile = Platform_Open_File(szFileName, "rt");
    if (!pFile)
        return NULL;
    if (Find_Line_Containing(szFileName, szLine, pFile, szHeading) &&
        Find_Line_Containing(szFileName, szLine, pFile, "<tbody>"))
        return pFile;
    fclose(pFile);
    return NULL;
}

int Parse_Stats_Tables(const char* szFileName, const char* szId, const char* szName) {
    int nTables = 0;
    for (int nSection = 0; nSection < STATS_SECTION_COUNT; nSection++) {
        char szHeading[128];
        Format_String(szHeading, sizeof(szHeading), "<h2>%s</h2>", kSectionTitles[nSection]);
        FILE* pFile = Open_Table(szFileName, szHeading);
        if (!pFile)
            continue;
        nTables++;
        while (Parse_Stats_Table_Row(pFile, szFileName, nSection, szId, szName)) {
        }
        fclose(pFile);
    }
    return nTables;
}

int Parse_Combine_Table(const char* szFileName, const char* szId, const char* szName) {
    FILE* pFile = Open_Table(szFileName, "<h2>Combine Measurements</h2>");
    if (!pFile)
        return 0;
    Parse_Stats_Table_Row(pFile, szFileName, COMBINE_SECTION, szId, szName);
    fclose(pFile);
    return 1;
}

void Get_Page_Position(const char* szFileName, char* szPosition, int nSize) {
    static char szLine[DOWNLOAD_LINE_LIMIT];
    szPosition[0] = 0;
    FILE* pFile = Platform_Open_File(szFileName, "rt");
    if (!pFile)
        return;
    if (Find_Line_Containing(szFileName, szLine, pFile, "Position")) {
        const char* pColon = strchr(szLine, ':');
        if (pColon && pColon[1]) {
            char szText[PAGE_POSITION_SIZE];
            safe_strncpy(szText, pColon + 2, sizeof(szText));
            Clean_Position_Text(szText);
            safe_strncpy(szPosition, szText, nSize);
        }
    }
    fclose(pFile);
}

void Parse_Player_Page(char* szPosition, int nSize, const char* szPageFile, const char* szId,
                       const char* szName) {
    char szParsed[IMPORT_PATH_SIZE];
    if (!Split_Table_Rows(szPageFile, szParsed, sizeof(szParsed)))
        return;
    if (!szPosition[0])
        Get_Page_Position(szParsed, szPosition, nSize);
    int nTables = Parse_Stats_Tables(szParsed, szId, szName);
    nTables += Parse_Combine_Table(szParsed, szId, szName);
    if (nTables == 0)
        Log_Debug_Line("%s has no statistics or combine table: skipped", szPageFile);
}
