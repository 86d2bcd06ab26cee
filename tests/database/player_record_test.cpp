// The player record: slot queries, vital stats with their repairs and derived values, byte stats,
// grades, draft data, ages and the checksum.
#include "player_test_fixture.h"

TEST_F(PlayerTest, VitalStatSentinelsAndUnknownIds) {
    Put_Player(0, 0, 11);
    Set_Player_Vital_Stat(0, 0, VITAL_HEIGHT, 74);
    struct {
        int nTeam, nSlot, nStat, nExpected;
        const char* szBox;
    } cases[] = {
        {0, 0, VITAL_HEIGHT, 74, ""},
        {NO_TEAM, 0, VITAL_HEIGHT, 0, ""},
        {0, NO_PLAYER, VITAL_HEIGHT, 0, ""},
        {0, 0, -1, 0, ""},
        {0, 0, 30, 0,
         "Get_Player_Vital_Stat(TNUM nTeam, INDEX nSlot, int nStat)|Unrecognized VITAL_STAT: 30"},
        {0, 0, 103, 0,
         "Get_Player_Vital_Stat(TNUM nTeam, INDEX nSlot, int nStat)|Unrecognized VITAL_STAT: 103"},
    };
    for (const auto& c : cases) {
        Test_Clear_Transcript();
        EXPECT_EQ(Get_Player_Vital_Stat(c.nTeam, c.nSlot, c.nStat), c.nExpected) << c.nStat;
        EXPECT_EQ(Last_Box(), c.szBox) << c.nStat;
    }
}

TEST_F(PlayerTest, ReadsRepairPotentialAndPrimeStartAndWriteBack) {
    Put_Player(0, 0, 11);
    Set_Player_Vital_Stat(0, 0, VITAL_POTENTIAL, 251);
    int nPotential = Get_Player_Vital_Stat(0, 0, VITAL_POTENTIAL);
    EXPECT_GE(nPotential, 75);
    EXPECT_LE(nPotential, 134);
    EXPECT_EQ(Get_Player_Vital_Stat_Raw(0, 0, VITAL_POTENTIAL), nPotential);
    Set_Player_Vital_Stat(0, 0, VITAL_POTENTIAL, 250);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_POTENTIAL), 250);

    struct {
        int nStart, nEnd, nExpected;
    } primes[] = {{33, 35, 30}, {28, 26, 26}, {27, 30, 27}, {31, 29, 29}};
    for (const auto& c : primes) {
        Set_Player_Vital_Stat(0, 0, VITAL_PRIME_START, c.nStart);
        Set_Player_Vital_Stat(0, 0, VITAL_PRIME_END, c.nEnd);
        EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_PRIME_START), c.nExpected) << c.nStart;
        EXPECT_EQ(Get_Player_Vital_Stat_Raw(0, 0, VITAL_PRIME_START), c.nExpected) << c.nStart;
    }
}

TEST_F(PlayerTest, ExperienceIsStoredAtMostThirty) {
    Put_Player(0, 0, 11);
    Set_Player_Vital_Stat(0, 0, VITAL_EXPERIENCE, 41);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_EXPERIENCE), 30);
    Set_Player_Vital_Stat(0, 0, VITAL_SALARY, 41);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_SALARY), 41);
}

TEST_F(PlayerTest, CapImpactOfSmallOneYearContractsIsCapped) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 182500000);
    Put_Player(0, 0, 11);
    Set_Player_Vital_Stat(0, 0, VITAL_EXPERIENCE, 5);  // minimum 990 in 2021, 850 with 2 years
    struct {
        int nSalary, nBonus, nLength, nProrated, nImpact;
    } cases[] = {
        {990, 60, 1, 60, 850},   // minimum salary, one year, small bonus: capped
        {990, 65, 1, 65, 850},   // the bonus limit itself
        {990, 66, 1, 66, 1056},  // bonus above the inflated 65
        {991, 60, 1, 60, 1051},  // above the minimum
        {990, 60, 2, 30, 1020},  // two years
        {3000, 900, 3, 300, 3300}, {500, 900, 0, 0, 500},  // no length: no proration
    };
    for (const auto& c : cases) {
        Set_Player_Vital_Stat(0, 0, VITAL_SALARY, c.nSalary);
        Set_Player_Vital_Stat(0, 0, VITAL_SIGNING_BONUS, c.nBonus);
        Set_Player_Vital_Stat(0, 0, VITAL_CONTRACT_LENGTH, c.nLength);
        EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_PRORATED_BONUS), c.nProrated) << c.nSalary;
        EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_CAP_IMPACT), c.nImpact) << c.nSalary;
    }
    // The last impact on the base-cap scale: 500 x 55,000,000 / 182,500,000.
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_NORMALIZED_CAP_IMPACT), 151);
}

TEST_F(PlayerTest, ByteStatsAndGradesIgnoreBadIndexes) {
    Put_Player(0, 0, 11);
    Set_Player_Byte_Stat(0, 0, BYTE_EXPANDED_POSITION, ROLE_NT);
    Set_Player_Byte_Stat(0, 0, 4, 99);
    Set_Player_Grade(0, 0, 5, -300);
    Set_Player_Grade(0, 0, 6, 77);
    char szRole[POSITION_NAME_SIZE];
    EXPECT_EQ(Get_Player_Expanded_Position(0, 0, szRole, sizeof(szRole)), ROLE_NT);
    EXPECT_STREQ(szRole, "NT");
    EXPECT_EQ(Get_Player_Byte_Stat(0, 0, 4), 0);
    EXPECT_EQ(Get_Player_Grade(0, 0, 5), -300);
    EXPECT_EQ(Get_Player_Grade(0, 0, 6), 0);
    EXPECT_EQ(gTeams[0].aPlayers[0].anGrades[5], -300);
    EXPECT_EQ(gTeams[0].aPlayers[1].anVitalStats[0], 0);  // nothing spilled into the next slot
}

