// The computer manager's roster moves: trimming over-full rosters, releases under the salary cap,
// filling positions, automatic signings and the free-agent distribution.
#include "personnel/value_test_support.h"

#define COMPUTER_TEAM 1
#define HUMAN_TEAM FIXTURE_HUMAN_TEAM

class RosterMovesTest : public PersonnelValueTest {
protected:
    // New free agents and signings take names from the name lists.
    void SetUp() override {
        Copy_Data_Files();
        PersonnelValueTest::SetUp();
    }

    // Extra wide receivers until the roster holds nCount players.
    static void Fill_Roster_To(int nTeam, int nCount) {
        for (int nSlot = Find_Free_Player_Slot(nTeam); nSlot < nCount; nSlot++) {
            Add_Test_Player(nTeam, nSlot, POS_WR, 24, 2, 45.0f);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, 500);
        }
    }

    static int Roster(int nTeam) {
        return Find_Free_Player_Slot(nTeam);
    }

    static int Payroll_Dollars(int nTeam) {
        return Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
    }

    // Every player of the position leaves the team.
    static void Remove_Position(int nTeam, int nPosition) {
        for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == nPosition)
                Delete_Player(nTeam, nSlot);
        }
    }
};

TEST_F(RosterMovesTest, TrimDropsOnePlayerForEachOfTheLastThreeSlotsHeld) {
    struct {
        int nTeam, nPlayers, nExpected;
    } kCases[] = {
        {COMPUTER_TEAM, 100, 98},  // slots 97 and 98 still hold a player when their turn comes
        {COMPUTER_TEAM, 98, 97},
        {COMPUTER_TEAM, FIXTURE_ROSTER_SIZE, FIXTURE_ROSTER_SIZE},
        {HUMAN_TEAM, 100, 100},  // a human-run team keeps its players
    };
    for (const auto& c : kCases) {
        Build_Fixture_League();
        Fill_Roster_To(c.nTeam, c.nPlayers);
        int nFreeAgents = Roster(FREE_AGENT_TEAM);
        Trim_Roster(c.nTeam);
        EXPECT_EQ(Roster(c.nTeam), c.nExpected) << c.nPlayers << " on team " << c.nTeam;
        EXPECT_GE(Roster(FREE_AGENT_TEAM), nFreeAgents + c.nPlayers - c.nExpected);
    }
}

TEST_F(RosterMovesTest, SurplusPlayersGoOnlyAboveTheFloor) {
    EXPECT_EQ(Release_Surplus_Player(COMPUTER_TEAM), 1);  // 53 players
    EXPECT_EQ(Release_Surplus_Player(COMPUTER_TEAM), 1);
    EXPECT_EQ(Roster(COMPUTER_TEAM), ROSTER_FLOOR);
    EXPECT_EQ(Release_Surplus_Player(COMPUTER_TEAM), 0);
    EXPECT_EQ(Roster(COMPUTER_TEAM), ROSTER_FLOOR);
}

// A release into a full pool retires the pool's least valuable player; the pool then makes room
// below slot 97 for the positions it keeps filled.
TEST_F(RosterMovesTest, AFullFreeAgentPoolRetiresItsSurplus) {
    Fill_Roster_To(FREE_AGENT_TEAM, PLAYERS_PER_TEAM);
    int nId = Get_Player_ID(COMPUTER_TEAM, 30);
    Release_Player_To_Free_Agents(COMPUTER_TEAM, 30);
    EXPECT_EQ(Roster(FREE_AGENT_TEAM), 97);
    EXPECT_EQ(Roster(COMPUTER_TEAM), FIXTURE_ROSTER_SIZE - 1);
    bool bFound = false;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        bFound |= Get_Player_ID(FREE_AGENT_TEAM, nSlot) == nId;
    EXPECT_TRUE(bFound);
    EXPECT_GE(Count_Team_Position_Players(FREE_AGENT_TEAM, POS_P), 1);
    EXPECT_GE(Count_Team_Position_Players(FREE_AGENT_TEAM, POS_LB), 5);
}

