// The game-day screen: the Games page drawn for the displayed game (the watched live game, else
// the selected stored one) with its scoreboard, line score, team statistics, weather and wind,
// side panels, the ball on the field and the situation. The painters only read the league; the
// wind's tremble comes from the drawing layer's own generator, so a repaint never moves the game's
// random numbers.
#include "pages/game_screen_internal.h"

#define SCORE_FONT 5
#define STAT_FONT 2
#define WEATHER_FONT 1
#define CLOCK_FONT 14
#define CALM_WIND 4
#define DOME_WIND (-1)
#define FIELD_LEFT 271
#define FIELD_RIGHT 496
#define SPOT_RIGHT 494
#define STAT_ROWS 10
#define LINE_SCORE_COLUMNS 6
#define OVERTIME_COLUMN 4
#define SCORE_COLUMN 5
#define TITLE_GAME_NICKNAME_LIMIT 37

static const char* const kStatLabels[STAT_ROWS] = {
    "Total Yards", "Rushing / Passing", "Yards per Rush", "Completion %", "1st Downs",
    "Turnovers",   "Sacks",             "Penalties",      "3rd Down",     "Timeouts"};

int Is_Watched_Game_Shown(void) {
    return gLiveGame != NULL && Get_Displayed_Game() == gLiveGame;
}

// The play-by-play picture has no page tabs and no tiles: it is drawn only under the watched game,
// not under a stored game shown while another is played unwatched.
void Get_Game_Screen_Background(char* szOut, int nSize) {
    Copy_Skin_File_Name(szOut, nSize, Is_Watched_Game_Shown() ? "news\\pbp.jpg" : "news\\games.jpg");
}

COLORREF Get_Side_Colour(int nSide) {
    if (Is_Skin_Ice_Or_Fire())
        return nSide == HOME_SIDE ? RGB(255, 255, 255) : RGB(212, 212, 212);
    if (gDarkText)
        return nSide == HOME_SIDE ? RGB(0, 0, 0) : RGB(130, 30, 30);
    return nSide == HOME_SIDE ? RGB(255, 255, 255) : RGB(255, 249, 69);
}

// The statistics column's colours: the dark skins draw them dark on a light panel.
static COLORREF Get_Stat_Colour(int nSide) {
    if (Is_Skin_Ice_Or_Fire())
        return nSide == HOME_SIDE ? RGB(0, 0, 0) : RGB(52, 52, 52);
    return Get_Side_Colour(nSide);
}

static void Draw_Text(HDC hdc, int nFont, const char* szText, COLORREF colour, RECT rect,
                      UINT uFlags) {
    Draw_Page_Text_In_Font(hdc, nFont, szText, colour, rect, uFlags);
}

static void Get_Team_Column_Name(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nTeam <= TITLE_GAME_NICKNAME_LIMIT)
        Get_Team_Nickname(nTeam, szOut, nSize);
}

