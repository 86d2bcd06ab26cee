// The league's final game of every season 1966..2065, the champions of the final game and of both
// leagues by season, and the title counts a new game gives each team.
#include <strings.h>

#include "core/core.h"
#include "database/database.h"

#define LAST_TITLE_SEASON 2020   // the last season with a result
#define LAST_PLACED_SEASON 2023  // the last season with a date and a place
#define FIRST_OLDER_LEAGUE_SEASON 1920
#define FIRST_YOUNGER_LEAGUE_SEASON 1960
#define UNTITLED_SEASONS 9  // the empty entries after each title list's last season

// Scores up to 2008 separate the points with the byte 0x96.
#define SCORE_DASH "\x96"

// Seasons 2021..2023 have no result yet and later ones only their numeral.
const char* const gChampionshipGames[CHAMPIONSHIP_GAME_COUNT][CHAMPIONSHIP_FIELD_COUNT] = {
    {"I", "01967-01-15 January 15", " 1967", "Green Bay Packers", "35" SCORE_DASH "10",
     "Kansas City Chiefs", "Los Angeles Memorial Coliseum", "Los Angeles", " California"},  // 1966
    {"II", "01968-01-14 January 14", " 1968", "Green Bay Packers", "33" SCORE_DASH "14",
     "Oakland Raiders", "Orange Bowl", "Miami", " Florida"},  // 1967
    {"III", "01969-01-12 January 12", " 1969", "New York Jets", "16" SCORE_DASH "7",
     "Baltimore Colts", "Orange Bowl", "Miami", " Florida"},  // 1968
    {"IV", "01970-01-11 January 11", " 1970", "Kansas City Chiefs", "23" SCORE_DASH "7",
     "Minnesota Vikings", "Tulane Stadium", "New Orleans", " Louisiana"},  // 1969
    {"V", "01971-01-17 January 17", " 1971", "Baltimore Colts", "16" SCORE_DASH "13",
     "Dallas Cowboys", "Orange Bowl", "Miami", " Florida"},  // 1970
    {"VI", "01972-01-16 January 16", " 1972", "Dallas Cowboys", "24" SCORE_DASH "3",
     "Miami Dolphins", "Tulane Stadium", "New Orleans", " Louisiana"},  // 1971
    {"VII", "01973-01-14 January 14", " 1973", "Miami Dolphins", "14" SCORE_DASH "7",
     "Washington Redskins", "Los Angeles Memorial Coliseum", "Los Angeles", " California"},  // 1972
    {"VIII", "01974-01-13 January 13", " 1974", "Miami Dolphins", "24" SCORE_DASH "7",
     "Minnesota Vikings", "Rice Stadium", "Houston", " Texas"},  // 1973
    {"IX", "01975-01-12 January 12", " 1975", "Pittsburgh Steelers", "16" SCORE_DASH "6",
     "Minnesota Vikings", "Tulane Stadium", "New Orleans", " Louisiana"},  // 1974
    {"X", "01976-01-18 January 18", " 1976", "Pittsburgh Steelers", "21" SCORE_DASH "17",
     "Dallas Cowboys", "Orange Bowl", "Miami", " Florida"},  // 1975
    {"XI", "01977-01-09 January 9", " 1977", "Oakland Raiders", "32" SCORE_DASH "14",
     "Minnesota Vikings", "Rose Bowl", "Pasadena", " California"},  // 1976
    {"XII", "01978-01-15 January 15", " 1978", "Dallas Cowboys", "27" SCORE_DASH "10",
     "Denver Broncos", "Louisiana Superdome", "New Orleans", " Louisiana"},  // 1977
    {"XIII", "01979-01-21 January 21", " 1979", "Pittsburgh Steelers", "35" SCORE_DASH "31",
     "Dallas Cowboys", "Orange Bowl", "Miami", " Florida"},  // 1978
    {"XIV", "01980-01-20 January 20", " 1980", "Pittsburgh Steelers", "31" SCORE_DASH "19",
     "Los Angeles Rams", "Rose Bowl", "Pasadena", " California"},  // 1979
    {"XV", "01981-01-25 January 25", " 1981", "Oakland Raiders", "27" SCORE_DASH "10",
     "Philadelphia Eagles", "Louisiana Superdome", "New Orleans", " Louisiana"},  // 1980
    {"XVI", "01982-01-24 January 24", " 1982", "San Francisco 49ers", "26" SCORE_DASH "21",
     "Cincinnati Bengals", "Pontiac Silverdome", "Pontiac", " Michigan"},  // 1981
    {"XVII", "01983-01-30 January 30", " 1983", "Washington Redskins", "27" SCORE_DASH "17",
     "Miami Dolphins", "Rose Bowl", "Pasadena", " California"},  // 1982
    {"XVIII", "01984-01-22 January 22", " 1984", "Los Angeles Raiders", "38" SCORE_DASH "9",
     "Washington Redskins", "Tampa Stadium", "Tampa", " Florida"},  // 1983
    {"XIX", "01985-01-20 January 20", " 1985", "San Francisco 49ers", "38" SCORE_DASH "16",
     "Miami Dolphins", "Stanford Stadium", "Stanford", " California"},  // 1984
    {"XX", "01986-01-26 January 26", " 1986", "Chicago Bears", "46" SCORE_DASH "10",
     "New England Patriots", "Louisiana Superdome", "New Orleans", " Louisiana"},  // 1985
    {"XXI", "01987-01-25 January 25", " 1987", "New York Giants", "39" SCORE_DASH "20",
     "Denver Broncos", "Rose Bowl", "Pasadena", " California"},  // 1986
    {"XXII", "01988-01-31 January 31", " 1988", "Washington Redskins", "42" SCORE_DASH "10",
     "Denver Broncos", "Jack Murphy Stadium", "San Diego", " California"},  // 1987
    {"XXIII", "01989-01-22 January 22", " 1989", "San Francisco 49ers", "20" SCORE_DASH "16",
     "Cincinnati Bengals", "Joe Robbie Stadium", "Miami", " Florida"},  // 1988
    {"XXIV", "01990-01-28 January 28", " 1990", "San Francisco 49ers", "55" SCORE_DASH "10",
     "Denver Broncos", "Louisiana Superdome", "New Orleans", " Louisiana"},  // 1989
    {"XXV", "01991-01-27 January 27", " 1991", "New York Giants", "20" SCORE_DASH "19",
     "Buffalo Bills", "Tampa Stadium", "Tampa", " Florida"},  // 1990
    {"XXVI", "01992-01-26 January 26", " 1992", "Washington Redskins", "37" SCORE_DASH "24",
     "Buffalo Bills", "Hubert H. Humphrey Metrodome", "Minneapolis", " Minnesota"},  // 1991
    {"XXVII", "01993-01-31 January 31", " 1993", "Dallas Cowboys", "52" SCORE_DASH "17",
     "Buffalo Bills", "Rose Bowl", "Pasadena", " California"},  // 1992
    {"XXVIII", "01994-01-30 January 30", " 1994", "Dallas Cowboys", "30" SCORE_DASH "13",
     "Buffalo Bills", "Georgia Dome", "Atlanta", " Georgia"},  // 1993
    {"XXIX", "01995-01-29 January 29", " 1995", "San Francisco 49ers", "49" SCORE_DASH "26",
     "San Diego Chargers", "Joe Robbie Stadium", "Miami", " Florida"},  // 1994
    {"XXX", "01996-01-28 January 28", " 1996", "Dallas Cowboys", "27" SCORE_DASH "17",
     "Pittsburgh Steelers", "Sun Devil Stadium", "Tempe", " Arizona"},  // 1995
    {"XXXI", "01997-01-26 January 26", " 1997", "Green Bay Packers", "35" SCORE_DASH "21",
     "New England Patriots", "Louisiana Superdome", "New Orleans", " Louisiana"},  // 1996
    {"XXXII", "01998-01-25 January 25", " 1998", "Denver Broncos", "31" SCORE_DASH "24",
     "Green Bay Packers", "Qualcomm Stadium", "San Diego", " California"},  // 1997
    {"XXXIII", "01999-01-31 January 31", " 1999", "Denver Broncos", "34" SCORE_DASH "19",
     "Atlanta Falcons", "Pro Player Stadium", "Miami", " Florida"},  // 1998
    {"XXXIV", "02000-01-30 January 30", " 2000", "St. Louis Rams", "23" SCORE_DASH "16",
     "Tennessee Titans", "Georgia Dome", "Atlanta", " Georgia"},  // 1999
    {"XXXV", "02001-01-28 January 28", " 2001", "Baltimore Ravens", "34" SCORE_DASH "7",
     "New York Giants", "Raymond James Stadium", "Tampa", " Florida"},  // 2000
    {"XXXVI", "02002-02-03 February 3", " 2002", "New England Patriots", "20" SCORE_DASH "17",
     "St. Louis Rams", "Louisiana Superdome", "New Orleans", " Louisiana"},  // 2001
    {"XXXVII", "02003-01-26 January 26", " 2003", "Tampa Bay Buccaneers", "48" SCORE_DASH "21",
     "Oakland Raiders", "Qualcomm Stadium", "San Diego", " California"},  // 2002
    {"XXXVIII", "02004-02-01 February 1", " 2004", "New England Patriots", "32" SCORE_DASH "29",
     "Carolina Panthers", "Reliant Stadium", "Houston", " Texas"},  // 2003
    {"XXXIX", "02005-02-06 February 6", " 2005", "New England Patriots", "24" SCORE_DASH "21",
     "Philadelphia Eagles", "Alltel Stadium", "Jacksonville", " Florida"},  // 2004
    {"XL", "02006-02-05 February 5", " 2006", "Pittsburgh Steelers", "21" SCORE_DASH "10",
     "Seattle Seahawks", "Ford Field", "Detroit", " Michigan"},  // 2005
    {"XLI", "02007-02-04 February 4", " 2007", "Indianapolis Colts", "29" SCORE_DASH "17",
     "Chicago Bears", "Dolphin Stadium", "Miami", " Florida"},  // 2006
    {"XLII", "02008-02-03 February 3", " 2008", "New York Giants", "17" SCORE_DASH "14",
     "New England Patriots", "University of Phoenix Stadium", "Glendale", " Arizona"},  // 2007
    {"XLIII", "02009-02-01 February 1", " 2009", "Pittsburgh Steelers", "27" SCORE_DASH "23",
     "Arizona Cardinals", "Raymond James Stadium", "Tampa", " Florida"},  // 2008
    {"XLIV", "02010-02-07 February 7", " 2010", "New Orleans Saints", "31-17", "Indianapolis Colts",
     "Sun Life Stadium", "Miami", " Florida"},  // 2009
    {"XLV", "02011-02-06 February 6", " 2011", "Green Bay Packers", "35-31", "Pittsburgh Steelers",
     "Cowboys Stadium", "Dallas", " Texas"},  // 2010
    {"XLVI", "02012-02-05 February 5", " 2012", "New York Giants", "21-17", "New England Patriots",
     "Lucas Oil Stadium", "Indianapolis", " Indiana"},  // 2011
    {"XLVII", "02013-02-03 February 3", " 2013", "Baltimore Ravens", "34-31", "San Francisco 49ers",
     "Mercedes-Benz Superdome", "New Orleans", " Louisiana"},  // 2012
    {"XLVIII", "February 2", " 2014", "Seattle Seahawks", "43-8", "Denver Broncos",
     "MetLife Stadium", "East Rutherford", " New Jersey"},  // 2013
    {"XLIX", "February 1", " 2015", "New England Patriots", "28-24", "Seattle Seahwaks",
     "University of Phoenix Stadium", "Glendale", " Arizona"},  // 2014
    {"50", "February 7", " 2016", "Denver Broncos", "24-10", "Carolina Panthers", "Levi's Stadium",
     "Santa Clara", " California"},  // 2015
    {"LI", "February 5", " 2017", "New England Patriots", "34-28", "Atlanta Falcons", "NRG Stadium",
     "Houston", " Texas"},  // 2016
    {"LII", "February 4", " 2018", "Philadelphia Eagles", "41-33", "New England Patriots",
     "U.S. Bank Stadium", "Minneapolis", " Minnesota"},  // 2017
    {"LIII", "February 3", " 2019", "New England Patriots", "13-3", "Los Angeles Rams",
     "Mercedes-Benz Stadium", "Atlanta", " Georgia"},  // 2018
    {"LIV", "February 2", " 2020", "Kansas City Chiefs", "31-20", "San Francisco 49ers",
     "Hard Rock Stadium", "Miami Gardens", " Florida"},  // 2019
    {"LV", "February 7", " 2021", "Tampa Bay Buccaneers", "31-9", "Kansas City Chiefs",
     "Raymond James Stadium", "Tampa", " Florida"},                                          // 2020
    {"LVI", "February 6", " 2022", "", "", "", "SoFi Stadium", "Inglewood", " California"},  // 2021
    {"LVII", "February 5", " 2023", "", "", "", "State Farm Stadium", "Glendale",
     " Arizona"},  // 2022
    {"LVIII", "February 4", " 2024", "", "", "", "Mercedes-Benz Superdome", "New Orleans",
     " Louisiana"},  // 2023
    {"LIX", "", "", "", "", "", "", "", ""},
    {"LX", "", "", "", "", "", "", "", ""},
    {"LXI", "", "", "", "", "", "", "", ""},
    {"LXII", "", "", "", "", "", "", "", ""},
    {"LXIII", "", "", "", "", "", "", "", ""},
    {"LXIV", "", "", "", "", "", "", "", ""},
    {"LXV", "", "", "", "", "", "", "", ""},
    {"LXVI", "", "", "", "", "", "", "", ""},
    {"LXVII", "", "", "", "", "", "", "", ""},
    {"LXVIII", "", "", "", "", "", "", "", ""},
    {"LXIX", "", "", "", "", "", "", "", ""},
    {"LXX", "", "", "", "", "", "", "", ""},
    {"LXXI", "", "", "", "", "", "", "", ""},
    {"LXXII", "", "", "", "", "", "", "", ""},
    {"LXXIII", "", "", "", "", "", "", "", ""},
    {"LXXIV", "", "", "", "", "", "", "", ""},
    {"LXXV", "", "", "", "", "", "", "", ""},
    {"LXXVI", "", "", "", "", "", "", "", ""},
    {"LXXVII", "", "", "", "", "", "", "", ""},
    {"LXXVIII", "", "", "", "", "", "", "", ""},
    {"LXXIX", "", "", "", "", "", "", "", ""},
    {"LXXX", "", "", "", "", "", "", "", ""},
    {"LXXXI", "", "", "", "", "", "", "", ""},
    {"LXXXII", "", "", "", "", "", "", "", ""},
    {"LXXXIII", "", "", "", "", "", "", "", ""},
    {"LXXXIV", "", "", "", "", "", "", "", ""},
    {"LXXXV", "", "", "", "", "", "", "", ""},
    {"LXXXVI", "", "", "", "", "", "", "", ""},
    {"LXXXVII", "", "", "", "", "", "", "", ""},
    {"LXXXVIII", "", "", "", "", "", "", "", ""},
    {"LXXXIX", "", "", "", "", "", "", "", ""},
    {"XC", "", "", "", "", "", "", "", ""},
    {"XCI", "", "", "", "", "", "", "", ""},
    {"XCII", "", "", "", "", "", "", "", ""},
    {"XCIII", "", "", "", "", "", "", "", ""},
    {"XCIV", "", "", "", "", "", "", "", ""},
    {"XCV", "", "", "", "", "", "", "", ""},
    {"XCVI", "", "", "", "", "", "", "", ""},
    {"XCVII", "", "", "", "", "", "", "", ""},
    {"XCVIII", "", "", "", "", "", "", "", ""},
    {"XCIX", "", "", "", "", "", "", "", ""},
    {"C", "", "", "", "", "", "", "", ""},
};

