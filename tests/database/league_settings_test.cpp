// League structure and settings: the universe stats, grouping of teams, counts, wild-card
// limits, the calendar, the draft-pick lookup and schedule records.
#include "records_fixture.h"
#include "shell/shell.h"

class LeagueTest : public DatabaseTest {
protected:
    // nPerDivision teams in each of the given divisions, numbered upward from 0.
    static int Build_League(std::initializer_list<int> divisions, int nPerDivision) {
        int nTeam = 0;
        for (int nDivision : divisions)
            for (int i = 0; i < nPerDivision; i++)
                Add_Team(nTeam++, "City", "Team", nDivision);
        return nTeam;
    }
};

TEST_F(LeagueTest, SeasonGamesAreReadAsAtMost17AndRepaired) {
    gUniverseStats[UNIVERSE_SEASON_GAMES] = 18;
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), 17);
    EXPECT_EQ(gUniverseStats[UNIVERSE_SEASON_GAMES], 17);
    gUniverseStats[UNIVERSE_SEASON_GAMES] = 16;
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), 16);
}

TEST_F(LeagueTest, PercentageSettingsAndGoodwill) {
    Set_Universe_Stat(UNIVERSE_INJURY_FREQUENCY, -25);
    EXPECT_EQ(Modify_For_Universe_Stat(200, UNIVERSE_INJURY_FREQUENCY), 150);
    EXPECT_EQ(Last_Error(), "");

    gUniverseStats[UNIVERSE_TRADE_GOODWILL] = 1950;
    Adjust_Trade_Goodwill(150);
    EXPECT_EQ(gUniverseStats[UNIVERSE_TRADE_GOODWILL], 2000);
    gUniverseStats[UNIVERSE_TRADE_GOODWILL] = -2000;
    Adjust_Trade_Goodwill(-150);
    EXPECT_EQ(gUniverseStats[UNIVERSE_TRADE_GOODWILL], -2000);
}

TEST_F(LeagueTest, HeadShortsAreTheNamedSettingsByIndex) {
    gLeagueAverages[2] = 1120;
    EXPECT_EQ(Get_Head_Short(2), 1120);
    Set_Head_Short(9, -2);  // block offset 1,874
    EXPECT_EQ(gSuperBowl, -2);
    EXPECT_EQ(Get_Head_Short(9), -2);
    Set_Head_Short(84, 1);
    EXPECT_EQ(gNoSameDivisionDivisionalRound, 1);
    Set_Head_Short(85, 1);  // past the shorts: nothing
    EXPECT_EQ(gUniverseStats[0], 0);
    EXPECT_EQ(gSavedState.abUnused5[0], 0);
}

TEST_F(LeagueTest, TextsAreCutToTheirFields) {
    std::string stLong(600, 'n');
    Set_Database_Notes(stLong.c_str());
    char szNotes[512];
    Get_Database_Notes(szNotes, sizeof(szNotes));
    EXPECT_EQ(strlen(szNotes), 511u);
    Set_League_Abbreviation(1, "A Very Long League Name");
    char szLeague[LEAGUE_NAME_SIZE];
    Get_League_Name(1, szLeague, sizeof(szLeague));
    EXPECT_STREQ(szLeague, "A Very Long Lea");
    Set_Division_Name(7, "Southwestern Division");
    char szDivision[DIVISION_NAME_SIZE];
    Get_Division_Name(7, szDivision, sizeof(szDivision));
    EXPECT_STREQ(szDivision, "Southwester");
}

