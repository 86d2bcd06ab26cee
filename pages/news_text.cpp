// Sentences about a player and his team written with names in braces ("{PLAYER LAST
// NAME}", "{TEAM CITY}", ...) and filled in when shown; the team texts those names need
// and a few phrase makers.
#include <strings.h>

#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"

// The token names by slot; "" in slots 17..19, so that "{}" finds slot 17.
static const char* const kNewsTokenNames[NEWS_TOKEN_COUNT] = {
    "PLAYER NAME",
    "PLAYER LAST NAME",
    "PLAYER FIRST NAME",
    "AGE",
    "POSITION",
    "POSITIONS",
    "EXPERIENCE",
    "PLAYER INJURY",
    "PLAYER DISABLED DAYS",
    "PLAYER DISABLED WEEKS",
    "PERMANENT DAMAGE",
    "SALARY",
    "CONTRACT",
    "CONTRACT MILLIONS",
    "CONTRACT LENGTH",
    "YEAR CONTRACT ENDS",
    "GAMES PLAYED",
    "",
    "",
    "",
    "TEAM CITY",
    "TEAM NAME",
    "TEAM GAMES",
    "TEAM LEAGUE",
    "TEAM LEAGUE ABBR",
    "TEAM CASH",
    "TEAM PAYROLL",
    "TEAM DIVISION ABBR",
    "TEAM DIVISION",
    "TEAM DIVISION LEADER NAME",
    "TEAM DIVISION LEADER CITY",
    "TEAM STANDING",
    "TEAM WINS",
    "TEAM LOSSES",
    "TEAM WINNING PERCENTAGE",
};

int Find_News_Token(const char* szName) {
    for (int nToken = 0; nToken < NEWS_TOKEN_COUNT; nToken++)
        if (strcasecmp(kNewsTokenNames[nToken], szName) == 0)
            return nToken;
    return NEWS_TOKEN_COUNT;
}

// ---- team texts ---------------------------------------------------------------------------------

void Get_Team_League_Name(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    int bPseudoTeam = nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
    if (!Is_Team_Active(nTeam) && !bPseudoTeam) {
        Get_League_Name(-1, szOut, nSize);  // reports the refusal
        return;
    }
    int nDivision = bPseudoTeam ? Get_Team_Stat(nTeam, TEAM_DIVISION) : Get_Team_Division(nTeam);
    Get_League_Name(nDivision / DIVISIONS_PER_LEAGUE, szOut, nSize);
    if (!szOut[0])
        Report_Error("No Team League in News Label");
}

void Get_Team_Division_Name(int nTeam, char* szOut, int nSize) {
    Get_Division_Name(Get_Team_Division(nTeam), szOut, nSize);
}

void Get_Division_Leader_Text(int nTeam, int bCity, char* szOut, int nSize) {
    szOut[0] = 0;
    int nDivision = Get_Team_Division(nTeam);
    int nLeader = Get_Division_Standings_Team(nDivision, 0);
    if (nLeader == nTeam)
        nLeader = Get_Division_Standings_Team(nDivision, 1);
    if (bCity) {
        if (nLeader == -1 || nLeader == NO_SLOT_BYTE)
            safe_strncpy(szOut, "NFL Average", nSize);
        else if (nLeader >= 0 && nLeader <= FREE_AGENT_TEAM)
            Get_Team_String(szOut, nSize, nLeader, TEAM_CITY);
    } else if (nLeader >= 0 && nLeader <= HALL_OF_FAME_TEAM) {
        Get_Team_String(szOut, nSize, nLeader, TEAM_NICKNAME);
    }
}

void Format_Team_Winning_Percentage(int nTeam, char* szOut, int nSize) {
    int nWins = Get_Team_Wins(nTeam);
    int nGames = Get_Team_Games_Played(nTeam);
    int nValue = nGames > 0 ? (nWins * 1000 + nGames / 2) / nGames : 0;
    if (nValue < 1000)
        Format_String(szOut, nSize, ".%03d", nValue);
    else
        Format_String(szOut, nSize, "%d.%03d", nValue / 1000, nValue % 1000);
}

