// Expansion: the year's new teams join the league, the user is told, the expansion draft runs and
// the new rosters are filled to the fewest players of each position.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "season/season.h"
#include "season/season_internal.h"

#define EXPANSION_CAPTION "League Expansion"
#define EXPANSION_DRAFT_TEXT                                                               \
    "An Expansion Draft will now occur. First string players are protected from the "      \
    "Expansion Draft (11 Offense, 11 Defense, 1 Kicker and 1 Punter).\n\nYou may use the " \
    "Offense and Defense dialogs to designate your starters before proceeding.\n\n"        \
    "(Alternately, you can choose to completely exclude your team from the Expansion Draft."

// Whether one more team in the division can be played: a free team place, and the season's games
// still fit the league's game records. The league is left as it was either way.
static int Can_League_Take_Team(int nDivision, char* szWhy, int nWhySize) {
    if (nDivision < 0 || nDivision >= DIVISION_COUNT) {
        Format_String(szWhy, nWhySize, "division %d does not exist", nDivision);
        return 0;
    }
    int nSlot = Count_Active_Teams();  // the place Add_New_Team takes
    if (nSlot >= LEAGUE_TEAM_COUNT || Is_Team_Active(nSlot)) {
        Format_String(szWhy, nWhySize, "all %d team places are in use", LEAGUE_TEAM_COUNT);
        return 0;
    }
    int nOldControl = Get_Team_Stat(nSlot, TEAM_CONTROL);
    int nOldDivision = Get_Team_Stat(nSlot, TEAM_DIVISION);
    Set_Team_Stat(nSlot, TEAM_CONTROL, CONTROL_EXPANSION);
    Set_Team_Stat(nSlot, TEAM_DIVISION, nDivision);
    int bFault = Find_League_Settings_Fault(szWhy, nWhySize);
    Set_Team_Stat(nSlot, TEAM_CONTROL, nOldControl);
    Set_Team_Stat(nSlot, TEAM_DIVISION, nOldDivision);
    return !bFault;
}

int Add_Expansion_Team(const char* szName, int nDivision, const char* szAbbreviation,
                       const char* szStadium, char* szWhy, int nWhySize) {
    if (!Can_League_Take_Team(nDivision, szWhy, nWhySize))
        return -1;
    int nTeam = Add_New_Team(0);
    if (nTeam < 0) {
        Format_String(szWhy, nWhySize, "all %d team places are in use", LEAGUE_TEAM_COUNT);
        return -1;
    }
    char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
    Split_Team_Name(szName, szCity, szNickname, TEAM_STRING_SIZE);
    Set_Team_Stat(nTeam, TEAM_DIVISION, nDivision);
    Set_Team_String(nTeam, TEAM_CITY, szCity);
    Set_Team_String(nTeam, TEAM_NICKNAME, szNickname);
    Set_Team_String(nTeam, TEAM_ABBREVIATION, szAbbreviation);
    Set_Team_Home_Location(nTeam, szStadium);
    Set_Team_City_By_Name(nTeam, szCity);
    Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_EXPANSION);
    return nTeam;
}

// "City,Nickname" as "City Nickname".
static void Get_Display_Name(const char* szName, char* szOut, int nSize) {
    safe_strncpy(szOut, szName, nSize);
    char* pComma = strchr(szOut, ',');
    if (pComma)
        *pComma = ' ';
}

static void Refuse_Expansion_Team(const char* szName, const char* szWhy) {
    if (gAllTeamsComputer)
        Log_Debug_Line("The %s cannot join the league: %s.", szName, szWhy);
    else
        Show_Message_Box(EXPANSION_CAPTION, "The %s cannot join the league: %s.", szName, szWhy);
}

// The human team when exactly one team is human-run, else NO_TEAM.
static int Get_Only_Human_Team(void) {
    int nFound = NO_TEAM, nHumans = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) && Is_Human_Team(nTeam)) {
            nFound = nTeam;
            nHumans++;
        }
    }
    return nHumans == 1 ? nFound : NO_TEAM;
}

// The user may look at the team's depth chart before the draft, or keep the team out of it.
static void Ask_Expansion_Draft_Part(int nHumanTeam) {
    int nAnswer = User_Message_Dialog("Expansion Draft", EXPANSION_DRAFT_TEXT, "", "&View My Team",
                                      "&Exclude My Team", "&Proceed with Expansion Draft");
    if (nAnswer == IDYES) {
        gDialogTeam = nHumanTeam;
        Host_Open_Dialog(IDD_OFFENSE, nHumanTeam, 0);
    } else if (nAnswer == IDNO) {
        gExcludeUserFromExpansion = 1;
    }
}

static void Fill_Expansion_Rosters(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Get_Team_Stat(nTeam, TEAM_CONTROL) != CONTROL_EXPANSION)
            continue;
        Fill_New_Team_Roster(nTeam);
        Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_COMPUTER);
    }
}

void Apply_League_Expansion(int nYear) {
    char szAdded[TEXT_BUFFER_SIZE] = "";
    int nAdded = 0;
    for (const LEAGUE_HISTORY_EVENT& event : gLeagueHistoryEvents) {
        if (event.nYear != nYear || event.nKind != HISTORY_NEW_TEAM ||
            Find_Team_By_Full_Name(event.szTeam) != NO_TEAM)
            continue;
        char szName[TEAM_LABEL_SIZE], szWhy[TEXT_BUFFER_SIZE];
        Get_Display_Name(event.szTeam, szName, sizeof szName);
        int nDivision =
            Find_League_By_Name(event.szLeague) * DIVISIONS_PER_LEAGUE + event.nDivision;
        if (Add_Expansion_Team(event.szTeam, nDivision, event.szAbbreviation, event.szText, szWhy,
                               sizeof szWhy) < 0) {
            Refuse_Expansion_Team(szName, szWhy);
            continue;
        }
        Sort_Teams_By_Name();
        Refresh_Standings();
        size_t nLength = strlen(szAdded);
        Format_String(szAdded + nLength, (int)(sizeof szAdded - nLength), "%s%s",
                      nAdded ? "\n" : "", szName);
        nAdded++;
    }
    if (nAdded == 0)
        return;

    gExcludeUserFromExpansion = 0;
    if (!gAllTeamsComputer) {
        Show_Message_Box(EXPANSION_CAPTION,
                         "The following teams have been added to the league:\n\n%s", szAdded);
        int nHumanTeam = Get_Only_Human_Team();
        if (nHumanTeam != NO_TEAM)
            Ask_Expansion_Draft_Part(nHumanTeam);
    }
    Set_Computer_Depth_Charts(0);
    Run_Expansion_Draft();
    Fill_Expansion_Rosters();
}
