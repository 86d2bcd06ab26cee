// The season text reports written on the fixture league: their switches, their lines and the
// awards' choices.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "reports/reports.h"

#define PREF_STANDINGS 79
#define PREF_AWARDS 80
#define PREF_MONEY 81
#define AWARDS_FILE "Output/Awards21.txt"
#define MONEY_FILE "Output/Money-21.txt"
#define STANDINGS_FILE "Output/Stndng21.txt"

class SeasonReportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gOwnerMode = 1;  // the stored cash counts
        for (int nPreference : {PREF_STANDINGS, PREF_AWARDS, PREF_MONEY})
            Set_User_Preference(nPreference, 1);
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, 3);
    }

    static int First_Slot_Of(int nPosition) {
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
            if (Fixture_Slot_Position(nSlot) == nPosition)
                return nSlot;
        return -1;
    }

    static std::vector<std::string> Read_Lines(const char* szFile) {
        std::ifstream in(szFile);
        std::vector<std::string> lines;
        for (std::string stLine; std::getline(in, stLine);)
            lines.push_back(stLine);
        return lines;
    }

    static std::string Award_Line(const char* szTitle, int nTeam, int nSlot) {
        char szWinner[96] = "";
        if (nTeam >= 0) {
            char szName[64], szTeam[16];
            Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
            Get_Team_String(szTeam, sizeof szTeam, nTeam, TEAM_ABBREVIATION);
            Format_String(szWinner, sizeof szWinner, "%s (%s)", szName, szTeam);
        }
        char szLine[160];
        Format_String(szLine, sizeof szLine, "%32s: %s", szTitle, szWinner);
        return szLine;
    }

    // Receiving yards make a skill player's season worth something.
    static void Give_Season(int nTeam, int nSlot, int nYards) {
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_GAMES, 17);
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, 10, nYards / 12);
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, 11, nYards);
        Set_Player_Stat(nTeam, nSlot, SEASON_CURRENT, 12, nYards / 150);
    }
};

TEST_F(SeasonReportsTest, ReportsSwitchedOffLeaveTheirOldFiles) {
    Platform_Make_Directory("Output");
    for (const char* szFile : {AWARDS_FILE, MONEY_FILE, STANDINGS_FILE})
        Append_Line_To_File(szFile, "old");
    for (int nPreference : {PREF_STANDINGS, PREF_AWARDS, PREF_MONEY})
        Set_User_Preference(nPreference, 0);
    Write_Awards_Report();
    Write_Money_Report();
    Write_Standings_Report();
    for (const char* szFile : {AWARDS_FILE, MONEY_FILE, STANDINGS_FILE})
        EXPECT_EQ(Read_Lines(szFile), std::vector<std::string>{"old"}) << szFile;
}

// An award nobody can win is left empty, even after an earlier season had a winner.
TEST_F(SeasonReportsTest, AwardsGoToTheBestCandidateAndAnAwardWithoutOneStaysEmpty) {
    Set_Player_Vital_Stat(5, 40, VITAL_EXPERIENCE, 0);
    int nWr = First_Slot_Of(POS_WR);
    Give_Season(9, nWr, 1500);
    Give_Season(4, nWr, 1500);  // the same season on an earlier team wins the tie
    Write_Awards_Report();
    std::vector<std::string> lines = Read_Lines(AWARDS_FILE);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], Award_Line("MOST VALUABLE PLAYER", 4, nWr));
    EXPECT_EQ(lines[2], Award_Line("ROOKIE OF THE YEAR", 5, 40));
    EXPECT_EQ(lines[3], "");

    Set_Player_Vital_Stat(5, 40, VITAL_EXPERIENCE, 1);
    Write_Awards_Report();
    lines = Read_Lines(AWARDS_FILE);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2], Award_Line("ROOKIE OF THE YEAR", -1, 0));
}

