// Money: the minimum salaries, draft-slot money and rating values of the tables, fair salaries
// and demands, the rookie option, the repairs on loading and the payroll scaling.
#include "personnel/value_test_support.h"

#include "dialogs/dialogs.h"
#include "season/season.h"

class ContractsTest : public PersonnelValueTest {};

// ---- the money tables --------------------------------------------------------------------------

TEST_F(ContractsTest, MinimumSalaryByYearAndExperience) {
    struct {
        int nYear, nInflation, nExperience, nExpected;
    } kCases[] = {
        {2019, 1000, 15, 1030},                        // experience past the table counts as 10
        {2019, 1000, -2, 495},                         // negative counts as 0
        {2021, 1000, 4, 990},   {2015, 1500, 0, 435},  // table years are not inflated
        {2030, 1200, 0, 792},                          // other years: the 2021 row inflated
        {2030, 1200, 10, 1290}, {1990, 500, 3, 460},
    };
    for (const auto& c : kCases) {
        Set_Season_Year(c.nYear);
        Set_Universe_Stat(UNIVERSE_INFLATION, c.nInflation);
        EXPECT_EQ(Get_League_Minimum_Salary(c.nExperience), c.nExpected)
            << c.nYear << " experience " << c.nExperience;
    }
}

TEST_F(ContractsTest, DraftSlotMoneyInAThirtyTwoTeamLeague) {
    ASSERT_EQ(Count_Active_Teams(), 32);
    struct {
        int nRound, nPick, nExpected;
    } kSlotValues[] = {
        {0, 0, 22149},                                        // 6675 scaled by 182.5 / 55
        {0, 16, 7283},                                        // the middle pick: 2195 scaled
        {0, 31, 4188},                                        // 2195 - Mul_Div(995, 15, 16) scaled
        {0, 4, 18433}, {2, 20, 879}, {6, 31, 73}, {7, 0, 0},  // no eighth round
        {-1, 0, 0},    {0, 32, 0},                            // no 33rd pick
        {0, -1, 0},
    };
    for (const auto& c : kSlotValues)
        EXPECT_EQ(Get_Draft_Slot_Value(c.nRound, c.nPick), c.nExpected)
            << "round " << c.nRound << " pick " << c.nPick;

    EXPECT_EQ(Get_Rookie_Salary(0, 0), 2764);
    EXPECT_EQ(Get_Rookie_Salary(6, 31), 660);  // 332 is below the 2021 rookie minimum
    EXPECT_EQ(Get_Rookie_Salary(9, 0), 660);   // a bad round pays the minimum
    EXPECT_EQ(Get_Rookie_Package_Value(0, 0), 2764 + 22149 / 4);

    Set_Universe_Stat(UNIVERSE_INFLATION, 2000);
    EXPECT_EQ(Get_Draft_Slot_Value(0, 0), 44298);
}

TEST_F(ContractsTest, RatingValuesAndScales) {
    int nGuard = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_G, 27, 4, 60.0f);
    int nPasser = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 1, POS_QB, 27, 4, 60.0f);
    int nBack = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 2, POS_RB, 27, 4, 60.0f);
    struct {
        int nSlot;
        float fRating;
        int nYear, nExpected;
    } kCases[] = {
        {nGuard, 70.0f, 2021, 681},  // 5^2 x 15 + 306.25
        {nGuard, 65.0f, 2021, 225},  // counts as 60
        {nGuard, 60.0f, 2021, 100},  // counts as 50
        {nGuard, 80.0f, 2021, 3681},        {nGuard, 30.0f, 2021, 0},
        {nPasser, 70.0f, 2021, 1362},  // quarterbacks count double
        {nBack, 70.0f, 2021, 749},     // x 1.1
        {nBack, 70.0f, 2005, 599},     // and x 0.8 ten years before 2015
        {nBack, 70.0f, 1990, 749},     // not before 1996
        {NO_PLAYER_SLOT, 70.0f, 2021, 681},
    };
    for (const auto& c : kCases) {
        Set_Season_Year(c.nYear);
        int nTeam = c.nSlot == NO_PLAYER_SLOT ? NO_TEAM : FREE_AGENT_TEAM;
        EXPECT_EQ(Get_Rating_Value(nTeam, c.nSlot, c.fRating), c.nExpected)
            << "slot " << c.nSlot << " rating " << c.fRating << " in " << c.nYear;
    }
    EXPECT_NEAR(Get_Rating_From_Value(681.25f), 70.0f, 0.01f);
    EXPECT_NEAR(Get_Rating_From_Value(100.0f), 50.0f, 0.01f);

    EXPECT_EQ(Apply_Age_Salary_Factor(1000, 18), 750);
    EXPECT_EQ(Apply_Age_Salary_Factor(1000, 30), 1000);
    EXPECT_EQ(Apply_Age_Salary_Factor(1000, 45), 840);
    EXPECT_EQ(Get_Salary_Sanity_Limit(), 60833);
    EXPECT_EQ(Normalize_Money_To_Cap(1000), 301);  // the fixture's cap is the base cap
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 365000000);
    EXPECT_EQ(Normalize_Money_To_Cap(1000), 151);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    EXPECT_EQ(Normalize_Money_To_Cap(1000), 301);
}

