// The final games by season, their one-line summary, and the titles each team's nickname won
// before a new game's first season.
#include <string>

#include "database_test_fixture.h"
#include "fixtures/fixture_league.h"

namespace {

class ChampionshipTest : public DatabaseTest {
protected:
    static std::string Field(int nYear, int nField) {
        char szField[CHAMPIONSHIP_FIELD_SIZE];
        Get_Championship_Game_Field(szField, sizeof(szField), nYear, nField);
        return szField;
    }

    static std::string Line(int nYear) {
        char szLine[CHAMPIONSHIP_LINE_SIZE];
        Format_Championship_Game_Line(nYear, szLine, sizeof(szLine));
        return szLine;
    }
};

std::string Roman_Numeral(int n) {
    static const struct {
        int nValue;
        const char* szDigits;
    } kDigits[] = {{100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"},
                   {9, "IX"},  {5, "V"},   {4, "IV"}, {1, "I"}};
    std::string stNumeral;
    for (const auto& digit : kDigits)
        for (; n >= digit.nValue; n -= digit.nValue)
            stNumeral += digit.szDigits;
    return stNumeral;
}

TEST_F(ChampionshipTest, EveryRowCarriesItsNumeralAndSeason2015Reads50) {
    for (int nRow = 0; nRow < CHAMPIONSHIP_GAME_COUNT; nRow++) {
        int nYear = FIRST_CHAMPIONSHIP_SEASON + nRow;
        std::string stExpected = nYear == 2015 ? "50" : Roman_Numeral(nRow + 1);
        EXPECT_EQ(Field(nYear, CHAMPIONSHIP_NUMERAL), stExpected) << nYear;
    }
}

TEST_F(ChampionshipTest, FieldsKeepTheirExactText) {
    const struct {
        int nYear;
        int nField;
        const char* szExpected;
    } kCases[] = {
        {1966, CHAMPIONSHIP_DATE, "01967-01-15 January 15"},
        {1966, CHAMPIONSHIP_YEAR, " 1967"},
        {1966, CHAMPIONSHIP_SCORE,
         "35\x96"
         "10"},
        {2008, CHAMPIONSHIP_SCORE,
         "27\x96"
         "23"},
        {2009, CHAMPIONSHIP_SCORE, "31-17"},
        {2012, CHAMPIONSHIP_DATE, "02013-02-03 February 3"},
        {2013, CHAMPIONSHIP_DATE, "February 2"},
        {2014, CHAMPIONSHIP_LOSER, "Seattle Seahwaks"},
        {2016, CHAMPIONSHIP_STATE, " Texas"},
        {2021, CHAMPIONSHIP_WINNER, ""},
        {2023, CHAMPIONSHIP_CITY, "New Orleans"},
        {2024, CHAMPIONSHIP_DATE, ""},
        {2065, CHAMPIONSHIP_STADIUM, ""},
        // Seasons outside the table read its first or last row.
        {1950, CHAMPIONSHIP_NUMERAL, "I"},
        {1950, CHAMPIONSHIP_WINNER, "Green Bay Packers"},
        {2100, CHAMPIONSHIP_NUMERAL, "C"},
        // Fields outside the row are empty.
        {1966, -1, ""},
        {1966, CHAMPIONSHIP_FIELD_COUNT, ""},
    };
    for (const auto& test : kCases)
        EXPECT_EQ(Field(test.nYear, test.nField), test.szExpected)
            << test.nYear << " field " << test.nField;
}

TEST_F(ChampionshipTest, EveryPlayedGameHasAStadium) {
    for (int nYear = FIRST_CHAMPIONSHIP_SEASON; nYear <= 2023; nYear++)
        EXPECT_NE(Field(nYear, CHAMPIONSHIP_STADIUM), "") << nYear;
}

TEST_F(ChampionshipTest, AFieldIsCutToTheBuffer) {
    char szField[8];
    memset(szField, 'x', sizeof(szField));
    Get_Championship_Game_Field(szField, 4, 1966, CHAMPIONSHIP_WINNER);
    EXPECT_STREQ(szField, "Gre");
    EXPECT_EQ(szField[4], 'x');
}

TEST_F(ChampionshipTest, TheLineNamesTheResultUpTo2020AndThePlaceAfter) {
    EXPECT_EQ(Line(1965), "");
    EXPECT_EQ(Line(1966),
              "Super Bowl I: Green Bay Packers defeat Kansas City Chiefs (35\x96"
              "10)");
    EXPECT_EQ(Line(2014), "Super Bowl XLIX: New England Patriots defeat Seattle Seahwaks (28-24)");
    EXPECT_EQ(Line(2021), "Super Bowl LVI: February 6, 2022 (Inglewood, California)");
    EXPECT_EQ(Line(2040), "Super Bowl LVIII: February 4, 2024 (New Orleans, Louisiana)");

    char szLine[12];
    memset(szLine, 'x', sizeof(szLine));
    Format_Championship_Game_Line(1966, szLine, 10);
    EXPECT_STREQ(szLine, "Super Bow");
    EXPECT_EQ(szLine[10], 'x');
}

TEST_F(ChampionshipTest, TitlesAreCountedBeforeTheStartYear) {
    const struct {
        const char* szNickname;
        int nStartYear;
        int nFinalGames;
        int nOlderLeague;
        int nYoungerLeague;
    } kCases[] = {
        {"Packers", 1966, 0, 9, 0},
        {"Packers", 1968, 2, 11, 0},
        {"Packers", 2030, 4, 14, 0},
        {"pACKERS", 2021, 4, 14, 0},  // compared without regard to case
        {"Buccaneers", 2020, 1, 1, 0},
        {"Buccaneers", 2030, 2, 2, 0},  // 2020 counts, and nothing later
        {"Chiefs", 2030, 2, 0, 5},
        {"Football Team", 2030, 3, 7, 0},  // the older names' titles, not the younger league's
        {"Titans", 2030, 0, 0, 3},
        {"Pros", 1920, 0, 0, 0},
        {"Pros", 1921, 0, 1, 0},
        {"Comets", 2030, 0, 0, 0},
        {"", 2030, 0, 0, 0},  // not the empty entries of 1926 and 1928
        {"Packers", -2147483647 - 1, 0, 0, 0},
    };
    Build_Fixture_League();
    for (const auto& test : kCases) {
        Set_Team_Nickname(3, test.szNickname);
        SCOPED_TRACE(std::string(test.szNickname) + " from " + std::to_string(test.nStartYear));
        EXPECT_EQ(Count_Super_Bowl_Wins(3, test.nStartYear), test.nFinalGames);
        EXPECT_EQ(Count_Early_League_Titles(3, test.nStartYear), test.nOlderLeague);
        EXPECT_EQ(Count_AFL_Titles(3, test.nStartYear), test.nYoungerLeague);
    }
}

TEST_F(ChampionshipTest, TeamsWithoutANicknameCountNothing) {
    Build_Fixture_League();
    for (int nTeam : {-1, FREE_AGENT_TEAM, HALL_OF_FAME_TEAM, FIRST_DRAFT_POOL_TEAM, 99}) {
        EXPECT_EQ(Count_Super_Bowl_Wins(nTeam, 2030), 0) << nTeam;
        EXPECT_EQ(Count_Early_League_Titles(nTeam, 2030), 0) << nTeam;
        EXPECT_EQ(Count_AFL_Titles(nTeam, 2030), 0) << nTeam;
    }
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(ChampionshipTest, EveryTeamInUseGetsItsCountsForTheSeasonYear) {
    Build_Fixture_League();
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 1968);
    Set_Team_Nickname(0, "Packers");
    Set_Team_Nickname(1, "Jets");
    Set_Team_Nickname(FIXTURE_TEAM_COUNT - 1, "Colts");
    // A slot out of use between teams in use is left alone.
    Set_Team_Stat(5, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    Set_Team_Stat(5, TEAM_PRE_TITLE_GAMES, -7);
    Set_Team_Stat(5, TEAM_PRE_TITLES, -7);
    Set_Team_Stat(2, TEAM_PRE_TITLES, 99);
    gActiveTeamCount = 0;

    // The Colts won the older league in 1958 and 1959.
    EXPECT_EQ(Set_Team_Championship_Counts(), 2);
    EXPECT_EQ(gActiveTeamCount, FIXTURE_TEAM_COUNT - 1);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_PRE_TITLE_GAMES), 2);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_PRE_TITLES), 11);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_PRE_TITLE_GAMES), 0);  // 1968 is not before 1968
    EXPECT_EQ(Get_Team_Stat(1, TEAM_PRE_TITLES), 0);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_PRE_TITLES), 0);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_PRE_TITLE_GAMES), -7);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_PRE_TITLES), -7);
    EXPECT_EQ(Get_Team_Stat(FIXTURE_TEAM_COUNT - 1, TEAM_PRE_TITLE_GAMES), 0);
    EXPECT_EQ(Get_Team_Stat(FIXTURE_TEAM_COUNT - 1, TEAM_PRE_TITLES), 2);
}

}  // namespace
