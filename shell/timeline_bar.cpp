// The season timeline on the button bar: the user's team record, the current week with its
// opponent and five boxes for the coming weeks or the off-season's steps; a click plays up to
// the week clicked after a question. Everything here is laid out, drawn and hit-tested in the
// bar's own pixels, so a click lands on the box drawn under it at every window size. The user's
// team logo above the bar is drawn here too.
#include "database/database.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "season/season.h"
#include "shell/shell.h"

#include <agg_color_rgba.h>

#define TIMELINE_BOXES 5
#define TIMELINE_TOP 8
#define TIMELINE_BOX_WIDTH 134
#define TIMELINE_BOX_HEIGHT 26
#define TIMELINE_BOX_SLANT 13  // the box leans right: its top edge starts this far in
#define TIMELINE_BOX_TEXT_BOTTOM 33
#define TIMELINE_BOX_STROKE 3
#define TIMELINE_STROKE_MARGIN 2  // room around the outline for its stroke
#define TIMELINE_FONT 19
#define TIMELINE_TEXT_SIZE 256
#define TIMELINE_LOGO_MARGIN 8

#define TIMELINE_POSTSEASON_WEEKS 4
#define TIMELINE_LAST_SCHEDULE_WEEK 21
#define TIMELINE_TITLE_GAME_LAST_YEAR 1969
#define TIMELINE_COMPUTER_DRAFT_POOL 100  // a larger pool has not been drafted yet
#define TIMELINE_SEASON_WEEKS 22          // through the playoffs

#define TIMELINE_TEXT_COLOUR RGB(255, 255, 0)
#define TIMELINE_DISABLED_COLOUR RGB(180, 180, 180)
#define TIMELINE_DONE_STEP_COLOUR RGB(160, 160, 0)
#define TIMELINE_RECORD_COLOUR RGB(255, 255, 255)

enum OFF_SEASON_STEP {
    STEP_RENEW_CONTRACTS = 0,
    STEP_FREE_AGENTS,
    STEP_COLLEGE_DRAFT,
    STEP_BEGIN_SEASON,
    OFF_SEASON_STEP_COUNT
};

static const char* const kOffSeasonStepLabels[OFF_SEASON_STEP_COUNT] = {
    "Renew Contracts", "Free Agents", "College Draft", "Begin Season"};

// The record at the bar's left end and the current week's text: what is drawn is what is hit.
static const RECT kRecordSpot = {0, 8, 77, 33};
static const RECT kWeekText = {125, 8, 370, 31};
static const RECT kWeekSpot = {125, 8, 370, 33};

int gTimelineEnabled = 1;
static int anBoxLeft[TIMELINE_BOXES];
static RECT rcTeamLogo = {0, 0, 0, 0};
static int anSteps[OFF_SEASON_STEP_COUNT];  // the working copy of the saved step flags

// ---- the season's phases ---------------------------------------------------------------------

// c: the first postseason week; c..c+3 the postseason, later weeks the off-season.
static int Get_Timeline_Postseason_Start(void) {
    return Get_First_Playoff_Week();
}

static int Is_Off_Season_Week(int nWeek) {
    return nWeek >= Get_Timeline_Postseason_Start() + TIMELINE_POSTSEASON_WEEKS;
}

int Is_Timeline_Disabled(void) {
    return gLiveGame != NULL || Is_Play_Run_Under_Way() || !gTimelineEnabled;
}

static int Has_Renewable_Contracts(int nWeek) {
    return Any_Team_Has_Expiring_Contracts() && nWeek != OFF_SEASON_WEEK;
}

// The saved flags; Renew Contracts counts as done when there is nothing to renew.
static void Load_Off_Season_Steps(void) {
    for (int k = 0; k < OFF_SEASON_STEP_COUNT; k++)
        anSteps[k] = Get_User_Preference(PREF_OFF_SEASON_STEPS + k);
    if (Is_Off_Season_Week(gCurrentWeek) && !Has_Renewable_Contracts(gCurrentWeek))
        anSteps[STEP_RENEW_CONTRACTS] = 1;
}

