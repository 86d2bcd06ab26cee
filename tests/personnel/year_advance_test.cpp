// The yearly step of a player: experience and contract count-down, renewals by the computer and
// by the user, free agents retiring and the Hall of Fame vote.
#include "personnel/value_test_support.h"

#include "dialogs/dialogs.h"
#include "resources/resource.h"

#define COMPUTER_TEAM 1
#define HUMAN_TEAM FIXTURE_HUMAN_TEAM
#define EXPIRING_SLOT 20  // a reserve; each test gives him the contract it needs

class YearAdvanceTest : public PersonnelValueTest {
protected:
    // A release refills the free-agent pool with new players, named from the name lists.
    void SetUp() override {
        Copy_Data_Files();
        PersonnelValueTest::SetUp();
    }

    static void Set_Contract(int nTeam, int nSlot, int nYearsLeft, int nBonus) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYearsLeft);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, Max_Int(nYearsLeft, 1));
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    }

    // The team and slot holding the player id, or NO_TEAM.
    static int Find_Team_Of(int nId, int* pSlot) {
        for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++)
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                if (Get_Player_ID(nTeam, nSlot) == nId) {
                    *pSlot = nSlot;
                    return nTeam;
                }
        return NO_TEAM;
    }

    static int Vital(int nTeam, int nSlot, int nStat) {
        return Get_Player_Vital_Stat(nTeam, nSlot, nStat);
    }

    // A Hall of Fame of nCount quarterbacks inducted this year with a vote of 90.
    static void Fill_Hall_Of_Fame(int nCount) {
        for (int nSlot = 0; nSlot < nCount; nSlot++) {
            Add_Test_Player(HALL_OF_FAME_TEAM, nSlot, POS_QB, 40, 15, 60.0f);
            Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_HALL_OF_FAME_YEAR,
                                  Get_Season_Year());
            Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POTENTIAL, 90);
        }
    }
};

// ---- experience and the contract's count-down --------------------------------------------------

TEST_F(YearAdvanceTest, ExperienceGrowsAndContractCountsDown) {
    struct {
        int nSlot, nExperience, nYearsLeft, nBonus;
        int nExpectedExperience, nExpectedYears, nExpectedBonus;
    } kCases[] = {
        {EXPIRING_SLOT, 30, 3, 900, 30, 2, 600},  // experience stays at its ceiling
        {EXPIRING_SLOT, 4, 2, 0, 5, 1, 0},
        {EXPIRING_SLOT, 0, 4, 1000, 0, 3, 750},  // a rookie who has not played stays a rookie
        {EXPIRING_SLOT, -1, 2, 0, -1, 1, 0},     // not yet in the league
        {0, 0, 2, 0, 1, 1, 0},                   // a rookie who has played
    };
    for (const auto& c : kCases) {
        Build_Fixture_League();
        int nId = Get_Player_ID(COMPUTER_TEAM, c.nSlot);
        Set_Player_Vital_Stat(COMPUTER_TEAM, c.nSlot, VITAL_EXPERIENCE, c.nExperience);
        Set_Contract(COMPUTER_TEAM, c.nSlot, c.nYearsLeft, c.nBonus);
        if (c.nSlot == 0)
            Set_Player_Stat(COMPUTER_TEAM, c.nSlot, SEASON_CAREER, STAT_GAMES, 12);

        EXPECT_EQ(Advance_Player_Year(COMPUTER_TEAM, c.nSlot), 1);
        ASSERT_EQ(Get_Player_ID(COMPUTER_TEAM, c.nSlot), nId);
        EXPECT_EQ(Vital(COMPUTER_TEAM, c.nSlot, VITAL_EXPERIENCE), c.nExpectedExperience)
            << "experience " << c.nExperience;
        EXPECT_EQ(Vital(COMPUTER_TEAM, c.nSlot, VITAL_CONTRACT_YEARS_LEFT), c.nExpectedYears);
        EXPECT_EQ(Vital(COMPUTER_TEAM, c.nSlot, VITAL_SIGNING_BONUS), c.nExpectedBonus);
    }
}

