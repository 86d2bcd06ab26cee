// The league frame of a build: the league and teams files, the city lookup, and the defaults a
// newly built league starts with.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include <string>

#include "common/text_files.h"
#include "core/core.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "season/season.h"
#include "setup/setup.h"
#include "tools/tools.h"

namespace {

const char* const kTeamsHeader = "Abbreviation,Home,Nickname,Stadium,Capacity,...\n";

// A teams-file line of a team in a division and a city.
std::string Team_Line(const std::string& stAbbreviation, int nDivision, const char* szCity,
                      const char* szStructure = "OPEN", const char* szSurface = "GRASS") {
    return stAbbreviation + ",Home " + stAbbreviation + ",Nick " + stAbbreviation +
           ",Some Stadium,65000," + szStructure + "," + szSurface +
           ",1999,500000000,1100,1000,900,1050,6000," + std::to_string(nDivision) + "," + szCity +
           ",0\n";
}

class LeagueImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Clear_League_Database();
        mkdir("input", 0755);
        mkdir("input/stats", 0755);
        mkdir("input/stats/leagues", 0755);
        remove("input/stats/2019_teams.csv");
        remove("input/stats/leagues/2019_league.csv");
        Set_City_Name(0, "Atlanta");
        Set_City_Stat(0, CITY_TIME_ZONE, 3);
        Set_City_Name(1, "Denver");
        Set_City_Stat(1, CITY_TIME_ZONE, 1);
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2019);
        Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
    }

    static int Count_Boxes_With(const std::string& stText) {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            nCount += shown.stText.find(stText) != std::string::npos;
        return nCount;
    }
};

TEST_F(LeagueImportTest, LeagueFileNamesLeaguesAndDivisions) {
    Write_Text_File("input/stats/leagues/2019_league.csv",
               "League,D1,D2,D3,D4\nAlpha,North,South,East,West\nAn Overlong League Name,A,B,C,"
               "An Overlong Division\n");
    Import_League_File();
    char szName[LEAGUE_NAME_SIZE];
    Get_League_Name(0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Alpha");
    Get_League_Name(1, szName, sizeof(szName));
    EXPECT_STREQ(szName, "An Overlong Lea");
    Get_Division_Name(3, szName, sizeof(szName));
    EXPECT_STREQ(szName, "West");
    Get_Division_Name(7, szName, sizeof(szName));
    EXPECT_STREQ(szName, "An Overlong");
}

TEST_F(LeagueImportTest, TeamLineFillsTheTeam) {
    Write_Text_File("input/stats/2019_teams.csv",
               std::string(kTeamsHeader) + Team_Line("ATL", 1, "Atlanta", "DOMED", "CARPET") +
                   Team_Line("DEN", 6, "denver", "CONVERTIBLE", "GRASS"));
    Import_Teams_File();
    ASSERT_EQ(Count_Active_Teams(), 2);
    char szText[TEAM_STRING_SIZE];
    Get_Team_String(szText, sizeof(szText), 0, TEAM_ABBREVIATION);
    EXPECT_STREQ(szText, "ATL");
    Get_Team_String(szText, sizeof(szText), 0, TEAM_NICKNAME);
    EXPECT_STREQ(szText, "Nick ATL");
    Get_Team_String(szText, sizeof(szText), 0, TEAM_HOME_LOCATION);
    EXPECT_STREQ(szText, "Some Stadium");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_CONTROL), CONTROL_COMPUTER);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 1);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_STRUCTURE), STADIUM_DOMED);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_SURFACE), STADIUM_ARTIFICIAL_TURF);
    EXPECT_EQ(Get_Team_Stadium_Stat(1, STADIUM_STRUCTURE), STADIUM_CONVERTIBLE);
    EXPECT_EQ(Get_Team_Stadium_Stat(1, STADIUM_SURFACE), STADIUM_NATURAL_GRASS);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_CAPACITY), 65000);
    EXPECT_EQ(Get_Team_Stadium_Stat(0, STADIUM_SIGHT_LINES), 900);
    EXPECT_EQ(gTeams[0].anFinancialStats[FIN_FAN_SUPPORT],
              1050);  // read as 1000 outside Owner Mode
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_TICKET_PRICE), 6000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), Get_Base_Team_Cash());
    EXPECT_EQ(Get_Team_Stat(1, TEAM_CITY_INDEX), 1);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_TIME_ZONE), 1);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_IMPORT_STRENGTH), 0);
}