// The team's place in its division as a word: "first", "second", ...; "" when it has none.
static void Get_Team_Standing_Words(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    int nDivision;
    int nPlace = Find_Team_Division_Place(nTeam, &nDivision);
    if (nPlace != NO_TEAM)
        Get_Ordinal_Words(szOut, nSize, nPlace + 1);
}

// ---- one token ---------------------------------------------------------------------------------

void Format_Thousands_As_Dollars(int nThousands, char* szOut, int nSize) {
    char szCommas[32];
    Format_With_Commas(nThousands, szCommas, sizeof szCommas);
    Format_String(szOut, nSize, "$%s,000", szCommas);
}

// The value of a player-side slot 0..19.
static void Get_Player_Token_Value(int nTeam, int nSlot, int nToken, char* szOut, int nSize) {
    int nPosition =
        Translate_Expanded_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    int nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
    int nYearsLeft = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    int nContract = nSalary * nYearsLeft;
    switch (nToken) {
    case NEWS_PLAYER_NAME:
        Format_String(szOut, nSize, "%s %s", Get_Player_First_Name_Ptr(nTeam, nSlot),
                      Get_Player_Last_Name_Ptr(nTeam, nSlot));
        break;
    case NEWS_PLAYER_LAST_NAME: Get_Player_Last_Name(nTeam, nSlot, szOut, nSize); break;
    case NEWS_PLAYER_FIRST_NAME: Get_Player_First_Name(nTeam, nSlot, szOut, nSize); break;
    case NEWS_AGE: Format_String(szOut, nSize, "%d", Get_Player_Exact_Age(nTeam, nSlot)); break;
    case NEWS_POSITION:
    case NEWS_POSITIONS:
        if (nToken == NEWS_POSITIONS && nPosition == POS_S) {
            safe_strncpy(szOut, "safeties", nSize);
            break;
        }
        Get_Position_Name_Lowercase(nPosition, szOut, nSize);
        if (nToken == NEWS_POSITIONS)
            safe_strncat(szOut, "s", nSize);
        break;
    case NEWS_EXPERIENCE:
        Get_Cardinal_Words(szOut, nSize, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE));
        break;
    case NEWS_PLAYER_INJURY:
        Get_Injury_Name(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY), szOut, nSize);
        break;
    case NEWS_PLAYER_DISABLED_WEEKS:
        Get_Cardinal_Words(szOut, nSize, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS));
        break;
    case NEWS_SALARY: Format_Thousands_As_Dollars(nSalary, szOut, nSize); break;
    case NEWS_CONTRACT: Format_Thousands_As_Dollars(nContract, szOut, nSize); break;
    case NEWS_CONTRACT_MILLIONS:
        Format_String(szOut, nSize, "%d.%d", nContract / 1000, nContract % 1000 / 100);
        break;
    case NEWS_CONTRACT_LENGTH: Get_Cardinal_Words(szOut, nSize, nYearsLeft); break;
    case NEWS_YEAR_CONTRACT_ENDS:
        Format_String(szOut, nSize, "%d",
                      Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber + nYearsLeft);
        break;
    default:  // games played, and the empty names
        Format_String(szOut, nSize, "%d",
                      Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_GAMES));
        break;
    }
}

