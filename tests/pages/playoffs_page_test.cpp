// The Playoffs page's bracket on the fixture league: slot states and rectangles, the numerals of
// the title game, and what a click on a slot opens.
#include <string.h>

#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"

namespace {

class PlayoffsPageTest : public PagesTest {
protected:
    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++)
            Set_Playoff_Team(nSlot, -1);
        // Teams 3 and 4 met in the first round (slots 0, 1) and 3 won into slot 16; team 6 has a
        // bye into slot 17 (its feeders 2 and 3 empty).
        Set_Playoff_Team(0, 3);
        Set_Playoff_Team(1, 4);
        Set_Playoff_Team(16, 3);
        Set_Playoff_Team(17, 6);
        Set_Playoff_Score(0, 13);
        Set_Playoff_Score(1, 27);
        for (int n = 0; n < GAME_COUNT; n++)
            memset(Get_Game_Record(n), 0, sizeof(GAME));
        GAME* pGame = Get_Game_Record(40);
        pGame->anTeams[VISITOR_SIDE] = 4;
        pGame->anTeams[HOME_SIDE] = 3;
    }

    static POINT Slot_Point(int nSlot) {
        RECT aRects[2];
        Get_Bracket_Slot_Rect(nSlot, aRects);
        return POINT{aRects[0].left + 50, aRects[0].top + 7};
    }
};

TEST_F(PlayoffsPageTest, SlotsAreSeededFedOrEmpty) {
    int anFeeders[2];
    EXPECT_EQ(Get_Feeder_Slots(5, anFeeders), 0);
    ASSERT_EQ(Get_Feeder_Slots(30, anFeeders), 2);
    EXPECT_EQ(anFeeders[0], 28);
    EXPECT_EQ(anFeeders[1], 29);
    struct {
        int nSlot, nState, nTop;
    } kCases[] = {{0, 1, 66}, {2, 0, 114 - 7}, {16, 2, 76 - 7}, {17, 1, 124}, {18, 0, 172 - 7},
                  {30, 2, 244 - 7}};
    for (const auto& c : kCases) {
        RECT aRects[2];
        Get_Bracket_Slot_Rect(c.nSlot, aRects);
        EXPECT_EQ(Get_Bracket_Slot_State(c.nSlot), c.nState) << c.nSlot;
        EXPECT_EQ(aRects[0].top, c.nTop) << c.nSlot;
        EXPECT_EQ(aRects[1].top - aRects[0].top, c.nState == 1 ? 0 : 14) << c.nSlot;
    }
    // Emptied all the way down, the final's slot counts as seeded.
    Set_Playoff_Team(16, -1);
    Set_Playoff_Team(17, -1);
    for (int nSlot : {0, 1})
        Set_Playoff_Team(nSlot, -1);
    EXPECT_EQ(Get_Bracket_Slot_State(30), 0);
}

TEST_F(PlayoffsPageTest, TitleGameNumerals) {
    struct {
        int n;
        const char* szNumeral;
    } kCases[] = {{1, "I"}, {54, "LIV"}, {100, "C"}, {104, "CIV"}, {254, "CCLIV"}, {1234, "1,234"}};
    for (const auto& c : kCases) {
        char sz[32];
        Get_Roman_Numeral(c.n, sz, sizeof sz);
        EXPECT_STREQ(sz, c.szNumeral) << c.n;
    }
}

TEST_F(PlayoffsPageTest, ClicksOpenASeedsCalendarOrTheGameThatFilledTheSlot) {
    EXPECT_EQ(Find_Game_Between(3, 4), 40);
    EXPECT_EQ(Find_Game_Between(3, 5), -1);
    // A first-round team opens its calendar, also after it lost.
    POINT pt = Slot_Point(1);
    EXPECT_NE(Is_Playoffs_Page_Point_Active(pt.x, pt.y), 0);
    Handle_Playoffs_Page_Click(pt.x, pt.y);
    EXPECT_EQ(gCurrentPage, CALENDAR_PAGE);
    EXPECT_EQ(gDialogTeam, 4);
    // The winner's next slot opens the game.
    gSelectedGame = -1;
    pt = Slot_Point(16);
    EXPECT_NE(Is_Playoffs_Page_Point_Active(pt.x, pt.y), 0);
    Handle_Playoffs_Page_Click(pt.x, pt.y);
    EXPECT_EQ(gCurrentPage, GAMES_PAGE);
    EXPECT_EQ(gSelectedGame, 40);
    // An empty slot does nothing.
    gCurrentPage = PLAYOFFS_PAGE;
    pt = Slot_Point(18);
    EXPECT_EQ(Is_Playoffs_Page_Point_Active(pt.x, pt.y), 0);
    Handle_Playoffs_Page_Click(pt.x, pt.y);
    EXPECT_EQ(gCurrentPage, PLAYOFFS_PAGE);
}

}  // namespace
