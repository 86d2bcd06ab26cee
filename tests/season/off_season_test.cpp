// The off-season hand-over on the fixture league: every player takes exactly one yearly step,
// the players the teams let go included.
#include <map>
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

}  // namespace
