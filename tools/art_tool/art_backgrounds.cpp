// The news pages' backgrounds, the game-day screen and the scouting report, laid out on the
// places where the painters write: light plates under black text, dark panels under light text.
#include <math.h>

#include "art_generators.h"
#include "art_plates.h"

namespace {

// The page's heading band, where the painters centre the league or team name.
void Art_Heading_Band(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, double x1,
                      double y1, double x2, double y2) {
    Art_Plate(pImage, space, skin, x1, y1, x2, y2, ART_PLATE_HEADING);
}

// Tabs the page writes on: light under the earth skin's dark text, dark under the other skins'
// white text.
ART_PLATE Art_Header_Plate(const ART_SKIN& skin) {
    return skin.bDark ? ART_PLATE_TAB : ART_PLATE_TAB_LIGHT;
}

// Faint rows across a table panel, one every nStep design units.
void Art_Table_Rows(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, double x1,
                    double y1, double x2, double y2, double dStep) {
    for (double y = y1 + dStep; y + dStep <= y2; y += 2 * dStep) {
        agg::path_storage row;
        Art_Add_Rect(&row, space.X(x1 + 3), space.Y(y), space.X(x2 - 3), space.Y(y + dStep));
        Art_Fill(pImage, row, skin.bDark ? Art_Alpha(skin.accent, 14) : Art_Alpha(skin.accent, 34));
    }
}

void Art_Standings_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Heading_Band(pImage, space, skin, 92, 14, 592, 66);
    for (int i = 0; i < 5; i++) {
        double x = 300 + 84 * i + (skin.bDark ? 0 : 4 * i);
        Art_Plate(pImage, space, skin, x + 1, 72, x + 83, 93, Art_Header_Plate(skin));
    }
    Art_Plate(pImage, space, skin, 4, 98, 764, 458, ART_PLATE_PANEL);
    Art_Table_Rows(pImage, space, skin, 4, 98, 764, 458, 14);
}

void Art_Leader_List(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, double x,
                     double y, double dBottom) {
    Art_Plate(pImage, space, skin, x, y, x + 247, y + 20, ART_PLATE_LIGHT);
    Art_Plate(pImage, space, skin, x, y + 23, x + 247, dBottom, ART_PLATE_PANEL);
    Art_Table_Rows(pImage, space, skin, x, y + 23, x + 247, dBottom, 15);
}

void Art_Leaders_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin,
                      bool bExpanded) {
    // The first button's text is black on the earth skin, white on the others; the second's is
    // dark on every skin (and its plate 4 units taller on the dark skins).
    Art_Plate(pImage, space, skin, 126, 8, 353, 46,
              skin.bDark ? ART_PLATE_HEADING : ART_PLATE_LIGHT);
    Art_Plate(pImage, space, skin, 445, 8, 575, skin.bDark ? 50 : 46, ART_PLATE_LIGHT);
    if (bExpanded) {
        Art_Leader_List(pImage, space, skin, 112, 64, 458);
        Art_Plate(pImage, space, skin, 410, 64, 657, 458, ART_PLATE_PANEL);
        Art_Word_Mark(pImage, skin, space.X(533), space.Y(260), space.Y(20));
        return;
    }
    const double aOrigins[][2] = {{112, 64}, {410, 64}, {112, 253}, {410, 253}};
    for (const auto& origin : aOrigins)
        Art_Leader_List(pImage, space, skin, origin[0], origin[1], origin[1] + 184);
}

void Art_Finances_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Heading_Band(pImage, space, skin, 4, 13, 596, 65);
    // The dark skins write the column names 12 units further right, as they do the columns.
    double dShift = skin.bDark ? 12 : 0;
    for (int k = 0; k < 8; k++)
        Art_Plate(pImage, space, skin, 160 + dShift + 70 * k + 1, 74, 230 + dShift + 70 * k - 1, 93,
                  Art_Header_Plate(skin));
    Art_Plate(pImage, space, skin, 4, 97, 764, 458, ART_PLATE_PANEL);
    Art_Table_Rows(pImage, space, skin, 4, 97, 764, 458, 14);
}

