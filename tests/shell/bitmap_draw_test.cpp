// Drawing cached images: the blit's option letters and clipping, the slot chosen for a new
// name, the page backgrounds and the team logo file rule.
#include <string.h>
#include <sys/stat.h>

#include "bitmap_test_support.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "pages/pages.h"

namespace {

const BITMAP_TEST_RGBA BITMAP_DRAW_LEFT = {0x30, 0x40, 0x50, 255};
const BITMAP_TEST_RGBA BITMAP_DRAW_RIGHT = {0x10, 0xC0, 0x20, 255};

// An 8 x 8 BMP: its left half one colour, its right half another.
void Bitmap_Draw_Write_Halves(const char* szPath) {
    BITMAP_TEST_IMAGE pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pixels.push_back(x < 4 ? BITMAP_DRAW_LEFT : BITMAP_DRAW_RIGHT);
    Bitmap_Test_Write_Bmp(szPath, 8, 8, 24, pixels);
}

bool Bitmap_Draw_Same(BITMAP_TEST_RGBA a, BITMAP_TEST_RGBA b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

TEST_F(BitmapCacheTest, PaintOptionOrsTheImageIntoTheTarget) {
    Bitmap_Draw_Write_Halves("halves.bmp");
    Clear_Target(RGB(0x0F, 0x01, 0x00));
    ASSERT_NE(Draw_Named_Image(hTarget, "halves.bmp:P", 0, 0, -1, -1), 0);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(1, 1), {0x3F, 0x41, 0x50, 255}));
    ASSERT_NE(Draw_Named_Image(hTarget, "halves.bmp", 10, 0, -1, -1), 0);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(11, 1), BITMAP_DRAW_LEFT));
}

TEST_F(BitmapCacheTest, ConstantAlphaBlendsWithTheTarget) {
    Bitmap_Test_Write_Bmp("white.bmp", 4, 4, 24, Bitmap_Test_Solid(4, 4, {255, 255, 255, 255}));
    BITMAP_SLOT* pSlot = &gBitmapSlots[0];
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "white.bmp", pSlot), 1);
    ASSERT_NE(Blit_Bitmap_Slot(hTarget, pSlot, 128, 0, 0, -1, -1, 0, 0, -1, -1), 0);
    EXPECT_NEAR(Pixel(1, 1).r, 128, 1);
}

TEST_F(BitmapCacheTest, StretchModeFollowsSizeAndHalftoneOption) {
    Bitmap_Draw_Write_Halves("halves.bmp");
    struct {
        const char* szName;
        int nSize;
        int nMode;
    } cases[] = {
        {"halves.bmp", 4, COLORONCOLOR},
        {"halves.bmp:H", 4, HALFTONE},
        {"halves.bmp", 16, HALFTONE},
        {"halves.bmp", 8, HALFTONE},
    };
    for (const auto& c : cases) {
        SetStretchBltMode(hTarget, 0);
        ASSERT_NE(Draw_Named_Image(hTarget, c.szName, 0, 0, c.nSize, c.nSize), 0) << c.szName;
        EXPECT_EQ(GetStretchBltMode(hTarget), c.nMode) << c.szName << " at " << c.nSize;
    }
}

TEST_F(BitmapCacheTest, DestinationPastTheBackBufferIsCutOffUnlessN) {
    Bitmap_Draw_Write_Halves("halves.bmp");
    gMainWindowDC = hTarget;
    gBackBufferWidth = 10;
    gBackBufferHeight = 10;
    RECT rcBuffer;
    Get_Back_Buffer_Rect(&rcBuffer);
    const int x = rcBuffer.right - 4;

    // Cut off: the last column inside is still the image's left half, nothing beyond the edge.
    ASSERT_NE(Draw_Named_Image(hTarget, "halves.bmp", x, 0, -1, -1), 0);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(x + 3, 1), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(x + 4, 1), {0, 0, 0, 255}));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(x, rcBuffer.bottom), {0, 0, 0, 255}));

    ASSERT_NE(Draw_Named_Image(hTarget, "halves.bmp:N", x, 0, -1, -1), 0);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(x + 4, 1), BITMAP_DRAW_RIGHT));

    // Wholly past the edge: nothing is drawn, rather than a mirrored stretch.
    Clear_Target(RGB(0, 0, 0));
    EXPECT_EQ(Draw_Named_Image(hTarget, "halves.bmp", rcBuffer.right + 5, 0, -1, -1), 0);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(rcBuffer.right - 1, 1), {0, 0, 0, 255}));
    gBackBufferWidth = gBackBufferHeight = 0;
}

