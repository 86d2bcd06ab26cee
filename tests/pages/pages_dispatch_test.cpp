// Page dispatch: the page drawn into the back buffer only when it changed or a repaint was
// forced, the start-up picture without a league, the page switch and the page area.
#include "pages_test_fixture.h"

namespace {

class PagesDispatchTest : public PagesTest {};

const int kPagesAllIds[] = {
    STANDINGS_PAGE, LEADERS_PAGE, FINANCES_PAGE,  CALENDAR_PAGE, HALL_OF_FAME_PAGE,
    PLAYOFFS_PAGE,  DRAFT_PAGE,   CHAMPIONS_PAGE, GAMES_PAGE,    0,
    12345};

TEST_F(PagesDispatchTest, WithoutALeagueEveryPageShowsTheStartupPictureOnce) {
    Pretend_Page_Back_Buffer();
    for (int nPage : kPagesAllIds) {
        SCOPED_TRACE(nPage);
        gLastPaintedPage = -1;
        gCurrentPage = nPage;
        EXPECT_EQ(Paint_Once(), "skins\\earth\\News\\Startup.jpg");
        EXPECT_EQ(gLastPaintedPage, 0);
        // Later paints only copy, whatever the page, until a repaint is forced.
        gCurrentPage = STANDINGS_PAGE;
        EXPECT_EQ(Paint_Once(), "");
    }
}

TEST_F(PagesDispatchTest, APageIsDrawnWhenItChangesOrARepaintIsForced) {
    Pretend_Page_Back_Buffer();
    gDatabaseLoaded = 1;
    gCurrentPage = STANDINGS_PAGE;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\news\\standing.jpg");
    EXPECT_EQ(gLastPaintedPage, STANDINGS_PAGE);
    EXPECT_EQ(Paint_Once(), "");

    gCurrentPage = LEADERS_PAGE;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\news\\leaders.jpg");
    EXPECT_EQ(Paint_Once(), "");
    gLastPaintedPage = -1;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\news\\leaders.jpg");

    // An id outside the table shows the start-up picture; with a league it counts as a page.
    gCurrentPage = 40999;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\News\\Startup.jpg");
    EXPECT_EQ(gLastPaintedPage, 40999);
    gCurrentPage = DRAFT_PAGE;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\News\\Draft.jpg");
}

TEST_F(PagesDispatchTest, TheFirstPaintMakesTheBackBufferAndLaterPaintsCopyIt) {
    gDatabaseLoaded = 1;
    gCurrentPage = CALENDAR_PAGE;
    ASSERT_EQ(gMainWindowDC, nullptr);
    EXPECT_EQ(Paint_Once(), "skins\\earth\\News\\Calendar.jpg");
    EXPECT_NE(gMainWindowDC, nullptr);
    EXPECT_EQ(Paint_Once(), "");
    EXPECT_EQ(gLastPaintedPage, CALENDAR_PAGE);
    // A null window DC draws nothing.
    PAINTSTRUCT ps = {};
    gPageBackgroundName[0] = 0;
    Paint_News_Page(NULL, &ps);
    EXPECT_STREQ(gPageBackgroundName, "");
}

TEST_F(PagesDispatchTest, ShowingThePageAlreadyShownStillRedrawsIt) {
    Pretend_Page_Back_Buffer();
    gDatabaseLoaded = 1;
    Show_News_Page(FINANCES_PAGE);
    EXPECT_EQ(gCurrentPage, FINANCES_PAGE);
    EXPECT_EQ(gLastPaintedPage, FINANCES_PAGE);
    gPageBackgroundName[0] = 0;
    Show_News_Page(FINANCES_PAGE);
    EXPECT_STREQ(gPageBackgroundName, "skins\\earth\\news\\finance.jpg");
    Show_News_Page(STANDINGS_PAGE);
    EXPECT_STREQ(gPageBackgroundName, "skins\\earth\\news\\standing.jpg");
}

TEST_F(PagesDispatchTest, PageAreaLeavesRoomForTheBarsOnlyOnNewsPages) {
    struct CASE {
        int nPage;
        int bNewsTicker;
        int nHeight;
    } const aCases[] = {
        {STANDINGS_PAGE, 0, kClientHeight - 36},
        {STANDINGS_PAGE, 1, kClientHeight - 60},
        {GAMES_PAGE, 1, kClientHeight - 60},
        {0, 1, kClientHeight},
        {40999, 0, kClientHeight},
    };
    for (const CASE& c : aCases) {
        gShowNewsTicker = c.bNewsTicker;
        Show_News_Page(c.nPage);
        EXPECT_EQ(gBackBufferWidth, kClientWidth) << c.nPage;
        EXPECT_EQ(gBackBufferHeight, c.nHeight) << c.nPage << " ticker " << c.bNewsTicker;
        EXPECT_EQ(Is_News_Page_Shown(), c.nHeight != kClientHeight);
    }
}

TEST_F(PagesDispatchTest, DraftPageOpensOnTheRoundOnTheClock) {
    const int kDraftPageRound = 38;
    gSeasonNumber = 3;
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + 3;

    gDraftRound = 2;  // during the draft
    Show_News_Page(DRAFT_PAGE);
    EXPECT_EQ(Get_User_Preference(kDraftPageRound), 3);
    EXPECT_EQ(gDraftYear, nYear);

    gDraftRound = 7;  // the draft is over: the last round shown stays
    Show_News_Page(DRAFT_PAGE);
    EXPECT_EQ(Get_User_Preference(kDraftPageRound), 3);
    Set_User_Preference(kDraftPageRound, 0);
    Show_News_Page(DRAFT_PAGE);
    EXPECT_EQ(Get_User_Preference(kDraftPageRound), 1);
}

TEST_F(PagesDispatchTest, DarkTextSwitchesEveryColourToItsSecondValue) {
    struct CASE {
        int nColour;
        COLORREF normal, dark;
    } const aCases[] = {
        {PAGE_COLOUR_PRIMARY, RGB(255, 255, 255), RGB(0, 0, 0)},
        {PAGE_COLOUR_HIGHLIGHT, RGB(255, 249, 69), RGB(130, 30, 30)},
        {PAGE_COLOUR_DARK_SKIN_HEADING, RGB(255, 255, 255), RGB(255, 255, 255)},
        {PAGE_COLOUR_GREY, RGB(113, 113, 113), RGB(113, 113, 113)},
        {PAGE_COLOUR_AVERAGE_ROW, RGB(255, 215, 215), RGB(30, 30, 130)},
        {PAGE_COLOUR_FAINT, RGB(170, 170, 170), RGB(85, 85, 85)},
    };
    for (const CASE& c : aCases) {
        gDarkText = 0;
        EXPECT_EQ(Get_News_Page_Colour(c.nColour), c.normal) << c.nColour;
        gDarkText = 1;
        EXPECT_EQ(Get_News_Page_Colour(c.nColour), c.dark) << c.nColour;
    }
    gDarkText = 0;
    // The earth skin's headings are the highlight.
    EXPECT_EQ(Get_Page_Heading_Colour(), RGB(255, 249, 69));
}

}  // namespace
