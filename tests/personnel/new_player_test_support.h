// The fixture of the player-generation tests: the fixture league one season after its first
// (so the named 2021 prospects stay out of the way unless a test asks for them), the game's data
// files copied into the test's working folder, fixed draft talents and a fixed seed.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <string>

#include "core/core.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"

#define TEST_POOL_TEAM FIRST_DRAFT_POOL_TEAM
#define TEST_SEASON_YEAR (FIXTURE_FIRST_YEAR + 1)

class NewPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Copy_Data_Files();
        Test_Reset_Platform();
        gCommandLineFlags = 0;
        Build_Fixture_League();
        memset(gRecentErrors, 0, sizeof gRecentErrors);
        gCurrentWeek = OFF_SEASON_WEEK;
        Set_Season_Year(TEST_SEASON_YEAR);
        Clear_Draft_Pool();
        Set_Draft_Talent(0, 0, 0);
        Fill_Name_Tables();
        Seed_Random(FIXED_RANDOM_SEED);
    }

    // The installation folder's name lists and draft inputs, as the game reads them.
    static void Copy_Data_Files() {
        namespace fs = std::filesystem;
        const char* szSource = getenv("VANTO_SOURCE_DIR");
        ASSERT_NE(szSource, nullptr) << "VANTO_SOURCE_DIR is not set";
        const fs::path source = fs::path(szSource) / "data";
        for (const char* szFolder : {"names", "Input"}) {
            fs::create_directories(szFolder);
            fs::copy(source / szFolder, szFolder,
                     fs::copy_options::overwrite_existing | fs::copy_options::recursive);
        }
    }

    static void Set_Season_Year(int nYear) {
        gSeasonNumber = nYear - Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    }

    static void Set_Draft_Talent(int nCentre, int nSpread, int nGrowth) {
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            gDraftTalent[DRAFT_TALENT_CENTRE][nPosition] = (int16_t)nCentre;
            gDraftTalent[DRAFT_TALENT_SPREAD][nPosition] = (int16_t)nSpread;
            gDraftTalent[DRAFT_TALENT_GROWTH][nPosition] = (int16_t)nGrowth;
        }
    }

    // Full name tables of fixed names, so that naming a player draws nothing from the files.
    static void Fill_Name_Tables() {
        for (int n = 0; n < NAME_TABLE_SIZE; n++) {
            snprintf(gFirstNames[n], PLAYER_FIRST_NAME_SIZE, "First%d", n);
            snprintf(gLastNames[n], PLAYER_LAST_NAME_SIZE, "Last%d", n);
        }
    }

    // An empty slot of team nTeam prepared as a player of the position, born nAge years before
    // the season, with a prime from 25 to 30 and normal development rates.
    static void Make_Player(int nTeam, int nSlot, int nPosition, int nAge, float fRating) {
        Clear_Player(nTeam, nSlot);
        Set_Player_ID(nTeam, nSlot, 800000 + nTeam * 100 + nSlot);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE,
                              (Get_Season_Year() - nAge) * 10000 + 101);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START, 25);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_END, 30);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_GROWTH_RATE, 100);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DECLINE_RATE, 100);
        for (int nRating = 0; nRating < RATING_COUNT; nRating++)
            Set_Player_Rating(nTeam, nSlot, fRating, nRating);
    }

    static float Stored_Rating(int nTeam, int nSlot, int nRating) {
        return gTeams[nTeam].aPlayers[nSlot].afRatings[nRating];
    }

    // The text of the newest reported error, "" when none was reported since the set-up.
    static std::string Last_Error() {
        std::string stLine(gRecentErrors, strcspn(gRecentErrors, "\n"));
        size_t nAt = stLine.find(" ERROR: ");
        return nAt == std::string::npos ? std::string() : stLine.substr(nAt + 8);
    }
};
