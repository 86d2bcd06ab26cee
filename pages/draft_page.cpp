// The Draft page: one round of one college draft, who was picked at each place or, for the coming
// draft, who owns each pick; arrows step through the last 25 years and the seven rounds, and a
// click on a pick opens the drafted player or, during the draft, the pick on the clock.
#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define DRAFT_PAGE_ROUND_PREFERENCE 38  // the round shown, 1..7
#define DRAFT_PAGE_TITLE_FONT 12
#define DRAFT_PAGE_DARK_TITLE_FONT 11
#define DRAFT_PAGE_TEXT_FONT 9
#define DRAFT_PAGE_TEXT_SIZE 160
#define DRAFT_PAGE_ROWS 18
#define DRAFT_PAGE_HISTORY_YEARS 25
#define DRAFT_PAGE_POOL_OF_NEXT_YEAR 100  // a larger pool is the coming draft's class
#define DRAFT_FORFEIT_FLAG 128            // an owner byte at or above it: the pick is forfeited
#define DRAFT_POSITION_ANY 15

enum DRAFT_ARROW { PREVIOUS_YEAR = 0, NEXT_YEAR, PREVIOUS_ROUND, NEXT_ROUND, DRAFT_ARROW_COUNT };

typedef struct DRAFT_ARROW_BUTTON {
    const char* szLabel;
    RECT rect;
    int nShift;  // the label's offset from the rectangle, with its alignment
    UINT uAlign;
} DRAFT_ARROW_BUTTON;

static const DRAFT_ARROW_BUTTON kDraftArrows[DRAFT_ARROW_COUNT] = {
    {"Previous Year", {2, 0, 141, 27}, 22, DT_LEFT},
    {"Next Year", {627, 0, 768, 27}, -27, DT_RIGHT},
    {"Previous Round", {2, 31, 141, 58}, 22, DT_LEFT},
    {"Next Round", {627, 31, 768, 58}, -27, DT_RIGHT},
};

static const char kEmptyPoolNotice[] =
    "The College Draft has ended because the draft pool is empty.\n\n"
    "Please report this problem to support@footballvanto.example, with the saved game if you can.";

// The year of the coming draft: next year's once a new class fills the pool outside the draft.
int Get_Upcoming_Draft_Year(void) {
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber;
    if (Count_Draft_Pool_Players() > DRAFT_PAGE_POOL_OF_NEXT_YEAR && !Is_College_Draft_On() &&
        gCurrentWeek != OFF_SEASON_WEEK)
        nYear++;
    return nYear;
}

// The year shown, never past the coming draft.
int Get_Draft_Page_Year(void) {
    return Min_Int(gDraftYear, Get_Upcoming_Draft_Year());
}

int Get_Draft_Page_Round(void) {
    int nRound = Get_User_Preference(DRAFT_PAGE_ROUND_PREFERENCE);
    return Max_Int(1, Min_Int(nRound, DRAFT_ROUNDS));
}

// Painted in the normal colour: there is a year or a round that way.
static int Is_Arrow_Available(int nArrow) {
    int nYear = Get_Draft_Page_Year(), nRound = Get_Draft_Page_Round();
    switch (nArrow) {
    case PREVIOUS_YEAR: return nYear > Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    case NEXT_YEAR: return nYear < Get_Upcoming_Draft_Year();
    case PREVIOUS_ROUND: return nRound > 1;
    default: return nRound < DRAFT_ROUNDS;
    }
}

// A click moves: the previous year only within the last 25 seasons.
static int Can_Arrow_Move(int nArrow) {
    if (nArrow == PREVIOUS_YEAR)
        return Get_Draft_Page_Year() >
               Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber - DRAFT_PAGE_HISTORY_YEARS;
    return Is_Arrow_Available(nArrow);
}

static int Find_Draft_Arrow(int x, int y) {
    for (int k = 0; k < DRAFT_ARROW_COUNT; k++) {
        if (Is_Point_In(&kDraftArrows[k].rect, x, y))
            return k;
    }
    return -1;
}

static int Get_Picks_Per_Round(void) {
    return Min_Int(Count_Active_Teams(), DRAFT_COLUMNS);
}

static RECT Get_Pick_Cell_Rect(int nPlace) {
    int c = nPlace / DRAFT_PAGE_ROWS, r = nPlace % DRAFT_PAGE_ROWS;
    return RECT{20 + 300 * c, 70 + 20 * r, 320 + 300 * c, 90 + 20 * r};
}

// The overall pick number of the cell under the point, or 0.
static int Find_Pick_Cell(int x, int y) {
    int nPicks = Get_Picks_Per_Round();
    for (int i = 0; i < nPicks; i++) {
        RECT rect = Get_Pick_Cell_Rect(i);
        if (Is_Point_In(&rect, x, y))
            return nPicks * (Get_Draft_Page_Round() - 1) + i + 1;
    }
    return 0;
}