// ---- fair salaries and demands -----------------------------------------------------------------

// A 45-year-old free agent has no comparable player in the league, so his fair salary is a third
// of his scaled worth after the age factor (84 %), before the later steps. The league's teams keep
// the usual room under the cap, so the market neither raises nor lowers a salary.
class FairSalaryTest : public ContractsTest {
protected:
    // Every team's payroll set to the given per cent of the cap through its players' salaries
    // (each kept between 1000 and 40000, clear of the minimum and of the sanity limit).
    static void Set_League_Payrolls(int nPerCent) {
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
            if (!Is_Team_Active(nTeam))
                continue;
            int nTarget = Mul_Div(FIXTURE_SALARY_CAP / 1000, nPerCent, 100);
            for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
                int nGap = nTarget - Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
                int nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY,
                                      std::clamp(nSalary + nGap, 1000, 40000));
            }
            EXPECT_EQ(Get_Team_Financial_Stat(nTeam, FIN_PAYROLL), nTarget) << nTeam;
        }
    }

    void SetUp() override {
        ContractsTest::SetUp();
        Set_League_Payrolls(94);
        ASSERT_EQ(Get_League_Average_Team_Stat_Scaled(), 1000);
        Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_QB, 45, 0, 30.0f);
        Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 1, POS_RB, 45, 0, 30.0f);
        ASSERT_GE(Get_Player_Overall_Rating(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 25.0f);
        ASSERT_EQ(Get_Comparable_Salary(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 0);
        ASSERT_EQ(Get_Comparable_Salary(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 1), 0);
    }
};

TEST_F(FairSalaryTest, FreeAgentSalaryBySeasonAndSettings) {
    struct {
        int nSlotOffset, nWorth, nWeek, nDifficulty, nDemandSetting, nExpected;
    } kCases[] = {
        {0, 6250, OFF_SEASON_WEEK, 0, 0, 5810},            // 5250 scaled = 17420, / 3, up to a 5
        {0, 6249, OFF_SEASON_WEEK, 0, 0, 5810},            // 17417 / 3 = 5805.7 rounds to 5806
        {0, 6250, 3, 0, 0, 2905},                          // week 3: 5 / 10 of it
        {0, 6250, TEST_LAST_POSTSEASON_WEEK, 0, 0, 1005},  // 5 / 29
        {0, 6250, OFF_SEASON_WEEK, 2, 0, 6970},            // difficulty 2: x 12 / 10
        {0, 6250, OFF_SEASON_WEEK, 0, 10, 6390},           // salary demands +10 %
        {0, 100000, OFF_SEASON_WEEK, 0, 0, 92910},         // quarterbacks above a tenth of the cap
        {1, 100000, OFF_SEASON_WEEK, 0, 0, 55580},         // others grow at half speed above it
        {1, 99992, OFF_SEASON_WEEK, 0, 0, 55580},          // 9125 + 92901 / 2, the half rounded
        {0, 100, OFF_SEASON_WEEK, 0, 0, 660},              // never below the minimum
    };
    for (const auto& c : kCases) {
        gCurrentWeek = c.nWeek;
        gDifficulty = c.nDifficulty;
        Set_Universe_Stat(UNIVERSE_SALARY_DEMANDS, c.nDemandSetting);
        EXPECT_EQ(Get_Fair_Salary(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + c.nSlotOffset, c.nWorth),
                  c.nExpected)
            << "worth " << c.nWorth << " week " << c.nWeek;
    }

    // Ten years in: 999 is raised by half of 999 + 1000, rounded, to 1999, scaled 6633, / 3.
    gCurrentWeek = OFF_SEASON_WEEK;
    gDifficulty = 0;
    Set_Universe_Stat(UNIVERSE_SALARY_DEMANDS, 0);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, VITAL_EXPERIENCE, 10);
    EXPECT_EQ(Get_Fair_Salary(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, 1189), 2215);
}

