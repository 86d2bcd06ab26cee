// The defence's chalk: each defender's assignment drawn from the geometry of his role, the deep
// and short zone drops and their circles.
#include "pages/game_screen_internal.h"

#define ZONE_COLOUR 0xff38d6cbu
#define ZONE_SHOWN_COLOUR 0xff2fbda6u
#define ASSIGNMENT_WIDTH 0.3
#define ZONE_WIDTH 0.2
#define ZONE_RADIUS 1.0
#define SHORT_ZONE_ROLE 9
#define STRONGSIDE_STUNT_ROLE 4
#define WEAKSIDE_STUNT_ROLE 5
#define DEFENSIVE_ROLE_COUNT 19
#define DEEP_ZONE_SHALLOWEST 5.0
#define DEEP_ZONE_DROP_FROM 11.25
#define ASSIGNMENT_X_LIMIT 16.0

// A role's path from the defender: up to four points, each with its segment's flags.
typedef struct ROLE_GEOMETRY {
    const char* szName;
    int nPoints;
    double aPoints[4][2];
    int anFlags[4];
} ROLE_GEOMETRY;

static const ROLE_GEOMETRY kRoleGeometry[DEFENSIVE_ROLE_COUNT] = {
    {"Pass Rush", 1, {{0, -3}}, {ROUTE_ARROW}},
    {"Outside Rush", 2, {{1, -2}, {1, -3.3}}, {0, ROUTE_ARROW}},
    {"Inside Rush", 2, {{-1, -2}, {-1, -3.3}}, {0, ROUTE_ARROW}},
    {"Corner Blitz", 2, {{-2, -3}, {-3, -6}}, {0, ROUTE_ARROW}},
    {"Strongside Stunt", 2, {{1.5, -1}, {2, -3}}, {0, ROUTE_ARROW}},
    {"Weakside Stunt", 2, {{-1.5, -1}, {-2, -3}}, {0, ROUTE_ARROW}},
    {"Plug The Gap", 1, {{0, -1.5}}, {ROUTE_BLOCK}},
    {"Rush Contain", 2, {{2, -2}, {2, -3.5}}, {0, ROUTE_ARROW}},
    {"Deep Zone", 1, {{1, 5}}, {ROUTE_ARROW}},
    {"Short Zone", 1, {{4, 1}}, {ROUTE_ARROW}},
    {"Inside Zone", 1, {{-2, 2}}, {ROUTE_HITCH}},
    {"Outside Zone", 1, {{2, 2}}, {ROUTE_HITCH}},
    {"Bump and Run", 2, {{0, -0.5}, {0, 3}}, {ROUTE_BLOCK, ROUTE_ARROW | ROUTE_NEW_PATH}},
    {"Man-To-Man", 1, {{0, 3}}, {ROUTE_ARROW}},
    {"Outside Man", 1, {{1, 3}}, {ROUTE_ARROW}},
    {"Inside Man", 1, {{-1, 3}}, {ROUTE_ARROW}},
    {"Behind Man", 1, {{0, 5}}, {ROUTE_ARROW}},
    {"Underneath Man", 1, {{0, 1.5}}, {ROUTE_ARROW}},
    {"Double Team", 2, {{1, 3}, {0, 5}}, {0, ROUTE_ARROW}},
};

void Get_Defensive_Role_Name(int nRole, char* szOut, int nSize) {
    safe_strncpy(szOut,
                 nRole >= 0 && nRole < DEFENSIVE_ROLE_COUNT ? kRoleGeometry[nRole].szName : "",
                 nSize);
}

static int Get_Role(int nTeam, int nPlay, int nDefender) {
    return Get_Defensive_Play_Role(nTeam, nPlay, nDefender);
}

static DIAGRAM_POINT Get_Defender_Formation_Spot(int nTeam, int nPlay, int nDefender) {
    DIAGRAM_POINT spot;
    Get_Formation_Coordinate(Get_Defensive_Play_Formation(nTeam, nPlay), nDefender, &spot.x,
                             &spot.y);
    return spot;
}

DIAGRAM_POINT Get_Defender_Diagram_Spot(int nTeam, int nPlay, int nDefender) {
    DIAGRAM_POINT spot = Get_Defender_Formation_Spot(nTeam, nPlay, nDefender);
    if (Get_Role(nTeam, nPlay, nDefender) == DEEP_ZONE_ROLE && spot.y < DEEP_ZONE_SHALLOWEST)
        spot.y = DEEP_ZONE_DROP_FROM;
    return spot;
}

