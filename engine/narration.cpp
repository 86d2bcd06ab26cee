// The commentary of a watched play: the events the play models report as they happen, each
// queued in the current play and told at once in a phrase with its tokens filled in.
#include <stdlib.h>
#include <string.h>

#include "engine/engine.h"

#define NARRATION_LINE_SIZE 256
#define TOKEN_VALUE_SIZE 128
#define EVENT_BYTES 16
#define EVENT_KIND 0
#define EVENT_VARIANT 1
#define EVENT_NUMBER 2
#define EVENT_SECOND 3
#define EVENT_FLAG 4
#define EVENT_PLAYER0 8
#define EVENT_PLAYER1 12
#define NO_PLAYER_ID (-1)
#define DOWN_AT_SNAP_MASK 0xFF
#define MAX_MARKERS 19

static char gNarrationLines[PLAY_NARRATION_ENTRIES][NARRATION_LINE_SIZE];
static int gEndZoneToldInPlay;  // the end-zone phrase of a pass was used once in this play

// ---- the event slots ----------------------------------------------------------------------------

static int Get_Event_Id(const uint8_t* pEvent, int nOffset) {
    int32_t nId;
    memcpy(&nId, pEvent + nOffset, sizeof(nId));
    return nId;
}

int Count_Play_Events(GAME* pGame) {
    int nCount = 0;
    for (int n = 0; n < PLAY_NARRATION_ENTRIES; n++)
        nCount += pGame->currentPlay.aabNarration[n][EVENT_KIND] != NARRATION_ENTRY_EMPTY;
    return nCount;
}

void Get_Narration_Line(int n, char* st, int nSize) {
    safe_strncpy(st, n >= 0 && n < PLAY_NARRATION_ENTRIES ? gNarrationLines[n] : "", nSize);
}

// ---- variant choice -----------------------------------------------------------------------------

static int Any_Variant(void) {
    return (int)(Random_Unit() * NARRATION_VARIANTS);
}

static int Get_Snap_Word(GAME* pGame, int nShift) {
    return ((uint32_t)pGame->currentPlay.nResult >> nShift) & DOWN_AT_SNAP_MASK;
}

static int Get_Call_Type(GAME* pGame) {
    return Get_Offensive_Play_Type(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall);
}

static int Is_Possession_Changed(GAME* pGame) {
    return (pGame->nFlags & GAME_FLAG_POSSESSION_CHANGED) != 0;
}

static int Choose_Series_Variant(GAME* pGame) {
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    if (nDown == CONVERSION_ATTEMPT)
        return 8;
    if (pGame->nYardsToGo >= pGame->nYardLine)
        return 5 + Random_Below(3);
    if (nDown == FIRST_DOWN && pGame->nYardsToGo == 10)
        return Random_Below(3);
    if (Random_Below(100) < 50)
        return 1 + Random_Below(4);
    if (pGame->nYardsToGo == 1)
        return 13 + Random_Below(2);
    if (nDown == THIRD_DOWN || nDown == FOURTH_DOWN)
        return pGame->nYardsToGo > 5 ? 9 : 10 + Random_Below(3);
    return 15 + Random_Below(5);
}

static int Choose_Kick_Result_Variant(int nYards, int bGood) {
    if (!bGood && nYards > 57)
        return 18 + Random_Below(2);
    if (nYards > 48)
        return bGood ? Random_Below(8) : Random_Below(12) + 8;
    return bGood ? Random_Below(6) : Random_Below(10) + 8;
}

static int Sign(int n) {
    return (n > 0) - (n < 0);
}

// Whether the play's points put a different team in front.
static int Did_Play_Change_Lead(GAME* pGame) {
    int anPoints[2] = {0, 0};
    int bHome = (pGame->currentPlay.nResult & PLAY_WORD_HOME_BALL) != 0;
    Add_Play_Points(bHome, Get_Play_Result(&pGame->currentPlay), anPoints);
    int nAfter = pGame->anScores[HOME_SIDE] - pGame->anScores[VISITOR_SIDE];
    int nBefore = nAfter - (anPoints[HOME_SIDE] - anPoints[VISITOR_SIDE]);
    return nAfter != 0 && Sign(nAfter) != Sign(nBefore);
}

static int Choose_Quarter_End_Variant(GAME* pGame) {
    int bTied = pGame->anScores[VISITOR_SIDE] == pGame->anScores[HOME_SIDE];
    switch (Get_Game_Quarter(pGame)) {
    case 1: return Random_Below(3);
    case 2: return bTied ? 9 : Random_Below(6) + 3;
    case 3: return Random_Below(3) + 10;
    default:
        if (bTied)
            return Random_Below(2) + 16;
        if (Did_Play_Change_Lead(pGame))
            return Random_Below(2) + 18;
        return Random_Below(3) + 13;
    }
}

static int Choose_Punt_Away_Variant(GAME* pGame, int nYards) {
    if (nYards < 35 && nYards + 20 < Get_Snap_Word(pGame, PLAY_WORD_YARD_LINE_SHIFT))
        return (7 + Random_Below(8)) % 10;
    return nYards > 46 ? Random_Below(7) : Random_Below(5);
}

