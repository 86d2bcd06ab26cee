// The league's history by year on the fixture league: moves and stadiums announced or asked, a
// declined move left undone, events of teams the league does not have passed over, new leagues
// and divisions named, and expansion teams added with legal rosters or refused when the league
// cannot hold them.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "season/season.h"
#include "season_test_fixture.h"

namespace {

const int kComputerTeam = 5;

class HistoryTest : public SeasonTest {
protected:
    void SetUp() override {
        SeasonTest::SetUp();
        gAllTeamsComputer = 0;
        // New teams' players are named from the installation folder's name lists.
        const char* szSource = getenv("VANTO_SOURCE_DIR");
        ASSERT_NE(szSource, nullptr) << "VANTO_SOURCE_DIR is not set";
        std::filesystem::create_directories("names");
        std::filesystem::copy(std::filesystem::path(szSource) / "data" / "names", "names",
                              std::filesystem::copy_options::overwrite_existing |
                                  std::filesystem::copy_options::recursive);
        Test_Set_Strict(true, [](const TEST_SHOWN& shown) {
            ADD_FAILURE() << "unexpected box: " << shown.stCaption << ": " << shown.stText;
        });
    }

    static void Name_Team(int nTeam, const char* szCity, const char* szNickname) {
        Set_Team_String(nTeam, TEAM_CITY, szCity);
        Set_Team_String(nTeam, TEAM_NICKNAME, szNickname);
    }

    static std::string Text(int nTeam, int nString) {
        char szText[TEAM_STRING_SIZE];
        Get_Team_String(szText, sizeof szText, nTeam, nString);
        return szText;
    }

    // Every team's texts and division, keyed by its label.
    static std::map<std::string, std::string> League_Texts() {
        std::map<std::string, std::string> texts;
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
            if (!Is_Team_Active(nTeam))
                continue;
            std::string stAll;
            for (int nString = TEAM_ABBREVIATION; nString <= TEAM_STADIUM_NAME; nString++)
                stAll += Text(nTeam, nString) + "|";
            stAll += std::to_string(Get_Team_Division(nTeam));
            texts[Text(nTeam, TEAM_CITY) + " " + Text(nTeam, TEAM_NICKNAME)] = stAll;
        }
        return texts;
    }

    static std::string Box_Text(size_t n) {
        const auto& shown = Test_Get_Transcript();
        return n < shown.size() ? shown[n].stCaption + ": " + shown[n].stText : std::string();
    }
};

TEST(HistoryTableTest, RowsAreInYearOrderWithTheKindsOfEachYear) {
    std::map<int, int> counts;
    int nYear = 1952;
    for (const LEAGUE_HISTORY_EVENT& event : gLeagueHistoryEvents) {
        EXPECT_GE(event.nYear, nYear) << event.szTeam;
        nYear = event.nYear;
        counts[event.nKind]++;
        EXPECT_TRUE(event.nDivision >= 0 && event.nDivision < DIVISIONS_PER_LEAGUE);
        if (event.nKind <= HISTORY_STADIUM_RENAME || event.nKind == HISTORY_DIVISION_CHANGE) {
            EXPECT_NE(strchr(event.szTeam, ','), nullptr) << event.nYear;
        }
    }
    EXPECT_EQ(nYear, 2020);
    std::map<int, int> expected = {{0, 20}, {1, 12}, {2, 3},  {3, 4},   {5, 32}, {7, 18},
                                   {8, 1},  {9, 2},  {10, 7}, {11, 11}, {12, 49}};
    EXPECT_EQ(counts, expected);
}

TEST_F(HistoryTest, AComputerTeamMovesAndGetsItsNewStadiumWithTheNewsShown) {
    int nCity = Add_City();
    Set_City_Name(nCity, "Las Vegas");
    Name_Team(kComputerTeam, "Oakland", "Raiders");
    Test_Answer_Message_Box_With_Caption("League News", IDOK);
    Test_Answer_Message_Box_With_Caption("League News", IDOK);

    Apply_League_History_Events(2020);

    EXPECT_EQ(Find_Team_By_Full_Name("Oakland,Raiders"), NO_TEAM);
    int nTeam = Find_Team_By_Full_Name("Las Vegas,Raiders");
    ASSERT_NE(nTeam, NO_TEAM);
    EXPECT_EQ(Text(nTeam, TEAM_ABBREVIATION), "LV");
    EXPECT_EQ(Text(nTeam, TEAM_HOME_LOCATION), "Allegiant Stadium");
    EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_CITY_INDEX), nCity);
    ASSERT_EQ(Test_Get_Transcript().size(), 2u);
    EXPECT_EQ(Box_Text(0),
              "League News: The Oakland Raiders have moved. They are now the Las Vegas Raiders.");
    EXPECT_EQ(Box_Text(1),
              "League News: The Las Vegas Raiders have a new stadium: Allegiant "
              "Stadium.");
}

