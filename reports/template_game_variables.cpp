// The template variables of one game record and its play log. A GAME or PLAY key that names no
// stored game or logged play writes nothing and reads no record.
#include <string.h>

#include "core/core.h"
#include "engine/engine.h"
#include "reports/encyclopedia_internal.h"

#define LAST_PLAYOFF_SLOT 30
#define FIRST_PAST_FINALIST_SLOT 24
#define MAX_PERIOD_STARTS 10
#define PLAY_KIND_NO_DEFENCE_A 16
#define PLAY_KIND_NO_DEFENCE_B 17
#define FIRST_DEFAULT_ONLY_PLAY 54
#define LABEL_SIZE TEAM_LABEL_SIZE
#define INJURY_PLAYER_OFFSET 8  // the injured player's id inside a narration entry

typedef struct GAME_VAR {
    const char* szName;
    TEMPLATE_VAR_WRITER pfnWrite;
} GAME_VAR;

GAME* Get_Template_Game(const TEMPLATE_CONTEXT* pContext) {
    int nGame = Key(pContext, KEY_GAME);
    return Is_Game_Index_Used(nGame) ? Get_Game_Record(nGame) : NULL;
}

const PLAY* Get_Template_Play(const TEMPLATE_CONTEXT* pContext, GAME** ppGame) {
    GAME* pGame = Get_Template_Game(pContext);
    int nPlay = Key(pContext, KEY_PLAY);
    *ppGame = pGame;
    if (!pGame || nPlay < 0 || nPlay >= Min_Int(pGame->nPlayCount, PLAY_LOG_SIZE))
        return NULL;
    return &pGame->aPlayLog[nPlay];
}

static void Put_Team_Label(int nTeam, char* st, int nSize) {
    char szLabel[LABEL_SIZE] = "";
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    Put_Escaped(st, nSize, szLabel);
}

static void Put_Team_Abbreviation(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    if (Is_Team_Active(nTeam))
        Get_Team_String(szOut, nSize, nTeam, TEAM_ABBREVIATION);
}

// TYPE picks side 0 (visitor) or 1 (home); anything else names no side.
static int Get_Side_Key(const TEMPLATE_CONTEXT* p) {
    int nSide = Key(p, KEY_TYPE);
    return nSide == VISITOR_SIDE || nSide == HOME_SIDE ? nSide : -1;
}

// ---- the game as a whole ------------------------------------------------------------------------

static void Put_Game_Detail_Ref(int nGame, int nType, char* st, int nSize) {
    Append_Format_String(st, nSize, "<a href=\"%s\\GameDetails\\G-%02d-%03d.htm\">",
                         nType == 1 ? ".." : ".", Current_Template_Year() % 100, nGame);
}

static int Write_Game_Detail_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Put_Game_Detail_Ref(Key(p, KEY_GAME), Key(p, KEY_TYPE), st, nSize);
    return 1;
}

// "Label score, Label score" with the winner in bold; the first of a tie stays plain.
static void Put_Two_Sides(const char* szFirst, const char* szSecond, int bFirstWins, char* st,
                          int nSize) {
    if (bFirstWins)
        Append_Format_String(st, nSize, "<b>%s, </b>%s", szFirst, szSecond);
    else
        Append_Format_String(st, nSize, "%s, <b>%s</b>", szFirst, szSecond);
}

static int Write_Game(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame = Get_Template_Game(p);
    if (!pGame)
        return 1;
    Put_Game_Detail_Ref(Key(p, KEY_GAME), 1, st, nSize);
    char aszSides[2][LABEL_SIZE * 6];
    for (int nSide = 0; nSide < 2; nSide++) {
        aszSides[nSide][0] = 0;
        Put_Team_Label(pGame->anTeams[nSide], aszSides[nSide], sizeof aszSides[nSide]);
        Append_Format_String(aszSides[nSide], sizeof aszSides[nSide], " %d",
                             pGame->anScores[nSide]);
    }
    Put_Two_Sides(aszSides[0], aszSides[1],
                  pGame->anScores[VISITOR_SIDE] > pGame->anScores[HOME_SIDE], st, nSize);
    safe_strncat(st, "</a>", nSize);
    return 1;
}

