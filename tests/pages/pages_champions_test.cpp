// The start-up picture's widescreen choice and the champions page: the best title of the user's
// teams with its picture, year colour and sound, and the season's year.
#include <sys/stat.h>

#include <filesystem>

#include "fixtures/fixture_league.h"
#include "pages_test_fixture.h"

namespace {

class PagesChampionsTest : public PagesTest {
protected:
    void SetUp() override {
        PagesTest::SetUp();
        Build_Fixture_League();
        Use_Earth_Skin();
        gDatabaseLoaded = 1;
        gSeasonNumber = 2;
        gCurrentWeek = 21;
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_COMPUTER);
        memset(gPlayoffSlots, (uint8_t)NO_TEAM, sizeof gPlayoffSlots);
        // Division d holds teams 4d .. 4d + 3, in that order.
        for (int nDivision = 0; nDivision < FIXTURE_TEAM_COUNT / 4; nDivision++)
            for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++)
                Set_Division_Standings_Team(nDivision, nPlace,
                                            nPlace < 4 ? 4 * nDivision + nPlace : NO_TEAM);
    }

    static void Make_Human(int nTeam) {
        Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_HUMAN);
    }
};

TEST_F(PagesChampionsTest, TheBestTitleOfTheUsersTeamsChoosesPictureColourAndSound) {
    struct CASE {
        const char* szWhat;
        int anHuman[2];
        int nChampionSlot;  // the slot team 5 holds, -1 none
        int nLevel;
        const char* szPicture;
        COLORREF colour;
        const char* szSound;
    } const aCases[] = {
        {"division leader and champion",
         {4, 5},
         30,
         8,
         "news\\champs.jpg",
         RGB(0, 0, 128),
         "celeb3.wav"},
        {"league champion",
         {5, -1},
         28,
         7,
         "news\\conferen.jpg",
         RGB(128, 0, 0),
         "celeb2.wav"},
        {"division leader",
         {4, 5},
         -1,
         5,
         "news\\divchamp.jpg",
         RGB(0, 0, 0),
         "celeb1.wav"},
        {"nothing won", {5, 6}, -1, 0, nullptr, RGB(0, 0, 0), nullptr},
        {"playoff team only", {5, -1}, 20, 0, nullptr, RGB(0, 0, 0), nullptr},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.szWhat);
        SetUp();
        for (int nTeam : c.anHuman)
            if (nTeam >= 0)
                Make_Human(nTeam);
        if (c.nChampionSlot >= 0)
            Set_Playoff_Team(c.nChampionSlot, 5);
        CHAMPIONS_VIEW view;
        Get_Champions_View(&view);
        EXPECT_EQ(view.nLevel, c.nLevel);
        EXPECT_STREQ(view.szPicture, c.szPicture);
        EXPECT_EQ(view.yearColour, c.colour);
        EXPECT_STREQ(view.szSound, c.szSound);
        EXPECT_STREQ(view.szYear, std::to_string(FIXTURE_FIRST_YEAR + 2).c_str());
    }
}

TEST_F(PagesChampionsTest, FirstOfEqualTitlesWinsAndComputerTeamsNeverCount) {
    Make_Human(12);
    Make_Human(8);
    EXPECT_EQ(Get_Best_Title_Team(), 8);
    gAllTeamsComputer = 1;
    EXPECT_EQ(Get_Best_Title_Team(), NO_TEAM);
    gAllTeamsComputer = 0;
    EXPECT_EQ(Get_Team_Title_Level(9), TITLE_LEVEL_NONE);
    EXPECT_EQ(Get_Team_Title_Level(12), TITLE_LEVEL_DIVISION);
}

TEST_F(PagesChampionsTest, AfterTheOffSeasonBeganTheYearIsTheSeasonJustCompleted) {
    Make_Human(4);
    gCurrentWeek = OFF_SEASON_WEEK;
    CHAMPIONS_VIEW view;
    Get_Champions_View(&view);
    EXPECT_STREQ(view.szYear, std::to_string(FIXTURE_FIRST_YEAR + 1).c_str());
}

TEST_F(PagesChampionsTest, WithoutATitleThePageDrawsNoPicture) {
    Make_Human(6);
    gPageBackgroundName[0] = 0;
    Pretend_Page_Back_Buffer();
    gCurrentPage = CHAMPIONS_PAGE;
    EXPECT_EQ(Paint_Once(), "");
    EXPECT_EQ(gLastPaintedPage, CHAMPIONS_PAGE);
    Make_Human(4);
    gLastPaintedPage = -1;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\news\\divchamp.jpg");
}

TEST_F(PagesChampionsTest, WidescreenIsARatioAboveTheThreshold) {
    struct CASE {
        int nWidth, nHeight, bWide;
    } const aCases[] = {{1600, 1000, 0}, {1920, 1080, 1}, {1024, 676, 0},
                        {1000, 600, 1},  {1000, 0, 0},    {1666, 1000, 0}};
    for (const CASE& c : aCases)
        EXPECT_EQ(Is_Widescreen_Size(c.nWidth, c.nHeight), c.bWide) << c.nWidth << "x" << c.nHeight;
}

TEST_F(PagesChampionsTest, WideWindowsShowTheWidescreenPictureWhenTheSkinHasIt) {
    gDatabaseLoaded = 0;
    Pretend_Page_Back_Buffer();
    Create_Pages_Main_Window(1600, 1000);
    EXPECT_EQ(Paint_Once(), "skins\\earth\\News\\Startup.jpg");

    Create_Pages_Main_Window(1920, 1080);
    gLastPaintedPage = -1;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\News\\Startup.jpg");
    std::filesystem::create_directories("skins/earth/News");
    FILE* pFile = fopen("skins/earth/News/Startup_Widescreen.jpg", "wb");
    ASSERT_NE(pFile, nullptr);
    fclose(pFile);
    gLastPaintedPage = -1;
    EXPECT_EQ(Paint_Once(), "skins\\earth\\News\\Startup_Widescreen.jpg");
    remove("skins/earth/News/Startup_Widescreen.jpg");
}

}  // namespace