static void Save_Off_Season_Steps(void) {
    for (int k = 0; k < OFF_SEASON_STEP_COUNT; k++)
        Set_User_Preference(PREF_OFF_SEASON_STEPS + k, anSteps[k]);
}

void Get_Timeline_Phase_Name(char* szOut, int nSize, int nWeek) {
    static const char* const kPhases[] = {"Wildcard", "Divisional", "Conference", "Super Bowl",
                                          "Off-Season"};
    int nIndex = nWeek - Get_Timeline_Postseason_Start();
    const char* szPhase = "";
    if (nIndex >= 0 && nIndex < (int)(sizeof kPhases / sizeof kPhases[0]))
        szPhase = kPhases[nIndex];
    if (nIndex == 2 && Get_Season_Year() <= TIMELINE_TITLE_GAME_LAST_YEAR)
        szPhase = "Title Game";
    safe_strncpy(szOut, szPhase, nSize);
}

void Get_Playoff_Simulation_Message(char* szOut, int nSize) {
    static const char* const kQuestions[TIMELINE_POSTSEASON_WEEKS] = {
        "Simulate every game in the Wild Card round of the playoffs?",
        "Simulate every Division Playoff Game?", "Simulate the Conference Title Games?",
        "Simulate the Super Bowl?"};
    int nRound = gCurrentWeek - Get_Timeline_Postseason_Start();
    szOut[0] = 0;
    if (nRound < 0 || nRound >= TIMELINE_POSTSEASON_WEEKS) {
        Report_Error("Invalid nCurrentWeek in Get_Playoff_Simulation_Message()");
        return;
    }
    safe_strncpy(szOut, kQuestions[nRound], nSize);
}

// ---- the texts -------------------------------------------------------------------------------

static const char* Get_Away_Mark(int nTeam, int nWeek) {
    return Get_Team_Home_Away(nTeam, nWeek) == 2 ? "@" : "";
}

void Format_Timeline_Week_Text(char* szOut, int nSize) {
    int nUser = Get_User_Team();
    int nWeek = gCurrentWeek;
    int c = Get_Timeline_Postseason_Start();
    if (nWeek < c) {
        int nOpponent = Get_Team_Opponent(nUser, nWeek);
        if (nOpponent == NO_TEAM) {
            safe_strncpy(szOut, "No Game This Week", nSize);
            return;
        }
        char szCity[TIMELINE_TEXT_SIZE], szRecord[TIMELINE_TEXT_SIZE];
        Get_Team_String(szCity, sizeof szCity, nOpponent, TEAM_CITY);
        Format_Team_Record(szRecord, sizeof szRecord, nOpponent);
        Format_String(szOut, nSize, "Week %d %s%s (%s)", nWeek + 1, Get_Away_Mark(nUser, nWeek),
                      szCity, szRecord);
        return;
    }
    if (nWeek >= c + TIMELINE_POSTSEASON_WEEKS) {
        safe_strncpy(szOut, "Off-Season", nSize);
        return;
    }
    Get_Timeline_Phase_Name(szOut, nSize, nWeek);
    int nSlot = Find_Playoff_Slot(nUser);
    if (nSlot < 0 || Get_Team_Playoff_Losses(nUser) != 0)
        return;
    int nPaired = nSlot % 2 ? nSlot - 1 : nSlot + 1;
    if (nPaired >= PLAYOFF_SLOT_COUNT)
        return;
    int nOpponent = Get_Playoff_Team(nPaired);
    if (nOpponent == NO_TEAM) {
        safe_strncpy(szOut, "1st Round Bye", nSize);
        return;
    }
    char szCity[TIMELINE_TEXT_SIZE], szPhase[TIMELINE_TEXT_SIZE];
    Get_Team_String(szCity, sizeof szCity, nOpponent, TEAM_CITY);
    safe_strncpy(szPhase, szOut, sizeof szPhase);
    const char* szAway = Get_Away_Mark(nUser, nWeek);
    if (Get_Team_Standings_Key(nUser) > Get_Team_Standings_Key(nOpponent))
        Format_String(szOut, nSize, "%s vs. %s", szPhase, szCity);
    else
        Format_String(szOut, nSize, "%s %s%s%s", szPhase, szAway, szAway[0] ? " " : "", szCity);
}

