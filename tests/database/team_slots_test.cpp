// Swapping, sorting, compacting and erasing teams: every stored team reference must follow its
// team to the new number.
#include "database_test_fixture.h"
#include "personnel/personnel.h"

#include <set>

class TeamSlotsTest : public DatabaseTest {
protected:
    // Home team nHome meets nVisitor in week nWeek.
    static void Schedule_Game(int nWeek, int nHome, int nVisitor) {
        gTeams[nHome].aanSchedule[nWeek][SCHEDULE_OPPONENT] = nVisitor + 1;
        gTeams[nVisitor].aanSchedule[nWeek][SCHEDULE_OPPONENT] = -1 - nHome;
    }

    static int Find_Team(const char* szNickname) {
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
            if (Is_Team_Active(nTeam) &&
                strcmp(gTeams[nTeam].aszStrings[TEAM_NICKNAME], szNickname) == 0)
                return nTeam;
        return NO_TEAM;
    }

    // The opponent's nickname in a team's week row, with "@" for an away game.
    static std::string Opponent(const char* szNickname, int nWeek) {
        int nCode = gTeams[Find_Team(szNickname)].aanSchedule[nWeek][SCHEDULE_OPPONENT];
        if (nCode > 0)
            return gTeams[nCode - 1].aszStrings[TEAM_NICKNAME];
        if (nCode < 0)
            return std::string("@") + gTeams[-1 - nCode].aszStrings[TEAM_NICKNAME];
        return "";
    }

    static int Add_Season_Line(int nTeam, int nSlot, int nLineTeam) {
        static int nNextLine = 10;
        int nLine = nNextLine++;
        gSeasonLines[nLine].nYear = 2020;
        gSeasonLines[nLine].nTeam = (int8_t)nLineTeam;
        gTeams[nTeam].aPlayers[nSlot].anSeasonLinks[0] = nLine;
        return nLine;
    }
};

TEST_F(TeamSlotsTest, SwapRemapsEveryTeamReference) {
    for (int nTeam = 0; nTeam < 8; nTeam++)
        Add_Team(nTeam, "City", "Team");
    Set_Team_String(3, TEAM_NICKNAME, "Threes");
    Set_Team_String(7, TEAM_NICKNAME, "Sevens");
    Schedule_Game(0, 3, 7);
    Schedule_Game(1, 3, 1);
    Schedule_Game(2, 5, 7);
    Add_Player(3, 0, 301, POS_QB);
    Add_Player(5, 0, 501, POS_WR);
    int nLineOfThree = Add_Season_Line(3, 0, 3);
    int nLineOfSeven = Add_Season_Line(5, 0, 7);  // traded from the Sevens
    gTeams[5].aPlayers[0].anVitalStats[13] = (7 + 1) * 10000 + 2019;
    gTeams[5].aPlayers[0].anVitalStats[26] = 3;
    gDraftPickOwners[0][0][3] = 3;
    gDraftPickOwners[0][0][7] = 3;        // the Threes own the Sevens' first pick
    gDraftPickOwners[1][6][5] = 7 + 128;  // an unmade pick of the Sevens
    gDraftOrder[0] = 7;
    gDraftOrder[1] = 3;
    gDraftPickLog[0] = (2020 * 1000 + 5) * 100 + 7;
    gPlayoffSlots[0] = 3;
    gPlayoffSlots[1] = 7;
    gDivisionStandings[0][0] = 7;
    gDivisionStandings[0][1] = 3;
    gGames[0].anInfo[0] = 2020;
    gGames[0].anTeams[0] = 3;
    gGames[0].anTeams[1] = 7;
    gGames[0].nPossession = 7;
    gGames[1].anTeams[1] = 7;  // a free record is left alone
    gRecordBook[1][4][0].nPlayerId = -1;
    gRecordBook[1][4][0].nTeam = 7;
    gUniverseStats[UNIVERSE_FANTASY_DRAFT] = 1;
    gSavedState.aanFantasyDraftOrder[2][0] = 3;
    gTeams[3].aPlayers[0].anVitalStats[26] = 7;
    gDialogTeam = 3;
    gUserTeam = 7;
    gScoutTeam = 3;
    gTradePartner = NO_TEAM;

    Swap_Teams(3, 7);

    EXPECT_STREQ(gTeams[7].aszStrings[TEAM_NICKNAME], "Threes");
    EXPECT_STREQ(gTeams[3].aszStrings[TEAM_NICKNAME], "Sevens");
    EXPECT_EQ(Opponent("Threes", 0), "Sevens");
    EXPECT_EQ(Opponent("Sevens", 0), "@Threes");
    EXPECT_EQ(gTeams[1].aanSchedule[1][SCHEDULE_OPPONENT], -1 - 7);
    EXPECT_EQ(gTeams[5].aanSchedule[2][SCHEDULE_OPPONENT], 3 + 1);
    EXPECT_EQ(gSeasonLines[nLineOfThree].nTeam, 7);
    EXPECT_EQ(gSeasonLines[nLineOfSeven].nTeam, 3);
    EXPECT_EQ(gTeams[5].aPlayers[0].anVitalStats[13], (3 + 1) * 10000 + 2019);
    EXPECT_EQ(gTeams[5].aPlayers[0].anVitalStats[26], 7);
    EXPECT_EQ(gDraftPickOwners[0][0][7], 7);  // the Threes' own pick, in their new column
    EXPECT_EQ(gDraftPickOwners[0][0][3], 7);  // the Sevens' pick, still owned by the Threes
    EXPECT_EQ(gDraftPickOwners[1][6][5], 3 + 128);
    EXPECT_EQ(gDraftOrder[0], 3);
    EXPECT_EQ(gDraftOrder[1], 7);
    EXPECT_EQ(gDraftPickLog[0], (2020 * 1000 + 5) * 100 + 3);
    EXPECT_EQ(gPlayoffSlots[0], 7);
    EXPECT_EQ(gPlayoffSlots[1], 3);
    EXPECT_EQ(gDivisionStandings[0][0], 3);
    EXPECT_EQ(gDivisionStandings[0][1], 7);
    EXPECT_EQ(gGames[0].anTeams[0], 7);
    EXPECT_EQ(gGames[0].anTeams[1], 3);
    EXPECT_EQ(gGames[0].nPossession, 3);
    EXPECT_EQ(gGames[1].anTeams[1], 7);
    EXPECT_EQ(gRecordBook[1][4][0].nTeam, 3);
    EXPECT_EQ(gSavedState.aanFantasyDraftOrder[2][0], 7);
    EXPECT_EQ(gTeams[7].aPlayers[0].anVitalStats[26], 3);
    EXPECT_EQ(gDialogTeam, 7);
    EXPECT_EQ(gUserTeam, 3);
    EXPECT_EQ(gScoutTeam, 7);
    EXPECT_EQ(gTradePartner, NO_TEAM);
}

