// The texts a game writes while it is played: the page head and box-score header shared by the
// box score and the recap, the HTML play-by-play, and the plain-text play-by-play.
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "engine/engine.h"

#define TEXT_LINE_SIZE 1024
#define NAME_SIZE 128
#define ESCAPED_SIZE (6 * NAME_SIZE)
#define AVERAGE_TEAM (-1)
#define LOGO_YEAR_CAP 2021
#define LOGO_PATH_SIZE 96
#define OVERTIME_PERIOD_CELL 4

static char gPlayByPlayText[PLAY_BY_PLAY_TEXT_SIZE];
static int gRecapLength;
static int gTextLength;
static int gHeadLength;
static int s_bTextsKept = 1;

void Set_Game_Texts_Kept(int bKept) {
    s_bTextsKept = bKept != 0;
}

int Are_Game_Texts_Kept(void) {
    return s_bTextsKept;
}

const char* Get_Play_By_Play_Text(void) {
    return gPlayByPlayText;
}

void Clear_Game_Texts(void) {
    gPlayByPlayText[0] = '\0';
    gRecapHtml[0] = '\0';
    gGameHtmlHead[0] = '\0';
    gRecapLength = gTextLength = gHeadLength = 0;
}

// A piece that would pass the end of its buffer is dropped: the text stops short, never overflows.
static void Append_Recap(const char* szPiece) {
    Append_Tracked_Text(gRecapHtml, RECAP_HTML_SIZE, &gRecapLength, szPiece, RECAP_HTML_SIZE - 1);
}

static void Append_Text(const char* szPiece) {
    Append_Tracked_Text(gPlayByPlayText, PLAY_BY_PLAY_TEXT_SIZE, &gTextLength, szPiece,
                        PLAY_BY_PLAY_TEXT_SIZE - 1);
}

static void Append_Head(const char* szPiece) {
    Append_Tracked_Text(gGameHtmlHead, GAME_HTML_HEAD_SIZE, &gHeadLength, szPiece,
                        GAME_HTML_HEAD_SIZE - 1);
}

static const char* Get_Period_Label(GAME* pGame) {
    static const char* const kLabels[] = {"1st Q", "2nd Q", "3rd Q", "4th Q",
                                          "OT   ", "OT #2", "OT #3", "OT #4"};
    int nPeriod = Clamp(pGame->nClock / QUARTER_SECONDS, 0, 7);
    return kLabels[nPeriod];
}

void Write_Game_Html_Head(GAME* pGame) {
    char szRound[NAME_SIZE], szVisitor[NAME_SIZE], szHome[NAME_SIZE], szLine[TEXT_LINE_SIZE];
    char szRoundHtml[ESCAPED_SIZE], szVisitorHtml[ESCAPED_SIZE], szHomeHtml[ESCAPED_SIZE];
    Clear_Game_Texts();
    if (!s_bTextsKept) {
        Publish_Box_Score_Cleared();
        return;
    }
    Get_Title_Game_Name(pGame, szRound, sizeof(szRound));
    Get_Team_Short_Name(pGame->anTeams[VISITOR_SIDE], szVisitor, sizeof(szVisitor));
    Get_Team_Short_Name(pGame->anTeams[HOME_SIDE], szHome, sizeof(szHome));
    Format_String(szLine, sizeof(szLine), "%s: %s at %s\n", szRound, szVisitor, szHome);
    Append_Text(szLine);
    Escape_Html(szRoundHtml, sizeof(szRoundHtml), szRound);
    Escape_Html(szVisitorHtml, sizeof(szVisitorHtml), szVisitor);
    Escape_Html(szHomeHtml, sizeof(szHomeHtml), szHome);
    Format_String(szLine, sizeof(szLine), "<HTML><HEAD><TITLE>%s: %s at %s</TITLE>\n", szRoundHtml,
                  szVisitorHtml, szHomeHtml);
    Append_Head(szLine);
    Append_Head(
        "<LINK href=\"../HTML_Templates/CSS/styles.css\" type=text/css rel=stylesheet>"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
        "<style type=\"text/css\">body {background-color: #606080; background-image: "
        "url(wallpaper.JPG)}</style></HEAD>"
        "<TABLE class=basic cellspacing=0 cellpadding=0 width=992 align=center "
        "bgcolor=#ffffff><TBODY><TR><TD align=\"center\">");
}

// ---- the box-score header -----------------------------------------------------------------------

