// The Leaders page's four top-ten lists: the view the user chose (league, season view, categories)
// read from the preferences, the lists built from every eligible player, and the value texts.
#include <limits.h>
#include <stdlib.h>

#include "database/database.h"
#include "pages/pages.h"

#define LEADER_VIEW_BYTE_BITS 8
#define LEADER_VIEW_BYTE_MASK 0xFF
#define LEADER_CAP_MILLION 1000  // cap impact in thousands: from here on "$%d.%01dM"

LEADER_ROW gLeaderLists[LEADER_LIST_COUNT][LEADER_LIST_ROWS];

// How a category's value reads.
enum LEADER_VALUE_TEXT {
    VALUE_THOUSANDS = 0,   // "1,234", nothing for 0
    VALUE_TENTHS,          // "12.3"
    VALUE_TENTHS_PERCENT,  // "62.5%"
    VALUE_HUNDREDTHS,      // "7.25"
    VALUE_CAP_MONEY        // "$950K", "$12.5M"
};

static const uint8_t kLeaderValueTexts[LEADER_CATEGORY_COUNT] = {
    VALUE_THOUSANDS,  VALUE_THOUSANDS, VALUE_THOUSANDS,      VALUE_TENTHS_PERCENT, VALUE_THOUSANDS,
    VALUE_HUNDREDTHS, VALUE_TENTHS,    VALUE_TENTHS,         VALUE_TENTHS,         VALUE_THOUSANDS,
    VALUE_THOUSANDS,  VALUE_THOUSANDS, VALUE_THOUSANDS,      VALUE_HUNDREDTHS,     VALUE_THOUSANDS,
    VALUE_THOUSANDS,  VALUE_THOUSANDS, VALUE_TENTHS,         VALUE_TENTHS_PERCENT, VALUE_TENTHS,
    VALUE_THOUSANDS,  VALUE_THOUSANDS, VALUE_THOUSANDS,      VALUE_THOUSANDS,      VALUE_TENTHS,
    VALUE_THOUSANDS,  VALUE_THOUSANDS, VALUE_TENTHS_PERCENT, VALUE_TENTHS,         VALUE_CAP_MONEY,
};

int Get_Leaders_Kind(void) {
    int nKind = Get_User_Preference(PREF_LEADER_KIND);
    return nKind >= LEADERS_FIRST_LEAGUE && nKind <= LEADERS_ALL_TIME ? nKind
                                                                      : LEADERS_FIRST_LEAGUE;
}

int Get_Leaders_View_Byte(int nByte) {
    int nView = Get_User_Preference(PREF_LEADER_VIEW);
    return (nView >> (LEADER_VIEW_BYTE_BITS * nByte)) & LEADER_VIEW_BYTE_MASK;
}

void Set_Leaders_View_Byte(int nByte, int nValue) {
    int nShift = LEADER_VIEW_BYTE_BITS * nByte;
    int nView = Get_User_Preference(PREF_LEADER_VIEW) & ~(LEADER_VIEW_BYTE_MASK << nShift);
    Set_User_Preference(PREF_LEADER_VIEW, nView | ((nValue & LEADER_VIEW_BYTE_MASK) << nShift));
}

// 0..29, or 30 (no category) while the chooser is open.
int Get_Leader_List_Category(int nList) {
    int nCategory = Get_User_Preference(PREF_LEADER_CATEGORIES + nList);
    return Max_Int(0, Min_Int(nCategory, LEADER_CATEGORY_COUNT));
}

// The season kind of a value: this season, last season or career.
static int Get_Leaders_Season_Kind(void) {
    int nSeason = Get_Leaders_View_Byte(LEADER_VIEW_SEASON);
    return nSeason <= SEASON_CAREER ? nSeason : SEASON_CURRENT;
}

static int Is_Team_In_Leaders_Kind(int nTeam, int nKind) {
    if (nTeam == FREE_AGENT_TEAM)
        return nKind == LEADERS_BOTH_LEAGUES;
    if (!Is_Team_Active(nTeam))
        return 0;
    return nKind == LEADERS_BOTH_LEAGUES || Get_Team_League(nTeam) == nKind;
}

// Below the first row of a smaller value; an equal value keeps the earlier row above it.
static void Insert_Leader(LEADER_ROW* aRows, int nTeam, int nSlot, int nValue) {
    for (int r = 0; r < LEADER_LIST_ROWS; r++) {
        if (aRows[r].nValue >= nValue)
            continue;
        for (int k = LEADER_LIST_ROWS - 1; k > r; k--)
            aRows[k] = aRows[k - 1];
        aRows[r].nTeam = nTeam;
        aRows[r].nSlot = nSlot;
        aRows[r].nValue = nValue;
        return;
    }
}

void Build_Leader_Lists(void) {
    for (int j = 0; j < LEADER_LIST_COUNT; j++) {
        for (int r = 0; r < LEADER_LIST_ROWS; r++)
            gLeaderLists[j][r] = LEADER_ROW{NO_TEAM, -1, 0};
    }
    int nKind = Get_Leaders_Kind();
    int nSeason = Get_Leaders_Season_Kind();
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (!Is_Team_In_Leaders_Kind(nTeam, nKind))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            for (int j = 0; j < LEADER_LIST_COUNT; j++) {
                int nCategory = Get_Leader_List_Category(j);
                int nValue = Get_Leader_Stat_Value(nTeam, nSlot, nCategory, nSeason);
                if (nValue > 0)
                    Insert_Leader(gLeaderLists[j], nTeam, nSlot, nValue);
            }
        }
    }
}

// "%d.%01d" and its kin: the fraction's digits never carry a sign.
static void Format_Fraction(char* szOut, int nSize, int nValue, int nDivisor,
                            const char* szFormat) {
    Format_String(szOut, nSize, szFormat, nValue / nDivisor, abs(nValue % nDivisor));
}

void Format_Leader_Value(int nCategory, int nValue, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nCategory < 0 || nCategory >= LEADER_CATEGORY_COUNT || nValue == INT_MAX)
        return;
    switch (kLeaderValueTexts[nCategory]) {
    case VALUE_THOUSANDS:
        if (nValue != 0)
            Format_With_Commas(nValue, szOut, nSize);
        break;
    case VALUE_TENTHS: Format_Fraction(szOut, nSize, nValue, 10, "%d.%01d"); break;
    case VALUE_TENTHS_PERCENT: Format_Fraction(szOut, nSize, nValue, 10, "%d.%01d%%"); break;
    case VALUE_HUNDREDTHS: Format_Fraction(szOut, nSize, nValue, 100, "%d.%02d"); break;
    default:
        if (nValue < LEADER_CAP_MILLION)
            Format_String(szOut, nSize, "$%dK", nValue);
        else
            Format_String(szOut, nSize, "$%d.%01dM", nValue / 1000, nValue % 1000 / 100);
        break;
    }
}
