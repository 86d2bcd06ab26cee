// One play as a small chalkboard: a grass-textured box, the line of scrimmage, the formation's
// players, their routes or assignments, the play's name and the key that calls it. The texture
// comes from the drawing layer's own generator, seeded by the play and the day, so a diagram
// looks the same all day and painting never moves the game's random numbers.
#include "pages/game_screen_internal.h"

#define NAME_STRIP_HEIGHT 13
#define NOISE_BLUR 2
#define OFF_SEASON_WEEK 100
#define OFF_SEASON_DAY 104
#define SEASON_FIRST_DAY 249
#define BOX_OUTLINE_COLOUR RGB(203, 214, 56)
#define FIELD_GOAL_NAME "Field Goal"
#define EXTRA_POINT_NAME "Extra Point"
#define TEAM_MASK 0x7f

typedef struct DIAGRAM_COLOURS {
    COLORREF background;
    COLORREF highlighted;
    COLORREF name;
} DIAGRAM_COLOURS;

int gHighlightedSpot = -1;

static const DIAGRAM_COLOURS kDiagramColours[3] = {
    {RGB(0, 115, 54), RGB(50, 165, 104), RGB(255, 255, 255)},
    {RGB(15, 89, 10), RGB(65, 139, 60), RGB(255, 249, 69)},
    {RGB(100, 55, 14), RGB(150, 105, 64), RGB(255, 255, 255)},
};

int Is_Play_Defined_By_Kind(int nTeam, int nKind, int nPlay) {
    switch (nKind) {
    case DIAGRAM_OFFENCE: return Is_Offensive_Play_Defined(nTeam, nPlay);
    case DIAGRAM_DEFENCE: return Is_Defensive_Play_Defined(nTeam, nPlay);
    case DIAGRAM_KICKING: return Is_Kicking_Play_Defined(nPlay % KICKING_PLAY_COUNT);
    default: return 0;
    }
}

static void Get_Play_Name_By_Kind(int nTeam, int nKind, int nPlay, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nKind == DIAGRAM_OFFENCE)
        Get_Offensive_Play_Name(nTeam, nPlay, szOut, nSize);
    else if (nKind == DIAGRAM_DEFENCE)
        Get_Defensive_Play_Name(nTeam, nPlay, szOut, nSize);
    else if (nKind == DIAGRAM_KICKING)
        Get_Kicking_Play_Name(nPlay % KICKING_PLAY_COUNT, szOut, nSize);
}

void Get_Play_Description_By_Side(int nTeam, int nKind, int nPlay, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nKind == DIAGRAM_OFFENCE)
        Get_Offensive_Play_Description(nTeam, nPlay, szOut, nSize);
    else if (nKind == DIAGRAM_DEFENCE)
        Get_Defensive_Play_Description(nTeam, nPlay, szOut, nSize);
    else if (nKind == DIAGRAM_KICKING)
        Get_Kicking_Play_Description(nPlay % KICKING_PLAY_COUNT, szOut, nSize);
}

int Is_Key_Badge_Team(int nTeam) {
    return nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT && Is_Human_Team(nTeam) && !gAllTeamsComputer;
}

void Get_Primary_Route_Text(char* szOut, int nSize, int nTeam, int nPlay, int bNewLine) {
    szOut[0] = 0;
    if (!Is_Pass_Play(nTeam, nPlay))
        return;
    int nRoute = Get_Primary_Route(nTeam, nPlay);
    if (nRoute == NO_ROUTE)
        return;
    const char* szPrefix = bNewLine ? "Primary Route:\n" : "Primary Route: ";
    int nFrom = Get_Route_Min_Depth(nRoute);
    if (nFrom < 0)
        Format_String(szOut, nSize, "%sBackfield", szPrefix);
    else
        Format_String(szOut, nSize, "%s%d-%d Yards", szPrefix, nFrom, Get_Route_Max_Depth(nRoute));
}

