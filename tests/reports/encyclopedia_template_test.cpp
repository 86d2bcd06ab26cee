// The encyclopedia's template mark-up expanded on the fixture league: tags to output, tables one
// after another and one inside another, escaping, bounded values and safe page names.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <algorithm>
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

// A stored game between teams 1 (visitor) and 2 with three logged plays: first and 10 at the
// 30, first and goal at the 3, and a snap at midfield.
static void Store_Fixture_Game(int nGame) {
    GAME* pGame = Get_Game_Record(nGame);
    memset(pGame, 0, sizeof *pGame);
    pGame->anTeams[VISITOR_SIDE] = 1;
    pGame->anTeams[HOME_SIDE] = 2;
    pGame->anScores[VISITOR_SIDE] = 17;
    pGame->anScores[HOME_SIDE] = 24;
    pGame->anInfo[0] = (int16_t)(FIXTURE_FIRST_YEAR + gSeasonNumber);
    const int kSnaps[][2] = {{10, 30}, {5, 3}, {10, 50}};
    for (int n = 0; n < 3; n++) {
        pGame->aPlayLog[n].nResult =
            (kSnaps[n][0] << PLAY_WORD_TO_GO_SHIFT) | (kSnaps[n][1] << PLAY_WORD_YARD_LINE_SHIFT);
        pGame->aPlayLog[n].nClock = (int16_t)(60 * n + 30);
    }
    pGame->nPlayCount = 3;
}

// Each kind of variable on the fixture: a game record and its plays, a player and his season
// lines, a leader row; a key that names no game or play reads nothing.
TEST_F(EncyclopediaTemplateTest, EveryKindOfVariableWritesItsValue) {
    Store_Fixture_Game(3);
    char szYear[8];
    snprintf(szYear, sizeof szYear, "%02d", Year() % 100);
    int nQuarterback = 0;
    ASSERT_EQ(Fixture_Slot_Position(nQuarterback), POS_QB);
    Set_Player_Stat(0, nQuarterback, 0, OFF_PASSING_YARDS, 3456);
    std::string sPlayer = "[TEAM=0][PLAYER=0]";
    struct {
        std::string sTemplate;
        std::string sExpected;
    } const kCases[] = {
        {"<gdx:var Game[GAME=3]>", "<a href=\"..\\GameDetails\\G-" + std::string(szYear) +
                                       "-003.htm\">" + Label(1) + " 17, <b>" + Label(2) +
                                       " 24</b></a>"},
        {"<gdx:var GameTeam[GAME=3][TYPE=1]>", Label(2)},
        {"<gdx:var GamePoints[GAME=3][TYPE=0]>", "17"},
        {"<gdx:var PlayDown[GAME=3][PLAY=0]>", "1-10"},
        {"<gdx:var PlayDown[GAME=3][PLAY=1]>", "1-G"},
        {"<gdx:var PlayYardline[GAME=3][PLAY=2]>", "(--  50)"},
        {"<gdx:var PlayDown[GAME=3][PLAY=3]>", ""},  // beyond the log
        {"<gdx:var GameLeaderName[GAME=3][STAT=0][POS=0][TYPE=0]>", "Retired"},
        {"<gdx:var GameLeaderName[GAME=-1][STAT=0][POS=0][TYPE=0]>", ""},
        {"<gdx:var GameTeam[GAME=7][TYPE=0]>", ""},  // no game stored there
        {"<gdx:var PlayerStat[STAT=5][TYPE=0][SEASON=0]" + sPlayer + ">",
         "<td align=\"center\">3456</td>"},
        {"<gdx:var PlayerStat[STAT=2][TYPE=1][SEASON=0]" + sPlayer + ">", ""},  // no tackles
        {"<gdx:var SeasonYear[SEASON=4]" + sPlayer + ">", std::to_string(FIXTURE_FIRST_YEAR - 2)},
        {"<gdx:var SeasonYear[SEASON=2]" + sPlayer + ">", "Career"},
        {"<gdx:var PlayerTeam[SEASON=2]" + sPlayer + ">", ""},
        {"<gdx:var SeasonYear[SEASON=9]" + sPlayer + ">", "0"},  // a kind without a line
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Expand(c.sTemplate), c.sExpected) << c.sTemplate;

    // A college line shows the player's class, a league line its team; only the latter links.
    int nCollege = Add_Player_Season_Line(0, 1, FIXTURE_FIRST_YEAR - 2, 1);
    Set_Season_Line_Flag(nCollege, -2);
    Add_Player_Season_Line(0, 1, FIXTURE_FIRST_YEAR - 1, 1);
    char szAbbreviation[TEAM_STRING_SIZE];
    Get_Team_String(szAbbreviation, sizeof szAbbreviation, 1, TEAM_ABBREVIATION);
    EXPECT_EQ(Expand("<gdx:var PlayerTeam[SEASON=4][TEAM=0][PLAYER=1]>"), "JR");
    EXPECT_EQ(Expand("<gdx:var PlayerTeamRef[SEASON=4][TEAM=0][PLAYER=1]>"), "<a>");
    EXPECT_EQ(Expand("<gdx:var PlayerTeam[SEASON=5][TEAM=0][PLAYER=1]>"), szAbbreviation);
    EXPECT_EQ(Expand("<gdx:var PlayerTeamRef[SEASON=5][TEAM=0][PLAYER=1]>"),
              "<a href=\"..\\\\teams\\" + Label(1) + ".htm\">");

    // A player's table: one row per season line, then his career.
    EXPECT_EQ(Expand("<gdx:table tPlayerStats" + sPlayer + ">[<gdx:var SeasonYear>]</gdx:table>"),
              "[" + std::to_string(FIXTURE_FIRST_YEAR - 2) + "][" +
                  std::to_string(FIXTURE_FIRST_YEAR - 1) + "][Career]");
    // The leader rows read the list their table built.
    std::string sLeaders =
        Expand("<gdx:table tLeaders[LEAGUE=2][SEASON=0]><gdx:var LeaderStat>,</gdx:table>");
    EXPECT_EQ(std::count(sLeaders.begin(), sLeaders.end(), ','), LEADER_LIST_ROWS) << sLeaders;
    EXPECT_NE(sLeaders.substr(0, 1), ",") << sLeaders;
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

    // A season before a player's first line is none of his: with two lines each, two seasons
    // back lists nobody, one season back lists his first line.
    Build_Player_Leaders(&list, 2, 0, gSeasonNumber - 2 + SEASON_FIRST_LINE);
    EXPECT_EQ(list.anValues[0], 0);
    Build_Player_Leaders(&list, 2, 0, gSeasonNumber - 1 + SEASON_FIRST_LINE);
    EXPECT_GT(list.anValues[0], 0);
    // The category chooses the figure: the passers have equal attempts but yards apart.
    Build_Player_Leaders(&list, 2, 2, 0);
    for (int nRow = 1; nRow < LEADER_LIST_ROWS; nRow++)
        EXPECT_GT(list.anValues[nRow - 1], list.anValues[nRow]) << nRow;

    // Yards from scrimmage: the most first on offence, the fewest allowed first on defence.
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
        Set_Team_Totals_Stat(nTeam, TEAM_LEADERS_OFFENCE, 0, OFF_RUSHING_YARDS, 1000 - nTeam);
        Set_Team_Totals_Stat(nTeam, TEAM_LEADERS_DEFENCE, 0, OFF_RUSHING_YARDS, 1000 - nTeam);
    }
    Build_Team_Leaders(&list, TEAM_LEADERS_OFFENCE, 0);
    for (int nRow = 0; nRow < LEADER_LIST_ROWS; nRow++)
        EXPECT_EQ(list.anTeams[nRow], nRow);
    Build_Team_Leaders(&list, TEAM_LEADERS_DEFENCE, 0);
    for (int nRow = 0; nRow < LEADER_LIST_ROWS; nRow++)
        EXPECT_EQ(list.anTeams[nRow], FIXTURE_TEAM_COUNT - 1 - nRow);
    Build_Team_Leaders(&list, 1, 0);
    EXPECT_EQ(list.anValues[0], 0);
}