TEST_F(BitmapCacheTest, NewNameTakesAMarkedSlotElseTheLeastRecentlyUsed) {
    BITMAP_SLOT pool[4] = {};
    const int stamps[4] = {7, 3, 9, 3};
    for (int i = 0; i < 4; ++i) {
        pool[i].nId = 100 + i;
        Format_String(pool[i].szName, sizeof pool[i].szName, "img%d.png", i);
        pool[i].nLastUse = stamps[i];
    }
    EXPECT_EQ(Find_Bitmap_Slot(pool, 4, "IMG2.PNG"), &pool[2]);

    // Equal oldest stamps: the lowest index, emptied with its id kept.
    EXPECT_EQ(Find_Bitmap_Slot(pool, 4, "new.png"), &pool[1]);
    EXPECT_STREQ(pool[1].szName, "");
    EXPECT_EQ(pool[1].nId, 101);

    // The last '!' slot goes first, as it is.
    safe_strncpy(pool[0].szName, "!spare0.png", sizeof pool[0].szName);
    safe_strncpy(pool[2].szName, "!spare2.png", sizeof pool[2].szName);
    EXPECT_EQ(Find_Bitmap_Slot(pool, 4, "other.png"), &pool[2]);
    EXPECT_STREQ(pool[2].szName, "!spare2.png");

    EXPECT_EQ(Find_Bitmap_Slot(pool, 0, "any.png"), &pool[0]);
    EXPECT_STREQ(pool[0].szName, "");
}

TEST_F(BitmapCacheTest, FullGeneralPoolReplacesTheImageDrawnLongestAgo) {
    for (int i = 0; i <= BITMAP_SLOT_COUNT; ++i) {
        char szName[32];
        Format_String(szName, sizeof szName, "image%02d.bmp:L", i);
        Bitmap_Test_Write_Bmp(std::string(szName, strchr(szName, ':')), 2, 2, 24,
                              Bitmap_Test_Solid(2, 2, BITMAP_DRAW_LEFT));
        ASSERT_NE(Draw_Named_Image(hTarget, szName, 0, 0, -1, -1), 0) << szName;
        // Drawing image 0 again after image 1 leaves image 1 the one drawn longest ago.
        if (i == 1) {
            ASSERT_NE(Draw_Named_Image(hTarget, "image00.bmp:L", 0, 0, -1, -1), 0);
        }
    }
    EXPECT_NE(Find_Cached_Image("image00.bmp:L"), nullptr);
    EXPECT_EQ(Find_Cached_Image("image01.bmp:L"), nullptr);
    EXPECT_NE(Find_Cached_Image("image40.bmp:L"), nullptr);
    EXPECT_EQ(Find_Cached_Image("image40.bmp:L")->nId, FIRST_BITMAP_SLOT_ID + 1);
}

TEST_F(BitmapCacheTest, OptionOrderMakesDifferentKeysButCaseDoesNot) {
    Bitmap_Test_Write_Png("x.png", 2, 2, 2, Bitmap_Test_Solid(2, 2, BITMAP_DRAW_LEFT));
    ASSERT_NE(Draw_Named_Image(hTarget, "x.png:ND", 0, 0, -1, -1), 0);
    ASSERT_NE(Draw_Named_Image(hTarget, "x.png:DN", 0, 0, -1, -1), 0);
    ASSERT_NE(Draw_Named_Image(hTarget, "X.PNG:dn", 0, 0, -1, -1), 0);
    EXPECT_NE(Find_Cached_Image("x.png:ND"), Find_Cached_Image("x.png:DN"));
    int nNamed = 0;
    for (const BITMAP_SLOT& slot : gBitmapSlots)
        nNamed += slot.szName[0] != 0;
    EXPECT_EQ(nNamed, 2);
}

