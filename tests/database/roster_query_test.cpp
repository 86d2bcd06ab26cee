// Finding players by position, unit and order; availability; draft picks; releases.
#include "personnel/personnel.h"
#include "records_fixture.h"

class RosterQueryTest : public TwoTeamTest {
protected:
    // A roster filled from slot 0 with the positions given.
    static void Fill_Roster(int nTeam, std::initializer_list<int> positions, int nFirstId) {
        int nSlot = 0;
        for (int nPosition : positions) {
            Add_Player(nTeam, nSlot, nFirstId + nSlot, nPosition);
            nSlot++;
        }
    }

    static void Set_Injury_Weeks(int nTeam, int nSlot, int nWeeks) {
        gTeams[nTeam].aPlayers[nSlot].anVitalStats[VITAL_INJURY_WEEKS] = nWeeks;
    }
};

TEST_F(RosterQueryTest, NthPlayerOfAPositionInSlotOrder) {
    Fill_Roster(0, {POS_QB, POS_WR, POS_T, POS_QB, POS_DE, ROLE_LT, POS_LB, POS_K}, 100);
    EXPECT_EQ(Get_Team_Position_Player(0, POS_QB, 0), 0);
    EXPECT_EQ(Get_Team_Position_Player(0, POS_QB, 1), 3);
    EXPECT_EQ(Get_Team_Position_Player(0, POS_QB, 2), NO_SLOT_BYTE);  // only two QBs
    EXPECT_EQ(Get_Team_Position_Player(0, POS_T, 1), 5);  // the left tackle's role is a tackle
    EXPECT_EQ(Get_N_Team_Position_Player(0, POS_ALL_LINEMEN, 1), 5);
    EXPECT_EQ(Count_Team_Position_Players(0, POS_ALL_LINEMEN), 2);
    EXPECT_EQ(Count_Team_Position_Players(0, POS_ALL_DEFENCE), 2);
    EXPECT_EQ(Count_Team_Unit_Players(0, UNIT_OFFENCE), 5);
    EXPECT_EQ(Get_N_Team_Unit_Player(UNIT_DEFENCE, 0, 1), 6);
    EXPECT_EQ(Find_Team_Unit_Last_Player(0, UNIT_OFFENCE), 5);
    EXPECT_EQ(Find_Team_Unit_Last_Player(1, UNIT_OFFENCE), NO_SLOT_BYTE);
    EXPECT_EQ(Count_Players(0, ALL_ROSTERS), 8);
}

TEST_F(RosterQueryTest, UninjuredReceiverSkipsTheHurtOne) {
    for (int nSlot = 0; nSlot < 13; nSlot++)
        Add_Player(0, nSlot, 100 + nSlot, nSlot >= 10 ? POS_WR : POS_DT);
    Set_Injury_Weeks(0, 11, 3);
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(0, POS_WR, 0), 10);
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(0, POS_WR, 1), 12);
    uint8_t anSlots[2] = {0, 0};
    EXPECT_EQ(List_Team_Uninjured_Position_Players(0, POS_WR, anSlots, 1), 2);
    EXPECT_EQ(anSlots[0], 10);
    EXPECT_EQ(anSlots[1], 0);  // beyond the room given
    EXPECT_EQ(List_Team_Uninjured_Position_Players(0, POS_WR, anSlots, 2), 2);
    EXPECT_EQ(anSlots[1], 12);

    Set_Team_String(0, TEAM_ABBREVIATION, "AVN");
    gUniverseStats[UNIVERSE_FIRST_YEAR] = 2020;
    gSeasonNumber = 4;
    Test_Clear_Debug_Output();
    EXPECT_EQ(Get_Team_Uninjured_Position_Player(0, POS_WR, 2), NO_SLOT_BYTE);
    const char* szWarning =
        "Warning: nIndex too high in Get_Team_Uninjured_Position_Player(AVN, WR, [2]) [2024]";
    EXPECT_NE(Test_Get_Debug_Output().find(szWarning), std::string::npos);
}

TEST_F(RosterQueryTest, AvailabilityLooksFurtherAheadInTheOffSeason) {
    Fill_Roster(0, {POS_CB, POS_CB, POS_CB}, 100);
    Set_Injury_Weeks(0, 1, 18);
    Set_Injury_Weeks(0, 2, -2);
    gCurrentWeek = 6;
    EXPECT_EQ(Count_Team_Available_Position_Players(0, POS_CB), 2);
    gCurrentWeek = OFF_SEASON_WEEK;
    EXPECT_EQ(Count_Team_Available_Position_Players(0, POS_CB), 3);
    Set_Injury_Weeks(0, 1, 19);
    EXPECT_EQ(Count_Team_Available_Position_Players(0, POS_CB), 2);
}

