// The chalk of a play diagram on the vector canvas, in yards around the ball: the frame, the
// players' marks, the route segments with their arrows, hitches and blocks, the offence's routes,
// runs and blocks, and a kick's path. The engine gives the formations, routes and holes.
#include "pages/game_screen_internal.h"

#include <math.h>

#define MARK_COLOUR 0xff2ea6aau
#define SELECTED_COLOUR 0xffffffffu
#define PRIMARY_COLOUR 0xffaaaaffu
#define SELECTED_PRIMARY_COLOUR 0xffd7d7ffu
#define ROUTE_WIDTH 0.3
#define PRIMARY_ROUTE_WIDTH 0.45
#define MARK_RADIUS 0.6
#define SEGMENT_LIMIT 100000.0
#define NO_SELECTION (-1)
#define RUN_HOLE_DEPTH 4.7
#define WIDE_PLAYER 5.0
#define SWING_DEPTH (-3.2)
#define HOLE_LIMIT 8.0
#define ROUTE_X_LIMIT 17.0
#define BACKFIELD_RELEASE_X 7.2
#define BACKFIELD_RELEASE_Y (-1.0)
#define ROUTE_ROLLOUT 48
#define ROUTE_SHOTGUN_ROLLOUT 49
#define ROUTE_RUN_BLOCK 41
#define QUARTERBACK_SPOT 0
#define TWO_STEP_RUN_TYPE 10  // runs through a point 2 yards short of the hole
#define FIRST_LINEMAN_SPOT 6
#define LAST_LINEMAN_SPOT 10

double Set_Play_Diagram_Frame(PATH_CANVAS* pCanvas, int nKind, int nTeam, int nPlay) {
    pCanvas->reset_canvas();
    pCanvas->next_path();
    int nLeft = -18, nRight = 18, nBottom = -9, nTop = 14;
    if (nKind == DIAGRAM_DEFENCE) {
        nLeft = -17;
        nRight = 17;
        nBottom = -5;
        nTop = 17;
    } else if (nKind == DIAGRAM_OFFENCE) {
        int nFormation = Get_Offensive_Play_Formation(nTeam, nPlay);
        if (nFormation == FORMATION_PUNT || nFormation == FORMATION_FIELD_GOAL ||
            Is_End_Around_Play(nTeam, nPlay) || Is_Kneel_Down_Play(nTeam, nPlay)) {
            nBottom -= 4;
            nTop -= 4;
        }
    }
    // y grows downfield, upward on the screen.
    pCanvas->flip_y = 1;
    pCanvas->set_bounds(nLeft, nBottom, nRight, nTop);
    return nBottom;
}

void Draw_Line_Of_Scrimmage(PATH_CANVAS* pCanvas, int nKind) {
    double fHalf, y;
    if (nKind == DIAGRAM_OFFENCE) {
        fHalf = 18;
        y = 1;
    } else if (nKind == DIAGRAM_DEFENCE) {
        fHalf = 17;
        y = 0.5;
    } else {
        return;
    }
    pCanvas->next_path();
    pCanvas->set_path_flags(PATH_STROKE);
    pCanvas->set_stroke_colour(agg::rgba8(210, 180, 110, 255));
    pCanvas->set_stroke_width(ROUTE_WIDTH);
    pCanvas->move_to(-fHalf, y);
    pCanvas->line_to(fHalf, y);
}

// ---- the pen and one route segment --------------------------------------------------------------

void Open_Diagram_Path(DIAGRAM_PEN* pPen) {
    PATH_CANVAS* pCanvas = pPen->pCanvas;
    pCanvas->next_path();
    pCanvas->set_path_flags(PATH_STROKE);
    pCanvas->set_stroke_colour(pPen->colour);
    pCanvas->set_stroke_width(pPen->fWidth);
    pPen->bPenSet = 0;
}

static void Pen_Line(DIAGRAM_PEN* pPen, DIAGRAM_POINT from, DIAGRAM_POINT to) {
    if (!pPen->bPenSet || pPen->fPenX != from.x || pPen->fPenY != from.y)
        pPen->pCanvas->move_to(from.x, from.y);
    pPen->pCanvas->line_to(to.x, to.y);
    pPen->fPenX = to.x;
    pPen->fPenY = to.y;
    pPen->bPenSet = 1;
}