// ---- the pick texts -----------------------------------------------------------------------------

static void Format_Drafted_Player(int nPick, int nTeam, int nSlot, char* szOut, int nSize) {
    int nDrafter =
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD) / DRAFT_RECORD_YEAR_FACTOR - 1;
    char szDrafter[DRAFT_PAGE_TEXT_SIZE] = "", szName[DRAFT_PAGE_TEXT_SIZE],
         szPosition[DRAFT_PAGE_TEXT_SIZE] = "";
    if (Is_Valid_Team(nDrafter))
        Get_Team_String(szDrafter, sizeof szDrafter, nDrafter, TEAM_ABBREVIATION);
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition >= 0 && nPosition <= DRAFT_POSITION_ANY)
        Get_Position_Abbreviation(nPosition, szPosition, sizeof szPosition);
    Format_String(szOut, nSize, "%3d) %s: %s, %s", nPick, szDrafter, szName, szPosition);
}

// The owner of a pick of the coming draft: his own, traded to another team, or forfeited.
static void Format_Pick_Owner(int nPick, int nPlace, int nRound, char* szOut, int nSize) {
    int nIssuer = Get_Draft_Order_Team(nPlace);
    int nOwner = Get_Draft_Pick_Owner(0, nRound - 1, nIssuer);
    char szOwner[DRAFT_PAGE_TEXT_SIZE];
    if (nOwner >= DRAFT_FORFEIT_FLAG) {
        Get_Team_Label(nOwner - DRAFT_FORFEIT_FLAG, szOwner, sizeof szOwner);
        Format_String(szOut, nSize, "%3d) Forfeited (by %s)", nPick, szOwner);
        return;
    }
    Get_Team_Label(nOwner, szOwner, sizeof szOwner);
    if (nOwner == nIssuer || !Is_Valid_Team(nIssuer)) {
        Format_String(szOut, nSize, "%3d) %s", nPick, szOwner);
        return;
    }
    char szIssuer[DRAFT_PAGE_TEXT_SIZE];
    Get_Team_String(szIssuer, sizeof szIssuer, nIssuer, TEAM_ABBREVIATION);
    Format_String(szOut, nSize, "%3d) %s (from %s)", nPick, szOwner, szIssuer);
}

int Get_Draft_Pick_Text(int nYear, int nRound, int nPlace, char* szOut, int nSize) {
    szOut[0] = 0;
    int nPick = Get_Picks_Per_Round() * (nRound - 1) + nPlace + 1;
    int nTeam, nSlot;
    if (Find_Drafted_Player(nYear, nPick, &nTeam, &nSlot)) {
        Format_Drafted_Player(nPick, nTeam, nSlot, szOut, nSize);
        int nDrafter =
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD) / DRAFT_RECORD_YEAR_FACTOR - 1;
        return Is_Team_Active(nDrafter) && Is_Human_Team(nDrafter) ? PAGE_COLOUR_HIGHLIGHT
                                                                   : PAGE_COLOUR_PRIMARY;
    }
    int nLogged = Get_Logged_Draft_Pick_Team(nYear, nPick);
    if (nLogged != DRAFT_FORFEIT_FLAG) {
        char szLabel[DRAFT_PAGE_TEXT_SIZE];
        Get_Team_Label(nLogged, szLabel, sizeof szLabel);
        Format_String(szOut, nSize, "%3d) (Forfeited by %s)", nPick, szLabel);
        return PAGE_COLOUR_PRIMARY;
    }
    int nUpcoming = Get_Upcoming_Draft_Year();
    if (nYear == nUpcoming && Count_Draft_Pool_Players() > DRAFT_PAGE_POOL_OF_NEXT_YEAR) {
        Format_Pick_Owner(nPick, nPlace, nRound, szOut, nSize);
        return PAGE_COLOUR_AVERAGE_ROW;
    }
    if (nYear < nUpcoming) {
        Format_String(szOut, nSize, "%3d) Player not currently in league", nPick);
        return PAGE_COLOUR_GREY;
    }
    return PAGE_COLOUR_PRIMARY;
}

// ---- painting -----------------------------------------------------------------------------------

static void Draw_Draft_Arrows(HDC hdc) {
    int bDarkSkin = Is_Skin_Ice_Or_Fire();
    for (int k = 0; k < DRAFT_ARROW_COUNT; k++) {
        const DRAFT_ARROW_BUTTON* pArrow = &kDraftArrows[k];
        int bAvailable = Is_Arrow_Available(k);
        COLORREF colour;
        if (bDarkSkin)
            colour = bAvailable ? RGB(255, 255, 255) : RGB(170, 170, 170);
        else
            colour = Get_News_Page_Colour(bAvailable ? PAGE_COLOUR_PRIMARY : PAGE_COLOUR_GREY);
        RECT rect = pArrow->rect;
        rect.left += pArrow->nShift;
        rect.right += pArrow->nShift;
        Draw_Page_Text_In_Font(hdc, DRAFT_PAGE_TEXT_FONT, pArrow->szLabel, colour, rect,
                               pArrow->uAlign | DT_VCENTER | DT_SINGLELINE);
    }
}