// Ticket prices are base-year money: inflated and rounded to the price step.
TEST_F(LeagueImportTest, TicketPriceIsInflated) {
    Set_Universe_Stat(UNIVERSE_INFLATION, 1031);
    Write_Text_File("input/stats/2019_teams.csv",
               std::string(kTeamsHeader) + Team_Line("ATL", 1, "Atlanta"));
    Import_Teams_File();
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_TICKET_PRICE),
              Round_To_Price_Step(Apply_Inflation(6000)));
}

// Short lines and lines that do not start with a letter carry no team; at most 32 are taken.
TEST_F(LeagueImportTest, OnlyProperLinesMakeTeams) {
    std::string stText = kTeamsHeader;
    stText += "short\n";
    stText += "1" + Team_Line("XXX", 0, "Atlanta");
    for (int n = 0; n < 40; n++)
        stText += Team_Line("T" + std::to_string(n), n % 8, "Atlanta");
    Write_Text_File("input/stats/2019_teams.csv", stText);
    Import_Teams_File();
    EXPECT_EQ(Count_Active_Teams(), 32);
    char szText[TEAM_STRING_SIZE];
    Get_Team_String(szText, sizeof(szText), 0, TEAM_ABBREVIATION);
    EXPECT_STREQ(szText, "T0");
}

// An over-long line is cut at 2,047 characters with the one-time notice; the next line still reads.
TEST_F(LeagueImportTest, OverlongLineIsCutWithNotice) {
    gLineTooLongShown = 0;
    std::string stLong = Team_Line("ATL", 1, "Atlanta");
    stLong.insert(stLong.size() - 1, std::string(3000, ','));  // unread trailing fields
    Write_Text_File("input/stats/2019_teams.csv",
               std::string(kTeamsHeader) + stLong + Team_Line("DEN", 6, "Denver"));
    Import_Teams_File();
    EXPECT_EQ(Count_Boxes_With("Line too long in input/stats/2019_teams.csv.\n\nLimit = 2048 "
                               "characters.\n\nExtra character(s) ignored."),
              1);
    EXPECT_EQ(Count_Active_Teams(), 2);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_CITY_INDEX), 1);
    gLineTooLongShown = 0;
}

TEST_F(LeagueImportTest, UnknownCityFallsBackToTheFirst) {
    Write_Text_File("input/stats/2019_teams.csv",
               std::string(kTeamsHeader) + Team_Line("ZZZ", 2, "Atlantis"));
    Import_Teams_File();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_CITY_INDEX), 0);
    EXPECT_EQ(Count_Boxes_With("Can't find 'Atlantis' among City Names. Using first city in list."),
              1);
}

TEST_F(LeagueImportTest, MissingFilesAreReported) {
    Import_League_File();
    Import_Teams_File();
    EXPECT_EQ(Count_Boxes_With("Unable to open input/stats/leagues/2019_league.csv. Please "
                               "re-install Football Vanto."),
              1);
    EXPECT_EQ(Count_Boxes_With("Can't open input file: input/stats/2019_teams.csv\nPlease "
                               "re-install Football Vanto.\n\n(Vanto Error #535)"),
              1);
    EXPECT_EQ(Count_Active_Teams(), 0);
}

// A newly imported league: no draft running, every pick with its team, the year's cap and rules,
// and the computer manager held off.
TEST_F(LeagueImportTest, NewLeagueDefaults) {
    mkdir("names", 0755);
    Write_Text_File("names/first.txt", "Al\nBo\nCy\n");
    Write_Text_File("names/last.txt", "Ames\nBell\n");
    std::string stText = kTeamsHeader;
    for (int n = 0; n < 4; n++)
        stText += Team_Line("T" + std::to_string(n), n, "Atlanta");
    Write_Text_File("input/stats/2019_teams.csv", stText);
    Import_Teams_File();
    gSeasonNumber = 3;
    gCurrentWeek = 9;
    Init_Imported_League();
    EXPECT_EQ(gSeasonNumber, 0);
    EXPECT_EQ(gCurrentWeek, 0);
    EXPECT_EQ(gSelectedGame, -1);
    EXPECT_EQ(gDraftRound, NO_DRAFT_ROUND);
    EXPECT_EQ(gDraftPick, 4);
    EXPECT_EQ(gCommissionerMode, 1);
    EXPECT_EQ(Get_User_Preference(92), 4);
    EXPECT_EQ(Get_User_Preference(93), 3);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SALARY_CAP), Get_Season_Salary_Cap(2019));
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_INFLATION), Get_Cap_Inflation_Factor(188200000));
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), 16);
    EXPECT_EQ(gSuperBowl, 1);
    EXPECT_EQ(gNoSameDivisionDivisionalRound, 0);
    for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
        EXPECT_EQ(Get_Draft_Pick_Owner(2, nRound, 3), 3);
}

}  // namespace