static void Get_Arrow_Size(int nFlags, double* pLength, double* pHalfWidth) {
    *pLength = 0.8;
    *pHalfWidth = 0.4;
    if (nFlags & ROUTE_MEDIUM_ARROW) {
        *pLength = 0.9;
        *pHalfWidth = 0.45;
    }
    if (nFlags & ROUTE_LARGE_ARROW) {
        *pLength = 1.1;
        *pHalfWidth = 0.55;
    }
}

// An arc from start to end bulging up (top) or down (bottom) by a third of its width.
static void Draw_Semi_Arc(DIAGRAM_PEN* pPen, int nFlags, DIAGRAM_POINT start, DIAGRAM_POINT end) {
    const int nSteps = 12;
    double fBulge = fabs(end.x - start.x) / 3.5;
    if (nFlags & ROUTE_TOP_SEMI)
        fBulge *= 1.15;
    else
        fBulge = -fBulge;
    DIAGRAM_POINT from = start;
    for (int i = 1; i <= nSteps; i++) {
        double t = (double)i / nSteps;
        DIAGRAM_POINT to = {start.x + (end.x - start.x) * t,
                            start.y + (end.y - start.y) * t + fBulge * sin(M_PI * t)};
        if ((nFlags & ROUTE_BOTTOM_SEMI) && to.y < pPen->fFloor + 2)
            to.y = pPen->fFloor + 2;
        Pen_Line(pPen, from, to);
        from = to;
    }
}

static void Draw_Arrow_Head(DIAGRAM_PEN* pPen, int nFlags, DIAGRAM_POINT start, DIAGRAM_POINT end) {
    double fLength, fHalf;
    Get_Arrow_Size(nFlags, &fLength, &fHalf);
    double dx = end.x - start.x, dy = end.y - start.y;
    double fAngle = dx == 0 ? (dy >= 0 ? M_PI / 2 : -M_PI / 2) : atan(dy / dx);
    if (dx < 0)
        fAngle += M_PI;
    const double c = cos(fAngle), s = sin(fAngle);
    const double aCorners[3][2] = {{0, 0}, {-fLength, fHalf}, {-fLength, -fHalf}};
    PATH_CANVAS* pCanvas = pPen->pCanvas;
    pCanvas->next_path();
    pCanvas->set_path_flags(PATH_FILL | PATH_STROKE);
    pCanvas->set_fill_colour(pPen->colour);
    pCanvas->set_stroke_colour(pPen->colour);
    pCanvas->set_stroke_width(pPen->fWidth / 3);
    for (int i = 0; i < 3; i++) {
        double x = end.x + aCorners[i][0] * c - aCorners[i][1] * s;
        double y = end.y + aCorners[i][0] * s + aCorners[i][1] * c;
        if (i == 0)
            pCanvas->move_to(x, y);
        else
            pCanvas->line_to(x, y);
    }
    pCanvas->vertices.close_polygon();
}

static void Draw_Hitch_Dot(DIAGRAM_PEN* pPen, DIAGRAM_POINT end) {
    PATH_CANVAS* pCanvas = pPen->pCanvas;
    pCanvas->next_path();
    pCanvas->set_path_flags(PATH_FILL);
    pCanvas->set_fill_colour(pPen->colour);
    pCanvas->add_circle(end.x, end.y, pPen->fWidth * 1.2);
}

// A bar across the end of a block: across a vertical segment, along a horizontal one, else slanted.
static void Draw_Block_Bar(DIAGRAM_PEN* pPen, DIAGRAM_POINT start, DIAGRAM_POINT end) {
    double dx = end.x - start.x, dy = end.y - start.y;
    double fAcrossX = 0.35, fAcrossY = 0.35;
    if (dx == 0) {
        fAcrossX = 0.5;
        fAcrossY = 0;
    } else if (dy == 0) {
        fAcrossX = 0;
        fAcrossY = 0.5;
    } else if ((dx > 0) == (dy > 0)) {
        fAcrossY = -fAcrossY;
    }
    Open_Diagram_Path(pPen);
    Pen_Line(pPen, end, DIAGRAM_POINT{end.x + fAcrossX, end.y + fAcrossY});
    Pen_Line(pPen, end, DIAGRAM_POINT{end.x - fAcrossX, end.y - fAcrossY});
}

