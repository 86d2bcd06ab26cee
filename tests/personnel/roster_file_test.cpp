// Outside names and the draft hand-over: teams by abbreviation, label and name; players by
// name; the roster listing; moving drafted players to their new teams.
#include <gtest/gtest.h>

#include <string.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"

#define CLEARFIELD 6  // abbreviation "CLE"
#define TEAM_A 4
#define TEAM_B 5
#define TEAM_C 9
#define FIRST_DEFENDER_SLOT 28  // fixture rosters: offence in slots 0..27
#define FIRST_KICKER_SLOT 51

class RosterFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        memset(gRecentErrors, 0, sizeof gRecentErrors);
        Test_Clear_Debug_Output();
    }

    static void Name_Player(int nTeam, int nSlot, const char* szFirst, const char* szLast) {
        Set_Player_First_Name(nTeam, nSlot, szFirst);
        Set_Player_Last_Name(nTeam, nSlot, szLast);
    }

    static std::string Read_File(const char* szPath) {
        std::ifstream file(szPath);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    static std::vector<std::string> Read_Lines(const char* szPath) {
        std::vector<std::string> lines;
        std::ifstream file(szPath);
        std::string line;
        while (std::getline(file, line))
            lines.push_back(line);
        return lines;
    }

    // Every player of the league, the free agents and the draft pool, by id.
    static std::vector<int> All_Player_Ids() {
        std::vector<int> ids;
        for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++)
            for (int nSlot = 0; Is_Valid_Team(nTeam) && nSlot < PLAYERS_PER_TEAM; nSlot++)
                if (Is_Player_Slot_Used(nTeam, nSlot))
                    ids.push_back(Get_Player_ID(nTeam, nSlot));
        return ids;
    }

    // Nobody is lost; the depth charts set after the hand-over may add players to thin positions.
    static void Expect_Nobody_Lost(const std::vector<int>& ids) {
        for (int nId : ids) {
            int nTeam = NO_TEAM, nSlot = NO_PLAYER;
            EXPECT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nId)) << "player " << nId;
        }
    }

    static int Count_All_Players() {
        int nCount = 0;
        for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++)
            if (Is_Valid_Team(nTeam))
                nCount += Find_Free_Player_Slot(nTeam);
        return nCount;
    }

    static void Keep_Everyone_In_Place() {
        Clear_Draft_Destinations();
        for (int nTeam = 0; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++)
            for (int nSlot = 0; Is_Valid_Team(nTeam) && nSlot < PLAYERS_PER_TEAM; nSlot++)
                if (Is_Player_Slot_Used(nTeam, nSlot))
                    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO, nTeam);
    }

    static void Fill_Roster(int nTeam) {
        for (int nSlot = FIXTURE_ROSTER_SIZE; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            Copy_Player(nTeam, nSlot, nTeam, nSlot % FIXTURE_ROSTER_SIZE);
            Set_Player_ID(nTeam, nSlot, 900000 + nTeam * 100 + nSlot);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO, nTeam);
        }
        Rebuild_Player_ID_Hash();
    }

    static void Where_Is(int nId, int* pTeam, int* pSlot) {
        ASSERT_TRUE(Find_Player_ID_Split(pTeam, pSlot, nId)) << nId;
    }

    static int Count_Failure_Boxes() {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            if (shown.nKind == TEST_SHOWN_MESSAGE_BOX &&
                shown.stText == "Unable to move all players to intended destination")
                nCount++;
        return nCount;
    }
};

// ---- teams -------------------------------------------------------------------------------------

