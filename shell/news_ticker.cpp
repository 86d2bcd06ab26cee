// The news ticker: six lines of league news (a welcome and the season's leaders) scrolled
// across the news bar from right to left, one pixel per repaint, with pauses between lines.
#include "database/database.h"
#include "reports/reports.h"
#include "shell/shell.h"

#include <string.h>

#define NEWS_TICKER_LEADER_ROWS LEADER_LIST_ROWS
#define NEWS_TICKER_ROW_SIZE 256
#define NEWS_TICKER_TEXT_Y 2
// The last line while no season has been played: the welcome and the three player lines.
#define NEWS_TICKER_FIRST_SEASON_LAST_LINE 3

char gTickerLines[NEWS_TICKER_LINE_COUNT][NEWS_TICKER_LINE_SIZE];
int gTickerLine = 0;
int gTickerX = NEWS_TICKER_STOPPED_X;
int gTickerPixelsLeft = 0;
int gTickerSeasonKind = 0;
int gTickerYear = 0;

static const char* gTickerText = NULL;  // the line being shown; null when stopped
static int gTickerTextLength = 0;
static HWND gTickerBar = NULL;
static HDC gTickerDC = NULL;  // the news bar's DC, held while the ticker runs
static RECT gTickerBarRect;

// ---- the lines ----------------------------------------------------------------------------------

// The rows of a leader list that hold a team or player: a row still at the value the list
// started with holds none.
static int Count_Ticker_Rows(const LEADER_LIST* pList, int bLowestFirst) {
    int nRows = 0;
    while (nRows < LEADER_LIST_ROWS &&
           (bLowestFirst ? pList->anValues[nRows] < TEAM_LEADER_FLOOR : pList->anValues[nRows] > 0))
        nRows++;
    return nRows;
}

// The ten best players of the league teams and the free agents in a leader category.
static void Build_Player_Ticker_Line(char* szLine, const char* szHeading, int nCategory) {
    LEADER_LIST leaders;
    Build_Player_Leaders(&leaders, BOTH_LEAGUES, nCategory, gTickerSeasonKind);
    int nCount = Count_Ticker_Rows(&leaders, 0);
    Format_String(szLine, NEWS_TICKER_LINE_SIZE, szHeading, gTickerYear);
    for (int i = 0; i < nCount; i++) {
        char szName[NEWS_TICKER_ROW_SIZE], szTeam[TEAM_STRING_SIZE];
        Get_Player_Abbreviated_Name(leaders.anTeams[i], leaders.anSlots[i], szName, sizeof szName);
        Get_Team_String(szTeam, sizeof szTeam, leaders.anTeams[i], 0);
        Append_Format_String(szLine, NEWS_TICKER_LINE_SIZE, "%s (%s) %d%c    ", szName, szTeam,
                             leaders.anValues[i], i + 1 < nCount ? ',' : '.');
    }
}

// A team's run and pass yards on offence (bDefence 0) or allowed on defence.
static void Get_Ticker_Team_Yards(int nTeam, int bDefence, int* pnRun, int* pnPass) {
    int nRunCategory = bDefence ? 4 : 0;
    int nPassCategory = bDefence ? 7 : 3;
    *pnRun = Get_Team_Totals_Stat(nTeam, nRunCategory, gTickerSeasonKind, 8) +
             Get_Team_Totals_Stat(nTeam, nPassCategory, gTickerSeasonKind, 8);
    *pnPass = Get_Team_Totals_Stat(nTeam, nPassCategory, gTickerSeasonKind, 5);
}

// The ten best offences by yards, or the ten defences allowing the fewest.
static void Build_Team_Ticker_Line(char* szLine, const char* szHeading, int bDefence) {
    LEADER_LIST teams;
    Build_Team_Leaders(&teams, bDefence ? TEAM_LEADERS_DEFENCE : TEAM_LEADERS_OFFENCE,
                       gTickerSeasonKind);
    int nCount = Count_Ticker_Rows(&teams, bDefence);
    Format_String(szLine, NEWS_TICKER_LINE_SIZE, szHeading, NEWS_TICKER_LEADER_ROWS, gTickerYear);
    for (int i = 0; i < nCount; i++) {
        char szTeam[TEAM_STRING_SIZE];
        int nRun, nPass;
        Get_Team_String(szTeam, sizeof szTeam, teams.anTeams[i], 0);
        Get_Ticker_Team_Yards(teams.anTeams[i], bDefence, &nRun, &nPass);
        Append_Format_String(szLine, NEWS_TICKER_LINE_SIZE,
                             "%d. %s: %d total yards, %d run yards, %d pass yards.    ", i + 1,
                             szTeam, nRun + nPass, nRun, nPass);
    }
}

void Build_News_Ticker_Text(void) {
    int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (gCurrentWeek == 0 || gCurrentWeek == OFF_SEASON_WEEK) {
        gTickerSeasonKind = 1;
        gTickerYear = nFirstYear + gSeasonNumber - 1;
    } else {
        gTickerSeasonKind = 0;
        gTickerYear = nFirstYear + gSeasonNumber;
    }
    safe_strncpy(gTickerLines[0], "Welcome to Football Vanto!", NEWS_TICKER_LINE_SIZE);
    Build_Player_Ticker_Line(gTickerLines[1], "%d Passing Yards Leaders:   ", 2);
    Build_Player_Ticker_Line(gTickerLines[2], "%d Rushing Yards Leaders:   ", 11);
    Build_Player_Ticker_Line(gTickerLines[3], "%d Receiving Yards Leaders:   ", 15);
    Build_Team_Ticker_Line(gTickerLines[4], "Top %d NFL Offenses of %d:   ", 0);
    Build_Team_Ticker_Line(gTickerLines[5], "Top %d NFL Defenses of %d :   ", 1);
}