// Each league lists 24 starters in three units; a player fills one spot only while another of
// his position scores above nothing.
TEST_F(SeasonReportsTest, EachLeagueHasItsProBowlStarters) {
    int nFirstWr = First_Slot_Of(POS_WR);
    Give_Season(0, nFirstWr, 1800);
    Give_Season(1, nFirstWr, 1200);
    Write_Awards_Report();
    std::vector<std::string> lines = Read_Lines(AWARDS_FILE);
    ASSERT_EQ(lines.size(), 4u + 2 * 29);
    char szLeague[64];
    Get_League_Name(0, szLeague, sizeof szLeague);
    szLeague[0] = (char)toupper(szLeague[0]);
    EXPECT_EQ(lines[4], std::string(szLeague) + " PRO BOWL STARTERS (2021)");
    for (int nLeague = 0; nLeague < 2; nLeague++) {
        size_t nAt = 4 + 29 * nLeague;
        for (size_t nBlank : {1u, 13u, 25u, 28u})
            EXPECT_EQ(lines[nAt + nBlank], "") << nAt + nBlank;
        EXPECT_EQ(lines[nAt + 2].substr(0, 6), "  QB: ");
        EXPECT_EQ(lines[nAt + 27].substr(0, 6), "   P: ");
    }
    char szName[64];
    Get_Player_Full_Name(0, nFirstWr, szName, sizeof szName);
    EXPECT_NE(lines[4 + 6].find(szName), std::string::npos);
    Get_Player_Full_Name(1, nFirstWr, szName, sizeof szName);
    EXPECT_NE(lines[4 + 7].find(szName), std::string::npos) << "the second WR is another player";
}

TEST_F(SeasonReportsTest, MoneyLinesPrintCashInMillions) {
    Set_Team_Financial_Stat(2, FIN_CASH, -500000);
    Set_Team_Financial_Stat(3, FIN_CASH, 12345678);
    Write_Money_Report();
    std::vector<std::string> lines = Read_Lines(MONEY_FILE);
    ASSERT_EQ(lines.size(), 3u + Count_Active_Teams());
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], std::string(45, ' ') + "TICKETS        ATTENDANCE");
    EXPECT_EQ(lines[2].substr(0, 12), "End Of 2021 ");
    EXPECT_EQ(lines[3 + 2].substr(26, 6), "  0.0M");
    EXPECT_EQ(lines[3 + 3].substr(26, 6), " 12.3M");
}

// A ticket price of two or three digits ends in the same column, and the columns after it stay.
TEST_F(SeasonReportsTest, MoneyColumnsHoldAThreeDigitTicketPrice) {
    Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 7500);
    Set_Team_Financial_Stat(1, FIN_TICKET_PRICE, 10000);
    Write_Money_Report();
    std::vector<std::string> lines = Read_Lines(MONEY_FILE);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[3].substr(39, 7), "    $75");
    EXPECT_EQ(lines[4].substr(39, 7), "   $100");
    EXPECT_EQ(lines[3].size(), lines[4].size());
    EXPECT_EQ(lines[3].rfind('M'), lines[4].rfind('M'));  // the revenue's column
}

// The standings of every division, then the playoff games with the headings of the format.
TEST_F(SeasonReportsTest, StandingsListEveryDivisionAndThePlayoffGames) {
    Update_Standings();
    Set_Playoff_Team(24, 3);
    Set_Playoff_Team(25, 7);
    Set_Playoff_Score(24, 17);
    Set_Playoff_Score(25, 24);
    Set_Playoff_Team(28, 7);
    Set_Playoff_Team(29, 20);
    Set_Playoff_Score(28, 10);
    Set_Playoff_Score(29, 10);  // not played: no line
    Write_Standings_Report();
    std::vector<std::string> lines = Read_Lines(STANDINGS_FILE);
    int nDivisionHeads = 0, nTeamRows = 0;
    for (const std::string& stLine : lines) {
        if (stLine.find("   W   L   T   PCT    PF    PA   Yds   +/-") != std::string::npos)
            nDivisionHeads++;
        else if (stLine.size() == 63)
            nTeamRows++;
    }
    EXPECT_EQ(nDivisionHeads, 8);
    EXPECT_EQ(nTeamRows, FIXTURE_TEAM_COUNT);
    char szWinner[32], szLoser[32];
    Get_Team_Short_Name(7, szWinner, sizeof szWinner);
    Get_Team_Short_Name(3, szLoser, sizeof szLoser);
    std::vector<std::string> tail(lines.end() - 6, lines.end());
    std::vector<std::string> expected = {
        "",
        "CONFERENCE CHAMPIONSHIPS",
        std::string(" ") + szWinner + " defeat " + szLoser + ", 24-17",
        "",
        "SUPER BOWL",
        ""};
    EXPECT_EQ(tail, expected);
}