static int Get_Bracket_Team(int nSlot) {
    if (nSlot < 0 || nSlot > LAST_PLAYOFF_SLOT) {
        Report_Error("Invalid playoff slot in Get_Playoff_Team(%d)", nSlot);
        return NO_TEAM;
    }
    return Get_Playoff_Team(nSlot);
}

static void Put_Playoff_Side(int nTeam, const char* szScore, char* szOut, int nSize) {
    szOut[0] = 0;
    Put_Team_Ref(nTeam, -1, 0, szOut, nSize);
    Put_Team_Label(nTeam, szOut, nSize);
    Append_Format_String(szOut, nSize, "</a> %s", szScore);
}

static int Write_Playoff_Game(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    int nSlot = Key(p, KEY_GAME);
    int nSeason = Key(p, KEY_SEASON);
    int anTeams[2];
    char aszScores[2][16] = {"W", "L"};
    int bFirstWins = 1;
    if (nSeason != 0) {
        if (nSlot < FIRST_PAST_FINALIST_SLOT) {
            safe_strncpy(st, "Result not available", nSize);
            return 1;
        }
        anTeams[0] = Get_Past_Finalist(nSlot, 1, nSeason);
        anTeams[1] = Get_Past_Finalist(nSlot, 0, nSeason);
    } else {
        anTeams[0] = Get_Bracket_Team(nSlot + 1);
        anTeams[1] = Get_Bracket_Team(nSlot + 2);
        int nFirst = Get_Playoff_Score(nSlot), nSecond = Get_Playoff_Score(nSlot + 1);
        if (nFirst == 0 && nSecond == 0)
            anTeams[0] = NO_TEAM;
        Format_String(aszScores[0], sizeof aszScores[0], "%d", nFirst);
        Format_String(aszScores[1], sizeof aszScores[1], "%d", nSecond);
        bFirstWins = nFirst > nSecond;
    }
    if (!Is_Team_Active(anTeams[0]) || !Is_Team_Active(anTeams[1])) {
        safe_strncpy(st, "Not played yet", nSize);
        return 1;
    }
    char aszSides[2][LABEL_SIZE * 6];
    for (int n = 0; n < 2; n++)
        Put_Playoff_Side(anTeams[n], aszScores[n], aszSides[n], sizeof aszSides[n]);
    Put_Two_Sides(aszSides[0], aszSides[1], bFirstWins, st, nSize);
    return 1;
}

// Writes what pfnPut gives for the game record's team of side TYPE.
static int Write_Game_Side_Team(const TEMPLATE_CONTEXT* p, char* st, int nSize,
                                void (*pfnPut)(int nTeam, char* st, int nSize)) {
    GAME* pGame = Get_Template_Game(p);
    int nSide = Get_Side_Key(p);
    if (pGame && nSide >= 0)
        pfnPut(pGame->anTeams[nSide], st, nSize);
    return 1;
}

static void Put_Current_Team_Ref(int nTeam, char* st, int nSize) {
    Put_Team_Ref(nTeam, 0, 1, st, nSize);
}

static int Write_Game_Team(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Game_Side_Team(p, st, nSize, Put_Team_Label);
}

static int Write_Game_Team_Logo(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    return Write_Game_Side_Team(p, st, nSize, Put_Team_Logo);
}

static int Write_Game_Team_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    Write_Game_Side_Team(p, st, nSize, Put_Current_Team_Ref);
    if (!st[0])
        Put_No_Link(st, nSize);
    return 1;
}

static int Write_Game_Points(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame = Get_Template_Game(p);
    int nSide = Get_Side_Key(p);
    if (pGame && nSide >= 0)
        Format_String(st, nSize, "%d", pGame->anScores[nSide]);
    return 1;
}

// ---- game leaders -------------------------------------------------------------------------------

typedef struct GAME_LEADER {
    GAME* pGame;
    int nSide;
    int nTeam;  // NO_TEAM when his slot is gone
    int nSlot;
    int nValue;
} GAME_LEADER;

