// The first-name and last-name tables new players are named from: 100 names each, picked spread
// over the name files and shuffled; a name handed out is blanked.
#include <errno.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"

#define FIRST_NAMES_FILE "names\\first.txt"
#define LAST_NAMES_FILE "names\\last.txt"
#define FALLBACK_FIRST_NAME "John"
#define FALLBACK_LAST_NAME "Smith"

char gFirstNames[NAME_TABLE_SIZE][PLAYER_FIRST_NAME_SIZE];
char gLastNames[NAME_TABLE_SIZE][PLAYER_LAST_NAME_SIZE];
int gFirstNameFileLines = 0;
int gLastNameFileLines = 0;

// Fills the table from the file: with L lines left and k = 100 .. 1 names still to read, skips
// up to 2 (L - 2) / k lines before each name, so the names come in file order from all over the
// file; then shuffles the table.
static void Load_Name_Table(const char* szPath, char* pTable, int nEntrySize, int* pFileLines) {
    memset(pTable, 0, (size_t)(NAME_TABLE_SIZE * nEntrySize));
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (!pFile) {
        Show_System_Error(errno, "File Error", "Couldn't open file: \"%s\"", szPath);
        return;
    }
    // Without a count only the first 100 lines would ever be read.
    if (*pFileLines == 0)
        *pFileLines = Count_File_Lines(szPath);

    char szLine[TEXT_BUFFER_SIZE];
    int nLinesLeft = *pFileLines;
    int bAtEnd = 0;
    for (int nLeft = NAME_TABLE_SIZE; nLeft >= 1; nLeft--) {
        // The count may be stale or damaged: the skips stop at the end of the file.
        int64_t nSpan = 2 * (((int64_t)nLinesLeft - 2) / nLeft);
        int nSkip =
            Min_Int(Draw_Random((int)(nSpan > INT32_MAX ? INT32_MAX : nSpan)), nLinesLeft - 1);
        for (int n = 0; n < nSkip && !bAtEnd; n++)
            bAtEnd = Skip_Line(pFile);
        if (!bAtEnd)
            bAtEnd = Read_Line(szLine, sizeof(szLine), pFile) && szLine[0] == 0;
        else
            szLine[0] = 0;
        safe_strncpy(pTable + (NAME_TABLE_SIZE - nLeft) * nEntrySize, szLine, nEntrySize);
        nLinesLeft -= Max_Int(nSkip, 0) + 1;
    }
    fclose(pFile);

    char szSwap[PLAYER_LAST_NAME_SIZE];
    for (int j = 0; j < NAME_TABLE_SIZE; j++) {
        int r = Min_Int(Draw_Random(NAME_TABLE_SIZE), NAME_TABLE_SIZE - 1);
        if (r == j)
            continue;
        memcpy(szSwap, pTable + j * nEntrySize, (size_t)nEntrySize);
        memcpy(pTable + j * nEntrySize, pTable + r * nEntrySize, (size_t)nEntrySize);
        memcpy(pTable + r * nEntrySize, szSwap, (size_t)nEntrySize);
    }
}

void Load_First_Names(void) {
    Load_Name_Table(FIRST_NAMES_FILE, &gFirstNames[0][0], PLAYER_FIRST_NAME_SIZE,
                    &gFirstNameFileLines);
}

void Load_Last_Names(void) {
    Load_Name_Table(LAST_NAMES_FILE, &gLastNames[0][0], PLAYER_LAST_NAME_SIZE, &gLastNameFileLines);
}

// Copies the first name left in the table into szOut and blanks it; 0 when none is left.
static int Take_Name(char* pTable, int nEntrySize, char* szOut, int nSize) {
    for (int n = 0; n < NAME_TABLE_SIZE; n++) {
        char* szEntry = pTable + n * nEntrySize;
        if (szEntry[0] != 0) {
            safe_strncpy(szOut, szEntry, Min_Int(nSize, nEntrySize));
            szEntry[0] = 0;
            return 1;
        }
    }
    szOut[0] = 0;
    return 0;
}

int Take_First_Name(char* szOut, int nSize) {
    return Take_Name(&gFirstNames[0][0], PLAYER_FIRST_NAME_SIZE, szOut, nSize);
}

int Pick_Last_Name(char* szOut, int nSize) {
    return Take_Name(&gLastNames[0][0], PLAYER_LAST_NAME_SIZE, szOut, nSize);
}

void Generate_Player_Name(int nTeam, int nSlot) {
    char szName[PLAYER_LAST_NAME_SIZE];
    if (!Take_First_Name(szName, sizeof(szName))) {
        Load_First_Names();
        if (!Take_First_Name(szName, sizeof(szName)))
            safe_strncpy(szName, FALLBACK_FIRST_NAME, sizeof(szName));
    }
    Set_Player_First_Name(nTeam, nSlot, szName);
    if (!Pick_Last_Name(szName, sizeof(szName))) {
        Load_Last_Names();
        if (!Pick_Last_Name(szName, sizeof(szName)))
            safe_strncpy(szName, FALLBACK_LAST_NAME, sizeof(szName));
    }
    Set_Player_Last_Name(nTeam, nSlot, szName);
}