static void Draw_Draft_Picks(HDC hdc, int nYear, int nRound) {
    for (int i = 0; i < Get_Picks_Per_Round(); i++) {
        char szText[DRAFT_PAGE_TEXT_SIZE];
        int nColour = Get_Draft_Pick_Text(nYear, nRound, i, szText, sizeof szText);
        if (szText[0])
            Draw_Page_Text_In_Font(hdc, DRAFT_PAGE_TEXT_FONT, szText,
                                   Get_Panel_Text_Colour(nColour), Get_Pick_Cell_Rect(i),
                                   DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
}

void Paint_Draft_Page(HDC hdc) {
    int nYear = Get_Draft_Page_Year(), nRound = Get_Draft_Page_Round();
    Draw_Named_Page_Background(hdc, "News\\Draft.jpg");
    SetBkMode(hdc, TRANSPARENT);
    char szTitle[DRAFT_PAGE_TEXT_SIZE];
    Format_String(szTitle, sizeof szTitle, "%d Draft: Round %d", nYear, nRound);
    int bDarkSkin = Is_Skin_Ice_Or_Fire();
    Draw_Page_Text_In_Font(
        hdc, bDarkSkin ? DRAFT_PAGE_DARK_TITLE_FONT : DRAFT_PAGE_TITLE_FONT, szTitle,
        bDarkSkin ? RGB(255, 255, 255) : Get_News_Page_Colour(PAGE_COLOUR_HIGHLIGHT),
        RECT{140, 4, 640, 54}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Draw_Draft_Arrows(hdc);
    Draw_Draft_Picks(hdc, nYear, nRound);
}

// ---- the mouse ----------------------------------------------------------------------------------

// The pick on the clock, the first of a draft included, of the draft under way.
static int Is_Pick_On_The_Clock(int nYear, int nPick) {
    return Is_College_Draft_On() && Count_Draft_Pool_Players() > 0 &&
           nYear == Get_Upcoming_Draft_Year() && nPick == Get_Overall_Draft_Pick_Number();
}

int Get_Draft_Page_Hot_Spot(int x, int y) {
    int nArrow = Find_Draft_Arrow(x, y);
    if (nArrow >= 0)
        return Can_Arrow_Move(nArrow) ? 1 : 0;
    int nPick = Find_Pick_Cell(x, y);
    if (nPick == 0)
        return 0;
    int nYear = Get_Draft_Page_Year(), nTeam, nSlot;
    if (Find_Drafted_Player(nYear, nPick, &nTeam, &nSlot) || Is_Pick_On_The_Clock(nYear, nPick))
        return 2;
    return 0;
}

static void Move_Draft_Page(int nArrow) {
    int nYear = Get_Draft_Page_Year(), nRound = Get_Draft_Page_Round();
    if (nArrow == PREVIOUS_YEAR || nArrow == NEXT_YEAR)
        gDraftYear = nYear + (nArrow == NEXT_YEAR ? 1 : -1);
    else
        Set_User_Preference(DRAFT_PAGE_ROUND_PREFERENCE, nRound + (nArrow == NEXT_ROUND ? 1 : -1));
    Play_Sound("button.wav");
    Force_Page_Repaint();
}

// A draft whose pool ran dry cannot go on: it ends, and the next season is set up.
static void End_Draft_With_Empty_Pool(void) {
    Do_Message_Box(kEmptyPoolNotice, "College Draft", MB_OK);
    gDraftPick = 0;
    gDraftRound = NO_DRAFT_ROUND;
    Setup_Next_Season();
    Force_Page_Repaint();
}

void Click_Draft_Page(int x, int y) {
    int nArrow = Find_Draft_Arrow(x, y);
    if (nArrow >= 0) {
        if (Can_Arrow_Move(nArrow))
            Move_Draft_Page(nArrow);
        return;
    }
    int nPick = Find_Pick_Cell(x, y);
    if (nPick == 0)
        return;
    int nYear = Get_Draft_Page_Year(), nTeam, nSlot;
    if (Find_Drafted_Player(nYear, nPick, &nTeam, &nSlot)) {
        Open_Scouting_Report(nTeam, nSlot, gMainWindow, NULL);
        return;
    }
    if (!Is_College_Draft_On())
        return;
    if (Count_Draft_Pool_Players() == 0)
        End_Draft_With_Empty_Pool();
    else if (Is_Pick_On_The_Clock(nYear, nPick))
        Open_Dialog(gMainWindow, IDD_COLLEGE_DRAFT);
}