int Choose_Narration_Variant(GAME* pGame, int nKind, int nNumber, int nSecond, int nFlag,
                             int nPlayer0, int nPlayer1) {
    int bFirst = nPlayer0 != NO_PLAYER_ID;
    int bSecond = nPlayer1 != NO_PLAYER_ID;
    int nResult = Get_Play_Result(&pGame->currentPlay);
    int nCallType = Get_Call_Type(pGame);
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    switch (nKind) {
    case NARRATION_SERIES_START: return Choose_Series_Variant(pGame);
    case NARRATION_SNAP:
        return Is_Shotgun_Formation(pGame->anFormations[Get_Offensive_Side(pGame)])
                   ? (Random_Below(14) + 14) % 20
                   : Random_Below(14);
    case NARRATION_BLOCK:
        if (nResult >= RESULT_PUNT_RETURNED && nResult <= RESULT_KICKOFF_RETURN_TOUCHDOWN)
            return bSecond ? Random_Below(10) : Random_Below(7);
        return bSecond ? Any_Variant() : (Random_Below(15) + 12) % 20;
    case NARRATION_PASS_BLOCK: return bFirst ? Any_Variant() : Random_Below(13) + 7;
    case NARRATION_SCRAMBLE:
        if (nSecond == 0)
            return Random_Below(15);
        if (nSecond == 2)
            return (Random_Below(15) + 15) % 20;
        return bSecond ? Any_Variant() : Random_Below(19) + 1;
    case NARRATION_COVERAGE:
        if (nSecond != 0)
            return Random_Below(2) + 13;
        return Random_Below(100) < 72 ? Random_Below(13) : Random_Below(5) + 15;
    case NARRATION_RECEIVER_OPEN:
    case NARRATION_EXTRA_YARDS: return bSecond ? Any_Variant() : Random_Below(17);
    case NARRATION_THROW:
        if (nNumber < 5)
            return Random_Below(13);
        return nNumber <= 20 ? Random_Below(7) : (Random_Below(14) + 13) % 20;
    case NARRATION_KNOCKED_DOWN:
        return Is_Possession_Changed(pGame) ? Random_Below(14) + 6 : Random_Below(26) % 20;
    case NARRATION_BREAKS_TACKLE: return bSecond ? Any_Variant() : Random_Below(10) + 10;
    case NARRATION_TACKLED:
        if (nFlag && Is_Offense_Hurrying(pGame))
            return Random_Below(5) + 15;
        return nFlag ? Random_Below(7) + 12 : Random_Below(12);
    case NARRATION_HANDOFF:
        return nCallType == PLAY_PITCH ? Random_Below(8) + 12 : Random_Below(14);
    case NARRATION_BITES: return bFirst ? Any_Variant() : Random_Below(9) + 11;
    case NARRATION_LONG_RUN:
        if (nDown == KICKOFF || nDown == FREE_KICK)
            return Random_Below(12) + 8;
        if (Is_Possession_Changed(pGame) || nCallType == PLAY_PUNT)
            return Random_Below(14) + 6;
        return Any_Variant();
    case NARRATION_POSSESSION:
        if (Get_Snap_Word(pGame, 0) == KICKOFF)
            return nResult == RESULT_ONSIDE_RECEIVING_TEAM ? Random_Below(4) + 16
                                                           : Random_Below(6) + 10;
        return Is_Possession_Changed(pGame) ? (Random_Below(10) + 10) % 15 : Random_Below(10);
    case NARRATION_PICKED_UP: return Random_Below(12);
    case NARRATION_TOUCHDOWN:
        if (nDown == CONVERSION_ATTEMPT)
            return Random_Below(5) + 15;
        if (nNumber > 3 || nResult == RESULT_TOUCHDOWN_PASS)
            return Random_Below(10);
        return Random_Below(5) + 10;
    case NARRATION_RETURNER_BACK:
        return nCallType == PLAY_PUNT ? Random_Below(10) : Random_Below(10) + 10;
    case NARRATION_KICK_AWAY:
        return nDown == KICKOFF ? Random_Below(10) + 10 : Choose_Punt_Away_Variant(pGame, nNumber);
    case NARRATION_KICK_FIELDED:
        if (nFlag == KICK_FIELDED_FAIR_CATCH)
            return Random_Below(5) + 15;
        return nFlag == KICK_FIELDED_TOUCHBACK ? Random_Below(5) + 10 : Random_Below(10);
    case NARRATION_FLAG: return Random_Below(10) + (nFlag ? 10 : 0);
    case NARRATION_FIELD_GOAL_UNIT:
        if (nNumber < 30)
            return Random_Below(15);
        return nNumber < 50 ? Random_Below(10) : (Random_Below(15) + 15) % 20;
    case NARRATION_KICK_RESULT: return Choose_Kick_Result_Variant(nNumber, nFlag);
    case NARRATION_QUARTERBACK_RUN:
        if (Get_Snap_Word(pGame, PLAY_WORD_YARD_LINE_SHIFT) < 6)
            return (Random_Below(20) % 16 + 16) % 20;
        if (Get_Snap_Word(pGame, PLAY_WORD_TO_GO_SHIFT) < 6)
            return 15 - Random_Below(20) % 16;
        return Random_Below(12);
    case NARRATION_END_OF_QUARTER: return Choose_Quarter_End_Variant(pGame);
    default: return Any_Variant();
    }
}

// ---- tokens -------------------------------------------------------------------------------------