TEST_F(RosterFileTest, TeamsByAbbreviation) {
    Set_Team_String(TEAM_A, TEAM_ABBREVIATION, "SF");
    struct {
        const char* szText;
        int nTeam;
    } cases[] = {
        {"fa", FREE_AGENT_TEAM},
        {"FA", FREE_AGENT_TEAM},
        {"FREE", NO_TEAM},  // not a spelling of the free agents
        {"ASH", 1},
        {"ash", NO_TEAM},  // the league's own abbreviations are compared exactly
        {"SFO", TEAM_A},   // a former abbreviation of a team the league has
        {"sfo", TEAM_A},
        {"BAL", CLEARFIELD},  // the current abbreviation of a pair finds the former one
        {"CLV", CLEARFIELD},
        {"BOS", OTHER_LEAGUE_TEAM},  // no "NE" in the league: another league's team
        {"MIA", OTHER_LEAGUE_TEAM},
        {"", NO_TEAM},
        {"ASHFO", NO_TEAM},
        {"XYZ", NO_TEAM},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get_Team_From_Abbreviation(c.szText, 0), c.nTeam) << c.szText;
    EXPECT_STREQ(gRecentErrors, "");

    Set_Team_String(TEAM_B, TEAM_ABBREVIATION, "NE");
    EXPECT_EQ(Get_Team_From_Abbreviation("BOS", 0), TEAM_B);

    EXPECT_EQ(Get_Team_From_Abbreviation("XYZ", 1), NO_TEAM);
    EXPECT_NE(strstr(gRecentErrors, "Unrecognized Team Abbreviation: XYZ"), nullptr);
}

TEST_F(RosterFileTest, TeamsByLabelNameAndNickname) {
    Set_Team_String(TEAM_A, TEAM_NICKNAME, "Cardinals");
    Set_Team_String(TEAM_B, TEAM_NICKNAME, "Giants");
    Set_Team_String(TEAM_C, TEAM_NICKNAME, "Football Team");
    Set_Team_String(CLEARFIELD, TEAM_NICKNAME, "Titans");
    struct {
        const char* szText;
        int nTeam;
    } cases[] = {
        {"ashford foxes", 1},  // the label, ignoring case
        {"Ashford,Foxes", 1},
        {"Old Town Foxes", 1},  // the third word is the nickname
        {"Arizona Cardinals", TEAM_A},
        {"New York Giants", TEAM_B},
        {"Washington Football Team", TEAM_C},
        {"Washington", TEAM_C},
        {"Free Agents", FREE_AGENT_TEAM},
        {"RETIRED", RETIRED_TEAM},
        {"Ashford Gulls", NO_TEAM},
        {"", NO_TEAM},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Get_Team_From_Name(c.szText), c.nTeam) << c.szText;

    EXPECT_EQ(Get_Team_From_Label("Ashford Foxes"), 1);
    EXPECT_EQ(Get_Team_From_Label("Foxes"), NO_TEAM);

    EXPECT_EQ(Get_Team_From_Historic_Name("Washington Redskins"), TEAM_C);
    EXPECT_EQ(Get_Team_From_Historic_Name("houston oilers"), CLEARFIELD);
    EXPECT_EQ(Get_Team_From_Text("Oilers"), CLEARFIELD);
    EXPECT_EQ(Get_Team_From_Text("ASH"), 1);
    EXPECT_EQ(Get_Team_From_Text("MIA"), OTHER_LEAGUE_TEAM);
    EXPECT_EQ(Test_Get_Debug_Output().find("Unrecognized"), std::string::npos);
    EXPECT_EQ(Get_Team_From_Text("Seattle Gulls"), NO_TEAM);
    std::string stLine =
        "Unrecognized Team Name: Seattle Gulls (" + std::to_string(Get_Current_Season_Year()) + ")";
    EXPECT_NE(Test_Get_Debug_Output().find(stLine), std::string::npos);

    EXPECT_EQ(Find_Team_By_Nickname("giants"), TEAM_B);
    EXPECT_EQ(Find_Team_By_Nickname("Gulls"), 0);
}

// ---- players -----------------------------------------------------------------------------------