TEST_F(RosterQueryTest, UnitWithoutPlayersGetsOneCreated) {
    Fill_Roster(0, {POS_QB, POS_RB, POS_DE}, 100);
    EXPECT_EQ(Find_Or_Create_Team_Unit_Player(0, UNIT_DEFENCE), 2);
    EXPECT_EQ(Find_Or_Create_Team_Unit_Player(0, UNIT_KICKERS), 3);
    int nPosition = gTeams[0].aPlayers[3].anVitalStats[VITAL_POSITION];
    EXPECT_TRUE(nPosition == POS_K || nPosition == POS_P) << nPosition;
    EXPECT_NE(Player_Id(0, 3), 0);
    EXPECT_EQ(Get_Unit_First_Reserve_Slot(0, UNIT_KICKERS), 5);
    EXPECT_EQ(Is_Unit_Reserve(0, 3), 0);

    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        Add_Player(1, nSlot, 1000 + nSlot, POS_WR);
    EXPECT_EQ(Find_Or_Create_Team_Unit_Player(1, UNIT_KICKERS), NO_SLOT_BYTE);  // a full roster
    EXPECT_EQ(Is_Unit_Reserve(1, 11), 1);
}

TEST_F(RosterQueryTest, LeaguePlayersAreNumberedInTeamThenSlotOrder) {
    Fill_Roster(0, {POS_QB, POS_S, POS_QB}, 100);
    Fill_Roster(1, {POS_S, POS_QB}, 200);
    EXPECT_EQ(Count_Players(ALL_ROSTERS, POS_QB), 3);
    EXPECT_EQ(Count_Players(ALL_ROSTERS, ALL_ROSTERS), 5);
    EXPECT_EQ(Get_N_Position_Player(POS_QB, 2), 1);  // the Bears' slot 1
    EXPECT_EQ(Get_N_Universe_Player(3), 0);
    EXPECT_EQ(Last_Error(), "");
    EXPECT_EQ(Get_N_Position_Player(POS_QB, 3), 0);
    EXPECT_EQ(Last_Error(), "NO_PLAYER returned in Get_N_Position_Player(3)");

    gTeams[1].aPlayers[0].szLastName[0] = 'M';
    gTeams[0].aPlayers[2].szLastName[0] = 'M';
    Add_Player(FREE_AGENT_TEAM, 0, 300, POS_QB)->szLastName[0] = 'M';
    EXPECT_EQ(Count_League_Players_By_Initial('M'), 2);
}

TEST_F(RosterQueryTest, DraftPicksAlreadyUsedDoNotCount) {
    // Team 0 owns its own picks and the Bears' second- and third-round picks.
    for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++) {
        gDraftPickOwners[0][nRound][0] = 0;
        gDraftPickOwners[0][nRound][1] = nRound == 1 || nRound == 2 ? 0 : 1;
    }
    gDraftOrder[0] = 1;
    gDraftOrder[1] = 0;
    EXPECT_EQ(Count_Team_Draft_Picks(0), 9);
    EXPECT_EQ(Get_Team_Roster_Floor(0), ROSTER_FLOOR);

    Add_Player(FIRST_DRAFT_POOL_TEAM, 0, 9001, POS_QB);  // a prospect keeps the draft running
    gDraftRound = 1;
    gDraftPick = 1;  // in round 1 the Bears' pick, owned by team 0, is made
    EXPECT_EQ(Count_Team_Draft_Picks(0), 7);  // rounds 1..6 of its own and round 2's Bears pick
    EXPECT_EQ(Get_Team_Roster_Floor(0), ROSTER_FLOOR - 7);
}

TEST_F(RosterQueryTest, ReleasedPlayerLeavesThePackedRosterInOrder) {
    for (int nSlot = 0; nSlot < 40; nSlot++)
        Add_Player(0, nSlot, 100 + nSlot, POS_LB);
    Add_Player(FREE_AGENT_TEAM, 0, 900, POS_QB);
    Release_Player_To_Free_Agents(0, 5);
    EXPECT_EQ(Find_Free_Player_Slot(0), 39);
    for (int nSlot = 0; nSlot < 39; nSlot++)
        EXPECT_EQ(Player_Id(0, nSlot), nSlot < 5 ? 100 + nSlot : 101 + nSlot) << nSlot;
    EXPECT_EQ(Player_Id(FREE_AGENT_TEAM, 1), 105);
}