TEST_F(YearAdvanceTest, TheRatingsAgeEveryYear) {
    int nSlot = Add_Test_Player(COMPUTER_TEAM, 60, POS_WR, 21, 0, 50.0f);
    Set_Contract(COMPUTER_TEAM, nSlot, 3, 0);
    float fBefore = Get_Player_Overall_Rating(COMPUTER_TEAM, nSlot);
    Advance_Player_Year(COMPUTER_TEAM, nSlot);
    EXPECT_GT(Get_Player_Overall_Rating(COMPUTER_TEAM, nSlot), fBefore);  // four years to his prime
    EXPECT_EQ(Vital(COMPUTER_TEAM, nSlot, VITAL_EXPERIENCE), 0);
}

// ---- the years a player wants ------------------------------------------------------------------

TEST_F(YearAdvanceTest, DesiredYearsByValueAgeAndSituation) {
    Add_Test_Player(COMPUTER_TEAM, 60, POS_LB, 36, 14, 40.0f);  // old and weak
    Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_LB, 36, 14, 40.0f);
    Add_Test_Player(COMPUTER_TEAM, 61, POS_QB, 24, 2, 95.0f);  // a young star
    Add_Test_Player(TEST_POOL_TEAM, 0, POS_QB, 21, -1, 40.0f);

    EXPECT_EQ(Get_Desired_Contract_Years(COMPUTER_TEAM, 70), 0);  // empty slot
    EXPECT_EQ(Get_Desired_Contract_Years(TEST_POOL_TEAM, 0), 4);
    EXPECT_EQ(Get_Desired_Contract_Years(COMPUTER_TEAM, 60), 2);
    EXPECT_EQ(Get_Desired_Contract_Years(COMPUTER_TEAM, 61), 7);
    EXPECT_EQ(Get_Desired_Contract_Years(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 2);
    gCurrentWeek = 5;  // in season a free agent takes a year
    EXPECT_EQ(Get_Desired_Contract_Years(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 1);
}

// ---- renewals ----------------------------------------------------------------------------------

TEST_F(YearAdvanceTest, CommissionerModeRenewsAtTheFairSalary) {
    Set_Contract(COMPUTER_TEAM, EXPIRING_SLOT, 1, 0);
    gCommissionerMode = 1;
    int nYears = Get_Desired_Contract_Years(COMPUTER_TEAM, EXPIRING_SLOT);
    int nFair = Get_Fair_Salary(COMPUTER_TEAM, EXPIRING_SLOT, 0);
    EXPECT_EQ(Check_Renew_Contract(COMPUTER_TEAM, EXPIRING_SLOT, 1), 1);
    EXPECT_EQ(Vital(COMPUTER_TEAM, EXPIRING_SLOT, VITAL_SALARY), nFair);
    EXPECT_EQ(Vital(COMPUTER_TEAM, EXPIRING_SLOT, VITAL_CONTRACT_YEARS_LEFT), nYears);
    EXPECT_EQ(Vital(COMPUTER_TEAM, EXPIRING_SLOT, VITAL_CONTRACT_LENGTH), nYears);
}

TEST_F(YearAdvanceTest, ComputerTeamWithRoomRenewsAndPaysTheBonus) {
    gOwnerMode = 1;
    Set_Team_Financial_Stat(COMPUTER_TEAM, FIN_CASH, Get_Base_Team_Cash());
    int nSlot = Add_Test_Player(COMPUTER_TEAM, 60, POS_QB, 25, 3, 85.0f);
    Set_Contract(COMPUTER_TEAM, nSlot, 1, 0);
    int nId = Get_Player_ID(COMPUTER_TEAM, nSlot);
    ASSERT_GT(Get_Salary_Demand(COMPUTER_TEAM, nSlot, 0), 0);

    EXPECT_EQ(Advance_Player_Year(COMPUTER_TEAM, nSlot), 1);
    EXPECT_EQ(Get_Player_ID(COMPUTER_TEAM, nSlot), nId);
    // The year's aging comes first, so the contract is priced on the older player.
    int nYearsNow = Vital(COMPUTER_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    EXPECT_GE(nYearsNow, 2);
    EXPECT_EQ(Vital(COMPUTER_TEAM, nSlot, VITAL_CONTRACT_LENGTH), nYearsNow);
    int nPaid = Vital(COMPUTER_TEAM, nSlot, VITAL_SIGNING_BONUS);
    EXPECT_GT(nPaid, 0);
    EXPECT_EQ(Get_Team_Financial_Stat(COMPUTER_TEAM, FIN_CASH),
              Get_Base_Team_Cash() - nPaid * 1000);
}

TEST_F(YearAdvanceTest, ComputerTeamOverTheCapLetsHimGo) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 1000000);  // far below any payroll
    Set_Contract(COMPUTER_TEAM, EXPIRING_SLOT, 1, 0);
    int nId = Get_Player_ID(COMPUTER_TEAM, EXPIRING_SLOT);
    int nSalary = Vital(COMPUTER_TEAM, EXPIRING_SLOT, VITAL_SALARY);
    int nNextId = Get_Player_ID(COMPUTER_TEAM, EXPIRING_SLOT + 1);

    // Without releasing, the old contract is kept.
    EXPECT_EQ(Check_Renew_Contract(COMPUTER_TEAM, EXPIRING_SLOT, 0), 0);
    EXPECT_EQ(Get_Player_ID(COMPUTER_TEAM, EXPIRING_SLOT), nId);
    EXPECT_EQ(Vital(COMPUTER_TEAM, EXPIRING_SLOT, VITAL_SALARY), nSalary);
    EXPECT_EQ(Vital(COMPUTER_TEAM, EXPIRING_SLOT, VITAL_CONTRACT_YEARS_LEFT), 1);

    // The year's step releases him with the contract he now wants.
    EXPECT_EQ(Advance_Player_Year(COMPUTER_TEAM, EXPIRING_SLOT), 0);
    EXPECT_EQ(Get_Player_ID(COMPUTER_TEAM, EXPIRING_SLOT), nNextId);
    int nSlot = -1;
    ASSERT_EQ(Find_Team_Of(nId, &nSlot), FREE_AGENT_TEAM);
    EXPECT_GE(Vital(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT), 1);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_LENGTH),
              Vital(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT));
}