// The nicknames of the champions, one per season from the list's first season.
// clang-format off
static const char* const kFinalGameWinners[] = {
    /* 1966 */ "Packers", "Packers", "Jets", "Chiefs", "Colts",
    /* 1971 */ "Cowboys", "Dolphins", "Dolphins", "Steelers", "Steelers",
    /* 1976 */ "Raiders", "Cowboys", "Steelers", "Steelers", "Raiders",
    /* 1981 */ "49ers", "Redskins", "Raiders", "49ers", "Bears",
    /* 1986 */ "Giants", "Redskins", "49ers", "49ers", "Giants",
    /* 1991 */ "Redskins", "Cowboys", "Cowboys", "49ers", "Cowboys",
    /* 1996 */ "Packers", "Broncos", "Broncos", "Rams", "Ravens",
    /* 2001 */ "Patriots", "Buccaneers", "Patriots", "Patriots", "Steelers",
    /* 2006 */ "Colts", "Giants", "Steelers", "Saints", "Packers",
    /* 2011 */ "Giants", "Ravens", "Seahawks", "Patriots", "Broncos",
    /* 2016 */ "Patriots", "Eagles", "Patriots", "Chiefs", "Buccaneers",
    /* 2021 */ "", "", "", "", "",
    /* 2026 */ "", "", "", "",
};
static const char* const kOlderLeagueChampions[] = {
    /* 1920 */ "Pros", "Bears", "Bulldogs", "Bulldogs", "Bulldogs",
    /* 1925 */ "Cardinals", "", "Giants", "", "Packers",
    /* 1930 */ "Packers", "Packers", "Bears", "Bears", "Giants",
    /* 1935 */ "Lions", "Packers", "Redskins", "Giants", "Packers",
    /* 1940 */ "Bears", "Bears", "Redskins", "Bears", "Packers",
    /* 1945 */ "Rams", "Bears", "Cardinals", "Eagles", "Eagles",
    /* 1950 */ "Ravens", "Rams", "Lions", "Lions", "Ravens",
    /* 1955 */ "Ravens", "Giants", "Lions", "Colts", "Colts",
    /* 1960 */ "Eagles", "Packers", "Packers", "Bears", "Browns",
    /* 1965 */ "Packers", "Packers", "Packers", "Colts", "Vikings",
    /* 1970 */ "Cowboys", "Cowboys", "Redskins", "Vikings", "Vikings",
    /* 1975 */ "Cowboys", "Vikings", "Cowboys", "Cowboys", "Rams",
    /* 1980 */ "Eagles", "49ers", "Redskins", "Redskins", "49ers",
    /* 1985 */ "Bears", "Giants", "Redskins", "49ers", "49ers",
    /* 1990 */ "Giants", "Redskins", "Cowboys", "Cowboys", "49ers",
    /* 1995 */ "Cowboys", "Packers", "Packers", "Falcons", "Rams",
    /* 2000 */ "Giants", "Rams", "Buccaneers", "Panthers", "Eagles",
    /* 2005 */ "Seahawks", "Bears", "Giants", "Cardinals", "Saints",
    /* 2010 */ "Packers", "Giants", "49ers", "Seahawks", "Seahawks",
    /* 2015 */ "Panthers", "Falcons", "Eagles", "Rams", "49ers",
    /* 2020 */ "Buccaneers", "", "", "", "",
    /* 2025 */ "", "", "", "", "",
};
static const char* const kYoungerLeagueChampions[] = {
    /* 1960 */ "Titans", "Titans", "Chiefs", "Chargers", "Bills",
    /* 1965 */ "Bills", "Chiefs", "Raiders", "Jets", "Chiefs",
    /* 1970 */ "Colts", "Dolphins", "Dolphins", "Dolphins", "Steelers",
    /* 1975 */ "Steelers", "Raiders", "Broncos", "Steelers", "Steelers",
    /* 1980 */ "Raiders", "Bengals", "Dolphins", "Raiders", "Dolphins",
    /* 1985 */ "Patriots", "Broncos", "Broncos", "Bengals", "Broncos",
    /* 1990 */ "Bills", "Bills", "Bills", "Bills", "Chargers",
    /* 1995 */ "Steelers", "Patriots", "Broncos", "Broncos", "Titans",
    /* 2000 */ "Ravens", "Patriots", "Raiders", "Patriots", "Patriots",
    /* 2005 */ "Steelers", "Colts", "Patriots", "Steelers", "Colts",
    /* 2010 */ "Steelers", "Patriots", "Ravens", "Broncos", "Patriots",
    /* 2015 */ "Broncos", "Patriots", "Patriots", "Patriots", "Chiefs",
    /* 2020 */ "Chiefs", "", "", "", "",
    /* 2025 */ "", "", "", "", "",
};
// clang-format on

