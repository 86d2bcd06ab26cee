// A repaint only reads: after a page is shown, painting it again leaves the league and the
// random generator as they were, even where reading a figure repairs the league.
#include <string.h>

#include "database/saved_state.h"
#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"

namespace {

#define REPAIRED_TEAM 3
#define REPAIRED_SLOT 7

// FNV-1a over the saved state and the generator.
uint64_t Hash_League_And_Generator() {
    uint64_t uHash = 1469598103934665603ull;
    auto Add = [&uHash](const void* pData, size_t nSize) {
        const unsigned char* p = (const unsigned char*)pData;
        for (size_t n = 0; n < nSize; n++)
            uHash = (uHash ^ p[n]) * 1099511628211ull;
    };
    Add(&gSavedState, sizeof gSavedState);
    Add(gMtState, sizeof gMtState);
    Add(&gMtIndex, sizeof gMtIndex);
    uint64_t uDraws = Count_Random_Draws();
    Add(&uDraws, sizeof uDraws);
    return uHash;
}

class PageRepaintTest : public PagesTest {
protected:
    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        Seed_Random(FIXED_RANDOM_SEED);
        gDatabaseLoaded = 1;
    }
};

TEST_F(PageRepaintTest, RepaintingAPageLeavesTheLeagueAndTheGeneratorAlone) {
    static const int kPages[] = {STANDINGS_PAGE, FINANCES_PAGE};
    for (int nPage : kPages) {
        SCOPED_TRACE(nPage);
        // A rating below the floor is lifted when it is first read: at the page switch.
        Set_Player_Rating(REPAIRED_TEAM, REPAIRED_SLOT, 5.0f, RATING_RUN_BLOCKING);
        Show_News_Page(nPage);
        EXPECT_EQ(Get_Stored_Player_Rating(REPAIRED_TEAM, REPAIRED_SLOT, RATING_RUN_BLOCKING),
                  RATING_FLOOR);
        uint64_t uBefore = Hash_League_And_Generator();
        for (int nPaint = 0; nPaint < 2; nPaint++) {
            gLastPaintedPage = -1;
            Paint_Once();
        }
        EXPECT_EQ(Hash_League_And_Generator(), uBefore);
    }
}

// The leaders of both leagues over a season longer than the minimums' 17 games: the page clamps a
// copy of the season length, never the setting.
TEST_F(PageRepaintTest, LeadersAndDraftRepaintsLeaveTheLeagueAndTheSeasonLengthAlone) {
    Set_User_Preference(PREF_LEADER_KIND, LEADERS_BOTH_LEAGUES);
    gUniverseStats[UNIVERSE_SEASON_GAMES] = 20;
    static const int kPages[] = {LEADERS_PAGE, DRAFT_PAGE};
    for (int nPage : kPages) {
        SCOPED_TRACE(nPage);
        Show_News_Page(nPage);
        uint64_t uBefore = Hash_League_And_Generator();
        for (int nPaint = 0; nPaint < 2; nPaint++) {
            gLastPaintedPage = -1;
            Paint_Once();
        }
        EXPECT_EQ(Hash_League_And_Generator(), uBefore);
    }
    EXPECT_EQ(gUniverseStats[UNIVERSE_SEASON_GAMES], 20);
}

}  // namespace