// The value of a team-side slot 20..34.
static void Get_Team_Token_Value(int nTeam, int nToken, char* szOut, int nSize) {
    switch (nToken) {
    case NEWS_TEAM_CITY: Get_Team_String(szOut, nSize, nTeam, TEAM_CITY); break;
    case NEWS_TEAM_NAME:
        Get_Team_String(szOut, nSize, nTeam, TEAM_NICKNAME);
        if (!szOut[0])
            Report_Error("No Team Name in News Label");
        break;
    case NEWS_TEAM_GAMES: Format_String(szOut, nSize, "%d", Get_Team_Games_Played(nTeam)); break;
    case NEWS_TEAM_LEAGUE:
    case NEWS_TEAM_LEAGUE_ABBR: Get_Team_League_Name(nTeam, szOut, nSize); break;
    case NEWS_TEAM_CASH: {
        int nCash = Get_Team_Financial_Stat(nTeam, FIN_CASH);
        Format_String(szOut, nSize, "%d.%d", nCash / 1000000, nCash % 1000000 / 100000);
        break;
    }
    case NEWS_TEAM_PAYROLL: {
        int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        Format_String(szOut, nSize, "%d.%d", nPayroll / 1000, nPayroll % 1000 / 100);
        break;
    }
    case NEWS_TEAM_DIVISION_ABBR:
    case NEWS_TEAM_DIVISION: Get_Team_Division_Name(nTeam, szOut, nSize); break;
    case NEWS_TEAM_DIVISION_LEADER_NAME: Get_Division_Leader_Text(nTeam, 0, szOut, nSize); break;
    case NEWS_TEAM_DIVISION_LEADER_CITY: Get_Division_Leader_Text(nTeam, 1, szOut, nSize); break;
    case NEWS_TEAM_STANDING: Get_Team_Standing_Words(nTeam, szOut, nSize); break;
    case NEWS_TEAM_WINS: Format_String(szOut, nSize, "%d", Get_Team_Wins(nTeam)); break;
    case NEWS_TEAM_LOSSES: Format_String(szOut, nSize, "%d", Get_Team_Losses(nTeam)); break;
    default: Format_Team_Winning_Percentage(nTeam, szOut, nSize); break;
    }
}

void Get_News_Token_Value(int nTeam, int nSlot, const char* szName, char* szOut, int nSize) {
    szOut[0] = 0;
    int nToken = Find_News_Token(szName);
    if (nToken == NEWS_TOKEN_COUNT || nToken == NEWS_PLAYER_DISABLED_DAYS ||
        nToken == NEWS_PERMANENT_DAMAGE)
        Format_String(szOut, nSize, "[%s]", szName);
    else if (nToken < NEWS_TEAM_CITY)
        Get_Player_Token_Value(nTeam, nSlot, nToken, szOut, nSize);
    else
        Get_Team_Token_Value(nTeam, nToken, szOut, nSize);
}

// ---- the substitution ---------------------------------------------------------------------------

void Substitute_News_Strings(int nTeam, int nSlot, char* szText, int nSize) {
    if (nTeam == NO_TEAM) {
        Report_Error("NO_TEAM passed in pSlot to Substitute_News_Strings()");
        return;
    }
    if (!Is_Player_Slot_Used(nTeam, nSlot)) {
        Report_Error("Invalid Player in Substitute_News_Strings()");
        return;
    }
    nSize = Min_Int(nSize, NEWS_TEXT_SIZE);
    char szName[NEWS_TEXT_SIZE];
    char szRest[NEWS_TEXT_SIZE];
    char szValue[NEWS_TEXT_SIZE];
    int nPosition = 0;
    while (nPosition < nSize && szText[nPosition]) {
        if (szText[nPosition] != '{') {
            nPosition++;
            continue;
        }
        char* pClose = strchr(szText + nPosition + 1, '}');
        if (!pClose)
            return;  // an open brace and what follows stay as they are
        int nNameLength = (int)(pClose - (szText + nPosition + 1));
        safe_strncpy(szName, szText + nPosition + 1, Min_Int(nNameLength + 1, NEWS_TEXT_SIZE));
        safe_strncpy(szRest, pClose + 1, sizeof szRest);
        Get_News_Token_Value(nTeam, nSlot, szName, szValue, sizeof szValue);
        szText[nPosition] = 0;
        safe_strncat(szText, szValue, nSize);
        // The scan goes on after what was put in: a name that holds braces stays as written.
        nPosition = Min_Int((int)strlen(szText), nSize - 1);
        safe_strncat(szText, szRest, nSize);
    }
}

