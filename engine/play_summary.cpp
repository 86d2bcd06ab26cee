// The one-sentence summary of a logged play, as the play-by-play texts and the box score show it.
#include <ctype.h>

#include "engine/engine.h"

#define SUMMARY_NAME_SIZE 96
#define LARGEST_YARDS 100
#define AVERAGE_TEAM (-1)

// A play's player by id; a missing one is told by the city of a team of the play.
static void Get_Summary_Name(int nId, int nFallbackTeam, char* st, int nSize) {
    int nTeam = 0, nSlot = 0;
    if (nId > 0 && Get_Player_By_ID(&nTeam, &nSlot, nId)) {
        Get_Player_Full_Name(nTeam, nSlot, st, nSize);
        return;
    }
    if (nFallbackTeam == AVERAGE_TEAM)
        safe_strncpy(st, "NFL Average", nSize);
    else
        Get_Team_City(nFallbackTeam, st, nSize);
}

static void Format_Run(char* st, int nSize, const char* szRunner, const char* szWay, int nYards) {
    if (nYards > 1)
        Format_String(st, nSize, "%s rushes %s for %d yards", szRunner, szWay, nYards);
    else if (nYards == 1)
        Format_String(st, nSize, "%s rushes %s for 1 yard", szRunner, szWay);
    else if (nYards == 0)
        Format_String(st, nSize, "%s rushes %s for no gain", szRunner, szWay);
    else
        Format_String(st, nSize, "%s rushes %s for a %d-yard loss", szRunner, szWay, -nYards);
}