// Salaries follow the league's mean cap room against the usual six per cent: a league spending
// past the cap pays two thirds, one keeping twice the room a third more.
TEST_F(FairSalaryTest, TheMarketFollowsTheLeaguesCapRoom) {
    gCurrentWeek = OFF_SEASON_WEEK;
    struct {
        int nPayrollPerCent, nScaled, nExpected;
    } kCases[] = {
        {94, 1000, 5810},  // the usual room
        {88, 2000, 7745},  // 5807 x 4000 / 3000, up to a 5
        {103, 0, 3875},    // over the cap: 5807 x 2 / 3
    };
    for (const auto& c : kCases) {
        Set_League_Payrolls(c.nPayrollPerCent);
        EXPECT_EQ(Get_League_Average_Team_Stat_Scaled(), c.nScaled) << c.nPayrollPerCent;
        EXPECT_EQ(Get_Fair_Salary(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, 6250), c.nExpected)
            << c.nPayrollPerCent;
    }
}

TEST_F(FairSalaryTest, DemandFromFairSalaryMinimumAndAge) {
    struct {
        int nWorth, nWeek, nDemandSetting, nExpected;
    } kCases[] = {
        {6250, OFF_SEASON_WEEK, 0, 1000},   // 17 x (2905 - 660) / 35 = 1090, less 1090 mod 100
        {6250, 3, 0, 300},                  // 17 x (1452 - 660) / 35 = 385
        {6250, OFF_SEASON_WEEK, 10, 1300},  // both +10 %: 17 x (3195 - 660) / 35 x 1.1 = 1354
        {3187, OFF_SEASON_WEEK, 0, 400},    // fair 2965: 17 x (1483 - 660) / 35 = 399.7
        {100, OFF_SEASON_WEEK, 0, 0},       // half the fair salary is below the minimum
    };
    for (const auto& c : kCases) {
        gCurrentWeek = c.nWeek;
        Set_Universe_Stat(UNIVERSE_SALARY_DEMANDS, c.nDemandSetting);
        EXPECT_EQ(Get_Salary_Demand(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, c.nWorth), c.nExpected)
            << "worth " << c.nWorth << " week " << c.nWeek;
    }
}

// Human-run teams pay more on harder levels and more again for famous players; a holdout on a
// losing team asks more. The 45-year-old passer has no comparable player.
TEST_F(FairSalaryTest, HumanTeamsAndHoldoutsPayMore) {
    const int nSlot = FIXTURE_ROSTER_SIZE;
    gDraftRound = NO_DRAFT_ROUND;  // the current season's record counts
    struct {
        int nTeam, nDifficulty, nRings, bAllComputer, nWins, nLosses, bHoldout, nExpected;
    } kCases[] = {
        {FIXTURE_HUMAN_TEAM, 0, 0, 0, 0, 0, 0, 5810},   // 17420 / 3, as for a free agent
        {FIXTURE_HUMAN_TEAM, 2, 0, 0, 0, 0, 0, 6970},   // x 12 / 10
        {FIXTURE_HUMAN_TEAM, 0, 20, 0, 0, 0, 0, 6530},  // score 60: x 1124 / 1000
        {FIXTURE_HUMAN_TEAM, 2, 20, 0, 0, 0, 0, 9570},  // x 12 / 10, then x 1373 / 1000
        {FIXTURE_HUMAN_TEAM, 2, 20, 1, 0, 0, 0, 5810},  // the computer runs every team
        {1, 2, 20, 0, 0, 0, 0, 5810},                   // a computer team
        {1, 0, 0, 0, 2, 10, 1, 8130},                   // 5250 x 1400 / 1000 before scaling
        {1, 0, 0, 0, 10, 2, 1, 5810},                   // a winning team's holdout asks no more
    };
    for (const auto& c : kCases) {
        Add_Test_Player(c.nTeam, nSlot, POS_QB, 45, 0, 30.0f);
        ASSERT_EQ(Get_Comparable_Salary(c.nTeam, nSlot), 0);
        Set_Player_Byte_Stat(c.nTeam, nSlot, BYTE_RINGS, c.nRings);
        if (c.bHoldout) {
            Set_Player_Vital_Stat(c.nTeam, nSlot, VITAL_INJURY, 185);
            Set_Player_Vital_Stat(c.nTeam, nSlot, VITAL_INJURY_WEEKS, 3);
        }
        Set_Team_Yearly_Char(c.nTeam, gSeasonNumber, YEARLY_WINS, c.nWins);
        Set_Team_Yearly_Char(c.nTeam, gSeasonNumber, YEARLY_LOSSES, c.nLosses);
        gDifficulty = c.nDifficulty;
        gAllTeamsComputer = c.bAllComputer;
        EXPECT_EQ(Get_Fair_Salary(c.nTeam, nSlot, 6250), c.nExpected)
            << "team " << c.nTeam << " difficulty " << c.nDifficulty << " rings " << c.nRings;
        Clear_Player(c.nTeam, nSlot);
    }
}

