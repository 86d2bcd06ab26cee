// The statistics downloader against a loopback server serving pages written here: the cell and
// line helpers, the player page parser, the injury rules, and a whole download of the fixture
// league turned into the import files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "common/download_pages.h"
#include "common/local_http_server.h"
#include "tools/tools.h"

namespace {

std::vector<std::string> Read_Lines(const std::string& stFile) {
    std::istringstream text(Read_Text_File(stFile));
    std::vector<std::string> astLines;
    for (std::string st; std::getline(text, st);)
        astLines.push_back(st);
    return astLines;
}

std::string Field(const std::string& stLine, int nField) {
    std::istringstream line(stLine);
    std::string st;
    for (int n = 0; n <= nField; n++) {
        if (!std::getline(line, st, ','))
            return "";
    }
    return st;
}

int Seasons_Column(const char* szName) {
    std::istringstream header(SEASONS_CSV_HEADER);
    std::string st;
    for (int n = 0; std::getline(header, st, ','); n++) {
        if (st == szName)
            return n;
    }
    return -1;
}

// A table row of nCells cells: cell i reads 100 + i unless given.
std::string Table_Row(int nCells, std::map<int, std::string> given, const std::string& stMarkers) {
    std::string stRow = "<tr " + stMarkers + ">";
    for (int n = 0; n < nCells; n++) {
        auto it = given.find(n);
        std::string stText = it != given.end() ? it->second : std::to_string(100 + n);
        stRow += (n == 0 ? "<th>" : "<td>") + stText + (n == 0 ? "</th>" : "</td>");
    }
    return stRow + "</tr>";
}

class DownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        std::filesystem::create_directories("Input/Stats");
        std::filesystem::create_directories("Input/Downloads");
        Reset_Player_Page_Year();
        Clear_Player_Ids();
    }
};

TEST_F(DownloaderTest, CellsTagsAndPositionTexts) {
    const char* szLine = "<tr><th data-stat=\"year\">2019*</th><td class=\"x\">KAN</td></tr>";
    char szCell[256];
    int nAfter = Take_HTML_Cell(szCell, sizeof(szCell), szLine);
    EXPECT_STREQ(szCell, "<th data-stat=\"year\">2019*</th>");
    EXPECT_EQ(Strip_HTML_Tags(szCell), 5);
    EXPECT_STREQ(szCell, "2019*");
    nAfter += Take_HTML_Cell(szCell, sizeof(szCell), szLine + nAfter);
    EXPECT_STREQ(szCell, "<td class=\"x\">KAN</td>");
    EXPECT_EQ(Take_HTML_Cell(szCell, sizeof(szCell), szLine + nAfter), 0);
    EXPECT_EQ(Take_HTML_Cell(szCell, sizeof(szCell), "<td>"), 0);              // too short
    EXPECT_EQ(Take_HTML_Cell(szCell, sizeof(szCell), "<td>no end here"), 0);  // reported

    struct CASE {
        const char* szText;
        const char* szClean;
    };
    const CASE aCases[] = {{"LB/DE", "LB"}, {"OLB-ILB", "OLB"}, {"C,G", "C"}, {" T E ", "TE"},
                           {"QB</t", "QB"}, {"", ""}};
    for (const CASE& c : aCases) {
        char sz[32];
        safe_strncpy(sz, c.szText, sizeof(sz));
        EXPECT_EQ(Clean_Position_Text(sz), (int)strlen(c.szClean)) << c.szText;
        EXPECT_STREQ(sz, c.szClean) << c.szText;
    }

    Write_Text_File("Page.txt", "<table><tbody> <tr><td>1</td></tr> <tr><td>2</td></tr> </tbody>");
    char szParsed[64];
    ASSERT_TRUE(Split_Table_Rows("Page.txt", szParsed, sizeof(szParsed)));
    EXPECT_STREQ(szParsed, "Page-parsed.txt");
    EXPECT_EQ(Read_Text_File("Page-parsed.txt"),
              "<table><tbody>\n<tr><td>1</td></tr>\n<tr><td>2</td></tr>\n</tbody>");
}