// The leader of counter STAT among position group POS on a side; 0 when there is none.
// pLeader->pGame is NULL when there is no such game.
static int Find_Game_Leader(GAME* pGame, int nSide, const TEMPLATE_CONTEXT* p,
                            GAME_LEADER* pLeader) {
    int nCounter = Key(p, KEY_STAT);
    pLeader->pGame = nSide >= 0 ? pGame : NULL;
    if (!pLeader->pGame || nCounter < 0 || nCounter >= GAME_PLAYER_COUNTERS)
        return 0;
    int nId = Get_Game_Stat_Leader(pGame, nCounter, Key(p, KEY_POS), nSide);
    if (nId <= 0)
        return 0;
    pLeader->nSide = nSide;
    pLeader->nValue = 0;
    for (int nSlot = 0; nSlot < GAME_ROSTER_SLOTS; nSlot++) {
        if (pGame->aanRosterIds[nSide][nSlot] == nId)
            pLeader->nValue = pGame->aaanPlayerCounters[nSide][nSlot][nCounter];
    }
    if (!Get_Player_By_ID(&pLeader->nTeam, &pLeader->nSlot, nId))
        pLeader->nTeam = NO_TEAM;
    return 1;
}

static int Find_Record_Leader(const TEMPLATE_CONTEXT* p, GAME_LEADER* pLeader) {
    return Find_Game_Leader(Get_Template_Game(p), Get_Side_Key(p), p, pLeader);
}

static int Find_Schedule_Leader(const TEMPLATE_CONTEXT* p, GAME_LEADER* pLeader) {
    int nTeam = Key(p, KEY_TEAM);
    int nWeek = Key(p, KEY_WEEK);
    pLeader->pGame = NULL;
    if (!Is_Team_Active(nTeam) || nWeek < 0 || nWeek >= SCHEDULE_WEEKS)
        return 0;
    GAME* pGame = Find_Team_Game_In_Week(nWeek, nTeam);
    if (!pGame)
        return 0;
    return Find_Game_Leader(pGame, pGame->anTeams[HOME_SIDE] == nTeam ? HOME_SIDE : VISITOR_SIDE, p,
                            pLeader);
}

static void Put_Leader_Ref(const GAME_LEADER* pLeader, int bFound, char* st, int nSize) {
    if (bFound && pLeader->nTeam != NO_TEAM)
        Put_Player_Ref(pLeader->nTeam, pLeader->nSlot, 1, st, nSize);
    else
        Put_No_Link(st, nSize);
}

// "Retired" when the game has no leader or his slot is gone; a missing game writes nothing.
static void Put_Leader_Name(const GAME_LEADER* pLeader, int bFound, char* st, int nSize) {
    if (!pLeader->pGame)
        return;
    if (!bFound || pLeader->nTeam == NO_TEAM ||
        !Is_Player_Slot_Used(pLeader->nTeam, pLeader->nSlot)) {
        safe_strncpy(st, "Retired", nSize);
        return;
    }
    char szName[PLAYER_NAME_TEXT_SIZE * 2];
    Format_String(szName, sizeof szName, "%s %s",
                  Get_Player_First_Name_Ptr(pLeader->nTeam, pLeader->nSlot),
                  Get_Player_Last_Name_Ptr(pLeader->nTeam, pLeader->nSlot));
    Put_Escaped(st, nSize, szName);
}

static void Put_Leader_Stat(const GAME_LEADER* pLeader, int bFound, char* st, int nSize) {
    if (bFound)
        Format_String(st, nSize, "%d Yards", pLeader->nValue);
}

static int Write_Game_Leader_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME_LEADER leader;
    Put_Leader_Ref(&leader, Find_Record_Leader(p, &leader), st, nSize);
    return 1;
}

static int Write_Game_Leader_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME_LEADER leader;
    Put_Leader_Name(&leader, Find_Record_Leader(p, &leader), st, nSize);
    return 1;
}

static int Write_Game_Leader_Stat(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME_LEADER leader;
    Put_Leader_Stat(&leader, Find_Record_Leader(p, &leader), st, nSize);
    return 1;
}

static int Write_Schedule_Leader_Ref(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME_LEADER leader;
    Put_Leader_Ref(&leader, Find_Schedule_Leader(p, &leader), st, nSize);
    return 1;
}

