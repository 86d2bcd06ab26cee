// Setting up a game: the weather, the crowd and the kind of weather a game shows.
#include "engine/game_test_fixture.h"

namespace {

class GameSetupTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Set_Team_Stadium_Stat(GAME_TEST_HOME, STADIUM_CAPACITY, 65000);
        for (int nStat = STADIUM_CONVENIENCE; nStat <= STADIUM_SIGHT_LINES; nStat++)
            Set_Team_Stadium_Stat(GAME_TEST_HOME, nStat, 70);
    }
};

TEST_F(GameSetupTest, ADomeIsAlwaysIndoorsAndMild) {
    Set_Team_Stadium_Stat(GAME_TEST_HOME, STADIUM_STRUCTURE, 1);
    for (int i = 0; i < 20; i++) {
        Set_Game_Weather(pGame);
        EXPECT_EQ(pGame->anInfo[GAME_INFO_WIND_SPEED], -1);
        EXPECT_EQ(pGame->anInfo[GAME_INFO_WIND_ANGLE], -1);
        EXPECT_GE(pGame->anInfo[GAME_INFO_TEMPERATURE], 60);
        EXPECT_LE(pGame->anInfo[GAME_INFO_TEMPERATURE], 80);
        EXPECT_GE(pGame->anInfo[GAME_INFO_PRECIPITATION], 0);
    }
}

TEST_F(GameSetupTest, AnOpenStadiumHasWindFromSomewhere) {
    Set_Team_Stadium_Stat(GAME_TEST_HOME, STADIUM_STRUCTURE, 0);
    Set_Game_Weather(pGame);
    EXPECT_GE(pGame->anInfo[GAME_INFO_WIND_SPEED], 0);
    EXPECT_LE(pGame->anInfo[GAME_INFO_WIND_SPEED], 15);
    EXPECT_GE(pGame->anInfo[GAME_INFO_WIND_ANGLE], 0);
    EXPECT_LT(pGame->anInfo[GAME_INFO_WIND_ANGLE], 360);
}

// Far west in midsummer the dry-season factor turns negative: no rain, never below none.
TEST_F(GameSetupTest, PrecipitationIsNeverNegative) {
    Set_City_Stat(Get_Team_Stat(GAME_TEST_HOME, TEAM_CITY_INDEX), CITY_LONGITUDE, 160000);
    for (int i = 0; i < 20; i++)
        EXPECT_GE(Roll_Precipitation(GAME_TEST_HOME, 6), 0);
}

// Whatever the price, the crowd stays within 0 and 110 % of the seats; no seats, no crowd.
TEST_F(GameSetupTest, AttendanceStaysWithinTheStadium) {
    const int kPrices[] = {0, 1, 500, 5000, 50000, 5000000};
    int nCapacity = Get_Team_Stadium_Stat(GAME_TEST_HOME, STADIUM_CAPACITY);
    ASSERT_GT(nCapacity, 0);
    for (int nPrice : kPrices) {
        Set_Team_Financial_Stat(GAME_TEST_HOME, FIN_TICKET_PRICE, nPrice);
        Set_Game_Attendance(pGame);
        int nCrowd = Get_Game_Info_Int(pGame, GAME_INFO_ATTENDANCE);
        EXPECT_GE(nCrowd, 0) << nPrice;
        EXPECT_LE(nCrowd, Mul_Div(nCapacity, 11, 10)) << nPrice;
    }
    Set_Team_Stadium_Stat(GAME_TEST_HOME, STADIUM_CAPACITY, 0);
    Set_Game_Attendance(pGame);
    EXPECT_EQ(Get_Game_Info_Int(pGame, GAME_INFO_ATTENDANCE), 0);
}

TEST_F(GameSetupTest, WeatherKinds) {
    const int kCases[][3] = {
        // precipitation, temperature, kind
        {10, 70, 7},  {60, 70, 0},  {105, 30, 1}, {105, 40, 2}, {120, 25, 5},
        {120, 33, 4}, {120, 70, 3}, {140, 50, 3}, {140, 70, 6},
    };
    for (const auto& c : kCases) {
        pGame->anInfo[GAME_INFO_PRECIPITATION] = (int16_t)c[0];
        pGame->anInfo[GAME_INFO_TEMPERATURE] = (int16_t)c[1];
        EXPECT_EQ(Get_Game_Weather(pGame), c[2]) << c[0] << " " << c[1];
    }
}

TEST_F(GameSetupTest, PreparingAGameTakesTheWeekAndTheYear) {
    Prepare_Game(pGame);
    EXPECT_EQ(pGame->anInfo[GAME_INFO_WEEK], GAME_TEST_WEEK);
    EXPECT_EQ(pGame->anInfo[GAME_INFO_YEAR], FIXTURE_FIRST_YEAR + gSeasonNumber);
    EXPECT_GT(Get_Game_Info_Int(pGame, GAME_INFO_ATTENDANCE), 0);
    int nStarters = 0;
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
        nStarters += Get_Player_Stat(GAME_TEST_HOME, nSlot, SEASON_CURRENT, 1);
    EXPECT_EQ(nStarters, 22);  // the base offence and the base defence
}

}  // namespace
