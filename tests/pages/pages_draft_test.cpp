// The Draft board: each pick's text for the coming draft (own, traded, forfeited), past drafts
// (drafted, forfeited, gone), the arrows' limits and what the mouse opens.
#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"
#include "platform/test_api.h"
#include "resources/resource.h"

namespace {

#define DRAFT_TEST_SEASON 5
#define DRAFT_TEST_YEAR (FIXTURE_FIRST_YEAR + DRAFT_TEST_SEASON)

class PagesDraftTest : public PagesTest {
protected:
    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        gSeasonNumber = DRAFT_TEST_SEASON;
        gCurrentWeek = OFF_SEASON_WEEK;
        gDraftRound = NO_DRAFT_ROUND;
        gDraftPick = 0;
        Fill_Draft_Pool(120);
        for (int i = 0; i < FIXTURE_TEAM_COUNT; i++) {
            gDraftOrder[i] = (uint8_t)i;
            for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
                Set_Draft_Pick_Owner(0, nRound, i, i);
        }
        gDraftYear = DRAFT_TEST_YEAR;
        Set_User_Preference(38, 1);
        gCurrentPage = DRAFT_PAGE;
    }

    static void Fill_Draft_Pool(int nPlayers) {
        for (int n = 0; n < nPlayers; n++)
            Set_Player_ID(FIRST_DRAFT_POOL_TEAM + n / 60, n % 60, 900000 + n);
    }

    static std::string Label(int nTeam) {
        char szText[128];
        Get_Team_Label(nTeam, szText, sizeof szText);
        return szText;
    }

    static std::string Abbreviation(int nTeam) {
        char szText[128];
        Get_Team_String(szText, sizeof szText, nTeam, TEAM_ABBREVIATION);
        return szText;
    }

    // Team nTeam's slot 0 as the overall pick of a draft year.
    static void Record_Drafted(int nTeam, int nYear, int nPick) {
        Set_Player_Vital_Stat(nTeam, 0, VITAL_DRAFT_RECORD, (nTeam + 1) * 10000 + nYear);
        Set_Player_Vital_Stat(nTeam, 0, VITAL_DRAFT_PICK, 100000 + nPick * 1000 + nPick);
    }

    static int Pick_Y(int nPlace) {
        return 80 + 20 * nPlace;
    }
};

TEST_F(PagesDraftTest, PicksShowOwnersTradesForfeitsAndDraftedPlayers) {
    Set_Draft_Pick_Owner(0, 0, 1, 9);        // team 1's first pick traded to team 9
    Set_Draft_Pick_Owner(0, 0, 2, 128 + 2);  // team 2's first pick forfeited
    Record_Drafted(4, DRAFT_TEST_YEAR, 4);
    Set_Team_Stat(4, TEAM_CONTROL, CONTROL_HUMAN);
    gDraftPickLog[0] = ((DRAFT_TEST_YEAR - 1) * 1000 + 5) * 100 + 7;  // last year's pick 5
    char szName[128];
    Get_Player_Full_Name(4, 0, szName, sizeof szName);

    struct CASE {
        int nYear;
        int nPlace;
        std::string stText;
        int nColour;
    } const aCases[] = {
        {DRAFT_TEST_YEAR, 0, "  1) " + Label(0), PAGE_COLOUR_AVERAGE_ROW},
        {DRAFT_TEST_YEAR, 1, "  2) " + Label(9) + " (from " + Abbreviation(1) + ")",
         PAGE_COLOUR_AVERAGE_ROW},
        {DRAFT_TEST_YEAR, 2, "  3) Forfeited (by " + Label(2) + ")", PAGE_COLOUR_AVERAGE_ROW},
        {DRAFT_TEST_YEAR, 3, "  4) " + Abbreviation(4) + ": " + szName + ", QB",
         PAGE_COLOUR_HIGHLIGHT},
        {DRAFT_TEST_YEAR - 1, 4, "  5) (Forfeited by " + Label(7) + ")", PAGE_COLOUR_PRIMARY},
        {DRAFT_TEST_YEAR - 1, 5, "  6) Player not currently in league", PAGE_COLOUR_GREY},
        {DRAFT_TEST_YEAR + 1, 0, "", PAGE_COLOUR_PRIMARY},
    };
    for (const CASE& c : aCases) {
        char szText[160];
        int nColour = Get_Draft_Pick_Text(c.nYear, 1, c.nPlace, szText, sizeof szText);
        EXPECT_EQ(szText, c.stText) << c.nYear << " place " << c.nPlace;
        EXPECT_EQ(nColour, c.nColour) << c.nYear << " place " << c.nPlace;
    }
    // The second round numbers its picks on from the first.
    char szText[160];
    Get_Draft_Pick_Text(DRAFT_TEST_YEAR, 2, 0, szText, sizeof szText);
    EXPECT_EQ(std::string(szText), " 33) " + Label(0));
}