TEST_F(LeagueTest, TeamGroupingAndClasses) {
    Build_League({0, 1, 4, 5}, 8);  // 32 teams
    EXPECT_EQ(Count_Active_Teams(), 32);
    EXPECT_EQ(Get_Team_Division(9), 1);
    EXPECT_EQ(Get_Team_League(20), 1);
    EXPECT_EQ(Get_Team_Division(36), 8);
    EXPECT_EQ(Get_Team_League(36), 2);
    EXPECT_EQ(Get_Team_Division(33), NO_TEAM);
    EXPECT_EQ(Get_Team_League(41), -1);
    EXPECT_TRUE(Are_Teams_In_Same_Division(8, 15));
    EXPECT_FALSE(Are_Teams_In_Same_Division(7, 8));
    EXPECT_EQ(Get_Nth_League_Team(1, 0), 16);
    EXPECT_EQ(Get_Nth_League_Team(1, 15), 31);
    EXPECT_EQ(Get_Nth_League_Team(1, 16), NO_TEAM);
    EXPECT_EQ(Get_Nth_Division_Team(5, 2), 26);
    EXPECT_EQ(Count_League_Divisions(0), 2);
    EXPECT_EQ(Count_Active_Leagues(), 2);
    EXPECT_EQ(Get_Max_Division_Team_Count(), 8);
    EXPECT_TRUE(Is_Valid_Team(40));
    EXPECT_FALSE(Is_Valid_Team(32));
    gUserTeam = 32;
    EXPECT_EQ(Get_User_Team(), 0);
    gUserTeam = 37;
    EXPECT_EQ(Get_User_Team(), 37);
    char szZone[16];
    Set_Team_Stat(3, TEAM_TIME_ZONE, 7);
    Get_Team_Time_Zone_Name(3, szZone, sizeof(szZone));
    EXPECT_STREQ(szZone, "Eastern");
    Get_Team_Time_Zone_Name(99, szZone, sizeof(szZone));
    EXPECT_STREQ(szZone, "Pacific");
}

TEST_F(LeagueTest, LeaguesWithoutTeamsEndTheActiveLeagues) {
    Build_League({4, 5}, 2);  // teams only in league 1
    EXPECT_EQ(Count_Active_Leagues(), 0);
    EXPECT_EQ(Get_Min_Wild_Card_Teams(), 1000);
    EXPECT_EQ(Get_Max_Wild_Card_Teams(), 0);
}

TEST_F(LeagueTest, WildCardLimitsFollowTheDivisionCount) {
    struct {
        std::initializer_list<int> divisions;
        int nMin, nMax;
    } kCases[] = {
        {{0, 1, 2}, 1, 5},
        {{0, 1, 2, 3}, 0, 4},
        {{0, 1}, 0, 0},
        {{0, 1, 2, 4, 5, 6, 7}, 0, 5},
    };
    for (const auto& testCase : kCases) {
        Clear_League_Database();
        Build_League(testCase.divisions, 2);
        EXPECT_EQ(Get_Min_Wild_Card_Teams(), testCase.nMin);
        EXPECT_EQ(Get_Max_Wild_Card_Teams(), testCase.nMax);
    }
}

TEST_F(LeagueTest, SwapLeaguesMovesDivisionsAndNames) {
    Build_League({0, 5}, 1);
    Set_League_Abbreviation(0, "AFL");
    Set_League_Abbreviation(1, "NFL");
    Swap_Leagues();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 4);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_DIVISION), 1);
    char szName[LEAGUE_NAME_SIZE];
    Get_League_Name(0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "NFL");
    Set_Division_Name(6, "Empty");
    Clear_Unused_League_Names();
    Get_Division_Name(6, szName, sizeof(szName));
    EXPECT_STREQ(szName, "");
    Get_League_Name(1, szName, sizeof(szName));
    EXPECT_STREQ(szName, "AFL");
}

TEST_F(LeagueTest, CalendarOfTheSeasonWeeks) {
    gUniverseStats[UNIVERSE_FIRST_YEAR] = 2000;
    gSeasonNumber = 22;
    struct {
        int nWeek, nDay, nMonth, nCalendarYear;
    } kWeeks[] = {
        {0, 249, 8, 2022},
        {16, 361, 11, 2022},
        {17, 368, 0, 2023},
        {100, 104, 3, 2022},
    };
    for (const auto& week : kWeeks) {
        gCurrentWeek = week.nWeek;
        EXPECT_EQ(Get_Current_Day_Of_Year(), week.nDay) << week.nWeek;
        EXPECT_EQ(Get_Current_Month(), week.nMonth) << week.nWeek;
        EXPECT_EQ(Get_Current_Calendar_Year(), week.nCalendarYear) << week.nWeek;
    }
    Set_Current_Week(5);
    EXPECT_EQ(Get_Current_Week(), 5);
    gPostseasonWeeks[0] = 1;
    EXPECT_EQ(Get_Regular_Season_Week_Count(), 2);
}