TEST_F(RosterMovesTest, AnOverCapTeamReleasesUntilUnderTheCapOrAtTheFloor) {
    struct {
        int nExtraPlayers;
        int nCapBelowPayroll;  // thousands
    } kCases[] = {{10, 1200}, {0, 1000000}};
    for (const auto& c : kCases) {
        Build_Fixture_League();
        Fill_Roster_To(COMPUTER_TEAM, FIXTURE_ROSTER_SIZE + c.nExtraPlayers);
        Set_Universe_Stat(UNIVERSE_SALARY_CAP,
                          Payroll_Dollars(COMPUTER_TEAM) - c.nCapBelowPayroll * 1000);
        ASSERT_TRUE(Is_Team_Over_Cap(COMPUTER_TEAM));

        Make_Computer_Roster_Move(COMPUTER_TEAM);
        EXPECT_TRUE(!Is_Team_Over_Cap(COMPUTER_TEAM) || Roster(COMPUTER_TEAM) < 52)
            << "payroll " << Payroll_Dollars(COMPUTER_TEAM) << " with " << Roster(COMPUTER_TEAM)
            << " players";
        EXPECT_GE(Roster(COMPUTER_TEAM), ROSTER_FLOOR);
    }
    // No cap, no cap releases.
    Build_Fixture_League();
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    EXPECT_FALSE(Is_Team_Over_Cap(COMPUTER_TEAM));
    EXPECT_FALSE(Are_Trade_Teams_Over_Cap(COMPUTER_TEAM, HUMAN_TEAM));
}

TEST_F(RosterMovesTest, PositionMinimumsAreFilled) {
    Remove_Position(COMPUTER_TEAM, POS_K);
    Remove_Position(COMPUTER_TEAM, POS_QB);
    Remove_Position(HUMAN_TEAM, POS_K);

    gCommissionerMode = 1;
    EXPECT_EQ(Fill_Team_Position_Minimums(COMPUTER_TEAM), 0);
    EXPECT_EQ(Count_Team_Position_Players(COMPUTER_TEAM, POS_K), 0);
    gCommissionerMode = 0;

    EXPECT_EQ(Fill_Team_Position_Minimums(HUMAN_TEAM), 0);
    EXPECT_EQ(Count_Team_Position_Players(HUMAN_TEAM, POS_K), 0);

    EXPECT_EQ(Fill_Team_Position_Minimums(COMPUTER_TEAM), 0);  // something was missing
    EXPECT_EQ(Count_Team_Available_Position_Players(COMPUTER_TEAM, POS_K),
              POSITION_ROSTER_MINIMUMS[POS_K]);
    EXPECT_EQ(Count_Team_Available_Position_Players(COMPUTER_TEAM, POS_QB),
              POSITION_ROSTER_MINIMUMS[POS_QB]);
    EXPECT_EQ(Fill_Team_Position_Minimums(COMPUTER_TEAM), 1);
}

TEST_F(RosterMovesTest, AutomaticSigningWithoutACapMakesNewPlayers) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    Remove_Position(COMPUTER_TEAM, POS_P);
    Remove_Position(HUMAN_TEAM, POS_P);
    int nFreeAgents = Roster(FREE_AGENT_TEAM);
    EXPECT_EQ(Choose_Affordable_Free_Agent(COMPUTER_TEAM, POS_P), NO_SLOT_BYTE);

    Auto_Sign_Free_Agents();
    EXPECT_EQ(Count_Team_Position_Players(COMPUTER_TEAM, POS_P), 1);
    EXPECT_EQ(Count_Team_Position_Players(HUMAN_TEAM, POS_P), 0);  // not without auto-fill
    EXPECT_GE(Roster(FREE_AGENT_TEAM), nFreeAgents);               // nobody signed from the pool

    gAutoFillRosters = 1;
    Auto_Sign_Free_Agents();
    EXPECT_EQ(Count_Team_Position_Players(HUMAN_TEAM, POS_P), 1);
}