// Week pages run up to the week of the final: the latest is "Season details.htm", with week 21
// the last of a 17-week season and week 22 that of an 18-week season.
TEST_F(EncyclopediaTemplateTest, WeekPagesReachTheFinal) {
    Set_Encyclopedia_Export("Export", "styles.css");
    auto Page = [](int nWeek) {
        TEMPLATE_CONTEXT week = {};
        week.anKeys[0] = KEY_WEEK;
        week.anValues[0] = nWeek;
        char szPage[512];
        Get_Encyclopedia_Page_Name("SeasonDetail.template", &week, szPage, sizeof szPage);
        return std::string(szPage).substr(strlen("Export/SeasonDetail/"));
    };
    int nKept = gPostseasonWeeks[0];
    const struct {
        int nRegular, nWeek, nPages;
    } kCases[] = {{17, 5, 5}, {17, OFF_SEASON_WEEK, 21}, {18, OFF_SEASON_WEEK, 22}, {18, 20, 20}};
    for (const auto& c : kCases) {
        gPostseasonWeeks[0] = c.nRegular;
        gCurrentWeek = c.nWeek;
        EXPECT_EQ(Page(c.nPages - 1), "Season details.htm");
        EXPECT_EQ(Page(c.nPages - 2),
                  "Season details week" + std::to_string(c.nPages - 1) + ".htm");
        // The week list offers the same weeks, the latest as -1.
        std::string sList = Expand("<gdx:var Select[TYPE=1]>");
        EXPECT_NE(sList.find("value=\"-1\">Week " + std::to_string(c.nPages) + "<"),
                  std::string::npos)
            << sList;
    }
    gPostseasonWeeks[0] = nKept;
}