// ---- scrolling ----------------------------------------------------------------------------------

int Get_Ticker_Text_Width(HDC hdc, const char* szText) {
    SIZE size = {0, 0};
    if (hdc && szText)
        GetTextExtentPoint32A(hdc, szText, (int)strlen(szText), &size);
    return size.cx;
}

void Take_News_Ticker_DC(HWND hNewsBar) {
    if (gTickerDC)
        ReleaseDC(gTickerBar, gTickerDC);
    gTickerBar = hNewsBar;
    gTickerDC = hNewsBar ? GetDC(hNewsBar) : NULL;
}

void Start_News_Ticker(HWND hNewsBar) {
    if (!hNewsBar)
        return;
    if (gTickerLine < 0 || gTickerLine >= NEWS_TICKER_LINE_COUNT)
        gTickerLine = 0;
    gTickerText = gTickerLines[gTickerLine];
    gTickerTextLength = (int)strlen(gTickerText);
    RECT rc;
    GetClientRect(hNewsBar, &rc);
    gTickerX = rc.right;
    gTickerPixelsLeft = rc.right + Get_Ticker_Text_Width(gTickerDC, gTickerText);
    SetTimer(hNewsBar, NEWS_TICKER_SCROLL_TIMER, 0, (void*)News_Ticker_Timer_Proc);
}

void Restart_News_Ticker_Line(void) {
    Start_News_Ticker(gNewsBar);
}

int Draw_Ticker_Text(HDC hdc) {
    if (!gTickerText || gTickerTextLength == 0)
        return 0;
    TextOutA(hdc, gTickerX, NEWS_TICKER_TEXT_Y, gTickerText, gTickerTextLength);
    if (gNewsBar)
        SetTimer(gNewsBar, NEWS_TICKER_SCROLL_TIMER, NEWS_TICKER_SCROLL_PERIOD,
                 (void*)News_Ticker_Timer_Proc);
    return 1;
}

// One pixel left; the line's last step arms the pause instead of a repaint.
static void Scroll_News_Ticker(HWND hWnd) {
    GetClientRect(hWnd, &gTickerBarRect);
    KillTimer(hWnd, NEWS_TICKER_SCROLL_TIMER);
    gTickerX--;
    if (gTickerPixelsLeft-- <= 1) {
        gTickerX = -1;
        gTickerPixelsLeft = -1;
        SetTimer(hWnd, NEWS_TICKER_LINE_PAUSE_TIMER, NEWS_TICKER_PAUSE_PERIOD,
                 (void*)News_Ticker_Timer_Proc);
    } else {
        InvalidateRect(hWnd, &gTickerBarRect, FALSE);
    }
}

// The next line, or after the last one a pause before the welcome line again.
static void Next_News_Ticker_Line(HWND hWnd) {
    KillTimer(hWnd, NEWS_TICKER_LINE_PAUSE_TIMER);
    gTickerLine++;
    int bFirstSeason = gCurrentWeek == 0 && gSeasonNumber == 0;
    if ((gTickerLine > NEWS_TICKER_FIRST_SEASON_LAST_LINE && bFirstSeason) ||
        gTickerLine >= NEWS_TICKER_LINE_COUNT) {
        gTickerLine = 0;
        SetTimer(hWnd, NEWS_TICKER_RESTART_TIMER, NEWS_TICKER_PAUSE_PERIOD,
                 (void*)News_Ticker_Timer_Proc);
    } else {
        Start_News_Ticker(hWnd);
    }
}

void News_Ticker_Timer_Proc(HWND hWnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime) {
    (void)uMsg;
    (void)dwTime;
    switch (idTimer) {
    case NEWS_TICKER_SCROLL_TIMER: Scroll_News_Ticker(hWnd); break;
    case NEWS_TICKER_LINE_PAUSE_TIMER: Next_News_Ticker_Line(hWnd); break;
    case NEWS_TICKER_RESTART_TIMER:
        KillTimer(hWnd, NEWS_TICKER_RESTART_TIMER);
        Start_News_Ticker(hWnd);
        break;
    default: break;
    }
}

void Stop_News_Ticker(void) {
    if (gNewsBar) {
        KillTimer(gNewsBar, NEWS_TICKER_SCROLL_TIMER);
        KillTimer(gNewsBar, NEWS_TICKER_LINE_PAUSE_TIMER);
        KillTimer(gNewsBar, NEWS_TICKER_RESTART_TIMER);
    }
    Take_News_Ticker_DC(NULL);
    gTickerText = NULL;
    gTickerTextLength = 0;
    gTickerPixelsLeft = 0;
    gTickerX = NEWS_TICKER_STOPPED_X;
    gTickerLine = 0;
}

void Refresh_News_Ticker(int bRestart) {
    if (bRestart) {
        Build_News_Ticker_Text();
        if (gNewsBar) {
            Take_News_Ticker_DC(gNewsBar);
            Start_News_Ticker(gNewsBar);
        }
    } else {
        Stop_News_Ticker();
        Repaint_Bars();
    }
}