TEST_F(BitmapCacheTest, DesignRectKeepsTheImageAspect) {
    // Without a main window the design rectangle is used as it is.
    Bitmap_Test_Write_Bmp("wide.bmp", 20, 10, 24, Bitmap_Test_Solid(20, 10, BITMAP_DRAW_LEFT));
    EXPECT_EQ(Draw_Image_In_Design_Rect(hTarget, "wide.bmp", 0, 0, 30, 30, 1), 15);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(29, 14), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(29, 16), {0, 0, 0, 255}));
    EXPECT_EQ(Draw_Image_In_Design_Rect(hTarget, "wide.bmp", 0, 0, 30, 30, 0), 30);
    EXPECT_EQ(Draw_Image_In_Design_Rect(hTarget, "missing.bmp", 0, 0, 30, 30, 1), 0);
    EXPECT_EQ(Draw_Image_In_Design_Rect(nullptr, "wide.bmp", 0, 0, 30, 30, 1), 0);
}

TEST_F(BitmapCacheTest, PageBackgroundPartCopiesAnInclusiveRectangle) {
    Bitmap_Draw_Write_Halves("bg.bmp");
    EXPECT_EQ(Draw_Page_Background_Area(hTarget, "bg.bmp", 3, 2, 4, 3), 1);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(3, 2), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(4, 3), BITMAP_DRAW_RIGHT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(2, 2), {0, 0, 0, 255}));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(5, 3), {0, 0, 0, 255}));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(4, 4), {0, 0, 0, 255}));
    EXPECT_NE(Find_Cached_Image("bg.bmp:B"), nullptr);

    // A null name takes the first background slot as it is.
    RECT rc = {6, 6, 6, 6};
    EXPECT_EQ(Draw_Page_Background_Rect(hTarget, nullptr, &rc), 1);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(6, 6), BITMAP_DRAW_RIGHT));
}

TEST_F(BitmapCacheTest, PageBackgroundPartRefusesAMixedRectangle) {
    Bitmap_Draw_Write_Halves("bg.bmp");
    EXPECT_EQ(Draw_Page_Background_Part(hTarget, "bg.bmp", 255, -1, 5, -1, -1), 0);
    EXPECT_NE(strstr(Get_Recent_Errors(), "Whaaaaa?"), nullptr);
    EXPECT_EQ(Find_Cached_Image("bg.bmp:B"), nullptr);

    // A null DC only loads.
    EXPECT_EQ(Draw_Page_Background_Named("bg.bmp", nullptr, 255), 1);
    EXPECT_NE(Find_Cached_Image("bg.bmp:B"), nullptr);
    EXPECT_EQ(Draw_Page_Background_Named("none.bmp", nullptr, 255), 0);
}

TEST_F(BitmapCacheTest, PageBackgroundWithRowsButNoBitmapShowsDarkRed) {
    Bitmap_Test_Write_Png("rows.png", 4, 4, 2, Bitmap_Test_Solid(4, 4, BITMAP_DRAW_LEFT));
    EXPECT_EQ(Draw_Page_Background_Area(hTarget, "rows.png:OL", 0, 0, 3, 3), 1);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(3, 3), {128, 0, 0, 255}));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(4, 4), {0, 0, 0, 255}));
    int nWidth = 0, nHeight = 0;
    Get_Page_Background_Size(&nWidth, &nHeight);
    EXPECT_EQ(nWidth, 4);
}

TEST_F(BitmapCacheTest, PageBackgroundDrawsTheNamedPage) {
    Bitmap_Draw_Write_Halves("page.bmp");
    gMainWindowDC = hTarget;
    gBackBufferWidth = gBackBufferHeight = 8;
    safe_strncpy(gPageBackgroundName, "page.bmp", sizeof gPageBackgroundName);
    Draw_Page_Background(hTarget);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(0, 0), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(7, 7), BITMAP_DRAW_RIGHT));
    gPageBackgroundName[0] = 0;
    gBackBufferWidth = gBackBufferHeight = 0;
}

