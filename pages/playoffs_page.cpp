// The Playoffs page: the bracket of the 31 playoff slots over its picture, with the seeds and
// their records, the scores of the games played, the connector lines and the title game's name.
// A seeded team opens its calendar; a team that won its way in opens the game that did it.
#include "pages/pages.h"
#include "shell/shell.h"

#define FIRST_FED_SLOT 16  // slots before it are the first round
#define SLOT_WIDTH 110
#define SLOT_HEIGHT 14
#define SLOT_LINE_SHIFT 7  // the two lines of a slot fed by games
#define SLOT_BOX_MARGIN 4
#define SEED_BOX_WIDTH 16
#define BRACKET_LINE_WIDTH 2
#define BRACKET_LINK_CURSOR 1
#define FIRST_TITLE_SEASON 1965  // title game n was played in season 1965 + n
#define ROMAN_TABLE_LIMIT 100
#define HEADING_COLOUR 0xD4D4D4
#define LINE_COLOUR 0xD4D4D4
#define DARK_SKIN_HEADING_DROP 20
#define BRACKET_TEXT_FONT 5
#define BRACKET_HEADING_FONT 7
#define FIRE_SKIN_TITLE_COLOUR 0xAADAD7

enum SLOT_STATE { SLOT_EMPTY_SEED = 0, SLOT_SEEDED = 1, SLOT_FED = 2 };

int Get_Feeder_Slots(int nSlot, int* pnFeeders) {
    if (nSlot < FIRST_FED_SLOT || nSlot >= PLAYOFF_SLOT_COUNT)
        return 0;
    pnFeeders[0] = 2 * nSlot - 32;
    pnFeeders[1] = 2 * nSlot - 31;
    return 2;
}

static int Slot_Team(int nSlot) {
    int nTeam = Get_Playoff_Team(nSlot);
    return Is_Valid_Team(nTeam) ? nTeam : NO_TEAM;
}

static int Is_Bracket_Branch_Empty(int nSlot) {
    if (Slot_Team(nSlot) != NO_TEAM)
        return 0;
    int anFeeders[2];
    if (!Get_Feeder_Slots(nSlot, anFeeders))
        return 1;
    return Is_Bracket_Branch_Empty(anFeeders[0]) && Is_Bracket_Branch_Empty(anFeeders[1]);
}

int Get_Bracket_Slot_State(int nSlot) {
    int anFeeders[2];
    int bSeeded = !Get_Feeder_Slots(nSlot, anFeeders) ||
                  (Is_Bracket_Branch_Empty(anFeeders[0]) && Is_Bracket_Branch_Empty(anFeeders[1]));
    if (!bSeeded)
        return SLOT_FED;
    return Slot_Team(nSlot) == NO_TEAM ? SLOT_EMPTY_SEED : SLOT_SEEDED;
}

void Get_Bracket_Slot_Rect(int nSlot, RECT* pRects) {
    int x, y;
    if (nSlot < FIRST_FED_SLOT) {
        x = 30;
        y = 62 + 24 * nSlot + (nSlot % 2 == 0 ? 4 : 0);
    } else if (nSlot < 24) {
        x = 155;
        y = 48 * nSlot - 692;
    } else if (nSlot < 28) {
        x = 280;
        y = 96 * nSlot - 2204;
    } else if (nSlot < 30) {
        x = 405;
        y = 192 * nSlot - 5228;
    } else {
        x = 530;
        y = 244;
    }
    int nShift = Get_Bracket_Slot_State(nSlot) == SLOT_SEEDED ? 0 : SLOT_LINE_SHIFT;
    pRects[0] = RECT{x, y - nShift, x + SLOT_WIDTH, y - nShift + SLOT_HEIGHT};
    pRects[1] = RECT{x, y + nShift, x + SLOT_WIDTH, y + nShift + SLOT_HEIGHT};
}

int Find_Game_Between(int nTeamA, int nTeamB) {
    for (int n = GAME_COUNT - 1; n >= 0; n--) {
        GAME* pGame = Get_Game_Record(n);
        int nVisitor = pGame->anTeams[VISITOR_SIDE], nHome = pGame->anTeams[HOME_SIDE];
        if ((nVisitor == nTeamA && nHome == nTeamB) || (nVisitor == nTeamB && nHome == nTeamA))
            return n;
    }
    return -1;
}

void Get_Roman_Numeral(int n, char* szOut, int nSize) {
    static const char* const kHundreds[] = {"", "C", "CC", "CCC"};
    if (n <= 0) {
        safe_strncpy(szOut, "", nSize);
        return;
    }
    if (n >= 4 * ROMAN_TABLE_LIMIT) {
        Format_With_Commas(n, szOut, nSize);
        return;
    }
    char szTens[CHAMPIONSHIP_FIELD_SIZE] = "";
    if (n % ROMAN_TABLE_LIMIT > 0)
        Get_Championship_Game_Field(szTens, sizeof szTens,
                                    FIRST_TITLE_SEASON + n % ROMAN_TABLE_LIMIT, CHAMPIONSHIP_NUMERAL);
    Format_String(szOut, nSize, "%s%s", kHundreds[n / ROMAN_TABLE_LIMIT], szTens);
}