// ---- phrase makers ------------------------------------------------------------------------------

void Format_Number_Phrase(int nHundredths, char* szOut, int nSize) {
    static const char* const kPhrases[20] = {
        "almost %s",
        "almost %s",
        "nearly %s",
        "just under %s",
        "not quite %s",
        "%s",
        "just over %s",
        "over %s",
        "more than %s",
        "%s and a quarter",
        "%s and a quarter",
        "%s and a third",
        "more than %s and a third",
        "almost %s and a half",
        "%s and a half",
        "%s and a half",
        "over %s and a half",
        "nearly %s and two thirds",
        "%s and two thirds",
        "more than %s and two thirds",
    };
    char szWords[128];
    int nShifted = nHundredths + 25;
    Get_Cardinal_Words(szWords, sizeof szWords, nShifted / 100);
    int nPhrase = Clamp(nShifted % 100 / 5, 0, 19);
    Format_String(szOut, nSize, kPhrases[nPhrase], szWords);
}

void Format_Score_Text(int nFirst, int nSecond, char* szOut, int nSize) {
    Format_String(szOut, nSize, "%d-%d", Max_Int(nFirst, nSecond), Min_Int(nFirst, nSecond));
}

void Get_Team_Home_Location_Text(const uint8_t* pRecord, char* szOut, int nSize) {
    Get_Team_String(szOut, nSize, pRecord[1], TEAM_HOME_LOCATION);
}

// ---- sentences about a player's season and about a team -----------------------------------------

// 0: has not played this season; 1: a regular; 2: a starter (starts at least half his games).
static int Get_Player_News_Category(int nTeam, int nSlot) {
    int nGames = Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_GAMES);
    if (nGames == 0)
        return 0;
    return 2 * Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_STARTS) >= nGames ? 2 : 1;
}

void Get_Player_Stat_News_Sentence(int nTeam, int nSlot, char* szOut, int nSize) {
    // [category][season part: early, middle, late][variant]
    static const char* const kSentences[3][3][3] = {
        {{"{PLAYER LAST NAME} has yet to see the field in {YEAR}.",
          "The {TEAM NAME} are keeping {PLAYER LAST NAME} on the sideline so far.",
          "{PLAYER FIRST NAME} {PLAYER LAST NAME} is waiting for his first snap of {YEAR}."},
         {"{PLAYER LAST NAME} has not played a down for the {TEAM NAME} this season.",
          "Half a season in, {PLAYER LAST NAME} is still waiting for his chance.",
          "{PLAYER FIRST NAME} has spent {YEAR} watching from the bench."},
         {"{PLAYER LAST NAME} did not get into a game in {YEAR}.",
          "The {TEAM NAME} never called on {PLAYER LAST NAME} in {YEAR}.",
          "{PLAYER FIRST NAME} {PLAYER LAST NAME} sat out the whole of {YEAR}."}},
        {{"{PLAYER LAST NAME} has played in {GAMES PLAYED} games so far.",
          "The {TEAM NAME} have given {PLAYER LAST NAME} some snaps early in {YEAR}.",
          "{PLAYER FIRST NAME} has seen the field in {GAMES PLAYED} games."},
         {"The {TEAM NAME} have been using {PLAYER LAST NAME} regularly in {YEAR}. "
          "{PLAYER FIRST NAME}'s current contract runs through {YEAR CONTRACT ENDS}.",
          "{PLAYER LAST NAME} has appeared in {GAMES PLAYED} of the {TEAM NAME} games.",
          "{PLAYER FIRST NAME} has been a useful part of the rotation in {YEAR}."},
         {"{PLAYER LAST NAME} was a consistent contributor in {YEAR}, playing in {GAMES PLAYED} "
          "of his team's games.",
          "{PLAYER FIRST NAME} {PLAYER LAST NAME} played in {GAMES PLAYED} games in {YEAR}.",
          "The {TEAM NAME} leaned on {PLAYER LAST NAME} in {GAMES PLAYED} games in {YEAR}."}},
        {{"{PLAYER LAST NAME} has started the season as a regular for the {TEAM NAME}.",
          "{PLAYER FIRST NAME} {PLAYER LAST NAME} is in the starting lineup in {YEAR}.",
          "The {TEAM NAME} trust {PLAYER LAST NAME} with a starting job."},
         {"{PLAYER LAST NAME} has been a fixture in the {TEAM NAME} lineup in {YEAR}.",
          "{PLAYER FIRST NAME} has started most of the {TEAM NAME} games this season.",
          "{PLAYER LAST NAME} has played in {GAMES PLAYED} games, most of them as a starter."},
         {"{PLAYER LAST NAME} started for the {TEAM NAME} all through {YEAR}.",
          "{PLAYER FIRST NAME} {PLAYER LAST NAME} was a regular starter in {YEAR}.",
          "{PLAYER LAST NAME} played in {GAMES PLAYED} games in {YEAR}, most of them as a "
          "starter."}},
    };
    int nProgress = Get_Season_Progress();
    int nPart = nProgress < 150 ? 0 : nProgress < 850 ? 1 : 2;
    int nVariant = Get_Evaluation_Variant_Of_Three(nTeam, nSlot);
    safe_strncpy(szOut, kSentences[Get_Player_News_Category(nTeam, nSlot)][nPart][nVariant], nSize);
    Substitute_News_Strings(nTeam, nSlot, szOut, nSize);
}

