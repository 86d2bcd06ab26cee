// The encyclopedia's template mark-up expanded on the fixture league: tags to output, tables one
// after another and one inside another, escaping, bounded values and safe page names.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "reports/reports.h"

class EncyclopediaTemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gSeasonNumber = 2;
        gCurrentWeek = 5;
    }

    static std::string Expand(const std::string& sText, const TEMPLATE_CONTEXT* pPage = nullptr,
                              int nGroups = 0) {
        FILE* pFile = tmpfile();
        Expand_Template_Text(sText.c_str(), (int)sText.size(), pPage, nGroups, pFile);
        rewind(pFile);
        std::string sOut;
        for (int ch = fgetc(pFile); ch != EOF; ch = fgetc(pFile))
            sOut += (char)ch;
        fclose(pFile);
        return sOut;
    }

    static std::string Label(int nTeam) {
        char szLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(nTeam, szLabel, sizeof szLabel);
        return szLabel;
    }

    static int Year() {
        return FIXTURE_FIRST_YEAR + gSeasonNumber;
    }
};

TEST_F(EncyclopediaTemplateTest, TagsBecomeTheirOutput) {
    TEMPLATE_CONTEXT page = {};
    page.anKeys[0] = KEY_SEASON;
    page.anValues[0] = 0;
    int nRegular = Get_Postseason_Week(0) < 2 ? 2 : Get_Postseason_Week(0);
    struct {
        std::string sTemplate;
        std::string sExpected;
    } const kCases[] = {
        {"<html><p class=\"x\">plain & text</p></html>",
         "<html><p class=\"x\">plain & text</p></html>"},
        {"<gdx:var Year[SEASON=2]>", std::to_string(Year() - 2)},  // the author's group wins
        {"<gdx:var Count[WEEK=0]>", "1"},
        {"<gdx:var TeamPointsFor[TEAM=0][SEASON=1]>", "-"},
        {"<gdx:var PositionName[POS=5]>", "PositionName"},
        {"<gdx:var PositionName[POS=16]>", "Defensive Line"},
        {"<gdx:var Nothing[TEAM=3]>", "Nothing"},
        {"<gdx:var>", "<gdx:var>"},
        {"a</gdx:table>b", "ab"},
        {"<gdx:table tNothing>body</gdx:table>after", "after"},
        {"<gdx:var TeamFullName[TEAM=1]>", Label(1)},
        {"<gdx:var TimeLeaderCategory[TYPE=1][SEASON=-2]>", "All Time"},
        {"<gdx:var isPlayoff[WEEK=" + std::to_string(nRegular) + "]>", "Wildcard Games"},
        {"<gdx:var Game[GAME=-1]>", ""},
        {"<gdx:var PlayDown[GAME=299][PLAY=0]>", ""},
        {"<gdx:var GamePoints[GAME=400][TYPE=0]>", ""},
        {"<gdx:var Select[TYPE=99]>",
         "<select onChange='OnChange(this)' >\n<option value=\"-100\" "
         "selected></option>\n</select>\n"},
        {"<gdx:var TeamRef[TEAM=1][SEASON=-1][TYPE=1]>",
         "<a href=\"..\\\\teams\\" + Label(1) + ".htm\">"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Expand(c.sTemplate, &page, 1), c.sExpected) << c.sTemplate;
    EXPECT_EQ(Expand("<gdx:var Year>"), std::to_string(Year() + 100));
    // Of seven groups the first stays part of the name, which then names no variable.
    EXPECT_EQ(Expand("<gdx:var Year[X=1][TEAM=1][TEAM=1][TEAM=1][TEAM=1][TEAM=1][SEASON=1]>"),
              "Year[X=1]");
}

TEST_F(EncyclopediaTemplateTest, TablesRepeatTheirBodiesAndEndAtTheFirstClosingTag) {
    // Ten leader rows, each handing its row to the variable.
    std::string sRows = Expand(
        "<gdx:table tLeaders[LEAGUE=2][SEASON=-1]>[<gdx:var Count[WEEK=1]>]"
        "</gdx:table>");
    EXPECT_EQ(sRows, "[2][2][2][2][2][2][2][2][2][2]");
    // Two tables one after the other each get their own body.
    std::string sTwo = Expand(
        "<gdx:table tTeamSummary[TEAM=0]>a</gdx:table>|"
        "<gdx:table tTeamSummary[TEAM=1]>b</gdx:table>");
    EXPECT_EQ(sTwo, "aaa|bbb");
    // An inner table ends the outer body: what follows it is written once, after all rows.
    std::string sNested = Expand(
        "<gdx:table tTeamSummary[TEAM=0]>(<gdx:var Year>)"
        "<gdx:table tLeaders[LEAGUE=2][SEASON=-1]>.</gdx:table>"
        "tail</gdx:table>end");
    std::string sExpected;
    for (int nSeason = 0; nSeason <= gSeasonNumber; nSeason++)
        sExpected += "(" + std::to_string(Year() - nSeason) + ")..........";
    EXPECT_EQ(sNested, sExpected + "tailend");
    // A table without rows writes neither its body nor its closing tag.
    EXPECT_EQ(Expand("x<gdx:table tGamePlays[GAME=-1]>row</gdx:table>y"), "xy");
}

TEST_F(EncyclopediaTemplateTest, LeagueTextIsEscapedAndFileNamesAreSafe) {
    Set_Player_Last_Name(0, 0, "<script>&\"");
    Set_Team_Nickname(1, "Foes/../<b>");
    EXPECT_EQ(Expand("<gdx:var PlayerName[TEAM=0][PLAYER=0]>").find('<'), std::string::npos);
    std::string sTeam = Expand("<gdx:var TeamFullName[TEAM=1]>");
    EXPECT_NE(sTeam.find("&lt;b&gt;"), std::string::npos) << sTeam;

    Set_Encyclopedia_Export("Export", "styles.css");
    char szPage[512];
    TEMPLATE_CONTEXT team = {};
    team.anKeys[0] = KEY_TEAM;
    team.anValues[0] = 1;
    ASSERT_TRUE(Get_Encyclopedia_Page_Name("TeamSummary.template", &team, szPage, sizeof szPage));
    std::string sName = std::string(szPage).substr(strlen("Export/teams/"));
    EXPECT_EQ(sName.find('/'), std::string::npos) << szPage;
    EXPECT_EQ(sName.find(".."), std::string::npos) << szPage;
    EXPECT_EQ(sName.find('<'), std::string::npos) << szPage;

    TEMPLATE_CONTEXT player = {};
    player.anKeys[0] = KEY_TEAM;
    player.anKeys[1] = KEY_PLAYER;
    ASSERT_TRUE(
        Get_Encyclopedia_Page_Name("PlayerDetail.template", &player, szPage, sizeof szPage));
    std::string sFile = std::string(szPage).substr(strlen("Export/players/"));
    EXPECT_EQ(sFile.find_first_of("/\\<>&\""), std::string::npos) << szPage;
    EXPECT_EQ(sFile.substr(0, 8), "_script_") << szPage;
    // The link to the page names the same file.
    EXPECT_EQ(Expand("<gdx:var PlayerRef[TEAM=0][PLAYER=0][TYPE=0]>"),
              "<a href=\".\\\\players\\" + sFile + "\">");
    // An empty slot or a team out of range has no page.
    player.anValues[1] = 99;
    EXPECT_FALSE(
        Get_Encyclopedia_Page_Name("PlayerDetail.template", &player, szPage, sizeof szPage));
    team.anValues[0] = 40;
    EXPECT_FALSE(Get_Encyclopedia_Page_Name("TeamSummary.template", &team, szPage, sizeof szPage));
}

TEST_F(EncyclopediaTemplateTest, ValuesStayInsideTheirBuffer) {
    const char* szVariable = "<gdx:var Select[TYPE=8]>";
    int nSize = (int)strlen(szVariable) + 1;  // the buffer holds the tag and no more
    char szTag[64];
    memset(szTag, '#', sizeof szTag);
    memcpy(szTag, szVariable, (size_t)nSize);
    Expand_Template_Var(szTag, nSize);
    EXPECT_EQ((int)strlen(szTag), nSize - 1);
    EXPECT_EQ(std::string(szTag),
              std::string("<select onChange='OnChange(this)' name=\"player_name\">\n")
                  .substr(0, (size_t)nSize - 1));
    for (size_t n = (size_t)nSize; n < sizeof szTag; n++)
        EXPECT_EQ(szTag[n], '#');
    // A value longer than its tag is written whole when the buffer holds it.
    std::string sList = Expand("<gdx:var Select[TYPE=8]>");
    EXPECT_NE(sList.find("<option value=\"Z\">\nZ</option>\n</select>\n"), std::string::npos);
}

TEST_F(EncyclopediaTemplateTest, LeaderListsAreOrdered) {
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
        Set_Player_Stat(nTeam, 0, 0, OFF_PASS_ATTEMPTS, 400);
        Set_Player_Stat(nTeam, 0, 0, OFF_PASSING_YARDS, 1000 + (nTeam * 37) % 400);
    }
    LEADER_LIST list;
    Build_Player_Leaders(&list, 2, 0, 0);
    for (int nRow = 1; nRow < LEADER_LIST_ROWS; nRow++)
        EXPECT_GE(list.anValues[nRow - 1], list.anValues[nRow]);
    EXPECT_GT(list.anValues[LEADER_LIST_ROWS - 1], 0);
    Build_Player_Leaders(&list, 0, 0, 0);
    for (int nRow = 0; nRow < LEADER_LIST_ROWS; nRow++)
        EXPECT_EQ(Get_Team_League(list.anTeams[nRow]), 0);

    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        Set_Team_Totals_Stat(nTeam, 4, 0, STAT_SCRIMMAGE_YARDS, 500 + nTeam);
    Build_Team_Leaders(&list, 4, 0);
    for (int nRow = 0; nRow < LEADER_LIST_ROWS; nRow++)
        EXPECT_EQ(list.anTeams[nRow], nRow);
}