void Draw_Route_Segment(DIAGRAM_PEN* pPen, int nFlags, DIAGRAM_POINT start, DIAGRAM_POINT end) {
    if (nFlags & (ROUTE_NEW_PATH | ROUTE_WIGGLE | ROUTE_DOTTED_LINE))
        Open_Diagram_Path(pPen);
    double dx = end.x - start.x, dy = end.y - start.y;
    if (fabs(dx) + fabs(dy) > SEGMENT_LIMIT) {
        Report_Error("Refusing to add insane line length of: %f", fabs(dx) + fabs(dy));
        return;
    }
    const int bArrow = Has_Arrow_Flag(nFlags);
    const int bMoves = dx != 0 || dy != 0;
    if (bMoves && (nFlags & (ROUTE_TOP_SEMI | ROUTE_BOTTOM_SEMI))) {
        Draw_Semi_Arc(pPen, nFlags, start, end);
    } else if (bMoves && !(nFlags & ROUTE_NO_LINE)) {
        DIAGRAM_POINT lineEnd = end;
        if (bArrow) {
            double fLength, fHalf;
            Get_Arrow_Size(nFlags, &fLength, &fHalf);
            double fShort = fLength / (1.2 * sqrt(dx * dx + dy * dy));
            if (fShort < 1) {
                lineEnd.x = end.x - dx * fShort;
                lineEnd.y = end.y - dy * fShort;
            }
        }
        Pen_Line(pPen, start, lineEnd);
    }
    if (nFlags & ROUTE_WIGGLE)
        pPen->pCanvas->squiggle_path(0.75, 0.2, 0.25);
    else if (nFlags & ROUTE_DOTTED_LINE)
        pPen->pCanvas->dot_path(0.12, 0.5);
    int bMarked = 0;
    if (bArrow && bMoves) {
        Draw_Arrow_Head(pPen, nFlags, start, end);
        bMarked = 1;
    }
    if (nFlags & ROUTE_HITCH) {
        Draw_Hitch_Dot(pPen, end);
        bMarked = 1;
    }
    if (nFlags & ROUTE_BLOCK) {
        Draw_Block_Bar(pPen, start, end);
        bMarked = 1;
    }
    // The next segment goes on in the line's own style.
    if (bMarked || (nFlags & (ROUTE_WIGGLE | ROUTE_DOTTED_LINE))) {
        Open_Diagram_Path(pPen);
        pPen->fPenX = end.x;
        pPen->fPenY = end.y;
    }
}

// ---- the players' marks -------------------------------------------------------------------------

static void Draw_Player_Mark(PATH_CANVAS* pCanvas, double x, double y, int bSelected) {
    agg::rgba8 colour = Rgba8_From_Word(bSelected ? SELECTED_COLOUR : MARK_COLOUR);
    pCanvas->next_path();
    pCanvas->set_path_flags(PATH_FILL | PATH_STROKE);
    pCanvas->set_fill_colour(colour);
    pCanvas->set_stroke_colour(colour);
    pCanvas->set_stroke_width(0.1);
    pCanvas->add_circle(x, y, MARK_RADIUS);
}

void Draw_Formation_Player_Marks(PATH_CANVAS* pCanvas, int nFormation, int nSelected) {
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        double x, y;
        Get_Formation_Coordinate(nFormation, nSpot, &x, &y);
        Draw_Player_Mark(pCanvas, x, y, nSpot == nSelected);
    }
}

void Draw_Defensive_Play_Markers(PATH_CANVAS* pCanvas, int nTeam, int nPlay, int nSelected) {
    for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++) {
        DIAGRAM_POINT spot = Get_Defender_Diagram_Spot(nTeam, nPlay, nDefender);
        Draw_Player_Mark(pCanvas, spot.x, spot.y, nDefender == nSelected);
    }
}