TEST_F(BitmapCacheTest, WindowBackgroundFallsBackToTheSkinColour) {
    HWND hWnd = Bitmap_Test_Create_Window(nullptr, 0, 0, 12, 12, 0);
    ASSERT_NE(hWnd, nullptr);
    Draw_Window_Background(hWnd, hTarget, "absent.bmp");
    COLORREF skin = Get_Skin_Dialog_Colour();
    EXPECT_TRUE(
        Bitmap_Draw_Same(Pixel(5, 5), {GetRValue(skin), GetGValue(skin), GetBValue(skin), 255}));

    Bitmap_Draw_Write_Halves("dialog.bmp");
    Draw_Window_Background(hWnd, hTarget, "dialog.bmp");
    EXPECT_STREQ(gWindowBackgroundSlot.szName, "dialog.bmp");
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(1, 1), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(10, 10), BITMAP_DRAW_RIGHT));
    DestroyWindow(hWnd);
}

TEST_F(BitmapCacheTest, DialogItemImagesFollowTheControl) {
    HWND hDlg = Bitmap_Test_Create_Window(nullptr, 30, 20, 60, 60, 0);
    HWND hItem = Bitmap_Test_Create_Window(hDlg, 5, 5, 20, 10, 7);
    ASSERT_NE(hItem, nullptr);
    Bitmap_Draw_Write_Halves("halves.bmp");

    // Stretched over (5, 5)-(25, 15).
    ASSERT_NE(Draw_Image_In_Dialog_Item(hDlg, hTarget, 7, "halves.bmp"), 0);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(5, 5), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(24, 14), BITMAP_DRAW_RIGHT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(25, 15), {0, 0, 0, 255}));

    // Natural size centred: the 8 x 8 image at (11, 6).
    Clear_Target(RGB(0, 0, 0));
    ASSERT_NE(Draw_Image_In_Dialog_Item_Centered(hDlg, hTarget, 7, "halves.bmp"), 0);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(10, 6), {0, 0, 0, 255}));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(11, 6), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(18, 13), BITMAP_DRAW_RIGHT));
    EXPECT_EQ(Draw_Image_In_Dialog_Item(hDlg, hTarget, 8, "halves.bmp"), 0);
    DestroyWindow(hDlg);

    // Centred on a design point, unscaled without a main window.
    Clear_Target(RGB(0, 0, 0));
    EXPECT_EQ(Draw_Image_Centered_Scaled(hTarget, "halves.bmp", 20, 20), 8);
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(16, 16), BITMAP_DRAW_LEFT));
    EXPECT_TRUE(Bitmap_Draw_Same(Pixel(15, 15), {0, 0, 0, 255}));
}

class BitmapLogoTest : public BitmapCacheTest {
protected:
    void SetUp() override {
        BitmapCacheTest::SetUp();
        Build_Fixture_League();
        mkdir("logos", 0755);
    }
    std::string Logo_For(const char* szCity, const char* szNickname) {
        Set_Team_String(0, 1, szCity);
        Set_Team_String(0, 2, szNickname);
        char szOut[64];
        Get_Team_Logo_File(szOut, sizeof szOut, 0);
        return szOut;
    }
};

TEST_F(BitmapLogoTest, LogoIsPngThenJpegThenTheFiller) {
    for (const char* szFile : {"logos/ny2.png", "logos/ny1.jpg", "logos/la1.gif", "logos/la2.png",
                               "logos/LA2.jpg", "logos/Denver.jpg", "logos/STL2.png"})
        Bitmap_Test_Write_Bytes(szFile, {1});
    struct {
        const char* szCity;
        const char* szNickname;
        const char* szExpected;
    } cases[] = {
        {"New York", "Giants", "logos\\NY2.png"},
        {"New York", "Jets", "logos\\NY1.jpg"},
        {"Los Angeles", "Raiders", "logos\\LOGO_filler.png"},  // a GIF is never taken
        {"Los Angeles", "Rams", "logos\\LA2.png"},
        {"Denver", "Broncos", "logos\\Denver.jpg"},
        {"St. Louis", "Cardinals", "logos\\STL2.png"},
        {"St. Louis", "Rams", "logos\\LOGO_filler.png"},
        {"Baltimore", "Ravens", "logos\\LOGO_filler.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Logo_For(c.szCity, c.szNickname), c.szExpected)
            << c.szCity << " " << c.szNickname;
}

}  // namespace
