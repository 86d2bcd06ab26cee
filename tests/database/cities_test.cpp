// The city table: adding, erasing, sorting and the Cities.txt exchange (in the test's folder).
#include <stdio.h>

#include "database_test_fixture.h"

class CitiesTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        remove(CITIES_FILE_NAME);
    }

    static void Add_Named_City(const char* szName, int nPopulation) {
        int nCity = Add_City();
        ASSERT_GE(nCity, 0);
        Set_City_Name(nCity, szName);
        Set_City_Stat(nCity, CITY_POPULATION, nPopulation);
    }

    static std::string City_Name(int nCity) {
        char sz[CITY_NAME_SIZE];
        Get_City_Name(nCity, sz, sizeof(sz));
        return sz;
    }

    static std::string Read_Cities_File() {
        std::string stText;
        FILE* pFile = fopen(CITIES_FILE_NAME, "rb");
        if (!pFile)
            return "<missing>";
        for (int ch; (ch = fgetc(pFile)) != EOF;)
            stText += (char)ch;
        fclose(pFile);
        return stText;
    }

    static void Write_Cities_File(const char* szText) {
        FILE* pFile = fopen(CITIES_FILE_NAME, "wb");
        fputs(szText, pFile);
        fclose(pFile);
    }

    static std::string Last_Box_Text() {
        const auto& transcript = Test_Get_Transcript();
        return transcript.empty() ? ""
                                  : transcript.back().stCaption + ": " + transcript.back().stText;
    }
};

TEST_F(CitiesTest, NewCitiesGetDefaultsUntilTheTableIsFull) {
    ASSERT_EQ(Add_City(), 0);
    char szPhoto[CITY_PHOTO_SIZE];
    Get_City_Photo(0, szPhoto, sizeof(szPhoto));
    EXPECT_EQ(City_Name(0), "New City");
    EXPECT_STREQ(szPhoto, "Default");
    const int kDefaults[CITY_STAT_COUNT] = {1000000, 2500000, 20000, 25000, 0,
                                            114000,  42000,   3,     0,     0};
    for (int nStat = 0; nStat < CITY_STAT_COUNT; nStat++)
        EXPECT_EQ(Get_City_Stat(0, nStat), kDefaults[nStat]);
    EXPECT_EQ(gCurrentCity, 0);

    for (int nCity = 1; nCity < CITY_COUNT; nCity++)
        ASSERT_EQ(Add_City(), nCity);
    EXPECT_EQ(Add_City(), -1);
    EXPECT_EQ(gCurrentCity, 99);
    EXPECT_EQ(Count_Cities(), 100);
}

TEST_F(CitiesTest, LookupByNameIgnoresCase) {
    Add_Named_City("Atlanta", 1);
    Add_Named_City("Denver", 1);
    EXPECT_EQ(Find_City_By_Name("denver"), 1);
    EXPECT_EQ(Find_City_By_Name("ATLANTA"), 0);
    EXPECT_EQ(Find_City_By_Name("Denve"), -1);
}

TEST_F(CitiesTest, ErasingACityClosesTheGapAndTeamsFollowTheirCities) {
    const char* kNames[] = {"A0", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"};
    for (const char* szName : kNames)
        Add_Named_City(szName, 1);
    Add_Team(0, "X", "Xs");
    Add_Team(1, "Y", "Ys");
    Set_Team_Stat(0, TEAM_CITY_INDEX, 7);
    Set_Team_Stat(1, TEAM_CITY_INDEX, 2);
    gCurrentCity = 5;
    Erase_City();
    EXPECT_EQ(Count_Cities(), 9);
    EXPECT_EQ(City_Name(5), "A6");
    EXPECT_EQ(City_Name(8), "A9");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_CITY_INDEX), 6);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_CITY_INDEX), 2);
    EXPECT_EQ(gCurrentCity, 8);
}

TEST_F(CitiesTest, SortIsByteOrderAndMovesTheTeams) {
    Add_Named_City("abc", 1);
    Add_Named_City("Zurich", 2);
    Add_Named_City("Boston", 3);
    Add_Team(0, "X", "Xs");
    Set_Team_Stat(0, TEAM_CITY_INDEX, 0);
    gCurrentCity = 2;
    Sort_Cities();
    EXPECT_EQ(City_Name(0), "Boston");
    EXPECT_EQ(City_Name(1), "Zurich");
    EXPECT_EQ(City_Name(2), "abc");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_CITY_INDEX), 2);
    EXPECT_EQ(gCurrentCity, 0);
}