// Players of his position weigh 5, less a point per 4 years of age (rounded) and per point of
// overall; the weighted mean is rounded.
TEST_F(FairSalaryTest, ComparableSalaryWeighsAgeAndOverall) {
    const int nSlot = FIXTURE_ROSTER_SIZE;
    struct {
        int nPosition, nAge;
        float fRating;
        int nSalary;
    } kPeers[] = {
        {POS_K, 45, 30.0f, 1000},   // weight 5
        {POS_K, 51, 30.0f, 2004},   // weight 3: 6 years count 2 points
        {POS_K, 45, 40.0f, 50000},  // overall too far off
        {POS_P, 45, 30.0f, 50000},  // another position
    };
    for (int n = 0; n < 4; n++) {
        Add_Test_Player(1, nSlot + n, kPeers[n].nPosition, kPeers[n].nAge, 0, kPeers[n].fRating);
        Set_Player_Vital_Stat(1, nSlot + n, VITAL_SALARY, kPeers[n].nSalary);
        Set_Player_Vital_Stat(1, nSlot + n, VITAL_CONTRACT_LENGTH, 2);
    }
    Set_League_Payrolls(94);  // the peers' salaries leave the market as it was
    int nKicker = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 2, POS_K, 45, 0, 30.0f);
    EXPECT_EQ(Get_Comparable_Salary(FREE_AGENT_TEAM, nKicker), 1377);  // 11012 / 8 = 1376.5
    // (17420 + 2 x 1377) / 3 = 6724.7, up to a multiple of 5.
    EXPECT_EQ(Get_Fair_Salary(FREE_AGENT_TEAM, nKicker, 6250), 6725);
}

// ---- worth -------------------------------------------------------------------------------------

TEST_F(ContractsTest, WorthFallsATwelfthPerYearPastThePeak) {
    // Guards peak at 30.
    int nYoung = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_G, 30, 8, 80.0f);
    int nSpent = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 1, POS_G, 42, 20, 80.0f);
    int nGone = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 2, POS_G, 43, 21, 80.0f);
    int nAtPeak = Get_Player_Worth(FREE_AGENT_TEAM, nYoung);
    EXPECT_GT(nAtPeak, 0);
    EXPECT_EQ(Get_Player_Worth(FREE_AGENT_TEAM, nSpent), 0);
    EXPECT_LT(Get_Player_Worth(FREE_AGENT_TEAM, nGone), 0);
    EXPECT_EQ(Get_Player_Worth(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 3), 0);  // empty slot
}

// A rookie without a season: 88 % of the mean value of his overall and his potential.
TEST_F(ContractsTest, RookieWorthIsTheRoundedMeanOfOverallAndPotential) {
    int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_WR, 21, 0, 55.0f);
    // Overall 61 is worth 145, potential 65 270: the mean 207.5 rounds to 208, 88 % of it 183.
    EXPECT_EQ(Get_Player_Worth(FREE_AGENT_TEAM, nSlot), 183);
}

// ---- the rookie option -------------------------------------------------------------------------