void Draw_Kick_Path(PATH_CANVAS* pCanvas, double fFloor) {
    DIAGRAM_PEN pen = {pCanvas, Rgba8_From_Word(DIAGRAM_ROUTE_COLOUR), ROUTE_WIDTH, 0, 0, 0, fFloor};
    Open_Diagram_Path(&pen);
    Draw_Route_Segment(&pen, ROUTE_NEW_PATH, DIAGRAM_POINT{-2, -4}, DIAGRAM_POINT{0, -3});
    Draw_Route_Segment(&pen, ROUTE_LARGE_ARROW, DIAGRAM_POINT{0, -3}, DIAGRAM_POINT{0, 1});
}

// ---- the offence: routes, runs and blocks -------------------------------------------------------

typedef struct ROUTE_PLAY {
    int nTeam;
    int nPlay;
    int nMode;  // 1: a kicking play
    int nFormation;
    int nType;
    int nPrimarySpot;  // the formation spot of the primary player, -1 none
    double fFloor;
} ROUTE_PLAY;

static int Is_Snapped_Through_Air(int nFormation) {
    static const int anFormations[] = {8, 9, 10, 11, 12, 15, 17, 18, 19, 21, 41, 42, 43};
    for (int nShown : anFormations)
        if (nShown == nFormation)
            return 1;
    return 0;
}

static int Get_Play_Route(const ROUTE_PLAY* pPlay, int nReceiver) {
    if (pPlay->nMode == 1)
        return Get_Kicking_Play_Route(pPlay->nPlay, nReceiver);
    return Get_Offensive_Play_Route(pPlay->nTeam, pPlay->nPlay, nReceiver);
}

static DIAGRAM_POINT Get_Spot(const ROUTE_PLAY* pPlay, int nSpot) {
    DIAGRAM_POINT point;
    Get_Formation_Coordinate(pPlay->nFormation, nSpot, &point.x, &point.y);
    return point;
}

static void Open_Player_Path(DIAGRAM_PEN* pPen, const ROUTE_PLAY* pPlay, int nSpot) {
    const int bPrimary = nSpot == pPlay->nPrimarySpot;
    pPen->colour = Rgba8_From_Word(bPrimary ? PRIMARY_COLOUR : DIAGRAM_ROUTE_COLOUR);
    pPen->fWidth = bPrimary ? PRIMARY_ROUTE_WIDTH : ROUTE_WIDTH;
    Open_Diagram_Path(pPen);
}

static double Limit_Yards(double x, double fLow, double fHigh) {
    return x < fLow ? fLow : (x > fHigh ? fHigh : x);
}

static double Sign_Of(double x) {
    return x < 0 ? -1.0 : 1.0;
}

// Routes 31, 32, 37 and 54 run at the hole: a wide player swings in behind the line first.
static void Draw_Run_To_Hole(DIAGRAM_PEN* pPen, const ROUTE_PLAY* pPlay, DIAGRAM_POINT spot,
                             int nRoute) {
    int nHole = (nRoute == ROUTE_RUSH || Is_Pass_Play(pPlay->nTeam, pPlay->nPlay))
                    ? Get_Offensive_Play_Hole(pPlay->nTeam, pPlay->nPlay)
                    : Get_Offensive_Play_Fake_Hole(pPlay->nTeam, pPlay->nPlay);
    if (nHole < 0)
        return;
    double fHole = Get_Hole_Lateral_Offset(nHole);
    if (Offensive_Play_Has_Lead_Block(pPlay->nTeam, pPlay->nPlay))
        fHole -= 0.35 * Sign_Of(fHole);
    fHole = Limit_Yards(fHole, -HOLE_LIMIT, HOLE_LIMIT);
    DIAGRAM_POINT at = spot;
    DIAGRAM_POINT hole;
    if (fabs(spot.x) > WIDE_PLAYER) {
        DIAGRAM_POINT swing = {0.8 * spot.x, SWING_DEPTH};
        Draw_Route_Segment(pPen, 0, at, swing);
        at = swing;
        hole = DIAGRAM_POINT{fHole, SWING_DEPTH};
    } else {
        double fDepth = trunc(spot.y) - (spot.y + 1.6) / 3.4 * (fabs(spot.x - fHole) + 3) / 6;
        hole = DIAGRAM_POINT{fHole, fDepth};
        if (pPlay->nType == TWO_STEP_RUN_TYPE) {
            DIAGRAM_POINT shortOf = {fHole, fDepth - 2};
            Draw_Route_Segment(pPen, 0, at, shortOf);
            at = shortOf;
        }
    }
    Draw_Route_Segment(pPen, 0, at, hole);
    int nArrow = nRoute == ROUTE_RUSH ? ROUTE_LARGE_ARROW : ROUTE_ARROW;
    Draw_Route_Segment(pPen, nArrow, hole, DIAGRAM_POINT{fHole, RUN_HOLE_DEPTH});
}