TEST_F(CitiesTest, ImportReplacesTheTableSortedWithEmptyPhotos) {
    Add_Named_City("Old Town", 5);
    Write_Cities_File(
        "Boston,600000,4500000,0,52000,20,71000,42000,3\n"
        "Atlanta,1234.9\n"
        "\n"
        "Chicago\n"
        "A City Name Far Too Long,1,2,3,4,5,6,7,8,9,10,11\n");
    Test_Answer_Message_Box(IDYES);
    Import_Cities_File();
    EXPECT_EQ(Last_Box_Text(), "City Import Complete: 4 cities imported from \"Cities.txt\"");
    EXPECT_EQ(Count_Cities(), 4);
    EXPECT_EQ(City_Name(0), "A City Name Far Too");
    EXPECT_EQ(City_Name(1), "Atlanta");
    EXPECT_EQ(City_Name(2), "Boston");
    EXPECT_EQ(City_Name(3), "Chicago");
    EXPECT_EQ(Get_City_Stat(1, CITY_POPULATION), 1234);
    EXPECT_EQ(Get_City_Stat(1, CITY_REGION_POPULATION), 0);
    EXPECT_EQ(Get_City_Stat(2, CITY_TIME_ZONE), 3);
    EXPECT_EQ(Get_City_Stat(0, 9), 10);
    for (int nStat = 0; nStat < CITY_STAT_COUNT; nStat++)
        EXPECT_EQ(Get_City_Stat(3, nStat), 0);
    char szPhoto[CITY_PHOTO_SIZE];
    Get_City_Photo(2, szPhoto, sizeof(szPhoto));
    EXPECT_STREQ(szPhoto, "");
    EXPECT_EQ(gCurrentCity, 0);
}

TEST_F(CitiesTest, ExportThenImportGivesTheSameTable) {
    Add_Named_City("Denver", 700000);
    Add_Named_City("Austin", -5);
    Sort_Cities();
    Test_Answer_Message_Box(IDYES);
    Export_Cities_File();
    EXPECT_EQ(Last_Box_Text(), "City Export Complete: 2 cities exported to \"Cities.txt\"");
    EXPECT_EQ(Read_Cities_File(),
              "Austin,-5,2500000,20000,25000,0,114000,42000,3,0,0\n"
              "Denver,700000,2500000,20000,25000,0,114000,42000,3,0,0\n");
    static CITY before[CITY_COUNT];
    memcpy(before, gCities, sizeof(before));
    Test_Answer_Message_Box(IDYES);
    Import_Cities_File();
    EXPECT_EQ(Count_Cities(), 2);
    for (int nCity = 0; nCity < CITY_COUNT; nCity++) {
        EXPECT_STREQ(gCities[nCity].szName, before[nCity].szName);
        EXPECT_STREQ(gCities[nCity].szPhoto, "");  // the photo is not in the file
        EXPECT_EQ(
            memcmp(gCities[nCity].anStats, before[nCity].anStats, sizeof(before[nCity].anStats)),
            0);
    }
}

// A stat that is not a number reads 0 and is reported with the file's name.
TEST_F(CitiesTest, ImportReportsAStatThatIsNotANumber) {
    Write_Cities_File("Austin,950000,12x,20000\n");
    memset(gRecentErrors, 0, sizeof(gRecentErrors));
    EXPECT_EQ(::Read_Cities_File(CITIES_FILE_NAME), 1);
    EXPECT_EQ(Get_City_Stat(0, 0), 950000);
    EXPECT_EQ(Get_City_Stat(0, 1), 12);
    EXPECT_EQ(Get_City_Stat(0, 2), 20000);
    EXPECT_NE(strstr(gRecentErrors, "Not a number in Cities.txt: \"12x\""), nullptr);
}

TEST_F(CitiesTest, QuestionsAnsweredNoAndAMissingFile) {
    Add_Named_City("Denver", 1);
    Test_Answer_Message_Box(IDNO);
    Export_Cities_File();
    EXPECT_EQ(Read_Cities_File(), "<missing>");
    EXPECT_EQ(Test_Get_Transcript().back().uType & MB_DEFBUTTON2, (UINT)MB_DEFBUTTON2);

    Test_Answer_Message_Box(IDNO);
    Import_Cities_File();
    EXPECT_EQ(City_Name(0), "Denver");

    Test_Answer_Message_Box(IDYES);
    Import_Cities_File();
    EXPECT_EQ(Last_Box_Text(),
              "Import City Error: Unable to open the city import file \"Cities.txt\".");
    EXPECT_EQ(City_Name(0), "Denver");
}

TEST_F(CitiesTest, EmptyTableExportsAnEmptyFile) {
    Test_Answer_Message_Box(IDYES);
    Export_Cities_File();
    EXPECT_EQ(Read_Cities_File(), "");
    EXPECT_EQ(Last_Box_Text(), "City Export Complete: 0 cities exported to \"Cities.txt\"");
}