TEST_F(DownloaderTest, PlayerPageRowsLandInTheirColumns) {
    Write_Header_File(SEASONS_FILE_PATH, SEASONS_CSV_HEADER);
    Write_Header_File(COMBINE_FILE_PATH, COMBINE_CSV_HEADER);
    // Before the QBR statistic: 31 cells, the one after cell 22 standing for cell 24 (sacks).
    std::string stOld =
        Table_Row(31, {{0, "2019*"}, {1, "x"}, {2, "ALD"}, {3, "QB"}, {11, "4,012"}},
                  "data-stat=\"pass_first_down\"");
    std::string stCareer = Table_Row(31, {{0, ""}, {1, ""}, {2, "ALD"}, {3, "QB"}},
                                     "data-stat=\"pass_first_down\"");
    std::string stNoTeam = Table_Row(31, {{0, ""}, {1, ""}, {2, ""}}, "");
    std::string stGames = Table_Row(60, {{0, "2020"}, {2, "ALD"}}, "");
    std::string stPage = "<div><strong>Position</strong>: QB-K</div>\n<h2>Passing</h2>\n"
                         "<table><tbody> " + stOld + " " + stCareer + " " + stNoTeam +
                         " </tbody></table>\n<h2>Games</h2>\n<table><tbody> " + stGames +
                         " </tbody></table>\n<h2>Combine Measurements</h2>\n<table><tbody> " +
                         Table_Row(12, {{0, "2016"}}, "") + " </tbody></table>\n";
    Write_Text_File("Input/Downloads/Quill00.txt", stPage);

    char szPosition[32] = "";
    Parse_Player_Page(szPosition, sizeof(szPosition), "Input/Downloads/Quill00.txt", "Quill00",
                      "Ada Quill");
    EXPECT_STREQ(szPosition, "QB");
    std::vector<std::string> astRows = Read_Lines(SEASONS_FILE_PATH);
    ASSERT_EQ(astRows.size(), 4u);  // the header, two passing rows, the games row
    const std::string& stRow = astRows[1];
    EXPECT_EQ(Field(stRow, 0), "Quill00");
    EXPECT_EQ(Field(stRow, Seasons_Column("Year")), "2019");
    EXPECT_EQ(Field(stRow, Seasons_Column("Name")), "Ada Quill");
    EXPECT_EQ(Field(stRow, Seasons_Column("G")), "105");
    EXPECT_EQ(Field(stRow, Seasons_Column("PaYds")), "4012");  // no comma splits the row
    EXPECT_EQ(Field(stRow, Seasons_Column("PaLg")), "117");
    EXPECT_EQ(Field(stRow, Seasons_Column("PaSk")), "123");     // the 24th cell is the sacks
    EXPECT_EQ(Field(stRow, Seasons_Column("PaSkYds")), "124");
    EXPECT_EQ(Field(stRow, Seasons_Column("Value")), "130");
    EXPECT_EQ(Field(astRows[2], Seasons_Column("Year")), "2019");  // the last year seen
    EXPECT_EQ(Field(astRows[3], Seasons_Column("Value")), "107");
    EXPECT_EQ(Field(astRows[3], Seasons_Column("PaAtt")), "");  // cells past 49 are dropped
    std::vector<std::string> astCombine = Read_Lines(COMBINE_FILE_PATH);
    ASSERT_EQ(astCombine.size(), 2u);
    EXPECT_EQ(astCombine[1], "Quill00,0,Ada Quill,2016,101,102,103,104,105,106,107,108,109");
}

TEST_F(DownloaderTest, InjuryLinesGiveWeeksAndReasons) {
    struct CASE {
        const char* szLine;
        const char* szWeeks;
        const char* szReason;
    };
    const CASE aCases[] = {
        {"<td>Out</td><td>knee - Week 5</td>", "4", "Knee"},
        {"<td>I-R</td><td>hamstring</td>", "8", "Hamstring"},
        {"<td>Out</td><td>back</td>", "3", "Back"},
        {"<td>I-R</td><td>out for the entire season</td>", "24", ""},
        {"<td>Out</td><td>two to three weeks</td>", "2", ""},
        {"<td>Doubtful</td><td>ankle</td>", "1", "Ankle"},
        {"<td>Questionable</td>", "", ""},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.szLine);
        Write_Text_File(INJURIES_PAGE_PATH,
                        std::string("<tr data-append-csv=\"Hurt00\">") + c.szLine + "</tr>\n");
        char szWeeks[16] = "", szReason[64] = "";
        Get_Player_Injury_Status("Hurt00", szWeeks, sizeof(szWeeks), szReason, sizeof(szReason));
        EXPECT_STREQ(szWeeks, c.szWeeks);
        EXPECT_STREQ(szReason, c.szReason);
    }
}