static const char* const kTokens[] = {"$PLAYER0",
                                      "$PLAYER1",
                                      "$OFFENSIVETEAM",
                                      "$DEFENSIVETEAM",
                                      "$OFFENSIVECITY",
                                      "$DEFENSIVECITY",
                                      "$TEAM0",
                                      "$CITY0",
                                      "$TEAM1",
                                      "$CITY1",
                                      "$QUARTER",
                                      "$QB",
                                      "$RB",
                                      "$YARDLINE",
                                      "$LOCATION",
                                      "$DOWN",
                                      "$TOGO",
                                      "$YARDSTOGO",
                                      "$LONGRUN",
                                      "$FULLNAME0",
                                      "$WINNERTEAM",
                                      "$WINNERCITY",
                                      "$WINNERSCORE",
                                      "$DIFFERENCE"};
#define TOKEN_COUNT ((int)(sizeof(kTokens) / sizeof(kTokens[0])))

enum TOKEN {
    TOKEN_PLAYER0 = 0,
    TOKEN_PLAYER1,
    TOKEN_OFFENSIVE_TEAM,
    TOKEN_DEFENSIVE_TEAM,
    TOKEN_OFFENSIVE_CITY,
    TOKEN_DEFENSIVE_CITY,
    TOKEN_TEAM0,
    TOKEN_CITY0,
    TOKEN_TEAM1,
    TOKEN_CITY1,
    TOKEN_QUARTER,
    TOKEN_QB,
    TOKEN_RB,
    TOKEN_YARDLINE,
    TOKEN_LOCATION,
    TOKEN_DOWN,
    TOKEN_TOGO,
    TOKEN_YARDSTOGO,
    TOKEN_LONGRUN,
    TOKEN_FULLNAME0,
    TOKEN_WINNER_TEAM,
    TOKEN_WINNER_CITY,
    TOKEN_WINNER_SCORE,
    TOKEN_DIFFERENCE
};

int Is_Narration_Token(const char* szText) {
    for (int n = 0; n < TOKEN_COUNT; n++) {
        if (strncmp(szText, kTokens[n], strlen(kTokens[n])) == 0)
            return 1;
    }
    return 0;
}

// The first token of the text in list order, with where it stands; -1 when none is left.
static int Find_First_Token(const char* szText, const char** ppAt) {
    for (int n = 0; n < TOKEN_COUNT; n++) {
        const char* p = strstr(szText, kTokens[n]);
        if (p != NULL) {
            *ppAt = p;
            return n;
        }
    }
    return -1;
}

// A player by id: his team and slot; 0 when the id is not found.
static int Find_Event_Player(int nId, int* pTeam, int* pSlot) {
    return nId > 0 && Get_Player_By_ID(pTeam, pSlot, nId);
}

static int Get_Player_Token(int nId, int bFullName, int bCity, int bTeam, char* st, int nSize) {
    int nTeam = 0, nSlot = 0;
    if (!Find_Event_Player(nId, &nTeam, &nSlot))
        return 0;
    if (bTeam)
        Get_Team_Short_Name(nTeam, st, nSize);
    else if (bCity)
        Get_Team_City(nTeam, st, nSize);
    else if (bFullName)
        Get_Player_Full_Name(nTeam, nSlot, st, nSize);
    else
        Get_Player_Last_Name(nTeam, nSlot, st, nSize);
    return 1;
}

static int Get_Slot_Last_Name(GAME* pGame, int bSide, int nSlot, char* st, int nSize) {
    if (nSlot == NO_SLOT_BYTE || nSlot == NO_SLOT_BYTE)
        return 0;
    return Get_Player_Token(Get_Play_Player_Id(pGame, bSide, nSlot), 0, 0, 0, st, nSize);
}

// The spot of an event in words: the yard line less the event's number.
static void Format_Yard_Line_Token(GAME* pGame, int nNumber, int s, char* st, int nSize) {
    int nLine = pGame->nYardLine - nNumber;
    if (nLine == 50) {
        static const char* const kMidfield[] = {"at midfield", "on the 50-yard line", "at the 50"};
        safe_strncpy(st, kMidfield[s % 3], nSize);
        return;
    }
    if (nLine <= 0 || nLine >= 100) {
        safe_strncpy(st, "in the end zone", nSize);
        return;
    }
    int nMarker = nLine < 50 ? nLine : 100 - nLine;
    if (nMarker <= 10) {
        switch (s % 4) {
        case 0: safe_strncpy(st, "near the end zone", nSize); break;
        case 1:
            Format_String(st, nSize, "near the %d-yard line", Max_Int(5, (nMarker + 2) / 5 * 5));
            break;
        case 2: Format_String(st, nSize, "on the %d-yard line", nMarker); break;
        default: Format_String(st, nSize, "at the %d-yard line", nMarker); break;
        }
        return;
    }
    if (nMarker >= 48 && s % 2 == 0) {
        safe_strncpy(st, "near midfield", nSize);
        return;
    }
    char szTeam[TOKEN_VALUE_SIZE];
    Get_Team_Short_Name(nLine < 50 ? Get_Defensive_Team(pGame) : Get_Offensive_Team(pGame), szTeam,
                        sizeof(szTeam));
    static const char* const kForms[] = {"near the %s %d-yard line", "on the %s %d-yard line",
                                         "at the %s %d-yard line"};
    Format_String(st, nSize, kForms[s % 3], szTeam, nMarker);
}

