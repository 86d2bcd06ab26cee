// The users' Hall of Fame in "VntFame.dat": the file made when missing, read with a check that
// it is whole, the user entered at retirement, and the best teams' ratings.
#include <math.h>
#include <string.h>

#include "database/database.h"
#include "setup/new_game_internal.h"
#include "setup/setup.h"

#define FAME_FILE_NAME "VntFame.dat"
#define FAME_AVERAGE_ROW_TEAM (-1)  // the league-average row
#define RATING_SEASON_SCALE 100000
#define RATING_SCALE 1000

// ---- reading and writing ------------------------------------------------------------------------

static long Get_Fame_File_Size(void) {
    FILE* pFile = Platform_Open_File(FAME_FILE_NAME, "rb");
    if (!pFile)
        return -1;
    fseek(pFile, 0, SEEK_END);
    long nSize = ftell(pFile);
    fclose(pFile);
    return nSize;
}

static int Is_Text_Ended(const char* szText) {
    return memchr(szText, 0, FAME_TEXT_SIZE) != NULL;
}

// Whole tables: every text ended, display classes known and each table in falling rating order.
static int Is_Fame_Record_Sound(const FAME_RECORD* pRecord) {
    if (!Is_Text_Ended(pRecord->szUserName))
        return 0;
    for (const auto& aTable : pRecord->aaTables) {
        for (int nRow = 0; nRow < FAME_ROWS; nRow++) {
            const FAME_ENTRY& entry = aTable[nRow];
            if (!Is_Text_Ended(entry.szCoach) || !Is_Text_Ended(entry.szTeam) ||
                entry.nDisplayClass < FAME_CLASS_GREY || entry.nDisplayClass > FAME_CLASS_DEFAULT)
                return 0;
            if (nRow > 0 && entry.nRating > aTable[nRow - 1].nRating)
                return 0;
        }
    }
    return 1;
}

int Read_Checked_Fame_File(FAME_RECORD* pRecord) {
    long nSize = Get_Fame_File_Size();
    if (!Read_Fame_File(pRecord))
        return FAME_READ_MISSING;
    if (nSize != (long)sizeof(FAME_RECORD) || !Is_Fame_Record_Sound(pRecord)) {
        memset(pRecord, 0, sizeof *pRecord);
        return FAME_READ_DAMAGED;
    }
    return FAME_READ_OK;
}

// Ten careers of the league's lore, the same in every table.
static void Fill_Default_Fame_Rows(FAME_RECORD* pRecord) {
    struct DEFAULT_ROW {
        const char* szCoach;
        const char* szTeam;
        int nFirst, nLast, nWins, nLosses, nTies, nPlayoffWins, nPlayoffLosses, nRating;
    };
    static const DEFAULT_ROW kRows[FAME_ROWS] = {
        {"Hollis Marchetti", "Green Bay Packers", 1959, 1967, 89, 29, 4, 9, 1, 812},
        {"Dorsey Quillan", "Miami Dolphins", 1970, 1995, 257, 133, 2, 17, 19, 794},
        {"Abner Kettleman", "Pittsburgh Steelers", 1969, 1991, 193, 148, 1, 16, 8, 781},
        {"Ruben Castellane", "San Francisco 49ers", 1979, 1988, 92, 59, 1, 10, 4, 770},
        {"Lyle Brandstetter", "Dallas Cowboys", 1960, 1988, 250, 162, 6, 20, 16, 752},
        {"Wendell Okafor", "Washington Redskins", 1981, 1992, 124, 60, 0, 16, 5, 741},
        {"Gus Havlicek", "Chicago Bears", 1920, 1967, 318, 148, 31, 6, 3, 733},
        {"Merritt Solberg", "New England Patriots", 2000, 2019, 237, 83, 0, 30, 11, 725},
        {"Cyrus Delahunt", "Oakland Raiders", 1969, 1978, 103, 32, 7, 9, 7, 714},
        {"Thaddeus Rook", "Minnesota Vikings", 1967, 1983, 158, 96, 5, 12, 12, 698},
    };
    for (auto& aTable : pRecord->aaTables) {
        for (int nRow = 0; nRow < FAME_ROWS; nRow++) {
            const DEFAULT_ROW& row = kRows[nRow];
            FAME_ENTRY& entry = aTable[nRow];
            safe_strncpy(entry.szCoach, row.szCoach, sizeof entry.szCoach);
            safe_strncpy(entry.szTeam, row.szTeam, sizeof entry.szTeam);
            entry.nFirstSeason = row.nFirst;
            entry.nLastSeason = row.nLast;
            entry.nWins = row.nWins;
            entry.nLosses = row.nLosses;
            entry.nTies = row.nTies;
            entry.nPlayoffWins = row.nPlayoffWins;
            entry.nPlayoffLosses = row.nPlayoffLosses;
            entry.nRating = row.nRating;
            entry.nDisplayClass = FAME_CLASS_DEFAULT;
        }
    }
}