// ---- a whole download ---------------------------------------------------------------------------

class WholeDownloadTest : public DownloaderTest {
protected:
    void Write_Sites(const std::string& stAddress) {
        Write_Text_File("Input/Download_Sites.txt",
                        "statistics=" + stAddress + "\ncontracts=" + stAddress + "/\n");
    }
};

TEST_F(WholeDownloadTest, RefusedWithoutAModernLeagueOrSites) {
    Write_Sites("http://127.0.0.1:9");
    for (int nCase = 0; nCase < 2; nCase++) {
        Build_Fixture_League();
        if (nCase == 0)
            Set_Team_Stat(31, TEAM_CONTROL, CONTROL_NOT_IN_USE);  // 31 teams
        else
            gSeasonNumber = 1;  // a later season
        Test_Answer_Message_Box_With_Caption("Invalid UNIVERSE", IDOK);
        Download_Football_Data();
        EXPECT_FALSE(std::filesystem::exists(PLAYERS_FILE_PATH)) << nCase;
    }

    Build_Fixture_League();
    std::filesystem::remove("Input/Download_Sites.txt");
    Test_Answer_Message_Box_With_Caption("Download", IDOK);
    Download_Football_Data();
    EXPECT_FALSE(std::filesystem::exists(PLAYERS_FILE_PATH));
}

TEST_F(WholeDownloadTest, PagesOfThreeSeasonsBecomeTheImportFiles) {
    DOWNLOAD_PLAYER kNew = {"SmitJo00", "Smith", "John", "QB"};
    DOWNLOAD_PLAYER kVeteran = {"OakeLe00", "Oakes", "Lee", "TE"};
    DOWNLOAD_PLAYER kShortStay = {"ReplAl00", "Repl", "Al", "WR"};
    kShortStay.nGames = 2;
    DOWNLOAD_PLAYER kRegular = {"RegaBo00", "Regal", "Bo", "WR"};
    kRegular.nGames = 5;
    std::string stStarters =
        "<b>Offensive Starters</b>\n<th>QB</th>\n<th>TE</th>\n<th>TE</th>\n<th>WR</th>\n"
        "<th>WR</th>\n<th>LT</th>\n<th>LG</th>\n<th>C</th>\n<th>RG</th>\n<th>RT</th>\n"
        "<th>RB</th>\n<b>Defensive Starters</b>\n<th>LDE</th>\n<th>NT</th>\n<th>RDE</th>\n"
        "<th>OLB</th>\n<th>ILB</th>\n<th>ILB</th>\n<th>OLB</th>\n<th>CB</th>\n<th>CB</th>\n"
        "<th>SS</th>\n<th>FS</th>\n";
    std::map<std::string, std::string> pages = {
        {"/teams/crd/2021_roster.htm", Roster_Page({kNew, kVeteran}, "")},
        {"/teams/crd/2020_roster.htm", Roster_Page({kVeteran}, stStarters)},
        {"/teams/crd/1987_roster.htm", Roster_Page({kShortStay, kRegular}, "")},
        {"/teams/crd/2021_injuries.htm",
         "<h2 data-title=\"Team Injuries\">\n<tr><td data-stat=\"player\" csk=\"Hurt,Ray\" "
         "data-append-csv=\"HurtRa00\">Ray</td></tr>\n"},
        {"/players/injuries.htm",
         "<tr><td data-append-csv=\"SmitJo00\">John Smith</td><td>Out</td><td>knee - Week "
         "5</td></tr>\n"},
        {"/players/S/SmitJo00.htm",
         "<h2>Passing</h2>\n<table><tbody> " +
             Table_Row(32, {{0, "2021"}, {2, "ALD"}}, "data-stat=\"qbr\" first_down") +
             " </tbody></table>\n"},
        {"/nfl/alder-creek-comets/contracts/index.htm",
         "<a href=\"x\">John Smith</a>\n<td class=\"activecontract\">$84,000,000</td><td>4 "
         "yrs</td>\n"},
        {"/nfl/alder-creek-comets/cap/index.htm",
         "<td>John Smith</td>\n<td data-label=\"Signing Bonus\">$5,000,000</td>\n"
         "<td data-label=\"Cap Hit\">$12,500,000 ($3,000,000)</td>\n"},
    };
    LocalHttpServer server(pages, "<html></html>\n");
    ASSERT_TRUE(server.Is_Listening());
    Write_Sites(server.Address());

    // The seasons the pages cover, newest first as the whole download takes them.
    ASSERT_TRUE(Start_Football_Download());
    for (int nYear : {2021, 2020, 1987})
        Download_Season_Data(nYear);

    std::vector<std::string> astPlayers = Read_Lines(PLAYERS_FILE_PATH);
    ASSERT_EQ(astPlayers.size(), 4u);  // the header, the two 2021 players and the 1987 regular
    EXPECT_EQ(astPlayers[0], PLAYERS_CSV_HEADER);
    EXPECT_EQ(astPlayers[1],
              ",SmitJo00,0,,12,John,Smith,,QB,,6'2\",220,State,4,John Smith,,,Comets,2017,1st,"
              "10th pick,,6,2,4,12,1995");
    EXPECT_EQ(server.Count_Requests("/players/O/OakeLe00.htm"), 1);
    EXPECT_EQ(server.Count_Requests("/players/R/ReplAl00.htm"), 0);

    std::vector<std::string> ast2021 = Read_Lines("Input/Stats/2021_rosters.csv");
    ASSERT_EQ(ast2021.size(), 4u);  // two players and the injured one
    EXPECT_EQ(ast2021[1], "SmitJo00,0,John,Smith,ALD,QB,74,220,4,12,1995,4,Knee,YES");
    EXPECT_EQ(ast2021[3], "HurtRa00,0,Ray,Hurt,ALD,,,,,,,,");
    EXPECT_EQ(Read_Lines("Input/Stats/2020_rosters.csv").size(), 2u);
    std::vector<std::string> ast1987 = Read_Lines("Input/Stats/1987_rosters.csv");
    ASSERT_EQ(ast1987.size(), 2u);
    EXPECT_EQ(Field(ast1987[1], 0), "RegaBo00");

    std::vector<std::string> astSalaries = Read_Lines("Input/Stats/2021_salaries.csv");
    ASSERT_EQ(astSalaries.size(), 2u);
    EXPECT_EQ(astSalaries[1], "SmitJo00,,ALD,12,John,Smith,QB,,,,4,21000000,20000000,4,12500000");

    std::string stPersonnel = Read_Text_File(PERSONNEL_FILE_PATH);
    EXPECT_NE(stPersonnel.find("'2020,'Comets,'2 Tight Ends,'3-4\n"), std::string::npos);
    std::vector<std::string> astSeasons = Read_Lines(SEASONS_FILE_PATH);
    ASSERT_EQ(astSeasons.size(), 2u);
    EXPECT_EQ(Field(astSeasons[1], Seasons_Column("PaSk")), "124");
}

