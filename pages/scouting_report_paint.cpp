// Painting the player card: the background by position, the photo, the header line, the
// information block, the rating accuracy note, the scout's evaluation and the stat panel. Every
// coordinate is a design unit of the card's 588 x 419 area, scaled as the pages are. Painting
// only reads the league: the card's repairs run before (Repair_Player_Card_Values).
#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "shell/shell.h"

#define REPORT_HEADER_FONT 10
#define REPORT_INFO_FONT 4
#define REPORT_NOTE_FONT 1
#define REPORT_TEXT_FONT 2
#define INFO_FIRST_LINE_TOP 33
#define INFO_LINE_STEP 13
#define INFO_LINE_HEIGHT 18
#define INFO_LINES_END 189
#define INFO_COLUMN_COUNT 4
#define PLAYER_PHOTO_LEFT 17
#define PLAYER_PHOTO_TOP 33
#define PLAYER_PHOTO_WIDTH 106
#define PLAYER_PHOTO_HEIGHT 160
#define NO_NAMED_PHOTO 256  // vital 18: no photo files named after the player
#define PHOTO_PATH_SIZE 160

int Scale_Report_X(int x, int nClientWidth) {
    return nClientWidth == REPORT_DESIGN_WIDTH ? x : Mul_Div(x, nClientWidth, REPORT_DESIGN_WIDTH);
}

int Scale_Report_Y(int y, int nClientHeight) {
    return nClientHeight == REPORT_DESIGN_HEIGHT ? y
                                                 : Mul_Div(y, nClientHeight, REPORT_DESIGN_HEIGHT);
}

void Draw_Report_Text(HDC hdc, const char* szText, const RECT* pRect, UINT uFlags) {
    if (!szText[0])
        return;
    RECT rect = *pRect;
    Scale_Design_Rect(&rect);
    if (!(uFlags & DT_WORDBREAK))
        uFlags |= DT_SINGLELINE | DT_VCENTER;
    DrawTextA(hdc, szText, -1, &rect, uFlags | DT_NOPREFIX);
}

COLORREF Get_Report_Bright_Colour(void) {
    return gDarkText ? RGB(130, 30, 30) : RGB(255, 249, 69);
}

static COLORREF Get_Report_Plain_Colour(void) {
    return gDarkText ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

// A text colour, white on the ice and fire skins where the card says so.
static COLORREF Skin_White_Or(COLORREF colour) {
    return Is_Skin_Ice_Or_Fire() ? RGB(255, 255, 255) : colour;
}

static void Draw_Report_Background(HWND hWnd, HDC hdc, int nPosition) {
    char szName[PHOTO_PATH_SIZE];
    if (nPosition == POS_QB)
        safe_strncpy(szName, "dialogs/scouting/scouting-qb.jpg", sizeof szName);
    else if (nPosition >= POS_RB && nPosition <= POS_WR)
        safe_strncpy(szName, "dialogs/scouting/scouting-skill.jpg", sizeof szName);
    else if (Get_Position_Group(nPosition) == GROUP_DEFENCE)
        safe_strncpy(szName, "dialogs/scouting/scouting-defense.jpg", sizeof szName);
    else
        safe_strncpy(szName, "dialogs/scouting/scouting-ol.jpg", sizeof szName);
    Get_Skin_File(szName, sizeof szName);
    Draw_Window_Background(hWnd, hdc, szName);
}

// Draws a picture stretched over a design rectangle; 1 when it was there.
static int Draw_Picture_In_Report_Rect(HDC hdc, const char* szName, const RECT* pRect) {
    if (!File_Exists(szName))
        return 0;
    RECT rect = *pRect;
    Scale_Design_Rect(&rect);
    return Draw_Named_Image(hdc, szName, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top);
}

// The photo files named after the player: his outside-database id, then his name without dots,
// then the same with "_" for blanks.
static int Draw_Named_Player_Photo(HDC hdc, int nTeam, int nSlot, const RECT* pFrame) {
    char szPath[PHOTO_PATH_SIZE];
    const char* szId = Get_Player_Ostrel_ID(nTeam, nSlot);
    if (szId[0]) {
        Format_String(szPath, sizeof szPath, "photos/%s.jpg", szId);
        if (Draw_Picture_In_Report_Rect(hdc, szPath, pFrame))
            return 1;
    }
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PHOTO_SOURCE) == NO_NAMED_PHOTO)
        return 0;
    char szName[PLAYER_NAME_TEXT_SIZE];
    Format_String(szName, sizeof szName, "%s %s", Get_Player_First_Name_Ptr(nTeam, nSlot),
                  Get_Player_Last_Name_Ptr(nTeam, nSlot));
    Remove_Char(szName, '.');
    Format_String(szPath, sizeof szPath, "photos/%s.jpg", szName);
    if (Draw_Picture_In_Report_Rect(hdc, szPath, pFrame))
        return 1;
    for (char* p = szName; *p; p++)
        if (*p == ' ')
            *p = '_';
    Format_String(szPath, sizeof szPath, "photos/%s.jpg", szName);
    return Draw_Picture_In_Report_Rect(hdc, szPath, pFrame);
}