TEST_F(HistoryTest, TheHumanTeamIsAskedAndADeclinedMoveChangesNothing) {
    struct {
        int nAnswer;
        bool bMoved;
    } cases[] = {{IDYES, true}, {IDNO, false}};
    for (const auto& c : cases) {
        Build_Fixture_League();
        Test_Clear_Transcript();
        Name_Team(FIXTURE_HUMAN_TEAM, "Oakland", "Raiders");
        Set_Team_String(FIXTURE_HUMAN_TEAM, TEAM_ABBREVIATION, "OAK");
        Set_Team_Home_Location(FIXTURE_HUMAN_TEAM, "Coliseum");
        auto before = League_Texts();
        Test_Answer_Message_Box_With_Caption("Move Team", c.nAnswer);
        if (c.bMoved)
            Test_Answer_Message_Box_With_Caption("New Stadium", IDYES);

        Apply_League_History_Events(2020);

        EXPECT_NE(Box_Text(0).find("Would you like to move the Oakland Raiders to Las Vegas and "
                                   "change their name to the Raiders?"),
                  std::string::npos);
        if (!c.bMoved) {
            EXPECT_EQ(League_Texts(), before);
            EXPECT_EQ(Test_Get_Transcript().size(), 1u);
            continue;
        }
        int nTeam = Find_Team_By_Full_Name("Las Vegas,Raiders");
        ASSERT_NE(nTeam, NO_TEAM);
        EXPECT_TRUE(Is_Human_Team(nTeam));
        EXPECT_EQ(Text(nTeam, TEAM_ABBREVIATION), "LV");
        EXPECT_EQ(Text(nTeam, TEAM_HOME_LOCATION), "Allegiant Stadium");
        EXPECT_EQ(Test_Get_Transcript().size(), 2u);
    }
}

TEST_F(HistoryTest, WhileEveryTeamIsComputerRunEventsApplyWithoutABox) {
    gAllTeamsComputer = 1;
    Name_Team(FIXTURE_HUMAN_TEAM, "Tennessee", "Oilers");
    Name_Team(kComputerTeam, "Washington", "Redskins");

    Apply_League_History_Events(1999);

    EXPECT_TRUE(Test_Get_Transcript().empty());
    int nTitans = Find_Team_By_Full_Name("Tennessee,Titans");
    ASSERT_NE(nTitans, NO_TEAM);
    EXPECT_EQ(Text(nTitans, TEAM_HOME_LOCATION), "Adelphia Coliseum");
    int nWashington = Find_Team_By_Full_Name("Washington,Redskins");
    ASSERT_NE(nWashington, NO_TEAM);
    EXPECT_EQ(Text(nWashington, TEAM_HOME_LOCATION), "FedExField");
}

TEST_F(HistoryTest, EventsOfTeamsNotInTheLeagueArePassedOverWhileLeagueEventsApply) {
    // A team whose nickname alone matches is not the team of the event.
    Name_Team(kComputerTeam, "Portland", "Raiders");
    auto before = League_Texts();

    Apply_League_History_Events(2020);
    Apply_League_History_Events(2002);
    EXPECT_EQ(League_Texts(), before);
    EXPECT_TRUE(Test_Get_Transcript().empty());

    // 1960: the second league becomes the AFL with its two divisions, announced.
    Test_Answer_Message_Box_With_Caption("League News", IDOK);
    Apply_League_History_Events(1960);
    char szName[LEAGUE_NAME_SIZE];
    Get_League_Name(1, szName, sizeof szName);
    EXPECT_STREQ(szName, "AFL");
    Get_Division_Name(5, szName, sizeof szName);
    EXPECT_STREQ(szName, "West");
    EXPECT_EQ(Box_Text(0), "League News: A new league has been created: AFL.");
    EXPECT_EQ(League_Texts(), before);
}