TEST_F(TeamSlotsTest, UserTeamFollowsAHumanDialogTeam) {
    for (int nTeam = 0; nTeam < 4; nTeam++)
        Add_Team(nTeam, "City", "Team");
    Set_Team_Stat(1, TEAM_CONTROL, CONTROL_HUMAN);
    gDialogTeam = 1;
    gUserTeam = 0;
    Swap_Teams(1, 2);
    EXPECT_EQ(gDialogTeam, 2);
    EXPECT_EQ(gUserTeam, 2);

    gAllTeamsComputer = 1;  // then nobody counts as human
    gUserTeam = 0;
    Swap_Teams(1, 2);
    EXPECT_EQ(gDialogTeam, 1);
    EXPECT_EQ(gUserTeam, 0);
}

TEST_F(TeamSlotsTest, SortByNameKeepsEveryReferenceWithItsTeam) {
    Add_Team(0, "Miami", "Sharks");
    Add_Team(1, "Boston", "Bulldogs");
    Add_Team(2, "Atlanta", "Falcons");
    Add_Team(3, "Boston", "Bears");
    Schedule_Game(0, 0, 2);  // Sharks host the Falcons
    Schedule_Game(0, 1, 3);  // Bulldogs host the Bears
    Add_Player(2, 0, 201, POS_RB);
    int nLine = Add_Season_Line(2, 0, 0);  // a Falcon who played for the Sharks
    gDraftPickOwners[0][3][0] = 2;         // the Falcons own the Sharks' fourth-round pick
    gUserTeam = 0;

    Sort_Teams_By_Name();

    const char* kOrder[] = {"Falcons", "Bears", "Bulldogs", "Sharks"};
    for (int nTeam = 0; nTeam < 4; nTeam++)
        EXPECT_STREQ(gTeams[nTeam].aszStrings[TEAM_NICKNAME], kOrder[nTeam]);
    EXPECT_EQ(Opponent("Sharks", 0), "Falcons");
    EXPECT_EQ(Opponent("Falcons", 0), "@Sharks");
    EXPECT_EQ(Opponent("Bulldogs", 0), "Bears");
    EXPECT_EQ(gUserTeam, Find_Team("Sharks"));
    EXPECT_EQ(gSeasonLines[nLine].nTeam, Find_Team("Sharks"));
    EXPECT_EQ(Player_Id(Find_Team("Falcons"), 0), 201);
    EXPECT_EQ(gDraftPickOwners[0][3][Find_Team("Sharks")], Find_Team("Falcons"));
}

TEST_F(TeamSlotsTest, SortLeavesEqualNamesWhereTheyAre) {
    Add_Team(0, "Boston", "Bulldogs");
    Add_Team(1, "Boston", "Bulldogs");
    Add_Player(0, 0, 100, POS_QB);
    for (int nSort = 0; nSort < 3; nSort++) {
        Sort_Teams_By_Name();
        EXPECT_EQ(Player_Id(0, 0), 100);
    }
}

