// The defensive playbook's fit to the team's scheme, and the two scheme playbooks the
// installation ships.
#include <string.h>

#include "database/database.h"
#include "engine/engine.h"

#define SCHEME_4_3 0
#define SCHEME_3_4 1
#define SUITED_MATCH 1000     // per mille: the formation is built for the scheme
#define ENOUGH_SUITED_PLAYS 10
#define SCHEME_TEXT_SIZE 1024

const char* Get_Scheme_Name(int nScheme) {
    return nScheme == SCHEME_3_4 ? "3-4" : "4-3";
}

// The built-in plays' 4-3 fronts and the 3-4 fronts that take their place.
static int Get_Three_Four_Formation(int nFormation) {
    static const struct {
        int nFrom, nTo;
    } kFronts[] = {
        {FORMATION_4_3, FORMATION_3_4},        {FORMATION_4_3 + 1, FORMATION_3_4 + 1},
        {FORMATION_4_3 + 2, FORMATION_3_4_EAGLE}, {FORMATION_5_2, FORMATION_3_4_EAGLE},
        {FORMATION_FORTY_SIX, FORMATION_3_4_EAGLE}, {FORMATION_NICKEL, FORMATION_NICKEL + 1},
        {FORMATION_DIME, FORMATION_3_4_DIME},  {FORMATION_4_4, FORMATION_3_4_DIME - 2},
    };
    for (const auto& front : kFronts) {
        if (front.nFrom == nFormation)
            return front.nTo;
    }
    return nFormation;
}

void Build_Scheme_Defensive_Playbook(int nScheme, DEFENSIVE_PLAYBOOK* pBook) {
    memset(pBook, 0, sizeof *pBook);
    static const char* const kCategories[DEFENSIVE_CATEGORY_COUNT] = {"Balanced", "Run Defense",
                                                                       "Pass Defense"};
    for (int n = 0; n < DEFENSIVE_CATEGORY_COUNT; n++)
        safe_strncpy(pBook->aszCategories[n], kCategories[n], PLAYBOOK_CATEGORY_SIZE);
    memcpy(pBook->aPlays, gDefaultDefensivePlays, sizeof pBook->aPlays);
    if (nScheme == SCHEME_3_4) {
        for (DEFENSIVE_PLAY& play : pBook->aPlays)
            play.nFormation = Get_Three_Four_Formation(play.nFormation);
    }
    safe_strncpy(pBook->szName, Get_Scheme_Name(nScheme), PLAYBOOK_NAME_SIZE);
    Format_String(pBook->szDescription, PLAYBOOK_DESCRIPTION_SIZE,
                  "The %s defensive playbook is built around the %s formation.",
                  Get_Scheme_Name(nScheme), Get_Scheme_Name(nScheme));
}

int Write_Scheme_Playbook_Files(void) {
    if (!Platform_Make_Directory("playbooks"))
        return 0;
    int bWritten = 1;
    for (int nScheme = SCHEME_4_3; nScheme <= SCHEME_3_4; nScheme++) {
        static DEFENSIVE_PLAYBOOK book;
        Build_Scheme_Defensive_Playbook(nScheme, &book);
        char szPath[64];
        Format_String(szPath, sizeof szPath, "playbooks/%s.dpb", Get_Scheme_Name(nScheme));
        bWritten &= Write_Playbook_Image_File(szPath, reinterpret_cast<const uint8_t*>(&book),
                                              DEFENSIVE_PLAYBOOK_BYTES) == PLAYBOOK_WRITE_DONE;
    }
    return bWritten;
}

// The plays of the team's defensive playbook (team -1: the built-in one) whose front suits the
// scheme.
static int Count_Scheme_Suited_Plays(int nTeam, int nScheme) {
    int nSuited = 0;
    for (int nPlay = 0; nPlay < DEFENSIVE_PLAY_COUNT; nPlay++) {
        int nFormation = Get_Defensive_Play_Formation(nTeam, nPlay);
        if (Is_Defensive_Formation(nFormation) &&
            Get_Defensive_Formation_System_Match(nScheme, nFormation) >= SUITED_MATCH)
            nSuited++;
    }
    return nSuited;
}

// A playbook with fewer than ten plays for the scheme is replaced by the scheme's own. A human
// team's manager is asked first, in Commissioner Mode too; a computer team gets it at once.
void Check_Defensive_Playbook_Scheme(int nTeam) {
    int nScheme = nTeam == DEFAULT_PLAYBOOK ? SCHEME_4_3 : Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME);
    nScheme = nScheme == SCHEME_3_4 ? SCHEME_3_4 : SCHEME_4_3;
    int nSuited = Count_Scheme_Suited_Plays(nTeam, nScheme);
    if (nSuited >= ENOUGH_SUITED_PLAYS)
        return;
    const char* szScheme = Get_Scheme_Name(nScheme);
    if (Is_Human_Team(nTeam)) {
        char szLabel[TEXT_BUFFER_SIZE];
        Get_Team_Label(nTeam, szLabel, sizeof szLabel);
        char szText[SCHEME_TEXT_SIZE];
        Format_String(szText, sizeof szText,
                      "The %s defensive playbook currently has %d play%s (out of %d) using the "
                      "'%s'.\n\nThis will limit the team's ability to use the '%s' defense. Would "
                      "you like to load the default '%s' playbook?",
                      szLabel, nSuited, nSuited == 1 ? "" : "s", DEFENSIVE_PLAY_COUNT, szScheme,
                      szScheme, szScheme);
        if (Do_Message_Box(szText, "Load matching playbook?",
                           MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) != IDYES)
            return;
    }
    if (!Read_Playbook_File(nTeam, PLAYBOOK_FILE_DEFENCE, szScheme))
        Show_Message_Box("Load Error",
                         "Unable to find %s playbook. You may need to re-install Football Vanto.",
                         szScheme);
}