// The season's downloaded logo when there is one, else the team's logo file; written as the file's
// spelling on disk with forward slashes, as a browser reads it.
static void Get_Header_Logo(int nTeam, char* st, int nSize) {
    char szAbbreviation[TEAM_STRING_SIZE] = "", szPath[LOGO_PATH_SIZE], szOnDisk[LOGO_PATH_SIZE];
    if (nTeam >= 0 && nTeam <= FREE_AGENT_TEAM)
        Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nTeam, TEAM_ABBREVIATION);
    Format_String(szPath, sizeof(szPath), "Logos/Downloads/%s-%d.png", szAbbreviation,
                  Min_Int(Get_Season_Year(), LOGO_YEAR_CAP));
    if (!Platform_Resolve_Path(szPath, szOnDisk, sizeof(szOnDisk))) {
        Get_Team_Logo_File(szPath, sizeof(szPath), nTeam);
        Platform_Resolve_Path(szPath, szOnDisk, sizeof(szOnDisk));
    }
    Escape_Html(st, nSize, szOnDisk);
}

static void Get_Header_Name(int nTeam, char* st, int nSize) {
    char szName[NAME_SIZE] = "";
    if (nTeam == AVERAGE_TEAM)
        safe_strncpy(szName, "NFL Average", sizeof(szName));
    else if (nTeam >= 0 && nTeam <= FREE_AGENT_TEAM)
        Get_Team_Short_Name(nTeam, szName, sizeof(szName));
    Escape_Html(st, nSize, szName);
}

static void Get_Header_Record(int nTeam, char* st, int nSize) {
    int nTies = Get_Team_Ties(nTeam);
    if (nTies)
        Format_String(st, nSize, "%d-%d-%d", Get_Team_Wins(nTeam), Get_Team_Losses(nTeam), nTies);
    else
        Format_String(st, nSize, "%d-%d", Get_Team_Wins(nTeam), Get_Team_Losses(nTeam));
}

// The six score cells of a side: the quarters reached, overtime ("-" without one), the final.
static void Get_Score_Cells(GAME* pGame, int bSide, char aszCells[6][16]) {
    for (int nPeriod = 0; nPeriod < 4; nPeriod++) {
        aszCells[nPeriod][0] = '\0';
        if (nPeriod == 0 || pGame->nClock > nPeriod * QUARTER_SECONDS)
            Format_String(aszCells[nPeriod], 16, "%d",
                          Get_Game_Period_Points(pGame, nPeriod, bSide));
    }
    if (pGame->nClock > REGULATION_SECONDS)
        Format_String(aszCells[4], 16, "%d",
                      Get_Game_Period_Points(pGame, OVERTIME_PERIOD_CELL, bSide));
    else
        safe_strncpy(aszCells[4], "-", 16);
    Format_String(aszCells[5], 16, "%d", pGame->anScores[bSide]);
}

static void Append_Score_Row(GAME* pGame, int bSide, const char* szName) {
    char aszCells[6][16], szRow[TEXT_LINE_SIZE];
    const char* szCell = bSide == VISITOR_SIDE ? "tm" : "tb";
    Get_Score_Cells(pGame, bSide, aszCells);
    Format_String(szRow, sizeof(szRow), "<TR class=largefooter><TD class=%sl><B>%s</B></TD>",
                  szCell, szName);
    for (int n = 0; n < 5; n++)
        Append_Format_String(szRow, sizeof(szRow), "<TD width=\"35\" class=%sc>%s</TD>", szCell,
                             aszCells[n]);
    Append_Format_String(szRow, sizeof(szRow), "<TD width=\"60\" class=%sc><B>%s</B></TD></TR>",
                         szCell, aszCells[5]);
    Append_Head(szRow);
}

