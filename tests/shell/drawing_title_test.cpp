#include "drawing_test_fixture.h"

#include <string>

namespace {

class DrawingTitleTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2000);
        gSeasonNumber = 21;  // the season of 2021
        for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
            Set_Postseason_Week(n, 17 + n);  // the final in week 20
        gDraftRound = NO_DRAFT_ROUND;
        Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, FANTASY_DRAFT_OFF);
    }

    void TearDown() override {
        Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, FANTASY_DRAFT_OFF);
        gDraftRound = NO_DRAFT_ROUND;
        DrawingTest::TearDown();
    }
};

std::string Title() {
    char szTitle[TEXT_BUFFER_SIZE];
    Build_Main_Window_Title(szTitle, sizeof(szTitle));
    return szTitle;
}

std::string Labels() {
    char szFirst[SEASON_PHASE_LABEL_SIZE], szSecond[SEASON_PHASE_LABEL_SIZE];
    Get_Season_Phase_Labels(szFirst, szSecond);
    return std::string(szFirst) + " | " + szSecond;
}

TEST_F(DrawingTitleTest, TitleAndLabelsByWeek) {
    struct {
        int nWeek;
        const char* szTitle;
        const char* szLabels;
    } aCases[] = {
        {0, "Football Vanto 22 (2021, Week 1)", "2021 | Week 1"},
        {16, "Football Vanto 22 (2021, Week 17)", "2021 | Week 17"},
        {17, "Football Vanto 22 (2021 Wild Card)", nullptr},
        {20, "Football Vanto 22 (2021 Super Bowl)", "2021 | Super Bowl"},
        {21, "Football Vanto 22 (2021-2022 Offseason)", "2021-2022 | Offseason"},
        {OFF_SEASON_WEEK, "Football Vanto 22 (2020-2021 Offseason)", "2020-2021 | Offseason"},
    };
    for (const auto& c : aCases) {
        gCurrentWeek = c.nWeek;
        EXPECT_EQ(Title(), c.szTitle);
        if (c.szLabels) {
            EXPECT_EQ(Labels(), c.szLabels) << c.nWeek;
        }
    }
}

TEST_F(DrawingTitleTest, TheDraftsComeFirst) {
    gCurrentWeek = OFF_SEASON_WEEK;
    gDraftRound = 2;
    EXPECT_EQ(Title(), "Football Vanto 22 (2021 Draft)");
    EXPECT_EQ(Labels(), "2021 | Amateur Draft");
    Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, FANTASY_DRAFT_UNDER_WAY);
    Set_Fantasy_Draft_Position(3, 9);
    EXPECT_EQ(Title(), "Football Vanto 22 (Fantasy Draft: Round 4, Pick 10)");
    EXPECT_EQ(Labels(), "Round 4 | Pick 10");
    Set_Fantasy_Draft_Position(0, 0);
}

TEST_F(DrawingTitleTest, SettingTheWeekRetitlesTheMainWindow) {
    Make_Main_Window(1024, 676);
    Set_Current_Week(4);
    char szCaption[128];
    GetWindowTextA(gMainWindow, szCaption, sizeof(szCaption));
    EXPECT_STREQ(szCaption, "Football Vanto 22 (2021, Week 5)");
}

TEST_F(DrawingTitleTest, ATitleIsCutToItsBuffer) {
    gCurrentWeek = 4;
    char szShort[12];
    Build_Main_Window_Title(szShort, sizeof(szShort));
    EXPECT_STREQ(szShort, "Football Va");
}

}  // namespace
