// The league's structure rules: how many games and wild cards a league may have, the limits on
// inflation and cash, and how leagues and divisions close up when one empties.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "setup/setup.h"

#define MIN_SEASON_GAMES 4
#define MAX_INFLATION_FACTOR 3000
#define MAX_CONFERENCE_TEAMS 18
#define MAX_DIVISION_TEAMS 13
#define NICKNAME_DISPLAY_LENGTH 13

// Fan loyalty grades: the grade shown is (loyalty + 29) / 59 - 9; a chosen grade stores the middle
// of the loyalties that show it, so the choice is what shows next time.
#define LOYALTY_GRADE_ROUNDING 29
#define LOYALTY_GRADE_STEP 59
#define LOYALTY_GRADE_OFFSET 9
#define LOYALTY_GRADE_COUNT 13

// Wild-card limits of a conference by its number of divisions, 1..4. Three divisions could seed a
// fifth wild card, but the league holds no more than MAX_WILD_CARD_TEAMS.
static const int kMinWildCards[DIVISIONS_PER_LEAGUE] = {0, 0, 1, 0};
static const int kMaxWildCards[DIVISIONS_PER_LEAGUE] = {0, 0, MAX_WILD_CARD_TEAMS, 4};

#define INVALID_ENTRY_CAPTION "Invalid Entry"

// ---- league settings read back from the League Editor ------------------------------------------

int Check_Season_Games(int nGames) {
    if (nGames >= MIN_SEASON_GAMES && nGames <= MAX_SEASON_GAMES &&
        (nGames % 2 == 0 || nGames == MAX_SEASON_GAMES))
        return nGames;
    if (nGames < MIN_SEASON_GAMES) {
        Show_Message_Box(INVALID_ENTRY_CAPTION,
                         "The schedule must have at least %d games per team.\n\n'Games per season' "
                         "has been set to %d.",
                         MIN_SEASON_GAMES, MIN_SEASON_GAMES);
        return MIN_SEASON_GAMES;
    }
    if (nGames > MAX_SEASON_GAMES) {
        Show_Message_Box(INVALID_ENTRY_CAPTION,
                         "The schedule must have no more than %d games per team.\n\n'Games per "
                         "season' has been set to %d.",
                         MAX_SEASON_GAMES, MAX_SEASON_GAMES);
        return MAX_SEASON_GAMES;
    }
    nGames--;
    Show_Message_Box(INVALID_ENTRY_CAPTION,
                     "The number of games per season must be even.\n\n'Games per season' has been "
                     "set to %d.",
                     nGames);
    return nGames;
}

// The divisions holding teams in a league, taken as 1..4.
static int Get_League_Division_Band(int nLeague) {
    return Clamp(Count_League_Divisions(nLeague), 1, DIVISIONS_PER_LEAGUE);
}

int Check_Wild_Card_Teams(int nWildCards) {
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        if (Count_League_Teams(nLeague) == 0)
            continue;
        int nDivisions = Get_League_Division_Band(nLeague);
        int nMinimum = kMinWildCards[nDivisions - 1];
        int nMaximum = kMaxWildCards[nDivisions - 1];
        const char* szDivisions = nDivisions > 1 ? "s" : "";
        if (nWildCards < nMinimum) {
            Show_Message_Box(INVALID_ENTRY_CAPTION,
                             "Conferences with %d division%s must have at least %d wild card "
                             "team%s.",
                             nDivisions, szDivisions, nMinimum, nMinimum > 1 ? "s" : "");
            nWildCards = nMinimum;
        } else if (nWildCards > nMaximum) {
            Show_Message_Box(INVALID_ENTRY_CAPTION,
                             "Conferences with %d division%s cannot have more than %d wild card "
                             "team%s.",
                             nDivisions, szDivisions, nMaximum, nMaximum > 1 ? "s" : "");
            nWildCards = nMaximum;
        }
    }
    return nWildCards;
}

int Has_Wild_Card_League(void) {
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        if (Count_League_Divisions(nLeague) > 2)
            return 1;
    }
    return 0;
}

int Get_Shown_Wild_Card_Teams(int nWildCards) {
    if (!Has_Wild_Card_League())
        return 0;
    nWildCards = Min_Int(nWildCards, Min_Int(Get_Max_Wild_Card_Teams(), MAX_WILD_CARD_TEAMS));
    return Max_Int(nWildCards, Get_Min_Wild_Card_Teams());
}

int Check_Inflation_Factor(int nFactor) {
    if (nFactor <= MAX_INFLATION_FACTOR)
        return nFactor;
    Show_Message_Box("Inflation Ratio",
                     "Inflation Factor cannot be higher than %d. It is being set to %d.",
                     MAX_INFLATION_FACTOR, MAX_INFLATION_FACTOR);
    return MAX_INFLATION_FACTOR;
}

