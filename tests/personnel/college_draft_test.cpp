// The college draft on the fixture league: the order from the season's results, traded and
// unmade picks, a person's pick, seven rounds with every pick legal, the log file, the
// computer's choice, and an empty pool.
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "new_player_test_support.h"
#include "season/season.h"

#define DRAFT_YEAR TEST_SEASON_YEAR
#define WORST_TEAM 7
#define SECOND_WORST_TEAM 3
#define CHAMPION_TEAM 5
#define SEMI_FINAL_TEAM 10
#define GOOD_MISSED_TEAM 9
#define PICK_BUYER 12
#define CHAMPION_SLOT 30
#define SECOND_ROUND_SLOT 16

class CollegeDraftTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        Set_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_CONTROL, CONTROL_COMPUTER);
        Fill_Draft_Pool();
        Grade_Draft_Pool();
        Load_Draft_Strategy();
        Reset_Draft_Pick_Ownership();
        memset(gDraftPickLog, 0, sizeof gDraftPickLog);
        Play_Last_Season();
        Test_Clear_Transcript();
    }

    // The season just played: 8-8 everywhere but a few teams, places by team number; the
    // champion and a second-round team in the bracket.
    static void Play_Last_Season() {
        int nSeason = Get_Current_Season_Index();
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
            int nWins = 8;
            if (nTeam == WORST_TEAM)
                nWins = 1;
            else if (nTeam == SECOND_WORST_TEAM)
                nWins = 2;
            else if (nTeam == CHAMPION_TEAM || nTeam == SEMI_FINAL_TEAM ||
                     nTeam == GOOD_MISSED_TEAM)
                nWins = 12;
            Set_Team_Yearly_Char(nTeam, nSeason, YEARLY_WINS, nWins);
            Set_Team_Yearly_Char(nTeam, nSeason, YEARLY_LOSSES, 16 - nWins);
            Set_Team_Yearly_Int(nTeam, nSeason, YEARLY_LEAGUE_PLACE, nTeam);
        }
        Clear_Playoff_Bracket();
        gPlayoffSlots[0] = CHAMPION_TEAM;
        gPlayoffSlots[1] = SEMI_FINAL_TEAM;
        gPlayoffSlots[SECOND_ROUND_SLOT] = SEMI_FINAL_TEAM;
        gPlayoffSlots[CHAMPION_SLOT] = CHAMPION_TEAM;
    }

    static void Start_Draft() {
        Compute_Draft_Order();
        gDraftRound = 0;
        gDraftPick = 0;
        Start_College_Draft_File();
    }

    static std::vector<std::string> Read_Draft_File() {
        std::vector<std::string> lines;
        std::ifstream file("Output/College-Draft-" + std::to_string(DRAFT_YEAR) + ".txt");
        for (std::string stLine; std::getline(file, stLine);)
            lines.push_back(stLine);
        return lines;
    }

    static std::vector<std::string> Message_Box_Texts() {
        std::vector<std::string> texts;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            if (shown.nKind == TEST_SHOWN_MESSAGE_BOX)
                texts.push_back(shown.stCaption + "|" + shown.stText);
        return texts;
    }

    // A drafted player's pick: his team and his overall number, by the draft-pick code.
    struct DRAFTED {
        int nTeam;
        int nRound;
        int nPlace;
        int nSalary;
    };
    static std::vector<DRAFTED> Find_Drafted(int nOverall) {
        std::vector<DRAFTED> found;
        for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                int nCode = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
                if (Is_Player_Slot_Used(nTeam, nSlot) && nCode % 1000 == nOverall &&
                    Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD) % 10000 == DRAFT_YEAR)
                    found.push_back({nTeam, nCode / 100000 - 1, nCode / 1000 % 100 - 1,
                                     Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY)});
            }
        }
        return found;
    }
};

// Teams out of the playoffs pick first, worst record first and then worse place; the playoff
// teams follow by how far they went; the first 2021 season has its fixed order.
TEST_F(CollegeDraftTest, OrderComesFromTheSeasonJustPlayed) {
    Compute_Draft_Order();
    std::vector<int> expected = {WORST_TEAM, SECOND_WORST_TEAM};
    for (int nTeam = FIXTURE_TEAM_COUNT - 1; nTeam >= 0; nTeam--) {
        if (nTeam != WORST_TEAM && nTeam != SECOND_WORST_TEAM && nTeam != CHAMPION_TEAM &&
            nTeam != SEMI_FINAL_TEAM && nTeam != GOOD_MISSED_TEAM)
            expected.push_back(nTeam);
    }
    expected.insert(expected.end(), {GOOD_MISSED_TEAM, SEMI_FINAL_TEAM, CHAMPION_TEAM});
    std::vector<int> order(gDraftOrder, gDraftOrder + FIXTURE_TEAM_COUNT);
    EXPECT_EQ(order, expected);
    EXPECT_EQ(Get_Team_Draft_Position(CHAMPION_TEAM), FIXTURE_TEAM_COUNT - 1);
    EXPECT_EQ(Get_Team_Draft_Position(FIXTURE_TEAM_COUNT + 1), FIXTURE_TEAM_COUNT);  // not in use

    gSeasonNumber = 0;
    gCurrentWeek = -40;
    Compute_Draft_Order();
    EXPECT_EQ(gDraftOrder[0], FIXED_DRAFT_ORDER_2021[0]);
    EXPECT_EQ(gDraftOrder[FIXED_DRAFT_ORDER_TEAMS - 1], FIXED_DRAFT_ORDER_2021[31]);
}