TEST_F(RosterFileTest, PlayerByNamePrefersPositionTeamAndSide) {
    // Three carriers of one name: a quarterback of team A, a quarterback of team B and a
    // linebacker of team C.
    Name_Player(TEAM_A, 0, "Sam", "Doe");
    Name_Player(TEAM_B, 1, "Sam", "Doe");
    Name_Player(TEAM_C, FIRST_DEFENDER_SLOT + 8, "Sam", "Doe");
    ASSERT_EQ(Get_Player_Vital_Stat(TEAM_C, FIRST_DEFENDER_SLOT + 8, VITAL_POSITION), POS_LB);

    int nTeam, nSlot;
    EXPECT_TRUE(Find_Player_By_Name(&nTeam, &nSlot, "SAM doe", TEAM_B, POS_QB));
    EXPECT_EQ(nTeam, TEAM_B);
    EXPECT_EQ(nSlot, 1);
    EXPECT_TRUE(Find_Player_By_Name(&nTeam, &nSlot, "*Sam Doe", NO_TEAM, POS_LB));
    EXPECT_EQ(nTeam, TEAM_C);
    // A centre is sought: the quarterbacks are further from it by number than the linebacker,
    // but on its side of the ball.
    EXPECT_TRUE(Find_Player_By_Name_Split(&nTeam, &nSlot, "Sam Doe", POS_C));
    EXPECT_NE(nTeam, TEAM_C);

    PLAYER_REF nRef;
    EXPECT_TRUE(Find_Player_By_Name_Packed(&nRef, "Sam Doe", POS_LB));
    EXPECT_EQ(nRef, Pack_Player_Ref(TEAM_C, FIRST_DEFENDER_SLOT + 8));

    for (const char* szName : {"", "Sam Dough"}) {
        EXPECT_FALSE(Find_Player_By_Name(&nTeam, &nSlot, szName, NO_TEAM, POS_QB)) << szName;
        EXPECT_EQ(nTeam, NO_TEAM);
        EXPECT_EQ(nSlot, NO_SLOT_BYTE);
    }
}

TEST_F(RosterFileTest, RosterNamesMatchOnceOrAreReported) {
    Name_Player(TEAM_A, 3, "T.J.", "Doe");
    Name_Player(TEAM_B, 4, "Al", "St. Vale");
    Name_Player(TEAM_C, 5, "Jermaine", "Roe");
    Name_Player(TEAM_A, 6, "Max", "Twin");
    Name_Player(FREE_AGENT_TEAM, 2, "Max", "Twin");
    struct {
        const char* szName;
        int nTeam;
        int nSlot;
    } found[] = {
        {"T.J. Doe", TEAM_A, 3},   {"T.j. DOE", TEAM_A, 3},     {"TJ Doe", TEAM_A, 3},
        {"Al St Vale", TEAM_B, 4}, {"-Al St. Vale", TEAM_B, 4}, {"Jermain Roe", TEAM_C, 5},
    };
    for (const auto& c : found) {
        int nTeam, nSlot;
        EXPECT_TRUE(Match_Roster_Player(&nTeam, &nSlot, c.szName)) << c.szName;
        EXPECT_EQ(nTeam, c.nTeam) << c.szName;
        EXPECT_EQ(nSlot, c.nSlot) << c.szName;
        EXPECT_TRUE(Find_Roster_Player_Slot(&nTeam, &nSlot, c.szName)) << c.szName;
    }

    int nTeam, nSlot;
    EXPECT_FALSE(Match_Roster_Player(&nTeam, &nSlot, "Max Twin"));
    EXPECT_FALSE(Match_Roster_Player(&nTeam, &nSlot, "Nobody Known"));
    EXPECT_FALSE(Find_Roster_Player_Slot(&nTeam, &nSlot, "Nobody Else"));
    EXPECT_EQ(nTeam, NO_TEAM);
    EXPECT_EQ(Read_File("Output/roster-doubles.txt"), "Max Twin (2)\n");
    EXPECT_EQ(Read_File("Output/roster-unknowns.txt"), "Nobody Known\nNobody Else\n");
}

// ---- the roster listing ------------------------------------------------------------------------