TEST_F(YearAdvanceTest, TheUserAnswersTheContractOffer) {
    struct {
        bool bSign;
        int nExpected;
    } kCases[] = {{true, 1}, {false, 0}};
    for (const auto& c : kCases) {
        Build_Fixture_League();
        Test_Reset_Platform();
        Set_Contract(HUMAN_TEAM, EXPIRING_SLOT, 1, 0);
        int nId = Get_Player_ID(HUMAN_TEAM, EXPIRING_SLOT);
        Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
            SendMessageA(hDlg, WM_COMMAND, c.bSign ? IDC_OFFER_ACCEPT : IDC_OFFER_DECLINE, 0);
        });

        EXPECT_EQ(Advance_Player_Year(HUMAN_TEAM, EXPIRING_SLOT), c.nExpected);
        ASSERT_EQ(Test_Get_Transcript().size(), 1u);
        EXPECT_EQ(Test_Get_Transcript()[0].nTemplateId, IDD_CONTRACT_OFFER);
        EXPECT_EQ(gScoutTeam, HUMAN_TEAM);
        int nSlot = -1;
        int nTeam = Find_Team_Of(nId, &nSlot);
        EXPECT_EQ(nTeam, c.bSign ? HUMAN_TEAM : FREE_AGENT_TEAM);
        EXPECT_GE(Vital(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT), 2);
    }
}