void Art_Calendar_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Heading_Band(pImage, space, skin, 4, 12, 764, 66);
    double dLeft = skin.bDark ? 381 : 371, dWidth = skin.bDark ? 72 : 77;
    for (int k = 0; k < 5; k++)
        Art_Plate(pImage, space, skin, dLeft + dWidth * k + 1, 68, dLeft + dWidth * (k + 1) - 1,
                  101, Art_Header_Plate(skin));
    Art_Plate(pImage, space, skin, 4, 104, 764, 392, ART_PLATE_PANEL);
    Art_Table_Rows(pImage, space, skin, 4, 104, 764, 392, 14);
    Art_Plate(pImage, space, skin, 372, 396, 760, 458, ART_PLATE_PANEL);
}

void Art_Hall_Of_Fame_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Heading_Band(pImage, space, skin, 4, 12, 764, 74);
    for (int k = 0; k < 4; k++)
        Art_Plate(pImage, space, skin, 15 + 172 * k + 1, 81, 187 + 172 * k - 1, 103,
                  Art_Header_Plate(skin));
    Art_Plate(pImage, space, skin, 8, 108, 760, 458, ART_PLATE_PANEL);
    Art_Table_Rows(pImage, space, skin, 8, 108, 760, 458, 14);
}

// The bracket's rounds as faint lines: the painter draws the slots and joins over them.
void Art_Playoffs_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Heading_Band(pImage, space, skin, 150, 2, 618, 30);
    agg::path_storage bowl;
    double cx = space.X(384), cy = space.Y(250);
    Art_Add_Ellipse(&bowl, cx, cy, space.X(150), space.Y(150));
    Art_Fill_Radial(pImage, bowl, cx, cy, space.X(150), Art_Alpha(skin.glow, 46),
                    Art_Alpha(skin.glow, 0));
    for (int nRound = 0; nRound < 3; nRound++) {
        double dLeft = 20 + 110 * nRound, dRight = 748 - 110 * nRound;
        int nSlots = 8 >> nRound;
        for (int i = 0; i < nSlots; i++) {
            double y = 60 + (i + 0.5) * 390.0 / nSlots;
            const double aLeft[] = {space.X(dLeft), space.Y(y), space.X(dLeft + 100), space.Y(y)};
            const double aRight[] = {space.X(dRight), space.Y(y), space.X(dRight - 100),
                                     space.Y(y)};
            Art_Stroke_Line(pImage, aLeft, 2, 2.0, Art_Alpha(skin.accent, 50));
            Art_Stroke_Line(pImage, aRight, 2, 2.0, Art_Alpha(skin.accent, 50));
        }
    }
    Art_Draw_Football(pImage, cx, cy, space.X(90), -0.5);
}

void Art_Draft_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Heading_Band(pImage, space, skin, 4, 10, 764, 60);
    Art_Plate(pImage, space, skin, 20, 64, 748, 458, ART_PLATE_PANEL);
    double dShift = skin.bDark ? 12 : 0;
    for (int c = 1; c < 9; c += 2) {
        agg::path_storage column;
        double x = 162 + 70 * (c - 1) + dShift;
        Art_Add_Rect(&column, space.X(x), space.Y(68), space.X(x + 68), space.Y(454));
        Art_Fill(pImage, column, Art_Alpha(skin.accent, 16));
    }
}