static void Draw_Scoreboard(HDC hdc, GAME* pGame) {
    const int y = Is_Skin_Ice_Or_Fire() ? 5 : 7;
    const UINT uCentre = DT_CENTER | DT_SINGLELINE | DT_VCENTER;
    for (int i = 0; i < 2; i++) {
        const int nTeam = pGame->anTeams[i];
        const COLORREF colour = Get_Side_Colour(i);
        char szText[TEAM_LABEL_SIZE];
        Get_Team_Label(nTeam, szText, sizeof(szText));
        if (strcmp(szText, "Tampa Bay Buccaneers") == 0)
            safe_strncpy(szText, "Tampa Bay Bucs", sizeof(szText));
        Draw_Text(hdc, SCORE_FONT, szText, colour, RECT{19 + 590 * i, y, 160 + 590 * i, 21}, uCentre);
        int nTies = Get_Team_Record_Char(nTeam, RESULT_KIND_TIES);
        if (nTies)
            Format_String(szText, sizeof(szText), "%d-%d-%d",
                          Get_Team_Record_Char(nTeam, RESULT_KIND_WINS),
                          Get_Team_Record_Char(nTeam, RESULT_KIND_LOSSES), nTies);
        else
            Format_String(szText, sizeof(szText), "%d-%d",
                          Get_Team_Record_Char(nTeam, RESULT_KIND_WINS),
                          Get_Team_Record_Char(nTeam, RESULT_KIND_LOSSES));
        Draw_Text(hdc, SCORE_FONT, szText, colour, RECT{190 + 350 * i, y, 228 + 350 * i, 21}, uCentre);
        Get_Team_Column_Name(nTeam, szText, sizeof(szText));
        Draw_Text(hdc, SCORE_FONT, szText, colour, RECT{254 + 172 * i, 124, 340 + 172 * i, 140},
                  uCentre);
        Draw_Text(hdc, SCORE_FONT, szText, colour, RECT{260, 15 + 13 * i, 356, 30 + 13 * i},
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        const int nReached = Get_Game_Quarter(pGame);
        for (int e = 0; e < LINE_SCORE_COLUMNS; e++) {
            int nPoints;
            if (e < OVERTIME_COLUMN) {
                if (e >= nReached)
                    continue;
                nPoints = Get_Game_Period_Points(pGame, e, i);
            } else if (e == OVERTIME_COLUMN) {
                if (pGame->nClock <= REGULATION_SECONDS)
                    continue;
                nPoints = Get_Game_Period_Points(pGame, OVERTIME_COLUMN, i);
            } else {
                nPoints = pGame->anScores[i];
            }
            int x = 356 + 22 * e + (e == SCORE_COLUMN ? 11 : 0);
            Format_String(szText, sizeof(szText), "%d", nPoints);
            Draw_Text(hdc, SCORE_FONT, szText, colour, RECT{x, 17 + 13 * i, x + 22, 30 + 13 * i},
                      uCentre);
        }
    }
}

static void Draw_Team_Stat_Labels(HDC hdc, GAME* pGame) {
    const UINT uCentre = DT_CENTER | DT_SINGLELINE | DT_VCENTER;
    const COLORREF label = gDarkText ? RGB(30, 30, 130) : RGB(255, 215, 215);
    for (int r = 0; r < STAT_ROWS; r++) {
        const char* szLabel = r == 9 && Is_Game_Over(pGame) ? "Possession" : kStatLabels[r];
        Draw_Text(hdc, STAT_FONT, szLabel, label, RECT{340, 146 + 11 * r, 426, 158 + 11 * r},
                  uCentre);
    }
    const COLORREF head = Is_Skin_Ice_Or_Fire() ? RGB(215, 218, 170)
                          : gDarkText           ? RGB(80, 80, 180)
                                                : RGB(255, 170, 170);
    char szTitle[64];
    Get_Title_Game_Name(pGame, szTitle, sizeof(szTitle));
    Draw_Text(hdc, STAT_FONT, szTitle, head, RECT{260, 4, 356, 17}, DT_LEFT | DT_SINGLELINE);
    static const char* const aszQuarters[4] = {"Q1", "Q2", "Q3", "Q4"};
    for (int q = 0; q < 4; q++)
        Draw_Text(hdc, STAT_FONT, aszQuarters[q], head, RECT{356 + 22 * q, 4, 378 + 22 * q, 17},
                  uCentre);
    if (pGame->nClock > REGULATION_SECONDS)
        Draw_Text(hdc, STAT_FONT, "OT", head, RECT{444, 4, 466, 17}, uCentre);
    Draw_Text(hdc, STAT_FONT, Is_Game_Over(pGame) ? "Final" : "Score", head, RECT{466, 4, 510, 17},
              uCentre);
}

static void Draw_Team_Stat_Comparison(HDC hdc, GAME* pGame) {
    for (int i = 0; i < 2; i++)
        for (int r = 0; r < STAT_ROWS; r++) {
            char szCell[32];
            Format_Team_Stat_Cell(szCell, sizeof(szCell), pGame, i, r);
            Draw_Text(hdc, STAT_FONT, szCell, Get_Stat_Colour(i),
                      RECT{254 + 172 * i, 146 + 11 * r, 340 + 172 * i, 158 + 11 * r},
                      DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        }
}

// An arrow from the wind's direction, trembling a little between repaints while the game is on.
static void Draw_Wind_Arrow(HDC hdc, GAME* pGame) {
    const int nWind = Get_Game_Info(pGame, GAME_INFO_WIND_SPEED);
    if (nWind < CALM_WIND)
        return;
    const double w = nWind + 2;
    double fDegrees = Get_Game_Info(pGame, GAME_INFO_WIND_ANGLE);
    if (!Is_Game_Over(pGame))
        fDegrees += Cosmetic_Random_Below(30) - Cosmetic_Random_Below(30);
    const double fAngle = fDegrees / 180.0 * M_PI - M_PI / 2;
    const double aPoints[7][2] = {{-12, w / 5}, {2, w / 5}, {2, w / 2}, {12, 0},
                                  {2, -w / 2},  {2, -w / 5}, {-12, -w / 5}};
    PATH_CANVAS canvas;
    canvas.reset_canvas();
    canvas.next_path();
    canvas.set_path_flags(PATH_FILL | PATH_STROKE);
    canvas.set_stroke_colour(agg::rgba8(255, 0, 0, 255));
    canvas.set_fill_colour(Is_Skin_Ice_Or_Fire() || !gDarkText ? agg::rgba8(255, 255, 255, 255)
                                                                : agg::rgba8(80, 80, 180, 255));
    canvas.set_stroke_width(0.01);
    const double c = cos(fAngle), s = sin(fAngle);
    for (int i = 0; i < 7; i++) {
        double x = aPoints[i][0] * c - aPoints[i][1] * s;
        double y = aPoints[i][0] * s + aPoints[i][1] * c;
        if (i == 0)
            canvas.move_to(x, y);
        else
            canvas.line_to(x, y);
    }
    canvas.vertices.close_polygon();
    canvas.set_bounds(-20, -20, 20, 20);
    RECT box = {285, 100, 309, 122};
    Scale_Design_Rect(&box);
    canvas.render_paths_in_rect(hdc, &box);
    canvas.release_paths();
}

static void Draw_Weather_And_Wind(HDC hdc, GAME* pGame) {
    const COLORREF colour = Is_Skin_Ice_Or_Fire() ? RGB(255, 255, 255)
                            : gDarkText           ? RGB(80, 80, 180)
                                                  : RGB(255, 170, 170);
    const UINT uCentre = DT_CENTER | DT_SINGLELINE | DT_VCENTER;
    const int nWind = Get_Game_Info(pGame, GAME_INFO_WIND_SPEED);
    char szText[64];
    if (nWind < CALM_WIND) {
        Draw_Text(hdc, WEATHER_FONT, nWind == DOME_WIND ? "No Wind (Dome)" : "Wind: Calm", colour,
                  RECT{254, 102, 340, 120}, uCentre);
    } else {
        Draw_Text(hdc, WEATHER_FONT, "Wind", colour, RECT{242, 102, 297, 120}, uCentre);
        Format_String(szText, sizeof(szText), "%d mph", nWind);
        Draw_Text(hdc, WEATHER_FONT, szText, colour, RECT{297, 102, 352, 120}, uCentre);
        Draw_Wind_Arrow(hdc, pGame);
    }
    Get_Weather_Text(szText, sizeof(szText), pGame);
    Draw_Text(hdc, WEATHER_FONT, szText, colour, RECT{424, 102, 469, 120}, uCentre);
    Format_String(szText, sizeof(szText), "%d\xB0", Get_Game_Info(pGame, GAME_INFO_TEMPERATURE));
    Draw_Text(hdc, WEATHER_FONT, szText, colour, RECT{477, 102, 510, 120}, uCentre);
    char szName[32], szPicture[PAGE_BACKGROUND_NAME_SIZE];
    Get_Weather_Image_Name(szName, sizeof(szName), pGame);
    Format_String(szText, sizeof(szText), "News\\Weather\\%s.png", szName);
    Copy_Skin_File_Name(szPicture, sizeof(szPicture), szText);
    Draw_Image_Centered_Scaled(hdc, szPicture, 469, 111);
}

// The ball's x on the field strip: the visitor attacks to the right, the home team to the left.
static int Get_Ball_X(GAME* pGame, int nRight) {
    const int nPosition = pGame->nYardLine;
    if (Get_Offensive_Side(pGame) == VISITOR_SIDE)
        return nRight - (int)floor(2.25 * nPosition);
    return nRight - (int)floor(2.25 * (100 - nPosition));
}

static void Render_Canvas_In_Design_Box(PATH_CANVAS* pCanvas, HDC hdc, RECT box) {
    Scale_Design_Rect(&box);
    pCanvas->render_paths_in_rect(hdc, &box);
    pCanvas->release_paths();
}

static void Draw_Ball_Marker(HDC hdc, GAME* pGame) {
    const int x = Get_Ball_X(pGame, FIELD_RIGHT);
    const double s = Get_Offensive_Side(pGame) == HOME_SIDE ? -1.0 : 1.0;
    const int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    const double L = nDown <= FOURTH_DOWN ? 8 + 2 * nDown : 15;
    const double aPoints[7][2] = {{0, 2},        {s * L, 2},  {s * L, 5}, {s * 25, 0},
                                  {s * L, -5},   {s * L, -2}, {0, -2}};
    PATH_CANVAS canvas;
    canvas.reset_canvas();
    canvas.next_path();
    canvas.set_path_flags(PATH_FILL | PATH_STROKE);
    canvas.set_fill_colour(agg::rgba8(255, 249, 69, 255));
    canvas.set_stroke_colour(agg::rgba8(255, 0, 0, 255));
    canvas.set_stroke_width(0.01);
    for (int i = 0; i < 7; i++)
        if (i == 0)
            canvas.move_to(aPoints[i][0], aPoints[i][1]);
        else
            canvas.line_to(aPoints[i][0], aPoints[i][1]);
    canvas.vertices.close_polygon();
    // The box is as many design units wide as the arrow is long, centred on the ball.
    canvas.set_bounds(-26, -15, 26, 15);
    Render_Canvas_In_Design_Box(&canvas, hdc, RECT{x - 26, 52, x + 26, 81});
}

static void Draw_Ball_Half(HDC hdc, int x, int nTop, int nSourceTop, int nSourceBottom) {
    PATH_CANVAS canvas;
    canvas.reset_canvas();
    canvas.next_path();
    canvas.set_path_flags(PATH_FILL);
    canvas.set_fill_colour(agg::rgba8(153, 51, 51, 255));
    canvas.add_circle(0, 0, 10);
    canvas.set_bounds(-10, nSourceTop, 10, nSourceBottom);
    Render_Canvas_In_Design_Box(&canvas, hdc, RECT{x - 5, nTop, x + 5, nTop + 3});
}

// Two halves of a circle squeezed into a flattened ball.
static void Draw_Ball_Spot(HDC hdc, GAME* pGame) {
    const int x = Get_Ball_X(pGame, SPOT_RIGHT);
    Draw_Ball_Half(hdc, x, 64, -10, 3);
    Draw_Ball_Half(hdc, x, 66, -3, 10);
}

static void Draw_Game_Situation(HDC hdc, GAME* pGame) {
    if (gSelectedGame == -1 && gLiveGame == NULL)
        return;
    const COLORREF colour = gDarkText ? RGB(255, 255, 255) : RGB(210, 180, 110);
    char szText[160];
    HFONT hFont = Take_App_Font(SCORE_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    if (pGame == gLiveGame) {
        if (!Is_Game_Over(pGame)) {
            Draw_Ball_Marker(hdc, pGame);
            Draw_Ball_Spot(hdc, pGame);
        }
        Format_Game_Situation(szText, sizeof(szText), pGame);
        RECT rect = {271, 80, 496, 96};
        Draw_Shadowed_Text_Colour(hdc, szText, colour, &rect, DT_CENTER | DT_SINGLELINE);
    } else {
        int nSide = pGame->anScores[VISITOR_SIDE] < pGame->anScores[HOME_SIDE] ? HOME_SIDE
                                                                                : VISITOR_SIDE;
        char szPlayer[128];
        Format_Player_Of_The_Game(pGame, nSide, szPlayer, sizeof(szPlayer), 0);
        Format_String(szText, sizeof(szText), "Player of the Game:\n%s", szPlayer);
        RECT rect = {271, 64, 496, 96};
        Draw_Shadowed_Text_Colour(hdc, szText, colour, &rect, DT_CENTER | DT_WORDBREAK);
    }
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
    if (pGame != gLiveGame)
        return;
    Format_Game_Period(szText, sizeof(szText), pGame);
    Draw_Text(hdc, STAT_FONT, szText, RGB(255, 255, 255), RECT{340, 102, 428, 117},
              DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    if (Is_Game_Over(pGame))
        safe_strncpy(szText, "0:00", sizeof(szText));
    else
        Format_Game_Clock(pGame, 0, szText, sizeof(szText));
    Draw_Text(hdc, CLOCK_FONT, szText, RGB(255, 255, 255), RECT{340, 117, 428, 135},
              DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

static void Choose_Shown_Game(void) {
    if (gSelectedGame != -1)
        return;
    int nTeam = gUserTeam;
    if (!Is_Team_Active(nTeam) && !(nTeam >= LEAGUE_TEAM_COUNT && nTeam <= 40))
        nTeam = 0;
    gSelectedGame = Find_Team_Latest_Game(nTeam);
}

void Paint_Games_Page(HDC hdc) {
    Clear_Play_Picker_Marks();
    Choose_Shown_Game();
    char szBackground[PAGE_BACKGROUND_NAME_SIZE];
    Get_Game_Screen_Background(szBackground, sizeof(szBackground));
    safe_strncpy(gPageBackgroundName, szBackground, sizeof(gPageBackgroundName));
    Draw_Page_Background(hdc);
    SetBkMode(hdc, TRANSPARENT);
    GAME* pGame = Get_Displayed_Game();
    if (pGame == NULL) {
        Draw_Text(hdc, SCORE_FONT,
                  "No games have been played this season.\nTo simulate games, use the Play Menu.",
                  gDarkText ? RGB(130, 30, 30) : RGB(255, 249, 69), RECT{0, 300, 768, 350},
                  DT_CENTER | DT_WORDBREAK);
        return;
    }
    Draw_Team_Stat_Labels(hdc, pGame);
    Draw_Scoreboard(hdc, pGame);
    Draw_Team_Stat_Comparison(hdc, pGame);
    Draw_Game_Side_Panels(hdc);
    Draw_Weather_And_Wind(hdc, pGame);
    Draw_Game_Screen_Tabs(hdc);
    Draw_Game_Screen_Centre(hdc, 0);
    Draw_Game_Situation(hdc, pGame);
    Draw_Play_By_Play_Text(hdc, -1, 0);
}