TEST_F(YearAdvanceTest, AnOwnerInDebtMayNotNegotiate) {
    gOwnerMode = 1;
    Set_Team_Financial_Stat(HUMAN_TEAM, FIN_CASH, -5000);
    Set_Contract(HUMAN_TEAM, EXPIRING_SLOT, 1, 0);
    int nId = Get_Player_ID(HUMAN_TEAM, EXPIRING_SLOT);

    EXPECT_EQ(Check_Renew_Contract(HUMAN_TEAM, EXPIRING_SLOT, 1), 0);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);  // the notice, and no offer dialog
    const TEST_SHOWN& shown = Test_Get_Transcript()[0];
    EXPECT_EQ(shown.nKind, TEST_SHOWN_MESSAGE_BOX);
    EXPECT_NE(shown.stText.find("Because you are in debt, you may not discuss a new contract with"),
              std::string::npos);
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(HUMAN_TEAM, szLabel, sizeof szLabel);
    EXPECT_EQ(shown.stCaption, szLabel);
    int nSlot = -1;
    EXPECT_EQ(Find_Team_Of(nId, &nSlot), FREE_AGENT_TEAM);
}

// ---- free agents retiring ----------------------------------------------------------------------

TEST_F(YearAdvanceTest, FreeAgentsRetireByAgeAndWorth) {
    int nPeak = Get_Position_Peak_Age(POS_RB);
    int nSlot = TEST_FREE_AGENT_SLOT;
    Add_Test_Player(FREE_AGENT_TEAM, nSlot, POS_RB, nPeak, 8, 50.0f);  // at his threshold
    Add_Test_Player(FREE_AGENT_TEAM, nSlot + 1, POS_RB, nPeak + 10, 12, 50.0f);
    Add_Test_Player(FREE_AGENT_TEAM, nSlot + 2, POS_RB, nPeak - 1, 6, 20.0f);  // too young
    int nYoungId = Get_Player_ID(FREE_AGENT_TEAM, nSlot + 2);
    ASSERT_GE(Get_Player_Worth(FREE_AGENT_TEAM, nSlot), -2000);

    EXPECT_EQ(Check_Free_Agent_Retirement(FREE_AGENT_TEAM, nSlot), 0);
    EXPECT_EQ(Check_Free_Agent_Retirement(FREE_AGENT_TEAM, nSlot + 2), 0);
    EXPECT_EQ(Check_Free_Agent_Retirement(FREE_AGENT_TEAM, nSlot + 1), 1);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, nSlot + 1), nYoungId);  // the list closed up
    EXPECT_FALSE(Is_Player_Slot_Used(HALL_OF_FAME_TEAM, 0));
}

// Three years past his peak a player worth nothing retires (0 + 2000 is below 3 x 1000), unless
// his team counts him among its regulars at his position: they play three years longer.
TEST_F(YearAdvanceTest, ARegularAtHisPositionRetiresThreeYearsLater) {
    int nPosition = Get_Player_Vital_Stat(COMPUTER_TEAM, 0, VITAL_POSITION);
    int nAge = Get_Position_Peak_Age(nPosition) + 3;
    Add_Test_Player(COMPUTER_TEAM, 0, nPosition, nAge, 8, 20.0f);  // the first of his position
    Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, nPosition, nAge, 8, 20.0f);
    ASSERT_TRUE(Is_Player_Within_Position_Quota(COMPUTER_TEAM, 0));
    ASSERT_LE(Get_Player_Worth(COMPUTER_TEAM, 0), 0);
    EXPECT_EQ(Check_Free_Agent_Retirement(COMPUTER_TEAM, 0), 0);
    EXPECT_EQ(Check_Free_Agent_Retirement(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 1);
}