// The strip of the field the ball marker runs over: 2.25 units a yard from x 271 to 496.
void Art_Field_Strip(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Plate(pImage, space, skin, 248, 46, 519, 98, ART_PLATE_PANEL);
    agg::path_storage grass;
    Art_Add_Rect(&grass, space.X(271), space.Y(56), space.X(496), space.Y(92));
    Art_Fill_Linear(pImage, grass, 0, space.Y(56), 0, space.Y(92), Art_Rgb(58, 128, 52),
                    Art_Rgb(34, 92, 34));
    for (int i = 0; i < 10; i += 2) {
        agg::path_storage stripe;
        double x = 271 + 22.5 * i;
        Art_Add_Rect(&stripe, space.X(x), space.Y(56), space.X(x + 22.5), space.Y(92));
        Art_Fill(pImage, stripe, Art_Rgb(255, 255, 255, 14));
    }
    for (int nEnd = 0; nEnd < 2; nEnd++) {
        agg::path_storage zone;
        double x = nEnd ? 496 : 251;
        Art_Add_Rect(&zone, space.X(x), space.Y(56), space.X(x + 20), space.Y(92));
        Art_Fill(pImage, zone, Art_Darker(skin.accent, 0.3));
    }
    for (int nYard = 0; nYard <= 100; nYard += 10) {
        double x = space.X(271 + 2.25 * nYard);
        const double aLine[] = {x, space.Y(56), x, space.Y(92)};
        Art_Stroke_Line(pImage, aLine, 2, nYard == 50 ? 2.0 : 1.2, Art_Rgb(255, 255, 255, 170));
    }
    agg::path_storage border;
    Art_Add_Rect(&border, space.X(251), space.Y(56), space.X(516), space.Y(92));
    Art_Stroke(pImage, border, 1.5, Art_Rgb(255, 255, 255, 200));
}

// The top of the game-day screen: scoreboard, side panels, field, weather and the statistics.
void Art_Game_Day_Top(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin) {
    Art_Plate(pImage, space, skin, 2, 1, 766, 24, ART_PLATE_HEADING);
    Art_Plate(pImage, space, skin, 4, 28, 257, 236, ART_PLATE_PANEL);
    Art_Plate(pImage, space, skin, 511, 28, 764, 236, ART_PLATE_PANEL);
    Art_Field_Strip(pImage, space, skin);
    Art_Plate(pImage, space, skin, 238, 100, 344, 122, ART_PLATE_PANEL);
    Art_Plate(pImage, space, skin, 420, 100, 514, 122, ART_PLATE_PANEL);
    Art_Plate(pImage, space, skin, 262, 140, 506, 258, ART_PLATE_PANEL);
    Art_Table_Rows(pImage, space, skin, 262, 140, 506, 258, 11);
}

void Art_Games_Page(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, bool bLive) {
    Art_Game_Day_Top(pImage, space, skin);
    // The label left of the tabs is black ("Scores", "Playbook"); the ordinary skin draws it and
    // the tabs 4 units lower.
    double dDown = skin.bDark ? 0 : 4;
    Art_Plate(pImage, space, skin, 23, 264 + dDown, 87, 286 + dDown, ART_PLATE_LIGHT);
    for (int k = 0; k < 6; k++)
        Art_Plate(pImage, space, skin, 159 + 99 * k, 264 + dDown, 248 + 99 * k, 286 + dDown,
                  Art_Header_Plate(skin));
    if (bLive) {
        // The play picker's cells carry their own diagrams; the play-by-play column and the
        // description strip need dark ground.
        Art_Plate(pImage, space, skin, 6, 288, 762, 486, ART_PLATE_PANEL);
        Art_Plate(pImage, space, skin, 6, 486, 762, 502, ART_PLATE_HEADING);
        return;
    }
    Art_Plate(pImage, space, skin, 11, 289, 757, 460, ART_PLATE_PANEL);
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 5; c++) {
            agg::path_storage tile;
            Art_Add_Rounded_Rect(&tile, space.X(21 + 150 * c), space.Y(295 + 56 * r),
                                 space.X(147 + 150 * c), space.Y(341 + 56 * r), 4);
            Art_Fill(pImage, tile, Art_Alpha(skin.accent, 22));
            Art_Stroke(pImage, tile, 1.0, Art_Alpha(skin.accent, 60));
        }
    Art_Page_Tab_Strip(pImage, space, skin, ART_TAB_GAMES);
}

int Art_Page_Tab_Of(int nPage) {
    switch (nPage) {
    case ART_PAGE_STANDINGS: return ART_TAB_STANDINGS;
    case ART_PAGE_LEADERS:
    case ART_PAGE_LEADERS_EXPANDED: return ART_TAB_LEADERS;
    case ART_PAGE_FINANCES: return ART_TAB_FINANCES;
    case ART_PAGE_CALENDAR: return ART_TAB_CALENDAR;
    case ART_PAGE_PLAYOFFS: return ART_TAB_PLAYOFFS;
    case ART_PAGE_DRAFT: return ART_TAB_DRAFT;
    default: return -1;
    }
}

}  // namespace

