// The roster listing the user edits: every league team's label and players, then the free
// agents, one item a line.
#include <ctype.h>
#include <stdio.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define ROSTERS_FOLDER "Output"
#define ROSTERS_FILE "output\\rosters.txt"
#define ROSTERS_PROGRESS_STEPS 100

static int Write_Roster_Names(FILE* pFile, int nTeam) {
    int bWritten = 1;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        char szName[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
        bWritten &= fprintf(pFile, "%s\n", szName) >= 0;
    }
    return bWritten;
}

static int Write_Team_Block(FILE* pFile, int nTeam) {
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    if (islower((unsigned char)szLabel[0]))
        szLabel[0] = (char)toupper((unsigned char)szLabel[0]);
    int bWritten = fprintf(pFile, "%s\n", szLabel) >= 0;
    bWritten &= Write_Roster_Names(pFile, nTeam);
    bWritten &= fputs("\n", pFile) >= 0;
    return bWritten;
}

// 1 when the whole file was written; a file that cannot be written gets a line in the log.
int Write_Rosters_Text_File(void) {
    if (!Platform_Make_Directory(ROSTERS_FOLDER)) {
        Log_Debug_Line("Cannot create the folder %s for %s", ROSTERS_FOLDER, ROSTERS_FILE);
        return 0;
    }
    Platform_Remove_File(ROSTERS_FILE);
    FILE* pFile = Platform_Open_File(ROSTERS_FILE, "w");
    if (!pFile) {
        Log_Debug_Line("Cannot open %s: %s", ROSTERS_FILE, Get_Errno_Text());
        return 0;
    }
    int nTeams = Count_Active_Teams();
    int nStep = nTeams > 0 ? ROSTERS_PROGRESS_STEPS / nTeams : 0;
    Open_Progress_Window("Outputting Rosters...", ROSTERS_PROGRESS_STEPS);
    int bWritten = 1;
    // Every team in use, also beyond a gap in the team slots.
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        bWritten &= Write_Team_Block(pFile, nTeam);
        Step_Progress_Window(nStep);
    }
    bWritten &= fputs("FREE AGENTS\n", pFile) >= 0;
    bWritten &= Write_Roster_Names(pFile, FREE_AGENT_TEAM);
    Step_Progress_Window(ROSTERS_PROGRESS_STEPS + 1 - nTeams * nStep);
    Close_Progress_Window();
    if (fclose(pFile) != 0)
        bWritten = 0;
    if (!bWritten)
        Log_Debug_Line("Cannot write %s: %s", ROSTERS_FILE, Get_Errno_Text());
    return bWritten;
}