TEST_F(YearAdvanceTest, AFreeAgentsYearRenewsHisDemand) {
    int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_CB, 26, 4, 70.0f);
    Set_Contract(FREE_AGENT_TEAM, nSlot, 3, 0);
    EXPECT_EQ(Advance_Player_Year(FREE_AGENT_TEAM, nSlot), 1);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, nSlot, VITAL_EXPERIENCE), 5);
    EXPECT_GT(Vital(FREE_AGENT_TEAM, nSlot, VITAL_SALARY), 0);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT), 3);  // no count-down
}

// ---- the Hall of Fame --------------------------------------------------------------------------

TEST_F(YearAdvanceTest, HallOfFameVoteByScore) {
    struct {
        int nExperience, nRings, nExpectedVote;  // 0: not inducted
    } kCases[] = {
        {10, 100, 0},  // ten seasons are not enough, whatever the score
        {11, 24, 0},   // 72
        {11, 25, 75},   {11, 30, 90}, {11, 33, 97},  // 99 is squeezed toward 95
        {11, 100, 100},                              // 300 is held at 100
    };
    for (const auto& c : kCases) {
        Build_Fixture_League();
        int nSlot = Add_Test_Player(COMPUTER_TEAM, 60, POS_S, 34, c.nExperience, 60.0f);
        ASSERT_EQ(Get_Player_Production_Score(COMPUTER_TEAM, nSlot), 0);
        Set_Player_Byte_Stat(COMPUTER_TEAM, nSlot, BYTE_RINGS, c.nRings);

        EXPECT_EQ(Get_Hall_Of_Fame_Vote(COMPUTER_TEAM, nSlot), c.nExpectedVote != 0)
            << "rings " << c.nRings;
        if (c.nExpectedVote != 0) {
            EXPECT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, 0), Get_Player_ID(COMPUTER_TEAM, nSlot));
            EXPECT_EQ(Vital(HALL_OF_FAME_TEAM, 0, VITAL_POTENTIAL), c.nExpectedVote);
            EXPECT_EQ(Vital(HALL_OF_FAME_TEAM, 0, VITAL_HALL_OF_FAME_YEAR), Get_Season_Year());
        } else {
            EXPECT_FALSE(Is_Player_Slot_Used(HALL_OF_FAME_TEAM, 0));
        }
    }
}

TEST_F(YearAdvanceTest, ACrowdedHallWeighsThePositionAndThePace) {
    Fill_Hall_Of_Fame(20);  // twenty quarterbacks in one year
    int nPasser = Add_Test_Player(COMPUTER_TEAM, 60, POS_QB, 36, 15, 60.0f);
    int nPunter = Add_Test_Player(COMPUTER_TEAM, 61, POS_P, 36, 15, 60.0f);
    Set_Player_Byte_Stat(COMPUTER_TEAM, nPasser, BYTE_RINGS, 100);  // a raw score of 300
    Set_Player_Byte_Stat(COMPUTER_TEAM, nPunter, BYTE_RINGS, 100);

    // The quarterback: 150 + 57 x 10 / 20 = 179, a quarter of it at 20 a year: 45.
    EXPECT_EQ(Get_Hall_Of_Fame_Vote(COMPUTER_TEAM, nPasser), 0);
    // The punter: 150 + 305 / 2 = 303, a quarter of it: 76, placed below the votes of 90.
    EXPECT_EQ(Get_Hall_Of_Fame_Vote(COMPUTER_TEAM, nPunter), 1);
    EXPECT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, 20), Get_Player_ID(COMPUTER_TEAM, nPunter));
    EXPECT_EQ(Vital(HALL_OF_FAME_TEAM, 20, VITAL_POTENTIAL), 76);
}

