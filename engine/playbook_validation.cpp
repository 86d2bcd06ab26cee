// The rules of an edited play: which routes and defensive roles each position may take, and the
// repairs that keep a play consistent after one of its assignments changed.
#include "engine/engine.h"

#define LISTED_ROUTES (LAST_LISTED_ROUTE + 1)
#define OUTSIDE_RIGHT_HOLE 6
#define DEFAULT_HOLE 2

// Route kinds (ROUTE_KIND) a position may not run, as bits.
static int Get_Forbidden_Route_Kinds(int nPosition) {
    switch (nPosition) {
    case POS_RB:
    case POS_FB: return 1 << ROUTE_KIND_TRICK | 1 << ROUTE_KIND_RUN_BLOCK;
    case POS_TE: return 1 << ROUTE_KIND_BACKFIELD | 1 << ROUTE_KIND_TRICK;
    case POS_WR:
        return 1 << ROUTE_KIND_BACKFIELD | 1 << ROUTE_KIND_RUN_BLOCK | 1 << ROUTE_KIND_DELAYED;
    default: return 0;
    }
}

int Can_Position_Run_Route(int nPosition, int nRoute) {
    if (nRoute < 0 || nRoute >= PASS_ROUTE_COUNT)
        return 0;
    return (Get_Forbidden_Route_Kinds(nPosition) & (1 << Get_Route_Kind(nRoute))) == 0;
}

// Every position may run a downfield route, so the walk ends within one lap.
int Adjust_Route_For_Position(int nPosition, int nRoute, int nStep) {
    if (Get_Forbidden_Route_Kinds(nPosition) == 0)
        return nRoute;
    int nMove = nStep > 0 ? 1 : -1;
    for (int n = 0; n < LISTED_ROUTES && !Can_Position_Run_Route(nPosition, nRoute); n++)
        nRoute = ((nRoute + nMove) % LISTED_ROUTES + LISTED_ROUTES) % LISTED_ROUTES;
    return nRoute;
}

int Fix_Defensive_Role(int nPosition, int nRole) {
    enum {
        OUTSIDE_RUSH = 1,
        INSIDE_RUSH = 2,
        CORNER_BLITZ = 3,
        SHORT_ZONE = 9,
        BUMP_AND_RUN = 12,
        MAN_TO_MAN = 13
    };
    const int bMan = nRole == BUMP_AND_RUN || nRole == MAN_TO_MAN;
    switch (nPosition) {
    case POS_DE: return nRole == CORNER_BLITZ ? INSIDE_RUSH : nRole;
    case POS_DT:
        if (nRole == CORNER_BLITZ)
            return INSIDE_RUSH;
        return bMan ? SHORT_ZONE : nRole;
    case POS_LB: return bMan ? SHORT_ZONE : nRole;
    case POS_CB: return nRole == OUTSIDE_RUSH || nRole == INSIDE_RUSH ? CORNER_BLITZ : nRole;
    case POS_S: return nRole == CORNER_BLITZ ? OUTSIDE_RUSH : nRole;
    default: return nRole;
    }
}

// A route a pass can be thrown to; the kicks' and unknown codes are none, without a report.
static int Is_Catchable_Route(int nRoute) {
    if (nRoute < 0 || nRoute >= PASS_ROUTE_COUNT || nRoute == ROUTE_KICKOFF ||
        nRoute == ROUTE_FIELD_GOAL)
        return 0;
    return Valid_Receiving_Route(nRoute);
}

static int Is_Receiver_Value(int nPrimary) {
    return nPrimary >= 2 && nPrimary < 2 + PLAY_RECEIVERS;
}

// The carrier runs his handoff route; a sweep or end around goes outside on its side.
static void Validate_Run_Play(OFFENSIVE_PLAY* pPlay) {
    if (Is_Receiver_Value(pPlay->nPrimaryPlayer))
        pPlay->anRoutes[pPlay->nPrimaryPlayer - 2] =
            pPlay->nType == PLAY_END_AROUND ? ROUTE_REVERSE : ROUTE_RUSH;
    if (pPlay->nType == PLAY_SWEEP || pPlay->nType == PLAY_END_AROUND) {
        int nSide = (pPlay->nHole % 2 + 2) % 2;
        pPlay->nHole = Max_Int(pPlay->nHole, OUTSIDE_RIGHT_HOLE + nSide);
    }
    if (pPlay->nHole < 0)
        pPlay->nHole = DEFAULT_HOLE;
}