void Get_Team_News_Sentence(int nTeam, int nSlot, char* szOut, int nSize) {
    static const char* const kLeaderSentences[6] = {
        "The {TEAM CITY} {TEAM NAME} lead the {TEAM DIVISION} with a {TEAM WINNING PERCENTAGE} "
        "winning percentage.",
        "With {TEAM WINS} wins, the {TEAM NAME} sit on top of the {TEAM DIVISION}.",
        "{TEAM CITY} is first in the {TEAM DIVISION} at {TEAM WINS} and {TEAM LOSSES}.",
        "The {TEAM NAME} have the best record in the {TEAM DIVISION}.",
        "Nobody in the {TEAM DIVISION} has caught the {TEAM NAME} yet.",
        "The {TEAM NAME} lead the {TEAM LEAGUE} {TEAM DIVISION} after {TEAM GAMES} games.",
    };
    static const char* const kOtherSentences[6] = {
        "The {TEAM NAME}, with {TEAM WINS} wins and {TEAM LOSSES} losses, are {TEAM STANDING} "
        "in the {TEAM DIVISION}.",
        "{TEAM CITY}, with a {TEAM WINS} and {TEAM LOSSES} record, is {TEAM STANDING} in the "
        "{TEAM DIVISION}.",
        "The {TEAM NAME} are chasing the {TEAM DIVISION LEADER NAME} in the {TEAM DIVISION}.",
        "{TEAM DIVISION LEADER CITY} stands between the {TEAM NAME} and the division title.",
        "The {TEAM NAME} have won {TEAM WINS} of their {TEAM GAMES} games.",
        "A {TEAM WINNING PERCENTAGE} winning percentage has the {TEAM NAME} {TEAM STANDING} in "
        "the {TEAM DIVISION}.",
    };
    int nPick = (int)(Random_Number() * (1.0 / 4294967296.0) * 6);
    int nDivision;
    int nPlace = Find_Team_Division_Place(nTeam, &nDivision);
    if (nPlace == NO_TEAM)
        Report_Error("Team not found in Get_Team_Division_Standing()");
    const char* const* pSentences = nPlace == 0 ? kLeaderSentences : kOtherSentences;
    safe_strncpy(szOut, pSentences[Clamp(nPick, 0, 5)], nSize);
    Substitute_News_Strings(nTeam, nSlot, szOut, nSize);
}