static int Write_Schedule_Leader_Name(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME_LEADER leader;
    Put_Leader_Name(&leader, Find_Schedule_Leader(p, &leader), st, nSize);
    return 1;
}

static int Write_Schedule_Leader_Stat(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME_LEADER leader;
    Put_Leader_Stat(&leader, Find_Schedule_Leader(p, &leader), st, nSize);
    return 1;
}

// ---- plays --------------------------------------------------------------------------------------

static int Get_Play_Down_Code(const PLAY* pPlay) {
    return pPlay->nResult & GAME_FLAG_DOWN_MASK;
}

static int Get_Play_To_Go(const PLAY* pPlay) {
    return (pPlay->nResult >> PLAY_WORD_TO_GO_SHIFT) & 0xFF;
}

static int Get_Play_Yard_Line(const PLAY* pPlay) {
    return (pPlay->nResult >> PLAY_WORD_YARD_LINE_SHIFT) & 0xFF;
}

static int Get_Play_Ball_Side(const PLAY* pPlay) {
    return (pPlay->nResult & PLAY_WORD_HOME_BALL) ? HOME_SIDE : VISITOR_SIDE;
}

// The play's offensive play number read from the playbook that holds it.
static int Get_Play_Book_Team(GAME* pGame, const PLAY* pPlay) {
    if (pPlay->nOffensiveCall >= FIRST_DEFAULT_ONLY_PLAY)
        return DEFAULT_PLAYBOOK;
    return pGame->anTeams[Get_Play_Ball_Side(pPlay)];
}

static int Write_Quarter_Begin(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    static const char* const kPeriods[] = {"First quarter", "Second quarter", "Third quarter",
                                           "Fourth quarter"};
    GAME* pGame;
    if (!Get_Template_Play(p, &pGame))
        return 1;
    int nPlays = Min_Int(pGame->nPlayCount, PLAY_LOG_SIZE);
    int nPlay = Key(p, KEY_PLAY);
    int nStarts = 0;
    for (int n = 0; n < nPlays && nStarts < MAX_PERIOD_STARTS; n++) {
        int nClock = pGame->aPlayLog[n].nClock;
        if (nClock % QUARTER_SECONDS != 0)
            continue;
        if (n + 1 < nPlays && pGame->aPlayLog[n + 1].nClock == nClock)
            n++;
        if (n == nPlay) {
            safe_strncpy(st, nStarts < 4 ? kPeriods[nStarts] : "Overtime", nSize);
            return 1;
        }
        nStarts++;
    }
    return 1;
}

static int Write_Play_Time(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (!pPlay)
        return 1;
    int16_t nKept = pGame->nClock;
    pGame->nClock = pPlay->nClock;
    Format_Game_Clock(pGame, Get_Play_Down_Code(pPlay) == CONVERSION_ATTEMPT, st, nSize);
    pGame->nClock = nKept;
    return 1;
}

static int Write_Play_Offensive_Team(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (pPlay) {
        char szAbbreviation[TEAM_STRING_SIZE];
        Put_Team_Abbreviation(pGame->anTeams[Get_Play_Ball_Side(pPlay)], szAbbreviation,
                              sizeof szAbbreviation);
        Put_Escaped(st, nSize, szAbbreviation);
    }
    return 1;
}

static int Write_Play_Down(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (!pPlay)
        return 1;
    int nDown = Get_Play_Down_Code(pPlay);
    if (nDown <= FOURTH_DOWN) {
        if (Get_Play_To_Go(pPlay) < Get_Play_Yard_Line(pPlay))
            Format_String(st, nSize, "%d-%d", nDown + 1, Get_Play_To_Go(pPlay));
        else
            Format_String(st, nSize, "%d-G", nDown + 1);
    } else {
        safe_strncpy(st,
                     nDown == KICKOFF              ? "KICK"
                     : nDown == CONVERSION_ATTEMPT ? "CONV"
                                                   : "----",
                     nSize);
    }
    return 1;
}