TEST_F(HistoryTest, AnExpansionTeamJoinsWithALegalComputerRunRoster) {
    Test_Answer_Message_Box_With_Caption("League Expansion", IDOK);
    Test_Answer_Message_Box_With_Caption("Expansion Draft", IDCANCEL);
    Test_Answer_Message_Box_With_Caption("Expansion Draft Complete", IDOK);

    Apply_League_Expansion(2002);

    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT + 1);
    int nTeam = Find_Team_By_Full_Name("Houston,Texans");
    ASSERT_NE(nTeam, NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_CONTROL), CONTROL_COMPUTER);
    EXPECT_EQ(Text(nTeam, TEAM_ABBREVIATION), "HOU");
    EXPECT_EQ(Text(nTeam, TEAM_HOME_LOCATION), "Reliant Stadium");
    EXPECT_EQ(Get_Team_Division(nTeam), 2);  // no league is named AFC: the first league's
    int nPlayers = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        int nCount = Count_Team_Position_Players(nTeam, nPosition);
        EXPECT_GE(nCount, Get_New_Team_Position_Count(nPosition)) << "position " << nPosition;
        nPlayers += nCount;
    }
    EXPECT_LE(nPlayers, PLAYERS_PER_TEAM);
    EXPECT_EQ(Box_Text(0),
              "League Expansion: The following teams have been added to the league:\n\n"
              "Houston Texans");
    EXPECT_EQ(Test_Get_Transcript()[1].stCaption, "Expansion Draft");
    EXPECT_EQ(Test_Get_Transcript()[2].stCaption, "Expansion Draft Complete");
    EXPECT_EQ(gExcludeUserFromExpansion, 0);
    EXPECT_TRUE(Last_Error().empty()) << Last_Error();

    // The team exists now: the year's expansion adds nothing more.
    Test_Clear_Transcript();
    Apply_League_Expansion(2002);
    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT + 1);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(HistoryTest, TwoNewTeamsAreListedOneALineAndTheUserMayStayOutOfTheDraft) {
    Set_Universe_Stat(UNIVERSE_SEASON_GAMES, 16);  // 34 teams fit the game records
    Test_Answer_Message_Box_With_Caption("League Expansion", IDOK);
    Test_Answer_Message_Box_With_Caption("Expansion Draft", IDNO);

    Apply_League_Expansion(1976);

    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT + 2);
    EXPECT_EQ(Box_Text(0),
              "League Expansion: The following teams have been added to the league:\n\n"
              "Seattle Seahawks\nTampa Bay Buccaneers");
    EXPECT_EQ(gExcludeUserFromExpansion, 1);
    for (const char* szTeam : {"Seattle,Seahawks", "Tampa Bay,Buccaneers"}) {
        int nTeam = Find_Team_By_Full_Name(szTeam);
        ASSERT_NE(nTeam, NO_TEAM) << szTeam;
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_CONTROL), CONTROL_COMPUTER) << szTeam;
        EXPECT_GE(Count_Team_Position_Players(nTeam, POS_QB), Get_New_Team_Position_Count(POS_QB));
    }
}

// Without the shell's host services (a tool, a headless run) the same expansion shows nothing:
// the notices go unseen, the question takes its default button (View My Team) and the depth
// chart it opens is not shown, while the league changes exactly as with a person at the screen.
TEST_F(HistoryTest, TheQuietHostShowsNothingAndAnswersEachQuestionWithItsDefault) {
    Set_Host_Services(NULL);
    Set_Universe_Stat(UNIVERSE_SEASON_GAMES, 16);
    gDialogTeam = NO_TEAM;

    Apply_League_Expansion(1976);

    EXPECT_TRUE(Test_Get_Transcript().empty()) << Box_Text(0);
    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT + 2);
    EXPECT_EQ(gExcludeUserFromExpansion, 0);
    EXPECT_EQ(gDialogTeam, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Do_Message_Box("Text", "Caption", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(Open_Progress_Window("Working", 3), 0);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(HistoryTest, ATeamTheGameRecordsCannotHoldIsRefusedWithANoticeAndTheLeagueKept) {
    // 33 teams fit 17 games and 13 playoff games in the 300 game records; 34 do not.
    Test_Answer_Message_Box_With_Text("cannot join the league", IDOK);
    Test_Answer_Message_Box_With_Caption("League Expansion", IDOK);
    Test_Answer_Message_Box_With_Caption("Expansion Draft", IDCANCEL);
    Test_Answer_Message_Box_With_Caption("Expansion Draft Complete", IDOK);

    Apply_League_Expansion(1995);

    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT + 1);
    EXPECT_NE(Find_Team_By_Full_Name("Carolina,Panthers"), NO_TEAM);
    EXPECT_EQ(Find_Team_By_Full_Name("Jacksonville,Jaguars"), NO_TEAM);
    EXPECT_FALSE(Is_Team_Active(FIXTURE_TEAM_COUNT + 1));
    char szWhy[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Find_League_Settings_Fault(szWhy, sizeof szWhy), 0) << szWhy;
    EXPECT_NE(Box_Text(0).find("The Jacksonville Jaguars cannot join the league: 34 teams"),
              std::string::npos)
        << Box_Text(0);
    EXPECT_EQ(Box_Text(1),
              "League Expansion: The following teams have been added to the league:\n\n"
              "Carolina Panthers");
}

TEST(PlaceNamesTest, PostalCodesExpandAndRowsAreClamped) {
    struct {
        const char* szIn;
        const char* szOut;
    } cases[] = {{"dc", "Washington"}, {"ON", "Ontario"}, {"PR", "Puerto Rico"},
                 {"Texas", "Texas"},   {"", ""},          {"WY", "Wyoming"}};
    for (const auto& c : cases) {
        char szText[64];
        safe_strncpy(szText, c.szIn, sizeof szText);
        Expand_Postal_Code(szText, sizeof szText);
        EXPECT_STREQ(szText, c.szOut) << c.szIn;
    }
    EXPECT_STREQ(Get_Place_Name(-5, 0), "Alabama");
    EXPECT_STREQ(Get_Place_Name(PLACE_COUNT + 3, PLACE_POSTAL_CODE), "VI");
    EXPECT_STREQ(Get_Place_Name(50, 9), "US-DC");
}

}  // namespace
