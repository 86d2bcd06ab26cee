// The season simulator's tally file, its two reports and its dialog, over the fixture league.
#include <gtest/gtest.h>

#include <stdio.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

namespace {

#define SEASONS_EDIT 1297

class SeasonSimulatorReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        // Division 0 keeps three teams, division 1 gets five.
        Set_Team_Stat(3, TEAM_DIVISION, 1);
    }

    static void Write_Record(const SIMULATOR_RECORD& record) {
        FILE* pFile = fopen(SIMULATOR_FILE, "wb");
        ASSERT_NE(pFile, nullptr);
        ASSERT_EQ(fwrite(&record, sizeof(record), 1, pFile), 1u);
        fclose(pFile);
    }

    static std::vector<std::string> Read_Lines(const std::string& stFile) {
        std::istringstream text(Read_Text_File(stFile));
        std::vector<std::string> astLines;
        for (std::string st; std::getline(text, st);)
            astLines.push_back(st);
        return astLines;
    }

    static int Count_Fields(const std::string& stLine, char cSeparator) {
        std::istringstream line(stLine);
        int nCount = 0;
        for (std::string st; cSeparator == ' ' ? bool(line >> st) : bool(std::getline(line, st, cSeparator));)
            nCount++;
        return nCount;
    }

    // The header and first row of the division whose header is the nth one.
    static void Get_Division_Lines(const std::vector<std::string>& astLines, int nDivision,
                                   std::string* pstHeader, std::string* pstRow) {
        int nSeen = -1;
        for (size_t n = 0; n + 1 < astLines.size(); n++) {
            if (astLines[n].find("Team") != std::string::npos &&
                astLines[n].find("Division") != std::string::npos && ++nSeen == nDivision) {
                *pstHeader = astLines[n];
                *pstRow = astLines[n + 1];
                return;
            }
        }
        ADD_FAILURE() << "no division " << nDivision;
    }
};

// Three, four and five teams: the header and the rows have the same columns, in both kinds.
TEST_F(SeasonSimulatorReportTest, HeadersAndRowsHaveTheSameColumnsForEveryDivisionSize) {
    SIMULATOR_RECORD record = {};
    record.nSeasons = 2;
    Write_Record(record);
    struct CASE {
        int nDivision, nColumns;
    };
    const CASE aCases[] = {{0, 11}, {1, 13}, {2, 12}};
    ASSERT_TRUE(Write_Simulator_Report(SIMULATOR_REPORT_TEXT));
    ASSERT_TRUE(Write_Simulator_Report(SIMULATOR_REPORT_CSV));
    std::vector<std::string> astText = Read_Lines(SIMULATOR_TEXT_FILE);
    std::vector<std::string> astCsv = Read_Lines(SIMULATOR_CSV_FILE);
    ASSERT_FALSE(astText.empty());
    EXPECT_EQ(astText[0], "2 SEASONS SIMULATED");
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.nDivision);
        std::string stHeader, stRow;
        Get_Division_Lines(astText, c.nDivision, &stHeader, &stRow);
        EXPECT_EQ(Count_Fields(stHeader, ' '), c.nColumns);
        // Team labels hold no blanks in the fixture.
        char szDivision[64];
        Get_Division_Name(c.nDivision, szDivision, sizeof(szDivision));
        EXPECT_NE(stRow.find(szDivision), std::string::npos);
        Get_Division_Lines(astCsv, c.nDivision, &stHeader, &stRow);
        EXPECT_EQ(Count_Fields(stHeader, ','), Count_Fields(stRow, ','));
        EXPECT_EQ(Count_Fields(stHeader, ','), c.nColumns + 10);
    }
}