static int Write_Play_Yardline(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (!pPlay)
        return 1;
    int nLine = Get_Play_Yard_Line(pPlay);
    int nSide = Get_Play_Ball_Side(pPlay);
    char szAbbreviation[TEAM_STRING_SIZE], szRow[64];
    if (nLine == 50) {
        safe_strncpy(szRow, "(--  50)", sizeof szRow);
    } else {
        Put_Team_Abbreviation(pGame->anTeams[nLine > 50 ? nSide : 1 - nSide], szAbbreviation,
                              sizeof szAbbreviation);
        Format_String(szRow, sizeof szRow, "(%-3s %2d)", szAbbreviation,
                      nLine > 50 ? 100 - nLine : nLine);
    }
    Put_Escaped(st, nSize, szRow);
    return 1;
}

static int Is_Kick_Down(int nDown) {
    return nDown == KICKOFF || nDown == FREE_KICK;
}

static void Get_Play_Offensive_Name(GAME* pGame, const PLAY* pPlay, char* szOut, int nSize) {
    Get_Offensive_Play_Name(Get_Play_Book_Team(pGame, pPlay), pPlay->nOffensiveCall, szOut, nSize);
}

static int Write_Play_Offensive_Play(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (!pPlay || Is_Kick_Down(Get_Play_Down_Code(pPlay)))
        return 1;
    char szName[PLAY_NAME_SIZE] = "";
    Get_Play_Offensive_Name(pGame, pPlay, szName, sizeof szName);
    if (szName[0] == '*' && Get_Play_Down_Code(pPlay) == CONVERSION_ATTEMPT)
        safe_strncpy(szName, "Extra Point", sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

static int Write_Play_Defensive_Play(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (!pPlay || Is_Kick_Down(Get_Play_Down_Code(pPlay)))
        return 1;
    char szName[PLAY_NAME_SIZE] = "";
    Get_Play_Offensive_Name(pGame, pPlay, szName, sizeof szName);
    if (szName[0] == '*' && Get_Play_Down_Code(pPlay) == CONVERSION_ATTEMPT)
        return 1;
    int nKind = Get_Offensive_Play_Type(Get_Play_Book_Team(pGame, pPlay), pPlay->nOffensiveCall);
    if (nKind == PLAY_KIND_NO_DEFENCE_A || nKind == PLAY_KIND_NO_DEFENCE_B)
        return 1;
    int nDefence = pGame->anTeams[1 - Get_Play_Ball_Side(pPlay)];
    szName[0] = 0;
    Get_Defensive_Play_Name(nDefence, pPlay->nDefensiveCall, szName, sizeof szName);
    Put_Escaped(st, nSize, szName);
    return 1;
}

static int Write_Play_Result(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (!pPlay)
        return 1;
    char szSentence[TEMPLATE_VALUE_SIZE] = "";
    Write_Play_Summary_Sentence(pGame, pPlay, szSentence, sizeof szSentence);
    Put_Escaped(st, nSize, szSentence);
    return 1;
}

// The running score of the game whose plays are being written; play 0 starts it again.
static int gPlayScores[2];

// Points of a play to the side with the ball (> 0) or the other side (< 0); 0 for none.
static int Get_Play_Points(const PLAY* pPlay, int* pToBallSide) {
    int nCode = Get_Play_Result(pPlay);
    if (Get_Play_Down_Code(pPlay) == CONVERSION_ATTEMPT && nCode != 27 && nCode != 29)
        nCode = 30;
    *pToBallSide = 1;
    if (pPlay->nClock <= REGULATION_SECONDS) {
        switch (nCode) {
        case 8: *pToBallSide = 0; return 2;
        case 15: return 3;
        case 27: return 7;
        case 28:
        case 30: return 6;
        case 29: return 8;
        default: return 0;
        }
    }
    switch (nCode) {
    case 6:
    case 12:
    case 19:
    case 23: return 6;
    case 7:
    case 14: *pToBallSide = 0; return 6;
    case 8: *pToBallSide = 0; return 2;
    case 15: return 3;
    default: return 0;
    }
}

static int Write_Play_TD(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (Key(p, KEY_PLAY) == 0)
        gPlayScores[0] = gPlayScores[1] = 0;
    if (!pPlay)
        return 1;
    int bToBallSide;
    int nPoints = Get_Play_Points(pPlay, &bToBallSide);
    if (nPoints == 0)
        return 1;
    int nBallSide = Get_Play_Ball_Side(pPlay);
    gPlayScores[bToBallSide ? nBallSide : 1 - nBallSide] += nPoints;
    char szVisitor[LABEL_SIZE * 6] = "", szHome[LABEL_SIZE * 6] = "";
    Put_Team_Label(pGame->anTeams[VISITOR_SIDE], szVisitor, sizeof szVisitor);
    Put_Team_Label(pGame->anTeams[HOME_SIDE], szHome, sizeof szHome);
    Format_String(st, nSize,
                  "<tr><td align=\"center\" colspan=\"7\"><font size=\"+1\"><b>&lt;&lt;&lt; %s  "
                  "%d - %d  %s &gt;&gt;&gt;</b></font></td></tr>",
                  szVisitor, gPlayScores[0], gPlayScores[1], szHome);
    return 1;
}

static int Write_Play_Injury(const TEMPLATE_CONTEXT* p, char* st, int nSize) {
    GAME* pGame;
    const PLAY* pPlay = Get_Template_Play(p, &pGame);
    if (!pPlay)
        return 1;
    for (int n = 0; n < PLAY_NARRATION_ENTRIES; n++) {
        const uint8_t* pEntry = pPlay->aabNarration[n];
        if (pEntry[0] != NARRATION_EVENT_INJURED)
            continue;
        int32_t nId;
        memcpy(&nId, pEntry + INJURY_PLAYER_OFFSET, sizeof nId);
        int nTeam, nSlot;
        if (nId <= 0 || !Get_Player_By_ID(&nTeam, &nSlot, nId))
            return 1;
        char szNickname[LABEL_SIZE] = "", szPosition[32] = "", szName[PLAYER_NAME_TEXT_SIZE] = "";
        char szText[LABEL_SIZE * 3];
        Get_Team_Nickname(nTeam, szNickname, sizeof szNickname);
        Get_Player_Position_Name(szPosition, sizeof szPosition, nTeam, nSlot);
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
        Format_String(szText, sizeof szText, "%s %s %s", szNickname, szPosition, szName);
        safe_strncpy(st, "<tr> <td align=\"left\" colspan=\"7\"><b>&lt;&lt; ", nSize);
        Put_Escaped(st, nSize, szText);
        safe_strncat(st, " was injured on the play &gt;&gt;</b></td></tr>", nSize);
        return 1;
    }
    return 1;
}

static const GAME_VAR kGameVariables[] = {
    {"PlayoffGame", Write_Playoff_Game},
    {"Game", Write_Game},
    {"GameLeaderRef", Write_Game_Leader_Ref},
    {"ScheduleLeaderRef", Write_Schedule_Leader_Ref},
    {"GameDetailRef", Write_Game_Detail_Ref},
    {"GameTeamRef", Write_Game_Team_Ref},
    {"GameLeaderName", Write_Game_Leader_Name},
    {"GameLeaderStat", Write_Game_Leader_Stat},
    {"GameTeam", Write_Game_Team},
    {"GameTeamLogo", Write_Game_Team_Logo},
    {"GamePoints", Write_Game_Points},
    {"QuarterBegin", Write_Quarter_Begin},
    {"PlayTime", Write_Play_Time},
    {"PlayOffensiveTeam", Write_Play_Offensive_Team},
    {"PlayDown", Write_Play_Down},
    {"PlayYardline", Write_Play_Yardline},
    {"PlayOffensivePlay", Write_Play_Offensive_Play},
    {"PlayDefensivePlay", Write_Play_Defensive_Play},
    {"PlayResult", Write_Play_Result},
    {"PlayTD", Write_Play_TD},
    {"PlayInjury", Write_Play_Injury},
    {"ScheduleLeaderName", Write_Schedule_Leader_Name},
    {"ScheduleLeaderStat", Write_Schedule_Leader_Stat},
};

TEMPLATE_VAR_WRITER Find_Game_Variable(const char* szName) {
    for (const GAME_VAR& var : kGameVariables) {
        if (strcmp(szName, var.szName) == 0)
            return var.pfnWrite;
    }
    return NULL;
}
