// The fixture of the database tests: a cleared league block, no recent errors, a fresh platform,
// and helpers that build a small league through the accessors.
#pragma once

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_teams.h"
#include "platform/test_api.h"

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        gCommandLineFlags = 0;
        Clear_League_Database();
        Clear_Errors();
    }

    static void Clear_Errors() {
        memset(gRecentErrors, 0, sizeof gRecentErrors);
    }

    // The text of the newest reported error, "" when none was reported since the last clear.
    static std::string Last_Error() {
        std::string stLine(gRecentErrors, strcspn(gRecentErrors, "\n"));
        size_t nAt = stLine.find(" ERROR: ");
        return nAt == std::string::npos ? std::string() : stLine.substr(nAt + 8);
    }

    // A player record written straight into the roster (ids are unique per test).
    static PLAYER* Add_Player(int nTeam, int nSlot, int nId, int nPosition) {
        PLAYER* pPlayer = &gTeams[nTeam].aPlayers[nSlot];
        memset(pPlayer, 0, sizeof(PLAYER));
        for (int n = 0; n < SEASON_LINK_COUNT; n++)
            pPlayer->anSeasonLinks[n] = -1;
        pPlayer->nCurrentSeasonLine = -1;
        pPlayer->anVitalStats[0] = nId;
        pPlayer->anVitalStats[VITAL_POSITION] = nPosition;
        return pPlayer;
    }

    static int Player_Id(int nTeam, int nSlot) {
        return gTeams[nTeam].aPlayers[nSlot].anVitalStats[0];
    }
};