TEST_F(PagesDraftTest, ArrowsStopAtTheComingDraftTheLastRoundAndTwentyFiveYearsBack) {
    Click_Draft_Page(700, 10);  // Next Year: the coming draft is shown already
    EXPECT_EQ(gDraftYear, DRAFT_TEST_YEAR);
    EXPECT_EQ(Get_Draft_Page_Hot_Spot(700, 10), 0);
    gDraftYear = DRAFT_TEST_YEAR - 24;
    Click_Draft_Page(50, 10);  // Previous Year
    EXPECT_EQ(gDraftYear, DRAFT_TEST_YEAR - 25);
    Click_Draft_Page(50, 10);
    EXPECT_EQ(gDraftYear, DRAFT_TEST_YEAR - 25);
    for (int n = 0; n < DRAFT_ROUNDS + 1; n++)
        Click_Draft_Page(700, 40);  // Next Round
    EXPECT_EQ(Get_Draft_Page_Round(), DRAFT_ROUNDS);
    // A year shown past the coming draft reads as the coming draft.
    gDraftYear = DRAFT_TEST_YEAR + 3;
    EXPECT_EQ(Get_Draft_Page_Year(), DRAFT_TEST_YEAR);
}

TEST_F(PagesDraftTest, PicksOpenTheDraftedPlayerOrThePickOnTheClockEvenTheFirst) {
    Record_Drafted(4, DRAFT_TEST_YEAR, 4);
    gScoutTeam = gScoutSlot = -1;
    EXPECT_EQ(Get_Draft_Page_Hot_Spot(100, Pick_Y(3)), 2);
    Click_Draft_Page(100, Pick_Y(3));
    EXPECT_EQ(gScoutTeam, 4);
    EXPECT_EQ(gScoutSlot, 0);
    EXPECT_EQ(Get_Draft_Page_Hot_Spot(100, Pick_Y(0)), 0);  // no draft under way

    gDraftRound = 0;
    gDraftPick = 0;
    EXPECT_EQ(Get_Draft_Page_Hot_Spot(100, Pick_Y(0)), 2);
    EXPECT_EQ(Get_Draft_Page_Hot_Spot(100, Pick_Y(1)), 0);
    Test_Clear_Transcript();
    Click_Draft_Page(100, Pick_Y(0));
    ASSERT_FALSE(Test_Get_Transcript().empty());
    EXPECT_EQ(Test_Get_Transcript().front().nKind, TEST_SHOWN_DIALOG);
}

TEST_F(PagesDraftTest, AnEmptyPoolLeavesTheDraftAloneOnAMouseMove) {
    gDraftRound = 2;
    for (int n = 0; n < 120; n++)
        Set_Player_ID(FIRST_DRAFT_POOL_TEAM + n / 60, n % 60, 0);
    ASSERT_EQ(Count_Draft_Pool_Players(), 0);
    Test_Clear_Transcript();
    EXPECT_EQ(Get_Draft_Page_Hot_Spot(100, Pick_Y(0)), 0);
    EXPECT_EQ(gDraftRound, 2);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

}  // namespace