TEST_F(ContractsTest, RookieOptionAddsTheFourthYear) {
    struct {
        int nSeasonYear, nDraftYear, nLength, nLeft, nExpectedLength, nExpectedLeft;
    } kCases[] = {
        {2021, 2018, 3, 1, 4, 1}, {2021, 2020, 2, 1, 4, 3}, {2021, 2021, 1, 1, 4, 4},
        {2021, 2017, 3, 1, 3, 1},                            // before the option existed
        {2021, 2019, 4, 2, 4, 2},                            // already four years
        {2025, 2023, 2, 1, 4, 2}, {2025, 2018, 3, 2, 3, 2},  // long past his rookie contract: a renewal is left alone
    };
    int nSlot = TEST_FREE_AGENT_SLOT;
    for (const auto& c : kCases) {
        Set_Season_Year(c.nSeasonYear);
        Add_Test_Player(1, nSlot, POS_WR, 24, 2, 60.0f);
        Set_Player_Vital_Stat(1, nSlot, VITAL_DRAFT_RECORD, 2 * 10000 + c.nDraftYear);
        Set_Player_Vital_Stat(1, nSlot, VITAL_CONTRACT_LENGTH, c.nLength);
        Set_Player_Vital_Stat(1, nSlot, VITAL_CONTRACT_YEARS_LEFT, c.nLeft);
        Apply_Rookie_Contract_Option(1, nSlot, 0);
        EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_CONTRACT_LENGTH), c.nExpectedLength)
            << c.nDraftYear << " in " << c.nSeasonYear;
        EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_CONTRACT_YEARS_LEFT), c.nExpectedLeft)
            << c.nDraftYear << " in " << c.nSeasonYear;
    }
}

TEST_F(ContractsTest, RookieOptionRaisesABonusToFourFifthsOfTheSlot) {
    // Round 1, fifth pick: the slot is worth 18433, less a fifth (3686.6, rounded) 14746.
    struct {
        int bRaise, nBonus, nExpected;
    } kCases[] = {{1, 1000, 14746}, {1, 20000, 20000}, {0, 1000, 1000}};
    for (const auto& c : kCases) {
        int nSlot = Add_Test_Player(1, TEST_FREE_AGENT_SLOT, POS_WR, 22, 0, 60.0f);
        Set_Player_Vital_Stat(1, nSlot, VITAL_DRAFT_RECORD, 2 * 10000 + 2021);
        Set_Player_Vital_Stat(1, nSlot, VITAL_DRAFT_PICK, 1 * 100000 + 5 * 1000 + 5);
        Set_Player_Vital_Stat(1, nSlot, VITAL_CONTRACT_LENGTH, 3);
        Set_Player_Vital_Stat(1, nSlot, VITAL_SIGNING_BONUS, c.nBonus);
        Apply_Rookie_Contract_Options(c.bRaise);
        EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_SIGNING_BONUS), c.nExpected);
    }
}

// ---- repairs on loading ------------------------------------------------------------------------

class SalaryRepairTest : public ContractsTest {
protected:
    void SetUp() override {
        ContractsTest::SetUp();
        Test_Set_Strict(true, [](const TEST_SHOWN& shown) {
            ADD_FAILURE() << "unexpected box: " << shown.stText;
        });
        gOwnerMode = 1;                                     // cash is only real in Owner Mode
        Set_Player_Vital_Stat(2, 0, VITAL_SALARY, 100000);  // above a third of the cap
        Set_Team_Financial_Stat(3, FIN_CASH, -5000000);
    }
};

TEST_F(SalaryRepairTest, SoundSalariesAskNothing) {
    Set_Player_Vital_Stat(2, 0, VITAL_SALARY, 60833);
    Repair_Corrupt_Salaries();
    EXPECT_TRUE(Test_Get_Transcript().empty());
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VITAL_SALARY), 60833);
}

TEST_F(SalaryRepairTest, DeclinedRepairChangesNothingAndSkipsTheCashQuestion) {
    Test_Answer_Message_Box(IDNO);
    Repair_Corrupt_Salaries();
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Fix salary data?");
    EXPECT_EQ(Test_Get_Transcript()[0].stText,
              "Football Vanto has found corrupt salary data, due to a bug in a previous version of "
              "Football Vanto.\n\nWould you like Football Vanto to automatically fix this data?");
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VITAL_SALARY), 100000);
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_CASH), -5000000);
}