void Rebuild_Fame_File(void) {
    static FAME_RECORD record;
    memset(&record, 0, sizeof record);
    Fill_Default_Fame_Rows(&record);
    safe_strncpy(record.szUserName, "My Name", sizeof record.szUserName);
    Write_Fame_File(&record);
}

int Ensure_Fame_File(void) {
    if (File_Exists(FAME_FILE_NAME))
        return 0;
    Rebuild_Fame_File();
    return 1;
}

int Get_Fame_File_Value(int nIndex) {
    if (nIndex < 0 || nIndex >= FAME_VALUE_COUNT)
        return 0;
    static FAME_RECORD record;
    Read_Fame_File(&record);
    return record.anValues[nIndex];
}

void Get_Fame_File_User_Name(char* szOut, int nSize) {
    szOut[0] = 0;
    static FAME_RECORD record;
    if (File_Exists(FAME_FILE_NAME) && Read_Checked_Fame_File(&record) == FAME_READ_OK)
        safe_strncpy(szOut, record.szUserName, nSize);
}

// ---- the teams' ratings ---------------------------------------------------------------------------

int Get_Team_Fame_Rating(int nTeam) {
    return nTeam == NO_TEAM ? 0 : Get_Team_History_Stat(nTeam, HISTORY_SUCCESS);
}

int Get_Best_Human_Team(void) {
    int nBest = NO_TEAM;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Human_Team(nTeam) &&
            (nBest == NO_TEAM || Get_Team_Fame_Rating(nTeam) >= Get_Team_Fame_Rating(nBest)))
            nBest = nTeam;
    }
    return nBest;
}

static int Compute_Team_Rating(int nTeam) {
    int nWins = Get_Team_History_Stat(nTeam, HISTORY_WINS);
    int nLosses = Get_Team_History_Stat(nTeam, HISTORY_LOSSES);
    int nTies = Get_Team_History_Stat(nTeam, HISTORY_TIES);
    int nPlayoffWins = Get_Team_History_Stat(nTeam, HISTORY_PLAYOFF_WINS);
    int nGames = (nWins + nLosses + nTies) * 2;
    int nValue = nGames == 0 ? 0 : Mul_Div(nTies + (nWins + nPlayoffWins) * 2, RATING_SCALE, nGames);
    nValue += Get_Team_Financial_Stat(nTeam, FIN_REVENUE_INDEX);
    int nSeasonFactor = Signed_Root(gSeasonNumber * RATING_SEASON_SCALE);
    if (nSeasonFactor > RATING_SCALE)
        nSeasonFactor = RATING_SCALE;
    int nRating = Mul_Div(nValue, nSeasonFactor, RATING_SCALE);
    return nRating > 0 ? nRating : 0;
}

int Get_Best_Rated_Team(void) {
    int nBest = NO_TEAM, nBestRating = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nRating = Compute_Team_Rating(nTeam);
        if (nBest == NO_TEAM || nRating >= nBestRating) {
            nBest = nTeam;
            nBestRating = nRating;
        }
    }
    return nBest;
}

// ---- retirement ---------------------------------------------------------------------------------

