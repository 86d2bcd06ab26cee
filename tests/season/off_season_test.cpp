// The off-season hand-over on the fixture league: every player takes exactly one yearly step,
// the players the teams let go included.
#include <map>
#include <string>
#include <vector>

#include "season_test_fixture.h"

namespace {

class OffSeasonTest : public SeasonTest {};

// The person's team is in debt, so its expiring contracts cannot be discussed and those players
// go to the free agents. The free agents take their step before the teams, so these players are
// not advanced a second time as free agents.
TEST_F(OffSeasonTest, EveryPlayerAdvancesOneYear) {
    gOwnerMode = 1;
    const int kTeam = FIXTURE_HUMAN_TEAM;
    Set_Team_Financial_Stat(kTeam, FIN_CASH, -5000);
    for (int nSlot = 20; nSlot < 25; nSlot++)
        Set_Player_Vital_Stat(kTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, 1);
    std::map<int, int> experience;  // player id -> experience before
    std::vector<int> released;
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nId = Get_Player_ID(nTeam, nSlot);
            experience[nId] = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
            if (nTeam == kTeam && nSlot >= 20 && nSlot < 25)
                released.push_back(nId);
        }
    }
    Test_Answer_Message_Box_With_Caption("Begin College Draft?", IDNO);

    Process_Off_Season();

    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            auto before = experience.find(Get_Player_ID(nTeam, nSlot));
            if (!Is_Player_Slot_Used(nTeam, nSlot) || before == experience.end() ||
                before->second < 1)
                continue;  // a new player, or one whose first year depends on his games
            EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE),
                      Min_Int(before->second + 1, 30))
                << "team " << nTeam << " player " << before->first;
        }
    }
    for (int nId : released) {
        int nTeam, nSlot;
        ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nId));
        EXPECT_EQ(nTeam, FREE_AGENT_TEAM) << "player " << nId;
    }
}

// The advance that finds the season over runs the hand-over and keeps the game under its own
// name, which follows the seasons while it is the default one.
TEST_F(OffSeasonTest, TheOffSeasonSavesTheGameUnderItsName) {
    for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
        gPostseasonWeeks[n] = 18 + n;
    gCurrentWeek = gPostseasonWeeks[POSTSEASON_WEEK_COUNT - 1] + 1;
    Set_Playoff_Team(28, FIXTURE_HUMAN_TEAM);  // the champions of both leagues and of the final
    Set_Playoff_Team(29, 5);
    Set_Playoff_Team(30, FIXTURE_HUMAN_TEAM);
    ASSERT_TRUE(Is_Season_Complete());
    gUserTeam = FIXTURE_HUMAN_TEAM;
    char szName[256];
    Format_Saved_Game_Description(szName, sizeof szName);
    Set_Saved_Game_Name(szName);
    Test_Answer_Message_Box_With_Caption("Begin College Draft?", IDNO);

    Advance_Weeks(1);

    ASSERT_EQ(gSeasonNumber, 1);
    char szGrown[256];
    Format_Saved_Game_Description(szGrown, sizeof szGrown);
    Get_Saved_Game_Name(szName, sizeof szName);
    EXPECT_STREQ(szName, szGrown);
    EXPECT_NE(strchr(szName, '-'), nullptr) << szName;  // "(first-second)"
    EXPECT_TRUE(File_Exists((std::string(szName) + ".vnt").c_str()));
}

}  // namespace