TEST_F(PlayerTest, DraftRecordGivesOriginalTeamAndYear) {
    Put_Player(0, 0, 11);
    EXPECT_EQ(Get_Player_Original_Team(0, 0), -1);
    Set_Player_Vital_Stat(0, 0, VITAL_DRAFT_RECORD, 5 * 10000 + 2019);
    EXPECT_EQ(Get_Player_Original_Team(0, 0), 4);
    EXPECT_EQ(Get_Player_Draft_Year(0, 0), 2019);
}

TEST_F(PlayerTest, SlotQueriesOnFullEmptyAndUnusedTeams) {
    Fill_Roster(0, PLAYERS_PER_TEAM, 100);
    EXPECT_EQ(Find_Free_Player_Slot(0), PLAYERS_PER_TEAM);
    EXPECT_EQ(Get_First_Empty_Player_Slot(0), NO_SLOT_BYTE);
    EXPECT_EQ(Find_Free_Player_Slot(1), 0);
    Put_Player(5, 0, 900);  // team 5 is not in use
    EXPECT_EQ(Find_Free_Player_Slot(5), 0);
    EXPECT_EQ(Get_First_Empty_Player_Slot(5), 1);
    EXPECT_FALSE(Is_Player_Slot_Used(5, 0));
    EXPECT_TRUE(Is_Player_Slot_Used(0, 99));
    EXPECT_FALSE(Is_Player_Slot_Used(0, 100));
    EXPECT_EQ(Get_Player_ID(0, NO_PLAYER), -1);

    PLAYER_REF nRef = Pack_Player_Ref(0, 42);
    EXPECT_EQ(nRef, 42 << 8);
    EXPECT_TRUE(Is_Player_Ref_Used(nRef));
    EXPECT_FALSE(Is_Player_Ref_Used(NO_PLAYER_REF));
    int nTeam, nSlot;
    Unpack_Player_Ref(NO_PLAYER_REF, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, NO_TEAM);
    EXPECT_EQ(nSlot, NO_PLAYER);
}

TEST_F(PlayerTest, ExactAgeTurnsOnTheBirthday) {
    Put_Player(0, 0, 11);
    gCurrentWeek = 0;  // 7 September of the season year
    struct {
        int nWeek, nBirthDate, nAge;
    } cases[] = {
        {0, 19990907, 22},
        {0, 19990908, 21},
        {17, 19990103, 23},  // week 17 falls on 4 January of the next year
        {17, 19990105, 22},
        {OFF_SEASON_WEEK, 19990415, 22},  // the off-season day is 15 April
        {OFF_SEASON_WEEK, 19990416, 21},
    };
    for (const auto& c : cases) {
        gCurrentWeek = c.nWeek;
        Set_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE, c.nBirthDate);
        EXPECT_EQ(Get_Player_Exact_Age(0, 0), c.nAge) << c.nBirthDate << " week " << c.nWeek;
    }
    gCurrentWeek = 0;
    Set_Player_Exact_Age(0, 0, 30);
    EXPECT_EQ(Get_Player_Exact_Age(0, 0), 30);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE), 19910416);
    Set_Player_Age_22(0, 0);
    EXPECT_EQ(Get_Player_Age(0, 0), 22);
}

TEST_F(PlayerTest, MissingBirthDateMakesHimTwentyOneWhenHisCareerBegan) {
    Put_Player(0, 0, 11);
    gCurrentWeek = 0;
    int nLine = Add_Player_Season_Line(0, 0, kYear - 1, 0);
    Set_Season_Line_Stat(nLine, 0, 16);
    EXPECT_EQ(Get_Player_Exact_Age(0, 0), 22);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE), (kYear - 1 - 21) * 10000 + 101);
}

TEST_F(PlayerTest, ImplausibleBirthDatesBecomeTwentyTwoOutsideTheHallOfFame) {
    Put_Player(0, 0, 11);
    Put_Player(0, 1, 12);
    Put_Player(HALL_OF_FAME_TEAM, 0, 13);
    Set_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE, 18500704);
    Set_Player_Vital_Stat(0, 1, VITAL_BIRTH_DATE, 19210704);  // exactly 100: kept
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_BIRTH_DATE, 18500704);
    Reset_Implausible_Birth_Dates();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE), 19990704);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_BIRTH_DATE), 19210704);
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_BIRTH_DATE), 18500704);
}

TEST_F(PlayerTest, RecordChecksumSeesEveryEdit) {
    Put_Player(0, 0, 11);
    Rebuild_Player_ID_Hash();
    uint32_t uBefore = Get_Player_Record_Checksum(11);
    EXPECT_NE(uBefore, 0u);
    EXPECT_EQ(Get_Player_Record_Checksum(11), uBefore);
    Set_Player_Rating(0, 0, 71.0f, RATING_SPEED);
    EXPECT_NE(Get_Player_Record_Checksum(11), uBefore);
    EXPECT_EQ(Get_Player_Record_Checksum(12), 0u);
    EXPECT_EQ(Get_Player_Record_Checksum(0), 0u);
}
