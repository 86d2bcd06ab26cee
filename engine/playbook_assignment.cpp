// Each team's offensive system and the offensive playbook file of its era and style.
#include <strings.h>

#include "engine/engine.h"

#define OLD_SCHOOL_BEFORE 1960
#define FEATURED_FB_UNTIL 1977
#define STYLE_TABLE_FROM 2016
#define WEST_COAST_ERA_AFTER 2005

const char* Get_System_Playbook_Name(int nSystem) {
    switch (nSystem) {
    case SYSTEM_WEST_COAST: return "West Coast";
    case SYSTEM_DOUBLE_TIGHT_END: return "Double Tight End";
    case SYSTEM_TWO_BACK: return "Two Back";
    default: return "Default";
    }
}

// By the model team of the franchise; franchises beyond the model table run the default system.
int Choose_Team_Offensive_System(int nTeam) {
    char szModel[PLAYBOOK_MODEL_TEAM_SIZE];
    Get_Default_Playbook_Team(nTeam, szModel, sizeof(szModel));
    if (szModel[0] == 0)
        return SYSTEM_DEFAULT;
    if (strcasecmp(szModel, "49ers") == 0 || strcasecmp(szModel, "Saints") == 0)
        return SYSTEM_TWO_BACK;
    if (strcasecmp(szModel, "Colts") == 0)
        return SYSTEM_WEST_COAST;
    if (strcasecmp(szModel, "Patriots") == 0)
        return SYSTEM_DOUBLE_TIGHT_END;
    return Get_Season_Year() > WEST_COAST_ERA_AFTER ? SYSTEM_WEST_COAST : SYSTEM_DEFAULT;
}

// The playbook file a team loads in a season.
static const char* Get_Era_Playbook_Name(int nTeam, int nSystem, int nYear) {
    if (nYear < OLD_SCHOOL_BEFORE)
        return "Old School";
    if (nYear <= FEATURED_FB_UNTIL)
        return "Featured FB";
    if (nYear < STYLE_TABLE_FROM)
        return Get_System_Playbook_Name(nSystem);
    const char* szStyle = Get_Team_Playbook_Style(nTeam, nYear);
    return szStyle != NULL ? szStyle : Get_System_Playbook_Name(SYSTEM_DEFAULT);
}

// A missing playbook file leaves the team's offensive playbook as it is; the defence is untouched.
void Assign_Default_Playbooks(void) {
    int nYear = Get_Season_Year();
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        int nSystem = Choose_Team_Offensive_System(nTeam);
        Set_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM, nSystem);
        const char* szName = Get_Era_Playbook_Name(nTeam, nSystem, nYear);
        Read_Playbook_File(nTeam, PLAYBOOK_FILE_OFFENCE, szName);
    }
}