// The yard markers a long run passes: "to the 40 ... 45 ... 50 ... 45".
static void Format_Long_Run_Token(GAME* pGame, int nStart, int nYards, char* st, int nSize) {
    int nFrom = pGame->nYardLine - nStart;
    int nTo = nFrom - nYards;
    int nMarkers = 0;
    st[0] = '\0';
    for (int nLine = nFrom - 1; nLine > nTo && nLine > 0 && nMarkers < MAX_MARKERS; nLine--) {
        if (nLine % 5 != 0)
            continue;
        int nMarker = nLine <= 50 ? nLine : 100 - nLine;
        Append_Format_String(st, nSize, nMarkers == 0 ? "to the %d" : " ... %d", nMarker);
        nMarkers++;
    }
    if (nMarkers == 0)
        safe_strncpy(st, "upfield", nSize);
}

static const char* Get_Pass_Depth_Phrase(int nBand, int bOutside) {
    static const char* const kPhrases[5][2] = {{"underneath", "in the flat"},
                                               {"over the middle", "out wide"},
                                               {"downfield", "near the sideline"},
                                               {"deep downfield", "down the sideline"},
                                               {"in the end zone", "in the corner"}};
    return kPhrases[Clamp(nBand, 0, 4)][bOutside ? 1 : 0];
}

const char* Get_Run_Direction_Phrase(int nHole, int nSelector) {
    static const char* const kPhrases[10][3] = {
        {"up the middle", "up the middle", "inside"},
        {"up the middle", "up the middle", "inside"},
        {"up the middle", "inside", "to the right side"},
        {"up the middle", "inside", "to the left side"},
        {"to the right", "to the right side", "off-tackle"},
        {"to the left", "to the left side", "off-tackle"},
        {"to the right", "outside", "outside"},
        {"to the left", "outside", "outside"},
        {"to the right", "outside", "around the right side"},
        {"to the left", "outside", "around the left side"}};
    return kPhrases[Clamp(nHole, 0, 9)][abs(nSelector) % 3];
}

// The route of the receiver at an on-field spot: spot k runs receiver k - 1's route; -1 for the
// passer's spot or a player not on the field.
int Get_Target_Route(GAME* pGame, int nSlot) {
    int nSpot = Find_On_Field_Spot(pGame, Get_Offensive_Side(pGame), nSlot);
    if (nSpot <= 0 || nSpot > PLAY_RECEIVERS)
        return NO_ROUTE;
    return Get_Offensive_Play_Route(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall,
                                    nSpot - 1);
}

// The last drawn point of a route: the one before its trailing (0, 0) points.
static ROUTE_POINT Get_Route_End(int nRoute) {
    ROUTE_POINT last = {0.0, 0.0};
    for (int n = 0; n < ROUTE_POINT_COUNT; n++) {
        ROUTE_POINT point = Get_Pass_Route_Point(nRoute, n);
        if (point.x == 0.0 && point.y == 0.0)
            break;
        last = point;
    }
    return last;
}

// The pass location of a target: the depth band of the throw within the route's depths, outside
// when the route ends wide; past the goal line the end zone (its inside phrase once a play).
const char* Get_Pass_Location_Phrase(GAME* pGame, int nTargetSlot, int nDepth) {
    int nRoute = Get_Target_Route(pGame, nTargetSlot);
    if (nRoute == NO_ROUTE)
        return "downfield";
    nDepth = Clamp(nDepth, Get_Route_Min_Depth(nRoute), Get_Route_Max_Depth(nRoute));
    int nBand = nDepth <= 0 ? 0 : nDepth <= 10 ? 1 : nDepth <= 20 ? 2 : 3;
    int nKind = Get_Route_Kind(nRoute);
    double fWide = nKind == ROUTE_KIND_BACKFIELD || nKind == ROUTE_KIND_DELAYED ? 3.0 : -1.5;
    int bOutside = Get_Route_End(nRoute).x >= fWide;
    if (Get_Route_Max_Depth(nRoute) >= pGame->nYardLine) {
        if (gEndZoneToldInPlay)
            return Get_Pass_Depth_Phrase(4, 0);
        gEndZoneToldInPlay = 1;
        nBand = 4;
    }
    return Get_Pass_Depth_Phrase(nBand, bOutside);
}

int Find_On_Field_Spot(GAME* pGame, int bSide, int nSlot) {
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        if (pGame->aabOnField[bSide][nSpot] == nSlot)
            return nSpot;
    }
    return -1;
}

static void Format_Location_Token(GAME* pGame, const uint8_t* pEvent, int s, char* st, int nSize) {
    int nType = Get_Call_Type(pGame);
    if (nType == PLAY_END_AROUND || nType == 15 || nType == 22) {
        safe_strncpy(st, "around the outside", nSize);
    } else if (nType >= PLAY_DIVE && nType < PLAY_PASS) {
        safe_strncpy(st, Get_Run_Direction_Phrase(Get_Play_Run_Hole(pGame), s), nSize);
    } else if (nType >= PLAY_PASS && nType <= PLAY_OPTION) {
        int nTeam = 0, nSlot = 0;
        if (Find_Event_Player(Get_Event_Id(pEvent, EVENT_PLAYER0), &nTeam, &nSlot) &&
            nTeam == Get_Offensive_Team(pGame))
            safe_strncpy(st, Get_Pass_Location_Phrase(pGame, nSlot, (int8_t)pEvent[EVENT_NUMBER]),
                         nSize);
        else
            safe_strncpy(st, "downfield", nSize);
    } else {
        safe_strncpy(st, Get_Run_Direction_Phrase(s % 9, s / 9), nSize);
    }
}

