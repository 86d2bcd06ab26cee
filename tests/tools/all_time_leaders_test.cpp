// The all-time leaders import: sections, row limits, the players found by name, and the lines and
// labels it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "tools/tools.h"

namespace {

class AllTimeLeadersTest : public ::testing::Test {
protected:
    std::string m_stFirst, m_stLast;
    int m_nBirthYear = 0;

    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        char sz[32];
        Get_Player_First_Name(2, 0, sz, sizeof(sz));
        m_stFirst = sz;
        Get_Player_Last_Name(2, 0, sz, sizeof(sz));
        m_stLast = sz;
        m_nBirthYear = Get_Player_Vital_Stat(2, 0, VITAL_BIRTH_DATE) / 10000;
        std::filesystem::create_directories("input/stats");
    }

    static std::string Shown_Texts() {
        std::string st;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            st += shown.stCaption + ": " + shown.stText + "\n";
        return st;
    }
};

TEST_F(AllTimeLeadersTest, SectionsFillTheirTablesAndFindThePlayers) {
    std::string stFile = "ALL_TIME_LEADER_CAREER,PASS_YARDS\n" + m_stFirst + "," + m_stLast +
                         ",71940\nNobody,Known,60000\n";
    stFile += "all_time_leader_season,pass_yards\n";
    int nYear = m_nBirthYear + 30;
    stFile += m_stFirst + "," + m_stLast + "," + std::to_string(nYear) + ",5477\n";
    for (int n = 0; n < 24; n++)
        stFile += "Filler,Number" + std::to_string(n) + ",1990," + std::to_string(5000 - n) + "\n";
    stFile += "ALL_TIME_LEADER_GAME,TACKLES\n" + m_stFirst + "," + m_stLast + "," +
              std::to_string(m_nBirthYear + 19) + ",25";  // no newline at the end
    Write_Text_File("input/stats/atl.txt", stFile);

    Load_All_Time_Leaders();

    const RECORD_BOOK_ROW* pCareer = Get_Record_Book_Row(0, 2, 0);
    EXPECT_STREQ(pCareer->szLastName, m_stLast.c_str());
    EXPECT_EQ(pCareer->nValue, 71940);
    EXPECT_EQ(pCareer->nPlayerId, 0);  // career rows carry no year, so no player
    EXPECT_EQ(pCareer->nTeam, NO_TEAM);
    EXPECT_EQ(Get_Record_Book_Row(0, 2, 1)->nValue, 60000);

    const RECORD_BOOK_ROW* pSeason = Get_Record_Book_Row(1, 2, 0);
    EXPECT_EQ(pSeason->nYear, nYear);
    EXPECT_EQ(pSeason->nWeek, -1);
    EXPECT_EQ(pSeason->nPlayerId, Get_Player_Vital_Stat(2, 0, VITAL_PLAYER_ID));
    EXPECT_EQ(pSeason->nAge, 30);
    // Rows 1..20 are the first 20 fillers; the last four are dropped.
    EXPECT_EQ(Get_Record_Book_Row(1, 2, 20)->nValue, 5000 - 19);
    EXPECT_EQ(Get_Record_Book_Row(1, 3, 0)->nValue, 0);

    // Nineteen in that year: not the player of the row.
    const RECORD_BOOK_ROW* pGame = Get_Record_Book_Row(2, 21, 0);
    EXPECT_EQ(pGame->nValue, 25);
    EXPECT_EQ(pGame->nPlayerId, 0);
    EXPECT_EQ(Shown_Texts(), "");
}

TEST_F(AllTimeLeadersTest, RefusedInputIsReported) {
    struct CASE {
        const char* szName;
        std::string stFile;  // empty: no file
        const char* szShown;
    };
    const CASE aCases[] = {
        {"missing file", "", "Read Error: Unable to open input/stats/atl.txt."},
        {"unknown label", "ALL_TIME_LEADER_CAREER,YARDS\nA,B,10\n",
         "Unrecognized Label: YARDS\nPlease use the following stat labels: ATTEMPTS, COMPLETIONS,"},
        {"overlong line",
         "ALL_TIME_LEADER_CAREER,SACKS\nA," + std::string(2100, 'x') + ",10\nC,D,9\n",
         "1 line(s) of input/stats/atl.txt were longer than 2047 characters and were skipped."},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.szName);
        Test_Clear_Transcript();
        RECORD_BOOK_ROW old = {};
        old.nValue = 7;
        Set_Record_Book_Row(0, 24, 0, &old);
        std::filesystem::remove("input/stats/atl.txt");
        if (!c.stFile.empty())
            Write_Text_File("input/stats/atl.txt", c.stFile);
        Load_All_Time_Leaders();
        EXPECT_NE(Shown_Texts().find(c.szShown), std::string::npos) << Shown_Texts();
        if (std::string(c.szName) == "overlong line") {
            EXPECT_STREQ(Get_Record_Book_Row(0, 24, 0)->szFirstName, "C");
        } else {
            EXPECT_EQ(Get_Record_Book_Row(0, 24, 0)->nValue, 0);  // the book was cleared
        }
    }
}

TEST_F(AllTimeLeadersTest, OnlyThe2021SeasonImports) {
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2020);
    RECORD_BOOK_ROW old = {};
    old.nValue = 7;
    Set_Record_Book_Row(0, 0, 0, &old);
    Load_All_Time_Leaders();
    EXPECT_EQ(Get_Record_Book_Row(0, 0, 0)->nValue, 7);
}

}  // namespace