static int Get_Fame_Level(void) {
    return gDifficulty >= 0 && gDifficulty < FAME_LEVELS ? gDifficulty : 0;
}

static void Fill_User_Fame_Entry(FAME_ENTRY* pEntry, int nTeam, int nRating) {
    memset(pEntry, 0, sizeof *pEntry);
    if (nTeam == FAME_AVERAGE_ROW_TEAM)
        safe_strncpy(pEntry->szTeam, "NFL Average", sizeof pEntry->szTeam);
    else if (nTeam != NO_TEAM && nTeam < HALL_OF_FAME_TEAM)
        Get_Team_String(pEntry->szTeam, sizeof pEntry->szTeam, nTeam, TEAM_CITY);
    if (nTeam >= 0 && nTeam < HALL_OF_FAME_TEAM)
        Get_Team_String(pEntry->szCoach, sizeof pEntry->szCoach, nTeam, TEAM_MANAGER_NAME);
    pEntry->nFirstSeason = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    pEntry->nLastSeason = Get_Season_Year() - 1;
    for (int nSeason = 0; nTeam >= 0 && nSeason < gSeasonNumber; nSeason++) {
        pEntry->nWins += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS);
        pEntry->nLosses += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES);
        pEntry->nTies += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_TIES);
        pEntry->nPlayoffWins += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_PLAYOFF_WINS);
        pEntry->nPlayoffLosses += Get_Team_Yearly_Char(nTeam, nSeason, YEARLY_PLAYOFF_LOSSES);
    }
    pEntry->nRating = nRating;
    pEntry->nDisplayClass = FAME_CLASS_GREY;
    if (nTeam >= 0)
        pEntry->nRevenueIndex = Get_Team_Financial_Stat(nTeam, FIN_REVENUE_INDEX);
}

void Enter_User_Into_Fame_Table(FAME_RECORD* pRecord) {
    int nTeam = Get_Best_Human_Team();
    int nRating = Get_Team_Fame_Rating(nTeam);
    FAME_ENTRY* aTable = pRecord->aaTables[Get_Fame_Level()];
    int nRow = 0;
    while (nRow < FAME_ROWS && aTable[nRow].nRating >= nRating)
        nRow++;
    if (nRow == FAME_ROWS)
        return;
    memmove(&aTable[nRow + 1], &aTable[nRow], (FAME_ROWS - 1 - nRow) * sizeof(FAME_ENTRY));
    Fill_User_Fame_Entry(&aTable[nRow], nTeam, nRating);
    Do_Message_Box("You used either Commissioner Mode, Advanced Game Options, or Resume Game to "
                   "achieve your Vanto Rating. It will be shown in gray. Vanto Ratings earned "
                   "without these features are shown in white.",
                   "Vanto Rating", MB_OK | MB_ICONINFORMATION);
}

int Confirm_Retirement(void) {
    int nRating = Get_Team_Fame_Rating(Get_Best_Human_Team());
    static FAME_RECORD record;
    int nRead = Read_Checked_Fame_File(&record);
    if (nRead == FAME_READ_DAMAGED) {
        // The users' earlier careers may still be in the file: it is left as it is.
        return Do_Message_Box("The Hall of Fame file \"" FAME_FILE_NAME "\" is damaged, so your "
                              "career cannot be entered into it. The file is left as it is.\n\n"
                              "Retire anyway?",
                              "Retirement", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
    }
    if (record.aaTables[Get_Fame_Level()][FAME_ROWS - 1].nRating >= nRating) {
        char szText[TEXT_BUFFER_SIZE];
        Format_String(szText, sizeof szText,
                      "Your Vanto Rating of %d.%d does not qualify for the Vanto Hall Of Fame. "
                      "Retire anyway?",
                      nRating / 10, nRating % 10);
        return Do_Message_Box(szText, "Retirement", MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    if (Do_Message_Box("Congratulations. Your score qualifies for the Vanto Hall Of Fame. Are "
                       "you sure you want to retire?",
                       "Retirement", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    Enter_User_Into_Fame_Table(&record);
    Write_Fame_File(&record);
    return 1;
}
