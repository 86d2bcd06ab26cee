// The league's history applied year by year: teams move, change their names and stadiums, leagues
// and divisions appear or are renamed, and teams change divisions. New teams are added by
// league_expansion.cpp.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "season/season_internal.h"

#define NEWS_CAPTION "League News"
#define QUESTION_BOX_TYPE (MB_YESNO | MB_ICONQUESTION)

void Split_Team_Name(const char* szName, char* szCity, char* szNickname, int nSize) {
    char szRest[TEXT_BUFFER_SIZE];
    safe_strncpy(szRest, szName ? szName : "", sizeof szRest);
    Pop_Field(szCity, nSize, szRest, ',');
    safe_strncpy(szNickname, szRest, nSize);
}

int Set_Team_City_By_Name(int nTeam, const char* szCity) {
    int nCity = Find_City_By_Name(szCity);
    if (nCity < 0)
        return 0;
    Set_Team_Stat(nTeam, TEAM_CITY_INDEX, nCity);
    return 1;
}

// Whether the event goes ahead: the human-run team is asked, other teams' events are announced.
// While every team is computer-run nothing is shown and every event goes ahead.
static int Confirm_Team_Event(int nTeam, const char* szCaption, const char* szQuestion,
                              const char* szNotice) {
    if (gAllTeamsComputer)
        return 1;
    if (Is_Human_Team(nTeam))
        return Do_Message_Box(szQuestion, szCaption, QUESTION_BOX_TYPE) == IDYES;
    Show_Message_Box(NEWS_CAPTION, "%s", szNotice);
    return 1;
}

static void Announce_League_News(const char* szNotice) {
    if (!gAllTeamsComputer)
        Show_Message_Box(NEWS_CAPTION, "%s", szNotice);
}

// Kinds 1 and 2: the team takes its new city, nickname and abbreviation.
static void Move_Team(const LEAGUE_HISTORY_EVENT* pEvent, int nTeam, const char* szLabel) {
    char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
    Split_Team_Name(pEvent->szText, szCity, szNickname, TEAM_STRING_SIZE);
    char szQuestion[TEXT_BUFFER_SIZE], szNotice[TEXT_BUFFER_SIZE];
    if (pEvent->nKind == HISTORY_TEAM_MOVE) {
        Format_String(szQuestion, sizeof szQuestion,
                      "Would you like to move the %s to %s and change their name to the %s?",
                      szLabel, szCity, szNickname);
        Format_String(szNotice, sizeof szNotice, "The %s have moved. They are now the %s %s.",
                      szLabel, szCity, szNickname);
    } else {
        Format_String(szQuestion, sizeof szQuestion,
                      "Would you like to disband the %s and form a new franchise (the %s %s)?",
                      szLabel, szCity, szNickname);
        Format_String(szNotice, sizeof szNotice,
                      "The %s have been disbanded. The %s %s have been enfranchised with the "
                      "remains of the %s.",
                      szLabel, szCity, szNickname, szLabel);
    }
    if (!Confirm_Team_Event(nTeam, "Move Team", szQuestion, szNotice))
        return;
    if (!Set_Team_City_By_Name(nTeam, szCity))
        Report_Error("The city %s of the %s is not in the city table.", szCity, szLabel);
    Set_Team_String(nTeam, TEAM_CITY, szCity);
    Set_Team_String(nTeam, TEAM_NICKNAME, szNickname);
    Set_Team_String(nTeam, TEAM_ABBREVIATION, pEvent->szAbbreviation);
    Sort_Teams_By_Name();
    Refresh_Standings();
}

// Kind 3: the new city and nickname, and the abbreviation when one is given.
static void Rename_Team(const LEAGUE_HISTORY_EVENT* pEvent, int nTeam, const char* szLabel) {
    char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
    Split_Team_Name(pEvent->szText, szCity, szNickname, TEAM_STRING_SIZE);
    char szQuestion[TEXT_BUFFER_SIZE], szNotice[TEXT_BUFFER_SIZE];
    Format_String(szQuestion, sizeof szQuestion, "Would you like to change the %s to the %s %s?",
                  szLabel, szCity, szNickname);
    Format_String(szNotice, sizeof szNotice, "The %s have changed their name to the %s %s.",
                  szLabel, szCity, szNickname);
    if (!Confirm_Team_Event(nTeam, "Name Change", szQuestion, szNotice))
        return;
    Set_Team_String(nTeam, TEAM_CITY, szCity);
    Set_Team_String(nTeam, TEAM_NICKNAME, szNickname);
    if (pEvent->szAbbreviation[0])
        Set_Team_String(nTeam, TEAM_ABBREVIATION, pEvent->szAbbreviation);
}