// The primary is the first receiver with a catchable route from the primary on (from receiver 2
// when the quarterback or nobody is primary); with none, the first looked at runs a slant. A pass
// never keeps the quarterback or nobody as its primary.
static void Validate_Pass_Play(OFFENSIVE_PLAY* pPlay) {
    const int bReceiverPrimary = Is_Receiver_Value(pPlay->nPrimaryPlayer);
    const int nStart = bReceiverPrimary ? pPlay->nPrimaryPlayer - 2 : 2;
    int nFound = -1;
    for (int n = 0; n < PLAY_RECEIVERS && nFound < 0; n++) {
        int nReceiver = (nStart + n) % PLAY_RECEIVERS;
        if (Is_Catchable_Route(pPlay->anRoutes[nReceiver]))
            nFound = nReceiver;
    }
    if (nFound < 0) {
        pPlay->anRoutes[nStart] = ROUTE_SLANT;
        nFound = nStart;
    }
    if (nFound != nStart || !bReceiverPrimary)
        pPlay->nPrimaryPlayer = nFound + 2;
}

static void Validate_Offensive_Play(int nTeam, int nPlay, int nStep) {
    OFFENSIVE_PLAY* pPlay = Get_Editable_Offensive_Play(nTeam, nPlay);
    if (pPlay == NULL)
        return;
    const int bRun = Is_Run_Play(nTeam, nPlay);
    if (bRun)
        Validate_Run_Play(pPlay);
    else if (Is_Pass_Play(nTeam, nPlay))
        Validate_Pass_Play(pPlay);
    if (Is_Play_Action_Play(nTeam, nPlay) && pPlay->nHole < 0)
        pPlay->nHole = DEFAULT_HOLE;
    // The run's carrier keeps the handoff route his play type gave him.
    const int nCarrier =
        bRun && Is_Receiver_Value(pPlay->nPrimaryPlayer) ? pPlay->nPrimaryPlayer - 2 : -1;
    const int nFormation = (int8_t)(pPlay->nFormation & 0xFF);
    for (int nReceiver = 0; nReceiver < PLAY_RECEIVERS; nReceiver++) {
        if (nReceiver == nCarrier)
            continue;
        int nPosition = Get_Formation_Spot_Position(nFormation, nReceiver + 1, SPOT_FIELD_POSITION);
        int nRoute = Adjust_Route_For_Position(nPosition, pPlay->anRoutes[nReceiver], nStep);
        pPlay->anRoutes[nReceiver] = nRoute < 0 || nRoute > LAST_LISTED_ROUTE ? 0 : nRoute;
    }
}

// Every defender's role is checked against the position that fills his spot.
static void Validate_Defensive_Play(int nTeam, int nPlay) {
    DEFENSIVE_PLAY* pPlay = Get_Editable_Defensive_Play(nTeam, nPlay);
    if (pPlay == NULL)
        return;
    for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++) {
        int nPosition =
            Get_Formation_Spot_Position(pPlay->nFormation, nDefender, SPOT_FIELD_POSITION);
        pPlay->anRoles[nDefender] = Fix_Defensive_Role(nPosition, pPlay->anRoles[nDefender]);
    }
}

void Validate_Play_Assignments(int nTeam, int nSide, int nPlay, int nStep) {
    if (nSide == PLAYBOOK_SIDE_OFFENCE)
        Validate_Offensive_Play(nTeam, nPlay, nStep);
    else
        Validate_Defensive_Play(nTeam, nPlay);
}

int Has_Play_Result_Data(int nTeam, int nSide, int nPlay) {
    int nCalls = 0;
    if (nSide == PLAYBOOK_SIDE_OFFENCE) {
        const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
        if (pBook == NULL || nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT)
            return 0;
        for (int16_t nCount : pBook->aanPlays[nPlay])
            nCalls += nCount;
    } else {
        const DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
        if (pBook == NULL || nPlay < 0 || nPlay >= DEFENSIVE_PLAY_COUNT)
            return 0;
        for (int16_t nCount : pBook->aanPlays[nPlay])
            nCalls += nCount;
    }
    return nCalls > 0;
}
