// The block's byte layout: sizes and offsets that every saved game depends on.
#include <gtest/gtest.h>
#include <stddef.h>

#include "database/database.h"

TEST(SavedStateLayout, BlockAndRecordSizes) {
    EXPECT_EQ(sizeof(gSavedState), 22975272u);
    EXPECT_EQ(sizeof(TEAM), 114968u);
    EXPECT_EQ(sizeof(PLAYER), 756u);
    EXPECT_EQ(sizeof(CITY), 72u);
    EXPECT_EQ(sizeof(SEASON_LINE), 92u);
    EXPECT_EQ(sizeof(GAME), 48708u);
    EXPECT_EQ(sizeof(RECORD_BOOK_ROW), 52u);
}

TEST(SavedStateLayout, NamedArraysAliasTheBlock) {
    const char* pBase = reinterpret_cast<const char*>(&gSavedState);
    auto offset = [pBase](const void* p) { return static_cast<const char*>(p) - pBase; };
    EXPECT_EQ(offset(&gTeams[0]), 2480);
    EXPECT_EQ(offset(&gTeams[1].anStats[0]), 2480 + 114968 + 77780);
    EXPECT_EQ(offset(&gCities[0]), 4716168);
    EXPECT_EQ(offset(&gGames[299]), 4724160 + 299 * 48708);
    EXPECT_EQ(offset(&gCurrentWeek), 19336560 + 23 * 4);
    EXPECT_EQ(offset(&gCommissionerMode), 19336560 + 50 * 4);
    EXPECT_EQ(offset(&gTeamChecksum), 19336560 + 98 * 4);
    EXPECT_EQ(offset(&gSeasonLines[32767]) + 92, 22352704);
    EXPECT_EQ(offset(&gRecordBook[2][29][20]) + 52, 22975272);
    EXPECT_EQ(offset(&gRunTargetWeek), 1872);
    EXPECT_EQ(offset(&gNoSameDivisionDivisionalRound), 2024);
}