static DIAGRAM_POINT Route_Point_At(DIAGRAM_POINT origin, ROUTE_POINT point, double fMirror) {
    DIAGRAM_POINT at = {origin.x + fMirror * point.x, origin.y + point.y};
    at.x = Limit_Yards(at.x, -ROUTE_X_LIMIT, ROUTE_X_LIMIT);
    return at;
}

static void Draw_Pass_Route(DIAGRAM_PEN* pPen, const ROUTE_PLAY* pPlay, int nSpot,
                            DIAGRAM_POINT spot, int nRoute) {
    const double fMirror = spot.x < 0 ? -1.0 : 1.0;
    DIAGRAM_POINT origin = spot;
    if (spot.y < -2 && Get_Route_Kind(nRoute) != ROUTE_KIND_BACKFIELD) {
        DIAGRAM_POINT release = {fMirror * BACKFIELD_RELEASE_X, BACKFIELD_RELEASE_Y};
        Draw_Route_Segment(pPen, 0, spot, release);
        origin = release;
    }
    const int nArrow = nSpot == pPlay->nPrimarySpot ? ROUTE_LARGE_ARROW : ROUTE_MEDIUM_ARROW;
    for (int nSegment = 0; nSegment < ROUTE_POINT_COUNT; nSegment++) {
        ROUTE_POINT start, end;
        Get_Route_Segment_Ends(nSegment, nRoute, &start, &end);
        int nFlags = Get_Pass_Route_Segment_Flag(nRoute, nSegment);
        if (nFlags == 0 && end.x == 0 && end.y == 0)
            continue;
        if (Has_Arrow_Flag(nFlags))
            nFlags = (nFlags & ~(ROUTE_ARROW | ROUTE_MEDIUM_ARROW | ROUTE_LARGE_ARROW)) | nArrow;
        DIAGRAM_POINT from = Route_Point_At(origin, start, fMirror);
        DIAGRAM_POINT to = (end.x == 0 && end.y == 0) ? from : Route_Point_At(origin, end, fMirror);
        Draw_Route_Segment(pPen, nFlags, from, to);
    }
}

static void Draw_Run_Block_Path(DIAGRAM_PEN* pPen, DIAGRAM_POINT spot, double fHole) {
    const double x = spot.x, y = spot.y;
    Open_Diagram_Path(pPen);
    DIAGRAM_POINT end = {fHole > x ? x - 1 : x + 1, y + 2};
    Draw_Route_Segment(pPen, 0, spot, end);
    if (x < fHole)
        Draw_Route_Segment(pPen, ROUTE_NEW_PATH, DIAGRAM_POINT{x - 0.6, y + 2.2},
                           DIAGRAM_POINT{x - 1.4, y + 1.8});
    else
        Draw_Route_Segment(pPen, ROUTE_NEW_PATH, DIAGRAM_POINT{x + 0.6, y + 2.2},
                           DIAGRAM_POINT{x + 1.4, y + 1.8});
}

// The five linemen's bars form a cup around the passer.
static void Draw_Pass_Block_Path(DIAGRAM_PEN* pPen, DIAGRAM_POINT spot) {
    const double x = spot.x, y = spot.y;
    Open_Diagram_Path(pPen);
    DIAGRAM_POINT end = {x + x / 6, y + 1 + 0.41 * (6 - fabs(x)) / 6};
    Draw_Route_Segment(pPen, 0, DIAGRAM_POINT{x + 0.001, y}, end);
    double v = 0.5 - fabs(x) * 0.15 / 6, o = x * 0.35 / 6;
    Draw_Route_Segment(pPen, ROUTE_NEW_PATH, DIAGRAM_POINT{end.x - v, end.y + o},
                       DIAGRAM_POINT{end.x + v, end.y - o});
}