void Art_Draw_News_Page(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    uint32_t nSeed = static_cast<uint32_t>(item.nParam * 31 + (skin.szName[0] - 'a'));
    Art_Text_Ground(pImage, skin);
    ART_SPACE space(*pImage, ART_DESIGN_WIDTH, ART_DESIGN_HEIGHT);
    switch (item.nParam) {
    case ART_PAGE_STANDINGS: Art_Standings_Page(pImage, space, skin); break;
    case ART_PAGE_LEADERS: Art_Leaders_Page(pImage, space, skin, false); break;
    case ART_PAGE_LEADERS_EXPANDED: Art_Leaders_Page(pImage, space, skin, true); break;
    case ART_PAGE_FINANCES: Art_Finances_Page(pImage, space, skin); break;
    case ART_PAGE_CALENDAR: Art_Calendar_Page(pImage, space, skin); break;
    case ART_PAGE_HALL_OF_FAME: Art_Hall_Of_Fame_Page(pImage, space, skin); break;
    case ART_PAGE_PLAYOFFS: Art_Playoffs_Page(pImage, space, skin); break;
    case ART_PAGE_DRAFT: Art_Draft_Page(pImage, space, skin); break;
    case ART_PAGE_GAMES: Art_Games_Page(pImage, space, skin, false); break;
    case ART_PAGE_PLAY_BY_PLAY: Art_Games_Page(pImage, space, skin, true); break;
    }
    if (item.nParam != ART_PAGE_GAMES && item.nParam != ART_PAGE_PLAY_BY_PLAY)
        Art_Page_Tab_Strip(pImage, space, skin, Art_Page_Tab_Of(item.nParam));
    Art_Page_Frame(pImage, skin);
    Art_Page_Finish(pImage, nSeed);
}

// The scouting report (588 x 419 design units): the photo frame at (17, 33) 106 x 160 on a light
// mat, the information and statistics on dark panels, a chalk diagram of the position behind.
void Art_Draw_Scouting(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    uint32_t nSeed = static_cast<uint32_t>(100 + item.nParam * 7 + (skin.szName[0] - 'a'));
    Art_Text_Ground(pImage, skin);
    ART_SPACE space(*pImage, 588, 419);
    Art_Plate(pImage, space, skin, 10, 26, 130, 200, ART_PLATE_LIGHT);
    Art_Plate(pImage, space, skin, 17, 33, 123, 193, ART_PLATE_PANEL);
    Art_Plate(pImage, space, skin, 136, 26, 578, 200, ART_PLATE_PANEL);
    Art_Plate(pImage, space, skin, 10, 208, 578, 410, ART_PLATE_PANEL);
    Art_Table_Rows(pImage, space, skin, 10, 208, 578, 410, 13);
    // A chalk diagram of the position over the information panel, faint behind its text.
    ART_COLOUR chalk = Art_Rgb(255, 255, 255, 34);
    ART_RANDOM random(nSeed);
    for (int i = 0; i < 7; i++) {
        double x = space.X(340 + 32 * i), y = space.Y(item.nParam == 2 ? 80 : 170);
        agg::path_storage mark;
        if (item.nParam == 2) {
            const double aCross1[] = {x - 7, y - 7, x + 7, y + 7};
            const double aCross2[] = {x - 7, y + 7, x + 7, y - 7};
            Art_Stroke_Line(pImage, aCross1, 2, 3, chalk);
            Art_Stroke_Line(pImage, aCross2, 2, 3, chalk);
        } else {
            Art_Add_Ellipse(&mark, x, y, 8, 8);
            Art_Stroke(pImage, mark, 3, chalk);
        }
        if (item.nParam != 3) {
            agg::path_storage route;
            route.move_to(x, y - 12);
            route.curve3(x + random.Range(-40, 40), y - space.Y(50), x + random.Range(-60, 60),
                         y - space.Y(random.Range(60, 95)));
            Art_Stroke(pImage, route, 2.5, chalk);
        }
    }
    Art_Heading_Band(pImage, space, skin, 4, 2, 584, 22);
    Art_Page_Frame(pImage, skin);
    Art_Page_Finish(pImage, nSeed);
}