// Per-season figures are rounded halves up; the hundredths keep their leading zero in the CSV.
TEST_F(SeasonSimulatorReportTest, PerSeasonFiguresAreRounded) {
    SIMULATOR_RECORD record = {};
    record.nSeasons = 40;
    int nTeam = Get_Nth_Division_Team(0, 0);
    record.anWins[nTeam] = 402;    // 10.05
    record.anLosses[nTeam] = 259;  // 6.475 -> 6.48
    record.aanFinishes[nTeam][8] = 3;
    record.anGamesPlayed[nTeam] = 3;
    record.anPointsScored[nTeam] = 70;  // 23.33 -> 23.3
    record.anProfit[nTeam] = -61;       // -1.525 -> -2
    record.anRevenue[nTeam] = 40LL * 3000000000LL;
    Write_Record(record);
    ASSERT_TRUE(Write_Simulator_Report(SIMULATOR_REPORT_CSV));
    ASSERT_TRUE(Write_Simulator_Report(SIMULATOR_REPORT_TEXT));
    std::string stHeader, stRow;
    Get_Division_Lines(Read_Lines(SIMULATOR_CSV_FILE), 0, &stHeader, &stRow);
    EXPECT_NE(stRow.find(",10.05,6.48,3,0,"), std::string::npos) << stRow;
    EXPECT_NE(stRow.find(",,23.3,0.0,,"), std::string::npos) << stRow;
    std::string stCsv = Read_Text_File(SIMULATOR_CSV_FILE);
    EXPECT_NE(stCsv.find(",3000000000,-2\n"), std::string::npos);
    Get_Division_Lines(Read_Lines(SIMULATOR_TEXT_FILE), 0, &stHeader, &stRow);
    EXPECT_NE(stRow.find(" 10.05   6.48    3    0"), std::string::npos) << stRow;
}

// A short file is replaced by a zeroed one; a missing one is made.
TEST_F(SeasonSimulatorReportTest, ShortOrMissingFileStartsFromZero) {
    Write_Text_File(SIMULATOR_FILE, "short");
    SIMULATOR_RECORD record;
    EXPECT_EQ(Read_Simulator_Data(&record), SIMULATOR_READ_RESET);
    EXPECT_EQ(record.nSeasons, 0);
    EXPECT_EQ(Read_Text_File(SIMULATOR_FILE).size(), (size_t)SIMULATOR_RECORD_SIZE);
    remove(SIMULATOR_FILE);
    EXPECT_EQ(Read_Simulator_Data(&record), SIMULATOR_READ_WHOLE);
    ASSERT_TRUE(Write_Simulator_Report(SIMULATOR_REPORT_TEXT));
    EXPECT_EQ(Read_Lines(SIMULATOR_TEXT_FILE)[0], "0 SEASONS SIMULATED");
}

// After the off-season hand-over there is no season to play: the run is refused and records
// nothing.
TEST_F(SeasonSimulatorReportTest, NothingIsSimulatedInTheOffSeason) {
    gCurrentWeek = OFF_SEASON_WEEK;
    remove(SIMULATOR_FILE);
    Run_Season_Simulator(3);
    EXPECT_FALSE(File_Exists(SIMULATOR_FILE));
    EXPECT_EQ(gCurrentWeek, OFF_SEASON_WEEK);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_NE(Test_Get_Transcript()[0].stText.find("The season is over"), std::string::npos);
}

TEST_F(SeasonSimulatorReportTest, DialogTakesOneToAThousandSeasons) {
    struct CASE {
        const char* szTyped;
        const char* szRefusal;  // null: accepted
    };
    const CASE aCases[] = {
        {"1000", NULL},
        {"1001", "You cannot simulate more than 1000 seasons."},
        {"0", "You must simulate at least 1 season."},
        {"", "You must simulate at least 1 season."},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.szTyped);
        Test_Reset_Platform();
        if (c.szRefusal)
            Test_Answer_Message_Box_With_Text(c.szRefusal, IDOK);
        Test_Script_Dialog(IDD_SIMULATION_TOOL, [&](HWND hDlg) {
            EXPECT_TRUE(Test_Type_Into(hDlg, SEASONS_EDIT, c.szTyped));
            EXPECT_TRUE(Test_Click_Control(hDlg, IDOK));
            if (c.szRefusal) {
                EXPECT_TRUE(Test_Click_Control(hDlg, IDCANCEL));
            }
        });
        INT_PTR nResult = Open_Dialog(NULL, IDD_SIMULATION_TOOL);
        EXPECT_EQ(nResult, c.szRefusal ? -1 : 1000);
    }
}

}  // namespace