// The projected order: the standings place behind how far a team finished, the champion last.
TEST_F(CollegeDraftTest, ProjectedOrderPutsTheFinishersLast) {
    int nSeason = Get_Current_Season_Index();
    Set_Team_Yearly_Int(GOOD_MISSED_TEAM, nSeason, YEARLY_FINISH, 4);
    Set_Team_Yearly_Int(SEMI_FINAL_TEAM, nSeason, YEARLY_FINISH, 7);
    Set_Team_Yearly_Int(CHAMPION_TEAM, nSeason, YEARLY_FINISH, 8);
    EXPECT_EQ(Get_Team_Projected_Draft_Position(CHAMPION_TEAM), FIXTURE_TEAM_COUNT - 1);
    std::vector<int> expected;
    for (int nTeam = FIXTURE_TEAM_COUNT - 1; nTeam >= 0; nTeam--) {
        if (nTeam != CHAMPION_TEAM && nTeam != SEMI_FINAL_TEAM && nTeam != GOOD_MISSED_TEAM)
            expected.push_back(nTeam);
    }
    expected.insert(expected.end(), {GOOD_MISSED_TEAM, SEMI_FINAL_TEAM, CHAMPION_TEAM});
    EXPECT_EQ(std::vector<int>(gDraftOrder, gDraftOrder + FIXTURE_TEAM_COUNT), expected);
}

