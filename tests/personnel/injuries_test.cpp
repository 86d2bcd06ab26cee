// Injuries: the chance by medical-staff rank, the weekly healing of injuries and suspensions,
// the floor of lasting damage, the table lookups and the user's report.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"

#define HURT_TEAM 4
#define HURT_SLOT 10
#define REGULAR_WEEK 5

class InjuryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        Seed_Random(FIXED_RANDOM_SEED);
        gCurrentWeek = REGULAR_WEEK;
    }

    void Hurt(int nCode, int nWeeks) {
        Set_Player_Vital_Stat(HURT_TEAM, HURT_SLOT, VITAL_INJURY, nCode);
        Set_Player_Vital_Stat(HURT_TEAM, HURT_SLOT, VITAL_INJURY_WEEKS, nWeeks);
    }
    int Weeks() const {
        return Get_Player_Vital_Stat(HURT_TEAM, HURT_SLOT, VITAL_INJURY_WEEKS);
    }
    int Code() const {
        return Get_Player_Vital_Stat(HURT_TEAM, HURT_SLOT, VITAL_INJURY);
    }
};

TEST_F(InjuryTest, ChancePerThousandPlaysFollowsTheMedicalRank) {
    gOwnerMode = 1;
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_LEVEL, 1000 + nTeam);
    EXPECT_EQ(Get_Injury_Chance(FIXTURE_TEAM_COUNT - 1), 32);  // best funded
    EXPECT_EQ(Get_Injury_Chance(0), 52);                       // 40 x 4000 / 3062
    Set_Universe_Stat(UNIVERSE_INJURY_FREQUENCY, 100);
    EXPECT_EQ(Get_Injury_Chance(FIXTURE_TEAM_COUNT - 1), 64);

    // Over many rolls the rate matches; a player already out is never hurt again.
    Set_Universe_Stat(UNIVERSE_INJURY_FREQUENCY, 0);
    int nHurt = 0;
    for (int n = 0; n < 20000; n++) {
        if (Roll_For_Injury(0, HURT_SLOT)) {
            nHurt++;
            EXPECT_EQ(Roll_For_Injury(0, HURT_SLOT), 0);
            Clear_Player_Injury(0, HURT_SLOT);
        }
    }
    EXPECT_NEAR(nHurt / 20.0, 52.0, 6.0);
}

TEST_F(InjuryTest, WeeklyStepHealsInjuriesAndSuspensionsOnlyInPlayedWeeks) {
    struct Case {
        int nCode, nWeeks, nWeek, bTeamPlays, nWeeksAfter, nCodeAfter;
    } kCases[] = {
        {9, 1, REGULAR_WEEK, 1, 0, NO_INJURY},   // the last week heals
        {9, 3, REGULAR_WEEK, 0, 2, 9},           // an injury heals in a bye week too
        {180, 3, REGULAR_WEEK, 1, 2, 180},       // a suspension counts a played week
        {180, 3, REGULAR_WEEK, 0, 3, 180},       // ...but not a bye
        {184, 3, 22, 1, 3, 184},                 // nor the postseason's late weeks
        {181, 3, OFF_SEASON_WEEK, 1, 3, 181},    // nor the off-season
        {9, 3, OFF_SEASON_WEEK, 1, 2, 9},        // where injuries still heal
        {183, 3, REGULAR_WEEK, 0, 2, 183},       // a rule suspension counts like an injury
        {9, -2, REGULAR_WEEK, 1, 0, NO_INJURY},  // a broken negative count is cleared
    };
    for (const Case& c : kCases) {
        gCurrentWeek = c.nWeek;
        if (c.nWeek <= 21)
            Set_Team_Schedule_Stat(HURT_TEAM, c.nWeek, SCHEDULE_OPPONENT, c.bTeamPlays ? 7 : 0);
        Hurt(c.nCode, c.nWeeks);
        int nCounter = Get_Player_Vital_Stat(HURT_TEAM, HURT_SLOT, VITAL_WEEKLY_COUNTER);
        Advance_Player_One_Week(HURT_TEAM, HURT_SLOT);
        EXPECT_EQ(Weeks(), c.nWeeksAfter) << "code " << c.nCode << " week " << c.nWeek;
        EXPECT_EQ(Code(), c.nCodeAfter) << "code " << c.nCode << " week " << c.nWeek;
        EXPECT_EQ(Get_Player_Vital_Stat(HURT_TEAM, HURT_SLOT, VITAL_WEEKLY_COUNTER), nCounter + 1);
    }
    gCurrentWeek = REGULAR_WEEK;
    Hurt(182, 4);
    Clear_Suspensions();
    EXPECT_EQ(Weeks(), 0);
}

