// The two draft input files: the computer's per-position draft strategy and the per-position
// talent of new prospects. A missing file leaves the tables as they were.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define DRAFT_STRATEGY_FILE "Input/DraftStrategy.txt"
#define DRAFT_TALENT_FILE "Input/DraftTalent.txt"
#define DRAFT_TALENT_LABEL "Draft Talent File"
#define DRAFT_INPUT_LINE_LIMIT 2048
#define DRAFT_TALENT_VALUES 3

// Reads one line per position QB..P, each nValues comma-separated whole numbers; value v of a
// line goes into table v at the line's position. A field that is not a number within the limit
// is skipped with a line in the debug log and keeps its entry. A missing file is reported and
// leaves the tables; so does a file without a single usable number, with a message.
static void Load_Draft_Input(const char* szPath, const char* szLabel, int16_t* const* apTables,
                             int nValues) {
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (!pFile) {
        Show_Message_Box("Missing File", "%s file is missing.", szPath);
        return;
    }
    int16_t aanRead[DRAFT_TALENT_VALUES][POSITION_COUNT];
    for (int nValue = 0; nValue < nValues; nValue++)
        memcpy(aanRead[nValue], apTables[nValue], sizeof(aanRead[nValue]));
    char szLine[DRAFT_INPUT_LINE_LIMIT];
    char szField[DRAFT_INPUT_LINE_LIMIT];
    int nUsable = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        Read_Line_Limit(szLabel, szLine, pFile, DRAFT_INPUT_LINE_LIMIT);
        for (int nValue = 0; nValue < nValues; nValue++) {
            Pop_Field(szField, sizeof(szField), szLine, ',');
            char szWhere[TEXT_BUFFER_SIZE];
            Format_String(szWhere, sizeof(szWhere), "%s, line %d", szPath, nPosition + 1);
            int nNumber;
            if (Read_Int_Field_In_Range(szWhere, szField, -DRAFT_INPUT_LIMIT, DRAFT_INPUT_LIMIT,
                                        &nNumber)) {
                aanRead[nValue][nPosition] = (int16_t)nNumber;
                nUsable++;
            }
        }
    }
    fclose(pFile);
    if (nUsable == 0) {
        Show_Message_Box("Draft Input Error", "%s holds no usable values; nothing was changed.",
                         szPath);
        return;
    }
    for (int nValue = 0; nValue < nValues; nValue++)
        memcpy(apTables[nValue], aanRead[nValue], sizeof(aanRead[nValue]));
}

// The text before the first comma of each line is the position's strategy value.
void Load_Draft_Strategy(void) {
    int16_t* const apTables[] = {gDraftStrategy};
    Load_Draft_Input(DRAFT_STRATEGY_FILE, DRAFT_STRATEGY_FILE, apTables, 1);
}

// Talent centre, talent spread and the growth-rate bonus of each position.
void Load_Draft_Talent(void) {
    int16_t* const apTables[DRAFT_TALENT_VALUES] = {gDraftTalent[DRAFT_TALENT_CENTRE],
                                                    gDraftTalent[DRAFT_TALENT_SPREAD],
                                                    gDraftTalent[DRAFT_TALENT_GROWTH]};
    Load_Draft_Input(DRAFT_TALENT_FILE, DRAFT_TALENT_LABEL, apTables, DRAFT_TALENT_VALUES);
}