// The leading team's nickname, city, score and margin.
static void Format_Winner_Token(GAME* pGame, int nToken, char* st, int nSize) {
    int bHomeLeads = pGame->anScores[HOME_SIDE] >= pGame->anScores[VISITOR_SIDE];
    int nWinner = pGame->anTeams[bHomeLeads ? HOME_SIDE : VISITOR_SIDE];
    int nHigh = Max_Int(pGame->anScores[HOME_SIDE], pGame->anScores[VISITOR_SIDE]);
    int nLow = Min_Int(pGame->anScores[HOME_SIDE], pGame->anScores[VISITOR_SIDE]);
    if (nToken == TOKEN_WINNER_TEAM)
        Get_Team_Nickname(nWinner, st, nSize);
    else if (nToken == TOKEN_WINNER_CITY)
        Get_Team_City(nWinner, st, nSize);
    else
        Get_Cardinal_Words(st, nSize, nToken == TOKEN_WINNER_SCORE ? nHigh : nHigh - nLow);
}

// The value of one token; 0 when it cannot be given.
static int Get_Token_Value(GAME* pGame, const uint8_t* pEvent, int nToken, char* st, int nSize) {
    int nId0 = Get_Event_Id(pEvent, EVENT_PLAYER0);
    int nId1 = Get_Event_Id(pEvent, EVENT_PLAYER1);
    int s = nId0 < 0 ? 0 : nId0 % (pEvent[EVENT_VARIANT] + 10);
    int bOffence = Get_Offensive_Side(pGame);
    switch (nToken) {
    case TOKEN_PLAYER0: return Get_Player_Token(nId0, 0, 0, 0, st, nSize);
    case TOKEN_PLAYER1: return Get_Player_Token(nId1, 0, 0, 0, st, nSize);
    case TOKEN_OFFENSIVE_TEAM: Get_Team_Short_Name(Get_Offensive_Team(pGame), st, nSize); return 1;
    case TOKEN_DEFENSIVE_TEAM: Get_Team_Short_Name(Get_Defensive_Team(pGame), st, nSize); return 1;
    case TOKEN_OFFENSIVE_CITY: Get_Team_City(Get_Offensive_Team(pGame), st, nSize); return 1;
    case TOKEN_DEFENSIVE_CITY: Get_Team_City(Get_Defensive_Team(pGame), st, nSize); return 1;
    case TOKEN_TEAM0: return Get_Player_Token(nId0, 0, 0, 1, st, nSize);
    case TOKEN_CITY0: return Get_Player_Token(nId0, 0, 1, 0, st, nSize);
    case TOKEN_TEAM1: return Get_Player_Token(nId1, 0, 0, 1, st, nSize);
    case TOKEN_CITY1: return Get_Player_Token(nId1, 0, 1, 0, st, nSize);
    case TOKEN_QUARTER: Get_Ordinal_Words(st, nSize, Get_Game_Quarter(pGame)); return 1;
    case TOKEN_QB:
        return Get_Slot_Last_Name(pGame, bOffence, pGame->aabOnField[bOffence][0], st, nSize);
    case TOKEN_RB:
        return Get_Slot_Last_Name(pGame, bOffence, Get_Ball_Carrier_Slot(pGame), st, nSize);
    case TOKEN_YARDLINE:
        Format_Yard_Line_Token(pGame, (int8_t)pEvent[EVENT_NUMBER], s, st, nSize);
        return 1;
    case TOKEN_LOCATION: Format_Location_Token(pGame, pEvent, s, st, nSize); return 1;
    case TOKEN_DOWN:
        Get_Ordinal_Words(st, nSize, (pGame->nFlags & GAME_FLAG_DOWN_MASK) + 1);
        return 1;
    case TOKEN_TOGO: Get_Cardinal_Words(st, nSize, pGame->nYardsToGo); return 1;
    case TOKEN_YARDSTOGO: {
        char szWords[TOKEN_VALUE_SIZE];
        Get_Cardinal_Words(szWords, sizeof(szWords), pGame->nYardsToGo);
        Format_String(st, nSize, pGame->nYardsToGo < 2 ? "%s yard" : "%s yards", szWords);
        return 1;
    }
    case TOKEN_LONGRUN:
        Format_Long_Run_Token(pGame, (int8_t)pEvent[EVENT_NUMBER], (int8_t)pEvent[EVENT_SECOND], st,
                              nSize);
        return 1;
    case TOKEN_FULLNAME0: return Get_Player_Token(nId0, 1, 0, 0, st, nSize);
    case TOKEN_WINNER_TEAM:
    case TOKEN_WINNER_CITY:
    case TOKEN_WINNER_SCORE:
    case TOKEN_DIFFERENCE: Format_Winner_Token(pGame, nToken, st, nSize); return 1;
    default: safe_strncpy(st, "<ERROR>", nSize); return 1;
    }
}