struct TITLE_LIST {
    const char* const* pszNicknames;
    int nCount;
    int nFirstSeason;
    int bRenamedTeam;  // "Football Team" counts the titles won as "Redskins"
};

#define TITLE_LIST_OF(names, first, renamed) \
    { names, (int)(sizeof(names) / sizeof(names[0])), first, renamed }

static constexpr TITLE_LIST kFinalGameList =
    TITLE_LIST_OF(kFinalGameWinners, FIRST_CHAMPIONSHIP_SEASON, 1);
static constexpr TITLE_LIST kOlderLeagueList =
    TITLE_LIST_OF(kOlderLeagueChampions, FIRST_OLDER_LEAGUE_SEASON, 1);
static constexpr TITLE_LIST kYoungerLeagueList =
    TITLE_LIST_OF(kYoungerLeagueChampions, FIRST_YOUNGER_LEAGUE_SEASON, 0);

static_assert(kFinalGameList.nCount ==
              LAST_TITLE_SEASON - FIRST_CHAMPIONSHIP_SEASON + 1 + UNTITLED_SEASONS);
static_assert(kOlderLeagueList.nCount ==
              LAST_TITLE_SEASON - FIRST_OLDER_LEAGUE_SEASON + 1 + UNTITLED_SEASONS);
static_assert(kYoungerLeagueList.nCount ==
              LAST_TITLE_SEASON - FIRST_YOUNGER_LEAGUE_SEASON + 1 + UNTITLED_SEASONS);