// Human-run teams and the others; the second of each pair once the team is out. The names sit
// on the dark bracket boxes, so they keep the light colours under the Dark Text option too.
static COLORREF Get_Slot_Colour(int nTeam) {
    static const COLORREF kLight[2][2] = {{0x2EA6AA, 0xAAAAFF}, {0x45F9FF, 0xD7D7FF}};
    int bHuman = Is_Human_Team(nTeam) != 0;
    int bOut = Get_Team_Record_Char(nTeam, YEARLY_PLAYOFF_LOSSES) > 0;
    return kLight[bHuman][bOut];
}

static int Is_Slot_Used(int nSlot) {
    return Get_Bracket_Slot_State(nSlot) != SLOT_EMPTY_SEED;
}

static void Fill_Bracket_Line(HDC hdc, int nLeft, int nTop, int nRight, int nBottom) {
    RECT line = {nLeft, nTop, nRight, nBottom};
    Fill_Design_Rectangle(&line, hdc, LINE_COLOUR);
}

// From the middle of each used feeder's box across to the middle column, then to the slot.
static void Draw_Bracket_Lines(HDC hdc) {
    for (int nSlot = FIRST_FED_SLOT; nSlot < PLAYOFF_SLOT_COUNT; nSlot++) {
        int anFeeders[2];
        Get_Feeder_Slots(nSlot, anFeeders);
        if (!Is_Slot_Used(nSlot) || !Is_Slot_Used(anFeeders[0]) || !Is_Slot_Used(anFeeders[1]))
            continue;
        RECT aTo[2], aFrom[2][2];
        Get_Bracket_Slot_Rect(nSlot, aTo);
        Get_Bracket_Slot_Rect(anFeeders[0], aFrom[0]);
        Get_Bracket_Slot_Rect(anFeeders[1], aFrom[1]);
        int xFrom = aFrom[0][0].right + SLOT_BOX_MARGIN;
        int xTo = aTo[0].left - SLOT_BOX_MARGIN;
        int xMiddle = (xFrom + xTo) / 2;
        int yMiddles[2];
        for (int k = 0; k < 2; k++) {
            yMiddles[k] = (aFrom[k][0].top + aFrom[k][1].bottom) / 2;
            Fill_Bracket_Line(hdc, xFrom, yMiddles[k], xMiddle, yMiddles[k] + BRACKET_LINE_WIDTH);
        }
        Fill_Bracket_Line(hdc, xMiddle, yMiddles[0], xMiddle + BRACKET_LINE_WIDTH,
                          yMiddles[1] + BRACKET_LINE_WIDTH);
        int yTo = (aTo[0].top + aTo[1].bottom) / 2;
        Fill_Bracket_Line(hdc, xMiddle, yTo, xTo, yTo + BRACKET_LINE_WIDTH);
    }
}

static void Draw_Image_Over_Design_Rect(HDC hdc, const char* szName, RECT rect) {
    Scale_Design_Rect(&rect);
    Draw_Named_Image(hdc, szName, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top);
}