TEST_F(RosterMovesTest, AffordableFreeAgentIsTheBestWhoFitsUnderTheCap) {
    int nSlot = TEST_FREE_AGENT_SLOT;
    Add_Test_Player(FREE_AGENT_TEAM, nSlot, POS_TE, 27, 5, 80.0f);
    Add_Test_Player(FREE_AGENT_TEAM, nSlot + 1, POS_TE, 27, 5, 70.0f);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY, 5000);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot + 1, VITAL_SALARY, 800);
    int nPayroll = Get_Team_Financial_Stat(COMPUTER_TEAM, FIN_PAYROLL);

    Set_Universe_Stat(UNIVERSE_SALARY_CAP, (nPayroll + 10000) * 1000);  // room for both
    EXPECT_EQ(Choose_Affordable_Free_Agent(COMPUTER_TEAM, POS_TE), nSlot);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, (nPayroll + 1000) * 1000);  // for the cheaper one
    EXPECT_EQ(Choose_Affordable_Free_Agent(COMPUTER_TEAM, POS_TE), nSlot + 1);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, (nPayroll + 800) * 1000);  // room must stay above 0
    EXPECT_EQ(Choose_Affordable_Free_Agent(COMPUTER_TEAM, POS_TE), NO_SLOT_BYTE);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, (nPayroll + 1000) * 1000);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot + 1, VITAL_INJURY_WEEKS, 3);
    EXPECT_EQ(Choose_Affordable_Free_Agent(COMPUTER_TEAM, POS_TE), nSlot + 1);  // back by spring
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot + 1, VITAL_INJURY_WEEKS, 20);
    EXPECT_EQ(Choose_Affordable_Free_Agent(COMPUTER_TEAM, POS_TE), NO_SLOT_BYTE);
}

TEST_F(RosterMovesTest, DistributionGivesEachComputerTeamAtMostOneStar) {
    int nSlot = TEST_FREE_AGENT_SLOT;
    for (int n = 0; n < 3; n++) {
        Add_Test_Player(FREE_AGENT_TEAM, nSlot + n, POS_QB, 27, 5, 95.0f);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot + n, VITAL_SALARY, 1000);
    }
    int anIds[3];
    for (int n = 0; n < 3; n++)
        anIds[n] = Get_Player_ID(FREE_AGENT_TEAM, nSlot + n);

    Distribute_Free_Agents(0);
    int anCounts[LEAGUE_TEAM_COUNT] = {0};
    for (int nId : anIds) {
        int nTeamOf = NO_TEAM;
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
            for (int s = 0; s < PLAYERS_PER_TEAM; s++)
                if (Get_Player_ID(nTeam, s) == nId)
                    nTeamOf = nTeam;
        ASSERT_NE(nTeamOf, NO_TEAM) << "the star " << nId << " was not signed";
        EXPECT_NE(nTeamOf, HUMAN_TEAM);
        anCounts[nTeamOf]++;
    }
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        EXPECT_LE(anCounts[nTeam], 1) << "team " << nTeam;
}

TEST_F(RosterMovesTest, RosterSizeFactor) {
    EXPECT_EQ(Get_Roster_Size_Factor(COMPUTER_TEAM), 1226);  // 65000 / 53, rounded
    EXPECT_EQ(Get_Roster_Size_Factor(FIRST_DRAFT_POOL_TEAM + 1), 0);
}

TEST_F(RosterMovesTest, ARenewalEndsAComputerTeamsHoldout) {
    gOwnerMode = 1;
    Set_Team_Financial_Stat(COMPUTER_TEAM, FIN_CASH, Get_Base_Team_Cash());
    const int nSlot = FIXTURE_ROSTER_SIZE;
    for (int nTeam : {COMPUTER_TEAM, HUMAN_TEAM}) {
        Add_Test_Player(nTeam, nSlot, POS_QB, 26, 4, 85.0f);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, INJURY_HOLDOUT);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 3);
    }
    Resolve_Computer_Holdouts();
    EXPECT_EQ(Get_Player_Vital_Stat(COMPUTER_TEAM, nSlot, VITAL_INJURY_WEEKS), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(COMPUTER_TEAM, nSlot, VITAL_INJURY), NO_INJURY);
    EXPECT_GE(Get_Player_Vital_Stat(COMPUTER_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT), 2);
    EXPECT_EQ(Get_Player_Vital_Stat(HUMAN_TEAM, nSlot, VITAL_INJURY), INJURY_HOLDOUT);  // his own
    EXPECT_TRUE(Test_Get_Transcript().empty());
}