int Change_Start_Year(int nYear) {
    if (nYear == Get_Universe_Stat(UNIVERSE_FIRST_YEAR))
        return 0;
    if (Do_Message_Box("Editing the Start Year is a method to create custom databases. This will "
                       "reset any seasons already simulated. OK?",
                       "Start Year", MB_OKCANCEL) != IDOK)
        return 0;
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (nCap == 0)
        nCap = Get_Season_Salary_Cap(nYear + gSeasonNumber);
    Set_Universe_Stat(UNIVERSE_INFLATION, Get_Cap_Inflation_Factor(nCap));
    gSeasonNumber = 0;
    return 1;
}

// ---- team fields read back from the League Editor ----------------------------------------------

void Check_Team_Nickname_Length(const char* szNickname) {
    if ((int)strlen(szNickname) > NICKNAME_DISPLAY_LENGTH)
        Show_Message_Box("Team Nickname",
                         "For display purposes, we recommend limiting the team nickname (%s) to %d "
                         "characters.",
                         szNickname, NICKNAME_DISPLAY_LENGTH);
}

int Get_Fan_Loyalty_Grade(int nLoyalty) {
    int nItem = (nLoyalty + LOYALTY_GRADE_ROUNDING) / LOYALTY_GRADE_STEP - LOYALTY_GRADE_OFFSET;
    return Clamp(nItem, 0, LOYALTY_GRADE_COUNT - 1);
}

int Get_Grade_Fan_Loyalty(int nItem) {
    return (nItem + LOYALTY_GRADE_OFFSET) * LOYALTY_GRADE_STEP;
}

int Check_Team_Cash(int nCash) {
    char szLimit[TEXT_BUFFER_SIZE];
    if (nCash > MAX_TEAM_CASH) {
        Format_Dollars(MAX_TEAM_CASH, szLimit, sizeof(szLimit));
        Show_Message_Box("Cash Limit", "No team may have more than %s.", szLimit);
        return MAX_TEAM_CASH;
    }
    if (nCash < MIN_TEAM_CASH) {  // the notice names the debt that is really kept
        Format_Dollars(-MIN_TEAM_CASH, szLimit, sizeof(szLimit));
        Show_Message_Box("Debt Limit", "No team may be in debt for more than %s.", szLimit);
        return MIN_TEAM_CASH;
    }
    return nCash;
}

// ---- the league's structure --------------------------------------------------------------------

// Every active team of division nFrom moves to nTo, and so does the name; nFrom's name is emptied.
static void Move_Division(int nFrom, int nTo) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (Get_Team_Stat(nTeam, TEAM_DIVISION) == nFrom)
            Set_Team_Stat(nTeam, TEAM_DIVISION, nTo);
    }
    char szName[DIVISION_NAME_SIZE];
    Get_Division_Name(nFrom, szName, sizeof(szName));
    Set_Division_Name(nTo, szName);
    Set_Division_Name(nFrom, "");
}

static int Is_League_Structure_Legal(void) {
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        if (Count_League_Teams(nLeague) > MAX_CONFERENCE_TEAMS) {
            Show_Message_Box("Illegal Conference", "No conference may have more than %d teams.",
                             MAX_CONFERENCE_TEAMS);
            return 0;
        }
    }
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        if (Count_Division_Teams(nDivision) > MAX_DIVISION_TEAMS) {
            Show_Message_Box("Illegal Division", "No division may have more than %d teams.",
                             MAX_DIVISION_TEAMS);
            return 0;
        }
    }
    char szWhy[TEXT_BUFFER_SIZE];
    if (Find_League_Settings_Fault(szWhy, sizeof(szWhy))) {
        Show_Message_Box("Illegal League", "This league cannot be played: %s.", szWhy);
        return 0;
    }
    return 1;
}

int Close_Up_League_Structure(void) {
    if (!Is_League_Structure_Legal())
        return 0;
    Clear_Unused_League_Names();
    if (Count_League_Teams(0) == 0 && Count_League_Teams(1) > 0) {
        for (int k = 0; k < DIVISIONS_PER_LEAGUE; k++)
            Move_Division(DIVISIONS_PER_LEAGUE + k, k);
        char szName[LEAGUE_NAME_SIZE];
        Get_League_Name(1, szName, sizeof(szName));
        Set_League_Abbreviation(0, szName);
        Set_League_Abbreviation(1, "");
    }
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        for (int k = 0; k < DIVISIONS_PER_LEAGUE - 1; k++) {
            int nDivision = nLeague * DIVISIONS_PER_LEAGUE + k;
            if (Count_Division_Teams(nDivision) == 0 && Count_Division_Teams(nDivision + 1) > 0)
                Move_Division(nDivision + 1, nDivision);
        }
    }
    return 1;
}