// A pulling guard steps back, runs along the line toward the play and turns up to block.
static void Draw_Pulling_Guard_Path(DIAGRAM_PEN* pPen, DIAGRAM_POINT spot, double fTarget) {
    Open_Diagram_Path(pPen);
    DIAGRAM_POINT back = {spot.x, spot.y - 1};
    DIAGRAM_POINT across = {fTarget, spot.y - 1};
    Draw_Route_Segment(pPen, 0, spot, back);
    Draw_Route_Segment(pPen, 0, back, across);
    Draw_Route_Segment(pPen, ROUTE_BLOCK, across, DIAGRAM_POINT{fTarget, spot.y + 1.5});
}

// A trapping guard crosses behind the line to block the first man past the centre.
static void Draw_Trap_Block_Path(DIAGRAM_PEN* pPen, DIAGRAM_POINT spot) {
    Open_Diagram_Path(pPen);
    DIAGRAM_POINT under = {spot.x * 0.2, spot.y - 0.5};
    Draw_Route_Segment(pPen, 0, spot, under);
    Draw_Route_Segment(pPen, ROUTE_BLOCK, under, DIAGRAM_POINT{-spot.x * 1.5, spot.y + 1.2});
}

enum LINE_BLOCK { BLOCK_NONE = 0, BLOCK_RUN, BLOCK_PASS, BLOCK_PULL, BLOCK_TRAP };

static int Get_Lineman_Block(const ROUTE_PLAY* pPlay, int nSpot, DIAGRAM_POINT spot, double fHole) {
    const int bGuard = nSpot == 7 || nSpot == 9;
    const int bRun = Is_Run_Play(pPlay->nTeam, pPlay->nPlay);
    int bSameSide;
    if (bRun) {
        bSameSide = (fHole < 0) == (spot.x < 0);
    } else {
        DIAGRAM_POINT primary =
            pPlay->nPrimarySpot >= 0 ? Get_Spot(pPlay, pPlay->nPrimarySpot) : DIAGRAM_POINT{0, 0};
        bSameSide = (primary.x < 0) == (spot.x < 0);
    }
    const int bPulls = bGuard && bSameSide;
    const int bTraps = bGuard && !((fHole < 0) == (spot.x < 0));
    const int bFake = Is_Play_Action_Play(pPlay->nTeam, pPlay->nPlay);
    switch (pPlay->nType) {
    case 0:
    case 1:
    case 10: return BLOCK_RUN;
    case 2: return bPulls ? BLOCK_PULL : BLOCK_RUN;
    case 4: return bTraps ? BLOCK_TRAP : BLOCK_RUN;
    case 5:
    case 15:
    case 22: return bPulls && !bFake ? BLOCK_PULL : BLOCK_RUN;
    case 7: return bPulls ? BLOCK_PULL : BLOCK_PASS;
    case 9: return bPulls && !bFake ? BLOCK_PULL : BLOCK_PASS;
    case 3:
    case 6:
    case 8:
    case 16:
    case 17:
    case 20: return BLOCK_PASS;
    default: return BLOCK_NONE;
    }
}

static void Draw_Lineman_Block(DIAGRAM_PEN* pPen, const ROUTE_PLAY* pPlay, int nSpot) {
    DIAGRAM_POINT spot = Get_Spot(pPlay, nSpot);
    int nHole = Get_Offensive_Play_Hole(pPlay->nTeam, pPlay->nPlay);
    double fHole = nHole >= 0 ? Get_Hole_Lateral_Offset(nHole) : 0;
    pPen->colour = Rgba8_From_Word(DIAGRAM_ROUTE_COLOUR);
    pPen->fWidth = ROUTE_WIDTH;
    switch (Get_Lineman_Block(pPlay, nSpot, spot, fHole)) {
    case BLOCK_RUN: Draw_Run_Block_Path(pPen, spot, fHole); break;
    case BLOCK_PASS: Draw_Pass_Block_Path(pPen, spot); break;
    case BLOCK_PULL: Draw_Pulling_Guard_Path(pPen, spot, nHole >= 0 ? fHole : spot.x * 2); break;
    case BLOCK_TRAP: Draw_Trap_Block_Path(pPen, spot); break;
    default: break;
    }
}

