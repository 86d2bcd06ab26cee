// Owner-drawn rows of team list boxes and combo boxes: the team's label, and the user's team
// marked with its helmet at the right.
#include "database/database.h"
#include "shell/shell.h"

#define TEAM_ROW_TEXT_SIZE 256
#define TEAM_ROW_HELMET_MARGIN 2

// The messages that read a row of the control.
struct TEAM_ROW_MESSAGES {
    UINT uGetTextLength;
    UINT uGetText;
    UINT uGetItemHeight;
};

static const TEAM_ROW_MESSAGES kListBoxRowMessages = {LB_GETTEXTLEN, LB_GETTEXT, LB_GETITEMHEIGHT};
static const TEAM_ROW_MESSAGES kComboBoxRowMessages = {CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                                       CB_GETITEMHEIGHT};

// The user's team as the rows know it: a used league team or a special team, else team 0.
static int Get_Team_Row_User_Team(void) {
    return Is_Valid_Team(gUserTeam) ? gUserTeam : 0;
}

static void Draw_Team_Row_Helmet(HDC hdc, const RECT& rcItem, int nHeight, int nTeam) {
    char szHelmet[TEAM_ROW_TEXT_SIZE];
    Get_Helmet_Image_Path(szHelmet, sizeof(szHelmet), nTeam, 0);
    Draw_Named_Image(hdc, szHelmet, rcItem.right - nHeight - TEAM_ROW_HELMET_MARGIN, rcItem.top,
                     nHeight, nHeight);
}

static void Draw_Team_Row(const DRAWITEMSTRUCT* pItem, const TEAM_ROW_MESSAGES& messages) {
    if (!pItem || !pItem->hDC)
        return;
    HDC hdc = pItem->hDC;
    int bSelected = (pItem->itemState & ODS_SELECTED) != 0;
    SetBkColor(hdc, GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(hdc, GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &pItem->rcItem, NULL, 0, NULL);
    if (pItem->itemData == (ULONG_PTR)-1 || pItem->itemID == (UINT)-1)
        return;
    // A row longer than the buffer is not read at all rather than overrun it.
    char szText[TEAM_ROW_TEXT_SIZE] = " ";
    LRESULT nLength = SendMessageA(pItem->hwndItem, messages.uGetTextLength, pItem->itemID, 0);
    if (nLength < 0 || nLength >= TEAM_ROW_TEXT_SIZE - 1)
        return;
    SendMessageA(pItem->hwndItem, messages.uGetText, pItem->itemID, (LPARAM)(szText + 1));
    TabbedTextOutA(hdc, pItem->rcItem.left, pItem->rcItem.top, szText, (int)strlen(szText), 0, NULL,
                   0);
    int nUserTeam = Get_Team_Row_User_Team();
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(nUserTeam, szLabel, sizeof(szLabel));
    if (strcmp(szText + 1, szLabel) != 0)
        return;
    int nHeight = (int)SendMessageA(pItem->hwndItem, messages.uGetItemHeight, pItem->itemID, 0);
    Draw_Team_Row_Helmet(hdc, pItem->rcItem, nHeight, nUserTeam);
}

void Draw_Team_List_Item(const DRAWITEMSTRUCT* pItem) {
    Draw_Team_Row(pItem, kListBoxRowMessages);
}

void Draw_Team_Combo_Item(const DRAWITEMSTRUCT* pItem) {
    Draw_Team_Row(pItem, kComboBoxRowMessages);
}