void Write_Box_Score_Header(GAME* pGame) {
    if (!s_bTextsKept)
        return;
    char aszNames[2][ESCAPED_SIZE], aszRecords[2][32], aszLogos[2][3 * LOGO_PATH_SIZE];
    char szRound[NAME_SIZE], szRoundHtml[ESCAPED_SIZE], szLine[TEXT_LINE_SIZE];
    for (int bSide = 0; bSide < 2; bSide++) {
        Get_Header_Name(pGame->anTeams[bSide], aszNames[bSide], ESCAPED_SIZE);
        Get_Header_Record(pGame->anTeams[bSide], aszRecords[bSide], sizeof(aszRecords[bSide]));
        Get_Header_Logo(pGame->anTeams[bSide], aszLogos[bSide], sizeof(aszLogos[bSide]));
    }
    Get_Title_Game_Name(pGame, szRound, sizeof(szRound));
    Escape_Html(szRoundHtml, sizeof(szRoundHtml), szRound);
    Append_Head(
        "<TR><TD align=\"center\"><BR><TABLE class=shade1 cellSpacing=0 cellPadding=0 "
        "width=970 align=center><TBODY><TR>");
    Format_String(szLine, sizeof(szLine),
                  "<TD width=220 align=\"center\" valign=\"middle\"><img src=\"../%s\" "
                  "border=\"0\"></TD><TD width=516><TABLE width=\"500\" border=\"0\" "
                  "align=\"center\" cellpadding=\"0\" cellspacing=\"0\"><TR class=large><TD><BR>"
                  "<P align=\"center\"><strong>%s (%s) at %s (%s)</strong><BR><BR>"
                  "%s</P></TD></TR></TABLE>",
                  aszLogos[VISITOR_SIDE], aszNames[VISITOR_SIDE], aszRecords[VISITOR_SIDE],
                  aszNames[HOME_SIDE], aszRecords[HOME_SIDE], szRoundHtml);
    Append_Head(szLine);
    Append_Head(
        "<TABLE class=table1 cellSpacing=0 cellPadding=2 width=360 align=center>"
        "<TBODY><TR class=largeheader><TD class=ttl>&nbsp;</TD>"
        "<TD width=\"35\" class=ttc>1</TD><TD width=\"35\" class=ttc>2</TD>"
        "<TD width=\"35\" class=ttc>3</TD><TD width=\"35\" class=ttc>4</TD>"
        "<TD width=\"35\" class=ttc>OT</TD><TD width=\"60\" class=ttc><B>Final</B></TR>");
    Append_Score_Row(pGame, VISITOR_SIDE, aszNames[VISITOR_SIDE]);
    Append_Score_Row(pGame, HOME_SIDE, aszNames[HOME_SIDE]);
    Format_String(szLine, sizeof(szLine),
                  "</TBODY></TABLE><BR></TD><TD width=220 align=\"center\" valign=\"middle\">"
                  "<img src=\"../%s\" border=\"0\"></TD></TR></TBODY></TABLE><BR>",
                  aszLogos[HOME_SIDE]);
    Append_Head(szLine);
}

// ---- periods and plays --------------------------------------------------------------------------

void Write_Period_Header(GAME* pGame) {
    if (!s_bTextsKept)
        return;
    char szLine[TEXT_LINE_SIZE];
    const char* szLabel = Get_Period_Label(pGame);
    Format_String(szLine, sizeof(szLine),
                  "\n %s <=> Down Yardline Offensive Play           Defensive Play           "
                  "Result\n ----- --- ---- -------- ------------------------ "
                  "------------------------ --------------------\n",
                  szLabel);
    Append_Text(szLine);
    if (pGame->nClock >= QUARTER_SECONDS)
        Append_Recap("</TBODY></TABLE><BR>");
    if (Is_Game_Over(pGame)) {
        Append_Recap("</TBODY></TABLE></HTML>");
        Publish_Game_Over(pGame);
        Write_Box_Score_Header(pGame);
        return;
    }
    Format_String(szLine, sizeof(szLine),
                  "<TABLE class=table1 cellSpacing=0 cellPadding=0 align=\"center\" width=970>"
                  "<TBODY><TR class=header%d>\n<TD width=\"5%%\" class=ltc>%s</TD>\n"
                  "<TD width=\"5%%\" class=ltc>Team</TD>\n<TD width=\"9%%\" class=ltc>Down</TD>\n"
                  "<TD width=\"9%%\" class=ltc>Yardline</TD>\n"
                  "<TD width=\"21%%\" class=ltc>Offensive Play</TD>\n"
                  "<TD width=\"18%%\" class=ltc>Defensive Play</TD>\n"
                  "<TD width=\"33%%\" class=ltr>Result</TD></TR>\n",
                  (pGame->nClock / QUARTER_SECONDS) % 2, szLabel);
    Append_Recap(szLine);
}

// The names of the two calls as the play line shows them.
static void Get_Play_Line_Names(GAME* pGame, char* szOffence, char* szDefence, int nSize) {
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    int nOffenceFormation = pGame->anFormations[Get_Offensive_Side(pGame)];
    szOffence[0] = szDefence[0] = '\0';
    if (nDown == KICKOFF || nDown == FREE_KICK)
        return;
    if (nOffenceFormation == FORMATION_EXTRA_POINT) {
        safe_strncpy(szOffence, "Extra Point", nSize);
    } else {
        Get_Offensive_Play_Name(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall,
                                szOffence, nSize);
    }
    int nType =
        Get_Offensive_Play_Type(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall);
    if (nType != PLAY_PUNT && nType != PLAY_FIELD_GOAL)
        Get_Defensive_Play_Name(Get_Defensive_Team(pGame), pGame->currentPlay.nDefensiveCall,
                                szDefence, nSize);
}