void Render_Narration_Event(GAME* pGame, const uint8_t* pEvent, char* st, int nSize) {
    int nKind = pEvent[EVENT_KIND];
    int nVariant = pEvent[EVENT_VARIANT];
    if (nKind >= NARRATION_KIND_COUNT || nVariant >= NARRATION_VARIANTS) {
        safe_strncpy(st, "...", nSize);
        return;
    }
    char szLine[NARRATION_LINE_SIZE], szValue[TOKEN_VALUE_SIZE];
    safe_strncpy(szLine, NARRATION_PHRASES[nKind][nVariant], sizeof(szLine));
    const char* pAt = NULL;
    for (int nToken = Find_First_Token(szLine, &pAt); nToken >= 0;
         nToken = Find_First_Token(szLine, &pAt)) {
        if (!Get_Token_Value(pGame, pEvent, nToken, szValue, sizeof(szValue))) {
            safe_strncpy(st, nKind == NARRATION_HIT ? "Hit hard." : "...", nSize);
            return;
        }
        char szRest[NARRATION_LINE_SIZE];
        safe_strncpy(szRest, pAt + strlen(kTokens[nToken]), sizeof(szRest));
        int nOffset = (int)(pAt - szLine);
        szLine[nOffset] = '\0';
        safe_strncat(szLine, szValue, sizeof(szLine));
        safe_strncat(szLine, szRest, sizeof(szLine));
    }
    safe_strncpy(st, szLine, nSize);
}

// ---- queuing --------------------------------------------------------------------------------------

static int Is_Narrating(GAME* pGame) {
    return Is_Game_Watched(pGame) && !Is_Fast_Forwarding();
}

void Narrate_Play_Event(GAME* pGame, int nKind, int nNumber, int nSecond, int nFlag, int nPlayer0,
                        int nPlayer1) {
    if (pGame == NULL || !Is_Narrating(pGame) || nKind < 0 || nKind >= NARRATION_KIND_COUNT)
        return;
    int nEntry = 0;
    while (nEntry < PLAY_NARRATION_ENTRIES &&
           pGame->currentPlay.aabNarration[nEntry][EVENT_KIND] != NARRATION_ENTRY_EMPTY)
        nEntry++;
    if (nEntry == PLAY_NARRATION_ENTRIES)
        return;
    if (nEntry == 0)
        gEndZoneToldInPlay = 0;
    uint8_t* pEvent = pGame->currentPlay.aabNarration[nEntry];
    memset(pEvent, 0, EVENT_BYTES);
    pEvent[EVENT_KIND] = (uint8_t)nKind;
    pEvent[EVENT_VARIANT] = (uint8_t)Choose_Narration_Variant(pGame, nKind, nNumber, nSecond, nFlag,
                                                              nPlayer0, nPlayer1);
    pEvent[EVENT_NUMBER] = (uint8_t)(int8_t)nNumber;
    pEvent[EVENT_SECOND] = (uint8_t)nSecond;
    pEvent[EVENT_FLAG] = (uint8_t)nFlag;
    int32_t anIds[2] = {nPlayer0, nPlayer1};
    memcpy(pEvent + EVENT_PLAYER0, &anIds[0], sizeof(int32_t));
    memcpy(pEvent + EVENT_PLAYER1, &anIds[1], sizeof(int32_t));
    Render_Narration_Event(pGame, pEvent, gNarrationLines[nEntry], NARRATION_LINE_SIZE);
}

// ---- event sequences ------------------------------------------------------------------------------
// Told only while the game is watched: an unwatched game makes none of their draws.

// The id of a side's on-field player; -1 for nobody.
static int Side_Id(GAME* pGame, int bSide, int nSlot) {
    if (nSlot == NO_SLOT_BYTE || nSlot == NO_SLOT_BYTE)
        return NO_PLAYER_ID;
    return Get_Play_Player_Id(pGame, bSide, nSlot);
}

static int Offence_Id(GAME* pGame, int nSlot) {
    return Side_Id(pGame, Get_Offensive_Side(pGame), nSlot);
}

static int Defence_Id(GAME* pGame, int nSlot) {
    return Side_Id(pGame, Get_Defensive_Side(pGame), nSlot);
}

static int Quarterback_Id(GAME* pGame) {
    return Offence_Id(pGame, pGame->aabOnField[Get_Offensive_Side(pGame)][0]);
}

static void Narrate_Fake(GAME* pGame) {
    Narrate_Play_Event(pGame, NARRATION_FAKE, 0, 0, 0, Quarterback_Id(pGame),
                       Offence_Id(pGame, Find_Play_Action_Back(pGame)));
}

// A defender biting on the fake, when the call has one to name.
static void Narrate_Biter(GAME* pGame) {
    int nBiter = Defence_Id(pGame, Find_Defensive_Play_Action_Player(pGame));
    if (nBiter != NO_PLAYER_ID)
        Narrate_Play_Event(pGame, NARRATION_BITES, 0, 0, 0, nBiter, NO_PLAYER_ID);
}

static int Percent_Draw(void) {
    return (int)(Random_Unit() * 100);
}