static void Draw_Bracket_Boxes(HDC hdc) {
    for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++) {
        if (!Is_Slot_Used(nSlot))
            continue;
        RECT aRects[2];
        Get_Bracket_Slot_Rect(nSlot, aRects);
        RECT box = {aRects[0].left - SLOT_BOX_MARGIN, aRects[0].top - SLOT_BOX_MARGIN,
                    aRects[1].right + SLOT_BOX_MARGIN, aRects[1].bottom + SLOT_BOX_MARGIN};
        Draw_Image_Over_Design_Rect(hdc, "News\\Box.png", box);
        int nTeam = Slot_Team(nSlot);
        int nSeed = nTeam == NO_TEAM ? 0 : Get_Team_Stat(nTeam, TEAM_PLAYOFF_SEED);
        if (Get_Bracket_Slot_State(nSlot) != SLOT_SEEDED)
            continue;
        Draw_Image_Over_Design_Rect(hdc, "News\\Seed.png",
                                    RECT{box.left, box.top, box.left + SEED_BOX_WIDTH, box.bottom});
        if (nSeed > 0) {
            char szSeed[16];
            Format_String(szSeed, sizeof szSeed, "%d", nSeed);
            RECT seed = {box.left, box.top, box.left + SEED_BOX_WIDTH, box.bottom};
            Draw_Design_Text_Colour(szSeed, hdc, RGB(255, 255, 255), &seed,
                                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
}

static void Draw_Bracket_Slot_Text(HDC hdc, int nSlot) {
    int nTeam = Slot_Team(nSlot);
    if (nTeam == NO_TEAM)
        return;
    RECT aRects[2];
    Get_Bracket_Slot_Rect(nSlot, aRects);
    char szName[TEXT_BUFFER_SIZE] = "", szLine[TEXT_BUFFER_SIZE];
    Get_Team_Short_Name(nTeam, szName, sizeof szName);
    SetTextColor(hdc, Get_Slot_Colour(nTeam));
    if (Get_Bracket_Slot_State(nSlot) == SLOT_SEEDED) {
        char szRecord[TEXT_BUFFER_SIZE] = "";
        Format_Team_Record(szRecord, sizeof szRecord, nTeam);
        Format_String(szLine, sizeof szLine, "%s (%s)", szName, szRecord);
        aRects[0].left += SEED_BOX_WIDTH - SLOT_BOX_MARGIN;
        Draw_Design_Text_Centered(hdc, &aRects[0], szLine, BRACKET_TEXT_FONT);
        return;
    }
    Draw_Design_Text_Centered(hdc, &aRects[0], szName, BRACKET_TEXT_FONT);
    int anFeeders[2];
    Get_Feeder_Slots(nSlot, anFeeders);
    int nA = Get_Playoff_Score(anFeeders[0]), nB = Get_Playoff_Score(anFeeders[1]);
    Format_String(szLine, sizeof szLine, "%d-%d", nA > nB ? nA : nB, nA > nB ? nB : nA);
    Draw_Design_Text_Centered(hdc, &aRects[1], szLine, BRACKET_TEXT_FONT);
}

static COLORREF Get_Title_Colour(void) {
    if (strcmp(gSkinName, "fire") == 0)
        return FIRE_SKIN_TITLE_COLOUR;
    return strcmp(gSkinName, "earth") == 0 ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

static void Draw_Bracket_Headings(HDC hdc) {
    HFONT hFont = Take_App_Font(BRACKET_HEADING_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    int nDrop = Is_Skin_Ice_Or_Fire() ? DARK_SKIN_HEADING_DROP : 0;
    if (gCurrentWeek < gPostseasonWeeks[0]) {
        RECT heading = {160, 4 + nDrop, 461, 26 + nDrop};
        Draw_Design_Text_Colour("If the season ended today...", hdc, HEADING_COLOUR, &heading,
                                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    int nGame = Get_Season_Year() - FIRST_TITLE_SEASON;
    if (nGame >= 1) {
        char szNumeral[CHAMPIONSHIP_FIELD_SIZE], szTitle[TEXT_BUFFER_SIZE];
        Get_Roman_Numeral(nGame, szNumeral, sizeof szNumeral);
        Format_String(szTitle, sizeof szTitle, "Super Bowl %s", szNumeral);
        // Above the title game's box.
        RECT title = {480, 204, 690, 230};
        Draw_Design_Text_Colour(szTitle, hdc, Get_Title_Colour(), &title,
                                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

void Draw_Playoffs_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "news\\playoffs.jpg");
    SetBkMode(hdc, TRANSPARENT);
    Draw_Bracket_Headings(hdc);
    Draw_Bracket_Lines(hdc);
    Draw_Bracket_Boxes(hdc);
    for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++)
        Draw_Bracket_Slot_Text(hdc, nSlot);
}

// The slot holding a team under the point, or -1.
static int Find_Bracket_Slot_At(int x, int y) {
    for (int nSlot = 0; nSlot < PLAYOFF_SLOT_COUNT; nSlot++) {
        RECT aRects[2];
        Get_Bracket_Slot_Rect(nSlot, aRects);
        if (Slot_Team(nSlot) != NO_TEAM &&
            (Is_Point_In(&aRects[0], x, y) || Is_Point_In(&aRects[1], x, y)))
            return nSlot;
    }
    return -1;
}

// The game that brought a slot fed by games its team, or -1.
static int Find_Slot_Game(int nSlot) {
    int anFeeders[2];
    if (!Get_Feeder_Slots(nSlot, anFeeders))
        return -1;
    int nA = Slot_Team(anFeeders[0]), nB = Slot_Team(anFeeders[1]);
    if (nA == NO_TEAM || nB == NO_TEAM)
        return -1;
    return Find_Game_Between(nA, nB);
}

int Is_Playoffs_Page_Point_Active(int x, int y) {
    int nSlot = Find_Bracket_Slot_At(x, y);
    if (nSlot < 0)
        return 0;
    if (Get_Bracket_Slot_State(nSlot) == SLOT_SEEDED || Find_Slot_Game(nSlot) >= 0)
        return BRACKET_LINK_CURSOR;
    return 0;
}

void Handle_Playoffs_Page_Click(int x, int y) {
    int nSlot = Find_Bracket_Slot_At(x, y);
    if (nSlot < 0)
        return;
    if (Get_Bracket_Slot_State(nSlot) == SLOT_SEEDED) {
        gDialogTeam = Slot_Team(nSlot);
        Show_News_Page(CALENDAR_PAGE);
        return;
    }
    int nGame = Find_Slot_Game(nSlot);
    if (nGame >= 0) {
        gSelectedGame = nGame;
        Show_News_Page(GAMES_PAGE);
    }
}