TEST_F(SalaryRepairTest, AcceptedRepairPaysFairSalariesAndRefillsNegativeCash) {
    int nUntouched = Get_Player_Vital_Stat(2, 1, VITAL_SALARY);
    Test_Answer_Message_Box_With_Caption("Fix salary data?", IDYES);
    Test_Answer_Message_Box_With_Caption("Fix cash levels?", IDYES);
    Repair_Corrupt_Salaries();
    ASSERT_EQ(Test_Get_Transcript().size(), 2u);
    EXPECT_EQ(Test_Get_Transcript()[1].stText,
              "Fix negative team cash levels caused by corrupt salary data?");
    int nRepaired = Get_Player_Vital_Stat(2, 0, VITAL_SALARY);
    EXPECT_LE(nRepaired, Get_Salary_Sanity_Limit());
    EXPECT_GE(nRepaired, Get_Player_Minimum_Salary(2, 0));
    EXPECT_EQ(Get_Player_Vital_Stat(2, 1, VITAL_SALARY), nUntouched);
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_CASH), Get_Base_Team_Cash());
}

TEST_F(ContractsTest, GarbageBonusBecomesTheDemand) {
    int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_QB, 45, 0, 30.0f);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS, -200000);
    Repair_Contract_Demand(FREE_AGENT_TEAM, nSlot);
    int nBonus = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS);
    EXPECT_EQ(nBonus, Get_Salary_Demand(FREE_AGENT_TEAM, nSlot, 0));
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS, 177937);  // just sound
    Repair_Contract_Demand(FREE_AGENT_TEAM, nSlot);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS), 177937);
}

// ---- contracts of a database build -------------------------------------------------------------

TEST_F(ContractsTest, PayrollsAreScaledToNinetyPercentOfTheCap) {
    const int nTarget = 164250;  // 90 % of 182,500 thousands
    gOwnerMode = 1;
    int nPayroll = Get_Team_Financial_Stat(4, FIN_PAYROLL);
    int nCash = Get_Team_Financial_Stat(4, FIN_CASH);
    int abHadBonus[FIXTURE_ROSTER_SIZE];
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
        abHadBonus[nSlot] = Get_Player_Vital_Stat(4, nSlot, VITAL_SIGNING_BONUS) > 0;
    ASSERT_NE(nPayroll, nTarget);

    Scale_Salaries_To_Cap();
    EXPECT_EQ(Get_Team_Financial_Stat(4, FIN_CASH), nCash + (nTarget - nPayroll) * 1000);
    // Closer to the target: no bonus is made up for players who had none.
    EXPECT_LT(abs(Get_Team_Financial_Stat(4, FIN_PAYROLL) - nTarget), abs(nPayroll - nTarget));
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
        int nSalary = Get_Player_Vital_Stat(4, nSlot, VITAL_SALARY);
        int nMinimum = Get_Player_Minimum_Salary(4, nSlot);
        int nBonus = Get_Player_Vital_Stat(4, nSlot, VITAL_SIGNING_BONUS);
        EXPECT_TRUE(nSalary == nMinimum || (nSalary > nMinimum && nSalary % 5 == 0)) << nSlot;
        EXPECT_EQ(nBonus % 5, 0) << nSlot;
        EXPECT_EQ(nBonus > 0, abHadBonus[nSlot] != 0) << nSlot;
    }
}

TEST_F(ContractsTest, InitialContractIsPartlyServed) {
    struct {
        int nExperience;
    } kCases[] = {{0}, {5}, {8}, {13}};
    for (const auto& c : kCases) {
        int nSlot = Add_Test_Player(1, TEST_FREE_AGENT_SLOT, POS_LB, 22 + c.nExperience,
                                    c.nExperience, 70.0f);
        int nYears = Get_Desired_Contract_Years(1, nSlot);
        ASSERT_GT(nYears, 0);
        Assign_Initial_Contract(1, nSlot);
        int nLeft = c.nExperience % nYears == 0 ? nYears : c.nExperience % nYears;
        EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_CONTRACT_LENGTH), nYears);
        EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_CONTRACT_YEARS_LEFT), nLeft);
        EXPECT_EQ(Get_Initial_Contract_Years_Left(1, nSlot), nLeft);
        EXPECT_EQ(Get_Player_Vital_Stat(1, nSlot, VITAL_SIGNING_BONUS),
                  Mul_Div(nYears, Get_Player_Vital_Stat(1, nSlot, VITAL_SALARY), 3));
    }
}
