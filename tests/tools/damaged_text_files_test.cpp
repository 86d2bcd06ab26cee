// Damaged text files: a reader that finds nothing usable changes nothing and says so, and a bad
// number is skipped with one debug-log line, never stored cut or wrapped.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

#include "common/text_files.h"
#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "tools/tools.h"

namespace {

const char* const kSkippedField = "is not a number from";

int Count_Occurrences(const std::string& stText, const std::string& stPart) {
    int nCount = 0;
    for (size_t n = stText.find(stPart); n != std::string::npos; n = stText.find(stPart, n + 1))
        nCount++;
    return nCount;
}

std::string Last_Box_Text() {
    const auto& transcript = Test_Get_Transcript();
    return transcript.empty() ? "" : transcript.back().stCaption + ": " + transcript.back().stText;
}

class DamagedTextFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        mkdir("Input", 0755);
        mkdir("input", 0755);
        mkdir("input/stats", 0755);
        remove(CITIES_FILE_NAME);
    }
};

// Nothing usable in Cities.txt: the table and the teams' cities stay; a short file leaves no
// team pointing past the cities it brought.
TEST_F(DamagedTextFilesTest, CitiesImport) {
    static CITY before[CITY_COUNT];
    memcpy(before, gCities, sizeof(before));
    int nTeamCity = Get_Team_Stat(5, TEAM_CITY_INDEX);
    for (const char* szText : {"", "\n\n,1,2,3\n"}) {
        Write_Text_File(CITIES_FILE_NAME, szText);
        Test_Answer_Message_Box(IDYES);
        Import_Cities_File();
        EXPECT_EQ(Last_Box_Text(),
                  "Import City Error: No cities found in \"Cities.txt\"; the "
                  "current cities are unchanged.");
        EXPECT_EQ(memcmp(gCities, before, sizeof(before)), 0);
        EXPECT_EQ(Get_Team_Stat(5, TEAM_CITY_INDEX), nTeamCity);
    }

    Write_Text_File(CITIES_FILE_NAME, "Boston,600000,4500000,0,99999999999,0,0,0,7\nAtlanta\n");
    EXPECT_EQ(Read_Cities_File(CITIES_FILE_NAME), 2);
    EXPECT_EQ(Get_City_Stat(1, CITY_INCOME), 0);     // out of range: skipped
    EXPECT_EQ(Get_City_Stat(1, CITY_TIME_ZONE), 0);  // 7 is no time zone
    EXPECT_EQ(Count_Occurrences(Test_Get_Debug_Output(), kSkippedField), 2);
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        EXPECT_LT(Get_Team_Stat(nTeam, TEAM_CITY_INDEX), 2) << nTeam;
}

// A team line with one bad number makes no team; the lines around it still do.
TEST_F(DamagedTextFilesTest, TeamsFileBadNumbers) {
    struct {
        const char* szCase;
        const char* szCapacity;
        const char* szTicketPrice;
        const char* szDivision;
    } const kCases[] = {
        {"division 8", "65000", "6000", "8"},
        {"capacity 0", "0", "6000", "1"},
        {"ticket price -1", "65000", "-1", "1"},
        {"capacity not a number", "lots", "6000", "1"},
        {"ticket price that wraps", "65000", "4294967297", "1"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.szCase);
        Clear_League_Database();
        Set_City_Name(0, "Atlanta");
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2019);
        Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
        Test_Clear_Debug_Output();
        std::string stBad = std::string("BAD,Home,Nick,Park,") + c.szCapacity +
                            ",OPEN,GRASS,1999,500000000,1100,1000,900,1050," + c.szTicketPrice +
                            "," + c.szDivision + ",Atlanta,0\n";
        Write_Text_File("input/stats/2019_teams.csv",
                   "Header\n" + stBad +
                       "ATL,Atlanta,Nick,Park,65000,OPEN,GRASS,1999,500000000,1100,1000,900,1050,"
                       "6000,2,Atlanta,0\n");
        Import_Teams_File();
        ASSERT_EQ(Count_Active_Teams(), 1);
        char szAbbreviation[TEAM_STRING_SIZE];
        Get_Team_String(szAbbreviation, sizeof(szAbbreviation), 0, TEAM_ABBREVIATION);
        EXPECT_STREQ(szAbbreviation, "ATL");
        EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 2);
        EXPECT_EQ(Count_Occurrences(Test_Get_Debug_Output(), kSkippedField), 1);
    }
}

// The draft files: a file without one usable number changes nothing and says so; a number out
// of range (99999 would wrap to -31073 in the table) keeps the entry, with one log line.
TEST_F(DamagedTextFilesTest, DraftInputFiles) {
    const char* szSource = getenv("VANTO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    std::ifstream regression(std::string(szSource) +
                             "/tests/fuzz/regressions/DraftTalent_TE_centre_99999.txt");
    std::stringstream stWrapping;
    stWrapping << regression.rdbuf();
    ASSERT_FALSE(stWrapping.str().empty());

    struct {
        const char* szCase;
        std::string stText;
        int nSkipped;
        const char* szBox;
    } const kCases[] = {
        {"empty file", "", 3 * POSITION_COUNT,
         "Draft Input Error: Input/DraftTalent.txt holds no usable values; nothing was changed."},
        {"TE centre 99999", stWrapping.str(), 1, ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.szCase);
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
            gDraftTalent[DRAFT_TALENT_CENTRE][nPosition] = 7;
        Test_Reset_Platform();
        Write_Text_File("Input/DraftTalent.txt", c.stText);
        Load_Draft_Talent();
        EXPECT_EQ(gDraftTalent[DRAFT_TALENT_CENTRE][POS_TE], 7);
        EXPECT_EQ(Count_Occurrences(Test_Get_Debug_Output(), kSkippedField), c.nSkipped);
        EXPECT_EQ(Last_Box_Text(), c.szBox);
    }
    EXPECT_EQ(gDraftTalent[DRAFT_TALENT_CENTRE][POS_QB], -30);  // the good lines were read
}

}  // namespace