TEST_F(InjuryTest, LastingDamageNeverTakesARatingBelowItsFloor) {
    Set_Player_Rating(HURT_TEAM, HURT_SLOT, 25.0f, RATING_SPEED);
    Set_Player_Rating(HURT_TEAM, HURT_SLOT, 12.0f, RATING_FG_ACCURACY);
    int bDamaged = 0;
    for (int n = 0; n < 300; n++) {
        float fBefore = Get_Player_Rating(HURT_TEAM, HURT_SLOT, RATING_POWER);
        Hurt(17, 0);  // a long injury recurs half the time
        Inflict_Injury(HURT_TEAM, HURT_SLOT);
        EXPECT_GE(Weeks(), 1);
        bDamaged |= Get_Player_Rating(HURT_TEAM, HURT_SLOT, RATING_POWER) < fBefore;
    }
    EXPECT_TRUE(bDamaged);
    EXPECT_FLOAT_EQ(Get_Player_Stored_Rating(HURT_TEAM, HURT_SLOT, RATING_SPEED), RATING_FLOOR);
    EXPECT_FLOAT_EQ(Get_Player_Stored_Rating(HURT_TEAM, HURT_SLOT, RATING_FG_ACCURACY), 12.0f);
}

TEST_F(InjuryTest, TableLookups) {
    char sz[64];
    EXPECT_EQ(Get_Injury_Name(150, sz, sizeof sz), 1);
    EXPECT_STREQ(sz, "broken neck vertebra");
    EXPECT_EQ(Get_Injury_Name(114, sz, sizeof sz), 0);
    EXPECT_EQ(Get_Injury_Name(200, sz, sizeof sz), 0);
    Get_Injury_Name(NO_INJURY, sz, sizeof sz);
    EXPECT_STREQ(sz, "NO INJURY");
    EXPECT_EQ(Find_Injury_Code("Severe Elbow Tendonitis"), 95);
    memset(gRecentErrors, 0, sizeof gRecentErrors);
    EXPECT_EQ(Find_Injury_Code(""), 0);
    EXPECT_EQ(gRecentErrors[0], '\0');
    EXPECT_EQ(Find_Injury_Code("hangnail"), 0);
    EXPECT_NE(strstr(gRecentErrors, "Injury String Not Found: hangnail"), nullptr);
    EXPECT_EQ(Get_Injury_Weeks_Bound(17, 1), 40);
    EXPECT_EQ(Get_Injury_Weeks_Bound(NO_INJURY, 0), 0);
    EXPECT_EQ(Get_Injury_Group(151), 17);
    EXPECT_EQ(Get_Injury_Group(0), -1);
    EXPECT_EQ(Get_Injury_Group(8), 1);
    int nSum = 0;
    for (int nCode = 0; nCode < INJURY_CODE_COUNT; nCode++)
        nSum += Get_Injury_Draw_Weight(nCode) * Get_Injury_Draw_Weight(nCode);
    EXPECT_EQ(nSum, 586);
}

TEST_F(InjuryTest, ReportQueuesTheUsersLongInjuriesAndStopsTheAdvance) {
    gAllTeamsComputer = 0;
    Set_User_Preference(55, 2);  // report injuries of more than two weeks
    gRunTargetWeek = 10;
    gPostseasonWeeks[4] = 21;
    Queue_User_Injury_Report(HURT_TEAM, HURT_SLOT, 3);
    EXPECT_FALSE(Has_User_Injury_Reports());  // not the user's team
    ASSERT_EQ(Get_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_CONTROL), CONTROL_HUMAN);
    Set_Player_Vital_Stat(FIXTURE_HUMAN_TEAM, HURT_SLOT, VITAL_INJURY, 186);  // "Illness"
    Set_Player_Vital_Stat(FIXTURE_HUMAN_TEAM, HURT_SLOT, VITAL_INJURY_WEEKS, 3);
    Queue_User_Injury_Report(FIXTURE_HUMAN_TEAM, HURT_SLOT, 2);  // not longer than the threshold
    EXPECT_FALSE(Has_User_Injury_Reports());
    EXPECT_EQ(gRunTargetWeek, 10);
    for (int n = 0; n < INJURY_REPORT_SLOTS + 1; n++)
        Queue_User_Injury_Report(FIXTURE_HUMAN_TEAM, HURT_SLOT, 3);
    EXPECT_EQ(gRunTargetWeek, REGULAR_WEEK + 1);
    Report_And_Clear_User_Injuries();
    EXPECT_FALSE(Has_User_Injury_Reports());
    const auto& shown = Test_Get_Transcript();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].stCaption, "Injury");
    EXPECT_NE(shown[0].stText.find(" will be injured for 3 weeks due to an Illness."),
              std::string::npos);
}
