// Positions: roles, groups, sides, names, quotas and unit windows.
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "player_test_fixture.h"

TEST_F(PlayerTest, RolesTranslateToTheirPositions) {
    struct {
        int nCode, nPosition;
    } cases[] = {
        {-5, -5},           {POS_TE, POS_TE},    {ROLE_WR1, POS_WR}, {ROLE_OE, POS_WR},
        {ROLE_LT, POS_T},   {ROLE_LG, POS_G},    {ROLE_RG, POS_G},   {ROLE_RT, POS_T},
        {ROLE_LS, POS_C},   {ROLE_LDE, POS_DE},  {ROLE_NT, POS_DT},  {ROLE_RDE, POS_DE},
        {ROLE_MLB, POS_LB}, {ROLE_ROLB, POS_LB}, {ROLE_NB, POS_CB},  {ROLE_SS, POS_S},
        {ROLE_FS, POS_S},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Translate_Expanded_Position(c.nCode), c.nPosition) << c.nCode;
    EXPECT_TRUE(Test_Get_Transcript().empty());

    EXPECT_EQ(Translate_Expanded_Position(43), -1);
    EXPECT_EQ(
        Last_Box(),
        "Unhandled Parameter|Unhandled nExpandedPosition in Translate_Expanded_Position([43])");
}

TEST_F(PlayerTest, GroupsAndSidesOfCodes) {
    struct {
        int nCode, nGroup, nGroupQB4, nSide;
    } cases[] = {
        {POS_QB, 0, 4, 0},   {POS_WR, 0, 0, 0},   {POS_T, 1, 1, 0}, {POS_C, 1, 1, 0},
        {POS_DE, 2, 2, 1},   {POS_S, 2, 2, 1},    {POS_K, 3, 3, 2}, {POS_P, 3, 3, 2},
        {ROLE_LS, 1, 1, -1}, {ROLE_FS, 2, 2, -1}, {-1, -1, -1, -1}, {43, -1, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Get_Position_Group(c.nCode), c.nGroup) << c.nCode;
        EXPECT_EQ(Get_Position_Group_QB4(c.nCode), c.nGroupQB4) << c.nCode;
        EXPECT_EQ(Get_Position_Side(c.nCode), c.nSide) << c.nCode;
    }
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(PlayerTest, PlayerPositionQueries) {
    Put_Player(0, 0, 11, POS_QB);
    Put_Player(0, 1, 12, POS_G);
    Put_Player(0, 2, 13, POS_CB);
    Put_Player(0, 3, 14, POS_K);
    struct {
        int nSlot, nGroup, nGroupQB3, nSide, nFilter, bReturner, bSecondary, bSkill;
        const char* szName;
    } cases[] = {
        {0, 4, 3, 0, -1, 0, 0, 1, "QB"},
        {1, 1, 1, 0, 17, 0, 0, 0, "G"},
        {2, 2, 2, 1, 16, 1, 1, 0, "CB"},
        {3, 3, 3, 2, -1, 0, 0, 0, "K"},
    };
    for (const auto& c : cases) {
        char szName[POSITION_NAME_SIZE];
        EXPECT_EQ(Get_Player_Position_Group(0, c.nSlot), c.nGroup) << c.nSlot;
        EXPECT_EQ(Get_Player_Position_Group_QB3(0, c.nSlot), c.nGroupQB3) << c.nSlot;
        EXPECT_EQ(Get_Player_Side(0, c.nSlot), c.nSide) << c.nSlot;
        EXPECT_EQ(Get_Player_Position_Filter(0, c.nSlot), c.nFilter) << c.nSlot;
        EXPECT_EQ(Is_Returner_Position(0, c.nSlot), c.bReturner) << c.nSlot;
        EXPECT_EQ(Is_Player_Secondary_Position(0, c.nSlot), c.bSecondary) << c.nSlot;
        EXPECT_EQ(Is_Player_Offensive_Skill_Position(0, c.nSlot), c.bSkill) << c.nSlot;
        EXPECT_STREQ(Get_Player_Position_Text(szName, sizeof(szName), 0, c.nSlot), c.szName);
    }
    EXPECT_EQ(Get_Player_Position_Group_QB3(NO_TEAM, 0), 3);
    EXPECT_EQ(Get_Player_Position_Group_QB3(0, NO_PLAYER), 3);
    EXPECT_TRUE(Is_Player_Quarterback(0, 0));
    EXPECT_EQ(Get_Player_Position_Name(NULL, 0, 0, 2), POS_CB);
}

TEST_F(PlayerTest, QuotaCountsPlayersOfThePositionInSlotOrder) {
    // QB quota 2, K quota 1.
    Put_Player(0, 0, 11, POS_QB);
    Put_Player(0, 1, 12, POS_K);
    Put_Player(0, 2, 13, POS_QB);
    Put_Player(0, 3, 14, POS_K);
    Put_Player(0, 4, 15, POS_QB);
    Put_Player(FREE_AGENT_TEAM, 0, 16, POS_QB);
    EXPECT_TRUE(Is_Player_Within_Position_Quota(0, 0));
    EXPECT_TRUE(Is_Player_Within_Position_Quota(0, 1));
    EXPECT_TRUE(Is_Player_Within_Position_Quota(0, 2));
    EXPECT_FALSE(Is_Player_Within_Position_Quota(0, 3));
    EXPECT_FALSE(Is_Player_Within_Position_Quota(0, 4));
    EXPECT_FALSE(Is_Player_Within_Position_Quota(0, 5));
    EXPECT_FALSE(Is_Player_Within_Position_Quota(FREE_AGENT_TEAM, 0));
}

TEST_F(PlayerTest, UnitWindowsOfTheFixtureRoster) {
    Build_Fixture_League();
    // Offence from slot 0, defence from slot 28, kickers from slot 51.
    struct {
        int nSlot, bInWindow;
    } cases[] = {{0, 1}, {10, 1}, {11, 0}, {27, 0}, {28, 1}, {38, 1}, {39, 0}, {51, 1}, {52, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(Is_Player_In_Unit_Window(3, c.nSlot), c.bInWindow) << c.nSlot;
    EXPECT_FALSE(Is_Player_In_Unit_Window(FREE_AGENT_TEAM, 0));
    EXPECT_FALSE(Is_Player_In_Unit_Window(3, 60));
}