// Seven rounds of 32 picks: each made by the pick's owner at the issuing team's place, a traded
// pick by its buyer, an unmade pick logged for its team; the log file holds every pick; the last
// pick sets up the next season.
TEST_F(CollegeDraftTest, SevenRoundsOfLegalPicksAreLoggedAndOpenTheNextSeason) {
    Set_Draft_Pick_Owner(0, 0, WORST_TEAM, PICK_BUYER);
    Set_Draft_Pick_Owner(0, 1, SECOND_WORST_TEAM, SECOND_WORST_TEAM + 128);
    Set_Draft_Pick_Owner(1, 2, WORST_TEAM, PICK_BUYER);  // next year's, moves up a year
    uint8_t aaOwners[DRAFT_ROUNDS][DRAFT_COLUMNS];
    memcpy(aaOwners, gDraftPickOwners[0], sizeof aaOwners);
    int anBefore[FIXTURE_TEAM_COUNT];
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        anBefore[nTeam] = Find_Free_Player_Slot(nTeam);
    int nPool = Count_Draft_Pool_Players();
    // The rookie salary of each pick on this year's money, before the next season raises the cap.
    int aanRookieSalaries[DRAFT_ROUNDS][FIXTURE_TEAM_COUNT];
    for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
        for (int nPlace = 0; nPlace < FIXTURE_TEAM_COUNT; nPlace++)
            aanRookieSalaries[nRound][nPlace] = Get_Rookie_Salary(nRound, nPlace);
    std::vector<int> prospects;
    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                prospects.push_back(Get_Player_ID(nTeam, nSlot));
        }
    }
    // The computer's roster upkeep of the next season's set-up moves nobody in Commissioner Mode,
    // so every drafted player is still where his pick put him.
    Set_Commissioner_Mode(1);

    Start_Draft();
    std::vector<int> order(gDraftOrder, gDraftOrder + FIXTURE_TEAM_COUNT);
    Run_College_Draft();

    EXPECT_FALSE(Is_College_Draft_On());
    EXPECT_EQ(gCurrentWeek, 0);  // the next season has started
    const int nPicks = DRAFT_ROUNDS * FIXTURE_TEAM_COUNT;
    int anDrafted[FIXTURE_TEAM_COUNT] = {};
    for (int nOverall = 1; nOverall <= nPicks; nOverall++) {
        int nRound = (nOverall - 1) / FIXTURE_TEAM_COUNT;
        int nPlace = (nOverall - 1) % FIXTURE_TEAM_COUNT;
        int nOwner = aaOwners[nRound][order[nPlace]];
        std::vector<DRAFTED> found = Find_Drafted(nOverall);
        if (nOwner >= 128) {
            EXPECT_TRUE(found.empty()) << nOverall;
            EXPECT_EQ(Get_Logged_Draft_Pick_Team(DRAFT_YEAR, nOverall), nOwner - 128);
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << nOverall;
        EXPECT_EQ(found[0].nTeam, nOwner) << nOverall;
        EXPECT_EQ(found[0].nRound, nRound);
        EXPECT_EQ(found[0].nPlace, nPlace);
        EXPECT_EQ(found[0].nSalary, aanRookieSalaries[nRound][nPlace]) << nOverall;
        anDrafted[nOwner]++;
    }
    std::vector<DRAFTED> first = Find_Drafted(1);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].nTeam, PICK_BUYER);
    EXPECT_EQ(Get_Logged_Draft_Pick_Team(DRAFT_YEAR, 1), 128);
    EXPECT_EQ(anDrafted[SECOND_WORST_TEAM], DRAFT_ROUNDS - 1);
    EXPECT_EQ(anDrafted[WORST_TEAM], DRAFT_ROUNDS - 1);
    EXPECT_EQ(anDrafted[PICK_BUYER], DRAFT_ROUNDS + 1);
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        EXPECT_EQ(Find_Free_Player_Slot(nTeam), anBefore[nTeam] + anDrafted[nTeam]) << nTeam;
    EXPECT_EQ(Count_Draft_Pool_Players(), 0);  // the undrafted went to the free agents
    int nUndrafted = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        int nId = Get_Player_ID(FREE_AGENT_TEAM, nSlot);
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot) ||
            std::find(prospects.begin(), prospects.end(), nId) == prospects.end())
            continue;
        nUndrafted++;
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT), 1);
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY),
                  Get_League_Minimum_Salary(0));
    }
    EXPECT_GT(nUndrafted, 0);
    EXPECT_GE(Find_Free_Player_Slot(FREE_AGENT_TEAM),
              std::min(PLAYERS_PER_TEAM - 1, nPool - (nPicks - 1)));

    // The picks moved up a year; every team owns its own picks three drafts ahead.
    EXPECT_EQ(Get_Draft_Pick_Owner(0, 2, WORST_TEAM), PICK_BUYER);
    EXPECT_EQ(Get_Draft_Pick_Owner(2, 2, WORST_TEAM), WORST_TEAM);

    std::vector<std::string> lines = Read_Draft_File();
    ASSERT_EQ(lines.size(), 2u + 2 * DRAFT_ROUNDS + nPicks - 1);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "               " + std::to_string(DRAFT_YEAR) + " COLLEGE DRAFT");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "================= First ROUND =================");
    char szNickname[TEAM_LABEL_SIZE];
    Get_Team_String(szNickname, sizeof szNickname, PICK_BUYER, TEAM_NICKNAME);
    EXPECT_EQ(lines[4].substr(0, 17),
              " " + std::string(szNickname) + std::string(16 - strlen(szNickname), ' '));
    EXPECT_EQ(lines[4].back(), ')');
    EXPECT_EQ(lines.back().back(), ')');
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "================= Seventh ROUND ================="),
        lines.end());
    EXPECT_TRUE(Message_Box_Texts().empty());
}

// A pick owned by a person stops the computer and asks him; his pick then lets the draft go on.
TEST_F(CollegeDraftTest, APersonsPickStopsTheComputer) {
    Set_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
    Start_Draft();
    int nPlace = Get_Team_Draft_Position(FIXTURE_HUMAN_TEAM);
    Run_College_Draft();

    EXPECT_EQ(gDraftRound, 0);
    EXPECT_EQ(gDraftPick, nPlace);
    EXPECT_EQ(Get_User_Team(), FIXTURE_HUMAN_TEAM);
    std::vector<std::string> boxes = Message_Box_Texts();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, boxes[0].find('|')),
              "Round 1: Pick #" + std::to_string(nPlace + 1));
    EXPECT_NE(boxes[0].find(": Make your draft pick."), std::string::npos);

    int nBefore = Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM);
    int nPoolTeam = NO_TEAM;
    int nPoolSlot = NO_PLAYER;
    Get_Draft_Pool_Player(Count_Draft_Pool_Players() - 1, &nPoolTeam, &nPoolSlot);
    int nId = Get_Player_ID(nPoolTeam, nPoolSlot);
    Record_Draft_Pick(FIXTURE_HUMAN_TEAM, nPoolTeam, nPoolSlot);
    Advance_Draft_Pick();
    EXPECT_EQ(Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM), nBefore + 1);
    std::vector<DRAFTED> found = Find_Drafted(nPlace + 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].nTeam, FIXTURE_HUMAN_TEAM);
    int nOnTeam = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        nOnTeam += Get_Player_ID(FIXTURE_HUMAN_TEAM, nSlot) == nId;
    EXPECT_EQ(nOnTeam, 1);

    Run_College_Draft();  // on to his second-round pick
    EXPECT_EQ(gDraftRound, 1);
    EXPECT_EQ(gDraftPick, nPlace);
}