void Narrate_Snap(GAME* pGame) {
    if (!Is_Game_Watched(pGame))
        return;
    Narrate_Play_Event(pGame, NARRATION_SERIES_START, 0, 0, 0, NO_PLAYER_ID, NO_PLAYER_ID);
    Narrate_Play_Event(pGame, NARRATION_SNAP, 0, 0, 0, Quarterback_Id(pGame), NO_PLAYER_ID);
    if (Is_Rollout_Or_Option_Play(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall))
        Narrate_Play_Event(pGame, NARRATION_SCRAMBLE, 0, 1, 0, Quarterback_Id(pGame), NO_PLAYER_ID);
}

void Narrate_Run_Start(GAME* pGame) {
    if (!Is_Game_Watched(pGame))
        return;
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    int bReadOption = Is_Read_Option_Play(nTeam, nCall);
    int nCarrierId = Offence_Id(pGame, Get_Ball_Carrier_Slot(pGame));
    if (Is_Play_Action_Play(nTeam, nCall) && !bReadOption && Percent_Draw() < 50) {
        if (Percent_Draw() < 50) {
            Narrate_Fake(pGame);
        } else if (Random_Below(2) == 0) {
            Narrate_Biter(pGame);
        }
    }
    int nPrimary = Get_Offensive_Play_Primary_Player(nTeam, nCall);
    int bNoHandoff = nPrimary == 1;
    if (bNoHandoff && !(bReadOption && (pGame->nClock + nCall) % 2 == 1))
        return;
    Narrate_Play_Event(pGame, NARRATION_HANDOFF, 0, 0, 0, Quarterback_Id(pGame), nCarrierId);
}

void Narrate_Pressure(GAME* pGame, int nRusherId) {
    if (!Is_Game_Watched(pGame))
        return;
    Narrate_Play_Event(pGame, NARRATION_PRESSURE, 0, 0, 0, Quarterback_Id(pGame), nRusherId);
    if (Is_Rollout_Or_Option_Play(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall))
        return;
    int nScrambles = 0;  // read from the quarterback's predicted touchdown passes
    int nTeam = 0, nSlot = 0;
    if (Find_Event_Player(Quarterback_Id(pGame), &nTeam, &nSlot))
        nScrambles = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OFF_PASSING_TOUCHDOWNS);
    if (Percent_Draw() < 20 && nScrambles < Percent_Draw())
        Narrate_Play_Event(pGame, NARRATION_ESCAPE, 0, 0, 0, Quarterback_Id(pGame), nRusherId);
    else if (Percent_Draw() <= 9 && Percent_Draw() < nScrambles - 40)
        Narrate_Play_Event(pGame, NARRATION_SCRAMBLE, 0, 0, 0, Quarterback_Id(pGame), nRusherId);
}

void Narrate_Sack(GAME* pGame, int nSacker) {
    if (!Is_Game_Watched(pGame))
        return;
    Narrate_Play_Event(pGame, NARRATION_SACK, 0, 0, 0, Defence_Id(pGame, nSacker), NO_PLAYER_ID);
}

// The protection told first on a pass: a block, pressure, or on an incompletion a fake.
static void Narrate_Protection(GAME* pGame, int bCompleted, int nDistance) {
    int nChance = bCompleted ? 40 : 15;
    if (Percent_Draw() < nChance) {
        int nBlocker = Pick_Pass_Blocker(pGame);
        int nRusher = Pick_Random_Rusher(pGame);
        int bSide = Get_Offensive_Side(pGame);
        float fProtection = 20.0f;
        if (nBlocker != NO_SLOT_BYTE) {
            int nTeam = pGame->anTeams[bSide];
            fProtection = (Get_Player_Rating(nTeam, nBlocker, RATING_PASS_BLOCKING) +
                           Get_Player_Rating(nTeam, nBlocker, RATING_RUN_BLOCKING)) /
                          2.0f;
        } else {
            nBlocker = pGame->aabOnField[bSide][6 + Random_Below(5)];
        }
        if (50 + (int)(Random_Unit() * 51) < fProtection)
            Narrate_Play_Event(
                pGame,
                Is_Blitz_Play(Get_Defensive_Team(pGame), pGame->currentPlay.nDefensiveCall)
                    ? NARRATION_BLITZ
                    : NARRATION_PASS_BLOCK,
                0, 0, 0, Offence_Id(pGame, nBlocker), Defence_Id(pGame, nRusher));
        return;
    }
    int nPressure =
        bCompleted
            ? (40 - nDistance) / 2
            : (Is_Blitz_Play(Get_Defensive_Team(pGame), pGame->currentPlay.nDefensiveCall) ? 70
                                                                                           : 35);
    if (Percent_Draw() < nPressure) {
        Narrate_Pressure(pGame, Defence_Id(pGame, Pick_Random_Rusher(pGame)));
        return;
    }
    int nTeam = Get_Offensive_Team(pGame);
    if (bCompleted || !Is_Play_Action_Play(nTeam, pGame->currentPlay.nOffensiveCall))
        return;
    if (Random_Below(2) == 0) {
        if (Random_Below(100) < 30)
            Narrate_Fake(pGame);
    } else if (Random_Below(100) < 20) {
        Narrate_Biter(pGame);
    }
}