void Write_Play_Summary_Sentence(GAME* pGame, const PLAY* pPlay, char* st, int nSize) {
    int nResult = Get_Play_Result(pPlay);
    int bHome = (pPlay->nResult & PLAY_WORD_HOME_BALL) != 0;
    int nBallTeam = pGame->anTeams[bHome ? HOME_SIDE : VISITOR_SIDE];
    int nOtherTeam = pGame->anTeams[bHome ? VISITOR_SIDE : HOME_SIDE];
    int nFallback = nResult == RESULT_SAFETY ? nOtherTeam : nBallTeam;
    int y = pPlay->nYard1;
    int y2 = pPlay->nYard2;
    char p1[SUMMARY_NAME_SIZE], p2[SUMMARY_NAME_SIZE];
    Get_Summary_Name(pPlay->nPlayer1, nFallback, p1, sizeof(p1));
    Get_Summary_Name(pPlay->nPlayer2, nFallback, p2, sizeof(p2));
    if ((y < -LARGEST_YARDS || y > LARGEST_YARDS) && nResult != RESULT_FIELD_GOAL_MISSED)
        Report_Error("Write_Play_Summary_Sentence: pPlay->nYard1 = %d", y);
    st[0] = '\0';
    switch (nResult) {
    case RESULT_INCOMPLETE: Format_String(st, nSize, "%s incomplete to %s", p2, p1); break;
    case RESULT_COMPLETE:
        if (y > 0)
            Format_String(st, nSize, "%s %d-yard pass to %s", p2, y, p1);
        else if (y < 0)
            Format_String(st, nSize, "%s pass to %s for (%d-yard loss)", p2, p1, -y);
        else
            Format_String(st, nSize, "%s pass to %s for no gain", p2, p1);
        break;
    case RESULT_INTERCEPTED:
        Format_String(st, nSize, "Pass to %s intercepted by %s", p2, p1);
        break;
    case RESULT_SACK:
        Format_String(st, nSize, "%s sacked by %s for %d-yard loss", p1, p2, -y);
        break;
    case RESULT_KNOCKED_DOWN:
        Format_String(st, nSize, "Pass to %s knocked down by %s", p2, p1);
        break;
    case RESULT_FUMBLE_LOST:
    case RESULT_FUMBLE_RECOVERED:
        Format_String(st, nSize, "%s fumble recovered by %s", p2, p1);
        break;
    case RESULT_TOUCHDOWN_PASS:
        Format_String(st, nSize, "%s %d-yard TD pass to %s", p2, y, p1);
        break;
    case RESULT_INTERCEPTION_TOUCHDOWN:
        Format_String(st, nSize, "%s returns interception for a TD!", p1);
        break;
    case RESULT_SAFETY: Format_String(st, nSize, "%s tackled by %s for a safety", p1, p2); break;
    case RESULT_RUN: Format_Run(st, nSize, p1, "left", y); break;
    case RESULT_PLAIN_RUN: Format_Run(st, nSize, p1, "up the middle", y); break;
    case RESULT_OTHER_RUN: Format_Run(st, nSize, p1, "right", y); break;
    case RESULT_TOUCHDOWN_RUN: Format_String(st, nSize, "%s %d-yard TD run!", p1, y); break;
    case RESULT_FUMBLE_TOUCHDOWN:
        Format_String(st, nSize, "%s fumble recovered by %s for TD", p2, p1);
        break;
    case RESULT_FIELD_GOAL_GOOD: Format_String(st, nSize, "%s kicks %d-yard FG", p1, y); break;
    case RESULT_FIELD_GOAL_MISSED: Format_String(st, nSize, "%s misses %d-yard FG", p1, y); break;
    case RESULT_PUNT_RETURNED:
        if (y2 != 0)
            Format_String(st, nSize, "%d-yard punt returned %d yards by %s", y, y2, p1);
        else
            Format_String(st, nSize, "%d-yard punt - Fair catch by %s", y, p1);
        break;
    case RESULT_PUNT_TOUCHBACK:
        safe_strncpy(st, "Punt went into endzone for a touchback", nSize);
        break;
    case RESULT_PUNT_RETURN_TOUCHDOWN:
        Format_String(st, nSize, "Punt returned by %s for a TD!", p1);
        break;
    case RESULT_PUNT_FUMBLED:
        Format_String(st, nSize, "%s fumbles punt - %s recovers", p1, p2);
        break;
    case RESULT_KICKOFF_RETURNED:
        if (y2 < 50)
            Format_String(st, nSize, "%s returns kickoff to opponent's %d!", p1, y2);
        else
            Format_String(st, nSize, "%s returns kickoff %d yards to his %d", p1, y, 100 - y2);
        break;
    case RESULT_KICKOFF_TOUCHBACK:
        safe_strncpy(st, "Kickoff downed in endzone for a touchback", nSize);
        break;
    case RESULT_KICKOFF_RETURN_TOUCHDOWN:
        Format_String(st, nSize, "%s returned kickoff for a TD!", p1);
        break;
    case RESULT_KICKOFF_FUMBLED:
        Format_String(st, nSize, "Kickoff return fumbled by %s -- %s recovers", p1, p2);
        break;
    case RESULT_ONSIDE_KICKING_TEAM:
    case RESULT_ONSIDE_RECEIVING_TEAM: {
        char szTeam[SUMMARY_NAME_SIZE];
        Get_Team_Short_Name(nBallTeam, szTeam, sizeof(szTeam));
        Format_String(st, nSize,
                      nResult == RESULT_ONSIDE_KICKING_TEAM ? "Onside kick recovered by %s!"
                                                            : "Onside kick recovered by %s",
                      szTeam);
        break;
    }
    case RESULT_EXTRA_POINT_GOOD: Format_String(st, nSize, "%s kicked the extra point", p1); break;
    case RESULT_EXTRA_POINT_MISSED:
        Format_String(st, nSize, "%s missed the extra point", p1);
        break;
    case RESULT_TWO_POINT_GOOD:
        Format_String(st, nSize, "2-pt conversion successful (%s)", p1);
        break;
    case RESULT_TWO_POINT_FAILED:
        Format_String(st, nSize, "2-pt conversion failed (%s)", p1);
        break;
    case RESULT_PENALTY: {
        char szPenalty[SUMMARY_NAME_SIZE];
        Get_Penalty_Name(y2, szPenalty, sizeof(szPenalty));
        szPenalty[0] = (char)toupper((unsigned char)szPenalty[0]);
        Format_String(st, nSize, "%s (%s): %d yards", szPenalty, p1, y);
        break;
    }
    default: Report_Error("UNHANDLED nResult (%d) in PLAY", nResult); break;
    }
}