// An id from a page names files only in safe characters; a roster page without its table and a
// player page without any table are logged and skipped.
TEST_F(WholeDownloadTest, OutsideIdsNameSafeFilesAndUnparsedPagesAreSkipped) {
    DOWNLOAD_PLAYER kOdd = {"../EvilXx", "Evil", "Ed", "WR"};
    std::map<std::string, std::string> pages = {
        {"/teams/crd/2021_roster.htm", Roster_Page({kOdd}, "")},
        {"/teams/crd/2020_roster.htm", "<html><p>No roster here</p></html>\n"},
    };
    LocalHttpServer server(pages, "<html></html>\n");
    ASSERT_TRUE(server.Is_Listening());
    Write_Sites(server.Address());
    ASSERT_TRUE(Start_Football_Download());
    for (int nYear : {2021, 2020})
        Download_Season_Data(nYear);

    std::vector<std::string> astPlayers = Read_Lines(PLAYERS_FILE_PATH);
    ASSERT_EQ(astPlayers.size(), 2u);
    EXPECT_EQ(Field(astPlayers[1], 1), "___EvilXx");
    EXPECT_EQ(server.Count_Requests("/players/_/___EvilXx.htm"), 1);
    EXPECT_TRUE(std::filesystem::exists("Input/Downloads/Players/___EvilXx.txt"));
    EXPECT_FALSE(std::filesystem::exists("Input/Downloads/EvilXx.txt"));
    EXPECT_EQ(Read_Lines("Input/Stats/2020_rosters.csv").size(), 1u);  // the header alone
    std::string stLog = Read_Text_File("debug.txt");
    EXPECT_NE(stLog.find("2020_roster (crd).txt has no \"Roster\" table: skipped"),
              std::string::npos);
    EXPECT_NE(stLog.find("___EvilXx.txt has no statistics or combine table: skipped"),
              std::string::npos);
}

}  // namespace
