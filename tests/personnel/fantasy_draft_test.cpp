// The fantasy draft on the fixture league: the order kinds, a person's turn and pick, the
// computer finishing the draft with every player on exactly one roster, the abort that moves
// nobody, the round limit and the announcements the user turns off.
#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "common/user_waits.h"
#include "new_player_test_support.h"

#define LAST_TEAM (FIXTURE_TEAM_COUNT - 1)

class FantasyDraftTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        Allow_User_Waits();
        Set_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS, 0);
        Test_Clear_Transcript();
    }

    void TearDown() override {
        gAllTeamsComputer = 0;
    }

    // Every player id of the dealt rosters with the roster holding it.
    static std::multimap<int, int> Player_Rosters() {
        std::multimap<int, int> rosters;
        for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
            if (!Is_Fantasy_Draft_Roster(nTeam))
                continue;
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                if (Is_Player_Slot_Used(nTeam, nSlot))
                    rosters.emplace(Get_Player_ID(nTeam, nSlot), nTeam);
            }
        }
        return rosters;
    }

    static std::vector<int> Order_Row(int nRound) {
        std::vector<int> row;
        for (int nPlace = 0; nPlace < FIXTURE_TEAM_COUNT; nPlace++)
            row.push_back(Get_Fantasy_Order_Team(nRound, nPlace));
        return row;
    }

    static std::vector<int> Team_Numbers(bool bReversed) {
        std::vector<int> row;
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            row.push_back(bReversed ? LAST_TEAM - nTeam : nTeam);
        return row;
    }

    static std::vector<std::string> Read_Pick_File() {
        std::ifstream file("Output/Fantasy Draft.txt");
        std::vector<std::string> lines;
        for (std::string stLine; std::getline(file, stLine);)
            lines.push_back(stLine);
        return lines;
    }

    static int Count_Boxes(const std::string& stCaption) {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            nCount += shown.stCaption == stCaption;
        return nCount;
    }
};

// The human team 0 picks first in team order, so the draft waits at the first pick.
TEST_F(FantasyDraftTest, LaterRoundsFollowTheirKind) {
    struct {
        int nLaterKind;
        bool abReversed[3];  // rounds 1, 2 and 64
    } cases[] = {
        {FANTASY_ORDER_SNAKE, {true, false, false}},
        {FANTASY_ORDER_REPEATED, {false, false, false}},
        {FANTASY_ORDER_REVERSED, {true, true, true}},
    };
    for (const auto& c : cases) {
        Start_Fantasy_Draft(FANTASY_ORDER_TEAM_NUMBERS, c.nLaterKind);
        ASSERT_EQ(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT), FANTASY_DRAFT_UNDER_WAY);
        EXPECT_EQ(Get_Fantasy_Draft_Round(), 0);
        EXPECT_EQ(Get_Fantasy_Draft_Place(), 0);
        EXPECT_EQ(Order_Row(0), Team_Numbers(false));
        const int anRounds[] = {1, 2, 64};
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(Order_Row(anRounds[i]), Team_Numbers(c.abReversed[i]))
                << "kind " << c.nLaterKind << " round " << anRounds[i];
        End_Fantasy_Draft();
    }

    Start_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_ORDER_RANDOM);
    std::vector<int> first = Order_Row(0), second = Order_Row(1);
    EXPECT_NE(first, second);
    EXPECT_NE(first, Team_Numbers(false));
    for (std::vector<int> row : {first, second}) {
        std::sort(row.begin(), row.end());
        EXPECT_EQ(row, Team_Numbers(false));
    }
}

TEST_F(FantasyDraftTest, APersonsPickAndTheSnakeTurn) {
    Start_Fantasy_Draft(FANTASY_ORDER_TEAM_NUMBERS, FANTASY_ORDER_SNAKE);
    ASSERT_EQ(Count_Boxes("Round 1 / Pick 1"), 1);
    EXPECT_EQ(Get_User_Team(), FIXTURE_HUMAN_TEAM);

    Record_Fantasy_Draft_Pick(LAST_TEAM, 0, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_Player_Vital_Stat(LAST_TEAM, 0, VITAL_DRAFTED_TO), FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_Fantasy_Draft_Pick_Player(0, 0), Get_Player_ID(LAST_TEAM, 0));
    // The computer teams pick round 1 out and, the snake turning, round 2 up to team 0.
    EXPECT_EQ(Get_Fantasy_Draft_Round(), 1);
    EXPECT_EQ(Get_Fantasy_Draft_Place(), LAST_TEAM);
    EXPECT_EQ(Count_Boxes("Round 2 / Pick 32"), 1);
    int nId = 0;
    EXPECT_TRUE(Get_Fantasy_Overall_Pick_Player(FIXTURE_TEAM_COUNT, &nId));
    EXPECT_EQ(nId, Get_Fantasy_Draft_Pick_Player(1, 0));
    EXPECT_FALSE(Get_Fantasy_Overall_Pick_Player(2 * FIXTURE_TEAM_COUNT - 1, &nId));
    EXPECT_EQ(nId, 0);

    // An already drafted player is refused.
    Record_Fantasy_Draft_Pick(LAST_TEAM, 0, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_Fantasy_Draft_Place(), LAST_TEAM);

    std::vector<std::string> lines = Read_Pick_File();
    ASSERT_EQ((int)lines.size(), 2 * FIXTURE_TEAM_COUNT);
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(LAST_TEAM, szLabel, sizeof szLabel);
    char szStart[TEAM_LABEL_SIZE + 8];
    Format_String(szStart, sizeof szStart, "%3d. %-25s", FIXTURE_TEAM_COUNT + 1, szLabel);
    EXPECT_EQ(lines[FIXTURE_TEAM_COUNT + 1].rfind(szStart, 0), 0u) << lines[FIXTURE_TEAM_COUNT + 1];

    // Past the last round the draft ends, even on a person's turn.
    Set_Fantasy_Draft_Position(65, 0);
    Next_Fantasy_Draft_Pick();
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT), FANTASY_DRAFT_OFF);
    EXPECT_EQ(Count_Boxes("Fantasy Draft Complete"), 1);
}