// What the snap's two play lines show, but the down.
typedef struct PLAY_LINE_PIECES {
    char szClock[16];
    char szTeam[TEAM_STRING_SIZE];
    char szPosition[32];
    char szOffence[PLAY_NAME_SIZE];
    char szDefence[PLAY_NAME_SIZE];
} PLAY_LINE_PIECES;

static void Get_Play_Line_Pieces(GAME* pGame, PLAY_LINE_PIECES* p) {
    int nOffenceFormation = pGame->anFormations[Get_Offensive_Side(pGame)];
    Format_Game_Clock(pGame, nOffenceFormation == FORMATION_EXTRA_POINT, p->szClock,
                      sizeof(p->szClock));
    p->szTeam[0] = '\0';
    int nTeam = Get_Offensive_Team(pGame);
    if (nTeam >= 0 && nTeam <= FREE_AGENT_TEAM)
        Get_Team_String(p->szTeam, sizeof(p->szTeam), nTeam, TEAM_ABBREVIATION);
    Get_Short_Field_Position(pGame, p->szPosition, sizeof(p->szPosition));
    Get_Play_Line_Names(pGame, p->szOffence, p->szDefence, sizeof(p->szOffence));
}

// The recap's line (bHtml) or the play-by-play text's; st holds PLAY_LINE_SIZE.
static void Format_Play_Line(char* st, GAME* pGame, int bHtml, const PLAY_LINE_PIECES* p) {
    char szDown[16];
    Get_Short_Down_Text(pGame, bHtml, szDown, sizeof(szDown));
    LINE_TEXT line;
    Start_Line_Text(&line, st, PLAY_LINE_SIZE);
    if (!bHtml) {
        // "\n %5s %3s %4s %8s %-24s %-24s "
        const char* aszPieces[6] = {p->szClock,    p->szTeam,    szDown,
                                    p->szPosition, p->szOffence, p->szDefence};
        static const int kWidths[6] = {5, 3, 4, 8, -24, -24};
        Put_Text(&line, "\n");
        for (int n = 0; n < 6; n++) {
            Put_Text(&line, " ");
            Put_Padded(&line, aszPieces[n], kWidths[n]);
        }
        Put_Text(&line, " ");
        return;
    }
    char szTeamHtml[64], szPositionHtml[96], szOffenceHtml[6 * PLAY_NAME_SIZE];
    char szDefenceHtml[6 * PLAY_NAME_SIZE];
    Escape_Html(szTeamHtml, sizeof(szTeamHtml), p->szTeam);
    Escape_Html(szPositionHtml, sizeof(szPositionHtml), p->szPosition);
    Escape_Html(szOffenceHtml, sizeof(szOffenceHtml), p->szOffence);
    Escape_Html(szDefenceHtml, sizeof(szDefenceHtml), p->szDefence);
    const char* aszPieces[] = {"<TR class=",
                               Get_Offensive_Side(pGame) == HOME_SIDE ? "highlight" : "none",
                               "><TD width=\"5%\" class=lml>",
                               p->szClock,
                               "</TD>\n<TD width=\"5%\" class=lmc>",
                               szTeamHtml,
                               "</TD><TD width=\"9%\" class=lmc>",
                               szDown,
                               "</TD><TD width=\"9%\" class=lmc>",
                               szPositionHtml,
                               "</TD><TD width=\"17%\" class=lmc>",
                               szOffenceHtml,
                               "</TD><TD width=\"17%\" class=lmc>",
                               szDefenceHtml,
                               "</TD>"};
    for (const char* szPiece : aszPieces)
        Put_Text(&line, szPiece);
}

// The snap's line in the recap and in the play-by-play text, its pieces read once.
void Append_Play_Lines(GAME* pGame) {
    if (!s_bTextsKept)
        return;
    PLAY_LINE_PIECES pieces;
    Get_Play_Line_Pieces(pGame, &pieces);
    char szLine[PLAY_LINE_SIZE];
    Format_Play_Line(szLine, pGame, 1, &pieces);
    Append_Recap(szLine);
    Format_Play_Line(szLine, pGame, 0, &pieces);
    Append_Text(szLine);
}