TEST_F(TeamSlotsTest, CompactionMovesUsedTeamsToTheFrontInOrder) {
    Add_Team(0, "A", "Ants");
    Add_Team(2, "B", "Bees");
    Add_Team(5, "C", "Cats");
    Schedule_Game(0, 5, 0);
    gUserTeam = 5;
    Compact_Team_Slots();
    EXPECT_EQ(Count_Active_Teams(), 3);
    const char* kOrder[] = {"Ants", "Bees", "Cats"};
    for (int nTeam = 0; nTeam < 3; nTeam++)
        EXPECT_STREQ(gTeams[nTeam].aszStrings[TEAM_NICKNAME], kOrder[nTeam]);
    for (int nTeam = 3; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        EXPECT_FALSE(Is_Team_Active(nTeam));
    EXPECT_EQ(Opponent("Cats", 0), "Ants");
    EXPECT_EQ(gUserTeam, 2);
}

class EraseTeamTest : public TeamSlotsTest {
protected:
    void SetUp() override {
        TeamSlotsTest::SetUp();
        Add_Team(0, "A", "Ants");
        Add_Team(1, "B", "Bees");
        Add_Team(2, "C", "Cats");
        for (int nSlot = 0; nSlot < 5; nSlot++)
            Add_Player(1, nSlot, 100 + nSlot, POS_WR);
    }
};

TEST_F(EraseTeamTest, PlayersGoToTheFreeAgentsAndTheLeagueCloses) {
    Add_Player(FREE_AGENT_TEAM, 0, 900, POS_K);
    ASSERT_EQ(Erase_Team(1, 0), 1);
    EXPECT_EQ(Count_Active_Teams(), 2);
    EXPECT_EQ(gActiveTeamCount, 2);
    EXPECT_STREQ(gTeams[1].aszStrings[TEAM_NICKNAME], "Cats");
    // The pool is sorted and refilled after each release, so only membership is fixed.
    std::set<int> ids;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        ids.insert(Player_Id(FREE_AGENT_TEAM, nSlot));
    for (int nId : {900, 100, 101, 102, 103, 104})
        EXPECT_EQ(ids.count(nId), 1u) << nId;
}

TEST_F(EraseTeamTest, DiscardedPlayersAreNotReleased) {
    ASSERT_EQ(Erase_Team(1, 1), 1);
    EXPECT_EQ(Player_Id(FREE_AGENT_TEAM, 0), 0);
}

TEST_F(EraseTeamTest, CancelOnAFullFreeAgentListKeepsTheTeam) {
    for (int nSlot = 0; nSlot < 98; nSlot++)
        Add_Player(FREE_AGENT_TEAM, nSlot, 1000 + nSlot, POS_P);
    Test_Answer_Message_Box(IDNO);
    EXPECT_EQ(Erase_Team(1, 0), 0);
    ASSERT_FALSE(Test_Get_Transcript().empty());
    const TEST_SHOWN& shown = Test_Get_Transcript().back();
    EXPECT_EQ(shown.stCaption, "Not Enough Room");
    EXPECT_EQ(shown.stText,
              "There is not enough room for 5 players on the Free Agent list. The least valuable 3 "
              "players will be eliminated.");
    EXPECT_EQ(Count_Active_Teams(), 3);
    EXPECT_EQ(Player_Id(1, 4), 104);

    Test_Answer_Message_Box(IDYES);
    EXPECT_EQ(Erase_Team(1, 0), 1);
    EXPECT_EQ(Count_Active_Teams(), 2);
    EXPECT_NE(Player_Id(FREE_AGENT_TEAM, 99), 0);
}

TEST_F(EraseTeamTest, DialogAndUserTeamMoveToTheLastTeamOnlyWhenItIsHuman) {
    Set_Team_Stat(1, TEAM_CONTROL, CONTROL_HUMAN);
    Set_Team_Stat(2, TEAM_CONTROL, CONTROL_HUMAN);
    gDialogTeam = gUserTeam = 1;
    ASSERT_EQ(Erase_Team(1, 1), 1);
    EXPECT_EQ(gDialogTeam, 1);  // the Cats, now the last team
    EXPECT_EQ(gUserTeam, 1);

    Set_Team_Stat(1, TEAM_CONTROL, CONTROL_COMPUTER);
    Add_Team(2, "D", "Dogs");
    gDialogTeam = gUserTeam = 0;
    Set_Team_Stat(0, TEAM_CONTROL, CONTROL_HUMAN);
    ASSERT_EQ(Erase_Team(0, 1), 1);
    EXPECT_EQ(gDialogTeam, 1);  // the Dogs, run by the computer
    EXPECT_NE(gUserTeam, 1);
}