static int Get_Quarterback_Route(const ROUTE_PLAY* pPlay) {
    switch (pPlay->nType) {
    case 0:
    case 2:
    case 3:
    case 4:
    case 10: return pPlay->nPrimarySpot == QUARTERBACK_SPOT ? ROUTE_RUSH : NO_ROUTE;
    case 7:
    case 8:
        return Is_Snapped_Through_Air(pPlay->nFormation) ? ROUTE_SHOTGUN_ROLLOUT : ROUTE_ROLLOUT;
    default: return NO_ROUTE;
    }
}

static void Draw_Player_Route(DIAGRAM_PEN* pPen, const ROUTE_PLAY* pPlay, int nSpot, int nRoute) {
    if (nRoute == NO_ROUTE)
        return;
    DIAGRAM_POINT spot = Get_Spot(pPlay, nSpot);
    Open_Player_Path(pPen, pPlay, nSpot);
    if (nRoute == ROUTE_PLAY_ACTION_DUMP || nRoute == ROUTE_PLAY_ACTION_FLAT ||
        nRoute == ROUTE_PLAY_ACTION || nRoute == ROUTE_RUSH) {
        Draw_Run_To_Hole(pPen, pPlay, spot, nRoute);
    } else if (nRoute == ROUTE_RUN_BLOCK) {
        int nHole = Get_Offensive_Play_Hole(pPlay->nTeam, pPlay->nPlay);
        Draw_Run_Block_Path(pPen, spot, nHole >= 0 ? Get_Hole_Lateral_Offset(nHole) : 0);
    } else {
        Draw_Pass_Route(pPen, pPlay, nSpot, spot, nRoute);
    }
}

void Draw_Offensive_Routes(PATH_CANVAS* pCanvas, int nTeam, int nPlay, int nMode, double fFloor) {
    Print_Debug_Message(DTXT_PBPDIAGRAM | DTXT_PBPSELECTOR, "Draw_Offensive_Routes(%d,%d)", nTeam, nPlay);
    ROUTE_PLAY play;
    play.nTeam = nTeam;
    play.nPlay = nPlay;
    play.nMode = nMode;
    play.fFloor = fFloor;
    if (nMode == 1) {
        play.nFormation = Get_Kicking_Play_Formation(nPlay);
        play.nType = Get_Kicking_Play_Type(nPlay);
        play.nPrimarySpot = -1;
    } else {
        play.nFormation = Get_Offensive_Play_Formation(nTeam, nPlay);
        play.nType = Get_Offensive_Play_Type(nTeam, nPlay);
        int nPrimary = Get_Offensive_Play_Primary_Player(nTeam, nPlay);
        play.nPrimarySpot = nPrimary >= 1 ? nPrimary - 1 : -1;
    }
    DIAGRAM_PEN pen = {pCanvas, Rgba8_From_Word(DIAGRAM_ROUTE_COLOUR), ROUTE_WIDTH, 0, 0, 0, fFloor};
    if (Is_Snapped_Through_Air(play.nFormation)) {
        Open_Diagram_Path(&pen);
        Draw_Route_Segment(&pen, ROUTE_DOTTED_LINE, DIAGRAM_POINT{0, 0},
                           Get_Spot(&play, QUARTERBACK_SPOT));
    }
    if (nMode != 1)
        Draw_Player_Route(&pen, &play, QUARTERBACK_SPOT, Get_Quarterback_Route(&play));
    for (int nReceiver = 0; nReceiver < PLAY_RECEIVERS; nReceiver++)
        Draw_Player_Route(&pen, &play, nReceiver + 1, Get_Play_Route(&play, nReceiver));
    if (nMode == 0)
        for (int nSpot = FIRST_LINEMAN_SPOT; nSpot <= LAST_LINEMAN_SPOT; nSpot++)
            Draw_Lineman_Block(&pen, &play, nSpot);
}