static void Draw_Badge_Rect(const RECT* pRect, HDC hdc, const char* szText, int bScale) {
    RECT rect = *pRect;
    if (bScale)
        Scale_Design_Rect(&rect);
    Fill_Rect_Struct(&rect, hdc, RGB(170, 170, 170));
    HFONT hFont = Take_App_Font(5);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    DrawTextA(hdc, szText, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

void Draw_Key_Badge(const RECT* pRect, HDC hdc, const char* szText) {
    Draw_Badge_Rect(pRect, hdc, szText, 1);
}

static int Get_Diagram_Day(void) {
    return gCurrentWeek == OFF_SEASON_WEEK ? OFF_SEASON_DAY : gCurrentWeek * 7 + SEASON_FIRST_DAY;
}

// The field marks first, then the players and their paths: each set renders on its own, as
// rendering moves the canvas's points to pixels.
static void Draw_Diagram_Chalk(HDC hdc, const RECT* pBox, int nTeam, int nPlay, int nKind) {
    PATH_CANVAS canvas;
    double fFloor = Set_Play_Diagram_Frame(&canvas, nKind, nTeam, nPlay);
    Draw_Line_Of_Scrimmage(&canvas, nKind);
    canvas.render_paths_in_rect(hdc, pBox);
    fFloor = Set_Play_Diagram_Frame(&canvas, nKind, nTeam, nPlay);
    if (nKind == DIAGRAM_OFFENCE) {
        Draw_Offensive_Routes(&canvas, nTeam, nPlay, 0, fFloor);
        Draw_Formation_Player_Marks(&canvas, Get_Offensive_Play_Formation(nTeam, nPlay),
                                    gHighlightedSpot);
    } else if (nKind == DIAGRAM_DEFENCE) {
        Draw_Defensive_Routes(&canvas, nTeam, nPlay, fFloor);
        Draw_Deep_Zone_Circles(&canvas, nTeam, nPlay, gHighlightedSpot);
        Draw_Defensive_Play_Markers(&canvas, nTeam, nPlay, gHighlightedSpot);
    } else {
        int nKick = nPlay % KICKING_PLAY_COUNT;
        Draw_Offensive_Routes(&canvas, nTeam, nKick, 1, fFloor);
        Draw_Formation_Player_Marks(&canvas, Get_Kicking_Play_Formation(nKick), -1);
        Draw_Kick_Path(&canvas, fFloor);
    }
    canvas.render_paths_in_rect(hdc, pBox);
    canvas.release_paths();
}

static int Is_Conversion_Try_Shown(void) {
    return gLiveGame != NULL && (gLiveGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT;
}

static void Draw_Diagram_Name(HDC hdc, const RECT* pDesign, int nTeam, int nPlay, int nKind,
                              int bScale) {
    char szName[PLAY_NAME_SIZE];
    Get_Play_Name_By_Kind(nTeam, nKind, nPlay, szName, sizeof(szName));
    if (!szName[0])
        return;
    if (Is_Conversion_Try_Shown() && strcmp(szName, FIELD_GOAL_NAME) == 0)
        safe_strncpy(szName, EXTRA_POINT_NAME, sizeof(szName));
    RECT strip = {pDesign->left, pDesign->bottom - NAME_STRIP_HEIGHT, pDesign->right,
                  pDesign->bottom};
    SetTextColor(hdc, kDiagramColours[nKind].name);
    Draw_Design_Text(hdc, szName, &strip, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX,
                     bScale);
}

void Draw_Play_Diagram(const RECT* pRect, HDC hdc, int nTeam, int nPlay, int nFont, int nKind,
                       int bHighlighted, int bScale) {
    if (nKind < DIAGRAM_OFFENCE || nKind > DIAGRAM_KICKING || pRect == NULL)
        return;
    const int bBadge = nTeam < 0 || !(nTeam & DIAGRAM_NO_BADGE);
    if (nTeam >= 0)
        nTeam &= TEAM_MASK;
    HFONT hFont = nFont >= 0 && nFont < APP_FONT_COUNT ? Take_App_Font(nFont) : NULL;
    int nSaved = SaveDC(hdc);
    if (hFont)
        SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    SelectObject(hdc, GetStockObject(WHITE_PEN));
    Print_Debug_Message(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, "Drawing Play Diagram %2d %d", nPlay,
                        nKind);

    RECT box = *pRect;
    if (bScale)
        Scale_Design_Rect(&box);
    Seed_Cosmetic_Random((uint64_t)(nPlay * 10000 + nKind * 100 + Get_Diagram_Day()));
    const int bDefined = Is_Play_Defined_By_Kind(nTeam, nKind, nPlay);
    if (bDefined) {
        const DIAGRAM_COLOURS* pColours = &kDiagramColours[nKind];
        Draw_Noise_Around_Colour(&box, hdc,
                                 bHighlighted ? pColours->highlighted : pColours->background,
                                 NOISE_BLUR, NOISE_BLUR);
        Draw_Diagram_Chalk(hdc, &box, nTeam, nPlay, nKind);
        RECT outline = {box.left, box.top, box.right - 1, box.bottom - 1};
        Draw_Absolute_Line(&outline, hdc, BOX_OUTLINE_COLOUR);
    }
    if (bDefined && hFont)
        Draw_Diagram_Name(hdc, pRect, nTeam, nPlay, nKind, bScale);
    if (bDefined && bBadge && Is_Key_Badge_Team(nTeam)) {
        char szKey[4];
        Format_String(szKey, sizeof(szKey), "%d", (nPlay + 1) % 10);
        RECT badge = {pRect->right - 9, pRect->bottom - 10, pRect->right - 1, pRect->bottom - 2};
        Draw_Badge_Rect(&badge, hdc, szKey, bScale);
    }
    if (hFont)
        Release_App_Font(hFont);
    RestoreDC(hdc, nSaved);
    Print_Debug_Message(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR,
                        "Draw_Play_Diagram(,,%d,%2d,%d,%d,%d) took %6d.%03dms", nTeam, nPlay, nFont,
                        nKind, bHighlighted, 0, 0);
}