// ---- the final games -------------------------------------------------------------------------

void Get_Championship_Game_Field(char* szOut, int nSize, int nYear, int nField) {
    if (nField < 0 || nField >= CHAMPIONSHIP_FIELD_COUNT) {
        safe_strncpy(szOut, "", nSize);
        return;
    }
    int nRow = Clamp(nYear, FIRST_CHAMPIONSHIP_SEASON, LAST_CHAMPIONSHIP_SEASON) -
               FIRST_CHAMPIONSHIP_SEASON;
    safe_strncpy(szOut, gChampionshipGames[nRow][nField], nSize);
}

// A played game reads "numeral: winner defeat loser (score)"; from 2021 the line gives the date
// and the place instead, and seasons after 2023 show the 2023 game.
void Format_Championship_Game_Line(int nYear, char* szOut, int nSize) {
    if (nYear < FIRST_CHAMPIONSHIP_SEASON) {
        safe_strncpy(szOut, "", nSize);
        return;
    }
    int nSeason = Min_Int(nYear, LAST_PLACED_SEASON);
    const char* const* pszFields = gChampionshipGames[nSeason - FIRST_CHAMPIONSHIP_SEASON];
    if (nSeason <= LAST_TITLE_SEASON)
        Format_String(szOut, nSize, "Super Bowl %s: %s defeat %s (%s)",
                      pszFields[CHAMPIONSHIP_NUMERAL], pszFields[CHAMPIONSHIP_WINNER],
                      pszFields[CHAMPIONSHIP_LOSER], pszFields[CHAMPIONSHIP_SCORE]);
    else
        Format_String(szOut, nSize, "Super Bowl %s: %s,%s (%s,%s)", pszFields[CHAMPIONSHIP_NUMERAL],
                      pszFields[CHAMPIONSHIP_DATE], pszFields[CHAMPIONSHIP_YEAR],
                      pszFields[CHAMPIONSHIP_CITY], pszFields[CHAMPIONSHIP_STATE]);
}

