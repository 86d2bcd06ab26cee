// League texts: team labels and names, the manager's face picture, week names.

#include <ctype.h>
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"

#define LEAGUE_AVERAGE_ROW 255
#define FIRST_MERGED_SEASON 1970

void Get_Team_Label(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nTeam == FREE_AGENT_TEAM) {
        safe_strncpy(szOut, "Free Agent", nSize);
    } else if (nTeam == HALL_OF_FAME_TEAM) {
        safe_strncpy(szOut, "Hall Of Fame Inductee", nSize);
    } else if (Is_Draft_Pool_Team(nTeam)) {
        char szRound[TEAM_LABEL_SIZE];
        Get_Ordinal_Words(szRound, sizeof(szRound), gDraftRound + 1);
        szRound[0] = (char)toupper((unsigned char)szRound[0]);
        Format_String(szOut, nSize, "%s Round Draft Pick", szRound);
    } else if (Is_Team_Active(nTeam)) {
        char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
        Get_Team_String(szCity, sizeof(szCity), nTeam, TEAM_CITY);
        Get_Team_String(szNickname, sizeof(szNickname), nTeam, TEAM_NICKNAME);
        Format_String(szOut, nSize, "%s %s", szCity, szNickname);
    }
}

void Get_Team_City(int nTeam, char* szOut, int nSize) {
    if (nTeam >= 0 && nTeam <= FREE_AGENT_TEAM)
        Get_Team_String(szOut, nSize, nTeam, TEAM_CITY);
    else
        safe_strncpy(szOut, nTeam == LEAGUE_AVERAGE_ROW ? "NFL Average" : "", nSize);
}

void Get_Team_Nickname(int nTeam, char* szOut, int nSize) {
    if (nTeam >= 0 && nTeam <= HALL_OF_FAME_TEAM)
        Get_Team_String(szOut, nSize, nTeam, TEAM_NICKNAME);
    else
        szOut[0] = 0;
}

// The nickname, or the city for a team whose nickname is only "Football Team".
void Get_Team_Short_Name(int nTeam, char* szOut, int nSize) {
    Get_Team_Nickname(nTeam, szOut, nSize);
    if (strcasecmp(szOut, "Football Team") == 0)
        Get_Team_String(szOut, nSize, nTeam, TEAM_CITY);
}

void Get_Manager_Face_File(int nTeam, char* szOut, int nSize) {
    int nFace = nTeam * 11 % 36;
    if (nFace < gSeasonNumber - 15)
        nFace += 36;
    Format_String(szOut, nSize, "dialogs/faces/gm%d.jpg", nFace % 45);
}

// ---- week names --------------------------------------------------------------------------------

enum POSTSEASON_ROUND { WILD_CARD_ROUND, DIVISION_ROUND, CONFERENCE_ROUND, FINAL_ROUND };

// The postseason round of a week, -1 for a regular-season week, 4 past the final.
static int Get_Postseason_Round(int nWeek) {
    if (nWeek < gPostseasonWeeks[0])
        return -1;
    for (int nRound = WILD_CARD_ROUND; nRound <= FINAL_ROUND; nRound++) {
        if (nWeek == gPostseasonWeeks[nRound])
            return nRound;
    }
    return FINAL_ROUND + 1;
}

static const char* Get_Title_Round_Name(const char* szConference) {
    if (Get_Season_Year() >= FIRST_MERGED_SEASON)
        return szConference;
    return Count_Active_Leagues() > 1 ? "Title Games" : "Title Game";
}

// A round that a small playoff field skips is a bye week.
static int Is_Bye_Round(int nRound) {
    int nField = Max_Int(Count_League_Divisions(0), Count_League_Divisions(1)) +
                 gUniverseStats[WILD_CARD_TEAMS];
    return (nRound == WILD_CARD_ROUND && nField <= 4) ||
           (nRound == DIVISION_ROUND && nField <= 2) || (nRound == CONFERENCE_ROUND && nField <= 1);
}

static void Format_Week_Name(int nWeek, char* szOut, int nSize, int bShort) {
    if (nWeek == -1)
        nWeek = gCurrentWeek;
    int nRound = Get_Postseason_Round(nWeek);
    const char* szName = "Offseason";
    if (nRound < 0) {
        Format_String(szOut, nSize, "Week %d", nWeek + 1);
        return;
    }
    if (bShort && Is_Bye_Round(nRound))
        szName = "Bye Week";
    else if (nRound == WILD_CARD_ROUND)
        szName = "Wild Card";
    else if (nRound == DIVISION_ROUND)
        szName = bShort ? "Division" : "Division Round";
    else if (nRound == CONFERENCE_ROUND)
        szName = Get_Title_Round_Name(bShort ? "Conference" : "Conference Championship");
    else if (nRound == FINAL_ROUND)
        szName = "Super Bowl";
    safe_strncpy(szOut, szName, nSize);
}

void Get_Week_Name(int nWeek, char* szOut, int nSize) {
    Format_Week_Name(nWeek, szOut, nSize, 0);
}

void Get_Week_Short_Name(int nWeek, char* szOut, int nSize) {
    Format_Week_Name(nWeek, szOut, nSize, 1);
}
