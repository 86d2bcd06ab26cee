// The statistics output file in its four formats, on a few players of the fixture league.
#include <gtest/gtest.h>

#include <string.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "reports/reports.h"

namespace {

#define OUT_FILE "Output/output_results_test.txt"
#define ALL_TEAMS 99

class OutputResultsTest : public ::testing::Test {
protected:
    int nQbA = -1, nQbB = -1;  // team 3's and team 7's first quarterbacks

    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        Platform_Make_Directory("Output");
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_GAMES, 0);
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE && nQbA < 0; nSlot++)
            if (Fixture_Slot_Position(nSlot) == POS_QB)
                nQbA = nQbB = nSlot;
        Play(3, nQbA, "Zimmer", 300);
        Play(7, nQbB, "O'Brien & <Sons>", 250);
    }

    static void Play(int nTeam, int nSlot, const char* szLast, int nYards) {
        Set_Player_Last_Name(nTeam, nSlot, szLast);
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_GAMES, 2);
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, OFF_PASS_ATTEMPTS, 30);
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, OFF_PASSING_YARDS, nYards);
    }

    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        std::istringstream in(Read_Text_File(OUT_FILE));
        for (std::string st; std::getline(in, st);)
            lines.push_back(st);
        return lines;
    }

    static int Count(const std::string& st, char c) {
        int n = 0;
        for (char x : st)
            n += x == c;
        return n;
    }
};

TEST_F(OutputResultsTest, EachFormatHasAHeaderAndRowsOfTheSameFields) {
    ASSERT_EQ(Write_Output_Results(OUT_FILE, ALL_TEAMS, SEASON_CURRENT, OUTPUT_OFFENSE,
                                   OFF_PASSING_YARDS, OUTPUT_TAB),
              1);
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("2021 Offense\tTeam\tG\tAtt", 0), 0u);
    EXPECT_EQ(Count(lines[0], '\t'), 17);
    EXPECT_EQ(Count(lines[1], '\t'), 17);
    EXPECT_EQ(lines[1].rfind("Zimmer, ", 0), 0u);  // 300 yards before 250

    ASSERT_EQ(Write_Output_Results(OUT_FILE, ALL_TEAMS, SEASON_CURRENT, OUTPUT_OFFENSE,
                                   OFF_PASSING_YARDS, OUTPUT_COMMA),
              1);
    lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("Last,First,Team,G,Att", 0), 0u);
    EXPECT_EQ(Count(lines[0], ','), 17);  // one field more than the section's columns
    EXPECT_EQ(Count(lines[1], ','), 17);

    ASSERT_EQ(Write_Output_Results(OUT_FILE, ALL_TEAMS, SEASON_CURRENT, OUTPUT_OFFENSE,
                                   OFF_PASSING_YARDS, OUTPUT_FIXED),
              1);
    lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].find("Att") + 3, lines[1].find(" 30 ") + 3);  // right edges line up

    ASSERT_EQ(Write_Output_Results(OUT_FILE, 3, SEASON_CURRENT, OUTPUT_OFFENSE, -1, OUTPUT_HTML),
              1);
    std::string stHtml = Read_Text_File(OUT_FILE);
    EXPECT_EQ(stHtml.rfind("<HTML>", 0), 0u);
    EXPECT_NE(stHtml.find("<PRE>\n2021 Offense"), std::string::npos);
    EXPECT_NE(stHtml.find("Zimmer"), std::string::npos);
    EXPECT_EQ(stHtml.find("O'Brien"), std::string::npos);  // team 3 only
    EXPECT_NE(stHtml.find("</HTML>\n"), std::string::npos);
}

TEST_F(OutputResultsTest, HtmlEscapesNames) {
    ASSERT_EQ(Write_Output_Results(OUT_FILE, 7, SEASON_CURRENT, OUTPUT_OFFENSE, -1, OUTPUT_HTML),
              1);
    std::string stHtml = Read_Text_File(OUT_FILE);
    EXPECT_EQ(stHtml.find("<Sons>"), std::string::npos);
    EXPECT_NE(stHtml.find("&amp; &lt;Sons&gt;"), std::string::npos);
    // Escaped after the columns are laid out: read back, the row is the text format's row.
    char szHtml[2048], szText[2048];
    Format_Output_Results_Line(7, nQbB, SEASON_CURRENT, OUTPUT_OFFENSE, OUTPUT_HTML, szHtml);
    Format_Output_Results_Line(7, nQbB, SEASON_CURRENT, OUTPUT_OFFENSE, OUTPUT_FIXED, szText);
    std::string stRow = szHtml;
    for (const auto& entity : {std::make_pair("&lt;", "<"), std::make_pair("&gt;", ">"),
                               std::make_pair("&#39;", "'"), std::make_pair("&amp;", "&")})
        for (size_t n; (n = stRow.find(entity.first)) != std::string::npos;)
            stRow.replace(n, strlen(entity.first), entity.second);
    EXPECT_EQ(stRow, szText);
}

TEST_F(OutputResultsTest, OrderByNameTeamAndStatistic) {
    Play(9, nQbA, "Adams", 250);  // ties O'Brien's yards
    struct CASE {
        int nSortKey;
        std::vector<std::string> firstNames;  // the rows' leading last names
    } const kCases[] = {
        {OUTPUT_SORT_BY_NAME, {"Adams", "O'Brien", "Zimmer"}},  // "Z" last
        {OUTPUT_SORT_BY_TEAM, {"Adams", "O'Brien", "Zimmer"}},  // team 9, 7, 3
        {OFF_PASSING_YARDS, {"Zimmer", "O'Brien", "Adams"}},    // ties in team order
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.nSortKey);
        ASSERT_EQ(Write_Output_Results(OUT_FILE, ALL_TEAMS, SEASON_CURRENT, OUTPUT_OFFENSE,
                                       c.nSortKey, OUTPUT_TAB),
                  1);
        std::vector<std::string> lines = Lines();
        ASSERT_EQ(lines.size(), 4u);
        for (size_t i = 0; i < 3; i++)
            EXPECT_EQ(lines[i + 1].rfind(c.firstNames[i], 0), 0u) << lines[i + 1];
    }
}

TEST_F(OutputResultsTest, NoPlayerGivesTheHeaderOnlyAndABadPathGivesZero) {
    ASSERT_EQ(
        Write_Output_Results(OUT_FILE, ALL_TEAMS, SEASON_CURRENT, OUTPUT_KICKING, 0, OUTPUT_TAB),
        1);
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Write_Output_Results("No/Such/Folder/x.txt", ALL_TEAMS, SEASON_CURRENT,
                                   OUTPUT_OFFENSE, 0, OUTPUT_TAB),
              0);
}

}  // namespace