TEST_F(FantasyDraftTest, TheComputerDealsEveryPlayerToExactlyOneTeam) {
    std::multimap<int, int> before = Player_Rosters();
    gAllTeamsComputer = 1;
    Start_Fantasy_Draft(FANTASY_ORDER_RANDOM, FANTASY_ORDER_SNAKE);

    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT), FANTASY_DRAFT_OFF);
    std::multimap<int, int> after = Player_Rosters();
    ASSERT_EQ(after.size(), before.size());
    std::vector<int> anPlayers(FIXTURE_TEAM_COUNT);
    int nMoved = 0;
    for (const auto& [nId, nTeam] : before) {
        ASSERT_EQ(after.count(nId), 1u) << "player " << nId;
        int nNewTeam = after.find(nId)->second;
        ASSERT_LT(nNewTeam, FIXTURE_TEAM_COUNT) << "player " << nId << " was not drafted";
        anPlayers[nNewTeam]++;
        nMoved += nNewTeam != nTeam;
    }
    EXPECT_GT(nMoved, (int)before.size() / 2);
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
        EXPECT_GE(anPlayers[nTeam], (int)before.size() / FIXTURE_TEAM_COUNT) << nTeam;
        EXPECT_LE(anPlayers[nTeam], (int)before.size() / FIXTURE_TEAM_COUNT + 1) << nTeam;
    }
    EXPECT_EQ((int)Read_Pick_File().size(), (int)before.size() + 1);
    for (const auto& [nId, nTeam] : after) {
        int nFoundTeam, nSlot;
        ASSERT_TRUE(Find_Player_ID_Split(&nFoundTeam, &nSlot, nId));
        EXPECT_EQ(Get_Player_Vital_Stat(nFoundTeam, nSlot, VITAL_DRAFTED_TO), NO_TEAM);
    }
}

// The dialog's first row puts the human team last; the computer's picks before it are announced
// until the user cancels, and aborting the draft moves nobody.
TEST_F(FantasyDraftTest, CancelStopsAnnouncementsAndAbortMovesNobody) {
    for (int nPlace = 0; nPlace < FIXTURE_TEAM_COUNT; nPlace++)
        Set_Fantasy_Order_Team(0, nPlace, LAST_TEAM - nPlace);
    std::multimap<int, int> before = Player_Rosters();
    Set_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS, 1);
    Test_Answer_Message_Box_With_Caption("Round 1 / Pick 2", IDCANCEL);
    Start_Fantasy_Draft(0, FANTASY_ORDER_REPEATED);

    EXPECT_EQ(Order_Row(0), Team_Numbers(true));
    EXPECT_EQ(Get_Fantasy_Draft_Place(), LAST_TEAM);
    EXPECT_EQ(Count_Boxes("Round 1 / Pick 1"), 1);
    EXPECT_EQ(Count_Boxes("Round 1 / Pick 2"), 1);
    EXPECT_EQ(Count_Boxes("Round 1 / Pick 3"), 0);
    EXPECT_EQ(Count_Boxes("Round 1 / Pick 32"), 1);  // the person's turn
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS), 0);

    Test_Answer_Message_Box_With_Caption("End Fantasy Draft", IDNO);
    End_Fantasy_Draft_Command();
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT), FANTASY_DRAFT_UNDER_WAY);

    Test_Answer_Message_Box_With_Caption("End Fantasy Draft", IDCANCEL);
    End_Fantasy_Draft_Command();
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT), FANTASY_DRAFT_OFF);
    EXPECT_EQ(Player_Rosters(), before);
    for (const auto& [nId, nTeam] : before) {
        int nFoundTeam, nSlot;
        ASSERT_TRUE(Find_Player_ID_Split(&nFoundTeam, &nSlot, nId));
        EXPECT_EQ(Get_Player_Vital_Stat(nFoundTeam, nSlot, VITAL_DRAFTED_TO), NO_TEAM);
    }
}

TEST_F(FantasyDraftTest, NeedsFallAsAPositionFills) {
    Start_Fantasy_Draft(FANTASY_ORDER_TEAM_NUMBERS, FANTASY_ORDER_REPEATED);
    int anNeeds[POSITION_COUNT];
    Get_Fantasy_Position_Needs(FIXTURE_HUMAN_TEAM, anNeeds);
    EXPECT_EQ(anNeeds[0], 1200);
    EXPECT_EQ(anNeeds[12], 900);
    // The fixture's QBs are its first slots.
    for (int nTeam = 1; nTeam <= 3; nTeam++)
        Set_Player_Vital_Stat(nTeam, 0, VITAL_DRAFTED_TO, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Count_Team_Draftees_At_Position(FIXTURE_HUMAN_TEAM, 0), 3);
    Get_Fantasy_Position_Needs(FIXTURE_HUMAN_TEAM, anNeeds);
    EXPECT_EQ(anNeeds[0], 0);
    Set_Player_Vital_Stat(4, 0, VITAL_DRAFTED_TO, FIXTURE_HUMAN_TEAM);
    Get_Fantasy_Position_Needs(FIXTURE_HUMAN_TEAM, anNeeds);
    EXPECT_EQ(anNeeds[0], 0);
    End_Fantasy_Draft();
}