// ---- title counts ----------------------------------------------------------------------------

// Seasons from the list's first up to the one before nStartYear (none after 2020) whose champion
// is the team's nickname. A team without a nickname has won nothing.
static int Count_Titles(const TITLE_LIST* pList, int nTeam, int nStartYear) {
    char szNickname[TEAM_STRING_SIZE];
    Get_Team_Nickname(nTeam, szNickname, sizeof(szNickname));
    if (szNickname[0] == 0)
        return 0;
    if (pList->bRenamedTeam && strcasecmp(szNickname, "Football Team") == 0)
        safe_strncpy(szNickname, "Redskins", sizeof(szNickname));
    int nEnd = Min_Int(nStartYear, LAST_TITLE_SEASON + 1);
    if (nEnd <= pList->nFirstSeason)
        return 0;
    int nSeasons = Min_Int(nEnd - pList->nFirstSeason, pList->nCount);
    int nTitles = 0;
    for (int n = 0; n < nSeasons; n++)
        nTitles += strcasecmp(pList->pszNicknames[n], szNickname) == 0;
    return nTitles;
}

int Count_Super_Bowl_Wins(int nTeam, int nStartYear) {
    return Count_Titles(&kFinalGameList, nTeam, nStartYear);
}

int Count_Early_League_Titles(int nTeam, int nStartYear) {
    return Count_Titles(&kOlderLeagueList, nTeam, nStartYear);
}

int Count_AFL_Titles(int nTeam, int nStartYear) {
    return Count_Titles(&kYoungerLeagueList, nTeam, nStartYear);
}

int Set_Team_Championship_Counts(void) {
    int nStartYear = Get_Season_Year();
    int nLastValue = 0;
    gActiveTeamCount = Count_Active_Teams();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        Set_Team_Stat(nTeam, TEAM_PRE_TITLE_GAMES, Count_Super_Bowl_Wins(nTeam, nStartYear));
        nLastValue =
            Count_AFL_Titles(nTeam, nStartYear) + Count_Early_League_Titles(nTeam, nStartYear);
        Set_Team_Stat(nTeam, TEAM_PRE_TITLES, nLastValue);
    }
    return nLastValue;
}