TEST_F(RosterFileTest, RosterListingHoldsEveryTeamThenTheFreeAgents) {
    Set_Team_String(0, TEAM_CITY, "alder Creek");
    Set_Team_String(1, TEAM_CITY, "49 Mile");
    Set_Team_Stat(2, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    ASSERT_TRUE(Write_Rosters_Text_File());
    ASSERT_TRUE(Write_Rosters_Text_File());  // rewritten whole, not appended

    std::vector<std::string> lines = Read_Lines("Output/rosters.txt");
    const int nBlock = FIXTURE_ROSTER_SIZE + 2;
    int nTeams = Count_Active_Teams();
    ASSERT_EQ((int)lines.size(), nTeams * nBlock + 1 + FIXTURE_FREE_AGENT_COUNT);
    EXPECT_EQ(lines[0], "Alder Creek Comets");
    EXPECT_EQ(lines[nBlock], "49 Mile Foxes");
    EXPECT_EQ(lines[2 * nBlock], "Brightwater Hawks");  // team 2 is not in use
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
        char szName[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(1, nSlot, szName, sizeof szName);
        EXPECT_EQ(lines[nBlock + 1 + nSlot], szName);
    }
    EXPECT_EQ(lines[2 * nBlock - 1], "");
    EXPECT_EQ(lines[nTeams * nBlock], "FREE AGENTS");
    char szLast[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(FREE_AGENT_TEAM, FIXTURE_FREE_AGENT_COUNT - 1, szLast, sizeof szLast);
    EXPECT_EQ(lines.back(), szLast);
    EXPECT_EQ(Read_File("Output/rosters.txt").back(), '\n');

    // Every name of the listing is found again as one player.
    for (int n = 1; n <= FIXTURE_ROSTER_SIZE; n++) {
        int nTeam, nSlot;
        EXPECT_TRUE(Find_Roster_Player_Slot(&nTeam, &nSlot, lines[nBlock + n].c_str()));
        EXPECT_EQ(nTeam, 1);
        EXPECT_EQ(nSlot, n - 1);
    }
}

TEST_F(RosterFileTest, UnwritableRosterListingFailsWithALogLine) {
    std::ofstream("Output") << "a file where the folder should be";
    EXPECT_FALSE(Write_Rosters_Text_File());
    EXPECT_NE(Test_Get_Debug_Output().find("rosters.txt"), std::string::npos);
}

// ---- moving players ----------------------------------------------------------------------------

TEST_F(RosterFileTest, MovedPlayerJoinsTheEndOfHisUnit) {
    int nDefender = Get_Player_ID(TEAM_A, FIRST_DEFENDER_SLOT);
    int nKicker = Get_Player_ID(TEAM_A, FIRST_KICKER_SLOT);
    EXPECT_EQ(Move_Player_To_Team(TEAM_A, TEAM_A, 7), 7);
    EXPECT_EQ(Move_Player_To_Team(TEAM_B, TEAM_A, FIRST_DEFENDER_SLOT), FIRST_KICKER_SLOT);
    EXPECT_EQ(Move_Player_To_Team(TEAM_B, TEAM_A, FIRST_KICKER_SLOT - 1), FIXTURE_ROSTER_SIZE + 1);
    EXPECT_EQ(Get_Player_ID(TEAM_B, FIRST_KICKER_SLOT), nDefender);
    EXPECT_EQ(Get_Player_ID(TEAM_B, FIXTURE_ROSTER_SIZE + 1), nKicker);
    EXPECT_EQ(Find_Free_Player_Slot(TEAM_A), FIXTURE_ROSTER_SIZE - 2);
    EXPECT_EQ(Find_Free_Player_Slot(TEAM_B), FIXTURE_ROSTER_SIZE + 2);

    Fill_Roster(TEAM_C);
    EXPECT_EQ(Move_Player_To_Team(TEAM_C, TEAM_A, 0), NO_SLOT_BYTE);
    EXPECT_EQ(Find_Free_Player_Slot(TEAM_A), FIXTURE_ROSTER_SIZE - 2);
}

TEST_F(RosterFileTest, HandOverMovesDraftedPlayersAndReleasesTheUndrafted) {
    Keep_Everyone_In_Place();
    std::vector<int> ids = All_Player_Ids();
    int nDrafted = Get_Player_ID(TEAM_A, 0);
    int nFreeAgent = Get_Player_ID(FREE_AGENT_TEAM, 1);
    int nUndrafted = Get_Player_ID(TEAM_B, 2);
    Set_Player_Vital_Stat(TEAM_A, 0, VITAL_DRAFTED_TO, TEAM_B);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_DRAFTED_TO, TEAM_A);
    Set_Player_Vital_Stat(TEAM_B, 2, VITAL_DRAFTED_TO, NO_TEAM);

    EXPECT_TRUE(Implement_Draft_Teams());
    Expect_Nobody_Lost(ids);
    EXPECT_TRUE(All_Players_At_Destination());
    EXPECT_EQ(Count_Failure_Boxes(), 0);
    int nTeam, nSlot;
    Where_Is(nDrafted, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, TEAM_B);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_MOVED), 1);
    EXPECT_EQ(Get_Season_Line_Team(Get_Player_Season_Line_Cache(nTeam, nSlot)), TEAM_B);
    EXPECT_EQ(Get_Season_Line_Year(Get_Player_Season_Line_Cache(nTeam, nSlot)), Get_Season_Year());
    Where_Is(nFreeAgent, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, TEAM_A);
    Where_Is(nUndrafted, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Find_Free_Player_Slot(TEAM_A), FIXTURE_ROSTER_SIZE);
    EXPECT_EQ(Find_Free_Player_Slot(TEAM_B), FIXTURE_ROSTER_SIZE);
}