// The protection, a receiver coming open and the throw; the target's id.
static int Narrate_Throw(GAME* pGame, int nTarget, int bCompleted, int nDistance) {
    int nTargetId = Offence_Id(pGame, nTarget);
    Narrate_Protection(pGame, bCompleted, nDistance);
    if (Percent_Draw() < (bCompleted ? 40 : 10))
        Narrate_Play_Event(pGame, NARRATION_RECEIVER_OPEN, nDistance, 0, 0, nTargetId,
                           NO_PLAYER_ID);
    Narrate_Play_Event(pGame, NARRATION_THROW, nDistance, 0, 0, nTargetId, Quarterback_Id(pGame));
    return nTargetId;
}

void Narrate_Incomplete_Pass(GAME* pGame, int nTarget, int nDefender, int nDistance) {
    if (!Is_Game_Watched(pGame))
        return;
    int nTargetId = Narrate_Throw(pGame, nTarget, 0, nDistance);
    if (nDefender != NO_SLOT_BYTE && nDefender != NO_PLAYER) {
        Narrate_Play_Event(pGame, NARRATION_KNOCKED_DOWN, 0, 0, 0, Defence_Id(pGame, nDefender),
                           NO_PLAYER_ID);
    } else if (Percent_Draw() < 20) {
        Narrate_Play_Event(pGame, NARRATION_DROP, 0, 0, 0, nTargetId, NO_PLAYER_ID);
    } else {
        Narrate_Play_Event(pGame, NARRATION_INCOMPLETE, 0, 0, 0, NO_PLAYER_ID, NO_PLAYER_ID);
    }
}

// What follows the catch: hits, broken tackles and open field, by the yards after the catch.
static void Narrate_After_Catch(GAME* pGame, int nTargetId, int nDistance, int nAfter) {
    if (nAfter > 4) {
        if (Percent_Draw() < 10) {
            int nTackler = Choose_Game_Event_Player(pGame, 2, 2, 0);
            int nTacklerId = Defence_Id(pGame, nTackler);
            Narrate_Play_Event(pGame, NARRATION_HIT, 0, 0, 0, nTacklerId, NO_PLAYER_ID);
            Narrate_Play_Event(pGame, NARRATION_BREAKS_TACKLE, 0, 0, 0, nTargetId, nTacklerId);
        }
        if (9 + (int)(Random_Unit() * 5) < nAfter)
            Narrate_Play_Event(pGame, NARRATION_ROOM_TO_RUN, 0, 0, 0, nTargetId, NO_PLAYER_ID);
        if (nAfter > 20)
            Narrate_Play_Event(pGame, NARRATION_LONG_RUN, nDistance, nAfter, 0, nTargetId,
                               NO_PLAYER_ID);
    } else if (nAfter >= 1) {
        if (Percent_Draw() < 3 * nAfter) {
            int nTacklerId = Defence_Id(pGame, Choose_Game_Event_Player(pGame, 2, 2, 0));
            Narrate_Play_Event(pGame, NARRATION_HIT, 0, 0, 0, nTacklerId, NO_PLAYER_ID);
            Narrate_Play_Event(pGame, NARRATION_EXTRA_YARDS, 0, 0, 0, nTargetId, NO_PLAYER_ID);
        }
    } else if (Percent_Draw() < 30) {
        int nTacklerId = Defence_Id(pGame, Choose_Game_Event_Player(pGame, 2, 2, 0));
        Narrate_Play_Event(pGame, NARRATION_HIT, 0, 0, 0, nTacklerId, NO_PLAYER_ID);
    }
}

void Narrate_Completed_Pass(GAME* pGame, int nTarget, int nYardsAfterCatch, int nDistance) {
    if (!Is_Game_Watched(pGame))
        return;
    int nTargetId = Narrate_Throw(pGame, nTarget, 1, nDistance);
    Narrate_Play_Event(pGame, NARRATION_CATCH, 0, 0, 0, nTargetId, NO_PLAYER_ID);
    Narrate_After_Catch(pGame, nTargetId, nDistance, nYardsAfterCatch);
    int nResult = Get_Play_Result(&pGame->currentPlay);
    int nGain = nDistance + nYardsAfterCatch;
    if (nResult == RESULT_COMPLETE) {
        Narrate_Play_Event(pGame, NARRATION_TACKLED, nGain, 0, 0, NO_PLAYER_ID, NO_PLAYER_ID);
        if (pGame->nPlaySeconds >= Get_Half_Seconds_Left(pGame))
            return;
        if (nGain >= pGame->nYardsToGo)
            Narrate_Play_Event(pGame, NARRATION_FIRST_DOWN, 0, 0, 0, NO_PLAYER_ID, NO_PLAYER_ID);
        else if ((pGame->nFlags & GAME_FLAG_DOWN_MASK) == FOURTH_DOWN)
            Narrate_Play_Event(pGame, NARRATION_TURNOVER_ON_DOWNS, 0, 0, 0, NO_PLAYER_ID,
                               NO_PLAYER_ID);
    } else if (nResult == RESULT_TOUCHDOWN_PASS) {
        Narrate_Play_Event(pGame, NARRATION_TOUCHDOWN, nGain, 0, 0, nTargetId, NO_PLAYER_ID);
    }
}

// A drop back is told for a pass from under the center that is no rollout, bootleg or fake.
int Is_Drop_Back_Play(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    if (Is_Shotgun_Formation(pGame->anFormations[Get_Offensive_Side(pGame)]))
        return 0;
    return !Is_Rollout_Or_Option_Play(nTeam, nCall) && !Is_Play_Action_Play(nTeam, nCall);
}