TEST_F(YearAdvanceTest, AFullHallOfHigherVotesTurnsHimAway) {
    Fill_Hall_Of_Fame(PLAYERS_PER_TEAM);
    int nSlot = Add_Test_Player(COMPUTER_TEAM, 60, POS_P, 36, 15, 60.0f);
    Set_Player_Byte_Stat(COMPUTER_TEAM, nSlot, BYTE_RINGS, 100);
    EXPECT_EQ(Get_Hall_Of_Fame_Vote(COMPUTER_TEAM, nSlot), 0);
    EXPECT_NE(Get_Player_ID(HALL_OF_FAME_TEAM, PLAYERS_PER_TEAM - 1),
              Get_Player_ID(COMPUTER_TEAM, nSlot));
}

TEST_F(YearAdvanceTest, RetiringIntoTheHallKeepsHisSeasonLines) {
    gAllTeamsComputer = 0;
    const int nSlot = 0;  // the starting quarterback, with two career seasons
    Set_Player_Vital_Stat(HUMAN_TEAM, nSlot, VITAL_EXPERIENCE, 12);
    Set_Player_Byte_Stat(HUMAN_TEAM, nSlot, BYTE_RINGS, 100);
    int nId = Get_Player_ID(HUMAN_TEAM, nSlot);
    int nNextId = Get_Player_ID(HUMAN_TEAM, nSlot + 1);
    int nAge = Get_Player_Age(HUMAN_TEAM, nSlot);
    int nLine = Get_Player_Season_Line(HUMAN_TEAM, nSlot, 0);
    ASSERT_FALSE(Is_Season_Line_Blank(nLine));

    Retire_Player(HUMAN_TEAM, nSlot);
    EXPECT_EQ(Get_Player_ID(HUMAN_TEAM, nSlot), nNextId);
    ASSERT_EQ(Get_Player_ID(HALL_OF_FAME_TEAM, 0), nId);
    EXPECT_EQ(Get_Player_Season_Line(HALL_OF_FAME_TEAM, 0, 0), nLine);
    EXPECT_FALSE(Is_Season_Line_Blank(nLine));
    EXPECT_EQ(Vital(HALL_OF_FAME_TEAM, 0, VITAL_PRIME_START), nAge - 12);

    ASSERT_EQ(Test_Get_Transcript().size(), 1u);  // the user hears of his own player
    EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Retiring Player");
    EXPECT_NE(Test_Get_Transcript()[0].stText.find("is retiring from football at the age of " +
                                                   std::to_string(nAge) + "."),
              std::string::npos);
}

TEST_F(YearAdvanceTest, RetiringWithoutInductionErasesThePlayer) {
    const int nSlot = 0;
    int nNextId = Get_Player_ID(COMPUTER_TEAM, nSlot + 1);
    int nLine = Get_Player_Season_Line(COMPUTER_TEAM, nSlot, 0);
    ASSERT_FALSE(Is_Season_Line_Blank(nLine));

    Retire_Player(COMPUTER_TEAM, nSlot);
    EXPECT_EQ(Get_Player_ID(COMPUTER_TEAM, nSlot), nNextId);
    EXPECT_FALSE(Is_Player_Slot_Used(HALL_OF_FAME_TEAM, 0));
    EXPECT_TRUE(Is_Season_Line_Blank(nLine));
    EXPECT_TRUE(Test_Get_Transcript().empty());  // not the user's player
}

TEST_F(YearAdvanceTest, NegativeExperienceIsClearedForTheNewSeason) {
    Set_Player_Vital_Stat(COMPUTER_TEAM, 5, VITAL_EXPERIENCE, -1);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_EXPERIENCE, -3);
    Add_Test_Player(TEST_POOL_TEAM, 0, POS_QB, 21, -1, 40.0f);
    Clear_All_Negative_Experience();
    EXPECT_EQ(Vital(COMPUTER_TEAM, 5, VITAL_EXPERIENCE), 0);
    EXPECT_EQ(Vital(FREE_AGENT_TEAM, 0, VITAL_EXPERIENCE), 0);
    EXPECT_EQ(Vital(TEST_POOL_TEAM, 0, VITAL_EXPERIENCE), -1);  // still in the draft pool
}
