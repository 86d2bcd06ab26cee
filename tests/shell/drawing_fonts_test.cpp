#include "drawing_test_fixture.h"

namespace {

class DrawingFontsTest : public DrawingTest {};

int Font_Height(int nFont) {
    const LOGFONTA* pLog = Get_App_Font_Log(nFont);
    return pLog ? pLog->lfHeight : -1;
}

// Scaled heights follow the window's height, or its width when it is narrower than tall.
TEST_F(DrawingFontsTest, HeightsByWindowSize) {
    struct {
        int nWidth, nHeight, nFont, nExpected;
    } aCases[] = {
        {1024, 676, 12, 36},                         // the reference size
        {1024, 676, 0, 10},   {2048, 1352, 12, 72},  // twice as large
        {1600, 1014, 12, 54},                        // by the height: 36 x 1014 / 676
        {900, 1200, 12, 31},                         // taller than wide: 36 x 900 / 1024
        {1300, 700, 1, 12},                          // 12 x 700 / 676, truncated
        {2048, 1352, 16, 32},                        // not scaled
        {2048, 1352, 33, 90},
    };
    for (const auto& c : aCases) {
        Make_Main_Window(c.nWidth, c.nHeight);
        Load_App_Fonts();
        EXPECT_EQ(Font_Height(c.nFont), c.nExpected)
            << "font " << c.nFont << " at " << c.nWidth << "x" << c.nHeight;
        Free_App_Fonts(1);
        DestroyWindow(gMainWindow);
        gMainWindow = NULL;
    }
}

TEST_F(DrawingFontsTest, LogFontFields) {
    Make_Main_Window(1024, 676);
    Load_App_Fonts();
    const LOGFONTA* pUpward = Get_App_Font_Log(33);
    ASSERT_NE(pUpward, nullptr);
    EXPECT_EQ(pUpward->lfEscapement, 900);
    EXPECT_EQ(pUpward->lfOrientation, 900);
    EXPECT_STREQ(pUpward->lfFaceName, "Stone_Sans-Bold");
    const LOGFONTA* pCourier = Get_App_Font_Log(14);
    EXPECT_STREQ(pCourier->lfFaceName, "Courier New");
    EXPECT_EQ(pCourier->lfQuality, ANTIALIASED_QUALITY);
    EXPECT_EQ(pCourier->lfWeight, 700);
    EXPECT_EQ(pCourier->lfOutPrecision, OUT_TT_PRECIS);
    EXPECT_EQ(Get_App_Font_Log(8)->lfWeight, 400);
    EXPECT_EQ(Get_App_Font_Log(0)->lfEscapement, 0);
}

TEST_F(DrawingFontsTest, TakeLoadsOnceAndCounts) {
    Make_Main_Window(1024, 676);
    EXPECT_FALSE(Are_App_Fonts_Loaded());
    HFONT hFont = Take_App_Font(5);
    ASSERT_NE(hFont, nullptr);
    EXPECT_TRUE(Are_App_Fonts_Loaded());
    EXPECT_EQ(Take_App_Font(5), hFont);
    EXPECT_EQ(Get_App_Font_Use_Count(5), 2);
    Release_App_Font(hFont);
    Release_App_Font(hFont);
    EXPECT_EQ(Get_App_Font_Use_Count(5), 0);
    EXPECT_STREQ(gRecentErrors, "");
}

TEST_F(DrawingFontsTest, FontOutOfRangeIsNullAndCountsNothing) {
    Make_Main_Window(1024, 676);
    Load_App_Fonts();
    EXPECT_EQ(Take_App_Font(36), nullptr);
    EXPECT_EQ(Take_App_Font(-1), nullptr);
    for (int nFont = 0; nFont < APP_FONT_COUNT; nFont++)
        EXPECT_EQ(Get_App_Font_Use_Count(nFont), 0);
}

TEST_F(DrawingFontsTest, SecondReleaseIsReportedAndTheCountStaysAtZero) {
    Make_Main_Window(1024, 676);
    HFONT hFont = Take_App_Font(3);
    Release_App_Font(hFont);
    Release_App_Font(hFont);
    EXPECT_TRUE(
        Error_Reported("Font Error: Trying to free a font more times than it has been allocated."));
    EXPECT_EQ(Get_App_Font_Use_Count(3), 0);
}

TEST_F(DrawingFontsTest, FreeingAllAndOnlyTheScaled) {
    Make_Main_Window(1024, 676);
    EXPECT_EQ(Free_App_Fonts(1), 0);  // nothing loaded yet
    Load_App_Fonts();
    EXPECT_EQ(Free_App_Fonts(0), 1);
    EXPECT_EQ(Get_App_Font_Log(12), nullptr);  // scaled: gone
    EXPECT_NE(Get_App_Font_Log(16), nullptr);  // unscaled: kept
    EXPECT_FALSE(Are_App_Fonts_Loaded());
    EXPECT_NE(Take_App_Font(12), nullptr);  // loads the missing ones again
    EXPECT_EQ(Free_App_Fonts(1), 1);
    EXPECT_EQ(Get_App_Font_Log(16), nullptr);
}

TEST_F(DrawingFontsTest, UseCountsLogged) {
    Make_Main_Window(1024, 676);
    Take_App_Font(0);
    Take_App_Font(0);
    Take_App_Font(35);
    Log_Font_Use_Counts("Fonts:");
    FILE* pFile = fopen("debug.txt", "r");
    ASSERT_NE(pFile, nullptr);
    char szLine[4096];
    std::string stLog;
    while (fgets(szLine, sizeof(szLine), pFile))
        stLog += szLine;
    fclose(pFile);
    std::string stCounts = "Fonts:  2";
    for (int n = 1; n < 35; n++)
        stCounts += "  -";
    stCounts += "  1";
    EXPECT_NE(stLog.find(stCounts), std::string::npos) << stLog;
    EXPECT_NE(stLog.find("MIN_CLIENT_WIDTH, MIN_CLIENT_HEIGHT: {1024,676}"), std::string::npos);
}

// ---- resizing -----------------------------------------------------------------------------------

class DrawingResizeTest : public DrawingTest {
protected:
    void Build_At(int nWidth, int nHeight) {
        Make_Main_Window(nWidth, nHeight);
        Create_Back_Buffer(gMainWindow);
        Load_App_Fonts();
    }
};

TEST_F(DrawingResizeTest, ANewSizeRebuildsTheScaledFontsAndTheBuffer) {
    Build_At(1024, 676);
    HFONT hUnscaled = (HFONT)gAppFonts[16];
    Resize_Main_Window(2048, 1352);
    EXPECT_EQ(On_Main_Window_Resized(), 1);
    EXPECT_EQ(Font_Height(12), 72);
    EXPECT_EQ(gAppFonts[16], hUnscaled);
    EXPECT_EQ(Get_Back_Buffer_Width(), 2048);
    EXPECT_EQ(Get_Back_Buffer_Height(), 1352);
    EXPECT_TRUE(Are_App_Fonts_Loaded());
}

TEST_F(DrawingResizeTest, TheSameSizeOrASmallWindowRebuildsNothing) {
    struct {
        int nWidth, nHeight;
    } aCases[] = {{1100, 700}, {1023, 900}, {1300, 675}};
    for (const auto& c : aCases) {
        Build_At(1100, 700);
        Resize_Main_Window(c.nWidth, c.nHeight);
        EXPECT_EQ(On_Main_Window_Resized(), 1);
        EXPECT_EQ(Get_Back_Buffer_Width(), 1100) << c.nWidth << "x" << c.nHeight;
        EXPECT_EQ(Font_Height(12), 36 * 700 / 676);
        TearDown();
    }
}

}  // namespace