void Format_Timeline_Box_Label(int k, char* szOut, int nSize, int* pbDone) {
    int w = gCurrentWeek;
    int o = w + k + 1;
    int c = Get_Timeline_Postseason_Start();
    *pbDone = 0;
    szOut[0] = 0;
    if (o < c) {
        int nUser = Get_User_Team();
        int nOpponent = o <= TIMELINE_LAST_SCHEDULE_WEEK ? Get_Team_Opponent(nUser, o) : NO_TEAM;
        if (nOpponent == NO_TEAM) {
            safe_strncpy(szOut, "Bye week", nSize);
            return;
        }
        char szAbbreviation[TIMELINE_TEXT_SIZE];
        Get_Team_String(szAbbreviation, sizeof szAbbreviation, nOpponent, TEAM_ABBREVIATION);
        Format_String(szOut, nSize, "Week %d %s%s", o + 1, Get_Away_Mark(nUser, o), szAbbreviation);
    } else if (w < c) {
        static const char* const kAhead[] = {"Playoffs", "Super Bowl", "Off-Season"};
        if (o - c < (int)(sizeof kAhead / sizeof kAhead[0]))
            safe_strncpy(szOut, kAhead[o - c], nSize);
    } else if (w >= c + TIMELINE_POSTSEASON_WEEKS) {
        if (k < OFF_SEASON_STEP_COUNT) {
            Load_Off_Season_Steps();
            safe_strncpy(szOut, kOffSeasonStepLabels[k], nSize);
            *pbDone = anSteps[k];
        }
    } else if (o < c + TIMELINE_POSTSEASON_WEEKS + 1) {
        Get_Timeline_Phase_Name(szOut, nSize, o);
    }
}

// ---- layout and painting ---------------------------------------------------------------------