// Left of another: a smaller x, or the same x and a higher spot number.
static int Is_Left_Of(DIAGRAM_POINT a, int nA, DIAGRAM_POINT b, int nB) {
    return a.x < b.x || (a.x == b.x && nA > nB);
}

int Get_Zone_Drop_Point(int nTeam, int nPlay, int nDefender, DIAGRAM_POINT* pPoint) {
    int nRole = Get_Role(nTeam, nPlay, nDefender);
    if (nRole != DEEP_ZONE_ROLE && nRole != SHORT_ZONE_ROLE)
        return 0;
    DIAGRAM_POINT self = Get_Defender_Formation_Spot(nTeam, nPlay, nDefender);
    int nCount = 0, nLeft = 0, nRight = 0;
    for (int n = 0; n < PLAY_DEFENDERS; n++) {
        if (Get_Role(nTeam, nPlay, n) != nRole)
            continue;
        nCount++;
        DIAGRAM_POINT other = Get_Defender_Formation_Spot(nTeam, nPlay, n);
        if (n != nDefender && Is_Left_Of(other, n, self, nDefender))
            nLeft++;
        else if (n != nDefender)
            nRight++;
    }
    pPoint->x = 40.0 / (nCount + 1) * (nLeft + 1) - 20;
    pPoint->y = nRole == DEEP_ZONE_ROLE ? 15 : 9;
    if (nCount > 2 && (nLeft == 0 || nRight == 0))
        pPoint->y -= 0.5;
    return 1;
}

void Draw_Deep_Zone_Circles(PATH_CANVAS* pCanvas, int nTeam, int nPlay, int nSelected) {
    (void)nSelected;
    agg::rgba8 colour = Rgba8_From_Word(Is_Play_Call_Shown(nPlay) ? ZONE_SHOWN_COLOUR : ZONE_COLOUR);
    for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++) {
        DIAGRAM_POINT drop;
        if (!Get_Zone_Drop_Point(nTeam, nPlay, nDefender, &drop))
            continue;
        pCanvas->next_path();
        pCanvas->set_path_flags(PATH_STROKE);
        pCanvas->set_stroke_colour(colour);
        pCanvas->set_stroke_width(ZONE_WIDTH);
        pCanvas->add_circle(drop.x, drop.y, ZONE_RADIUS);
    }
}

static double Limit_Across(double x) {
    if (x < -ASSIGNMENT_X_LIMIT)
        return -ASSIGNMENT_X_LIMIT;
    return x > ASSIGNMENT_X_LIMIT ? ASSIGNMENT_X_LIMIT : x;
}

static void Draw_Defender_Assignment(DIAGRAM_PEN* pPen, int nTeam, int nPlay, int nDefender) {
    int nRole = Get_Role(nTeam, nPlay, nDefender);
    if (nRole < 0 || nRole >= DEFENSIVE_ROLE_COUNT)
        return;
    DIAGRAM_POINT spot = Get_Defender_Diagram_Spot(nTeam, nPlay, nDefender);
    Open_Diagram_Path(pPen);
    DIAGRAM_POINT drop;
    if (Get_Zone_Drop_Point(nTeam, nPlay, nDefender, &drop)) {
        Draw_Route_Segment(pPen, ROUTE_ARROW, spot, drop);
        return;
    }
    const ROLE_GEOMETRY* pRole = &kRoleGeometry[nRole];
    const int bStunt = nRole == STRONGSIDE_STUNT_ROLE || nRole == WEAKSIDE_STUNT_ROLE;
    const double fMirror = spot.x < 0 && !bStunt ? -1.0 : 1.0;
    DIAGRAM_POINT from = spot;
    for (int i = 0; i < pRole->nPoints; i++) {
        DIAGRAM_POINT to = {Limit_Across(spot.x + fMirror * pRole->aPoints[i][0]),
                            spot.y + pRole->aPoints[i][1]};
        Draw_Route_Segment(pPen, pRole->anFlags[i], from, to);
        from = to;
    }
}

void Draw_Defensive_Routes(PATH_CANVAS* pCanvas, int nTeam, int nPlay, double fFloor) {
    Print_Debug_Message(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, "Draw_Defensive_Routes(%d)", nPlay);
    DIAGRAM_PEN pen = {pCanvas, Rgba8_From_Word(DIAGRAM_ROUTE_COLOUR), ASSIGNMENT_WIDTH, 0, 0, 0, fFloor};
    for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++)
        Draw_Defender_Assignment(&pen, nTeam, nPlay, nDefender);
}