// Kinds 5, 6 and 7: the team's stadium name.
static void Change_Stadium(const LEAGUE_HISTORY_EVENT* pEvent, int nTeam, const char* szLabel) {
    char szOld[TEAM_STRING_SIZE];
    Get_Team_String(szOld, sizeof szOld, nTeam, TEAM_HOME_LOCATION);
    const char* szNew = pEvent->szText;
    char szQuestion[TEXT_BUFFER_SIZE], szNotice[TEXT_BUFFER_SIZE];
    const char* szCaption;
    if (pEvent->nKind == HISTORY_NEW_STADIUM) {
        szCaption = "New Stadium";
        Format_String(szQuestion, sizeof szQuestion,
                      "Would you like to move the %s to a new stadium (%s)?", szLabel, szNew);
        Format_String(szNotice, sizeof szNotice, "The %s have a new stadium: %s.", szLabel, szNew);
    } else if (pEvent->nKind == HISTORY_STADIUM_MOVE) {
        szCaption = "Stadium Change";
        Format_String(szQuestion, sizeof szQuestion, "Would you like to move the %s to %s?",
                      szLabel, szNew);
        Format_String(szNotice, sizeof szNotice, "The %s are moving to %s.", szLabel, szNew);
    } else {
        szCaption = "Name Change";
        Format_String(szQuestion, sizeof szQuestion,
                      "Would you like to change the %s stadium name from %s to %s?", szLabel, szOld,
                      szNew);
        Format_String(szNotice, sizeof szNotice,
                      "The %s have changed the name of their stadium from %s to %s.", szLabel,
                      szOld, szNew);
    }
    if (Confirm_Team_Event(nTeam, szCaption, szQuestion, szNotice))
        Set_Team_Home_Location(nTeam, szNew);
}

// Kind 12: the team joins the division of the event's league.
static void Change_Team_Division(const LEAGUE_HISTORY_EVENT* pEvent, int nTeam) {
    if (pEvent->nDivision < 0 || pEvent->nDivision >= DIVISIONS_PER_LEAGUE)
        return;
    int nLeague = Find_League_By_Name(pEvent->szLeague);
    Set_Team_Stat(nTeam, TEAM_DIVISION, nLeague * DIVISIONS_PER_LEAGUE + pEvent->nDivision);
    Refresh_Standings();
}

// Kinds 8 to 11: league and division names, whichever teams the league has.
static void Apply_League_Name_Event(const LEAGUE_HISTORY_EVENT* pEvent) {
    switch (pEvent->nKind) {
    case HISTORY_NEW_LEAGUE: {
        char szNotice[TEXT_BUFFER_SIZE];
        Format_String(szNotice, sizeof szNotice, "A new league has been created: %s.",
                      pEvent->szLeague);
        Announce_League_News(szNotice);
        Set_League_Abbreviation(1, pEvent->szLeague);
        break;
    }
    case HISTORY_LEAGUE_RENAME:
        Set_League_Abbreviation(Find_League_By_Name(pEvent->szLeague), pEvent->szText);
        break;
    default:
        Set_Division_Name(
            Find_League_By_Name(pEvent->szLeague) * DIVISIONS_PER_LEAGUE + pEvent->nDivision,
            pEvent->szText);
        break;
    }
}

static int Is_League_Name_Event(int nKind) {
    return nKind >= HISTORY_NEW_LEAGUE && nKind <= HISTORY_DIVISION_RENAME;
}

static void Apply_Team_Event(const LEAGUE_HISTORY_EVENT* pEvent, int nTeam) {
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    switch (pEvent->nKind) {
    case HISTORY_TEAM_MOVE:
    case HISTORY_FRANCHISE_REFORMED: Move_Team(pEvent, nTeam, szLabel); break;
    case HISTORY_TEAM_RENAME: Rename_Team(pEvent, nTeam, szLabel); break;
    case HISTORY_NEW_STADIUM:
    case HISTORY_STADIUM_MOVE:
    case HISTORY_STADIUM_RENAME: Change_Stadium(pEvent, nTeam, szLabel); break;
    case HISTORY_DIVISION_CHANGE: Change_Team_Division(pEvent, nTeam); break;
    default: break;
    }
}

void Apply_League_History_Events(int nYear) {
    for (const LEAGUE_HISTORY_EVENT& event : gLeagueHistoryEvents) {
        if (event.nYear != nYear || event.nKind == HISTORY_NEW_TEAM)
            continue;
        if (Is_League_Name_Event(event.nKind)) {
            Apply_League_Name_Event(&event);
            continue;
        }
        int nTeam = Find_Team_By_Full_Name(event.szTeam);
        if (nTeam != NO_TEAM)
            Apply_Team_Event(&event, nTeam);
    }
}

void Apply_League_History_For_New_Year(void) {
    int nYear = Get_Season_Year() + 1;
    Apply_League_History_Events(nYear);
    Apply_League_Expansion(nYear);
}
