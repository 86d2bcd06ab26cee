// The team record's fields, labels, returners, whole-record copies and the user preferences.
#include "database_test_fixture.h"
#include "personnel/personnel.h"

TEST_F(DatabaseTest, ClearedLeagueHasNoTeamsInUse) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        int nExpected = nTeam < LEAGUE_TEAM_COUNT ? -1 : 0;
        for (int nStat : {TEAM_DIVISION, TEAM_TIME_ZONE, TEAM_CONTROL, TEAM_CITY_INDEX})
            EXPECT_EQ(Get_Team_Stat(nTeam, nStat), nExpected) << nTeam << "," << nStat;
    }
    EXPECT_EQ(Count_Active_Teams(), 0);
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(DatabaseTest, PseudoTeamsShowFixedLabels) {
    struct {
        int nTeam, nString;
        const char* szExpected;
    } kLabels[] = {
        {36, 0, "\x96"}, {36, 1, "Free Agent"}, {37, 0, "HOF"}, {37, 1, "Hall Of Fame"},
        {38, 0, "\x96"}, {40, 1, "Undrafted"},  {36, 2, ""},    {37, 7, ""},
    };
    Set_Team_String(37, 1, "stored but never shown");
    for (const auto& label : kLabels) {
        char sz[TEAM_STRING_SIZE] = "x";
        Get_Team_String(sz, sizeof(sz), label.nTeam, label.nString);
        EXPECT_STREQ(sz, label.szExpected) << label.nTeam << "," << label.nString;
    }
}

TEST_F(DatabaseTest, StringsAreCutTo31Characters) {
    Set_Team_String(4, TEAM_STADIUM_NAME, "A Stadium Name Far Longer Than Thirty-One Characters");
    char sz[TEAM_STRING_SIZE];
    Get_Team_String(sz, sizeof(sz), 4, TEAM_STADIUM_NAME);
    EXPECT_EQ(strlen(sz), 31u);
    char szPicture[STADIUM_PICTURE_NAME_SIZE];
    Get_Stadium_Picture_Name(szPicture, sizeof(szPicture), 4);
    EXPECT_STREQ(szPicture, "stadiums\\A Stadium Name Far Longer Than .jpg");
    Set_Team_String(4, TEAM_STADIUM_NAME, "");  // none of its own: the stadium's name
    Set_Team_String(4, TEAM_HOME_LOCATION, "Lakeside Field");
    Get_Stadium_Picture_Name(szPicture, sizeof(szPicture), 4);
    EXPECT_STREQ(szPicture, "stadiums\\Lakeside Field.jpg");
}

TEST_F(DatabaseTest, CityStatComesFromTheTeamsCity) {
    Add_Team(2, "Denver", "Peaks");
    Set_City_Stat(7, CITY_INCOME, 41000);
    Set_Team_Stat(2, TEAM_CITY_INDEX, 7);
    EXPECT_EQ(Get_Team_City_Stat(2, CITY_INCOME), 41000);
    Set_Team_Stat(2, TEAM_CITY_INDEX, 100);
    EXPECT_EQ(Get_Team_City_Stat(2, CITY_INCOME), 0);
}

TEST_F(DatabaseTest, ReturnerIsKeptOnlyAtAReturningPosition) {
    Add_Team(0, "Boston", "Bulldogs");
    Add_Player(0, 0, 101, POS_QB);
    Add_Player(0, 1, 102, POS_G);
    Add_Player(0, 2, 103, POS_CB);
    Set_Team_Returner(0, KICK_RETURNER, 2);
    EXPECT_EQ(Get_Team_Returner(0, KICK_RETURNER), 2);

    // A quarterback marked as returner gives way to the computer's choice, a returning player.
    Set_Team_Returner(0, PUNT_RETURNER, 0);
    int nChosen = Get_Team_Returner(0, PUNT_RETURNER);
    ASSERT_LT(nChosen, PLAYERS_PER_TEAM);
    EXPECT_TRUE(Is_Returning_Position(gTeams[0].aPlayers[nChosen].anVitalStats[VITAL_POSITION]));
}

TEST_F(DatabaseTest, BackupAndRestoreCopyTheWholeRecord) {
    static TEAM backup;
    Add_Team(5, "Austin", "Armadillos");
    Add_Player(5, 0, 77, POS_K);
    ASSERT_EQ(Backup_Team_Structure(&backup, 5), 1);
    Set_Team_String(5, TEAM_CITY, "Changed");
    Clear_Team(5);
    EXPECT_EQ(Get_Team_Stat(5, TEAM_CONTROL), CONTROL_NOT_IN_USE);
    ASSERT_EQ(Restore_Team_Structure(5, &backup), 1);
    EXPECT_EQ(memcmp(&backup, &gTeams[5], sizeof(TEAM)), 0);
    EXPECT_EQ(Player_Id(5, 0), 77);
}

TEST_F(DatabaseTest, SchemeAndFormationNames) {
    EXPECT_EQ(Get_Defensive_Formation_Index("3-4"), 1);
    EXPECT_EQ(Get_Offensive_Formation_Index("2 running BACKS"), 3);
    EXPECT_EQ(Get_Offensive_Formation_Index("Wishbone"), 0);
    Add_Team(1, "Ames", "Owls");
    Set_Team_Offensive_Formation(1, "3 wideouts");
    EXPECT_EQ(Get_Team_Stat(1, TEAM_OFFENSIVE_SYSTEM), 1);
    char sz[32];
    Get_Offensive_Formation_Name(2, sz, sizeof(sz));
    EXPECT_STREQ(sz, "2 Tight Ends");
    Get_Defensive_Formation_Name(2, sz, sizeof(sz));
    EXPECT_STREQ(sz, "");
}

TEST_F(DatabaseTest, PlainChecksumSumsTeamsAndCities) {
    uint32_t uBefore = Get_Teams_And_Cities_Sum();
    gCities[99].anStats[9] = 5;      // last word of the range
    gTeams[0].aszStrings[0][0] = 1;  // first word's low byte
    gUserTeam = 1000;                // outside the range
    EXPECT_EQ(Get_Teams_And_Cities_Sum(), uBefore + 6);
}

TEST_F(DatabaseTest, PreferenceShortsKeepTheirLow16BitsSignExtended) {
    Set_User_Preference(250, 70000);
    EXPECT_EQ(Get_User_Preference(250), 4464);
    Set_User_Preference(359, -1);
    EXPECT_EQ(Get_User_Preference(359), -1);
    Set_User_Preference(239, 70000);
    EXPECT_EQ(Get_User_Preference(239), 70000);
    Set_User_Preference(23, 12);
    EXPECT_EQ(gCurrentWeek, 12);
    EXPECT_EQ(Last_Error(), "");
}