static int Is_Score_Line_Result(int nResult) {
    return nResult == RESULT_SAFETY || nResult == RESULT_FIELD_GOAL_GOOD ||
           (nResult >= RESULT_EXTRA_POINT_GOOD && nResult <= RESULT_TWO_POINT_FAILED);
}

static void Get_Score_Line_Name(int nTeam, char* st, int nSize) {
    Get_Team_Nickname(nTeam, st, nSize);
    st[0] = (char)toupper((unsigned char)st[0]);
}

void Append_Play_Result(GAME* pGame) {
    if (!s_bTextsKept)
        return;
    char szSentence[TEXT_LINE_SIZE], szHtml[3 * TEXT_LINE_SIZE], szLine[4 * TEXT_LINE_SIZE];
    Write_Play_Summary_Sentence(pGame, &pGame->currentPlay, szSentence, sizeof(szSentence));
    LINE_TEXT line;
    Start_Line_Text(&line, szLine, sizeof(szLine));
    Put_Text(&line, szSentence);
    Put_Text(&line, "\r");
    Append_Text(szLine);
    Escape_Html(szHtml, sizeof(szHtml), szSentence);
    Start_Line_Text(&line, szLine, sizeof(szLine));
    Put_Text(&line, "<TD width=\"38%\" class=lmc>");
    Put_Text(&line, szHtml);
    Put_Text(&line, "</TD></TR>\r");
    Append_Recap(szLine);
    Publish_Play_Resolved(pGame);
    int nResult = Get_Play_Result(&pGame->currentPlay);
    if (!Is_Score_Line_Result(nResult))
        return;
    char szVisitor[NAME_SIZE], szHome[NAME_SIZE];
    char szVisitorHtml[ESCAPED_SIZE], szHomeHtml[ESCAPED_SIZE];
    Get_Score_Line_Name(pGame->anTeams[VISITOR_SIDE], szVisitor, sizeof(szVisitor));
    Get_Score_Line_Name(pGame->anTeams[HOME_SIDE], szHome, sizeof(szHome));
    Format_String(szLine, sizeof(szLine), "\n <><><><><><> %s %d / %s %d <><><><><><>\n", szVisitor,
                  pGame->anScores[VISITOR_SIDE], szHome, pGame->anScores[HOME_SIDE]);
    Append_Text(szLine);
    Escape_Html(szVisitorHtml, sizeof(szVisitorHtml), szVisitor);
    Escape_Html(szHomeHtml, sizeof(szHomeHtml), szHome);
    Format_String(szLine, sizeof(szLine),
                  "<TR class=subhead0><TD colspan=7 align=center class=lmc><b>%s %d / %s %d</b>"
                  "</TD></TR>\n",
                  szVisitorHtml, pGame->anScores[VISITOR_SIDE], szHomeHtml,
                  pGame->anScores[HOME_SIDE]);
    Append_Recap(szLine);
}

void Append_Injury_Line(int nTeam, int nSlot) {
    if (!s_bTextsKept)
        return;
    char szTeam[NAME_SIZE], szPosition[POSITION_NAME_SIZE] = "", szName[NAME_SIZE];
    char szLine[TEXT_LINE_SIZE], szTeamHtml[ESCAPED_SIZE], szNameHtml[ESCAPED_SIZE];
    Get_Team_Short_Name(nTeam, szTeam, sizeof(szTeam));
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition == POS_ANY)
        safe_strncpy(szPosition, "Any Position", sizeof(szPosition));
    else if (nPosition >= 0 && nPosition < POSITION_COUNT)
        Get_Position_Name(nPosition, szPosition, sizeof(szPosition));
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof(szName));
    Format_String(szLine, sizeof(szLine), "<< %s %s %s was injured on the play >>\n", szTeam,
                  szPosition, szName);
    Append_Text(szLine);
    Escape_Html(szTeamHtml, sizeof(szTeamHtml), szTeam);
    Escape_Html(szNameHtml, sizeof(szNameHtml), szName);
    Format_String(szLine, sizeof(szLine),
                  "<TR class=subhead1><TD colspan=7 class=lmc>%s %s %s was injured on the play"
                  "</TD></TR>\n",
                  szTeamHtml, szPosition, szNameHtml);
    Append_Recap(szLine);
}

void Queue_Period_End_Event(GAME* pGame) {
    Narrate_Play_Event(pGame, NARRATION_END_OF_QUARTER, 0, 0, 0, -1, -1);
}