void Layout_Timeline_Bar(HDC hdc, HWND hBar) {
    char szLeft[TIMELINE_TEXT_SIZE], szRight[TIMELINE_TEXT_SIZE];
    Copy_Skin_File_Name(szLeft, sizeof szLeft, "news\\bottombarleft.png");
    Copy_Skin_File_Name(szRight, sizeof szRight, "news\\bottombarright.png");
    if (!File_Exists(szLeft)) {
        Report_Error("Missing File: %s (required by Timeline.cpp for text placement)", szLeft);
        return;
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(hBar, &client);
    int nLeftWidth = 0, nLeftHeight = 0;
    Draw_Named_Image(hdc, szLeft, 0, 0, -1, -1);
    Get_Cached_Image_Size(szLeft, &nLeftWidth, &nLeftHeight);
    Draw_Named_Image(hdc, szRight, nLeftWidth, 0, client.right, -1);
    int nStep = (client.right - nLeftWidth) / TIMELINE_BOXES;
    for (int k = 0; k < TIMELINE_BOXES; k++)
        anBoxLeft[k] = nLeftWidth + (nStep - TIMELINE_BOX_WIDTH) / 2 + k * nStep;
}

int Get_Timeline_Box_Left(int k) {
    return k >= 0 && k < TIMELINE_BOXES ? anBoxLeft[k] : 0;
}

void Draw_Team_Record_On_Bar(HDC hdc) {
    HFONT hFont = Take_App_Font(TIMELINE_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, TIMELINE_RECORD_COLOUR);
    char szRecord[TIMELINE_TEXT_SIZE], szText[TIMELINE_TEXT_SIZE];
    Format_Team_Record(szRecord, sizeof szRecord, Get_User_Team());
    Format_String(szText, sizeof szText, "(%s)", szRecord);
    int y = Is_Skin_Ice_Or_Fire() ? 5 : 8;
    RECT rect = {5, y, 75, y + 23};
    DrawTextA(hdc, szText, -1, &rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

static void Draw_Box_Outline(HDC hdc, int x, COLORREF colour) {
    PATH_CANVAS canvas;
    canvas.reset_canvas();
    canvas.set_path_flags(PATH_STROKE);
    canvas.set_stroke_colour(
        agg::rgba8(GetRValue(colour), GetGValue(colour), GetBValue(colour), 255));
    canvas.set_stroke_width(TIMELINE_BOX_STROKE);
    canvas.move_to(TIMELINE_BOX_SLANT, 0);
    canvas.line_to(TIMELINE_BOX_WIDTH, 0);
    canvas.line_to(TIMELINE_BOX_WIDTH - TIMELINE_BOX_SLANT, TIMELINE_BOX_HEIGHT);
    canvas.line_to(0, TIMELINE_BOX_HEIGHT);
    canvas.vertices.close_polygon();
    canvas.end_path();
    // Bounds one pixel wider than the surface keep the canvas at one pixel a unit.
    const int m = TIMELINE_STROKE_MARGIN;
    canvas.set_bounds(-m, -m, TIMELINE_BOX_WIDTH + m + 1, TIMELINE_BOX_HEIGHT + m + 1);
    canvas.render_paths(x - m, TIMELINE_TOP - m, TIMELINE_BOX_WIDTH + 2 * m + 1,
                        TIMELINE_BOX_HEIGHT + 2 * m + 1, 0.0, hdc);
    canvas.release_paths();
}

void Draw_Timeline_Bar(HDC hdc) {
    COLORREF colour = Is_Timeline_Disabled() ? TIMELINE_DISABLED_COLOUR : TIMELINE_TEXT_COLOUR;
    HFONT hFont = Take_App_Font(TIMELINE_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, colour);
    char szText[TIMELINE_TEXT_SIZE];
    Format_Timeline_Week_Text(szText, sizeof szText);
    RECT rect = kWeekText;
    DrawTextA(hdc, szText, -1, &rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    for (int k = 0; k < TIMELINE_BOXES; k++) {
        Draw_Box_Outline(hdc, anBoxLeft[k], colour);
        int bDone;
        Format_Timeline_Box_Label(k, szText, sizeof szText, &bDone);
        SetTextColor(hdc, bDone ? TIMELINE_DONE_STEP_COLOUR : colour);
        RECT rcText = {anBoxLeft[k] + TIMELINE_BOX_SLANT, TIMELINE_TOP,
                       anBoxLeft[k] + TIMELINE_BOX_WIDTH - TIMELINE_BOX_SLANT,
                       TIMELINE_BOX_TEXT_BOTTOM};
        DrawTextA(hdc, szText, -1, &rcText, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

// ---- hit tests -------------------------------------------------------------------------------

int Find_Timeline_Box(int x, int y) {
    int dy = y - TIMELINE_TOP;
    if (dy < 0)
        return -1;
    // The slanted outline: each row's span moves left by the slant over the box's height;
    // below the outline the bottom row's span continues to the bar's edge.
    int nShift = Min_Int(dy, TIMELINE_BOX_HEIGHT) * TIMELINE_BOX_SLANT / TIMELINE_BOX_HEIGHT;
    for (int k = 0; k < TIMELINE_BOXES; k++) {
        int nLeft = anBoxLeft[k] + TIMELINE_BOX_SLANT - nShift;
        if (x >= nLeft && x < nLeft + TIMELINE_BOX_WIDTH - TIMELINE_BOX_SLANT)
            return k;
    }
    return -1;
}

static int Is_Timeline_Box_Active(int k) {
    int w = gCurrentWeek;
    int b = w + k + 1;
    int c = Get_Timeline_Postseason_Start();
    if (w < c)
        return b <= c + 2;
    if (!Is_Off_Season_Week(w))
        return b < c + TIMELINE_POSTSEASON_WEEKS + 1;
    if (k == STEP_RENEW_CONTRACTS)
        return Has_Renewable_Contracts(w);
    return k < OFF_SEASON_STEP_COUNT;
}

int Is_Timeline_Hot_Spot(int x, int y) {
    if (Is_Timeline_Disabled())
        return 0;
    if (Is_Point_In(&kRecordSpot, x, y))
        return 1;
    if (!Is_Off_Season_Week(gCurrentWeek) && Is_Point_In(&kWeekSpot, x, y))
        return 1;
    int k = Find_Timeline_Box(x, y);
    return k >= 0 && Is_Timeline_Box_Active(k);
}

// ---- acting on a click -----------------------------------------------------------------------

int Confirm_Timeline_Simulation(int nWeeks) {
    if (Is_Advance_In_Progress())
        return IDNO;
    char szQuestion[TIMELINE_TEXT_SIZE];
    if (nWeeks >= 2) {
        Format_String(szQuestion, sizeof szQuestion, "Simulate the next %d weeks?", nWeeks);
    } else if (gCurrentWeek < Get_Timeline_Postseason_Start()) {
        Format_String(szQuestion, sizeof szQuestion, "Simulate every game in week %d?",
                      gCurrentWeek + 1);
    } else {
        int nUser = Get_User_Team();
        if (Get_Team_Playoff_Losses(nUser) != 0 || Find_Playoff_Slot(nUser) < 0)
            return IDYES;
        Get_Playoff_Simulation_Message(szQuestion, sizeof szQuestion);
    }
    return Do_Message_Box(szQuestion, "Confirm", MB_YESNO);
}

// Weeks played without the pre-game dialog of the user's games.
static void Advance_Without_Pregame(int nWeeks) {
    if (nWeeks <= 0)
        return;
    gSkipPregameDialog = 1;
    Advance_Weeks(nWeeks);
    gSkipPregameDialog = 0;
}

// The off-season closed and the next season set up with the computer drafting for every team;
// whichever way the run ends, the user's teams are theirs again when it returns here.
static void Begin_Season_By_Computer(void) {
    gAllTeamsComputer = 1;
    Advance_Weeks(TIMELINE_SEASON_WEEKS);
    gAllTeamsComputer = 0;
}

static void Begin_Season_From_Timeline(void) {
    if (Count_Draft_Pool_Players() <= TIMELINE_COMPUTER_DRAFT_POOL) {
        Advance_Weeks(TIMELINE_SEASON_WEEKS);
        return;
    }
    if (Is_Advance_In_Progress() ||
        Do_Message_Box("Are you sure you want the computer to draft for you?", "College Draft",
                       MB_YESNO) != IDYES)
        return;
    Begin_Season_By_Computer();
}

static void Take_Off_Season_Step(int nWeek, int k) {
    anSteps[k] = 1;
    if (anSteps[STEP_RENEW_CONTRACTS] && anSteps[STEP_FREE_AGENTS])
        anSteps[STEP_COLLEGE_DRAFT] = anSteps[STEP_BEGIN_SEASON] = 0;
    Save_Off_Season_Steps();
    switch (k) {
    case STEP_RENEW_CONTRACTS:
        if (Has_Renewable_Contracts(nWeek))
            Advance_Weeks(TIMELINE_SEASON_WEEKS);
        break;
    case STEP_FREE_AGENTS: Open_Dialog(gMainWindow, IDD_FREE_AGENTS); break;
    case STEP_COLLEGE_DRAFT:
        if (!Any_Team_Has_Expiring_Contracts() ||
            Do_Message_Box("Proceed to contract renewal?", "Confirm", MB_YESNO) == IDYES)
            Advance_Weeks(1);
        break;
    case STEP_BEGIN_SEASON: Begin_Season_From_Timeline(); break;
    default: break;
    }
    Build_Play_Menu();
    if (gButtonBar) {
        InvalidateRect(gButtonBar, NULL, FALSE);
        UpdateWindow(gButtonBar);
    }
}

void Play_To_Timeline_Week(int a, int b) {
    Load_Off_Season_Steps();
    int c = Get_Timeline_Postseason_Start();
    if (b == a) {
        if (!Is_Advance_In_Progress() &&
            Do_Message_Box("Play one week?", "Confirm", MB_YESNO) == IDYES)
            Advance_Weeks(1);
        return;
    }
    if (b < a)
        return;
    if (b < c) {
        if (Confirm_Timeline_Simulation(b - a) == IDYES)
            Advance_Without_Pregame(b - a);
    } else if (a < c && b <= c + 2) {
        int nWeeks = c - a + (b == c + 1 ? 3 : b == c + 2 ? 4 : 0);
        if (Confirm_Timeline_Simulation(nWeeks) == IDYES) {
            Advance_Without_Pregame(c - a);
            Advance_Without_Pregame(nWeeks + a - c);
        }
    } else if (a >= c && a < c + TIMELINE_POSTSEASON_WEEKS &&
               b < c + TIMELINE_POSTSEASON_WEEKS + 1) {
        if (Confirm_Timeline_Simulation(b - a) == IDYES)
            Advance_Without_Pregame(b - a);
    } else if (Is_Off_Season_Week(a) && b - a - 1 < OFF_SEASON_STEP_COUNT) {
        Take_Off_Season_Step(a, b - a - 1);
    }
}

void Click_Timeline(int x, int y) {
    if (Is_Timeline_Disabled())
        return;
    int w = gCurrentWeek;
    int c = Get_Timeline_Postseason_Start();
    if (Is_Point_In(&kRecordSpot, x, y)) {
        int nPage = w < c ? CALENDAR_PAGE : !Is_Off_Season_Week(w) ? PLAYOFFS_PAGE : STANDINGS_PAGE;
        if (gCurrentPage != nPage)
            Show_News_Page(nPage);
        return;
    }
    if (!Is_Off_Season_Week(w) && Is_Point_In(&kWeekSpot, x, y)) {
        Advance_Weeks(1);
        return;
    }
    int k = Find_Timeline_Box(x, y);
    if (k >= 0 && Is_Timeline_Box_Active(k))
        Play_To_Timeline_Week(w, w + k + 1);
}

// ---- the team logo above the bars ------------------------------------------------------------

void Draw_Team_Logo_Above_Bar(HDC hdc) {
    rcTeamLogo = RECT{0, 0, 0, 0};
    char szLogo[TIMELINE_TEXT_SIZE];
    Get_Team_Logo_File(szLogo, sizeof szLogo, Get_User_Team());
    if (hdc == NULL || !File_Exists(szLogo))
        return;
    BITMAP_SLOT* pSlot = Find_Bitmap_Slot(gBitmapSlots, BITMAP_SLOT_COUNT, szLogo);
    if (!Load_File_Into_Bitmap_Cache(hdc, szLogo, pSlot))
        return;
    RECT client = {0, 0, 0, 0};
    GetClientRect(gMainWindow, &client);
    int nRight = client.right - TIMELINE_LOGO_MARGIN;
    int nBottom = client.bottom - Get_Bars_Height();
    RECT rect = {nRight - pSlot->nWidth, nBottom - pSlot->nHeight, nRight, nBottom};
    if (Blit_Bitmap_Slot(hdc, pSlot, 255, rect.left, rect.top, -1, -1, 0, 0, -1, -1))
        rcTeamLogo = rect;
}

void Get_Team_Logo_Rect(RECT* pRect) {
    *pRect = rcTeamLogo;
}