static void Draw_Design_Outline(HDC hdc, int nLeft, int nTop, int nRight, int nBottom) {
    RECT rect = {nLeft, nTop, nRight, nBottom};
    Draw_Design_Rect_Frame_Colour(&rect, hdc, RGB(0, 0, 0));
}

// The photo frame: the player's own photo, else his team's logo on white, else the position's
// picture. A downloaded photo is drawn beside it; 1 when there is one.
static int Draw_Player_Photo(HDC hdc, int nTeam, int nSlot, int nPosition) {
    RECT frame = {PLAYER_PHOTO_LEFT, PLAYER_PHOTO_TOP, PLAYER_PHOTO_LEFT + PLAYER_PHOTO_WIDTH,
                  PLAYER_PHOTO_TOP + PLAYER_PHOTO_HEIGHT};
    char szPath[PHOTO_PATH_SIZE];
    if (!Draw_Named_Player_Photo(hdc, nTeam, nSlot, &frame)) {
        if (Is_Team_Active(nTeam) && Get_Team_Logo_Path(nTeam, szPath, sizeof szPath)) {
            RECT white = {30, 49, 110, 150};
            Fill_Design_Rectangle(&white, hdc, RGB(255, 255, 255));
            Draw_Design_Outline(hdc, 30, 49, 110, 150);
            Draw_Image_Centered_Scaled(hdc, szPath, 70, 99);
        } else {
            char szAbbreviation[POSITION_NAME_SIZE];
            Get_Position_Abbreviation(nPosition, szAbbreviation, sizeof szAbbreviation);
            Format_String(szPath, sizeof szPath, "photos/%s.jpg", szAbbreviation);
            if (Draw_Picture_In_Report_Rect(hdc, szPath, &frame))
                Draw_Design_Outline(hdc, frame.left, frame.top, frame.right, frame.bottom);
        }
    }
    if (!Get_Player_Photo_Path(nTeam, nSlot, szPath, sizeof szPath) || !File_Exists(szPath))
        return 0;
    RECT downloaded = {135, 34, 185, 124};
    Draw_Picture_In_Report_Rect(hdc, szPath, &downloaded);
    Draw_Design_Outline(hdc, downloaded.left, downloaded.top, downloaded.right, downloaded.bottom);
    return 1;
}

// The header: the name, the team (or his fantasy-draft team) and the depth-chart role.
static void Draw_Report_Header(HDC hdc, int nTeam, int nSlot) {
    HFONT hFont = Take_App_Font(REPORT_HEADER_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    int y = Is_Skin_Ice_Or_Fire() ? 3 : 5;
    char szText[PLAYER_NAME_TEXT_SIZE];

    Get_Player_Card_Name(nTeam, nSlot, szText, sizeof szText);
    SetTextColor(hdc, Skin_White_Or(Get_Report_Plain_Colour()));
    RECT rcName = {7, y, 218, 31};
    Draw_Report_Text(hdc, szText, &rcName, DT_LEFT);

    if (!Is_Draft_Pool_Team(nTeam)) {
        szText[0] = 0;
        RECT rcTeam = {188, y, 399, 31};
        COLORREF colour = Get_Report_Bright_Colour();
        if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= FANTASY_DRAFT_UNDER_WAY) {
            rcTeam = RECT{158, y, 429, 31};
            int nDraftedTo = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO);
            if (nDraftedTo == NO_TEAM) {
                safe_strncpy(szText, "UNDRAFTED", sizeof szText);
                colour = gDarkText ? RGB(160, 70, 70) : RGB(170, 166, 46);
            } else {
                Get_Team_String(szText, sizeof szText, nDraftedTo, TEAM_NICKNAME);
                colour = gDarkText ? RGB(80, 80, 180) : RGB(255, 170, 170);
            }
        } else if (nTeam == FREE_AGENT_TEAM) {
            safe_strncpy(szText, "Free Agent", sizeof szText);
        } else if (nTeam < FREE_AGENT_TEAM) {
            Get_Team_String(szText, sizeof szText, nTeam, TEAM_NICKNAME);
        }
        SetTextColor(hdc, Skin_White_Or(colour));
        Draw_Report_Text(hdc, szText, &rcTeam, DT_CENTER);
    }

    Get_Depth_Role_Name(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION), szText,
                        sizeof szText);
    SetTextColor(hdc, Skin_White_Or(Get_Report_Plain_Colour()));
    RECT rcRole = {399, y, 577, 31};
    Draw_Report_Text(hdc, szText, &rcRole, DT_RIGHT);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