// Ending the draft from the menu lets the computer make every pick left, the person's too;
// answering No leaves the draft where it stood.
TEST_F(CollegeDraftTest, EndingTheDraftLetsTheComputerPickForEveryone) {
    Set_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
    Start_Draft();
    Run_College_Draft();
    int nPick = gDraftPick;
    Test_Answer_Message_Box_With_Caption("End College Draft?", IDNO);
    End_College_Draft_Command();
    EXPECT_EQ(gDraftRound, 0);
    EXPECT_EQ(gDraftPick, nPick);

    int nBefore = Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM);
    Test_Answer_Message_Box_With_Caption("End College Draft?", IDYES);
    End_College_Draft_Command();
    EXPECT_FALSE(Is_College_Draft_On());
    EXPECT_EQ(gCurrentWeek, 0);
    EXPECT_EQ(Find_Free_Player_Slot(FIXTURE_HUMAN_TEAM), nBefore + DRAFT_ROUNDS);
}

// Asking whether the draft runs, or counting a team's picks, never ends it; the draft's own step
// ends it on an empty pool.
TEST_F(CollegeDraftTest, AnEmptyPoolEndsTheDraftAtItsNextStep) {
    Start_Draft();
    int nAllPicks = Count_Team_Draft_Picks_Three_Years(FIXTURE_HUMAN_TEAM);
    int nMade = 0;  // the team's picks of the three rounds taken below
    for (int nRound = 0; nRound < 3; nRound++) {
        for (int nColumn = 0; nColumn < Count_Active_Teams(); nColumn++)
            nMade += Get_Draft_Pick_Owner(0, nRound, nColumn) == FIXTURE_HUMAN_TEAM;
    }
    ASSERT_GT(nMade, 0);
    gDraftRound = 3;
    Clear_Draft_Pool();
    EXPECT_TRUE(Is_College_Draft_On());
    EXPECT_EQ(Count_Team_Draft_Picks_Three_Years(FIXTURE_HUMAN_TEAM), nAllPicks - nMade);
    EXPECT_TRUE(Is_College_Draft_On());
    EXPECT_TRUE(Message_Box_Texts().empty());

    Run_College_Draft();
    EXPECT_FALSE(Is_College_Draft_On());
    EXPECT_EQ(gCurrentWeek, 0);
    std::vector<std::string> boxes = Message_Box_Texts();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("College Draft|The College Draft has ended because the draft pool "
                            "is empty."),
              std::string::npos);
}

// The need formula, and a fullback, kicker or punter of middling value passed over early.
TEST_F(CollegeDraftTest, ComputerChoiceWeighsNeedAndPassesOverEarlySpecialists) {
    // No quarterback at all: starter and backup count as 60, (0 + 6) x 70 x 1000 / 360.
    for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
        if (Get_Player_Vital_Stat(PICK_BUYER, nSlot, VITAL_POSITION) == POS_QB &&
            Is_Player_Slot_Used(PICK_BUYER, nSlot))
            Remove_Player_Slot(PICK_BUYER, nSlot);
    }
    EXPECT_EQ(Get_Draft_Position_Need(PICK_BUYER, POS_QB, 0), 1167);

    // The base of an all-40 prospect as his value moves, one below the round's mark and on it.
    struct CASE {
        int nPosition;
        int nRound;
        int nBase;
        bool bScored;
    } kCases[] = {
        {POS_K, 0, 90, false}, {POS_K, 0, 91, true},  {POS_P, 1, 82, false},
        {POS_FB, 1, 83, true}, {POS_QB, 0, 60, true},
    };
    for (const CASE& c : kCases) {
        Make_Player(TEST_POOL_TEAM, 0, c.nPosition, 30, 40.0f);
        gDraftStrategy[c.nPosition] = 0;
        int nQuarter = (int)(0.25f * Get_Checked_Overall_Rating(TEST_POOL_TEAM, 0));
        int nValue =
            2 * (c.nBase - nQuarter - (int)(0.25f * Get_Player_Potential(TEST_POOL_TEAM, 0)));
        Set_Player_Vital_Stat(TEST_POOL_TEAM, 0, VITAL_SCOUTING_SCORE, nValue);
        int nScore = Get_Draft_Prospect_Score(TEST_POOL_TEAM, 0, 0, c.nRound);
        EXPECT_EQ(nScore, c.bScored ? c.nBase * 80 : 0) << c.nPosition << " base " << c.nBase;
    }
}
