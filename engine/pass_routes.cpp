// Questions about the pass route table: names, paths, drawing flags and depths.
#include "engine/engine.h"

#define LAST_RECEIVING_ROUTE 36

static const PASS_ROUTE* Get_Route(int nRoute) {
    return nRoute >= 0 && nRoute < PASS_ROUTE_COUNT ? &gPassRoutes[nRoute] : NULL;
}

void Get_Pass_Route_Name(int nRoute, char* st, int nSize) {
    const PASS_ROUTE* pRoute = Get_Route(nRoute);
    safe_strncpy(st, pRoute != NULL ? pRoute->szName : "", Min_Int(nSize, PASS_ROUTE_NAME_SIZE));
}

// (0, 0) for a route or point out of range.
ROUTE_POINT Get_Pass_Route_Point(int nRoute, int n) {
    const PASS_ROUTE* pRoute = Get_Route(nRoute);
    if (pRoute == NULL || n < 0 || n >= ROUTE_POINT_COUNT)
        return ROUTE_POINT{0.0, 0.0};
    return pRoute->aPoints[n];
}

static int Is_Origin(ROUTE_POINT point) {
    return point.x == 0.0 && point.y == 0.0;
}

// A segment runs from the previous point (the spot for segment 0) to its own point; an end at
// (0, 0) leaves the segment empty at its start.
void Get_Route_Segment_Ends(int nSegment, int nRoute, ROUTE_POINT* pStart, ROUTE_POINT* pEnd) {
    *pStart = nSegment > 0 ? Get_Pass_Route_Point(nRoute, nSegment - 1) : ROUTE_POINT{0.0, 0.0};
    ROUTE_POINT end = Get_Pass_Route_Point(nRoute, nSegment);
    *pEnd = Is_Origin(end) ? *pStart : end;
}

// The flags are returned whatever they hold; forbidden combinations are reported.
int Get_Pass_Route_Segment_Flag(int nRoute, int nSegment) {
    const PASS_ROUTE* pRoute = Get_Route(nRoute);
    if (pRoute == NULL || nSegment < 0 || nSegment >= ROUTE_POINT_COUNT)
        return 0;
    int nFlags = pRoute->anSegmentFlags[nSegment];
    if (nRoute == 0 && (nFlags & ROUTE_NEW_PATH))
        Report_Error(
            "NEW_PATH is not allowed at the start of a route in "
            "Get_Pass_Route_Segment_Flag(%d,%d)",
            nRoute, nSegment);
    if ((nFlags & ROUTE_WIGGLE) && (nFlags & ROUTE_DOTTED_LINE))
        Report_Error(
            "WIGGLE and DOTTED_LINE are incompatable in "
            "Get_Pass_Route_Segment_Flag(%d,%d)",
            nRoute, nSegment);
    if ((nFlags & ROUTE_TOP_SEMI) && (nFlags & ROUTE_BOTTOM_SEMI))
        Report_Error(
            "TOP_SEMI and BOTTOM_SEMI are incompatable in "
            "Get_Pass_Route_Segment_Flag(%d,%d)",
            nRoute, nSegment);
    return nFlags;
}

int Get_Route_Min_Depth(int nRoute) {
    const PASS_ROUTE* pRoute = Get_Route(nRoute);
    return pRoute != NULL ? pRoute->nMinDepth : 0;
}

int Get_Route_Max_Depth(int nRoute) {
    const PASS_ROUTE* pRoute = Get_Route(nRoute);
    return pRoute != NULL ? pRoute->nMaxDepth : 0;
}

int Get_Route_Kind(int nRoute) {
    const PASS_ROUTE* pRoute = Get_Route(nRoute);
    return pRoute != NULL ? pRoute->nKind : ROUTE_KIND_DOWNFIELD;
}

// Truncated towards 0.
int Get_Route_Average_Depth(int nRoute) {
    const PASS_ROUTE* pRoute = Get_Route(nRoute);
    return pRoute != NULL ? (pRoute->nMinDepth + pRoute->nMaxDepth + 1) / 2 : 0;
}

// Whether a pass can be thrown to a receiver on the route.
int Valid_Receiving_Route(int nRoute) {
    if ((nRoute >= 0 && nRoute <= LAST_RECEIVING_ROUTE) || nRoute == ROUTE_BACKFIELD_SCREEN)
        return 1;
    if ((nRoute > LAST_RECEIVING_ROUTE && nRoute < ROUTE_KICKOFF) || nRoute == ROUTE_RUSH)
        return 0;
    Report_Error("Unhandled nPassRoute in Valid_Receiving_Route([%d])", nRoute);
    return 0;
}

int Is_Play_Action_Route(int nRoute) {
    return nRoute == ROUTE_PLAY_ACTION_DUMP || nRoute == ROUTE_PLAY_ACTION_FLAT ||
           nRoute == ROUTE_PLAY_ACTION;
}

int Has_Arrow_Flag(int nFlags) {
    return (nFlags & (ROUTE_ARROW | ROUTE_MEDIUM_ARROW | ROUTE_LARGE_ARROW)) != 0;
}

// Holes alternate right and left of centre, two yards further out every second hole.
int Get_Hole_Lateral_Offset(int nHole) {
    static const int kOffsets[10] = {1, -1, 3, -3, 5, -5, 7, -7, 9, -9};
    return nHole >= 0 && nHole < 10 ? kOffsets[nHole] : 0;
}
