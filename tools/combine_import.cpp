// Combine results of a build: a player's 40-yard dash becomes his forty time and his Speed.
#include <stdio.h>

#include "core/core.h"
#include "database/database.h"
#include "tools/tools.h"

#define COMBINE_FIELD_COUNT 8
#define COMBINE_DASH_COLUMN 7
#define SLOWEST_TIMED_DASH 4.0
#define COMBINE_STEP_EVERY 1000
#define COMBINE_STEPS 3

float Get_Combine_Speed(double fDash, int nAge) {
    double s = 381 - fDash * 66.6;
    if (nAge > 25)
        s -= (nAge - 25) * 2;
    if (s < 40)
        s = (s + 40) * 0.5;
    return (float)(s < 20 ? (s + 60) * 0.25 : s);
}

int Import_Combine_Line(char* szLine) {
    char aszFields[COMBINE_FIELD_COUNT][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, COMBINE_FIELD_COUNT);
    Keep_Safe_File_Characters(aszFields[0]);
    int nTeam, nSlot;
    if (!Get_Player_By_ID(&nTeam, &nSlot, Read_Import_Int(aszFields[1])) &&
        !Get_Player_By_Ostrel_ID(&nTeam, &nSlot, aszFields[0]))
        return 0;
    double fDash = Read_Import_Decimal(aszFields[COMBINE_DASH_COLUMN]);
    if (fDash <= SLOWEST_TIMED_DASH)
        return 0;
    int nAge =
        Get_Season_Year() - Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    Set_Player_Rating(nTeam, nSlot, Get_Combine_Speed(fDash, nAge), RATING_SPEED);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FORTY_TIME, (int)(fDash * 100 + 1e-6));
    return 1;
}

static void Read_Combine_File_Line(char* szLine, int nLine, void* pContext) {
    Import_Combine_Line(szLine);  // the header matches no player
    Step_Import_Progress((IMPORT_PROGRESS*)pContext, nLine);
}

void Import_Combine_Results(void) {
    IMPORT_PROGRESS progress = {COMBINE_STEP_EVERY, COMBINE_STEPS, 0, NULL};
    Read_Import_File(COMBINE_FILE_PATH, FILE_MISSING_TEXT, Read_Combine_File_Line, &progress);
}