TEST_F(LeagueTest, DraftPicksAreFoundInDraftOrderSkippingPicksMade) {
    int nTeams = Build_League({0}, 4);
    for (int nPlace = 0; nPlace < nTeams; nPlace++)
        gDraftOrder[nPlace] = (uint8_t)(3 - nPlace);
    for (int nYear = 0; nYear < DRAFT_YEARS; nYear++)
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
            for (int nColumn = 0; nColumn < nTeams; nColumn++)
                Set_Draft_Pick_Owner(nYear, nRound, nColumn, nColumn);
    Set_Draft_Pick_Owner(0, 0, 1, 2);  // team 2 owns team 1's first-round pick
    gDraftRound = NO_DRAFT_ROUND;

    int nYear, nRound, nColumn;
    ASSERT_EQ(Find_Team_Draft_Pick(2, 0, &nYear, &nRound, &nColumn), 1);
    EXPECT_EQ(nYear * 100 + nRound * 10 + nColumn, 2);  // its own pick comes first (place 1)
    ASSERT_EQ(Find_Team_Draft_Pick(2, 1, &nYear, &nRound, &nColumn), 1);
    EXPECT_EQ(nYear * 100 + nRound * 10 + nColumn, 1);
    EXPECT_EQ(Find_Team_Draft_Pick(2, 22, &nYear, &nRound, &nColumn), 0);

    gDraftRound = 0;  // the draft is on, three picks of round 0 made
    gDraftPick = 3;
    ASSERT_EQ(Find_Team_Draft_Pick(2, 0, &nYear, &nRound, &nColumn), 1);
    EXPECT_EQ(nYear * 100 + nRound * 10 + nColumn, 12);
}

TEST_F(LeagueTest, ScoringBaseAndDefaultAbbreviations) {
    const struct {
        int nYear;
        float fBase;
    } kYears[] = {{1935, 22.9f}, {1951, 22.9f}, {1978, 17.2f}, {2020, 22.8f}, {2030, 22.8f}};
    for (const auto& year : kYears) {
        gUniverseStats[UNIVERSE_FIRST_YEAR] = year.nYear;
        EXPECT_FLOAT_EQ(Get_Season_Scoring_Base(), year.fBase) << year.nYear;
    }
    char sz[8];
    Get_Default_Team_Abbreviation(31, sz, sizeof(sz));
    EXPECT_STREQ(sz, "WAS");
    Get_Default_Team_Abbreviation(32, sz, sizeof(sz));
    EXPECT_STREQ(sz, "");
}

TEST_F(ShortSeasonTest, ScheduleRecordShowsTiesOnlyWhenThereAreAny) {
    Play_Short_Season();
    const struct {
        int nTeam, nWeeks;
        const char* szRecord;
    } kRecords[] = {
        {0, 3, "2-1"},    // Archers: two wins, then a loss to the Dukes
        {0, 4, "3-1"},    // the playoff week counts when asked for
        {2, 3, "0-2-1"},  // Comets: a tie, then two losses
        {2, 1, "0-0-1"}, {4, 0, "0-0"},
    };
    for (const auto& record : kRecords) {
        char sz[TEAM_RECORD_TEXT_SIZE];
        Format_Team_Schedule_Record(record.nTeam, record.nWeeks, sz, sizeof(sz));
        EXPECT_STREQ(sz, record.szRecord) << record.nTeam << "," << record.nWeeks;
    }
}