TEST_F(RosterFileTest, HandOverWaitsForRoomOnAFullRoster) {
    Keep_Everyone_In_Place();
    Fill_Roster(TEAM_B);
    std::vector<int> ids = All_Player_Ids();
    // Team A's player is walked first and finds team B full; team B's player leaves later in
    // the same pass, so the next pass has room.
    int nIncoming = Get_Player_ID(TEAM_A, 3);
    int nOutgoing = Get_Player_ID(TEAM_B, 3);
    Set_Player_Vital_Stat(TEAM_A, 3, VITAL_DRAFTED_TO, TEAM_B);
    Set_Player_Vital_Stat(TEAM_B, 3, VITAL_DRAFTED_TO, TEAM_A);

    EXPECT_TRUE(Implement_Draft_Teams());
    int nTeam, nSlot;
    Where_Is(nIncoming, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, TEAM_B);
    Where_Is(nOutgoing, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, TEAM_A);
    Expect_Nobody_Lost(ids);
}

TEST_F(RosterFileTest, HandOverThatCannotPlaceEveryoneKeepsThemAndSaysSo) {
    Keep_Everyone_In_Place();
    Fill_Roster(TEAM_B);
    int nTotal = Count_All_Players();
    int nStuck = Get_Player_ID(TEAM_A, 3);
    int nStuckFreeAgent = Get_Player_ID(FREE_AGENT_TEAM, 0);
    Set_Player_Vital_Stat(TEAM_A, 3, VITAL_DRAFTED_TO, TEAM_B);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_DRAFTED_TO, TEAM_B);

    EXPECT_FALSE(Implement_Draft_Teams());
    EXPECT_EQ(Count_Failure_Boxes(), 1);
    EXPECT_EQ(Count_All_Players(), nTotal);
    int nTeam, nSlot;
    Where_Is(nStuck, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, TEAM_A);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO), TEAM_B);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_MOVED), 0);

    // Only a free agent still waits: the league teams are all at their destinations, yet the
    // hand-over does not call that a success.
    Set_Player_Vital_Stat(TEAM_A, 3, VITAL_DRAFTED_TO, TEAM_A);
    Test_Clear_Transcript();
    EXPECT_FALSE(Implement_Draft_Teams());
    EXPECT_TRUE(All_Players_At_Destination());
    Where_Is(nStuckFreeAgent, &nTeam, &nSlot);
    EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(Count_Failure_Boxes(), 1);
}

TEST_F(RosterFileTest, ClearingDestinationsResetsEveryRoster) {
    Set_Player_Vital_Stat(TEAM_A, 0, VITAL_DRAFTED_TO, TEAM_B);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_DRAFT_MOVED, 1);
    Clear_Draft_Destinations();
    EXPECT_EQ(Get_Player_Vital_Stat(TEAM_A, 0, VITAL_DRAFTED_TO), NO_TEAM);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_DRAFT_MOVED), 0);
}

TEST_F(RosterFileTest, LastNameListIsRebuiltFromTheRawList) {
    std::filesystem::create_directories("names");
    EXPECT_FALSE(Rebuild_Last_Names_File());
    ASSERT_FALSE(Test_Get_Transcript().empty());
    EXPECT_EQ(Test_Get_Transcript().back().stText, "Can't find/open RAWLAST.TXT");

    std::ofstream("names/rawlast.txt") << "SMITH 1.006 2,501,922\nO'Neil\n\nVan Dyke\n";
    std::ofstream("names/last.txt") << "old list\n";
    EXPECT_TRUE(Rebuild_Last_Names_File());
    EXPECT_EQ(Read_File("names/last.txt"), "smith\no'neil\n\nvan\n");
    EXPECT_EQ(Test_Get_Transcript().back().stText, "'RAWLAST.TXT' processed.");
}