// The colour and alignment of a cell of the information block.
static COLORREF Get_Info_Colour(int nColumn, int nLine) {
    if (nColumn < 2 || (nColumn == 3 && nLine < 2))
        return Get_Report_Bright_Colour();
    if (nColumn == 2 && nLine >= 2)
        return gDarkText ? RGB(85, 85, 85) : RGB(170, 170, 170);
    return Get_Report_Plain_Colour();
}

static void Shift_Rect(RECT* pRect, int dx, int dy) {
    pRect->left += dx;
    pRect->right += dx;
    pRect->top += dy;
    pRect->bottom += dy;
}

static void Draw_Information_Block(HDC hdc, int nTeam, int nSlot, int bDownloadedPhoto) {
    static const int kEdges[INFO_COLUMN_COUNT + 1] = {135, 277, 486, 554, 580};
    static const int kEdgesBesidePhoto[INFO_COLUMN_COUNT + 1] = {195, 307, 486, 554, 580};
    const int* pEdges = bDownloadedPhoto ? kEdgesBesidePhoto : kEdges;
    int bInjured = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0;
    int nShiftX = Is_Skin_Fire() ? 2 : Is_Skin_Ice() ? -6 : 0;
    int nShiftUp = Is_Skin_Ice_Or_Fire() ? 6 : 5;
    HFONT hFont = Take_App_Font(REPORT_INFO_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    char szText[TEXT_BUFFER_SIZE];
    for (int nLine = 0; INFO_FIRST_LINE_TOP + nLine * INFO_LINE_STEP < INFO_LINES_END; nLine++) {
        int y = INFO_FIRST_LINE_TOP + nLine * INFO_LINE_STEP;
        for (int nColumn = 0; nColumn < INFO_COLUMN_COUNT; nColumn++) {
            Get_Player_Info_Line(nColumn, nLine, nTeam, nSlot, szText, sizeof szText);
            if (!szText[0])
                continue;
            RECT rect = {pEdges[nColumn], y, pEdges[nColumn + 1], y + INFO_LINE_HEIGHT};
            if (nColumn == 1 && nLine >= 4 && bInjured)
                Shift_Rect(&rect, 0, 5);
            if (nColumn >= 2)
                Shift_Rect(&rect, nShiftX, nLine <= 6 ? -nShiftUp : 0);
            SetTextColor(hdc, Get_Info_Colour(nColumn, nLine));
            Draw_Report_Text(hdc, szText, &rect, nColumn == 3 ? DT_CENTER : DT_LEFT);
        }
    }
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

// Linemen, defenders and kickers: how far the shown ratings may be off.
static void Draw_Rating_Accuracy_Note(HDC hdc, int nPosition) {
    if (nPosition < POS_T)
        return;
    HFONT hFont = Take_App_Font(REPORT_NOTE_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetTextColor(hdc, gDarkText ? RGB(160, 70, 70) : RGB(170, 166, 46));
    RECT rcAverage = {486, 154, 580, 168};
    Draw_Report_Text(hdc, "Average NFL Starter = 70", &rcAverage, DT_CENTER);
    char szNote[64];
    Get_Rating_Accuracy_Note(szNote, sizeof szNote);
    SetTextColor(hdc, gDarkText ? RGB(80, 80, 180) : RGB(255, 170, 170));
    RECT rcNote = {486, 168, 580, 200};
    Draw_Report_Text(hdc, szNote, &rcNote, DT_CENTER | DT_WORDBREAK);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

static void Draw_Player_Evaluation(HDC hdc, int nTeam, int nSlot) {
    if (nTeam == HALL_OF_FAME_TEAM)
        return;
    char szText[NEWS_TEXT_SIZE];
    Get_Player_Evaluation_Text(nTeam, nSlot, szText, sizeof szText);
    HFONT hFont = Take_App_Font(REPORT_TEXT_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetTextColor(hdc, Get_Report_Plain_Colour());
    RECT rect = {135, 144, 443, 197};
    Draw_Report_Text(hdc, szText, &rect, DT_LEFT | DT_WORDBREAK);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

void Paint_Scouting_Report(HWND hWnd, HDC hdc) {
    int nTeam = gScoutTeam;
    int nSlot = gScoutSlot;
    int nPosition = Get_Roster_Position(nTeam, nSlot);
    Draw_Report_Background(hWnd, hdc, nPosition);
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    int nOldMode = SetBkMode(hdc, TRANSPARENT);
    int bDownloadedPhoto = Draw_Player_Photo(hdc, nTeam, nSlot, nPosition);
    Draw_Report_Header(hdc, nTeam, nSlot);
    Draw_Information_Block(hdc, nTeam, nSlot, bDownloadedPhoto);
    Draw_Rating_Accuracy_Note(hdc, nPosition);
    Draw_Player_Evaluation(hdc, nTeam, nSlot);
    Draw_Stat_Panel(hdc, nTeam, nSlot);
    SetBkMode(hdc, nOldMode);
}
