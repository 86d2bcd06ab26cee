// The two draft input files: the computer's per-position draft strategy and the per-position
// talent of new prospects. A missing file leaves the tables as they were.

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define DRAFT_STRATEGY_FILE "Input/DraftStrategy.txt"
#define DRAFT_TALENT_FILE "Input/DraftTalent.txt"
#define DRAFT_TALENT_LABEL "Draft Talent File"
#define DRAFT_INPUT_LINE_LIMIT 2048
#define DRAFT_TALENT_VALUES 3

// Reads one line per position QB..P, each nValues comma-separated integers; value v of a line
// goes into table v at the line's position. A missing file is reported and leaves the tables.
static void Load_Draft_Input(const char* szPath, const char* szLabel, int16_t* const* apTables,
                             int nValues) {
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (!pFile) {
        Show_Message_Box("Missing File", "%s file is missing.", szPath);
        return;
    }
    char szLine[DRAFT_INPUT_LINE_LIMIT];
    char szField[DRAFT_INPUT_LINE_LIMIT];
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        Read_Line_Limit(szLabel, szLine, pFile, DRAFT_INPUT_LINE_LIMIT);
        for (int nValue = 0; nValue < nValues; nValue++) {
            Pop_Field(szField, sizeof(szField), szLine, ',');
            apTables[nValue][nPosition] = (int16_t)Read_Int_Field(szPath, szField);
        }
    }
    fclose(pFile);
}

// The text before the first comma of each line is the position's strategy value.
void Load_Draft_Strategy(void) {
    int16_t* const apTables[] = {gDraftStrategy};
    Load_Draft_Input(DRAFT_STRATEGY_FILE, DRAFT_STRATEGY_FILE, apTables, 1);
}

// Talent centre, talent spread and the growth-rate bonus of each position.
void Load_Draft_Talent(void) {
    int16_t* const apTables[DRAFT_TALENT_VALUES] = {
        gDraftTalent[DRAFT_TALENT_CENTRE], gDraftTalent[DRAFT_TALENT_SPREAD],
        gDraftTalent[DRAFT_TALENT_GROWTH]};
    Load_Draft_Input(DRAFT_TALENT_FILE, DRAFT_TALENT_LABEL, apTables, DRAFT_TALENT_VALUES);
}
