// The generators the catalogue names, one group per module.
#pragma once

#include "art_catalogue.h"

// Page backgrounds of the main window (the entry's parameter is the page).
enum ART_PAGE {
    ART_PAGE_STANDINGS,
    ART_PAGE_LEADERS,
    ART_PAGE_LEADERS_EXPANDED,
    ART_PAGE_FINANCES,
    ART_PAGE_CALENDAR,
    ART_PAGE_HALL_OF_FAME,
    ART_PAGE_PLAYOFFS,
    ART_PAGE_DRAFT,
    ART_PAGE_GAMES,
    ART_PAGE_PLAY_BY_PLAY,
};
// The design space of the pages (768 x 507) and of the scouting report (588 x 419).
#define ART_DESIGN_WIDTH 768.0
#define ART_DESIGN_HEIGHT 507.0

// art_backgrounds.cpp: the news pages, the game-day screen and the scouting report.
void Art_Draw_News_Page(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Scouting(const ART_ITEM& item,
                       ART_IMAGE* pImage);  // parameter: 0 QB, 1 skill, 2 defence, 3 line

// art_emblems.cpp: the start-up pictures, the three champions pictures, the splash pictures.
enum ART_EMBLEM { ART_DIVISION_TITLE, ART_CONFERENCE_TITLE, ART_CHAMPIONSHIP };
void Art_Draw_Startup(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Champions(const ART_ITEM& item, ART_IMAGE* pImage);  // parameter: ART_EMBLEM
void Art_Draw_Splash(const ART_ITEM& item,
                     ART_IMAGE* pImage);  // parameter: 0 welcome, 1 new version
void Art_Draw_Football(ART_IMAGE* pImage, double cx, double cy, double dLength, double dAngle);

// art_bars.cpp: the button bar's two pictures and the news bar's overlay.
void Art_Draw_Bar_Left(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Bar_Right(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_News_Bar(const ART_ITEM& item, ART_IMAGE* pImage);

// art_icons.cpp: weather, the playoff bracket's box and seed, stars, dialog pictures.
enum ART_PICTURE { ART_BEVERAGE, ART_FOOD, ART_SOUVENIR, ART_NEGOTIATE };
void Art_Draw_Weather(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Bracket_Box(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Bracket_Seed(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Stars(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Dialog_Picture(const ART_ITEM& item, ART_IMAGE* pImage);  // parameter: ART_PICTURE

// art_helmets.cpp: a helmet per franchise (parameter: 0 facing right, 1 facing left).
void Art_Draw_Helmet(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Franchise_Colours(int nFranchise, ART_COLOUR* pMain, ART_COLOUR* pTrim);

// art_jerseys.cpp: a jersey per franchise, for the card export.
void Art_Draw_Jersey(const ART_ITEM& item, ART_IMAGE* pImage);

// art_stadiums.cpp: a stadium's picture (the item's index is its ART_STRUCTURE).
void Art_Draw_Stadium(const ART_ITEM& item, ART_IMAGE* pImage);

// art_logos.cpp: a logo per city key, and the filler for a team without one.
void Art_Draw_City_Logo(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Logo_Filler(const ART_ITEM& item, ART_IMAGE* pImage);

// art_silhouettes.cpp: the photo of each position, shown for players without their own.
void Art_Draw_Silhouette(const ART_ITEM& item, ART_IMAGE* pImage);

// art_faces.cpp: the general managers' faces.
void Art_Draw_Face(const ART_ITEM& item, ART_IMAGE* pImage);

// art_cursors.cpp: the three cursors (parameter: 0 hand, 1 pick, 2 advance) and the program icon.
void Art_Draw_Cursor(const ART_ITEM& item, ART_IMAGE* pImage);
void Art_Draw_Program_Icon(const ART_ITEM& item, ART_IMAGE* pImage);

// art_sounds.cpp: the sound effects (parameter: ART_SOUND).
enum ART_SOUND {
    ART_SOUND_BUTTON,
    ART_SOUND_SWITCH,
    ART_SOUND_CELEBRATE_DIVISION,
    ART_SOUND_CELEBRATE_CONFERENCE,
    ART_SOUND_CELEBRATE_CHAMPION,
    ART_SOUND_POUR,
    ART_SOUND_CASH,
};
void Art_Make_Sound(const ART_ITEM& item, std::vector<int16_t>* pSamples);
