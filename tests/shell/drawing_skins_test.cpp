#include "drawing_test_fixture.h"

namespace {

class DrawingSkinsTest : public DrawingTest {};

TEST_F(DrawingSkinsTest, SkinNamesIgnoreCase) {
    struct {
        const char* szSkin;
        int bEarth, bFire, bIce, bDark;
        COLORREF dialog;
    } aCases[] = {
        {"earth", 1, 0, 0, 0, RGB(226, 200, 150)}, {"Fire", 0, 1, 0, 1, RGB(205, 170, 158)},
        {"ICE", 0, 0, 1, 1, RGB(172, 196, 222)},   {"chrome", 0, 0, 0, 0, RGB(172, 196, 222)},
        {"", 0, 0, 0, 0, RGB(172, 196, 222)},
    };
    for (const auto& c : aCases) {
        safe_strncpy(gSkinName, c.szSkin, sizeof(gSkinName));
        EXPECT_EQ(Is_Skin_Earth(), c.bEarth) << c.szSkin;
        EXPECT_EQ(Is_Skin_Fire(), c.bFire) << c.szSkin;
        EXPECT_EQ(Is_Skin_Ice(), c.bIce) << c.szSkin;
        EXPECT_EQ(Is_Skin_Ice_Or_Fire(), c.bDark) << c.szSkin;
        EXPECT_EQ(Get_Skin_Dialog_Colour(), c.dialog) << c.szSkin;
    }
}

TEST_F(DrawingSkinsTest, SkinFiles) {
    safe_strncpy(gSkinName, "fire", sizeof(gSkinName));
    char szFile[64];
    Copy_Skin_File_Name(szFile, sizeof(szFile), "button.png");
    EXPECT_STREQ(szFile, "skins\\fire\\button.png");
    safe_strncpy(szFile, "standings.jpg", sizeof(szFile));
    Get_Skin_File(szFile, sizeof(szFile));
    EXPECT_STREQ(szFile, "skins\\fire\\standings.jpg");
    char szShort[16];
    safe_strncpy(szShort, "background.png", sizeof(szShort));
    Get_Skin_File(szShort, sizeof(szShort));
    EXPECT_STREQ(szShort, "skins\\fire\\back");
}

TEST_F(DrawingSkinsTest, PageTextColours) {
    EXPECT_EQ(Get_Page_Text_Colour(PAGE_PLAIN_TEXT, 0), RGB(255, 255, 255));
    EXPECT_EQ(Get_Page_Text_Colour(PAGE_PLAIN_TEXT, 1), RGB(0, 0, 0));
    EXPECT_EQ(Get_Page_Text_Colour(7, 0), RGB(255, 249, 69));
    EXPECT_EQ(Get_Page_Text_Colour(PAGE_HIGHLIGHT_TEXT, 1), RGB(130, 30, 30));
    EXPECT_EQ(Get_Page_Text_Colour_Pair(8, 0), RGB(255, 215, 215));
    EXPECT_EQ(Get_Page_Text_Colour_Pair(8, 1), RGB(30, 30, 130));
    EXPECT_EQ(Get_Page_Text_Colour_Pair(5, 1), RGB(80, 80, 180));
    EXPECT_EQ(Get_Page_Text_Colour_Pair(9, 0), RGB(0, 0, 0));
    EXPECT_EQ(Get_Highlight_Text_Colour(1, 0), RGB(255, 249, 69));
    EXPECT_EQ(Get_Highlight_Text_Colour(0, 1), RGB(0, 0, 0));
    // The dark skins have their own: white and light grey, or black and dark grey.
    safe_strncpy(gSkinName, "ice", sizeof(gSkinName));
    EXPECT_EQ(Get_Page_Text_Colour(PAGE_PLAIN_TEXT, 0), RGB(255, 255, 255));
    EXPECT_EQ(Get_Page_Text_Colour(PAGE_HIGHLIGHT_TEXT, 0), RGB(212, 212, 212));
    EXPECT_EQ(Get_Page_Text_Colour(PAGE_PLAIN_TEXT, 1), RGB(0, 0, 0));
    EXPECT_EQ(Get_Page_Text_Colour(PAGE_HIGHLIGHT_TEXT, 1), RGB(52, 52, 52));
}

}  // namespace
